// One paint stroke, from the button going down to it coming up: every cell stamped on
// the way, undone and redone as one step.
#pragma once

#include <QUndoCommand>
#include <vector>

namespace tarn::editor {

class MapDocument;

class PaintStrokeCommand : public QUndoCommand {
  public:
    explicit PaintStrokeCommand(MapDocument& document);

    // Stamps a cell now and remembers what it held before the stroke first touched it.
    void Paint(int column, int row, int code);
    bool Empty() const { return cells_.empty(); }

    // The stroke is already on the canvas when it is pushed; the first redo does nothing.
    void redo() override;
    void undo() override;

  private:
    struct CellChange {
        int column;
        int row;
        int before;
        int after;
    };
    MapDocument& document_;
    std::vector<CellChange> cells_;
    bool applied_ = true;
};

}  // namespace tarn::editor
