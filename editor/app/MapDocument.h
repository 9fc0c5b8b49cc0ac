// The document as the window sees it: the toolkit-free StageDocument, the canvas image
// that shows its map, and the undo stack over map edits.
//
// Modified and undo: Modified means "the map or a property was touched since the last
// new, open or save", so every press on the canvas sets it, and so does every undo and
// redo, even one that happens to bring the map back to its saved state. New and Open
// clear the undo stack; saving keeps it, so edits made before a save can still be undone
// after it.
#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QUndoStack>

#include "editor/doc/StageDocument.h"

namespace tarn::editor {

class MapDocument : public QObject {
    Q_OBJECT
  public:
    explicit MapDocument(QObject* parent = nullptr);

    StageDocument& Doc() { return doc_; }
    const StageDocument& Doc() const { return doc_; }
    QUndoStack& UndoStack() { return undoStack_; }
    // 2000 x 600, cell (c, r) at (c x 10, r x 10).
    const QImage& Canvas() const { return canvas_; }

    int Cell(int column, int row) const { return doc_.Cell(column, row); }
    // Stamps a cell: copies the code's tile onto the canvas and stores the code.
    // Cells outside the map are ignored. Reports the changed rectangle.
    void Stamp(int column, int row, int code);
    // Stamps without reporting; the caller reports one rectangle for the batch.
    void StampQuietly(int column, int row, int code);
    void ReportChanged(const QRect& canvasRect) { emit cellsChanged(canvasRect); }

    // Redraws the whole canvas from the map (after New and Open).
    void RedrawAll();
    // After New or Open: redraw and forget the edit history.
    void DocumentReplaced();

    static QRect CellRect(int column, int row);

  signals:
    void cellsChanged(const QRect& canvasRect);

  private:
    StageDocument doc_;
    QImage canvas_;
    QUndoStack undoStack_;
};

}  // namespace tarn::editor
