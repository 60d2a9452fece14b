#include "wizard/Ci_wiz_selwnd.h"

#include <mbstring.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "framework/Dpi.h"
#include "framework/Guards.h"
#include "framework/MessageBox.h"
#include "framework/ResString.h"
#include "platform/DpiScale.h"
#include "res/resource.h"
#include "wizard/Ci_wizard.h"
#include "wizard/ColumnWidths.h"
#include "wizard/EnumWnd.h"
#include "wizard/TitleEntries.h"

namespace {

// Error records name the reporting module.
constexpr const char* kModule = "Ci_wiz_selwnd";

constexpr int kTextChars = 32766;
constexpr UINT_PTR kFilterSubclassId = 0x51F2;
// How long a window may take to give its icon: one that does not answer costs no more.
constexpr UINT kIconTimeoutMs = 50;
constexpr int kSmallIcon = 16; // at 96 DPI

bool CaseInsensitiveLess(const std::string& a, const std::string& b)
{
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a.c_str()),
                    reinterpret_cast<const unsigned char*>(b.c_str())) < 0;
}

// The system's lower case of every byte that stands alone in the ANSI code page.
const CaseFold& AnsiCaseFold()
{
    static const CaseFold fold = [] {
        CaseFold table{};
        for (std::size_t i = 0; i < table.size(); ++i) {
            char byte = static_cast<char>(i);
            if (i != 0 && !AnsiCodePage().IsLeadByte(static_cast<unsigned char>(i)))
                CharLowerBuffA(&byte, 1);
            table[i] = static_cast<unsigned char>(byte);
        }
        return table;
    }();
    return fold;
}

std::string WindowText(HWND hwnd)
{
    std::string text(static_cast<std::size_t>(std::max(GetWindowTextLengthA(hwnd), 0)) + 1, '\0');
    text.resize(static_cast<std::size_t>(std::max(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size())), 0)));
    return text;
}

std::string ClassOf(HWND hwnd)
{
    char name[260] = {};
    const int n = GetClassNameA(hwnd, name, sizeof name);
    return std::string(name, static_cast<std::size_t>(std::max(n, 0)));
}

// The executable's file name, empty when the process cannot be opened.
std::string ProgramOfProcess(DWORD processId)
{
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return {};
    std::string path;
    for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
        path.assign(size, '\0');
        DWORD length = size;
        if (QueryFullProcessImageNameA(process, 0, path.data(), &length)) {
            path.resize(length);
            break;
        }
        path.clear();
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            break;
    }
    CloseHandle(process);
    return ProgramFileName(path, AnsiCodePage());
}

// Gathers the rows' programs and pictures during one refresh: a process is opened once,
// a class's icon is looked up once, an icon is added to the image list once, and a thread that let one window's question
// time out is not asked for the icons of its other windows.
class RowFacts {
public:
    explicit RowFacts(UINT dpi)
        : m_size(ScaleForDpi(kSmallIcon, dpi)),
          m_images(ImageList_Create(m_size, m_size, ILC_COLOR32 | ILC_MASK, 16, 16))
    {
        const auto fallback = static_cast<HICON>(LoadImageA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION),
                                                            IMAGE_ICON, m_size, m_size, LR_SHARED));
        if (m_images)
            ImageList_ReplaceIcon(m_images, -1, fallback);
    }
    ~RowFacts()
    {
        if (m_images)
            ImageList_Destroy(m_images);
    }
    RowFacts(const RowFacts&) = delete;
    RowFacts& operator=(const RowFacts&) = delete;

    // The list takes the image list over.
    HIMAGELIST Release() { return std::exchange(m_images, nullptr); }

    const std::string& Program(DWORD processId)
    {
        const auto found = m_programs.find(processId);
        if (found != m_programs.end())
            return found->second;
        return m_programs.emplace(processId, ProgramOfProcess(processId)).first->second;
    }

    int Icon(HWND hwnd, DWORD threadId, DWORD processId, const std::string& wndClass)
    {
        HICON icon = nullptr;
        if (!m_silentThreads.contains(threadId)) {
            DWORD_PTR answer = 0;
            if (SendMessageTimeoutA(hwnd, WM_GETICON, ICON_SMALL2, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kIconTimeoutMs,
                                    &answer))
                icon = reinterpret_cast<HICON>(answer);
            else
                m_silentThreads.insert(threadId);
        }
        if (!icon)
            icon = ClassIcon(hwnd, processId, wndClass);
        if (!icon || !m_images)
            return 0;
        const auto known = m_icons.find(icon);
        if (known != m_icons.end())
            return known->second;
        const int index = std::max(ImageList_ReplaceIcon(m_images, -1, icon), 0);
        m_icons.emplace(icon, index);
        return index;
    }

