#include "platform/AnsiText.h"

#include <windows.h>

#include <array>

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

stCodePage SystemCodePage(unsigned int id)
{
    stCodePage page;
    CPINFOEXA info{};
    if (!GetCPInfoExA(id, 0, &info))
        return WesternCodePage();
    // The lead-byte ranges come in pairs, ended by a pair of zeros.
    for (std::size_t r = 0; r + 1 < MAX_LEADBYTES && info.LeadByte[r] != 0; r += 2)
        for (int b = info.LeadByte[r]; b <= info.LeadByte[r + 1]; ++b)
            page.leadBytes.set(static_cast<std::size_t>(b));
    for (int b = 0x80; b < 0x100; ++b) {
        if (page.leadBytes[static_cast<std::size_t>(b)])
            continue;
        const char byte = static_cast<char>(b);
        wchar_t wide = 0;
        if (MultiByteToWideChar(id, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1) == 1)
            page.SetCharacter(static_cast<unsigned char>(b), static_cast<char32_t>(wide));
    }
    if (page.leadBytes.none())
        return page;
    for (const char32_t character : WideMarkCharacters()) {
        const auto wide = static_cast<wchar_t>(character);
        std::array<char, 4> bytes{};
        BOOL usedDefault = FALSE;
        const int size = WideCharToMultiByte(id, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes.data(),
                                             static_cast<int>(bytes.size()), nullptr, &usedDefault);
        const auto lead = static_cast<unsigned char>(bytes[0]), trail = static_cast<unsigned char>(bytes[1]);
        if (size == 2 && !usedDefault && page.leadBytes[lead])
            page.SetCharacter(lead, trail, character);
    }
    return page;
}

const stCodePage& AnsiCodePage()
{
    static const stCodePage page = SystemCodePage(GetACP());
    return page;
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
