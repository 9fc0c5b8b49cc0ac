// Text drawn with the 5 x 7 glyphs of the sprite sources (font.*), in any colour, enlarged
// by whole pixels.
#pragma once

#include <cstdint>
#include <string>

#include "assets/gen/SpriteBook.h"

namespace tarn::assetgen {

class PixelFont {
  public:
    explicit PixelFont(const SpriteBook& book) : book_(book) {}

    static constexpr int kGlyphWidth = 5;
    static constexpr int kGlyphHeight = 7;
    static constexpr int kAdvance = 6;

    // Lower case prints as upper case; characters without a glyph print as blanks.
    void Draw(Surface& target, int x, int y, const std::string& text, std::uint32_t colour,
              int scale = 1) const;
    // Draws the text with a one-pixel (times scale) dark shadow below and to the right.
    void DrawShadowed(Surface& target, int x, int y, const std::string& text, std::uint32_t colour,
                      std::uint32_t shadow, int scale = 1) const;
    static int Width(const std::string& text, int scale = 1);

    const Sprite* Glyph(char c) const;

  private:
    const SpriteBook& book_;
};

}  // namespace tarn::assetgen
