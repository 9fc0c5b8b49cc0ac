// Repairing the composition picture and redrawing changed cells.
#include <gtest/gtest.h>

#include <algorithm>

#include "Scenario.h"
#include "game/core/ViewGeometry.h"
#include "support/HEXRNDData.h"

namespace tarn::game::testing {
namespace {

constexpr std::uint32_t kSky = 0x102030;
constexpr std::uint32_t kBrick = 0xA05020;

Layers SmallLayers() {
    Layers layers;
    layers.BackPIC.Reset(64, 64, kSky);
    layers.MainV.Reset(64, 64, kBlack);
    layers.MainMask.Reset(64, 64, kWhite);
    layers.PBuffer.Reset(64, 64, 0xFF00FF);
    layers.MainV.FillRect(16, 16, 16, 16, kBrick);
    layers.MainMask.FillRect(16, 16, 16, 16, kBlack);
    return layers;
}

TEST(RestoreArea, ShowsBackgroundThenMapChipsInsideTheArea) {
    Layers layers = SmallLayers();
    RestoreArea(layers, 8, 8, 32, 32);
    EXPECT_EQ(layers.PBuffer.Pixel(8, 8), kSky);
    EXPECT_EQ(layers.PBuffer.Pixel(20, 20), kBrick);
    EXPECT_EQ(layers.PBuffer.Pixel(39, 39), kSky);
    EXPECT_EQ(layers.PBuffer.Pixel(40, 40), 0xFF00FFu);
    EXPECT_EQ(layers.PBuffer.Pixel(7, 7), 0xFF00FFu);
}

TEST(RestoreArea, AreasReachingPastTheEdgesAreClipped) {
    Layers layers = SmallLayers();
    RestoreArea(layers, -32, -32, 80, 80);
    RestoreArea(layers, 40, 40, 80, 80);
    EXPECT_EQ(layers.PBuffer.Pixel(0, 0), kSky);
    EXPECT_EQ(layers.PBuffer.Pixel(63, 63), kSky);
}

// The three transfers a restore stands for, done one after the other.
void RestoreByTransfers(Layers& layers, int x, int y, int w, int h) {
    BitBlt(layers.PBuffer, x, y, w, h, layers.BackPIC, x, y);
    BitBlt(layers.PBuffer, x, y, w, h, layers.MainMask, x, y, RasterOp::SrcAnd);
    BitBlt(layers.PBuffer, x, y, w, h, layers.MainV, x, y, RasterOp::SrcPaint);
}

Layers PatternedLayers(int backWidth, int backHeight) {
    Layers layers;
    layers.BackPIC.Reset(backWidth, backHeight);
    layers.MainV.Reset(48, 40);
    layers.MainMask.Reset(48, 40);
    layers.PBuffer.Reset(60, 52, 0x123456);  // a margin beyond the map, as in the game
    std::uint32_t seed = 7;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (std::uint32_t& p : layers.BackPIC.Pixels())
        p = next() & 0xFFFFFF;
    for (std::uint32_t& p : layers.MainV.Pixels())
        p = next() & 0xFFFFFF;
    for (std::uint32_t& p : layers.MainMask.Pixels())
        p = (next() & 0x100) ? kWhite : kBlack;
    return layers;
}

TEST(RestoreArea, GivesTheSamePictureAsCopyAndMaskTransfersAtEveryEdge) {
    for (const auto& [backWidth, backHeight] : {std::pair{48, 40}, std::pair{30, 50}}) {
        for (const auto& [x, y] : {std::pair{-32, -32}, std::pair{10, 5}, std::pair{20, 12},
                                   std::pair{40, 30}, std::pair{55, 45}}) {
            Layers fused = PatternedLayers(backWidth, backHeight);
            Layers reference = fused;
            RestoreArea(fused, x, y, 80, 80);
            RestoreByTransfers(reference, x, y, 80, 80);
            EXPECT_EQ(fused.PBuffer, reference.PBuffer) << backWidth << " " << x << "," << y;
        }
    }
}

TEST(ComposeWhole, GivesBackgroundAndChipsInOnePassAndBlackBeyondTheBackground) {
    for (const auto& [backWidth, backHeight] : {std::pair{48, 40}, std::pair{30, 50}}) {
        Layers once = PatternedLayers(backWidth, backHeight);
        Layers reference = once;
        ComposeWhole(once);
        // The picture as cleared, covered with the background and overlaid with the chips.
        reference.PBuffer.Fill(kBlack);
        BitBlt(reference.PBuffer, 0, 0, backWidth, backHeight, reference.BackPIC, 0, 0);
        HEXRNDData::MaskBilt(reference.PBuffer, reference.MainV, reference.MainMask, 48, 40, 0, 0,
                             0, 0);
        EXPECT_EQ(once.PBuffer, reference.PBuffer) << backWidth << " x " << backHeight;
        EXPECT_EQ(once.PBuffer.Pixel(59, 51), kBlack);
    }
}

// Map-sized layers with a random background and chips in a few cells.
Layers MapLayers(const art::BuiltinPictures& pictures,
                 std::vector<std::pair<int, int>> cells = {
                     {0, 0}, {25, 30}, {199, 59}, {201, 60}, {40, 2}}) {
    Layers layers;
    layers.BackPIC.Reset(kMapWidth, kMapHeight);
    layers.PBuffer.Reset(kMapWidth + kPBufferMargin, kMapHeight + kPBufferMargin, 0x123456);
    std::uint32_t seed = 11;
    for (std::uint32_t& p : layers.BackPIC.Pixels()) {
        p = (seed = seed * 1103515245u + 12345u) >> 8;
    }
    std::vector<std::int32_t> codes(std::size_t(kChipColumns * kChipRows), kNoChip);
    for (const auto& [col, row] : cells) {
        codes[std::size_t(row * kChipColumns + col)] = 5 + col % 7;
    }
    DrawMapLayers(layers, pictures, codes);
    return layers;
}

// The map layers as a load first clearing everything leaves them.
Layers FreshMapLayers(const art::BuiltinPictures& pictures,
                      const std::vector<std::int32_t>& codes) {
    Layers layers;
    layers.MainV.Reset(kMapWidth, kMapHeight, kBlack);
    layers.MainMask.Reset(kMapWidth, kMapHeight, kWhite);
    for (int row = 0; row < kChipRows; ++row) {
        for (int col = 0; col < kChipColumns; ++col) {
            if (const auto code = codes[std::size_t(row * kChipColumns + col)]; code != kNoChip) {
                RedrawCell(layers, pictures, col, row, code);
            }
        }
    }
    return layers;
}

TEST(DrawMapLayers, AStageDrawnOverAnotherLooksAsIfDrawnOnClearedLayers) {
    const art::BuiltinPictures pictures = TestPictures();
    Layers layers = MapLayers(pictures);
    ASSERT_NE(layers.MainV.Pixel(25 * 16 + 3, 30 * 16 + 3), kBlack);
    std::vector<std::int32_t> codes(std::size_t(kChipColumns * kChipRows), kNoChip);
    codes[std::size_t(30 * kChipColumns + 25)] = 9;          // another chip where one was
    codes[std::size_t(2 * kChipColumns + 40)] = 5 + 40 % 7;  // the same chip
    codes[std::size_t(10 * kChipColumns + 10)] = 0;
    codes[std::size_t(59 * kChipColumns + 120)] = 12;
    const Layers fresh = FreshMapLayers(pictures, codes);
    DrawMapLayers(layers, pictures, codes);
    EXPECT_EQ(layers.MainV, fresh.MainV);
    EXPECT_EQ(layers.MainMask, fresh.MainMask);
    // Layers of another size, or drawn on by anything else, are cleared whole.
    layers.MainV.FillRect(100, 100, 5, 5, kWhite);
    layers.cellsKnown = false;
    DrawMapLayers(layers, pictures, codes);
    EXPECT_EQ(layers.MainV, fresh.MainV);
    layers.MainMask.Reset(10, 10, kBlack);
    DrawMapLayers(layers, pictures, codes);
    EXPECT_EQ(layers.MainMask, fresh.MainMask);
}

TEST(ComposeAndStartKeeping, WhatIsKeptIsComposedAsTheWholeComposition) {
    const art::BuiltinPictures pictures = TestPictures();
    for (const auto& [viewX, viewY] :
         {std::pair{0, 0}, std::pair{380, 460}, std::pair{2880, 720}}) {
        Layers kept = MapLayers(pictures);
        Layers whole = kept;
        whole.kept.allowed = false;
        const PixelRect view{viewX, viewY, kViewSpanX, kViewSpanY};
        const PixelRect shownFirst{0, 0, kViewSpanX, kViewSpanY};
        ComposeAndStartKeeping(kept, view, shownFirst);
        ComposeAndStartKeeping(whole, view, shownFirst);
        ASSERT_TRUE(kept.kept.Active());
        EXPECT_FALSE(whole.kept.Active());
        Layers reference = whole;
        ComposeWhole(reference);
        EXPECT_EQ(whole.PBuffer, reference.PBuffer);
        std::vector<PixelRect> exact = kept.kept.Pins();
        exact.push_back(kept.kept.Window());
        EXPECT_EQ(kept.kept.Window(), KeptRegion::WindowFor(viewX, viewY));
        EXPECT_EQ(exact[exact.size() - 2], KeptRegion::WindowFor(0, 0));
        for (const PixelRect& r : exact) {
            for (int y = r.y; y < r.y + r.h; ++y) {
                ASSERT_TRUE(std::equal(kept.PBuffer.Row(y) + r.x, kept.PBuffer.Row(y) + r.x + r.w,
                                       reference.PBuffer.Row(y) + r.x))
                    << "row " << y << " viewing " << viewX << "," << viewY;
            }
        }
    }
}

TEST(RedrawCell, WritesPictureAndMaskOfTheCode) {
    Layers layers = SmallLayers();
    const art::BuiltinPictures pictures = TestPictures();
    RedrawCell(layers, pictures, 1, 1, 0);
    EXPECT_EQ(layers.MainV.Pixel(20, 20), kBlack);
    EXPECT_EQ(layers.MainMask.Pixel(20, 20), kWhite);
    RedrawCell(layers, pictures, 2, 0, 5);
    EXPECT_EQ(layers.MainV.Pixel(32, 0), pictures.BrTip[5].Pixel(0, 0));
    EXPECT_EQ(layers.MainMask.Pixel(47, 15), kBlack);
}

TEST(RedrawCell, CodesWithoutAPictureAreIgnored) {
    Layers layers = SmallLayers();
    const Layers before = layers;
    const art::BuiltinPictures pictures = TestPictures();
    RedrawCell(layers, pictures, 1, 1, -1);
    RedrawCell(layers, pictures, 1, 1, 24);
    EXPECT_EQ(layers.MainV, before.MainV);
    EXPECT_EQ(layers.MainMask, before.MainMask);
}

TEST(Drawing, PlayerIsDrawnWithItsPictureAndThePowerPictureInPowerMode) {
    Scenario game({"", "", "", "", "", "", "", "", "", "", std::string(200, '2')});
    PlayerPictures figures;
    for (std::size_t i = 0; i < figures.MyPic.size(); ++i) {
        figures.MyPic[i] = Surface(16, 16, Rgb(0, 0, int(i) * 20 + 20));
    }
    figures.MyPicAt = Surface(16, 16, Rgb(250, 250, 0));
    game.PlaceAtCell(5, 9);
    FrameContext frame{game.state, game.layers, game.pictures, game.services, &figures};
    MoveAndDrawPlayer(frame);
    EXPECT_EQ(game.layers.PBuffer.Pixel(85, 150), figures.MyPic[2].Pixel(0, 0));
    game.Hold(kPower);
    MoveAndDrawPlayer(frame);
    EXPECT_EQ(game.layers.PBuffer.Pixel(85, 150), figures.MyPicAt.Pixel(0, 0));
}

TEST(Drawing, ErasingThePlayerRestoresItsSurroundings) {
    Scenario game({"", "", "", "", "", "", "", "", "", "", std::string(200, '2')});
    game.PlaceAtCell(5, 9);
    game.layers.PBuffer.Fill(0xFF00FF);
    FrameContext frame{game.state, game.layers, game.pictures, game.services};
    ErasePlayer(frame);
    EXPECT_EQ(game.layers.PBuffer.Pixel(48, 112), game.layers.BackPIC.Pixel(48, 112));
    EXPECT_EQ(game.layers.PBuffer.Pixel(127, 191), game.layers.BackPIC.Pixel(127, 191));
    EXPECT_EQ(game.layers.PBuffer.Pixel(128, 192), 0xFF00FFu);
}

}  // namespace
}  // namespace tarn::game::testing
