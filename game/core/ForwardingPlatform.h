// A platform that passes every call on to another one; wrappers (recording, replaying)
// derive from it and override only what they change.
#pragma once

#include "game/core/Platform.h"

namespace tarn::game {

class ForwardingPlatform : public Platform {
  public:
    explicit ForwardingPlatform(Platform& inner) : inner_(inner) {}

    std::uint32_t Clock() override { return inner_.Clock(); }
    void WaitUntil(std::uint32_t ms) override { inner_.WaitUntil(ms); }
    void PollEvents(std::vector<InputEvent>& events) override { inner_.PollEvents(events); }
    std::string TimeOfDay() override { return inner_.TimeOfDay(); }
    Failure LoadSounds(const std::filesystem::path& folder) override {
        return inner_.LoadSounds(folder);
    }
    void Sound(SoundId id, SoundOp op) override { inner_.Sound(id, op); }
    TextPainter& Text() override { return inner_.Text(); }
    void SetColorDepth(int bits) override { inner_.SetColorDepth(bits); }
    void Present(const Surface& strip, const Surface& view) override {
        inner_.Present(strip, view);
    }
    bool Headless() const override { return inner_.Headless(); }
    void ShowMessage(const UserMessage& message) override { inner_.ShowMessage(message); }

  protected:
    Platform& inner_;
};

}  // namespace tarn::game
