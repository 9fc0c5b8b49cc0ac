// Where the game's input comes from. The game polls its input source at fixed points (the
// title menu and the main loop once per turn, the pause while it waits, the loader and the
// outcome sequences where they let events run) and folds each poll's events into its table
// of held keys, so a frame reads the keys as one value taken at its start. A window's
// keyboard, a replay and a test's script are sources alike. A gamepad's buttons arrive as
// pad events and become the keys they stand for before the game sees them (GamepadKeys.h).
#pragma once

#include <cstdint>
#include <vector>

namespace tarn::game {

// The controls of a gamepad, named by their place: the face buttons by compass point (South
// is the bottom one), the stick folded into the directions of the d-pad.
enum class PadButton : std::uint8_t {
    Up,
    Down,
    Left,
    Right,
    South,
    East,
    West,
    North,
    Back,
    Start
};

struct InputEvent {
    enum class Type : std::uint8_t { KeyDown, KeyUp, Click, Quit, PadDown, PadUp };
    Type type = Type::KeyDown;
    int code = 0;  // virtual-key code for key events, a PadButton for pad events
    bool operator==(const InputEvent&) const = default;
};

class InputSource {
  public:
    virtual ~InputSource() = default;
    // Appends the events that arrived since the last poll. `frame` is the number of the
    // next frame to start (frames of the title menu and the main loop, counted from 1
    // across the run), so a poll inside a frame's pause carries the number after it.
    virtual void Poll(std::uint64_t frame, std::vector<InputEvent>& events) = 0;
    // False once no input can arrive any more (nobody at the keys and nothing scripted
    // left): a phase that could only wait for keys ends instead.
    virtual bool InputCanArrive() const = 0;
    // False when no input will arrive before frame `frame` starts: a pause inside the
    // frame before it then ends at once.
    virtual bool InputDueBefore(std::uint64_t frame) const = 0;
};

}  // namespace tarn::game
