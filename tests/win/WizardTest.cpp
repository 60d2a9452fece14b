#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "HostFixture.h"
#include "ListViewSupport.h"
#include "MessageBoxRecorder.h"
#include "WizardFixture.h"
#include "WizardSupport.h"
#include "SamplePlayerProcess.h"
#include "app/QuorvelExtPlrWizardDlg.h"
#include "framework/ResString.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "wizard/Ci_wiz_getwndtlt.h"
#include "wizard/Ci_wiz_selwnd.h"
#include "wizard/Ci_wizard.h"

namespace {

class Wizard : public WizardFixture {
protected:
    bool ButtonEnabled(int id) const { return SheetButtonEnabled(Sheet(), id); }
    std::string SheetTitle() const { return WindowText(Sheet()); }
    std::string ItemText(int id) const { return WindowText(Item(id)); }

    void Press(int button)
    {
        SendMessageA(Sheet(), PSM_PRESSBUTTON, button, 0);
        PumpMessages();
    }
    void Click(int id)
    {
        SendMessageA(Item(id), BM_CLICK, 0, 0);
        PumpMessages();
    }

    // Rows of the window list: title and class.
    std::vector<std::pair<std::string, std::string>> Rows() const
    {
        std::vector<std::pair<std::string, std::string>> rows;
        const HWND list = Item(IDC_WINDOW_LIST);
        const int count = ListView_GetItemCount(list);
        for (int i = 0; i < count; ++i)
            rows.emplace_back(RowText(i, 0), RowText(i, 1));
        return rows;
    }
    void ChoosePlayer(const std::string& windowClass)
    {
        const int row = RowOfClass(windowClass);
        ASSERT_GE(row, 0) << windowClass << " is not listed";
        SelectRow(row);
    }
    // Add-new mode, the player of that class chosen on step 1, and Next pressed.
    void OpenAndChoose(const std::string& windowClass)
    {
        Open(false);
        ChoosePlayer(windowClass);
        Press(PSBTN_NEXT);
    }
    void ClickColumn(int column)
    {
        NMLISTVIEW click{};
        click.hdr.hwndFrom = Item(IDC_WINDOW_LIST);
        click.hdr.idFrom = IDC_WINDOW_LIST;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = column;
        SendMessageA(Page(), WM_NOTIFY, IDC_WINDOW_LIST, reinterpret_cast<LPARAM>(&click));
        PumpMessages();
    }
    // The captured titles of step 2 as they stand in its list.
    std::string CapturedText() const { return ItemText(IDC_CAPTURED_TITLES); }
    void Tick()
    {
        SendMessageA(Page(), WM_TIMER, CCi_wiz_getwndtlt::kCaptureTimer, 0);
        PumpMessages();
    }

    std::vector<std::string> EntryTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& entry : m_player.m_arrFormats)
            texts.push_back(entry->m_strFormat);
        return texts;
    }
};

TEST_F(Wizard, ListShowsOnlyOtherProcessesTitledWindowsOfOrdinaryClasses)
{
    SamplePlayerProcess player("QewListed", "Listed player");
    SamplePlayerProcess dde("OleDdeWndClass", "A DDE window");
    SamplePlayerProcess work("work window class Dunmere Quorvel Kd7wPz2LmQa9XnR4tVb6", "Host work");
    SamplePlayerProcess scheduler("Scheduler work window class Dunmere Quorvel Kd7wPz2LmQa9XnR4tVb6", "Host sched");
    SamplePlayerProcess untitled("QewUntitled", "");
    SamplePlayerProcess hidden("QewHidden", "Hidden player", true);
    HWND own = CreateWindowExA(0, "STATIC", "Own window of the wizard", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                               50, nullptr, nullptr, nullptr, nullptr);
    Open(false);

    EXPECT_GE(RowOfClass("QewListed"), 0);
    for (const auto& [title, windowClass] : Rows()) {
        EXPECT_FALSE(title.empty()) << windowClass;
        EXPECT_NE(windowClass, "QewUntitled");
        EXPECT_NE(windowClass, "QewHidden");
        EXPECT_NE(windowClass, "Progman");
        EXPECT_NE(windowClass, "OleDdeWndClass");
        EXPECT_EQ(windowClass.find("Dunmere Quorvel"), std::string::npos);
        EXPECT_NE(title, "Own window of the wizard");
    }
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_TRUE(ButtonEnabled(kNextButton));
    EXPECT_FALSE(ButtonEnabled(kBackButton));

    Click(IDC_SHOW_INVISIBLE);
    EXPECT_TRUE(m_wizard->m_bShowInvisible);
    EXPECT_GE(RowOfClass("QewHidden"), 0);
    EXPECT_EQ(RowOfClass("QewUntitled"), -1);
    Click(IDC_SHOW_INVISIBLE);
    EXPECT_EQ(RowOfClass("QewHidden"), -1);
    DestroyWindow(own);
}

