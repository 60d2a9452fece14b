#include "rules/AllPlayersInfo.h"

#include "platform/FileIo.h"
#include "res/resource.h"
#include "rules/DispNameSupported.h"
#include "rules/TpTemplate.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>

namespace {

// The reporting module of the file records, whatever the build's path style.
constexpr const char* kSourceFile = "AllPlayersInfo";
const std::string kCrLf = "\r\n";
const std::string kClassKey = "CLASSNAME=\"";
const std::string kFormatKey = "FORMAT=\"";
const std::string kDispNameKey = "DISPNAME=\"";

// Up to this many templates in a section, a repeated one is looked for by comparing with
// each; past it a set keeps the reading linear.
constexpr std::size_t kFewTemplates = 16;

enum class LineKind : std::uint8_t { Blank, Comment, Header, Class, Format, DispName, Other };

LineKind Classify(std::string_view line)
{
    if (line.empty())
        return LineKind::Blank;
    // The first byte picks the one key worth comparing.
    switch (line.front()) {
    case ';': return LineKind::Comment;
    case '[': return line.back() == ']' ? LineKind::Header : LineKind::Other;
    case 'C': return line.starts_with(kClassKey) ? LineKind::Class : LineKind::Other;
    case 'F': return line.starts_with(kFormatKey) ? LineKind::Format : LineKind::Other;
    case 'D': return line.starts_with(kDispNameKey) ? LineKind::DispName : LineKind::Other;
    default: return LineKind::Other;
    }
}

// Where the first CR LF at or after pos begins, or npos. Looking for the LF alone and then
// at the byte before it spares a comparison call per line.
std::size_t FindLineEnd(std::string_view text, std::size_t pos)
{
    for (std::size_t i = pos + 1; (i = text.find('\n', i)) != std::string_view::npos; ++i)
        if (text[i - 1] == '\r')
            return i - 1;
    return std::string_view::npos;
}

// The lines of a text, without their CR LF, and their kinds apart: most passes look at the
// kinds only. The text outlives them.
struct Lines {
    explicit Lines(std::string_view text)
    {
        // Room for lines of 16 bytes on average, a little more than the text itself takes:
        // most rules texts then fill their arrays without growing them.
        texts.reserve(text.size() / 16 + 1);
        kinds.reserve(text.size() / 16 + 1);
        std::size_t pos = 0;
        for (std::size_t i; (i = FindLineEnd(text, pos)) != std::string_view::npos; pos = i + kCrLf.size())
            Add(text.substr(pos, i - pos));
        if (pos < text.size())
            Add(text.substr(pos));
    }

    void Add(std::string_view line)
    {
        texts.push_back(line);
        kinds.push_back(Classify(line));
    }

    std::vector<std::string_view> texts;
    std::vector<LineKind> kinds;
};

// Text strictly between the first and the last double quote; empty when there is one.
std::string QuotedValue(std::string_view line)
{
    const std::size_t q1 = line.find('"');
    const std::size_t q2 = line.rfind('"');
    return q2 > q1 ? std::string(line.substr(q1 + 1, q2 - q1 - 1)) : std::string();
}

// A set of texts that outlive it, in flat arrays: a node per entry would cost more than the
// rest of reading a section. Probing reads a small tag per slot and looks at a text only
// when its tag matches, so a large set costs one cache miss per lookup rather than several.
class TextSet {
    static constexpr std::size_t kMinSlots = 16;

    // The slot holding the text, or the free one (tag 0) where it belongs.
    std::size_t Probe(std::string_view text, std::size_t hash, std::uint32_t tag) const
    {
        const std::size_t mask = m_tags.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask)
            if (m_tags[i] == 0 || (m_tags[i] == tag && m_texts[i] == text))
                return i;
    }

    // Never 0, and taken mostly from the bits that do not pick the slot.
    static std::uint32_t Tag(std::size_t hash)
    {
        const auto wide = static_cast<std::uint64_t>(hash);
        return (static_cast<std::uint32_t>(wide >> 32) ^ static_cast<std::uint32_t>(wide >> 7)) | 1u;
    }

public:
    // False when the text was there already.
    bool Insert(std::string_view text)
    {
        if (2 * (m_count + 1) > m_tags.size())
            Rehash(std::max(kMinSlots, 2 * m_tags.size()));
        const std::size_t hash = std::hash<std::string_view>{}(text);
        const std::uint32_t tag = Tag(hash);
        const std::size_t i = Probe(text, hash, tag);
        if (m_tags[i] != 0)
            return false;
        m_tags[i] = tag;
        m_texts[i] = text;
        ++m_count;
        return true;
    }

