// Zoomed map drawing. At 10 pixels a cell the document's canvas image is copied as it
// is; at any other size each cell is one blit of a prepared picture, so a 1600 x 1000
// repaint at 32 pixels a cell is some 1600 blits.
#include "editor/app/CanvasPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "editor/app/ChipTiles.h"
#include "editor/app/MapDocument.h"
#include "editor/doc/CanvasZoom.h"
#include "editor/doc/CellBlock.h"

namespace tarn::editor {
namespace {

const QColor kGridColour(255, 255, 255, 56);
const QColor kStartColour(255, 64, 160);
const QColor kArrowColour(255, 230, 40);
const QColor kFirstViewColour(80, 200, 255);
constexpr int kSmallestArrowCell = 6;

// The first and last cells whose squares meet an area along one axis.
// The map cells a rectangle of the canvas touches, clamped to the map.
struct CellsShown {
    int firstColumn, lastColumn, firstRow, lastRow;
};

CellsShown CellsIn(const QRect& area, int cellPixels) {
    const auto cell = [cellPixels](int pixel, int cells) {
        return std::clamp(pixel / cellPixels, 0, cells - 1);
    };
    return {cell(area.left(), kMapColumns), cell(area.right(), kMapColumns),
            cell(area.top(), kMapRows), cell(area.bottom(), kMapRows)};
}

template <class Visit>
void ForEachCellIn(const QRect& area, int cellPixels, Visit visit) {
    const CellsShown cells = CellsIn(area, cellPixels);
    for (int row = cells.firstRow; row <= cells.lastRow; ++row) {
        for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
            visit(column, row);
        }
    }
}

// Steps are subtracted each frame: a positive step moves left or up.
int Heading(int step) {
    return step > 0 ? -1 : step < 0 ? 1 : 0;
}

QImage ArrowPicture(int cellPixels, int dx, int dy) {
    QImage picture(cellPixels, cellPixels, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    const QPointF direction(Heading(dx), Heading(dy));
    if (direction.isNull()) {
        return picture;
    }
    const double s = cellPixels;
    const QPointF centre(s / 2, s / 2);
    const QPointF tip = centre + direction * (s * 0.45);
    const QPointF side(-direction.y(), direction.x());
    const QPointF base = centre - direction * (s * 0.05);
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(base + side * (s * 0.25));
    arrow.lineTo(base - side * (s * 0.25));
    arrow.closeSubpath();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(0, 0, 0), std::max(1.0, s / 16.0)));
    painter.setBrush(kArrowColour);
    painter.drawPath(arrow);
    return picture;
}

}  // namespace

std::size_t CanvasPainter::ArrowIndex(int dx, int dy) {
    return std::size_t((Heading(dx) + 1) * 3 + Heading(dy) + 1);
}

CanvasPainter::CanvasPainter() {
    SetCellPixels(kCellPixels);
}

void CanvasPainter::SetCellPixels(int cellPixels) {
    cellPixels = std::clamp(cellPixels, kMinCellPixels, kMaxCellPixels);
    if (cellPixels == cellPixels_) {
        return;
    }
    cellPixels_ = cellPixels;
    const bool gamePictures = cellPixels >= kGamePictureCellPixels;
    for (int code = 0; code < kChipCodeCount; ++code) {
        const QImage& source = gamePictures ? Tiles().Picture(code) : Tiles().Tile(code);
        cells_[std::size_t(code)] =
            source.scaled(cellPixels, cellPixels, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                .convertToFormat(QImage::Format_RGB32);
    }
    blank_ = QImage(cellPixels, cellPixels, QImage::Format_RGB32);
    blank_.fill(Qt::black);
    // An object's arrow is drawn once per zoom and then blitted like a chip.
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            arrows_[ArrowIndex(dx, dy)] =
                cellPixels >= kSmallestArrowCell ? ArrowPicture(cellPixels, dx, dy) : QImage();
        }
    }
}

