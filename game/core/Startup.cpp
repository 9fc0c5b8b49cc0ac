// The start-up sequence of the game window.
#include "game/core/Startup.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "game/core/Session.h"
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

std::vector<std::filesystem::path> ListStageFolders(const std::filesystem::path& dataFolder) {
    std::vector<std::filesystem::path> folders;
    std::error_code error;
    for (std::filesystem::directory_iterator it(dataFolder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            folders.push_back(it->path() / "");
        }
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

Failure Startup(Session& s, SettingsBuild build, bool needStageFolder) {
    GameState& st = s.state;
    s.status.Label2 = s.platform.TimeOfDay();
    s.StageDir = s.root / "data" / "";
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
        s.platform.ShowMessage(warning);
    }
    st.KeyTable = settings.KeyTable;
    st.TargetFps = settings.TargetFps;
    st.ColorDepth = settings.ColorDepth;
    s.status.State = "FPS " + std::to_string(st.TargetFps) + "/" + std::to_string(st.TargetFps);
    s.platform.SetColorDepth(st.ColorDepth);

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
    s.Pump();
    s.Refresh();

    s.StageDirs = ListStageFolders(s.root / "data");
    if (s.StageDirs.empty() && !needStageFolder) {
        return std::nullopt;
    }
    if (s.StageDirs.empty()) {
        return Fail("No stage folder found below " + (s.root / "data").string() +
                    ". The game needs at least one folder of stage files there.");
    }
    s.StageDirNo = 1;
    s.StageDir = s.StageDirs.front();
    return std::nullopt;
}

}  // namespace tarn::game
