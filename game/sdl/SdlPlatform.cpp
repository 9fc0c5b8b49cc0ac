// The SDL2 window, keys, clock and presentation.
#include "game/sdl/SdlPlatform.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <thread>

#include "game/platform/FontText.h"
#include "game/platform/HeadlessPlatform.h"
#include "settings/VirtualKeys.h"

namespace tarn::game {

namespace {
constexpr int kWidth = 640;
constexpr int kStrip = 16;
constexpr int kHeight = kStrip + 480;
// Sleep until this close to a due time, then wait out the rest precisely.
constexpr auto kSpinMargin = std::chrono::microseconds(300);
}  // namespace

SdlPlatform::SdlPlatform(bool windowed) : start_(std::chrono::steady_clock::now()) {
    fullscreen_ = !windowed;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        error_ = SDL_GetError();
        return;
    }
    const Uint32 flags = Uint32(SDL_WINDOW_RESIZABLE) |
                         (fullscreen_ ? Uint32(SDL_WINDOW_FULLSCREEN_DESKTOP) : Uint32(0));
    window_ = SDL_CreateWindow("Tarn Ver2", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth,
                               kHeight, flags);
    if (window_ == nullptr) {
        error_ = SDL_GetError();
        return;
    }
    SDL_SetWindowMinimumSize(window_, kWidth / 2, kHeight / 2);
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (renderer_ == nullptr) {
        error_ = SDL_GetError();
        return;
    }
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                 kWidth, kHeight);
    if (texture_ == nullptr) {
        error_ = SDL_GetError();
        SDL_DestroyRenderer(renderer_);
        renderer_ = nullptr;
        return;
    }
    SDL_ShowCursor(fullscreen_ ? SDL_DISABLE : SDL_ENABLE);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderPresent(renderer_);
    audio_ = std::make_unique<SdlAudio>();
}

SdlPlatform::~SdlPlatform() {
    audio_.reset();
    if (texture_ != nullptr) {
        SDL_DestroyTexture(texture_);
    }
    if (renderer_ != nullptr) {
        SDL_DestroyRenderer(renderer_);
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
    const auto due = start_ + std::chrono::milliseconds(ms);
    if (std::chrono::steady_clock::now() + kSpinMargin < due) {
        std::this_thread::sleep_until(due - kSpinMargin);
    }
    while (std::chrono::steady_clock::now() < due) {
        std::this_thread::yield();
    }
}

void SdlPlatform::PollEvents(std::vector<InputEvent>& events) {
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
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                    e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                    Show();
                }
                break;
            default:
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

bool SdlPlatform::LoadSounds(const std::filesystem::path& soundFolder) {
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

TextPainter& SdlPlatform::Text() {
    return SharedFontText();
}

void SdlPlatform::Present(const Surface& statusStrip, const Surface& view) {
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) {
        return;
    }
    auto* bytes = static_cast<std::uint8_t*>(pixels);
    const auto copyRows = [&](const Surface& from, int top, int rows) {
        const int width = std::min(from.width(), kWidth);
        for (int y = 0; y < rows; ++y) {
            auto* line =
                reinterpret_cast<std::uint32_t*>(bytes + std::size_t(top + y) * std::size_t(pitch));
            if (y < from.height()) {
                const std::uint32_t* src = from.Row(y);
                for (int x = 0; x < width; ++x) {
                    line[x] = 0xFF000000u | src[x];
                }
                std::fill(line + width, line + kWidth, 0xFF000000u);
            } else {
                std::fill(line, line + kWidth, 0xFF000000u);
            }
        }
    };
    copyRows(statusStrip, 0, kStrip);
    copyRows(view, kStrip, kHeight - kStrip);
    SDL_UnlockTexture(texture_);
    Show();
}

void SdlPlatform::Show() {
    int outW = 0, outH = 0;
    SDL_GetRendererOutputSize(renderer_, &outW, &outH);
    double scale = std::min(double(outW) / kWidth, double(outH) / kHeight);
    if (scale >= 1.0) {
        scale = std::floor(scale);  // whole-number scaling where it fits
    }
    SDL_Rect dst;
    dst.w = int(kWidth * scale);
    dst.h = int(kHeight * scale);
    dst.x = (outW - dst.w) / 2;
    dst.y = (outH - dst.h) / 2;
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
    SDL_RenderPresent(renderer_);
}

void SdlPlatform::ToggleFullscreen() {
    fullscreen_ = !fullscreen_;
    SDL_SetWindowFullscreen(window_, fullscreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    SDL_ShowCursor(fullscreen_ ? SDL_DISABLE : SDL_ENABLE);
    Show();
}

}  // namespace tarn::game
