// Chip tiles built once from the builtin artwork with a nearest-pixel shrink.
#include "editor/app/ChipTiles.h"

#include <QPixmap>

#include "assets/BuiltinArt.h"
#include "support/Surface.h"

namespace tarn::editor {
namespace {

QImage ToImage(const Surface& surface) {
    QImage image(surface.width(), surface.height(), QImage::Format_RGB32);
    for (int y = 0; y < surface.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < surface.width(); ++x) {
            line[x] = 0xFF000000u | surface.Pixel(x, y);
        }
    }
    return image;
}

}  // namespace

ChipTiles::ChipTiles()
    : blank_(10, 10, QImage::Format_RGB32), blankPicture_(16, 16, QImage::Format_RGB32) {
    blank_.fill(Qt::black);
    blankPicture_.fill(Qt::black);
    const auto& art = art::Builtin();
    for (std::size_t code = 0; code < tiles_.size(); ++code) {
        const Surface& picture = art.BrTip[code];
        Surface tile(10, 10, kBlack);
        if (code != 0 && !picture.empty()) {
            StretchBlt(tile, 0, 0, 10, 10, picture, 0, 0, picture.width(), picture.height());
        }
        tiles_[code] = ToImage(tile);
        pictures_[code] = picture.empty() ? blankPicture_ : ToImage(picture);
    }
}

const QImage& ChipTiles::Tile(int code) const {
    if (code < 0 || code >= static_cast<int>(tiles_.size())) {
        return blank_;
    }
    return tiles_[code];
}

const QImage& ChipTiles::Picture(int code) const {
    if (code <= 0 || code >= static_cast<int>(pictures_.size())) {
        return blankPicture_;
    }
    return pictures_[code];
}

QIcon ChipTiles::Icon(int code) const {
    if (code < 0 || code >= static_cast<int>(pictures_.size())) {
        return QIcon(QPixmap::fromImage(blank_));
    }
    return QIcon(QPixmap::fromImage(pictures_[code]));
}

const ChipTiles& Tiles() {
    static const ChipTiles tiles;
    return tiles;
}

}  // namespace tarn::editor
