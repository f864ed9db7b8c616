// Boards made to order for the tests of level play: the draws that put the
// valves and the offered pieces where a test wants them, the laying of a
// pipeline piece by piece, and a chance that counts what it hands out.
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

// One try of the valve placement on a board of n x n, landing on (x, y):
// columns and rows 2..n - 1 are Int(r x (n - 2)) + 2.
inline void ScriptTry(Game& g, int n, int x, int y) {
    g.script().push(DrawFor(x - 2, n - 2));
    g.script().push(DrawFor(y - 2, n - 2));
}

// A try that lands on a free place and puts a valve of the given shape there.
inline void ScriptValve(Game& g, int n, int x, int y, int shape) {
    ScriptTry(g, n, x, y);
    g.script().push(DrawFor(shape, 6));
}

// The four offered pieces of a deal, slots 1..4.
inline void ScriptOffer(Game& g, std::initializer_list<int> ids) {
    for (int id : ids) g.script().push(DrawFor(id, 9));
}

// A whole level-1 deal: one valve and the offer.
inline void ScriptLevel1Deal(Game& g, int x, int y, int shape, std::initializer_list<int> offer) {
    ScriptValve(g, 5, x, y, shape);
    ScriptOffer(g, offer);
}

struct Valve {
    int x, y, shape;
};

// The draws of a deal on a board of n x n whose valves all land on free places.
inline void ScriptDeal(Game& g, int n, const std::vector<Valve>& valves, std::initializer_list<int> offer) {
    for (const Valve& v : valves) ScriptValve(g, n, v.x, v.y, v.shape);
    ScriptOffer(g, offer);
}

// Brings a scripted game to the deal of `level`, the way play gets there: a
// new game for level 1, else a won level before it (with the story screen in
// between at a multiple of ten). `script` pushes the draws of that deal.
inline void ReachDeal(Game& g, int level, const std::function<void()>& script) {
    if (level == 1) {
        script();
        ASSERT_TRUE(g.click("novahra"));
        return;
    }
    NewScriptedGame(g);
    script();
    Win(g, level - 1);
    if (g.w("interfrm").visible) {
        ASSERT_TRUE(g.click("interok"));
    }
}

// The same, with the valves and the offer given.
inline void ReachDeal(Game& g, int level, const std::vector<Valve>& valves, std::initializer_list<int> offer) {
    const int n = level / 4 + 5;
    ReachDeal(g, level, [&] { ScriptDeal(g, n, valves, offer); });
}

inline std::string Trubka(int id) { return "trubka(" + std::to_string(id) + ")"; }
inline std::string Voda(int id) { return "voda(" + std::to_string(id) + ")"; }

// One piece of a pipeline: the piece and the cell it goes on.
struct Laid {
    int id;
    int x, y;
};

// Lays the pieces in order from offer slot 1, the way a player does: select
// the slot, click the cell. Slot 1 must show the first piece; each refill is
// scripted to bring the next one (the last refill brings a straight).
inline void LayChain(Game& g, const std::vector<Laid>& chain) {
    const int n = g.main->boardSize;
    for (std::size_t k = 0; k < chain.size(); ++k) {
        const Laid& p = chain[k];
        ASSERT_EQ(g.picture("nabidka", 1), Trubka(p.id)) << "piece " << k;
        g.script().push(DrawFor(k + 1 < chain.size() ? chain[k + 1].id : 1, 9));
        ASSERT_TRUE(g.click("nabidka", 1));
        ASSERT_TRUE(g.click("pole", Cell(p.x, p.y, n))) << "(" << p.x << ", " << p.y << ")";
    }
}

// A level-1 game whose one valve is of `shape` at (vx, vy) and whose pipeline
// is laid during the countdown; the water enters the inlet 23 s after the
// deal and each further cell 2 s later.
inline void NewGameWithPipeline(Game& g, int vx, int vy, int shape, const std::vector<Laid>& chain) {
    ScriptLevel1Deal(g, vx, vy, shape, {chain.empty() ? 1 : chain.front().id, 0, 0, 0});
    ASSERT_TRUE(g.click("novahra"));
    LayChain(g, chain);
}

// The moment of the water's k-th step (from 1) on a level-1 board dealt when
// the game's clock stood at 0: 21 s of countdown, then 2 s a step.
inline std::int64_t FlowTick(int k) { return 23000 + 2000 * (k - 1); }

// The game's own generator, counting its draws.
class CountingRandom : public SeededRandom {
public:
    double next() override {
        ++draws;
        return SeededRandom::next();
    }
    std::uint64_t draws = 0;
};

// A game on the counting generator, seeded after the load.
inline std::unique_ptr<Game> CountedGame(std::uint32_t seed) {
    auto g = std::make_unique<Game>(std::make_unique<CountingRandom>());
    g->random->seed(seed);
    return g;
}

inline CountingRandom& Counter(Game& g) { return dynamic_cast<CountingRandom&>(*g.random); }

}  // namespace vr::test
