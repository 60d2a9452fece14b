#include "platform/FormatText.h"

#include <cstdio>

std::string FormatTextV(const char* format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    int n = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (n <= 0)
        return {};
    std::string result(static_cast<std::size_t>(n), '\0');
    std::vsnprintf(result.data(), result.size() + 1, format, args);
    return result;
}

std::string FormatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string result = FormatTextV(format, args);
    va_end(args);
    return result;
}
