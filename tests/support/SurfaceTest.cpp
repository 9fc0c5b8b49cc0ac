// Block transfers: raster operations and clipping at every edge.
#include "support/Surface.h"

#include <gtest/gtest.h>

#include <limits>

namespace tarn {
namespace {

Surface Numbered(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            s.SetPixel(x, y, std::uint32_t(y * 1000 + x + 1));
        }
    }
    return s;
}

TEST(BitBlt, CopiesTheRectangle) {
    const Surface src = Numbered(8, 8);
    Surface dst(8, 8, 0);
    BitBlt(dst, 2, 3, 3, 2, src, 1, 1);
    EXPECT_EQ(dst.Pixel(2, 3), src.Pixel(1, 1));
    EXPECT_EQ(dst.Pixel(4, 4), src.Pixel(3, 2));
    EXPECT_EQ(dst.Pixel(5, 3), 0u);
    EXPECT_EQ(dst.Pixel(2, 5), 0u);
    EXPECT_EQ(dst.Pixel(1, 3), 0u);
}

TEST(BitBlt, AndThenOrPaintsASpriteThroughItsMask) {
    Surface dst(2, 1, Rgb(10, 20, 30));
    Surface mask(2, 1, kWhite);
    mask.SetPixel(0, 0, kBlack);  // opaque
    Surface sprite(2, 1, kBlack);
    sprite.SetPixel(0, 0, Rgb(200, 100, 50));
    BitBlt(dst, 0, 0, 2, 1, mask, 0, 0, RasterOp::SrcAnd);
    BitBlt(dst, 0, 0, 2, 1, sprite, 0, 0, RasterOp::SrcPaint);
    EXPECT_EQ(dst.Pixel(0, 0), Rgb(200, 100, 50));
    EXPECT_EQ(dst.Pixel(1, 0), Rgb(10, 20, 30));
}

TEST(BitBlt, ClipsAtTheDestinationEdges) {
    const Surface src = Numbered(4, 4);
    Surface dst(4, 4, 0);
    BitBlt(dst, -2, -1, 4, 4, src, 0, 0);
    EXPECT_EQ(dst.Pixel(0, 0), src.Pixel(2, 1));
    EXPECT_EQ(dst.Pixel(1, 2), src.Pixel(3, 3));
    EXPECT_EQ(dst.Pixel(2, 0), 0u);
    BitBlt(dst, 3, 3, 10, 10, src, 0, 0);
    EXPECT_EQ(dst.Pixel(3, 3), src.Pixel(0, 0));
}

TEST(BitBlt, ClipsAtTheSourceEdges) {
    const Surface src = Numbered(4, 4);
    Surface dst(6, 6, 0);
    BitBlt(dst, 1, 1, 4, 4, src, -1, 2);
    EXPECT_EQ(dst.Pixel(1, 1), 0u);  // source column -1 lies outside
    EXPECT_EQ(dst.Pixel(2, 1), src.Pixel(0, 2));
    EXPECT_EQ(dst.Pixel(4, 2), src.Pixel(2, 3));
    EXPECT_EQ(dst.Pixel(2, 3), 0u);  // source row 4 lies outside
}

TEST(BitBlt, EntirelyOutsideTouchesNothing) {
    const Surface src = Numbered(4, 4);
    Surface dst(4, 4, 7);
    const Surface before = dst;
    BitBlt(dst, 100, 0, 4, 4, src, 0, 0);
    BitBlt(dst, 0, -100, 4, 4, src, 0, 0);
    BitBlt(dst, 0, 0, 4, 4, src, 50, 50);
    BitBlt(dst, 0, 0, -3, 4, src, 0, 0);
    EXPECT_EQ(dst, before);
}

TEST(BitBlt, OverlappingCopyWithinOneSurfaceReadsTheOldPixels) {
    Surface s = Numbered(6, 1);
    const Surface before = s;
    BitBlt(s, 1, 0, 5, 1, s, 0, 0);
    for (int x = 1; x < 6; ++x) {
        EXPECT_EQ(s.Pixel(x, 0), before.Pixel(x - 1, 0));
    }
}

TEST(StretchBlt, DoublesEveryPixel) {
    const Surface src = Numbered(3, 2);
    Surface dst(6, 4, 0);
    StretchBlt(dst, 0, 0, 6, 4, src, 0, 0, 3, 2);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(dst.Pixel(x, y), src.Pixel(x / 2, y / 2)) << x << "," << y;
        }
    }
}

TEST(StretchBlt, HalvesByTakingEveryOtherPixel) {
    const Surface src = Numbered(4, 4);
    Surface dst(2, 2, 0);
    StretchBlt(dst, 0, 0, 2, 2, src, 0, 0, 4, 4);
    EXPECT_EQ(dst.Pixel(1, 1), src.Pixel(2, 2));
}

TEST(StretchBlt, ClipsAtBothSurfaces) {
    const Surface src = Numbered(4, 4);
    Surface dst(4, 4, 0);
    StretchBlt(dst, -2, -2, 8, 8, src, 0, 0, 4, 4);
    EXPECT_EQ(dst.Pixel(0, 0), src.Pixel(1, 1));
    Surface other(4, 4, 0);
    StretchBlt(other, 0, 0, 4, 4, src, 2, 2, 4, 4);  // half of the source lies outside
    EXPECT_EQ(other.Pixel(0, 0), src.Pixel(2, 2));
    EXPECT_EQ(other.Pixel(3, 3), 0u);
}

TEST(StretchBlt, RectanglesReachingPastTheIntRangeAreClippedAway) {
    const Surface src = Numbered(4, 4);
    Surface dst(4, 4, 0);
    const int far = std::numeric_limits<int>::max() - 1;
    StretchBlt(dst, far, 0, 8, 8, src, 0, 0, 4, 4);
    StretchBlt(dst, 0, 0, 8, 8, src, far, far, 4, 4);
    EXPECT_EQ(dst, Surface(4, 4, 0));
}

TEST(Surface, FillRectIsClipped) {
    Surface s(3, 3, 0);
    s.FillRect(-5, 1, 100, 1, 9);
    EXPECT_EQ(s.Pixel(0, 1), 9u);
    EXPECT_EQ(s.Pixel(2, 1), 9u);
    EXPECT_EQ(s.Pixel(0, 0), 0u);
    EXPECT_EQ(s.Pixel(-1, 1), 0u);
}

}  // namespace
}  // namespace tarn
