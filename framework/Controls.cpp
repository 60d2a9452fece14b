#include "framework/Controls.h"

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
