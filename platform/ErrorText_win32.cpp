#include "platform/ErrorInfo.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr DWORD kLanguage = MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT); // 0x400

bool FromMessageTable(stErrorInfo* info, DWORD source, HMODULE module)
{
    char* buffer = nullptr;
    DWORD n = FormatMessageA(source | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                             module, info->code, kLanguage, reinterpret_cast<char*>(&buffer), 0, nullptr);
    if (n == 0 || !buffer) {
        if (buffer)
            LocalFree(buffer);
        return false;
    }
    CopyCut(info->text, buffer);
    LocalFree(buffer);
    return true;
}

// Only a quartz.dll that the process already uses is asked; it is never loaded for this.
bool FromQuartz(stErrorInfo* info)
{
    HMODULE quartz = GetModuleHandleA("quartz.dll");
    if (!quartz)
        return false;
    using AMGetErrorTextA_t = DWORD(WINAPI*)(HRESULT, char*, DWORD);
    auto getText = reinterpret_cast<AMGetErrorTextA_t>(
        reinterpret_cast<void*>(GetProcAddress(quartz, "AMGetErrorTextA")));
    if (!getText)
        return false;
    char text[160] = {};
    if (getText(static_cast<HRESULT>(info->code), text, sizeof text) == 0)
        return false;
    text[159] = '\0';
    CopyCut(info->text, text);
    return true;
}

bool FromMediaModule(stErrorInfo* info, const char* moduleName)
{
    HMODULE module = LoadLibraryA(moduleName);
    if (!module)
        return false;
    bool found = FromMessageTable(info, FORMAT_MESSAGE_FROM_HMODULE, module);
    FreeLibrary(module);
    return found;
}

bool IsWindowsMediaFacility(uint32_t code)
{
    return ((code >> 16) & 0x1FFF) == 13;
}

} // namespace

void ErrorInfo_FindText(stErrorInfo* info)
{
    if (!info || info->kind != ErrorKind_System)
        return;
    if (FromMessageTable(info, FORMAT_MESSAGE_FROM_SYSTEM, nullptr) || FromQuartz(info))
        return;
    if (IsWindowsMediaFacility(info->code) &&
        (FromMediaModule(info, "WMERROR.DLL") || FromMediaModule(info, "ASFERROR.DLL")))
        return;
    std::snprintf(info->text, sizeof info->text, "SysErr.0x%08X", static_cast<unsigned>(info->code));
}
