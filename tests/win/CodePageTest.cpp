// What the system says the bytes of the East Asian code pages are, against the descriptions
// used where it cannot be asked.
#include <gtest/gtest.h>

#include "platform/AnsiText.h"

namespace {

TEST(CodePage, TheSystemDescribesTheEastAsianPagesAsTheKnownOnes)
{
    for (const unsigned int id : {932u, 936u, 949u, 950u}) {
        const stCodePage asked = SystemCodePage(id), known = KnownCodePage(id);
        EXPECT_EQ(asked.leadBytes, known.leadBytes) << id;
        EXPECT_EQ(asked.wideMarks, known.wideMarks) << id;
        EXPECT_FALSE(known.wideMarks.empty()) << id;
    }
    EXPECT_EQ(SystemCodePage(1252), KnownCodePage(1252));
}

} // namespace
