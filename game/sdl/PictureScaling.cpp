// Placing and scaling the picture in the window.
#include "game/sdl/PictureScaling.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tarn::game {

namespace {

void ClearBorders(SDL_Surface* window, const Placement& at) {
    const Uint32 black = SDL_MapRGB(window->format, 0, 0, 0);
    const SDL_Rect borders[4] = {{0, 0, window->w, at.y},
                                 {0, at.y + at.height, window->w, window->h - at.y - at.height},
                                 {0, at.y, at.x, at.height},
                                 {at.x + at.width, at.y, window->w - at.x - at.width, at.height}};
    for (const SDL_Rect& border : borders) {
        if (border.w > 0 && border.h > 0) {
            SDL_FillRect(window, &border, black);
        }
    }
}

// Repeats each pixel and each row `factor` times: the same format on both sides.
void RepeatPixels(SDL_Surface* picture, SDL_Surface* window, const Placement& at, int factor,
                  int firstRow, int lastRow) {
    SDL_LockSurface(window);
    auto* out = static_cast<std::uint8_t*>(window->pixels);
    const auto windowRow = [&](int y) {
        return reinterpret_cast<std::uint32_t*>(out + std::size_t(at.y + y) *
                                                          std::size_t(window->pitch)) +
               at.x;
    };
    for (int y = firstRow; y <= lastRow; ++y) {
        const auto* in = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(picture->pixels) +
            std::size_t(y) * std::size_t(picture->pitch));
        std::uint32_t* first = windowRow(y * factor);
        if (factor == 1) {
            std::copy(in, in + kPictureWidth, first);
        } else if (factor == 2) {
            for (int x = 0; x < kPictureWidth; ++x) {
                first[2 * x] = in[x];
                first[2 * x + 1] = in[x];
            }
        } else {
            for (int x = 0; x < kPictureWidth; ++x) {
                std::fill(first + x * factor, first + (x + 1) * factor, in[x]);
            }
        }
        for (int r = 1; r < factor; ++r) {
            std::copy(first, first + kPictureWidth * factor, windowRow(y * factor + r));
        }
    }
    SDL_UnlockSurface(window);
}

// The whole-number factor at which the picture is drawn by repeating pixels, or 0.
int RepeatFactor(SDL_Surface* picture, SDL_Surface* window, const Placement& at, bool smooth) {
    const bool sameFormat = window->format->format == picture->format->format;
    const int factor = at.width / kPictureWidth;
    return !smooth && sameFormat && factor >= 1 && at.width == kPictureWidth * factor ? factor : 0;
}

}  // namespace

Placement PlacePicture(int windowWidth, int windowHeight, bool smooth) {
    double scale =
        std::min(double(windowWidth) / kPictureWidth, double(windowHeight) / kPictureHeight);
    if (!smooth && scale >= 1.0) {
        scale = std::floor(scale);
    }
    Placement at;
    at.width = std::max(1, int(kPictureWidth * scale));
    at.height = std::max(1, int(kPictureHeight * scale));
    at.x = (windowWidth - at.width) / 2;
    at.y = (windowHeight - at.height) / 2;
    return at;
}

void DrawPicture(SDL_Surface* picture, SDL_Surface* window, bool smooth) {
    const Placement at = PlacePicture(window->w, window->h, smooth);
    ClearBorders(window, at);
    if (const int factor = RepeatFactor(picture, window, at, smooth); factor > 0) {
        RepeatPixels(picture, window, at, factor, 0, kPictureHeight - 1);
        return;
    }
    const bool sameFormat = window->format->format == picture->format->format;
    SDL_Rect target{at.x, at.y, at.width, at.height};
    if (smooth && sameFormat && SDL_SoftStretchLinear(picture, nullptr, window, &target) == 0) {
        return;
    }
    SDL_BlitScaled(picture, nullptr, window, &target);
}

std::optional<SDL_Rect> DrawPictureRows(SDL_Surface* picture, SDL_Surface* window, bool smooth,
                                        int first, int last) {
    const Placement at = PlacePicture(window->w, window->h, smooth);
    const int factor = RepeatFactor(picture, window, at, smooth);
    if (factor == 0) {
        return std::nullopt;
    }
    first = std::max(first, 0);
    last = std::min(last, kPictureHeight - 1);
    if (first <= last) {
        RepeatPixels(picture, window, at, factor, first, last);
    }
    return SDL_Rect{at.x, at.y + first * factor, at.width, std::max(0, last - first + 1) * factor};
}

}  // namespace tarn::game
