#include <gtest/gtest.h>

#include <string>

#include "rules/AllPlayersInfo.h"
#include "rules/DispNameSupported.h"

namespace {

class RulesRoundTrip : public testing::Test {
protected:
    void SetUp() override { SetDispNameSupportedForTesting(true); }
    void TearDown() override { SetDispNameSupportedForTesting(false); }
};

// Found by fuzzing: an empty display name followed by a display-name line among the
// first template's own lines. Leaving the empty one out made the other one the display
// name once the written file was read again.
TEST_F(RulesRoundTrip, ADisplayNameLineAmongTheOwnLinesStaysAnOwnLine)
{
    const std::string text = "[P]\r\nCLASSNAME=\"C\"\r\nDISPNAME=\"\"\r\nDISPNAME=\"Note\"\r\nFORMAT=\"<Title>\"\r\n";
    CAllPlayersInfo players;
    ASSERT_EQ(players.ParseText(text), 0);
    EXPECT_EQ(players.GetPlayer(0)->m_strDispName, "");
    const std::string written = players.BuildText();
    EXPECT_EQ(written, text);

    CAllPlayersInfo again;
    ASSERT_EQ(again.ParseText(written), 0);
    EXPECT_EQ(again.GetPlayer(0)->m_strDispName, "");
    ASSERT_EQ(again.GetPlayer(0)->m_arrFormats.size(), 1u);
    ASSERT_EQ(again.GetPlayer(0)->m_arrFormats[0]->m_arrLines.size(), 1u);
    EXPECT_EQ(again.GetPlayer(0)->m_arrFormats[0]->m_arrLines[0], "DISPNAME=\"Note\"");
}

TEST_F(RulesRoundTrip, AnEmptyDisplayNameIsOtherwiseDropped)
{
    CAllPlayersInfo players;
    ASSERT_EQ(players.ParseText("[P]\r\nCLASSNAME=\"C\"\r\nDISPNAME=\"\"\r\n;\r\nFORMAT=\"<Title>\""), 0);
    EXPECT_EQ(players.BuildText(), "[P]\r\nCLASSNAME=\"C\"\r\n;\r\nFORMAT=\"<Title>\"\r\n");
}

} // namespace
