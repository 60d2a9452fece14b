#include <gtest/gtest.h>

#include <set>

#include "platform/DpiScale.h"
#include "res/resource.h"

namespace {

TEST(DpiScale, PixelLengthsFollowTheDpiRoundedToTheNearestPixel)
{
    const struct {
        int pixels;
        unsigned from, to;
        int expected;
    } cases[] = {
        {20, 96, 96, 20},   {20, 96, 144, 30},  {20, 96, 192, 40}, {4, 96, 120, 5},
        {5, 96, 144, 8},    {5, 96, 120, 6},    {24, 96, 168, 42}, {150, 144, 96, 100},
        {-4, 96, 144, -6},  {7, 0, 144, 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RescaleForDpi(c.pixels, c.from, c.to), c.expected) << c.pixels << " at " << c.from << " -> " << c.to;
    EXPECT_EQ(ScaleForDpi(24, 144), 36);
}

TEST(DpiScale, ImageSetIsTheLargestNotAboveTheDpisScale)
{
    const struct {
        unsigned dpi;
        int scale;
    } cases[] = {{72, 100}, {96, 100}, {120, 100}, {143, 100}, {144, 150},
                 {168, 150}, {191, 150}, {192, 200}, {288, 200}};
    for (const auto& c : cases)
        EXPECT_EQ(ImageScaleForDpi(c.dpi), c.scale) << c.dpi;
}

TEST(DpiScale, EveryScaledImageHasANumberOfItsOwnInTheImagesRange)
{
    const int images[] = {IDB_HEADER,         IDB_WATERMARK,     IDB_MARKER_CONSTANT, IDB_MARKER_ALBUM,
                          IDB_MARKER_YEAR,    IDB_MARKER_GENRE,  IDB_MARKER_TRACK,    IDB_MARKER_COMMENT,
                          IDB_MARKER_TEXT,    IDB_MARKER_URL,    IDB_MARKER_STATION,  IDB_MARKER_COMPOSER,
                          IDB_MARKER_UNUSED,  IDB_MARKER_ARTIST, IDB_MARKER_TITLE};
    std::set<int> seen;
    for (const int image : images) {
        EXPECT_EQ(ScaledBitmapId(image, 100), image);
        for (const int scale : {150, 200}) {
            const int id = ScaledBitmapId(image, scale);
            EXPECT_GE(id, 400);
            EXPECT_LE(id, 499);
            EXPECT_TRUE(seen.insert(id).second) << image << " at " << scale << " takes " << id << " twice";
        }
    }
}

TEST(DpiScale, RichEditTwipsMakeUpForTheSystemDpiTheControlConvertsBy)
{
    EXPECT_EQ(RichEditTwips(300, 96, 96), 300);
    EXPECT_EQ(RichEditTwips(300, 144, 144), 300);
    EXPECT_EQ(RichEditTwips(300, 144, 96), 450);
    EXPECT_EQ(RichEditTwips(300, 96, 192), 150);
}

} // namespace
