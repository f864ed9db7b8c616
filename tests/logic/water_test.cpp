// The water: one cell per tick from the inlet along the laid pipes, the
// pictures it leaves (the rules of invariants.h, after every step), the
// valves it fills and where it spills; and what a spill, the last life and a
// smaller board after a larger one leave on screen. Level-1 boards are dealt
// at 0: the water enters the inlet at 23 s, then a cell every 2 s.
#include <sstream>

#include "bot.h"
#include "harness.h"
#include "invariants.h"

namespace vr::test {
namespace {

using At = std::pair<int, int>;

At FlowCell(const Game& g) { return {g.main->state().flowX, g.main->state().flowY}; }

// The moment of the water's k-th step on a level-1 board dealt at 0.
void RunTo(Game& g, int k) {
    g.driver.advanceTo(23000 + 2000 * (k - 1));
    ExpectInStep(g);
}

TEST(WaterFlow, TheWorkedExampleTickByTick) {
    // Valve of shape 1 (top-bottom) at (3, 3), a top-bottom pipe laid at (3, 4).
    Game g;
    NewScriptedGame(g);
    LayFromSlot1(g, 3, 4);
    g.driver.advanceTo(22999);
    EXPECT_EQ(g.cellPicture(3, 5), "pzed(0)");
    RunTo(g, 1);
    EXPECT_EQ(g.cellPicture(3, 5), "pzed(1)");
    EXPECT_EQ(FlowCell(g), At(3, 4));
    g.driver.advanceTo(24999);
    EXPECT_EQ(g.cellPicture(3, 4), "trubka(1)");
    RunTo(g, 2);
    EXPECT_EQ(g.cellPicture(3, 4), "voda(1)");
    EXPECT_EQ(FlowCell(g), At(3, 3));
    EXPECT_EQ(g.main->state().valvesFilled, 0);
    // The level's last valve: level 2 is dealt within the same tick, and the
    // empty cell (3, 2) beyond it is never looked at.
    ScriptDeal(g, 5, {{2, 4, 3}}, {4, 4, 4, 4});
    RunTo(g, 3);
    EXPECT_EQ(SidePanel(g), "level 2, 5 Životů, count 24");
    EXPECT_EQ(g.cellPicture(3, 3) + g.cellPicture(2, 4), "ventil(3)");
    EXPECT_EQ(g.script().left(), 0u);

    // A piece laid between two ticks is used by the next.
    Game k;
    NewScriptedGame(k);
    RunTo(k, 1);
    k.advance(1500);
    LayFromSlot1(k, 3, 4);
    RunTo(k, 2);
    EXPECT_EQ(k.cellPicture(3, 4), "voda(1)");
}

struct Laid {  // a piece of a pipeline and its cell
    int id, x, y;
};

// A pipeline laid on a dealt level, the water's cell after each step ("xy";
// "!" a spill that ends the game on the last life) and a cell's picture at
// the end; the pictures on the way are the rules' of invariants.h.
struct Pipeline {
    std::string name;
    int level;
    std::vector<Valve> valves;
    std::vector<Laid> chain;
    std::string path;
    int x, y;
    std::string picture;
};

std::vector<Pipeline> Pipelines() {
    std::vector<Pipeline> out{
        // Level 3: a valve that is not the last is filled and the water goes on.
        {"a valve not the last", 3, {{3, 3, 1}, {2, 2, 0}}, {{1, 3, 4}, {2, 3, 2}}, "34 33 32", 3, 3, "ventilvoda(1)"},
        {"a straight across above the inlet", 1, {{3, 3, 1}}, {{0, 3, 4}}, "34 !", 3, 4, "trubka(0)"},
        {"out of the last column", 1, {{2, 2, 0}}, {{3, 3, 4}, {0, 4, 4}, {0, 5, 4}}, "34 44 54 64 !", 5, 4, "voda(0)"},
        {"into a valve's closed side", 1, {{3, 3, 0}}, {{1, 3, 4}}, "34 33 !", 3, 3, "ventil(0)"},
        {"out of the top of a level without a valve", 1, std::vector<Valve>(5, Valve{3, 4, -1}),
         {{1, 3, 4}, {1, 3, 3}, {1, 3, 2}, {1, 3, 1}}, "34 33 32 31 30 !", 3, 1, "voda(1)"},
        // Up through the cross, round the block to the right and back leftwards.
        {"cross along the column, then the row", 1, {{2, 3, 1}}, {{6, 3, 4}, {3, 3, 3}, {2, 4, 3}, {4, 4, 4}, {5, 2, 4}},
         "34 33 43 44 34 24", 3, 4, "voda(6)"},
        {"double elbow 7 from below, then from above", 1, {{4, 4, 0}}, {{7, 3, 4}, {5, 2, 4}, {3, 2, 3}, {2, 3, 3}},
         "34 24 23 33 34 44", 3, 4, "voda(7)"},
        // 6 x 6: up the right side and over the top into (3, 3) from above,
        // out to the right; round below it and back in from the left.
        {"double elbow 7 from above, then from the left", 4, {{2, 2, 0}, {4, 2, 0}},
         {{3, 3, 5}, {0, 4, 5}, {4, 5, 5}, {1, 5, 4}, {1, 5, 3}, {1, 5, 2}, {2, 5, 1}, {0, 4, 1}, {3, 3, 1}, {1, 3, 2}, {7, 3, 3},
          {2, 4, 3}, {4, 4, 4}, {0, 3, 4}, {5, 2, 4}, {3, 2, 3}},
         "35 45 55 54 53 52 51 41 31 32 33 43 44 34 24 23 33 34", 3, 3, "voda(7)"}};
    // The first pass through each two-channel piece from each side, its
    // valve out of the way at (4, 2): the half-filled picture it leaves and
    // the cell it leaves towards.
    for (auto [p, side, picture, next] :
         {std::tuple{6, kFromBelow, 10, "33"}, {6, kFromAbove, 10, "24"}, {6, kFromLeft, 9, "43"}, {6, kFromRight, 9, "23"},
          {7, kFromBelow, 12, "24"}, {7, kFromAbove, 11, "33"}, {7, kFromLeft, 12, "34"}, {7, kFromRight, 11, "32"},
          {8, kFromBelow, 14, "44"}, {8, kFromAbove, 13, "13"}, {8, kFromLeft, 13, "32"}, {8, kFromRight, 14, "34"}}) {
        const std::vector<Laid> ways[5] = {{},
                                           {{p, 3, 4}},
                                           {{1, 3, 4}, {1, 3, 3}, {2, 3, 2}, {3, 2, 2}, {p, 2, 3}},
                                           {{2, 3, 4}, {5, 2, 4}, {3, 2, 3}, {p, 3, 3}},
                                           {{3, 3, 4}, {4, 4, 4}, {2, 4, 3}, {p, 3, 3}}};
        const std::vector<Laid>& chain = ways[side];
        std::string path;
        for (const Laid& l : chain) path += std::to_string(l.x) + std::to_string(l.y) + " ";
        out.push_back({"piece " + std::to_string(p) + " entered from side " + std::to_string(side), 1, {{4, 2, 0}}, chain,
                       path + next, chain.back().x, chain.back().y, "voda(" + std::to_string(picture) + ")"});
    }
    return out;
}

TEST(WaterFlow, FollowsEachPipelineStepByStep) {
    for (const Pipeline& p : Pipelines()) {
        SCOPED_TRACE(p.name);
        Game g;
        Deal(g, p.level, p.valves, {0, 0, 0, 0}, p.path.back() == '!' ? 1 : 5);
        const auto table = g.main->state().pipePieces;
        for (const Laid& l : p.chain) g.main->LayPiece(l.x, l.y, l.id);
        RunCountdown(g);
        const std::int64_t released = g.model.now();
        std::istringstream path(p.path);
        int k = 0;
        for (std::string cell; path >> cell;) {
            g.driver.advanceTo(released + 2000 * ++k);
            ExpectInStep(g);
            const At at = FlowCell(g);
            EXPECT_EQ(Panels(g) == "menufrm" ? "!" : std::to_string(at.first) + std::to_string(at.second), cell) << "step " << k;
        }
        EXPECT_EQ(g.cellPicture(p.x, p.y), p.picture);
        EXPECT_EQ(g.main->state().pipePieces, table) << "the water marks the board's copy, not the table";
    }
}

// Each spill deals level 1 again from scratch, the lives in words; the last
// ends the game under the menu, the board left as the water left it, until
// a new game brings every life back.
TEST(Spill, EachLostLifeDealsTheLevelAgainAndTheLastEndsTheGame) {
    Game g;
    NewScriptedGame(g);
    At valve{3, 3};
    Play(g, "+24999", "", kLevel1, "level 1, 5 Životů");  // with nothing above the inlet, the water's second step spills
    for (const auto& [x, y, lives] : {std::tuple{2, 2, "4 Životy"}, {4, 2, "3 Životy"}, {2, 4, "2 Životy"}, {4, 4, "1 Život"}}) {
        ScriptDeal(g, 5, {{x, y, 2}}, {3, 3, 3, 3});
        Play(g, x == 2 && y == 2 ? "+1" : "+25000", "", kLevel1, "level 1, " + std::string(lives) + ", count 20");
        g.main->LayPiece(1, 1, 0);  // a piece that the next deal clears away
        Play(g, "", "", "pole*22 nabidka*4 menu");
        EXPECT_EQ(g.cellPicture(valve.first, valve.second) + g.cellPicture(x, y), "ventil(2)");
        valve = {x, y};
    }
    EXPECT_EQ(g.script().left(), 0u);
    g.main->LayPiece(5, 1, 3);
    Play(g, "+25000", "menufrm", kMenu, "level 1, 1 Život");  // no deal follows: nothing is scripted
    EXPECT_FALSE(g.w("tok").enabled || g.w("countdowntimer").enabled);
    EXPECT_EQ(g.cellPicture(5, 1), "trubka(3)");
    const auto board = Board(g);
    Play(g, "+60000");
    EXPECT_EQ(Board(g), board);
    EXPECT_TRUE(Unchanged(g, "menu !pokracovat"));
    NewScriptedGame(g);
    Play(g, "", "", kLevel1, "level 1, 5 Životů, count 20");
}

// "Zavřít vodu" at the first story screen sends level 10 back to level 7: a
// 6 x 6 board after the 7 x 7 board of level 9 leaves none of its cells on
// screen (ExpectInStep) or under the mouse.
TEST(SmallerBoard, LeavesNoCellOfTheLargerBoardOnScreenOrUnderTheMouse) {
    auto g = Game::Seeded(3);
    g->main->EnterLevel(9, 5);
    WinLevelInPlay(*g);
    EXPECT_EQ(g->picture("pole", 45), "pzed(1)");  // the 7 x 7 inlet, beyond 6 x 6
    Play(*g, "inter1 interok nabidka(3)", "");
    ASSERT_EQ(g->main->state().boardSize, 6);
    EXPECT_EQ(Clickable(*g), "pole*" + std::to_string(35 - g->main->state().valveCount) + " nabidka*4 menu");
    EXPECT_EQ(g->model.memberCount("pole"), 49);  // kept for later boards
    for (int i = 36; i < 49; ++i) EXPECT_EQ(g->picture("pole", i), "") << i;
    // With a piece selected, a click on a cell of the old board reaches no handler.
    EXPECT_TRUE(Unchanged(*g, "!pole(36) !pole(40) !pole(48)"));
    Play(*g, "pole(35) !pole(35)");
    // The board is played as usual, and level 8 uses the cells again.
    WinLevelInPlay(*g);
    EXPECT_EQ(g->model.memberCount("pole"), 49);
    ExpectInStep(*g);  // every cell of 7 x 7 shown again
}

}  // namespace
}  // namespace vr::test
