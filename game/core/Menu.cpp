// The title menu `Menu`: START, END, key configuration, colour depth and stage folder,
// chosen with Up, Down and Enter.
#include <cmath>
#include <optional>
#include <string>

#include "game/core/Flow.h"
#include "game/core/FrameLoop.h"
#include "game/core/Pacing.h"
#include "game/core/Session.h"
#include "settings/VirtualKeys.h"
#include "support/PictureFile.h"

namespace tarn::game {

namespace {

constexpr int kMenuItems = 5;
constexpr int kStartItem = 0, kEndItem = 1, kConfigItem = 2, kColorItem = 3, kStageItem = 4;
constexpr const char* kFirstStage = "1-1";

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

class TitleMenu : public PacedPhase {
  public:
    explicit TitleMenu(Session& s) : s_(s), windowStart_(s.Clock()) {}

    std::int32_t& FrameCount() override { return frameCounter_; }
    std::uint32_t& SecondStart() override { return windowStart_; }

    void TurnStarted() override { s_.status.Label2 = s_.platform.TimeOfDay(); }

    void SecondEnded(std::uint32_t now) override {
        s_.status.State =
            "FPS " + std::to_string(frameCounter_) + "/" + std::to_string(s_.state.TargetFps);
        frameCounter_ = 0;
        windowStart_ = now;
    }

    bool NeedsInput() const override { return true; }

    std::optional<Next> RunFrame() override {
        Session& s = s_;
        GameState& st = s.state;
        KeyState& keys = st.keys;
        const bool enter = keys.Held(vk::kReturn);
        if (enter && cursor_ == kStartItem) {
            if (!s.FrameFinished()) {
                return Next{Phase::Exit, {}};
            }
            BeginNewGame(s);
            return Next{Phase::Load, kFirstStage};
        }
        if ((enter && cursor_ == kEndItem) || keys.Held(vk::kF2)) {
            s.quitRequested = true;
            return Next{Phase::Exit, {}};
        }
        if (enter && cursor_ == kColorItem) {
            Consume(keys, vk::kReturn);
            st.ColorDepth = st.ColorDepth == 8 ? 16 : 8;
            s.platform.SetColorDepth(st.ColorDepth);
        } else if (enter && cursor_ == kConfigItem) {
            Consume(keys, vk::kReturn);
            st.ConfigNo = (st.ConfigNo + 1) % kConfigCount;
        } else if (enter && cursor_ == kStageItem) {
            Consume(keys, vk::kReturn);
            s.StageDirNo = s.StageDirNo + 1 > int(s.StageDirs.size()) ? 1 : s.StageDirNo + 1;
            s.StageDir = s.StageDirs[std::size_t(s.StageDirNo - 1)];
        }
        if (Consume(keys, vk::kUp)) {
            cursor_ = cursor_ == 0 ? kMenuItems - 1 : cursor_ - 1;
        } else if (Consume(keys, vk::kDown)) {
            cursor_ = cursor_ == kMenuItems - 1 ? 0 : cursor_ + 1;
        }
        Redraw(s, cursor_);
        st.TargetFps = FpsKey(keys, st.TargetFps);
        s.Refresh();
        if (!s.FrameFinished()) {
            return Next{Phase::Exit, {}};
        }
        return std::nullopt;
    }

  private:
    Session& s_;
    std::uint32_t windowStart_;
    std::int32_t frameCounter_ = 1;
    int cursor_ = kStartItem;
};

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
    TitleMenu menu(s);
    s.SetPrintPosition(0, 0);
    s.Print("●START");
    s.SetPrintPosition(0, Twips(640));
    s.Print("  END");
    s.Refresh();
    return RunPaced(s, menu);
}

}  // namespace tarn::game
