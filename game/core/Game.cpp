// Putting the parts of a run together.
#include "game/core/Game.h"

#include <utility>

namespace tarn::game {

Game::Game(Platform& platformRef, GameClock& clockRef, InputSource& input,
           const art::BuiltinPictures& artRef, ProgramPaths programPaths)
    : platform(platformRef),
      clock(clockRef),
      art(artRef),
      paths(std::move(programPaths)),
      root(paths.programFolder),
      services(clock, platform, layers),
      play{state, layers, art, services, &playerPictures},
      screen(platform, art),
      run(input, services),
      loader(root) {}

}  // namespace tarn::game
