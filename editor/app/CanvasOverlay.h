// A see-through layer over the map canvas for what the check panel shows: the cell of
// the problem chosen, and a route found by the clearability search. It follows the
// canvas's size, so a cell is always the canvas's width over the map's columns, and
// lets every mouse event through to the canvas.
#pragma once

#include <QPointF>
#include <QWidget>
#include <optional>
#include <vector>

namespace tarn::editor {

class CanvasOverlay : public QWidget {
    Q_OBJECT
  public:
    explicit CanvasOverlay(QWidget* canvas);

    // Frames a cell; nullopt removes the frame.
    void MarkCell(std::optional<QPoint> cell);
    std::optional<QPoint> MarkedCell() const { return marked_; }
    // The player's path in game pixels (16 a cell); empty removes it.
    void ShowRoute(std::vector<QPointF> gamePixels);
    const std::vector<QPointF>& Route() const { return route_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    double CellPixels() const;

    std::optional<QPoint> marked_;
    std::vector<QPointF> route_;
};

}  // namespace tarn::editor
