// Memory bitmaps and their block transfers.
#include "support/Surface.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tarn {

Surface::Surface(int width, int height, std::uint32_t fill) {
    Reset(width, height, fill);
}

void Surface::Reset(int width, int height, std::uint32_t fill) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(std::size_t(width_) * std::size_t(height_), fill);
}

void Surface::Fill(std::uint32_t color) {
    std::fill(pixels_.begin(), pixels_.end(), color);
}

void Surface::FillRect(int x, int y, int w, int h, std::uint32_t color) {
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = static_cast<int>(std::min<long long>(static_cast<long long>(x) + w, width_));
    const int bottom =
        static_cast<int>(std::min<long long>(static_cast<long long>(y) + h, height_));
    if (left >= right) {
        return;
    }
    for (int row = top; row < bottom; ++row) {
        std::fill(Row(row) + left, Row(row) + right, color);
    }
}

std::uint32_t Surface::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0;
    }
    return Row(y)[x];
}

void Surface::SetPixel(int x, int y, std::uint32_t color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    Row(y)[x] = color;
}

namespace {

// Shrinks one axis of a transfer to the part inside both surfaces.
struct Span1D {
    long long dst;
    long long src;
    long long length;
};

Span1D ClipAxis(long long dst, long long src, long long length, long long dstSize,
                long long srcSize) {
    if (dst < 0) {
        src -= dst;
        length += dst;
        dst = 0;
    }
    if (src < 0) {
        dst -= src;
        length += src;
        src = 0;
    }
    length = std::min({length, dstSize - dst, srcSize - src});
    return {dst, src, std::max(length, 0LL)};
}

void CombineRow(std::uint32_t* dst, const std::uint32_t* src, int count, RasterOp op) {
    switch (op) {
        case RasterOp::SrcCopy:
            std::memmove(dst, src, std::size_t(count) * sizeof(std::uint32_t));
            break;
        case RasterOp::SrcAnd:
            for (int i = 0; i < count; ++i) {
                dst[i] &= src[i];
            }
            break;
        case RasterOp::SrcPaint:
            for (int i = 0; i < count; ++i) {
                dst[i] |= src[i];
            }
            break;
    }
}

}  // namespace

void BitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
            RasterOp op) {
    if (w <= 0 || h <= 0) {
        return;
    }
    const Span1D cx = ClipAxis(x, sx, w, dst.width(), src.width());
    const Span1D cy = ClipAxis(y, sy, h, dst.height(), src.height());
    if (cx.length == 0 || cy.length == 0) {
        return;
    }
    const int count = int(cx.length);
    if (&dst == &src) {
        // Overlapping areas of one surface: read every source row before writing.
        std::vector<std::uint32_t> copy(std::size_t(count) * std::size_t(cy.length));
        for (long long row = 0; row < cy.length; ++row) {
            std::memcpy(copy.data() + row * count, src.Row(int(cy.src + row)) + cx.src,
                        std::size_t(count) * sizeof(std::uint32_t));
        }
        for (long long row = 0; row < cy.length; ++row) {
            CombineRow(dst.Row(int(cy.dst + row)) + cx.dst, copy.data() + row * count, count, op);
        }
        return;
    }
    for (long long row = 0; row < cy.length; ++row) {
        CombineRow(dst.Row(int(cy.dst + row)) + cx.dst, src.Row(int(cy.src + row)) + cx.src, count,
                   op);
    }
}

namespace {

// Source coordinate for each destination coordinate of a stretched axis; -1 where the
// source lies outside its surface.
std::vector<int> StretchMap(int dstStart, int dstLength, int dstSize, int srcStart, int srcLength,
                            int srcSize, int& first) {
    const int begin = std::max(dstStart, 0);
    const int end = int(std::min<long long>(static_cast<long long>(dstStart) + dstLength, dstSize));
    first = begin;
    std::vector<int> map;
    if (end <= begin) {
        return map;
    }
    map.resize(std::size_t(end - begin));
    for (int d = begin; d < end; ++d) {
        const long long offset = static_cast<long long>(d - dstStart) * srcLength / dstLength;
        const long long s = srcStart + offset;
        map[std::size_t(d - begin)] = (s >= 0 && s < srcSize) ? int(s) : -1;
    }
    return map;
}

void StretchDouble(Surface& dst, int x, int y, const Surface& src, int sx, int sy, int sw, int sh) {
    for (int row = 0; row < sh; ++row) {
        const std::uint32_t* in = src.Row(sy + row) + sx;
        std::uint32_t* out0 = dst.Row(y + 2 * row) + x;
        for (int i = 0; i < sw; ++i) {
            out0[2 * i] = in[i];
            out0[2 * i + 1] = in[i];
        }
        std::memcpy(dst.Row(y + 2 * row + 1) + x, out0,
                    std::size_t(2 * sw) * sizeof(std::uint32_t));
    }
}

}  // namespace

void StretchBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
                int sw, int sh, RasterOp op) {
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) {
        return;
    }
    const auto fits = [](int start, int length, int size) {
        return start >= 0 && static_cast<long long>(start) + length <= size;
    };
    const bool inside = fits(x, w, dst.width()) && fits(y, h, dst.height()) &&
                        fits(sx, sw, src.width()) && fits(sy, sh, src.height());
    if (op == RasterOp::SrcCopy && inside && w == 2 * sw && h == 2 * sh && &dst != &src) {
        StretchDouble(dst, x, y, src, sx, sy, sw, sh);
        return;
    }
    const Surface* source = &src;
    Surface copy;
    if (&dst == &src) {
        copy = src;
        source = &copy;
    }
    int firstColumn = 0;
    int firstRow = 0;
    const std::vector<int> columns =
        StretchMap(x, w, dst.width(), sx, sw, source->width(), firstColumn);
    const std::vector<int> rows =
        StretchMap(y, h, dst.height(), sy, sh, source->height(), firstRow);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r] < 0) {
            continue;
        }
        const std::uint32_t* in = source->Row(rows[r]);
        std::uint32_t* out = dst.Row(firstRow + int(r)) + firstColumn;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (columns[c] < 0) {
                continue;
            }
            const std::uint32_t value = in[columns[c]];
            switch (op) {
                case RasterOp::SrcCopy:
                    out[c] = value;
                    break;
                case RasterOp::SrcAnd:
                    out[c] &= value;
                    break;
                case RasterOp::SrcPaint:
                    out[c] |= value;
                    break;
            }
        }
    }
}

}  // namespace tarn
