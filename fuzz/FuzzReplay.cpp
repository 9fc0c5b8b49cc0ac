// Fuzz target: the replay and recording parser.
//
// Invariants: a refused script names its line; an accepted one has frame numbers from 1
// on that never go down and key codes 0..255.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "game/core/Replay.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarn::game::ReplayScript script;
    std::string error;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!tarn::game::ParseReplayScript(text, "fuzz", script, error)) {
        Require(error.starts_with("fuzz:") && error.size() < 512);
        return 0;
    }
    std::uint64_t lastFrame = 1;
    for (const auto& line : script.lines) {
        Require(line.frame >= lastFrame);
        lastFrame = line.frame;
        for (const int key : line.keys) {
            Require(key >= 0 && key <= 255);
        }
    }
    return 0;
}
