#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "HostFixture.h"
#include "ListViewSupport.h"
#include "MessageBoxRecorder.h"
#include "WizardSupport.h"
#include "framework/ResString.h"
#include "paint/PaintTitleDlg.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "wizard/AddTitleDlg.h"
#include "wizard/Ci_wizard.h"
#include "wizard/EditTemplateDlg.h"
#include "wizard/TemplateSuggest.h"
#include "wizard/TitleEntries.h"

namespace {

// Step 3 on its own: the player's entries hold the captured titles, and the dialogs the
// page opens are answered by the test.
class TemplatesPage : public testing::Test {
protected:
    void TearDown() override
    {
        Dialog::SetModalRunner(nullptr);
        m_wizard.reset();
    }

    void Open(const std::vector<std::string>& titles, bool editMode = false)
    {
        SetTitleEntries(m_player, titles);
        m_wizard = std::make_unique<CCi_wizard>(editMode);
        m_wizard->m_pPlayerInfo = &m_player;
        m_wizard->m_pAllPlayersInfo = &m_players;
        for (const auto& stored : m_stored)
            m_wizard->m_FormatInfos.push_back(std::make_unique<CFormatInfo>(*stored));
        ASSERT_NE(m_wizard->Create(nullptr), nullptr);
        m_wizard->m_bResetTemplates = !editMode;
        m_wizard->m_bReloadTitles = true;
        SendMessageA(Sheet(), PSM_SETCURSEL, 2, 0);
        PumpMessages();
        Dialog::SetModalRunner([this](Dialog& dialog, HWND) -> INT_PTR { return Answer(dialog); });
    }

    // Answers each dialog the page opens with the next queued text; Cancel when none.
    INT_PTR Answer(Dialog& dialog)
    {
        ++m_dialogsOpened;
        if (m_answers.empty())
            return IDCANCEL;
        const std::string text = m_answers.front();
        m_answers.pop_front();
        if (auto* paint = dynamic_cast<CPaintTitleDlg*>(&dialog)) {
            m_paintedTitles.push_back(paint->m_strTitle);
            paint->m_strTemplate = text;
        } else if (auto* entry = dynamic_cast<CAddTitleDlg*>(&dialog)) {
            entry->m_strTitle = text;
        } else if (auto* editor = dynamic_cast<CEditTemplateDlg*>(&dialog)) {
            m_editorTexts.push_back(editor->m_strTemplate);
            editor->m_strTemplate = text;
        }
        return IDOK;
    }

    HWND Sheet() const { return m_wizard->Hwnd(); }
    HWND Page() const { return CurrentPage(Sheet()); }
    HWND Item(int id) const { return GetDlgItem(Page(), id); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool NextEnabled() const { return IsWindowEnabled(GetDlgItem(Sheet(), kNextButton)) != FALSE; }
    void Click(int id)
    {
        SendMessageA(Item(id), BM_CLICK, 0, 0);
        PumpMessages();
    }
    std::string Cell(int list, int row, int column) const { return CellText(Item(list), row, column); }
    int Rows(int list) const { return ListView_GetItemCount(Item(list)); }
    std::vector<std::string> Column(int list, int column) const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < Rows(list); ++i)
            texts.push_back(Cell(list, i, column));
        return texts;
    }
    int Selected(int list) const { return ListView_GetNextItem(Item(list), -1, LVNI_SELECTED); }
    void SelectTemplate(int row)
    {
        ListView_SetItemState(Item(IDC_STEP3_TEMPLATES), row, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
        ListView_SetSelectionMark(Item(IDC_STEP3_TEMPLATES), row);
        NMITEMACTIVATE click{};
        click.hdr = {Item(IDC_STEP3_TEMPLATES), IDC_STEP3_TEMPLATES, static_cast<UINT>(NM_CLICK)};
        click.iItem = row;
        SendMessageA(Page(), WM_NOTIFY, IDC_STEP3_TEMPLATES, reinterpret_cast<LPARAM>(&click));
        PumpMessages();
    }
    void Paint(const std::string& made)
    {
        m_answers.push_back(made);
        Click(IDC_STEP3_CREATE);
    }
    std::vector<std::string> EntryTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& entry : m_player.m_arrFormats)
            texts.push_back(entry->m_strFormat);
        return texts;
    }

    CPlayerInfo m_player;
    CAllPlayersInfo m_players;
    std::vector<std::unique_ptr<CFormatInfo>> m_stored;
    std::unique_ptr<CCi_wizard> m_wizard;
    MessageBoxRecorder m_boxes;
    std::deque<std::string> m_answers;
    std::vector<std::string> m_paintedTitles;
    std::vector<std::string> m_editorTexts;
    int m_dialogsOpened = 0;
};

