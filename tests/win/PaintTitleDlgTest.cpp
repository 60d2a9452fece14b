#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "HostFixture.h"
#include "MessageBoxRecorder.h"
#include "framework/Dpi.h"
#include "framework/Guards.h"
#include "paint/PaintTitleDlg.h"
#include "platform/DpiScale.h"
#include "res/resource.h"

namespace {

const std::string kSample = "1. SampleArtist - SampleTitle - Winamp";

// One letter per marker colour, so that a line's colouring reads as a string.
const std::map<COLORREF, char> kLetters = {
    {RGB(0, 0, 0), '.'},       {RGB(0, 128, 0), 'u'},   {RGB(0, 0, 255), 't'},     {RGB(255, 0, 0), 'a'},
    {RGB(192, 192, 192), 'b'}, {RGB(255, 0, 255), 'y'}, {RGB(0, 255, 255), 'g'},   {RGB(128, 128, 128), 'n'},
    {RGB(0, 128, 128), 'c'},   {RGB(0, 255, 0), 'p'},   {RGB(128, 0, 128), 'x'},   {RGB(0, 0, 128), 'l'},
    {RGB(128, 128, 0), 's'},
};

class PaintTitle : public testing::Test {
protected:
    static void SetUpTestSuite() { LoadLibraryA("RICHED32.DLL"); }
    void TearDown() override { Dialog::SetModalRunner(nullptr); }

