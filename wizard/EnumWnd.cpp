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

// For a top-level window this is IsWindowVisible, whose parent is the desktop; Wine asks
// its server once for the style but twice for IsWindowVisible, once per tick and window.
bool IsShown(HWND hwnd)
{
    return (GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
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
    if (m_visibleOnly && !IsShown(hwnd))
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

int EnumWnd::EnumerateAll(DWORD skipProcessId)
{
    StartWalk(skipProcessId);
    const BOOL walked = EnumWindows(VisitAll, reinterpret_cast<LPARAM>(this));
    EndWalk();
    return walked ? Count() : 0;
}

int EnumWnd::EnumerateClasses(DWORD skipProcessId, const std::vector<std::string>& classes)
{
    StartWalk(skipProcessId);
    // The system picks each class's windows, as in Enumerate: a walk over every window costs
    // a round trip per window under Wine, and most of a desktop's are of no section's class.
    for (const std::string& wndClass : classes)
        for (HWND hwnd = nullptr; (hwnd = FindWindowExA(nullptr, hwnd, wndClass.c_str(), nullptr)) != nullptr;)
            ConsiderAny(hwnd, &wndClass);
    EndWalk();
    return Count();
}

void EnumWnd::StartWalk(DWORD skipProcessId)
{
    m_titles.clear();
    m_windows.clear();
    m_classes.clear();
    m_skipProcessId = skipProcessId;
    m_walked.clear();
}

void EnumWnd::EndWalk()
{
    // Only the windows that still exist are remembered: a handle may come back for another.
    std::swap(m_known, m_walked);
}

BOOL CALLBACK EnumWnd::VisitAll(HWND hwnd, LPARAM self)
{
    reinterpret_cast<EnumWnd*>(self)->ConsiderAny(hwnd, nullptr);
    return TRUE;
}

EnumWnd::stKnownWindow& EnumWnd::Know(HWND hwnd)
{
    // A class that differs only in case finds a window again.
    const auto [walked, first] = m_walked.try_emplace(hwnd);
    if (!first)
        return walked->second;
    if (const auto known = m_known.find(hwnd); known != m_known.end()) {
        walked->second = std::move(known->second);
    } else {
        walked->second.wndClass = ReadText(GetClassNameA, hwnd, kClassChars);
        GetWindowThreadProcessId(hwnd, &walked->second.processId);
    }
    return walked->second;
}

void EnumWnd::ConsiderAny(HWND hwnd, const std::string* onlyClass)
{
    const stKnownWindow& window = Know(hwnd);
    if (window.processId == m_skipProcessId)
        return;
    // FindWindowEx ignores case; a section's class does not.
    if ((onlyClass && window.wndClass != *onlyClass) || !IsShown(hwnd))
        return;
    m_titles.push_back(ReadText(GetWindowTextA, hwnd, kTitleChars));
    m_windows.push_back(hwnd);
    m_classes.push_back(window.wndClass);
}
