// The platform without window and sound device: a virtual clock that advances exactly as
// on a perfectly punctual machine (every wait completes at once), events queued by the
// caller, a log of the latest sound requests, and messages written to standard error.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "game/core/Platform.h"

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
    Failure LoadSounds(const std::filesystem::path& soundFolder) override;
    // Keeps the latest kKeptSounds requests: a long run must not grow without bound.
    void Sound(SoundId id, SoundOp op) override;
    TextPainter& Text() override;
    void SetColorDepth(int bits) override { colorDepth = bits; }
    // Counts the present; nobody sees it, so nothing of the frame is asked for.
    void Present(ShownFrame& frame) override;
    using Platform::Present;
    // Writes "title: text" (the text alone without a title) to standard error.
    void ShowMessage(const UserMessage& message) override;

    // Delivered at the next poll.
    void Queue(InputEvent event) { queued_.push_back(event); }
    void Advance(std::uint32_t ms) { now_ += ms; }

    static constexpr std::size_t kKeptSounds = 4096;
    std::deque<SoundRequest> sounds;    // the latest requests, oldest first
    std::uint64_t soundRequests = 0;    // every request ever made
    std::vector<UserMessage> messages;  // every message shown, in order
    int colorDepth = 0;
    std::uint64_t presents = 0;
    std::uint64_t polls = 0;

  private:
    std::uint32_t now_ = 0;
    std::deque<InputEvent> queued_;
};

}  // namespace tarn::game