    bool Contains(std::string_view text) const
    {
        if (m_count == 0)
            return false;
        const std::size_t hash = std::hash<std::string_view>{}(text);
        return m_tags[Probe(text, hash, Tag(hash))] != 0;
    }

    bool IsEmpty() const { return m_count == 0; }

    // Room for count texts in all, so that inserting them never grows the arrays.
    void Reserve(std::size_t count)
    {
        std::size_t size = kMinSlots;
        while (size < 2 * count)
            size *= 2;
        if (size > m_tags.size())
            Rehash(size);
    }

private:
    void Rehash(std::size_t size)
    {
        std::vector<std::uint32_t> oldTags(size);
        std::vector<std::string_view> oldTexts(size);
        oldTags.swap(m_tags);
        oldTexts.swap(m_texts);
        for (std::size_t i = 0; i < oldTags.size(); ++i)
            if (oldTags[i] != 0) {
                const std::size_t hash = std::hash<std::string_view>{}(oldTexts[i]);
                const std::size_t j = Probe(oldTexts[i], hash, oldTags[i]);
                m_tags[j] = oldTags[i];
                m_texts[j] = oldTexts[i];
            }
    }

    // Both a power of two in size, at most half used.
    std::vector<std::uint32_t> m_tags;
    std::vector<std::string_view> m_texts;
    std::size_t m_count = 0;
};

// One run of the reader over the lines of a text, filling the collection as it goes.
class Reader {
public:
    Reader(CAllPlayersInfo& out, std::string_view text)
        : m_out(out), m_lines(text), m_n(static_cast<int>(m_lines.texts.size())), m_nul(FindNul(text))
    {
        // Every section gets its room at once: the large blocks are all taken before the
        // many small ones, and none is taken again.
        const auto headers = static_cast<std::size_t>(
            std::count(m_lines.kinds.begin(), m_lines.kinds.end(), LineKind::Header));
        m_out.m_arrPlayers.reserve(headers);
        m_repeatedName = FindRepeatedName(headers);
    }

    int Run()
    {
        if (CheckLineKinds() != 0)
            return -1;
        ReadHeaderBlock();
        while (true) {
            const int h = FindHeader(m_cursor);
            if (h == m_n)
                return Close();
            if (ReadSection(h) != 0)
                return -1;
        }
    }

private:
    LineKind Kind(int i) const { return m_lines.kinds[static_cast<std::size_t>(i)]; }
    std::string_view Text(int i) const { return m_lines.texts[static_cast<std::size_t>(i)]; }

    bool IsBlankOrComment(int i) const
    {
        return Kind(i) == LineKind::Blank || Kind(i) == LineKind::Comment;
    }

    void CopyLines(std::vector<std::string>& to, int from, int end) const
    {
        if (from >= end)
            return;
        to.reserve(to.size() + static_cast<std::size_t>(end - from));
        for (int i = from; i < end; ++i)
            to.emplace_back(Text(i));
    }

    int Fail(int code, int line)
    {
        m_out.m_error.code = code;
        m_out.m_error.line = line;
        return -1;
    }

    // The first NUL byte, or null. A NUL cannot be part of a line end, so it lies in a line.
    static const char* FindNul(std::string_view text)
    {
        const std::size_t nul = text.find('\0');
        return nul == std::string_view::npos ? nullptr : text.data() + nul;
    }

    int CheckLineKinds()
    {
        const bool dispNames = DispNameSupported();
        for (int i = 0; i < m_n; ++i) {
            const std::string_view line = Text(i);
            if (m_nul && m_nul < line.data() + line.size()) {
                m_out.m_error.start = static_cast<int32_t>(m_nul - line.data());
                m_out.m_error.length = 1;
                return Fail(IDS_INCORRECT_LINE, i);
            }
            if (Kind(i) == LineKind::Other || (Kind(i) == LineKind::DispName && !dispNames))
                return Fail(IDS_INCORRECT_LINE, i);
        }
        return 0;
    }

