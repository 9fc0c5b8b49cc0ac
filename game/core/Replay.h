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
#include <string_view>
#include <vector>

#include "game/core/GameClock.h"
#include "game/core/GameMessages.h"
#include "game/core/Input.h"
#include "game/core/RunControl.h"

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

// A replay of many hours stays far below this; anything larger is some other file.
inline constexpr std::uintmax_t kMaxReplayFileBytes = std::uintmax_t{64} << 20;
// One clock difference at most. The clock wraps around at 2^32 ms, so a step of half of
// that or more cannot be told from one backwards.
inline constexpr std::uint64_t kMaxClockStep = 0x7FFF'FFFF;

// Reads a replay or recorded file; false with a message naming the line on errors. Only
// a regular file of at most kMaxReplayFileBytes is read.
bool ReadReplayScript(const std::filesystem::path& file, ReplayScript& script, std::string& error);
// The same for the file's text; `name` is what messages call the file.
bool ParseReplayScript(std::string_view text, const std::string& name, ReplayScript& script,
                       std::string& error);

// A replay is one more input source: it takes the keys from the script instead of the
// live input (closing the window still ends the run), hands back the recorded clock
// readings in order (the live clock then only paces what is shown), and checks the
// recorded checksums after every frame.
class Replay : public GameClock, public InputSource, public FrameObserver {
  public:
    Replay(GameClock& liveClock, InputSource& liveInput, ReplayScript script);
    // Set once a checksum differed from the recording: what to tell the player.
    const Failure& Divergence() const { return divergence_; }

    std::uint32_t Clock() override;
    void WaitUntil(std::uint32_t ms) override;

    void Poll(std::uint64_t frame, std::vector<InputEvent>& events) override;
    // Input can arrive while the script has lines left or someone sits at the live keys.
    bool InputCanArrive() const override;
    // Only a recorded event of the script can arrive inside a frame.
    bool InputDueBefore(std::uint64_t frame) const override;

    bool AfterFrame(std::uint64_t frame, const GameState& state) override;

  private:
    void Apply(const ReplayLine& line, std::vector<InputEvent>& events);

    GameClock& liveClock_;
    InputSource& liveInput_;
    ReplayScript script_;
    std::size_t next_ = 0;
    std::uint64_t polls_ = 0;
    std::size_t clockIndex_ = 0;
    std::uint32_t virtualClock_ = 0;
    std::optional<std::int64_t> liveOffset_;
    std::vector<int> held_;
    std::vector<InputEvent> live_;
    std::size_t checksumIndex_ = 0;
    Failure divergence_;
};

// Passes the live clock and input through and writes the events, the clock readings and
// every 30th frame's checksum to a recording.
class Recording : public GameClock, public InputSource, public FrameObserver {
  public:
    Recording(GameClock& liveClock, InputSource& liveInput, const std::filesystem::path& file);
    ~Recording() override;
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;
    bool Ok() const { return bool(out_); }

    std::uint32_t Clock() override;
    void WaitUntil(std::uint32_t ms) override { liveClock_.WaitUntil(ms); }

    void Poll(std::uint64_t frame, std::vector<InputEvent>& events) override;
    bool InputCanArrive() const override { return liveInput_.InputCanArrive(); }
    bool InputDueBefore(std::uint64_t frame) const override {
        return liveInput_.InputDueBefore(frame);
    }

    bool AfterFrame(std::uint64_t frame, const GameState& state) override;

    static constexpr std::uint64_t kChecksumEvery = 30;

  private:
    void FlushClock();

    GameClock& liveClock_;
    InputSource& liveInput_;
    std::ofstream out_;
    std::uint64_t polls_ = 0;
    std::vector<int> held_;
    std::vector<std::uint32_t> pendingClock_;
    std::uint32_t lastClock_ = 0;
};

}  // namespace tarn::game
