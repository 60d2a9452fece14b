#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <type_traits>

#include "platform/ErrorInfo.h"
#include "platform/FormatText.h"
#include "platform/ParseError.h"

namespace {

// The record is copied whole between owners, so it must stay a plain fixed-size block.
static_assert(std::is_trivially_copyable_v<stErrorInfo>);
static_assert(std::is_standard_layout_v<stErrorInfo>);
static_assert(std::is_trivially_copyable_v<stParseError>);

TEST(ErrorInfo, FieldsHaveTheirFixedWidthsInOrder)
{
    EXPECT_EQ(sizeof(stErrorInfo::text), 256u);
    EXPECT_EQ(sizeof(stErrorInfo::function), 64u);
    EXPECT_EQ(sizeof(stErrorInfo::argument), 256u);
    EXPECT_EQ(sizeof(stErrorInfo::sourcePath), 256u);
    EXPECT_EQ(sizeof(stErrorExtra::text), 260u);
    EXPECT_LT(offsetof(stErrorInfo, kind), offsetof(stErrorInfo, code));
    EXPECT_LT(offsetof(stErrorInfo, code), offsetof(stErrorInfo, text));
    EXPECT_LT(offsetof(stErrorInfo, text), offsetof(stErrorInfo, function));
    EXPECT_LT(offsetof(stErrorInfo, function), offsetof(stErrorInfo, argument));
    EXPECT_LT(offsetof(stErrorInfo, argument), offsetof(stErrorInfo, sourcePath));
    EXPECT_LT(offsetof(stErrorInfo, sourcePath), offsetof(stErrorInfo, line));
    EXPECT_LT(offsetof(stErrorInfo, line), offsetof(stErrorInfo, extra));
    EXPECT_LT(offsetof(stParseError, code), offsetof(stParseError, sysError));
    EXPECT_LT(offsetof(stParseError, sysError), offsetof(stParseError, line));
    EXPECT_LT(offsetof(stParseError, line), offsetof(stParseError, start));
    EXPECT_LT(offsetof(stParseError, start), offsetof(stParseError, length));
}

TEST(ErrorInfo, ClearEmptiesEverythingAndIgnoresNull)
{
    stErrorInfo info;
    std::memset(&info, 'x', sizeof info);
    ErrorInfo_Clear(&info);
    EXPECT_EQ(info.kind, 0);
    EXPECT_EQ(info.code, 0u);
    EXPECT_STREQ(info.text, "");
    EXPECT_STREQ(info.function, "");
    EXPECT_STREQ(info.argument, "");
    EXPECT_STREQ(info.sourceName(), "");
    EXPECT_EQ(info.sourceName(), info.sourcePath);
    EXPECT_EQ(info.line, 0);
    for (const stErrorExtra& extra : info.extra)
        EXPECT_EQ(extra.kind, 0);
    ErrorInfo_Clear(nullptr);
    ErrorInfo_Set(nullptr, 1, 2, "f", "a", "s", 1);
}

TEST(ErrorInfo, SetStoresTheFieldsOfItsKind)
{
    stErrorInfo info;
    ErrorInfo_Set(&info, ErrorKind_CodeOnly, 5, "RegOpenKeyEx", "HKEY_LOCAL_MACHINE\\Software",
                  "C:\\src\\platform\\BaseRegistry.cpp", 42, 2, "HKEY_LOCAL_MACHINE\\Software");
    EXPECT_EQ(info.kind, 2);
    EXPECT_EQ(info.code, 5u);
    EXPECT_STREQ(info.function, "RegOpenKeyEx");
    EXPECT_STREQ(info.argument, "HKEY_LOCAL_MACHINE\\Software");
    EXPECT_STREQ(info.text, "") << "kind 2 looks no text up";
    EXPECT_STREQ(info.sourceName(), "BaseRegistry.cpp");
    EXPECT_EQ(info.line, 42);
    EXPECT_EQ(info.extra[0].kind, 2);
    EXPECT_STREQ(info.extra[0].text, "HKEY_LOCAL_MACHINE\\Software");
    EXPECT_EQ(info.extra[1].kind, 0);
    EXPECT_STREQ(info.extra[2].text, "");

    ErrorInfo_Set(&info, ErrorKind_BadValueType, 13, "RegQueryValueEx", "key(Version)", nullptr, 7);
    EXPECT_EQ(info.code, 0u) << "kind 3 carries no code";
    EXPECT_STREQ(info.function, "");
    EXPECT_STREQ(info.argument, "key(Version)");
    EXPECT_STREQ(info.text, "");
    EXPECT_STREQ(info.sourcePath, "");
}

TEST(ErrorInfo, SourceNameIsThePartAfterTheLastBackslash)
{
    stErrorInfo info;
    ErrorInfo_Set(&info, 2, 1, "f", "", "AllPlayersInfo.cpp", 1);
    EXPECT_STREQ(info.sourceName(), "AllPlayersInfo.cpp");
    ErrorInfo_Set(&info, 2, 1, "f", "", "C:\\src\\", 1);
    EXPECT_STREQ(info.sourceName(), "C:\\src\\") << "nothing follows the last backslash";

    // A copied record names its own source, not the original's.
    ErrorInfo_Set(&info, 2, 1, "f", "", "a\\One.cpp", 1);
    stErrorInfo copy = info;
    ErrorInfo_Set(&info, 2, 1, "f", "", "a\\Two.cpp", 1);
    EXPECT_STREQ(copy.sourceName(), "One.cpp");
    EXPECT_GE(copy.sourceName(), copy.sourcePath);
    EXPECT_LT(copy.sourceName(), copy.sourcePath + sizeof copy.sourcePath);
}

TEST(ErrorInfo, LongTextsAreCutToTheirFields)
{
    const std::string argument(300, 'a');
    const std::string function(70, 'f');
    const std::string source(400, 's');
    const std::string extra(500, 'e');
    stErrorInfo info;
    ErrorInfo_Set(&info, ErrorKind_CodeOnly, 1, function.c_str(), argument.c_str(), source.c_str(), 1,
                  2, extra.c_str(), 2, extra.c_str(), 2, extra.c_str());
    EXPECT_EQ(std::string(info.argument), argument.substr(0, 255));
    EXPECT_EQ(std::string(info.function), function.substr(0, 63));
    EXPECT_EQ(std::string(info.sourcePath), source.substr(0, 255));
    for (const stErrorExtra& e : info.extra)
        EXPECT_EQ(std::string(e.text), extra.substr(0, 259));
}

TEST(ErrorInfo, SystemKindAlwaysGetsAText)
{
    stErrorInfo info;
    ErrorInfo_Set(&info, ErrorKind_System, 0xC00D0001u, "Play", "", "x.cpp", 1);
    EXPECT_GT(std::strlen(info.text), 0u);
    EXPECT_LT(std::strlen(info.text), sizeof info.text);
}

TEST(ParseError, ClearZeroesEveryByte)
{
    stParseError error;
    std::memset(&error, 0x5A, sizeof error);
    ParseError_Clear(error);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&error);
    for (std::size_t i = 0; i < sizeof error; ++i)
        ASSERT_EQ(bytes[i], 0) << "byte " << i;
}

TEST(FormatText, FormatsIntoAStringOfAnyLength)
{
    EXPECT_EQ(FormatText("%s\\Players.txt", "C:\\Quorvel"), "C:\\Quorvel\\Players.txt");
    EXPECT_EQ(FormatText("SysErr.0x%08X", 0xABCu), "SysErr.0x00000ABC");
    const std::string big(100000, 'z');
    EXPECT_EQ(FormatText("[%s]", big.c_str()), "[" + big + "]");
    EXPECT_EQ(FormatText("%s", ""), "");
    // User text is an argument: its percent signs stay as they are.
    EXPECT_EQ(FormatText("%s", "100% %s %n"), "100% %s %n");
}

} // namespace
