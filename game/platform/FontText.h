// Texts in the view's font "ＭＳ Ｐゴシック", found through fontconfig with an alias that
// prefers "VL PGothic", drawn with stb_truetype. The same pixels come out with and
// without a window. A size in points is drawn with an em of that many pixels.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "game/core/Platform.h"

namespace tarn::game {

class FontText : public TextPainter {
  public:
    FontText();
    ~FontText() override;
    FontText(const FontText&) = delete;
    FontText& operator=(const FontText&) = delete;

    // False when no usable font was found; texts then take no room and draw nothing.
    bool Loaded() const { return loaded_; }
    const std::string& FontFile() const { return fontFile_; }

    int LineHeight(int points) override;
    int TextWidth(std::string_view text, int points) override;
    int Draw(Surface& target, int x, int y, std::string_view text, int points,
             std::uint32_t color) override;
    int DrawOutlined(Surface& target, int x, int y, std::string_view text, int points,
                     std::uint32_t color, std::uint32_t outline) override;

  private:
    struct Glyph {
        int width = 0, height = 0, xOffset = 0, yOffset = 0, advance = 0;
        std::vector<std::uint8_t> alpha;
    };
    struct Size;
    Size& SizeOf(int points);
    const Glyph& GlyphOf(Size& size, char32_t codepoint);

    struct FontInfo;
    std::unique_ptr<FontInfo> font_;
    std::vector<unsigned char> data_;
    std::map<int, std::unique_ptr<Size>> sizes_;
    std::string fontFile_;
    bool loaded_ = false;
};

// One instance for the whole process (finding and reading the font takes a while).
FontText& SharedFontText();

// Decodes UTF-8; malformed bytes become U+FFFD.
std::u32string DecodeUtf8(std::string_view text);

}  // namespace tarn::game
