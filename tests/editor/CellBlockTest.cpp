// Clipboard text of map cells, the bucket fill's area and the first view.
#include <gtest/gtest.h>

#include "editor/doc/CellBlock.h"
#include "editor/doc/StageDocument.h"

namespace tarn::editor {
namespace {

StageDocument DocumentWith(std::initializer_list<CellRange> blocks, int code) {
    StageDocument doc;
    for (const CellRange& block : blocks) {
        for (int row = block.firstRow; row <= block.lastRow; ++row) {
            for (int column = block.firstColumn; column <= block.lastColumn; ++column) {
                doc.SetCell(column, row, code);
            }
        }
    }
    return doc;
}

TEST(CellBlockText, IsOneLinePerRowInTheStageFilesCharacters) {
    StageDocument doc;
    doc.SetCell(3, 4, 1);
    doc.SetCell(4, 4, 10);
    doc.SetCell(5, 5, 23);
    const CellBlock block = CopyBlock(doc, CellRange{3, 4, 5, 5});
    EXPECT_EQ(block.columns, 3);
    EXPECT_EQ(block.rows, 2);
    EXPECT_EQ(BlockText(block), "1A0\n00N");
}

TEST(CellBlockText, ReadsBackWhatItWrites) {
    StageDocument doc;
    for (int code = 0; code < kChipCodeCount; ++code) {
        doc.SetCell(code, code % 3, code);
    }
    const CellBlock block = CopyBlock(doc, CellRange{0, 0, kChipCodeCount - 1, 2});
    const auto back = ParseBlockText(BlockText(block));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->columns, block.columns);
    EXPECT_EQ(back->rows, block.rows);
    EXPECT_EQ(back->codes, block.codes);
}

TEST(CellBlockText, TakesChatTextWithOtherLineEndsAndBlanks) {
    const auto block = ParseBlockText("\r\n  12 \r\n3\r\n\r\n");
    ASSERT_TRUE(block);
    EXPECT_EQ(block->columns, 2);
    EXPECT_EQ(block->rows, 2);
    EXPECT_EQ(block->At(0, 0), 1);
    EXPECT_EQ(block->At(1, 0), 2);
    EXPECT_EQ(block->At(0, 1), 3);
    EXPECT_EQ(block->At(1, 1), CellBlock::kNoCell);  // a short row leaves the cell alone
}

TEST(CellBlockText, RefusesTextThatIsNoMap) {
    EXPECT_FALSE(ParseBlockText(""));
    EXPECT_FALSE(ParseBlockText("\n\n"));
    EXPECT_FALSE(ParseBlockText("hello"));
    EXPECT_FALSE(ParseBlockText("12O"));  // past "N"
    EXPECT_FALSE(ParseBlockText("1a"));
    EXPECT_FALSE(ParseBlockText(std::string(201, '1')));
    std::string tall;
    for (int i = 0; i < 61; ++i) {
        tall += "1\n";
    }
    EXPECT_FALSE(ParseBlockText(tall));
}

TEST(CellRanges, ClipToTheMapOrVanish) {
    const auto clipped = ClipToMap(CellRange{-5, 58, 3, 70});
    ASSERT_TRUE(clipped);
    EXPECT_EQ(clipped->firstColumn, 0);
    EXPECT_EQ(clipped->lastColumn, 3);
    EXPECT_EQ(clipped->firstRow, 58);
    EXPECT_EQ(clipped->lastRow, 59);
    EXPECT_FALSE(ClipToMap(CellRange{200, 0, 210, 5}));
}

TEST(BucketArea, FollowsEqualCellsSideBySideButNotCornerToCorner) {
    // Two blocks touching only at a corner, and one apart.
    const StageDocument doc =
        DocumentWith({CellRange{0, 0, 2, 1}, CellRange{3, 2, 3, 2}, CellRange{10, 0, 10, 0}}, 2);
    const auto cells = ConnectedEqualCells(doc, 1, 1);
    EXPECT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells.front(), std::make_pair(1, 1));
    for (const auto& [column, row] : cells) {
        EXPECT_LE(column, 2);
        EXPECT_LE(row, 1);
    }
}

TEST(BucketArea, CoversTheWholeEmptyMapAndNothingOffIt) {
    const StageDocument doc;
    EXPECT_EQ(ConnectedEqualCells(doc, 100, 30).size(), std::size_t(kMapColumns * kMapRows));
    EXPECT_TRUE(ConnectedEqualCells(doc, 200, 0).empty());
    EXPECT_TRUE(ConnectedEqualCells(doc, 0, -1).empty());
}

TEST(FirstView, KeepsThePlayerAt160By120ClampedToTheMap) {
    const Rect middle = FirstViewPixels(50, 30);
    EXPECT_EQ(middle.x, 50 * 16 - 160);
    EXPECT_EQ(middle.y, 30 * 16 - 120);  // half a cell off the grid
    EXPECT_EQ(middle.width, 320);
    EXPECT_EQ(middle.height, 240);
    const Rect corner = FirstViewPixels(0, 0);
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 0);
    const Rect far = FirstViewPixels(199, 59);
    EXPECT_EQ(far.x, 2880);
    EXPECT_EQ(far.y, 720);
}

}  // namespace
}  // namespace tarn::editor
