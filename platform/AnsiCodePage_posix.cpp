#include "platform/AnsiCodePage.h"

// Without a system code page the portable build takes ISO 8859-1, whose characters are the
// first 256 of Unicode; others become "?" as Windows' default character.
bool Utf16ToAnsi(std::u16string_view text, std::string& out)
{
    out.clear();
    bool held = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit < 0x100) {
            out += static_cast<char>(unit);
            continue;
        }
        held = false;
        out += '?';
        // A surrogate pair is one character.
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            ++i;
    }
    return held;
}
