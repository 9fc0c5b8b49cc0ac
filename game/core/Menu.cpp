// The title menu `Menu`: START, END, key configuration, colour depth and stage folder,
// chosen with Up, Down and Enter.
#include <cmath>
#include <optional>
#include <string>

#include "game/core/Flow.h"
#include "game/core/FrameLoop.h"
#include "game/core/Pacing.h"
#include "game/core/RunControl.h"
#include "game/core/Screen.h"
#include "game/core/StageFolders.h"
#include "settings/VirtualKeys.h"
#include "support/PictureFile.h"
#include "support/UserText.h"

namespace tarn::game {

namespace {

constexpr int kMenuItems = 5;
constexpr int kStartItem = 0, kEndItem = 1, kConfigItem = 2, kColorItem = 3, kStageItem = 4;
constexpr const char* kFirstStage = "1-1";

// Vertical positions are given in twips of the view (15 to a pixel).
int Twips(int twips) {
    return int(std::lround(double(twips) / 15.0));
}

bool Consume(KeyState& keys, int code) {
    if (!keys.Held(code)) {
        return false;
    }
    keys.state[std::size_t(code)] = 0;
    return true;
}

// Everything the menu's lines show.
struct MenuLines {
    int cursor = -1;
    int configNo = 0;
    int colorDepth = 0;
    std::string stage;
    bool operator==(const MenuLines&) const = default;
};

void Redraw(Screen& screen, const GameState& st, const StageFolders& folders, int cursor) {
    screen.view.Cls();
    const auto line = [&](int twips, const std::string& text) {
        screen.SetPrintPosition(0, Twips(twips));
        screen.Print(text);
    };
    line(0, "   START");
    line(640, "   END");
    line(1280, "   Optara(" + std::to_string(st.ConfigNo + 1) + ")");
    line(1920, "   Colore=" + std::to_string(st.ColorDepth) + "bit");
    line(2560, "   Stage Change");
    screen.view.FontSize = kStageLineFontPoints;
    line(3400, "      Stage:" + folders.ChosenName());
    screen.view.FontSize = kViewFontPoints;
    line(cursor * 640, "●");
}

class TitleMenu : public PacedPhase {
  public:
    TitleMenu(GameState& state, Screen& screen, RunControl& run, StageFolders& folders,
              GameClock& clock)
        : st_(state), screen_(screen), run_(run), folders_(folders), windowStart_(clock.Clock()) {}

    std::int32_t& FrameCount() override { return frameCounter_; }
    std::uint32_t& SecondStart() override { return windowStart_; }

    void TurnStarted() override { screen_.ShowTimeOfDay(); }

    void SecondEnded(std::uint32_t now) override {
        screen_.strip.SetFrameRate(frameCounter_, st_.TargetFps);
        frameCounter_ = 0;
        windowStart_ = now;
    }

    bool NeedsInput() const override { return true; }

    std::optional<Next> RunFrame() override {
        GameState& st = st_;
        KeyState& keys = st.keys;
        const bool enter = keys.Held(vk::kReturn);
        if (enter && cursor_ == kStartItem) {
            if (!run_.FrameFinished(st)) {
                return Next{Phase::Exit, {}};
            }
            BeginNewGame(st, screen_.strip);
            return Next{Phase::Load, kFirstStage};
        }
        if ((enter && cursor_ == kEndItem) || keys.Held(vk::kF2)) {
            run_.quitRequested = true;
            return Next{Phase::Exit, {}};
        }
        if (enter && cursor_ == kColorItem) {
            Consume(keys, vk::kReturn);
            st.ColorDepth = st.ColorDepth == 8 ? 16 : 8;
            screen_.SetColorDepth(st.ColorDepth);
        } else if (enter && cursor_ == kConfigItem) {
            Consume(keys, vk::kReturn);
            st.ConfigNo = (st.ConfigNo + 1) % kConfigCount;
        } else if (enter && cursor_ == kStageItem) {
            Consume(keys, vk::kReturn);
            folders_.ChooseNext();
        }
        if (Consume(keys, vk::kUp)) {
            cursor_ = cursor_ == 0 ? kMenuItems - 1 : cursor_ - 1;
        } else if (Consume(keys, vk::kDown)) {
            cursor_ = cursor_ == kMenuItems - 1 ? 0 : cursor_ + 1;
        }
        // The same lines drawn again would give the same view, so only the strip may change.
        MenuLines shown{cursor_, st.ConfigNo, st.ColorDepth, folders_.ChosenName()};
        const bool viewChanges = !(shown == drawn_) || !screen_.reuseUnchangedView;
        if (viewChanges) {
            Redraw(screen_, st, folders_, cursor_);
            drawn_ = std::move(shown);
        }
        st.TargetFps = FpsKey(keys, st.TargetFps);
        if (viewChanges) {
            screen_.Refresh();
        } else {
            screen_.RefreshStrip();
        }
        if (!run_.FrameFinished(st)) {
            return Next{Phase::Exit, {}};
        }
        return std::nullopt;
    }

  private:
    GameState& st_;
    Screen& screen_;
    RunControl& run_;
    StageFolders& folders_;
    std::uint32_t windowStart_;
    std::int32_t frameCounter_ = 1;
    int cursor_ = kStartItem;
    MenuLines drawn_;  // the lines on the view; none before the first frame
};

}  // namespace

Next RunMenu(GameState& state, Screen& screen, RunControl& run, StageFolders& folders,
             GameClock& clock, const std::filesystem::path& titlePicture) {
    run.menuRequested = false;
    if (const auto status = LoadPicture(titlePicture, screen.view.picture);
        status != PictureStatus::Ok) {
        screen.ShowMessage(Fail("Cannot load the title picture " + ShownPath(titlePicture) + " (" +
                                Describe(status) + ")."));
        run.exitCode = 1;
        return Next{Phase::Exit, {}};
    }
    screen.view.Cls();
    screen.view.FontSize = kViewFontPoints;
    screen.Refresh();
    TitleMenu menu(state, screen, run, folders, clock);
    run.mode = InputMode::Menu;
    screen.SetPrintPosition(0, 0);
    screen.Print("●START");
    screen.SetPrintPosition(0, Twips(640));
    screen.Print("  END");
    screen.Refresh();
    return RunPaced(menu, run, clock, state);
}

}  // namespace tarn::game
