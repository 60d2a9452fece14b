// Proposed templates for 1,000 captured titles: a player's usual mix of shapes, titles that
// share no shape because each value carries brackets of its own, titles that stand alone
// beside many families, a video site's titles with dashes and brackets of their own, and
// double-byte titles.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "wizard/TemplateSuggest.h"

namespace {

std::vector<std::string> MixedTitles(int count)
{
    std::vector<std::string> titles;
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i), artist = "Artist " + std::to_string(i % 37),
                          song = "Song of " + std::to_string(i * 7919 % 1000);
        switch (i % 8) {
        case 0: titles.push_back(n + ". " + artist + " - " + song + " - Winamp"); break;
        case 1: titles.push_back(n + ". " + artist + " - " + song + " - Winamp [Paused]"); break;
        case 2: titles.push_back(artist + " - " + song + " [foobar2000]"); break;
        case 3: titles.push_back("track_" + n + (i % 3 ? ".mp3" : ".flac") + " - VLC media player"); break;
        case 4: titles.push_back("[Radio " + std::to_string(i % 5) + "] " + artist + " - " + song); break;
        case 5: titles.push_back(n + ". " + artist + " - " + song + " (Remix " + n + ") - Winamp"); break;
        case 6: titles.push_back("AIMP: " + artist + " - " + song + ": Part " + n); break;
        default: titles.push_back("Winamp 5.9"); break;
        }
    }
    return titles;
}

std::vector<std::string> TitlesOfNoSharedShape(int count)
{
    std::vector<std::string> titles;
    for (int i = 0; i < count; ++i) {
        std::string title = "Artist " + std::to_string(i) + " - Song";
        for (int bit = 0; bit < 10; ++bit)
            title += (i >> bit) & 1 ? " (x)" : " [y]";
        titles.push_back(title + " - Player");
    }
    return titles;
}

// A third of the titles stand alone, each beside a family of two whose constant end it
// shares; every family has separators of its own, so each lone title is tried against all
// the families' constant text.
std::vector<std::string> LoneTitles(int count)
{
    std::vector<std::string> titles;
    for (int i = 0; static_cast<int>(titles.size()) < count; ++i) {
        const std::string end = " " + std::string(static_cast<std::size_t>(1 + i), '~') + " Player" + std::to_string(i);
        titles.push_back("1. Song A" + end);
        titles.push_back("2. Song B" + end);
        titles.push_back("clip" + std::to_string(i) + ".mp4" + end);
    }
    titles.resize(static_cast<std::size_t>(count));
    return titles;
}

// The uploaders' own dashes and brackets in every number, so that most titles line up with
// the others only at their ends.
std::vector<std::string> VideoTitles(int count)
{
    std::vector<std::string> titles;
    for (int i = 0; i < count; ++i) {
        std::string title = i % 3 ? "" : "(" + std::to_string(i % 9 + 1) + ") ";
        title += "Video " + std::to_string(i);
        for (int dash = 0; dash < i % 4; ++dash)
            title += " - Part " + std::to_string(dash);
        if (i % 5 == 0)
            title += " (Official Video)";
        if (i % 7 == 0)
            title += " [4K]";
        titles.push_back(title + " - YouTube - Google Chrome");
    }
    return titles;
}

// Times, quoted albums with track counts, songs by artists and words alone, each in every
// title of its kind, so that each of those rules has a thousand titles' values to look at.
std::vector<std::string> TimedTitles(int count)
{
    std::vector<std::string> titles;
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        const std::string time = std::to_string(i % 60 / 10) + std::to_string(i % 10);
        switch (i % 4) {
        case 0: titles.push_back("Artist " + n + " - Song " + n + " 00:01:" + time + " - 00:04:" + time); break;
        case 1: titles.push_back("Artist - \"Album " + n + "\": #" + time + "/60 Song " + n + " [foobar2000]"); break;
        case 2: titles.push_back("Stream Song " + n + " by Artist " + n + " on Site | Site - Google Chrome"); break;
        default: titles.push_back("Song" + n); break;
        }
    }
    return titles;
}

// Japanese music videos in Shift JIS, each character two bytes: the song in corner brackets
// after the artist, words in lenticular brackets, and a count now and then.
std::vector<std::string> DoubleByteTitles(int count)
{
    const std::string kana = "\x83\x41\x83\x43\x83\x68\x83\x8b"; // four katakana
    std::vector<std::string> titles;
    for (int i = 0; i < count; ++i) {
        std::string title = i % 4 ? "" : "(" + std::to_string(i % 9 + 1) + ") ";
        title += "Artist" + std::to_string(i % 23) + "\x81\x75" + kana + std::to_string(i) + "\x81\x76";
        if (i % 3 == 0)
            title += "\x81\x79MV\x81\x7a";
        titles.push_back(title + " - YouTube - Google Chrome");
    }
    return titles;
}

void BM_SuggestTemplates(benchmark::State& state)
{
    const std::vector<std::string> titles = MixedTitles(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SuggestTemplates(titles));
}

void BM_SuggestTemplatesNoSharedShape(benchmark::State& state)
{
    const std::vector<std::string> titles = TitlesOfNoSharedShape(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SuggestTemplates(titles));
}

void BM_SuggestTemplatesLoneTitles(benchmark::State& state)
{
    const std::vector<std::string> titles = LoneTitles(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SuggestTemplates(titles));
}

void BM_SuggestTemplatesVideoTitles(benchmark::State& state)
{
    const std::vector<std::string> titles = VideoTitles(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SuggestTemplates(titles));
}

void BM_SuggestTemplatesTimedTitles(benchmark::State& state)
{
    const std::vector<std::string> titles = TimedTitles(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SuggestTemplates(titles));
}

void BM_SuggestTemplatesDoubleByteTitles(benchmark::State& state)
{
    const std::vector<std::string> titles = DoubleByteTitles(static_cast<int>(state.range(0)));
    const stCodePage shiftJis = KnownCodePage(932);
    for (auto _ : state)
        benchmark::DoNotOptimize(SuggestTemplatesInCodePage(titles, shiftJis));
}

} // namespace

BENCHMARK(BM_SuggestTemplates)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SuggestTemplatesNoSharedShape)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SuggestTemplatesLoneTitles)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SuggestTemplatesVideoTitles)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SuggestTemplatesTimedTitles)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SuggestTemplatesDoubleByteTitles)->Arg(1000)->Unit(benchmark::kMillisecond);
