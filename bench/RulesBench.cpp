// Reader and writer against a bare CR LF split of the same bytes (into views, and into
// owned strings), and the reader against making the same records from that split with no
// checks, each timed with and without freeing what it made; interpretation of many titles
// by many templates against a bare find loop over the same data.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rules/AllPlayersInfo.h"
#include "rules/TextEncoding.h"
#include "rules/TitleParser.h"

namespace {

// A rules file of about `lines` lines: sections of six lines, each with one template.
std::string MakeRules(int lines)
{
    std::string text = "; Generated rules\r\n\r\n";
    for (int i = 0; 6 * i + 2 < lines; ++i) {
        const std::string n = std::to_string(i);
        text += "\r\n[Player" + n + "]\r\nCLASSNAME=\"Class" + n + "\"\r\n;\r\n; Example: 1. A - T - P" + n +
                "\r\nFORMAT=\"<Track>. <Artist> - <Title> - P" + n + "\"\r\n";
    }
    return text;
}

std::vector<std::string_view> SplitCrLf(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    for (std::size_t i; (i = text.find("\r\n", pos)) != std::string_view::npos; pos = i + 2)
        lines.push_back(text.substr(pos, i - pos));
    if (pos < text.size())
        lines.push_back(text.substr(pos));
    return lines;
}

void BM_SplitCrLf(benchmark::State& state)
{
    const std::string text = MakeRules(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitCrLf(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// The same split into owned strings: the least that the records' lists of strings cost,
// before any record is made or any line checked.
std::vector<std::string> SplitCrLfToStrings(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t pos = 0;
    for (std::size_t i; (i = text.find("\r\n", pos)) != std::string::npos; pos = i + 2)
        lines.emplace_back(text, pos, i - pos);
    if (pos < text.size())
        lines.emplace_back(text, pos);
    return lines;
}

void BM_SplitCrLfToStrings(benchmark::State& state)
{
    const std::string text = MakeRules(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitCrLfToStrings(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// Makes a collection once per iteration and frees what was made with the timer stopped, a
// batch at a time, so that the figure is the making alone. Freeing a large collection is
// all allocator work, about as much again as making it.
template <class Make>
void MakeWithoutFreeing(benchmark::State& state, Make make)
{
    const auto batch = static_cast<std::size_t>(std::max<int64_t>(1, 10000 / state.range(0)));
    std::vector<std::unique_ptr<CAllPlayersInfo>> made;
    made.reserve(batch);
    for (auto _ : state) {
        made.push_back(std::make_unique<CAllPlayersInfo>());
        make(*made.back());
        if (made.size() == batch) {
            state.PauseTiming();
            made.clear();
            state.ResumeTiming();
        }
    }
}

void BM_ParseTextNotFreed(benchmark::State& state)
{
    const std::string text = MakeRules(static_cast<int>(state.range(0)));
    MakeWithoutFreeing(state, [&](CAllPlayersInfo& players) {
        if (players.ParseText(text) != 0)
            state.SkipWithError("rejected");
    });
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_ParseText(benchmark::State& state)
{
    const std::string text = MakeRules(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CAllPlayersInfo players;
        if (players.ParseText(text) != 0)
            state.SkipWithError("rejected");
        benchmark::DoNotOptimize(players.GetPlayerCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// The records the reader makes of MakeRules' text, made straight from the split lines: what
// the collection's strings and blocks cost before any line is checked.
void MakeRecords(std::string_view text, CAllPlayersInfo& players)
{
    const std::vector<std::string_view> lines = SplitCrLf(text);
    players.m_arrHeaderLines.assign(lines.begin(), lines.begin() + 2);
    for (std::size_t i = 2; i + 6 <= lines.size(); i += 6) {
        auto player = std::make_unique<CPlayerInfo>();
        player->m_arrLeadLines.emplace_back(lines[i]);
        player->m_strName = lines[i + 1].substr(1, lines[i + 1].size() - 2);
        player->m_strWndClass = lines[i + 2].substr(11, lines[i + 2].size() - 12);
        auto format = std::make_unique<CFormatInfo>();
        format->m_arrLines.assign(lines.begin() + static_cast<std::ptrdiff_t>(i + 3),
                                  lines.begin() + static_cast<std::ptrdiff_t>(i + 5));
        format->m_strFormat = lines[i + 5].substr(8, lines[i + 5].size() - 9);
        player->m_arrFormats.push_back(std::move(format));
        players.m_arrPlayers.push_back(std::move(player));
    }
}

void BM_MakeRecords(benchmark::State& state)
{
    const std::string text = MakeRules(static_cast<int>(state.range(0)));
    CAllPlayersInfo check;
    MakeRecords(text, check);
    if (check.BuildText() != text)
        state.SkipWithError("not the records the reader makes");
    for (auto _ : state) {
        CAllPlayersInfo players;
        MakeRecords(text, players);
        benchmark::DoNotOptimize(players.GetPlayerCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_MakeRecordsNotFreed(benchmark::State& state)
{
    const std::string text = MakeRules(static_cast<int>(state.range(0)));
    MakeWithoutFreeing(state, [&](CAllPlayersInfo& players) { MakeRecords(text, players); });
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_BuildText(benchmark::State& state)
{
    const std::string text = MakeRules(static_cast<int>(state.range(0)));
    CAllPlayersInfo players;
    players.ParseText(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(players.BuildText());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

struct TitlesAndTemplates {
    std::vector<std::string> titles;
    std::vector<std::string> templates;
};

// Each title is matched by one template only, spread over the whole list.
TitlesAndTemplates MakeTitles()
{
    TitlesAndTemplates data;
    for (int t = 0; t < 100; ++t)
        data.templates.push_back("<Track>. <Artist> - <Title> - Player" + std::to_string(t));
    for (int i = 0; i < 1000; ++i)
        data.titles.push_back(std::to_string(i) + ". Artist " + std::to_string(i) + " - Title - Player" +
                              std::to_string(i % 100));
    return data;
}

void BM_InterpretTitles(benchmark::State& state)
{
    const TitlesAndTemplates data = MakeTitles();
    for (auto _ : state) {
        int recognised = 0;
        CTitleParser parser;
        for (const std::string& title : data.titles) {
            parser.SetTitle(title);
            for (const std::string& format : data.templates) {
                if (parser.SetTemplate(format) == 0 && parser.Interpret() == 0) {
                    ++recognised;
                    break;
                }
            }
        }
        if (recognised != 1000)
            state.SkipWithError("not every title recognised");
    }
}

void BM_BareFindLoop(benchmark::State& state)
{
    const TitlesAndTemplates data = MakeTitles();
    for (auto _ : state) {
        // Made in the loop, as the parser in the other benchmark reads its templates there.
        std::vector<std::string> suffixes;
        for (const std::string& format : data.templates)
            suffixes.push_back(format.substr(format.rfind('>') + 1));
        int recognised = 0;
        for (const std::string& title : data.titles) {
            for (const std::string& suffix : suffixes) {
                if (title.find(". ") != std::string::npos && title.find(" - ") != std::string::npos &&
                    title.size() >= suffix.size() &&
                    title.compare(title.size() - suffix.size(), suffix.size(), suffix) == 0) {
                    ++recognised;
                    break;
                }
            }
        }
        benchmark::DoNotOptimize(recognised);
    }
}

} // namespace

// What the start-up adds to a load: the file's encoding looked at, for a rules file and for
// one with a character beyond ASCII in UTF-8 (which is decoded whole to be known as UTF-8).
void BM_DetectEncoding(benchmark::State& state)
{
    std::string text = MakeRules(static_cast<int>(state.range(0)));
    if (state.range(1) != 0)
        text.insert(0, "; Caf\xC3\xA9\r\n");
    for (auto _ : state)
        benchmark::DoNotOptimize(DetectEncoding(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

BENCHMARK(BM_DetectEncoding)->Args({120000, 0})->Args({120000, 1})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SplitCrLf)->Arg(100)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SplitCrLfToStrings)->Arg(100)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseText)->Arg(100)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MakeRecords)->Arg(100)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseTextNotFreed)->Arg(100)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MakeRecordsNotFreed)->Arg(100)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildText)->Arg(100)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InterpretTitles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareFindLoop)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
