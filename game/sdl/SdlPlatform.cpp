// The SDL2 window, keys, clock and presentation.
#include "game/sdl/SdlPlatform.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <iostream>
#include <thread>

#include "game/platform/FontText.h"
#include "game/platform/SoundFolder.h"
#include "game/sdl/MessagePanel.h"
#include "game/sdl/PictureScaling.h"
#include "game/sdl/SdlDrivers.h"
#include "settings/VirtualKeys.h"

namespace tarn::game {

namespace {
constexpr int kWidth = kPictureWidth;
constexpr int kStrip = 16;
constexpr int kHeight = kPictureHeight;

// The remembered size, kept between half the picture's size and the screen's; else the
// picture's own size.
SDL_Point StartingSize(const WindowChoice& choice) {
    SDL_Point size{choice.width > 0 ? choice.width : kWidth,
                   choice.height > 0 ? choice.height : kHeight};
    if (SDL_Rect usable; SDL_GetDisplayUsableBounds(0, &usable) == 0) {
        size.x = std::min(size.x, std::max(usable.w, kWidth / 2));
        size.y = std::min(size.y, std::max(usable.h, kHeight / 2));
    }
    return SDL_Point{std::max(size.x, kWidth / 2), std::max(size.y, kHeight / 2)};
}

// A gamepad player ends a message with the buttons that choose in the menu, or Start.
bool DismissesMessage(const std::vector<InputEvent>& pad) {
    return std::any_of(pad.begin(), pad.end(), [](const InputEvent& e) {
        const auto button = PadButton(e.code);
        return e.type == InputEvent::Type::PadDown &&
               (button == PadButton::South || button == PadButton::East ||
                button == PadButton::Start);
    });
}

}  // namespace

SdlPlatform::SdlPlatform(const WindowChoice& choice)
    : start_(std::chrono::steady_clock::now()),
      fullscreen_(!choice.windowed),
      smooth_(choice.smoothScaling) {
    // The window surface is written directly; emulating it through OpenGL only adds work.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    OfferOnlyVisibleVideoDrivers();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        error_ = NoWindowReason(SDL_GetError());
        return;
    }
    const Uint32 flags = Uint32(SDL_WINDOW_RESIZABLE) |
                         (fullscreen_ ? Uint32(SDL_WINDOW_FULLSCREEN_DESKTOP) : Uint32(0));
    const SDL_Point size = StartingSize(choice);
    window_ = SDL_CreateWindow(kProgramTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               size.x, size.y, flags);
    if (window_ == nullptr) {
        error_ = SDL_GetError();
        return;
    }
    SDL_SetWindowMinimumSize(window_, kWidth / 2, kHeight / 2);
    windowedWidth_ = choice.width;
    windowedHeight_ = choice.height;
    NoteWindowedSize();
    if (SDL_GetWindowSurface(window_) == nullptr) {
        error_ = SDL_GetError();
        return;
    }
    frame_ = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_RGB888);
    if (frame_ == nullptr) {
        error_ = SDL_GetError();
        return;
    }
    SDL_FillRect(frame_, nullptr, 0);
    SDL_ShowCursor(fullscreen_ ? SDL_DISABLE : SDL_ENABLE);
    Show();
    audio_ = std::make_unique<SdlAudio>();
    gamepads_ = std::make_unique<SdlGamepads>();
}

SdlPlatform::~SdlPlatform() {
    gamepads_.reset();
    audio_.reset();
    if (frame_ != nullptr) {
        SDL_FreeSurface(frame_);
    }
    if (window_ != nullptr) {
        SDL_DestroyWindow(window_);
    }
    SDL_Quit();
}

