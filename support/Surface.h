// A 32-bit memory bitmap (0x00RRGGBB per pixel, rows top to bottom) with GDI-style block
// transfers. Every transfer is clipped against both surfaces: the part of the rectangle
// that lies inside both is transferred and no memory outside either is touched.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tarn {

inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;

constexpr std::uint32_t Rgb(int r, int g, int b) {
    return (std::uint32_t(r & 0xFF) << 16) | (std::uint32_t(g & 0xFF) << 8) |
           std::uint32_t(b & 0xFF);
}

enum class RasterOp { SrcCopy, SrcAnd, SrcPaint };

class Surface {
  public:
    Surface() = default;
    Surface(int width, int height, std::uint32_t fill = kBlack);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }

    // Discards the contents and gives the surface a new size filled with one colour.
    void Reset(int width, int height, std::uint32_t fill = kBlack);
    void Fill(std::uint32_t color);
    void FillRect(int x, int y, int w, int h, std::uint32_t color);  // clipped

    std::uint32_t Pixel(int x, int y) const;           // 0 outside
    void SetPixel(int x, int y, std::uint32_t color);  // ignored outside

    std::uint32_t* Row(int y) { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    const std::uint32_t* Row(int y) const {
        return pixels_.data() + std::size_t(y) * std::size_t(width_);
    }
    std::span<std::uint32_t> Pixels() { return pixels_; }
    std::span<const std::uint32_t> Pixels() const { return pixels_; }

    bool operator==(const Surface& other) const = default;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

// Transfers the w x h rectangle at (sx, sy) of src to (x, y) of dst.
void BitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
            RasterOp op = RasterOp::SrcCopy);

// Scales the sw x sh rectangle at (sx, sy) of src to the w x h rectangle at (x, y) of dst,
// nearest pixel (colour-on-colour stretching).
void StretchBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
                int sw, int sh, RasterOp op = RasterOp::SrcCopy);

}  // namespace tarn
