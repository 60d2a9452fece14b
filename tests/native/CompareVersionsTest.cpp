#include <gtest/gtest.h>

#include "platform/CompareVersions.h"

namespace {

TEST(CompareVersions, ComparesComponentByComponentNumerically)
{
    EXPECT_EQ(BaRe_CompareVersions("4.3", "4.3"), 0);
    EXPECT_EQ(BaRe_CompareVersions("4.10", "4.3"), 1);
    EXPECT_EQ(BaRe_CompareVersions("4.2.9", "4.3"), -1);
    EXPECT_EQ(BaRe_CompareVersions("6", "6.0"), 0);
    EXPECT_EQ(BaRe_CompareVersions("6.0.0", "6.0"), 0);
    EXPECT_EQ(BaRe_CompareVersions("10.0", "6.0"), 1);
    EXPECT_EQ(BaRe_CompareVersions("6.0", "10.0"), -1);
    EXPECT_EQ(BaRe_CompareVersions("6.0.1", "6.0"), 1);
}

TEST(CompareVersions, NonDigitTextSeparatesAndLeadingTextReadsAsZero)
{
    EXPECT_EQ(BaRe_CompareVersions("v6.0", "4.3"), -1);
    EXPECT_EQ(BaRe_CompareVersions("", "4.3"), -1);
    EXPECT_EQ(BaRe_CompareVersions("", ""), 0);
    EXPECT_EQ(BaRe_CompareVersions("6.0 beta", "6.0"), 0);
    EXPECT_EQ(BaRe_CompareVersions("6-1", "6.1"), 0);
    EXPECT_EQ(BaRe_CompareVersions("6..1", "6.1"), 0) << "a run of separators is one separator";
    EXPECT_EQ(BaRe_CompareVersions(nullptr, "0"), 0);
}

TEST(CompareVersions, ComponentsWrapAtThirtyTwoBits)
{
    EXPECT_EQ(BaRe_CompareVersions("4294967296", "0"), 0);
    EXPECT_EQ(BaRe_CompareVersions("4294967295", "0"), 1);
}

} // namespace
