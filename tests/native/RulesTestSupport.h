#pragma once
// Helpers shared by the rules store's tests: texts with CR LF line ends, a private folder
// for files, and whole-file reads for byte comparisons.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

#include "platform/FileFaults.h"
#include "rules/DispNameSupported.h"

inline std::string CrLfLines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

inline std::string DataFile(const char* name)
{
    return std::string(QEW_TEST_DATA_DIR) + "/" + name;
}

inline bool FileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

inline std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Every test starts with the flag clear and no fault armed, and leaves them so.
class RulesTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetDispNameSupportedForTesting(false);
        ClearFileFault();
    }
    void TearDown() override
    {
        SetDispNameSupportedForTesting(false);
        ClearFileFault();
    }
};

// A fresh folder per test, removed with everything in it afterwards.
class RulesFileTest : public RulesTest {
protected:
    void SetUp() override
    {
        RulesTest::SetUp();
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path()
                   / (std::string("qew_rules_") + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
        RulesTest::TearDown();
    }
    std::string PathOf(const char* name) const { return (m_folder / name).string(); }

    std::filesystem::path m_folder;
};
