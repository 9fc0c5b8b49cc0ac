// The kept window and pins of the composition picture.
#include "game/core/KeptRegion.h"

#include <algorithm>

#include "game/core/ViewGeometry.h"

namespace tarn::game {

namespace {

// Everything any view can show of the map.
constexpr PixelRect kReach{0, 0, kViewLimitX + kViewSpanX, kViewLimitY + kViewSpanY};

// Vertical lifts wrapping from the top leave a patch of bare background and the rest of
// their figure in the first rows; lifts and spikes wrapping from the bottom leave their
// figure above the last two rows.
constexpr PixelRect kTopWrapBand{0, 0, kReach.w, 5 * kChipSize};
constexpr PixelRect kBottomWrapBand{0, kMapHeight - 5 * kChipSize, kReach.w, 5 * kChipSize};

}  // namespace

bool PixelRect::Meets(const PixelRect& o) const {
    return !empty() && !o.empty() && x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
}

bool PixelRect::Contains(const PixelRect& o) const {
    return o.empty() || (x <= o.x && o.x + o.w <= x + w && y <= o.y && o.y + o.h <= y + h);
}

PixelRect PixelRect::Clip(const PixelRect& o) const {
    const int left = std::max(x, o.x);
    const int top = std::max(y, o.y);
    const int right = std::min(x + w, o.x + o.w);
    const int bottom = std::min(y + h, o.y + o.h);
    if (right <= left || bottom <= top) {
        return {};
    }
    return {left, top, right - left, bottom - top};
}

std::vector<PixelRect> Subtract(const PixelRect& a, const PixelRect& b) {
    const PixelRect common = a.Clip(b);
    if (common.empty()) {
        return a.empty() ? std::vector<PixelRect>{} : std::vector<PixelRect>{a};
    }
    std::vector<PixelRect> parts;
    const auto add = [&](PixelRect r) {
        if (!r.empty()) {
            parts.push_back(r);
        }
    };
    add({a.x, a.y, a.w, common.y - a.y});                                               // above
    add({a.x, common.y + common.h, a.w, a.y + a.h - (common.y + common.h)});            // below
    add({a.x, common.y, common.x - a.x, common.h});                                     // left
    add({common.x + common.w, common.y, a.x + a.w - (common.x + common.w), common.h});  // right
    return parts;
}

void KeptRegion::Start(bool layersCover) {
    active_ = allowed && layersCover;
    window_ = kReach;
    pins_ = {kTopWrapBand, kBottomWrapBand};
}

void KeptRegion::Start(bool layersCover, const PixelRect& window, const PixelRect& alsoKept) {
    Start(layersCover);
    window_ = window.Clip(kReach);
    if (const PixelRect pin = alsoKept.Clip(kReach); !pin.empty()) {
        pins_.push_back(pin);
    }
}

PixelRect KeptRegion::WindowFor(int viewX, int viewY) {
    const PixelRect around{viewX - kMargin, viewY - kMargin, kViewSpanX + 2 * kMargin,
                           kViewSpanY + 2 * kMargin};
    return around.Clip(kReach);
}

bool KeptRegion::Needs(const PixelRect& r) const {
    if (!active_ || r.Meets(window_)) {
        return true;
    }
    return std::any_of(pins_.begin(), pins_.end(),
                       [&](const PixelRect& pin) { return r.Meets(pin); });
}

void KeptRegion::Pin(const PixelRect& r) {
    if (!active_) {
        return;
    }
    const PixelRect kept = r.Clip(window_);
    if (kept.empty() || std::any_of(pins_.begin(), pins_.end(),
                                    [&](const PixelRect& pin) { return pin.Contains(kept); })) {
        return;
    }
    pins_.push_back(kept);
}

void KeptRegion::Repaired(const PixelRect& r) {
    if (!active_) {
        return;
    }
    // The wrap bands (the first two pins) stay for the whole stage.
    const auto from = pins_.begin() + std::min<std::ptrdiff_t>(2, std::ssize(pins_));
    pins_.erase(
        std::remove_if(from, pins_.end(), [&](const PixelRect& pin) { return r.Contains(pin); }),
        pins_.end());
}

}  // namespace tarn::game
