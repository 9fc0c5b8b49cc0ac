// The session's own helpers: event handling, printing on the view, presenting.
#include "game/core/Session.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "assets/BuiltinArt.h"
#include "game/core/ColorQuantize.h"
#include "settings/VirtualKeys.h"

namespace tarn::game {

void FillWhole(Surface& surface, std::uint32_t color) {
    const std::size_t width = std::size_t(surface.width());
    const std::size_t total = width * std::size_t(surface.height());
    if (total == 0) {
        return;
    }
    std::uint32_t* pixels = surface.Row(0);
    std::fill(pixels, pixels + width, color);
    for (std::size_t done = width; done < total;) {
        const std::size_t chunk = std::min(done, total - done);
        std::memcpy(pixels + done, pixels, chunk * sizeof(std::uint32_t));
        done += chunk;
    }
}

void View::Cls() {
    FillWhole(surface, kBlack);
    if (!picture.empty()) {
        BitBlt(surface, 0, 0, picture.width(), picture.height(), picture, 0, 0);
    }
    CurrentX = 0;
    CurrentY = 0;
}

Session::Session(Platform& platformRef, GameClock& clockRef, InputSource& inputRef,
                 const art::BuiltinPictures& artRef, std::filesystem::path rootFolder)
    : platform(platformRef),
      clock(clockRef),
      input(inputRef),
      art(artRef),
      root(std::move(rootFolder)) {
    strip_.Reset(kStripWidth, kStripHeight);
}

FrameContext Session::Frame() {
    return FrameContext{state, layers, art, *this, &playerPictures};
}

bool Session::Pump() {
    events_.clear();
    input.Poll(framesRun + 1, events_);
    for (const InputEvent& event : events_) {
        switch (event.type) {
            case InputEvent::Type::KeyDown:
                state.keys.Press(event.code, state.bindings);
                [[fallthrough]];
            case InputEvent::Type::Click:
                if (!TitleStarted) {
                    platform.Sound(SoundId::op, SoundOp::Stop);
                    TitleStarted = true;
                    menuRequested = true;
                }
                break;
            case InputEvent::Type::KeyUp:
                state.keys.Release(event.code);
                if (event.code == vk::kF12) {
                    quitRequested = true;
                }
                break;
            case InputEvent::Type::Quit:
                quitRequested = true;
                break;
        }
    }
    return !quitRequested && !menuRequested;
}

bool Session::FrameFinished() {
    if (observer != nullptr && !observer->AfterFrame(framesRun, state)) {
        exitCode = 3;
        quitRequested = true;
        return false;
    }
    return !FrameLimitReached();
}

void Session::SetPrintPosition(int x, int y) {
    view.CurrentX = x;
    view.CurrentY = y;
}

void Session::Print(std::string_view text) {
    if (!text.empty()) {
        platform.Text().Draw(view.surface, view.CurrentX, view.CurrentY, text, view.FontSize,
                             kTextColor);
    }
    view.CurrentX = 0;
    view.CurrentY += platform.Text().LineHeight(view.FontSize);
}

void Session::PrintOnLine(std::string_view text) {
    view.CurrentX += platform.Text().Draw(view.surface, view.CurrentX, view.CurrentY, text,
                                          view.FontSize, kTextColor);
}

void Session::PresentView() {
    StretchViewAndQuantize(layers.PBuffer, state.loop.ViewX, state.loop.ViewY, view.surface,
                           presented_, state.ColorDepth);
    presentedFresh_ = true;
    status.PointV = std::to_string(state.counters.Score);
    status.Label2 = platform.TimeOfDay();
    Refresh();
}

void Session::Refresh() {
    viewAsked_ = false;
    platform.Present(*this);
    // A platform that showed nothing leaves the conversion to a screenshot that asks.
    presentedStale_ = !viewAsked_ && !presentedFresh_;
    presentedFresh_ = false;
}

const Surface& Session::Strip() {
    if (!stripDrawn_ || !(status == shownStatus_)) {
        DrawStatusStrip(strip_, status, platform.Text(), art);
        shownStatus_ = status;
        stripDrawn_ = true;
    }
    return strip_;
}

const Surface& Session::ViewAtDepth() {
    if (!presentedFresh_) {
        QuantizeToDepth(view.surface, presented_, state.ColorDepth);
        presentedFresh_ = true;
    }
    viewAsked_ = true;
    return presented_;
}

const Surface& Session::Presented() {
    if (presentedStale_ || presented_.empty()) {
        QuantizeToDepth(view.surface, presented_, state.ColorDepth);
        presentedStale_ = false;
    }
    return presented_;
}

void Session::WaitSince(std::uint32_t since, std::uint32_t ms) {
    clock.WaitUntil(since + ms);
}

void Session::PrintOnPBuffer(int x, int y, std::string_view text) {
    platform.Text().Draw(layers.PBuffer, x, y, text, kScoreTextFontPoints, kTextColor);
}

void Session::LivesChanged(std::int32_t lives) {
    status.LifeV = std::to_string(lives);
}

}  // namespace tarn::game
