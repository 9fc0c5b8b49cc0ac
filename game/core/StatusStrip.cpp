// Drawing the status strip: clock, frame rate, time, lives, coins, stage name and score.
#include "game/core/StatusStrip.h"

#include "assets/BuiltinArt.h"
#include "game/core/Platform.h"
#include "support/HEXRNDData.h"

namespace tarn::game {

namespace {
constexpr std::uint32_t kStripText = kWhite;
constexpr std::uint32_t kStripBack = kBlack;  // the icons are black where transparent

void Label(Surface& strip, TextPainter& text, int x, const std::string& caption) {
    text.Draw(strip, x, 1, caption, kStripFontPoints, kStripText);
}

void Icon(Surface& strip, const Surface& icon, const Surface& mask, int x) {
    if (!icon.empty() && !mask.empty()) {
        HEXRNDData::MaskBilt(strip, icon, mask, 16, 16, x, 0, 0, 0);
    } else if (!icon.empty()) {
        BitBlt(strip, x, 0, 16, 16, icon, 0, 0);
    }
}
}  // namespace

void DrawStatusStrip(Surface& strip, const StatusStrip& status, TextPainter& text,
                     const art::BuiltinPictures& art) {
    if (strip.width() != kStripWidth || strip.height() != kStripHeight) {
        strip.Reset(kStripWidth, kStripHeight);
    }
    strip.Fill(kStripBack);
    Label(strip, text, 2, status.Label2);
    Label(strip, text, 64, status.State);
    Label(strip, text, 136, status.NTime);
    Icon(strip, art.LifeIcon, Surface{}, 204);
    Label(strip, text, 222, "×");
    Label(strip, text, 236, status.LifeV);
    Icon(strip, art.CoinIcon, Surface{}, 270);
    Label(strip, text, 288, "×");
    Label(strip, text, 302, status.CoV);
    Label(strip, text, 336, status.STName);
    const int scoreWidth = text.TextWidth(status.PointV, kStripFontPoints);
    Label(strip, text, kStripWidth - 2 - scoreWidth, status.PointV);
}

}  // namespace tarn::game
