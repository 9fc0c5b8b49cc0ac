// The stage checker: a clean stage passes, and each kind of fault is reported.
#include <gtest/gtest.h>

#include "support/StageText.h"
#include "tests/common/StageSamples.h"

namespace tarn {
namespace {

using testing::StageWith;

bool HasProblem(const std::vector<StageProblem>& problems, int line, const std::string& part) {
    for (const auto& problem : problems) {
        if (problem.line == line && problem.message.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST(StageCheck, EditorLayoutStageHasNoProblems) {
    EXPECT_TRUE(CheckStageText(StageWith({})).empty());
    StageFields fields;
    fields.background = "bg.bmp";
    fields.map[3][3] = 23;
    EXPECT_TRUE(CheckStageText(WriteStageText(fields)).empty());
}

TEST(StageCheck, MissingLinesAreReportedForTheWholeFile) {
    const auto problems = CheckStageText("bg.bmp\r\nName\r\n 0\r\n");
    EXPECT_TRUE(HasProblem(problems, 0, "3 lines instead of 96"));
}

TEST(StageCheck, EmptyTextIsReported) {
    EXPECT_TRUE(HasProblem(CheckStageText(""), 0, "0 lines"));
}

TEST(StageCheck, RowOfWrongLengthIsReported) {
    const auto problems =
        CheckStageText(StageWith({{6, std::string(150, '0')}, {8, std::string(250, '0')}}));
    EXPECT_TRUE(HasProblem(problems, 6, "150 characters"));
    EXPECT_TRUE(HasProblem(problems, 8, "250 characters"));
    EXPECT_EQ(problems.size(), 2u);
}

TEST(StageCheck, CharactersThatAreNoChipCodeAreCountedPerRow) {
    std::string row(200, '0');
    row[4] = '#';
    row[9] = 'a';
    const auto problems = CheckStageText(StageWith({{10, row}}));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(
        HasProblem(problems, 10, "2 characters that are no chip code, first at position 5"));
}

TEST(StageCheck, CodesAbove23AreReported) {
    std::string row(200, '0');
    row[0] = 'N';
    row[7] = 'O';
    row[8] = 'Z';
    const auto problems = CheckStageText(StageWith({{65, row}}));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(HasProblem(problems, 65, "2 cells with codes above 23, first at position 8"));
}

TEST(StageCheck, StartOutsideTheMapIsReported) {
    const auto problems = CheckStageText(StageWith({{3, " 200"}, {4, "-1"}}));
    EXPECT_TRUE(HasProblem(problems, 3, "200 lies outside 0..199"));
    EXPECT_TRUE(HasProblem(problems, 4, "-1 lies outside 0..59"));
}

TEST(StageCheck, StartThatIsNoNumberIsReported) {
    EXPECT_TRUE(HasProblem(CheckStageText(StageWith({{3, "left"}})), 3, "not a number"));
}

TEST(StageCheck, QuotedLineIsShortUtf8WithoutControlCharacters) {
    const auto problems =
        CheckStageText(StageWith({{3, "\x1b[2J\x83\x65" + std::string(100, 'x')}}));
    ASSERT_EQ(problems.size(), 1u);
    const std::string& message = problems[0].message;
    EXPECT_EQ(message.find('\x1b'), std::string::npos);
    EXPECT_NE(message.find("\"?[2Jテxxx"), std::string::npos) << message;
    EXPECT_LT(message.size(), 80u);
}

TEST(StageCheck, TimeThatIsNoNumberIsReported) {
    EXPECT_TRUE(HasProblem(CheckStageText(StageWith({{5, "soon"}})), 5, "not a number"));
    EXPECT_TRUE(HasProblem(CheckStageText(StageWith({{5, "150s"}})), 5, "not a number"));
    EXPECT_TRUE(CheckStageText(StageWith({{5, " 2.5e2 "}})).empty());
}

TEST(StageCheck, EmptyBackgroundIsReported) {
    EXPECT_TRUE(HasProblem(CheckStageText(StageWith({{1, ""}})), 1, "background"));
}

TEST(StageCheck, EveryProblemIsReportedNotJustTheFirst) {
    const auto problems =
        CheckStageText(StageWith({{3, "900"}, {5, "x"}, {6, "1"}, {7, std::string(200, 'P')}}));
    EXPECT_EQ(problems.size(), 4u);
}

TEST(StageCheck, NextStagesOutsideTheStageFolderAreReportedOnTheirLines) {
    const auto problems = CheckStageText(StageWith({{66, "/etc/x"}, {96, std::string("x\0y", 3)}}));
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_TRUE(HasProblem(problems, 66, "next stage after goal 2 \"/etc/x\" is not the name"));
    EXPECT_TRUE(HasProblem(problems, 96, "next stage after goal 1 \"x?y\" is not the name"));
}

TEST(StageCheck, NoneEmptyAndPlainNextStagesPassTheFieldCheck) {
    EXPECT_TRUE(CheckStageFields(StageWith({{66, "NONE"}, {96, ""}})).empty());
    EXPECT_TRUE(CheckStageFields(StageWith({{66, "2-1"}, {96, "\"1-3\",x"}})).empty());
    // A comma ends line 96's field: what follows it is not part of the name.
    EXPECT_TRUE(CheckStageFields(StageWith({{96, "1-3,../../x"}})).empty());
}

TEST(StageCheck, BackgroundOutsideTheBmpFolderIsReported) {
    const auto problems = CheckStageFields(StageWith({{1, "../../../../etc/passwd"}}));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(HasProblem(problems, 1, "not the name of a picture in the bmp folder"));
}

TEST(StageCheck, OverlongNameAndNumberLinesAreReportedWithoutQuotingThem) {
    const std::string huge(1 << 20, '1');
    for (const int line : {1, 2, 3, 4, 5, 66, 96}) {
        const auto problems = CheckStageText(StageWith({{line, huge}}));
        ASSERT_FALSE(problems.empty()) << line;
        EXPECT_TRUE(HasProblem(problems, line, "the line holds 1048576 bytes")) << line;
        for (const auto& problem : problems) {
            EXPECT_LT(problem.message.size(), 120u) << line;
        }
    }
    EXPECT_TRUE(CheckStageFields(StageWith({{2, std::string(kMaxFieldLineBytes, 'n')}})).empty());
}

TEST(StageCheck, ProblemsComeInLineOrder) {
    const auto problems = CheckStageText(StageWith({{96, "../x"}, {3, "900"}, {1, "a/b"}}));
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].line, 1);
    EXPECT_EQ(problems[1].line, 3);
    EXPECT_EQ(problems[2].line, 96);
}

}  // namespace
}  // namespace tarn
