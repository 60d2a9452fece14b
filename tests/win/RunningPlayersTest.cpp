// The running players view on a desktop of sample players, alone and from the main dialog.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "HostFixture.h"
#include "ListViewSupport.h"
#include "SamplePlayerProcess.h"
#include "WizardSupport.h"
#include "app/RunningPlayersDlg.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "wizard/Ci_wiz_getwndtlt.h"
#include "wizard/Ci_wizard.h"

namespace {

// A section for any class between the two of their own, which would read Alpha's titles too.
const std::string kRunningRules =
    "[Alpha]\r\n"
    "CLASSNAME=\"QewRunAlpha\"\r\n"
    "FORMAT=\"<Artist> - <Title> - Alpha\"\r\n"
    "[AnyClass]\r\n"
    "CLASSNAME=\"\"\r\n"
    "FORMAT=\"<Title> - Alpha\"\r\n"
    "[Beta]\r\n"
    "CLASSNAME=\"QewRunBeta\"\r\n"
    "FORMAT=\"Beta: <Title>\"\r\n";

struct Row {
    std::string player, wndClass, title, format, formatText, tags;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* os)
{
    *os << "{" << row.player << " | " << row.wndClass << " | " << row.title << " | " << row.format << " | "
        << row.formatText << " | " << row.tags << "}";
}

// The rows of the sample players' classes, in list order: other windows of the desktop may
// be listed with Show all windows.
std::vector<Row> SampleRows(HWND list)
{
    std::vector<Row> rows;
    for (int i = 0, n = ListView_GetItemCount(list); i < n; ++i) {
        Row row{CellText(list, i, 0), CellText(list, i, 1), CellText(list, i, 2),
                CellText(list, i, 3), CellText(list, i, 4), CellText(list, i, 5)};
        if (row.wndClass.starts_with("QewRun"))
            rows.push_back(row);
    }
    return rows;
}

int RowOfClass(HWND list, const std::string& wndClass)
{
    return RowWith(list, 1, wndClass);
}

class RunningPlayersView : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        ASSERT_EQ(m_players.ParseText(kRunningRules), 0);
    }
    void TearDown() override
    {
        m_view.reset();
        HostFixture::TearDown();
    }
    void Open()
    {
        m_view = std::make_unique<CRunningPlayersDlg>(m_players);
        ASSERT_NE(m_view->Create(nullptr), nullptr);
        PumpMessages();
    }
    HWND List() const { return GetDlgItem(m_view->Hwnd(), IDC_RUNNING_LIST); }
    std::string TeachText() const { return WindowText(GetDlgItem(m_view->Hwnd(), IDC_TEACH)); }

    CAllPlayersInfo m_players;
    std::unique_ptr<CRunningPlayersDlg> m_view;
};

TEST_F(RunningPlayersView, ShowsWhatTheRecorderReadsInTheHostsOrder)
{
    SamplePlayerProcess alpha("QewRunAlpha", "Ann - Song - Alpha");
    SamplePlayerProcess beta("QewRunBeta", "Paused");
    SamplePlayerProcess other("QewRunOther", "Tune - Alpha");
    SamplePlayerProcess none("QewRunNone", "Nothing here");
    Open();
    const Row alphaRow{"Alpha", "QewRunAlpha", "Ann - Song - Alpha", "1", "<Artist> - <Title> - Alpha",
                       "Artist=Ann  Title=Song"};
    const Row betaRow{"Beta", "QewRunBeta", "Paused", "", "", "Unrecognized"};
    const Row otherRow{"AnyClass", "QewRunOther", "Tune - Alpha", "1", "<Title> - Alpha", "Title=Tune"};
    const Row noneRow{"", "QewRunNone", "Nothing here", "", "", "Unrecognized"};
    std::vector<Row> rows = SampleRows(List());
    EXPECT_EQ(rows.size(), 3u);
    for (const Row& row : {alphaRow, betaRow, otherRow})
        EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end()) << testing::PrintToString(row);

    SendMessageA(GetDlgItem(m_view->Hwnd(), IDC_SHOW_ALL_WINDOWS), BM_CLICK, 0, 0);
    PumpMessages();
    rows = SampleRows(List());
    EXPECT_EQ(rows.size(), 4u);
    EXPECT_NE(std::find(rows.begin(), rows.end(), noneRow), rows.end());

    // The button names what it does for the row chosen.
    SelectRow(List(), RowOfClass(List(), "QewRunNone"));
    EXPECT_EQ(TeachText(), "&Add player...");
    SelectRow(List(), RowOfClass(List(), "QewRunBeta"));
    EXPECT_EQ(TeachText(), "&Teach...");
}

