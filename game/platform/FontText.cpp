// Finding the font with fontconfig and drawing texts with stb_truetype.
#include "game/platform/FontText.h"

#include <fontconfig/fontconfig.h>

#define STBTT_STATIC
#define STB_TRUETYPE_IMPLEMENTATION
#include <stb/stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "support/FileBytes.h"

namespace tarn::game {

namespace {

// Fontconfig maps the Windows names to a font without Japanese glyphs; prefer the
// proportional Japanese Gothic fonts for them.
constexpr const char* kAliasConfig = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <alias binding="strong"><family>ＭＳ Ｐゴシック</family>
    <prefer><family>VL PGothic</family><family>IPAPGothic</family><family>Noto Sans CJK JP</family></prefer>
  </alias>
  <alias binding="strong"><family>MS PGothic</family>
    <prefer><family>VL PGothic</family><family>IPAPGothic</family><family>Noto Sans CJK JP</family></prefer>
  </alias>
</fontconfig>
)";

// Large enough for the big CJK font collections (a few tens of megabytes).
constexpr std::uintmax_t kMaxFontFileBytes = 256u * 1024 * 1024;

// Characters the game prints besides ASCII.
constexpr char32_t kNeeded[] = {U'●', U'仮', U'×'};

struct FoundFont {
    std::string file;
    int index = 0;
};

bool Covers(FcPattern* match) {
    FcCharSet* charset = nullptr;
    if (FcPatternGetCharSet(match, FC_CHARSET, 0, &charset) != FcResultMatch) {
        return false;
    }
    return std::all_of(std::begin(kNeeded), std::end(kNeeded),
                       [&](char32_t c) { return FcCharSetHasChar(charset, FcChar32(c)); });
}

bool Match(FcConfig* config, const char* family, FoundFont& found) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    bool ok = false;
    if (match != nullptr) {
        FcChar8* file = nullptr;
        int index = 0;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && Covers(match)) {
            FcPatternGetInteger(match, FC_INDEX, 0, &index);
            found = {reinterpret_cast<const char*>(file), index};
            ok = true;
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return ok;
}

FoundFont FindFont() {
    FoundFont found;
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) {
        return found;
    }
    FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kAliasConfig), FcFalse);
    for (const char* family : {"ＭＳ Ｐゴシック", "VL PGothic", "IPAPGothic", "Noto Sans CJK JP"}) {
        if (Match(config, family, found)) {
            break;
        }
    }
    FcConfigDestroy(config);
    return found;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        int length = b < 0x80           ? 1
                     : (b >> 5) == 0x6  ? 2
                     : (b >> 4) == 0xE  ? 3
                     : (b >> 3) == 0x1E ? 4
                                        : 0;
        if (length == 0 || i + std::size_t(length) > text.size()) {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        char32_t c = length == 1 ? b : b & (0x7F >> length);
        bool good = true;
        for (int k = 1; k < length; ++k) {
            const auto cont = static_cast<unsigned char>(text[i + std::size_t(k)]);
            good = good && (cont & 0xC0) == 0x80;
            c = (c << 6) | (cont & 0x3F);
        }
        out.push_back(good ? c : U'\uFFFD');
        i += good ? std::size_t(length) : 1;
    }
    return out;
}

struct FontText::FontInfo {
    stbtt_fontinfo info{};
};

struct FontText::Size {
    float scale = 0;
    int ascent = 0;
    int lineHeight = 0;
    std::unordered_map<char32_t, Glyph> glyphs;
};

FontText::FontText() : font_(std::make_unique<FontInfo>()) {
    const FoundFont found = FindFont();
    if (found.file.empty()) {
        return;
    }
    if (ReadFileBytes(found.file, data_, kMaxFontFileBytes) != FileStatus::Ok || data_.empty()) {
        return;
    }
    const int offset = stbtt_GetFontOffsetForIndex(data_.data(), found.index);
    if (offset < 0 || stbtt_InitFont(&font_->info, data_.data(), offset) == 0) {
        return;
    }
    fontFile_ = found.file;
    loaded_ = true;
}

FontText::~FontText() = default;

FontText::Size& FontText::SizeOf(int points) {
    auto& slot = sizes_[points];
    if (!slot) {
        slot = std::make_unique<Size>();
        if (loaded_) {
            slot->scale = stbtt_ScaleForMappingEmToPixels(&font_->info, float(points));
            int ascent = 0, descent = 0, gap = 0;
            stbtt_GetFontVMetrics(&font_->info, &ascent, &descent, &gap);
            slot->ascent = int(std::lround(float(ascent) * slot->scale));
            slot->lineHeight = int(std::lround(float(ascent - descent + gap) * slot->scale));
        }
    }
    return *slot;
}

const FontText::Glyph& FontText::GlyphOf(Size& size, char32_t codepoint) {
    auto it = size.glyphs.find(codepoint);
    if (it != size.glyphs.end()) {
        return it->second;
    }
    Glyph glyph;
    if (loaded_) {
        int advance = 0, bearing = 0;
        stbtt_GetCodepointHMetrics(&font_->info, int(codepoint), &advance, &bearing);
        glyph.advance = int(std::lround(float(advance) * size.scale));
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        stbtt_GetCodepointBitmapBox(&font_->info, int(codepoint), size.scale, size.scale, &x0, &y0,
                                    &x1, &y1);
        glyph.width = std::max(0, x1 - x0);
        glyph.height = std::max(0, y1 - y0);
        glyph.xOffset = x0;
        glyph.yOffset = y0;
        glyph.alpha.resize(std::size_t(glyph.width) * std::size_t(glyph.height));
        if (!glyph.alpha.empty()) {
            stbtt_MakeCodepointBitmap(&font_->info, glyph.alpha.data(), glyph.width, glyph.height,
                                      glyph.width, size.scale, size.scale, int(codepoint));
        }
    }
    return size.glyphs.emplace(codepoint, std::move(glyph)).first->second;
}

