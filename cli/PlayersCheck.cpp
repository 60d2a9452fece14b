#include "cli/PlayersCheck.h"

#include <algorithm>
#include <filesystem>
#include <istream>
#include <iterator>
#include <ostream>
#include <string_view>

#include "cli/DesktopWindows.h"
#include "platform/AnsiText.h"
#include "platform/FileIo.h"
#include "platform/FormatText.h"
#include "platform/ParseError.h"
#include "res/StringTable.h"
#include "res/resource.h"
#include "res/version.h"
#include "rules/AllPlayersInfo.h"
#include "rules/DispNameSupported.h"
#include "rules/RulesChecks.h"
#include "rules/RunningPlayers.h"
#include "rules/TextEncoding.h"
#include "rules/TpParameter.h"

namespace {

constexpr const char* kProgram = "players-check";
constexpr int kValid = 0;
constexpr int kInvalid = 1;
constexpr int kTrouble = 2;

// Where the values of the two key lines begin: after CLASSNAME=" and FORMAT=".
constexpr int kClassValueStart = 11;
constexpr int kFormatValueStart = 8;

constexpr const char* kHelp =
    "Usage: players-check [OPTION]... FILE...\n"
    "Checks rules files (Players.txt) as the Quorvel External Players Descriptions Wizard\n"
    "reads them, and tries window titles against them.\n"
    "\n"
    "  --dispname      display-name lines are allowed, as for a host of version 6.0 or\n"
    "                  later (the default)\n"
    "  --no-dispname   display-name lines are faults, as for an older host\n"
    "  --werror        warnings make the exit status 1\n"
    "  --titles FILE   read titles from FILE (- for standard input), one a line as\n"
    "                  CLASS<TAB>TITLE, and print which section and template read each:\n"
    "                  NAME<TAB>TEMPLATE-LINE<TAB>Tag=value..., or - when none does\n"
    "  --class CLASS   every title has this window class; input lines are titles alone\n"
    "  --windows       try the titles of the windows on the desktop now, one line per\n"
    "                  window that a section names or reads, as --titles prints them\n"
    "                  (Windows only)\n"
    "  --json          print each result of --titles or --windows as one JSON object a line\n"
    "  --help          print this help and exit\n"
    "  --version       print the version and exit\n"
    "\n"
    "Faults are printed as FILE:LINE:COLUMN: error: MESSAGE.\n"
    "Exit status: 0 when every file is valid, 1 when one is not, 2 for a usage or\n"
    "input/output error.\n";

struct Options {
    bool dispName = true;
    bool werror = false;
    bool json = false;
    bool haveTitles = false;
    std::string titles;
    bool haveClass = false;
    std::string wndClass;
    bool windows = false;
    std::vector<std::string> files;
};

int UsageError(std::ostream& err, const std::string& message)
{
    err << kProgram << ": " << message << "\nTry 'players-check --help' for more information.\n";
    return kTrouble;
}

// Fills the options; -1 to go on, else the exit status (after --help, --version or a fault).
int ParseArguments(const std::vector<std::string>& args, Options& options, std::ostream& out, std::ostream& err)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
            options.files.push_back(arg);
            continue;
        }
        // --name=value and --name value both give a value.
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const bool takesValue = name == "--titles" || name == "--class";
        if (equals != std::string::npos && !takesValue)
            return UsageError(err, "option '" + name + "' takes no value");
        std::string value;
        if (takesValue) {
            if (equals != std::string::npos)
                value = arg.substr(equals + 1);
            else if (i + 1 < args.size())
                value = args[++i];
            else
                return UsageError(err, "option '" + name + "' needs a value");
        }
        if (name == "--") {
            optionsEnded = true;
        } else if (name == "--help") {
            out << kHelp;
            return kValid;
        } else if (name == "--version") {
            out << kProgram << " " << QEW_VERSION_STRING << "\n";
            return kValid;
        } else if (name == "--dispname" || name == "--no-dispname") {
            options.dispName = name == "--dispname";
        } else if (name == "--werror") {
            options.werror = true;
        } else if (name == "--json") {
            options.json = true;
        } else if (name == "--titles") {
            options.haveTitles = true;
            options.titles = value;
        } else if (name == "--windows") {
            options.windows = true;
        } else if (name == "--class") {
            options.haveClass = true;
            options.wndClass = value;
        } else {
            return UsageError(err, "unrecognized option '" + arg + "'");
        }
    }
    if (options.files.empty())
        return UsageError(err, "no rules file given");
    if (options.windows) {
        if (options.haveTitles || options.haveClass)
            return UsageError(err, "--windows tries the desktop's titles, not --titles or --class");
        if (options.files.size() != 1)
            return UsageError(err, "--windows tries one rules file");
        if (!HasDesktopWindows()) {
            err << kProgram << ": --windows needs Windows\n";
            return kTrouble;
        }
        return -1;
    }
    if (!options.haveTitles && (options.haveClass || options.json))
        return UsageError(err, "--class and --json go with --titles");
    if (options.haveTitles && options.files.size() != 1)
        return UsageError(err, "--titles tries one rules file");
    return -1;
}

