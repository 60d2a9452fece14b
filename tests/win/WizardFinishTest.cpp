#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "WizardFixture.h"
#include "app/QuorvelExtPlrWizardDlg.h"
#include "framework/ResString.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "rules/DispNameSupported.h"
#include "wizard/Ci_wiz_finish.h"
#include "wizard/Ci_wizard.h"

namespace {

constexpr int kFinishPage = 3;

const std::string kCreated = " -=< Created using Quorvel Template Wizard >=-";

std::unique_ptr<CFormatInfo> Entry(const std::string& text)
{
    auto entry = std::make_unique<CFormatInfo>();
    entry->m_strFormat = text;
    entry->m_arrLines = {";", "; Example: " + text};
    return entry;
}

std::unique_ptr<CPlayerInfo> Listed(const std::string& name, const std::string& wndClass)
{
    auto player = std::make_unique<CPlayerInfo>();
    player->m_strName = name;
    player->m_strWndClass = wndClass;
    player->m_arrFormats.push_back(Entry("<Title> - " + name));
    return player;
}

class WizardFinish : public WizardFixture {
protected:
    void SetUp() override { SetDispNameSupportedForTesting(true); }
    void TearDown() override
    {
        WizardFixture::TearDown();
        SetDispNameSupportedForTesting(false);
    }

    // Opens the sheet and goes straight to step 4, as if the steps before had run.
    void OpenAtFinish(bool editMode)
    {
        Open(editMode);
        if (!HasFatalFailure())
            GoToFinish();
    }
    void GoToFinish()
    {
        SendMessageA(Sheet(), PSM_SETCURSEL, kFinishPage, 0);
        PumpMessages();
        ASSERT_EQ(PageIndex(), kFinishPage);
    }

