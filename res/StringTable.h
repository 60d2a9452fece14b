#pragma once
// The string table's texts for code that has no resources of its own (players-check). The
// table is made from strings.rc at build time (cmake/StringTable.cmake), so the resource
// script stays the one source of every text.

#include <span>

struct stStringTableEntry {
    int id;
    const char* text;
};

// In the order of the resource script.
std::span<const stStringTableEntry> StringTableEntries();

// The text of entry id, or null when there is none.
inline const char* StringTableText(int id)
{
    for (const stStringTableEntry& entry : StringTableEntries())
        if (entry.id == id)
            return entry.text;
    return nullptr;
}
