// Shared pieces of the Optara tests: a program folder with settings files, a messenger
// that records instead of showing, and the QApplication every widget test needs.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "settings/SettingsFile.h"
#include "settings/optara/Messenger.h"
#include "tests/common/TestFiles.h"

namespace tarn::optara::testing {

class RecordingMessenger : public Messenger {
  public:
    struct Message {
        std::string text;
        std::string title;
        MessageIcon icon;
    };
    void Show(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    std::vector<Message> messages;
};

// A fresh program folder, removed afterwards.
class ProgramFolder {
  public:
    const std::filesystem::path& Path() const { return scratch_.path(); }
    std::filesystem::path FileOf(SettingsBuild build) const {
        return scratch_ / SettingsFileName(build);
    }
    // Writes a settings file whose configuration c holds the keys base + c*6 + slot.
    void WriteSettings(SettingsBuild build, int base, int frameRateIndex, int colorIndex) const {
        ToolSettings settings;
        for (int c = 0; c < kConfigCount; ++c) {
            for (int s = 0; s < kSlotCount; ++s) {
                settings.KeyTable[c][s] = static_cast<std::uint8_t>(base + c * kSlotCount + s);
            }
        }
        settings.frameRateIndex = frameRateIndex;
        settings.colorIndex = colorIndex;
        ASSERT_EQ(WriteSettingsFile(FileOf(build), settings), SettingsStatus::Ok);
    }

  private:
    ::tarn::testing::ScratchDir scratch_;
};

}  // namespace tarn::optara::testing
