// Clipboard commands over the canvas's selection.
#include "editor/app/MapClipboard.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QUndoStack>

#include "editor/app/CellEditCommand.h"
#include "editor/app/MapCanvas.h"
#include "editor/app/MapDocument.h"

namespace tarn::editor {

MapClipboard::MapClipboard(MapDocument& document, MapCanvas& canvas)
    : document_(document), canvas_(canvas) {}

bool MapClipboard::Copy() {
    const auto& selection = canvas_.Selection();
    if (!selection) {
        return false;
    }
    copied_ = CopyBlock(document_.Doc(), *selection);
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(QString::fromStdString(BlockText(*copied_)));
    }
    return true;
}

bool MapClipboard::Cut() {
    if (!Copy()) {
        return false;
    }
    auto cut = std::make_unique<CellEditCommand>(
        document_, QCoreApplication::translate("Gridsmith", "切り取り"),
        FillRange(*canvas_.Selection(), Code(Chip::Empty)));
    if (!cut->Empty()) {
        document_.UndoStack().push(cut.release());
    }
    return true;
}

std::optional<CellBlock> MapClipboard::ClipboardBlock() const {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QString text = clipboard != nullptr ? clipboard->text() : QString();
    if (text.isEmpty()) {
        return copied_;
    }
    return ParseBlockText(text.toStdString());
}

QPoint MapClipboard::PastePlace() const {
    if (const auto& selection = canvas_.Selection()) {
        return QPoint(selection->firstColumn, selection->firstRow);
    }
    if (const auto& hover = canvas_.HoverCell(); hover && canvas_.underMouse()) {
        return *hover;
    }
    const QPoint corner = canvas_.visibleRegion().boundingRect().topLeft();
    const int size = canvas_.CellPixels();
    return QPoint((corner.x() + size - 1) / size, (corner.y() + size - 1) / size);
}

bool MapClipboard::Paste() {
    const std::optional<CellBlock> block = ClipboardBlock();
    if (!block) {
        return false;
    }
    const QPoint place = PastePlace();
    auto paste = std::make_unique<CellEditCommand>(
        document_, QCoreApplication::translate("Gridsmith", "貼り付け"),
        PlaceBlock(*block, place.x(), place.y()));
    if (!paste->Empty()) {
        document_.UndoStack().push(paste.release());
    }
    canvas_.SetSelection(CellRange{place.x(), place.y(), place.x() + block->columns - 1,
                                   place.y() + block->rows - 1});
    return true;
}

}  // namespace tarn::editor
