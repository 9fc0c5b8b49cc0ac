// The planner's beam search. Each step plays every action from every kept line of play in
// a scratch state, scores the children, and plays the best again into the next pool of
// kept lines. Only two pools of states live at a time; the lines themselves are kept as
// (parent, action) pairs per step.
#include "game/planner/PlannerSearch.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "assets/BuiltinArt.h"
#include "game/core/Pacing.h"
#include "game/core/Rules.h"
#include "game/planner/PlannerScore.h"

namespace tarn::planner {

using namespace tarn::game;

std::vector<PlannerAction> PlannerActions(bool power) {
    std::vector<PlannerAction> actions = {
        {"-", {}},
        {"R", {kReplayRight}},
        {"L", {kReplayLeft}},
        {"RJ", {kReplayRight, kReplayJump}},
        {"LJ", {kReplayLeft, kReplayJump}},
        {"J", {kReplayJump}},
        {"RD", {kReplayRight, kReplayDash}},
        {"RDJ", {kReplayRight, kReplayDash, kReplayJump}},
        {"LD", {kReplayLeft, kReplayDash}},
        {"LDJ", {kReplayLeft, kReplayDash, kReplayJump}},
    };
    if (power) {
        actions.push_back({"P", {kReplayPower}});
        actions.push_back({"PJ", {kReplayPower, kReplayJump}});
    }
    return actions;
}

void UseReplayBindings(GameState& state) {
    state.bindings = KeyBindings{std::uint8_t(kReplayRight),  std::uint8_t(kReplayLeft),
                                 std::uint8_t(kReplayDash),   std::uint8_t(kReplayJump),
                                 std::uint8_t(kReplayGiveUp), std::uint8_t(kReplayPower)};
}

PacedClock::PacedClock(int fps, std::uint32_t start)
    : fps_(fps), now_(start), secondStart_(start) {}

double PacedClock::NextFrame() {
    double spent = 0;
    for (;;) {
        if (SecondBoundaryPassed(now_, secondStart_)) {
            spent += double(frameCount_) / 30.0;
            frameCount_ = 0;
            secondStart_ = now_;
        }
        if (FrameDue(now_, secondStart_, fps_, frameCount_)) {
            break;
        }
        now_ = NextWakeTime(secondStart_, fps_, frameCount_);
    }
    ++frameCount_;
    return spent;
}

namespace {

// Plain pictures: the rules draw, but nothing of what they draw decides the play.
art::BuiltinPictures SearchPictures() {
    art::BuiltinPictures pictures;
    for (std::size_t code = 0; code < pictures.BrTip.size(); ++code) {
        pictures.BrTip[code] = Surface(16, 16, kBlack);
        pictures.BrMask[code] = Surface(16, 16, code == 0 ? kWhite : kBlack);
    }
    for (std::size_t kind = 0; kind < pictures.TPic.size(); ++kind) {
        pictures.TPic[kind] = Surface(16, 16, kBlack);
        pictures.TMask[kind] = Surface(16, 16, kBlack);
    }
    pictures.MyMask = Surface(16, 16, kBlack);
    return pictures;
}

// The clock reading and the time taken off before each frame (index = frame number).
struct Schedule {
    std::vector<std::uint32_t> clock;
    std::vector<double> spent;

