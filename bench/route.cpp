#include "bench/route.h"

#include <vector>

namespace vr::bench {

namespace {

struct Cell {
    int x, y;
};

// The side of `from` through which the water leaves towards `to`.
int Towards(Cell from, Cell to) {
    if (to.x > from.x) return kRight;
    if (to.x < from.x) return kLeft;
    return to.y < from.y ? kTop : kBottom;
}

int Opposite(int o) { return o == kTop ? kBottom : o == kBottom ? kTop : o == kLeft ? kRight : kLeft; }

// From the cell above the inlet to the right edge, then every row above it
// end to end, turning at the edges, up and out of the top row.
std::vector<Cell> Snake(int n) {
    std::vector<Cell> path;
    const int m = rules::InletColumn(n);
    for (int x = m; x <= n; ++x) path.push_back({x, n - 1});
    bool rightwards = false;
    for (int y = n - 2; y >= 1; --y, rightwards = !rightwards) {
        for (int k = 1; k <= n; ++k) path.push_back({rightwards ? k : n + 1 - k, y});
    }
    return path;
}

}  // namespace

int DealWithPipeline(Main& game, EventDriver& driver, int level) {
    game.EnterLevel(static_cast<Byte>(level), rules::kStartingLives);
    const std::vector<Cell> path = Snake(game.state().boardSize);
    for (std::size_t i = 0; i < path.size(); ++i) {
        const Cell c = path[i];
        const Cell before = i == 0 ? Cell{c.x, c.y + 1} : path[i - 1];
        const Cell after = i + 1 == path.size() ? Cell{c.x, c.y - 1} : path[i + 1];
        const int id = PieceJoining(Opposite(Towards(before, c)) | Towards(c, after));
        game.LayPiece(c.x, c.y, id);
    }
    while (driver.tick(game.widgets().countdowntimer)) {
    }
    return static_cast<int>(path.size());
}

bool WaterGoesOn(const Main& game) {
    const GameState& s = game.state();
    const int n = s.boardSize;
    if (s.flowX < 1 || s.flowX > n || s.flowY < 1 || s.flowY > n) return false;
    return s.board(s.flowX, s.flowY).id != kEmptyId;
}

}  // namespace vr::bench
