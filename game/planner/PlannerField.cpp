// The distance field: a model of the stage's cells, the moves between (cell, state of
// motion) nodes, and a shortest-path search backwards from the goal cells.
#include "game/planner/PlannerField.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <utility>

namespace tarn::planner {

using namespace tarn::game;

namespace {

constexpr int kCells = kMapColumns * kMapRows;
constexpr int kPlainClimb = 5;  // rows a plain jump rises (80 pixels)
constexpr int kStompCost = 8;
constexpr int kMisfitCost = 4;
// A brick in the way costs a head hit or a crush, and the field, worked out once, keeps
// charging it after the brick is gone; each brick broken earns that much back.
constexpr int kBreakCost = 6;

int CellOf(int column, int row) {
    return row * kMapColumns + column;
}

bool Inside(int column, int row) {
    return column >= 0 && column < kMapColumns && row >= 0 && row < kMapRows;
}

bool Stompable(ObjectKind kind) {
    return kind >= ObjectKind::HorizontalEnemy && kind <= ObjectKind::TurningWalkingEnemyFalling;
}

// What the model knows of each cell at the stage's start.
struct CellModel {
    const Stage& stage;
    bool power;
    std::vector<std::uint8_t> riding = std::vector<std::uint8_t>(kCells);  // on a lift's path
    std::vector<std::uint8_t> ladder = std::vector<std::uint8_t>(kCells);  // a vertical lift's
    std::vector<std::uint8_t> bounce = std::vector<std::uint8_t>(kCells);  // an enemy's top

    CellModel(const Stage& st, bool withPower) : stage(st), power(withPower) {
        for (std::size_t i = 0; i < std::size_t(std::max(0, st.ObjCount)); ++i) {
            const ObjectKind kind = st.ObjKind[i];
            const int column = st.ObjX[i] / kChipSize, row = st.ObjY[i] / kChipSize;
            if (kind == ObjectKind::HorizontalLift) {
                MarkRun(column, row, 1, 0, riding);
            } else if (kind == ObjectKind::VerticalLift) {
                MarkRun(column, row, 0, 1, ladder);
            } else if (Stompable(kind)) {
                const bool vertical = kind == ObjectKind::VerticalEnemy;
                MarkRun(column, row, vertical ? 0 : 1, vertical ? 1 : 0, bounce);
            }
        }
    }

    // Marks the cell above each free cell of the run through (column, row) along (dc, dr).
    void MarkRun(int column, int row, int dc, int dr, std::vector<std::uint8_t>& marks) const {
        if (!Inside(column, row)) {
            return;
        }
        int first = 0, last = 0;
        while (Inside(column - (first + 1) * dc, row - (first + 1) * dr) &&
               !Solid(column - (first + 1) * dc, row - (first + 1) * dr)) {
            ++first;
        }
        while (Inside(column + (last + 1) * dc, row + (last + 1) * dr) &&
               !Solid(column + (last + 1) * dc, row + (last + 1) * dr)) {
            ++last;
        }
        for (int k = -first; k <= last; ++k) {
            const int c = column + k * dc, r = row + k * dr - 1;
            if (Inside(c, r)) {
                marks[std::size_t(CellOf(c, r))] = 1;
            }
        }
    }

