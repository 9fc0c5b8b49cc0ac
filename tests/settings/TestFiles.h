// Helpers for the settings tests: a scratch folder per test and captured messages.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/MessageHook.h"

namespace tarn::testing {

struct CapturedMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
};

// Replaces the message box while alive and keeps what would have been shown.
class MessageCapture {
  public:
    MessageCapture() {
        previous_ = SetMessageHandler(
            [this](const std::string& text, const std::string& title, MessageIcon icon) {
                messages.push_back({text, title, icon});
            });
    }
    ~MessageCapture() { SetMessageHandler(previous_); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    std::vector<CapturedMessage> messages;

  private:
    MessageHandler previous_;
};

// A fresh, empty folder named after the running test, removed afterwards.
class ScratchFolder {
  public:
    ScratchFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("tarn_settings_" + std::string(info->test_suite_name()) + "_" + info->name() +
                 "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A settings line: the given leading key characters, padded with "A" to 30 keys,
// then the frame-rate character and the colour character.
inline std::string SettingsLineText(const std::string& keys, int frameCode, int colourCode) {
    std::string line = keys;
    line.resize(30, 'A');
    line.push_back(static_cast<char>(frameCode));
    line.push_back(static_cast<char>(colourCode));
    return line + "\r\n";
}

}  // namespace tarn::testing
