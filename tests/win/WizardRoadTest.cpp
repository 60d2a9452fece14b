// The road of a new player and of an edit, on the real dialogs: the main dialog, the
// wizard's four steps with a sample player, the Paint title dialog, and the saved file.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "HostFixture.h"
#include "ListViewSupport.h"
#include "MessageBoxRecorder.h"
#include "SamplePlayerProcess.h"
#include "WizardSupport.h"
#include "app/QuorvelExtPlrWizardDlg.h"
#include "paint/PaintTitleDlg.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "wizard/Ci_wiz_getwndtlt.h"
#include "wizard/Ci_wizard.h"

namespace {

class WizardRoad : public MainDialogOnHost {
protected:
    static void SetUpTestSuite() { LoadLibraryA("RICHED32.DLL"); }

    // Runs the main dialog's command with `drive` doing what the user does in the wizard.
    void RunWizard(int command, const std::function<void(CCi_wizard&)>& drive)
    {
        WizardSheet::SetModalRunner([&](WizardSheet& sheet, HWND parent) -> INT_PTR {
            auto& wizard = dynamic_cast<CCi_wizard&>(sheet);
            EXPECT_NE(wizard.Create(parent), nullptr);
            PumpMessages();
            drive(wizard);
            const bool finished = wizard.HasEnded() && wizard.Finished();
            wizard.Destroy();
            return finished ? CCi_wizard::kFinished : IDCANCEL;
        });
        SendMessageA(GetDlgItem(m_main.Hwnd(), command), BM_CLICK, 0, 0);
        PumpMessages();
        WizardSheet::SetModalRunner(nullptr);
    }

    static HWND Page(CCi_wizard& wizard) { return CurrentPage(wizard.Hwnd()); }
    static void Press(CCi_wizard& wizard, int button)
    {
        SendMessageA(wizard.Hwnd(), PSM_PRESSBUTTON, button, 0);
        PumpMessages();
    }
    static void ChooseWindowOfClass(CCi_wizard& wizard, const std::string& windowClass)
    {
        const HWND list = GetDlgItem(Page(wizard), IDC_WINDOW_LIST);
        const int row = RowWith(list, 1, windowClass);
        ASSERT_GE(row, 0) << windowClass << " is not listed";
        SelectRow(list, row);
    }
    // Paints the title the page offers: each (start, end, marker button) in turn, then OK.
    static void PaintWith(const std::vector<std::tuple<int, int, int>>& marks)
    {
        Dialog::SetModalRunner([marks](Dialog& dialog, HWND parent) -> INT_PTR {
            dialog.Create(parent);
            PumpMessages();
            for (const auto& [start, end, button] : marks) {
                CHARRANGE range{start, end};
                SendMessageA(GetDlgItem(dialog.Hwnd(), IDC_PAINT_TITLE), EM_EXSETSEL, 0,
                             reinterpret_cast<LPARAM>(&range));
                SendMessageA(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog.Hwnd(), button)));
                PumpMessages();
            }
            SendMessageA(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            PumpMessages();
            return dialog.Result();
        });
    }
    std::string Listed(int i) const
    {
        char name[256] = {};
        SendMessageA(GetDlgItem(m_main.Hwnd(), IDC_LIST_PLAYERS), LB_GETTEXT, i, reinterpret_cast<LPARAM>(name));
        return name;
    }
    int ListCount() const
    {
        return static_cast<int>(SendMessageA(GetDlgItem(m_main.Hwnd(), IDC_LIST_PLAYERS), LB_GETCOUNT, 0, 0));
    }

};

