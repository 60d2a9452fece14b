#pragma once
// What the wizard tests read off a running sheet.

#include <windows.h>
#include <commctrl.h>

#include <string>

// The sheet's own buttons.
inline constexpr int kBackButton = 0x3023;
inline constexpr int kNextButton = 0x3024;
inline constexpr int kFinishButton = 0x3025;

inline HWND CurrentPage(HWND sheet)
{
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// Shown and enabled: a wizard hides the buttons it does not offer.
inline bool SheetButtonEnabled(HWND sheet, int id)
{
    const HWND button = GetDlgItem(sheet, id);
    return IsWindowVisible(button) && IsWindowEnabled(button);
}

inline std::string WindowText(HWND hwnd)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}
