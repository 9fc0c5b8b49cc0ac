// The toolkit-free state of the Optara dialog.
#include "settings/optara/OptaraModel.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "settings/DefaultSettings.h"
#include "settings/VirtualKeys.h"

namespace tarn::optara {
namespace {

void ReplaceNamelessCodes(std::array<std::uint8_t, kSlotCount>& config) {
    for (std::uint8_t& code : config) {
        if (vk::KeyName(code).empty()) {
            code = kFallbackKey;
        }
    }
}

// The settings as they are written.
ToolSettings Normalised(ToolSettings settings) {
    for (auto& config : settings.KeyTable) {
        ReplaceNamelessCodes(config);
    }
    return settings;
}

bool SameSettings(const ToolSettings& a, const ToolSettings& b) {
    return a.KeyTable == b.KeyTable && a.frameRateIndex == b.frameRateIndex &&
           a.colorIndex == b.colorIndex;
}

}  // namespace

OptaraModel::OptaraModel(const std::filesystem::path& programDir)
    : OptaraModel(PortablePaths(programDir)) {}

OptaraModel::OptaraModel(ProgramPaths paths) : paths_(std::move(paths)) {}

SettingsStatus OptaraModel::Open(SettingsWarnings& warnings) {
    target_ = SettingsBuild::Normal;
    files_ = {};
    return ChooseTarget(SettingsBuild::Normal, warnings);
}

SettingsStatus OptaraModel::ChooseTarget(SettingsBuild build, SettingsWarnings& warnings) {
    if (!File(build).loaded) {
        ToolSettings read;
        const SettingsStatus status = ReadToolSettings(SourceOf(build), read, warnings, &reason_);
        if (status != SettingsStatus::Ok) {
            return status;
        }
        Load(build, read);
    }
    target_ = build;
    return SettingsStatus::Ok;
}

void OptaraModel::Load(SettingsBuild build, const ToolSettings& settings) {
    File(build) = {.loaded = true, .settings = settings, .saved = Normalised(settings)};
}

std::filesystem::path OptaraModel::FileOf(SettingsBuild build) const {
    return paths_.configFolder / SettingsFileName(build);
}

std::filesystem::path OptaraModel::SourceOf(SettingsBuild build) const {
    return paths_.ConfigFileToRead(SettingsFileName(build));
}

std::filesystem::path OptaraModel::BackupOf(SettingsBuild build) const {
    return paths_.configFolder / (std::string(SettingsFileName(build)) + ".bak");
}

SettingsStatus OptaraModel::Write(SettingsBuild build, const ToolSettings& settings) {
    std::string folderError;
    if (paths_.Installed() && !MakeUserFolder(paths_.configFolder, folderError)) {
        reason_ = {};
        return SettingsStatus::WriteFailed;
    }
    return WriteSettingsFile(FileOf(build), settings, &reason_);
}

SettingsStatus OptaraModel::CreateDefaultFile(SettingsBuild build) {
    const std::filesystem::path file = FileOf(build);
    std::error_code error;
    const auto kind = std::filesystem::symlink_status(file, error).type();
    if (kind != std::filesystem::file_type::not_found) {
        // Only a file is set aside; whatever else holds the name stays untouched.
        if (kind != std::filesystem::file_type::regular &&
            kind != std::filesystem::file_type::symlink) {
            reason_ = {std::error_code(), kind};
            return SettingsStatus::WriteFailed;
        }
        std::filesystem::rename(file, BackupOf(build), error);
        if (error) {
            reason_ = {error, {}};
            return SettingsStatus::WriteFailed;
        }
    }
    const ToolSettings defaults = DefaultSettings(build);
    const SettingsStatus status = Write(build, defaults);
    if (status == SettingsStatus::Ok) {
        Load(build, defaults);
    }
    return status;
}

void OptaraModel::ChooseConfig(int configNo) {
    configNo_ = std::clamp(configNo, 0, kConfigCount - 1);
    ReplaceNamelessCodes(Current().KeyTable[static_cast<std::size_t>(configNo_)]);
}

std::string OptaraModel::SlotName(int slot) const {
    if (slot < 0 || slot >= kSlotCount) {
        return {};
    }
    return vk::ReadableKeyName(KeyTable()[static_cast<std::size_t>(configNo_)][slot]);
}

CaptureResult OptaraModel::Check(std::optional<int> code) {
    if (!code) {
        return CaptureResult::NoCode;
    }
    if (!IsStorableKeyCode(*code) || vk::KeyName(*code).empty()) {
        return CaptureResult::NotStorable;
    }
    return CaptureResult::Stored;
}

CaptureResult OptaraModel::Capture(int slot, std::optional<int> code) {
    if (slot < 0 || slot >= kSlotCount) {
        return CaptureResult::NoCode;
    }
    const CaptureResult result = Check(code);
    if (result == CaptureResult::Stored) {
        Current().KeyTable[static_cast<std::size_t>(configNo_)][slot] =
            static_cast<std::uint8_t>(*code);
    }
    return result;
}

std::string OptaraModel::RefusalMessage(int slot, std::optional<int> code) const {
    std::string why;
    if (Check(code) == CaptureResult::NoCode) {
        why = "このキーにはキーコードがないため、設定ファイルに保存できません。";
    } else {
        why = "「" + vk::ReadableKeyName(*code) + "」のキーコード " + std::to_string(*code) +
              " は設定ファイルに保存できません。";
    }
    return std::string(kInvalidKeyMessage) + "\n" + why + "\n" +
           kSlotLabels[static_cast<std::size_t>(std::clamp(slot, 0, kSlotCount - 1))] + "は「" +
           SlotName(slot) + "」のままです。";
}

std::vector<KeyProblem> OptaraModel::Problems(int configNo) const {
    return FindKeyProblems(
        KeyTable()[static_cast<std::size_t>(std::clamp(configNo, 0, kConfigCount - 1))]);
}

std::vector<std::string> OptaraModel::ProblemsToConfirm(SettingsBuild build) const {
    std::vector<std::string> lines;
    if (!IsLoaded(build)) {
        return lines;
    }
    const ToolSettings toWrite = Normalised(File(build).settings);
    for (int c = 0; c < kConfigCount; ++c) {
        for (const KeyProblem& problem :
             FindKeyProblems(toWrite.KeyTable[static_cast<std::size_t>(c)])) {
            if (problem.NeedsConfirmation()) {
                lines.push_back("Optara " + std::to_string(c + 1) + ": " + problem.text);
            }
        }
    }
    return lines;
}

void OptaraModel::SetFrameRateIndex(int index) {
    if (index >= 0 && index < kFrameRateCount) {
        Current().frameRateIndex = index;
    }
}

void OptaraModel::SetColorIndex(int index) {
    if (index >= 0 && index < kColorCount) {
        Current().colorIndex = index;
    }
}

bool OptaraModel::HasUnsavedChanges(SettingsBuild build) const {
    const BuildFile& file = File(build);
    return file.loaded && !SameSettings(Normalised(file.settings), file.saved);
}

SettingsStatus OptaraModel::Save() {
    return Save(target_);
}

SettingsStatus OptaraModel::Save(SettingsBuild build) {
    BuildFile& file = File(build);
    if (!file.loaded) {
        return SettingsStatus::NotFound;
    }
    const ToolSettings toWrite = Normalised(file.settings);
    const SettingsStatus status = Write(build, toWrite);
    if (status == SettingsStatus::Ok) {
        file.saved = toWrite;
    }
    return status;
}

}  // namespace tarn::optara
