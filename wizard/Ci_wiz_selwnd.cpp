#include "wizard/Ci_wiz_selwnd.h"

#include <mbstring.h>

#include <algorithm>
#include <vector>

#include "framework/Dpi.h"
#include "framework/Guards.h"
#include "framework/MessageBox.h"
#include "framework/ResString.h"
#include "platform/DpiScale.h"
#include "res/resource.h"
#include "wizard/Ci_wizard.h"
#include "wizard/EnumWnd.h"
#include "wizard/TitleEntries.h"
#include "wizard/WindowFilter.h"

namespace {

// Error records name the reporting module.
constexpr const char* kModule = "Ci_wiz_selwnd";

constexpr int kTextChars = 32766;

bool CaseInsensitiveLess(const std::string& a, const std::string& b)
{
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a.c_str()),
                    reinterpret_cast<const unsigned char*>(b.c_str())) < 0;
}

} // namespace

CCi_wiz_selwnd::CCi_wiz_selwnd(CCi_wizard* wizard)
    : PropertyPage(IDD_CI_WIZ_SELWND, wizard->m_bEditMode ? IDS_CAPTION_EDIT_STEP1 : IDS_CAPTION_ADD_STEP1,
                   wizard->m_bEditMode ? IDS_STEP1_TITLE_EDIT : IDS_STEP1_TITLE_ADD,
                   wizard->m_bEditMode ? IDS_STEP1_SUBTITLE_EDIT : IDS_STEP1_SUBTITLE_ADD),
      m_pWizard(wizard)
{
}

BOOL CCi_wiz_selwnd::OnInitDialog()
{
    m_listWindows.Attach(Hwnd(), IDC_WINDOW_LIST);
    m_checkShowInvisible.Attach(Hwnd(), IDC_SHOW_INVISIBLE);
    m_staticInstructions.Attach(Hwnd(), IDC_STEP1_INSTRUCTIONS);
    m_checkShowInvisible.SetCheck(m_pWizard->m_bShowInvisible);

    // Room for the vertical scroll bar that many windows bring, so that no horizontal one comes with it.
    const int width = m_listWindows.ClientWidth() - VerticalScrollBarWidth(Dpi());
    if (m_listWindows.InsertColumn(0, LoadResString(IDS_COL_WINDOW_TITLE), 2 * width / 3) == -1) {
        m_pWizard->ReportError("InsertColumn(0)", "", GetLastError(), kModule, __LINE__);
        return TRUE;
    }
    if (m_listWindows.InsertColumn(1, LoadResString(IDS_COL_WINDOW_CLASS), width / 3 - ScaleForDpi(4, Dpi())) == -1) {
        m_pWizard->ReportError("InsertColumn(1)", "", GetLastError(), kModule, __LINE__);
        return TRUE;
    }
    m_listWindows.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_nSortColumn = 0;
    return TRUE;
}

bool CCi_wiz_selwnd::OnSetActive()
{
    if (m_pWizard->m_bEditMode)
        m_staticInstructions.SetText(FormatResText(IDS_STEP1_INSTRUCTIONS_EDIT,
                                                   ShortPlayerName(m_pWizard->m_OrigPlayerInfo.GetName()).c_str()));
    else
        m_staticInstructions.SetText(LoadResString(IDS_STEP1_INSTRUCTIONS_ADD));
    SetWizardButtons(PSWIZB_NEXT);
    Refresh();
    return true;
}

void CCi_wiz_selwnd::Refresh()
{
    WaitCursor wait;
    if (!m_enumWindows.Enumerate()) {
        m_pWizard->ReportError("EnumWindows", "", GetLastError(), kModule, __LINE__);
        return;
    }
    FillList();
    SortList();
    UpdateButtons();
}

void CCi_wiz_selwnd::FillList()
{
    RedrawOff quiet(m_listWindows.Hwnd());
    m_listWindows.DeleteAllItems();
    const DWORD ownProcess = GetCurrentProcessId();
    CPlayerInfo& player = *m_pWizard->m_pPlayerInfo;

    std::vector<stWndInfo> windows;
    std::string text(kTextChars + 1, '\0');
    for (HWND hwnd : m_enumWindows.Windows()) {
        if (!IsWindow(hwnd))
            continue;
        SetLastError(0);
        int n = GetWindowTextA(hwnd, text.data(), kTextChars + 1);
        if (n <= 0) {
            if (const DWORD code = GetLastError())
                m_pWizard->ReportError("GetWindowText", FormatText("%X", static_cast<unsigned>(
                                                                             reinterpret_cast<UINT_PTR>(hwnd))),
                                       code, kModule, __LINE__);
            continue;
        }
        stWndInfo info;
        info.title.assign(text.data(), static_cast<std::size_t>(n));
        n = GetClassNameA(hwnd, text.data(), kTextChars + 1);
        if (n <= 0) {
            m_pWizard->ReportError("GetClassName", "", GetLastError(), kModule, __LINE__);
            continue;
        }
        info.wndClass.assign(text.data(), static_cast<std::size_t>(n));
        DWORD processId = 0;
        GetWindowThreadProcessId(hwnd, &processId);
        if (processId == ownProcess || IsExcludedWindowClass(info.wndClass))
            continue;
        info.visible = IsWindowVisible(hwnd) != FALSE;
        windows.push_back(info);

        if (!info.visible && !m_pWizard->m_bShowInvisible)
            continue;
        const int row = m_listWindows.InsertItem(m_listWindows.GetItemCount(), info.title);
        if (row < 0)
            continue;
        m_listWindows.SetItemText(row, 1, info.wndClass);
        if (m_pWizard->m_bEditMode && info.wndClass == player.m_strWndClass) {
            m_listWindows.SetSelectionMark(row);
            m_listWindows.EnsureVisible(row);
        }
    }
}