// Without a section for any class the view asks the system for each class's windows; the
// system ignores case, the host does not.
TEST_F(RunningPlayersView, WithOnlyNamedClassesReadsThoseWindowsByTheirExactClass)
{
    m_players = CAllPlayersInfo();
    ASSERT_EQ(m_players.ParseText("[Lower]\r\nCLASSNAME=\"qewrunalpha\"\r\nFORMAT=\"<Title>\"\r\n"
                                  "[Alpha]\r\nCLASSNAME=\"QewRunAlpha\"\r\nFORMAT=\"<Artist> - <Title> - Alpha\"\r\n"
                                  "[Beta]\r\nCLASSNAME=\"QewRunBeta\"\r\nFORMAT=\"Beta: <Title>\"\r\n"),
              0);
    SamplePlayerProcess alpha("QewRunAlpha", "Ann - Song - Alpha");
    SamplePlayerProcess beta("QewRunBeta", "Beta: First");
    SamplePlayerProcess other("QewRunOther", "Tune - Alpha");
    Open();
    EXPECT_EQ(SampleRows(List()),
              (std::vector<Row>{{"Alpha", "QewRunAlpha", "Ann - Song - Alpha", "1", "<Artist> - <Title> - Alpha",
                                 "Artist=Ann  Title=Song"},
                                {"Beta", "QewRunBeta", "Beta: First", "1", "Beta: <Title>", "Title=First"}}));

    beta.SetTitle("Beta: Second");
    m_view->Tick();
    EXPECT_EQ(CellText(List(), RowOfClass(List(), "QewRunBeta"), 5), "Title=Second");

    const HWND showAll = GetDlgItem(m_view->Hwnd(), IDC_SHOW_ALL_WINDOWS);
    SendMessageA(showAll, BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_GE(RowOfClass(List(), "QewRunOther"), 0);
    SendMessageA(showAll, BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_EQ(RowOfClass(List(), "QewRunOther"), -1);
    EXPECT_EQ(SampleRows(List()).size(), 2u);
}

TEST_F(RunningPlayersView, FollowsTitlesAndWindowsRowByRowKeepingTheSelection)
{
    SamplePlayerProcess alpha("QewRunAlpha", "Ann - Song - Alpha");
    auto beta = std::make_unique<SamplePlayerProcess>("QewRunBeta", "Beta: First");
    Open();
    ASSERT_EQ(SampleRows(List()).size(), 2u);
    const int alphaRow = RowOfClass(List(), "QewRunAlpha");
    SelectRow(List(), alphaRow);

    alpha.SetTitle("Bob - Other - Alpha");
    m_view->Tick();
    EXPECT_EQ(CellText(List(), alphaRow, 5), "Artist=Bob  Title=Other");
    alpha.SetTitle("Alpha stopped");
    m_view->Tick();
    EXPECT_EQ(CellText(List(), alphaRow, 5), "Unrecognized");
    EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), alphaRow);

    // The closed player's row goes; the chosen one stays chosen wherever it moves.
    beta.reset();
    m_view->Tick();
    const std::vector<Row> rows = SampleRows(List());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].title, "Alpha stopped");
    EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), RowOfClass(List(), "QewRunAlpha"));
}

