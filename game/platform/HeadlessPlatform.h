// The platform without window and sound device: a virtual clock that advances exactly as
// on a perfectly punctual machine (every wait completes at once), events queued by the
// caller, and a log of the sound requests.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "game/platform/Platform.h"

namespace tarn::game {

struct SoundRequest {
    SoundId id;
    SoundOp op;
    bool operator==(const SoundRequest&) const = default;
};

class HeadlessPlatform : public Platform {
  public:
    std::uint32_t Clock() override { return now_; }
    void WaitUntil(std::uint32_t ms) override;
    void PollEvents(std::vector<InputEvent>& events) override;
    std::string TimeOfDay() override;
    bool LoadSounds(const std::filesystem::path& soundFolder) override;
    void Sound(SoundId id, SoundOp op) override { sounds.push_back({id, op}); }
    TextPainter& Text() override;
    void SetColorDepth(int bits) override { colorDepth = bits; }
    void Present(const Surface& statusStrip, const Surface& view) override;
    bool Headless() const override { return true; }

    // Delivered at the next poll.
    void Queue(InputEvent event) { queued_.push_back(event); }
    void Advance(std::uint32_t ms) { now_ += ms; }

    std::vector<SoundRequest> sounds;
    int colorDepth = 0;
    std::uint64_t presents = 0;
    std::uint64_t polls = 0;

  private:
    std::uint32_t now_ = 0;
    std::deque<InputEvent> queued_;
};

}  // namespace tarn::game
