// Shared pieces of the Optara tests: a program folder with settings files, and a
// messenger that records messages and answers questions from a script.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
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
    // Answers with the next of `answers`; with none left, as Escape would.
    int Ask(const Question& question) override {
        questions.push_back(question);
        if (answers.empty()) {
            return question.escapeChoice;
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<Message> messages;
    std::vector<Question> questions;
    std::deque<int> answers;
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
    // Writes raw bytes as a build's settings file.
    void WriteRaw(SettingsBuild build, const std::string& bytes) const {
        std::ofstream(FileOf(build), std::ios::binary) << bytes;
    }
    std::string Contents(const std::filesystem::path& file) const {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

  private:
    ::tarn::testing::ScratchDir scratch_;
};

}  // namespace tarn::optara::testing
