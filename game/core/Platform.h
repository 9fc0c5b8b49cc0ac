// The platform the game runs on: the millisecond clock, key events, the sounds, text
// drawing, showing a finished picture and showing messages. The SDL front end and the
// headless version implement it; the game itself never sees a toolkit type.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "game/core/FrameServices.h"
#include "game/core/GameMessages.h"
#include "support/Surface.h"

namespace tarn::game {

struct InputEvent {
    enum class Type : std::uint8_t { KeyDown, KeyUp, Click, Quit };
    Type type = Type::KeyDown;
    int code = 0;  // virtual-key code for key events
    bool operator==(const InputEvent&) const = default;
};

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
};

class Platform {
  public:
    virtual ~Platform() = default;

    // Milliseconds since some fixed start; never goes backwards.
    virtual std::uint32_t Clock() = 0;
    // Returns once Clock() has reached the given reading (at once when it has).
    virtual void WaitUntil(std::uint32_t ms) = 0;
    // Appends the key, click and quit events that arrived since the last call.
    virtual void PollEvents(std::vector<InputEvent>& events) = 0;
    // The wall-clock time of day as "hh:mm:ss".
    virtual std::string TimeOfDay() = 0;

    // Loads the 15 wave files of the folder; the failure names the first that failed.
    virtual Failure LoadSounds(const std::filesystem::path& soundFolder) = 0;
    virtual void Sound(SoundId id, SoundOp op) = 0;

    virtual TextPainter& Text() = 0;
    // The display mode's colour depth (8 or 16 bits per pixel).
    virtual void SetColorDepth(int bits) = 0;
    // Shows the 640 x 16 status strip above the 640 x 480 view.
    virtual void Present(const Surface& statusStrip, const Surface& view) = 0;
    // True when waits complete at once and nothing may block (no window, no user).
    virtual bool Headless() const = 0;
    // Shows a message to the player and returns once it has been seen. An empty title
    // shows the program's own.
    virtual void ShowMessage(const UserMessage& message) = 0;
};

}  // namespace tarn::game
