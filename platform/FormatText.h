#pragma once
// printf-style formatting into a string of any length. User text is only ever an
// argument, never the format.

#include <cstdarg>
#include <string>

#if defined(__GNUC__)
#define QEW_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define QEW_PRINTF(fmt, args)
#endif

std::string FormatText(const char* format, ...) QEW_PRINTF(1, 2);
std::string FormatTextV(const char* format, va_list args);