const std::string kTagged = "1. SampleArtist - SampleTitle - Winamp";
const std::string kPaused = "Winamp *** Paused";

TEST_F(TemplatesPage, WithoutTemplatesEveryTitleIsUnrecognizedAndOnlyCreatingIsPossible)
{
    Open({kTagged, kPaused});
    EXPECT_EQ(Column(IDC_STEP3_TITLES, 0), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Column(IDC_STEP3_TITLES, 1), (std::vector<std::string>{kTagged, kPaused}));
    EXPECT_EQ(Column(IDC_STEP3_TITLES, 2), (std::vector<std::string>{"Unrecognized", "Unrecognized"}));
    EXPECT_EQ(Selected(IDC_STEP3_TITLES), 1);
    EXPECT_FALSE(NextEnabled());
    EXPECT_TRUE(Enabled(IDC_STEP3_CREATE));
    for (int id : {IDC_STEP3_EDIT, IDC_STEP3_DELETE, IDC_STEP3_UP, IDC_STEP3_DOWN, IDC_STEP3_AUTO_ORDER})
        EXPECT_FALSE(Enabled(id)) << id;
}

TEST_F(TemplatesPage, APaintedTemplateIsAddedOnceAndReadsEveryTitleAtOnce)
{
    Open({kTagged, kPaused});
    Paint("<Track>. <Artist> - <Title> - Winamp");
    EXPECT_EQ(m_paintedTitles, (std::vector<std::string>{kPaused}));  // the selected, unrecognised title
    ASSERT_EQ(Rows(IDC_STEP3_TEMPLATES), 1);
    EXPECT_EQ(Cell(IDC_STEP3_TEMPLATES, 0, 2), kPaused);
    EXPECT_EQ(Cell(IDC_STEP3_TITLES, 0, 2), "Track=[1] Artist=[SampleArtist] Title=[SampleTitle]");
    EXPECT_EQ(Cell(IDC_STEP3_TITLES, 1, 2), "Unrecognized");
    EXPECT_TRUE(NextEnabled());
    EXPECT_FALSE(Enabled(IDC_STEP3_UP));
    EXPECT_FALSE(Enabled(IDC_STEP3_DOWN));
    EXPECT_FALSE(Enabled(IDC_STEP3_AUTO_ORDER));

    Paint("<Track>. <Artist> - <Title> - Winamp");
    EXPECT_EQ(Rows(IDC_STEP3_TEMPLATES), 1);
    EXPECT_EQ(m_boxes.Count(), 0u);

    Paint("<Unused> *** <Title>");
    EXPECT_EQ(Cell(IDC_STEP3_TITLES, 1, 2), "Title=[Paused]");
    EXPECT_EQ(Selected(IDC_STEP3_TITLES), 0);  // all recognised: the first title
}

