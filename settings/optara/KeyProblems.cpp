// Shared and reserved keys of a key configuration.
#include "settings/optara/KeyProblems.h"

#include <optional>

#include "settings/VirtualKeys.h"

namespace tarn::optara {
namespace {

std::string Quoted(int code) {
    return "「" + vk::ReadableKeyName(code) + "」";
}

std::string JoinedLabels(const std::vector<int>& slots) {
    std::string text;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (i > 0) {
            text += i + 1 == slots.size() ? "と" : "・";
        }
        text += kSlotLabels[static_cast<std::size_t>(slots[i])];
    }
    return text;
}

// What the game does with a key of its own during play (its fixed keys), if anything.
std::optional<std::string> ReservedUse(int code) {
    if (code == vk::kF11) {
        return "はゲーム中に押すとゲームオーバーになります";
    }
    if (code == vk::kF12) {
        return "を離すとゲームが終了します";
    }
    if (code == vk::kReturn) {
        return "はポーズを解除するキーです";
    }
    if (code >= vk::Digit(1) && code <= vk::Digit(9)) {
        return "を押すとフレームレートが" + std::to_string((code - vk::Digit(0)) * 10) +
               "に変わります";
    }
    return std::nullopt;
}

}  // namespace

std::vector<KeyProblem> FindKeyProblems(const std::array<std::uint8_t, kSlotCount>& config) {
    std::vector<KeyProblem> problems;
    std::array<bool, kSlotCount> counted{};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (counted[static_cast<std::size_t>(slot)]) {
            continue;
        }
        const int code = config[static_cast<std::size_t>(slot)];
        std::vector<int> sharing{slot};
        for (int other = slot + 1; other < kSlotCount; ++other) {
            if (config[static_cast<std::size_t>(other)] == code) {
                sharing.push_back(other);
                counted[static_cast<std::size_t>(other)] = true;
            }
        }
        if (sharing.size() > 1) {
            const std::string text =
                JoinedLabels(sharing) + "に同じキー" + Quoted(code) + "が割り当てられています";
            problems.push_back({KeyProblemKind::SameKeyTwice, code, sharing, text});
        }
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const int code = config[static_cast<std::size_t>(slot)];
        const std::string prefix =
            std::string(kSlotLabels[static_cast<std::size_t>(slot)]) + "の" + Quoted(code);
        if (const auto use = ReservedUse(code)) {
            problems.push_back({KeyProblemKind::ReservedByGame, code, {slot}, prefix + *use});
        } else if (code == vk::kSpace) {
            problems.push_back({KeyProblemKind::TurnsOffPause,
                                code,
                                {slot},
                                prefix + "を割り当てると、この設定ではポーズできません"});
        }
    }
    return problems;
}

}  // namespace tarn::optara
