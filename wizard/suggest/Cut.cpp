#include "wizard/suggest/Cut.h"

#include <algorithm>
#include <cctype>

#include "rules/TpParameter.h"
#include "wizard/suggest/Words.h"

namespace suggest {

namespace {

// Punctuation that separates; everything else is part of a word. Apostrophes, ampersands
// and the like stay in words: names are full of them. The template brackets are word
// characters too, and a field that holds one is never constant text.
constexpr std::string_view kMarks = "-.:;|[](){}/\\*~#\",";
// What a double-byte character that is no mark is cut as: a letter of no code page's ASCII.
constexpr char kLetter = '\x80';

// The end of the web address that begins at `from`, or `from` when none does.
std::size_t UrlEnd(std::string_view title, std::size_t from)
{
    if (!IsUrl(title.substr(from)))
        return from;
    const std::size_t end = title.find_first_of(" )]}|", from);
    return end == std::string_view::npos ? title.size() : end;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A colon inside a time: one to three digits before it, two after, within the time.
bool InTime(std::string_view title, std::size_t colon)
{
    std::size_t start = colon;
    while (start > 0 && (IsDigit(title[start - 1]) || title[start - 1] == ':'))
        --start;
    const std::size_t length = TimeLength(title.substr(start));
    return length > colon - start && (start == 0 || !HasLetter(title.substr(start - 1, 1)));
}

// A number after a '#', or after a number and a '/': a track and its count, which a blank
// parts from the name after them.
bool EndsCount(const std::string& title, Span number, Span mark, Span before)
{
    const std::string_view text = Text(title, mark);
    return AllDigits(Text(title, number)) &&
           (text.ends_with('#') || (text.ends_with('/') && AllDigits(Text(title, before))));
}

} // namespace

std::size_t TimeLength(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && i < 4 && IsDigit(text[i]))
        ++i;
    if (i == 0 || i > 3)
        return 0;
    int groups = 0;
    while (groups < 2 && i + 2 < text.size() && text[i] == ':' && IsDigit(text[i + 1]) && IsDigit(text[i + 2])) {
        i += 3;
        ++groups;
    }
    const bool ends = i == text.size() || (!IsDigit(text[i]) && text[i] != ':' && !HasLetter(text.substr(i, 1)));
    return groups > 0 && ends ? i : 0;
}

bool IsTime(std::string_view text)
{
    const std::size_t length = TimeLength(text);
    if (length == 0)
        return false;
    // The time played and the length of the song: "1:12/3:36".
    return length == text.size() || (text[length] == '/' && TimeLength(text.substr(length + 1)) + length + 1 == text.size());
}

std::string_view Text(const std::string& title, Span span)
{
    return std::string_view(title).substr(static_cast<std::size_t>(span.pos), static_cast<std::size_t>(span.len));
}

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsYear(std::string_view text)
{
    return text.size() == 4 && AllDigits(text) && (text.starts_with("19") || text.starts_with("20"));
}

bool IsEpisodeMark(std::string_view text)
{
    const std::size_t e = text.find_first_of("Ee", 1);
    return text.size() >= 4 && (text[0] == 'S' || text[0] == 's') && e != std::string_view::npos &&
           AllDigits(text.substr(1, e - 1)) && AllDigits(text.substr(e + 1));
}

bool IsLoneEpisodeMark(std::string_view text)
{
    return text.size() >= 3 && text.size() <= 5 && (text[0] == 'E' || text[0] == 'e') && AllDigits(text.substr(1));
}

bool HasBracket(std::string_view text)
{
    return text.find_first_of("<>") != std::string_view::npos;
}

bool HasLetter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0x80 || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
    });
}

