// Reading stage texts: line splitting, numbers, fields, and the game's and editor's readings.
#include <gtest/gtest.h>

#include <limits>

#include "support/StageText.h"
#include "tests/common/StageSamples.h"

namespace tarn {
namespace {

using testing::StageWith;

TEST(StageLineSplitting, AcceptsCrLfLoneLfAndLoneCr) {
    const StageLines lines = SplitStageLines("a\r\nb\nc\rd");
    ASSERT_EQ(lines.lines.size(), 4u);
    EXPECT_EQ(lines.Line(1), "a");
    EXPECT_EQ(lines.Line(2), "b");
    EXPECT_EQ(lines.Line(3), "c");
    EXPECT_EQ(lines.Line(4), "d");
}

TEST(StageLineSplitting, KeepsEmptyLinesButAddsNoneAfterTheLastBreak) {
    const StageLines lines = SplitStageLines("a\r\n\r\n\nb\r\n");
    ASSERT_EQ(lines.lines.size(), 4u);
    EXPECT_EQ(lines.Line(2), "");
    EXPECT_EQ(lines.Line(3), "");
    EXPECT_EQ(lines.Line(4), "b");
}

TEST(StageLineSplitting, KeepsNothingAfterLine96) {
    std::string text;
    for (int i = 1; i <= 120; ++i) {
        text += std::to_string(i) + "\r\n";
    }
    const StageLines lines = SplitStageLines(text);
    EXPECT_EQ(lines.lines.size(), 96u);
    EXPECT_EQ(lines.Line(96), "96");
    EXPECT_EQ(lines.Line(97), "");
    EXPECT_EQ(lines.Line(0), "");
}

TEST(StageNumbers, NumericValueReadsTheLeadingNumber) {
    EXPECT_EQ(NumericValue("150"), 150);
    EXPECT_EQ(NumericValue("  12"), 12);
    EXPECT_EQ(NumericValue("\t-3.5x"), -3.5);
    EXPECT_EQ(NumericValue("+7"), 7);
    EXPECT_EQ(NumericValue(".5"), 0.5);
    EXPECT_EQ(NumericValue("1e3"), 1000);
    EXPECT_EQ(NumericValue("2E-1"), 0.2);
    EXPECT_EQ(NumericValue("4e"), 4);
    EXPECT_EQ(NumericValue("4e+"), 4);
}

TEST(StageNumbers, TextWithoutALeadingNumberIsZero) {
    EXPECT_EQ(NumericValue(""), 0);
    EXPECT_EQ(NumericValue("abc"), 0);
    EXPECT_EQ(NumericValue("-"), 0);
    EXPECT_EQ(NumericValue("."), 0);
    EXPECT_EQ(NumericValue("x12"), 0);
}

TEST(StageNumbers, OutOfRangeNumbersSaturateOrVanish) {
    EXPECT_EQ(NumericValue("1e400"), std::numeric_limits<double>::max());
    EXPECT_EQ(NumericValue("-1e400"), -std::numeric_limits<double>::max());
    EXPECT_EQ(NumericValue("1e-400"), 0);
    EXPECT_EQ(NumericValue("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(NumericValue("1" + std::string(400, '0') + "e-50"),
              std::numeric_limits<double>::max());
}

TEST(StageNumbers, RoundHalfEvenSendsTiesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
}

TEST(StageNumbers, RoundHalfEvenSaturatesAndMapsNanToZero) {
    EXPECT_EQ(RoundHalfEven(1e20), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundHalfEven(-1e20), std::numeric_limits<int>::min());
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(StageMapRows, CharactersGiveDigitValuesOrCodeMinus55) {
    EXPECT_EQ(DecodeMapRow("09AN#Z", 10), (std::vector<std::int32_t>{0, 9, 10, 23, 0, 35}));
    EXPECT_EQ(DecodeMapRow("a", 10), (std::vector<std::int32_t>{97 - 55}));
}

TEST(StageMapRows, DoubleByteCharacterIsOneCellOfZero) {
    EXPECT_EQ(DecodeMapRow("1\x82\xA0"
                           "2",
                           10),
              (std::vector<std::int32_t>{1, 0, 2}));
}

TEST(StageMapRows, NulAndALoneLeadByteAtTheEndFollowTheSingleByteRule) {
    EXPECT_EQ(DecodeMapRow(std::string("1\0"
                                       "2",
                                       3),
                           10),
              (std::vector<std::int32_t>{1, 0, 2}));
    EXPECT_EQ(DecodeMapRow("1\x82", 10), (std::vector<std::int32_t>{1, 0x82 - 55}));
}

TEST(StageMapRows, RowIsCutAtTheGivenCellCount) {
    EXPECT_EQ(DecodeMapRow("12345", 3), (std::vector<std::int32_t>{1, 2, 3}));
}

TEST(StageFields, FirstDelimitedFieldEndsAtTheFirstComma) {
    EXPECT_EQ(FirstDelimitedField("1-2,extra"), "1-2");
    EXPECT_EQ(FirstDelimitedField("  1-2"), "1-2");
    EXPECT_EQ(FirstDelimitedField(""), "");
}

TEST(StageFields, QuotedFieldLosesItsQuotesAndKeepsItsComma) {
    EXPECT_EQ(FirstDelimitedField("\"1,2\""), "1,2");
    EXPECT_EQ(FirstDelimitedField(" \"open"), "open");
    EXPECT_EQ(FirstDelimitedField("\"a\",b"), "a");
}

TEST(GameStageReading, StartPositionIsTimesSixteen) {
    const GameStageText stage = ReadGameStage(StageWith({{3, "3"}, {4, " 59"}}));
    EXPECT_EQ(stage.PlayerX, 48);
    EXPECT_EQ(stage.PlayerY, 944);
    EXPECT_EQ(ReadGameStage(StageWith({{3, "2.5"}})).PlayerX, 40);
}

TEST(GameStageReading, StartPositionRoundsHalfToEven) {
    EXPECT_EQ(ReadGameStage(StageWith({{3, "0.03125"}})).PlayerX, 0);  // 0.5
    EXPECT_EQ(ReadGameStage(StageWith({{3, "0.09375"}})).PlayerX, 2);  // 1.5
    EXPECT_EQ(ReadGameStage(StageWith({{4, "0.15625"}})).PlayerY, 2);  // 2.5
}

TEST(GameStageReading, SignedAndBareFractionStartsAreScaledAndRounded) {
    EXPECT_EQ(ReadGameStage(StageWith({{3, "  -0.5"}})).PlayerX, -8);
    EXPECT_EQ(ReadGameStage(StageWith({{3, "+3"}})).PlayerX, 48);
    EXPECT_EQ(ReadGameStage(StageWith({{4, ".5"}})).PlayerY, 8);
}

TEST(GameStageReading, OverflowingNumbersSaturate) {
    const GameStageText stage = ReadGameStage(StageWith({{3, "1e999"}, {5, "1e999"}}));
    EXPECT_EQ(stage.PlayerX, std::numeric_limits<int>::max());
    EXPECT_EQ(stage.TimeLeft, std::numeric_limits<double>::max());
}

TEST(GameStageReading, LinesEndedByCrAloneAreLinesToo) {
    std::string text = StageWith({{3, "2"}, {96, "1-2"}});
    std::erase(text, '\n');
    const GameStageText stage = ReadGameStage(text);
    EXPECT_EQ(stage.lineCount, 96);
    EXPECT_EQ(stage.PlayerX, 32);
    EXPECT_EQ(stage.NextStage, "1-2");
}

TEST(GameStageReading, TimeLeftKeepsItsFraction) {
    EXPECT_EQ(ReadGameStage(StageWith({{5, "150.5"}})).TimeLeft, 150.5);
    EXPECT_EQ(ReadGameStage(StageWith({{5, "none"}})).TimeLeft, 0);
}

TEST(GameStageReading, ShortRowEndsAfterItsLastCharacter) {
    const GameStageText stage = ReadGameStage(StageWith({{6, std::string(150, '1')}}));
    EXPECT_EQ(stage.rows[0].size(), 150u);
    EXPECT_EQ(stage.rows[1].size(), 200u);
}

TEST(GameStageReading, LongRowIsCutAt201Cells) {
    const GameStageText stage = ReadGameStage(StageWith({{7, std::string(250, '2')}}));
    EXPECT_EQ(stage.rows[1].size(), 201u);
}

TEST(GameStageReading, TextsAndNextStagesAreRead) {
    const GameStageText stage =
        ReadGameStage(StageWith({{1, "sky.bmp"}, {2, "First"}, {66, "2-1"}, {96, "\"1-2,b\",x"}}));
    EXPECT_EQ(stage.BackgroundName, "sky.bmp");
    EXPECT_EQ(stage.StageName, "First");
    EXPECT_EQ(stage.NextStage2, "2-1");
    EXPECT_EQ(stage.NextStage, "1-2,b");
    EXPECT_EQ(stage.lineCount, 96);
}

TEST(GameStageReading, NextStageOfLine96EndsAtAComma) {
    EXPECT_EQ(ReadGameStage(StageWith({{96, "1-2,3"}})).NextStage, "1-2");
}

TEST(GameStageReading, JapaneseStageNameComesBackAsUtf8) {
    EXPECT_EQ(ReadGameStage(StageWith({{2, "\x83\x65\x83\x58\x83\x67"}})).StageName, "テスト");
}

TEST(GameStageReading, ShortTextLeavesTheRemainingFieldsEmpty) {
    const GameStageText stage = ReadGameStage("bg.bmp\r\nName\r\n4\r\n");
    EXPECT_EQ(stage.lineCount, 3);
    EXPECT_EQ(stage.PlayerX, 64);
    EXPECT_EQ(stage.PlayerY, 0);
    EXPECT_EQ(stage.TimeLeft, 0);
    EXPECT_TRUE(stage.rows[0].empty());
    EXPECT_EQ(stage.NextStage, "");
}

TEST(EditorStageReading, StartIndexesRoundHalfToEven) {
    const EditorStageText stage = ReadEditorStage(StageWith({{3, " 2.5"}, {4, "3.5"}}));
    EXPECT_EQ(stage.STX, 2);
    EXPECT_EQ(stage.STY, 4);
    EXPECT_EQ(ReadEditorStage(StageWith({{3, "-1"}})).STX, -1);
    EXPECT_EQ(ReadEditorStage(StageWith({{3, "  -0.5"}})).STX, 0);
    EXPECT_EQ(ReadEditorStage(StageWith({{4, "-1.5"}})).STY, -2);
}

TEST(EditorStageReading, TimeBecomesThePlainDecimalOfItsValue) {
    EXPECT_EQ(ReadEditorStage(StageWith({{5, "150"}})).Times, "150");
    EXPECT_EQ(ReadEditorStage(StageWith({{5, " 2.50x"}})).Times, "2.5");
    EXPECT_EQ(ReadEditorStage(StageWith({{5, "1e3"}})).Times, "1000");
    EXPECT_EQ(ReadEditorStage(StageWith({{5, "abc"}})).Times, "0");
    EXPECT_EQ(ReadEditorStage(StageWith({{5, "-0"}})).Times, "0");
}

TEST(EditorStageReading, LongRowIsCutAt200Cells) {
    const EditorStageText stage = ReadEditorStage(StageWith({{7, std::string(250, '2')}}));
    EXPECT_EQ(stage.rows[1].size(), 200u);
    EXPECT_EQ(ReadEditorStage(StageWith({{6, std::string(150, '1')}})).rows[0].size(), 150u);
}

TEST(EditorStageReading, FieldsGoToTheirProperties) {
    const EditorStageText stage = ReadEditorStage(
        StageWith({{1, "sky.bmp"}, {2, "\x83\x65\x83\x58\x83\x67"}, {66, "2-1"}, {96, "1-2,3"}}));
    EXPECT_EQ(stage.Text1, "sky.bmp");
    EXPECT_EQ(stage.Text2, "テスト");
    EXPECT_EQ(stage.Text4, "2-1");
    EXPECT_EQ(stage.Text3, "1-2");
}

TEST(PlainNumbers, PlainNumberTextNeverUsesAnExponent) {
    EXPECT_EQ(PlainNumberText(150), "150");
    EXPECT_EQ(PlainNumberText(2.5), "2.5");
    EXPECT_EQ(PlainNumberText(-0.125), "-0.125");
    EXPECT_EQ(PlainNumberText(1e20), "100000000000000000000");
    EXPECT_EQ(PlainNumberText(std::numeric_limits<double>::infinity()), "0");
}

}  // namespace
}  // namespace tarn