TEST_F(TemplatesPage, OrderDecidesTheReadingAndAutoOrderingPutsTheMostSpecificFirst)
{
    Open({kTagged});
    Paint("<Title>");
    Paint("<Artist> - <Title> - Winamp");
    Paint("<Track>. <Artist> - <Title> - Winamp");
    EXPECT_EQ(Cell(IDC_STEP3_TITLES, 0, 2), "Title=[" + kTagged + "]");
    EXPECT_TRUE(Enabled(IDC_STEP3_UP));
    EXPECT_FALSE(Enabled(IDC_STEP3_DOWN));

    Click(IDC_STEP3_UP);
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 1),
              (std::vector<std::string>{"<Title>", "<Track>. <Artist> - <Title> - Winamp",
                                        "<Artist> - <Title> - Winamp"}));
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(Selected(IDC_STEP3_TEMPLATES), 1);

    Click(IDC_STEP3_AUTO_ORDER);
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 1),
              (std::vector<std::string>{"<Track>. <Artist> - <Title> - Winamp", "<Artist> - <Title> - Winamp",
                                        "<Title>"}));
    // Examples travel with their templates.
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 2), (std::vector<std::string>(3, kTagged)));
    EXPECT_EQ(Cell(IDC_STEP3_TITLES, 0, 2), "Track=[1] Artist=[SampleArtist] Title=[SampleTitle]");
}

TEST_F(TemplatesPage, TheButtonsFollowAndActOnTheRowTheKeyboardSelects)
{
    Open({kTagged});
    Paint("<Title> - A");
    Paint("<Title> - B");
    Paint("<Title> - C");
    SelectTemplate(1);
    const HWND list = Item(IDC_STEP3_TEMPLATES);
    SetFocus(list);
    const auto press = [list](WPARAM key) {
        SendMessageA(list, WM_KEYDOWN, key, 0);
        SendMessageA(list, WM_KEYUP, key, 0);
        PumpMessages();
    };
    press(VK_END);
    EXPECT_EQ(Selected(IDC_STEP3_TEMPLATES), 2);
    EXPECT_TRUE(Enabled(IDC_STEP3_UP));
    EXPECT_FALSE(Enabled(IDC_STEP3_DOWN));
    press(VK_HOME);
    EXPECT_FALSE(Enabled(IDC_STEP3_UP));
    EXPECT_TRUE(Enabled(IDC_STEP3_DOWN));
    Click(IDC_STEP3_DOWN);
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 1), (std::vector<std::string>{"<Title> - B", "<Title> - A", "<Title> - C"}));
}

TEST_F(TemplatesPage, AnEditToAnotherRowsTemplateIsRefusedAndTheEditorReopens)
{
    Open({kTagged});
    Paint("<Artist> - <Title> - Winamp");
    Paint("<Title> - Winamp");
    SelectTemplate(1);
    m_answers = {"<Artist> - <Title> - Winamp", "<Title> - Winamp"};
    Click(IDC_STEP3_EDIT);
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().text, "\"<Artist> - <Title> - Winamp\"\n\nEqual templates found");
    EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_OK));
    // Reopened with the refused text; then edited back to its own text, nothing changes.
    EXPECT_EQ(m_editorTexts, (std::vector<std::string>{"<Title> - Winamp", "<Artist> - <Title> - Winamp"}));
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 1),
              (std::vector<std::string>{"<Artist> - <Title> - Winamp", "<Title> - Winamp"}));

    m_answers = {"<Track>. <Artist> - <Title> - Winamp"};
    Click(IDC_STEP3_EDIT);
    EXPECT_EQ(Cell(IDC_STEP3_TEMPLATES, 1, 1), "<Track>. <Artist> - <Title> - Winamp");
    EXPECT_EQ(Cell(IDC_STEP3_TEMPLATES, 1, 2), kTagged);
    EXPECT_EQ(Cell(IDC_STEP3_TITLES, 0, 2), "Artist=[1. SampleArtist] Title=[SampleTitle]");
}

TEST_F(TemplatesPage, DeletingAsksAndKeepsASelectionWhileRowsRemain)
{
    Open({kTagged});
    Paint("<Title> - A");
    Paint("<Title> - B");
    SelectTemplate(1);
    m_boxes.Answer(IDNO);
    Click(IDC_STEP3_DELETE);
    EXPECT_EQ(Rows(IDC_STEP3_TEMPLATES), 2);
    EXPECT_EQ(m_boxes.Last().text, LoadResString(IDS_CONFIRM_DELETE_ITEM));
    EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));

    m_boxes.Answer(IDYES);
    Click(IDC_STEP3_DELETE);
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 1), (std::vector<std::string>{"<Title> - A"}));
    EXPECT_EQ(Selected(IDC_STEP3_TEMPLATES), 0);
    m_boxes.Answer(IDYES);
    Click(IDC_STEP3_DELETE);
    EXPECT_EQ(Rows(IDC_STEP3_TEMPLATES), 0);
    EXPECT_FALSE(NextEnabled());
    EXPECT_FALSE(Enabled(IDC_STEP3_EDIT));
}

