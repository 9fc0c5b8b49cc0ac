// Choosing SDL's video drivers and quieting the ALSA library.
#include "game/sdl/SdlDrivers.h"

#include <SDL.h>
#include <dlfcn.h>

#include <cstdlib>
#include <string_view>

namespace tarn::game {

namespace {

bool ShowsNothing(std::string_view driver) {
    return driver == "offscreen" || driver == "dummy" || driver == "evdev";
}

bool Set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// libwayland finds its socket below XDG_RUNTIME_DIR unless WAYLAND_DISPLAY is a path.
bool WaylandReachable() {
    const char* display = std::getenv("WAYLAND_DISPLAY");
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return (display != nullptr && display[0] == '/') || (runtime != nullptr && runtime[0] == '/');
}

// The ALSA library's error printer: file, line, function, error number, printf format.
using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
using AlsaSetErrorHandler = int (*)(AlsaErrorHandler);

void PrintNothing(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void OfferOnlyVisibleVideoDrivers() {
    if (Set("SDL_VIDEODRIVER")) {
        return;
    }
    std::string drivers;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const std::string_view name = SDL_GetVideoDriver(i);
        if (ShowsNothing(name) || (name == "wayland" && !WaylandReachable())) {
            continue;
        }
        drivers += (drivers.empty() ? "" : ",") + std::string(name);
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
}

std::string NoWindowReason(const std::string& sdlError) {
    if (Set("SDL_VIDEODRIVER")) {
        return sdlError;
    }
    if (!Set("DISPLAY") && !Set("WAYLAND_DISPLAY")) {
        return "no display to show it on (DISPLAY is not set); --headless runs the game "
               "without one";
    }
    const char* display = std::getenv("DISPLAY");
    return std::string("the display ") + (display != nullptr ? display : "") +
           " cannot be reached (" + sdlError + ")";
}

void QuietAudioLibrary() {
    // SDL opens the library itself when it tries ALSA; the handler set here stays with
    // the library as long as this handle keeps it loaded, so it is never closed.
    static void* const alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (alsa == nullptr) {
        return;
    }
    if (auto* setHandler =
            reinterpret_cast<AlsaSetErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) {
        setHandler(&PrintNothing);
    }
}

}  // namespace tarn::game
