#pragma once
// How a text that should be a rules file was saved, when it was not saved as one (ANSI text
// with CR LF line ends, no byte-order mark), and the rules text that it stands for.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What the bytes hold. UTF-8 without a mark is named only when it has characters beyond
// ASCII; UTF-16 without a mark is known by its NUL bytes, as text editors know it.
enum class TextForm { Ansi, Utf8, Utf16Le, Utf16Be };

// CrLf: no line break other than CR LF (or none at all). LfOnly: LF breaks and not one CR
// LF or lone CR. Mixed: a lone LF or CR where the rest is not all LF, which the reader
// takes as part of a line.
enum class LineEnds { CrLf, LfOnly, Mixed };

// At most this many lines with lone breaks are named.
constexpr std::size_t kLoneBreakLinesListed = 5;

struct stTextEncoding {
    TextForm form = TextForm::Ansi;
    bool mark = false; // the form is announced by a byte-order mark
    LineEnds lineEnds = LineEnds::CrLf;
    // With mixed line ends, the 0-based lines, as the reader splits the text, that hold a
    // lone LF or CR, in order: the first kLoneBreakLinesListed and one more when there are more.
    std::vector<int> loneBreakLines;

    bool IsRulesText() const { return form == TextForm::Ansi && lineEnds == LineEnds::CrLf; }
};

// Looks at the bytes as they are in the file: a UTF-16 text is read in its own units.
stTextEncoding DetectEncoding(std::string_view bytes);


// Where a line of the reader holds its first lone LF or CR, or npos.
std::size_t FindLoneBreak(std::string_view line);

struct stConvertedText {
    std::string text;           // ANSI with CR LF line ends; a NUL stays, for the reader to refuse
    std::vector<char32_t> lost; // characters that the code page could not hold, each once, in text order
};

// Puts UTF-16 text into the ANSI code page, a character it cannot hold as its default
// character; true when every character was held. The system's is Utf16ToAnsi.
using AnsiEncoder = std::function<bool(std::u16string_view text, std::string& out)>;

// The text of the detected form put into the ANSI code page, without its mark, every lone
// LF and CR made CR LF. Characters that the code page cannot hold stand as its default
// character and are listed. UTF-8 after a mark that does not decode is taken as the ANSI
// bytes it is.
stConvertedText ConvertToRulesText(std::string_view bytes, const AnsiEncoder& toAnsi);

// "U+2603, U+1F600": characters named so that a message in any code page shows them.
std::string CharacterNames(const std::vector<char32_t>& characters);

// The string-table text of an id.
using TextOfId = std::function<std::string(int id)>;

// The sentence that says how text meant as rules was saved otherwise, empty for rules text.
// subjectId is the sentence's string, which names the file or the text.
std::string EncodingSentence(int subjectId, const stTextEncoding& encoding, const TextOfId& textOf);