namespace {

std::size_t OpeningLength(std::string_view text)
{
    // A title scrolling in the taskbar: "ppeal - Winamp *** 3651. Jemina Pearl - Ecstatic
    // Appeal - Winamp", the whole title after the last mark.
    constexpr std::string_view kScroll = " *** ";
    if (const std::size_t scroll = text.rfind(kScroll);
        scroll != std::string_view::npos && scroll > 0 && scroll + kScroll.size() < text.size())
        return scroll + kScroll.size();
    if (text.starts_with('(') || text.starts_with('[')) {
        const std::size_t close = text.find(text[0] == '(' ? ") " : "] ");
        if (close == std::string_view::npos || close < 2 || close + 2 >= text.size())
            return 0;
        const std::string_view inner = text.substr(1, close - 1);
        return (text[0] == '(' && AllDigits(inner)) || IsNowPlayingLabel(inner) ? close + 2 : 0;
    }
    constexpr std::string_view kMarks = "?*>";
    return text.size() > 2 && kMarks.find(text[0]) != std::string_view::npos && text[1] == ' ' ? 2 : 0;
}

std::size_t ClosingLength(std::string_view text)
{
    if (!text.ends_with(']') && !text.ends_with(')'))
        return 0;
    const std::size_t open = text.rfind(text.back() == ']' ? " [" : " (");
    if (open == std::string_view::npos || open == 0)
        return 0;
    return IsNowPlayingLabel(text.substr(open + 2, text.size() - open - 3)) ? text.size() - open : 0;
}

} // namespace

Around AroundLengths(std::string_view title)
{
    const std::size_t opening = OpeningLength(title);
    return {opening, ClosingLength(title.substr(opening))};
}

bool IsUrl(std::string_view text)
{
    if (text.starts_with("www."))
        return true;
    std::size_t scheme = 0;
    while (scheme < text.size() && std::isalpha(static_cast<unsigned char>(text[scheme])))
        ++scheme;
    return scheme > 0 && text.substr(scheme).starts_with("://");
}

Cutter::Cutter(const stCodePage& codePage) : m_codePage(codePage)
{
    for (std::size_t b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        m_lead[b] = codePage.leadBytes[b];
        m_opening[b] = c == '(' || c == '[' || c == '{' || codePage.opening[b];
        m_closing[b] = c == ')' || c == ']' || c == '}' || codePage.closing[b];
        m_dash[b] = c == '-' || codePage.dashes[b];
        m_bullet[b] = codePage.bullets[b];
        m_quote[b] = c == '"' || codePage.quotes[b];
        const bool mark =
            kMarks.find(c) != kMarks.npos || m_opening[b] || m_closing[b] || m_dash[b] || codePage.quotes[b];
        m_kind[b] = m_lead[b] ? Kind::Word : c == ' ' ? Kind::Blank : mark ? Kind::Mark : Kind::Word;
    }
}

bool Cutter::IsDash(std::string_view separator) const
{
    const std::size_t first = separator.find_first_not_of(' ');
    return first != std::string_view::npos && first > 0 && separator.find_last_not_of(' ') == first &&
           first + 1 < separator.size() && m_dash[static_cast<unsigned char>(separator[first])];
}

int Cutter::StopsEnd(const std::string& title, int from, int end) const
{
    int k = from;
    while (k < end && k > 0 && std::string_view(".!?").find(title[static_cast<std::size_t>(k)]) != std::string_view::npos)
        ++k;
    const std::string_view rest = std::string_view(title).substr(static_cast<std::size_t>(k), static_cast<std::size_t>(end - k));
    const bool beforeBracket = rest.size() >= 2 && rest.find_first_not_of(' ') == rest.size() - 1 &&
                               m_opening[static_cast<unsigned char>(rest.back())];
    return k > from && (IsDash(rest) || beforeBracket) ? k : -1;
}

Cut Cutter::operator()(const std::string& title) const
{
    if (std::none_of(title.begin(), title.end(), [this](char c) { return m_lead[static_cast<unsigned char>(c)]; }))
        return CutText(title);
    // Each double-byte character is cut as one byte, a mark as the ASCII mark it reads as and
    // any other as a letter, so that no cut falls inside one; the spans then go back to bytes.
    std::string narrow;
    std::vector<int> starts;
    std::vector<int> quoting;
    for (std::size_t i = 0; i < title.size(); ++i) {
        starts.push_back(static_cast<int>(i));
        const auto b = static_cast<unsigned char>(title[i]);
        if (!m_lead[b]) {
            narrow += title[i];
            continue;
        }
        const stWideMark* mark = i + 1 < title.size() ? m_codePage.WideMark(b, static_cast<unsigned char>(title[i + 1])) : nullptr;
        if (mark && mark->quotes)
            quoting.push_back(static_cast<int>(narrow.size()));
        narrow += mark ? mark->ascii : kLetter;
        ++i;
    }
    starts.push_back(static_cast<int>(title.size()));
    Cut cut = CutText(narrow);
    const auto widen = [&starts](Span& span) {
        const int end = starts[static_cast<std::size_t>(span.pos + span.len)];
        span.pos = starts[static_cast<std::size_t>(span.pos)];
        span.len = end - span.pos;
    };
    std::for_each(cut.fields.begin(), cut.fields.end(), widen);
    for (Separator& sep : cut.separators) {
        sep.quotes = std::any_of(quoting.begin(), quoting.end(),
                                 [&sep](int at) { return at >= sep.span.pos && at < sep.span.pos + sep.span.len; });
        widen(sep.span);
    }
    return cut;
}

