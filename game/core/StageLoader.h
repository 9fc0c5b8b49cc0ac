// The stage loader `ReadData`: reads a stage file of the chosen stage folder, shows the
// loading line, fills the in-memory stage and composes the map pictures.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "game/core/GameMessages.h"
#include "game/core/GameState.h"
#include "support/BinAngsDL.h"
#include "support/StageText.h"
#include "support/Surface.h"

namespace tarn::art {
struct BuiltinPictures;
}

namespace tarn::game {

struct Layers;
class FrameServices;
struct FrameContext;
class Screen;
class RunControl;
struct StageFolders;

// The loader with what it keeps between loads: its container, and the background it
// composed last, tiled from the work picture `BackB`.
class StageLoader {
  public:
    explicit StageLoader(std::filesystem::path programFolder);

    // Loads stage `name` of the chosen stage folder with `title` as its title: shows the
    // loading line, lets events run once, fills the stage and composes its pictures. The
    // failure says what was missing or damaged: the stage file (in the container's own
    // words when the container has some), or the background picture.
    Failure ReadData(const std::string& name, const std::string& title, FrameContext& play,
                     Screen& screen, RunControl& run, const StageFolders& folders);
    // The next load composes its background anew even when its tile stays the same.
    void ForgetBackground() { LoadedBackground.clear(); }

  private:
    Failure BuildBackground(Layers& layers, const std::string& tileName);

    std::filesystem::path root_;  // the program folder
    BinAngsDL container_;
    Surface BackB;
    std::string LoadedBackground;  // tile name of the background composed in BackPIC
    int backgroundWidth_ = 0;      // the size of bmp/std.bmp, read once
    int backgroundHeight_ = 0;
};

// The part of the load that needs no files: chip and pass maps, the object table (see
// FillMaps) and the map pictures from a read stage text. Starts the sound `1up` once per
// hidden extra-life block.
void FillStage(GameState& state, Layers& layers, const art::BuiltinPictures& art,
               FrameServices& sounds, const GameStageText& text);

// "now loading...(" title ")" at the view's print position.
void NowLoading(Screen& screen, std::string_view title);

}  // namespace tarn::game