    bool Solid(int column, int row) const {
        return column < 0 || column >= kMapColumns || row < 0 || stage.Solid(column, row);
    }
    bool Holds(int column, int row, Chip chip) const { return stage.Holds(column, row, chip); }
    bool Mark(const std::vector<std::uint8_t>& marks, int column, int row) const {
        return Inside(column, row) && marks[std::size_t(CellOf(column, row))] != 0;
    }
    // A spike in the cell, or in the row below, which the player's feet touch.
    bool Deadly(int column, int row) const {
        return Holds(column, row, Chip::Spike) || Holds(column, row + 1, Chip::Spike);
    }
    bool Open(int column, int row) const {
        return Inside(column, row) && !Solid(column, row) && !Deadly(column, row);
    }
    bool Supported(int column, int row) const {
        return (row + 1 < kMapRows && Solid(column, row + 1)) || Mark(riding, column, row) ||
               Mark(ladder, column, row);
    }
    bool Hidden(int column, int row) const {
        return Holds(column, row, Chip::HiddenBlock) ||
               Holds(column, row, Chip::HiddenExtraLifeBlock);
    }
    // Crushed, or passed unharmed, by a player falling straight down in power mode.
    bool PowerPassable(int column, int row) const {
        return power && Inside(column, row) &&
               (Holds(column, row, Chip::BreakableBlock) || !Solid(column, row));
    }
};

}  // namespace

int DistanceField::Node(int mode, int column, int row) {
    return mode * kCells + CellOf(column, row);
}

DistanceField::DistanceField(const GameState& start, int goal, bool power)
    : supported_(kCells), distance_(std::size_t(kModes * kCells), kUnreachable) {
    const CellModel model(start.stage, power);
    for (int row = 0; row < kMapRows; ++row) {
        for (int column = 0; column < kMapColumns; ++column) {
            supported_[std::size_t(CellOf(column, row))] = model.Supported(column, row) ? 1 : 0;
            if (model.Holds(column, row, Chip::BreakableBlock)) {
                bricks_.emplace_back(column, row);
            }
        }
    }
    const auto landing = [&](int column, int row) {
        return Node(supported_[std::size_t(CellOf(column, row))] != 0 ? kStand : kFall, column,
                    row);
    };
    // A rise that ends over a support ends standing there.
    const auto rising = [&](int climb, int column, int row) {
        return climb <= 0 ? landing(column, row) : Node(Rising(climb), column, row);
    };
    // Calls move(to, cost) for each move out of a node.
    const auto moves = [&](int mode, int c, int r, const std::function<void(int, int)>& move) {
        if (mode == kStand) {
            for (int dc : {-1, 1}) {
                if (model.Open(c + dc, r)) {
                    move(landing(c + dc, r), 1);
                }
            }
            for (int dr : {-1, 1}) {
                if (model.Mark(model.ladder, c, r) && model.Mark(model.ladder, c, r + dr)) {
                    move(Node(kStand, c, r + dr), 2);
                }
            }
            move(Node(Rising(kPlainClimb), c, r), 0);
            if (model.PowerPassable(c, r + 1) && model.Solid(c, r + 1)) {
                move(landing(c, r + 1), kBreakCost);
            }
        } else if (mode == kFall) {
            // A stomp needs the enemy right there: each one costs a wait.
            if (model.Mark(model.bounce, c, r)) {
                move(Node(Rising(kMaxClimb), c, r), kStompCost);
            }
            for (int dc : {-1, 0, 1}) {
                const bool corner = !model.Solid(c + dc, r) || !model.Solid(c, r + 1);
                if (model.Open(c + dc, r + 1) && corner) {
                    move(landing(c + dc, r + 1), 1);
                } else if (dc == 0 && model.PowerPassable(c, r + 1)) {
                    move(landing(c, r + 1), 3);
                }
            }
        } else {
            const int climb = mode - 1;
            move(landing(c, r), 0);
            for (int dc : {-1, 0, 1}) {
                const bool corner = !model.Solid(c + dc, r) || !model.Solid(c, r - 1);
                if (model.Open(c + dc, r - 1) && !model.Hidden(c + dc, r - 1) && corner) {
                    move(rising(climb - 1, c + dc, r - 1), 1);
                }
            }
            // A head hit breaks a brick; another jump goes on through the gap.
            if (r > 0 && model.Holds(c, r - 1, Chip::BreakableBlock)) {
                move(rising(climb - 1, c, r - 1), kBreakCost);
            }
        }
    };

    // The moves reversed, in compressed rows: into[node] lists (from, cost).
    const int nodes = kModes * kCells;
    std::vector<int> firstInto(std::size_t(nodes) + 1, 0);
    std::vector<std::pair<int, int>> into;
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<int> fill;
        if (pass == 1) {
            for (int n = 0; n < nodes; ++n) {
                firstInto[std::size_t(n) + 1] += firstInto[std::size_t(n)];
            }
            into.resize(std::size_t(firstInto[std::size_t(nodes)]));
            fill.assign(firstInto.begin(), firstInto.end() - 1);
        }
        for (int mode = 0; mode < kModes; ++mode) {
            for (int r = 0; r < kMapRows; ++r) {
                for (int c = 0; c < kMapColumns; ++c) {
                    if (mode == kStand && supported_[std::size_t(CellOf(c, r))] == 0) {
                        continue;
                    }
                    const int from = Node(mode, c, r);
                    moves(mode, c, r, [&](int to, int cost) {
                        if (pass == 0) {
                            ++firstInto[std::size_t(to) + 1];
                        } else {
                            into[std::size_t(fill[std::size_t(to)]++)] = {from, cost};
                        }
                    });
                }
            }
        }
    }

