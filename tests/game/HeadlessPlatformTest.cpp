// The headless platform's record of what the game asked of it.
#include "game/platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace tarn::game {
namespace {

TEST(HeadlessSoundLog, KeepsOnlyTheLatestRequestsAndCountsThemAll) {
    HeadlessPlatform platform;
    const std::size_t made = HeadlessPlatform::kKeptSounds * 3 + 5;
    for (std::size_t i = 0; i < made; ++i) {
        platform.Sound(i % 2 == 0 ? SoundId::coin : SoundId::jump01, SoundOp::Play);
    }
    platform.Sound(SoundId::clear, SoundOp::Stop);
    EXPECT_EQ(platform.soundRequests, made + 1);
    ASSERT_EQ(platform.sounds.size(), HeadlessPlatform::kKeptSounds);
    EXPECT_EQ(platform.sounds.back(), (SoundRequest{SoundId::clear, SoundOp::Stop}));
    EXPECT_EQ(platform.sounds.front(), (SoundRequest{SoundId::coin, SoundOp::Play}));
}

TEST(HeadlessSoundLog, ShortRunsKeepEveryRequestInOrder) {
    HeadlessPlatform platform;
    platform.Sound(SoundId::op, SoundOp::PlayLooping);
    platform.Sound(SoundId::op, SoundOp::Stop);
    EXPECT_EQ(platform.sounds, (std::deque<SoundRequest>{{SoundId::op, SoundOp::PlayLooping},
                                                         {SoundId::op, SoundOp::Stop}}));
}

}  // namespace
}  // namespace tarn::game
