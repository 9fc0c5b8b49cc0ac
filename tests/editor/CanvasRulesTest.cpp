// Canvas addressing, label texts, layout arithmetic, time-limit normalisation and the
// stage summary.
#include <gtest/gtest.h>

#include "editor/doc/CanvasRules.h"
#include "editor/doc/StageProperties.h"

namespace tarn::editor {
namespace {

TEST(CellAddressing, RoundsHalfToEvenBeforeDividing) {
    EXPECT_EQ(CellIndex(9.4), 0);
    EXPECT_EQ(CellIndex(9.5), 1);   // 10 after rounding
    EXPECT_EQ(CellIndex(19.5), 2);  // 20
    EXPECT_EQ(CellIndex(10.5), 1);  // 10
    EXPECT_EQ(CellIndex(-0.4), 0);  // just left of the canvas edge still addresses column 0
    EXPECT_EQ(CellIndex(1999.0), 199);
    EXPECT_EQ(CellIndex(2000.0), 200);
}

TEST(CanvasLabels, CursorLabelIsOneBased) {
    EXPECT_EQ(CursorCellText(0, 0), "X:1  Y:1");
    EXPECT_EQ(CursorCellText(199, 59), "X:200  Y:60");
}

TEST(CanvasLabels, HoverShowsEntryTextOrUndefined) {
    EXPECT_EQ(HoverText(0), "未定義");
    EXPECT_EQ(HoverText(19), "ゴール2");
    EXPECT_EQ(HoverText(22), "隠しブロック(1UP");
}

TEST(RangeBand, DragLeftAndUpOfTheAnchorFlipsTheBand) {
    const Band band = BandFromDrag(50, 40, 20, 10);
    EXPECT_EQ(band.left, 20);
    EXPECT_EQ(band.width, 30);
    EXPECT_EQ(band.top, 10);
    EXPECT_EQ(band.height, 30);
}

TEST(RangeBand, NegativePointerPositionsCountAsZero) {
    const Band band = BandFromDrag(30, 30, -5, -2);
    EXPECT_EQ(band.left, 0);
    EXPECT_EQ(band.top, 0);
}

TEST(RangeBand, SizeLabelCountsCellsWithLeadingSpaces) {
    EXPECT_EQ(BandSizeText(BandFromDrag(5, 5, 35, 15)), "横幅： 4　縦幅： 2");
}

TEST(RangeBand, OnePixelBandOnLastPixelCoversTwoCells) {
    const CellRange range = BandCells(Band{9, 3, 1, 1});
    EXPECT_EQ(range.firstColumn, 0);
    EXPECT_EQ(range.lastColumn, 1);
    EXPECT_EQ(range.lastRow, 0);
}

TEST(WindowLayout, ViewportOf504By304GivesTheBarRanges) {
    const CanvasLayout layout = ComputeLayout(504 + 17, 304 + 30 + 136);
    EXPECT_EQ(layout.viewport.x, 4);
    EXPECT_EQ(layout.viewport.y, 136);
    EXPECT_EQ(layout.horizontalMaximum, -1496);
    EXPECT_EQ(layout.verticalMaximum, -296);
    EXPECT_EQ(layout.verticalBar.x, 508);
    EXPECT_EQ(layout.horizontalBar.y, 440);
    EXPECT_EQ(layout.cursorLabelTop, 457);
}

TEST(WindowLayout, SnapsNarrowWidthTo440AndLowHeightTo440) {
    EXPECT_EQ(SnapWindow(439, 300).width, 440);
    EXPECT_EQ(SnapWindow(439, 300).height, 0);
    EXPECT_EQ(SnapWindow(440, 239).width, 0);
    EXPECT_EQ(SnapWindow(440, 239).height, 440);
}

TEST(TimeLimit, EmptyTextBecomes150) {
    EXPECT_EQ(NormaliseTimeText(""), "150");
}

TEST(WindowLayout, DefaultClientShowsWhatTheScreenAllowsUpToTheWholeMap) {
    const ClientSize large = DefaultClientSize(2400, 1300);
    EXPECT_EQ(ComputeLayout(large.width, large.height).viewport.width, kCanvasWidth);
    EXPECT_EQ(ComputeLayout(large.width, large.height).viewport.height, kCanvasHeight);
    EXPECT_EQ(DefaultClientSize(1000, 700).width, 1000);
    EXPECT_EQ(DefaultClientSize(1000, 700).height, 700);
    EXPECT_EQ(DefaultClientSize(600, 400).width, 683);
    EXPECT_EQ(DefaultClientSize(600, 400).height, 471);
}

TEST(WindowLayout, ScrollingToACellLeavesTheViewAloneWhenItIsInView) {
    EXPECT_EQ(ScrollValueShowing(0, 500, 2000), 0);
    EXPECT_EQ(ScrollValueShowing(490, 500, 2000), 0);
    EXPECT_EQ(ScrollValueShowing(500, 500, 2000), -(500 - 166));
    EXPECT_EQ(ScrollValueShowing(1990, 500, 2000), -1500);  // as far as the canvas goes
    EXPECT_EQ(ScrollValueShowing(590, 600, 600), 0);        // the whole height in view
}

TEST(TimeLimit, ZeroValuedTextBecomesZero) {
    EXPECT_EQ(NormaliseTimeText("00"), "0");
    EXPECT_EQ(NormaliseTimeText("abc"), "0");
}

TEST(TimeLimit, NumbersAreKeptAsTyped) {
    EXPECT_EQ(NormaliseTimeText("120"), "120");
    EXPECT_EQ(NormaliseTimeText("99x"), "99x");
}

TEST(StageSummaryLine, NewStageHasDefaults) {
    EXPECT_EQ(StageSummary(StageProperties{}),
              "ステージ名：/制限時間：150/スタート位置：(1,1)/次のファイル：");
}

TEST(StageSummaryLine, ShowsNameTimeStartAndGoalOne) {
    StageProperties properties;
    properties.Text2 = "森";
    properties.Times = "80";
    properties.STX = 9;
    properties.STYText = "x";
    properties.Text3 = "1-2";
    properties.Text4 = "ignored";
    EXPECT_EQ(StageSummary(properties),
              "ステージ名：森/制限時間：80/スタート位置：(10,x)/次のファイル：1-2");
}

TEST(StartRowList, TypedTextOutsideTheListHasNoIndex) {
    EXPECT_EQ(ListIndexOf("1", 60), 0);
    EXPECT_EQ(ListIndexOf("60", 60), 59);
    EXPECT_EQ(ListIndexOf("61", 60), -1);
    EXPECT_EQ(ListIndexOf("07", 60), -1);
    EXPECT_EQ(ListIndexOf("", 60), -1);
}

}  // namespace
}  // namespace tarn::editor