    Schedule(int fps, int frames) {
        PacedClock paced(fps);
        clock.resize(std::size_t(frames) + 1);
        spent.resize(std::size_t(frames) + 1);
        for (int frame = 1; frame <= frames; ++frame) {
            spent[std::size_t(frame)] = paced.NextFrame();
            clock[std::size_t(frame)] = paced.Now();
        }
    }
};

// Frame services that only keep the clock: the search draws nothing and plays nothing.
class SilentServices : public FrameServices {
  public:
    std::uint32_t now = 0;
    std::uint32_t Clock() override { return now; }
    void Sound(SoundId, SoundOp) override {}
    void PrintOnPBuffer(int, int, std::string_view) override {}
};

struct Slot {
    GameState state;
    std::size_t waypoint = 0;
    double score = 0;
};

struct Choice {
    int parent;
    int action;
    int x, y;  // where the line's player was after the step
};

// A child line of play as Select sees it; only the chosen ones are played again into
// kept states, so a step copies a whole state once per kept line, not once per child.
struct Candidate {
    int parent;
    int action;
    std::size_t waypoint;
    double score;
    std::size_t key;
    int x, y;
    bool standing;
};

std::size_t Mix(std::size_t h, std::int64_t value) {
    return (h ^ std::size_t(value)) * 1099511628211ull;
}

// Lines of play that cannot be told apart by what happens next share a key.
std::size_t KeyOf(const GameState& state, std::size_t waypoint) {
    const Player& p = state.player;
    std::size_t h = 14695981039346656037ull;
    for (std::int64_t v :
         {std::int64_t(p.PlayerX), std::int64_t(p.PlayerY), std::int64_t(p.JumpState),
          std::int64_t(p.JumpFrame), std::int64_t(p.JumpArmed), std::int64_t(p.JumpPower),
          std::int64_t(p.OnLift), std::int64_t(p.RunSpeed), std::int64_t(p.PowerUntil),
          std::int64_t(waypoint), std::int64_t(state.loop.StompChain)}) {
        h = Mix(h, v);
    }
    const Stage& st = state.stage;
    for (std::size_t i = 0; i < std::size_t(st.ObjCount); ++i) {
        h = Mix(h, std::int64_t(st.ObjKind[i]));
        h = Mix(h, std::int64_t(st.ObjX[i]) * 4096 + st.ObjY[i]);
        h = Mix(h, std::int64_t(st.ObjDX[i]) * 64 + st.ObjDY[i]);
    }
    return h;
}

// The beam, narrowed so that the kept lines and their children fit the memory limit.
std::size_t BeamWithin(const PlanOptions& options, std::size_t actions) {
    const std::size_t perLine = 2 * sizeof(Slot) + sizeof(Candidate) * actions;
    return std::max<std::size_t>(1, std::min(options.beam, options.memoryLimit / perLine));
}

class Search {
  public:
    Search(const PlanOptions& options, const GameState& start)
        : options_(options),
          actions_(PlannerActions(options.power)),
          schedule_(options.fps, options.maxFrames + options.macro + kPlanFirstFrame),
          pictures_(SearchPictures()),
          start_(start),
          startNext_(start.stage.NextStage),
          beam_(BeamWithin(options, actions_.size())) {
        kept_.resize(beam_);
        next_.resize(beam_);
        candidates_.reserve(beam_ * actions_.size());
        kept_[0].state = start;
        for (int frame = 1; frame < kPlanFirstFrame; ++frame) {
            RunFrame(kept_[0].state, {}, frame);
        }
        alive_ = 1;
    }

    PlanResult Run() {
        PlanResult result;
        const int steps = (options_.maxFrames - kPlanFirstFrame) / options_.macro;
        for (int step = 0; step < steps; ++step) {
            const std::size_t born = Expand(step, result);
            result.states += born;
            if (result.found) {
                return result;
            }
            if (options_.progress) {
                options_.progress(Frame(step + 1), result.states);
            }
            if (options_.cancel != nullptr && options_.cancel->load()) {
                result.cancelled = true;
                result.failure = "cancelled";
                return result;
            }
            if (std::chrono::steady_clock::now() >= options_.deadline ||
                (options_.maxStates != 0 && result.states >= options_.maxStates)) {
                result.failure = "no clear within " + std::to_string(result.states) + " states";
                return result;
            }
            if (born == 0) {
                result.failure = "every line of play died by frame " + std::to_string(Frame(step));
                return result;
            }
            Select(born, step);
            if (options_.reportEvery > 0 && step % options_.reportEvery == 0) {
                const Slot& best = kept_[0];
                const Player& p = best.state.player;
                std::fprintf(
                    stderr, "frame %d: x %d y %d jump state %d waypoint %zu score %.0f lines %zu\n",
                    Frame(step + 1), p.PlayerX, p.PlayerY, p.JumpState, best.waypoint, best.score,
                    alive_);
            }
        }
        result.failure = "no clear within " + std::to_string(options_.maxFrames) + " frames";
        return result;
    }

