// Reading, replaying and recording key scripts.
#include "game/core/Replay.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "game/core/StateDump.h"
#include "support/FileBytes.h"
#include "support/FileWords.h"
#include "support/UserText.h"

namespace tarn::game {

namespace {

bool ParseNumber(const std::string& token, std::uint64_t& value) {
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    return error == std::errc{} && end == token.data() + token.size();
}

bool ParseEvent(const std::string& token, InputEvent& event) {
    std::uint64_t code = 0;
    if (token == "click") {
        event = {InputEvent::Type::Click, 0};
    } else if (token == "quit") {
        event = {InputEvent::Type::Quit, 0};
    } else if (token.size() > 1 && (token[0] == '+' || token[0] == '-') &&
               ParseNumber(token.substr(1), code) && code < 256) {
        event = {token[0] == '+' ? InputEvent::Type::KeyDown : InputEvent::Type::KeyUp, int(code)};
    } else {
        return false;
    }
    return true;
}

std::string EventText(const InputEvent& event) {
    switch (event.type) {
        case InputEvent::Type::KeyDown:
            return "+" + std::to_string(event.code);
        case InputEvent::Type::KeyUp:
            return "-" + std::to_string(event.code);
        case InputEvent::Type::Click:
            return "click";
        case InputEvent::Type::Quit:
            return "quit";
        case InputEvent::Type::PadDown:
        case InputEvent::Type::PadUp:
            break;
    }
    return "";
}

}  // namespace

bool ReadReplayScript(const std::filesystem::path& file, ReplayScript& script, std::string& error) {
    std::string text;
    FileReason why;
    if (const FileStatus status = ReadFileBytes(file, text, kMaxReplayFileBytes, &why);
        status != FileStatus::Ok) {
        error = "Cannot read the replay file " + ShownPath(file) + " (" +
                (status == FileStatus::TooLarge
                     ? "larger than " + std::to_string(kMaxReplayFileBytes >> 20) + " MB"
                     : DescribeFile(status, why)) +
                ").";
        return false;
    }
    return ParseReplayScript(text, ShownPath(file), script, error);
}

bool ParseReplayScript(std::string_view text, const std::string& name, ReplayScript& script,
                       std::string& error) {
    script = {};
    std::istringstream in{std::string(text)};
    std::string raw;
    int lineNo = 0;
    std::uint64_t lastClock = 0;
    const auto bad = [&](const std::string& why) {
        error = name + ":" + std::to_string(lineNo) + ": " + why;
        return false;
    };
    while (std::getline(in, raw)) {
        ++lineNo;
        if (const auto hash = raw.find('#'); hash != std::string::npos) {
            raw.erase(hash);
        }
        std::istringstream words(raw);
        std::vector<std::string> tokens;
        for (std::string t; words >> t;) {
            tokens.push_back(t);
        }
        if (tokens.empty()) {
            continue;
        }
        std::uint64_t value = 0;
        if (tokens[0] == "c") {
            for (std::size_t i = 1; i < tokens.size(); ++i) {
                if (!ParseNumber(tokens[i], value) || value > kMaxClockStep) {
                    return bad("a clock difference must be a whole number from 0 to " +
                               std::to_string(kMaxClockStep));
                }
                lastClock += value;
                script.clock.push_back(std::uint32_t(lastClock));
            }
        } else if (tokens[0] == "=") {
            std::uint64_t sum = 0;
            if (tokens.size() != 3 || !ParseNumber(tokens[1], value) ||
                !ParseNumber(tokens[2], sum)) {
                return bad("a checksum line is \"= FRAME SUM\"");
            }
            script.checksums.emplace_back(value, sum);
        } else {
            ReplayLine line;
            if (!ParseNumber(tokens[0], line.frame) || line.frame == 0) {
                return bad("a line starts with a frame number from 1 on");
            }
            std::size_t i = 1;
            for (; i < tokens.size() && tokens[i] != ";"; ++i) {
                if (!ParseNumber(tokens[i], value) || value > 255) {
                    return bad("\"" + Excerpt(tokens[i]) + "\" is no virtual-key code 0..255");
                }
                line.keys.push_back(int(value));
            }
            if (i < tokens.size()) {
                InputEvent event;
                if (i + 3 != tokens.size() || !ParseNumber(tokens[i + 1], value) ||
                    !ParseEvent(tokens[i + 2], event)) {
                    return bad("a recorded event is \"; POLL EVENT\"");
                }
                line.pump = value;
                line.event = event;
            }
            if (!script.lines.empty() && line.frame < script.lines.back().frame) {
                return bad("frame numbers must not go down");
            }
            script.lines.push_back(std::move(line));
        }
    }
    return true;
}

Replay::Replay(GameClock& liveClock, InputSource& liveInput, ReplayScript script)
    : liveClock_(liveClock), liveInput_(liveInput), script_(std::move(script)) {}

std::uint32_t Replay::Clock() {
    if (script_.clock.empty()) {
        return liveClock_.Clock();
    }
    if (clockIndex_ < script_.clock.size()) {
        virtualClock_ = script_.clock[clockIndex_++];
    }
    return virtualClock_;
}

void Replay::WaitUntil(std::uint32_t ms) {
    if (script_.clock.empty()) {
        liveClock_.WaitUntil(ms);
        return;
    }
    // Recorded readings decide the run; the live clock only paces what is shown.
    if (!liveOffset_) {
        liveOffset_ = std::int64_t(liveClock_.Clock()) - std::int64_t(virtualClock_);
    }
    liveClock_.WaitUntil(std::uint32_t(std::int64_t(ms) + *liveOffset_));
    // Readings wrap around at 2^32 ms: the later one is the one ahead by less than half.
    if (clockIndex_ >= script_.clock.size() && std::int32_t(ms - virtualClock_) > 0) {
        virtualClock_ = ms;
    }
}

bool Replay::InputCanArrive() const {
    return next_ < script_.lines.size() || liveInput_.InputCanArrive();
}

bool Replay::InputDueBefore(std::uint64_t frame) const {
    return next_ < script_.lines.size() && script_.lines[next_].pump &&
           script_.lines[next_].frame <= frame;
}

void Replay::Apply(const ReplayLine& line, std::vector<InputEvent>& events) {
    if (line.event) {
        events.push_back(*line.event);
        held_ = line.keys;
        return;
    }
    for (const int key : held_) {
        if (std::find(line.keys.begin(), line.keys.end(), key) == line.keys.end()) {
            events.push_back({InputEvent::Type::KeyUp, key});
        }
    }
    for (const int key : line.keys) {
        if (std::find(held_.begin(), held_.end(), key) == held_.end()) {
            events.push_back({InputEvent::Type::KeyDown, key});
        }
    }
    held_ = line.keys;
}

void Replay::Poll(std::uint64_t frame, std::vector<InputEvent>& events) {
    ++polls_;
    live_.clear();
    liveInput_.Poll(frame, live_);
    for (const InputEvent& event : live_) {
        if (event.type == InputEvent::Type::Quit) {
            events.push_back(event);  // closing the window still ends the run
        }
    }
    while (next_ < script_.lines.size()) {
        const ReplayLine& line = script_.lines[next_];
        const bool due = line.pump ? *line.pump <= polls_ : line.frame <= frame;
        if (!due) {
            break;
        }
        Apply(line, events);
        ++next_;
    }
}

bool Replay::AfterFrame(std::uint64_t frame, const GameState& state) {
    while (checksumIndex_ < script_.checksums.size() &&
           script_.checksums[checksumIndex_].first < frame) {
        ++checksumIndex_;
    }
    if (checksumIndex_ < script_.checksums.size() &&
        script_.checksums[checksumIndex_].first == frame) {
        const std::uint64_t expected = script_.checksums[checksumIndex_].second;
        const std::uint64_t actual = StateChecksum(state);
        ++checksumIndex_;
        if (actual != expected) {
            divergence_ =
                Fail("The replay diverged from the recording at frame " + std::to_string(frame) +
                     ": state checksum " + std::to_string(actual) + ", recorded " +
                     std::to_string(expected) + ".");
            return false;
        }
    }
    return true;
}

Recording::Recording(GameClock& liveClock, InputSource& liveInput,
                     const std::filesystem::path& file)
    : liveClock_(liveClock), liveInput_(liveInput), out_(file, std::ios::trunc) {
    out_ << "# Tarn Ver2 recording: FRAME KEY... ; POLL EVENT, c clock differences, "
            "= FRAME checksum\n";
}

Recording::~Recording() {
    FlushClock();
    out_.flush();
}

void Recording::FlushClock() {
    if (pendingClock_.empty()) {
        return;
    }
    out_ << "c";
    for (const std::uint32_t d : pendingClock_) {
        out_ << ' ' << d;
    }
    out_ << '\n';
    pendingClock_.clear();
}

std::uint32_t Recording::Clock() {
    const std::uint32_t now = liveClock_.Clock();
    pendingClock_.push_back(now - lastClock_);
    lastClock_ = now;
    if (pendingClock_.size() >= 32) {
        FlushClock();
    }
    return now;
}

void Recording::Poll(std::uint64_t frame, std::vector<InputEvent>& events) {
    ++polls_;
    const std::size_t first = events.size();
    liveInput_.Poll(frame, events);
    for (std::size_t i = first; i < events.size(); ++i) {
        const InputEvent& event = events[i];
        if (event.type == InputEvent::Type::PadDown || event.type == InputEvent::Type::PadUp) {
            continue;  // recorded as the keys they became
        }
        if (event.type == InputEvent::Type::KeyDown &&
            std::find(held_.begin(), held_.end(), event.code) == held_.end()) {
            held_.push_back(event.code);
        } else if (event.type == InputEvent::Type::KeyUp) {
            std::erase(held_, event.code);
        }
        FlushClock();
        out_ << frame;
        for (const int key : held_) {
            out_ << ' ' << key;
        }
        out_ << " ; " << polls_ << ' ' << EventText(event) << '\n';
    }
}

bool Recording::AfterFrame(std::uint64_t frame, const GameState& state) {
    if (frame % kChecksumEvery == 0) {
        FlushClock();
        out_ << "= " << frame << ' ' << StateChecksum(state) << '\n';
    }
    return true;
}

}  // namespace tarn::game
