// SDL game controllers as pad events. Controllers are opened as they are plugged in (SDL
// reports those present at start as plugged in too) and closed as they go; any number may
// be attached, and the one attached longest drives the game. SDL's controller database,
// extended by SDL_GAMECONTROLLERCONFIG, says which button is which on each model. The
// d-pad and the left stick both give the four directions.
#pragma once

#include <SDL.h>

#include <array>
#include <vector>

#include "game/core/Input.h"

namespace tarn::game {

class SdlGamepads {
  public:
    SdlGamepads();
    ~SdlGamepads();
    SdlGamepads(const SdlGamepads&) = delete;
    SdlGamepads& operator=(const SdlGamepads&) = delete;

    // Handles a controller event (device added or removed, button, axis), appending the
    // pad events it makes; false for events of other kinds.
    bool Handle(const SDL_Event& event, std::vector<InputEvent>& events);
    // How many controllers are open.
    int Count() const { return int(pads_.size()); }

  private:
    static constexpr std::size_t kButtons = std::size_t(PadButton::Start) + 1;
    enum Source : unsigned { kButton = 1, kStick = 2 };

    bool Drives(SDL_JoystickID id) const { return !pads_.empty() && pads_.front().id == id; }
    void Set(PadButton button, Source source, bool on, std::vector<InputEvent>& events);
    void ReleaseAll(std::vector<InputEvent>& events);
    void Stick(SDL_GameControllerAxis axis, int value, std::vector<InputEvent>& events);

    struct Pad {
        SDL_GameController* controller = nullptr;
        SDL_JoystickID id = -1;
    };
    bool ready_ = false;
    std::vector<Pad> pads_;  // in the order they were attached
    // Per control, which sources hold it (a direction by d-pad and stick at once).
    std::array<unsigned, kButtons> held_{};
};

}  // namespace tarn::game
