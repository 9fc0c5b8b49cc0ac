// The map canvas: draws the map at the chosen zoom with its overlays and turns mouse
// presses, moves and releases into paint strokes, range fills, bucket fills and the
// rectangular selection that copy, cut and paste work on.
#pragma once

#include <QRectF>
#include <QWidget>
#include <memory>
#include <optional>

#include "editor/app/CanvasPainter.h"
#include "editor/app/OverlaySettings.h"
#include "editor/doc/CanvasRules.h"

namespace tarn::editor {

class MapDocument;
class PaintStrokeCommand;

class MapCanvas : public QWidget {
    Q_OBJECT
  public:
    explicit MapCanvas(MapDocument& document, QWidget* parent = nullptr);
    ~MapCanvas() override;

    void SetPaletteCode(int code) { paletteCode_ = code; }
    // Leaving the selection mode drops the selection.
    void SetDrawMode(int mode);
    int DrawMode() const { return drawMode_; }
    bool ButtonHeld() const { return buttonHeld_; }
    bool BandVisible() const { return bandVisible_; }
    const Band& CurrentBand() const { return band_; }
    // Drops a drag in progress without keeping its stroke (the document was replaced).
    void CancelDrag();

    // Pixels per cell side; the widget grows or shrinks to 200 x 60 cells of that size.
    int CellPixels() const { return painter_.CellPixels(); }
    void SetCellPixels(int cellPixels);
    const CanvasPainter& Painter() const { return painter_; }
    const Overlays& CurrentOverlays() const { return overlays_; }
    void SetOverlays(const Overlays& overlays);

    const std::optional<CellRange>& Selection() const { return selection_; }
    // A range is clipped to the map; one that misses it clears the selection.
    void SetSelection(const std::optional<CellRange>& range);
    // The map cell the pointer was last over, if any.
    const std::optional<QPoint>& HoverCell() const { return hoverCell_; }

  signals:
    void cursorCellChanged(const QString& text);  // Label6
    void infoChanged(const QString& text);        // Label10
    void selectionChanged(bool hasSelection);
    // A right press in the selection mode, or a Ctrl+right press in any mode.
    void cellMenuWanted(int column, int row, const QPoint& globalPosition);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int CodeForButton(Qt::MouseButton button) const;
    int CodeForButtons(Qt::MouseButtons buttons) const;
    QPoint CellAt(const QPointF& position) const;
    void UpdateBand(const Band& band);
    static QRect BandOutline(const Band& band);
    QRect SelectionOutline() const;
    void SelectTo(const QPoint& cell);
    void BucketFill(const QPoint& cell, int code);
    void FinishStroke();
    void HideBand();

    MapDocument& document_;
    CanvasPainter painter_;
    Overlays overlays_;
    int paletteCode_ = 0;
    int drawMode_ = kPaintMode;
    bool buttonHeld_ = false;
    bool selecting_ = false;
    double selStartX_ = 0;
    double selStartY_ = 0;
    Band band_;
    bool bandVisible_ = false;
    std::unique_ptr<PaintStrokeCommand> stroke_;
    std::optional<CellRange> selection_;
    QPoint selectionAnchor_;
    std::optional<QPoint> hoverCell_;
};

}  // namespace tarn::editor