    std::string Text(int id) const
    {
        const HWND item = Item(id);
        std::string text(static_cast<std::size_t>(GetWindowTextLengthA(item)) + 1, '\0');
        text.resize(static_cast<std::size_t>(GetWindowTextA(item, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    bool SheetButtonEnabled(int id) const { return ::SheetButtonEnabled(Sheet(), id); }
    std::string SheetTitle() const { return WindowText(Sheet()); }

    void Type(int id, const std::string& text)
    {
        SendMessageA(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(Item(id)));
        PumpMessages();
    }
    void Click(int id)
    {
        SendMessageA(Item(id), BM_CLICK, 0, 0);
        PumpMessages();
    }
    void Press(int button)
    {
        SendMessageA(Sheet(), PSM_PRESSBUTTON, button, 0);
        PumpMessages();
    }

    bool ChangedShown() const { return Text(IDC_CLASS_CHANGED) == LoadResString(IDS_WND_CLASS_CHANGED); }

    void ExpectRefused(UINT message, std::size_t boxes)
    {
        ASSERT_EQ(m_boxes.Count(), boxes);
        EXPECT_EQ(m_boxes.Last().text, LoadResString(message));
        EXPECT_EQ(m_boxes.Last().type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
        EXPECT_FALSE(m_wizard->HasEnded());
        EXPECT_EQ(PageIndex(), kFinishPage);
        EXPECT_EQ(GetFocus(), Item(IDC_INTERNAL_NAME));
    }

};

TEST_F(WizardFinish, AddNewModeProposesTheNameOfTheFirstTemplate)
{
    m_player.m_strWndClass = "Winamp v1.x";
    m_player.m_arrFormats.push_back(Entry("<Track>. <Artist> - <Title> - Winamp"));
    m_player.m_arrFormats.push_back(Entry("<Title> - Other 2"));
    OpenAtFinish(false);

    EXPECT_EQ(SheetTitle(), LoadResString(IDS_CAPTION_ADD_STEP4));
    EXPECT_EQ(m_wizard->FinishPage().HeaderTitle(), "Finish");
    EXPECT_EQ(m_wizard->FinishPage().HeaderSubtitle(), "Specify player name.");
    EXPECT_EQ(Text(IDC_INTERNAL_NAME), "Winamp");
    EXPECT_EQ(Text(IDC_PLAYER_NAME), "Winamp");
    EXPECT_EQ(Text(IDC_WINDOW_CLASS), "Winamp v1.x");
    EXPECT_EQ(Text(IDC_INTERNAL_NAME_LABEL), "Internal player name:");
    EXPECT_EQ(Text(IDC_PLAYER_NAME_LABEL), "Player name:");
    EXPECT_TRUE(Visible(IDC_PLAYER_NAME));
    EXPECT_TRUE(Enabled(IDC_PLAYER_NAME));
    EXPECT_TRUE(Visible(IDC_PLAYER_NAME_LABEL));
    EXPECT_EQ(Text(IDC_CLASS_CHANGED), "");
    EXPECT_FALSE(Enabled(IDC_RESTORE_CLASS));
    EXPECT_TRUE(SheetButtonEnabled(kBackButton));
    EXPECT_TRUE(SheetButtonEnabled(kFinishButton));
    EXPECT_FALSE(SheetButtonEnabled(kNextButton));
}

TEST_F(WizardFinish, AddNewModeFinishCompletesTheDescription)
{
    m_player.m_strWndClass = "Winamp v1.x";
    m_player.m_arrFormats.push_back(Entry("<Artist> - <Title> - Winamp"));
    m_players.AddPlayer(Listed("Alpha", "AlphaWnd"));
    OpenAtFinish(false);
    Type(IDC_PLAYER_NAME, "Winamp Classic");
    Press(PSBTN_FINISH);

    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_TRUE(m_wizard->HasEnded());
    EXPECT_TRUE(m_wizard->Finished());
    EXPECT_EQ(m_player.m_strName, "Winamp");
    EXPECT_EQ(m_player.m_strDispName, "Winamp Classic");
    EXPECT_EQ(m_player.m_strWndClass, "Winamp v1.x");
    EXPECT_EQ(m_player.m_arrLeadLines, (std::vector<std::string>{"", "; Winamp" + kCreated, ";"}));
    ASSERT_EQ(m_player.m_arrFormats.size(), 1u);
    EXPECT_EQ(m_player.m_arrFormats[0]->m_strFormat, "<Artist> - <Title> - Winamp");
    // The wizard hands the description back; the collection is the main dialog's to change.
    EXPECT_EQ(m_players.GetPlayerCount(), 1);
}

TEST_F(WizardFinish, AddNewModeLeavesNoDisplayNameWhenThePlayerNameIsTheInternalOne)
{
    m_player.m_strWndClass = "W";
    m_player.m_arrFormats.push_back(Entry("<Title> - Foo"));
    OpenAtFinish(false);
    Press(PSBTN_FINISH);
    EXPECT_TRUE(m_wizard->Finished());
    EXPECT_EQ(m_player.m_strName, "Foo");
    EXPECT_EQ(m_player.m_strDispName, "");
}

TEST_F(WizardFinish, ATemplateWithoutConstantLettersGivesABlankNameThatFinishRefuses)
{
    m_player.m_strWndClass = "QewBlank";
    m_player.m_arrFormats.push_back(Entry("<Artist> - <Title> (<Year>)"));
    OpenAtFinish(false);
    EXPECT_EQ(Text(IDC_INTERNAL_NAME), "");
    EXPECT_EQ(Text(IDC_PLAYER_NAME), "");

    Press(PSBTN_FINISH);
    ExpectRefused(IDS_PLAYER_NAME_BLANK, 1);
    EXPECT_EQ(m_player.m_strName, "");
    EXPECT_TRUE(m_player.m_arrLeadLines.empty());

    // A display name alone does not name the player.
    Type(IDC_PLAYER_NAME, "Shown name");
    Press(PSBTN_FINISH);
    ExpectRefused(IDS_PLAYER_NAME_BLANK, 2);

    Type(IDC_INTERNAL_NAME, "Typed");
    Press(PSBTN_FINISH);
    EXPECT_EQ(m_boxes.Count(), 2u);
    EXPECT_TRUE(m_wizard->Finished());
    EXPECT_EQ(m_player.m_strName, "Typed");
    EXPECT_EQ(m_player.m_strDispName, "Shown name");
    EXPECT_EQ(m_player.m_arrLeadLines, (std::vector<std::string>{"", "; Typed" + kCreated, ";"}));
}

TEST_F(WizardFinish, AddNewModeRefusesANameTheCollectionHasAndAppendsNothing)
{
    m_player.m_strWndClass = "WinampNew";
    m_player.m_arrFormats.push_back(Entry("<Title> - Winamp"));
    m_players.AddPlayer(Listed("Winamp", "WinampOld"));
    m_players.AddPlayer(Listed("winamp 2", "Other"));
    OpenAtFinish(false);

    Press(PSBTN_FINISH);
    ExpectRefused(IDS_PLAYER_NAME_EXISTS, 1);
    EXPECT_TRUE(m_player.m_arrLeadLines.empty());
    EXPECT_EQ(m_player.m_strName, "");
    Press(PSBTN_FINISH);
    ExpectRefused(IDS_PLAYER_NAME_EXISTS, 2);
    EXPECT_TRUE(m_player.m_arrLeadLines.empty());

    // Names differ by a single letter's case.
    Type(IDC_INTERNAL_NAME, "winamp");
    Press(PSBTN_FINISH);
    EXPECT_EQ(m_boxes.Count(), 2u);
    EXPECT_TRUE(m_wizard->Finished());
    EXPECT_EQ(m_player.m_strName, "winamp");
    EXPECT_EQ(m_player.m_strDispName, "Winamp");
    EXPECT_EQ(m_player.m_arrLeadLines, (std::vector<std::string>{"", "; winamp" + kCreated, ";"}));
}

TEST_F(WizardFinish, WithoutDisplayNamesOneFieldLabelledPlayerNameEditsTheInternalName)
{
    SetDispNameSupportedForTesting(false);
    m_player.m_strWndClass = "Old host player";
    m_player.m_arrFormats.push_back(Entry("<Title> - Oldie"));
    OpenAtFinish(false);

    EXPECT_EQ(Text(IDC_INTERNAL_NAME_LABEL), "Player name:");
    EXPECT_TRUE(Visible(IDC_INTERNAL_NAME_LABEL));
    EXPECT_TRUE(Visible(IDC_INTERNAL_NAME));
    EXPECT_FALSE(Visible(IDC_PLAYER_NAME));
    EXPECT_FALSE(Enabled(IDC_PLAYER_NAME));
    EXPECT_FALSE(Visible(IDC_PLAYER_NAME_LABEL));
    EXPECT_EQ(Text(IDC_INTERNAL_NAME), "Oldie");
    EXPECT_EQ(Text(IDC_PLAYER_NAME), "");

    Type(IDC_INTERNAL_NAME, "Oldie Player");
    Press(PSBTN_FINISH);
    EXPECT_TRUE(m_wizard->Finished());
    EXPECT_EQ(m_player.m_strName, "Oldie Player");
    EXPECT_EQ(m_player.m_strDispName, "");
}

TEST_F(WizardFinish, WithoutDisplayNamesAnEditedPlayerKeepsItsName)
{
    SetDispNameSupportedForTesting(false);
    m_player.m_strName = "Oldie";
    m_player.m_strWndClass = "OldieWnd";
    m_player.m_arrFormats.push_back(Entry("<Title> - Oldie"));
    OpenAtFinish(true);
    EXPECT_EQ(Text(IDC_INTERNAL_NAME_LABEL), "Player name:");
    EXPECT_EQ(Text(IDC_INTERNAL_NAME), "Oldie");
    EXPECT_EQ(Text(IDC_PLAYER_NAME), "");
    Press(PSBTN_FINISH);
    EXPECT_TRUE(m_wizard->Finished());
    EXPECT_EQ(m_player.m_strName, "Oldie");
    EXPECT_EQ(m_player.m_strDispName, "");
    EXPECT_TRUE(m_player.m_arrLeadLines.empty());
}

TEST_F(WizardFinish, EditModeShowsTheInternalNameForAnEmptyDisplayNameAndKeepsItEmpty)
{
    m_player.m_strName = "Sample";
    m_player.m_strWndClass = "SampleWnd";
    m_player.m_arrLeadLines = {"; lead"};
    m_player.m_arrFormats.push_back(Entry("<Title> - Sample"));
    m_players.AddPlayer(std::make_unique<CPlayerInfo>(m_player));
    OpenAtFinish(true);

    EXPECT_EQ(SheetTitle(), LoadResString(IDS_CAPTION_EDIT_STEP4));
    EXPECT_EQ(Text(IDC_INTERNAL_NAME), "Sample");
    EXPECT_EQ(Text(IDC_PLAYER_NAME), "Sample");
    EXPECT_EQ(Text(IDC_WINDOW_CLASS), "SampleWnd");
    EXPECT_FALSE(Enabled(IDC_RESTORE_CLASS));
    Press(PSBTN_FINISH);

    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_TRUE(m_wizard->Finished());
    EXPECT_EQ(m_player.m_strName, "Sample");
    EXPECT_EQ(m_player.m_strDispName, "");
    EXPECT_EQ(m_player.m_arrLeadLines, (std::vector<std::string>{"; lead"}));
    EXPECT_EQ(m_player.IsEqual(*m_players.GetPlayer(0)), 1);
}

TEST_F(WizardFinish, EditModeShowsAndChangesTheDisplayName)
{
    m_player.m_strName = "Sample";
    m_player.m_strDispName = "Sample Player";
    m_player.m_strWndClass = "SampleWnd";
    m_player.m_arrFormats.push_back(Entry("<Title> - Sample"));
    OpenAtFinish(true);
    EXPECT_EQ(Text(IDC_PLAYER_NAME), "Sample Player");
    Type(IDC_PLAYER_NAME, "Sample Deluxe");
    Press(PSBTN_FINISH);
    EXPECT_TRUE(m_wizard->Finished());
    EXPECT_EQ(m_player.m_strDispName, "Sample Deluxe");
}

TEST_F(WizardFinish, EditModePlayerNameSetToTheInternalNameDropsTheDisplayName)
{
    m_player.m_strName = "Sample";
    m_player.m_strDispName = "Sample Player";
    m_player.m_strWndClass = "SampleWnd";
    m_player.m_arrFormats.push_back(Entry("<Title> - Sample"));
    OpenAtFinish(true);
    Type(IDC_PLAYER_NAME, "Sample");
    Press(PSBTN_FINISH);
    EXPECT_TRUE(m_wizard->Finished());
    EXPECT_EQ(m_player.m_strDispName, "");
}

TEST_F(WizardFinish, EditModeRenameKeepsOwnNameButNotAnotherPlayersName)
{
    m_players.AddPlayer(Listed("Alpha", "AlphaWnd"));
    m_players.AddPlayer(Listed("Beta", "BetaWnd"));
    m_player = *m_players.GetPlayer(0);
    OpenAtFinish(true);

    Type(IDC_INTERNAL_NAME, "Beta");
    Press(PSBTN_FINISH);
    ExpectRefused(IDS_PLAYER_NAME_EXISTS, 1);
    EXPECT_EQ(m_player.m_strName, "Alpha");

    Type(IDC_INTERNAL_NAME, "Alpha");
    Press(PSBTN_FINISH);
    EXPECT_EQ(m_boxes.Count(), 1u);
    EXPECT_TRUE(m_wizard->Finished());
    EXPECT_EQ(m_player.m_strName, "Alpha");
    EXPECT_TRUE(m_player.m_arrLeadLines.empty());
}

TEST_F(WizardFinish, EditModeRenameToANewName)
{
    m_players.AddPlayer(Listed("Alpha", "AlphaWnd"));
    m_player = *m_players.GetPlayer(0);
    OpenAtFinish(true);
    Type(IDC_INTERNAL_NAME, "Alpha Two");
    Press(PSBTN_FINISH);
    EXPECT_TRUE(m_wizard->Finished());
    EXPECT_EQ(m_player.m_strName, "Alpha Two");
    // The player name field still shows the old internal name, which becomes the display name.
    EXPECT_EQ(m_player.m_strDispName, "Alpha");
}

TEST_F(WizardFinish, ChangingTheClassShowsTheNoteAndTypingItBackHidesIt)
{
    m_player.m_strWndClass = "QewClass";
    m_player.m_arrFormats.push_back(Entry("<Title> - Qew"));
    OpenAtFinish(false);
    EXPECT_FALSE(ChangedShown());
    EXPECT_FALSE(Enabled(IDC_RESTORE_CLASS));

    Type(IDC_WINDOW_CLASS, "QewClas");
    EXPECT_TRUE(ChangedShown());
    EXPECT_TRUE(Enabled(IDC_RESTORE_CLASS));
    Type(IDC_WINDOW_CLASS, "qewclass");
    EXPECT_TRUE(ChangedShown());
    Type(IDC_WINDOW_CLASS, "QewClass");
    EXPECT_EQ(Text(IDC_CLASS_CHANGED), "");
    EXPECT_FALSE(Enabled(IDC_RESTORE_CLASS));

    Type(IDC_WINDOW_CLASS, "Something else");
    Click(IDC_RESTORE_CLASS);
    EXPECT_EQ(Text(IDC_WINDOW_CLASS), "QewClass");
    EXPECT_EQ(Text(IDC_CLASS_CHANGED), "");
    EXPECT_FALSE(Enabled(IDC_RESTORE_CLASS));
    // Changing the class keeps what was typed into the names.
    EXPECT_EQ(Text(IDC_INTERNAL_NAME), "Qew");
}

TEST_F(WizardFinish, ChangingTheClassKeepsNamesTypedBefore)
{
    m_player.m_strWndClass = "QewClass";
    m_player.m_arrFormats.push_back(Entry("<Title> - Qew"));
    OpenAtFinish(false);
    Type(IDC_INTERNAL_NAME, "Typed name");
    Type(IDC_PLAYER_NAME, "Typed display");
    Type(IDC_WINDOW_CLASS, "Other");
    Click(IDC_RESTORE_CLASS);
    EXPECT_EQ(Text(IDC_INTERNAL_NAME), "Typed name");
    EXPECT_EQ(Text(IDC_PLAYER_NAME), "Typed display");
    Press(PSBTN_FINISH);
    EXPECT_EQ(m_player.m_strName, "Typed name");
    EXPECT_EQ(m_player.m_strDispName, "Typed display");
    EXPECT_EQ(m_player.m_strWndClass, "QewClass");
}

TEST_F(WizardFinish, EditModeComparesWithTheClassThePlayerHadAndRestoresIt)
{
    m_player.m_strName = "Sample";
    m_player.m_strWndClass = "OriginalWnd";
    m_player.m_arrFormats.push_back(Entry("<Title> - Sample"));
    m_wizard = std::make_unique<CCi_wizard>(true);
    m_wizard->m_pPlayerInfo = &m_player;
    m_wizard->m_pAllPlayersInfo = &m_players;
    ASSERT_NE(m_wizard->Create(nullptr), nullptr);
    // Step 1 chose a window of another class.
    m_player.m_strWndClass = "ChosenWnd";
    GoToFinish();

    EXPECT_EQ(Text(IDC_WINDOW_CLASS), "ChosenWnd");
    EXPECT_TRUE(ChangedShown());
    EXPECT_TRUE(Enabled(IDC_RESTORE_CLASS));
    Click(IDC_RESTORE_CLASS);
    EXPECT_EQ(Text(IDC_WINDOW_CLASS), "OriginalWnd");
    EXPECT_FALSE(ChangedShown());
    EXPECT_FALSE(Enabled(IDC_RESTORE_CLASS));
    Press(PSBTN_FINISH);
    EXPECT_EQ(m_player.m_strWndClass, "OriginalWnd");
}

TEST_F(WizardFinish, AnEmptyWindowClassIsAccepted)
{
    m_player.m_strWndClass = "VaryingWnd 1234";
    m_player.m_arrFormats.push_back(Entry("<Title> - Varying"));
    OpenAtFinish(false);
    Type(IDC_WINDOW_CLASS, "");
    EXPECT_TRUE(ChangedShown());
    Press(PSBTN_FINISH);
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_TRUE(m_wizard->Finished());
    EXPECT_EQ(m_player.m_strWndClass, "");
}

TEST_F(WizardFinish, BackKeepsStepThreeAsItWasAndTheEditsAreNotKept)
{
    m_player.m_strWndClass = "QewBack";
    m_player.m_arrFormats.push_back(Entry("<Title> - First"));
    OpenAtFinish(false);
    Type(IDC_INTERNAL_NAME, "Typed");
    Type(IDC_PLAYER_NAME, "Typed display");
    Type(IDC_WINDOW_CLASS, "Typed class");
    m_wizard->m_bResetTemplates = true;
    m_wizard->m_bReloadTitles = true;

    Press(PSBTN_BACK);
    EXPECT_EQ(PageIndex(), kFinishPage - 1);
    EXPECT_FALSE(m_wizard->m_bResetTemplates);
    EXPECT_FALSE(m_wizard->m_bReloadTitles);
    EXPECT_EQ(m_player.m_strName, "");
    EXPECT_EQ(m_player.m_strWndClass, "QewBack");

    // Step 3 changed the first template meanwhile.
    m_player.m_arrFormats.front() = Entry("<Title> - Second");
    GoToFinish();
    EXPECT_EQ(Text(IDC_INTERNAL_NAME), "Second");
    EXPECT_EQ(Text(IDC_PLAYER_NAME), "Second");
    EXPECT_EQ(Text(IDC_WINDOW_CLASS), "QewBack");
    EXPECT_FALSE(ChangedShown());
    EXPECT_FALSE(Enabled(IDC_RESTORE_CLASS));
}

TEST_F(WizardFinish, EditModeReactivationStartsAgainFromThePlayerAsItWas)
{
    m_player.m_strName = "Sample";
    m_player.m_strDispName = "Sample Player";
    m_player.m_strWndClass = "SampleWnd";
    m_player.m_arrFormats.push_back(Entry("<Title> - Sample"));
    OpenAtFinish(true);
    Type(IDC_INTERNAL_NAME, "Changed");
    Type(IDC_PLAYER_NAME, "");
    SendMessageA(Sheet(), PSM_SETCURSEL, kFinishPage - 1, 0);
    PumpMessages();
    GoToFinish();
    EXPECT_EQ(Text(IDC_INTERNAL_NAME), "Sample");
    EXPECT_EQ(Text(IDC_PLAYER_NAME), "Sample Player");
}

TEST_F(WizardFinish, NamesWithFormatCharactersAreStoredVerbatim)
{
    m_player.m_strWndClass = "W%s";
    m_player.m_arrFormats.push_back(Entry("<Title> - X"));
    OpenAtFinish(false);
    Type(IDC_INTERNAL_NAME, "%s%n%d [x]");
    Press(PSBTN_FINISH);
    EXPECT_TRUE(m_wizard->Finished());
    EXPECT_EQ(m_player.m_strName, "%s%n%d [x]");
    EXPECT_EQ(m_player.m_strWndClass, "W%s");
    EXPECT_EQ(m_player.m_arrLeadLines[1], "; %s%n%d [x]" + kCreated);
}

// The main dialog's Add command runs the wizard; the runner goes straight to step 4 and
// presses Finish, cancelling when the wizard refuses.
class AddTwice : public HostFixture {};

TEST_F(AddTwice, TheSecondAddOfTheSameNameIsRefused)
{
    MessageBoxRecorder boxes;
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    CQuorvelExtPlrWizardDlg main;
    ASSERT_NE(main.Create(nullptr), nullptr);
    PumpMessages();

    WizardSheet::SetModalRunner([&](WizardSheet& sheet, HWND parent) -> INT_PTR {
        auto& wizard = dynamic_cast<CCi_wizard&>(sheet);
        wizard.m_pPlayerInfo->m_strWndClass = "TwiceWnd";
        wizard.m_pPlayerInfo->m_arrFormats.push_back(Entry("<Artist> - <Title> - Twice"));
        wizard.Create(parent);
        PumpMessages();
        SendMessageA(wizard.Hwnd(), PSM_SETCURSEL, kFinishPage, 0);
        PumpMessages();
        SendMessageA(wizard.Hwnd(), PSM_PRESSBUTTON, PSBTN_FINISH, 0);
        PumpMessages();
        if (!wizard.HasEnded()) {
            SendMessageA(wizard.Hwnd(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            PumpMessages();
        }
        return wizard.Finished() ? CCi_wizard::kFinished : IDCANCEL;
    });
    const HWND add = GetDlgItem(main.Hwnd(), IDC_ADD_TEMPLATE);
    SendMessageA(add, BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_EQ(boxes.Count(), 0u);
    ASSERT_EQ(main.Players()->GetPlayerCount(), 4);
    EXPECT_EQ(main.Players()->GetPlayerName(3), "Twice");
    EXPECT_EQ(main.Players()->GetPlayer(3)->m_arrLeadLines,
              (std::vector<std::string>{"", "; Twice" + kCreated, ";"}));

    SendMessageA(add, BM_CLICK, 0, 0);
    PumpMessages();
    WizardSheet::SetModalRunner(nullptr);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, LoadResString(IDS_PLAYER_NAME_EXISTS));
    EXPECT_EQ(main.Players()->GetPlayerCount(), 4);
    EXPECT_EQ(SendMessageA(GetDlgItem(main.Hwnd(), IDC_LIST_PLAYERS), LB_GETCOUNT, 0, 0), 4);

    // What was added reads back from the saved file.
    CAllPlayersInfo reread;
    SetDispNameSupportedForTesting(true);
    ASSERT_EQ(reread.ParseText(main.Players()->BuildText()), 0);
    EXPECT_EQ(reread.GetPlayerCount(), 4);
}

} // namespace
