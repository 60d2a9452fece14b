// The built program as its own process, against a host installation of the test's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "HostFixture.h"

namespace {

class Program : public HostFixture {
protected:
    void Start()
    {
        STARTUPINFOA startup{sizeof startup};
        std::string command = "\"" QEW_APP_EXE "\"";
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &m_process));
        CloseHandle(m_process.hThread);
    }
    void TearDown() override
    {
        if (m_process.hProcess) {
            TerminateProcess(m_process.hProcess, 99);
            CloseHandle(m_process.hProcess);
        }
        HostFixture::TearDown();
    }

    // The first visible top-level window of the program with this caption; waits for it.
    HWND WaitForWindow(const std::string& caption)
    {
        for (int i = 0; i < 200; ++i) {
            const HWND found = FindProcessWindow(m_process.dwProcessId, [&caption](HWND hwnd) {
                char text[256] = {};
                GetWindowTextA(hwnd, text, sizeof text);
                return IsWindowVisible(hwnd) && caption == text;
            });
            if (found)
                return found;
            if (WaitForSingleObject(m_process.hProcess, 50) == WAIT_OBJECT_0)
                return nullptr;
        }
        return nullptr;
    }

    DWORD WaitForExit()
    {
        EXPECT_EQ(WaitForSingleObject(m_process.hProcess, 20000), WAIT_OBJECT_0);
        DWORD code = 0;
        GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }

    static std::string BoxText(HWND box)
    {
        char text[1024] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        return text;
    }

    PROCESS_INFORMATION m_process{};
    const std::string m_caption = "Quorvel External Players Description Wizard";
};

TEST_F(Program, ClosingWithoutChangesEndsWithCodeZeroAndLeavesTheFile)
{
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    Start();
    HWND main = WaitForWindow(m_caption);
    ASSERT_NE(main, nullptr);
    char path[MAX_PATH] = {};
    GetDlgItemTextA(main, 1066, path, sizeof path);
    EXPECT_EQ(std::string(path), m_rulesPath);
    EXPECT_EQ(SendMessageA(GetDlgItem(main, 1000), LB_GETCOUNT, 0, 0), 3);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(), 0u);
    EXPECT_EQ(ReadRules(), kThreePlayers);
}

TEST_F(Program, DeletingAndSavingOnOkRewritesTheFile)
{
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    Start();
    HWND main = WaitForWindow(m_caption);
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(1005, BN_CLICKED), 0);
    HWND question = WaitForWindow("QuorvelExtPlrWizard");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(BoxText(question), "Are you sure you want to delete window titles interpretation rules for Alpha?");
    PostMessageA(question, WM_COMMAND, IDYES, 0);
    for (int i = 0; i < 100 && IsWindow(question); ++i)
        Sleep(20);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    HWND save = WaitForWindow("QuorvelExtPlrWizard");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(BoxText(save), "Save changes in " + m_rulesPath + " ?");
    PostMessageA(save, WM_COMMAND, IDYES, 0);
    EXPECT_EQ(WaitForExit(), 0u);
    EXPECT_EQ(ReadRules(), kThreePlayers.substr(0, kThreePlayers.find("[Alpha]")) +
                               kThreePlayers.substr(kThreePlayers.find("[Beta]")));
}

TEST_F(Program, NoOnTheOfferToRepairAFaultyRulesFileEndsWithCodeOne)
{
    InstallHost("6.0");
    const std::string rules = "[A]\r\nCLASSNAME=\"a\"\r\nFORMAT=\"<Title>\"\r\nbogus\r\n";
    WriteRules(rules);
    Start();
    HWND box = WaitForWindow("QuorvelExtPlrWizard");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(BoxText(box), "Incorrect line\nLine: 4\nFile: " + m_rulesPath +
                                "\n\nWould you like to open the file in the manual editor to repair it?");
    PostMessageA(box, WM_COMMAND, IDNO, 0);
    EXPECT_EQ(WaitForExit(), 1u);
    EXPECT_EQ(ReadRules(), rules);
}

TEST_F(Program, QuittingAfterAChangeAsksAndEndsWithCodeOneLeavingTheFile)
{
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    Start();
    HWND main = WaitForWindow(m_caption);
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(1005, BN_CLICKED), 0);
    HWND question = WaitForWindow("QuorvelExtPlrWizard");
    ASSERT_NE(question, nullptr);
    PostMessageA(question, WM_COMMAND, IDYES, 0);
    for (int i = 0; i < 100 && IsWindow(question); ++i)
        Sleep(20);
    PostMessageA(main, WM_CLOSE, 0, 0);
    HWND quit = WaitForWindow("QuorvelExtPlrWizard");
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(BoxText(quit), "Would you like to quit without saving changes?");
    PostMessageA(quit, WM_COMMAND, IDYES, 0);
    EXPECT_EQ(WaitForExit(), 1u);
    EXPECT_EQ(ReadRules(), kThreePlayers);
}

// What the shell shows of the executable: its version block, read as the shell reads it.
TEST(ProgramFile, CarriesItsVersionBlock)
{
    // The test program does not link the version library; the shell's own copy serves.
    HMODULE library = LoadLibraryA("version.dll");
    ASSERT_NE(library, nullptr);
    auto getSize = reinterpret_cast<decltype(&GetFileVersionInfoSizeA)>(
        reinterpret_cast<void*>(GetProcAddress(library, "GetFileVersionInfoSizeA")));
    auto getInfo = reinterpret_cast<decltype(&GetFileVersionInfoA)>(
        reinterpret_cast<void*>(GetProcAddress(library, "GetFileVersionInfoA")));
    auto query = reinterpret_cast<decltype(&VerQueryValueA)>(
        reinterpret_cast<void*>(GetProcAddress(library, "VerQueryValueA")));
    ASSERT_TRUE(getSize && getInfo && query);

    const char* exe = QEW_APP_EXE;
    DWORD handle = 0;
    const DWORD size = getSize(exe, &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(getInfo(exe, 0, size, block.data()));
    struct Translation {
        WORD language, codePage;
    }* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(query(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &length));
    ASSERT_GE(length, sizeof *translation);
    char prefix[64];
    std::snprintf(prefix, sizeof prefix, "\\StringFileInfo\\%04x%04x\\", translation->language, translation->codePage);
    auto value = [&](const char* name) {
        char* text = nullptr;
        UINT n = 0;
        const std::string path = prefix + std::string(name);
        return query(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &n) && text ? std::string(text)
                                                                                                   : std::string();
    };
    EXPECT_EQ(value("FileDescription"), "Quorvel External Players Descriptions Wizard");
    EXPECT_EQ(value("FileVersion"), "8.3.1");
    EXPECT_EQ(value("InternalName"), "QuorvelExtPlrWizard");
    EXPECT_EQ(value("OriginalFilename"), "QuorvelExtPlrWizard.exe");
}

} // namespace
