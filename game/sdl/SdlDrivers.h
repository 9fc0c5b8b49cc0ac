// What SDL is allowed to use, and what it may print. With no display SDL falls back to
// drivers that show nothing (offscreen, dummy), and the game would run unseen; with no
// sound card SDL's ALSA driver lets the ALSA library print its errors, a screenful before
// the game's own line that it runs silent.
#pragma once

#include <string>

namespace tarn::game {

// Unless the user names a video driver (SDL_VIDEODRIVER), offers SDL only the drivers
// that show a window, leaving out Wayland where it cannot connect anyway (no runtime
// folder), which would only print libwayland's complaint. Call before SDL_Init.
void OfferOnlyVisibleVideoDrivers();
// Why no window could be opened, in the player's words, from SDL's reason.
std::string NoWindowReason(const std::string& sdlError);
// Hands the ALSA library an error printer that prints nothing, when SDL may load it. Call
// before the audio subsystem starts.
void QuietAudioLibrary();

}  // namespace tarn::game
