// The headless platform.
#include "game/platform/HeadlessPlatform.h"

#include <cstdio>
#include <iostream>

#include "game/platform/FontText.h"
#include "game/platform/SoundFolder.h"

namespace tarn::game {

void HeadlessPlatform::Sound(SoundId id, SoundOp op) {
    if (sounds.size() == kKeptSounds) {
        sounds.pop_front();
    }
    sounds.push_back({id, op});
    ++soundRequests;
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
