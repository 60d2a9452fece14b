#include "platform/AnsiCodePage.h"

#include <windows.h>

bool Utf16ToAnsi(std::u16string_view text, std::string& out)
{
    out.clear();
    if (text.empty())
        return true;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    // Best fit would turn characters into look-alikes (an "a" for an "α") without a word.
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr, &usedDefault);
    if (size <= 0)
        return false;
    out.resize(static_cast<std::size_t>(size));
    usedDefault = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, out.data(), size, nullptr, &usedDefault);
    return !usedDefault;
}
