// The plain text of a stage: 96 lines in code page 932 ended by CR LF.
//
//   1  background tile file name        66  next stage after goal 2 ("NONE": none)
//   2  stage name                        67..95  reserved, written as "0"
//   3  start column, 4  start row        96  next stage after goal 1 ("NONE": none)
//   5  time limit in time units
//   6..65  the 60 map rows, one character per cell ("0".."9", "A".."N")
//
// One reader splits the lines; the game and the editor each interpret them with their
// own rules on top of it. Texts in the structures below are UTF-8.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/ChipTable.h"

namespace tarn {

inline constexpr int kStageLineCount = 96;
// 1-based line numbers of the fields that readers and checkers name.
inline constexpr int kFirstRowLine = 6;
inline constexpr int kNextStage2Line = 66;
inline constexpr int kNextStageLine = 96;

// The lines of a plain stage text, undecoded (code page 932), without line ends.
// Lines end at CR LF, at a lone LF or at a lone CR; nothing after line 96 is kept.
struct StageLines {
    std::vector<std::string> lines;
    // Line n (1-based), or an empty text when the file is shorter.
    std::string_view Line(int n) const;
};
StageLines SplitStageLines(std::string_view plain);

// The number at the start of a line: leading blanks skipped, an optional sign, digits
// with an optional fraction and exponent; 0 when the line does not start with a number.
double NumericValue(std::string_view line);

// Float to integer conversion with ties to even; values beyond the int range saturate.
int RoundHalfEven(double value);

// One map row decoded cell by cell, at most maxCells cells. A character below "A" gives
// its digit value ("0".."9"; anything else 0), any other character its code minus 55.
// A double-byte character counts as one cell of value 0.
std::vector<std::int32_t> DecodeMapRow(std::string_view row, int maxCells);

// The first comma-delimited field of a line: leading blanks skipped, a field in double
// quotes loses its quotes, otherwise it ends at the first comma.
std::string FirstDelimitedField(std::string_view line);

// What the game reads from a stage text.
struct GameStageText {
    std::string BackgroundName;
    std::string StageName;
    int PlayerX = 0;  // start column x 16, rounded half to even
    int PlayerY = 0;  // start row x 16, rounded half to even
    double TimeLeft = 0;
    std::array<std::vector<std::int32_t>, kMapRows> rows;  // each cut at 201 cells
    std::string NextStage;                                 // goal 1
    std::string NextStage2;                                // goal 2
    int lineCount = 0;                                     // lines present in the file (at most 96)
};
GameStageText ReadGameStage(std::string_view plain);

// What the editor reads from a stage text.
struct EditorStageText {
    std::string Text1;  // background
    std::string Text2;  // stage name
    int STX = 0;        // start column list index (may lie outside 0..199 in a bad file)
    int STY = 0;        // start row list index (may lie outside 0..59 in a bad file)
    std::string Times;  // time limit, its numeric value written back as plain decimal
    std::array<std::vector<std::int32_t>, kMapRows> rows;  // each cut at 200 cells
    std::string Text4;                                     // goal 2
    std::string Text3;                                     // goal 1
    int lineCount = 0;
};
EditorStageText ReadEditorStage(std::string_view plain);

// Plain decimal text of a number as the editor shows a time limit ("150", "2.5", "0").
std::string PlainNumberText(double value);

// Everything the editor writes.
using StageMap = std::array<std::array<std::uint8_t, kMapColumns>, kMapRows>;  // [row][col]
struct StageFields {
    std::string background;
    std::string stageName;
    int startColumnIndex = 0;  // written as " 0" .. " 199", or "-1"
    int startRowIndex = 0;
    std::string timeText = "150";
    StageMap map{};
    std::string nextStage;   // goal 1, line 96
    std::string nextStage2;  // goal 2, line 66
};

// The 96 lines in code page 932 with CR LF. Empty next stages are written as "NONE".
std::string WriteStageText(const StageFields& fields);

// Map character for a chip code: "0".."9" for 0..9, "A".. for 10 and up.
char SHex(int code);

// Problems that keep a stage from loading as authored.
struct StageProblem {
    int line = 0;         // 1-based line, 0 for the file as a whole
    std::string message;  // UTF-8; quotes only excerpts of a line
};

// The longest text a name or number line (1 to 5, 66 and 96) may hold; map rows are cut
// where the readers cut them, and the reserved lines are never read.
inline constexpr std::size_t kMaxFieldLineBytes = 255;

// The name and number lines of a stage that hold more than kMaxFieldLineBytes, in order.
std::vector<int> OverlongFieldLines(const StageLines& lines);

// What keeps the game from loading a stage at all: a name or number line longer than
// kMaxFieldLineBytes, a background that is no plain file name (it must name a picture of
// the bmp folder itself), a next stage whose file name is no plain file name (it must name
// a stage of the stage's own folder; "NONE" and an empty name mean none and pass).
std::vector<StageProblem> CheckStageFields(std::string_view plain);

// Everything CheckStageFields finds, and the line count, row lengths and characters,
// codes above 23, the start position and the time limit. Whether next-stage files exist
// is the caller's to check (that needs the folder).
std::vector<StageProblem> CheckStageText(std::string_view plain);

}  // namespace tarn