// Not a test: the cost of one tick with some 200 other windows on the desktop and 50
// sections, printed: first all of their own classes, then with one for any class, which
// has every window's title read. Run by hand with
// --gtest_filter=RunningPlayersView.ProbeTickCost; the test command leaves it out.
TEST_F(RunningPlayersView, ProbeTickCost)
{
    const CrowdProcess crowd;
    SamplePlayerProcess player("QewProbe3", "Ann - Song - Probe");
    int windows = 0;
    EnumWindows([](HWND, LPARAM n) -> BOOL { return ++*reinterpret_cast<int*>(n), TRUE; }, reinterpret_cast<LPARAM>(&windows));
    std::printf("top-level windows: %d\n", windows);

    constexpr int kTicks = 500;
    const auto probe = [&](const char* what, const std::function<void(int)>& each) {
        const ULONGLONG wallStart = GetTickCount64();
        const double cpuStart = ProcessCpuMilliseconds();
        for (int i = 0; i < kTicks; ++i)
            each(i);
        std::printf("  %s: %.3f ms of this process's CPU per tick, %.3f ms wall\n", what, (ProcessCpuMilliseconds() - cpuStart) / kTicks,
                    static_cast<double>(GetTickCount64() - wallStart) / kTicks);
    };
    // The floor: the system's walk alone, with nothing asked of the windows.
    probe("EnumWindows alone", [](int) { EnumWindows([](HWND, LPARAM) -> BOOL { return TRUE; }, 0); });

    for (const bool anyClass : {false, true}) {
        std::string rules;
        for (int i = 0; i < 50; ++i) {
            const std::string wndClass = anyClass && i == 25 ? "" : "QewProbe" + std::to_string(i);
            rules += "[Probe" + std::to_string(i) + "]\r\nCLASSNAME=\"" + wndClass + "\"\r\n";
            for (const char* format : {"<Artist> - <Title> - Probe", "<Track>. <Title> (<Album>)", "<Title> [paused]"})
                rules += std::string("FORMAT=\"") + format + "\"\r\n";
        }
        m_view.reset();
        m_players = CAllPlayersInfo();
        ASSERT_EQ(m_players.ParseText(rules), 0);
        Open();
        std::printf(anyClass ? "one section for any class:\n" : "every section of its own class:\n");
        probe("steady desktop", [&](int) { m_view->Tick(); });
        // Setting the title is the other process's work, but the message is counted too.
        probe("one title changing every tick", [&](int i) {
            player.SetTitle(i % 2 ? "Ann - Song - Probe" : "1. Song (Album)");
            m_view->Tick();
        });
    }
    SendMessageA(GetDlgItem(m_view->Hwnd(), IDC_SHOW_ALL_WINDOWS), BM_CLICK, 0, 0);
    probe("show all windows", [&](int) { m_view->Tick(); });

}

