// Mouse handling of the map canvas. Painting repaints only the stamped cell's square, so
// a drag across the whole map stays as quick as the pointer. Cells are addressed at the
// current zoom: every whole pixel of a cell's square addresses that cell.
#include "editor/app/MapCanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QUndoStack>

#include "editor/app/CellEditCommand.h"
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
            [this](const QRect& rect) { update(painter_.Zoomed(rect)); });
}

MapCanvas::~MapCanvas() = default;

int MapCanvas::CodeForButton(Qt::MouseButton button) const {
    return button == Qt::RightButton ? 0 : paletteCode_;
}

int MapCanvas::CodeForButtons(Qt::MouseButtons buttons) const {
    return buttons == Qt::RightButton ? 0 : paletteCode_;
}

QPoint MapCanvas::CellAt(const QPointF& position) const {
    return QPoint(CellIndex(position.x(), CellPixels()), CellIndex(position.y(), CellPixels()));
}

void MapCanvas::SetDrawMode(int mode) {
    drawMode_ = mode;
    if (mode != kSelectMode) {
        SetSelection(std::nullopt);
    }
}

void MapCanvas::SetCellPixels(int cellPixels) {
    const int before = CellPixels();
    painter_.SetCellPixels(cellPixels);
    const int after = CellPixels();
    if (after == before) {
        return;
    }
    // A range drag in progress keeps its place on the map.
    const double ratio = double(after) / before;
    selStartX_ = RoundPixel(selStartX_ * ratio);
    selStartY_ = RoundPixel(selStartY_ * ratio);
    band_ = Band{band_.left * ratio, band_.top * ratio, band_.width * ratio, band_.height * ratio};
    setFixedSize(kMapColumns * after, kMapRows * after);
    update();
}

void MapCanvas::SetOverlays(const Overlays& overlays) {
    overlays_ = overlays;
    update();
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

QRect MapCanvas::SelectionOutline() const {
    if (!selection_) {
        return {};
    }
    return painter_.CellSquare(selection_->firstColumn, selection_->firstRow)
        .united(painter_.CellSquare(selection_->lastColumn, selection_->lastRow));
}

void MapCanvas::SetSelection(const std::optional<CellRange>& range) {
    const bool had = selection_.has_value();
    update(SelectionOutline().adjusted(-2, -2, 2, 2));
    selection_ = range ? ClipToMap(*range) : std::nullopt;
    update(SelectionOutline().adjusted(-2, -2, 2, 2));
    if (had || selection_) {
        emit selectionChanged(selection_.has_value());
    }
}

void MapCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter_.Paint(painter, document_, event->rect(), overlays_);
    if (selection_) {
        const QRect outline = SelectionOutline();
        painter.fillRect(outline, QColor(120, 180, 255, 70));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
        painter.drawRect(outline.adjusted(0, 0, -1, -1));
    }
    if (bandVisible_) {
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(BandOutline(band_));
    }
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const QPointF pos = event->position();
    const QPoint cell = CellAt(pos);
    const bool menuPress =
        event->button() == Qt::RightButton &&
        (drawMode_ == kSelectMode || event->modifiers().testFlag(Qt::ControlModifier));
    if (menuPress) {
        if (InsideMap(cell.x(), cell.y())) {
            emit cellMenuWanted(cell.x(), cell.y(), event->globalPosition().toPoint());
        }
        return;
    }
    if (drawMode_ == kSelectMode) {
        if (event->button() == Qt::LeftButton && InsideMap(cell.x(), cell.y())) {
            selecting_ = true;
            selectionAnchor_ = cell;
            SelectTo(cell);
        }
        return;
    }
    buttonHeld_ = true;
    document_.Doc().SetModified(true);
    if (drawMode_ == kBucketMode) {
        BucketFill(cell, CodeForButton(event->button()));
        return;
    }
    if (drawMode_ == kPaintMode) {
        if (!stroke_) {
            stroke_ = std::make_unique<PaintStrokeCommand>(document_);
        }
        if (InsideMap(cell.x(), cell.y())) {
            stroke_->Paint(cell.x(), cell.y(), CodeForButton(event->button()));
        }
        return;
    }
    selStartX_ = RoundPixel(pos.x());
    selStartY_ = RoundPixel(pos.y());
    bandVisible_ = true;
    UpdateBand(Band{pos.x(), pos.y(), 1, 1});
}

void MapCanvas::SelectTo(const QPoint& cell) {
    const QPoint clamped(std::clamp(cell.x(), 0, kMapColumns - 1),
                         std::clamp(cell.y(), 0, kMapRows - 1));
    SetSelection(CellRange{
        std::min(selectionAnchor_.x(), clamped.x()), std::min(selectionAnchor_.y(), clamped.y()),
        std::max(selectionAnchor_.x(), clamped.x()), std::max(selectionAnchor_.y(), clamped.y())});
    emit infoChanged(QString::fromStdString(RangeSizeText(*selection_)));
}

void MapCanvas::BucketFill(const QPoint& cell, int code) {
    if (auto fill = MakeBucketFill(document_, cell.x(), cell.y(), code)) {
        document_.UndoStack().push(fill.release());
    }
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    const QPoint cell = CellAt(pos);
    const int column = cell.x();
    const int row = cell.y();
    emit cursorCellChanged(QString::fromStdString(CursorCellText(column, row)));
    hoverCell_ = InsideMap(column, row) ? std::optional<QPoint>(cell) : std::nullopt;
    if ((buttonHeld_ || selecting_) && event->buttons() == Qt::NoButton) {
        // The release went elsewhere (a dialog opened during the drag): keep the stroke
        // painted so far, drop a range band unfilled, and go on as a hover.
        buttonHeld_ = false;
        selecting_ = false;
        FinishStroke();
        HideBand();
    }
    if (selecting_) {
        SelectTo(cell);
        return;
    }
    if (!InsideMap(column, row)) {
        return;
    }
    if (buttonHeld_ && drawMode_ == kPaintMode) {
        if (!stroke_) {
            stroke_ = std::make_unique<PaintStrokeCommand>(document_);
        }
        stroke_->Paint(column, row, CodeForButtons(event->buttons()));
    } else if (buttonHeld_ && bandVisible_) {
        UpdateBand(BandFromDrag(selStartX_, selStartY_, pos.x(), pos.y()));
        emit infoChanged(QString::fromStdString(BandSizeText(band_, CellPixels())));
    } else if (!buttonHeld_) {
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
    selecting_ = false;
    stroke_.reset();
    HideBand();
    SetSelection(std::nullopt);
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (selecting_) {
        selecting_ = false;
        emit infoChanged(QString());
        return;
    }
    const bool wasHeld = buttonHeld_;
    buttonHeld_ = false;
    if (drawMode_ != kRangeFillMode || !bandVisible_) {
        FinishStroke();
        return;
    }
    if (wasHeld) {
        auto fill = std::make_unique<RangeFillCommand>(document_, BandCells(band_, CellPixels()),
                                                       CodeForButton(event->button()));
        if (!fill->Empty()) {
            document_.UndoStack().push(fill.release());
        }
    }
    HideBand();
}

void MapCanvas::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && selection_) {
        SetSelection(std::nullopt);
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tarn::editor
