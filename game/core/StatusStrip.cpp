// The status strip's values, their texts, and drawing the strip.
#include "game/core/StatusStrip.h"

#include "assets/BuiltinArt.h"
#include "game/core/Platform.h"
#include "game/core/Rules.h"
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

void StatusStrip::SetFrameRate(int frames, int targetFps) {
    frameRate_ = FrameRate{frames, targetFps};
}

void StatusStrip::SetTimeLeft(double timeLeft) {
    timeLeft_ = timeLeft;
    timeCleared_ = false;
}

void StatusStrip::SetStage(const std::string& title, const std::string& stageName) {
    stage_ = title + ":" + stageName;
}

void StatusStrip::ClearAfterGame(bool coinsToo) {
    timeCleared_ = true;
    score_ = 0;
    stage_.clear();
    if (coinsToo) {
        coins_ = 0;
    }
}

std::string StatusStrip::FrameRateText() const {
    if (!frameRate_) {
        return "FPS XX/XX";
    }
    return "FPS " + std::to_string(frameRate_->frames) + "/" + std::to_string(frameRate_->target);
}

std::string StatusStrip::TimeLeftText() const {
    return timeCleared_ ? "0" : TimeText(timeLeft_);
}

std::string StatusStrip::LivesText() const {
    return lives_ ? std::to_string(*lives_) : "000";
}

std::string StatusStrip::CoinsText() const {
    return coins_ ? std::to_string(*coins_) : "00";
}

void DrawStatusStrip(Surface& strip, const StatusStrip& status, TextPainter& text,
                     const art::BuiltinPictures& art) {
    if (strip.width() != kStripWidth || strip.height() != kStripHeight) {
        strip.Reset(kStripWidth, kStripHeight);
    }
    strip.Fill(kStripBack);
    Label(strip, text, 2, status.TimeOfDayText());
    Label(strip, text, 64, status.FrameRateText());
    Label(strip, text, 136, status.TimeLeftText());
    Icon(strip, art.LifeIcon, Surface{}, 204);
    Label(strip, text, 222, "×");
    Label(strip, text, 236, status.LivesText());
    Icon(strip, art.CoinIcon, Surface{}, 270);
    Label(strip, text, 288, "×");
    Label(strip, text, 302, status.CoinsText());
    Label(strip, text, 336, status.StageText());
    const std::string score = status.ScoreText();
    const int scoreWidth = text.TextWidth(score, kStripFontPoints);
    Label(strip, text, kStripWidth - 2 - scoreWidth, score);
}

}  // namespace tarn::game
