// Writing the trace of sounds and texts.
#include "game/core/Trace.h"

#include <utility>

namespace tarn::game {

namespace {

const char* OpName(SoundOp op) {
    switch (op) {
        case SoundOp::Play:
            return "play";
        case SoundOp::PlayLooping:
            return "loop";
        case SoundOp::Stop:
            return "stop";
        case SoundOp::Rewind:
            return "rewind";
    }
    return "?";
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

Trace::Trace(Platform& platform, const std::filesystem::path& file)
    : platform_(platform), out_(file) {}

void Trace::Follow(const RunControl& run, const StatusStrip& strip) {
    run_ = &run;
    strip_ = &strip;
}

void Trace::Name(const Surface& target, std::string name) {
    names_[&target] = std::move(name);
}

void Trace::Finish() {
    if (run_ == nullptr) {
        return;
    }
    Roll();
    NoteStrip();
    FlushText();
    if (!items_.empty() || !lineWritten_) {
        WriteLine();
    }
    out_.flush();
    run_ = nullptr;
    strip_ = nullptr;
}

bool Trace::AfterFrame(std::uint64_t frame, const GameState& state) {
    Roll();
    NoteStrip();
    return next_ == nullptr || next_->AfterFrame(frame, state);
}

void Trace::Sound(SoundId id, SoundOp op) {
    Note(std::string("sound ") + SoundFileName(id) + " " + OpName(op));
    platform_.Sound(id, op);
}

int Trace::Draw(Surface& target, int x, int y, std::string_view text, int points,
                std::uint32_t color) {
    const int width = platform_.Text().Draw(target, x, y, text, points, color);
    NoteText(target, x, y, text, points, width);
    return width;
}

int Trace::DrawOutlined(Surface& target, int x, int y, std::string_view text, int points,
                        std::uint32_t color, std::uint32_t outline) {
    const int width = platform_.Text().DrawOutlined(target, x, y, text, points, color, outline);
    NoteText(target, x, y, text, points, width);
    return width;
}

void Trace::NoteText(const Surface& target, int x, int y, std::string_view text, int points,
                     int width) {
    const auto name = names_.find(&target);
    if (run_ == nullptr || name == names_.end() || text.empty()) {
        return;
    }
    Roll();
    if (text_ && text_->surface == &name->second && text_->y == y && text_->points == points &&
        text_->end == x) {
        text_->text += text;
        text_->end += width;
        return;
    }
    FlushText();
    text_ = TextRun{&name->second, x, y, points, x + width, std::string(text)};
}

void Trace::FlushText() {
    if (!text_) {
        return;
    }
    const TextRun& t = *text_;
    items_.push_back("text " + *t.surface + " " + std::to_string(t.x) + "," + std::to_string(t.y) +
                     " " + std::to_string(t.points) + " " + Quoted(t.text));
    text_.reset();
}

// The clock label is left out: it shows the wall clock's time of day, which no two runs
// share.
void Trace::NoteStrip() {
    if (strip_ == nullptr) {
        return;
    }
    const std::pair<const char*, std::string> labels[] = {
        {"fps", strip_->FrameRateText()}, {"time", strip_->TimeLeftText()},
        {"lives", strip_->LivesText()},   {"coins", strip_->CoinsText()},
        {"stage", strip_->StageText()},   {"score", strip_->ScoreText()},
    };
    for (const auto& [label, text] : labels) {
        std::string& shown = stripShown_[label];
        if (shown != text) {
            shown = text;
            Note(std::string("strip ") + label + " " + Quoted(text));
        }
    }
}

void Trace::Note(std::string item) {
    if (run_ == nullptr) {
        return;
    }
    Roll();
    FlushText();
    items_.push_back(std::move(item));
}

// Starts the line of the frame now running once the one before is complete.
void Trace::Roll() {
    const std::uint64_t now = run_->framesRun;
    if (now == line_) {
        return;
    }
    FlushText();
    if (line_ > 0 || !items_.empty()) {
        WriteLine();
    }
    // Frames that ran without a word from the game still get their (empty) lines.
    for (std::uint64_t skipped = line_ + 1; skipped < now; ++skipped) {
        out_ << skipped << '\n';
    }
    line_ = now;
    lineWritten_ = false;
}

void Trace::WriteLine() {
    out_ << line_;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        out_ << (i == 0 ? " " : "; ") << items_[i];
    }
    out_ << '\n';
    items_.clear();
    lineWritten_ = true;
}

}  // namespace tarn::game
