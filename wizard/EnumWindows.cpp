#include "wizard/EnumWindows.h"

BOOL CEnumWindows::Enumerate()
{
    m_windows.clear();
    return EnumWindows(Collect, reinterpret_cast<LPARAM>(this));
}

BOOL CALLBACK CEnumWindows::Collect(HWND hwnd, LPARAM self)
{
    reinterpret_cast<CEnumWindows*>(self)->m_windows.push_back(hwnd);
    return TRUE;
}