private:
    // The windows of one class of one program share its icon: asked once.
    HICON ClassIcon(HWND hwnd, DWORD processId, const std::string& wndClass)
    {
        const auto key = std::make_pair(processId, wndClass);
        if (const auto known = m_classIcons.find(key); known != m_classIcons.end())
            return known->second;
        auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICONSM));
        if (!icon)
            icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICON));
        m_classIcons.emplace(key, icon);
        return icon;
    }

    int m_size;
    HIMAGELIST m_images;
    std::map<std::pair<DWORD, std::string>, HICON> m_classIcons;
    std::map<DWORD, std::string> m_programs;
    std::map<HICON, int> m_icons;
    std::set<DWORD> m_silentThreads;
};

} // namespace

CCi_wiz_selwnd::CCi_wiz_selwnd(CCi_wizard* wizard)
    : PropertyPage(IDD_CI_WIZ_SELWND, wizard->m_bEditMode ? IDS_CAPTION_EDIT_STEP1 : IDS_CAPTION_ADD_STEP1,
                   wizard->m_bEditMode ? IDS_STEP1_TITLE_EDIT : IDS_STEP1_TITLE_ADD,
                   wizard->m_bEditMode ? IDS_STEP1_SUBTITLE_EDIT : IDS_STEP1_SUBTITLE_ADD),
      m_pWizard(wizard)
{
}

CCi_wiz_selwnd::~CCi_wiz_selwnd()
{
    if (m_editFilter.Hwnd() && IsWindow(m_editFilter.Hwnd()))
        RemoveWindowSubclass(m_editFilter.Hwnd(), FilterProc, kFilterSubclassId);
}

BOOL CCi_wiz_selwnd::OnInitDialog()
{
    m_listWindows.Attach(Hwnd(), IDC_WINDOW_LIST);
    m_checkShowInvisible.Attach(Hwnd(), IDC_SHOW_INVISIBLE);
    m_staticInstructions.Attach(Hwnd(), IDC_STEP1_INSTRUCTIONS);
    m_editFilter.Attach(Hwnd(), IDC_WINDOW_FILTER);
    m_staticFinderTitle.Attach(Hwnd(), IDC_FINDER_TITLE);
    m_staticFinderClass.Attach(Hwnd(), IDC_FINDER_CLASS);
    m_checkShowInvisible.SetCheck(m_pWizard->m_bShowInvisible);

    const std::string cue = LoadResString(IDS_FILTER_CUE);
    std::wstring wideCue(cue.size() + 1, L'\0');
    wideCue.resize(static_cast<std::size_t>(std::max(
        MultiByteToWideChar(CP_ACP, 0, cue.c_str(), -1, wideCue.data(), static_cast<int>(wideCue.size())) - 1, 0)));
    SendMessageW(m_editFilter.Hwnd(), EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(wideCue.c_str()));
    SetWindowSubclass(m_editFilter.Hwnd(), FilterProc, kFilterSubclassId, reinterpret_cast<DWORD_PTR>(this));

    m_finder.Attach(Hwnd(), IDC_FINDER,
                    {[this](HWND root) { return FinderTake(root); }, [this](HWND target) { FinderHover(target); },
                     [this](HWND target) {
                         if (target)
                             SelectWindowRow(target);
                     }});
    LoadPictures();
    FinderHover(nullptr);

    // Room for the vertical scroll bar that many windows bring, so that no horizontal one comes with it.
    const std::vector<int> widths =
        SharedColumnWidths(m_listWindows.ClientWidth(), VerticalScrollBarWidth(Dpi()), {2, 1, 1});
    const UINT headings[] = {IDS_COL_WINDOW_TITLE, IDS_COL_WINDOW_CLASS, IDS_COL_PROGRAM};
    const char* failures[] = {"InsertColumn(0)", "InsertColumn(1)", "InsertColumn(2)"};
    for (int i = 0; i < 3; ++i) {
        if (m_listWindows.InsertColumn(i, LoadResString(headings[i]), widths[static_cast<std::size_t>(i)]) == -1) {
            m_pWizard->ReportError(failures[i], "", GetLastError(), kModule, __LINE__);
            return TRUE;
        }
    }
    m_listWindows.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_nSortColumn = 0;
    return TRUE;
}

