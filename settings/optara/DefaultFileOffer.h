// When a settings file is missing or damaged, Optara offers to write the defaults the
// build ships instead of giving up.
#pragma once

#include <string>

#include "settings/optara/Messenger.h"
#include "settings/optara/OptaraModel.h"

namespace tarn::optara {

// Says what is wrong with the build's file (status, from reading it) and offers to create
// it with the shipped defaults; declineChoice names the other answer ("終了する", "戻る").
// Until the user declines, a failed creation is reported and the offer made again.
// Returns true once the file has been created and the model holds it.
bool OfferDefaultFile(OptaraModel& model, Messenger& messenger, SettingsBuild build,
                      SettingsStatus status, const std::string& declineChoice);

// "通常版" or "ロースペック版", as the target buttons name the builds.
const char* BuildLabel(SettingsBuild build);

}  // namespace tarn::optara
