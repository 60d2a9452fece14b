#include "rules/TextEncoding.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

#include "platform/FormatText.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

// The form a byte-order mark announces, and the mark's length; Ansi and 0 without one.
std::pair<TextForm, std::size_t> MarkOf(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8Mark))
        return {TextForm::Utf8, kUtf8Mark.size()};
    if (bytes.starts_with(kUtf16LeMark))
        return {TextForm::Utf16Le, kUtf16LeMark.size()};
    if (bytes.starts_with(kUtf16BeMark))
        return {TextForm::Utf16Be, kUtf16BeMark.size()};
    return {TextForm::Ansi, 0};
}

// The units from a byte position on; an odd last byte is no unit.
std::u16string Utf16Units(std::string_view bytes, std::size_t from, bool bigEndian)
{
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = from; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        units += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return units;
}

// Without a mark, UTF-16 is known as text editors know it: most of its units are characters
// below U+0100 other than NUL, whose high byte is NUL. ANSI text has no such share of NULs,
// and a run of NUL bytes (a file filled up with them) counts for neither byte order.
bool LooksLikeUtf16(std::string_view bytes, bool bigEndian)
{
    const std::size_t units = bytes.size() / 2;
    std::size_t narrow = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char low = bigEndian ? bytes[i + 1] : bytes[i], high = bigEndian ? bytes[i] : bytes[i + 1];
        narrow += low != 0 && high == 0;
    }
    return units > 0 && 2 * narrow > units;
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

// The line breaks of a text in which only CR and LF matter. Found a byte kind at a time,
// which the library does far faster than a look at every byte.
LineEnds LineEndsOf(std::string_view text)
{
    std::size_t lf = 0, crLf = 0;
    for (std::size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1)) {
        ++lf;
        crLf += i > 0 && text[i - 1] == '\r';
    }
    const auto cr = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r'));
    const std::size_t loneLf = lf - crLf, loneCr = cr - crLf;
    if (loneLf == 0 && loneCr == 0)
        return LineEnds::CrLf;
    return crLf == 0 && loneCr == 0 ? LineEnds::LfOnly : LineEnds::Mixed;
}

std::vector<int> LoneBreakLines(std::string_view text)
{
    std::vector<int> lines;
    const std::vector<std::string_view> split = SplitRulesLines(text);
    for (std::size_t i = 0; i < split.size() && lines.size() <= kLoneBreakLinesListed; ++i)
        if (FindLoneBreak(split[i]) != std::string_view::npos)
            lines.push_back(static_cast<int>(i));
    return lines;
}

// UTF-16 units narrowed to what the line breaks need: ASCII stays, the rest is one letter.
std::string LineShape(std::u16string_view units)
{
    std::string shape(units.size(), 'x');
    for (std::size_t i = 0; i < units.size(); ++i)
        if (units[i] < 0x80)
            shape[i] = static_cast<char>(units[i]);
    return shape;
}

bool HasNonAscii(std::string_view bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
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
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\r\n";
            i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        } else {
            out += text[i];
        }
    }
    return out;
}

// The form and where its text begins in the bytes.
std::pair<TextForm, std::size_t> FormOf(std::string_view bytes, bool& mark)
{
    const auto [form, markSize] = MarkOf(bytes);
    mark = markSize > 0;
    if (mark)
        return {form, markSize};
    if (LooksLikeUtf16(bytes, false))
        return {TextForm::Utf16Le, 0};
    if (LooksLikeUtf16(bytes, true))
        return {TextForm::Utf16Be, 0};
    if (HasNonAscii(bytes) && Utf8Units(bytes))
        return {TextForm::Utf8, 0};
    return {TextForm::Ansi, 0};
}

bool IsUtf16(TextForm form)
{
    return form == TextForm::Utf16Le || form == TextForm::Utf16Be;
}

} // namespace

std::size_t FindLoneBreak(std::string_view line)
{
    // The reader ends its lines at CR LF only: any CR or LF in one stands alone.
    return line.find_first_of("\r\n");
}

stTextEncoding DetectEncoding(std::string_view bytes)
{
    stTextEncoding encoding;
    const auto [form, from] = FormOf(bytes, encoding.mark);
    encoding.form = form;
    const std::string shape = IsUtf16(form) ? LineShape(Utf16Units(bytes, from, form == TextForm::Utf16Be)) : std::string();
    const std::string_view text = IsUtf16(form) ? std::string_view(shape) : bytes.substr(from);
    encoding.lineEnds = LineEndsOf(text);
    if (encoding.lineEnds == LineEnds::Mixed)
        encoding.loneBreakLines = LoneBreakLines(text);
    return encoding;
}

stConvertedText ConvertToRulesText(std::string_view bytes, const AnsiEncoder& toAnsi)
{
    stConvertedText converted;
    bool mark = false;
    const auto [form, from] = FormOf(bytes, mark);
    std::optional<std::u16string> units;
    switch (form) {
    case TextForm::Utf8:
        units = Utf8Units(bytes.substr(from));
        if (!units)
            converted.text = bytes.substr(from);
        break;
    case TextForm::Utf16Le:
    case TextForm::Utf16Be:
        units = Utf16Units(bytes, from, form == TextForm::Utf16Be);
        break;
    case TextForm::Ansi:
        converted.text = bytes;
        break;
    }
    if (units) {
        if (!toAnsi(*units, converted.text))
            converted.lost = LostCharacters(*units, toAnsi);
    }
    if (LineEndsOf(converted.text) != LineEnds::CrLf)
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

std::string EncodingSentence(int subjectId, const stTextEncoding& encoding, const TextOfId& textOf)
{
    if (encoding.IsRulesText())
        return {};
    std::string what;
    switch (encoding.form) {
    case TextForm::Utf8: what = textOf(encoding.mark ? IDS_ENCODING_UTF8_MARK : IDS_ENCODING_UTF8); break;
    case TextForm::Utf16Le: what = textOf(IDS_ENCODING_UTF16_LE); break;
    case TextForm::Utf16Be: what = textOf(IDS_ENCODING_UTF16_BE); break;
    case TextForm::Ansi: break;
    }
    std::string ends;
    if (encoding.lineEnds == LineEnds::LfOnly) {
        ends = textOf(IDS_ENCODING_LF_ONLY);
    } else if (encoding.lineEnds == LineEnds::Mixed) {
        std::string lines;
        const std::size_t listed = std::min(encoding.loneBreakLines.size(), kLoneBreakLinesListed);
        for (std::size_t i = 0; i < listed; ++i)
            lines += (lines.empty() ? "" : ", ") + std::to_string(encoding.loneBreakLines[i] + 1);
        if (encoding.loneBreakLines.size() > listed)
            lines += ", ...";
        ends = FormatText(textOf(IDS_ENCODING_LONE_BREAKS).c_str(), lines.c_str());
    }
    if (!ends.empty())
        what = what.empty() ? ends : FormatText(textOf(IDS_ENCODING_BOTH).c_str(), what.c_str(), ends.c_str());
    return FormatText(textOf(subjectId).c_str(), what.c_str());
}
