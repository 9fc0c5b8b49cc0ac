// Zoom ladder, fitting the map, addressing at every zoom and the scroll arithmetic.
#include <gtest/gtest.h>

#include "editor/doc/CanvasRules.h"
#include "editor/doc/CanvasZoom.h"

namespace tarn::editor {
namespace {

TEST(CanvasZoom, FitIsTheLargestWholeCellThatShowsTheMap) {
    EXPECT_EQ(FitCellPixels(2000, 600), 10);
    EXPECT_EQ(FitCellPixels(1999, 600), 9);
    EXPECT_EQ(FitCellPixels(666, 305), 3);      // the classic window's viewport
    EXPECT_EQ(FitCellPixels(1600, 400), 6);     // limited by the height
    EXPECT_EQ(FitCellPixels(100, 50), 1);       // never below one pixel
    EXPECT_EQ(FitCellPixels(20000, 6000), 32);  // never above 32
}

TEST(CanvasZoom, StepsInStopAt32AndStepsOutStopAtTheFit) {
    EXPECT_EQ(ZoomedIn(10), 12);
    EXPECT_EQ(ZoomedIn(12), 16);
    EXPECT_EQ(ZoomedIn(7), 8);  // a fitted size joins the ladder
    EXPECT_EQ(ZoomedIn(32), 32);
    EXPECT_EQ(ZoomedOut(16, 3), 12);
    EXPECT_EQ(ZoomedOut(8, 7), 7);  // the next step would hide part of the map
    EXPECT_EQ(ZoomedOut(3, 3), 3);
    EXPECT_EQ(ZoomedOut(2, 3), 2);  // already below the fit (a grown window) stays
}

TEST(CanvasZoom, EveryPixelOfACellAddressesThatCellAtEveryZoom) {
    for (int size : {1, 2, 3, 5, 8, 10, 12, 16, 20, 24, 32}) {
        for (int cell : {0, 1, 57, 199}) {
            for (int offset = 0; offset < size; ++offset) {
                ASSERT_EQ(CellIndex(cell * size + offset, size), cell)
                    << "size " << size << " pixel " << cell * size + offset;
            }
        }
    }
}

TEST(CanvasZoom, RangeBandsCountCellsAtTheirZoom) {
    const Band band{32, 64, 63, 31};  // columns 1..2, rows 2..2 at 32 pixels a cell
    const CellRange cells = BandCells(band, 32);
    EXPECT_EQ(cells.firstColumn, 1);
    EXPECT_EQ(cells.lastColumn, 2);
    EXPECT_EQ(cells.firstRow, 2);
    EXPECT_EQ(cells.lastRow, 2);
    EXPECT_EQ(BandSizeText(band, 32), "横幅： 2　縦幅： 1");
}

TEST(CanvasZoom, ScrollPutsTheMapPointUnderTheAnchor) {
    // Map point 40 cells in under the pointer at 100: 1280 pixels in at 32 a cell.
    EXPECT_EQ(ScrollValuePlacing(40.0, 100, 32, 800, 6400), -1180);
    EXPECT_EQ(ScrollValuePlacing(40.5, 100, 10, 800, 2000), -305);
    // Near the start the canvas stays at its left edge.
    EXPECT_EQ(ScrollValuePlacing(1.5, 5, 3, 800, 600), 0);
    // Near the far edge the canvas may not leave a gap on the right.
    EXPECT_EQ(ScrollValuePlacing(190.0, 700, 8, 800, 1600), -800);
}

}  // namespace
}  // namespace tarn::editor
