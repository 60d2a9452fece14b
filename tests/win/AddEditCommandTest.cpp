#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "HostFixture.h"
#include "MessageBoxRecorder.h"
#include "app/QuorvelExtPlrWizardDlg.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "wizard/Ci_wizard.h"

namespace {

// The main dialog on a host with three players; the wizard's run is replaced by `finish`,
// which changes the player it is handed as a user would and says how the run ended.
class AddEditCommands : public MainDialogOnHost {
protected:
    void Run(int button, const std::function<INT_PTR(CCi_wizard&)>& finish)
    {
        WizardSheet::SetModalRunner([&](WizardSheet& sheet, HWND) { return finish(dynamic_cast<CCi_wizard&>(sheet)); });
        SendMessageA(GetDlgItem(m_main.Hwnd(), button), BM_CLICK, 0, 0);
        PumpMessages();
        WizardSheet::SetModalRunner(nullptr);
    }
    void Select(int i)
    {
        const HWND list = GetDlgItem(m_main.Hwnd(), IDC_LIST_PLAYERS);
        SendMessageA(list, LB_SETCURSEL, i, 0);
        SendMessageA(m_main.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_LIST_PLAYERS, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    std::vector<std::string> Listed() const
    {
        std::vector<std::string> names;
        const HWND list = GetDlgItem(m_main.Hwnd(), IDC_LIST_PLAYERS);
        for (int i = 0, n = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); i < n; ++i) {
            char name[256] = {};
            SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name));
            names.push_back(name);
        }
        return names;
    }
    int Selected() const
    {
        return static_cast<int>(SendMessageA(GetDlgItem(m_main.Hwnd(), IDC_LIST_PLAYERS), LB_GETCURSEL, 0, 0));
    }
    static void AddTemplate(CPlayerInfo& player, const std::string& text)
    {
        player.m_arrFormats.push_back(std::make_unique<CFormatInfo>());
        player.m_arrFormats.back()->m_strFormat = text;
    }

};

TEST_F(AddEditCommands, AFinishedAddJoinsTheEndOfTheListAndIsWrittenLast)
{
    Run(IDC_ADD_TEMPLATE, [](CCi_wizard& wizard) {
        EXPECT_FALSE(wizard.m_bEditMode);
        EXPECT_TRUE(wizard.m_FormatInfos.empty());
        wizard.m_pPlayerInfo->SetName("Delta");
        wizard.m_pPlayerInfo->SetWndClass("DeltaWnd");
        AddTemplate(*wizard.m_pPlayerInfo, "<Title> - Delta");
        return CCi_wizard::kFinished;
    });
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Alpha", "Beta", "Gamma", "Delta"}));
    EXPECT_EQ(Selected(), 3);
    EXPECT_TRUE(m_main.IsModified());
    const std::string text = m_main.Players()->BuildText();
    EXPECT_GT(text.find("[Delta]"), text.find("[Gamma]"));
    EXPECT_NE(text.find("FORMAT=\"<Title> - Delta\""), std::string::npos);
}

TEST_F(AddEditCommands, ACancelledAddLeavesTheCollectionAndTheListAsTheyWere)
{
    Select(1);
    const std::string text = m_main.Players()->BuildText();
    Run(IDC_ADD_TEMPLATE, [](CCi_wizard& wizard) {
        wizard.m_pPlayerInfo->SetName("Delta");
        wizard.m_pPlayerInfo->SetWndClass("DeltaWnd");
        AddTemplate(*wizard.m_pPlayerInfo, "<Title> - Delta");
        return static_cast<INT_PTR>(IDCANCEL);
    });
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(m_main.Players()->BuildText(), text);
    EXPECT_FALSE(m_main.IsModified());
}

TEST_F(AddEditCommands, AnEditWorksOnACopyWithTheStoredTemplates)
{
    Select(1);
    const CPlayerInfo* listed = m_main.Players()->GetPlayer(1);
    Run(IDC_EDIT_TEMPLATE, [listed](CCi_wizard& wizard) {
        EXPECT_TRUE(wizard.m_bEditMode);
        EXPECT_NE(wizard.m_pPlayerInfo, listed);
        EXPECT_EQ(wizard.m_pPlayerInfo->GetName(), "Beta");
        EXPECT_EQ(wizard.m_pAllPlayersInfo->GetPlayerCount(), 3);
        EXPECT_EQ(wizard.m_FormatInfos.size(), 1u);
        EXPECT_EQ(wizard.m_FormatInfos[0]->m_arrLines, (std::vector<std::string>{";", "; Example: Beta: Song"}));
        wizard.m_pPlayerInfo->SetName("Changed but cancelled");
        return static_cast<INT_PTR>(IDCANCEL);
    });
    EXPECT_EQ(m_main.Players()->GetPlayer(1), listed);
    EXPECT_EQ(listed->GetName(), "Beta");
    EXPECT_FALSE(m_main.IsModified());

    // Finished with only its comment lines changed: not a change.
    Run(IDC_EDIT_TEMPLATE, [](CCi_wizard& wizard) {
        wizard.m_pPlayerInfo->m_arrFormats[0]->m_arrLines = {"; other comment"};
        return CCi_wizard::kFinished;
    });
    EXPECT_EQ(m_main.Players()->GetPlayer(1), listed);
    EXPECT_FALSE(m_main.IsModified());
}

TEST_F(AddEditCommands, ARenameOrReorderReplacesThePlayerInPlace)
{
    Select(0);
    Run(IDC_EDIT_TEMPLATE, [](CCi_wizard& wizard) {
        wizard.m_pPlayerInfo->SetName("Alpha Two");
        return CCi_wizard::kFinished;
    });
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Alpha Two", "Beta", "Gamma"}));
    EXPECT_EQ(Selected(), 0);
    EXPECT_TRUE(m_main.IsModified());
    EXPECT_EQ(m_main.Players()->GetPlayer(0)->GetName(), "Alpha Two");

    Select(2);
    Run(IDC_EDIT_TEMPLATE, [](CCi_wizard& wizard) {
        AddTemplate(*wizard.m_pPlayerInfo, "<Artist> - <Title> (Gamma)");
        std::swap(wizard.m_pPlayerInfo->m_arrFormats[0], wizard.m_pPlayerInfo->m_arrFormats[1]);
        return CCi_wizard::kFinished;
    });
    ASSERT_EQ(m_main.Players()->GetPlayer(2)->m_arrFormats.size(), 2u);
    EXPECT_EQ(m_main.Players()->GetPlayer(2)->m_arrFormats[0]->m_strFormat, "<Artist> - <Title> (Gamma)");
    EXPECT_EQ(Selected(), 2);
}

} // namespace
