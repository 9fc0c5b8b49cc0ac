// Opening SDL game controllers and reading the first one's buttons and left stick.
#include "game/sdl/SdlGamepads.h"

#include <algorithm>
#include <optional>

namespace tarn::game {

namespace {

// The stick counts as pushed past a third of its travel and as back near the middle below
// a sixth, so that a stick resting at the edge does not chatter.
constexpr int kPushed = 32767 / 3;
constexpr int kReleased = 32767 / 6;

std::optional<PadButton> ButtonOf(Uint8 button) {
    switch (SDL_GameControllerButton(button)) {
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return PadButton::Up;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return PadButton::Down;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return PadButton::Left;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return PadButton::Right;
        case SDL_CONTROLLER_BUTTON_A:
            return PadButton::South;
        case SDL_CONTROLLER_BUTTON_B:
            return PadButton::East;
        case SDL_CONTROLLER_BUTTON_X:
            return PadButton::West;
        case SDL_CONTROLLER_BUTTON_Y:
            return PadButton::North;
        case SDL_CONTROLLER_BUTTON_BACK:
            return PadButton::Back;
        case SDL_CONTROLLER_BUTTON_START:
            return PadButton::Start;
        default:
            return std::nullopt;
    }
}

}  // namespace

SdlGamepads::SdlGamepads() {
    // Without joystick support (no input devices to read) the game simply has no pads.
    ready_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

SdlGamepads::~SdlGamepads() {
    for (const Pad& pad : pads_) {
        SDL_GameControllerClose(pad.controller);
    }
    if (ready_) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
}

bool SdlGamepads::Handle(const SDL_Event& event, std::vector<InputEvent>& events) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED: {
            SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which);
            if (controller != nullptr) {
                const SDL_JoystickID id =
                    SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
                const bool known = std::any_of(pads_.begin(), pads_.end(),
                                               [&](const Pad& pad) { return pad.id == id; });
                if (known) {
                    SDL_GameControllerClose(controller);  // opened once already
                } else {
                    pads_.push_back({controller, id});
                }
            }
            return true;
        }
        case SDL_CONTROLLERDEVICEREMOVED: {
            const auto gone = std::find_if(pads_.begin(), pads_.end(), [&](const Pad& pad) {
                return pad.id == event.cdevice.which;
            });
            if (gone != pads_.end()) {
                if (gone == pads_.begin()) {
                    ReleaseAll(events);  // the next pad starts with nothing held
                }
                SDL_GameControllerClose(gone->controller);
                pads_.erase(gone);
            }
            return true;
        }
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (Drives(event.cbutton.which)) {
                if (const auto button = ButtonOf(event.cbutton.button)) {
                    Set(*button, kButton, event.type == SDL_CONTROLLERBUTTONDOWN, events);
                }
            }
            return true;
        case SDL_CONTROLLERAXISMOTION:
            if (Drives(event.caxis.which)) {
                Stick(SDL_GameControllerAxis(event.caxis.axis), event.caxis.value, events);
            }
            return true;
        default:
            return false;
    }
}

void SdlGamepads::Stick(SDL_GameControllerAxis axis, int value, std::vector<InputEvent>& events) {
    PadButton less = PadButton::Left, more = PadButton::Right;
    if (axis == SDL_CONTROLLER_AXIS_LEFTY) {
        less = PadButton::Up;
        more = PadButton::Down;
    } else if (axis != SDL_CONTROLLER_AXIS_LEFTX) {
        return;
    }
    const auto side = [&](PadButton button, int push) {
        const bool held = (held_[std::size_t(button)] & kStick) != 0;
        Set(button, kStick, held ? push > kReleased : push > kPushed, events);
    };
    // The side let go of goes first, so the two are never held together.
    if (value < 0) {
        side(more, value);
        side(less, -value);
    } else {
        side(less, -value);
        side(more, value);
    }
}

void SdlGamepads::Set(PadButton button, Source source, bool on, std::vector<InputEvent>& events) {
    unsigned& sources = held_[std::size_t(button)];
    const bool was = sources != 0;
    sources = on ? (sources | source) : (sources & ~unsigned(source));
    if (was != (sources != 0)) {
        events.push_back(
            {sources != 0 ? InputEvent::Type::PadDown : InputEvent::Type::PadUp, int(button)});
    }
}

void SdlGamepads::ReleaseAll(std::vector<InputEvent>& events) {
    for (std::size_t i = 0; i < kButtons; ++i) {
        if (held_[i] != 0) {
            held_[i] = 0;
            events.push_back({InputEvent::Type::PadUp, int(i)});
        }
    }
}

}  // namespace tarn::game
