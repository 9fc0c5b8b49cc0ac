// Writing stage texts in the editor's line layout, and reading them back.
#include <gtest/gtest.h>

#include "support/StageText.h"

namespace tarn {
namespace {

TEST(StageWriting, FreshDocumentWritesTheEditorsDefaults) {
    const StageLines lines = SplitStageLines(WriteStageText(StageFields{}));
    ASSERT_EQ(lines.lines.size(), 96u);
    EXPECT_EQ(lines.Line(1), "");
    EXPECT_EQ(lines.Line(3), " 0");
    EXPECT_EQ(lines.Line(4), " 0");
    EXPECT_EQ(lines.Line(5), "150");
    for (int line = 6; line <= 65; ++line) {
        EXPECT_EQ(lines.Line(line), std::string(200, '0')) << "line " << line;
    }
    EXPECT_EQ(lines.Line(66), "NONE");
    for (int line = 67; line <= 95; ++line) {
        EXPECT_EQ(lines.Line(line), "0") << "line " << line;
    }
    EXPECT_EQ(lines.Line(96), "NONE");
}

TEST(StageWriting, EveryLineEndsWithCrLf) {
    const std::string text = WriteStageText(StageFields{});
    // 96 line ends, 60 rows of 200, " 0" twice, "150", "NONE" twice, 29 "0".
    EXPECT_EQ(text.size(), 96u * 2 + 60 * 200 + 2 + 2 + 3 + 4 + 4 + 29);
    EXPECT_EQ(text.substr(text.size() - 6), "NONE\r\n");
    EXPECT_EQ(text.substr(0, 4), "\r\n\r\n");
}

TEST(StageWriting, StartIndexesHaveOneLeadingSpaceUnlessNegative) {
    StageFields fields;
    fields.startColumnIndex = 199;
    fields.startRowIndex = -1;
    const StageLines lines = SplitStageLines(WriteStageText(fields));
    EXPECT_EQ(lines.Line(3), " 199");
    EXPECT_EQ(lines.Line(4), "-1");
}

TEST(StageWriting, TimeTextIsWrittenAsTyped) {
    StageFields fields;
    fields.timeText = "150.0";
    EXPECT_EQ(SplitStageLines(WriteStageText(fields)).Line(5), "150.0");
}

TEST(StageWriting, MapCellsAreWrittenAsBase36Digits) {
    StageFields fields;
    fields.map[0][0] = 1;
    fields.map[0][199] = 23;
    fields.map[59][10] = 10;
    const StageLines lines = SplitStageLines(WriteStageText(fields));
    EXPECT_EQ(lines.Line(6).front(), '1');
    EXPECT_EQ(lines.Line(6).back(), 'N');
    EXPECT_EQ(lines.Line(65)[10], 'A');
}

TEST(StageWriting, SHexGivesDigitsThenLetters) {
    EXPECT_EQ(SHex(0), '0');
    EXPECT_EQ(SHex(9), '9');
    EXPECT_EQ(SHex(10), 'A');
    EXPECT_EQ(SHex(23), 'N');
    EXPECT_EQ(SHex(35), 'Z');
}

TEST(StageWriting, NextStagesGoToLines96And66) {
    StageFields fields;
    fields.nextStage = "1-2";
    fields.nextStage2 = "bonus";
    const StageLines lines = SplitStageLines(WriteStageText(fields));
    EXPECT_EQ(lines.Line(96), "1-2");
    EXPECT_EQ(lines.Line(66), "bonus");
}

TEST(StageWriting, Line96KeepsANameItsDelimitedFieldWouldCut) {
    StageFields fields;
    fields.nextStage2 = "a,b";  // line 66 is read whole
    for (const std::string name : {"1,2", " lead", "a, b"}) {
        fields.nextStage = name;
        const std::string text = WriteStageText(fields);
        EXPECT_EQ(SplitStageLines(text).Line(96), "\"" + name + "\"");
        EXPECT_EQ(SplitStageLines(text).Line(66), "a,b");
        EXPECT_EQ(ReadEditorStage(text).Text3, name);
        EXPECT_EQ(ReadGameStage(text).NextStage, name);
        EXPECT_EQ(WriteStageText(fields), text);
    }
    fields.nextStage = "2-1";
    EXPECT_EQ(SplitStageLines(WriteStageText(fields)).Line(96), "2-1");
    // Neither form keeps a name with both a comma and a double quote: it is written as it is.
    fields.nextStage = "x\"y,z";
    EXPECT_EQ(SplitStageLines(WriteStageText(fields)).Line(96), "x\"y,z");
}

TEST(StageWriting, JapaneseStageNameIsWrittenInCodePage932) {
    StageFields fields;
    fields.stageName = "テスト";
    EXPECT_EQ(SplitStageLines(WriteStageText(fields)).Line(2), "\x83\x65\x83\x58\x83\x67");
}

TEST(StageWriting, LineBreaksInsideAFieldCannotShiftTheLayout) {
    StageFields fields;
    fields.stageName = "two\r\nlines";
    fields.background = "a\nb";
    const StageLines lines = SplitStageLines(WriteStageText(fields));
    EXPECT_EQ(lines.Line(2), "twolines");
    EXPECT_EQ(lines.Line(1), "ab");
    EXPECT_EQ(lines.Line(3), " 0");
}

TEST(StageWriting, WrittenStageReadsBackInTheEditor) {
    StageFields fields;
    fields.background = "sky.bmp";
    fields.stageName = "ステージ１";
    fields.startColumnIndex = 12;
    fields.startRowIndex = 40;
    fields.timeText = "300";
    fields.nextStage = "1-2";
    fields.nextStage2 = "1-3";
    for (int row = 0; row < kMapRows; ++row) {
        for (int column = 0; column < kMapColumns; ++column) {
            fields.map[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                static_cast<std::uint8_t>((row * 7 + column) % kChipCodeCount);
        }
    }
    const EditorStageText stage = ReadEditorStage(WriteStageText(fields));
    EXPECT_EQ(stage.Text1, "sky.bmp");
    EXPECT_EQ(stage.Text2, "ステージ１");
    EXPECT_EQ(stage.STX, 12);
    EXPECT_EQ(stage.STY, 40);
    EXPECT_EQ(stage.Times, "300");
    EXPECT_EQ(stage.Text3, "1-2");
    EXPECT_EQ(stage.Text4, "1-3");
    for (int row = 0; row < kMapRows; ++row) {
        const auto& cells = stage.rows[static_cast<std::size_t>(row)];
        ASSERT_EQ(cells.size(), 200u);
        for (int column = 0; column < kMapColumns; ++column) {
            EXPECT_EQ(cells[static_cast<std::size_t>(column)],
                      fields.map[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
        }
    }
}

TEST(StageWriting, WrittenStageReadsBackInTheGame) {
    StageFields fields;
    fields.startColumnIndex = 3;
    fields.startRowIndex = 5;
    fields.map[2][4] = 14;
    const GameStageText stage = ReadGameStage(WriteStageText(fields));
    EXPECT_EQ(stage.PlayerX, 48);
    EXPECT_EQ(stage.PlayerY, 80);
    EXPECT_EQ(stage.TimeLeft, 150);
    EXPECT_EQ(stage.rows[2][4], 14);
    EXPECT_EQ(stage.NextStage, "NONE");
    EXPECT_EQ(stage.NextStage2, "NONE");
}

}  // namespace
}  // namespace tarn