void CCi_wiz_selwnd::LoadPictures()
{
    m_finder.SetPictures(LoadBitmapForDpi(IDB_FINDER, Dpi()), LoadBitmapForDpi(IDB_FINDER_EMPTY, Dpi()));
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
    RecordWindows();
    ShowRows(nullptr);
    SortList();
    UpdateButtons();
}

void CCi_wiz_selwnd::RecordWindows()
{
    m_arrWindows.clear();
    const DWORD ownProcess = GetCurrentProcessId();
    RowFacts facts(Dpi());
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
        const DWORD threadId = GetWindowThreadProcessId(hwnd, &processId);
        if (processId == ownProcess || IsExcludedWindowClass(info.wndClass))
            continue;
        info.visible = IsWindowVisible(hwnd) != FALSE;
        info.hwnd = reinterpret_cast<std::uintptr_t>(hwnd);
        // Hidden rows are seldom shown: their facts wait for a refresh that shows them.
        if (info.visible || m_pWizard->m_bShowInvisible) {
            info.program = facts.Program(processId);
            info.icon = facts.Icon(hwnd, threadId, processId, info.wndClass);
        }
        m_arrWindows.push_back(std::move(info));
    }
    if (const HIMAGELIST old = ListView_SetImageList(m_listWindows.Hwnd(), facts.Release(), LVSIL_SMALL))
        ImageList_Destroy(old);
}

void CCi_wiz_selwnd::ShowRows(HWND keep)
{
    RedrawOff quiet(m_listWindows.Hwnd());
    m_listWindows.DeleteAllItems();
    const std::string filter = m_editFilter.GetText();
    m_strShownFilter = filter;
    const CPlayerInfo& player = *m_pWizard->m_pPlayerInfo;
    for (const stWndInfo& info : m_arrWindows) {
        if (!info.visible && !m_pWizard->m_bShowInvisible)
            continue;
        if (!MatchesFilter(info, filter, AnsiCaseFold(), AnsiCodePage()))
            continue;
        const int row = m_listWindows.InsertItem(m_listWindows.GetItemCount(), info.title, info.icon);
        if (row < 0)
            continue;
        m_listWindows.SetItemText(row, 1, info.wndClass);
        m_listWindows.SetItemText(row, 2, info.program);
        m_listWindows.SetItemData(row, static_cast<LPARAM>(info.hwnd));
        const bool marked = keep ? reinterpret_cast<HWND>(info.hwnd) == keep
                                 : m_pWizard->m_bEditMode && info.wndClass == player.m_strWndClass;
        if (marked) {
            m_listWindows.SetSelectionMark(row);
            m_listWindows.EnsureVisible(row);
        }
    }
}

void CCi_wiz_selwnd::ApplyFilter()
{
    const std::string filter = m_editFilter.GetText();
    if (!ContainsIgnoringCase(filter, m_strShownFilter, AnsiCaseFold(), AnsiCodePage())) {
        ShowRows(SelectedWindow());
        SortList(false);
        UpdateButtons();
        return;
    }
    // A longer text keeps fewer of the rows shown, in their order: only those that no
    // longer match go, which keeps typing quick in a long list.
    std::map<std::uintptr_t, const stWndInfo*> byWindow;
    for (const stWndInfo& info : m_arrWindows)
        byWindow.emplace(info.hwnd, &info);
    {
        RedrawOff quiet(m_listWindows.Hwnd());
        for (int row = m_listWindows.GetItemCount() - 1; row >= 0; --row) {
            const auto found = byWindow.find(static_cast<std::uintptr_t>(m_listWindows.GetItemData(row)));
            if (found == byWindow.end() || !MatchesFilter(*found->second, filter, AnsiCaseFold(), AnsiCodePage()))
                m_listWindows.DeleteItem(row);
        }
    }
    m_strShownFilter = filter;
    if (m_listWindows.GetItemCount() > 0 && m_listWindows.GetSelectedItem() < 0)
        m_listWindows.Choose(0);
    UpdateButtons();
}