TEST_F(TemplatesPage, TitlesAddedByHandGoBackToStepTwoAndTemplatesOnToStepFour)
{
    Open({kTagged});
    m_answers = {"   "};
    Click(IDC_STEP3_ADD_TITLE);
    m_answers = {kTagged};
    Click(IDC_STEP3_ADD_TITLE);
    EXPECT_EQ(Column(IDC_STEP3_TITLES, 1), (std::vector<std::string>{kTagged, "   "}));

    SendMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_BACK, 0);
    PumpMessages();
    EXPECT_EQ(EntryTexts(), (std::vector<std::string>{kTagged, "   "}));
    EXPECT_FALSE(m_wizard->m_bResetTemplates);
    EXPECT_TRUE(m_wizard->m_bReloadTitles);
    SendMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    PumpMessages();
    EXPECT_EQ(Column(IDC_STEP3_TITLES, 1), (std::vector<std::string>{kTagged, "   "}));

    Paint("<Artist> - <Title> - Winamp");
    SendMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    PumpMessages();
    ASSERT_EQ(EntryTexts(), (std::vector<std::string>{"<Artist> - <Title> - Winamp"}));
    EXPECT_EQ(m_player.m_arrFormats[0]->m_arrLines,
              (std::vector<std::string>{";", "; Example:    "}));  // painted from the selected title

    // Back from step 4 leaves both lists as they were.
    SendMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_BACK, 0);
    PumpMessages();
    EXPECT_EQ(Column(IDC_STEP3_TITLES, 1), (std::vector<std::string>{kTagged, "   "}));
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 1), (std::vector<std::string>{"<Artist> - <Title> - Winamp"}));
}

TEST_F(TemplatesPage, EditModeStartsWithTheStoredTemplatesAndPassesTheirLinesOn)
{
    for (const auto& [text, lines] :
         {std::pair<std::string, std::vector<std::string>>{"<Title> - Winamp", {"; kept", "; Example: x - Winamp"}},
          {"<Artist> - <Title>", {"; no example here"}}}) {
        m_stored.push_back(std::make_unique<CFormatInfo>());
        m_stored.back()->m_strFormat = text;
        m_stored.back()->m_arrLines = lines;
    }
    Open({"Song - Winamp"}, true);
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 1), (std::vector<std::string>{"<Title> - Winamp", "<Artist> - <Title>"}));
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 2), (std::vector<std::string>{"x - Winamp", ""}));
    EXPECT_EQ(Cell(IDC_STEP3_TITLES, 0, 2), "Title=[Song]");

    SelectTemplate(1);
    m_answers = {"<Artist> - <Title> (live)"};
    Click(IDC_STEP3_EDIT);
    SendMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    PumpMessages();
    ASSERT_EQ(m_player.m_arrFormats.size(), 2u);
    EXPECT_EQ(m_player.m_arrFormats[0]->m_arrLines, (std::vector<std::string>{"; kept", "; Example: x - Winamp"}));
    EXPECT_EQ(m_player.m_arrFormats[1]->m_strFormat, "<Artist> - <Title> (live)");
    EXPECT_EQ(m_player.m_arrFormats[1]->m_arrLines, (std::vector<std::string>{";", "; Example: "}));
}

