#include "framework/Controls.h"

#include "platform/DpiScale.h"

#include <algorithm>

void EnableControl(HWND control, bool enable)
{
    if (!enable && control && GetFocus() == control) {
        const HWND before = GetNextDlgTabItem(GetParent(control), control, TRUE);
        if (before && before != control)
            SendMessageA(GetAncestor(control, GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(before), TRUE);
    }
    EnableWindow(control, enable ? TRUE : FALSE);
}

std::string Control::GetText() const
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(m_hwnd)) + 1, '\0');
    int n = GetWindowTextA(m_hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return text;
}

void Edit::GetSel(int& start, int& end) const
{
    DWORD s = 0, e = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    start = static_cast<int>(s);
    end = static_cast<int>(e);
}

void Edit::Append(const std::string& text) const
{
    int start = 0, end = 0;
    GetSel(start, end);
    const bool follow = ShowsLastLine();
    const int first = static_cast<int>(Send(EM_GETFIRSTVISIBLELINE));
    // Replacing the empty selection at the end scrolls to it; a user who is reading
    // further up should not see the jump.
    if (!follow)
        Send(WM_SETREDRAW, FALSE);
    const int length = GetWindowTextLengthA(m_hwnd);
    SetSel(length, length);
    Send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    SetSel(start, end);
    const int lines = static_cast<int>(Send(EM_GETLINECOUNT));
    if (follow) {
        Send(EM_LINESCROLL, 0, lines);
        return;
    }
    Send(EM_LINESCROLL, 0, first - static_cast<int>(Send(EM_GETFIRSTVISIBLELINE)));
    Send(WM_SETREDRAW, TRUE);
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

bool Edit::ShowsLastLine() const
{
    // The last line is empty when the text ends with a line end; the line above it then
    // is the last one that shows anything.
    const int lines = static_cast<int>(Send(EM_GETLINECOUNT));
    int last = lines - 1;
    if (last > 0 && LineLength(LineIndex(last)) == 0)
        --last;
    const LRESULT position = Send(EM_POSFROMCHAR, LineIndex(last));
    if (position == -1)
        return true;
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int y = static_cast<short>(HIWORD(position));
    return y >= 0 && y < client.bottom;
}

std::string ListBox::GetItemText(int index) const
{
    LRESULT n = Send(LB_GETTEXTLEN, index);
    if (n == LB_ERR)
        return {};
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    n = Send(LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(n == LB_ERR ? 0 : static_cast<std::size_t>(n));
    return text;
}

int ListView::InsertColumn(int index, const std::string& heading, int width, int format) const
{
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<char*>(heading.c_str());
    column.iSubItem = index;
    return static_cast<int>(Send(LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column)));
}

int ListView::ClientWidth() const
{
    RECT rect{};
    GetClientRect(m_hwnd, &rect);
    return rect.right - rect.left;
}

int ListView::InsertItem(int index, const std::string& text, int image) const
{
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>(text.c_str());
    if (image >= 0) {
        item.mask |= LVIF_IMAGE;
        item.iImage = image;
    }
    return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListView::SetItemText(int item, int subItem, const std::string& text) const
{
    LVITEMA change{};
    change.iSubItem = subItem;
    change.pszText = const_cast<char*>(text.c_str());
    Send(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&change));
}

std::string ListView::GetItemText(int item, int subItem) const
{
    // The control says how much it copied, not how long the text is: grow until it fits.
    for (std::size_t size = 256;; size *= 2) {
        std::string text(size, '\0');
        LVITEMA query{};
        query.iSubItem = subItem;
        query.pszText = text.data();
        query.cchTextMax = static_cast<int>(size);
        const auto n = static_cast<std::size_t>(Send(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&query)));
        if (n + 1 < size || size >= (1u << 20)) {
            text.resize(n < size ? n : size - 1);
            return text;
        }
    }
}

void ListView::MarkNewSelection(const NMHDR* header) const
{
    if (header->hwndFrom != m_hwnd || header->code != LVN_ITEMCHANGED)
        return;
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    if ((change->uChanged & LVIF_STATE) && change->iItem >= 0 && (change->uNewState & LVIS_SELECTED) &&
        !(change->uOldState & LVIS_SELECTED))
        SetSelectionMark(change->iItem);
}

void ListView::Select(int item) const
{
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    Send(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&state));
}

bool ListView::SetItemData(int item, LPARAM data) const
{
    LVITEMA change{};
    change.mask = LVIF_PARAM;
    change.iItem = item;
    change.lParam = data;
    return Send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change)) != FALSE;
}

LPARAM ListView::GetItemData(int item) const
{
    LVITEMA query{};
    query.mask = LVIF_PARAM;
    query.iItem = item;
    return Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query)) ? query.lParam : 0;
}

int ListView::GetColumnCount() const
{
    const HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
    return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

namespace {

struct SortContext {
    std::vector<std::string> texts; // by position before the sort
    ListView::TextLess less;
};

// The rows carry their position before the sort as item data while the control sorts
// them; equal texts compare by that position, so that they keep their order.
int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM context)
{
    const auto& sort = *reinterpret_cast<const SortContext*>(context);
    const std::string& textA = sort.texts[static_cast<std::size_t>(a)];
    const std::string& textB = sort.texts[static_cast<std::size_t>(b)];
    if (sort.less(textA, textB))
        return -1;
    if (sort.less(textB, textA))
        return 1;
    return a < b ? -1 : (a > b ? 1 : 0);
}

} // namespace

void ListView::RescaleColumns(UINT fromDpi, UINT toDpi) const
{
    for (int column = 0, count = GetColumnCount(); column < count; ++column) {
        const int width = static_cast<int>(Send(LVM_GETCOLUMNWIDTH, column));
        Send(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(RescaleForDpi(width, fromDpi, toDpi), 0));
    }
}

std::vector<int> ListView::SortByText(int column, TextLess less) const
{
    // Sorted in place: deleting and inserting every row draws the list once per row.
    if (column < 0 || column >= GetColumnCount())
        column = 0;
    const int count = GetItemCount();
    SortContext context{{}, less};
    std::vector<LPARAM> data;
    for (int i = 0; i < count; ++i) {
        context.texts.push_back(GetItemText(i, column));
        data.push_back(GetItemData(i));
        SetItemData(i, i);
    }
    Send(LVM_SORTITEMS, reinterpret_cast<WPARAM>(&context), reinterpret_cast<LPARAM>(&CompareRows));

    std::vector<int> before;
    for (int i = 0; i < count; ++i) {
        const LPARAM position = GetItemData(i);
        const int was = position >= 0 && position < count ? static_cast<int>(position) : i;
        before.push_back(was);
        SetItemData(i, data[static_cast<std::size_t>(was)]);
    }
    return before;
}

void ListView::SwapRows(int a, int b) const
{
    for (int c = 0, columns = GetColumnCount(); c < columns; ++c) {
        const std::string textA = GetItemText(a, c);
        SetItemText(a, c, GetItemText(b, c));
        SetItemText(b, c, textA);
    }
    const LPARAM dataA = GetItemData(a);
    SetItemData(a, GetItemData(b));
    SetItemData(b, dataA);
}

int ListView::FindText(int column, const std::string& text) const
{
    for (int i = 0, n = GetItemCount(); i < n; ++i)
        if (GetItemText(i, column) == text)
            return i;
    return -1;
}

int ListView::FindData(LPARAM data) const
{
    for (int i = 0, n = GetItemCount(); i < n; ++i)
        if (GetItemData(i) == data)
            return i;
    return -1;
}
