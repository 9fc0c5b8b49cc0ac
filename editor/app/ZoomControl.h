// Zooming the canvas inside its viewport: Ctrl+wheel about the pointer, the zoom keys
// about the middle of the view, and the scroll bars' ranges for the canvas's size.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <optional>

class QScrollBar;
class QWheelEvent;
class QWidget;

namespace tarn::editor {

class MapCanvas;

class ZoomControl : public QObject {
    Q_OBJECT
  public:
    ZoomControl(MapCanvas& canvas, QWidget& viewport, QScrollBar& horizontal, QScrollBar& vertical);

    int CellPixels() const;
    // The cell size at which the whole map fits the viewport.
    int FitCellPixels() const;
    // Sets the cell size (kept between the fitting size and 32) with the map point under
    // anchor, in viewport pixels, staying where it is.
    void ZoomTo(int cellPixels, const QPoint& anchor);
    void ZoomIn();
    void ZoomOut();
    void Fit();
    // A Ctrl+wheel turn over the canvas: a step a notch, about the pointer. False for a
    // wheel turn without Ctrl.
    bool Wheel(const QWheelEvent& event, const QWidget& receiver);
    // The bars run from 0 down to viewport - canvas; call after the viewport resizes.
    void UpdateRanges();

  signals:
    void zoomChanged(int cellPixels);

  private:
    QPoint Middle() const;

    MapCanvas& canvas_;
    QWidget& viewport_;
    QScrollBar& horizontal_;
    QScrollBar& vertical_;
    int wheelTurned_ = 0;  // eighths of a degree not yet used up
    // The map point held under the anchor by the last zoom, in cells. A run of zooms
    // about one spot keeps it, although the canvas may have been too small to put it
    // there in between; a scroll or another spot starts afresh.
    struct Held {
        QPoint anchor;
        QPointF mapCells;
        QPoint scroll;
    };
    std::optional<Held> held_;
};

}  // namespace tarn::editor
