// Presenting two finished surfaces through the platform's frame interface.
#include "game/core/Platform.h"

namespace tarn::game {

namespace {

class FinishedFrame : public ShownFrame {
  public:
    FinishedFrame(const Surface& strip, const Surface& view) : strip_(strip), view_(view) {}
    const Surface& Strip() override { return strip_; }
    const Surface& ViewAtDepth() override { return view_; }

  private:
    const Surface& strip_;
    const Surface& view_;
};

}  // namespace

void Platform::Present(const Surface& statusStrip, const Surface& view) {
    FinishedFrame frame(statusStrip, view);
    Present(frame);
}

}  // namespace tarn::game
