// What the game tells its player when something fails: one title for the whole program,
// and Fail() to word a failure under it. Failures travel as values to the phase that owns
// the player's attention, which shows them through the platform.
#pragma once

#include <optional>
#include <string>

#include "support/UserMessage.h"

namespace tarn::game {

inline constexpr const char* kProgramTitle = "Tarn Ver2";

// What a step that can fail returns: nothing when it went well, else what to tell the player.
using Failure = std::optional<UserMessage>;

// A failure worded for the player, under the program's title.
inline UserMessage Fail(std::string text) {
    return UserMessage{std::move(text), kProgramTitle, MessageIcon::Error};
}

}  // namespace tarn::game