void CCi_wiz_selwnd::SortList(bool focus)
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
    if (focus && !SetFocus(m_listWindows.Hwnd()) && GetLastError() != 0) {
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

HWND CCi_wiz_selwnd::SelectedWindow() const
{
    const int row = m_listWindows.GetSelectedItem();
    return row >= 0 ? reinterpret_cast<HWND>(m_listWindows.GetItemData(row)) : nullptr;
}

void CCi_wiz_selwnd::OnRefreshClicked()
{
    m_pWizard->m_pPlayerInfo->m_strWndClass = SelectedClass();
    m_pWizard->m_bShowInvisible = m_checkShowInvisible.IsChecked();
    Refresh();
}

HWND CCi_wiz_selwnd::FinderTake(HWND root) const
{
    stPointedWindow pointed;
    pointed.hwnd = reinterpret_cast<std::uintptr_t>(root);
    GetWindowThreadProcessId(root, &pointed.processId);
    pointed.wndClass = ClassOf(root);
    return FinderTakes(pointed, reinterpret_cast<std::uintptr_t>(GetDesktopWindow()), GetCurrentProcessId()) ? root
                                                                                                             : nullptr;
}

void CCi_wiz_selwnd::FinderHover(HWND target) const
{
    const auto show = [](const Static& line, const std::string& text) {
        if (line.GetText() == text)
            return; // no flicker while the cursor moves over one window
        line.SetText(text);
        // Painted now: the drag holds the mouse, not the page's painting.
        UpdateWindow(line.Hwnd());
    };
    show(m_staticFinderTitle, target ? WindowText(target) : LoadResString(IDS_FINDER_HINT));
    show(m_staticFinderClass, target ? ClassOf(target) : std::string());
}

void CCi_wiz_selwnd::SelectWindowRow(HWND target)
{
    const auto recorded = [this, target]() -> const stWndInfo* {
        for (const stWndInfo& info : m_arrWindows)
            if (reinterpret_cast<HWND>(info.hwnd) == target)
                return &info;
        return nullptr;
    };
    const stWndInfo* info = recorded();
    if (!info || (!info->visible && !m_pWizard->m_bShowInvisible)) {
        Refresh();
        info = recorded();
    }
    if (!info)
        return; // a window the list never shows, such as one without a title
    // The user pointed at the window: a filter that hides it gives way.
    if (m_listWindows.FindData(static_cast<LPARAM>(info->hwnd)) < 0 && !m_editFilter.GetText().empty())
        m_editFilter.SetText("");
    const int row = m_listWindows.FindData(static_cast<LPARAM>(info->hwnd));
    if (row < 0)
        return;
    m_listWindows.Focus();
    m_listWindows.Choose(row);
    UpdateButtons();
}

void CCi_wiz_selwnd::OnFilterEnter()
{
    if (m_listWindows.GetItemCount() == 1 && OnWizardNext() != -1)
        GoToNextPage();
}

LRESULT CALLBACK CCi_wiz_selwnd::FilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self)
{
    auto* page = reinterpret_cast<CCi_wiz_selwnd*>(self);
    switch (message) {
    case WM_GETDLGCODE:
        // Enter is the box's own: with one row left it moves on, otherwise it does nothing.
        if (const auto* keys = reinterpret_cast<const MSG*>(lParam);
            keys && keys->message == WM_KEYDOWN && keys->wParam == VK_RETURN)
            return DefSubclassProc(hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
        break;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            page->OnFilterEnter();
            return 0;
        }
        if (wParam == VK_DOWN && page->m_listWindows.GetItemCount() > 0) {
            page->m_listWindows.Focus();
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == '\r')
            return 0; // no beep
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, FilterProc, kFilterSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CCi_wiz_selwnd::OnWizardNext()
{
    // A double-click beside the rows reaches here with no row selected to take the class
    // from; listed rows always have a class.
    const std::string wndClass = SelectedClass();
    if (wndClass.empty())
        return -1;
    const int row = m_listWindows.GetSelectedItem();
    CPlayerInfo& player = *m_pWizard->m_pPlayerInfo;
    player.m_strWndClass = wndClass;
    player.RemoveAllFormats();

    EnumWnd windows;
    if (windows.Enumerate(GetCurrentProcessId(), player.m_strWndClass, !m_pWizard->m_bShowInvisible, false) == 0) {
        ErrorBox(LoadResString(IDS_WINDOW_NOT_FOUND), Sheet());
        return -1;
    }
    player.m_arrFormats.push_back(MakeTitleEntry(windows.Title(0)));
    m_pWizard->m_strWndProgram = m_listWindows.GetItemText(row, 2);
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
    if (id == IDC_WINDOW_FILTER && code == EN_CHANGE) {
        ApplyFilter();
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
    LoadPictures();
    // The icons are drawn again at the new size; the chosen row stays chosen.
    const HWND keep = SelectedWindow();
    RecordWindows();
    ShowRows(keep);
    SortList(false);
    UpdateButtons();
}
