// Feeds arbitrary captures to the template proposals. The oracle is their contract: every
// proposal parses and passes the parameter check, lists its titles once each and ascending,
// and reads each of them first; no title is read first by a proposal that does not list it;
// and no value begins or ends inside a double-byte character.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/ParseError.h"
#include "rules/TitleParser.h"
#include "rules/TpTemplate.h"
#include "wizard/TemplateSuggest.h"

namespace {

const stCodePage kWestern = WesternCodePage();
const stCodePage kShiftJis = KnownCodePage(932);

[[noreturn]] void Fail(const char* what, const std::string& detail, const std::vector<std::string>& titles)
{
    std::fprintf(stderr, "%s: %s\n--- %zu titles ---\n", what, detail.c_str(), titles.size());
    for (const std::string& title : titles)
        std::fprintf(stderr, "%s\n", title.c_str());
    std::abort();
}

// Whether a character begins at the byte, or the title ends there; a lead byte at the very
// end is a character of its own.
bool Starts(const std::string& title, int pos, const stCodePage& codePage)
{
    int i = 0;
    while (i < pos)
        i += codePage.IsLeadByte(static_cast<unsigned char>(title[static_cast<std::size_t>(i)])) ? 2 : 1;
    return i == pos || pos == static_cast<int>(title.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the code page and the hints; the rest is titles, one a line.
    const stCodePage& codePage = (data[0] & 1) ? kShiftJis : kWestern;
    stSuggestHints hints;
    if (data[0] & 2)
        hints = {"Winamp v1.x", "winamp.exe"};
    else if (data[0] & 4)
        hints = {"Chrome_WidgetWin_1", "TIDAL.exe"};
    std::vector<std::string> titles;
    std::string line;
    for (size_t i = 1; i < size && titles.size() < 200; ++i) {
        if (data[i] == '\n') {
            titles.push_back(line);
            line.clear();
        } else if (data[i] != '\0') {
            line += static_cast<char>(data[i]);
        }
    }
    titles.push_back(line);

    const std::vector<stTemplateSuggestion> proposals = SuggestTemplatesInCodePage(titles, codePage, hints);
    std::vector<int> listedBy(titles.size(), -1);
    for (std::size_t s = 0; s < proposals.size(); ++s) {
        stParseError error;
        ParseError_Clear(error);
        if (CTpTemplate::Check(proposals[s].templateText, '<', '>', error) != 0)
            Fail("a proposal fails the parameter check", proposals[s].templateText, titles);
        if (!std::is_sorted(proposals[s].titles.begin(), proposals[s].titles.end()))
            Fail("titles not ascending", proposals[s].templateText, titles);
        for (int t : proposals[s].titles) {
            if (t < 0 || t >= static_cast<int>(titles.size()) || listedBy[static_cast<std::size_t>(t)] != -1)
                Fail("a title listed twice or out of range", proposals[s].templateText, titles);
            listedBy[static_cast<std::size_t>(t)] = static_cast<int>(s);
        }
    }
    CTitleParser parser;
    for (std::size_t t = 0; t < titles.size(); ++t) {
        parser.SetTitle(titles[t]);
        int reader = -1;
        for (std::size_t s = 0; s < proposals.size() && reader < 0; ++s)
            if (parser.SetTemplate(proposals[s].templateText) == 0 && parser.Interpret() == 0)
                reader = static_cast<int>(s);
        if (reader != listedBy[t])
            Fail("a title is not listed by the proposal that reads it first", titles[t], titles);
        if (reader < 0)
            continue;
        for (const CTpParameter& value : parser.GetResults())
            if (!Starts(titles[t], value.m_nPos, codePage) || !Starts(titles[t], value.m_nPos + value.m_nLen, codePage))
                Fail("a value splits a double-byte character", titles[t], titles);
    }
    return 0;
}
