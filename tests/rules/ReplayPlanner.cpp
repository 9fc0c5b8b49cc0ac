// rules_replay_planner: finds a key script that clears a stage by a beam search over the
// rules of play, and writes it as a replay ("FRAME KEY..." lines, frames from 1).
//
//   rules_replay_planner STAGE.txt ROUTE OUT.rpl [--low] [--goal 1|2] [--beam N]
//
// STAGE.txt is a plain stage text. ROUTE lists waypoints "COLUMN ROW" (cells), one a line,
// that the search heads for in turn; the last should be the goal. The search plays the
// frame body exactly as the main loop does (with a frame rate of 60 for the time limit),
// tries ten key combinations held for a few frames at a time, and keeps the states closest
// to the next waypoint.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <unordered_set>

#include "Scenario.h"
#include "support/StageText.h"

namespace tarn::game::testing {
namespace {

struct Action {
    const char* name;
    std::vector<int> keys;
};

const std::vector<Action> kActions = {
    {"-", {}},
    {"R", {kRight}},
    {"L", {kLeft}},
    {"RJ", {kRight, kJump}},
    {"LJ", {kLeft, kJump}},
    {"J", {kJump}},
    {"RD", {kRight, kDash}},
    {"RDJ", {kRight, kDash, kJump}},
    {"LD", {kLeft, kDash}},
    {"LDJ", {kLeft, kDash, kJump}},
};

struct Node {
    GameState state;
    int parent = -1;
    int action = 0;
    std::size_t waypoint = 0;
    double score = 0;
};

struct Plan {
    std::vector<std::pair<int, int>> route;  // pixels
    int macro = 4;
    std::size_t beam = 200;
    int goal = 1;
    int maxSteps = 3000;
};

struct Simulator {
    Layers layers;  // empty pictures: the search needs no drawing
    art::BuiltinPictures pictures = TestPictures();
    RecordingServices services;

