// One range fill: every map cell of a rectangle stamped with one code.
#pragma once

#include <QUndoCommand>
#include <vector>

#include "editor/doc/CanvasRules.h"

namespace tarn::editor {

class MapDocument;

class RangeFillCommand : public QUndoCommand {
  public:
    // The range is clipped to the map; cells outside it are left alone.
    RangeFillCommand(MapDocument& document, const CellRange& range, int code);

    bool Empty() const { return columns_ <= 0 || rows_ <= 0; }
    void redo() override;
    void undo() override;

  private:
    void Report();

    MapDocument& document_;
    int firstColumn_ = 0;
    int firstRow_ = 0;
    int columns_ = 0;
    int rows_ = 0;
    int code_ = 0;
    std::vector<int> before_;  // column-major, as the fill runs
    bool firstRedo_ = true;
};

}  // namespace tarn::editor
