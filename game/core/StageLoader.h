// The stage loader `ReadData`: reads a stage file of the chosen stage folder, shows the
// loading line, fills the in-memory stage and composes the map pictures.
#pragma once

#include <string>
#include <string_view>

#include "game/core/GameMessages.h"
#include "game/core/GameState.h"
#include "support/StageText.h"

namespace tarn::art {
struct BuiltinPictures;
}

namespace tarn::game {

class Session;
struct Layers;
class FrameServices;

// Loads stage `name` of the session's stage folder with `title` as its title. The
// failure says what was missing or damaged: the stage file (in the container's own words
// when the container has some), or the background picture.
Failure ReadData(Session& session, const std::string& name, const std::string& title);

// The part of the load that needs no files: chip and pass maps, the object table and the
// map pictures from a read stage text. Starts the sound `1up` once per code-22 cell.
void FillStage(GameState& state, Layers& layers, const art::BuiltinPictures& art,
               FrameServices& sounds, const GameStageText& text);

// Object kind and steps of a chip code that becomes a moving object; false for others.
struct ObjectStart {
    int kind = 0;
    int dx = 0;
    int dy = 0;
};
bool ObjectOfCode(int code, bool lowSpec, ObjectStart& start);

// "now loading...(" title ")" at the view's print position.
void NowLoading(Session& session, std::string_view title);

}  // namespace tarn::game
