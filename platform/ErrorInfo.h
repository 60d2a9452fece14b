#pragma once
// The record of one failed operating-system call. It is a plain fixed-size structure
// with no heap parts, so owners copy it whole.

#include <cstdint>

enum ErrorKind : int32_t {
    ErrorKind_None = 0,
    ErrorKind_System = 1,      // code and call name set, text looked up
    ErrorKind_CodeOnly = 2,    // code and call name set, no text look-up
    ErrorKind_BadValueType = 3 // a registry value had an unexpected type
};

struct stErrorExtra {
    int32_t kind;
    char text[260];
};

struct stErrorInfo {
    int32_t kind;
    uint32_t code;
    char text[256];
    char function[64];
    char argument[256];
    char sourcePath[256];
    int32_t line;
    stErrorExtra extra[3];

    // Derived rather than stored: a stored pointer into sourcePath would dangle in every
    // copy of the record.
    const char* sourceName() const;
};

void ErrorInfo_Clear(stErrorInfo* info);

void ErrorInfo_Set(stErrorInfo* info, int32_t kind, uint32_t code, const char* function,
                   const char* argument, const char* sourceFile, int32_t line,
                   int32_t extraKind1 = 0, const char* extraText1 = nullptr,
                   int32_t extraKind2 = 0, const char* extraText2 = nullptr,
                   int32_t extraKind3 = 0, const char* extraText3 = nullptr);

// Puts the text for the record's code into its text field; only for kind 1.
// The sources differ by platform (ErrorText_win32.cpp, ErrorText_posix.cpp).
void ErrorInfo_FindText(stErrorInfo* info);

// Copies text into a fixed field: cut to the field, always terminated. A null text is empty.
void CopyCut(char* field, std::size_t fieldSize, const char* text);

template <std::size_t N>
void CopyCut(char (&field)[N], const char* text)
{
    CopyCut(field, N, text);
}
