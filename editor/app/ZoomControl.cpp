// Zoom steps and the scroll positions that keep the map still under the pointer.
#include "editor/app/ZoomControl.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "editor/app/MapCanvas.h"
#include "editor/doc/CanvasZoom.h"

namespace tarn::editor {

ZoomControl::ZoomControl(MapCanvas& canvas, QWidget& viewport, QScrollBar& horizontal,
                         QScrollBar& vertical)
    : canvas_(canvas), viewport_(viewport), horizontal_(horizontal), vertical_(vertical) {}

int ZoomControl::CellPixels() const {
    return canvas_.CellPixels();
}

int ZoomControl::FitCellPixels() const {
    return tarn::editor::FitCellPixels(viewport_.width(), viewport_.height());
}

QPoint ZoomControl::Middle() const {
    return QPoint(viewport_.width() / 2, viewport_.height() / 2);
}

void ZoomControl::ZoomTo(int cellPixels, const QPoint& anchor) {
    const int before = canvas_.CellPixels();
    const int after = std::clamp(cellPixels, std::min(FitCellPixels(), before), kMaxCellPixels);
    if (after == before) {
        return;
    }
    const QPoint scroll(horizontal_.value(), vertical_.value());
    const QPointF mapCells = held_ && held_->anchor == anchor && held_->scroll == scroll
                                 ? held_->mapCells
                                 : QPointF(anchor - scroll) / before;
    canvas_.SetCellPixels(after);
    UpdateRanges();
    horizontal_.setValue(
        ScrollValuePlacing(mapCells.x(), anchor.x(), after, viewport_.width(), canvas_.width()));
    vertical_.setValue(
        ScrollValuePlacing(mapCells.y(), anchor.y(), after, viewport_.height(), canvas_.height()));
    canvas_.move(horizontal_.value(), vertical_.value());
    held_ = Held{anchor, mapCells, canvas_.pos()};
    emit zoomChanged(after);
}

void ZoomControl::ZoomIn() {
    ZoomTo(ZoomedIn(CellPixels()), Middle());
}

void ZoomControl::ZoomOut() {
    ZoomTo(ZoomedOut(CellPixels(), FitCellPixels()), Middle());
}

void ZoomControl::Fit() {
    const int fit = FitCellPixels();
    if (fit < CellPixels()) {
        ZoomTo(fit, Middle());
    } else if (fit > CellPixels()) {
        // Growing to fit: the whole map shows, so where it was does not matter.
        canvas_.SetCellPixels(fit);
        UpdateRanges();
        emit zoomChanged(fit);
    }
    horizontal_.setValue(0);
    vertical_.setValue(0);
}

bool ZoomControl::Wheel(const QWheelEvent& event, const QWidget& receiver) {
    if (!event.modifiers().testFlag(Qt::ControlModifier)) {
        return false;
    }
    wheelTurned_ += event.angleDelta().y();
    const QPoint anchor = receiver.mapTo(&viewport_, event.position().toPoint());
    while (wheelTurned_ >= 120) {
        wheelTurned_ -= 120;
        ZoomTo(ZoomedIn(CellPixels()), anchor);
    }
    while (wheelTurned_ <= -120) {
        wheelTurned_ += 120;
        ZoomTo(ZoomedOut(CellPixels(), FitCellPixels()), anchor);
    }
    return true;
}

void ZoomControl::UpdateRanges() {
    horizontal_.setRange(std::min(viewport_.width() - canvas_.width(), 0), 0);
    vertical_.setRange(std::min(viewport_.height() - canvas_.height(), 0), 0);
    canvas_.move(horizontal_.value(), vertical_.value());
}

}  // namespace tarn::editor