TEST_F(WizardRoad, ANewPlayerIsCapturedPaintedNamedAndSaved)
{
    SamplePlayerProcess player("QewRoadPlayer", "1. Artist - Song - QewAmp");
    RunWizard(IDC_ADD_TEMPLATE, [&](CCi_wizard& wizard) {
        ChooseWindowOfClass(wizard, "QewRoadPlayer");
        Press(wizard, PSBTN_NEXT);
        player.SetTitle("12. Other Artist - Other Song - QewAmp");
        wizard.GetWndTltPage().CaptureTitles();
        Press(wizard, PSBTN_NEXT);

        // The user picks the first title and paints "1" as the track, "Artist" and "Song"
        // as their tags.
        const HWND titles = GetDlgItem(Page(wizard), IDC_STEP3_TITLES);
        ListView_SetItemState(titles, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_SetSelectionMark(titles, 0);
        PaintWith({{0, 1, IDC_MARKER_TRACK}, {3, 9, IDC_MARKER_ARTIST}, {12, 16, IDC_MARKER_TITLE}});
        SendMessageA(GetDlgItem(Page(wizard), IDC_STEP3_CREATE), BM_CLICK, 0, 0);
        PumpMessages();
        Dialog::SetModalRunner(nullptr);
        EXPECT_EQ(CellText(titles, 1, 2), "Track=[12] Artist=[Other Artist] Title=[Other Song]");
        Press(wizard, PSBTN_NEXT);

        char name[64] = {};
        GetDlgItemTextA(Page(wizard), IDC_INTERNAL_NAME, name, sizeof name);
        EXPECT_STREQ(name, "QewAmp");
        Press(wizard, PSBTN_FINISH);
    });
    ASSERT_EQ(ListCount(), 4);
    EXPECT_EQ(Listed(3), "QewAmp");
    EXPECT_TRUE(m_main.IsModified());
    EXPECT_EQ(m_boxes.Count(), 0u);

    m_boxes.Answer(IDYES);
    SendMessageA(m_main.Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    PumpMessages();
    const std::string saved = ReadRules();
    EXPECT_EQ(saved.substr(0, kThreePlayers.size()), kThreePlayers);
    EXPECT_EQ(saved.substr(kThreePlayers.size()),
              "\r\n"
              "; QewAmp -=< Created using Quorvel Template Wizard >=-\r\n"
              ";\r\n"
              "[QewAmp]\r\n"
              "CLASSNAME=\"QewRoadPlayer\"\r\n"
              ";\r\n"
              "; Example: 1. Artist - Song - QewAmp\r\n"
              "FORMAT=\"<Track>. <Artist> - <Title> - QewAmp\"\r\n");
    CAllPlayersInfo reread;
    EXPECT_EQ(reread.LoadFromFile(m_rulesPath), 0);
    EXPECT_EQ(reread.GetPlayerCount(), 4);
}

TEST_F(WizardRoad, AnEditKeepsTheFileLinesOfUnchangedTemplatesAndCancelKeepsEverything)
{
    SamplePlayerProcess player("BetaWnd", "Beta: Song");
    auto walk = [&](CCi_wizard& wizard) {
        Press(wizard, PSBTN_NEXT);  // the player's window is preselected
        Press(wizard, PSBTN_NEXT);
        Press(wizard, PSBTN_NEXT);
    };
    SendMessageA(GetDlgItem(m_main.Hwnd(), IDC_LIST_PLAYERS), LB_SETCURSEL, 1, 0);
    RunWizard(IDC_EDIT_TEMPLATE, [&](CCi_wizard& wizard) {
        walk(wizard);
        Press(wizard, PSBTN_CANCEL);
    });
    EXPECT_FALSE(m_main.IsModified());

    RunWizard(IDC_EDIT_TEMPLATE, [&](CCi_wizard& wizard) {
        walk(wizard);
        SetDlgItemTextA(Page(wizard), IDC_PLAYER_NAME, "Beta Player");
        Press(wizard, PSBTN_FINISH);
    });
    EXPECT_TRUE(m_main.IsModified());
    const CPlayerInfo& edited = *m_main.Players()->GetPlayer(1);
    EXPECT_EQ(edited.GetDispName(), "Beta Player");
    ASSERT_EQ(edited.m_arrFormats.size(), 1u);
    EXPECT_EQ(edited.m_arrFormats[0]->m_strFormat, "Beta: <Title>");
    EXPECT_EQ(edited.m_arrFormats[0]->m_arrLines, (std::vector<std::string>{";", "; Example: Beta: Song"}));
    EXPECT_TRUE(edited.m_arrLeadLines.empty());
}

} // namespace
