#include "platform/BaseRegistry.h"

#include <cstring>
#include <string>

namespace {

// The module's name in the records, as the other modules give theirs.
constexpr const char* kSourceFile = "BaseRegistry";

const char* RootName(HKEY root)
{
    struct Root {
        HKEY key;
        const char* name;
    };
    static const Root roots[] = {
        {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT\\"},         {HKEY_CURRENT_USER, "HKEY_CURRENT_USER\\"},
        {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE\\"},       {HKEY_USERS, "HKEY_USERS\\"},
        {HKEY_PERFORMANCE_DATA, "HKEY_PERFORMANCE_DATA\\"}, {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG\\"},
        {HKEY_DYN_DATA, "HKEY_DYN_DATA\\"},
    };
    for (const Root& r : roots)
        if (r.key == root)
            return r.name;
    return "";
}

bool IsStringType(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

} // namespace

void BaRe_KeyPathText(HKEY root, const char* subkey, char (&text)[kKeyPathTextSize])
{
    std::string path = RootName(root);
    if (path.empty() || path.back() != '\\')
        path += '\\';
    path += subkey ? subkey : "";
    CopyCut(text, path.c_str());
}

LONG BaRe_OpenKey(char (&keyPathText)[kKeyPathTextSize], stErrorInfo* error, HKEY root,
                  const char* subkey, REGSAM access, RegKeyHolder& key)
{
    LONG status = RegOpenKeyExA(root, subkey, 0, access, key.Out());
    BaRe_KeyPathText(root, subkey, keyPathText);
    ErrorInfo_Clear(error);
    if (status != ERROR_SUCCESS)
        ErrorInfo_Set(error, ErrorKind_System, static_cast<uint32_t>(status), "RegOpenKeyEx", keyPathText,
                      kSourceFile, __LINE__, 2, keyPathText);
    return status;
}

LONG BaRe_QueryValue(const char* keyPathText, stErrorInfo* error, HKEY key, const char* valueName,
                     DWORD* type, char* data, DWORD* size, DWORD expectedType)
{
    DWORD actualType = REG_NONE;
    const DWORD capacity = size ? *size : 0;
    LONG status = RegQueryValueExA(key, valueName, nullptr, &actualType,
                                   reinterpret_cast<BYTE*>(data), size);
    if (type)
        *type = actualType;
    ErrorInfo_Clear(error);
    const std::string argument = std::string(keyPathText ? keyPathText : "") + "(" +
                                 (valueName ? valueName : "") + ")";
    if (status != ERROR_SUCCESS) {
        ErrorInfo_Set(error, ErrorKind_System, static_cast<uint32_t>(status), "RegQueryValueEx",
                      argument.c_str(), kSourceFile, __LINE__, 2, keyPathText);
        return status;
    }
    if (expectedType != 0 && expectedType != actualType) {
        ErrorInfo_Set(error, ErrorKind_BadValueType, 0, nullptr, argument.c_str(), kSourceFile, __LINE__, 2,
                      keyPathText);
        return ERROR_INVALID_DATA;
    }
    if (IsStringType(actualType) && data && capacity >= 1) {
        DWORD end = size && *size < capacity ? *size : capacity - 1;
        data[end] = '\0';
    }
    return ERROR_SUCCESS;
}
