#pragma once
// The titles of the top-level windows of one class, in the order in which the system
// reports the windows.

#include <windows.h>

#include <string>
#include <vector>

class EnumWnd {
public:
    // Leaves out windows of process `skipProcessId`; an empty class matches every class.
    // Returns the number of titles found, 0 when EnumWindows failed.
    int Enumerate(DWORD skipProcessId, const std::string& windowClass, bool visibleOnly, bool includeEmptyTitles);

    int Count() const { return static_cast<int>(m_titles.size()); }
    // An index out of range gives an empty title.
    std::string Title(int index) const;
    const std::vector<HWND>& Windows() const { return m_windows; }

private:
    static BOOL CALLBACK Visit(HWND hwnd, LPARAM self);
    void Consider(HWND hwnd);

    DWORD m_skipProcessId = 0;
    std::string m_class;
    bool m_visibleOnly = true;
    bool m_includeEmptyTitles = false;
    std::vector<std::string> m_titles;
    std::vector<HWND> m_windows;
};
