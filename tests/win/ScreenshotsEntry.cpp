// Not a test: with QEW_SCREENSHOT_DIR set, saves the entry dialogs and the last wizard
// step in known states (tools/screenshots.sh runs it and converts them).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "HostFixture.h"
#include "MessageBoxRecorder.h"
#include "ScreenCapture.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "rules/DispNameSupported.h"
#include "wizard/AddTitleDlg.h"
#include "wizard/Ci_wizard.h"
#include "wizard/EditTemplateDlg.h"

namespace {

void Type(HWND dialog, int id, const std::string& text)
{
    const HWND edit = GetDlgItem(dialog, id);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(edit));
    PumpMessages();
}

class ScreenshotsEntry : public testing::Test {
protected:
    void SetUp() override
    {
        const char* dir = std::getenv("QEW_SCREENSHOT_DIR");
        if (!dir)
            GTEST_SKIP() << "QEW_SCREENSHOT_DIR is not set";
        m_dir = dir;
    }
    void TearDown() override { SetDispNameSupportedForTesting(false); }

    std::string File(const char* name) const { return m_dir + "\\" + name + ".bmp"; }

    // The sheet at step 4 for a new player of the sample's class and templates.
    void SaveFinishPage(const char* name, bool dispNames, const std::string& changedClass)
    {
        SetDispNameSupportedForTesting(dispNames);
        CPlayerInfo player;
        player.m_strWndClass = "Winamp v1.x";
        auto entry = std::make_unique<CFormatInfo>();
        entry->m_strFormat = "<Track>. <Artist> - <Title> - Winamp";
        player.m_arrFormats.push_back(std::move(entry));
        CAllPlayersInfo players;
        CCi_wizard wizard(false);
        wizard.m_pPlayerInfo = &player;
        wizard.m_pAllPlayersInfo = &players;
        ASSERT_NE(wizard.Create(nullptr), nullptr);
        PumpMessages();
        SendMessageA(wizard.Hwnd(), PSM_SETCURSEL, 3, 0);
        PumpMessages();
        const HWND page = reinterpret_cast<HWND>(SendMessageA(wizard.Hwnd(), PSM_GETCURRENTPAGEHWND, 0, 0));
        if (!changedClass.empty())
            Type(page, IDC_WINDOW_CLASS, changedClass);
        SaveWindow(wizard.Hwnd(), File(name));
    }

    std::string m_dir;
    MessageBoxRecorder m_boxes;
};

TEST_F(ScreenshotsEntry, AddTitle)
{
    CAddTitleDlg dialog;
    ASSERT_NE(dialog.Create(nullptr), nullptr);
    Type(dialog.Hwnd(), IDC_ADD_TITLE_TEXT, "Winamp 5.9 - *** Stopped ***");
    SaveWindow(dialog.Hwnd(), File("entry-add-title"));
    dialog.EndDialog(IDCANCEL);
}

TEST_F(ScreenshotsEntry, EditTemplateWithItsFaultSelected)
{
    CEditTemplateDlg dialog;
    dialog.m_strTemplate = "<Track>. <Artist> - <title> - Winamp";
    ASSERT_NE(dialog.Create(nullptr), nullptr);
    PumpMessages();
    SendMessageA(GetDlgItem(dialog.Hwnd(), IDOK), BM_CLICK, 0, 0);
    PumpMessages();
    SaveWindow(dialog.Hwnd(), File("entry-edit-template"));
    dialog.EndDialog(IDCANCEL);
}

TEST_F(ScreenshotsEntry, FinishPage)
{
    SaveFinishPage("wizard-step4", true, "");
}

TEST_F(ScreenshotsEntry, FinishPageWithTheClassChanged)
{
    SaveFinishPage("wizard-step4-class-changed", true, "Winamp v5.x");
}

TEST_F(ScreenshotsEntry, FinishPageForAnOlderHost)
{
    SaveFinishPage("wizard-step4-one-name", false, "");
}

} // namespace