// FormatMessage's texts end with a line break.
std::string SystemMessage(const stErrorInfo& info)
{
    std::string text = info.text;
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

int IoError(std::ostream& err, const std::string& path, const stErrorInfo& info)
{
    // Windows refuses to open a folder as a file with "access denied", which hides the cause.
    std::error_code ignored;
    err << kProgram << ": " << path << ": "
        << (std::filesystem::is_directory(path, ignored) ? "is a directory" : SystemMessage(info)) << "\n";
    return kTrouble;
}

// A rules file with its lines, for pointing into it.
struct RulesFile {
    std::string path;
    std::string text;
    std::vector<std::string_view> lines;
    // Saved so that the reader sees one line (LF line ends, UTF-16): a line is shown up to
    // its first line break.
    bool oneLine = false;
};

// A control byte as compilers show one, <U+000A>; other bytes as they are.
std::string Shown(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t') || byte == 0x7F ? FormatText("<U+%04X>", byte) : std::string(1, c);
}

// FILE:LINE:COLUMN: KIND: MESSAGE, then the line and a marker under the range, as compilers
// print them. A length of -1 marks the whole line; a line past the last one is not shown.
void PrintDiagnostic(std::ostream& err, const RulesFile& file, int line, int start, int length, const char* kind,
                     const std::string& message)
{
    const int column = length < 0 ? 0 : start;
    err << file.path << ':' << line + 1 << ':' << column + 1 << ": " << kind << ": " << message << '\n';
    if (line < 0 || static_cast<std::size_t>(line) >= file.lines.size())
        return;
    std::string_view text = file.lines[static_cast<std::size_t>(line)];
    if (file.oneLine)
        text = text.substr(0, std::min(text.find('\r'), text.find('\n')));
    const std::size_t from = std::min(static_cast<std::size_t>(column), text.size());
    const std::size_t to = length < 0 ? text.size() : std::min(from + static_cast<std::size_t>(length), text.size());
    std::string shown, marker;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string byte = Shown(text[i]);
        shown += byte;
        if (i >= std::max(to, from + 1))
            continue;
        // Tabs stay tabs so that the marker lines up however wide they are shown.
        const char mark = i < from ? (text[i] == '\t' ? '\t' : ' ') : '~';
        marker.append(byte.size(), mark);
        if (i == from)
            marker[marker.size() - byte.size()] = '^';
    }
    if (from == text.size())
        marker += '^';
    err << shown << '\n' << marker << '\n';
}

std::string MessageText(int code)
{
    const char* text = StringTableText(code);
    return text ? text : FormatText("message %d", code);
}

void Warn(std::ostream& err, const RulesFile& file, int line, int start, const std::string& value,
          const std::string& message)
{
    PrintDiagnostic(err, file, line, start, static_cast<int>(value.size()), "warning", message);
}

