// One undo step that sets any cells to given codes: a paste, a cut, a bucket fill.
#pragma once

#include <QUndoCommand>
#include <memory>
#include <vector>

#include "editor/doc/CellBlock.h"

namespace tarn::editor {

class MapDocument;

struct CellEdit {
    int column;
    int row;
    int code;
};

class CellEditCommand : public QUndoCommand {
  public:
    // Remembers what the cells hold now; cells off the map and cells that already hold
    // their code are left out.
    CellEditCommand(MapDocument& document, const QString& text, const std::vector<CellEdit>& edits);

    bool Empty() const { return cells_.empty(); }
    void redo() override;
    void undo() override;

  private:
    struct Change {
        int column;
        int row;
        int before;
        int after;
    };
    void Apply(bool forward);

    MapDocument& document_;
    std::vector<Change> cells_;
};

// The cells a block puts down with its top-left cell at (column, row): every cell of
// the block that lands on the map, short text rows leaving the cells after them alone.
std::vector<CellEdit> PlaceBlock(const CellBlock& block, int column, int row);
// Every cell of a range set to one code.
std::vector<CellEdit> FillRange(const CellRange& range, int code);
// The area of equal cells connected to (column, row) set to code; nothing when the
// area already holds it.
std::unique_ptr<CellEditCommand> MakeBucketFill(MapDocument& document, int column, int row,
                                                int code);

}  // namespace tarn::editor