  private:
    int Frame(int step) const { return kPlanFirstFrame + step * options_.macro; }

    void RunFrame(GameState& state, const std::vector<int>& keys, int frame) {
        state.keys.Clear();
        for (int key : keys) {
            state.keys.Press(key, state.bindings);
        }
        state.counters.TimeLeft -= schedule_.spent[std::size_t(frame)];
        services_.now = schedule_.clock[std::size_t(frame)];
        FrameContext context{state, layers_, pictures_, services_};
        RunFrameBody(context);
    }

    // Goal 2 replaces the next stage by the one it names.
    int GoalReached(const GameState& state) const {
        const bool goal2 =
            state.stage.NextStage == state.stage.NextStage2 && startNext_ != state.stage.NextStage2;
        return goal2 ? 2 : 1;
    }
    bool WantedGoal(const GameState& state) const {
        return options_.goal == 0 || options_.goal == GoalReached(state);
    }

    // The parent's state in the scratch state: its maps are copied only when the scratch
    // holds another line's maps, or its own changed by the last action played.
    void Restore(std::size_t parent) {
        const GameState& from = kept_[parent].state;
        if (scratchParent_ == parent && scratch_.stage.Edits == from.stage.Edits) {
            CopyAllButMaps(scratch_, from);
        } else {
            scratch_ = from;
            scratchParent_ = parent;
        }
    }

    // Holds the action's keys for a step from its first frame; returns the frame after the
    // last one played (the step ends early with the line's outcome).
    int Play(GameState& state, std::size_t action, int step) {
        int frame = Frame(step);
        for (int f = 0; f < options_.macro; ++f, ++frame) {
            RunFrame(state, actions_[action].keys, frame);
            if (state.loop.outcome != Outcome::None) {
                break;
            }
        }
        return frame;
    }

    // Plays every action from every kept line; returns the number of living children.
    std::size_t Expand(int step, PlanResult& result) {
        candidates_.clear();
        for (std::size_t n = 0; n < alive_; ++n) {
            for (std::size_t a = 0; a < actions_.size(); ++a) {
                Restore(n);
                const int frame = Play(scratch_, a, step);
                const Outcome outcome = scratch_.loop.outcome;
                if (outcome == Outcome::Dead ||
                    (outcome == Outcome::Clear && !WantedGoal(scratch_))) {
                    continue;
                }
                if (outcome == Outcome::Clear) {
                    Finish(step, int(n), int(a), scratch_, frame, result);
                    return candidates_.size();
                }
                std::size_t waypoint = kept_[n].waypoint;
                const std::optional<double> score = ScoreLine(options_, start_, scratch_, waypoint);
                if (!score) {
                    continue;
                }
                const Player& p = scratch_.player;
                candidates_.push_back({int(n), int(a), waypoint, *score, KeyOf(scratch_, waypoint),
                                       p.PlayerX, p.PlayerY, Standing(p)});
            }
        }
        return candidates_.size();
    }

