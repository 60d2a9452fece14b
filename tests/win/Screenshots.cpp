// Not a test: with QEW_SCREENSHOT_DIR set, opens each dialog in a known state and saves
// it as a BMP there (tools/screenshots.sh runs it and converts them).
#include <windows.h>

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
}

} // namespace