// The main dialog on the rules above, the view driven by `drive` and the wizard's run by
// `wizard`, which gets the real sheet, made modeless.
class RunningPlayersCommand : public MainDialogOnHost {
protected:
    std::string Rules() const override { return kRunningRules; }
    void Run(const std::function<void(CRunningPlayersDlg&)>& drive, const std::function<void(CCi_wizard&)>& wizard)
    {
        Dialog::SetModalRunner([&](Dialog& dialog, HWND parent) -> INT_PTR {
            dialog.Create(parent);
            PumpMessages();
            drive(static_cast<CRunningPlayersDlg&>(dialog));
            if (dialog.Hwnd())
                SendMessageA(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return dialog.Result();
        });
        WizardSheet::SetModalRunner([&](WizardSheet& sheet, HWND parent) -> INT_PTR {
            ++m_wizardRuns;
            sheet.Create(parent);
            PumpMessages();
            wizard(dynamic_cast<CCi_wizard&>(sheet));
            if (!sheet.HasEnded())
                SendMessageA(sheet.Hwnd(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            PumpMessages();
            return sheet.Finished() ? CCi_wizard::kFinished : IDCANCEL;
        });
        SendMessageA(GetDlgItem(m_main.Hwnd(), IDC_RUNNING_PLAYERS), BM_CLICK, 0, 0);
        PumpMessages();
    }
    static std::vector<std::string> Column(HWND list, int column)
    {
        std::vector<std::string> texts;
        for (int i = 0, n = ListView_GetItemCount(list); i < n; ++i)
            texts.push_back(CellText(list, i, column));
        return texts;
    }
    static int PageIndex(HWND sheet)
    {
        return static_cast<int>(
            SendMessageA(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(CurrentPage(sheet)), 0));
    }

    int m_wizardRuns = 0;
};

TEST_F(RunningPlayersCommand, TeachEditsTheSectionFromStepThreeWithEveryTitleSeen)
{
    SamplePlayerProcess beta("QewRunBeta", "Paused");
    Run(
        [&](CRunningPlayersDlg& view) {
            for (const char* title : {"Beta: Song", "Stopped", "Paused"}) {
                beta.SetTitle(title);
                view.Tick();
            }
            SelectRow(GetDlgItem(view.Hwnd(), IDC_RUNNING_LIST), RowOfClass(GetDlgItem(view.Hwnd(), IDC_RUNNING_LIST), "QewRunBeta"));
            SendMessageA(GetDlgItem(view.Hwnd(), IDC_TEACH), BM_CLICK, 0, 0);
            PumpMessages();
        },
        [&](CCi_wizard& wizard) {
            EXPECT_TRUE(wizard.m_bEditMode);
            EXPECT_EQ(wizard.m_OrigPlayerInfo.GetName(), "Beta");
            ASSERT_EQ(PageIndex(wizard.Hwnd()), 2);
            const HWND page = CurrentPage(wizard.Hwnd());
            EXPECT_EQ(Column(GetDlgItem(page, IDC_STEP3_TITLES), 1),
                      (std::vector<std::string>{"Paused", "Beta: Song", "Stopped"}));
            EXPECT_EQ(Column(GetDlgItem(page, IDC_STEP3_TEMPLATES), 1), (std::vector<std::string>{"Beta: <Title>"}));

            // Back: step 2 lists the same titles and goes on capturing.
            SendMessageA(wizard.Hwnd(), PSM_PRESSBUTTON, PSBTN_BACK, 0);
            PumpMessages();
            ASSERT_EQ(PageIndex(wizard.Hwnd()), 1);
            beta.SetTitle("Beta: Next");
            SendMessageA(CurrentPage(wizard.Hwnd()), WM_TIMER, CCi_wiz_getwndtlt::kCaptureTimer, 0);
            EXPECT_EQ(WindowText(GetDlgItem(CurrentPage(wizard.Hwnd()), IDC_CAPTURED_TITLES)),
                      "Paused\r\nBeta: Song\r\nStopped\r\nBeta: Next\r\n");
        });
    EXPECT_EQ(m_wizardRuns, 1);
    EXPECT_FALSE(m_main.IsModified());
}

TEST_F(RunningPlayersCommand, AddPlayerCapturesFromStepTwoWithTheClassAndItsTitles)
{
    SamplePlayerProcess none("QewRunNone", "Gamma one");
    Run(
        [&](CRunningPlayersDlg& view) {
            SendMessageA(GetDlgItem(view.Hwnd(), IDC_SHOW_ALL_WINDOWS), BM_CLICK, 0, 0);
            none.SetTitle("Gamma two");
            view.Tick();
            SelectRow(GetDlgItem(view.Hwnd(), IDC_RUNNING_LIST), RowOfClass(GetDlgItem(view.Hwnd(), IDC_RUNNING_LIST), "QewRunNone"));
            SendMessageA(GetDlgItem(view.Hwnd(), IDC_TEACH), BM_CLICK, 0, 0);
            PumpMessages();
        },
        [&](CCi_wizard& wizard) {
            EXPECT_FALSE(wizard.m_bEditMode);
            ASSERT_EQ(PageIndex(wizard.Hwnd()), 1);
            EXPECT_EQ(wizard.m_pPlayerInfo->GetWndClass(), "QewRunNone");
            none.SetTitle("Gamma three");
            SendMessageA(CurrentPage(wizard.Hwnd()), WM_TIMER, CCi_wiz_getwndtlt::kCaptureTimer, 0);
            EXPECT_EQ(WindowText(GetDlgItem(CurrentPage(wizard.Hwnd()), IDC_CAPTURED_TITLES)),
                      "Gamma one\r\nGamma two\r\nGamma three\r\n");
        });
    EXPECT_EQ(m_wizardRuns, 1);
    EXPECT_EQ(m_main.Players()->GetPlayerCount(), 3);
}

} // namespace
