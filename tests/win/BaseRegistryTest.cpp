#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "platform/BaseRegistry.h"

namespace {

constexpr const char* kTestKey = "Software\\QewTests\\Registry";

// A key of the test's own under HKEY_CURRENT_USER, removed again at the end.
class RegistryTest : public testing::Test {
protected:
    void SetUp() override
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        m_key.reset(key);
    }
    void TearDown() override
    {
        m_key.reset();
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QewTests");
    }
    void SetString(const char* name, const std::string& value)
    {
        RegSetValueExA(m_key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    }

    struct KeyCloser {
        void operator()(HKEY key) const { RegCloseKey(key); }
    };
    std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser> m_key;
};

TEST_F(RegistryTest, KeyPathTextsNameTheRoot)
{
    char text[kKeyPathTextSize];
    BaRe_KeyPathText(HKEY_LOCAL_MACHINE, "Software\\Dunmere\\Quorvel", text);
    EXPECT_STREQ(text, "HKEY_LOCAL_MACHINE\\Software\\Dunmere\\Quorvel");
    BaRe_KeyPathText(HKEY_CURRENT_CONFIG, "", text);
    EXPECT_STREQ(text, "HKEY_CURRENT_CONFIG\\");
    BaRe_KeyPathText(HKEY_USERS, std::string(400, 'k').c_str(), text);
    EXPECT_EQ(std::string(text), "HKEY_USERS\\" + std::string(255 - 11, 'k'));
}

TEST_F(RegistryTest, AFailedOpenFillsTheRecord)
{
    char path[kKeyPathTextSize];
    stErrorInfo error;
    RegKeyHolder key;
    EXPECT_EQ(BaRe_OpenKey(path, &error, HKEY_CURRENT_USER, "Software\\QewTests\\Missing", KEY_READ, key), 2);
    EXPECT_EQ(error.kind, ErrorKind_System);
    EXPECT_EQ(error.code, 2u);
    EXPECT_STREQ(error.function, "RegOpenKeyEx");
    EXPECT_STREQ(error.argument, "HKEY_CURRENT_USER\\Software\\QewTests\\Missing");
    EXPECT_EQ(error.extra[0].kind, 2);
    EXPECT_STREQ(error.extra[0].text, error.argument);
    EXPECT_GT(std::strlen(error.text), 0u);
    EXPECT_STREQ(error.sourceName(), "BaseRegistry");

    EXPECT_EQ(BaRe_OpenKey(path, &error, HKEY_CURRENT_USER, kTestKey, KEY_READ, key), 0);
    EXPECT_EQ(error.kind, 0) << "a success clears the record";
    EXPECT_NE(key.Get(), nullptr);
    key.Close();
    key.Close();
    EXPECT_EQ(key.Get(), nullptr);
}

TEST_F(RegistryTest, QueriesAStringAndTerminatesIt)
{
    SetString("Version", "6.0");
    char path[kKeyPathTextSize];
    stErrorInfo error;
    RegKeyHolder key;
    ASSERT_EQ(BaRe_OpenKey(path, &error, HKEY_CURRENT_USER, kTestKey, KEY_READ, key), 0);
    char data[kRegTextSize];
    std::memset(data, 'x', sizeof data);
    DWORD size = sizeof data, type = 0;
    EXPECT_EQ(BaRe_QueryValue(path, &error, key.Get(), "Version", &type, data, &size, REG_SZ), 0);
    EXPECT_STREQ(data, "6.0");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

    // A string stored without its terminator is still terminated.
    const char raw[3] = {'a', 'b', 'c'};
    RegSetValueExA(m_key.get(), "Raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(raw), 3);
    std::memset(data, 'x', sizeof data);
    size = sizeof data;
    EXPECT_EQ(BaRe_QueryValue(path, &error, key.Get(), "Raw", nullptr, data, &size, REG_SZ), 0);
    EXPECT_STREQ(data, "abc");

    // Too long for the buffer: the system's status for more data, reported like any failure.
    SetString("Long", std::string(300, 'p'));
    size = sizeof data;
    EXPECT_EQ(BaRe_QueryValue(path, &error, key.Get(), "Long", nullptr, data, &size, REG_SZ), ERROR_MORE_DATA);
    EXPECT_EQ(error.kind, ErrorKind_System);
    EXPECT_EQ(error.code, static_cast<uint32_t>(ERROR_MORE_DATA));
}

TEST_F(RegistryTest, FailedAndMistypedQueriesNameKeyAndValue)
{
    const DWORD number = 6;
    RegSetValueExA(m_key.get(), "Version", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    char path[kKeyPathTextSize];
    stErrorInfo error;
    RegKeyHolder key;
    ASSERT_EQ(BaRe_OpenKey(path, &error, HKEY_CURRENT_USER, kTestKey, KEY_READ, key), 0);
    char data[kRegTextSize];
    DWORD size = sizeof data;
    EXPECT_EQ(BaRe_QueryValue(path, &error, key.Get(), "Path", nullptr, data, &size, REG_SZ), 2);
    EXPECT_STREQ(error.function, "RegQueryValueEx");
    EXPECT_STREQ(error.argument, "HKEY_CURRENT_USER\\Software\\QewTests\\Registry(Path)");
    EXPECT_STREQ(error.extra[0].text, "HKEY_CURRENT_USER\\Software\\QewTests\\Registry");

    size = sizeof data;
    EXPECT_NE(BaRe_QueryValue(path, &error, key.Get(), "Version", nullptr, data, &size, REG_SZ), 0);
    EXPECT_EQ(error.kind, ErrorKind_BadValueType);
    EXPECT_EQ(error.code, 0u);
    EXPECT_STREQ(error.function, "");
    EXPECT_STREQ(error.argument, "HKEY_CURRENT_USER\\Software\\QewTests\\Registry(Version)");

    size = sizeof data;
    EXPECT_EQ(BaRe_QueryValue(path, &error, key.Get(), "Version", nullptr, data, &size, 0), 0)
        << "expected type 0 takes any type";
}

} // namespace
