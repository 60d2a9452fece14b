#include "platform/ErrorInfo.h"

#include <cstring>

void CopyCut(char* field, std::size_t fieldSize, const char* text)
{
    if (fieldSize == 0)
        return;
    std::size_t n = text ? std::strlen(text) : 0;
    if (n > fieldSize - 1)
        n = fieldSize - 1;
    if (n > 0)
        std::memcpy(field, text, n);
    field[n] = '\0';
}

const char* stErrorInfo::sourceName() const
{
    const char* slash = std::strrchr(sourcePath, '\\');
    return slash && slash[1] != '\0' ? slash + 1 : sourcePath;
}

void ErrorInfo_Clear(stErrorInfo* info)
{
    if (!info)
        return;
    std::memset(info, 0, sizeof *info);
}

void ErrorInfo_Set(stErrorInfo* info, int32_t kind, uint32_t code, const char* function,
                   const char* argument, const char* sourceFile, int32_t line,
                   int32_t extraKind1, const char* extraText1,
                   int32_t extraKind2, const char* extraText2,
                   int32_t extraKind3, const char* extraText3)
{
    if (!info)
        return;
    ErrorInfo_Clear(info);
    info->kind = kind;
    if (kind == ErrorKind_System || kind == ErrorKind_CodeOnly) {
        info->code = code;
        CopyCut(info->function, function);
    }
    CopyCut(info->argument, argument);
    ErrorInfo_FindText(info);
    CopyCut(info->sourcePath, sourceFile);
    info->line = line;

    const int32_t kinds[3] = {extraKind1, extraKind2, extraKind3};
    const char* texts[3] = {extraText1, extraText2, extraText3};
    for (int i = 0; i < 3; ++i) {
        info->extra[i].kind = kinds[i];
        CopyCut(info->extra[i].text, texts[i]);
    }
}
