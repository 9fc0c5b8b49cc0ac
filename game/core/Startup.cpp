// The start-up sequence of the game window.
#include "game/core/Startup.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "game/core/Session.h"
#include "support/MessageHook.h"
#include "support/PictureFile.h"

namespace tarn::game {

namespace {

void Fail(const std::string& text) {
    ShowMessage(text, "Tarn Ver2", MessageIcon::Error);
}

bool LoadPlayerPicture(const std::filesystem::path& path, Surface& picture) {
    if (const auto status = LoadPicture(path, picture); status != PictureStatus::Ok) {
        Fail("Cannot load the player picture " + path.string() + " (" + Describe(status) + ").");
        return false;
    }
    return true;
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

bool Startup(Session& s, SettingsBuild build, bool needStageFolder) {
    GameState& st = s.state;
    s.status.Label2 = s.platform.TimeOfDay();
    s.StageDir = s.root / "data" / "";
    st.ConfigNo = 0;
    st.bindings = KeyBindings{};
    st.bindings.KeyGiveUp = 0;
    st.bindings.KeyPower = 0;

    const auto settingsPath = s.root / SettingsFileName(build);
    GameSettings settings;
    if (const auto status = ReadGameSettings(settingsPath, settings);
        status != SettingsStatus::Ok) {
        Fail(SettingsMessage(status, settingsPath));
        return false;
    }
    st.KeyTable = settings.KeyTable;
    st.TargetFps = settings.TargetFps;
    st.ColorDepth = settings.ColorDepth;
    s.status.State = "FPS " + std::to_string(st.TargetFps) + "/" + std::to_string(st.TargetFps);
    s.platform.SetColorDepth(st.ColorDepth);

    for (int i = 0; i < 8; ++i) {
        if (!LoadPlayerPicture(s.root / "me" / ("---" + std::to_string(i) + ".bmp"),
                               s.playerPictures.MyPic[std::size_t(i)])) {
            return false;
        }
    }
    if (!LoadPlayerPicture(s.root / "me" / "---a.bmp", s.playerPictures.MyPicAt)) {
        return false;
    }
    s.layers.MainV.Reset(kMapWidth, kMapHeight);
    s.layers.BackPIC.Reset(kMapWidth, kMapHeight);
    s.layers.MainMask.Reset(kMapWidth, kMapHeight, kWhite);
    s.layers.PBuffer.Reset(kMapWidth, kMapHeight);

    if (!s.platform.LoadSounds(s.root / "sound")) {
        return false;
    }
    s.Pump();
    s.Refresh();

    s.StageDirs = ListStageFolders(s.root / "data");
    if (s.StageDirs.empty() && !needStageFolder) {
        return true;
    }
    if (s.StageDirs.empty()) {
        Fail("No stage folder found below " + (s.root / "data").string() +
             ". The game needs at least one folder of stage files there.");
        return false;
    }
    s.StageDirNo = 1;
    s.StageDir = s.StageDirs.front();
    return true;
}

}  // namespace tarn::game
