#pragma once
// Small registry helpers that fill an error record on every failure.

#include <windows.h>

#include <utility>

#include "platform/CompareVersions.h"
#include "platform/ErrorInfo.h"

// Key path texts are 256 bytes; value buffers and composed paths 260.
constexpr std::size_t kKeyPathTextSize = 256;
constexpr std::size_t kRegTextSize = 260;

// Owns one key handle; closing twice is harmless.
class RegKeyHolder {
public:
    RegKeyHolder() = default;
    ~RegKeyHolder() { Close(); }
    RegKeyHolder(const RegKeyHolder&) = delete;
    RegKeyHolder& operator=(const RegKeyHolder&) = delete;

    HKEY Get() const { return m_key; }
    HKEY* Out() { Close(); return &m_key; }
    void Close()
    {
        if (m_key && m_key != reinterpret_cast<HKEY>(~static_cast<ULONG_PTR>(0)))
            RegCloseKey(m_key);
        m_key = nullptr;
    }

private:
    HKEY m_key = nullptr;
};

// "HKEY_LOCAL_MACHINE\" and the subkey, cut at 255 characters.
void BaRe_KeyPathText(HKEY root, const char* subkey, char (&text)[kKeyPathTextSize]);

LONG BaRe_OpenKey(char (&keyPathText)[kKeyPathTextSize], stErrorInfo* error, HKEY root,
                  const char* subkey, REGSAM access, RegKeyHolder& key);

// An unexpected type fills the record with kind 3 and returns ERROR_INVALID_DATA: data of
// another type than a string is not terminated and must not be used.
LONG BaRe_QueryValue(const char* keyPathText, stErrorInfo* error, HKEY key, const char* valueName,
                     DWORD* type, char* data, DWORD* size, DWORD expectedType);
