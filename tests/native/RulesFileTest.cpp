// Loading and saving through the file layer, with faults injected at every file call.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "RulesTestSupport.h"
#include "platform/FileIo.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"

namespace {

class RulesFiles : public RulesFileTest {
protected:
    void SetUp() override
    {
        RulesFileTest::SetUp();
        m_path = PathOf("Players.txt");
        m_previous = CrLfLines({"; previous rules", "[Old]", "CLASSNAME=\"old\"", "FORMAT=\"<Title>\""});
        WriteBytes(m_path, m_previous);
        ASSERT_EQ(m_players.LoadFromFile(DataFile("Players.txt")), 0);
    }

    // The record names the file whose call failed: the temporary one, or the target.
    void ExpectFailedSave(const char* function, uint32_t code, bool onTemp = false)
    {
        const std::string text = m_players.BuildText();
        EXPECT_EQ(m_players.SaveToFile(m_path), -1);
        stParseError e;
        m_players.GetError(&e);
        EXPECT_EQ(e.code, kParseErrorSystem);
        EXPECT_EQ(e.sysError.kind, ErrorKind_System);
        EXPECT_EQ(e.sysError.code, code);
        EXPECT_STREQ(e.sysError.function, function);
        EXPECT_EQ(e.sysError.argument, onTemp ? ReplacingTempPath(m_path) : m_path);
        EXPECT_STREQ(e.sysError.sourceName(), "AllPlayersInfo");
        EXPECT_EQ(FileBytes(m_path), m_previous);
        EXPECT_FALSE(FileExists(ReplacingTempPath(m_path)));
        EXPECT_EQ(m_players.BuildText(), text);
    }

