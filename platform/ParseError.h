#pragma once
// The error state of a parse or file operation, copied whole between owners.

#include "platform/ErrorInfo.h"

#include <cstdint>
#include <cstring>

// code value: an operating-system call failed and sysError holds the details.
constexpr int32_t kParseErrorSystem = -100;

struct stParseError {
    int32_t code;         // 0, kParseErrorSystem, or the string-table number of the message
    stErrorInfo sysError;
    int32_t line;         // 0-based line of the rules text (rules reader only)
    int32_t start;        // 0-based byte position of the faulty range
    int32_t length;       // length of the faulty range; -1 is the whole line
};

// Cleared means every byte zero.
inline void ParseError_Clear(stParseError& error)
{
    std::memset(&error, 0, sizeof error);
}