std::uint32_t SdlPlatform::Clock() {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return std::uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void SdlPlatform::WaitUntil(std::uint32_t ms) {
    // The reading wraps around at 2^32 ms: the wait is the distance ahead of the clock.
    const std::int32_t ahead = std::int32_t(ms - Clock());
    if (ahead <= 0) {
        return;
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start_);
    // One sleep to the due time: the system wakes the thread a few tens of microseconds
    // late at most, well inside the clock's millisecond, and spinning out the last part
    // would cost more processor time than a whole paused second otherwise does.
    std::this_thread::sleep_until(start_ + elapsed + std::chrono::milliseconds(ahead));
}

void SdlPlatform::PollEvents(std::vector<InputEvent>& events) {
    if (quitPending_) {
        quitPending_ = false;
        events.push_back({InputEvent::Type::Quit, 0});
    }
    SDL_Event e;
    while (SDL_PollEvent(&e) != 0) {
        switch (e.type) {
            case SDL_QUIT:
                events.push_back({InputEvent::Type::Quit, 0});
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP: {
                const bool down = e.type == SDL_KEYDOWN;
                const SDL_Scancode scancode = e.key.keysym.scancode;
                const bool isReturn =
                    scancode == SDL_SCANCODE_RETURN || scancode == SDL_SCANCODE_KP_ENTER;
                if (down && isReturn && (e.key.keysym.mod & KMOD_ALT) != 0) {
                    if (e.key.repeat == 0) {
                        ToggleFullscreen();
                    }
                    swallowReturnUp_ = true;
                    break;
                }
                if (!down && isReturn && swallowReturnUp_) {
                    swallowReturnUp_ = false;
                    break;
                }
                vk::PlatformKey key;
                key.usbUsage = std::uint32_t(scancode);
                key.x11Keysym = 0;
                if (const auto code = vk::FromPlatformKey(key)) {
                    events.push_back(
                        {down ? InputEvent::Type::KeyDown : InputEvent::Type::KeyUp, *code});
                }
                break;
            }
            case SDL_MOUSEBUTTONDOWN:
                events.push_back({InputEvent::Type::Click, 0});
                break;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                    NoteWindowedSize();
                }
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                    e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                    e.window.event == SDL_WINDOWEVENT_RESIZED) {
                    Show();
                }
                break;
            default:
                if (gamepads_) {
                    gamepads_->Handle(e, events);
                }
                break;
        }
    }
}

std::string SdlPlatform::TimeOfDay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

Failure SdlPlatform::LoadSounds(const std::filesystem::path& soundFolder) {
    return LoadSoundFolder(soundFolder, [&](SoundId id, const Wave& wave) {
        if (audio_) {
            audio_->SetWave(id, wave);
        }
    });
}

void SdlPlatform::Sound(SoundId id, SoundOp op) {
    if (audio_) {
        audio_->Apply(id, op);
    }
}

void SdlPlatform::SetVolumes(int music, int effects) {
    if (audio_) {
        audio_->mixer().SetVolumes(music, effects);
    }
}

TextPainter& SdlPlatform::Text() {
    return SharedFontText();
}

void SdlPlatform::Present(ShownFrame& frame) {
    auto* bytes = static_cast<std::uint8_t*>(frame_->pixels);
    // The rows that differ from the picture in the window, first and last.
    int first = kHeight;
    int last = -1;
    const auto changed = [&](int row) {
        first = std::min(first, row);
        last = std::max(last, row);
    };
    const auto copyRows = [&](const Surface& from, int top, int rows) {
        const int width = std::min(from.width(), kWidth);
        for (int y = 0; y < rows; ++y) {
            auto* line = reinterpret_cast<std::uint32_t*>(bytes + std::size_t(top + y) *
                                                                      std::size_t(frame_->pitch));
            if (y < from.height() && width == kWidth) {
                // Comparing reads what a copy would, and most rows of a still view match.
                if (presentAll || std::memcmp(from.Row(y), line, kWidth * 4) != 0) {
                    std::memcpy(line, from.Row(y), kWidth * 4);
                    changed(top + y);
                }
            } else if (y < from.height()) {
                std::copy(from.Row(y), from.Row(y) + width, line);
                std::fill(line + width, line + kWidth, 0u);
                changed(top + y);
            } else {
                std::fill(line, line + kWidth, 0u);
                changed(top + y);
            }
        }
    };
    copyRows(frame.Strip(), 0, kStrip);
    copyRows(frame.ViewAtDepth(), kStrip, kHeight - kStrip);
    if (presentAll) {
        Show();
    } else if (last >= first) {
        ShowRows(first, last);
    }
}

