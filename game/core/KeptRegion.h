// Which part of the composition picture PBuffer is kept exactly as a frame by frame
// composition of every object would leave it, so that work on objects far from the view
// can be skipped. Kept exact: a window around the view, plus pinned rectangles holding
// what a later composition would not reproduce (score texts, map cells changed since the
// last repair, the bands where wrapping objects leave traces). Everywhere else the full
// composition equals the background and map chips with the objects' figures at their
// current places on top, so the window recomposes what it newly covers from that.
#pragma once

#include <vector>

namespace tarn::game {

struct PixelRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    bool empty() const { return w <= 0 || h <= 0; }
    bool operator==(const PixelRect&) const = default;
    bool Meets(const PixelRect& other) const;
    bool Contains(const PixelRect& other) const;
    PixelRect Clip(const PixelRect& other) const;  // the common part (may be empty)
};

// The parts of `a` outside `b`: at most four rectangles.
std::vector<PixelRect> Subtract(const PixelRect& a, const PixelRect& b);

class KeptRegion {
  public:
    // The window reaches this far beyond the view: score texts and changed cells next to
    // the player always fall inside it.
    static constexpr int kMargin = 32;

    // Off: every restore and draw runs (the reference behaviour, for comparisons).
    bool allowed = true;

    // Starts keeping after a fresh composition, when the whole picture is exact; `layersCover`
    // says whether the map layers cover everything the view can reach.
    void Start(bool layersCover);
    // Starts keeping with only `window`, `alsoKept` and the wrap bands exact (composed fresh
    // from the map layers); the window composes the rest as it comes to it. `alsoKept` stays
    // pinned: a view that shows it before the window has followed the view finds it exact.
    void Start(bool layersCover, const PixelRect& window, const PixelRect& alsoKept);
    void Stop() { active_ = false; }
    bool Active() const { return active_; }

    const PixelRect& Window() const { return window_; }
    void SetWindow(const PixelRect& window) { window_ = window; }
    // The window for a view at (viewX, viewY), within what the view can reach.
    static PixelRect WindowFor(int viewX, int viewY);

    // True when work on the rectangle can change what is kept (always when not active).
    bool Needs(const PixelRect& r) const;
    // Keeps the rectangle's part inside the window exact from now on.
    void Pin(const PixelRect& r);
    // A repair of the rectangle from the map layers made the pins inside it ordinary again.
    void Repaired(const PixelRect& r);
    const std::vector<PixelRect>& Pins() const { return pins_; }

  private:
    bool active_ = false;
    PixelRect window_;
    std::vector<PixelRect> pins_;
};

}  // namespace tarn::game
