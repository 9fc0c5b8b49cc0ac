// Glyph lookup and text drawing for the pixel font.
#include "assets/gen/PixelFont.h"

#include <cctype>

namespace tarn::assetgen {
namespace {

std::string GlyphName(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (std::isalnum(u)) {
        return std::string("font.") + char(std::toupper(u));
    }
    switch (c) {
        case '.':
            return "font.dot";
        case ',':
            return "font.comma";
        case ':':
            return "font.colon";
        case '-':
            return "font.dash";
        case '(':
            return "font.lparen";
        case ')':
            return "font.rparen";
        case '/':
            return "font.slash";
        case '!':
            return "font.bang";
        case '?':
            return "font.query";
        case '+':
            return "font.plus";
        case '=':
            return "font.equals";
        case '\'':
            return "font.apos";
        case '"':
            return "font.quote";
        default:
            return {};
    }
}

}  // namespace

const Sprite* PixelFont::Glyph(char c) const {
    const std::string name = GlyphName(c);
    return name.empty() ? nullptr : book_.Find(name);
}

void PixelFont::Draw(Surface& target, int x, int y, const std::string& text, std::uint32_t colour,
                     int scale) const {
    for (char c : text) {
        if (const Sprite* glyph = Glyph(c)) {
            for (int gy = 0; gy < glyph->height; ++gy) {
                for (int gx = 0; gx < glyph->width; ++gx) {
                    if (glyph->IsOpaque(gx, gy)) {
                        target.FillRect(x + gx * scale, y + gy * scale, scale, scale, colour);
                    }
                }
            }
        }
        x += kAdvance * scale;
    }
}

void PixelFont::DrawShadowed(Surface& target, int x, int y, const std::string& text,
                             std::uint32_t colour, std::uint32_t shadow, int scale) const {
    Draw(target, x + scale, y + scale, text, shadow, scale);
    Draw(target, x, y, text, colour, scale);
}

int PixelFont::Width(const std::string& text, int scale) {
    return text.empty() ? 0 : (int(text.size()) * kAdvance - 1) * scale;
}

}  // namespace tarn::assetgen
