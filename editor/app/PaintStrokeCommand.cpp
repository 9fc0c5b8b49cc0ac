// Paint stroke undo step.
#include "editor/app/PaintStrokeCommand.h"

#include <QCoreApplication>

#include "editor/app/MapDocument.h"

namespace tarn::editor {

PaintStrokeCommand::PaintStrokeCommand(MapDocument& document)
    : QUndoCommand(QCoreApplication::translate("Gridsmith", "ペイント")), document_(document) {}

void PaintStrokeCommand::Paint(int column, int row, int code) {
    if (!InsideMap(column, row)) {
        return;
    }
    const int before = document_.Cell(column, row);
    document_.Stamp(column, row, code);
    for (CellChange& change : cells_) {
        if (change.column == column && change.row == row) {
            change.after = code;
            return;
        }
    }
    if (before != code) {
        cells_.push_back({column, row, before, code});
    }
}

void PaintStrokeCommand::redo() {
    if (applied_) {
        return;
    }
    for (const CellChange& change : cells_) {
        document_.Stamp(change.column, change.row, change.after);
    }
    applied_ = true;
    document_.Doc().SetModified(true);
}

void PaintStrokeCommand::undo() {
    for (auto it = cells_.rbegin(); it != cells_.rend(); ++it) {
        document_.Stamp(it->column, it->row, it->before);
    }
    applied_ = false;
    document_.Doc().SetModified(true);
}

}  // namespace tarn::editor
