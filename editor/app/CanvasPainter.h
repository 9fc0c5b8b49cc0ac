// Draws the map at any zoom: the cells that meet an area of the zoomed canvas and the
// overlays over them. The document's own 10-pixel canvas image stays what printing and
// the bitmap export use; the painter only reads it at 10 pixels a cell.
#pragma once

#include <QImage>
#include <QRect>
#include <array>

#include "editor/app/OverlaySettings.h"
#include "support/ChipTable.h"

class QPainter;

namespace tarn::editor {

class MapDocument;

class CanvasPainter {
  public:
    CanvasPainter();

    int CellPixels() const { return cellPixels_; }
    // Builds the cell pictures for a zoom: the 16 x 16 game pictures from 16 pixels up,
    // the 10 x 10 tiles below, each scaled to whole pixels without smoothing.
    void SetCellPixels(int cellPixels);
    // A rectangle of the 10-pixel canvas image on the zoomed canvas (cell-aligned input
    // stays cell-aligned).
    QRect Zoomed(const QRect& unzoomed) const;
    // The square of a cell on the zoomed canvas.
    QRect CellSquare(int column, int row) const;

    void Paint(QPainter& painter, const MapDocument& document, const QRect& area,
               const Overlays& overlays) const;

  private:
    void PaintCells(QPainter& painter, const MapDocument& document, const QRect& area) const;
    void PaintGrid(QPainter& painter, const QRect& area) const;
    void PaintDirections(QPainter& painter, const MapDocument& document, const QRect& area) const;
    void PaintStart(QPainter& painter, const MapDocument& document) const;
    void PaintFirstView(QPainter& painter, const MapDocument& document) const;

    // Arrow pictures by the signs of an object's starting steps.
    static std::size_t ArrowIndex(int dx, int dy);

    int cellPixels_ = 0;
    std::array<QImage, 9> arrows_;
    std::array<QImage, kChipCodeCount> cells_;
    QImage blank_;
};

}  // namespace tarn::editor
