#include "wizard/EnumWnd.h"

namespace {

constexpr int kClassChars = 259;
constexpr int kTitleChars = 2599;

// A failed read gives an empty text.
std::string ReadText(int (WINAPI* read)(HWND, LPSTR, int), HWND hwnd, int maxChars)
{
    std::string text(static_cast<std::size_t>(maxChars) + 1, '\0');
    const int n = read(hwnd, text.data(), maxChars + 1);
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return text;
}

} // namespace

int EnumWnd::Enumerate(DWORD skipProcessId, const std::string& windowClass, bool visibleOnly, bool includeEmptyTitles)
{
    m_titles.clear();
    m_windows.clear();
    m_skipProcessId = skipProcessId;
    m_class = windowClass;
    m_visibleOnly = visibleOnly;
    m_includeEmptyTitles = includeEmptyTitles;
    if (windowClass.empty()) {
        if (!EnumWindows(Visit, reinterpret_cast<LPARAM>(this)))
            return 0;
        return Count();
    }
    // The system picks the windows of the class: asking every window of a crowded desktop
    // for its class made one capture tick cost nearly a fifth of its interval. It
    // returns them in the order EnumWindows does, but ignores case, so Consider still
    // compares the class exactly.
    for (HWND hwnd = nullptr; (hwnd = FindWindowExA(nullptr, hwnd, windowClass.c_str(), nullptr)) != nullptr;)
        Consider(hwnd);
    return Count();
}

std::string EnumWnd::Title(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return m_titles[static_cast<std::size_t>(index)];
}

BOOL CALLBACK EnumWnd::Visit(HWND hwnd, LPARAM self)
{
    reinterpret_cast<EnumWnd*>(self)->Consider(hwnd);
    return TRUE;
}

void EnumWnd::Consider(HWND hwnd)
{
    if (m_visibleOnly && !IsWindowVisible(hwnd))
        return;
    if (!m_class.empty() && ReadText(GetClassNameA, hwnd, kClassChars) != m_class)
        return;
    std::string title = ReadText(GetWindowTextA, hwnd, kTitleChars);
    if (title.empty() && !m_includeEmptyTitles)
        return;
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (processId == m_skipProcessId)
        return;
    m_titles.push_back(std::move(title));
    m_windows.push_back(hwnd);
}

int EnumWnd::EnumerateAll(DWORD skipProcessId, const std::function<bool(const std::string&)>& wanted)
{
    m_titles.clear();
    m_windows.clear();
    m_classes.clear();
    m_skipProcessId = skipProcessId;
    m_wanted = &wanted;
    m_walked.clear();
    const BOOL walked = EnumWindows(VisitAll, reinterpret_cast<LPARAM>(this));
    m_wanted = nullptr;
    // Only the windows that still exist are remembered: a handle may come back for another.
    std::swap(m_known, m_walked);
    return walked ? Count() : 0;
}

BOOL CALLBACK EnumWnd::VisitAll(HWND hwnd, LPARAM self)
{
    reinterpret_cast<EnumWnd*>(self)->ConsiderAny(hwnd);
    return TRUE;
}

void EnumWnd::ConsiderAny(HWND hwnd)
{
    auto known = m_known.find(hwnd);
    stKnownWindow& window = m_walked[hwnd];
    if (known != m_known.end()) {
        window = std::move(known->second);
    } else {
        window.wndClass = ReadText(GetClassNameA, hwnd, kClassChars);
        GetWindowThreadProcessId(hwnd, &window.processId);
    }
    if (window.processId == m_skipProcessId || !(*m_wanted)(window.wndClass) || !IsWindowVisible(hwnd))
        return;
    m_titles.push_back(ReadText(GetWindowTextA, hwnd, kTitleChars));
    m_windows.push_back(hwnd);
    m_classes.push_back(window.wndClass);
}
