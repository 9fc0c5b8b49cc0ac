// A thousand deaths and retries in one run leave the call stack and the memory flat.
#include <gtest/gtest.h>

#if defined(__has_include)
#if __has_include(<sanitizer/allocator_interface.h>) && defined(__SANITIZE_ADDRESS__)
#include <sanitizer/allocator_interface.h>
#define TARN_HAVE_ALLOCATOR_STATS 1
#endif
#endif
#include <malloc.h>

#include <string>

#include "GameFixture.h"

namespace tarn::game::testing {
namespace {

std::size_t AllocatedBytes() {
#ifdef TARN_HAVE_ALLOCATOR_STATS
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

TEST(SoakTest, AThousandRetriesKeepStackDepthAndMemoryFlat) {
    ProgramFolder folder;
    // A tiny stage keeps each retry cheap: every map row is one empty cell, the time is up
    // at the first frame, and the death figure starts at the bottom of the view.
    std::string text = "tile.bmp\r\nSoak\r\n 2\r\n 59\r\n0\r\n";
    for (int row = 0; row < 60; ++row) {
        text += "0\r\n";
    }
    text += "NONE\r\n";
    for (int line = 67; line <= 95; ++line) {
        text += "0\r\n";
    }
    text += "NONE\r\n";
    folder.AddStageText("a", "1-1", text);

    constexpr int kDeaths = 1000;
    ScriptedPlatform platform;
    const std::uint64_t* frames = nullptr;
    std::uintptr_t deepest = UINTPTR_MAX;
    std::uintptr_t deepestAfterTen = 0;
    std::size_t bytesAfterTen = 0;
    std::size_t bytesAtEnd = 0;
    std::uintptr_t deepestAtEnd = 0;
    platform.onClock = [&] {
        int probe = 0;
        deepest = std::min(deepest, reinterpret_cast<std::uintptr_t>(&probe));
    };
    Options options;
    options.stage = "1-1";
    RunHeadless(
        folder, options, &platform,
        [&](Game& s) {
            s.state.counters.Lives = kDeaths;
            frames = &s.run.framesRun;
            s.run.phaseProbe = [&] {
                if (*frames == 10 && deepestAfterTen == 0) {
                    deepestAfterTen = deepest;
                    bytesAfterTen = AllocatedBytes();
                }
                if (*frames == kDeaths) {
                    bytesAtEnd = AllocatedBytes();
                    deepestAtEnd = deepest;
                }
            };
        },
        [&](Game& s) { EXPECT_EQ(s.run.framesRun, std::uint64_t(kDeaths) + 1); });
    ASSERT_NE(deepestAfterTen, 0u);
    EXPECT_EQ(deepestAtEnd, deepestAfterTen);
    EXPECT_LT(bytesAtEnd, bytesAfterTen + 1024 * 1024);
}

}  // namespace
}  // namespace tarn::game::testing