    std::string m_path;
    std::string m_previous;
    CAllPlayersInfo m_players;
};

TEST_F(RulesFiles, SaveReplacesTheFileWithTheBuiltText)
{
    WriteBytes(m_path, m_previous + std::string(4000, ';'));
    ASSERT_EQ(m_players.SaveToFile(m_path), 0);
    EXPECT_EQ(FileBytes(m_path), FileBytes(DataFile("Players.txt")));
    EXPECT_FALSE(FileExists(ReplacingTempPath(m_path)));

    CAllPlayersInfo again;
    ASSERT_EQ(again.LoadFromFile(m_path), 0);
    EXPECT_EQ(again.BuildText(), m_players.BuildText());

    // A save into a folder without the file creates it.
    const std::string fresh = PathOf("Fresh.txt");
    ASSERT_EQ(m_players.SaveToFile(fresh), 0);
    EXPECT_EQ(FileBytes(fresh), m_players.BuildText());
}

TEST_F(RulesFiles, SuccessfulSaveLeavesTheErrorStateAlone)
{
    CAllPlayersInfo players;
    ASSERT_EQ(players.ParseText(CrLfLines({"[A]", "CLASSNAME=\"a\"", "FORMAT=\"<Title>\"", "FORMAT=\"<Title>\""})), -1);
    ASSERT_EQ(players.GetPlayerCount(), 1);
    ASSERT_EQ(players.SaveToFile(m_path), 0);
    stParseError e;
    players.GetError(&e);
    EXPECT_EQ(e.code, IDS_EQUAL_TEMPLATES);
    EXPECT_EQ(e.line, 3);
}

TEST_F(RulesFiles, EmptyCollectionWritesNothing)
{
    while (m_players.GetPlayerCount() > 0)
        m_players.RemovePlayer(m_players.GetPlayerCount() - 1);
    EXPECT_EQ(m_players.SaveToFile(m_path), -1);
    stParseError e;
    m_players.GetError(&e);
    EXPECT_EQ(e.code, IDS_NO_PLAYERS_FOUND);
    EXPECT_EQ(FileBytes(m_path), m_previous);
    EXPECT_FALSE(FileExists(ReplacingTempPath(m_path)));
}

TEST_F(RulesFiles, FailureAtAnyFileCallKeepsThePreviousFile)
{
    // The second CreateFile is the target's, opened and closed again before the move.
    const std::vector<const char*> calls = {"CreateFile", "WriteFile", "FlushFileBuffers", "CloseHandle",
                                            "CreateFile", "MoveFileEx"};
    for (std::size_t k = 0; k < calls.size(); ++k) {
        SCOPED_TRACE(calls[k]);
        InjectFileFault(static_cast<int>(k), FileFaultKind::Fail);
        ExpectFailedSave(calls[k], kInjectedFileError, /*onTemp=*/k < 4);
        EXPECT_FALSE(FileFaultPending());
    }
    InjectFileFault(static_cast<int>(calls.size()), FileFaultKind::Fail);
    EXPECT_EQ(m_players.SaveToFile(m_path), 0);
    EXPECT_TRUE(FileFaultPending());
}

TEST_F(RulesFiles, ShortWriteAtAnyOffsetKeepsThePreviousFile)
{
    const std::size_t size = m_players.BuildText().size();
    for (std::size_t written = 0; written < size; ++written) {
        SCOPED_TRACE(written);
        InjectFileFault(1, FileFaultKind::ShortWrite, written);
        ExpectFailedSave("WriteFile", 112, /*onTemp=*/true);
        if (HasFailure())
            break;
    }
    InjectFileFault(1, FileFaultKind::ShortWrite, size);
    EXPECT_EQ(m_players.SaveToFile(m_path), 0);
    EXPECT_EQ(FileBytes(m_path), m_players.BuildText());
}

TEST_F(RulesFiles, ReadOnlyRulesFileIsNotReplaced)
{
    namespace fs = std::filesystem;
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(m_path, readOnly);
    ExpectFailedSave("CreateFile", 5);
    fs::permissions(m_path, readOnly | fs::perms::owner_write);
    EXPECT_EQ(m_players.SaveToFile(m_path), 0);
    EXPECT_EQ(FileBytes(m_path), m_players.BuildText());
}

TEST_F(RulesFiles, SaveIntoAMissingFolderFailsAtCreation)
{
    m_path = PathOf("missing") + "/Players.txt";
    const std::string text = m_players.BuildText();
    EXPECT_EQ(m_players.SaveToFile(m_path), -1);
    stParseError e;
    m_players.GetError(&e);
    EXPECT_EQ(e.code, kParseErrorSystem);
    EXPECT_EQ(e.sysError.code, 3u);
    EXPECT_STREQ(e.sysError.function, "CreateFile");
    EXPECT_EQ(e.sysError.argument, ReplacingTempPath(m_path));
    EXPECT_FALSE(FileExists(m_path));
}

TEST_F(RulesFiles, SaveWithoutAPathFailsAtCreationAndWritesNothing)
{
    // After a failed host lookup the rules have no path; nothing may land in the current folder.
    EXPECT_EQ(m_players.SaveToFile(""), -1);
    stParseError e;
    m_players.GetError(&e);
    EXPECT_EQ(e.code, kParseErrorSystem);
    EXPECT_EQ(e.sysError.code, 3u);
    EXPECT_STREQ(e.sysError.function, "CreateFile");
    EXPECT_STREQ(e.sysError.argument, "");
    EXPECT_FALSE(FileExists(ReplacingTempPath("")));
}

TEST_F(RulesFiles, LoadFailuresNameTheCallAndKeepTheCollection)
{
    const std::string text = m_players.BuildText();
    stParseError before;
    m_players.GetError(&before);

    struct Case {
        std::string path;
        int callsBefore;
        const char* function;
        uint32_t code;
    };
    const std::vector<Case> cases = {
        {PathOf("absent.txt"), -1, "CreateFile", 2},
        {PathOf("absent") + "/Players.txt", -1, "CreateFile", 3},
        {m_path, 0, "CreateFile", kInjectedFileError},
        {m_path, 1, "GetFileSize", kInjectedFileError},
        {m_path, 2, "ReadFile", kInjectedFileError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.function);
        InjectFileFault(c.callsBefore, FileFaultKind::Fail);
        EXPECT_EQ(m_players.LoadFromFile(c.path), -1);
        stParseError e;
        m_players.GetError(&e);
        EXPECT_EQ(e.code, kParseErrorSystem);
        EXPECT_EQ(e.sysError.kind, ErrorKind_System);
        EXPECT_EQ(e.sysError.code, c.code);
        EXPECT_STREQ(e.sysError.function, c.function);
        EXPECT_EQ(e.sysError.argument, c.path);
        EXPECT_STREQ(e.sysError.sourceName(), "AllPlayersInfo");
        EXPECT_EQ(e.line, before.line);
        EXPECT_EQ(e.start, before.start);
        EXPECT_EQ(e.length, before.length);
        EXPECT_EQ(m_players.BuildText(), text);
    }
    // The three calls are all there is to a load.
    InjectFileFault(3, FileFaultKind::Fail);
    EXPECT_EQ(m_players.LoadFromFile(m_path), 0);
    EXPECT_EQ(m_players.BuildText(), m_previous);
}

TEST_F(RulesFiles, FolderIsNotAFileToRead)
{
    EXPECT_EQ(m_players.LoadFromFile(m_folder.string()), -1);
    stParseError e;
    m_players.GetError(&e);
    EXPECT_EQ(e.code, kParseErrorSystem);
    EXPECT_EQ(e.sysError.code, 5u);
    EXPECT_STREQ(e.sysError.function, "CreateFile");
}

TEST_F(RulesFiles, LongPathIsCutInTheRecord)
{
    const std::string path = PathOf(std::string(200, 'x').c_str()) + "/" + std::string(200, 'y');
    EXPECT_EQ(m_players.LoadFromFile(path), -1);
    stParseError e;
    m_players.GetError(&e);
    EXPECT_EQ(std::strlen(e.sysError.argument), 255u);
    EXPECT_EQ(std::string(e.sysError.argument), path.substr(0, 255));
}

TEST(ReplacingTempPath, StaysBesideTheTargetAndWithinTheLongestPath)
{
    EXPECT_EQ(ReplacingTempPath("C:\\Host\\Players.txt"), "C:\\Host\\Players.txt.tmp~");
    const std::string nearLimit = "C:\\" + std::string(244, 'h') + "\\Players.txt";
    ASSERT_EQ(nearLimit.size(), 259u);
    const std::string temp = ReplacingTempPath(nearLimit);
    EXPECT_EQ(temp.size(), nearLimit.size());
    EXPECT_NE(temp, nearLimit);
    EXPECT_EQ(temp.substr(0, temp.rfind('\\')), nearLimit.substr(0, nearLimit.rfind('\\')));
    const std::string tilde = nearLimit.substr(0, 258) + "~";
    EXPECT_NE(ReplacingTempPath(tilde), tilde);
    EXPECT_EQ(ReplacingTempPath(tilde).size(), tilde.size());
}

} // namespace
