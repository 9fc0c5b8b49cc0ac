// What Optara points out about a key configuration before the game runs into it: one key
// on two actions, and keys the game keeps for itself during play.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/SettingsFile.h"

namespace tarn::optara {

// The actions of the six slots as the dialog labels them.
inline constexpr std::array<const char*, kSlotCount> kSlotLabels{"右移動",   "左移動", "ダッシュ",
                                                                 "ジャンプ", "自爆",   "攻撃"};

enum class KeyProblemKind {
    SameKeyTwice,    // two or more actions share a key
    ReservedByGame,  // the game does something of its own on the key during play
    TurnsOffPause,   // Space: once bound, it no longer pauses in that configuration
};

struct KeyProblem {
    KeyProblemKind kind;
    int code;
    std::vector<int> keySlots;  // the slots holding the key, in slot order
    std::string text;           // one line saying why (UTF-8)

    // Binding Space is a choice the game supports (it gives up the pause key for that
    // configuration); the others make an action or the game misbehave.
    bool NeedsConfirmation() const { return kind != KeyProblemKind::TurnsOffPause; }
};

// The problems of one configuration: shared keys first, then reserved keys, each in slot
// order.
std::vector<KeyProblem> FindKeyProblems(const std::array<std::uint8_t, kSlotCount>& config);

}  // namespace tarn::optara
