// The check panel's list: what the stage-file checker finds in the stage as it would be
// saved, and the authoring problems that let a stage load but not be played through (no
// reachable goal, a start inside a block or over no ground, a next stage that is not in
// the stage's folder, a time limit of 0). Each problem names its cell or its field.
#pragma once

#include <string>
#include <vector>

#include "editor/doc/StageDocument.h"

namespace tarn::editor {

// The property field a problem is about, when it is not about a cell.
enum class CheckField { None, Background, StartPosition, TimeLimit, NextStage, NextStage2 };

struct CheckProblem {
    std::string text;  // UTF-8, naming the cell as "(列, 行)" counted from 1
    int column = -1;   // the cell, or -1 when the problem is about a field
    int row = -1;
    CheckField field = CheckField::None;

    bool HasCell() const { return column >= 0 && row >= 0; }
};

// All problems of the document. Next stages are looked for beside CurrentFile; an
// untitled stage has no folder, so they are not checked.
std::vector<CheckProblem> CheckStage(const StageDocument& doc);

// "(12, 5)": a cell as the panel and the cursor label count, from 1.
std::string CellName(int column, int row);

}  // namespace tarn::editor
