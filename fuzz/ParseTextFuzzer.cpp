// Feeds arbitrary text to the rules reader. Beyond "no crash": an accepted text must read
// back to exactly what the writer made of it, and a rejected one must name a line from 0
// up to its number of lines.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "rules/AllPlayersInfo.h"
#include "rules/DispNameSupported.h"

namespace {

int CountLines(const std::string& text)
{
    int lines = 0;
    std::size_t pos = 0;
    for (std::size_t i; (i = text.find("\r\n", pos)) != std::string::npos; pos = i + 2)
        ++lines;
    return lines + (pos < text.size() ? 1 : 0);
}

[[noreturn]] void Fail(const char* what, const std::string& text)
{
    std::fprintf(stderr, "%s\n--- text (%zu bytes) ---\n%s\n---\n", what, text.size(), text.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the host's capability; the reader sees the rest as the loader
    // hands it over, NUL bytes included. Only NULs at the very end may end the text.
    SetDispNameSupportedForTesting((data[0] & 1) != 0);
    const std::string raw(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t last = raw.find_last_not_of('\0');
    const std::string text = last == std::string::npos ? std::string() : raw.substr(0, last + 1);

    CAllPlayersInfo players;
    if (players.ParseText(raw) != 0) {
        stParseError error;
        players.GetError(&error);
        if (error.code == 0)
            Fail("rejected without a code", text);
        if (error.line < 0 || error.line > CountLines(text))
            Fail("rejected at a line outside the text", text);
        return 0;
    }
    if (text.find('\0') != std::string::npos)
        Fail("a NUL before the end of the text is accepted", text);
    const std::string built = players.BuildText();
    // Without display-name lines the only normalisation is the final line end.
    if (text.find("DISPNAME=\"") == std::string::npos) {
        const bool ended = text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
        if (built != (ended ? text : text + "\r\n"))
            Fail("the writer's text is not the text read", text);
    }
    CAllPlayersInfo again;
    if (again.ParseText(built) != 0)
        Fail("the writer's text is rejected", text);
    if (again.BuildText() != built)
        Fail("the writer's text does not read back to itself", text);
    if (again.GetPlayerCount() != players.GetPlayerCount())
        Fail("player count changed on reading back", text);
    return 0;
}
