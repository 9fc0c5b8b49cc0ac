// The shipped settings files.
#include "assets/gen/DefaultSettings.h"

namespace tarn::assetgen {

bool WriteDefaultSettings(const std::filesystem::path& folder, std::string& error) {
    for (SettingsBuild build : {SettingsBuild::Normal, SettingsBuild::LowSpec}) {
        const std::filesystem::path file = folder / SettingsFileName(build);
        const SettingsStatus status = WriteSettingsFile(file, DefaultSettings(build));
        if (status != SettingsStatus::Ok) {
            error = SettingsMessage(status, file);
            return false;
        }
    }
    return true;
}

}  // namespace tarn::assetgen
