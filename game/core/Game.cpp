// Putting the parts of a run together.
#include "game/core/Game.h"

#include <utility>

namespace tarn::game {

Game::Game(Platform& platformRef, GameClock& clockRef, InputSource& input,
           const art::BuiltinPictures& artRef, std::filesystem::path rootFolder)
    : platform(platformRef),
      clock(clockRef),
      art(artRef),
      root(std::move(rootFolder)),
      services(clock, platform, layers),
      play{state, layers, art, services, &playerPictures},
      screen(platform, art),
      run(input, services),
      loader(root) {}

}  // namespace tarn::game