    void ReadHeaderBlock()
    {
        int i = 0;
        while (i < m_n && Kind(i) == LineKind::Blank)
            ++i;
        while (i < m_n && Kind(i) == LineKind::Comment)
            ++i;
        if (i < m_n && Kind(i) == LineKind::Blank)
            ++i;
        CopyLines(m_out.m_arrHeaderLines, 0, i);
        m_cursor = i;
    }

    static std::string_view SectionName(std::string_view header) { return header.substr(1, header.size() - 2); }

    // The first section header whose name an earlier one has, or m_n. Sections are read in
    // order and the first failure ends the reading, so this is the header at which the
    // name is found taken. The names are looked up in one run, before any record is made:
    // between the allocations of whole sections the set would be out of the cache.
    int FindRepeatedName(std::size_t headers) const
    {
        TextSet names;
        names.Reserve(headers);
        for (int i = 0; i < m_n; ++i)
            if (Kind(i) == LineKind::Header) {
                const std::string_view name = SectionName(Text(i));
                if (!name.empty() && !names.Insert(name))
                    return i;
            }
        return m_n;
    }

    int FindHeader(int from) const
    {
        while (from < m_n && Kind(from) != LineKind::Header)
            ++from;
        return from;
    }

    int Close()
    {
        if (m_out.m_arrPlayers.empty()) {
            m_out.m_error.code = IDS_NO_PLAYERS_FOUND;
            m_out.m_error.line = 0;
            m_out.m_error.length = 0;
            return -1;
        }
        CopyLines(m_out.m_arrClosingLines, m_cursor, m_n);
        return 0;
    }

    int ReadSection(int h)
    {
        // The player joins the collection before any of its lines is read, so that a
        // failed parse leaves it there partly filled.
        m_out.m_arrPlayers.push_back(std::make_unique<CPlayerInfo>());
        CPlayerInfo& player = *m_out.m_arrPlayers.back();
        // Lead lines are kept up to the first one out of sequence.
        for (int i = m_cursor; i < h; ++i)
            if (!IsBlankOrComment(i)) {
                CopyLines(player.m_arrLeadLines, m_cursor, i);
                return Fail(IDS_LINE_OUT_OF_SEQUENCE, i);
            }
        CopyLines(player.m_arrLeadLines, m_cursor, h);
        const std::string_view name = SectionName(Text(h));
        if (name.empty())
            return Fail(IDS_PLAYER_NAME_BLANK, h);
        if (h == m_repeatedName)
            return Fail(IDS_PLAYER_NAME_EXISTS, h);
        player.m_strName = name;

        int c = h + 1;
        while (c < m_n && IsBlankOrComment(c))
            ++c;
        CopyLines(player.m_arrHeadLines, h + 1, c);
        if (c == m_n || Kind(c) != LineKind::Class)
            return Fail(IDS_WND_CLASS_NOT_FOUND, c);
        if (ReadClassLine(player, c) != 0)
            return -1;
        m_cursor = c + 1;
        if (DispNameSupported() && m_cursor < m_n && Kind(m_cursor) == LineKind::DispName)
            player.m_strDispName = QuotedValue(Text(m_cursor++));
        return ReadTemplates(player);
    }

    // A key line's first double quote ends its key; the value must end with the line.
    int ReadClassLine(CPlayerInfo& player, int c)
    {
        const std::string_view line = Text(c);
        const std::size_t q1 = kClassKey.size() - 1;
        const std::size_t q2 = line.size() - 1;
        if (line.back() != '"' || q2 == q1)
            return Fail(IDS_INCORRECT_LINE, c);
        player.m_strWndClass = line.substr(q1 + 1, q2 - q1 - 1);
        return 0;
    }