TEST_F(Wizard, SortsByTheClickedColumnWithoutRegardToCaseAcrossRefreshes)
{
    SamplePlayerProcess first("QewSortC", "qew sort a");
    SamplePlayerProcess second("qewSortB", "Qew sort b");
    SamplePlayerProcess third("QewSortA", "qew sort C");
    Open(false);

    auto ours = [this](int column) {
        std::vector<std::string> texts;
        for (const auto& [title, windowClass] : Rows())
            if (windowClass.rfind("QewSort", 0) == 0 || windowClass.rfind("qewSort", 0) == 0)
                texts.push_back(column == 0 ? title : windowClass);
        return texts;
    };
    EXPECT_EQ(ours(0), (std::vector<std::string>{"qew sort a", "Qew sort b", "qew sort C"}));
    const auto byTitle = Rows();
    EXPECT_TRUE(std::is_sorted(byTitle.begin(), byTitle.end(), [](const auto& a, const auto& b) {
        return lstrcmpiA(a.first.c_str(), b.first.c_str()) < 0;
    }));

    const auto chosen = Rows().at(static_cast<std::size_t>(SelectedRow()));
    ClickColumn(1);
    EXPECT_EQ(ours(1), (std::vector<std::string>{"QewSortA", "qewSortB", "QewSortC"}));
    // The chosen row stays chosen at its new place.
    ASSERT_GE(SelectedRow(), 0);
    EXPECT_EQ(Rows().at(static_cast<std::size_t>(SelectedRow())), chosen);
    Click(IDC_REFRESH);
    EXPECT_EQ(m_wizard->SelWndPage().m_nSortColumn, 1);
    EXPECT_EQ(ours(1), (std::vector<std::string>{"QewSortA", "qewSortB", "QewSortC"}));
}

TEST_F(Wizard, TitlesThatDifferOnlyInCaseKeepTheirEnumerationOrder)
{
    SamplePlayerProcess lower("QewCaseOne", "qew same title");
    SamplePlayerProcess upper("QewCaseTwo", "QEW SAME TITLE");
    std::vector<std::string> enumerated;
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            char name[64] = {};
            GetClassNameA(hwnd, name, sizeof name);
            if (std::string(name).rfind("QewCase", 0) == 0)
                reinterpret_cast<std::vector<std::string>*>(param)->push_back(name);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&enumerated));
    Open(false);
    std::vector<std::string> listed;
    for (const auto& [title, windowClass] : Rows())
        if (windowClass.rfind("QewCase", 0) == 0)
            listed.push_back(windowClass);
    EXPECT_EQ(listed, enumerated);
    EXPECT_EQ(std::abs(RowOfClass("QewCaseOne") - RowOfClass("QewCaseTwo")), 1);
}

TEST_F(Wizard, EditModePreselectsThePlayersWindowAndNamesItInTheInstructions)
{
    SamplePlayerProcess other("QewAaaOther", "aaa first in order");
    SamplePlayerProcess player("QewEdited", "zzz last in order");
    m_player.m_strName = std::string(60, 'N');
    m_player.m_strWndClass = "QewEdited";
    Open(true);

    EXPECT_EQ(SheetTitle(), LoadResString(IDS_CAPTION_EDIT_STEP1));
    EXPECT_EQ(SelectedRow(), RowOfClass("QewEdited"));
    EXPECT_GT(SelectedRow(), 0);
    EXPECT_EQ(ItemText(IDC_STEP1_INSTRUCTIONS),
              "\t- launch player \"" + std::string(50, 'N') +
                  "...\";\n\t- press \"Refresh\" button;\n\t- select your player from list;\n\t- pres \"Next\" to "
                  "move to Step 2.");

    // The choice survives a refresh in edit mode.
    Click(IDC_REFRESH);
    EXPECT_EQ(SelectedRow(), RowOfClass("QewEdited"));
}

