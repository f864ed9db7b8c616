// Boards made to order for the tests of level play: the draws that put the
// valves and the offer where a test wants them, and pipelines laid piece by piece.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "harness.h"
#include "scenes.h"

namespace vr::test {

// The draw r for which Int(r x k) is v.
inline double DrawFor(int v, int k) { return (v + 0.5) / k; }

// A valve try landing on (x, y); with a shape, on a free place, the valve put there.
struct Valve {
    int x, y, shape;  // shape -1: a try refused
};

// The draws of a deal on an n x n board (columns and rows 2..n - 1 are
// Int(r x (n - 2)) + 2): the tries in order, then the offer of slots 1..4.
inline void ScriptDeal(Game& g, int n, const std::vector<Valve>& tries, std::initializer_list<int> offer) {
    for (const Valve& v : tries) {
        g.script().push(DrawFor(v.x - 2, n - 2));
        g.script().push(DrawFor(v.y - 2, n - 2));
        if (v.shape >= 0) g.script().push(DrawFor(v.shape, 6));
    }
    for (int id : offer) g.script().push(DrawFor(id, 9));
}

// Brings a scripted game to the deal of `level` with `lives`, its draws
// pushed by `script`: "Nová Hra" for a new game at level 1.
inline void ReachDeal(Game& g, int level, const std::function<void()>& script, int lives = 5) {
    script();
    if (level == 1 && lives == 5) {
        ASSERT_TRUE(g.click("novahra"));
    } else {
        g.main->EnterLevel(static_cast<Byte>(level), static_cast<Byte>(lives));
    }
}

inline void ReachDeal(Game& g, int level, const std::vector<Valve>& valves, std::initializer_list<int> offer,
                      int lives = 5) {
    ReachDeal(g, level, [&] { ScriptDeal(g, level / 4 + 5, valves, offer); }, lives);
}

inline std::string Trubka(int id) { return "trubka(" + std::to_string(id) + ")"; }
inline std::string Voda(int id) { return "voda(" + std::to_string(id) + ")"; }

struct Laid {  // a piece of a pipeline and its cell
    int id;
    int x, y;
};

// Lays the pieces in order from offer slot 1 as a player does; slot 1 must
// show the first piece, each refill brings the next (the last a straight).
inline void LayChain(Game& g, const std::vector<Laid>& chain) {
    const int n = g.main->state().boardSize;
    for (std::size_t k = 0; k < chain.size(); ++k) {
        const Laid& p = chain[k];
        ASSERT_EQ(g.picture("nabidka", 1), Trubka(p.id)) << "piece " << k;
        g.script().push(DrawFor(k + 1 < chain.size() ? chain[k + 1].id : 1, 9));
        ASSERT_TRUE(g.click("nabidka", 1));
        ASSERT_TRUE(g.click("pole", Cell(p.x, p.y, n))) << "(" << p.x << ", " << p.y << ")";
    }
}

// The moment of the water's k-th step (from 1) on a level-1 board dealt at 0.
inline std::int64_t FlowTick(int k) { return 23000 + 2000 * (k - 1); }

// A game on the game's own generator, loaded at `seconds` after midnight.
inline std::unique_ptr<Game> LoadedAt(std::uint32_t seconds) {
    auto g = Game::Seeded(0);
    g->platform.seconds = seconds;
    g->main->Form_Load();
    return g;
}

class CountingRandom : public SeededRandom {
public:
    double next() override {
        ++draws;
        return SeededRandom::next();
    }
    std::uint64_t draws = 0;
};

// A game on the game's own generator counting its draws, seeded after the load.
inline std::unique_ptr<Game> CountedGame(std::uint32_t seed) {
    auto g = std::make_unique<Game>(std::make_unique<CountingRandom>());
    g->random->seed(seed);
    return g;
}

inline CountingRandom& Counter(Game& g) { return dynamic_cast<CountingRandom&>(*g.random); }

}  // namespace vr::test