    int ReadTemplates(CPlayerInfo& player)
    {
        TextSet seen;
        while (true) {
            const int s = m_cursor;
            int t = s;
            for (; t < m_n; ++t) {
                const LineKind kind = Kind(t);
                if (kind == LineKind::Class)
                    return Fail(IDS_LINE_OUT_OF_SEQUENCE, t);
                if (kind == LineKind::Header || kind == LineKind::Format)
                    break;
            }
            if (t == m_n || Kind(t) == LineKind::Header) {
                if (player.m_arrFormats.empty())
                    return Fail(IDS_TEMPLATE_NOT_DEFINED, t);
                // The lines after the last template belong to what follows.
                m_cursor = s;
                return 0;
            }
            std::string_view text;
            if (ReadTemplateLine(player, seen, t, text) != 0)
                return -1;
            auto format = std::make_unique<CFormatInfo>();
            CopyLines(format->m_arrLines, s, t);
            format->m_strFormat = text;
            if (!seen.IsEmpty())
                seen.Insert(text);
            player.m_arrFormats.push_back(std::move(format));
            m_cursor = t + 1;
        }
    }

    static bool IsRepeated(const CPlayerInfo& player, TextSet& seen, std::string_view text)
    {
        const auto& formats = player.m_arrFormats;
        if (formats.size() < kFewTemplates) {
            for (const auto& other : formats)
                if (other->m_strFormat == text)
                    return true;
            return false;
        }
        if (seen.IsEmpty())
            for (const auto& other : formats)
                seen.Insert(other->m_strFormat);
        return seen.Contains(text);
    }

    // The template text of the line into text, or -1 with the reason.
    int ReadTemplateLine(const CPlayerInfo& player, TextSet& seen, int t, std::string_view& text)
    {
        const std::string_view line = Text(t);
        const std::size_t q1 = kFormatKey.size() - 1;
        const std::size_t q2 = line.size() - 1;
        if (line.back() != '"' || q2 <= q1 + 1)
            return Fail(IDS_INCORRECT_LINE, t);
        text = line.substr(q1 + 1, q2 - q1 - 1);
        // The record is still as ParseText cleared it, so a fault leaves it as a copy of the
        // template's own record would.
        if (CTpTemplate::Check(text, '<', '>', m_out.m_error) != 0) {
            stParseError& error = m_out.m_error;
            error.start += static_cast<int32_t>(q1 + 1);
            error.line = t;
            return -1;
        }
        if (IsRepeated(player, seen, text))
            return Fail(IDS_EQUAL_TEMPLATES, t);
        return 0;
    }

    CAllPlayersInfo& m_out;
    const Lines m_lines;
    const int m_n;
    const char* const m_nul;
    int m_repeatedName = 0; // see FindRepeatedName
    int m_cursor = 0;
};

void AppendLines(std::string& text, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        text += line + kCrLf;
}

} // namespace

CAllPlayersInfo::CAllPlayersInfo()
{
    ParseError_Clear(m_error);
}

CAllPlayersInfo::CAllPlayersInfo(const CAllPlayersInfo& other) : CAllPlayersInfo()
{
    CopyFrom(other);
}

CAllPlayersInfo& CAllPlayersInfo::operator=(const CAllPlayersInfo& other)
{
    if (&other != this) {
        RemoveAllPlayers();
        CopyFrom(other);
    }
    return *this;
}

int CAllPlayersInfo::LoadFromFile(const std::string& path)
{
    std::string text;
    if (ReadWholeFile(path, text, m_error.sysError, kSourceFile) != 0) {
        m_error.code = kParseErrorSystem;
        return -1;
    }
    return ParseText(text);
}

int CAllPlayersInfo::ParseText(const std::string& text)
{
    RemoveAllPlayers();
    m_arrHeaderLines.clear();
    m_arrClosingLines.clear();
    ParseError_Clear(m_error);
    m_error.length = -1;
    // NUL bytes that pad the end of a file end the text; one followed by anything else
    // would silently drop what follows it, so the reader refuses its line instead.
    std::string_view view = text;
    if (const std::size_t last = view.find_last_not_of('\0'); last != std::string_view::npos)
        view = view.substr(0, last + 1);
    else
        view = {};
    return Reader(*this, view).Run();
}

void CAllPlayersInfo::GetError(stParseError* out) const
{
    if (out)
        *out = m_error;
}

std::unique_ptr<CPlayerInfo> CAllPlayersInfo::SetPlayer(int index, std::unique_ptr<CPlayerInfo> player)
{
    m_arrPlayers.at(index).swap(player);
    return player;
}