TEST_F(Wizard, EditModeWithoutThePlayersWindowSelectsTheFirstRow)
{
    SamplePlayerProcess other("QewSomeOther", "Some other window");
    m_player.m_strWndClass = "QewNotRunning";
    Open(true);
    EXPECT_EQ(SelectedRow(), 0);
}

TEST_F(Wizard, NextTakesTheClassAndTheFirstTitleOfItsWindows)
{
    SamplePlayerProcess player("QewNext", "1. Artist - Song - Qew");
    OpenAndChoose("QewNext");

    EXPECT_EQ(PageIndex(), 1);
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_EQ(m_player.m_strWndClass, "QewNext");
    ASSERT_EQ(m_player.m_arrFormats.size(), 1u);
    EXPECT_EQ(m_player.m_arrFormats[0]->m_strFormat, "1. Artist - Song - Qew");
    EXPECT_EQ(m_player.m_arrFormats[0]->m_arrLines,
              (std::vector<std::string>{";", "; Example: 1. Artist - Song - Qew"}));
    EXPECT_EQ(CapturedText(), "1. Artist - Song - Qew\r\n");
    EXPECT_EQ(SheetTitle(), LoadResString(IDS_CAPTION_ADD_STEP2));
    EXPECT_TRUE(ButtonEnabled(kBackButton));
    EXPECT_TRUE(ButtonEnabled(kNextButton));
}

TEST_F(Wizard, NextRefusesAPlayerThatClosedOrLostItsTitle)
{
    SamplePlayerProcess closing("QewClosing", "Closing player");
    SamplePlayerProcess blanking("QewBlanking", "Blanking player");
    m_player.m_arrFormats.push_back(std::make_unique<CFormatInfo>());
    Open(false);

    ChoosePlayer("QewClosing");
    closing.Close();
    Press(PSBTN_NEXT);
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().text, LoadResString(IDS_WINDOW_NOT_FOUND));
    EXPECT_EQ(m_boxes.Last().type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(PageIndex(), 0);

    ChoosePlayer("QewBlanking");
    blanking.SetTitle("");
    Press(PSBTN_NEXT);
    EXPECT_EQ(m_boxes.Count(), 2u);
    EXPECT_EQ(PageIndex(), 0);
    EXPECT_TRUE(m_player.m_arrFormats.empty());
}

TEST_F(Wizard, DoubleClickOnTheListActsAsNext)
{
    SamplePlayerProcess player("QewDouble", "Double-clicked player");
    Open(false);
    ChoosePlayer("QewDouble");
    NMITEMACTIVATE click{};
    click.hdr.hwndFrom = Item(IDC_WINDOW_LIST);
    click.hdr.idFrom = IDC_WINDOW_LIST;
    click.hdr.code = NM_DBLCLK;
    click.iItem = SelectedRow();
    SendMessageA(Page(), WM_NOTIFY, IDC_WINDOW_LIST, reinterpret_cast<LPARAM>(&click));
    PumpMessages();
    EXPECT_EQ(PageIndex(), 1);
    EXPECT_EQ(EntryTexts(), (std::vector<std::string>{"Double-clicked player"}));
}

TEST_F(Wizard, CaptureListsEveryNewTitleOnceInEnumerationOrder)
{
    SamplePlayerProcess one("QewTwin", "Twin one");
    SamplePlayerProcess two("QewTwin", "Twin two");
    OpenAndChoose("QewTwin");
    ASSERT_EQ(PageIndex(), 1);

    // The order in which the system reports the two windows decides the order of titles.
    std::vector<std::string> order;
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            char name[64] = {}, title[64] = {};
            GetClassNameA(hwnd, name, sizeof name);
            if (std::string(name) == "QewTwin" && IsWindowVisible(hwnd)) {
                GetWindowTextA(hwnd, title, sizeof title);
                reinterpret_cast<std::vector<std::string>*>(param)->push_back(title);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&order));
    ASSERT_EQ(order.size(), 2u);
    Tick();
    EXPECT_EQ(CapturedText(), order[0] + "\r\n" + order[1] + "\r\n");

    one.SetTitle("Twin ONE");
    two.SetTitle("");
    Tick();
    one.SetTitle("Twin one");
    Tick();
    EXPECT_EQ(CapturedText(), order[0] + "\r\n" + order[1] + "\r\nTwin ONE\r\n");

    Press(PSBTN_NEXT);
    EXPECT_EQ(PageIndex(), 2);
    EXPECT_EQ(EntryTexts(), (std::vector<std::string>{order[0], order[1], "Twin ONE"}));
    EXPECT_EQ(m_player.m_arrFormats[2]->m_arrLines, (std::vector<std::string>{";", "; Example: Twin ONE"}));
}

