// Not a test: with QEW_SCREENSHOT_DIR set, opens each dialog in a known state and saves
// it as a BMP there (tools/screenshots.sh runs it and converts them).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "HostFixture.h"
#include "ListViewSupport.h"
#include "ScreenCapture.h"
#include "MessageBoxRecorder.h"
#include "app/AboutDlg.h"
#include "app/ManualEditingDlg.h"
#include "app/RunningPlayersDlg.h"
#include "app/QuorvelExtPlrWizardDlg.h"
#include "rules/AllPlayersInfo.h"
#include "SamplePlayerProcess.h"
#include "wizard/Ci_wizard.h"
#include "paint/PaintTitleDlg.h"
#include "res/resource.h"
#include "wizard/Ci_wiz_getwndtlt.h"

namespace {

// The main dialog shows the rules file's path, so the host is where a user's would be;
// a rules file already there is left alone, and the pictures show a temporary folder.
class Screenshots : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        const std::string folder = "C:\\Program Files\\Quorvel";
        CreateDirectoryA(folder.c_str(), nullptr);
        if (GetFileAttributesA((folder + "\\Players.txt").c_str()) != INVALID_FILE_ATTRIBUTES)
            return;
        RemoveDirectoryA(m_folder.c_str());
        m_folder = folder;
        m_rulesPath = m_folder + "\\Players.txt";
    }
};

TEST_F(Screenshots, OfEveryDialog)
{
    const char* dir = std::getenv("QEW_SCREENSHOT_DIR");
    if (!dir)
        GTEST_SKIP() << "QEW_SCREENSHOT_DIR is not set";
    MessageBoxRecorder boxes;
    InstallHost("6.0");
    std::FILE* in = std::fopen(QEW_TEST_DATA_DIR "/../../tools/demo/Players.txt", "rb");
    ASSERT_NE(in, nullptr);
    std::string text;
    for (int c; (c = std::fgetc(in)) != EOF;)
        text += static_cast<char>(c);
    std::fclose(in);
    WriteRules(text);

    CQuorvelExtPlrWizardDlg main;
    ASSERT_NE(main.Create(nullptr), nullptr);
    SaveWindow(main.Hwnd(), std::string(dir) + "\\main.bmp");

    CAboutDlg about;
    ASSERT_NE(about.Create(main.Hwnd()), nullptr);
    SaveWindow(about.Hwnd(), std::string(dir) + "\\about.bmp");
    about.EndDialog(IDOK);

    CManualEditingDlg editor;
    editor.m_pPlayers = main.Players();
    ASSERT_NE(editor.Create(main.Hwnd()), nullptr);
    SaveWindow(editor.Hwnd(), std::string(dir) + "\\manual-editing.bmp");
    editor.EndDialog(IDCANCEL);

    SamplePlayerProcess player("Winamp v1.x", "1. Sample Artist - Sample Title - Winamp");
    CPlayerInfo newPlayer;
    CCi_wizard wizard(false);
    wizard.m_pPlayerInfo = &newPlayer;
    wizard.m_pAllPlayersInfo = main.Players();
    ASSERT_NE(wizard.Create(nullptr), nullptr);
    PumpMessages();
    SaveWindow(wizard.Hwnd(), std::string(dir) + "\\wizard-step1.bmp");
    HWND list = GetDlgItem(reinterpret_cast<HWND>(SendMessageA(wizard.Hwnd(), PSM_GETCURRENTPAGEHWND, 0, 0)),
                           IDC_WINDOW_LIST);
    if (const int row = RowWith(list, 1, "Winamp v1.x"); row >= 0)
        SelectRow(list, row);
    SendMessageA(wizard.Hwnd(), PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    PumpMessages();
    for (const char* title : {"2. Another Artist - Another Title - Winamp", "Winamp 5.9 - *** Paused ***",
                              "3. Stream: Radio Sample - Winamp"}) {
        player.SetTitle(title);
        wizard.GetWndTltPage().CaptureTitles();
    }
    SaveWindow(wizard.Hwnd(), std::string(dir) + "\\wizard-step2.bmp");

    // Step 3 with two painted templates, answered in place of the Paint title dialog.
    SendMessageA(wizard.Hwnd(), PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    PumpMessages();
    // Each template is painted on a title it reads, which becomes its example.
    const std::pair<const char*, const char*> painted[] = {
        {"<Track>. <Artist> - <Title> - Winamp", "2. Another Artist - Another Title - Winamp"},
        {"<Unused> - *** <Title> ***", "Winamp 5.9 - *** Paused ***"}};
    HWND page = reinterpret_cast<HWND>(SendMessageA(wizard.Hwnd(), PSM_GETCURRENTPAGEHWND, 0, 0));
    HWND titles = GetDlgItem(page, IDC_STEP3_TITLES);
    for (const auto& [made, title] : painted) {
        if (const int row = RowWith(titles, 1, title); row >= 0) {
            SelectRow(titles, row);
            NMITEMACTIVATE click{};
            click.hdr = {titles, IDC_STEP3_TITLES, static_cast<UINT>(NM_CLICK)};
            click.iItem = row;
            SendMessageA(page, WM_NOTIFY, IDC_STEP3_TITLES, reinterpret_cast<LPARAM>(&click));
        }
        Dialog::SetModalRunner([made](Dialog& dialog, HWND) -> INT_PTR {
            auto* paint = dynamic_cast<CPaintTitleDlg*>(&dialog);
            if (!paint)
                return IDCANCEL;
            paint->m_strTemplate = made;
            return IDOK;
        });
        SendMessageA(GetDlgItem(page, IDC_STEP3_CREATE), BM_CLICK, 0, 0);
        PumpMessages();
    }
    Dialog::SetModalRunner(nullptr);
    SaveWindow(wizard.Hwnd(), std::string(dir) + "\\wizard-step3.bmp");

    SendMessageA(wizard.Hwnd(), PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    PumpMessages();
    SaveWindow(wizard.Hwnd(), std::string(dir) + "\\wizard-step4.bmp");
    wizard.Destroy();

    // Two players the rules read and one they do not.
    player.SetTitle("1. Sample Artist - Sample Title - Winamp");
    SamplePlayerProcess sample("QewSamplePlayer", "Sample Artist - Sample Title [paused]");
    SamplePlayerProcess radio("QewRadio", "Radio Sample: Stream Artist / Stream Title");
    SamplePlayerProcess unknown("QewSamplePlayer", "Sample Player 2.0");
    CRunningPlayersDlg running(*main.Players());
    ASSERT_NE(running.Create(main.Hwnd()), nullptr);
    PumpMessages();
    SaveWindow(running.Hwnd(), std::string(dir) + "\\running-players.bmp");
    running.EndDialog(IDCANCEL);
}

} // namespace
