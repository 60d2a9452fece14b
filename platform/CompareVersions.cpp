#include "platform/CompareVersions.h"

#include <cstdint>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads one component and moves past the separator after it. The number wraps, as
// unsigned arithmetic does; an empty run reads as 0.
uint32_t NextComponent(const char*& p)
{
    uint32_t value = 0;
    for (; IsDigit(*p); ++p)
        value = value * 10u + static_cast<uint32_t>(*p - '0');
    while (*p && !IsDigit(*p))
        ++p;
    return value;
}

} // namespace

int BaRe_CompareVersions(const char* a, const char* b)
{
    const char* pa = a ? a : "";
    const char* pb = b ? b : "";
    while (*pa || *pb) {
        uint32_t na = NextComponent(pa);
        uint32_t nb = NextComponent(pb);
        if (na != nb)
            return na < nb ? -1 : 1;
    }
    return 0;
}
