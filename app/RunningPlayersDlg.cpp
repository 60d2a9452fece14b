#include "app/RunningPlayersDlg.h"

#include "framework/Dpi.h"
#include "framework/ErrorReport.h"
#include "framework/ResString.h"
#include "res/resource.h"

namespace {

// Error records name the reporting module.
constexpr const char* kModule = "RunningPlayersDlg";

struct stColumn {
    UINT heading;
    int percent; // of the list's width
};
constexpr stColumn kColumns[] = {{IDS_COL_PLAYER, 12},   {IDS_COL_WINDOW_CLASS, 13},  {IDS_COL_TITLE, 26},
                                 {IDS_COL_READ_BY, 9},  {IDS_COL_TEMPLATE_TEXT, 19}, {IDS_COL_TAGS, 21}};

} // namespace

CRunningPlayersDlg::CRunningPlayersDlg(const CAllPlayersInfo& players)
    : Dialog(IDD_RUNNING_PLAYERS), m_view(players)
{
}

BOOL CRunningPlayersDlg::OnInitDialog()
{
    m_listWindows.Attach(Hwnd(), IDC_RUNNING_LIST);
    m_checkShowAll.Attach(Hwnd(), IDC_SHOW_ALL_WINDOWS);
    m_buttonTeach.Attach(Hwnd(), IDC_TEACH);
    m_strUnrecognized = LoadResString(IDS_UNRECOGNIZED);

    m_listWindows.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    // Room for the vertical scroll bar, so that many windows bring no horizontal one.
    const int width = m_listWindows.ClientWidth() - VerticalScrollBarWidth(Dpi());
    int column = 0;
    for (const stColumn& c : kColumns)
        if (m_listWindows.InsertColumn(column++, LoadResString(c.heading), width * c.percent / 100) == -1) {
            stErrorInfo error;
            ErrorInfo_Set(&error, ErrorKind_System, GetLastError(), "InsertColumn", "", kModule, __LINE__);
            ShowErrorInfo(&error, Hwnd());
            break;
        }
    Tick();
    if (m_listWindows.GetItemCount() > 0)
        m_listWindows.Choose(0);
    UpdateTeachButton();
    if (!SetTimer(Hwnd(), kTickTimer, kTickInterval, nullptr)) {
        stErrorInfo error;
        ErrorInfo_Set(&error, ErrorKind_System, GetLastError(), "SetTimer", "", kModule, __LINE__);
        ShowErrorInfo(&error, Hwnd());
    }
    return TRUE;
}

void CRunningPlayersDlg::OnDestroy()
{
    KillTimer(Hwnd(), kTickTimer);
}

void CRunningPlayersDlg::OnTimer(UINT_PTR id)
{
    if (id == kTickTimer)
        Tick();
}

void CRunningPlayersDlg::Tick()
{
    const bool showAll = m_checkShowAll.IsChecked();
    if (const auto classes = m_view.WantedClasses(showAll))
        m_windows.EnumerateClasses(GetCurrentProcessId(), *classes);
    else
        m_windows.EnumerateAll(GetCurrentProcessId());
    std::vector<stDesktopWindow> windows;
    windows.reserve(m_windows.Windows().size());
    for (int i = 0; i < m_windows.Count(); ++i)
        windows.push_back({reinterpret_cast<std::uintptr_t>(m_windows.Windows()[static_cast<std::size_t>(i)]),
                           m_windows.Classes()[static_cast<std::size_t>(i)], m_windows.Title(i)});
    const CRunningPlayers::stChanges changes = m_view.Update(windows, showAll);
    if (changes.removed.empty() && changes.changed.empty() && changes.added == 0)
        return;
    // Row by row: the list keeps its selection and scroll position.
    for (const int row : changes.removed)
        m_listWindows.DeleteItem(row);
    for (const int row : changes.changed)
        ShowRow(row, false);
    const int rows = static_cast<int>(m_view.Rows().size());
    for (int row = rows - changes.added; row < rows; ++row)
        ShowRow(row, true);
    UpdateTeachButton();
}

void CRunningPlayersDlg::ShowRow(int row, bool insert)
{
    const std::vector<std::string> texts = m_view.RowTexts(row, m_strUnrecognized);
    if (insert && m_listWindows.InsertItem(row, texts[0]) == -1)
        return;
    for (std::size_t column = insert ? 1 : 0; column < texts.size(); ++column)
        m_listWindows.SetItemText(row, static_cast<int>(column), texts[column]);
}

void CRunningPlayersDlg::UpdateTeachButton()
{
    const int row = m_listWindows.GetSelectedItem();
    const bool hasPlayer = row >= 0 && row < static_cast<int>(m_view.Rows().size()) &&
                           m_view.Rows()[static_cast<std::size_t>(row)].reading.player >= 0;
    const std::string text = LoadResString(row >= 0 && !hasPlayer ? IDS_ADD_PLAYER : IDS_TEACH);
    if (m_buttonTeach.GetText() != text)
        m_buttonTeach.SetText(text);
    m_buttonTeach.Enable(row >= 0);
}

bool CRunningPlayersDlg::OnCommand(int id, int code)
{
    if (id == IDC_SHOW_ALL_WINDOWS && code == BN_CLICKED) {
        Tick();
        return true;
    }
    if (id == IDC_TEACH && code == BN_CLICKED) {
        OnTeach();
        return true;
    }
    return false;
}

bool CRunningPlayersDlg::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->idFrom != IDC_RUNNING_LIST)
        return false;
    if (header->code == LVN_ITEMCHANGED)
        UpdateTeachButton();
    else if (header->code == NM_DBLCLK)
        OnTeach();
    return false;
}

void CRunningPlayersDlg::OnTeach()
{
    const int row = m_listWindows.GetSelectedItem();
    if (row < 0 || row >= static_cast<int>(m_view.Rows().size()))
        return;
    const CRunningPlayers::stRow& chosen = m_view.Rows()[static_cast<std::size_t>(row)];
    m_request.player = chosen.reading.player;
    m_request.wndClass = chosen.wndClass;
    m_request.titles = m_request.player >= 0 ? m_view.SeenTitles(m_request.player)
                                             : m_view.SeenTitlesOfClass(chosen.wndClass);
    EndDialog(IDOK);
}
