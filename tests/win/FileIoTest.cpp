// The save through a temporary file against Windows' own refusals: a read-only rules file,
// a missing folder, and a rules file that another handle holds without sharing.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/FileIo.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "rules/DispNameSupported.h"

namespace {

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class RulesFileWin : public testing::Test {
protected:
    void SetUp() override
    {
        SetDispNameSupportedForTesting(false);
        m_folder = std::filesystem::temp_directory_path()
                   / (std::string("qew_win_") + testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        m_path = (m_folder / "Players.txt").string();
        m_previous = "; previous\r\n[Old]\r\nCLASSNAME=\"old\"\r\nFORMAT=\"<Title>\"\r\n";
        std::ofstream(m_path, std::ios::binary) << m_previous;
        ASSERT_EQ(m_players.ParseText("[New]\r\nCLASSNAME=\"new\"\r\nFORMAT=\"<Artist>\"\r\n"), 0);
    }
    void TearDown() override
    {
        SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }

    // The failed save's record and the untouched previous file.
    void ExpectRefused(const char* function, DWORD code, bool onTemp = false)
    {
        EXPECT_EQ(m_players.SaveToFile(m_path), -1);
        stParseError e;
        m_players.GetError(&e);
        EXPECT_EQ(e.code, kParseErrorSystem);
        EXPECT_EQ(e.sysError.kind, ErrorKind_System);
        EXPECT_EQ(e.sysError.code, code);
        EXPECT_STREQ(e.sysError.function, function);
        EXPECT_EQ(e.sysError.argument, onTemp ? ReplacingTempPath(m_path) : m_path);
        EXPECT_NE(e.sysError.text[0], '\0');
        EXPECT_EQ(GetFileAttributesA(ReplacingTempPath(m_path).c_str()), INVALID_FILE_ATTRIBUTES);
    }

    std::filesystem::path m_folder;
    std::string m_path;
    std::string m_previous;
    CAllPlayersInfo m_players;
};

TEST_F(RulesFileWin, ReadOnlyRulesFileStaysAsItWas)
{
    ASSERT_TRUE(SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY));
    ExpectRefused("CreateFile", ERROR_ACCESS_DENIED);
    EXPECT_EQ(Bytes(m_path), m_previous);
}

TEST_F(RulesFileWin, MissingFolderIsReportedAtCreation)
{
    m_path = (m_folder / "missing" / "Players.txt").string();
    ExpectRefused("CreateFile", ERROR_PATH_NOT_FOUND, /*onTemp=*/true);
    EXPECT_EQ(GetFileAttributesA(m_path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(RulesFileWin, RulesFileHeldWithoutSharingIsNeitherReadNorReplaced)
{
    HANDLE other = CreateFileA(m_path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    ExpectRefused("CreateFile", ERROR_SHARING_VIOLATION);

    CAllPlayersInfo loaded;
    EXPECT_EQ(loaded.LoadFromFile(m_path), -1);
    stParseError e;
    loaded.GetError(&e);
    EXPECT_EQ(e.code, kParseErrorSystem);
    EXPECT_EQ(e.sysError.code, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_STREQ(e.sysError.function, "CreateFile");
    CloseHandle(other);
    EXPECT_EQ(Bytes(m_path), m_previous);
}

TEST_F(RulesFileWin, ReaderSharesTheFileForReadingOnly)
{
    HANDLE reader = CreateFileA(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    CAllPlayersInfo loaded;
    EXPECT_EQ(loaded.LoadFromFile(m_path), 0);
    CloseHandle(reader);

    HANDLE writer = CreateFileA(m_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(loaded.LoadFromFile(m_path), -1);
    CloseHandle(writer);
}

TEST_F(RulesFileWin, MissingRulesFileReportsTheSystemText)
{
    const std::string absent = (m_folder / "absent.txt").string();
    EXPECT_EQ(m_players.LoadFromFile(absent), -1);
    stParseError e;
    m_players.GetError(&e);
    EXPECT_EQ(e.sysError.code, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_STREQ(e.sysError.function, "CreateFile");
    EXPECT_EQ(e.sysError.argument, absent);
    EXPECT_EQ(std::string(e.sysError.text).find("SysErr"), std::string::npos);
}

TEST_F(RulesFileWin, SaveReplacesAnOpenForReadingFreeFile)
{
    ASSERT_EQ(m_players.SaveToFile(m_path), 0);
    EXPECT_EQ(Bytes(m_path), m_players.BuildText());
}

TEST_F(RulesFileWin, RulesFileAtTheLongestPathIsSaved)
{
    // Folders whose names bring the rules file's path to the longest the ANSI calls take.
    std::filesystem::path folder = m_folder;
    const std::size_t fixed = folder.string().size() + std::string("\\Players.txt").size();
    ASSERT_LT(fixed + 2, 259u);
    std::size_t left = 259 - fixed;
    while (left > 0) {
        std::size_t part = std::min<std::size_t>(left - 1, 100);
        if (left - (part + 1) == 1)
            --part; // a single character left over could not make a folder
        folder /= std::string(part, 'd');
        left -= part + 1;
    }
    std::filesystem::create_directories(folder);
    m_path = (folder / "Players.txt").string();
    ASSERT_EQ(m_path.size(), 259u);
    std::ofstream(m_path, std::ios::binary) << m_previous;

    ASSERT_EQ(m_players.SaveToFile(m_path), 0);
    EXPECT_EQ(Bytes(m_path), m_players.BuildText());
    EXPECT_EQ(GetFileAttributesA(ReplacingTempPath(m_path).c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