int FontText::LineHeight(int points) {
    return SizeOf(points).lineHeight;
}

int FontText::TextWidth(std::string_view text, int points) {
    Size& size = SizeOf(points);
    int width = 0;
    for (const char32_t c : DecodeUtf8(text)) {
        width += GlyphOf(size, c).advance;
    }
    return width;
}

namespace {

// Mixes `color` over the target, each pixel by its coverage in `alpha` (rows of `width`),
// the rectangle's top-left corner at (left, top).
void Blend(Surface& target, int left, int top, int width, int height, const std::uint8_t* alpha,
           std::uint32_t color) {
    const int red = int((color >> 16) & 0xFF), green = int((color >> 8) & 0xFF),
              blue = int(color & 0xFF);
    for (int row = 0; row < height; ++row) {
        const int ty = top + row;
        if (ty < 0 || ty >= target.height()) {
            continue;
        }
        std::uint32_t* line = target.Row(ty);
        for (int col = 0; col < width; ++col) {
            const int tx = left + col;
            const int a = alpha[std::size_t(row) * std::size_t(width) + std::size_t(col)];
            if (a == 0 || tx < 0 || tx >= target.width()) {
                continue;
            }
            const std::uint32_t under = line[tx];
            const auto mixChannel = [&](int over, int shift) {
                const int base = int((under >> shift) & 0xFF);
                return (over * a + base * (255 - a) + 127) / 255;
            };
            line[tx] = Rgb(mixChannel(red, 16), mixChannel(green, 8), mixChannel(blue, 0));
        }
    }
}

// Coverage (0..255) of a rectangle of pixels placed on a surface.
struct CoverageMap {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint8_t> alpha;

    std::uint8_t At(int col, int row) const {
        if (col < 0 || row < 0 || col >= width || row >= height) {
            return 0;
        }
        return alpha[std::size_t(row) * std::size_t(width) + std::size_t(col)];
    }
};

// The largest coverage within one pixel (the pixel and its eight neighbours).
CoverageMap Dilated(const CoverageMap& map) {
    CoverageMap ring = map;
    for (int row = 0; row < map.height; ++row) {
        for (int col = 0; col < map.width; ++col) {
            std::uint8_t most = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    most = std::max(most, map.At(col + dx, row + dy));
                }
            }
            ring.alpha[std::size_t(row) * std::size_t(map.width) + std::size_t(col)] = most;
        }
    }
    return ring;
}

}  // namespace

int FontText::Draw(Surface& target, int x, int y, std::string_view text, int points,
                   std::uint32_t color) {
    Size& size = SizeOf(points);
    int pen = x;
    for (const char32_t c : DecodeUtf8(text)) {
        const Glyph& g = GlyphOf(size, c);
        Blend(target, pen + g.xOffset, y + size.ascent + g.yOffset, g.width, g.height,
              g.alpha.data(), color);
        pen += g.advance;
    }
    return pen - x;
}

int FontText::DrawOutlined(Surface& target, int x, int y, std::string_view text, int points,
                           std::uint32_t color, std::uint32_t outline) {
    Size& size = SizeOf(points);
    const std::u32string chars = DecodeUtf8(text);
    // The box of every glyph's pixels, and one pixel more on each side for the ring.
    int left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    int pen = x;
    for (const char32_t c : chars) {
        const Glyph& g = GlyphOf(size, c);
        if (g.width > 0 && g.height > 0) {
            const int gx = pen + g.xOffset, gy = y + size.ascent + g.yOffset;
            left = any ? std::min(left, gx) : gx;
            top = any ? std::min(top, gy) : gy;
            right = any ? std::max(right, gx + g.width) : gx + g.width;
            bottom = any ? std::max(bottom, gy + g.height) : gy + g.height;
            any = true;
        }
        pen += g.advance;
    }
    if (!any) {
        return pen - x;
    }
    CoverageMap letters{left - 1, top - 1, right - left + 2, bottom - top + 2, {}};
    letters.alpha.assign(std::size_t(letters.width) * std::size_t(letters.height), 0);
    pen = x;
    for (const char32_t c : chars) {
        const Glyph& g = GlyphOf(size, c);
        const int gx = pen + g.xOffset - letters.left,
                  gy = y + size.ascent + g.yOffset - letters.top;
        for (int row = 0; row < g.height; ++row) {
            for (int col = 0; col < g.width; ++col) {
                std::uint8_t& cell =
                    letters.alpha[std::size_t(gy + row) * std::size_t(letters.width) +
                                  std::size_t(gx + col)];
                cell = std::max(
                    cell, g.alpha[std::size_t(row) * std::size_t(g.width) + std::size_t(col)]);
            }
        }
        pen += g.advance;
    }
    const CoverageMap ring = Dilated(letters);
    Blend(target, ring.left, ring.top, ring.width, ring.height, ring.alpha.data(), outline);
    Blend(target, letters.left, letters.top, letters.width, letters.height, letters.alpha.data(),
          color);
    return pen - x;
}

FontText& SharedFontText() {
    static FontText text;
    return text;
}

}  // namespace tarn::game