void CCi_wiz_selwnd::SortList()
{
    const int remembered = m_listWindows.GetSelectionMark();
    std::vector<int> before;
    {
        RedrawOff quiet(m_listWindows.Hwnd());
        before = m_listWindows.SortByText(m_nSortColumn, CaseInsensitiveLess);
    }
    if (before.empty())
        return;
    SetLastError(0);
    if (!SetFocus(m_listWindows.Hwnd()) && GetLastError() != 0) {
        m_pWizard->ReportError("SetFocus", "", GetLastError(), kModule, __LINE__);
        return;
    }
    const auto found = std::find(before.begin(), before.end(), remembered);
    const int selected = found == before.end() ? 0 : static_cast<int>(found - before.begin());
    m_listWindows.Choose(selected);
}

void CCi_wiz_selwnd::UpdateButtons() const
{
    const bool chosen = m_listWindows.GetItemCount() > 0 && m_listWindows.GetSelectedItem() >= 0;
    SetWizardButtons(chosen ? PSWIZB_NEXT : 0);
}

std::string CCi_wiz_selwnd::SelectedClass() const
{
    // Only a selected row counts: a click beside the rows clears the selection, not the mark.
    const int row = m_listWindows.GetSelectedItem();
    return row >= 0 && row < m_listWindows.GetItemCount() ? m_listWindows.GetItemText(row, 1) : std::string();
}

void CCi_wiz_selwnd::OnRefreshClicked()
{
    m_pWizard->m_pPlayerInfo->m_strWndClass = SelectedClass();
    m_pWizard->m_bShowInvisible = m_checkShowInvisible.IsChecked();
    Refresh();
}

LRESULT CCi_wiz_selwnd::OnWizardNext()
{
    // A double-click beside the rows reaches here with no row selected to take the class
    // from; listed rows always have a class.
    const std::string wndClass = SelectedClass();
    if (wndClass.empty())
        return -1;
    CPlayerInfo& player = *m_pWizard->m_pPlayerInfo;
    player.m_strWndClass = wndClass;
    player.RemoveAllFormats();

    EnumWnd windows;
    if (windows.Enumerate(GetCurrentProcessId(), player.m_strWndClass, !m_pWizard->m_bShowInvisible, false) == 0) {
        ErrorBox(LoadResString(IDS_WINDOW_NOT_FOUND), Sheet());
        return -1;
    }
    player.m_arrFormats.push_back(MakeTitleEntry(windows.Title(0)));
    m_pWizard->m_bResetTemplates = !m_pWizard->m_bEditMode;
    m_pWizard->m_bReloadTitles = true;
    return 0;
}

bool CCi_wiz_selwnd::OnCommand(int id, int code)
{
    if ((id == IDC_REFRESH || id == IDC_SHOW_INVISIBLE) && code == BN_CLICKED) {
        OnRefreshClicked();
        return true;
    }
    return false;
}

bool CCi_wiz_selwnd::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->idFrom != IDC_WINDOW_LIST)
        return PropertyPage::OnNotify(header, result);
    switch (header->code) {
    case LVN_COLUMNCLICK:
        m_nSortColumn = reinterpret_cast<NMLISTVIEW*>(header)->iSubItem;
        SortList();
        UpdateButtons();
        return true;
    case LVN_ITEMCHANGED:
        m_listWindows.MarkNewSelection(header);
        if (reinterpret_cast<NMLISTVIEW*>(header)->uChanged & LVIF_STATE)
            UpdateButtons();
        return false;
    case NM_DBLCLK:
        if (OnWizardNext() != -1)
            GoToNextPage();
        return true;
    default:
        return false;
    }
}

void CCi_wiz_selwnd::OnDpiChanged(UINT oldDpi, UINT newDpi)
{
    m_listWindows.RescaleColumns(oldDpi, newDpi);
}
