// Cell edit undo step and the edits of pastes, cuts and bucket fills.
#include "editor/app/CellEditCommand.h"

#include <QCoreApplication>
#include <algorithm>

#include "editor/app/MapDocument.h"

namespace tarn::editor {

CellEditCommand::CellEditCommand(MapDocument& document, const QString& text,
                                 const std::vector<CellEdit>& edits)
    : QUndoCommand(text), document_(document) {
    cells_.reserve(edits.size());
    for (const CellEdit& edit : edits) {
        if (InsideMap(edit.column, edit.row) &&
            document_.Cell(edit.column, edit.row) != edit.code) {
            cells_.push_back(
                {edit.column, edit.row, document_.Cell(edit.column, edit.row), edit.code});
        }
    }
}

void CellEditCommand::Apply(bool forward) {
    if (cells_.empty()) {
        return;
    }
    int left = kMapColumns, top = kMapRows, right = -1, bottom = -1;
    for (const Change& change : cells_) {
        document_.StampQuietly(change.column, change.row, forward ? change.after : change.before);
        left = std::min(left, change.column);
        top = std::min(top, change.row);
        right = std::max(right, change.column);
        bottom = std::max(bottom, change.row);
    }
    document_.ReportChanged(QRect(left * kCellPixels, top * kCellPixels,
                                  (right - left + 1) * kCellPixels,
                                  (bottom - top + 1) * kCellPixels));
    document_.Doc().SetModified(true);
}

void CellEditCommand::redo() {
    Apply(true);
}

void CellEditCommand::undo() {
    Apply(false);
}

std::vector<CellEdit> PlaceBlock(const CellBlock& block, int column, int row) {
    std::vector<CellEdit> edits;
    for (int r = 0; r < block.rows; ++r) {
        for (int c = 0; c < block.columns; ++c) {
            const int code = block.At(c, r);
            if (code != CellBlock::kNoCell && InsideMap(column + c, row + r)) {
                edits.push_back({column + c, row + r, code});
            }
        }
    }
    return edits;
}

std::vector<CellEdit> FillRange(const CellRange& range, int code) {
    std::vector<CellEdit> edits;
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
            edits.push_back({column, row, code});
        }
    }
    return edits;
}

std::unique_ptr<CellEditCommand> MakeBucketFill(MapDocument& document, int column, int row,
                                                int code) {
    std::vector<CellEdit> edits;
    for (const auto& [c, r] : ConnectedEqualCells(document.Doc(), column, row)) {
        edits.push_back({c, r, code});
    }
    auto command = std::make_unique<CellEditCommand>(
        document, QCoreApplication::translate("Gridsmith", "塗りつぶし"), edits);
    if (command->Empty()) {
        return nullptr;
    }
    return command;
}

}  // namespace tarn::editor