// Cuts text whose characters are each one byte.
Cut Cutter::CutText(const std::string& title) const
{
    Cut cut;
    // What opens or closes the title now and then is no part of it: titles with and without it
    // form one family, and its template gets the opening or closing around it in the end.
    const Around around = AroundLengths(title);
    int fieldStart = static_cast<int>(around.opening);
    const int n = static_cast<int>(title.size() - around.closing);
    int i = fieldStart;
    while (i < n) {
        const auto b = static_cast<unsigned char>(title[static_cast<std::size_t>(i)]);
        if (m_kind[b] == Kind::Word) {
            const auto before = static_cast<unsigned char>(i > 0 ? title[static_cast<std::size_t>(i - 1)] : ' ');
            const bool wordStart = m_kind[before] != Kind::Word;
            const int url = wordStart ? static_cast<int>(UrlEnd(title, static_cast<std::size_t>(i))) : i;
            i = url > i ? url : i + 1;
            continue;
        }
        // A run of blanks and marks: a separator when it holds a mark.
        int end = i;
        bool mark = false;
        while (end < n) {
            const auto c = static_cast<unsigned char>(title[static_cast<std::size_t>(end)]);
            if (m_kind[c] == Kind::Word)
                break;
            mark = mark || m_kind[c] == Kind::Mark;
            ++end;
        }
        // Blanks alone before a time part it from the name it follows ("Song 00:03:29"), and
        // after a track number from the name that follows ("#03 Song", "3/12 Song").
        const bool beforeTime = i > 0 && TimeLength(std::string_view(title).substr(static_cast<std::size_t>(end))) > 0;
        const bool afterCount = !cut.separators.empty() &&
                                EndsCount(title, {fieldStart, i - fieldStart}, cut.separators.back().span, cut.fields.back());
        // And after a file's leading track number ("05 Crescendolls.flac"); one digit could be
        // a name's ("3 Doors Down").
        const std::string_view lead = std::string_view(title).substr(static_cast<std::size_t>(fieldStart),
                                                                      static_cast<std::size_t>(i - fieldStart));
        const bool afterTrack = cut.separators.empty() && lead.size() >= 2 && lead.size() <= 3 && AllDigits(lead);
        if (!mark && (beforeTime || afterCount || afterTrack)) {
            cut.fields.push_back({fieldStart, i - fieldStart});
            cut.separators.push_back({{i, end - i}, false});
            fieldStart = end;
        } else if (mark) {
            // ") - " is two separators, ")" and " - ", and " - [" is " - " and "[", so that
            // they line up with the titles that have one without the other.
            // The stops that end a name stay with it: "t.A.T.u. - Song", "Feel Good Inc. - ",
            // "Clav. [foobar2000]".
            const int stopEnd = StopsEnd(title, i, end);
            int from = i;
            for (int k = i; k < end; ++k) {
                const auto c = static_cast<unsigned char>(title[static_cast<std::size_t>(k)]);
                const bool markBefore = MarkIn(title, from, k);
                const bool markAfter = MarkIn(title, k + 1, end);
                // A quote opens before a word and closes after one, as a bracket does.
                const bool opening = m_opening[c] || (m_quote[c] && k + 1 == end && end < n && k > i);
                const bool closing = m_closing[c] || (m_quote[c] && k == i && i > 0 && k + 1 < end);
                const bool stop = k + 1 == stopEnd;
                // Marks inside brackets are the name's: "[...Hits]".
                int cutAt = -1;
                if (opening && markBefore)
                    cutAt = k;
                else if ((closing && markAfter) || (m_opening[c] && markAfter) || stop)
                    cutAt = k + 1;
                if (cutAt > from) {
                    cut.fields.push_back({fieldStart, from - fieldStart});
                    cut.separators.push_back({{from, cutAt - from}, false});
                    fieldStart = from = cutAt;
                }
            }
            cut.fields.push_back({fieldStart, from - fieldStart});
            cut.separators.push_back({{from, end - from}, false});
            fieldStart = end;
        }
        i = end;
    }
    cut.fields.push_back({fieldStart, n - fieldStart});

    for (std::size_t s = 0; s < cut.separators.size(); ++s) {
        Separator& sep = cut.separators[s];
        const std::string_view text = Text(title, sep.span);
        // A dash inside round brackets parts nothing: "(Progressive - DIGITALLY IMPORTED)"; in
        // square ones it may part the song after a player's name: "musikcube [Ann - Song]".
        sep.inBrackets = InBrackets(title, sep.span.pos);
        sep.dash = IsDash(text) && !InBrackets(title, sep.span.pos, true);
        sep.bullet = sep.dash && m_bullet[static_cast<unsigned char>(text[text.find_first_not_of(' ')])];
        sep.opens = Opens(text, cut.fields[s], cut.fields[s + 1]);
        sep.closes = Closes(text, cut.fields[s], cut.fields[s + 1]);
    }
    const std::vector<bool> named = NameBrackets(title, cut);
    for (std::size_t s = 0; s < cut.separators.size(); ++s) {
        Separator& sep = cut.separators[s];
        const std::string_view text = Text(title, sep.span);
        sep.ofName = named[s];
        if (sep.ofName)
            continue;
        sep.strong = sep.opens || sep.closes || Strong(title, cut, s);
        // A leading number followed by a separator that ends in a blank is a track number, and
        // so is a file's of two or three digits before a dash and a name ("08-Intro.mp4").
        const std::string_view lead = Text(title, cut.fields[0]);
        if (s == 0 && AllDigits(lead) &&
            (text.back() == ' ' || ((text == "-" || text == "_") && lead.size() >= 2 && lead.size() <= 3 &&
                                    HasLetter(Text(title, cut.fields[1]).substr(0, 1)))))
            sep.strong = true;
        if (sep.strong)
            cut.strong.push_back(static_cast<int>(s));
    }
    return cut;
}

