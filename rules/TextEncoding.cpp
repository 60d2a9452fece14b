#include "rules/TextEncoding.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

ByteOrderMark MarkOf(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8Mark))
        return ByteOrderMark::Utf8;
    if (bytes.starts_with(kUtf16LeMark))
        return ByteOrderMark::Utf16Le;
    if (bytes.starts_with(kUtf16BeMark))
        return ByteOrderMark::Utf16Be;
    return ByteOrderMark::None;
}

// The units after the mark; an odd last byte is no unit.
std::u16string Utf16Units(std::string_view bytes, bool bigEndian)
{
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        units += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return units;
}

void AppendUnits(std::u16string& units, char32_t c)
{
    if (c < 0x10000) {
        units += static_cast<char16_t>(c);
        return;
    }
    c -= 0x10000;
    units += static_cast<char16_t>(0xD800 + (c >> 10));
    units += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
}

// The bytes that follow a lead byte, -1 when it cannot lead.
int ContinuationBytes(unsigned char lead)
{
    if (lead < 0x80)
        return 0;
    if (lead >= 0xC2 && lead < 0xE0)
        return 1;
    if (lead >= 0xE0 && lead < 0xF0)
        return 2;
    if (lead >= 0xF0 && lead < 0xF5)
        return 3;
    return -1;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
std::optional<std::u16string> Utf8Units(std::string_view bytes)
{
    std::u16string units;
    units.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int more = ContinuationBytes(lead);
        if (more < 0 || i + more >= bytes.size())
            return std::nullopt;
        char32_t c = more == 0 ? lead : lead & (0x3F >> more);
        for (int k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = c << 6 | (next & 0x3F);
        }
        const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (c < least[more] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
            return std::nullopt;
        AppendUnits(units, c);
        i += static_cast<std::size_t>(more) + 1;
    }
    return units;
}

bool IsLfOnly(std::string_view text)
{
    return text.find('\n') != std::string_view::npos && text.find("\r\n") == std::string_view::npos;
}

bool IsLfOnly(std::u16string_view text)
{
    return text.find(u'\n') != std::u16string_view::npos && text.find(u"\r\n") == std::u16string_view::npos;
}

// The characters of text, a pair of surrogates as one, that the code page does not hold.
std::vector<char32_t> LostCharacters(std::u16string_view text, const AnsiEncoder& toAnsi)
{
    std::vector<char32_t> lost;
    std::string ignored;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 1;
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            n = 2;
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
        }
        // Every code page holds ASCII; only the rest is worth a call.
        if (c >= 0x80 && std::find(lost.begin(), lost.end(), c) == lost.end() && !toAnsi(text.substr(i, n), ignored))
            lost.push_back(c);
        i += n;
    }
    return lost;
}

std::string CrLfLineEnds(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

} // namespace

stTextEncoding DetectEncoding(std::string_view bytes)
{
    stTextEncoding encoding;
    encoding.mark = MarkOf(bytes);
    if (encoding.mark == ByteOrderMark::Utf16Le || encoding.mark == ByteOrderMark::Utf16Be)
        encoding.lfOnly = IsLfOnly(Utf16Units(bytes, encoding.mark == ByteOrderMark::Utf16Be));
    else
        encoding.lfOnly = IsLfOnly(bytes);
    return encoding;
}

stConvertedText ConvertToRulesText(std::string_view bytes, const AnsiEncoder& toAnsi)
{
    stConvertedText converted;
    std::optional<std::u16string> units;
    switch (MarkOf(bytes)) {
    case ByteOrderMark::Utf8:
        units = Utf8Units(bytes.substr(kUtf8Mark.size()));
        if (!units)
            converted.text = bytes.substr(kUtf8Mark.size());
        break;
    case ByteOrderMark::Utf16Le:
    case ByteOrderMark::Utf16Be:
        units = Utf16Units(bytes, MarkOf(bytes) == ByteOrderMark::Utf16Be);
        break;
    case ByteOrderMark::None:
        converted.text = bytes;
        break;
    }
    if (units) {
        if (!toAnsi(*units, converted.text))
            converted.lost = LostCharacters(*units, toAnsi);
    }
    if (IsLfOnly(converted.text))
        converted.text = CrLfLineEnds(converted.text);
    return converted;
}

std::string CharacterNames(const std::vector<char32_t>& characters)
{
    std::string names;
    for (char32_t c : characters) {
        char name[16];
        std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
        names += (names.empty() ? "" : ", ") + std::string(name);
    }
    return names;
}
