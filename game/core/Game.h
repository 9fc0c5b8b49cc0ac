// Everything one run of the game holds, in parts with one job each: the state of play
// and its pictures, the view with the status strip, the control of the run, the stage
// folders and the loader. The flow hands each phase the parts it works on.
#pragma once

#include <filesystem>

#include "game/core/GameClock.h"
#include "game/core/GameState.h"
#include "game/core/Input.h"
#include "game/core/Layers.h"
#include "game/core/Platform.h"
#include "game/core/PlayServices.h"
#include "game/core/PlayerPictures.h"
#include "game/core/Rules.h"
#include "game/core/RunControl.h"
#include "game/core/Screen.h"
#include "game/core/StageFolders.h"
#include "game/core/StageLoader.h"
#include "support/ProgramPaths.h"

namespace tarn::art {
struct BuiltinPictures;
}

namespace tarn::game {

struct Game {
    Game(Platform& platform, GameClock& clock, InputSource& input, const art::BuiltinPictures& art,
         ProgramPaths paths);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Platform& platform;
    GameClock& clock;
    const art::BuiltinPictures& art;
    const ProgramPaths paths;          // the program folder and the user's folders
    const std::filesystem::path root;  // the program folder

    GameState state;
    Layers layers;
    PlayerPictures playerPictures;
    PlayServices services;  // clock, sounds and score texts for the rules
    FrameContext play;      // what a frame of play works on
    Screen screen;          // the view, the status strip and presenting
    RunControl run;         // input and held keys, requests, frame count and limit
    StageFolders folders;   // where stage files are read from
    StageLoader loader;     // the container and the background kept between loads
};

}  // namespace tarn::game
