// The stage loader `ReadData`: reads a stage file of the chosen stage folder, shows the
// loading line, fills the in-memory stage and composes the map pictures.
#pragma once

#include <string>
#include <string_view>

#include "game/core/GameState.h"
#include "support/StageText.h"

namespace tarn::art {
struct BuiltinPictures;
}

namespace tarn::game {

class Session;
struct Layers;
class FrameServices;

enum class LoadResult { Loaded, Failed };

// Loads stage `name` of the session's stage folder with `title` as its title. A missing
// or damaged stage file or background picture is reported to the user and gives Failed.
LoadResult ReadData(Session& session, const std::string& name, const std::string& title);

// The part of the load that needs no files: chip and pass maps, the object table (see
// FillMaps) and the map pictures from a read stage text. Starts the sound `1up` once per
// hidden extra-life block.
void FillStage(GameState& state, Layers& layers, const art::BuiltinPictures& art,
               FrameServices& sounds, const GameStageText& text);

// "now loading...(" title ")" at the view's print position.
void NowLoading(Session& session, std::string_view title);

}  // namespace tarn::game