    void Open(const std::string& title)
    {
        m_owned = std::make_unique<CPaintTitleDlg>();
        m_dialog = m_owned.get();
        m_dialog->m_strTitle = title;
        ASSERT_NE(m_dialog->Create(nullptr), nullptr);
        PumpMessages();
    }
    HWND Item(int id) const { return GetDlgItem(m_dialog->Hwnd(), id); }
    bool Closed() const { return m_dialog->Hwnd() == nullptr; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    void Click(int id) const
    {
        SendMessageA(Item(id), BM_CLICK, 0, 0);
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
        std::string text(512, '\0');
        text.resize(GetWindowTextA(Item(id), text.data(), static_cast<int>(text.size())));
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
    // '?' stands for a colour that no marker has. Moves the selection.
    std::string Colours(int id = IDC_PAINT_TITLE) const
    {
        std::string letters;
        for (int i = 0, n = GetWindowTextLengthA(Item(id)); i < n; ++i) {
            auto found = kLetters.find(FormatAt(id, i).crTextColor);
            letters += found == kLetters.end() ? '?' : found->second;
        }
        return letters;
    }
    RECT ClientRectOf(int id) const
    {
        RECT r;
        GetWindowRect(Item(id), &r);
        MapWindowPoints(nullptr, m_dialog->Hwnd(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    // The client height that shows a control and the template's bottom margin below it.
    int HeightToShow(int id) const
    {
        RECT margin{0, 0, 0, 7};
        MapDialogRect(m_dialog->Hwnd(), &margin);
        return ClientRectOf(id).bottom + margin.bottom;
    }
    int ClientHeight() const
    {
        RECT r;
        GetClientRect(m_dialog->Hwnd(), &r);
        return r.bottom;
    }

    MessageBoxRecorder m_boxes;
    std::unique_ptr<CPaintTitleDlg> m_owned;
    CPaintTitleDlg* m_dialog = nullptr; // the dialog the helpers drive
};

TEST_F(PaintTitle, OpensCollapsedWithOkDisabledAndBothFieldsPainted)
{
    Open(kSample);
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_EQ(Text(IDC_PAINT_TITLE), kSample);
    EXPECT_FALSE(Enabled(IDOK));
    EXPECT_EQ(Text(IDC_TOGGLE_MARKERS), "Show additional markers >>>");
    EXPECT_EQ(ClientHeight(), HeightToShow(IDOK));
    const auto markers = CPaintTitleDlg::Markers();
    for (std::size_t i = 0; i < markers.size(); ++i) {
        const bool basic = i < 4;
        EXPECT_EQ(Visible(markers[i].button), basic) << markers[i].button;
        EXPECT_EQ(Visible(markers[i].swatch), basic) << markers[i].swatch;
    }
    EXPECT_FALSE(Visible(IDC_ADDITIONAL_MARKERS));
    EXPECT_FALSE(Visible(IDC_PAINT_PROPOSAL)); // a title of the user's own choice is no proposal
    EXPECT_FALSE(Visible(IDC_PAINT_SKIP_NOTE));
    // The focus selects the whole title; version 1 counts its line end too.
    EXPECT_EQ(Selection().cpMin, 0);
    EXPECT_GE(Selection().cpMax, 38);

    EXPECT_EQ(Colours(), std::string(38, '.'));
    EXPECT_EQ(Text(IDC_PAINT_EXAMPLE), kSample);
    EXPECT_EQ(Colours(IDC_PAINT_EXAMPLE), "n..aaaaaaaaaaaa...ttttttttttt.........");
    for (int id : {IDC_PAINT_EXAMPLE, IDC_PAINT_TITLE}) {
        for (int i : {0, 16, 37}) {
            const CHARFORMATA format = FormatAt(id, i);
            EXPECT_EQ(format.dwEffects & (CFE_BOLD | CFE_UNDERLINE | CFE_ITALIC), DWORD(CFE_BOLD | CFE_UNDERLINE));
            EXPECT_EQ(format.yHeight, 300);
            EXPECT_STREQ(format.szFaceName, "Courier New");
        }
    }
}

TEST_F(PaintTitle, ColoursComeFromTheBitmapsTheSwatchesShow)
{
    Open(kSample);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    for (const stMarker& marker : CPaintTitleDlg::Markers()) {
        const COLORREF colour = m_dialog->GetColByBmpID(marker.bitmap);
        EXPECT_EQ(kLetters.count(colour), 1u) << marker.bitmap;
        auto image = reinterpret_cast<HBITMAP>(SendMessageA(Item(marker.swatch), STM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_NE(image, nullptr) << marker.swatch;
        HGDIOBJ old = SelectObject(memory, image);
        EXPECT_EQ(GetPixel(memory, 133, 28), colour) << marker.swatch;
        SelectObject(memory, old);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(m_boxes.Count(), 0u);
}

// The sets for 150 and 200 percent: each image at its own size, in the same colours.
TEST_F(PaintTitle, EveryScaleHasEveryImageAtItsSizeInTheSameColours)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    const auto read = [&](HBITMAP image, SIZE& size, COLORREF& first, COLORREF& last) {
        BITMAP info{};
        GetObjectA(image, sizeof info, &info);
        size = {info.bmWidth, info.bmHeight};
        HGDIOBJ old = SelectObject(memory, image);
        first = GetPixel(memory, 0, 0);
        last = GetPixel(memory, size.cx - 1, size.cy - 1);
        SelectObject(memory, old);
    };
    std::vector<int> images = {IDB_HEADER, IDB_WATERMARK};
    for (const stMarker& marker : CPaintTitleDlg::Markers())
        images.push_back(marker.bitmap);
    for (const int id : images) {
        GdiObject base(LoadBitmapForDpi(id, 96));
        ASSERT_TRUE(base) << id;
        SIZE baseSize;
        COLORREF baseFirst, baseLast;
        read(static_cast<HBITMAP>(base.Get()), baseSize, baseFirst, baseLast);
        for (const UINT dpi : {144u, 192u}) {
            GdiObject scaled(LoadBitmapForDpi(id, dpi));
            ASSERT_TRUE(scaled) << id << " at " << dpi;
            SIZE size;
            COLORREF first, last;
            read(static_cast<HBITMAP>(scaled.Get()), size, first, last);
            EXPECT_EQ(size.cx, ScaleForDpi(baseSize.cx, dpi)) << id << " at " << dpi;
            EXPECT_EQ(size.cy, ScaleForDpi(baseSize.cy, dpi)) << id << " at " << dpi;
            EXPECT_EQ(first, baseFirst) << id << " at " << dpi;
            EXPECT_EQ(last, baseLast) << id << " at " << dpi;
        }
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST_F(PaintTitle, AMissingBitmapIsReportedAndGivesNoColour)
{
    Open(kSample);
    EXPECT_EQ(m_dialog->GetColByBmpID(9999), CLR_INVALID);
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().type, UINT(MB_ICONERROR | MB_OK));
    EXPECT_NE(m_boxes.Last().text.find("in the function \"GetColByBmpID()\"."), std::string::npos);
    EXPECT_EQ(m_dialog->m_ErrorInfo.kind, ErrorKind_System);
    EXPECT_STREQ(m_dialog->m_ErrorInfo.sourceName(), "PaintTitleDlg");
}

TEST_F(PaintTitle, TheExamplesMarksGiveTheExamplesTemplate)
{
    Open(kSample);
    Click(IDC_TOGGLE_MARKERS);
    Mark(0, 1, IDC_MARKER_TRACK);
    Mark(3, 15, IDC_MARKER_ARTIST);
    Mark(18, 29, IDC_MARKER_TITLE);
    EXPECT_EQ(Colours(), "n..aaaaaaaaaaaa...ttttttttttt.........");
    Click(IDOK);
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(m_dialog->Result(), IDOK);
    EXPECT_EQ(m_dialog->m_strTemplate, "<Track>. <Artist> - <Title> - Winamp");
}

TEST_F(PaintTitle, EveryMarkerPassesItsNameAndColour)
{
    Open("xx xx xx xx xx xx xx xx xx xx xx xx");
    Click(IDC_TOGGLE_MARKERS);
    int part = 0;
    for (const stMarker& marker : CPaintTitleDlg::Markers()) {
        if (marker.button != IDC_MARKER_CONSTANT) {
            Mark(part * 3, part * 3 + 2, marker.button);
            ++part;
        }
    }
    EXPECT_EQ(Colours(), "uu.tt.aa.bb.yy.gg.nn.cc.pp.xx.ll.ss");
    Click(IDOK);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(m_dialog->m_strTemplate,
              "<Unused> <Title> <Artist> <Album> <Year> <Genre> <Track> <Comment> <Composer> <Text> <URL> <Station>");
}

TEST_F(PaintTitle, MarkingATagAgainMovesItAndRepaintsTheOldPlace)
{
    Open(kSample);
    Mark(3, 15, IDC_MARKER_ARTIST);
    Mark(18, 29, IDC_MARKER_ARTIST);
    EXPECT_EQ(Colours(), "..................aaaaaaaaaaa.........");
    Mark(3, 17, IDC_MARKER_TITLE);
    EXPECT_EQ(Colours(), "...tttttttttttttt.aaaaaaaaaaa.........");
    Click(IDOK);
    EXPECT_EQ(m_dialog->m_strTemplate, "1. <Title> <Artist> - Winamp");
}

TEST_F(PaintTitle, ConstantCutsPartsOutAndOkFollowsEveryPress)
{
    Open(kSample);
    Mark(0, 38, IDC_MARKER_UNUSED);
    EXPECT_FALSE(Enabled(IDOK)) << "Unused alone is no template";
    Mark(16, 17, IDC_MARKER_CONSTANT);
    Mark(3, 15, IDC_MARKER_TITLE);
    EXPECT_TRUE(Enabled(IDOK));
    EXPECT_EQ(Colours(), "uu.tttttttttttt.." + std::string(21, 'u'));
    Mark(0, 38, IDC_MARKER_CONSTANT);
    EXPECT_FALSE(Enabled(IDOK));
    EXPECT_EQ(Colours(), std::string(38, '.'));

    // Reached by a direct command only, as Enter leaves a disabled default button alone.
    SendMessageA(m_dialog->Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().text, "Parameters not defined!!!");
    EXPECT_EQ(m_boxes.Last().type, UINT(MB_ICONERROR | MB_OK));
    EXPECT_FALSE(Closed());
    EXPECT_EQ(m_dialog->m_strTemplate, "");
}

TEST_F(PaintTitle, PressingAMarkerKeepsTheSelectionShown)
{
    Open(kSample);
    Mark(3, 15, IDC_MARKER_ARTIST);
    Mark(18, 29, IDC_MARKER_TITLE);
    Mark(3, 10, IDC_MARKER_ARTIST);
    EXPECT_EQ(Selection().cpMin, 3);
    EXPECT_EQ(Selection().cpMax, 10);
    Mark(30, 31, IDC_MARKER_CONSTANT);
    EXPECT_EQ(Selection().cpMin, 30);
    EXPECT_EQ(Selection().cpMax, 31);
    EXPECT_NE(SendMessageA(Item(IDC_PAINT_TITLE), EM_GETOPTIONS, 0, 0) & ECO_NOHIDESEL, 0);
}

TEST_F(PaintTitle, SelectingAllMarksTheWholeTitle)
{
    Open(kSample);
    Mark(0, -1, IDC_MARKER_TITLE);
    EXPECT_EQ(Colours(), std::string(38, 't'));
    Click(IDOK);
    EXPECT_EQ(m_dialog->m_strTemplate, "<Title>");
}

TEST_F(PaintTitle, TheAdditionalMarkersComeAndGo)
{
    Open(kSample);
    RECT collapsed;
    GetWindowRect(m_dialog->Hwnd(), &collapsed);
    Click(IDC_TOGGLE_MARKERS);
    EXPECT_EQ(Text(IDC_TOGGLE_MARKERS), "Hide additional markers <<<");
    EXPECT_EQ(ClientHeight(), HeightToShow(IDC_ADDITIONAL_MARKERS));
    EXPECT_TRUE(Visible(IDC_ADDITIONAL_MARKERS));
    for (const stMarker& marker : CPaintTitleDlg::Markers()) {
        EXPECT_TRUE(Visible(marker.button) && Visible(marker.swatch)) << marker.button;
        RECT b = ClientRectOf(marker.button), s = ClientRectOf(marker.swatch);
        EXPECT_TRUE(s.left == b.left - 5 && s.top == b.top - 5 && s.right == b.right + 5 && s.bottom == b.bottom + 5)
            << marker.swatch;
    }

    Click(IDC_TOGGLE_MARKERS);
    EXPECT_EQ(Text(IDC_TOGGLE_MARKERS), "Show additional markers >>>");
    RECT again;
    GetWindowRect(m_dialog->Hwnd(), &again);
    EXPECT_TRUE(EqualRect(&again, &collapsed));
    EXPECT_FALSE(Visible(IDC_ADDITIONAL_MARKERS));
    EXPECT_FALSE(Visible(IDC_MARKER_STATION) || Visible(IDC_SWATCH_STATION));
    EXPECT_TRUE(Visible(IDC_SWATCH_ARTIST));
}

TEST_F(PaintTitle, ATemplateThatDoesNotParseIsReportedAndTheMarksStay)
{
    Open("a<b - Song");
    Mark(6, 10, IDC_MARKER_TITLE);
    Click(IDOK);
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().text, "Error in template. Angle brackets cannot be used within angle brackets (< < > >)");
    EXPECT_FALSE(Closed());
    EXPECT_EQ(Colours(), "......tttt");

    Mark(1, 2, IDC_MARKER_UNUSED); // takes the bracket out of the constant text
    Click(IDOK);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(m_dialog->m_strTemplate, "a<Unused>b - <Title>");
}

TEST_F(PaintTitle, BracketsInTheConstantTextThatNameNoTagAreRefused)
{
    // "<live>" left as constant text would be a parameter the rules file cannot hold.
    Open("Song <live> - Qew");
    Mark(0, 4, IDC_MARKER_TITLE);
    Click(IDOK);
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().text, "Error in template. Unknown parameter");
    EXPECT_FALSE(Closed());

    Mark(5, 11, IDC_MARKER_UNUSED);
    Click(IDOK);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(m_dialog->m_strTemplate, "<Title> <Unused> - Qew");
}

TEST_F(PaintTitle, AnEmptyTitleCanOnlyBeCancelled)
{
    Open("");
    EXPECT_EQ(Text(IDC_PAINT_TITLE), "");
    Click(IDC_TOGGLE_MARKERS);
    for (const stMarker& marker : CPaintTitleDlg::Markers())
        Mark(0, -1, marker.button);
    EXPECT_EQ(m_dialog->m_PaintCaption.GetDescCount(), 0);
    EXPECT_FALSE(Enabled(IDOK));
    Click(IDCANCEL);
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(m_dialog->Result(), IDCANCEL);
}

// The title field counts characters and the marks count bytes. Its own ctest entry runs it
// in code page 932, which Wine takes from LC_ALL.
class PaintTitleDoubleByte : public PaintTitle {};

TEST_F(PaintTitleDoubleByte, MarksCoverWholeCharacters)
{
    ASSERT_EQ(GetACP(), 932u);
    // "1. <3 kanji> - <5 kana and kanji> - Winamp" in Shift JIS.
    const std::string title = "1. \x89\x46\x91\xbd\x93\x63 - \x89\xd4\x91\xa9\x82\xf0\x8c\x4e\x82\xc9 - Winamp";
    Open(title);
    Mark(0, -1, IDC_MARKER_TITLE);
    Click(IDOK);
    EXPECT_EQ(m_dialog->m_strTemplate, "<Title>");

    // The Title mark starts at the third kanji: the Artist mark keeps one whole character
    // away from it, and the colours land on the characters the marks hold.
    Open(title);
    Mark(3, 6, IDC_MARKER_ARTIST);
    Mark(5, 14, IDC_MARKER_TITLE);
    for (const auto& [position, letter] : {std::pair{3, 'a'}, {4, '.'}, {5, 't'}, {13, 't'}, {14, '.'}})
        EXPECT_EQ(kLetters.at(FormatAt(IDC_PAINT_TITLE, position).crTextColor), letter) << position;
    Click(IDOK);
    EXPECT_EQ(m_dialog->m_strTemplate, "1. <Artist>\x91\xbd<Title> - Winamp");
}

// A proposal opens marked and named. Where a value is empty in its title, the marks cannot
// show the whole template: OK keeps the proposal until the user marks anew.
TEST_F(PaintTitle, AProposalSaysWhichItIsAndOkKeepsItWhereTheMarksCannotShowIt)
{
    const std::string proposal = "<Artist> - <Title> - P", name = "Proposal 2 of 3, reads 4 titles";
    const struct {
        std::string title;
        std::vector<stPaintMark> marks;
        std::string shown;
    } rows[] = {
        {"Ann - Song - P", {{0, 3, IDB_MARKER_ARTIST}, {6, 10, IDB_MARKER_TITLE}}, name},
        {"Ann -  - P", {{0, 3, IDB_MARKER_ARTIST}}, name + "; OK keeps it as proposed: " + proposal},
        {" -  - P", {}, name + "; OK keeps it as proposed: " + proposal},
    };
    const auto open = [this, &proposal, &name](const std::string& title, const std::vector<stPaintMark>& marks) {
        m_owned = std::make_unique<CPaintTitleDlg>();
        m_dialog = m_owned.get();
        m_dialog->m_strTitle = title;
        m_dialog->m_arrMarks = marks;
        m_dialog->m_strProposal = proposal;
        m_dialog->m_strProposalName = name;
        ASSERT_NE(m_dialog->Create(nullptr), nullptr);
        PumpMessages();
    };
    for (const auto& row : rows) {
        open(row.title, row.marks);
        EXPECT_TRUE(Visible(IDC_PAINT_PROPOSAL)) << row.title;
        EXPECT_EQ(Text(IDC_PAINT_PROPOSAL), row.shown);
        EXPECT_TRUE(Visible(IDC_PAINT_SKIP_NOTE));
        EXPECT_EQ(Text(IDC_PAINT_SKIP_NOTE), "Cancel skips only this proposal.");
        EXPECT_TRUE(Enabled(IDOK)) << row.title;
        Click(IDOK);
        EXPECT_TRUE(Closed()) << row.title;
        EXPECT_EQ(m_dialog->m_strTemplate, proposal) << row.title;
    }

    // The user's own mark decides from then on, and the name says no more than the name.
    open(rows[1].title, rows[1].marks);
    Mark(0, 3, IDC_MARKER_TITLE);
    EXPECT_EQ(Text(IDC_PAINT_PROPOSAL), name);
    Click(IDOK);
    EXPECT_EQ(m_dialog->m_strTemplate, "<Title> -  - P");
    EXPECT_EQ(m_boxes.Count(), 0u);
}

TEST_F(PaintTitle, AModalRunHandsTheTemplateBack)
{
    Dialog::SetModalRunner([this](Dialog& dialog, HWND parent) -> INT_PTR {
        m_dialog = static_cast<CPaintTitleDlg*>(&dialog);
        dialog.Create(parent);
        PumpMessages();
        Mark(3, 15, IDC_MARKER_ARTIST);
        Click(IDOK);
        return dialog.Result();
    });
    CPaintTitleDlg dialog;
    dialog.m_strTitle = kSample;
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    EXPECT_EQ(dialog.m_strTemplate, "1. <Artist> - SampleTitle - Winamp");
}

} // namespace
