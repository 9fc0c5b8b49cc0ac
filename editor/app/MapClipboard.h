// Copy, cut and paste of map cells: the canvas's selection goes to the system clipboard
// as text (one row a line, in the stage file's characters), and text of that form comes
// back as cells, so pieces of stages travel between editors and through a chat.
#pragma once

#include <QPoint>
#include <QString>
#include <optional>

#include "editor/doc/CellBlock.h"

namespace tarn::editor {

class MapCanvas;
class MapDocument;

inline constexpr std::string_view kNothingToPasteText =
    "クリップボードに貼り付けられるマップがありません（1行に1段、0～9とA～Nの文字）";

class MapClipboard {
  public:
    MapClipboard(MapDocument& document, MapCanvas& canvas);

    // Puts the selected cells on the clipboard; false without a selection.
    bool Copy();
    // Copies, then empties the selected cells as one undo step.
    bool Cut();
    // Puts the clipboard's cells down as one undo step, with their top-left cell on the
    // selection's, else on the cell under the pointer, else on the top-left cell in
    // view; the pasted area becomes the selection. False when the clipboard holds no
    // map cells.
    bool Paste();

  private:
    std::optional<CellBlock> ClipboardBlock() const;
    QPoint PastePlace() const;

    MapDocument& document_;
    MapCanvas& canvas_;
    // What was copied last, for a clipboard the platform does not keep.
    std::optional<CellBlock> copied_;
};

}  // namespace tarn::editor