    void Frame(GameState& state, const Action& action, int frameNo) {
        state.keys.Clear();
        for (int key : action.keys) {
            state.keys.Press(key, state.bindings);
        }
        services.sounds.clear();
        services.printed.clear();
        services.now = std::uint32_t(1000 + frameNo * 16);
        FrameContext frame{state, layers, pictures, services};
        RunFrameBody(frame);
        if (frameNo % 60 == 0) {
            state.counters.TimeLeft -= 2;
        }
    }
};

std::size_t KeyOf(const Node& node) {
    const Player& p = node.state.player;
    std::size_t h = std::size_t(p.PlayerX) * 1000003u ^ std::size_t(p.PlayerY) * 9176u;
    h = h * 31 + std::size_t(p.JumpState + 7);
    h = h * 31 + std::size_t(p.JumpFrame);
    h = h * 31 + std::size_t(p.JumpArmed + 2);
    h = h * 31 + std::size_t(p.JumpPower);
    h = h * 31 + std::size_t(p.OnLift + 2);
    h = h * 31 + node.waypoint;
    for (std::int32_t i = 0; i < node.state.stage.ObjCount; ++i) {
        h = h * 7 + std::size_t(node.state.stage.ObjKind[std::size_t(i)]);
    }
    return h;
}

double Score(const Plan& plan, Node& node) {
    const Player& p = node.state.player;
    while (node.waypoint + 1 < plan.route.size()) {
        const auto [wx, wy] = plan.route[node.waypoint];
        if (std::abs(p.PlayerX - wx) <= 16 && std::abs(p.PlayerY - wy) <= 16) {
            ++node.waypoint;
        } else {
            break;
        }
    }
    const auto [wx, wy] = plan.route[node.waypoint];
    const double distance = std::abs(p.PlayerX - wx) + 1.5 * std::abs(p.PlayerY - wy);
    return double(node.waypoint) * 100000.0 - distance;
}

// The game delivers keys of frame 1 while it is still starting up, so the plan holds no
// key in frame 1 and starts choosing from frame 2 (kFirstFrame).
constexpr int kFirstFrame = 2;

bool Search(const Plan& plan, const GameState& start, std::vector<int>& actions, int& clearFrame) {
    Simulator sim;
    std::vector<std::vector<Node>> layersOfNodes;
    layersOfNodes.push_back({Node{start}});
    for (int frame = 1; frame < kFirstFrame; ++frame) {
        sim.Frame(layersOfNodes[0][0].state, kActions[0], frame);
    }
    for (int step = 0; step < plan.maxSteps; ++step) {
        const std::vector<Node>& current = layersOfNodes.back();
        std::vector<Node> next;
        next.reserve(current.size() * kActions.size());
        for (std::size_t n = 0; n < current.size(); ++n) {
            for (std::size_t a = 0; a < kActions.size(); ++a) {
                Node child{current[n].state, int(n), int(a), current[n].waypoint, 0};
                int frameNo = 0;
                for (int f = 1; f <= plan.macro; ++f) {
                    frameNo = kFirstFrame - 1 + step * plan.macro + f;
                    sim.Frame(child.state, kActions[a], frameNo);
                    if (child.state.loop.outcome != Outcome::None) {
                        break;
                    }
                }
                const Outcome outcome = child.state.loop.outcome;
                if (outcome == Outcome::Dead) {
                    continue;
                }
                if (outcome == Outcome::Clear) {
                    const bool goal2 =
                        child.state.stage.NextStage == child.state.stage.NextStage2 &&
                        start.stage.NextStage != start.stage.NextStage2;
                    if ((plan.goal == 2) != goal2) {
                        continue;
                    }
                    clearFrame = frameNo;
                    actions.assign(std::size_t(step + 1), 0);
                    actions[std::size_t(step)] = int(a);
                    int parent = int(n);
                    for (int back = step - 1; back >= 0; --back) {
                        const Node& node =
                            layersOfNodes[std::size_t(back + 1)][std::size_t(parent)];
                        actions[std::size_t(back)] = node.action;
                        parent = node.parent;
                    }
                    return true;
                }
                child.score = Score(plan, child);
                next.push_back(std::move(child));
            }
        }
        if (next.empty()) {
            std::cerr << "every line of play died at step " << step << "\n";
            return false;
        }
        std::stable_sort(next.begin(), next.end(),
                         [](const Node& a, const Node& b) { return a.score > b.score; });
        // Most of the beam goes to the states closest to the waypoint; a quarter is kept
        // for the best states standing on something, so that waiting (for a lift, for an
        // enemy to pass) survives a pit that greedier states leap into and die in.
        std::vector<Node> kept;
        std::unordered_set<std::size_t> seen;
        std::unordered_map<long, int> buckets;
        const auto admit = [&](Node& node, std::size_t limit, bool groundedOnly) {
            if (kept.size() >= limit || node.parent < 0) {
                return;
            }
            const Player& p = node.state.player;
            if (groundedOnly && p.JumpState != 0 && p.JumpState != 5) {
                return;
            }
            if (!seen.insert(KeyOf(node)).second) {
                return;
            }
            const long bucket = long(p.PlayerX / 8) * 1000 + long(p.PlayerY / 8);
            if (++buckets[bucket] > 4) {
                return;
            }
            kept.push_back(std::move(node));
            // Marks the moved-from node as taken.
            node.parent = -1;  // NOLINT(bugprone-use-after-move)
        };
        for (Node& node : next) {
            admit(node, plan.beam * 3 / 4, false);
        }
        for (Node& node : next) {
            admit(node, plan.beam, true);
        }
        // Only the parents and actions of older layers are needed.
        for (Node& old : layersOfNodes.back()) {
            old.state = GameState{};
        }
        layersOfNodes.push_back(std::move(kept));
        if (step % 50 == 0) {
            const Node& best = layersOfNodes.back().front();
            std::fprintf(stderr, "step %d frame %d: x %d y %d waypoint %zu score %.0f\n", step,
                         kFirstFrame + (step + 1) * plan.macro, best.state.player.PlayerX,
                         best.state.player.PlayerY, best.waypoint, best.score);
        }
    }
    std::cerr << "no clear within " << plan.maxSteps << " steps\n";
    return false;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int Main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: rules_replay_planner STAGE.txt ROUTE OUT.rpl [--low] [--goal 1|2] "
                     "[--beam N] [--macro N]\n";
        return 2;
    }
    Plan plan;
    bool lowSpec = false;
    for (int i = 4; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--low") {
            lowSpec = true;
        } else if (arg == "--goal" && i + 1 < argc) {
            plan.goal = std::atoi(argv[++i]);
        } else if (arg == "--beam" && i + 1 < argc) {
            plan.beam = std::size_t(std::atoi(argv[++i]));
        } else if (arg == "--macro" && i + 1 < argc) {
            plan.macro = std::atoi(argv[++i]);
        }
    }
    const GameStageText text = ReadGameStage(ReadFile(argv[1]));
    if (text.lineCount < 96) {
        std::cerr << argv[1] << ": not a stage text\n";
        return 1;
    }
    std::ifstream route(argv[2]);
    for (int column = 0, row = 0; route >> column >> row;) {
        plan.route.emplace_back(column * 16, row * 16);
    }
    if (plan.route.empty()) {
        std::cerr << argv[2] << ": no waypoints\n";
        return 1;
    }
    GameState start;
    start.lowSpec = lowSpec;
    FillMaps(start, text.rows);
    start.stage.NextStage = text.NextStage;
    start.stage.NextStage2 = text.NextStage2;
    start.player.PlayerX = text.PlayerX;
    start.player.PlayerY = text.PlayerY;
    start.counters.TimeLeft = text.TimeLeft;

    std::vector<int> actions;
    int clearFrame = 0;
    if (!Search(plan, start, actions, clearFrame)) {
        return 1;
    }
    std::ofstream out(argv[3]);
    out << "# Clears the stage through goal " << plan.goal << ".\n";
    out << "# clears at frame " << clearFrame << "\n";
    int last = -1;
    for (std::size_t step = 0; step < actions.size(); ++step) {
        if (actions[step] == last) {
            continue;
        }
        last = actions[step];
        out << step * std::size_t(plan.macro) + kFirstFrame;
        for (int key : kActions[std::size_t(last)].keys) {
            out << ' ' << key;
        }
        out << '\n';
    }
    std::cerr << "cleared at frame " << clearFrame << "\n";
    return out ? 0 : 1;
}

}  // namespace
}  // namespace tarn::game::testing

int main(int argc, char** argv) {
    return tarn::game::testing::Main(argc, argv);
}
