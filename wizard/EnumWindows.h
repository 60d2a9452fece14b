#pragma once
// The top-level windows of the desktop, in the order in which the system reports them.

#include <windows.h>

#include <vector>

class CEnumWindows {
public:
    // Empties the list and enumerates; returns EnumWindows' result (non-zero on success).
    BOOL Enumerate();
    const std::vector<HWND>& Windows() const { return m_windows; }

private:
    static BOOL CALLBACK Collect(HWND hwnd, LPARAM self);
    std::vector<HWND> m_windows;
};
