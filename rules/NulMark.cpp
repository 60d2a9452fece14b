#include "rules/NulMark.h"

namespace {

// In order of how plainly they say "a NUL stood here": the symbol for NUL where the code page
// has it, then signs that titles rarely hold, then ASCII, which every code page holds.
constexpr char16_t kCandidates[] = {u'\u2400', u'\u00A4', u'\u25A1', u'\u00B7', u'~', u'^', u'`'};

std::size_t CharacterLength(std::string_view text, std::size_t i, const stCodePage& codePage)
{
    return codePage.IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

} // namespace

std::size_t FindCharacter(std::string_view text, std::string_view character, const stCodePage& codePage)
{
    if (character.empty())
        return std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); i += CharacterLength(text, i, codePage))
        if (text.compare(i, character.size(), character) == 0)
            return i;
    return std::string_view::npos;
}

stNulMarks MarkNuls(std::string_view text, const AnsiEncoder& toAnsi, const stCodePage& codePage)
{
    stNulMarks marked;
    if (text.find('\0') == std::string_view::npos) {
        marked.text = text;
        return marked;
    }
    // A character that the text holds already would make its own stand for NULs as well; when
    // every one is there, the first the code page holds is taken, and the editor refuses the text
    // until all of them are gone, which is strict but loses nothing.
    std::string fallback;
    for (char16_t candidate : kCandidates) {
        std::string bytes;
        if (!toAnsi(std::u16string_view(&candidate, 1), bytes) || bytes.empty())
            continue;
        if (fallback.empty())
            fallback = bytes;
        if (FindCharacter(text, bytes, codePage) == std::string_view::npos) {
            marked.mark = bytes;
            break;
        }
    }
    if (marked.mark.empty())
        marked.mark = fallback;
    // A NUL is never the trail byte of a double-byte character, so each one found is one.
    marked.text.reserve(text.size());
    for (char c : text) {
        if (c != '\0') {
            marked.text += c;
            continue;
        }
        if (marked.first == std::string::npos)
            marked.first = marked.text.size();
        marked.text += marked.mark;
    }
    return marked;
}
