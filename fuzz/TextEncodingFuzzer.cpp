// Feeds arbitrary bytes, as a user's disk may hold them, to the encoding detection and the
// conversion into rules text. Beyond "no crash": what is detected is one of the named forms
// and line ends; the converted text has CR LF line ends, NULs kept; rules text converts to
// itself; and a converted text that lost no character and that the reader takes reads back
// to exactly what the writer makes of it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/AnsiText.h"
#include "rules/AllPlayersInfo.h"
#include "rules/DispNameSupported.h"
#include "rules/TextEncoding.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& bytes)
{
    std::fprintf(stderr, "%s\n--- bytes (%zu) ---\n", what, bytes.size());
    for (unsigned char c : bytes)
        std::fprintf(stderr, "%02X ", c);
    std::fprintf(stderr, "\n---\n");
    std::abort();
}

bool IsNamed(TextForm form)
{
    switch (form) {
    case TextForm::Ansi:
    case TextForm::Utf8:
    case TextForm::Utf16Le:
    case TextForm::Utf16Be: return true;
    }
    return false;
}

bool IsNamed(LineEnds ends)
{
    switch (ends) {
    case LineEnds::CrLf:
    case LineEnds::LfOnly:
    case LineEnds::Mixed: return true;
    }
    return false;
}

void CheckDetection(const stTextEncoding& encoding, const std::string& bytes)
{
    if (!IsNamed(encoding.form) || !IsNamed(encoding.lineEnds))
        Fail("detected a form or line ends that has no name", bytes);
    if (encoding.mark && encoding.form == TextForm::Ansi)
        Fail("a mark of no form", bytes);
    const std::vector<int>& lines = encoding.loneBreakLines;
    if ((encoding.lineEnds == LineEnds::Mixed) == lines.empty() || lines.size() > kLoneBreakLinesListed + 1)
        Fail("lines with lone breaks do not go with the line ends", bytes);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] < 0 || (i > 0 && lines[i] <= lines[i - 1]))
            Fail("lines with lone breaks out of order", bytes);
}

// Byte by byte: the converted text may itself look like another form to the detection.
bool OnlyCrLfBreaks(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
            return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const stTextEncoding encoding = DetectEncoding(bytes);
    CheckDetection(encoding, bytes);

    const stConvertedText converted = ConvertToRulesText(bytes, Utf16ToAnsi);
    const std::string& text = converted.text;
    if (!OnlyCrLfBreaks(text))
        Fail("the converted text has other line ends than CR LF", bytes);
    if (encoding.IsRulesText() && text != bytes)
        Fail("rules text is changed by its conversion", bytes);
    if (!converted.lost.empty())
        return 0;

    SetDispNameSupportedForTesting(true);
    CAllPlayersInfo players;
    if (players.ParseText(text) != 0)
        return 0;
    const std::string built = players.BuildText();
    // NULs at the very end are padding that the reader ends the text at.
    const std::string unpadded = text.substr(0, text.find_last_not_of('\0') + 1);
    // Display-name lines are put in their own place; otherwise only the final line end is added.
    if (unpadded.find("DISPNAME=\"") == std::string::npos) {
        const bool ended = unpadded.size() >= 2 && unpadded.compare(unpadded.size() - 2, 2, "\r\n") == 0;
        if (built != (ended || unpadded.empty() ? unpadded : unpadded + "\r\n"))
            Fail("the converted text does not read back to what the writer makes of it", bytes);
    }
    return 0;
}
