// Recording and replaying runs. A replay file holds lines "FRAME KEY...": from frame
// FRAME on (frames of the title menu and the main loop, numbered from 1 across the run)
// exactly these virtual keys are held; "#" starts a comment. A recorded file adds what
// makes the run exact:
//   FRAME KEY... ; PUMP EVENT   the held keys after EVENT ("+K", "-K", "click", "quit"),
//                               delivered at the PUMP-th event poll of the run
//   c D D ...                   clock readings, each as the difference to the one before
//   = FRAME SUM                 the state checksum after that frame
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "game/core/ForwardingPlatform.h"
#include "game/core/Session.h"

namespace tarn::game {

struct ReplayLine {
    std::uint64_t frame = 0;
    std::vector<int> keys;              // held from this line on
    std::optional<std::uint64_t> pump;  // recorded: the poll that delivers the event
    std::optional<InputEvent> event;    // recorded: the event itself
};

struct ReplayScript {
    std::vector<ReplayLine> lines;
    std::vector<std::uint32_t> clock;  // recorded clock readings, in order
    std::vector<std::pair<std::uint64_t, std::uint64_t>> checksums;  // frame, sum
};

// Reads a replay or recorded file; false with a message naming the line on errors.
bool ReadReplayScript(const std::filesystem::path& file, ReplayScript& script, std::string& error);

// Passes everything to the real platform but takes keys (and recorded clock readings)
// from the script, and checks the recorded checksums.
class ReplayPlatform : public ForwardingPlatform, public FrameObserver {
  public:
    ReplayPlatform(Platform& inner, ReplayScript script);
    void Attach(const std::uint64_t* framesRun) { framesRun_ = framesRun; }
    // Set once a checksum differed from the recording: what to tell the player.
    const Failure& Divergence() const { return divergence_; }

    std::uint32_t Clock() override;
    void WaitUntil(std::uint32_t ms) override;
    void PollEvents(std::vector<InputEvent>& events) override;

    bool AfterFrame(std::uint64_t frame, const GameState& state) override;
    bool InputExhausted() const override { return next_ >= script_.lines.size(); }
    bool ScriptedInput() const override { return true; }
    bool InputPendingThisFrame() const override;

  private:
    void Apply(const ReplayLine& line, std::vector<InputEvent>& events);

    ReplayScript script_;
    const std::uint64_t* framesRun_ = nullptr;
    std::size_t next_ = 0;
    std::uint64_t pumps_ = 0;
    std::size_t clockIndex_ = 0;
    std::uint32_t virtualClock_ = 0;
    std::optional<std::int64_t> innerOffset_;
    std::vector<int> held_;
    std::size_t checksumIndex_ = 0;
    Failure divergence_;
};

// Passes everything to the real platform and writes keys, clock readings and checksums.
class RecordingPlatform : public ForwardingPlatform, public FrameObserver {
  public:
    RecordingPlatform(Platform& inner, const std::filesystem::path& file);
    ~RecordingPlatform() override;
    bool Ok() const { return bool(out_); }
    void Attach(const std::uint64_t* framesRun) { framesRun_ = framesRun; }

    std::uint32_t Clock() override;
    void PollEvents(std::vector<InputEvent>& events) override;

    bool AfterFrame(std::uint64_t frame, const GameState& state) override;
    bool InputExhausted() const override { return inner_.Headless(); }
    bool ScriptedInput() const override { return false; }
    bool InputPendingThisFrame() const override { return false; }

    static constexpr std::uint64_t kChecksumEvery = 30;

  private:
    void FlushClock();

    std::ofstream out_;
    const std::uint64_t* framesRun_ = nullptr;
    std::uint64_t pumps_ = 0;
    std::vector<int> held_;
    std::vector<std::uint32_t> pendingClock_;
    std::uint32_t lastClock_ = 0;
};

}  // namespace tarn::game
