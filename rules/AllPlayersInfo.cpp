#include "rules/AllPlayersInfo.h"

#include "platform/FileIo.h"
#include "res/resource.h"
#include "rules/DispNameSupported.h"
#include "rules/TpTemplate.h"

#include <unordered_set>

namespace {

// The reporting module of the file records, whatever the build's path style.
constexpr const char* kSourceFile = "AllPlayersInfo.cpp";
const std::string kCrLf = "\r\n";
const std::string kClassKey = "CLASSNAME=\"";
const std::string kFormatKey = "FORMAT=\"";
const std::string kDispNameKey = "DISPNAME=\"";

enum class LineKind { Blank, Comment, Header, Class, Format, DispName, Other };

bool StartsWith(const std::string& line, const std::string& key)
{
    return line.compare(0, key.size(), key) == 0;
}

LineKind Classify(const std::string& line)
{
    if (line.empty())
        return LineKind::Blank;
    if (line.front() == ';')
        return LineKind::Comment;
    if (line.front() == '[' && line.back() == ']')
        return LineKind::Header;
    if (StartsWith(line, kClassKey))
        return LineKind::Class;
    if (StartsWith(line, kFormatKey))
        return LineKind::Format;
    if (StartsWith(line, kDispNameKey))
        return LineKind::DispName;
    return LineKind::Other;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t pos = 0;
    for (std::size_t i; (i = text.find(kCrLf, pos)) != std::string::npos; pos = i + kCrLf.size())
        lines.push_back(text.substr(pos, i - pos));
    if (pos < text.size())
        lines.push_back(text.substr(pos));
    return lines;
}

// Text strictly between the first and the last double quote; empty when there is one.
std::string QuotedValue(const std::string& line)
{
    const std::size_t q1 = line.find('"');
    const std::size_t q2 = line.rfind('"');
    return q2 > q1 ? line.substr(q1 + 1, q2 - q1 - 1) : std::string();
}

// One run of the reader over the lines of a text, filling the collection as it goes.
class Reader {
public:
    Reader(CAllPlayersInfo& out, const std::string& text)
        : m_out(out), m_lines(SplitLines(text)), m_n(static_cast<int>(m_lines.size()))
    {
        for (const std::string& line : m_lines)
            m_kinds.push_back(Classify(line));
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
    bool IsBlankOrComment(int i) const
    {
        return m_kinds[i] == LineKind::Blank || m_kinds[i] == LineKind::Comment;
    }

    int Fail(int code, int line)
    {
        m_out.m_error.code = code;
        m_out.m_error.line = line;
        return -1;
    }

    int CheckLineKinds()
    {
        const bool dispNames = DispNameSupported();
        for (int i = 0; i < m_n; ++i)
            if (m_kinds[i] == LineKind::Other || (m_kinds[i] == LineKind::DispName && !dispNames))
                return Fail(IDS_INCORRECT_LINE, i);
        return 0;
    }

    void ReadHeaderBlock()
    {
        int i = 0;
        while (i < m_n && m_kinds[i] == LineKind::Blank)
            ++i;
        while (i < m_n && m_kinds[i] == LineKind::Comment)
            ++i;
        if (i < m_n && m_kinds[i] == LineKind::Blank)
            ++i;
        m_out.m_arrHeaderLines.assign(m_lines.begin(), m_lines.begin() + i);
        m_cursor = i;
    }

    int FindHeader(int from) const
    {
        while (from < m_n && m_kinds[from] != LineKind::Header)
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
        m_out.m_arrClosingLines.assign(m_lines.begin() + m_cursor, m_lines.end());
        return 0;
    }

    int ReadSection(int h)
    {
        // The player joins the collection before any of its lines is read, so that a
        // failed parse leaves it there partly filled.
        m_out.m_arrPlayers.push_back(std::make_unique<CPlayerInfo>());
        CPlayerInfo& player = *m_out.m_arrPlayers.back();
        for (int i = m_cursor; i < h; ++i) {
            if (!IsBlankOrComment(i))
                return Fail(IDS_LINE_OUT_OF_SEQUENCE, i);
            player.m_arrLeadLines.push_back(m_lines[i]);
        }
        const std::string& header = m_lines[h];
        const std::string name = header.substr(1, header.size() - 2);
        if (name.empty())
            return Fail(IDS_PLAYER_NAME_BLANK, h);
        // The collection holds just the sections read so far; a set keeps the check linear.
        if (!m_names.insert(name).second)
            return Fail(IDS_PLAYER_NAME_EXISTS, h);
        player.m_strName = name;

        int c = h + 1;
        for (; c < m_n && IsBlankOrComment(c); ++c)
            player.m_arrHeadLines.push_back(m_lines[c]);
        if (c == m_n || m_kinds[c] != LineKind::Class)
            return Fail(IDS_WND_CLASS_NOT_FOUND, c);
        if (ReadClassLine(player, c) != 0)
            return -1;
        m_cursor = c + 1;
        if (DispNameSupported() && m_cursor < m_n && m_kinds[m_cursor] == LineKind::DispName)
            player.m_strDispName = QuotedValue(m_lines[m_cursor++]);
        return ReadTemplates(player);
    }

    int ReadClassLine(CPlayerInfo& player, int c)
    {
        const std::string& line = m_lines[c];
        const std::size_t q1 = line.find('"');
        const std::size_t q2 = line.rfind('"');
        if (q2 != line.size() - 1 || q2 == q1)
            return Fail(IDS_INCORRECT_LINE, c);
        player.m_strWndClass = line.substr(q1 + 1, q2 - q1 - 1);
        return 0;
    }

    int ReadTemplates(CPlayerInfo& player)
    {
        while (true) {
            auto format = std::make_unique<CFormatInfo>();
            const int s = m_cursor;
            int t = s;
            for (; t < m_n; ++t) {
                const LineKind kind = m_kinds[t];
                if (kind == LineKind::Class)
                    return Fail(IDS_LINE_OUT_OF_SEQUENCE, t);
                if (kind == LineKind::Header || kind == LineKind::Format)
                    break;
                format->m_arrLines.push_back(m_lines[t]);
            }
            if (t == m_n || m_kinds[t] == LineKind::Header) {
                if (player.m_arrFormats.empty())
                    return Fail(IDS_TEMPLATE_NOT_DEFINED, t);
                // The lines after the last template belong to what follows.
                m_cursor = s;
                return 0;
            }
            if (ReadTemplateLine(player, *format, t) != 0)
                return -1;
            player.m_arrFormats.push_back(std::move(format));
            m_cursor = t + 1;
        }
    }

    int ReadTemplateLine(const CPlayerInfo& player, CFormatInfo& format, int t)
    {
        const std::string& line = m_lines[t];
        const std::size_t q1 = line.find('"');
        const std::size_t q2 = line.rfind('"');
        if (q2 != line.size() - 1 || q2 <= q1 + 1)
            return Fail(IDS_INCORRECT_LINE, t);
        const std::string text = line.substr(q1 + 1, q2 - q1 - 1);
        if (m_template.Parse(text, '<', '>') != 0 || m_template.CheckParameters() != 0) {
            stParseError& error = m_out.m_error;
            m_template.GetErrorInfo(&error);
            error.start += static_cast<int32_t>(q1 + 1);
            error.line = t;
            return -1;
        }
        for (const auto& other : player.m_arrFormats)
            if (other->m_strFormat == text)
                return Fail(IDS_EQUAL_TEMPLATES, t);
        format.m_strFormat = text;
        return 0;
    }

    CAllPlayersInfo& m_out;
    std::unordered_set<std::string> m_names;
    std::vector<std::string> m_lines;
    std::vector<LineKind> m_kinds;
    const int m_n;
    int m_cursor = 0;
    CTpTemplate m_template;
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
    // The text ends at its first NUL byte.
    return ParseText(text.substr(0, text.find('\0')));
}

int CAllPlayersInfo::ParseText(const std::string& text)
{
    RemoveAllPlayers();
    m_arrHeaderLines.clear();
    m_arrClosingLines.clear();
    ParseError_Clear(m_error);
    m_error.length = -1;
    return Reader(*this, text).Run();
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