TEST_F(Wizard, CaptureWatchesHiddenWindowsOnlyWhenShown)
{
    SamplePlayerProcess shown("QewHalfHidden", "Shown title");
    SamplePlayerProcess hidden("QewHalfHidden", "Hidden title", true);
    OpenAndChoose("QewHalfHidden");
    Tick();
    EXPECT_EQ(CapturedText(), "Shown title\r\n");

    Press(PSBTN_BACK);
    Click(IDC_SHOW_INVISIBLE);
    ChoosePlayer("QewHalfHidden");
    Press(PSBTN_NEXT);
    Tick();
    const std::string text = CapturedText();
    EXPECT_NE(text.find("Shown title\r\n"), std::string::npos);
    EXPECT_NE(text.find("Hidden title\r\n"), std::string::npos);
}

TEST_F(Wizard, ATitleWithLineBreaksIsListedOnceOnOneLine)
{
    SamplePlayerProcess player("QewBroken", "Before");
    player.SetTitle("Song\r\nArtist");
    OpenAndChoose("QewBroken");
    Tick();
    EXPECT_EQ(CapturedText(), "Song Artist\r\n");

    // New titles go in after the rest, which keeps the user's selection.
    SendMessageA(Item(IDC_CAPTURED_TITLES), EM_SETSEL, 2, 6);
    player.SetTitle("Next\r\n\r\nSong\rX\nY");
    Tick();
    Tick();
    EXPECT_EQ(CapturedText(), "Song Artist\r\nNext  Song X Y\r\n");
    DWORD start = 0, end = 0;
    SendMessageA(Item(IDC_CAPTURED_TITLES), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(end, 6u);
    Press(PSBTN_NEXT);
    EXPECT_EQ(EntryTexts(), (std::vector<std::string>{"Song Artist", "Next  Song X Y"}));
}

// Not a test: the cost of one capture tick on a desktop of some 200 other windows, printed.
// Run by hand with --gtest_filter=Wizard.ProbeCaptureTickCost; the test command leaves it out.
TEST_F(Wizard, ProbeCaptureTickCost)
{
    const CrowdProcess crowd;
    const auto countWindows = [] {
        int count = 0;
        EnumWindows([](HWND, LPARAM n) -> BOOL { return ++*reinterpret_cast<int*>(n), TRUE; }, reinterpret_cast<LPARAM>(&count));
        return count;
    };
    SamplePlayerProcess player("QewProbe", "Probe title");
    OpenAndChoose("QewProbe");
    ASSERT_EQ(PageIndex(), 1);

    constexpr int kTicks = 500;
    const ULONGLONG wallStart = GetTickCount64();
    const double cpuStart = ProcessCpuMilliseconds();
    for (int i = 0; i < kTicks; ++i)
        SendMessageA(Page(), WM_TIMER, CCi_wiz_getwndtlt::kCaptureTimer, 0);
    const double cpuPerTick = (ProcessCpuMilliseconds() - cpuStart) / kTicks;
    const double wallPerTick = static_cast<double>(GetTickCount64() - wallStart) / kTicks;
    std::printf("top-level windows: %d; per capture tick: %.2f ms of this process's CPU, %.2f ms wall\n",
                countWindows(), cpuPerTick, wallPerTick);
    EXPECT_EQ(CapturedText(), "Probe title\r\n");

}

TEST_F(Wizard, OnlyTheTitleFromStepOneGivesExactlyOneEntry)
{
    SamplePlayerProcess player("QewSingle", "Only title");
    OpenAndChoose("QewSingle");
    Tick();
    Press(PSBTN_NEXT);
    EXPECT_EQ(EntryTexts(), (std::vector<std::string>{"Only title"}));
}

TEST_F(Wizard, FlagsFollowBackAndNextInAddNewMode)
{
    SamplePlayerProcess player("QewFlags", "Flag title");
    Open(false);
    EXPECT_TRUE(m_wizard->m_bResetTemplates);
    EXPECT_TRUE(m_wizard->m_bReloadTitles);
    EXPECT_FALSE(m_wizard->m_bShowInvisible);
    EXPECT_EQ(SheetTitle(), LoadResString(IDS_CAPTION_ADD_STEP1));

    ChoosePlayer("QewFlags");
    Press(PSBTN_NEXT);
    EXPECT_TRUE(m_wizard->m_bResetTemplates);
    EXPECT_TRUE(m_wizard->m_bReloadTitles);
    Press(PSBTN_NEXT);
    EXPECT_EQ(SheetTitle(), LoadResString(IDS_CAPTION_ADD_STEP3));
    Press(PSBTN_NEXT);
    EXPECT_EQ(SheetTitle(), LoadResString(IDS_CAPTION_ADD_STEP4));
    EXPECT_TRUE(ButtonEnabled(kFinishButton));
    EXPECT_TRUE(ButtonEnabled(kBackButton));

    Press(PSBTN_BACK);
    EXPECT_FALSE(m_wizard->m_bResetTemplates);
    EXPECT_FALSE(m_wizard->m_bReloadTitles);
    Press(PSBTN_BACK);
    EXPECT_FALSE(m_wizard->m_bResetTemplates);
    EXPECT_TRUE(m_wizard->m_bReloadTitles);
    // Step 2 shows again what step 3 handed back.
    EXPECT_EQ(CapturedText(), "Flag title\r\n");
    Press(PSBTN_BACK);
    EXPECT_EQ(PageIndex(), 0);
    Press(PSBTN_NEXT);
    EXPECT_TRUE(m_wizard->m_bResetTemplates);
    EXPECT_TRUE(m_wizard->m_bReloadTitles);
}

TEST_F(Wizard, FlagsFollowBackAndNextInEditModeAndFinishEndsTheRun)
{
    SamplePlayerProcess player("QewEditFlags", "Edit flag title");
    m_player.m_strName = "Edited";
    m_player.m_strWndClass = "QewEditFlags";
    Open(true);
    EXPECT_EQ(m_wizard->m_OrigPlayerInfo.m_strName, "Edited");
    Press(PSBTN_NEXT);
    EXPECT_FALSE(m_wizard->m_bResetTemplates);
    EXPECT_TRUE(m_wizard->m_bReloadTitles);
    EXPECT_EQ(SheetTitle(), LoadResString(IDS_CAPTION_EDIT_STEP2));
    Press(PSBTN_NEXT);
    EXPECT_EQ(SheetTitle(), LoadResString(IDS_CAPTION_EDIT_STEP3));
    Press(PSBTN_BACK);
    EXPECT_FALSE(m_wizard->m_bResetTemplates);
    EXPECT_TRUE(m_wizard->m_bReloadTitles);
    Press(PSBTN_NEXT);
    Press(PSBTN_NEXT);
    EXPECT_EQ(SheetTitle(), LoadResString(IDS_CAPTION_EDIT_STEP4));
    Press(PSBTN_BACK);
    EXPECT_FALSE(m_wizard->m_bResetTemplates);
    EXPECT_FALSE(m_wizard->m_bReloadTitles);
    Press(PSBTN_NEXT);
    EXPECT_FALSE(m_wizard->HasEnded());
    Press(PSBTN_FINISH);
    EXPECT_TRUE(m_wizard->HasEnded());
    EXPECT_TRUE(m_wizard->Finished());
}

TEST_F(Wizard, CancelEndsTheRunUnfinished)
{
    Open(false);
    Press(PSBTN_CANCEL);
    EXPECT_TRUE(m_wizard->HasEnded());
    EXPECT_FALSE(m_wizard->Finished());
}

TEST_F(Wizard, EnterInAPageKeepsItAndEscapeCancelsTheRun)
{
    SamplePlayerProcess player("QewEscape", "Escape title");
    OpenAndChoose("QewEscape");
    ASSERT_EQ(PageIndex(), 1);
    const HWND page = Page();

    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    PumpMessages();
    EXPECT_TRUE(IsWindowVisible(page));
    EXPECT_EQ(Page(), page);

    // How the captured titles' multi-line edit passes Escape on.
    SendMessageA(page, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_TRUE(m_wizard->HasEnded());
    EXPECT_FALSE(m_wizard->Finished());
}

TEST_F(Wizard, PagesCarryTheirHeaderTextsInBothModes)
{
    for (bool editMode : {false, true}) {
        CCi_wizard wizard(editMode);
        EXPECT_EQ(wizard.Caption(), LoadResString(IDS_WIZARD_CAPTION));
        EXPECT_EQ(wizard.SelWndPage().HeaderTitle(),
                  LoadResString(editMode ? IDS_STEP1_TITLE_EDIT : IDS_STEP1_TITLE_ADD));
        EXPECT_EQ(wizard.SelWndPage().HeaderSubtitle(),
                  LoadResString(editMode ? IDS_STEP1_SUBTITLE_EDIT : IDS_STEP1_SUBTITLE_ADD));
        EXPECT_EQ(wizard.GetWndTltPage().HeaderTitle(), "Capturing titles");
        EXPECT_FALSE(wizard.GetWndTltPage().HeaderSubtitle().empty());
    }
}

// Drives a modal run from inside its own message loop: the sheet of this thread is
// moved to `page` and `button` is pressed on it. A run that does not end then is
// cancelled a little later, so that a fault fails the test instead of hanging it.
struct ModalDriver {
    static inline int page = 0;
    static inline int button = PSBTN_CANCEL;
    static inline int ticks = 0;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND sheet = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND hwnd, LPARAM found) -> BOOL {
                if (GetDlgItem(hwnd, kNextButton) && IsWindowVisible(hwnd))
                    *reinterpret_cast<HWND*>(found) = hwnd;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&sheet));
        if (!sheet)
            return;
        if (++ticks == 1) {
            SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
            SendMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
        } else if (ticks > 10) {
            SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        }
    }
};

