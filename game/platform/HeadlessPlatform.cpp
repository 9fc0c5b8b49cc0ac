// The headless platform.
#include "game/platform/HeadlessPlatform.h"

#include <cstdio>
#include <functional>
#include <iostream>

#include "game/platform/FontText.h"
#include "game/platform/WaveFile.h"

namespace tarn::game {

Failure LoadSoundFolder(const std::filesystem::path& folder,
                        const std::function<void(SoundId, const Wave&)>& take) {
    for (int i = 0; i < kSoundCount; ++i) {
        const auto id = SoundId(i);
        const auto path = folder / (std::string(SoundFileName(id)) + ".wav");
        Wave wave;
        std::string reason;
        if (!ReadWave(path, wave, reason)) {
            return Fail("Cannot load the sound file " + path.string() + " (" + reason + ").");
        }
        if (take) {
            take(id, wave);
        }
    }
    return std::nullopt;
}

void HeadlessPlatform::WaitUntil(std::uint32_t ms) {
    if (std::int32_t(ms - now_) > 0) {
        now_ = ms;
    }
}

void HeadlessPlatform::PollEvents(std::vector<InputEvent>& events) {
    ++polls;
    while (!queued_.empty()) {
        events.push_back(queued_.front());
        queued_.pop_front();
    }
}

std::string HeadlessPlatform::TimeOfDay() {
    const std::uint32_t seconds = now_ / 1000;
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", (seconds / 3600) % 24, (seconds / 60) % 60,
                  seconds % 60);
    return text;
}

Failure HeadlessPlatform::LoadSounds(const std::filesystem::path& soundFolder) {
    return LoadSoundFolder(soundFolder, {});
}

void HeadlessPlatform::ShowMessage(const UserMessage& message) {
    messages.push_back(message);
    if (!message.title.empty()) {
        std::cerr << message.title << ": ";
    }
    std::cerr << message.text << '\n';
}

TextPainter& HeadlessPlatform::Text() {
    return SharedFontText();
}

void HeadlessPlatform::Present(ShownFrame&) {
    ++presents;
}

}  // namespace tarn::game