// The brackets that end a song's or a file's name before " by " and its artist or before the
// file's extension are the name's own, and so are those straight before them: "Say My Name
// (feat. Zyra) by ODESZA", "Take On Me (Official Video) [Remastered in 4K].mp4", "01 Shine On
// (Parts I-V).mp3", "AmaRecCap(20161224).avi". Not a release's words or a year ("Show - 26
// (1080p).mkv", "Film (1982).mkv"), which templates read apart.
std::vector<bool> Cutter::NameBrackets(const std::string& title, const Cut& cut) const
{
    std::vector<bool> named(cut.separators.size(), false);
    const auto endsName = [&title](std::size_t at) {
        const std::string_view after = std::string_view(title).substr(at);
        if (after.starts_with(" by ") && after.size() > 4 && after[4] != ' ')
            return true;
        std::size_t end = 1;
        while (end < after.size() && std::isalnum(static_cast<unsigned char>(after[end])))
            ++end;
        return after.starts_with('.') && !FileExtension("file" + std::string(after.substr(0, end))).empty();
    };
    // Brackets inside brackets are the outer ones' name's: "(Groove Salad: a nicely chilled
    // plate [SomaFM])", a stream's name as Winamp shows it.
    int depth = 0;
    std::size_t s = 0;
    for (int k = 0; k < static_cast<int>(title.size()); ++k) {
        while (s < cut.separators.size() && cut.separators[s].span.pos + cut.separators[s].span.len <= k)
            ++s;
        const auto b = static_cast<unsigned char>(title[static_cast<std::size_t>(k)]);
        const bool open = b == '(' || b == '[', close = b == ')' || b == ']';
        if (close && depth > 0)
            --depth;
        if ((open || close) && depth > 0 && s < cut.separators.size() && cut.separators[s].span.pos <= k)
            named[s] = true;
        if (open)
            ++depth;
    }
    for (std::size_t close = 0; close < cut.separators.size(); ++close) {
        if (!cut.separators[close].closes || !endsName(static_cast<std::size_t>(cut.separators[close].span.pos) + 1))
            continue;
        // Back over each bracketed stretch to the separator that opens it.
        std::size_t at = close;
        while (cut.separators[at].closes) {
            std::size_t open = at;
            while (open > 0 && !cut.separators[open - 1].opens)
                --open;
            if (open == 0)
                break;
            --open;
            const Span inside = {cut.fields[open + 1].pos, cut.separators[at].span.pos - cut.fields[open + 1].pos};
            const std::string_view words = Text(title, inside);
            if (IsYear(words) || HasTechWord(words))
                break;
            for (std::size_t k = open; k <= at; ++k)
                named[k] = true;
            if (open == 0 || cut.fields[open].len != 0 || !cut.separators[open - 1].closes)
                break;
            at = open - 1;
        }
    }
    return named;
}

