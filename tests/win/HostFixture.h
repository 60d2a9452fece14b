#pragma once
// A host installation of the test's own: registry values in the private prefix's
// HKEY_LOCAL_MACHINE (either view) and a rules file in a temporary folder. Everything is
// removed again at the end.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "MessageBoxRecorder.h"
#include "app/QuorvelExtPlrWizardDlg.h"
#include "framework/WizardSheet.h"
#include "rules/DispNameSupported.h"

class HostFixture : public testing::Test {
protected:
    void SetUp() override
    {
        RemoveHostKeys();
        SetDispNameSupportedForTesting(false);
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_folder = std::string(temp) + "qew-host-" + std::to_string(GetCurrentProcessId()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(m_folder.c_str(), nullptr);
        m_rulesPath = m_folder + "\\Players.txt";
    }
    void TearDown() override
    {
        RemoveHostKeys();
        SetFileAttributesA(m_rulesPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(m_rulesPath.c_str());
        RemoveDirectoryA(m_folder.c_str());
        SetDispNameSupportedForTesting(false);
    }

    static void RemoveHostKeys()
    {
        for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
            HKEY parent = nullptr;
            if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Dunmere", 0, KEY_ALL_ACCESS | view, &parent) == 0) {
                RegDeleteTreeA(parent, "Quorvel");
                RegCloseKey(parent);
            }
        }
    }

    static void SetValue(REGSAM view, const std::string& subkey, const char* name, DWORD type, const void* data,
                         DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr,
                                  &key, nullptr),
                  0);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), 0);
        RegCloseKey(key);
    }
    static void SetString(REGSAM view, const std::string& subkey, const char* name, const std::string& value)
    {
        SetValue(view, subkey, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
    }

    // Version and, unless empty, Path under the version's key.
    void InstallHost(const std::string& version, REGSAM view = KEY_WOW64_32KEY, bool withPath = true)
    {
        SetString(view, "Software\\Dunmere\\Quorvel", "Version", version);
        if (withPath)
            SetString(view, "Software\\Dunmere\\Quorvel\\" + version, "Path", m_folder);
        else
            SetString(view, "Software\\Dunmere\\Quorvel\\" + version, "Other", "x");
    }

    void WriteRules(const std::string& text) const
    {
        std::ofstream(m_rulesPath, std::ios::binary) << text;
    }
    std::string ReadRules() const
    {
        std::ifstream in(m_rulesPath, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string m_folder;
    std::string m_rulesPath;
};

// Three players, CR LF line ends.
inline const std::string kThreePlayers =
    "; Rules for external players\r\n"
    "\r\n"
    "[Alpha]\r\n"
    "CLASSNAME=\"AlphaWnd\"\r\n"
    "FORMAT=\"<Artist> - <Title> - Alpha\"\r\n"
    "[Beta]\r\n"
    "CLASSNAME=\"BetaWnd\"\r\n"
    ";\r\n"
    "; Example: Beta: Song\r\n"
    "FORMAT=\"Beta: <Title>\"\r\n"
    "[Gamma]\r\n"
    "CLASSNAME=\"\"\r\n"
    "FORMAT=\"<Title> (Gamma)\"\r\n";

// Handles what is queued for this thread; a quit request is kept for QuitCode.
inline void PumpMessages()
{
    MSG message;
    for (int i = 0; i < 1000 && PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); ++i) {
        if (message.message == WM_QUIT)
            return;
        PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The exit code of a posted quit request, -1 when there is none; takes the request.
inline int TakeQuitCode()
{
    PumpMessages();
    MSG message;
    if (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return static_cast<int>(message.wParam);
    return -1;
}

// The first top-level window of process `processId` that `match` accepts, or null.
inline HWND FindProcessWindow(DWORD processId, const std::function<bool(HWND)>& match)
{
    struct Search {
        DWORD processId;
        const std::function<bool(HWND)>* match;
        HWND found;
    } search{processId, &match, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner != s->processId || !(*s->match)(hwnd))
                return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The main dialog, made modeless, on a host with the three players of kThreePlayers, or
// the rules a derived fixture names.
class MainDialogOnHost : public HostFixture {
protected:
    virtual std::string Rules() const { return kThreePlayers; }
    void SetUp() override
    {
        HostFixture::SetUp();
        InstallHost("6.0");
        WriteRules(Rules());
        ASSERT_NE(m_main.Create(nullptr), nullptr);
        PumpMessages();
    }
    void TearDown() override
    {
        WizardSheet::SetModalRunner(nullptr);
        Dialog::SetModalRunner(nullptr);
        m_main.EndDialog(IDCANCEL);
        TakeQuitCode();
        HostFixture::TearDown();
    }

    MessageBoxRecorder m_boxes;
    CQuorvelExtPlrWizardDlg m_main;
};
