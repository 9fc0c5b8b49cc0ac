// The start-up sequence of the game window.
#include "game/core/Startup.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "game/core/Game.h"
#include "support/PictureFile.h"

namespace tarn::game {

namespace {

Failure LoadPlayerPicture(const std::filesystem::path& path, Surface& picture) {
    if (const auto status = LoadPicture(path, picture); status != PictureStatus::Ok) {
        return Fail("Cannot load the player picture " + path.string() + " (" + Describe(status) +
                    ").");
    }
    return std::nullopt;
}

}  // namespace

Failure Startup(Game& s, SettingsBuild build, bool needStageFolder) {
    GameState& st = s.state;
    s.screen.ShowTimeOfDay();
    s.folders.StageDir = s.root / "data" / "";
    st.ConfigNo = 0;
    st.bindings = KeyBindings{};
    st.bindings.KeyGiveUp = 0;
    st.bindings.KeyPower = 0;

    const auto settingsPath = s.root / SettingsFileName(build);
    GameSettings settings;
    SettingsWarnings warnings;
    if (const auto status = ReadGameSettings(settingsPath, settings, warnings);
        status != SettingsStatus::Ok) {
        return Fail(SettingsMessage(status, settingsPath));
    }
    for (const UserMessage& warning : warnings) {
        s.screen.ShowMessage(warning);
    }
    st.KeyTable = settings.KeyTable;
    st.TargetFps = settings.TargetFps;
    st.ColorDepth = settings.ColorDepth;
    s.screen.strip.SetFrameRate(st.TargetFps, st.TargetFps);
    s.screen.SetColorDepth(st.ColorDepth);

    for (int i = 0; i < 8; ++i) {
        if (auto failure = LoadPlayerPicture(s.root / "me" / ("---" + std::to_string(i) + ".bmp"),
                                             s.playerPictures.MyPic[std::size_t(i)])) {
            return failure;
        }
    }
    if (auto failure = LoadPlayerPicture(s.root / "me" / "---a.bmp", s.playerPictures.MyPicAt)) {
        return failure;
    }
    s.layers.MainV.Reset(3200, 960);
    s.layers.BackPIC.Reset(3200, 960);
    s.layers.MainMask.Reset(3200, 960, kWhite);
    s.layers.PBuffer.Reset(3200, 960);

    if (auto failure = s.platform.LoadSounds(s.root / "sound")) {
        return failure;
    }
    s.run.Pump(st);
    s.screen.Refresh();

    StageFolders& folders = s.folders;
    folders.StageDirs = ListStageFolders(s.root / "data");
    if (folders.StageDirs.empty() && !needStageFolder) {
        return std::nullopt;
    }
    if (folders.StageDirs.empty()) {
        return Fail("No stage folder found below " + (s.root / "data").string() +
                    ". The game needs at least one folder of stage files there.");
    }
    folders.StageDirNo = 1;
    folders.StageDir = folders.StageDirs.front();
    return std::nullopt;
}

}  // namespace tarn::game
