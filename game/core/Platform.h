// The platform the game runs on: the millisecond clock, the window's events, the sounds,
// text drawing, showing a finished picture and showing messages. The SDL front end and
// the headless version implement it; the game itself never sees a toolkit type.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "game/core/FrameServices.h"
#include "game/core/GameClock.h"
#include "game/core/GameMessages.h"
#include "game/core/Input.h"
#include "support/Surface.h"

namespace tarn::game {

// Draws texts in the view's font family at a size given in points.
class TextPainter {
  public:
    virtual ~TextPainter() = default;
    // Height of one printed line.
    virtual int LineHeight(int points) = 0;
    // Width of a text (UTF-8).
    virtual int TextWidth(std::string_view text, int points) = 0;
    // Draws a text with its top-left corner at (x, y); returns its width.
    virtual int Draw(Surface& target, int x, int y, std::string_view text, int points,
                     std::uint32_t color) = 0;
    // Draws the text as Draw() does, in the same place, and rings its letters with a
    // one-pixel outline of `outline`, so that it reads on any background.
    virtual int DrawOutlined(Surface& target, int x, int y, std::string_view text, int points,
                             std::uint32_t color, std::uint32_t outline) = 0;
};

// What a present shows, made when the platform asks for it: a platform that shows nothing
// asks for nothing, and the game does not draw what nobody sees.
class ShownFrame {
  public:
    virtual ~ShownFrame() = default;
    // The 640 x 16 status strip.
    virtual const Surface& Strip() = 0;
    // The 640 x 480 view as the display's colour depth shows it.
    virtual const Surface& ViewAtDepth() = 0;
};

// The platform's clock is the game's clock in live runs.
class Platform : public GameClock {
  public:
    // Lets the window's pending events run; appends the key, click and quit events that
    // arrived since the last call.
    virtual void PollEvents(std::vector<InputEvent>& events) = 0;
    // The wall-clock time of day as "hh:mm:ss".
    virtual std::string TimeOfDay() = 0;

    // Loads the 15 wave files of the folder; the failure names the first that failed.
    virtual Failure LoadSounds(const std::filesystem::path& soundFolder) = 0;
    virtual void Sound(SoundId id, SoundOp op) = 0;

    virtual TextPainter& Text() = 0;
    // The display mode's colour depth (8 or 16 bits per pixel).
    virtual void SetColorDepth(int bits) = 0;
    // Shows the status strip above the view, taking from the frame what it shows.
    virtual void Present(ShownFrame& frame) = 0;
    // Shows two finished surfaces.
    void Present(const Surface& statusStrip, const Surface& view);
    // Shows a message to the player and returns once it has been seen. An empty title
    // shows the program's own.
    virtual void ShowMessage(const UserMessage& message) = 0;
};

// The events of the platform's window, with or without a person at its keys (a run
// without a window has nobody to press one).
class PlatformInput : public InputSource {
  public:
    enum class Person { AtTheKeys, Nobody };
    PlatformInput(Platform& platform, Person person) : platform_(platform), person_(person) {}

    void Poll(std::uint64_t, std::vector<InputEvent>& events) override {
        platform_.PollEvents(events);
    }
    bool InputCanArrive() const override { return person_ == Person::AtTheKeys; }
    bool InputDueBefore(std::uint64_t) const override { return person_ == Person::AtTheKeys; }

  private:
    Platform& platform_;
    Person person_;
};

}  // namespace tarn::game