void SdlPlatform::Show() {
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    shown_ = {};
    if (target == nullptr) {
        return;
    }
    DrawPicture(frame_, target, smooth_);
    SDL_UpdateWindowSurface(window_);
    shown_ = {target, target->w, target->h};
}

void SdlPlatform::ShowRows(int first, int last) {
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    // A window surface made anew since the whole picture was drawn holds none of it.
    if (target == nullptr || !(ShownSurface{target, target->w, target->h} == shown_)) {
        Show();
        return;
    }
    const auto rows = DrawPictureRows(frame_, target, smooth_, first, last);
    if (!rows) {
        Show();
        return;
    }
    SDL_UpdateWindowSurfaceRects(window_, &*rows, 1);
}

void SdlPlatform::NoteWindowedSize() {
    const Uint32 flags = SDL_GetWindowFlags(window_);
    if (fullscreen_ || (flags & (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_MAXIMIZED)) != 0) {
        return;  // the size the player chose is the one to come back to
    }
    SDL_GetWindowSize(window_, &windowedWidth_, &windowedHeight_);
}

void SdlPlatform::ToggleFullscreen() {
    fullscreen_ = !fullscreen_;
    SDL_SetWindowFullscreen(window_, fullscreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    SDL_ShowCursor(fullscreen_ ? SDL_DISABLE : SDL_ENABLE);
    Show();
}

void SdlPlatform::ShowMessage(const UserMessage& message) {
    const std::string& text = message.text;
    const std::string caption = message.title.empty() ? std::string(kProgramTitle) : message.title;
    std::cerr << caption << ": " << text << "\n";
    // A message box beside a full-screen window could stay hidden behind it.
    if (!fullscreen_ && SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(),
                                                 text.c_str(), window_) == 0) {
        return;
    }
    ShowMessageInWindow(text, caption);
}

void SdlPlatform::ShowMessageInWindow(const std::string& text, const std::string& title) {
    auto* bytes = static_cast<std::uint8_t*>(frame_->pixels);
    const auto row = [&](int y) {
        return reinterpret_cast<std::uint32_t*>(bytes +
                                                std::size_t(y) * std::size_t(frame_->pitch));
    };
    Surface view(kWidth, kHeight - kStrip);
    for (int y = 0; y < view.height(); ++y) {
        std::copy(row(kStrip + y), row(kStrip + y) + kWidth, view.Row(y));
    }
    const Surface shown = view;
    DrawMessagePanel(view, Text(), title, text);
    const auto put = [&](const Surface& from) {
        for (int y = 0; y < from.height(); ++y) {
            std::copy(from.Row(y), from.Row(y) + kWidth, row(kStrip + y));
        }
        Show();
    };
    put(view);
    // Only a fresh press ends the message: a key still held from before repeats.
    for (;;) {
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, 250) == 0) {
            continue;
        }
        // Closing the window or releasing F12 ends the game once the message is gone.
        if (e.type == SDL_QUIT ||
            (e.type == SDL_KEYUP && e.key.keysym.scancode == SDL_SCANCODE_F12)) {
            quitPending_ = true;
            break;
        }
        if (e.type == SDL_WINDOWEVENT) {
            Show();
            continue;
        }
        if (std::vector<InputEvent> pad; gamepads_ && gamepads_->Handle(e, pad)) {
            if (DismissesMessage(pad)) {
                break;
            }
            continue;
        }
        if (e.type != SDL_KEYDOWN || e.key.repeat != 0) {
            continue;
        }
        const SDL_Scancode key = e.key.keysym.scancode;
        const bool isReturn = key == SDL_SCANCODE_RETURN || key == SDL_SCANCODE_KP_ENTER;
        if (isReturn && (e.key.keysym.mod & KMOD_ALT) != 0) {
            ToggleFullscreen();
            swallowReturnUp_ = true;
        } else if (isReturn || key == SDL_SCANCODE_ESCAPE || key == SDL_SCANCODE_SPACE) {
            break;
        }
    }
    put(shown);
}

}  // namespace tarn::game
