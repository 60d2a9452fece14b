#pragma once
// Reading a list view's cells and choosing its rows, as the tests of every list do.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "HostFixture.h"

inline std::string CellText(HWND list, int row, int column)
{
    char text[1024] = {};
    ListView_GetItemText(list, row, column, text, sizeof text);
    return text;
}

// The first row whose cell in `column` reads `text`; -1 when none does.
inline int RowWith(HWND list, int column, const std::string& text)
{
    for (int i = 0, n = ListView_GetItemCount(list); i < n; ++i)
        if (CellText(list, i, column) == text)
            return i;
    return -1;
}

// Selected and focused as a click leaves it, with the notifications that the dialog
// reacts to handled.
inline void SelectRow(HWND list, int row)
{
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(list, row);
    PumpMessages();
}