// The number of warnings printed.
int PrintWarnings(std::ostream& err, const RulesFile& file, const CAllPlayersInfo& players)
{
    const std::vector<stPlayerLines> places = FindPlayerLines(file.text);
    const std::vector<stSharedClassFinding> shared = FindSharedClasses(players);
    auto nextShared = shared.begin();
    CTitleParser parser;
    int count = 0;
    for (int i = 0; i < players.GetPlayerCount() && static_cast<std::size_t>(i) < places.size(); ++i) {
        const CPlayerInfo& player = *players.GetPlayer(i);
        const stPlayerLines& place = places[static_cast<std::size_t>(i)];
        if (nextShared != shared.end() && nextShared->player == i) {
            const int first = nextShared->firstUser;
            Warn(err, file, place.wndClass, kClassValueStart, player.m_strWndClass,
                 FormatText("window class also used by [%s] on line %d", players.GetPlayerName(first).c_str(),
                            places[static_cast<std::size_t>(first)].header + 1));
            ++nextShared;
            ++count;
        }
        for (const stExampleFinding& finding : CheckExamples(parser, player)) {
            const auto format = static_cast<std::size_t>(finding.format);
            Warn(err, file, place.formats.at(format), kFormatValueStart, player.m_arrFormats[format]->m_strFormat,
                 finding.readBy >= 0 ? FormatText("example is read by the template on line %d",
                                                  place.formats.at(static_cast<std::size_t>(finding.readBy)) + 1)
                                     : std::string("example is not read by this template"));
            ++count;
        }
    }
    return count;
}

std::string EncodingSentenceOf(const stTextEncoding& encoding)
{
    return EncodingSentence(IDS_FILE_ENCODING, encoding, MessageText);
}

// The reader ends a line at CR LF only: a lone LF or CR is part of it, and what follows it,
// though an editor shows it on a line of its own, is read as the rest of that line. Only a
// text in bytes is gone through: in UTF-16 every break is apart from its NUL.
int WarnLoneBreaks(std::ostream& err, const RulesFile& file, const stTextEncoding& encoding)
{
    if (encoding.lineEnds != LineEnds::Mixed || encoding.form == TextForm::Utf16Le ||
        encoding.form == TextForm::Utf16Be)
        return 0;
    int count = 0;
    for (std::size_t i = 0; i < file.lines.size(); ++i)
        if (const std::size_t at = FindLoneBreak(file.lines[i]); at != std::string_view::npos) {
            PrintDiagnostic(err, file, static_cast<int>(i), static_cast<int>(at), 1, "warning",
                            "line break inside a line: the text after it belongs to this line");
            ++count;
        }
    return count;
}

// Reads the file's text for the lines that the diagnostics show, as the reader keeps none.
int ReadLines(RulesFile& file, stTextEncoding& encoding, stErrorInfo& info)
{
    if (ReadWholeFile(file.path, file.text, info, kProgram) != 0)
        return -1;
    file.lines = SplitRulesLines(file.text);
    encoding = DetectEncoding(file.text);
    file.oneLine = encoding.lineEnds == LineEnds::LfOnly || encoding.form == TextForm::Utf16Le ||
                   encoding.form == TextForm::Utf16Be;
    return 0;
}

// Checks one file into players: kValid, kInvalid or kTrouble. loaded tells whether the
// players may be used, which with --werror they may be though the file counts as invalid.
// The wizard's own loading gives the verdict, and its message: the reader's, then how the
// file was saved when not as a rules file.
int CheckFile(const Options& options, RulesFile& file, CAllPlayersInfo& players, bool& loaded, std::ostream& err)
{
    loaded = false;
    stTextEncoding encoding;
    if (players.LoadFromFile(file.path) != 0) {
        stParseError error;
        players.GetError(&error);
        if (error.code == kParseErrorSystem)
            return IoError(err, file.path, error.sysError);
        stErrorInfo ignored;
        ReadLines(file, encoding, ignored);
        PrintDiagnostic(err, file, error.line, error.start, error.length, "error", MessageText(error.code));
        if (const std::string sentence = EncodingSentenceOf(encoding); !sentence.empty())
            err << file.path << ": note: " << sentence << '\n';
        WarnLoneBreaks(err, file, encoding);
        return kInvalid;
    }
    stErrorInfo info;
    if (ReadLines(file, encoding, info) != 0)
        return IoError(err, file.path, info);
    loaded = true;
    int warnings = PrintWarnings(err, file, players) + WarnLoneBreaks(err, file, encoding);
    // A file that loads but looks like UTF-8 reads each character beyond ASCII as several.
    if (encoding.form == TextForm::Utf8) {
        err << file.path << ": warning: " << EncodingSentenceOf(encoding) << '\n';
        ++warnings;
    }
    return options.werror && warnings > 0 ? kInvalid : kValid;
}

