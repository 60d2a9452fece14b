#pragma once
// A sample player started as its own process for a test: one top-level window of the
// given class and title. The process is ended with the object.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostFixture.h"

class SamplePlayerProcess {
public:
    // `process` gives the new process its security: one that lets nobody open it stands
    // for a program of another user or a protected one.
    SamplePlayerProcess(const std::string& windowClass, const std::string& title, bool hidden = false,
                        SECURITY_ATTRIBUTES* process = nullptr)
    {
        std::string commandLine = std::string("\"") + QEW_SAMPLE_PLAYER_EXE + "\" --interval 0 ";
        if (hidden)
            commandLine += "--hidden ";
        commandLine += "-- \"" + windowClass + "\" \"" + title + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessA(nullptr, commandLine.data(), process, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &m_process)) {
            ADD_FAILURE() << "cannot start " << commandLine << ": " << GetLastError();
            return;
        }
        // Bounded wait for its window to exist, and to be shown unless it stays hidden: the
        // player creates it first and shows it a moment later.
        auto ready = [&] { return m_window && (hidden || IsWindowVisible(m_window)); };
        for (int i = 0; i < 1000 && !ready(); ++i) {
            m_window = FindOwnWindow(windowClass);
            if (!ready()) {
                PumpMessages();
                Sleep(10);
            }
        }
        if (!ready())
            ADD_FAILURE() << "no window of class " << windowClass << (m_window ? " shown" : "");
    }
    ~SamplePlayerProcess() { Close(); }
    SamplePlayerProcess(const SamplePlayerProcess&) = delete;
    SamplePlayerProcess& operator=(const SamplePlayerProcess&) = delete;

    HWND Window() const { return m_window; }

    void SetTitle(const std::string& title) const
    {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(m_window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()), SMTO_ABORTIFHUNG,
                            5000, &ignored);
    }

    // Ends the player and waits until its window is gone.
    void Close()
    {
        if (!m_process.hProcess)
            return;
        PostMessageA(m_window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_process.hProcess, 5000) != WAIT_OBJECT_0) {
            TerminateProcess(m_process.hProcess, 1);
            WaitForSingleObject(m_process.hProcess, 5000);
        }
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
        m_process = {};
        for (int i = 0; i < 500 && IsWindow(m_window); ++i)
            Sleep(10);
    }

private:
    HWND FindOwnWindow(const std::string& windowClass) const
    {
        return FindProcessWindow(m_process.dwProcessId, [&windowClass](HWND hwnd) {
            char name[260] = {};
            GetClassNameA(hwnd, name, sizeof name);
            return windowClass == name;
        });
    }

    PROCESS_INFORMATION m_process{};
    HWND m_window = nullptr;
};

// For the probes: some 200 windows of one other process crowd the desktop, with one that
// never answers when `stalled`, as a user's desktop is. Ended with the object.
class CrowdProcess {
public:
    explicit CrowdProcess(bool stalled = false)
    {
        std::string commandLine = std::string("\"") + QEW_SAMPLE_PLAYER_EXE + "\" --interval 0 --crowd 200 ";
        if (stalled)
            commandLine += "--stalled ";
        commandLine += "-- QewCrowded Crowded";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &m_process)) {
            ADD_FAILURE() << "cannot start " << commandLine << ": " << GetLastError();
            return;
        }
        auto ready = [&] {
            return FindWindowA("QewCrowd", "Crowd window 200") && (!stalled || FindWindowA("QewStalled", nullptr));
        };
        for (int i = 0; i < 1000 && !ready(); ++i)
            Sleep(10);
    }
    ~CrowdProcess()
    {
        if (!m_process.hProcess)
            return;
        TerminateProcess(m_process.hProcess, 0);
        WaitForSingleObject(m_process.hProcess, 5000);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    CrowdProcess(const CrowdProcess&) = delete;
    CrowdProcess& operator=(const CrowdProcess&) = delete;

private:
    PROCESS_INFORMATION m_process{};
};

// This process's CPU time so far, kernel and user, in milliseconds.
inline double ProcessCpuMilliseconds()
{
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    const auto ticks = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e4;
}
