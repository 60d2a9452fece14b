#include "app/EncodingNote.h"

#include "framework/ResString.h"
#include "res/resource.h"
#include "rules/TextEncoding.h"

std::string EncodingNote(UINT subjectId, std::string_view bytes)
{
    const stTextEncoding encoding = DetectEncoding(bytes);
    if (encoding.IsRulesText())
        return {};
    std::string what;
    switch (encoding.mark) {
    case ByteOrderMark::Utf8: what = LoadResString(IDS_ENCODING_UTF8_MARK); break;
    case ByteOrderMark::Utf16Le: what = LoadResString(IDS_ENCODING_UTF16_LE); break;
    case ByteOrderMark::Utf16Be: what = LoadResString(IDS_ENCODING_UTF16_BE); break;
    case ByteOrderMark::None: break;
    }
    if (encoding.lfOnly) {
        const std::string lf = LoadResString(IDS_ENCODING_LF_ONLY);
        what = what.empty() ? lf : FormatResText(IDS_ENCODING_BOTH, what.c_str(), lf.c_str());
    }
    return "\n" + FormatResText(subjectId, what.c_str());
}
