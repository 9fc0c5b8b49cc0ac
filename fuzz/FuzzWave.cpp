// Fuzz target: the wave-file reader behind every sound of the game.
//
// Invariants: a decoded wave has a positive rate and samples within [-1, 1]; a refused file
// always says why.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    tarn::Wave wave;
    std::string reason;
    if (!tarn::DecodeWave(bytes, wave, reason)) {
        if (reason.empty()) {
            std::abort();
        }
        return 0;
    }
    if (wave.rate <= 0) {
        std::abort();
    }
    for (const double sample : wave.samples) {
        if (!(std::fabs(sample) <= 1.0)) {
            std::abort();
        }
    }
    return 0;
}