TEST_F(TemplatesPage, SuggestedTemplatesArePaintedForTheUserAndJoinTheListAsPaintedOnes)
{
    LoadLibraryA("RICHED32.DLL");
    const std::vector<std::string> titles = {
        "1. Ann Lee - Blue Road - QewAmp", "QewAmp [Paused] Ann Lee - Blue Road", "Stream: Radio Nord - Morning Show",
        "2. Bob Ray - Night Train - QewAmp", "QewAmp [Paused] Bob Ray - Night Train", "Stream: Jazz FM - Late Jazz"};
    // The page passes the player's window class, which the fixture leaves empty.
    const std::vector<stTemplateSuggestion> proposals = SuggestTemplates(titles, stSuggestHints{});
    ASSERT_EQ(proposals.size(), 3u);
    Open(titles);

    // The real Paint title dialog answers: OK as it opens, Cancel for the second proposal.
    std::vector<std::string> offered;
    std::deque<int> presses = {IDOK, IDCANCEL, IDOK};
    Dialog::SetModalRunner([&](Dialog& dialog, HWND parent) -> INT_PTR {
        auto& paint = dynamic_cast<CPaintTitleDlg&>(dialog);
        EXPECT_NE(paint.Create(parent), nullptr);
        PumpMessages();
        offered.push_back(paint.m_strTitle);
        const int press = presses.empty() ? IDCANCEL : presses.front();
        if (!presses.empty())
            presses.pop_front();
        EXPECT_TRUE(IsWindowEnabled(paint.Item(IDOK)));
        SendMessageA(paint.Hwnd(), WM_COMMAND, MAKEWPARAM(press, BN_CLICKED), 0);
        PumpMessages();
        return paint.Result();
    });
    Click(IDC_STEP3_SUGGEST);
    // Each proposal on the first title of its family; pre-painted, OK gives the proposal back.
    ASSERT_EQ(offered.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_EQ(offered[k], titles[static_cast<std::size_t>(proposals[k].titles.front())]);
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 1),
              (std::vector<std::string>{proposals[0].templateText, proposals[2].templateText}));
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 2), (std::vector<std::string>{offered[0], offered[2]}));
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 3), (std::vector<std::string>{"2", "2"}));
    for (int t : proposals[1].titles) {
        EXPECT_EQ(Cell(IDC_STEP3_TITLES, t, 2), "Unrecognized");
        EXPECT_EQ(Cell(IDC_STEP3_TITLES, t, 3), "");
    }
    for (int t : proposals[2].titles)
        EXPECT_EQ(Cell(IDC_STEP3_TITLES, t, 3), "2");

    // Again: only the skipped family is still unread, and its template joins last.
    presses = {IDOK};
    Click(IDC_STEP3_SUGGEST);
    ASSERT_EQ(offered.size(), 4u);
    EXPECT_EQ(offered[3], offered[1]);
    EXPECT_EQ(Cell(IDC_STEP3_TEMPLATES, 2, 1), proposals[1].templateText);
    for (int t : proposals[1].titles)
        EXPECT_EQ(Cell(IDC_STEP3_TITLES, t, 3), "3");
    EXPECT_EQ(m_boxes.Count(), 0u);

    // A template behind the others reads nothing and says which one takes its titles.
    m_answers = {"<Title>"};
    Dialog::SetModalRunner([this](Dialog& dialog, HWND) -> INT_PTR { return Answer(dialog); });
    Click(IDC_STEP3_CREATE);
    EXPECT_EQ(Cell(IDC_STEP3_TEMPLATES, 3, 3), "0 (hidden by 1)");

    // Nothing left to propose for; then one odd title, which no proposal can serve.
    Click(IDC_STEP3_SUGGEST);
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().text, LoadResString(IDS_SUGGEST_ALL_RECOGNIZED));
    EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    SelectTemplate(3);
    m_boxes.Answer(IDYES);
    Click(IDC_STEP3_DELETE);
    m_answers = {"QewAmp"};
    Click(IDC_STEP3_ADD_TITLE);
    const int dialogs = m_dialogsOpened;
    Click(IDC_STEP3_SUGGEST);
    EXPECT_EQ(m_dialogsOpened, dialogs);
    EXPECT_EQ(m_boxes.Last().text, LoadResString(IDS_SUGGEST_NOTHING));
}

