// The SDL2 platform: one resizable window showing the status strip above the view, scaled
// to fit (PictureScaling.h), full screen or windowed (Alt+Enter toggles), keys as
// virtual-key codes, game controllers as pad events, a precise sleeping clock, and the
// audio device. The picture goes through the window surface: a plain copy, or a
// pixel-doubling one, costs less than a texture upload through a software OpenGL.
#pragma once

#include <SDL.h>

#include <chrono>
#include <memory>
#include <string>

#include "game/core/Platform.h"
#include "game/sdl/SdlAudio.h"
#include "game/sdl/SdlGamepads.h"

namespace tarn::game {

// How the window starts.
struct WindowChoice {
    bool windowed = false;
    int width = 0;  // 0 x 0: the picture's own size
    int height = 0;
    bool smoothScaling = false;
};

class SdlPlatform : public Platform {
  public:
    explicit SdlPlatform(const WindowChoice& choice);
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    // False when no window could be made (the reason is in Error()).
    bool Ok() const { return frame_ != nullptr; }
    const std::string& Error() const { return error_; }
    SDL_Window* Window() const { return window_; }
    // The window's size when it was last shown in a window rather than full screen (the
    // remembered size, or 0 x 0, while it never was).
    int WindowedWidth() const { return windowedWidth_; }
    int WindowedHeight() const { return windowedHeight_; }
    // The audio device and its mixer; null until the window is made.
    SdlAudio* Audio() const { return audio_.get(); }
    // The game controllers; null until the window is made.
    SdlGamepads* Gamepads() const { return gamepads_.get(); }
    // Music and effects volume, each 0..100.
    void SetVolumes(int music, int effects);

    std::uint32_t Clock() override;
    void WaitUntil(std::uint32_t ms) override;
    void PollEvents(std::vector<InputEvent>& events) override;
    std::string TimeOfDay() override;
    Failure LoadSounds(const std::filesystem::path& soundFolder) override;
    void Sound(SoundId id, SoundOp op) override;
    TextPainter& Text() override;
    void SetColorDepth(int bits) override { colorDepth_ = bits; }
    void Present(ShownFrame& frame) override;
    using Platform::Present;
    // SDL's message box beside a window, else (full screen, or no message box on this
    // window system) a panel in the window until Enter (or a gamepad's bottom, right or
    // Start button) is pressed. Also written to standard error.
    void ShowMessage(const UserMessage& message) override;

    // Presents every row of every picture into the window, whether it changed or not (for
    // tests and benchmarks that compare with presenting only the rows that changed).
    bool presentAll = false;

  private:
    // The window surface the whole picture was last drawn into.
    struct ShownSurface {
        SDL_Surface* surface = nullptr;
        int width = 0, height = 0;
        bool operator==(const ShownSurface&) const = default;
    };
    void ToggleFullscreen();
    void NoteWindowedSize();
    // Draws the whole picture into the window.
    void Show();
    // Draws the picture's rows first..last into the window where the rest is already there.
    void ShowRows(int first, int last);
    void ShowMessageInWindow(const std::string& text, const std::string& title);

    SDL_Window* window_ = nullptr;
    SDL_Surface* frame_ = nullptr;  // strip and view, 640 x 496, XRGB8888
    std::unique_ptr<SdlAudio> audio_;
    std::unique_ptr<SdlGamepads> gamepads_;
    std::chrono::steady_clock::time_point start_;
    std::string error_;
    int colorDepth_ = 16;
    bool fullscreen_ = true;
    bool smooth_ = false;
    int windowedWidth_ = 0;
    int windowedHeight_ = 0;
    bool swallowReturnUp_ = false;
    bool quitPending_ = false;  // the window was closed while a message was shown
    ShownSurface shown_;
};

}  // namespace tarn::game
