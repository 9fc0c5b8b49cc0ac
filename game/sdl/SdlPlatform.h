// The SDL2 platform: one window showing the status strip above the view, scaled with its
// aspect kept (whole-number scaling where it fits), full screen or windowed (Alt+Enter
// toggles), keys as virtual-key codes, a precise sleeping clock, and the audio device.
// The picture goes through the window surface: a plain copy, or a pixel-doubling one,
// costs less than a texture upload through a software OpenGL.
#pragma once

#include <SDL.h>

#include <chrono>
#include <memory>
#include <string>

#include "game/core/Platform.h"
#include "game/sdl/SdlAudio.h"

namespace tarn::game {

class SdlPlatform : public Platform {
  public:
    explicit SdlPlatform(bool windowed);
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    // False when no window could be made (the reason is in Error()).
    bool Ok() const { return frame_ != nullptr; }
    const std::string& Error() const { return error_; }
    SDL_Window* Window() const { return window_; }
    // The audio device and its mixer; null until the window is made.
    SdlAudio* Audio() const { return audio_.get(); }

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
    // window system) a panel in the window until Enter is pressed. Also written to
    // standard error.
    void ShowMessage(const UserMessage& message) override;

  private:
    void ToggleFullscreen();
    void Show();
    void ShowMessageInWindow(const std::string& text, const std::string& title);

    SDL_Window* window_ = nullptr;
    SDL_Surface* frame_ = nullptr;  // strip and view, 640 x 496, XRGB8888
    std::unique_ptr<SdlAudio> audio_;
    std::chrono::steady_clock::time_point start_;
    std::string error_;
    int colorDepth_ = 16;
    bool fullscreen_ = true;
    bool swallowReturnUp_ = false;
    bool quitPending_ = false;  // the window was closed while a message was shown
};

}  // namespace tarn::game
