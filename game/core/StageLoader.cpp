// The stage loader: stage file, loading line, background, maps and moving objects.
#include "game/core/StageLoader.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "assets/BuiltinArt.h"
#include "game/core/Session.h"
#include "game/core/StageMaps.h"
#include "support/MessageHook.h"
#include "support/PictureFile.h"

namespace tarn::game {

namespace {

constexpr int kPositionLimit = 1 << 16;
constexpr double kTimeLimit = 9999.0;  // the time bonus counts 100 units a second

// Clears a surface to one colour, keeping its memory when the size stays.
void ResetSurface(Surface& surface, int width, int height, std::uint32_t color) {
    if (surface.width() == width && surface.height() == height) {
        FillWhole(surface, color);
    } else {
        surface.Reset(width, height, color);
    }
}

void Fail(const std::string& text) {
    ShowMessage(text, "Tarn Ver2", MessageIcon::Error);
}

// Tiles the picture over the whole background; the last column and row overhang and are
// clipped.
void TileBackground(Surface& back, const Surface& tile) {
    for (int i = 0; i <= back.width() / tile.width(); ++i) {
        for (int j = 0; j <= back.height() / tile.height(); ++j) {
            BitBlt(back, i * tile.width(), j * tile.height(), tile.width(), tile.height(), tile, 0,
                   0);
        }
    }
}

// The background must be a file of bmp/ itself: a name with a separator, a NUL or a
// dot folder would reach pictures elsewhere.
bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

bool BuildBackground(Session& s, const std::filesystem::path& stagePath,
                     const std::string& tileName) {
    if (tileName.empty()) {
        Fail("The stage names no background picture.");
        return false;
    }
    if (!IsPlainFileName(tileName)) {
        Fail("The stage file " + stagePath.string() + " is damaged: its background \"" +
             PrintableText(tileName) + "\" is not the name of a picture in the bmp folder.");
        return false;
    }
    // BackPIC is only ever read after it has been composed, so the background of the
    // previous load serves again when the tile is the same.
    if (tileName == s.LoadedBackground && !s.layers.BackPIC.empty()) {
        return true;
    }
    s.LoadedBackground.clear();
    const auto tilePath = s.root / "bmp" / tileName;
    if (const auto status = LoadPicture(tilePath, s.BackB); status != PictureStatus::Ok) {
        Fail("Cannot load the background picture " + tilePath.string() + " (" + Describe(status) +
             ").");
        return false;
    }
    // std.bmp only gives the background its size: the tiles cover all of it.
    if (s.backgroundWidth == 0) {
        const auto stdPath = s.root / "bmp" / "std.bmp";
        Surface size;
        if (const auto status = LoadPicture(stdPath, size); status != PictureStatus::Ok) {
            Fail("Cannot load the picture " + stdPath.string() + " (" + Describe(status) + ").");
            return false;
        }
        s.backgroundWidth = size.width();
        s.backgroundHeight = size.height();
    }
    s.layers.BackPIC.Reset(s.backgroundWidth, s.backgroundHeight);
    TileBackground(s.layers.BackPIC, s.BackB);
    s.LoadedBackground = tileName;
    return true;
}

}  // namespace

void FillStage(GameState& state, Layers& layers, const art::BuiltinPictures& art,
               FrameServices& sounds, const GameStageText& text) {
    FillMaps(state, text.rows);
    FillWhole(layers.MainV, kBlack);
    ForEachLoadedCell(state.stage, [&](int col, int row, std::int32_t code) {
        if (code == Code(Chip::HiddenExtraLifeBlock)) {
            sounds.Sound(SoundId::oneUp, SoundOp::Play);
        }
        if (code != Code(Chip::Empty)) {
            RedrawCell(layers, art, col, row, code);
        }
    });
}

void NowLoading(Session& s, std::string_view title) {
    s.Print("now loading...(" + std::string(title) + ")");
    s.Refresh();
}

LoadResult ReadData(Session& s, const std::string& name, const std::string& title) {
    s.state.stage.CurrentStage = title;
    s.view.picture = Surface{};
    s.view.Cls();

    std::vector<std::uint8_t> plain;
    const auto path = s.StageDir / (name + ".tr2");
    const ContainerStatus status = ReadEncipheredFile(s.container, path, plain);
    if (status != ContainerStatus::Ok) {
        if (status != ContainerStatus::FileNotFound) {
            Fail("Cannot read the stage file " + path.string() + " (" + Describe(status) + ").");
        }
        return LoadResult::Failed;
    }
    const GameStageText text =
        ReadGameStage(std::string_view(reinterpret_cast<const char*>(plain.data()), plain.size()));
    if (text.lineCount == 0) {
        Fail("The stage file " + path.string() + " holds no stage.");
        return LoadResult::Failed;
    }
    s.status.STName = title + ":" + text.StageName;
    NowLoading(s, title);
    s.Pump();

    if (!BuildBackground(s, path, text.BackgroundName)) {
        return LoadResult::Failed;
    }
    Stage& st = s.state.stage;
    st.BackgroundName = text.BackgroundName;
    st.StageName = text.StageName;
    st.NextStage = text.NextStage;
    st.NextStage2 = text.NextStage2;
    // A damaged file may hold any number; keep positions and time where arithmetic on
    // them stays exact and every count-down ends.
    s.state.player.PlayerX = std::clamp(text.PlayerX, -kPositionLimit, kPositionLimit);
    s.state.player.PlayerY = std::clamp(text.PlayerY, -kPositionLimit, kPositionLimit);
    s.state.counters.TimeLeft =
        std::isnan(text.TimeLeft) ? 0.0 : std::clamp(text.TimeLeft, -kTimeLimit, kTimeLimit);
    if (s.layers.MainV.width() != kMapWidth || s.layers.MainV.height() != kMapHeight) {
        s.layers.MainV.Reset(kMapWidth, kMapHeight);  // FillStage clears it
    }
    ResetSurface(s.layers.MainMask, kMapWidth, kMapHeight, kWhite);
    FillStage(s.state, s.layers, s.art, s, text);

    ResetSurface(s.layers.PBuffer, kMapWidth + kPBufferMargin, kMapHeight + kPBufferMargin, kBlack);
    BitBlt(s.layers.PBuffer, 0, 0, s.layers.BackPIC.width(), s.layers.BackPIC.height(),
           s.layers.BackPIC, 0, 0);
    return LoadResult::Loaded;
}

}  // namespace tarn::game
