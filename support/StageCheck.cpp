// Checks a plain stage text for everything that keeps it from loading as it was authored.
#include <algorithm>
#include <string>

#include "support/Cp932.h"
#include "support/FileNames.h"
#include "support/StageText.h"
#include "support/UserText.h"

namespace tarn {

namespace {

constexpr int kLastCode = kChipCodeCount - 1;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Trimmed(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) {
        ++first;
    }
    while (last > first && IsBlank(text[last - 1])) {
        --last;
    }
    return std::string(text.substr(first, last - first));
}

// A line of the file as a message quotes it.
std::string Quoted(std::string_view line) {
    // Only the excerpt's bytes are converted, however long the line.
    const std::string start = Trimmed(line.substr(0, kExcerptBytes * 2));
    return "\"" + Excerpt(cp932::ToUtf8(start)) + "\"";
}

// A name as the game reads it (UTF-8), quoted.
std::string QuotedName(std::string_view name) {
    return "\"" + Excerpt(name) + "\"";
}

void CheckNextStageName(const std::string& name, int line, const char* goal,
                        std::vector<StageProblem>& problems) {
    if (name.empty() || name == "NONE" || IsPlainFileName(name + ".tr2")) {
        return;
    }
    problems.push_back({line, std::string("next stage after ") + goal + " " + QuotedName(name) +
                                  " is not the name of a stage in the stage's own folder"});
}

// True when the whole line, blanks aside, is one number.
bool IsWholeNumber(std::string_view line) {
    const std::string text = Trimmed(line);
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    std::size_t digits = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        const std::size_t exponentStart = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            ++pos;
        }
        if (pos == exponentStart) {
            return false;
        }
    }
    return pos == text.size();
}

void CheckStart(const StageLines& lines, int lineNumber, const char* what, int limit,
                std::vector<StageProblem>& problems) {
    const std::string_view line = lines.Line(lineNumber);
    if (!IsWholeNumber(line)) {
        problems.push_back(
            {lineNumber, std::string("start ") + what + " " + Quoted(line) + " is not a number"});
        return;
    }
    const int index = RoundHalfEven(NumericValue(line));
    if (index < 0 || index >= limit) {
        problems.push_back({lineNumber, std::string("start ") + what + " " + std::to_string(index) +
                                            " lies outside 0.." + std::to_string(limit - 1)});
    }
}

std::string Counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// One message per kind of fault in a row, naming how many cells and the first of them.
void CheckRow(std::string_view row, int lineNumber, std::vector<StageProblem>& problems) {
    const int rowNumber = lineNumber - kFirstRowLine + 1;
    const std::string where = "map row " + std::to_string(rowNumber) + ": ";
    if (row.size() != static_cast<std::size_t>(kMapColumns)) {
        problems.push_back({lineNumber, where + std::to_string(row.size()) +
                                            " characters instead of " +
                                            std::to_string(kMapColumns)});
    }
    int badCount = 0;
    std::size_t firstBad = 0;
    int highCount = 0;
    std::size_t firstHigh = 0;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const char c = row[i];
        const bool digit = c >= '0' && c <= '9';
        const bool letter = c >= 'A' && c <= 'Z';
        if (letter && c - 55 > kLastCode) {
            if (highCount++ == 0) {
                firstHigh = i;
            }
        } else if (!digit && !letter) {
            if (badCount++ == 0) {
                firstBad = i;
            }
        }
    }
    if (badCount > 0) {
        problems.push_back(
            {lineNumber, where + Counted(badCount, "character that is", "characters that are") +
                             " no chip code, first at position " + std::to_string(firstBad + 1)});
    }
    if (highCount > 0) {
        problems.push_back(
            {lineNumber, where + Counted(highCount, "cell with a code", "cells with codes") +
                             " above " + std::to_string(kLastCode) + ", first at position " +
                             std::to_string(firstHigh + 1) + " (\"" + row[firstHigh] + "\")"});
    }
}

}  // namespace

std::vector<int> OverlongFieldLines(const StageLines& lines) {
    std::vector<int> overlong;
    for (const int line : {1, 2, 3, 4, 5, kNextStage2Line, kNextStageLine}) {
        if (lines.Line(line).size() > kMaxFieldLineBytes) {
            overlong.push_back(line);
        }
    }
    return overlong;
}

std::vector<StageProblem> CheckStageFields(std::string_view plain) {
    const StageLines lines = SplitStageLines(plain);
    std::vector<StageProblem> problems;
    for (const int line : OverlongFieldLines(lines)) {
        problems.push_back({line, "the line holds " + std::to_string(lines.Line(line).size()) +
                                      " bytes; a name or number line holds at most " +
                                      std::to_string(kMaxFieldLineBytes)});
    }
    if (!problems.empty()) {
        return problems;  // the names below would only be cut versions of the lines
    }
    const GameStageText stage = ReadGameStage(plain);
    if (!stage.BackgroundName.empty() && !IsPlainFileName(stage.BackgroundName)) {
        problems.push_back({1, "background " + QuotedName(stage.BackgroundName) +
                                   " is not the name of a picture in the bmp folder"});
    }
    CheckNextStageName(stage.NextStage2, kNextStage2Line, "goal 2", problems);
    CheckNextStageName(stage.NextStage, kNextStageLine, "goal 1", problems);
    return problems;
}

std::vector<StageProblem> CheckStageText(std::string_view plain) {
    const StageLines lines = SplitStageLines(plain);
    const int lineCount = static_cast<int>(lines.lines.size());
    std::vector<StageProblem> problems = CheckStageFields(plain);
    if (lineCount < kStageLineCount) {
        problems.push_back({0, "the text has " + std::to_string(lineCount) + " lines instead of " +
                                   std::to_string(kStageLineCount)});
    }
    if (lineCount >= 1 && Trimmed(lines.Line(1)).empty()) {
        problems.push_back({1, "the background picture name is empty"});
    }
    if (lineCount >= 3) {
        CheckStart(lines, 3, "column", kMapColumns, problems);
    }
    if (lineCount >= 4) {
        CheckStart(lines, 4, "row", kMapRows, problems);
    }
    if (lineCount >= 5 && !IsWholeNumber(lines.Line(5))) {
        problems.push_back({5, "time limit " + Quoted(lines.Line(5)) + " is not a number"});
    }
    for (int line = kFirstRowLine; line < kFirstRowLine + kMapRows && line <= lineCount; ++line) {
        CheckRow(lines.Line(line), line, problems);
    }
    std::stable_sort(problems.begin(), problems.end(),
                     [](const StageProblem& a, const StageProblem& b) { return a.line < b.line; });
    return problems;
}

}  // namespace tarn
