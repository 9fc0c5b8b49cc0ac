// Mouse handling of the map canvas. Painting repaints only the stamped cell's square, so
// a drag across the whole map stays as quick as the pointer.
#include "editor/app/MapCanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QUndoStack>

#include "editor/app/MapDocument.h"
#include "editor/app/PaintStrokeCommand.h"
#include "editor/app/RangeFillCommand.h"

namespace tarn::editor {

MapCanvas::MapCanvas(MapDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    setFixedSize(kCanvasWidth, kCanvasHeight);
    setMouseTracking(true);
    // Clicking the map takes the keyboard from the property fields, so that Ctrl+Z after
    // painting undoes the paint and not the last text typed.
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&document_, &MapDocument::cellsChanged, this,
            [this](const QRect& rect) { update(rect); });
}

MapCanvas::~MapCanvas() = default;

int MapCanvas::CodeForButton(Qt::MouseButton button) const {
    return button == Qt::RightButton ? 0 : paletteCode_;
}

int MapCanvas::CodeForButtons(Qt::MouseButtons buttons) const {
    return buttons == Qt::RightButton ? 0 : paletteCode_;
}

QRect MapCanvas::BandOutline(const Band& band) {
    const int left = RoundPixel(band.left);
    const int top = RoundPixel(band.top);
    const int right = RoundPixel(band.left + band.width);
    const int bottom = RoundPixel(band.top + band.height);
    return QRect(QPoint(left, top), QPoint(std::max(left, right), std::max(top, bottom)));
}

void MapCanvas::UpdateBand(const Band& band) {
    update(BandOutline(band_).adjusted(-1, -1, 2, 2));
    band_ = band;
    update(BandOutline(band_).adjusted(-1, -1, 2, 2));
}

void MapCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), document_.Canvas(), area);
    if (bandVisible_) {
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(BandOutline(band_));
    }
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const QPointF pos = event->position();
    buttonHeld_ = true;
    document_.Doc().SetModified(true);
    if (drawMode_ == 0) {
        if (!stroke_) {
            stroke_ = std::make_unique<PaintStrokeCommand>(document_);
        }
        const int column = CellIndex(pos.x());
        const int row = CellIndex(pos.y());
        if (InsideMap(column, row)) {
            stroke_->Paint(column, row, CodeForButton(event->button()));
        }
        return;
    }
    selStartX_ = RoundPixel(pos.x());
    selStartY_ = RoundPixel(pos.y());
    bandVisible_ = true;
    UpdateBand(Band{pos.x(), pos.y(), 1, 1});
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    const int column = CellIndex(pos.x());
    const int row = CellIndex(pos.y());
    emit cursorCellChanged(QString::fromStdString(CursorCellText(column, row)));
    if (buttonHeld_ && event->buttons() == Qt::NoButton) {
        // The release went elsewhere (a dialog opened during the drag): keep the stroke
        // painted so far, drop a range band unfilled, and go on as a hover.
        buttonHeld_ = false;
        FinishStroke();
        HideBand();
    }
    if (!InsideMap(column, row)) {
        return;
    }
    if (buttonHeld_ && drawMode_ == 0) {
        if (!stroke_) {
            stroke_ = std::make_unique<PaintStrokeCommand>(document_);
        }
        stroke_->Paint(column, row, CodeForButtons(event->buttons()));
    } else if (buttonHeld_) {
        UpdateBand(BandFromDrag(selStartX_, selStartY_, pos.x(), pos.y()));
        emit infoChanged(QString::fromStdString(BandSizeText(band_)));
    } else {
        emit infoChanged(QString::fromStdString(HoverText(document_.Cell(column, row))));
    }
}

void MapCanvas::FinishStroke() {
    if (stroke_ && !stroke_->Empty()) {
        document_.UndoStack().push(stroke_.release());
    }
    stroke_.reset();
}

void MapCanvas::HideBand() {
    if (!bandVisible_) {
        return;
    }
    emit infoChanged(QString());
    bandVisible_ = false;
    update(BandOutline(band_).adjusted(-1, -1, 2, 2));
}

void MapCanvas::CancelDrag() {
    buttonHeld_ = false;
    stroke_.reset();
    HideBand();
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasHeld = buttonHeld_;
    buttonHeld_ = false;
    if (drawMode_ == 0 || !bandVisible_) {
        FinishStroke();
        return;
    }
    if (wasHeld) {
        auto fill = std::make_unique<RangeFillCommand>(document_, BandCells(band_),
                                                       CodeForButton(event->button()));
        if (!fill->Empty()) {
            document_.UndoStack().push(fill.release());
        }
    }
    HideBand();
}

}  // namespace tarn::editor
