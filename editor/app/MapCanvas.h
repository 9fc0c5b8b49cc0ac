// The map canvas: shows the document's canvas image and turns mouse presses, moves and
// releases into paint strokes and range fills.
#pragma once

#include <QRectF>
#include <QWidget>
#include <memory>

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
    void SetDrawMode(int mode) { drawMode_ = mode; }
    int DrawMode() const { return drawMode_; }
    bool ButtonHeld() const { return buttonHeld_; }
    bool BandVisible() const { return bandVisible_; }
    const Band& CurrentBand() const { return band_; }
    // Drops a drag in progress without keeping its stroke (the document was replaced).
    void CancelDrag();

  signals:
    void cursorCellChanged(const QString& text);  // Label6
    void infoChanged(const QString& text);        // Label10

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int CodeForButton(Qt::MouseButton button) const;
    int CodeForButtons(Qt::MouseButtons buttons) const;
    void UpdateBand(const Band& band);
    static QRect BandOutline(const Band& band);
    void FinishStroke();
    void HideBand();

    MapDocument& document_;
    int paletteCode_ = 0;
    int drawMode_ = 0;
    bool buttonHeld_ = false;
    double selStartX_ = 0;
    double selStartY_ = 0;
    Band band_;
    bool bandVisible_ = false;
    std::unique_ptr<PaintStrokeCommand> stroke_;
};

}  // namespace tarn::editor
