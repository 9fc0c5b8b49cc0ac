// Turning gamepad buttons into the keys of the title menu, play and the pause.
#include "game/core/GamepadKeys.h"

#include <algorithm>
#include <utility>

#include "game/core/GameState.h"
#include "game/core/RunControl.h"
#include "settings/VirtualKeys.h"

namespace tarn::game {

namespace {

int MenuKey(PadButton button) {
    switch (button) {
        case PadButton::Up:
            return vk::kUp;
        case PadButton::Down:
            return vk::kDown;
        case PadButton::South:
        case PadButton::East:
            return vk::kReturn;
        default:
            return 0;
    }
}

int PlayKey(PadButton button, const KeyBindings& keys) {
    switch (button) {
        case PadButton::Left:
            return keys.KeyLeft;
        case PadButton::Right:
            return keys.KeyRight;
        case PadButton::South:
            return keys.KeyJump;
        case PadButton::West:
            return keys.KeyDash;
        case PadButton::North:
            return keys.KeyPower;
        case PadButton::Back:
            return keys.KeyGiveUp;
        case PadButton::Start:
            return vk::kSpace;  // the fixed pause key
        default:
            return 0;
    }
}

}  // namespace

void GamepadKeys::Follow(const RunControl& run, const GameState& state) {
    run_ = &run;
    state_ = &state;
}

int GamepadKeys::KeyFor(PadButton button) const {
    if (run_ == nullptr || state_ == nullptr) {
        return 0;
    }
    switch (run_->mode) {
        case InputMode::Menu:
            return MenuKey(button);
        case InputMode::Play:
            return PlayKey(button, state_->bindings);
        case InputMode::Pause:
            return button == PadButton::Start ? vk::kReturn : 0;
    }
    return 0;
}

void GamepadKeys::Poll(std::uint64_t frame, std::vector<InputEvent>& events) {
    polled_.clear();
    live_.Poll(frame, polled_);
    for (const InputEvent& event : polled_) {
        const bool down = event.type == InputEvent::Type::PadDown;
        if (!down && event.type != InputEvent::Type::PadUp) {
            events.push_back(event);
            continue;
        }
        if (event.code < 0 || std::size_t(event.code) >= kButtons) {
            continue;
        }
        int& pressed = pressed_[std::size_t(event.code)];
        if (down && pressed == 0) {
            pressed = KeyFor(PadButton(event.code));
            if (pressed != 0) {
                events.push_back({InputEvent::Type::KeyDown, pressed});
            }
        } else if (!down && pressed != 0) {
            // A key held by two buttons (both menu buttons are Enter) is let go with the last.
            const int key = std::exchange(pressed, 0);
            if (std::find(pressed_.begin(), pressed_.end(), key) == pressed_.end()) {
                events.push_back({InputEvent::Type::KeyUp, key});
            }
        }
    }
}

}  // namespace tarn::game
