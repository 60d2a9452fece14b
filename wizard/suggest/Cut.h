#pragma once
// First stage of proposing templates: a title cut into fields and separators.
//
// A separator is a run of punctuation and blanks with at least one punctuation mark in it;
// blanks alone only part words. Strong separators (brackets and the quotes that enclose as
// they do, colons, bars, anything standing between blanks such as " - ", and the one after a
// leading number) cut a title into parts; the weak ones (".", "/", ",") only cut a part into
// fields. A time's colons are weak, and so is the blank before a time, so that it stands
// apart from the name it follows; the blank after a track number and its count ("#03/12
// Song") is strong.
//
// Double-byte characters are taken whole: the brackets among them as brackets (【Song】,
// 「Song」), any other as a letter whatever its second byte is, so that no constant text
// begins or ends inside one.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/AnsiText.h"

class CTpParameter;

namespace suggest {

struct Span {
    int pos = 0;
    int len = 0;
};

struct Separator {
    Span span;
    bool strong = false;
    bool dash = false;   // a dash between blanks, as between an artist and a title
    bool bullet = false; // of those, a bullet
    bool inBrackets = false;
    bool opens = false;  // ends with an opening bracket
    bool closes = false; // begins with a closing bracket
    bool ofName = false; // a bracket of a name's own, weak: "Song (Live).mp3"
    bool quotes = false; // holds a bracket that quotes a name: 「Song」
};

// fields.size() == separators.size() + 1; a field may be empty.
struct Cut {
    std::vector<Span> fields;
    std::vector<Separator> separators;
    std::vector<int> strong; // indexes of the strong separators
};

std::string_view Text(const std::string& title, Span span);

// Shapes of a value that the later stages decide by.
bool AllDigits(std::string_view text);
bool IsYear(std::string_view text);
bool IsEpisodeMark(std::string_view text); // "S01E05"
bool IsLoneEpisodeMark(std::string_view text); // "E696", an episode of a show with no seasons
bool HasBracket(std::string_view text); // a template bracket, which is never constant text
bool HasLetter(std::string_view text);
bool IsUrl(std::string_view text); // begins with a scheme and "://", or with "www."
// A time of play ("3:07", "1:02:03", "1:12/3:36"): one value, whose colons separate nothing.
bool IsTime(std::string_view text);
// The length of the time that opens the text, 0 when none does.
std::size_t TimeLength(std::string_view text);
// What opens or closes a title now and then and is no part of its values, each length with
// its blank, 0 when none. It opens with a count in brackets ("(12) Song": a browser tab's
// waiting notifications), a player's status in brackets ("(Paused) Song"), a lone mark and a
// blank ("? Song": a tab's playing mark, U+25B6, as an ANSI title shows it), or the part of a
// scrolling title before its last " *** " (Winamp's taskbar); it closes with a player's
// status in brackets ("Song - Winamp [Paused]").
struct Around {
    std::size_t opening = 0;
    std::size_t closing = 0;
};
Around AroundLengths(std::string_view title);

class Cutter {
public:
    explicit Cutter(const stCodePage& codePage);

    Cut operator()(const std::string& title) const;

    // True when a value of an interpretation begins or ends inside a double-byte character.
    bool SplitsCharacter(const std::string& title, const std::vector<CTpParameter>& values) const;

private:
    enum class Kind : unsigned char { Word, Blank, Mark };

    Cut CutText(const std::string& title) const;

    bool MarkIn(const std::string& title, int from, int to) const;
    // Between an opening bracket and the one that closes it.
    bool InBrackets(const std::string& title, int pos, bool roundOnly = false) const;
    bool IsDash(std::string_view separator) const;
    // Where the stops that end a name and stand before a strong separator end; -1 when none.
    int StopsEnd(const std::string& title, int from, int end) const;
    bool Strong(const std::string& title, const Cut& cut, std::size_t s) const;
    std::vector<bool> NameBrackets(const std::string& title, const Cut& cut) const;
    bool Opens(std::string_view separator, Span before, Span next) const;
    bool Closes(std::string_view separator, Span before, Span next) const;

    std::array<bool, 256> m_lead{};
    std::array<Kind, 256> m_kind{};
    std::array<bool, 256> m_opening{};
    std::array<bool, 256> m_closing{};
    std::array<bool, 256> m_dash{};
    std::array<bool, 256> m_bullet{};
    std::array<bool, 256> m_quote{};
    stCodePage m_codePage;
};

} // namespace suggest