QRect CanvasPainter::Zoomed(const QRect& unzoomed) const {
    if (cellPixels_ == kCellPixels) {
        return unzoomed;
    }
    const int left = unzoomed.left() * cellPixels_ / kCellPixels;
    const int top = unzoomed.top() * cellPixels_ / kCellPixels;
    const int right = (unzoomed.right() + 1) * cellPixels_ / kCellPixels;
    const int bottom = (unzoomed.bottom() + 1) * cellPixels_ / kCellPixels;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRect CanvasPainter::CellSquare(int column, int row) const {
    return QRect(column * cellPixels_, row * cellPixels_, cellPixels_, cellPixels_);
}

void CanvasPainter::Paint(QPainter& painter, const MapDocument& document, const QRect& area,
                          const Overlays& overlays) const {
    PaintCells(painter, document, area);
    if (overlays.grid) {
        PaintGrid(painter, area);
    }
    if (overlays.directions) {
        PaintDirections(painter, document, area);
    }
    if (overlays.firstView) {
        PaintFirstView(painter, document);
    }
    if (overlays.start) {
        PaintStart(painter, document);
    }
}

void CanvasPainter::PaintCells(QPainter& painter, const MapDocument& document,
                               const QRect& area) const {
    if (cellPixels_ == kCellPixels) {
        painter.drawImage(area.topLeft(), document.Canvas(), area);
        return;
    }
    ForEachCellIn(area, cellPixels_, [&](int column, int row) {
        const int code = document.Cell(column, row);
        const QImage& picture =
            code >= 0 && code < kChipCodeCount ? cells_[std::size_t(code)] : blank_;
        painter.drawImage(column * cellPixels_, row * cellPixels_, picture);
    });
}

void CanvasPainter::PaintGrid(QPainter& painter, const QRect& area) const {
    if (cellPixels_ < 4) {
        return;  // lines would hide the map
    }
    painter.setPen(QPen(kGridColour, 0));
    const CellsShown cells = CellsIn(area, cellPixels_);
    for (int column = cells.firstColumn; column <= cells.lastColumn + 1; ++column) {
        const int x = column * cellPixels_;
        painter.drawLine(x, area.top(), x, area.bottom());
    }
    for (int row = cells.firstRow; row <= cells.lastRow + 1; ++row) {
        const int y = row * cellPixels_;
        painter.drawLine(area.left(), y, area.right(), y);
    }
}

void CanvasPainter::PaintDirections(QPainter& painter, const MapDocument& document,
                                    const QRect& area) const {
    if (cellPixels_ < kSmallestArrowCell) {
        return;
    }
    ForEachCellIn(area, cellPixels_, [&](int column, int row) {
        const ChipInfo* info = FindChip(document.Cell(column, row));
        if (info == nullptr || !info->object || (info->dx == 0 && info->dy == 0)) {
            return;
        }
        painter.drawImage(column * cellPixels_, row * cellPixels_,
                          arrows_[ArrowIndex(info->dx, info->dy)]);
    });
}

void CanvasPainter::PaintStart(QPainter& painter, const MapDocument& document) const {
    const StageProperties& properties = document.Doc().properties;
    const int row = properties.STYIndex();
    if (!InsideMap(properties.STX, row)) {
        return;
    }
    const QRect square = CellSquare(properties.STX, row);
    const int width = std::clamp(cellPixels_ / 5, 1, 3);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kStartColour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(square).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
    if (cellPixels_ >= 10) {
        QFont font = painter.font();
        font.setPixelSize(cellPixels_ * 3 / 4);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(square, Qt::AlignCenter, QStringLiteral("S"));
    }
    painter.restore();
}

void CanvasPainter::PaintFirstView(QPainter& painter, const MapDocument& document) const {
    const StageProperties& properties = document.Doc().properties;
    const int row = properties.STYIndex();
    if (!InsideMap(properties.STX, row)) {
        return;
    }
    const Rect view = FirstViewPixels(properties.STX, row);
    const double scale = double(cellPixels_) / kChipSize;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kFirstViewColour, 2, Qt::DashLine));
    painter.drawRect(QRectF(view.x * scale + 1, view.y * scale + 1, view.width * scale - 2,
                            view.height * scale - 2));
    painter.restore();
}

}  // namespace tarn::editor