std::string JsonString(const std::string& text)
{
    std::string json = "\"";
    for (const char c : AnsiToUtf8(text)) {
        switch (c) {
        case '"': json += "\\\""; break;
        case '\\': json += "\\\\"; break;
        case '\n': json += "\\n"; break;
        case '\r': json += "\\r"; break;
        case '\t': json += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                json += FormatText("\\u%04x", static_cast<unsigned>(c));
            else
                json += c;
        }
    }
    return json + '"';
}

void PrintMatch(std::ostream& out, const Options& options, const CAllPlayersInfo& players,
                const std::vector<stPlayerLines>& places, const std::string& wndClass, const std::string& title,
                const stTitleMatch& match)
{
    const bool found = match.player >= 0;
    const int line =
        found ? places.at(static_cast<std::size_t>(match.player)).formats.at(static_cast<std::size_t>(match.format)) + 1
              : 0;
    if (!options.json) {
        if (!found) {
            out << "-\n";
            return;
        }
        out << players.GetPlayerName(match.player) << '\t' << line;
        for (const CTpParameter* tag : MatchTags(match))
            out << '\t' << tag->m_strName << '=' << tag->m_strValue;
        out << '\n';
        return;
    }
    out << "{\"class\":" << JsonString(wndClass) << ",\"title\":" << JsonString(title);
    if (!found) {
        out << ",\"name\":null,\"line\":null,\"tags\":null}\n";
        return;
    }
    out << ",\"name\":" << JsonString(players.GetPlayerName(match.player)) << ",\"line\":" << line << ",\"tags\":{";
    const char* separator = "";
    for (const CTpParameter* tag : MatchTags(match)) {
        out << separator << JsonString(tag->m_strName) << ':' << JsonString(tag->m_strValue);
        separator = ",";
    }
    out << "}}\n";
}

int TryTitles(const Options& options, const RulesFile& file, const CAllPlayersInfo& players, std::istream& in,
              std::ostream& out, std::ostream& err)
{
    std::string text;
    if (options.titles == "-") {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        stErrorInfo info;
        if (ReadWholeFile(options.titles, text, info, kProgram) != 0)
            return IoError(err, options.titles, info);
    }
    // An editor's UTF-8 mark is no part of the first title.
    if (text.starts_with("\xEF\xBB\xBF"))
        text.erase(0, 3);
    const std::vector<stPlayerLines> places = FindPlayerLines(file.text);
    CTitleLookup lookup(players);
    int number = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        if (line.ends_with('\r'))
            line.pop_back();
        std::string wndClass = options.wndClass;
        if (!options.haveClass) {
            const std::size_t tab = line.find('\t');
            if (tab == std::string::npos) {
                err << kProgram << ": " << (options.titles == "-" ? "<stdin>" : options.titles) << ':' << number
                    << ": no tab between class and title (or give --class)\n";
                return kTrouble;
            }
            wndClass = line.substr(0, tab);
            line.erase(0, tab + 1);
        }
        PrintMatch(out, options, players, places, wndClass, line, lookup.Find(wndClass, line));
    }
    return kValid;
}

// The rows of the running players view, without the windows that no section names or reads.
int TryWindows(const Options& options, const RulesFile& file, const CAllPlayersInfo& players, std::ostream& out)
{
    CRunningPlayers view(players);
    view.Update(DesktopWindows(), false);
    const std::vector<stPlayerLines> places = FindPlayerLines(file.text);
    for (const CRunningPlayers::stRow& row : view.Rows())
        PrintMatch(out, options, players, places, row.wndClass, row.title, row.reading.match);
    return kValid;
}

} // namespace

int RunPlayersCheck(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    Options options;
    if (const int status = ParseArguments(args, options, out, err); status >= 0)
        return status;
    // Set once for the process, as the host lookup does; it is never cleared.
    if (options.dispName)
        SetDispNameSupported();

    int status = kValid;
    for (const std::string& path : options.files) {
        RulesFile file{path, {}, {}};
        CAllPlayersInfo players;
        bool loaded = false;
        status = std::max(status, CheckFile(options, file, players, loaded, err));
        if (options.haveTitles && loaded)
            status = std::max(status, TryTitles(options, file, players, in, out, err));
        if (options.windows && loaded)
            status = std::max(status, TryWindows(options, file, players, out));
    }
    return status;
}