TEST(WizardModalRun, ReturnsFinishedOnlyWhenTheUserFinished)
{
    MessageBoxRecorder boxes;
    for (const auto& [page, button, expected] :
         {std::tuple{0, PSBTN_CANCEL, INT_PTR{IDCANCEL}}, std::tuple{3, PSBTN_FINISH, CCi_wizard::kFinished}}) {
        CPlayerInfo player;
        player.m_strName = "Snapshot";
        CAllPlayersInfo players;
        CCi_wizard wizard(true);
        wizard.m_pPlayerInfo = &player;
        wizard.m_pAllPlayersInfo = &players;
        ModalDriver::page = page;
        ModalDriver::button = button;
        ModalDriver::ticks = 0;
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, ModalDriver::Tick);
        ASSERT_NE(timer, 0u);
        EXPECT_EQ(wizard.DoModal(nullptr), expected);
        KillTimer(nullptr, timer);
        EXPECT_EQ(wizard.m_OrigPlayerInfo.m_strName, "Snapshot");
        EXPECT_EQ(wizard.Hwnd(), nullptr);
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

class AddCommand : public HostFixture {};

TEST_F(AddCommand, RunsTheWizardInAddNewModeAndACancelChangesNothing)
{
    MessageBoxRecorder boxes;
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    CQuorvelExtPlrWizardDlg main;
    ASSERT_NE(main.Create(nullptr), nullptr);
    PumpMessages();

    int runs = 0;
    WizardSheet::SetModalRunner([&](WizardSheet& sheet, HWND parent) -> INT_PTR {
        auto& wizard = dynamic_cast<CCi_wizard&>(sheet);
        ++runs;
        EXPECT_FALSE(wizard.m_bEditMode);
        EXPECT_EQ(parent, main.Hwnd());
        EXPECT_EQ(wizard.m_pAllPlayersInfo, main.Players());
        EXPECT_NE(wizard.m_pPlayerInfo, nullptr);
        EXPECT_TRUE(wizard.m_pPlayerInfo->m_arrFormats.empty());
        EXPECT_TRUE(wizard.m_pPlayerInfo->m_strName.empty());
        wizard.Create(parent);
        PumpMessages();
        SendMessageA(wizard.Hwnd(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        PumpMessages();
        EXPECT_TRUE(wizard.HasEnded());
        return IDCANCEL;
    });
    SendMessageA(GetDlgItem(main.Hwnd(), IDC_ADD_TEMPLATE), BM_CLICK, 0, 0);
    PumpMessages();
    WizardSheet::SetModalRunner(nullptr);

    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(main.IsModified());
    EXPECT_EQ(main.Players()->GetPlayerCount(), 3);
    EXPECT_EQ(SendMessageA(GetDlgItem(main.Hwnd(), IDC_LIST_PLAYERS), LB_GETCOUNT, 0, 0), 3);
}

} // namespace
