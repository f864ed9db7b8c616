// Boards made to order for the tests of level play: the draws that put the
// valves and the offer where a test wants them, pipelines laid piece by
// piece, and a chance that counts its draws.
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

// One try of the valve placement on an n x n board landing on (x, y)
// (columns and rows 2..n - 1 are Int(r x (n - 2)) + 2); with a shape, the
// try finds the place free and puts that valve there.
inline void ScriptTry(Game& g, int n, int x, int y, int shape = -1) {
    g.script().push(DrawFor(x - 2, n - 2));
    g.script().push(DrawFor(y - 2, n - 2));
    if (shape >= 0) g.script().push(DrawFor(shape, 6));
}

// The four offered pieces of a deal, slots 1..4.
inline void ScriptOffer(Game& g, std::initializer_list<int> ids) {
    for (int id : ids) g.script().push(DrawFor(id, 9));
}

struct Valve {
    int x, y, shape;  // shape -1: a try refused
};

// The draws of a deal on an n x n board: the tries in order, then the offer.
inline void ScriptDeal(Game& g, int n, const std::vector<Valve>& valves, std::initializer_list<int> offer) {
    for (const Valve& v : valves) ScriptTry(g, n, v.x, v.y, v.shape);
    ScriptOffer(g, offer);
}

// Brings a scripted game to the deal of `level` the way play gets there: a
// new game for level 1, else a won level before it (closing the story screen
// at a multiple of ten). `script` pushes the draws of that deal.
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

inline void ReachDeal(Game& g, int level, const std::vector<Valve>& valves, std::initializer_list<int> offer) {
    ReachDeal(g, level, [&] { ScriptDeal(g, level / 4 + 5, valves, offer); });
}

inline std::string Trubka(int id) { return "trubka(" + std::to_string(id) + ")"; }
inline std::string Voda(int id) { return "voda(" + std::to_string(id) + ")"; }

// One piece of a pipeline: the piece and its cell.
struct Laid {
    int id;
    int x, y;
};

// Lays the pieces in order from offer slot 1 as a player does (select the
// slot, click the cell); slot 1 must show the first piece, each refill is
// scripted to bring the next (the last a straight).
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

// A level-1 game dealt by the valve tries given, its pipeline laid during the
// countdown; the water enters the inlet 23 s after the deal, then a cell every 2 s.
inline void NewGameWithPipeline(Game& g, const std::vector<Valve>& tries, const std::vector<Laid>& chain) {
    ScriptDeal(g, 5, tries, {chain.empty() ? 1 : chain.front().id, 0, 0, 0});
    ASSERT_TRUE(g.click("novahra"));
    LayChain(g, chain);
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
