// Painting the overlay in canvas pixels, scaled from cells and game pixels.
#include "editor/app/CanvasOverlay.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include "support/ChipTable.h"

namespace tarn::editor {

CanvasOverlay::CanvasOverlay(QWidget* canvas) : QWidget(canvas) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(canvas->rect());
    canvas->installEventFilter(this);
    raise();
}

double CanvasOverlay::CellPixels() const {
    return double(width()) / kMapColumns;
}

bool CanvasOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return QWidget::eventFilter(watched, event);
}

void CanvasOverlay::MarkCell(std::optional<QPoint> cell) {
    marked_ = cell;
    update();
}

void CanvasOverlay::ShowRoute(std::vector<QPointF> gamePixels) {
    route_ = std::move(gamePixels);
    update();
}

void CanvasOverlay::paintEvent(QPaintEvent*) {
    if (!marked_ && route_.empty()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double cell = CellPixels();
    if (route_.size() > 1) {
        // The player's centre: half a cell right of and below its top left corner.
        const double scale = cell / kChipSize;
        QPainterPath path(QPointF((route_[0].x() + 8) * scale, (route_[0].y() + 8) * scale));
        for (const QPointF& point : route_) {
            path.lineTo((point.x() + 8) * scale, (point.y() + 8) * scale);
        }
        painter.setPen(QPen(QColor(255, 255, 255, 200), std::max(3.0, cell / 3)));
        painter.drawPath(path);
        painter.setPen(QPen(QColor(255, 40, 200), std::max(1.5, cell / 6)));
        painter.drawPath(path);
    }
    if (marked_) {
        const QRectF box(marked_->x() * cell, marked_->y() * cell, cell, cell);
        painter.setPen(QPen(Qt::white, 3));
        painter.drawRect(box.adjusted(-2, -2, 2, 2));
        painter.setPen(QPen(Qt::red, 2));
        painter.drawRect(box.adjusted(-2, -2, 2, 2));
    }
}

}  // namespace tarn::editor
