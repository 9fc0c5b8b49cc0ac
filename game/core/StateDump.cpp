// JSON dump and checksum of the game state.
#include "game/core/StateDump.h"

#include <cstdio>
#include <cstring>
#include <type_traits>

namespace tarn::game {

namespace {

void JsonString(std::ostream& out, const std::string& text) {
    out << '"';
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out << '\\' << c;
        } else if (u < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
            out << buffer;
        } else {
            out << c;
        }
    }
    out << '"';
}

std::string Number(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

class Fnv {
  public:
    template <typename T>
    void Add(const T& value) {
        static_assert(std::is_trivially_copyable_v<T>);
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (const unsigned char b : bytes) {
            hash_ = (hash_ ^ b) * 0x100000001B3ULL;
        }
    }
    void Add(const std::string& text) {
        Add(text.size());
        for (const char c : text) {
            Add(c);
        }
    }
    template <typename T>
    void AddAll(const std::vector<T>& values) {
        Add(values.size());
        for (const T& v : values) {
            Add(v);
        }
    }
    std::uint64_t value() const { return hash_; }

  private:
    std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

}  // namespace

void DumpState(std::ostream& out, const GameState& state, const DumpExtras& extras) {
    const Stage& st = state.stage;
    const Player& p = state.player;
    const Counters& c = state.counters;
    out << "{\"CurrentStage\":";
    JsonString(out, st.CurrentStage);
    out << ",\"NextStage\":";
    JsonString(out, st.NextStage);
    out << ",\"NextStage2\":";
    JsonString(out, st.NextStage2);
    out << ",\"PlayerX\":" << p.PlayerX << ",\"PlayerY\":" << p.PlayerY
        << ",\"JumpState\":" << p.JumpState << ",\"JumpPower\":" << int(p.JumpPower)
        << ",\"RunSpeed\":" << int(p.RunSpeed) << ",\"PlayerFrame\":" << p.PlayerFrame
        << ",\"Score\":" << c.Score << ",\"Lives\":" << c.Lives << ",\"Coins\":" << c.Coins
        << ",\"TimeLeft\":" << Number(c.TimeLeft) << ",\"Outcome\":";
    JsonString(out, OutcomeText(state.loop.outcome));
    out << ",\"TargetFps\":" << state.TargetFps << ",\"ColorDepth\":" << state.ColorDepth
        << ",\"ConfigNo\":" << state.ConfigNo << ",\"KeyTable\":[";
    for (std::size_t i = 0; i < state.KeyTable.size(); ++i) {
        out << (i ? "," : "") << '[';
        for (std::size_t j = 0; j < state.KeyTable[i].size(); ++j) {
            out << (j ? "," : "") << int(state.KeyTable[i][j]);
        }
        out << ']';
    }
    out << "],\"ObjCount\":" << st.ObjCount << ",\"Objects\":[";
    for (std::int32_t i = 0; i < st.ObjCount && std::size_t(i) < st.ObjKind.size(); ++i) {
        const auto k = std::size_t(i);
        out << (i ? "," : "") << "{\"ObjKind\":" << int(st.ObjKind[k]) << ",\"ObjX\":" << st.ObjX[k]
            << ",\"ObjY\":" << st.ObjY[k] << ",\"ObjDX\":" << st.ObjDX[k]
            << ",\"ObjDY\":" << st.ObjDY[k] << ",\"ObjActive\":" << st.ObjActive[k] << '}';
    }
    out << "],\"frames\":" << extras.frames << ",\"Fps\":";
    JsonString(out, extras.fpsCaption);
    out << "}\n";
}

std::uint64_t StateChecksum(const GameState& state) {
    Fnv f;
    const Stage& st = state.stage;
    for (const auto& row : st.ChipMap) {
        for (const auto cell : row) {
            f.Add(cell);
        }
    }
    for (const auto& row : st.PassMap) {
        for (const auto cell : row) {
            f.Add(cell);
        }
    }
    f.AddAll(st.ObjKind);
    f.AddAll(st.ObjX);
    f.AddAll(st.ObjY);
    f.AddAll(st.ObjDX);
    f.AddAll(st.ObjDY);
    f.AddAll(st.ObjActive);
    f.Add(st.ObjCount);
    f.Add(st.CurrentStage);
    f.Add(st.NextStage);
    f.Add(st.NextStage2);
    const Player& p = state.player;
    for (const std::int64_t v :
         {std::int64_t(p.PlayerX), std::int64_t(p.PlayerY), std::int64_t(p.JumpState),
          std::int64_t(p.JumpArmed), std::int64_t(p.JumpFrame), std::int64_t(p.JumpPower),
          std::int64_t(p.RunSpeed), std::int64_t(p.PlayerFrame), std::int64_t(p.PowerUntil),
          std::int64_t(p.OnLift)}) {
        f.Add(v);
    }
    const Counters& c = state.counters;
    f.Add(c.Score);
    f.Add(c.Lives);
    f.Add(c.Coins);
    f.Add(c.TimeLeft);
    const LoopState& l = state.loop;
    f.Add(l.FrameCount);
    f.Add(l.SecondStart);
    f.Add(l.ViewX);
    f.Add(l.ViewY);
    f.Add(int(l.outcome));
    f.Add(l.StompChain);
    f.Add(l.HurryUp);
    f.Add(state.keys.state);
    f.Add(state.TargetFps);
    f.Add(state.ColorDepth);
    f.Add(state.ConfigNo);
    return f.value();
}

}  // namespace tarn::game
