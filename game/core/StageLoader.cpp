// The stage loader: stage file, loading line, background, maps and moving objects.
#include "game/core/StageLoader.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "assets/BuiltinArt.h"
#include "game/core/Rules.h"
#include "game/core/RunControl.h"
#include "game/core/Screen.h"
#include "game/core/StageFolders.h"
#include "game/core/StageMaps.h"
#include "support/FileNames.h"
#include "support/PictureFile.h"
#include "support/UserText.h"

namespace tarn::game {

namespace {

constexpr int kPositionLimit = 1 << 16;
constexpr double kTimeLimit = 9999.0;  // the time bonus counts 100 units a second

// Tiles the picture over the whole background; the last column and row overhang and are
// clipped. The first band of rows is tiled, and every later row copies the row one tile
// height above it, in one block.
void TileBackground(Surface& back, const Surface& tile) {
    if (tile.empty()) {
        return;
    }
    const int width = back.width();
    const int band = std::min(tile.height(), back.height());
    for (int y = 0; y < band; ++y) {
        std::uint32_t* out = back.Row(y);
        const std::uint32_t* in = tile.Row(y);
        for (int x = 0; x < width; x += tile.width()) {
            std::copy(in, in + std::min(tile.width(), width - x), out + x);
        }
    }
    for (int y = band; y < back.height(); ++y) {
        std::copy(back.Row(y - band), back.Row(y - band) + width, back.Row(y));
    }
}

}  // namespace

void FillStage(GameState& state, Layers& layers, const art::BuiltinPictures& art,
               FrameServices& sounds, const GameStageText& text) {
    FillMaps(state, text.rows);
    std::vector<std::int32_t> codes(std::size_t(kChipColumns * kChipRows), kNoChip);
    ForEachLoadedCell(state.stage, [&](int col, int row, std::int32_t code) {
        if (code == Code(Chip::HiddenExtraLifeBlock)) {
            sounds.Sound(SoundId::oneUp, SoundOp::Play);
        }
        if (code != Code(Chip::Empty)) {
            codes[std::size_t(row * kChipColumns + col)] = code;
        }
    });
    DrawMapLayers(layers, art, codes);
}

void NowLoading(Screen& screen, std::string_view title) {
    screen.Print("now loading...(" + std::string(title) + ")");
    screen.Refresh();
}

StageLoader::StageLoader(std::filesystem::path programFolder) : root_(std::move(programFolder)) {}

Failure StageLoader::BuildBackground(Layers& layers, const std::string& tileName) {
    if (tileName.empty()) {
        return Fail("The stage names no background picture.");
    }
    // BackPIC is only ever read after it has been composed, so the background of the
    // previous load serves again when the tile is the same.
    if (tileName == LoadedBackground && !layers.BackPIC.empty()) {
        return std::nullopt;
    }
    LoadedBackground.clear();
    const auto tilePath = root_ / "bmp" / tileName;
    if (const auto status = LoadPicture(tilePath, BackB); status != PictureStatus::Ok) {
        return Fail("Cannot load the background picture " + ShownPath(tilePath) + " (" +
                    Describe(status) + ").");
    }
    // std.bmp only gives the background its size: the tiles cover all of it.
    if (backgroundWidth_ == 0) {
        const auto stdPath = root_ / "bmp" / "std.bmp";
        Surface size;
        if (const auto status = LoadPicture(stdPath, size); status != PictureStatus::Ok) {
            return Fail("Cannot load the picture " + ShownPath(stdPath) + " (" + Describe(status) +
                        ").");
        }
        backgroundWidth_ = size.width();
        backgroundHeight_ = size.height();
    }
    if (layers.BackPIC.width() != backgroundWidth_ ||
        layers.BackPIC.height() != backgroundHeight_) {
        layers.BackPIC.Reset(backgroundWidth_, backgroundHeight_);
    }
    TileBackground(layers.BackPIC, BackB);
    LoadedBackground = tileName;
    return std::nullopt;
}

Failure StageLoader::ReadData(const std::string& name, const std::string& title, FrameContext& play,
                              Screen& screen, RunControl& run, const StageFolders& folders) {
    GameState& state = play.state;
    Layers& layers = play.layers;
    state.stage.CurrentStage = title;
    layers.kept.Stop();  // until PBuffer is composed anew
    screen.view.picture = Surface{};
    screen.view.Cls();

    // Only a file of the stage folder itself is a stage.
    if (!IsPlainFileName(name + ".tr2")) {
        return Fail("There is no stage named \"" + Excerpt(name) + "\" in the stage folder.");
    }
    std::vector<std::uint8_t> plain;
    const auto path = folders.StageFile(name);
    FileReason why;
    const ContainerStatus status = ReadEncipheredFile(container_, path, plain, &why);
    if (status != ContainerStatus::Ok) {
        if (auto message = container_.MessageFor(status, path)) {
            return message;
        }
        return Fail("Cannot read the stage file " + ShownPath(path) + " (" + Describe(status, why) +
                    ").");
    }
    const std::string_view plainText(reinterpret_cast<const char*>(plain.data()), plain.size());
    const GameStageText text = ReadGameStage(plainText);
    if (text.lineCount == 0) {
        return Fail("The stage file " + ShownPath(path) + " holds no stage.");
    }
    if (const auto problems = CheckStageFields(plainText); !problems.empty()) {
        return Fail("The stage file " + ShownPath(path) + " is damaged: line " +
                    std::to_string(problems.front().line) + ": " + problems.front().message + ".");
    }
    screen.strip.SetStage(title, text.StageName);
    NowLoading(screen, title);
    run.Pump(state);

    if (auto failure = BuildBackground(layers, text.BackgroundName)) {
        return failure;
    }
    Stage& st = state.stage;
    st.BackgroundName = text.BackgroundName;
    st.StageName = text.StageName;
    st.NextStage = text.NextStage;
    st.NextStage2 = text.NextStage2;
    // A damaged file may hold any number; keep positions and time where arithmetic on
    // them stays exact and every count-down ends.
    state.player.PlayerX = std::clamp(text.PlayerX, -kPositionLimit, kPositionLimit);
    state.player.PlayerY = std::clamp(text.PlayerY, -kPositionLimit, kPositionLimit);
    state.counters.TimeLeft =
        std::isnan(text.TimeLeft) ? 0.0 : std::clamp(text.TimeLeft, -kTimeLimit, kTimeLimit);
    FillStage(state, layers, play.art, play.services, text);

    if (layers.PBuffer.width() != kMapWidth + kPBufferMargin ||
        layers.PBuffer.height() != kMapHeight + kPBufferMargin) {
        layers.PBuffer.Reset(kMapWidth + kPBufferMargin, kMapHeight + kPBufferMargin);
    }
    // The first frame moves the view to the player; a frame that ends before that leaves
    // it where a new main loop puts it.
    const LoopState start;
    ComposeAndStartKeeping(
        layers,
        {std::clamp(state.player.PlayerX - kViewFollowX, 0, kViewLimitX),
         std::clamp(state.player.PlayerY - kViewFollowY, 0, kViewLimitY), kViewSpanX, kViewSpanY},
        {start.ViewX, start.ViewY, kViewSpanX, kViewSpanY});
    return std::nullopt;
}

}  // namespace tarn::game
