// The scenario harness: stage building, the recording services, running frames.
#include "Scenario.h"

#include <algorithm>

namespace tarn::game::testing {

int RecordingServices::Count(SoundId id, SoundOp op) const {
    return int(std::count(sounds.begin(), sounds.end(), std::make_pair(id, op)));
}

namespace {

int CodeOf(char ch) {
    return ch < 'A' ? (ch >= '0' && ch <= '9' ? ch - '0' : 0) : ch - 55;
}

struct ObjectCode {
    int kind, dx, dy;
};

bool ObjectFor(int code, ObjectCode& object) {
    switch (code) {
        case 6:
            object = {0, 2, 0};
            return true;
        case 7:
            object = {1, 0, 2};
            return true;
        case 8:
            object = {2, 1, 0};
            return true;
        case 9:
            object = {3, 0, 2};
            return true;
        case 11:
            object = {5, 1, 1};
            return true;
        case 12:
            object = {6, 1, 0};
            return true;
        case 13:
            object = {7, 0, 2};
            return true;
        case 14:
            object = {8, 1, 0};
            return true;
        case 15:
            object = {9, 1, 0};
            return true;
        case 16:
            object = {10, 1, 0};
            return true;
        case 17:
            object = {1, 0, -2};
            return true;
        case 18:
            object = {3, 0, -2};
            return true;
        default:
            return false;
    }
}

}  // namespace

void BuildStage(Stage& stage, const std::vector<std::string>& rows, bool lowSpec) {
    for (int row = 0; row < kChipRows; ++row) {
        for (int column = 0; column < kChipColumns; ++column) {
            stage.ChipMap[std::size_t(row)][std::size_t(column)] = column <= 200 ? -1 : 0;
            stage.PassMap[std::size_t(row)][std::size_t(column)] = column <= 200 ? -1 : 0;
        }
    }
    for (int row = 0; row < 60; ++row) {
        std::string text = row < int(rows.size()) ? rows[std::size_t(row)] : std::string();
        text.resize(200, '0');
        for (int column = 0; column < 200; ++column) {
            stage.ChipMap[std::size_t(row)][std::size_t(column)] =
                CodeOf(text[std::size_t(column)]);
        }
    }
    stage.ObjKind.clear();
    stage.ObjX.clear();
    stage.ObjY.clear();
    stage.ObjDX.clear();
    stage.ObjDY.clear();
    stage.ObjActive.clear();
    const int factor = lowSpec ? 2 : 1;
    for (int row = 0; row < 60; ++row) {
        for (int column = 0; column < 200; ++column) {
            const int code = stage.Chip(column, row);
            ObjectCode object{};
            if (ObjectFor(code, object)) {
                stage.ObjKind.push_back(std::uint8_t(object.kind));
                stage.ObjX.push_back(column * 16);
                stage.ObjY.push_back(row * 16);
                stage.ObjDX.push_back(object.dx * factor);
                stage.ObjDY.push_back(object.dy * factor);
                stage.ObjActive.push_back(0);
                stage.SetChip(column, row, 0);
            }
            if (code == 1 || code == 2 || code == 21 || code == 23) {
                stage.SetPassable(column, row, false);
            }
        }
    }
    stage.ObjCount = std::int32_t(stage.ObjKind.size());
    for (int spare = 0; spare < 2; ++spare) {
        stage.ObjKind.push_back(0);
        stage.ObjX.push_back(0);
        stage.ObjY.push_back(0);
        stage.ObjDX.push_back(0);
        stage.ObjDY.push_back(0);
        stage.ObjActive.push_back(0);
    }
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
    BuildStage(state.stage, rows, lowSpec);
    state.bindings.KeyGiveUp = kGiveUp;
    state.bindings.KeyPower = kPower;
    state.counters.TimeLeft = 300;
    layers.BackPIC.Reset(kMapWidth, kMapHeight, Rgb(0, 0, 90));
    layers.MainV.Reset(kMapWidth, kMapHeight, kBlack);
    layers.MainMask.Reset(kMapWidth, kMapHeight, kWhite);
    layers.PBuffer.Reset(kMapWidth + 100, kMapHeight + 100, kBlack);
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
