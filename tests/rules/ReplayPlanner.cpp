// rules_replay_planner: finds a key script that clears a stage by a beam search over the
// rules of play (game/planner/PlannerSearch.h), and writes it as a replay ("FRAME KEY..." lines,
// frames from 1) whose second comment line names the frame of the clear.
//
//   rules_replay_planner STAGE.txt ROUTE OUT.rpl [--low] [--goal 1|2] [--beam N]
//                        [--macro N] [--power] [--fps N] [--max-frames N]
//                        [--points WORTH] [--report STEPS]
//
// STAGE.txt is a plain stage text. ROUTE lists waypoints, one a line, that the search heads
// for in turn: "COLUMN ROW [REACH]" to stand at a cell (within the reach in pixels, 16
// unless given), "change COLUMN ROW" to hit, break or crush the block there. The last should
// be the goal. Lines starting with "#" are comments. --low plans for the
// low-spec build (doubled steps, 30 frames per second unless --fps says otherwise).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "game/planner/PlannerStage.h"
#include "support/StageText.h"

namespace tarn::planner {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Waypoint lines: "COLUMN ROW [REACH]" to stand near a cell, "change COLUMN ROW" to change
// a cell (hit, break or crush the block there).
bool ReadRoute(const std::string& path, std::vector<Waypoint>& route) {
    std::ifstream in(path);
    if (!in) {
        return false;
    }
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        Waypoint w;
        if (line.rfind("change", 0) == 0) {
            std::string word;
            fields >> word;
            w.changes = true;
        }
        int column = 0, row = 0;
        if (!(fields >> column >> row)) {
            return false;
        }
        fields >> w.reach;
        w.x = column * kChipSize;
        w.y = (w.changes ? row + 1 : row) * kChipSize;
        route.push_back(w);
    }
    return !route.empty();
}

bool WriteReplay(const std::string& path, const PlanResult& plan, int goal) {
    std::ofstream out(path);
    out << ReplayText(plan, goal);
    return bool(out);
}

int Main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: rules_replay_planner STAGE.txt ROUTE OUT.rpl [--low] [--goal 1|2] "
                     "[--beam N] [--macro N] [--power] [--fps N] [--max-frames N] [--points WORTH] "
                     "[--report STEPS]\n";
        return 2;
    }
    PlanOptions options;
    bool lowSpec = false;
    int fps = 0;
    for (int i = 4; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--low") {
            lowSpec = true;
        } else if (arg == "--power") {
            options.power = true;
        } else if (arg == "--goal" && hasValue) {
            options.goal = std::atoi(argv[++i]);
        } else if (arg == "--beam" && hasValue) {
            options.beam = std::size_t(std::atoi(argv[++i]));
        } else if (arg == "--macro" && hasValue) {
            options.macro = std::atoi(argv[++i]);
        } else if (arg == "--fps" && hasValue) {
            fps = std::atoi(argv[++i]);
        } else if (arg == "--max-frames" && hasValue) {
            options.maxFrames = std::atoi(argv[++i]);
        } else if (arg == "--points" && hasValue) {
            options.pointWorth = std::atof(argv[++i]);
        } else if (arg == "--report" && hasValue) {
            options.reportEvery = std::atoi(argv[++i]);
        } else {
            std::cerr << "unknown option " << arg << "\n";
            return 2;
        }
    }
    options.fps = fps != 0 ? fps : (lowSpec ? 30 : 60);

    const GameStageText text = ReadGameStage(ReadFile(argv[1]));
    if (text.lineCount < 96) {
        std::cerr << argv[1] << ": not a stage text\n";
        return 1;
    }
    if (!ReadRoute(argv[2], options.route)) {
        std::cerr << argv[2] << ": no waypoints, or a line that is none\n";
        return 1;
    }
    const PlanResult plan = FindPlan(options, StartOfStage(text, lowSpec));
    if (!plan.found) {
        std::cerr << plan.failure << "\n";
        return 1;
    }
    if (!WriteReplay(argv[3], plan, options.goal)) {
        std::cerr << "cannot write " << argv[3] << "\n";
        return 1;
    }
    std::cerr << "cleared at frame " << plan.clearFrame << " (" << plan.clearFrame / 30.0
              << " time units of " << text.TimeLeft << ")\n";
    return 0;
}

}  // namespace
}  // namespace tarn::planner

int main(int argc, char** argv) {
    return tarn::planner::Main(argc, argv);
}
