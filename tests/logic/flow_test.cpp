// The water: one cell per tick from the inlet along the laid pipes, the
// picture of every cell it passes, the valves it counts, and where it spills.
// Mostly on level-1 boards dealt at time 0: the water enters the inlet at
// 23 s and the next cell every 2 s after.
#include <gtest/gtest.h>

#include "deal_script.h"
#include "invariants.h"

namespace vr::test {
namespace {

struct At {
    int x, y;
    bool operator==(const At&) const = default;
};

void PrintTo(const At& a, std::ostream* os) { *os << "(" << a.x << ", " << a.y << ")"; }

At FlowCell(const Game& g) { return {g.main->flowX, g.main->flowY}; }
At PrevCell(const Game& g) { return {g.main->prevX, g.main->prevY}; }

void RunTo(Game& g, int tick) {
    g.driver.advanceTo(FlowTick(tick));
    ExpectInStep(g);
}

TEST(WaterFlow, TheWorkedExampleTickByTick) {
    // Valve of shape 1 (top-bottom) at (3, 3), a top-bottom pipe at (3, 4).
    Game g;
    NewScriptedGame(g);
    LayFromSlot1(g, 3, 4);
    EXPECT_EQ(FlowCell(g), (At{3, 5}));
    EXPECT_EQ(PrevCell(g), (At{3, 6}));

    g.driver.advanceTo(FlowTick(1) - 1);
    EXPECT_EQ(g.cellPicture(3, 5), "pzed(0)");
    RunTo(g, 1);
    EXPECT_EQ(g.cellPicture(3, 5), "pzed(1)");
    EXPECT_EQ(FlowCell(g), (At{3, 4}));
    EXPECT_EQ(PrevCell(g), (At{3, 5}));
    EXPECT_EQ(g.main->valvesFilled, 0);
    EXPECT_EQ(g.cellPicture(3, 4), "trubka(1)");

    g.driver.advanceTo(FlowTick(2) - 1);
    EXPECT_EQ(g.cellPicture(3, 4), "trubka(1)");
    RunTo(g, 2);
    EXPECT_EQ(g.cellPicture(3, 4), "voda(1)");
    EXPECT_EQ(FlowCell(g), (At{3, 3}));
    EXPECT_EQ(g.cellPicture(3, 3), "ventil(1)");

    // The valve is the level's last: level 2 is dealt within the same tick,
    // and the empty cell (3, 2) beyond it is never looked at.
    ScriptLevel1Deal(g, 2, 4, 3, {4, 4, 4, 4});
    RunTo(g, 3);
    EXPECT_EQ(g.main->level, 2);
    EXPECT_EQ(g.w("levnum").caption, "2");
    EXPECT_EQ(g.w("lzivotu").caption, "5");
    EXPECT_EQ(g.w("countdown").caption, "24");
    EXPECT_FALSE(g.w("tok").enabled);
    EXPECT_TRUE(g.w("countdowntimer").enabled);
    EXPECT_EQ(g.cellPicture(3, 5), "pzed(0)");
    EXPECT_EQ(g.cellPicture(3, 4), "");
    EXPECT_EQ(g.cellPicture(3, 3), "");
    EXPECT_EQ(g.cellPicture(2, 4), "ventil(3)");
    EXPECT_EQ(g.script().left(), 0u);
}

TEST(WaterFlow, WithoutThePipeItSpillsOnTheSecondTick) {
    Game g;
    NewScriptedGame(g);
    RunTo(g, 1);
    EXPECT_EQ(g.cellPicture(3, 5), "pzed(1)");
    g.driver.advanceTo(FlowTick(2) - 1);
    EXPECT_EQ(g.w("lzivotu").caption, "5");
    ScriptLevel1Deal(g, 4, 3, 2, {1, 1, 1, 1});
    RunTo(g, 2);
    EXPECT_EQ(g.w("lzivotu").caption, "4");
    EXPECT_EQ(g.w("levnum").caption, "1");
    EXPECT_EQ(g.cellPicture(3, 5), "pzed(0)");
    EXPECT_EQ(g.cellPicture(4, 3), "ventil(2)");
}

TEST(WaterFlow, APieceLaidBetweenTwoTicksIsUsedByTheNext) {
    Game g;
    NewScriptedGame(g);
    RunTo(g, 1);
    g.advance(1500);  // half a second before the water moves on
    LayFromSlot1(g, 3, 4);
    ExpectInStep(g);
    RunTo(g, 2);
    EXPECT_EQ(g.cellPicture(3, 4), "voda(1)");
    EXPECT_EQ(g.w("lzivotu").caption, "5");
}

TEST(WaterFlow, AValveThatIsNotTheLastIsFilledAndCounted) {
    // Level 3 wants two valves: (3, 3) top-bottom, (2, 2) left-right; an elbow
    // at (3, 2) turns the water from the first to the second.
    Game g;
    ReachDeal(g, 3, {{3, 3, 1}, {2, 2, 0}}, {1, 0, 0, 0});
    ASSERT_EQ(g.main->valveCount, 2);
    LayChain(g, {{1, 3, 4}, {2, 3, 2}});
    RunCountdown(g);  // 29 s of countdown
    g.advance(3 * 2000);
    ExpectInStep(g);
    EXPECT_EQ(g.cellPicture(3, 3), "ventilvoda(1)");
    EXPECT_EQ(g.main->valvesFilled, 1);
    EXPECT_EQ(g.w("levnum").caption, "3");
    g.advance(2000);
    EXPECT_EQ(g.cellPicture(3, 2), "voda(2)");
    EXPECT_EQ(g.cellPicture(2, 2), "ventil(0)");
    ScriptDeal(g, 6, {{2, 2, 0}, {5, 5, 0}}, {1, 1, 1, 1});  // level 4
    g.advance(2000);
    EXPECT_EQ(g.w("levnum").caption, "4");
    EXPECT_EQ(g.script().left(), 0u);
    ExpectInStep(g);
}

// Spills observed on the last life: the board stays on screen as the water
// left it.
void LastLife(Game& g) { g.main->lives = 1; }

bool Over(const Game& g) { return g.w("menufrm").visible && !g.w("pokracovat").enabled; }

TEST(WaterFlow, AStraightAcrossAboveTheInletIsAClosedSide) {
    Game g;
    NewGameWithPipeline(g, 3, 3, 1, {{0, 3, 4}});
    LastLife(g);
    RunTo(g, 2);
    EXPECT_TRUE(Over(g));
    EXPECT_EQ(g.cellPicture(3, 5), "pzed(1)");
    EXPECT_EQ(g.cellPicture(3, 4), "trubka(0)");
}

TEST(WaterFlow, APipeOutOfTheLastColumnIsFilledAndTheWaterSpillsOnTheNextTick) {
    Game g;
    NewGameWithPipeline(g, 2, 2, 0, {{3, 3, 4}, {0, 4, 4}, {0, 5, 4}});
    LastLife(g);
    RunTo(g, 4);
    EXPECT_EQ(g.cellPicture(3, 4), "voda(3)");
    EXPECT_EQ(g.cellPicture(4, 4), "voda(0)");
    EXPECT_EQ(g.cellPicture(5, 4), "voda(0)");
    EXPECT_EQ(FlowCell(g), (At{6, 4}));
    EXPECT_FALSE(Over(g));
    RunTo(g, 5);
    EXPECT_TRUE(Over(g));
    EXPECT_EQ(g.cellPicture(5, 4), "voda(0)");
}

TEST(WaterFlow, AValveEnteredFromAClosedSideIsNeitherFilledNorCounted) {
    Game g;
    NewGameWithPipeline(g, 3, 3, 0, {{1, 3, 4}});  // the valve runs left-right
    LastLife(g);
    RunTo(g, 3);
    EXPECT_TRUE(Over(g));
    EXPECT_EQ(g.cellPicture(3, 4), "voda(1)");
    EXPECT_EQ(g.cellPicture(3, 3), "ventil(0)");
    EXPECT_EQ(g.main->valvesFilled, 0);
}

TEST(WaterFlow, ALevelWithoutAValveIsNeverWon) {
    Game g;
    for (int t = 0; t < 5; ++t) ScriptTry(g, 5, 3, 4);
    ScriptOffer(g, {1, 1, 1, 1});
    ASSERT_TRUE(g.click("novahra"));
    ASSERT_EQ(g.main->valveCount, 0);
    LayChain(g, {{1, 3, 4}, {1, 3, 3}, {1, 3, 2}, {1, 3, 1}});
    RunTo(g, 5);  // through the top row, out of the board
    for (int y = 1; y <= 4; ++y) EXPECT_EQ(g.cellPicture(3, y), "voda(1)") << y;
    EXPECT_EQ(FlowCell(g), (At{3, 0}));
    EXPECT_EQ(g.w("levnum").caption, "1");
    ScriptLevel1(g);
    RunTo(g, 6);
    EXPECT_EQ(g.w("levnum").caption, "1");
    EXPECT_EQ(g.w("lzivotu").caption, "4");
}

// --- the cross and the double elbows ---

struct FirstPass {
    int piece;
    int side;     // the side the water enters from
    int picture;  // the half-filled picture it leaves behind
    At next;      // the cell it leaves towards
};

void PrintTo(const FirstPass& f, std::ostream* os) { *os << "piece " << f.piece << " side " << f.side; }

// Pipelines from the inlet that bring the water into the cell `d` from each
// side, on a board whose valve sits out of the way at (4, 2).
std::vector<Laid> Approach(int side, int piece, At& d) {
    switch (side) {
        case kFromBelow:
            d = {3, 4};
            return {{piece, 3, 4}};
        case kFromAbove:
            d = {2, 3};
            return {{1, 3, 4}, {1, 3, 3}, {2, 3, 2}, {3, 2, 2}, {piece, 2, 3}};
        case kFromLeft:
            d = {3, 3};
            return {{2, 3, 4}, {5, 2, 4}, {3, 2, 3}, {piece, 3, 3}};
        default:
            d = {3, 3};
            return {{3, 3, 4}, {4, 4, 4}, {2, 4, 3}, {piece, 3, 3}};
    }
}

std::string FirstPassName(const FirstPass& f) {
    static const char* const sides[] = {"", "FromBelow", "FromAbove", "FromLeft", "FromRight"};
    return "Piece" + std::to_string(f.piece) + sides[f.side];
}

class TwoChannelFirstPass : public ::testing::TestWithParam<FirstPass> {};

TEST_P(TwoChannelFirstPass, FillsTheChannelItTook) {
    const FirstPass& f = GetParam();
    Game g;
    At d{};
    const std::vector<Laid> chain = Approach(f.side, f.piece, d);
    NewGameWithPipeline(g, 4, 2, 0, chain);
    const int tick = static_cast<int>(chain.size()) + 1;
    g.driver.advanceTo(FlowTick(tick) - 1);
    EXPECT_EQ(g.cellPicture(d.x, d.y), Trubka(f.piece));
    RunTo(g, tick);
    EXPECT_EQ(g.cellPicture(d.x, d.y), Voda(f.picture));
    EXPECT_EQ(PrevCell(g), d);
    EXPECT_EQ(FlowCell(g), f.next);
}

INSTANTIATE_TEST_SUITE_P(
    EachSide, TwoChannelFirstPass,
    ::testing::Values(FirstPass{6, kFromBelow, 10, {3, 3}}, FirstPass{6, kFromAbove, 10, {2, 4}},
                      FirstPass{6, kFromLeft, 9, {4, 3}}, FirstPass{6, kFromRight, 9, {2, 3}},
                      FirstPass{7, kFromBelow, 12, {2, 4}}, FirstPass{7, kFromAbove, 11, {3, 3}},
                      FirstPass{7, kFromLeft, 12, {3, 4}}, FirstPass{7, kFromRight, 11, {3, 2}},
                      FirstPass{8, kFromBelow, 14, {4, 4}}, FirstPass{8, kFromAbove, 13, {1, 3}},
                      FirstPass{8, kFromLeft, 13, {3, 2}}, FirstPass{8, kFromRight, 14, {3, 4}}),
    [](const auto& info) { return FirstPassName(info.param); });

// The picture of cell (x, y) right after each of the given ticks.
void ExpectPictures(Game& g, int x, int y, const std::vector<std::pair<int, std::string>>& afterTick) {
    for (const auto& [tick, picture] : afterTick) {
        RunTo(g, tick);
        EXPECT_EQ(g.cellPicture(x, y), picture) << "after tick " << tick;
    }
}

TEST(TwoChannel, CrossAlongTheColumnThenAlongTheRow) {
    // Up through the cross at (3, 4), round the block to the right and back
    // through it leftwards, then up into the valve at (2, 3).
    Game g;
    NewGameWithPipeline(g, 2, 3, 1, {{6, 3, 4}, {3, 3, 3}, {2, 4, 3}, {4, 4, 4}, {5, 2, 4}});
    ExpectPictures(g, 3, 4, {{1, "trubka(6)"}, {2, "voda(10)"}, {5, "voda(10)"}, {6, "voda(6)"}});
    EXPECT_EQ(FlowCell(g), (At{2, 4}));
    RunTo(g, 7);
    EXPECT_EQ(g.cellPicture(2, 4), "voda(5)");
    EXPECT_EQ(g.cellPicture(2, 3), "ventil(1)");
    ScriptLevel1(g);
    RunTo(g, 8);
    EXPECT_EQ(g.w("levnum").caption, "2");
}

TEST(TwoChannel, CrossAlongTheRowThenAlongTheColumn) {
    // Left round column 1 into the cross at (2, 3) from the left, round the
    // block above it and down through it.
    Game g;
    NewGameWithPipeline(g, 4, 2, 0,
                        {{2, 3, 4}, {0, 2, 4}, {5, 1, 4}, {3, 1, 3}, {6, 2, 3}, {4, 3, 3}, {2, 3, 2}, {3, 2, 2}});
    ExpectPictures(g, 2, 3, {{5, "trubka(6)"}, {6, "voda(9)"}, {9, "voda(9)"}, {10, "voda(6)"}});
    EXPECT_EQ(FlowCell(g), (At{2, 4}));  // into the straight across: a closed side next
    EXPECT_EQ(g.cellPicture(2, 4), "voda(0)");
}

TEST(TwoChannel, DoubleElbow7FromBelowThenFromAbove) {
    Game g;
    NewGameWithPipeline(g, 4, 4, 0, {{7, 3, 4}, {5, 2, 4}, {3, 2, 3}, {2, 3, 3}});
    ExpectPictures(g, 3, 4, {{2, "voda(12)"}, {5, "voda(12)"}, {6, "voda(7)"}});
    EXPECT_EQ(FlowCell(g), (At{4, 4}));
    ScriptLevel1(g);
    RunTo(g, 7);  // the valve at (4, 4) ends the level
    EXPECT_EQ(g.w("levnum").caption, "2");
}

TEST(TwoChannel, DoubleElbow8FromBelowThenFromAbove) {
    Game g;
    NewGameWithPipeline(g, 2, 4, 0, {{8, 3, 4}, {4, 4, 4}, {2, 4, 3}, {3, 3, 3}});
    ExpectPictures(g, 3, 4, {{2, "voda(14)"}, {5, "voda(14)"}, {6, "voda(8)"}});
    EXPECT_EQ(FlowCell(g), (At{2, 4}));
    ScriptLevel1(g);
    RunTo(g, 7);
    EXPECT_EQ(g.w("levnum").caption, "2");
}

TEST(TwoChannel, DoubleElbow7FromAboveThenFromTheLeft) {
    // Level 4, 6 x 6: up the right side and over the top into (3, 3) from
    // above, out to the right; round below it and back in from the left, out
    // downwards into a straight across, which is closed from above.
    Game g;
    ReachDeal(g, 4, {{2, 2, 0}, {4, 2, 0}}, {3, 0, 0, 0});
    LayChain(g, {{3, 3, 5}, {0, 4, 5}, {4, 5, 5}, {1, 5, 4}, {1, 5, 3}, {1, 5, 2}, {2, 5, 1}, {0, 4, 1},
                 {3, 3, 1}, {1, 3, 2}, {7, 3, 3}, {2, 4, 3}, {4, 4, 4}, {0, 3, 4}, {5, 2, 4}, {3, 2, 3}});
    RunCountdown(g);
    g.advance(12 * 2000);
    ExpectInStep(g);
    EXPECT_EQ(g.cellPicture(3, 3), "voda(11)");
    EXPECT_EQ(FlowCell(g), (At{4, 3}));
    g.advance(5 * 2000);
    EXPECT_EQ(g.cellPicture(3, 3), "voda(11)");
    EXPECT_EQ(g.cellPicture(2, 3), "voda(3)");
    g.advance(2000);
    ExpectInStep(g);
    EXPECT_EQ(g.cellPicture(3, 3), "voda(7)");
    EXPECT_EQ(FlowCell(g), (At{3, 4}));
    EXPECT_EQ(g.cellPicture(3, 4), "voda(0)");
    LastLife(g);
    g.advance(2000);
    EXPECT_TRUE(Over(g));
    EXPECT_EQ(g.cellPicture(3, 3), "voda(7)");
}

}  // namespace
}  // namespace vr::test
