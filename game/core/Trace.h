// --trace: what a player hears and reads, written a line per frame. The trace stands
// between the game and its platform, so it sees every sound request and every text the
// game prints (on the view, and the score texts on the composition picture); after each
// frame it notes the status strip's texts that changed. Line N holds what happened while N
// frames had started: frame N itself and whatever ran after it before frame N+1 (a pause,
// an outcome sequence, the next loader); line 0 what came before the first frame. Without
// --trace nothing of this is built. Texts printed piece by piece along one line (the
// outcome sequences print a letter at a time) are written as one.
//
//   12 sound jump01 rewind; sound jump01 play
//   900 text view 0,100 48 "CLEAR!!"; strip time "time 082"
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/core/Platform.h"
#include "game/core/RunControl.h"
#include "game/core/StatusStrip.h"

namespace tarn::game {

class Trace : public Platform, private TextPainter, public FrameObserver {
  public:
    Trace(Platform& platform, const std::filesystem::path& file);
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;
    bool Ok() const { return bool(out_); }

    // The run whose frames number the lines, and the strip to watch.
    void Follow(const RunControl& run, const StatusStrip& strip);
    // Texts printed on this surface are traced under `name`; others (the strip's own
    // drawing) are not.
    void Name(const Surface& target, std::string name);
    // Another observer, told after the trace.
    void Chain(FrameObserver* next) { next_ = next; }
    // Writes what is still pending and lets go of the run and the strip.
    void Finish();

    bool AfterFrame(std::uint64_t frame, const GameState& state) override;

    // Platform: passed through, sounds and texts noted on the way.
    std::uint32_t Clock() override { return platform_.Clock(); }
    void WaitUntil(std::uint32_t ms) override { platform_.WaitUntil(ms); }
    void PollEvents(std::vector<InputEvent>& events) override { platform_.PollEvents(events); }
    std::string TimeOfDay() override { return platform_.TimeOfDay(); }
    Failure LoadSounds(const std::filesystem::path& folder) override {
        return platform_.LoadSounds(folder);
    }
    void Sound(SoundId id, SoundOp op) override;
    TextPainter& Text() override { return *this; }
    void SetColorDepth(int bits) override { platform_.SetColorDepth(bits); }
    void Present(ShownFrame& frame) override { platform_.Present(frame); }
    using Platform::Present;
    void ShowMessage(const UserMessage& message) override { platform_.ShowMessage(message); }

  private:
    // TextPainter
    int LineHeight(int points) override { return platform_.Text().LineHeight(points); }
    int TextWidth(std::string_view text, int points) override {
        return platform_.Text().TextWidth(text, points);
    }
    int Draw(Surface& target, int x, int y, std::string_view text, int points,
             std::uint32_t color) override;
    int DrawOutlined(Surface& target, int x, int y, std::string_view text, int points,
                     std::uint32_t color, std::uint32_t outline) override;

    void NoteText(const Surface& target, int x, int y, std::string_view text, int points,
                  int width);
    void FlushText();
    void NoteStrip();
    void Note(std::string item);
    void Roll();
    void WriteLine();

    Platform& platform_;
    std::ofstream out_;
    const RunControl* run_ = nullptr;
    const StatusStrip* strip_ = nullptr;
    FrameObserver* next_ = nullptr;
    std::map<const Surface*, std::string> names_;
    std::map<std::string, std::string> stripShown_;  // label -> text last written
    std::uint64_t line_ = 0;
    bool lineWritten_ = false;
    std::vector<std::string> items_;
    // The text being printed along a line, until something else comes.
    struct TextRun {
        const std::string* surface = nullptr;
        int x = 0, y = 0, points = 0, end = 0;
        std::string text;
    };
    std::optional<TextRun> text_;
};

}  // namespace tarn::game
