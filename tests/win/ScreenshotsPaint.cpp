// Not a test: with QEW_SCREENSHOT_DIR set, opens the Paint title dialog with a partly
// painted title and saves it collapsed and expanded, then as Suggest templates opens it on
// a proposal, and on one its marks cannot show (tools/screenshots.sh runs it).
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "HostFixture.h"
#include "MessageBoxRecorder.h"
#include "ScreenCapture.h"
#include "framework/ResString.h"
#include "paint/PaintTitleDlg.h"
#include "res/resource.h"

namespace {

TEST(ScreenshotsPaint, OfThePaintTitleDialog)
{
    const char* dir = std::getenv("QEW_SCREENSHOT_DIR");
    if (!dir)
        GTEST_SKIP() << "QEW_SCREENSHOT_DIR is not set";
    LoadLibraryA("RICHED32.DLL");
    MessageBoxRecorder boxes;
    CPaintTitleDlg dialog;
    dialog.m_strTitle = "1. Sample Artist - Sample Title - Winamp";
    ASSERT_NE(dialog.Create(nullptr), nullptr);
    PumpMessages();
    HWND title = GetDlgItem(dialog.Hwnd(), IDC_PAINT_TITLE);
    const auto mark = [&](int start, int end, int button) {
        CHARRANGE range{start, end};
        SendMessageA(title, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        SendMessageA(GetDlgItem(dialog.Hwnd(), button), BM_CLICK, 0, 0);
        PumpMessages();
    };
    mark(0, 1, IDC_MARKER_UNUSED);
    mark(3, 16, IDC_MARKER_ARTIST);
    mark(19, 31, IDC_MARKER_TITLE);
    SetFocus(title);
    SaveWindow(dialog.Hwnd(), std::string(dir) + "\\paint-title.bmp");
    SendMessageA(GetDlgItem(dialog.Hwnd(), IDC_TOGGLE_MARKERS), BM_CLICK, 0, 0);
    PumpMessages();
    SaveWindow(dialog.Hwnd(), std::string(dir) + "\\paint-title-expanded.bmp");
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST(ScreenshotsPaint, OfAProposal)
{
    const char* dir = std::getenv("QEW_SCREENSHOT_DIR");
    if (!dir)
        GTEST_SKIP() << "QEW_SCREENSHOT_DIR is not set";
    LoadLibraryA("RICHED32.DLL");
    MessageBoxRecorder boxes;
    CPaintTitleDlg dialog;
    dialog.m_strTitle = "2. Bob Ray - Night Train - Winamp";
    dialog.m_arrMarks = {{0, 1, IDB_MARKER_TRACK}, {3, 10, IDB_MARKER_ARTIST}, {13, 24, IDB_MARKER_TITLE}};
    dialog.m_strProposal = "<Track>. <Artist> - <Title> - Winamp";
    dialog.m_strProposalName = FormatResText(IDS_PROPOSAL_NAME, 1, 3, 5);
    ASSERT_NE(dialog.Create(nullptr), nullptr);
    PumpMessages();
    SaveWindow(dialog.Hwnd(), std::string(dir) + "\\paint-title-proposal.bmp");

    // Every title of the family lacks a value somewhere: OK keeps the proposal as it is.
    CPaintTitleDlg kept;
    kept.m_strTitle = "3.  - Sea Song - Winamp";
    kept.m_arrMarks = {{0, 1, IDB_MARKER_TRACK}, {6, 14, IDB_MARKER_TITLE}};
    kept.m_strProposal = dialog.m_strProposal;
    kept.m_strProposalName = FormatResText(IDS_PROPOSAL_NAME, 2, 3, 2);
    ASSERT_NE(kept.Create(nullptr), nullptr);
    PumpMessages();
    SaveWindow(kept.Hwnd(), std::string(dir) + "\\paint-title-proposal-kept.bmp");
    EXPECT_EQ(boxes.Count(), 0u);
}

} // namespace
