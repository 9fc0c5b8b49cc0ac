// Shared keys and keys the game keeps for itself, as Optara points them out.
#include "settings/optara/KeyProblems.h"

#include <gtest/gtest.h>

#include "settings/DefaultSettings.h"

namespace tarn::optara {
namespace {

using Config = std::array<std::uint8_t, kSlotCount>;

bool Mentions(const KeyProblem& problem, const char* words) {
    return problem.text.find(words) != std::string::npos;
}

TEST(KeyProblemsTest, OneKeyOnTwoActionsIsOneProblemNamingBoth) {
    const auto problems = FindKeyProblems(Config{'J', 'J', 'Z', 38, 8, 'X'});
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].kind, KeyProblemKind::SameKeyTwice);
    EXPECT_EQ(problems[0].code, 'J');
    EXPECT_EQ(problems[0].keySlots, (std::vector<int>{0, 1}));
    EXPECT_TRUE(problems[0].NeedsConfirmation());
    EXPECT_EQ(problems[0].text, "右移動と左移動に同じキー「J」が割り当てられています");
}

TEST(KeyProblemsTest, ThreeActionsSharingAKeyAreListedTogether) {
    const auto problems = FindKeyProblems(Config{'J', 'A', 'J', 'J', 'B', 'C'});
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].keySlots, (std::vector<int>{0, 2, 3}));
    EXPECT_TRUE(Mentions(problems[0], "右移動・ダッシュとジャンプ")) << problems[0].text;
}

TEST(KeyProblemsTest, TwoPairsAreTwoProblems) {
    const auto problems = FindKeyProblems(Config{'J', 'J', 'K', 'K', 'B', 'C'});
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].code, 'J');
    EXPECT_EQ(problems[1].code, 'K');
}

TEST(KeyProblemsTest, FunctionKeysOfTheGameAreReserved) {
    const auto problems = FindKeyProblems(Config{39, 37, 90, 38, 122, 123});
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].kind, KeyProblemKind::ReservedByGame);
    EXPECT_EQ(problems[0].keySlots, (std::vector<int>{4}));
    EXPECT_TRUE(Mentions(problems[0], "自爆の「F 11」")) << problems[0].text;
    EXPECT_TRUE(Mentions(problems[0], "ゲームオーバー")) << problems[0].text;
    EXPECT_TRUE(Mentions(problems[1], "ゲームが終了")) << problems[1].text;
    EXPECT_TRUE(problems[1].NeedsConfirmation());
}

TEST(KeyProblemsTest, DigitsOneToNineChangeTheFrameRateAndZeroDoesNot) {
    for (int d = 1; d <= 9; ++d) {
        const auto problems = FindKeyProblems(Config{std::uint8_t('0' + d), 37, 90, 38, 8, 'X'});
        ASSERT_EQ(problems.size(), 1u) << d;
        EXPECT_EQ(problems[0].kind, KeyProblemKind::ReservedByGame);
        EXPECT_TRUE(Mentions(problems[0], (std::to_string(d * 10) + "に変わります").c_str()))
            << problems[0].text;
    }
    EXPECT_TRUE(FindKeyProblems(Config{'0', 37, 90, 38, 8, 'X'}).empty());
}

TEST(KeyProblemsTest, EnterIsReservedForEndingThePause) {
    const auto problems = FindKeyProblems(Config{39, 37, 90, 13, 8, 'X'});
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(Mentions(problems[0], "ポーズを解除")) << problems[0].text;
}

TEST(KeyProblemsTest, SpaceIsANoteThatNeedsNoConfirmation) {
    const auto problems = FindKeyProblems(Config{39, 37, 90, 32, 8, 'X'});
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].kind, KeyProblemKind::TurnsOffPause);
    EXPECT_FALSE(problems[0].NeedsConfirmation());
    EXPECT_TRUE(Mentions(problems[0], "ポーズできません")) << problems[0].text;
}

TEST(KeyProblemsTest, ReservedKeyOnTwoActionsIsBothProblems) {
    const auto problems = FindKeyProblems(Config{123, 123, 90, 38, 8, 'X'});
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].kind, KeyProblemKind::SameKeyTwice);
    EXPECT_EQ(problems[1].keySlots, (std::vector<int>{0}));
    EXPECT_EQ(problems[2].keySlots, (std::vector<int>{1}));
}

TEST(KeyProblemsTest, ShippedDefaultsNeedNoConfirmation) {
    for (const auto& config : DefaultKeyTable()) {
        for (const KeyProblem& problem : FindKeyProblems(config)) {
            EXPECT_FALSE(problem.NeedsConfirmation()) << problem.text;
        }
    }
}

}  // namespace
}  // namespace tarn::optara