// Each proposal opens on a title that can show it whole, not on its family's first: there
// the empty Artist could not be marked, and OK would give " - <Title> - QewAmp". The dialog
// says which proposal it is and that Cancel skips only this one.
TEST_F(TemplatesPage, EachProposalOpensOnATitleThatShowsItWholeAndSaysWhichItIs)
{
    LoadLibraryA("RICHED32.DLL");
    const std::vector<std::string> titles = {" - Song C - QewAmp", "Ann Lee - Song A - QewAmp",
                                             "Bob Ray - Song B - QewAmp", "Stream: Radio Nord - Morning Show",
                                             "Stream: Jazz FM - Late Jazz"};
    const std::vector<stTemplateSuggestion> proposals = SuggestTemplates(titles);
    // The QewAmp family's proposal; the stream's, with more tags, may come before it.
    const auto qewAmp = std::find_if(proposals.begin(), proposals.end(),
                                     [](const stTemplateSuggestion& p) { return p.titles == std::vector<int>{0, 1, 2}; });
    ASSERT_NE(qewAmp, proposals.end());
    const std::size_t q = static_cast<std::size_t>(qewAmp - proposals.begin());
    Open(titles);

    struct Offer {
        std::string title, name, note;
        bool noteShown, okEnabled;
    };
    std::vector<Offer> offers;
    Dialog::SetModalRunner([&](Dialog& dialog, HWND parent) -> INT_PTR {
        auto& paint = dynamic_cast<CPaintTitleDlg&>(dialog);
        EXPECT_NE(paint.Create(parent), nullptr);
        PumpMessages();
        char name[256] = {}, note[256] = {};
        GetWindowTextA(paint.Item(IDC_PAINT_PROPOSAL), name, sizeof name);
        GetWindowTextA(paint.Item(IDC_PAINT_SKIP_NOTE), note, sizeof note);
        offers.push_back({paint.m_strTitle, name, note, IsWindowVisible(paint.Item(IDC_PAINT_SKIP_NOTE)) != FALSE,
                          IsWindowEnabled(paint.Item(IDOK)) != FALSE});
        SendMessageA(paint.Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        PumpMessages();
        return paint.Result();
    });
    Click(IDC_STEP3_SUGGEST);

    ASSERT_EQ(offers.size(), proposals.size());
    EXPECT_NE(offers[q].title, titles[0]);
    std::vector<std::string> taken;
    for (std::size_t k = 0; k < proposals.size(); ++k) {
        const std::size_t reads = proposals[k].titles.size();
        const std::string name = "Proposal " + std::to_string(k + 1) + " of " + std::to_string(proposals.size()) +
                                 ", reads " + std::to_string(reads) + (reads == 1 ? " title" : " titles");
        EXPECT_EQ(offers[k].name, name);
        EXPECT_EQ(offers[k].note, "Cancel skips only this proposal.");
        EXPECT_TRUE(offers[k].noteShown);
        EXPECT_TRUE(offers[k].okEnabled);
        taken.push_back(proposals[k].templateText);
    }
    // OK takes each proposal as proposed, so that every title reads, by its own proposal.
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 1), taken);
    for (int t = 0; t < 3; ++t)
        EXPECT_EQ(Cell(IDC_STEP3_TITLES, t, 3), std::to_string(q + 1)) << titles[static_cast<std::size_t>(t)];
    EXPECT_EQ(Cell(IDC_STEP3_TITLES, 0, 2), "Artist=[] Title=[Song C]");
    EXPECT_EQ(m_boxes.Count(), 0u);
}

