#pragma once
// Step 1 of the wizard: the user points at the player's window among the top-level
// windows; the player keeps its class and the first title of a window of that class.

#include <string>

#include "framework/Controls.h"
#include "framework/PropertyPage.h"
#include "wizard/EnumWindows.h"

class CCi_wizard;

// One row of the window list.
struct stWndInfo {
    std::string wndClass;
    std::string title;
    bool visible = false;
};

class CCi_wiz_selwnd : public PropertyPage {
public:
    explicit CCi_wiz_selwnd(CCi_wizard* wizard);

    void Refresh();
    void SortList();

    int m_nSortColumn = 0; // 0 title, 1 class

protected:
    BOOL OnInitDialog() override;
    bool OnSetActive() override;
    LRESULT OnWizardNext() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void OnDpiChanged(UINT oldDpi, UINT newDpi) override;

private:
    void FillList();
    void UpdateButtons() const;
    std::string SelectedClass() const;
    void OnRefreshClicked();

    CCi_wizard* m_pWizard;
    CEnumWindows m_enumWindows;
    ListView m_listWindows;
    Button m_checkShowInvisible;
    Static m_staticInstructions;
};
