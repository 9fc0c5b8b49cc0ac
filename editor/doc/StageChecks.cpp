// Gathers the check panel's problems. The stage-file checker reads the stage text the
// document would be saved as, so it sees what a saved file would hold.
#include "editor/doc/StageChecks.h"

#include <system_error>

#include "editor/doc/GoalReach.h"

namespace tarn::editor {
namespace {

bool NamesNoStage(const std::string& next) {
    return next.empty() || next == "NONE";
}

// Where a checker line points: the start cell, a map row's first fault, or a field.
void PlaceFileProblem(const StageProblem& found, CheckProblem& out) {
    if (found.line == 1) {
        out.field = CheckField::Background;
    } else if (found.line == 3 || found.line == 4) {
        out.field = CheckField::StartPosition;
    } else if (found.line == 5) {
        out.field = CheckField::TimeLimit;
    } else if (found.line >= kFirstRowLine && found.line < kFirstRowLine + kMapRows) {
        out.column = 0;
        out.row = found.line - kFirstRowLine;
    }
}

void CheckStart(const StageDocument& doc, std::vector<CheckProblem>& problems) {
    const int column = doc.properties.STX;
    const int row = doc.properties.STYIndex();
    if (row < 0 || column < 0 || column >= kMapColumns) {
        return;  // the file checker already names a start off the map
    }
    const Chip chip = static_cast<Chip>(doc.Cell(column, row));
    if (kChipTable[std::size_t(Code(chip))].solid) {
        problems.push_back({"スタート位置 " + CellName(column, row) + " がブロックの中にあります",
                            column, row, CheckField::StartPosition});
        return;
    }
    bool ground = false;
    for (int below = row + 1; below < kMapRows && !ground; ++below) {
        ground = kChipTable[std::size_t(doc.Cell(column, below))].solid;
    }
    if (!ground) {
        problems.push_back({"スタート位置 " + CellName(column, row) +
                                " の下に地面がありません（落ちてしまいます）",
                            column, row, CheckField::StartPosition});
        return;
    }
    if (!HasGoal(doc.EditMap)) {
        problems.push_back({"マップにゴールがありません", column, row, CheckField::None});
    } else if (!ReachableGoal(doc.EditMap, column, row)) {
        problems.push_back(
            {"スタート位置 " + CellName(column, row) + " からたどり着けるゴールがありません",
             column, row, CheckField::None});
    }
}

void CheckNextStage(const StageDocument& doc, const std::string& next, CheckField field,
                    std::vector<CheckProblem>& problems) {
    if (doc.CurrentFile.empty() || NamesNoStage(next)) {
        return;
    }
    const auto folder = PathFromBytes(doc.CurrentFile).parent_path();
    std::error_code error;
    if (!std::filesystem::is_regular_file(folder / PathFromBytes(next + ".tr2"), error)) {
        const std::string which = field == CheckField::NextStage ? "ゴール1" : "ゴール2";
        problems.push_back(
            {which + "の次のステージ「" + next + "」が同じフォルダにありません（" + next + ".tr2）",
             -1, -1, field});
    }
}

}  // namespace

std::string CellName(int column, int row) {
    return "(" + std::to_string(column + 1) + ", " + std::to_string(row + 1) + ")";
}

std::vector<CheckProblem> CheckStage(const StageDocument& doc) {
    std::vector<CheckProblem> problems;
    for (const StageProblem& found : CheckStageText(WriteStageText(doc.ToFields()))) {
        CheckProblem problem{"ステージファイル: " + found.message, -1, -1, CheckField::None};
        PlaceFileProblem(found, problem);
        problems.push_back(std::move(problem));
    }
    if (NumericValue(doc.properties.Times) == 0 && !doc.properties.Times.empty()) {
        problems.push_back(
            {"制限時間が0です（始まった途端に時間切れになります）", -1, -1, CheckField::TimeLimit});
    }
    CheckStart(doc, problems);
    CheckNextStage(doc, doc.properties.Text3, CheckField::NextStage, problems);
    CheckNextStage(doc, doc.properties.Text4, CheckField::NextStage2, problems);
    return problems;
}

}  // namespace tarn::editor
