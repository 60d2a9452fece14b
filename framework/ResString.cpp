#include "framework/ResString.h"

#include <cstdarg>

namespace {
HINSTANCE g_module = nullptr;
}

void SetResourceModule(HINSTANCE module)
{
    g_module = module;
}

HINSTANCE ResourceModule()
{
    return g_module ? g_module : GetModuleHandleA(nullptr);
}

std::string LoadResString(UINT id)
{
    // With a zero length LoadStringW hands out a pointer to the resource itself, so no
    // buffer limits the entry's length.
    const wchar_t* wide = nullptr;
    int n = LoadStringW(ResourceModule(), id, reinterpret_cast<LPWSTR>(&wide), 0);
    if (n <= 0 || !wide)
        return {};
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide, n, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, n, text.data(), bytes, nullptr, nullptr);
    return text;
}

std::string FormatResText(UINT id, ...)
{
    std::string format = LoadResString(id);
    va_list args;
    va_start(args, id);
    std::string text = FormatTextV(format.c_str(), args);
    va_end(args);
    return text;
}