    void Finish(int step, int parent, int action, const GameState& last, int clearFrame,
                PlanResult& result) {
        std::vector<int> chosen(std::size_t(step) + 1);
        chosen[std::size_t(step)] = action;
        result.path.assign(std::size_t(step) + 2, {});
        result.path[0] = {start_.player.PlayerX, start_.player.PlayerY};
        result.path[std::size_t(step) + 1] = {last.player.PlayerX, last.player.PlayerY};
        for (int back = step - 1; back >= 0; --back) {
            const Choice& c = history_[std::size_t(back)][std::size_t(parent)];
            chosen[std::size_t(back)] = c.action;
            result.path[std::size_t(back) + 1] = {c.x, c.y};
            parent = c.parent;
        }
        result.found = true;
        result.goal = GoalReached(last);
        result.clearFrame = clearFrame;
        result.firstFrame = kPlanFirstFrame;
        for (std::size_t s = 0; s < chosen.size(); ++s) {
            for (int f = 0; f < options_.macro; ++f) {
                result.keysFromFrame.push_back(actions_[std::size_t(chosen[s])].keys);
            }
        }
        result.keysFromFrame.resize(std::size_t(clearFrame - kPlanFirstFrame + 1));
    }

    // Most of the beam goes to the lines closest to the waypoint; a quarter is kept for the
    // best lines standing on something, so that waiting (for a lift, for an enemy to pass)
    // survives a pit that greedier lines leap into and die in. Lines alike in every state
    // that matters, and crowds on one spot, are thinned out.
    void Select(std::size_t born, int step) {
        std::vector<std::size_t> order(born);
        std::iota(order.begin(), order.end(), std::size_t(0));
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return candidates_[a].score > candidates_[b].score;
        });
        std::vector<std::size_t> chosen;
        std::vector<bool> taken(born, false);
        std::unordered_set<std::size_t> seen;
        std::unordered_map<long, int> crowd;
        const auto admit = [&](std::size_t limit, bool standingOnly) {
            for (std::size_t i : order) {
                if (chosen.size() >= limit) {
                    return;
                }
                const Candidate& c = candidates_[i];
                if (taken[i] || (standingOnly && !c.standing)) {
                    continue;
                }
                if (!seen.insert(c.key).second) {
                    taken[i] = true;
                    continue;
                }
                if (++crowd[long(c.x / 8) * 1000 + long(c.y / 8)] > 4) {
                    continue;
                }
                taken[i] = true;
                chosen.push_back(i);
            }
        };
        admit(beam_ * 3 / 4, false);
        admit(beam_, true);
        std::vector<Choice> choices;
        choices.reserve(chosen.size());
        for (std::size_t k = 0; k < chosen.size(); ++k) {
            const Candidate& c = candidates_[chosen[k]];
            choices.push_back({c.parent, c.action, c.x, c.y});
            Slot& to = next_[k];
            to.state = kept_[std::size_t(c.parent)].state;
            Play(to.state, std::size_t(c.action), step);
            to.waypoint = c.waypoint;
            to.score = c.score;
        }
        history_.push_back(std::move(choices));
        std::swap(kept_, next_);
        scratchParent_ = kNoParent;
        alive_ = chosen.size();
    }

    const PlanOptions& options_;
    std::vector<PlannerAction> actions_;
    Schedule schedule_;
    Layers layers_;  // empty pictures: the search needs no drawing
    art::BuiltinPictures pictures_;
    SilentServices services_;
    GameState start_;
    std::string startNext_;
    std::size_t beam_;
    std::vector<Slot> kept_;
    std::vector<Slot> next_;
    std::vector<Candidate> candidates_;
    static constexpr std::size_t kNoParent = std::size_t(-1);
    GameState scratch_;
    std::size_t scratchParent_ = kNoParent;
    std::size_t alive_ = 0;
    std::vector<std::vector<Choice>> history_;
};

}  // namespace

PlanResult FindPlan(const PlanOptions& options, const GameState& start) {
    if ((options.route.empty() && options.field == nullptr) || options.beam == 0 ||
        options.macro <= 0) {
        PlanResult result;
        result.failure = "a plan needs a route or a field, a beam and a macro of at least one";
        return result;
    }
    Search search(options, start);
    return search.Run();
}

}  // namespace tarn::planner
