// Fuzz target: the settings line parser, and the writer's line read back by it.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/SettingsFile.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool AllKeysStorable(const tarn::KeyTableData& table) {
    for (const auto& configuration : table) {
        for (const std::uint8_t key : configuration) {
            if (!tarn::IsStorableKeyCode(key)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    tarn::SettingsLine line;
    if (tarn::ParseSettingsLine(contents, line) != tarn::SettingsStatus::Ok) {
        return 0;
    }
    Require(line.colourCode >= 0 && line.colourCode <= 255);

    // A line the settings tool could have written comes back unchanged.
    tarn::ToolSettings settings;
    settings.KeyTable = line.KeyTable;
    settings.frameRateIndex = line.frameCode - 30;
    settings.colorIndex = line.colourCode;
    if (settings.frameRateIndex < 0 || settings.frameRateIndex > 8 || settings.colorIndex > 1 ||
        !AllKeysStorable(line.KeyTable)) {
        return 0;
    }
    std::string written;
    Require(tarn::FormatSettingsLine(settings, written) == tarn::SettingsStatus::Ok);
    tarn::SettingsLine reread;
    Require(tarn::ParseSettingsLine(written, reread) == tarn::SettingsStatus::Ok);
    Require(reread.KeyTable == line.KeyTable);
    Require(reread.frameCode == line.frameCode);
    Require(reread.colourCode == line.colourCode);
    return 0;
}
