// The scenario harness: stage building, the recording services, running frames.
#include "Scenario.h"

#include <algorithm>

#include "support/StageText.h"

namespace tarn::game::testing {

int RecordingServices::Count(SoundId id, SoundOp op) const {
    return int(std::count(sounds.begin(), sounds.end(), std::make_pair(id, op)));
}

void BuildStage(GameState& state, const std::vector<std::string>& rows) {
    MapRows decoded;
    for (int row = 0; row < kMapRows; ++row) {
        std::string text = row < int(rows.size()) ? rows[std::size_t(row)] : std::string();
        text.resize(std::size_t(kMapColumns), '0');
        decoded[std::size_t(row)] = DecodeMapRow(text, kMapColumns);
    }
    FillMaps(state, decoded);
}

art::BuiltinPictures TestPictures() {
    art::BuiltinPictures pictures;
    for (std::size_t code = 0; code < pictures.BrTip.size(); ++code) {
        pictures.BrTip[code] = Surface(16, 16, code == 0 ? kBlack : Rgb(int(code) * 10, 0, 0));
        pictures.BrMask[code] = Surface(16, 16, code == 0 ? kWhite : kBlack);
    }
    for (std::size_t kind = 0; kind < pictures.TPic.size(); ++kind) {
        pictures.TPic[kind] = Surface(16, 16, Rgb(0, int(kind) * 20 + 10, 0));
        pictures.TMask[kind] = Surface(16, 16, kBlack);
    }
    pictures.MyMask = Surface(16, 16, kBlack);
    return pictures;
}

Scenario::Scenario(const std::vector<std::string>& rows, bool lowSpec) : pictures(TestPictures()) {
    state.lowSpec = lowSpec;
    BuildStage(state, rows);
    state.bindings.KeyGiveUp = kGiveUp;
    state.bindings.KeyPower = kPower;
    state.counters.TimeLeft = 300;
    layers.BackPIC.Reset(kMapWidth, kMapHeight, Rgb(0, 0, 90));
    layers.MainV.Reset(kMapWidth, kMapHeight, kBlack);
    layers.MainMask.Reset(kMapWidth, kMapHeight, kWhite);
    layers.PBuffer.Reset(kMapWidth + kPBufferMargin, kMapHeight + kPBufferMargin, kBlack);
}

Scenario& Scenario::PlaceAtCell(int column, int row) {
    return PlaceAt(column * 16, row * 16);
}

Scenario& Scenario::PlaceAt(int x, int y) {
    state.player.PlayerX = x;
    state.player.PlayerY = y;
    return *this;
}

Scenario& Scenario::Hold(int code) {
    state.keys.Press(code, state.bindings);
    return *this;
}

Scenario& Scenario::Release(int code) {
    state.keys.Release(code);
    return *this;
}

Scenario& Scenario::ReleaseAll() {
    state.keys.Clear();
    return *this;
}

FrameContext Scenario::Context() {
    return FrameContext{state, layers, pictures, services};
}

int Scenario::Run(int n) {
    int ran = 0;
    while (ran < n && state.loop.outcome == Outcome::None) {
        FrameContext frame = Context();
        const std::int32_t livesBefore = state.counters.Lives;
        RunFrameBody(frame);
        if (state.counters.Lives != livesBefore) {
            livesShown.push_back(state.counters.Lives);
        }
        services.now += 16;
        ++ran;
        ++framesRun;
        if (observer) {
            observer(state);
        }
    }
    return ran;
}

bool Scenario::RunUntil(const std::function<bool(const GameState&)>& done, int limit) {
    for (int i = 0; i < limit && state.loop.outcome == Outcome::None; ++i) {
        Run(1);
        if (done(state)) {
            return true;
        }
    }
    return false;
}

}  // namespace tarn::game::testing
