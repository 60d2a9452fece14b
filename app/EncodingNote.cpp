#include "app/EncodingNote.h"

#include "framework/ResString.h"
#include "rules/TextEncoding.h"

std::string EncodingNote(UINT subjectId, std::string_view bytes)
{
    const std::string sentence = EncodingSentence(static_cast<int>(subjectId), DetectEncoding(bytes),
                                                  [](int id) { return LoadResString(static_cast<UINT>(id)); });
    return sentence.empty() ? sentence : "\n" + sentence;
}
