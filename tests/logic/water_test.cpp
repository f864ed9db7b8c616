// The water: one cell per tick from the inlet along the laid pipes, the valves it fills and where it spills; and
// what a spill, the last life and a smaller board after a larger one leave on screen.
#include <algorithm>
#include <sstream>

#include "harness.h"
#include "invariants.h"

namespace vr::test {
namespace {

// The cell the water moves into next, "xy"; "!" once the game is over.
std::string Flow(const Game& g) {
    return Panels(g) == "menufrm" ? "!" : std::to_string(g.main->state().flowX) + std::to_string(g.main->state().flowY);
}

// The moment of the water's k-th step on a level-1 board dealt at 0.
void RunTo(Game& g, int k) {
    g.driver.advanceTo(23000 + 2000 * (k - 1));
    ExpectInStep(g);
}

TEST(WaterFlow, TheWorkedExampleTickByTick) {
    // Valve of shape 1 (top-bottom) at (3, 3), a top-bottom pipe laid at (3, 4).
    Game g;
    NewScriptedGame(g);
    g.script().push(DrawFor(1, 9));  // slot 1 laid on (3, 4), refilled with the same piece
    Play(g, "nabidka(1) pole(17)");
    g.driver.advanceTo(22999);
    EXPECT_EQ(g.cellPicture(3, 5), "pzed(0)");
    RunTo(g, 1);  // the pictures on the way: the rules of invariants.h
    EXPECT_EQ(Flow(g), "34");
    g.driver.advanceTo(24999);
    EXPECT_EQ(g.cellPicture(3, 4), "trubka(1)");
    g.model.takeChanges();
    RunTo(g, 2);
    const auto changes = g.model.takeChanges();  // the front end is told to draw the cell anew
    EXPECT_TRUE(std::any_of(changes.begin(), changes.end(), [&](const WidgetModel::Change& c) {
        return c.w == g.main->state().cells(3, 4) && (c.bits & kDirtyPicture) != 0;
    }));
    EXPECT_EQ(Flow(g), "33");
    EXPECT_EQ(g.main->state().valvesFilled, 0);
    // The level's last valve: level 2 is dealt within the same tick, and the empty cell (3, 2) beyond it is never
    // looked at.
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
    k.script().push(DrawFor(1, 9));
    Play(k, "nabidka(1) pole(17)");
    RunTo(k, 2);
    EXPECT_EQ(k.cellPicture(3, 4), "voda(1)");
}

struct Laid {  // a piece of a pipeline and its cell
    int id, x, y;
};

// A pipeline laid on a dealt level, the water's cell after each step ("xy"; "!" a spill that ends the game on the
// last life) and at the end a cell and its picture ("xy picture"); the pictures on the way are the rules' of
// invariants.h.
struct Pipeline {
    int level;
    std::vector<Valve> valves;
    std::vector<Laid> chain;
    std::string path, end;
};

std::vector<Pipeline> Pipelines() {
    const std::vector<Valve> none(5, Valve{3, 4, -1});  // five tries above the inlet: no valve
    std::vector<Pipeline> out{
        {3, {{3, 3, 1}, {2, 2, 0}}, {{1, 3, 4}, {2, 3, 2}}, "34 33 32", "33 ventilvoda(1)"},  // a valve not the last
        {1, {{3, 3, 1}}, {{0, 3, 4}}, "34 !", "34 trubka(0)"},                                // across above the inlet
        {1, {{2, 2, 0}}, {{3, 3, 4}, {0, 4, 4}, {0, 5, 4}}, "34 44 54 64 !", "54 voda(0)"},   // out of the last column
        {1, {{3, 3, 0}}, {{1, 3, 4}}, "34 33 !", "33 ventil(0)"},                             // a valve's closed side
        {1, none, {{1, 3, 4}, {1, 3, 3}, {1, 3, 2}, {1, 3, 1}}, "34 33 32 31 30 !", "31 voda(1)"},  // out of the top
        // Up through the cross, round the block to the right and back leftwards through it.
        {1, {{2, 3, 1}}, {{6, 3, 4}, {3, 3, 3}, {2, 4, 3}, {4, 4, 4}, {5, 2, 4}}, "34 33 43 44 34 24", "34 voda(6)"},
        // Double elbow 7 from below, then from above.
        {1, {{4, 4, 0}}, {{7, 3, 4}, {5, 2, 4}, {3, 2, 3}, {2, 3, 3}}, "34 24 23 33 34 44", "34 voda(7)"}};
    // The first pass through each two-channel piece from each side (below, above, left, right), its valve out of
    // the way at (4, 2): the half-filled picture it leaves and the cell it leaves towards.
    const int half[3][4] = {{10, 10, 9, 9}, {12, 11, 12, 11}, {14, 13, 13, 14}};
    const char* const towards[3][4] = {{"33", "24", "43", "23"}, {"24", "33", "34", "32"}, {"44", "13", "32", "34"}};
    for (int p = 6; p <= 8; ++p) {
        const std::vector<Laid> ways[4] = {{{p, 3, 4}},
                                           {{1, 3, 4}, {1, 3, 3}, {2, 3, 2}, {3, 2, 2}, {p, 2, 3}},
                                           {{2, 3, 4}, {5, 2, 4}, {3, 2, 3}, {p, 3, 3}},
                                           {{3, 3, 4}, {4, 4, 4}, {2, 4, 3}, {p, 3, 3}}};
        for (int side = 0; side < 4; ++side) {
            std::string path;
            for (const Laid& l : ways[side]) path += std::to_string(l.x) + std::to_string(l.y) + " ";
            const std::string end = path.substr(path.size() - 3) + "voda(" + std::to_string(half[p - 6][side]) + ")";
            out.push_back({1, {{4, 2, 0}}, ways[side], path + towards[p - 6][side], end});
        }
    }
    return out;
}

TEST(WaterFlow, FollowsEachPipelineStepByStep) {
    for (const Pipeline& p : Pipelines()) {
        SCOPED_TRACE("the water along " + p.path + " to " + p.end);
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
            EXPECT_EQ(Flow(g), cell) << "step " << k;
        }
        EXPECT_EQ(g.cellPicture(p.end[0] - '0', p.end[1] - '0'), p.end.substr(3));
        EXPECT_EQ(g.main->state().pipePieces, table) << "the water marks the board's copy, not the table";
    }
}

// Each spill deals level 1 again from scratch (no slot selected), the lives in words; the last ends the game under the
// menu, the board left as the water left it, until a new game brings every life back.
TEST(Spill, EachLostLifeDealsTheLevelAgainAndTheLastEndsTheGame) {
    Game g;
    NewScriptedGame(g);
    std::pair valve{3, 3};
    Play(g, "+24999", "", kLevel1, "level 1, 5 Životů");  // nothing above the inlet: the second step spills
    for (const auto& [x, y, lives] :
         {std::tuple{2, 2, "4 Životy"}, {4, 2, "3 Životy"}, {2, 4, "2 Životy"}, {4, 4, "1 Život"}}) {
        ScriptDeal(g, 5, {{x, y, 2}}, {3, 3, 3, 3});
        Play(g, x == 2 && y == 2 ? "nabidka(1) +1" : "nabidka(1) +25000", "", kLevel1,
             "level 1, " + std::string(lives) + ", count 20");
        g.main->LayPiece(1, 1, 0);  // a piece that the next deal clears away
        Play(g, "", "", "pole*22 nabidka*4 menu");
        EXPECT_EQ(g.cellPicture(valve.first, valve.second) + g.cellPicture(x, y), "ventil(2)");
        valve = {x, y};
    }
    EXPECT_EQ(g.script().left(), 0u);
    g.main->LayPiece(5, 1, 3);
    Play(g, "+25000", "menufrm", kMenu, "level 1, 1 Život");  // no deal follows: nothing is scripted
    EXPECT_EQ(g.cellPicture(5, 1), "trubka(3)");
    const auto board = Board(g);
    Play(g, "+60000");
    EXPECT_EQ(Board(g), board);
    EXPECT_TRUE(Unchanged(g, "menu !pokracovat"));
    NewScriptedGame(g);
    Play(g, "", "", kLevel1, "level 1, 5 Životů, count 20");
}

// "Zavřít vodu" at the first story screen sends level 10 back to level 7: a 6 x 6 board after the 7 x 7 board of
// level 9 leaves none of its cells on screen (ExpectInStep) or under the mouse.
TEST(SmallerBoard, LeavesNoCellOfTheLargerBoardOnScreenOrUnderTheMouse) {
    auto g = Won(9, {7});
    EXPECT_EQ(g->picture("pole", 45), "pzed(1)");  // the 7 x 7 inlet, beyond 6 x 6
    Play(*g, "inter1 interok nabidka(3)", "");
    ASSERT_EQ(g->main->state().boardSize, 6);
    EXPECT_EQ(Clickable(*g), "pole*" + std::to_string(35 - g->main->state().valveCount) + " nabidka*4 menu");
    EXPECT_EQ(g->model.memberCount("pole"), 49);  // kept for later boards
    for (int i = 36; i < 49; ++i) EXPECT_EQ(g->picture("pole", i), "") << i;
    // With a piece selected, a click on a cell of the old board reaches no handler.
    EXPECT_TRUE(Unchanged(*g, "!pole(36) !pole(40) !pole(48)"));
    g->script().push(DrawFor(1, 9));  // the slot's refill
    Play(*g, "pole(35) !pole(35)");
    // The board is played as usual, and level 8 uses the cells again.
    ScriptEasyDeal(*g, 8);
    LayEasyPipe(*g);
    EXPECT_TRUE(RunLevel(*g));
    EXPECT_EQ(g->model.memberCount("pole"), 49);
    ExpectInStep(*g);  // every cell of 7 x 7 shown again
}

}  // namespace
}  // namespace vr::test
