// The table that players-check carries against the resources the resource compiler made of
// the same script: every entry, byte for byte, both ways.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <vector>
#include <string>

#include "framework/ResString.h"
#include "res/StringTable.h"

namespace {

BOOL CALLBACK AddBlock(HMODULE, LPCSTR, LPSTR name, LONG_PTR blocks)
{
    reinterpret_cast<std::vector<UINT>*>(blocks)->push_back(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

TEST(StringTable, HoldsWhatTheResourcesHold)
{
    std::map<UINT, std::string> table;
    for (const stStringTableEntry& entry : StringTableEntries())
        table.emplace(static_cast<UINT>(entry.id), entry.text);

    // Strings are stored in blocks of sixteen, block n holding ids (n - 1) * 16 onwards.
    std::vector<UINT> blocks;
    ASSERT_TRUE(EnumResourceNamesA(nullptr, MAKEINTRESOURCEA(6), AddBlock, reinterpret_cast<LONG_PTR>(&blocks)));
    std::map<UINT, std::string> resources;
    for (const UINT block : blocks)
        for (UINT id = (block - 1) * 16; id < block * 16; ++id)
            if (std::string text = LoadResString(id); !text.empty())
                resources.emplace(id, text);

    EXPECT_GT(resources.size(), 50u);
    EXPECT_EQ(table, resources);
}

} // namespace
