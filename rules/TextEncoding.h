#pragma once
// How a text that should be a rules file was saved, when it was not saved as one (ANSI text
// with CR LF line ends, no byte-order mark), and the rules text that it stands for.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum class ByteOrderMark { None, Utf8, Utf16Le, Utf16Be };

struct stTextEncoding {
    ByteOrderMark mark = ByteOrderMark::None;
    bool lfOnly = false; // LF line ends and not one CR LF

    bool IsRulesText() const { return mark == ByteOrderMark::None && !lfOnly; }
};

// Looks at the bytes as they are in the file: a UTF-16 text is read in its own units.
stTextEncoding DetectEncoding(std::string_view bytes);

struct stConvertedText {
    std::string text;           // ANSI with CR LF line ends; a NUL stays, for the reader to refuse
    std::vector<char32_t> lost; // characters that the code page could not hold, each once, in text order
};

// Puts UTF-16 text into the ANSI code page, a character it cannot hold as its default
// character; true when every character was held. The system's is Utf16ToAnsi.
using AnsiEncoder = std::function<bool(std::u16string_view text, std::string& out)>;

// The mark dropped, UTF-8 and UTF-16 put into the ANSI code page, LF-only line ends made CR LF.
// Characters that the code page cannot hold stand as its default character and are listed.
// UTF-8 that does not decode is taken as the ANSI bytes it is, without its mark.
stConvertedText ConvertToRulesText(std::string_view bytes, const AnsiEncoder& toAnsi);

// "U+2603, U+1F600": characters named so that a message in any code page shows them.
std::string CharacterNames(const std::vector<char32_t>& characters);