TEST_F(TemplatesPage, SuggestReadsEnDashesAndABracketedAlbumThroughThePaintDialog)
{
    LoadLibraryA("RICHED32.DLL");
    m_player.SetWndClass("QewAmp v1.x");
    const std::vector<std::string> titles = {
        "Ann Lee \x96 Blue Road - QewAmp", "Bob Ray \x96 Night Train - QewAmp",
        "Ann Lee - [Sea Songs #03] Blue Road [QewAmp]", "Bob Ray - [Sea Songs #07] Night Train [QewAmp]"};
    Open(titles);

    // The real Paint title dialog, pre-painted, answers OK for each proposal.
    std::vector<std::string> offered;
    Dialog::SetModalRunner([&](Dialog& dialog, HWND parent) -> INT_PTR {
        auto& paint = dynamic_cast<CPaintTitleDlg&>(dialog);
        EXPECT_NE(paint.Create(parent), nullptr);
        PumpMessages();
        offered.push_back(paint.m_strTitle);
        SendMessageA(paint.Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        PumpMessages();
        return paint.Result();
    });
    Click(IDC_STEP3_SUGGEST);
    EXPECT_EQ(offered.size(), 2u);
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 1),
              (std::vector<std::string>{"<Artist> - [<Album> #<Track>] <Title> [QewAmp]", "<Artist> \x96 <Title> - QewAmp"}));
    EXPECT_EQ(Cell(IDC_STEP3_TITLES, 1, 2), "Artist=[Bob Ray] Title=[Night Train]");
    EXPECT_EQ(Cell(IDC_STEP3_TITLES, 2, 2), "Artist=[Ann Lee] Album=[Sea Songs] Track=[03] Title=[Blue Road]");
    EXPECT_EQ(m_boxes.Count(), 0u);
}

// What comes and goes around some titles, a tab's count or a player's status, gets a template
// of its own that the Paint title dialog takes as it is.
TEST_F(TemplatesPage, SuggestReadsCountsAndStatusesThatComeAndGoThroughThePaintDialog)
{
    LoadLibraryA("RICHED32.DLL");
    m_player.SetWndClass("Chrome_WidgetWin_1");
    const std::vector<std::string> titles = {
        "Ann - Blue Road - YouTube - Google Chrome", "(3) Bob - Night Train - YouTube - Google Chrome",
        "Cy - Red Sky - YouTube - Google Chrome", "Cy - Red Sky - YouTube - Google Chrome [Paused]"};
    Open(titles);
    Dialog::SetModalRunner([&](Dialog& dialog, HWND parent) -> INT_PTR {
        auto& paint = dynamic_cast<CPaintTitleDlg&>(dialog);
        EXPECT_NE(paint.Create(parent), nullptr);
        PumpMessages();
        SendMessageA(paint.Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        PumpMessages();
        return paint.Result();
    });
    Click(IDC_STEP3_SUGGEST);
    EXPECT_EQ(Column(IDC_STEP3_TEMPLATES, 1),
              (std::vector<std::string>{"(<Unused>) <Artist> - <Title> - YouTube - Google Chrome",
                                        "<Artist> - <Title> - YouTube - Google Chrome [Paused]",
                                        "<Artist> - <Title> - YouTube - Google Chrome"}));
    EXPECT_EQ(Cell(IDC_STEP3_TITLES, 1, 2), "Artist=[Bob] Title=[Night Train]");
    EXPECT_EQ(Cell(IDC_STEP3_TITLES, 3, 2), "Artist=[Cy] Title=[Red Sky]");
    EXPECT_EQ(m_boxes.Count(), 0u);
}

// The program that step 1 found names the player: its name opening every title is constant
// text, where without it the constant opening would be read as the Artist.
TEST_F(TemplatesPage, SuggestTakesTheProgramFromStepOneAsThePlayersName)
{
    LoadLibraryA("RICHED32.DLL");
    m_player.SetWndClass("Chrome_WidgetWin_0");
    const std::vector<std::string> titles = {"Spotify - Blue Road", "Spotify - Night Train"};
    for (const std::string program : {"", "Spotify.exe"}) {
        SCOPED_TRACE(program);
        Open(titles);
        m_wizard->m_strWndProgram = program;
        std::vector<std::string> proposed;
        Dialog::SetModalRunner([&](Dialog& dialog, HWND) -> INT_PTR {
            proposed.push_back(dynamic_cast<CPaintTitleDlg&>(dialog).m_strProposal);
            return IDCANCEL;
        });
        Click(IDC_STEP3_SUGGEST);
        EXPECT_EQ(proposed, std::vector<std::string>{program.empty() ? "<Artist> - <Title>" : "Spotify - <Title>"});
        m_wizard.reset();
    }
}

} // namespace
