#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "HostFixture.h"
#include "MessageBoxRecorder.h"
#include "framework/ResString.h"
#include "paint/PaintTitleDlg.h"
#include "res/resource.h"

namespace {

const std::string kSample = "1. SampleArtist - SampleTitle - Winamp";

// One letter per marker colour, so that a whole line's colouring reads as a string.
const std::map<COLORREF, char> kLetters = {
    {RGB(0, 0, 0), '.'},       {RGB(0, 128, 0), 'u'},     {RGB(0, 0, 255), 't'},     {RGB(255, 0, 0), 'a'},
    {RGB(192, 192, 192), 'b'}, {RGB(255, 0, 255), 'y'},   {RGB(0, 255, 255), 'g'},   {RGB(128, 128, 128), 'n'},
    {RGB(0, 128, 128), 'c'},   {RGB(0, 255, 0), 'p'},     {RGB(128, 0, 128), 'x'},   {RGB(0, 0, 128), 'l'},
    {RGB(128, 128, 0), 's'},
};

class PaintTitle : public testing::Test {
protected:
    static void SetUpTestSuite() { LoadLibraryA("RICHED32.DLL"); }
    void TearDown() override
    {
        Dialog::SetModalRunner(nullptr);
        m_owned.reset();
    }

    void Open(const std::string& title)
    {
        m_owned = std::make_unique<CPaintTitleDlg>();
        m_dialog = m_owned.get();
        m_dialog->m_strTitle = title;
        ASSERT_NE(m_dialog->Create(nullptr), nullptr);
        PumpMessages();
    }
    HWND Dlg() const { return m_dialog->Hwnd(); }
    HWND Item(int id) const { return GetDlgItem(Dlg(), id); }
    bool Closed() const { return Dlg() == nullptr; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    void Click(int id) const
    {
        SendMessageA(Item(id), BM_CLICK, 0, 0);
        PumpMessages();
    }
    // As Enter or a click does, whether or not the button is enabled.
    void Command(int id) const
    {
        SendMessageA(Dlg(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
        PumpMessages();
    }
    void Select(int start, int end, int id = IDC_PAINT_TITLE) const
    {
        CHARRANGE range{start, end};
        SendMessageA(Item(id), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    }
    CHARRANGE Selection() const
    {
        CHARRANGE range{};
        SendMessageA(Item(IDC_PAINT_TITLE), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        return range;
    }
    void Mark(int start, int end, int button) const
    {
        Select(start, end);
        Click(button);
    }
    std::string Text(int id) const
    {
        char text[512] = {};
        GetWindowTextA(Item(id), text, sizeof text);
        return text;
    }
    CHARFORMATA FormatAt(int id, int position) const
    {
        Select(position, position + 1, id);
        CHARFORMATA format{};
        format.cbSize = sizeof format;
        SendMessageA(Item(id), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return format;
    }
    // The field's colouring, one letter a character ('?' for a colour no marker has).
    std::string Colours(int id = IDC_PAINT_TITLE) const
    {
        std::string letters;
        const int length = GetWindowTextLengthA(Item(id));
        for (int i = 0; i < length; ++i) {
            auto found = kLetters.find(FormatAt(id, i).crTextColor);
            letters += found == kLetters.end() ? '?' : found->second;
        }
        return letters;
    }
    RECT ClientRectOf(int id) const
    {
        RECT r;
        GetWindowRect(Item(id), &r);
        MapWindowPoints(nullptr, Dlg(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    int ClientHeight() const
    {
        RECT r;
        GetClientRect(Dlg(), &r);
        return r.bottom;
    }
    int WindowHeight() const
    {
        RECT r;
        GetWindowRect(Dlg(), &r);
        return r.bottom - r.top;
    }
    int DluToPixelsY(int dlu) const
    {
        RECT r{0, 0, 0, dlu};
        MapDialogRect(Dlg(), &r);
        return r.bottom;
    }

    MessageBoxRecorder m_boxes;
    std::unique_ptr<CPaintTitleDlg> m_owned;
    CPaintTitleDlg* m_dialog = nullptr; // the dialog the helpers drive
};

const int kAdditionalButtons[] = {IDC_MARKER_ALBUM, IDC_MARKER_YEAR,     IDC_MARKER_GENRE,
                                  IDC_MARKER_TRACK, IDC_MARKER_COMMENT,  IDC_MARKER_COMPOSER,
                                  IDC_MARKER_TEXT,  IDC_MARKER_URL,      IDC_MARKER_STATION};

// --- opening ---

TEST_F(PaintTitle, OpensCollapsedWithOkDisabledAndTheTitleInTheConstantColour)
{
    Open(kSample);
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_EQ(Text(IDC_PAINT_TITLE), kSample);
    EXPECT_EQ(m_dialog->m_PaintCaption.GetCaption(), kSample);
    EXPECT_FALSE(Enabled(IDOK));
    EXPECT_TRUE(Enabled(IDCANCEL));
    EXPECT_NE(m_dialog->m_bCollapsed, 0);
    EXPECT_EQ(Text(IDC_TOGGLE_MARKERS), "Show additional markers >>>");
    for (int id : kAdditionalButtons) {
        EXPECT_FALSE(Visible(id)) << id;
        EXPECT_FALSE(Visible(id + 17)) << id + 17;
    }
    EXPECT_FALSE(Visible(IDC_ADDITIONAL_MARKERS));
    // The title field has the focus, which selects it all; version 1 counts its line end.
    const CHARRANGE all = Selection();
    EXPECT_EQ(all.cpMin, 0);
    EXPECT_GE(all.cpMax, 38);
    EXPECT_EQ(Colours(), std::string(kSample.size(), '.'));
}

TEST_F(PaintTitle, TheCollapsedWindowEndsJustBelowOk)
{
    Open(kSample);
    const RECT ok = ClientRectOf(IDOK);
    EXPECT_EQ(ClientHeight(), ok.bottom + DluToPixelsY(7));
}

TEST_F(PaintTitle, TheExampleIsPaintedBoldUnderlinedCourierNew15Points)
{
    Open(kSample);
    EXPECT_EQ(Text(IDC_PAINT_EXAMPLE), "1. SampleArtist - SampleTitle - Winamp");
    EXPECT_FALSE(Enabled(IDC_PAINT_EXAMPLE));
    EXPECT_EQ(Colours(IDC_PAINT_EXAMPLE), "n..aaaaaaaaaaaa...ttttttttttt.........");
    for (int id : {IDC_PAINT_EXAMPLE, IDC_PAINT_TITLE}) {
        for (int i : {0, 5, 16, 37}) {
            const CHARFORMATA format = FormatAt(id, i);
            EXPECT_EQ(format.dwEffects & (CFE_BOLD | CFE_UNDERLINE | CFE_ITALIC | CFE_STRIKEOUT),
                      static_cast<DWORD>(CFE_BOLD | CFE_UNDERLINE)) << id << " " << i;
            EXPECT_EQ(format.yHeight, 300) << id << " " << i;
            EXPECT_EQ(format.yOffset, 0) << id << " " << i;
            EXPECT_STREQ(format.szFaceName, "Courier New") << id << " " << i;
        }
    }
}

TEST_F(PaintTitle, BasicSwatchesFrameTheirButtonsByFivePixels)
{
    Open(kSample);
    const std::pair<int, int> pairs[] = {{IDC_MARKER_UNUSED, IDC_SWATCH_UNUSED},
                                         {IDC_MARKER_CONSTANT, IDC_SWATCH_CONSTANT},
                                         {IDC_MARKER_TITLE, IDC_SWATCH_TITLE},
                                         {IDC_MARKER_ARTIST, IDC_SWATCH_ARTIST}};
    for (auto [button, swatch] : pairs) {
        RECT b = ClientRectOf(button), s = ClientRectOf(swatch);
        EXPECT_EQ(s.left, b.left - 5) << swatch;
        EXPECT_EQ(s.top, b.top - 5) << swatch;
        EXPECT_EQ(s.right, b.right + 5) << swatch;
        EXPECT_EQ(s.bottom, b.bottom + 5) << swatch;
        EXPECT_TRUE(Visible(swatch)) << swatch;
        EXPECT_TRUE(Visible(button)) << button;
    }
}

// --- colours ---

TEST_F(PaintTitle, ColoursAreReadFromTheMarkerBitmaps)
{
    Open(kSample);
    const std::map<int, COLORREF> expected = {
        {IDB_MARKER_CONSTANT, RGB(0, 0, 0)},       {IDB_MARKER_ALBUM, RGB(192, 192, 192)},
        {IDB_MARKER_YEAR, RGB(255, 0, 255)},       {IDB_MARKER_GENRE, RGB(0, 255, 255)},
        {IDB_MARKER_TRACK, RGB(128, 128, 128)},    {IDB_MARKER_COMMENT, RGB(0, 128, 128)},
        {IDB_MARKER_TEXT, RGB(128, 0, 128)},       {IDB_MARKER_URL, RGB(0, 0, 128)},
        {IDB_MARKER_STATION, RGB(128, 128, 0)},    {IDB_MARKER_COMPOSER, RGB(0, 255, 0)},
        {IDB_MARKER_UNUSED, RGB(0, 128, 0)},       {IDB_MARKER_ARTIST, RGB(255, 0, 0)},
        {IDB_MARKER_TITLE, RGB(0, 0, 255)},
    };
    for (auto [bitmap, colour] : expected)
        EXPECT_EQ(m_dialog->GetColByBmpID(bitmap), colour) << bitmap;
    EXPECT_EQ(m_boxes.Count(), 0u);
}

TEST_F(PaintTitle, EverySwatchShowsItsMarkersBitmap)
{
    Open(kSample);
    ASSERT_EQ(CPaintTitleDlg::Markers().size(), 13u);
    for (const stMarker& marker : CPaintTitleDlg::Markers()) {
        auto image = reinterpret_cast<HBITMAP>(SendMessageA(Item(marker.swatch), STM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_NE(image, nullptr) << marker.swatch;
        BITMAP info{};
        GetObjectA(image, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, 134) << marker.swatch;
        EXPECT_EQ(info.bmHeight, 29) << marker.swatch;
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(memory, image);
        EXPECT_EQ(GetPixel(memory, 0, 0), m_dialog->GetColByBmpID(marker.bitmap)) << marker.swatch;
        EXPECT_EQ(GetPixel(memory, 133, 28), m_dialog->GetColByBmpID(marker.bitmap)) << marker.swatch;
        SelectObject(memory, old);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
}

TEST_F(PaintTitle, AMissingBitmapIsReportedAndGivesNoColour)
{
    Open(kSample);
    EXPECT_EQ(m_dialog->GetColByBmpID(9999), CLR_INVALID);
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_ICONERROR | MB_OK));
    EXPECT_NE(m_boxes.Last().text.find("in the function \"GetColByBmpID()\"."), std::string::npos)
        << m_boxes.Last().text;
    EXPECT_EQ(m_dialog->m_pErrorInfo, &m_dialog->m_ErrorInfo);
    EXPECT_EQ(m_dialog->m_ErrorInfo.kind, ErrorKind_System);
    EXPECT_NE(m_dialog->m_ErrorInfo.code, 0u);
    EXPECT_STREQ(m_dialog->m_ErrorInfo.sourceName(), "PaintTitleDlg");
}

// --- marking ---

TEST_F(PaintTitle, TheExamplesMarksGiveTheExamplesTemplate)
{
    Open(kSample);
    Click(IDC_TOGGLE_MARKERS);
    Mark(0, 1, IDC_MARKER_TRACK);
    Mark(3, 15, IDC_MARKER_ARTIST);
    Mark(18, 29, IDC_MARKER_TITLE);
    EXPECT_EQ(Colours(), "n..aaaaaaaaaaaa...ttttttttttt.........");
    EXPECT_TRUE(Enabled(IDOK));
    Click(IDOK);
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(m_dialog->Result(), IDOK);
    EXPECT_EQ(m_dialog->m_strTemplate, "<Track>. <Artist> - <Title> - Winamp");
}

TEST_F(PaintTitle, EveryMarkerPassesItsNameAndColour)
{
    // One two-letter part a marker, a blank between them.
    std::string title;
    for (int i = 0; i < 12; ++i)
        title += std::string(i ? " " : "") + "xx";
    Open(title);
    Click(IDC_TOGGLE_MARKERS);
    std::string expectedTemplate, expectedColours;
    int part = 0;
    for (const stMarker& marker : CPaintTitleDlg::Markers()) {
        if (marker.button == IDC_MARKER_CONSTANT)
            continue;
        Mark(part * 3, part * 3 + 2, marker.button);
        expectedTemplate += std::string(part ? " " : "") + "<" + marker.name + ">";
        const char letter = kLetters.at(m_dialog->GetColByBmpID(marker.bitmap));
        expectedColours += std::string(part ? "." : "") + std::string(2, letter);
        ++part;
    }
    EXPECT_EQ(Colours(), expectedColours);
    EXPECT_EQ(Colours(), "uu.tt.aa.bb.yy.gg.nn.cc.pp.xx.ll.ss");
    Click(IDOK);
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(m_dialog->m_strTemplate, expectedTemplate);
    EXPECT_EQ(m_dialog->m_strTemplate,
              "<Unused> <Title> <Artist> <Album> <Year> <Genre> <Track> <Comment> <Composer> <Text> <URL> <Station>");
}

TEST_F(PaintTitle, MarkingATagElsewhereMovesItAndRepaintsTheOldPlace)
{
    Open(kSample);
    Mark(3, 15, IDC_MARKER_ARTIST);
    EXPECT_EQ(Colours(), "...aaaaaaaaaaaa.......................");
    Mark(18, 29, IDC_MARKER_ARTIST);
    EXPECT_EQ(Colours(), "..................aaaaaaaaaaa.........");
    Mark(3, 15, IDC_MARKER_TITLE);
    EXPECT_EQ(Colours(), "...tttttttttttt...aaaaaaaaaaa.........");
    Click(IDOK);
    EXPECT_EQ(m_dialog->m_strTemplate, "1. <Title> - <Artist> - Winamp");
}

TEST_F(PaintTitle, ATagOverAnotherCutsItBackLeavingOneConstantCharacter)
{
    Open(kSample);
    Mark(3, 17, IDC_MARKER_ARTIST);
    Mark(15, 29, IDC_MARKER_TITLE);
    EXPECT_EQ(Colours(), "...aaaaaaaaaaa.tttttttttttttt.........");
    Click(IDOK);
    EXPECT_EQ(m_dialog->m_strTemplate, "1. <Artist>t<Title> - Winamp");
}

TEST_F(PaintTitle, ConstantCutsAPartOutOfEveryMarkExactly)
{
    Open(kSample);
    Mark(0, 38, IDC_MARKER_UNUSED);
    EXPECT_EQ(Colours(), std::string(38, 'u'));
    Mark(16, 17, IDC_MARKER_CONSTANT);
    EXPECT_EQ(Colours(), std::string(16, 'u') + "." + std::string(21, 'u'));
    EXPECT_FALSE(Enabled(IDOK)) << "Unused alone is no template";
    Mark(3, 15, IDC_MARKER_CONSTANT);
    Mark(3, 15, IDC_MARKER_ARTIST);
    EXPECT_EQ(Colours(), "uu.aaaaaaaaaaaa.." + std::string(21, 'u'));
    EXPECT_TRUE(Enabled(IDOK));
    Mark(3, 15, IDC_MARKER_CONSTANT);
    EXPECT_EQ(Colours(), "uu..............." + std::string(21, 'u'));
    EXPECT_FALSE(Enabled(IDOK));
    EXPECT_EQ(m_dialog->m_PaintCaption.GetDescCount(), 1);
}

TEST_F(PaintTitle, UnusedAloneLeavesOkDisabledATagEnablesIt)
{
    Open(kSample);
    Mark(0, 3, IDC_MARKER_UNUSED);
    EXPECT_FALSE(Enabled(IDOK));
    Mark(30, 38, IDC_MARKER_UNUSED);
    EXPECT_FALSE(Enabled(IDOK));
    Mark(18, 29, IDC_MARKER_TITLE);
    EXPECT_TRUE(Enabled(IDOK));
    EXPECT_EQ(Colours(), "uuu...............ttttttttttt.uuuuuuuu");
    Click(IDOK);
    EXPECT_EQ(m_dialog->m_strTemplate, "<Unused>SampleArtist - <Title> <Unused>");
}

TEST_F(PaintTitle, UnusedMarkedInsideUnusedSplitsItAroundTheNewPart)
{
    Open(kSample);
    Mark(0, 38, IDC_MARKER_UNUSED);
    Mark(10, 20, IDC_MARKER_UNUSED);
    EXPECT_EQ(Colours(), std::string(9, 'u') + "." + std::string(10, 'u') + "." + std::string(17, 'u'));
}

TEST_F(PaintTitle, PressingAMarkerKeepsTheSelection)
{
    Open(kSample);
    Mark(3, 15, IDC_MARKER_ARTIST);
    CHARRANGE selection = Selection();
    EXPECT_EQ(selection.cpMin, 3);
    EXPECT_EQ(selection.cpMax, 15);
    Mark(20, 25, IDC_MARKER_CONSTANT);
    selection = Selection();
    EXPECT_EQ(selection.cpMin, 20);
    EXPECT_EQ(selection.cpMax, 25);
    // The selection stays shown while a button has the focus.
    const LRESULT options = SendMessageA(Item(IDC_PAINT_TITLE), EM_GETOPTIONS, 0, 0);
    EXPECT_NE(options & ECO_NOHIDESEL, 0);
}

TEST_F(PaintTitle, SelectingAllMarksTheWholeTitle)
{
    Open(kSample);
    Mark(0, -1, IDC_MARKER_TITLE);
    EXPECT_EQ(Colours(), std::string(38, 't'));
    Click(IDOK);
    EXPECT_EQ(m_dialog->m_strTemplate, "<Title>");
}

TEST_F(PaintTitle, AnEmptySelectionChangesNothing)
{
    Open(kSample);
    Mark(5, 5, IDC_MARKER_TITLE);
    EXPECT_EQ(m_dialog->m_PaintCaption.GetDescCount(), 0);
    EXPECT_FALSE(Enabled(IDOK));
    EXPECT_EQ(Colours(), std::string(38, '.'));
}

// --- toggling ---

TEST_F(PaintTitle, ShowingTheAdditionalMarkersAndHidingThemAgain)
{
    Open(kSample);
    const int collapsed = WindowHeight();
    Click(IDC_TOGGLE_MARKERS);
    EXPECT_EQ(m_dialog->m_bCollapsed, 0);
    EXPECT_EQ(Text(IDC_TOGGLE_MARKERS), "Hide additional markers <<<");
    EXPECT_GT(WindowHeight(), collapsed);
    EXPECT_EQ(ClientHeight(), ClientRectOf(IDC_ADDITIONAL_MARKERS).bottom + DluToPixelsY(7));
    EXPECT_TRUE(Visible(IDC_ADDITIONAL_MARKERS));
    for (int id : kAdditionalButtons) {
        EXPECT_TRUE(Visible(id)) << id;
        EXPECT_TRUE(Visible(id + 17)) << id + 17;
        RECT b = ClientRectOf(id), s = ClientRectOf(id + 17);
        EXPECT_EQ(s.left, b.left - 5) << id;
        EXPECT_EQ(s.top, b.top - 5) << id;
        EXPECT_EQ(s.right, b.right + 5) << id;
        EXPECT_EQ(s.bottom, b.bottom + 5) << id;
    }

    Click(IDC_TOGGLE_MARKERS);
    EXPECT_NE(m_dialog->m_bCollapsed, 0);
    EXPECT_EQ(Text(IDC_TOGGLE_MARKERS), "Show additional markers >>>");
    EXPECT_EQ(WindowHeight(), collapsed);
    EXPECT_FALSE(Visible(IDC_ADDITIONAL_MARKERS));
    for (int id : kAdditionalButtons) {
        EXPECT_FALSE(Visible(id)) << id;
        EXPECT_FALSE(Visible(id + 17)) << id + 17;
    }
    EXPECT_EQ(m_boxes.Count(), 0u);
}

TEST_F(PaintTitle, TogglingKeepsTheWidthAndThePosition)
{
    Open(kSample);
    RECT before;
    GetWindowRect(Dlg(), &before);
    Click(IDC_TOGGLE_MARKERS);
    RECT after;
    GetWindowRect(Dlg(), &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right, before.right);
}

TEST_F(PaintTitle, MarksSurviveToggling)
{
    Open(kSample);
    Mark(3, 15, IDC_MARKER_ARTIST);
    Click(IDC_TOGGLE_MARKERS);
    Click(IDC_TOGGLE_MARKERS);
    EXPECT_EQ(Colours(), "...aaaaaaaaaaaa.......................");
    EXPECT_TRUE(Enabled(IDOK));
}

// --- OK and Cancel ---

TEST_F(PaintTitle, OkWithNothingMarkedSaysSoAndStaysOpen)
{
    Open(kSample);
    Command(IDOK);
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().text, "Parameters not defined!!!");
    EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_ICONERROR | MB_OK));
    EXPECT_FALSE(Closed());
    EXPECT_EQ(m_dialog->m_strTemplate, "");
}

TEST_F(PaintTitle, OkAfterEveryMarkWasTakenBackSaysNothingIsDefined)
{
    Open(kSample);
    Mark(3, 15, IDC_MARKER_ARTIST);
    Mark(0, 38, IDC_MARKER_CONSTANT);
    EXPECT_FALSE(Enabled(IDOK));
    Command(IDOK);
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().text, "Parameters not defined!!!");
    EXPECT_FALSE(Closed());
}

TEST_F(PaintTitle, ATemplateThatDoesNotParseIsReportedAndTheMarksStay)
{
    Open("a<b - Song");
    Mark(6, 10, IDC_MARKER_TITLE);
    ASSERT_TRUE(Enabled(IDOK));
    Click(IDOK);
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().text, "Error in template. Angle brackets cannot be used within angle brackets (< < > >)");
    EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_ICONERROR | MB_OK));
    EXPECT_FALSE(Closed());
    EXPECT_EQ(Colours(), "......tttt");
    EXPECT_TRUE(Enabled(IDOK));

    // Marking the bracket Unused takes it out of the constant text.
    Mark(1, 2, IDC_MARKER_UNUSED);
    Click(IDOK);
    EXPECT_EQ(m_boxes.Count(), 1u);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(m_dialog->m_strTemplate, "a<Unused>b - <Title>");
}

TEST_F(PaintTitle, PercentSignsInTheTitleAreConstantText)
{
    Open("%s%n%d - Song");
    EXPECT_EQ(Text(IDC_PAINT_TITLE), "%s%n%d - Song");
    Mark(9, 13, IDC_MARKER_TITLE);
    Click(IDOK);
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(m_dialog->m_strTemplate, "%s%n%d - <Title>");
}

TEST_F(PaintTitle, CancelClosesWithoutChecks)
{
    Open(kSample);
    Mark(3, 15, IDC_MARKER_UNUSED);
    Click(IDCANCEL);
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(m_dialog->Result(), IDCANCEL);
}

// --- an empty title ---

TEST_F(PaintTitle, AnEmptyTitleCanOnlyBeCancelled)
{
    Open("");
    EXPECT_EQ(Text(IDC_PAINT_TITLE), "");
    EXPECT_EQ(m_dialog->m_PaintCaption.GetCaption(), "");
    Click(IDC_TOGGLE_MARKERS);
    for (const stMarker& marker : CPaintTitleDlg::Markers()) {
        Mark(0, -1, marker.button);
        EXPECT_EQ(m_dialog->m_PaintCaption.GetDescCount(), 0) << marker.button;
        EXPECT_FALSE(Enabled(IDOK)) << marker.button;
    }
    EXPECT_EQ(m_boxes.Count(), 0u);
    Click(IDCANCEL);
    EXPECT_TRUE(Closed());
}

// --- the modal run, as the opener uses it ---

TEST_F(PaintTitle, AModalRunHandsTheTemplateBack)
{
    Dialog::SetModalRunner([this](Dialog& dialog, HWND parent) -> INT_PTR {
        m_dialog = static_cast<CPaintTitleDlg*>(&dialog);
        dialog.Create(parent);
        PumpMessages();
        Mark(0, 1, IDC_MARKER_TRACK);
        Mark(3, 15, IDC_MARKER_ARTIST);
        Click(IDOK);
        return dialog.Result();
    });
    CPaintTitleDlg dialog;
    dialog.m_strTitle = kSample;
    const INT_PTR result = dialog.DoModal(nullptr);
    Dialog::SetModalRunner(nullptr);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_strTemplate, "<Track>. <Artist> - SampleTitle - Winamp");
}

} // namespace
