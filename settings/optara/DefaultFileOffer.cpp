// Offering the shipped defaults for a missing or damaged settings file.
#include "settings/optara/DefaultFileOffer.h"

#include <system_error>

#include "support/UserText.h"

namespace tarn::optara {
namespace {

// True when the offer would set a file of the user's aside; a damaged shipped file stays
// as it is and the user gets a copy of their own.
bool Replaces(const OptaraModel& model, SettingsBuild build, SettingsStatus status) {
    std::error_code ignored;
    return status != SettingsStatus::NotFound &&
           std::filesystem::symlink_status(model.FileOf(build), ignored).type() !=
               std::filesystem::file_type::not_found;
}

std::string OfferText(const OptaraModel& model, SettingsBuild build, SettingsStatus status) {
    std::string text =
        SettingsMessage(status, model.SourceOf(build), model.LastFileReason()) + "\n\n";
    text += std::string(BuildLabel(build)) + "の設定ファイルを、ゲームに付属の既定の内容で";
    if (!Replaces(model, build, status)) {
        return text + "作成しますか？";
    }
    return text + "作り直しますか？\n今のファイルは " +
           ShownPath(model.BackupOf(build).filename()) + " として残します。";
}

}  // namespace

const char* BuildLabel(SettingsBuild build) {
    return build == SettingsBuild::LowSpec ? "ロースペック版" : "通常版";
}

bool OfferDefaultFile(OptaraModel& model, Messenger& messenger, SettingsBuild build,
                      SettingsStatus status, const std::string& declineChoice) {
    for (;;) {
        const Question question{
            .text = OfferText(model, build, status),
            .title = kOptaraTitle,
            .icon = MessageIcon::Warning,
            .choices = {Replaces(model, build, status) ? "作り直す" : "作成する", declineChoice},
            .defaultChoice = 0,
            .escapeChoice = 1,
        };
        if (messenger.Ask(question) != 0) {
            return false;
        }
        const SettingsStatus created = model.CreateDefaultFile(build);
        if (created == SettingsStatus::Ok) {
            return true;
        }
        messenger.Show(SettingsMessage(created, model.FileOf(build), model.LastFileReason()),
                       kOptaraTitle, MessageIcon::Error);
        std::error_code ignored;
        if (!std::filesystem::exists(model.FileOf(build), ignored)) {
            status = SettingsStatus::NotFound;  // set aside before the write failed
        }
    }
}

}  // namespace tarn::optara
