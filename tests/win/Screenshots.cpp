// Not a test: with QEW_SCREENSHOT_DIR set, opens each dialog in a known state and saves
// it as a BMP there (tools/screenshots.sh runs it and converts them).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "HostFixture.h"
#include "MessageBoxRecorder.h"
#include "app/AboutDlg.h"
#include "app/ManualEditingDlg.h"
#include "app/QuorvelExtPlrWizardDlg.h"
#include "rules/AllPlayersInfo.h"
#include "SamplePlayerProcess.h"
#include "wizard/Ci_wizard.h"
#include "wizard/Ci_wiz_getwndtlt.h"

namespace {

void SaveWindow(HWND hwnd, const std::string& file)
{
    SetWindowPos(hwnd, HWND_TOPMOST, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    for (int i = 0; i < 20; ++i) {
        PumpMessages();
        Sleep(10);
    }
    RECT r;
    GetWindowRect(hwnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    const DWORD stride = (w * 3 + 3) & ~3, size = stride * h;
    BITMAPFILEHEADER header{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size), 0, 0,
                            sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    if (FILE* f = std::fopen(file.c_str(), "wb")) {
        std::fwrite(&header, sizeof header, 1, f);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f);
        std::fwrite(bits, size, 1, f);
        std::fclose(f);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

class Screenshots : public HostFixture {};

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
    for (int i = 0, n = ListView_GetItemCount(list); i < n; ++i) {
        char windowClass[64] = {};
        ListView_GetItemText(list, i, 1, windowClass, sizeof windowClass);
        if (std::string(windowClass) == "Winamp v1.x") {
            ListView_SetItemState(list, i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            ListView_SetSelectionMark(list, i);
        }
    }
    SendMessageA(wizard.Hwnd(), PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    PumpMessages();
    for (const char* title : {"2. Another Artist - Another Title - Winamp", "Winamp 5.9 - *** Paused ***",
                              "3. Stream: Radio Sample - Winamp"}) {
        player.SetTitle(title);
        wizard.GetWndTltPage().CaptureTitles();
    }
    SaveWindow(wizard.Hwnd(), std::string(dir) + "\\wizard-step2.bmp");
}

} // namespace
