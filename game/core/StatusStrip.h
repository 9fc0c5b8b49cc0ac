// The status strip above the view: clock, frame rate, time, lives, coins, stage and score.
// Each label shows the value it was last given, and the game gives values only at fixed
// moments (the score and the clock when the view is presented, the coins after every frame
// with time left, the time and the frame rate once a second, the lives when a loop starts
// and after every frame), so the strip keeps those values and words them when it is drawn.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "support/Surface.h"

namespace tarn::art {
struct BuiltinPictures;
}

namespace tarn::game {

class TextPainter;

inline constexpr int kStripWidth = 640;
inline constexpr int kStripHeight = 16;
inline constexpr int kStripFontPoints = 12;

class StatusStrip {
  public:
    void SetTimeOfDay(std::string hhmmss) { timeOfDay_ = std::move(hhmmss); }
    // The frames started in the second just ended (or the target at start-up) and the target.
    void SetFrameRate(int frames, int targetFps);
    void SetTimeLeft(double timeLeft);
    void SetLives(std::int32_t lives) { lives_ = lives; }
    void SetCoins(std::int32_t coins) { coins_ = coins; }
    void SetScore(std::int32_t score) { score_ = score; }
    // "title:name" of the stage being loaded.
    void SetStage(const std::string& title, const std::string& stageName);
    // After all clear and game over: the time shows "0", the score 0 and the stage nothing;
    // after game over the coins show 0 as well.
    void ClearAfterGame(bool coinsToo);

    // The texts of the labels as drawn.
    const std::string& TimeOfDayText() const { return timeOfDay_; }
    std::string FrameRateText() const;  // "FPS XX/XX" before the first value
    std::string TimeLeftText() const;   // "time 000" before the first value
    std::string LivesText() const;      // "000" before the first value
    std::string CoinsText() const;      // "00" before the first value
    const std::string& StageText() const { return stage_; }
    std::string ScoreText() const { return std::to_string(score_); }

    bool operator==(const StatusStrip&) const = default;

  private:
    struct FrameRate {
        int frames = 0;
        int target = 0;
        bool operator==(const FrameRate&) const = default;
    };
    std::string timeOfDay_ = "00:00:00";
    std::optional<FrameRate> frameRate_;
    double timeLeft_ = 0;
    bool timeCleared_ = false;
    std::optional<std::int32_t> lives_;
    std::optional<std::int32_t> coins_;
    std::string stage_;
    std::int32_t score_ = 0;
};

// Draws the whole strip (640 x 16) with its labels and icons.
void DrawStatusStrip(Surface& strip, const StatusStrip& status, TextPainter& text,
                     const art::BuiltinPictures& art);

}  // namespace tarn::game
