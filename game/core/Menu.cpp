// The title menu `Menu`: START, END, key configuration, colour depth and stage folder,
// chosen with Up, Down and Enter.
#include <cmath>
#include <string>

#include "game/core/Flow.h"
#include "game/core/Pacing.h"
#include "game/core/Session.h"
#include "settings/VirtualKeys.h"
#include "support/PictureFile.h"

namespace tarn::game {

namespace {

constexpr int kMenuItems = 5;
constexpr int kStartItem = 0, kEndItem = 1, kConfigItem = 2, kColorItem = 3, kStageItem = 4;

// Vertical positions are given in twips of the view (15 to a pixel).
int Twips(int twips) {
    return int(std::lround(double(twips) / 15.0));
}

// The folder's own name: the text after the last separator, without the trailing one.
std::string FolderName(const std::filesystem::path& dir) {
    auto p = dir;
    if (!p.has_filename()) {
        p = p.parent_path();
    }
    return p.filename().string();
}

bool Consume(KeyState& keys, int code) {
    if (!keys.Held(code)) {
        return false;
    }
    keys.state[std::size_t(code)] = 0;
    return true;
}

void Redraw(Session& s, int cursor) {
    s.view.Cls();
    const GameState& st = s.state;
    const auto line = [&](int twips, const std::string& text) {
        s.SetPrintPosition(0, Twips(twips));
        s.Print(text);
    };
    line(0, "   START");
    line(640, "   END");
    line(1280, "   Optara(" + std::to_string(st.ConfigNo + 1) + ")");
    line(1920, "   Colore=" + std::to_string(st.ColorDepth) + "bit");
    line(2560, "   Stage Change");
    s.view.FontSize = kStageLineFontPoints;
    line(3400, "      Stage:" + FolderName(s.StageDir));
    s.view.FontSize = kViewFontPoints;
    line(cursor * 640, "●");
}

// Without a frame limit, a menu that no input can reach any more would wait forever.
bool NoMoreInput(const Session& s) {
    return !s.frameLimit && !s.input.InputCanArrive();
}

Next StartGame(Session& s) {
    GameState& st = s.state;
    s.view.picture = Surface{};
    s.view.Cls();
    st.counters.Lives = 5;
    s.status.LifeV = "5";
    const auto& slots = st.KeyTable[std::size_t(st.ConfigNo)];
    st.bindings.KeyRight = slots[kSlotRight];
    st.bindings.KeyLeft = slots[kSlotLeft];
    st.bindings.KeyDash = slots[kSlotDash];
    st.bindings.KeyJump = slots[kSlotJump];
    st.bindings.KeyGiveUp = slots[kSlotGiveUp];
    st.bindings.KeyPower = slots[kSlotPower];
    st.stage.CurrentStage = "1-1";
    return Next{Phase::Load, "1-1"};
}

}  // namespace

Next RunMenu(Session& s) {
    s.menuRequested = false;
    const auto bgPath = s.root / "bg.jpg";
    if (const auto status = LoadPicture(bgPath, s.view.picture); status != PictureStatus::Ok) {
        s.platform.ShowMessage(Fail("Cannot load the title picture " + bgPath.string() + " (" +
                                    Describe(status) + ")."));
        s.exitCode = 1;
        return Next{Phase::Exit, {}};
    }
    s.view.Cls();
    s.view.FontSize = kViewFontPoints;
    s.Refresh();
    GameState& st = s.state;
    std::uint32_t windowStart = s.Clock();
    std::int32_t frameCounter = 1;
    s.SetPrintPosition(0, 0);
    s.Print("●START");
    s.SetPrintPosition(0, Twips(640));
    s.Print("  END");
    s.Refresh();

    int cursor = kStartItem;
    for (;;) {
        s.status.Label2 = s.platform.TimeOfDay();
        if (!s.Pump()) {
            return Interrupted(s);
        }
        const std::uint32_t now = s.Clock();
        if (SecondBoundaryPassed(now, windowStart)) {
            s.status.State =
                "FPS " + std::to_string(frameCounter) + "/" + std::to_string(st.TargetFps);
            frameCounter = 0;
            windowStart = now;
        }
        if (!FrameDue(s.Clock(), windowStart, st.TargetFps, frameCounter)) {
            s.clock.WaitUntil(NextWakeTime(windowStart, st.TargetFps, frameCounter));
            continue;
        }
        if (NoMoreInput(s)) {
            return Next{Phase::Exit, {}};
        }
        ++frameCounter;
        s.FrameStarted();
        KeyState& keys = st.keys;
        const bool enter = keys.Held(vk::kReturn);
        if (enter && cursor == kStartItem) {
            if (!s.FrameFinished()) {
                return Next{Phase::Exit, {}};
            }
            return StartGame(s);
        }
        if ((enter && cursor == kEndItem) || keys.Held(vk::kF2)) {
            s.quitRequested = true;
            return Next{Phase::Exit, {}};
        }
        if (enter && cursor == kColorItem) {
            Consume(keys, vk::kReturn);
            st.ColorDepth = st.ColorDepth == 8 ? 16 : 8;
            s.platform.SetColorDepth(st.ColorDepth);
        } else if (enter && cursor == kConfigItem) {
            Consume(keys, vk::kReturn);
            st.ConfigNo = (st.ConfigNo + 1) % kConfigCount;
        } else if (enter && cursor == kStageItem) {
            Consume(keys, vk::kReturn);
            s.StageDirNo = s.StageDirNo + 1 > int(s.StageDirs.size()) ? 1 : s.StageDirNo + 1;
            s.StageDir = s.StageDirs[std::size_t(s.StageDirNo - 1)];
        }
        if (Consume(keys, vk::kUp)) {
            cursor = cursor == 0 ? kMenuItems - 1 : cursor - 1;
        } else if (Consume(keys, vk::kDown)) {
            cursor = cursor == kMenuItems - 1 ? 0 : cursor + 1;
        }
        Redraw(s, cursor);
        st.TargetFps = FpsKey(keys, st.TargetFps);
        s.Refresh();
        if (!s.FrameFinished()) {
            return Next{Phase::Exit, {}};
        }
    }
}

}  // namespace tarn::game
