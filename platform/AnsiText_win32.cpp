#include "platform/AnsiText.h"

#include <windows.h>

std::string AnsiToUtf8(const std::string& text)
{
    if (text.empty())
        return text;
    const int size = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    if (wide <= 0)
        return text;
    std::wstring utf16(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, utf16.data(), wide);
    const int narrow = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    if (narrow <= 0)
        return text;
    std::string utf8(static_cast<std::size_t>(narrow), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, utf8.data(), narrow, nullptr, nullptr);
    return utf8;
}

bool IsAnsiLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

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
