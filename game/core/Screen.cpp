// Printing on the view and presenting it with the status strip.
#include "game/core/Screen.h"

#include "assets/BuiltinArt.h"
#include "game/core/ColorQuantize.h"

namespace tarn::game {

void View::Cls() {
    FillWhole(surface, kBlack);
    if (!picture.empty()) {
        BitBlt(surface, 0, 0, picture.width(), picture.height(), picture, 0, 0);
    }
    CurrentX = 0;
    CurrentY = 0;
}

Screen::Screen(Platform& platform, const art::BuiltinPictures& art)
    : platform_(platform), art_(art) {
    strip_.Reset(kStripWidth, kStripHeight);
}

void Screen::SetPrintPosition(int x, int y) {
    view.CurrentX = x;
    view.CurrentY = y;
}

void Screen::Print(std::string_view text) {
    if (!text.empty()) {
        PrintOnLine(text);
    }
    view.CurrentX = 0;
    view.CurrentY += platform_.Text().LineHeight(view.FontSize);
}

void Screen::PrintOnLine(std::string_view text) {
    view.CurrentX += platform_.Text().DrawOutlined(view.surface, view.CurrentX, view.CurrentY, text,
                                                   view.FontSize, kTextColor, kTextOutlineColor);
}

void Screen::SetColorDepth(int bits) {
    colorDepth_ = bits;
    presentedMatches_ = false;
    platform_.SetColorDepth(bits);
}

void Screen::ShowTimeOfDay() {
    strip.SetTimeOfDay(platform_.TimeOfDay());
}

void Screen::PresentView(const Layers& layers, const GameState& state) {
    StretchViewAndQuantize(layers.PBuffer, state.loop.ViewX, state.loop.ViewY, view.surface,
                           presented_, colorDepth_);
    presentedFresh_ = true;
    presentedMatches_ = true;
    strip.SetScore(state.counters.Score);
    ShowTimeOfDay();
    Refresh();
}

void Screen::Refresh() {
    viewAsked_ = false;
    platform_.Present(*this);
    // A platform that showed nothing leaves the conversion to a screenshot that asks.
    presentedStale_ = !viewAsked_ && !presentedFresh_;
    presentedFresh_ = false;
}

void Screen::RefreshStrip() {
    viewKept_ = reuseUnchangedView;
    Refresh();
    viewKept_ = false;
}

const Surface& Screen::Strip() {
    if (!stripDrawn_ || !(strip == drawnStrip_)) {
        DrawStatusStrip(strip_, strip, platform_.Text(), art_);
        drawnStrip_ = strip;
        stripDrawn_ = true;
    }
    return strip_;
}

const Surface& Screen::ViewAtDepth() {
    if (!presentedFresh_ && !(viewKept_ && presentedMatches_ && !presentedStale_)) {
        QuantizeToDepth(view.surface, presented_, colorDepth_);
        presentedMatches_ = true;
    }
    presentedFresh_ = true;
    viewAsked_ = true;
    return presented_;
}

const Surface& Screen::Presented() {
    if (presentedStale_ || presented_.empty()) {
        QuantizeToDepth(view.surface, presented_, colorDepth_);
        presentedStale_ = false;
        presentedMatches_ = true;
    }
    return presented_;
}

}  // namespace tarn::game