    using Entry = std::pair<int, int>;  // (distance, node)
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapColumns; ++c) {
            const bool wanted = (goal != 2 && model.Holds(c, r, Chip::Goal1)) ||
                                (goal != 1 && model.Holds(c, r, Chip::Goal2));
            for (int dr = 0; wanted && dr <= 1 && r - dr >= 0; ++dr) {
                for (int mode = 0; mode < kModes; ++mode) {
                    distance_[std::size_t(Node(mode, c, r - dr))] = 0;
                    queue.push({0, Node(mode, c, r - dr)});
                }
            }
        }
    }
    while (!queue.empty()) {
        const auto [d, node] = queue.top();
        queue.pop();
        if (d > distance_[std::size_t(node)]) {
            continue;
        }
        for (int e = firstInto[std::size_t(node)]; e < firstInto[std::size_t(node) + 1]; ++e) {
            const auto [from, cost] = into[std::size_t(e)];
            if (d + cost < distance_[std::size_t(from)]) {
                distance_[std::size_t(from)] = d + cost;
                queue.push({d + cost, from});
            }
        }
    }
}

int DistanceField::At(int mode, int column, int row) const {
    if (!Inside(column, row)) {
        return kUnreachable;
    }
    // A falling player over a support lands there; a standing one without support falls.
    if (mode == kStand || mode == kFall) {
        mode = supported_[std::size_t(CellOf(column, row))] != 0 ? kStand : kFall;
    }
    return distance_[std::size_t(Node(mode, column, row))];
}

int DistanceField::FromCell(int column, int row) const {
    return At(kStand, column, row);
}

int DistanceField::Distance(const GameState& state) const {
    const Player& p = state.player;
    int mode = kFall;
    if (p.JumpState == 0 || p.JumpState == 5) {
        mode = kStand;
    } else if (p.JumpState == 3 && p.JumpArmed == -1) {
        const int power = std::max<int>(p.JumpPower, 1);
        const int riseLeft = state.lowSpec ? std::max(0, 11 * power - p.JumpFrame) * 8
                                           : std::max(0, 22 * power - p.JumpFrame) * 4;
        mode = Rising(std::min(kMaxClimb, (riseLeft + kChipSize - 1) / kChipSize));
    }
    // The player's box covers up to two columns and two rows. It fits a row when both its
    // columns lead on (a gap one column wide is passed only by a player right over it); a
    // box that fits no row counts from its best cell, a little worse.
    const auto cell = [](int pixel) { return pixel >= 0 ? pixel / kChipSize : -1; };
    int fitting = kUnreachable, nearest = kUnreachable;
    for (int y : {p.PlayerY, p.PlayerY + 15}) {
        const int left = At(mode, cell(p.PlayerX), cell(y));
        const int right = At(mode, cell(p.PlayerX + 14), cell(y));
        fitting = std::min(fitting, std::max(left, right));
        nearest = std::min({nearest, left, right});
    }
    if (fitting == kUnreachable && nearest != kUnreachable) {
        fitting = nearest + kMisfitCost;
    }
    if (fitting == kUnreachable) {
        return fitting;
    }
    for (const auto& [column, row] : bricks_) {
        if (!state.stage.Holds(column, row, Chip::BreakableBlock)) {
            fitting -= kBreakCost;
        }
    }
    return fitting;
}

}  // namespace tarn::planner
