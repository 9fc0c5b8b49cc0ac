// The kept part of the composition picture: rectangles, the window around the view, pins
// and what a repair releases.
#include <gtest/gtest.h>

#include "game/core/KeptRegion.h"
#include "game/core/ViewGeometry.h"

namespace tarn::game {
namespace {

int AreaOf(const std::vector<PixelRect>& parts) {
    int area = 0;
    for (const PixelRect& r : parts) {
        area += r.w * r.h;
    }
    return area;
}

TEST(PixelRectTest, ClipMeetAndContain) {
    const PixelRect a{0, 0, 10, 10};
    EXPECT_TRUE(a.Meets({9, 9, 5, 5}));
    EXPECT_FALSE(a.Meets({10, 0, 5, 5}));
    EXPECT_TRUE(a.Contains({2, 2, 8, 8}));
    EXPECT_FALSE(a.Contains({2, 2, 9, 8}));
    const PixelRect c = a.Clip({5, -5, 20, 10});
    EXPECT_EQ(c.x, 5);
    EXPECT_EQ(c.y, 0);
    EXPECT_EQ(c.w, 5);
    EXPECT_EQ(c.h, 5);
    EXPECT_TRUE(a.Clip({20, 20, 1, 1}).empty());
}

TEST(PixelRectTest, SubtractLeavesExactlyTheOutsideParts) {
    const PixelRect a{0, 0, 100, 80};
    const PixelRect hole{10, 20, 30, 40};
    const auto parts = Subtract(a, hole);
    EXPECT_EQ(parts.size(), 4u);
    EXPECT_EQ(AreaOf(parts), 100 * 80 - 30 * 40);
    for (const PixelRect& p : parts) {
        EXPECT_TRUE(a.Contains(p));
        EXPECT_FALSE(p.Meets(hole));
    }
    EXPECT_TRUE(Subtract(a, {-10, -10, 200, 200}).empty());
    ASSERT_EQ(Subtract(a, {200, 0, 5, 5}).size(), 1u);
    // A view moving right and down uncovers an L: two parts.
    const auto moved = Subtract({8, 4, 100, 80}, a);
    EXPECT_EQ(moved.size(), 2u);
    EXPECT_EQ(AreaOf(moved), 100 * 80 - 92 * 76);
}

TEST(KeptRegionTest, NotStartedOrNotAllowedNeedsEverything) {
    KeptRegion kept;
    EXPECT_TRUE(kept.Needs({5000, 5000, 1, 1}));
    kept.allowed = false;
    kept.Start(true);
    EXPECT_FALSE(kept.Active());
    KeptRegion uncovered;
    uncovered.Start(false);
    EXPECT_FALSE(uncovered.Active());
}

TEST(KeptRegionTest, WindowFollowsTheViewWithinReach) {
    KeptRegion kept;
    kept.Start(true);
    EXPECT_TRUE(kept.Needs({1600, 480, 16, 16}));  // right after a load: all of it
    kept.SetWindow(KeptRegion::WindowFor(0, 0));
    const PixelRect w = kept.Window();
    EXPECT_EQ(w.x, 0);
    EXPECT_EQ(w.y, 0);
    EXPECT_EQ(w.w, kViewSpanX + KeptRegion::kMargin);
    EXPECT_EQ(w.h, kViewSpanY + KeptRegion::kMargin);
    EXPECT_TRUE(kept.Needs({kViewSpanX + KeptRegion::kMargin - 1, 200, 16, 16}));
    EXPECT_FALSE(kept.Needs({1600, 480, 16, 16}));
    // The wrap bands at the top and bottom of the map stay kept everywhere.
    EXPECT_TRUE(kept.Needs({1600, 20, 16, 16}));
    EXPECT_TRUE(kept.Needs({1600, kMapHeight - 40, 16, 16}));
}

TEST(KeptRegionTest, PinsInsideTheWindowStayUntilRepairedWhole) {
    KeptRegion kept;
    kept.Start(true);
    kept.SetWindow(KeptRegion::WindowFor(1000, 300));
    kept.Pin({1100, 400, 40, 20});
    kept.Pin({5, 400, 40, 20});         // outside the window: nothing to keep
    kept.Pin({1105, 402, 10, 10});      // inside a pin already
    ASSERT_EQ(kept.Pins().size(), 3u);  // two wrap bands and one pin
    kept.SetWindow(KeptRegion::WindowFor(2000, 300));
    EXPECT_TRUE(kept.Needs({1130, 410, 16, 16}));
    EXPECT_FALSE(kept.Needs({20, 410, 16, 16}));
    kept.Repaired({1100, 400, 39, 80});  // not the whole pin
    EXPECT_TRUE(kept.Needs({1130, 410, 16, 16}));
    kept.Repaired({1090, 390, 80, 80});
    EXPECT_FALSE(kept.Needs({1130, 410, 16, 16}));
    kept.Repaired({0, 0, 4000, 2000});  // the wrap bands are never released
    EXPECT_EQ(kept.Pins().size(), 2u);
}

}  // namespace
}  // namespace tarn::game
