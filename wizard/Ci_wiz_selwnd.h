#pragma once
// Step 1 of the wizard: the user points at the player's window among the top-level
// windows, by choosing its row, by dragging the finder onto it or by filtering the list;
// the player keeps its class and the first title of a window of that class.

#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/PropertyPage.h"
#include "framework/WindowFinder.h"
#include "wizard/EnumWindows.h"
#include "wizard/WindowFilter.h"

class CCi_wizard;

class CCi_wiz_selwnd : public PropertyPage {
public:
    explicit CCi_wiz_selwnd(CCi_wizard* wizard);
    ~CCi_wiz_selwnd() override;

    void Refresh();
    // With the list's keyboard focus, as after a refresh or a column click; a change of the
    // filter leaves the focus in the box being typed into.
    void SortList(bool focus = true);

    // The windows the last refresh recorded, shown or not.
    const std::vector<stWndInfo>& Windows() const { return m_arrWindows; }
    WindowFinder& Finder() { return m_finder; }

    int m_nSortColumn = 0; // 0 title, 1 class, 2 program

protected:
    BOOL OnInitDialog() override;
    bool OnSetActive() override;
    LRESULT OnWizardNext() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void OnDpiChanged(UINT oldDpi, UINT newDpi) override;

private:
    void RecordWindows();
    // Lists the recorded rows that the filter keeps; the row of `keep`, or without it in
    // edit mode the player's, gets the selection mark.
    void ShowRows(HWND keep);
    void ApplyFilter();
    void UpdateButtons() const;
    std::string SelectedClass() const;
    HWND SelectedWindow() const;
    void OnRefreshClicked();
    void LoadPictures();

    HWND FinderTake(HWND root) const;
    void FinderHover(HWND target) const;
    // Selects the window's row as a click would, refreshing first when it is not listed.
    void SelectWindowRow(HWND target);
    void OnFilterEnter();
    static LRESULT CALLBACK FilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);

    CCi_wizard* m_pWizard;
    CEnumWindows m_enumWindows;
    std::vector<stWndInfo> m_arrWindows;
    std::string m_strShownFilter; // the filter the listed rows were chosen by
    ListView m_listWindows;
    Button m_checkShowInvisible;
    Static m_staticInstructions;
    Edit m_editFilter;
    WindowFinder m_finder;
    Static m_staticFinderTitle;
    Static m_staticFinderClass;
};