int CAllPlayersInfo::AddPlayer(std::unique_ptr<CPlayerInfo> player)
{
    m_arrPlayers.push_back(std::move(player));
    return 0;
}

int CAllPlayersInfo::RemovePlayer(int index)
{
    m_arrPlayers.erase(m_arrPlayers.begin() + index);
    return 0;
}

void CAllPlayersInfo::RemoveAllPlayers()
{
    m_arrPlayers.clear();
}

int CAllPlayersInfo::FindPlayerName(const std::string& name) const
{
    for (const auto& player : m_arrPlayers)
        if (player->m_strName == name)
            return 1;
    return 0;
}

void CAllPlayersInfo::CopyFrom(const CAllPlayersInfo& other)
{
    // Copies first, so that copying from itself sees its players only once.
    std::vector<std::unique_ptr<CPlayerInfo>> copies;
    for (const auto& player : other.m_arrPlayers)
        copies.push_back(std::make_unique<CPlayerInfo>(*player));
    m_arrHeaderLines = other.m_arrHeaderLines;
    m_arrClosingLines = other.m_arrClosingLines;
    for (auto& copy : copies)
        m_arrPlayers.push_back(std::move(copy));
}

std::string CAllPlayersInfo::BuildPlayerText(const CPlayerInfo& player) const
{
    std::string text;
    AppendLines(text, player.m_arrLeadLines);
    text += "[" + player.m_strName + "]" + kCrLf;
    AppendLines(text, player.m_arrHeadLines);
    text += kClassKey + player.m_strWndClass + "\"" + kCrLf;
    // An empty display name is left out, unless the line that follows is a display-name
    // line of the first template's own: read back, that line would become the display name.
    const bool dispNameFollows = !player.m_arrFormats.empty() && !player.m_arrFormats[0]->m_arrLines.empty() &&
                                 player.m_arrFormats[0]->m_arrLines[0].compare(0, kDispNameKey.size(), kDispNameKey) == 0;
    if (DispNameSupported() && (!player.m_strDispName.empty() || dispNameFollows))
        text += kDispNameKey + player.m_strDispName + "\"" + kCrLf;
    for (const auto& format : player.m_arrFormats)
        text += format->GetLinesText(kCrLf) + kFormatKey + format->m_strFormat + "\"" + kCrLf;
    return text;
}

std::string CAllPlayersInfo::BuildText() const
{
    std::string text;
    AppendLines(text, m_arrHeaderLines);
    for (const auto& player : m_arrPlayers)
        text += BuildPlayerText(*player);
    AppendLines(text, m_arrClosingLines);
    return text;
}

std::string CAllPlayersInfo::AppendPlayersText(std::string text) const
{
    if (m_arrPlayers.empty())
        return text;
    if (!text.empty() && !text.ends_with(kCrLf))
        text += kCrLf;
    for (const auto& player : m_arrPlayers)
        text += BuildPlayerText(*player);
    return text;
}

int CAllPlayersInfo::SaveToFile(const std::string& path)
{
    if (m_arrPlayers.empty()) {
        m_error.code = IDS_NO_PLAYERS_FOUND;
        return -1;
    }
    if (WriteFileReplacing(path, BuildText(), m_error.sysError, kSourceFile) != 0) {
        m_error.code = kParseErrorSystem;
        return -1;
    }
    return 0;
}

std::vector<std::string_view> SplitRulesLines(std::string_view text)
{
    return Lines(text).texts;
}

std::vector<stPlayerLines> FindPlayerLines(std::string_view text)
{
    // In a text that was read whole every header starts a section, every section has one
    // class line, and the template lines stand in the order of the records.
    const Lines lines(text);
    std::vector<stPlayerLines> players;
    for (std::size_t i = 0; i < lines.kinds.size(); ++i) {
        const int line = static_cast<int>(i);
        const LineKind kind = lines.kinds[i];
        if (kind == LineKind::Header)
            players.push_back({line, 0, {}});
        else if (kind == LineKind::Class && !players.empty())
            players.back().wndClass = line;
        else if (kind == LineKind::Format && !players.empty())
            players.back().formats.push_back(line);
    }
    return players;
}