bool Cutter::SplitsCharacter(const std::string& title, const std::vector<CTpParameter>& values) const
{
    if (std::none_of(title.begin(), title.end(), [this](char c) { return m_lead[static_cast<unsigned char>(c)]; }))
        return false;
    std::vector<bool> starts(title.size() + 1, false);
    for (std::size_t i = 0; i < title.size(); i += m_lead[static_cast<unsigned char>(title[i])] ? 2 : 1)
        starts[i] = true;
    starts[title.size()] = true;
    return std::any_of(values.begin(), values.end(), [&starts](const CTpParameter& v) {
        return !starts[static_cast<std::size_t>(v.m_nPos)] || !starts[static_cast<std::size_t>(v.m_nPos + v.m_nLen)];
    });
}

// Brackets, bars and colons but a time's, marks between blanks, and the blanks after a
// track number and its count.
bool Cutter::Strong(const std::string& title, const Cut& cut, std::size_t s) const
{
    const Span span = cut.separators[s].span;
    const std::string_view text = Text(title, span);
    // A colon inside brackets is the name's ("[Guardians of the Galaxy: Awesome Mix #01]", a
    // stream's "(Groove Salad: a nicely chilled plate)"), and one after an artist's dash the
    // song's ("Beethoven - Symphony No. 5: I. Allegro"); a station's or a label's comes first.
    const bool afterDash = std::any_of(cut.separators.begin(), cut.separators.begin() + static_cast<std::ptrdiff_t>(s),
                                       [](const Separator& sep) { return sep.dash; });
    // A drive's colon opens a path: "D:\Music\Ann\01 - Song.flac".
    const bool drive = text == ":\\" && s == 0 && cut.fields[0].len == 1;
    const bool weakColon = (text == ":" && InTime(title, static_cast<std::size_t>(span.pos))) ||
                           (text == ": " && (afterDash || InBrackets(title, span.pos))) || drive;
    const bool bracket = std::any_of(text.begin(), text.end(), [this, weakColon](char c) {
        const auto b = static_cast<unsigned char>(c);
        return m_opening[b] || m_closing[b] || c == '|' || (c == ':' && !weakColon);
    });
    if (text.find_first_not_of(' ') == std::string_view::npos)
        return s > 0 && EndsCount(title, cut.fields[s], cut.separators[s - 1].span, cut.fields[s - 1]);
    const bool between = text.size() >= 3 && text.front() == ' ' && text.back() == ' ';
    return bracket || (between && (!cut.separators[s].inBrackets || cut.separators[s].dash));
}

// A quote at the end of a separator opens when a word follows and none comes straight
// before; at its start it closes the other way round: `Ann - "Album": #3`, `Song "Live"`.
bool Cutter::Opens(std::string_view separator, Span before, Span next) const
{
    const auto b = static_cast<unsigned char>(separator.back());
    return m_opening[b] || (m_quote[b] && next.len > 0 && (separator.size() > 1 || before.len == 0));
}

bool Cutter::Closes(std::string_view separator, Span before, Span next) const
{
    const auto b = static_cast<unsigned char>(separator.front());
    return m_closing[b] || (m_quote[b] && before.len > 0 && (separator.size() > 1 || next.len == 0));
}

bool Cutter::InBrackets(const std::string& title, int pos, bool roundOnly) const
{
    int depth = 0;
    for (int k = 0; k < static_cast<int>(title.size()); ++k) {
        const auto b = static_cast<unsigned char>(title[static_cast<std::size_t>(k)]);
        if (k == pos && depth == 0)
            return false;
        if (b == '(' || (b == '[' && !roundOnly))
            ++depth;
        else if ((b == ')' || (b == ']' && !roundOnly)) && depth > 0 && --depth == 0 && k > pos)
            return true;
    }
    return false;
}

bool Cutter::MarkIn(const std::string& title, int from, int to) const
{
    for (int k = from; k < to; ++k)
        if (m_kind[static_cast<unsigned char>(title[static_cast<std::size_t>(k)])] == Kind::Mark)
            return true;
    return false;
}

} // namespace suggest
