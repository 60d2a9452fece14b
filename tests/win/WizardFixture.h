#pragma once
// A wizard sheet opened on an empty player, for the tests that drive it page by page.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "HostFixture.h"
#include "ListViewSupport.h"
#include "MessageBoxRecorder.h"
#include "WizardSupport.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "wizard/Ci_wizard.h"

class WizardFixture : public testing::Test {
protected:
    void TearDown() override { m_wizard.reset(); }

    void Open(bool editMode)
    {
        m_wizard = std::make_unique<CCi_wizard>(editMode);
        m_wizard->m_pPlayerInfo = &m_player;
        m_wizard->m_pAllPlayersInfo = &m_players;
        ASSERT_NE(m_wizard->Create(nullptr), nullptr);
        PumpMessages();
    }

    HWND Sheet() const { return m_wizard->Hwnd(); }
    HWND Page() const { return CurrentPage(Sheet()); }
    HWND Item(int id) const { return GetDlgItem(Page(), id); }
    int PageIndex() const
    {
        return static_cast<int>(SendMessageA(Sheet(), PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(Page()), 0));
    }

    // Step 1's window list: title, class and program.
    std::string RowText(int row, int column) const { return CellText(Item(IDC_WINDOW_LIST), row, column); }
    int SelectedRow() const { return ListView_GetNextItem(Item(IDC_WINDOW_LIST), -1, LVNI_SELECTED); }
    int RowOfClass(const std::string& windowClass) const { return RowWith(Item(IDC_WINDOW_LIST), 1, windowClass); }
    void SelectRow(int row) const { ::SelectRow(Item(IDC_WINDOW_LIST), row); }

    CPlayerInfo m_player;
    CAllPlayersInfo m_players;
    std::unique_ptr<CCi_wizard> m_wizard;
    MessageBoxRecorder m_boxes;
};
