// Range fill undo step.
#include "editor/app/RangeFillCommand.h"

#include <QCoreApplication>
#include <algorithm>

#include "editor/app/MapDocument.h"
#include "support/StageText.h"

namespace tarn::editor {

RangeFillCommand::RangeFillCommand(MapDocument& document, const CellRange& range, int code)
    : QUndoCommand(QCoreApplication::translate("Gridsmith", "範囲塗りつぶし")),
      document_(document),
      code_(code) {
    firstColumn_ = std::max(range.firstColumn, 0);
    firstRow_ = std::max(range.firstRow, 0);
    columns_ = std::min(range.lastColumn, kMapColumns - 1) - firstColumn_ + 1;
    rows_ = std::min(range.lastRow, kMapRows - 1) - firstRow_ + 1;
    if (Empty()) {
        return;
    }
    before_.reserve(std::size_t(columns_) * std::size_t(rows_));
    for (int c = 0; c < columns_; ++c) {
        for (int r = 0; r < rows_; ++r) {
            before_.push_back(document_.Cell(firstColumn_ + c, firstRow_ + r));
        }
    }
}

void RangeFillCommand::Report() {
    document_.ReportChanged(QRect(firstColumn_ * kCellPixels, firstRow_ * kCellPixels,
                                  columns_ * kCellPixels, rows_ * kCellPixels));
}

void RangeFillCommand::redo() {
    if (Empty()) {
        return;
    }
    for (int c = 0; c < columns_; ++c) {
        for (int r = 0; r < rows_; ++r) {
            document_.StampQuietly(firstColumn_ + c, firstRow_ + r, code_);
        }
    }
    Report();
    // The press that started the range already marked the document; later redos do too.
    if (!firstRedo_) {
        document_.Doc().SetModified(true);
    }
    firstRedo_ = false;
}

void RangeFillCommand::undo() {
    if (Empty()) {
        return;
    }
    std::size_t i = 0;
    for (int c = 0; c < columns_; ++c) {
        for (int r = 0; r < rows_; ++r) {
            document_.StampQuietly(firstColumn_ + c, firstRow_ + r, before_[i++]);
        }
    }
    Report();
    document_.Doc().SetModified(true);
}

}  // namespace tarn::editor
