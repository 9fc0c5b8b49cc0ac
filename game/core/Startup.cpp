// The start-up sequence of the game window.
#include "game/core/Startup.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "game/core/Game.h"
#include "support/PictureFile.h"
#include "support/UserText.h"

namespace tarn::game {

namespace {

Failure LoadPlayerPicture(const std::filesystem::path& path, Surface& picture) {
    if (const auto status = LoadPicture(path, picture); status != PictureStatus::Ok) {
        return Fail("Cannot load the player picture " + ShownPath(path) + " (" + Describe(status) +
                    ").");
    }
    return std::nullopt;
}

}  // namespace

Failure Startup(Game& game, SettingsBuild build, bool needStageFolder) {
    GameState& st = game.state;
    game.screen.ShowTimeOfDay();
    game.folders.StageDir = game.root / "data" / "";
    st.ConfigNo = 0;
    st.bindings = KeyBindings{};
    st.bindings.KeyGiveUp = 0;
    st.bindings.KeyPower = 0;

    // In an install the user's copy, which Optara writes, wins over the shipped file.
    const auto settingsPath = game.paths.ConfigFileToRead(SettingsFileName(build));
    GameSettings settings;
    SettingsWarnings warnings;
    if (const auto status = ReadGameSettings(settingsPath, settings, warnings);
        status != SettingsStatus::Ok) {
        return Fail(SettingsMessage(status, settingsPath));
    }
    for (const UserMessage& warning : warnings) {
        game.screen.ShowMessage(warning);
    }
    st.KeyTable = settings.KeyTable;
    st.TargetFps = settings.TargetFps;
    st.ColorDepth = settings.ColorDepth;
    game.screen.strip.SetFrameRate(st.TargetFps, st.TargetFps);
    game.screen.SetColorDepth(st.ColorDepth);

    for (int i = 0; i < 8; ++i) {
        if (auto failure =
                LoadPlayerPicture(game.root / "me" / ("---" + std::to_string(i) + ".bmp"),
                                  game.playerPictures.MyPic[std::size_t(i)])) {
            return failure;
        }
    }
    if (auto failure =
            LoadPlayerPicture(game.root / "me" / "---a.bmp", game.playerPictures.MyPicAt)) {
        return failure;
    }
    game.layers.MainV.Reset(kMapWidth, kMapHeight);
    game.layers.BackPIC.Reset(kMapWidth, kMapHeight);
    game.layers.MainMask.Reset(kMapWidth, kMapHeight, kWhite);
    game.layers.PBuffer.Reset(kMapWidth, kMapHeight);

    if (auto failure = game.platform.LoadSounds(game.root / "sound")) {
        return failure;
    }
    game.run.Pump(st);
    game.screen.Refresh();

    StageFolders& folders = game.folders;
    std::error_code listError;
    folders.StageDirs = ListStageFolders(game.paths.StageFolderRoots(), &listError);
    if (folders.StageDirs.empty() && !needStageFolder) {
        return std::nullopt;
    }
    if (folders.StageDirs.empty() && listError &&
        listError != std::errc::no_such_file_or_directory) {
        return Fail("Cannot read the folder " + ShownPath(game.root / "data") + " (" +
                    listError.message() + "). The game needs its folders of stage files.");
    }
    if (folders.StageDirs.empty()) {
        std::string where;
        for (const auto& stageRoot : game.paths.StageFolderRoots()) {
            where += (where.empty() ? "" : " or ") + ShownPath(stageRoot);
        }
        return Fail("No stage folder found below " + where +
                    ". The game needs at least one folder of stage files there.");
    }
    folders.StageDirNo = 1;
    folders.StageDir = folders.StageDirs.front();
    return std::nullopt;
}

}  // namespace tarn::game
