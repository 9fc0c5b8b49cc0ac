// A gamepad as keys. The front end reports a pad's buttons as pad events; this input source
// turns them into the virtual keys that do the same job where the game is (the title menu,
// play, the pause), taking the six actions from the bindings of the active key
// configuration. Recordings therefore hold keys only, and a gamepad run replays like a
// keyboard run.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/core/Input.h"

namespace tarn::game {

struct GameState;
class RunControl;

class GamepadKeys : public InputSource {
  public:
    explicit GamepadKeys(InputSource& live) : live_(live) {}
    // The game whose mode and bindings decide what a button stands for; until then pad
    // events are dropped.
    void Follow(const RunControl& run, const GameState& state);

    void Poll(std::uint64_t frame, std::vector<InputEvent>& events) override;
    bool InputCanArrive() const override { return live_.InputCanArrive(); }
    bool InputDueBefore(std::uint64_t frame) const override { return live_.InputDueBefore(frame); }

    // The key a button stands for now; 0 for none.
    int KeyFor(PadButton button) const;

  private:
    static constexpr std::size_t kButtons = std::size_t(PadButton::Start) + 1;

    InputSource& live_;
    const RunControl* run_ = nullptr;
    const GameState* state_ = nullptr;
    std::vector<InputEvent> polled_;
    // The key each held button pressed, so that its release lets go of the same key even
    // when the game has moved on meanwhile (Enter on START held into play).
    std::array<int, kButtons> pressed_{};
};

}  // namespace tarn::game
