// How the run goes on: the input it polls and folds into the held keys, the requests that
// end it or open the title menu anew, the frame count and limit, the exit status, and
// what watches every frame (replay checks, recordings, tests).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "game/core/FrameServices.h"
#include "game/core/GameState.h"
#include "game/core/Input.h"

namespace tarn::game {

// Told after every frame of the menu or the main loop (record, replay, tests).
class FrameObserver {
  public:
    virtual ~FrameObserver() = default;
    // Returns false to stop the run (a replay that diverged).
    virtual bool AfterFrame(std::uint64_t frame, const GameState& state) = 0;
};

// What the keys are being read for, so that a gamepad button can stand for the key that
// does its job there.
enum class InputMode : std::uint8_t { Menu, Play, Pause };

class RunControl {
  public:
    // `sounds` stops the title music at the first key press.
    RunControl(InputSource& input, FrameServices& sounds) : input_(input), sounds_(sounds) {}
    RunControl(const RunControl&) = delete;
    RunControl& operator=(const RunControl&) = delete;

    bool TitleStarted = false;   // the first key press or click has opened the title menu
    bool quitRequested = false;  // F12, F2, END or the window closed
    bool menuRequested = false;  // the first key press enters the title menu anew
    bool stageMode = false;      // --stage: where the menu would follow, the run ends
    InputMode mode = InputMode::Menu;
    std::optional<std::uint64_t> frameLimit;
    bool stopAfterFirstLoad = false;
    std::uint64_t framesRun = 0;
    int exitCode = 0;
    FrameObserver* observer = nullptr;
    // Called once per phase of the flow (stack probes in tests).
    std::function<void()> phaseProbe;

    // Lets pending events run and folds them into the held keys and the requests; false
    // when the running phase must hand over at once.
    bool Pump(GameState& state);
    // False once no input can arrive any more and no frame limit will end the run: a
    // phase that only waits for input ends.
    bool MayWaitForInput() const { return frameLimit || input_.InputCanArrive(); }
    // True when no input will arrive before the next frame starts.
    bool NoInputDueThisFrame() const { return !input_.InputDueBefore(framesRun + 1); }

    void FrameStarted() { ++framesRun; }
    // Tells the observer; true while the run may go on (frame limit, replay check).
    bool FrameFinished(const GameState& state);
    bool FrameLimitReached() const { return frameLimit && framesRun >= *frameLimit; }

  private:
    InputSource& input_;
    FrameServices& sounds_;
    std::vector<InputEvent> events_;
};

}  // namespace tarn::game
