// The water: one cell per tick from the inlet along the laid pipes, the
// pictures it leaves, the valves it counts and where it spills. Level-1
// boards are dealt at 0: the water enters the inlet at 23 s, then a cell every 2 s.
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

At FlowCell(const Game& g) { return {g.main->state().flowX, g.main->state().flowY}; }
At PrevCell(const Game& g) { return {g.main->state().prevX, g.main->state().prevY}; }

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
    EXPECT_EQ(g.main->state().valvesFilled, 0);

    g.driver.advanceTo(FlowTick(2) - 1);
    EXPECT_EQ(g.cellPicture(3, 4), "trubka(1)");
    RunTo(g, 2);
    EXPECT_EQ(g.cellPicture(3, 4), "voda(1)");
    EXPECT_EQ(FlowCell(g), (At{3, 3}));
    EXPECT_EQ(g.cellPicture(3, 3), "ventil(1)");

    // The level's last valve: level 2 is dealt within the same tick, and the
    // empty cell (3, 2) beyond it is never looked at.
    ScriptDeal(g, 5, {{2, 4, 3}}, {4, 4, 4, 4});
    RunTo(g, 3);
    EXPECT_EQ(g.w("levnum").caption, "2");
    EXPECT_EQ(g.w("lzivotu").caption, "5");
    EXPECT_EQ(g.w("countdown").caption, "24");
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
    ScriptDeal(g, 5, {{4, 3, 2}}, {1, 1, 1, 1});
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
    g.advance(1500);
    LayFromSlot1(g, 3, 4);
    RunTo(g, 2);
    EXPECT_EQ(g.cellPicture(3, 4), "voda(1)");
    EXPECT_EQ(g.w("lzivotu").caption, "5");
}

// A pipeline on a dealt level: the picture of one cell right after the given
// water steps, and the cell the water goes on to after the last of them; or,
// on the last life, the step whose spill ends the game, the board left as it is.
struct Steps {
    std::string name;
    int level;
    std::vector<Valve> valves;
    std::vector<Laid> chain;
    At cell;
    std::vector<std::pair<int, std::string>> afterStep;
    At next;
    int endsAt = 0;
};

void PrintTo(const Steps& b, std::ostream* os) { *os << b.name; }

class Pipeline : public ::testing::TestWithParam<Steps> {};

TEST_P(Pipeline, ShowsEachPassAndLeadsOn) {
    const Steps& b = GetParam();
    Game g;
    ReachDeal(g, b.level, b.valves, {b.chain.front().id, 0, 0, 0}, b.endsAt ? 1 : 5);
    LayChain(g, b.chain);
    RunCountdown(g);
    const std::int64_t released = g.model.now();
    for (const auto& [step, picture] : b.afterStep) {
        g.driver.advanceTo(released + 2000 * step);
        ExpectInStep(g);
        EXPECT_EQ(g.cellPicture(b.cell.x, b.cell.y), picture) << "after step " << step;
        const bool over = g.w("menufrm").visible && !g.w("pokracovat").enabled;
        EXPECT_EQ(over, b.endsAt && step >= b.endsAt) << "after step " << step;
    }
    if (!b.endsAt) {
        EXPECT_EQ(FlowCell(g), b.next);
    }
}

const std::vector<Valve> kNoValve(5, Valve{3, 4, -1});  // five tries beside the inlet

// The first pass through each two-channel piece from each side, on a board
// whose valve sits out of the way at (4, 2): the half-filled picture it
// leaves and the cell it leaves towards.
struct FirstPass {
    int piece, side, picture;
    At next;
};

std::vector<Steps> FirstPasses() {
    static const char* const sides[] = {"", "FromBelow", "FromAbove", "FromLeft", "FromRight"};
    std::vector<Steps> out;
    for (const FirstPass& f : {FirstPass{6, kFromBelow, 10, {3, 3}}, {6, kFromAbove, 10, {2, 4}},
                               {6, kFromLeft, 9, {4, 3}}, {6, kFromRight, 9, {2, 3}}, {7, kFromBelow, 12, {2, 4}},
                               {7, kFromAbove, 11, {3, 3}}, {7, kFromLeft, 12, {3, 4}}, {7, kFromRight, 11, {3, 2}},
                               {8, kFromBelow, 14, {4, 4}}, {8, kFromAbove, 13, {1, 3}}, {8, kFromLeft, 13, {3, 2}},
                               {8, kFromRight, 14, {3, 4}}}) {
        const int p = f.piece;
        std::vector<Laid> chain;
        At d{3, 3};
        switch (f.side) {
            case kFromBelow: chain = {{p, 3, 4}}, d = {3, 4}; break;
            case kFromAbove: chain = {{1, 3, 4}, {1, 3, 3}, {2, 3, 2}, {3, 2, 2}, {p, 2, 3}}, d = {2, 3}; break;
            case kFromLeft: chain = {{2, 3, 4}, {5, 2, 4}, {3, 2, 3}, {p, 3, 3}}; break;
            default: chain = {{3, 3, 4}, {4, 4, 4}, {2, 4, 3}, {p, 3, 3}};
        }
        const int step = static_cast<int>(chain.size()) + 1;  // into the piece
        out.push_back({"Piece" + std::to_string(p) + sides[f.side], 1, {{4, 2, 0}}, chain, d,
                       {{step - 1, Trubka(p)}, {step, Voda(f.picture)}}, f.next});
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Pipeline,
    ::testing::Values(
        // Level 3: a valve that is not the last is filled (a win would want a
        // deal, and none is scripted) and the water goes on to the second.
        Steps{"AValveThatIsNotTheLastIsFilled", 3, {{3, 3, 1}, {2, 2, 0}}, {{1, 3, 4}, {2, 3, 2}}, {3, 3},
              {{2, "ventil(1)"}, {3, "ventilvoda(1)"}}, {3, 2}},
        Steps{"SpillsOnAStraightAcrossAboveTheInlet", 1, {{3, 3, 1}}, {{0, 3, 4}}, {3, 4},
              {{1, "trubka(0)"}, {2, "trubka(0)"}}, {}, 2},
        Steps{"SpillsOutOfTheLastColumnAfterFillingIt", 1, {{2, 2, 0}}, {{3, 3, 4}, {0, 4, 4}, {0, 5, 4}}, {5, 4},
              {{4, "voda(0)"}, {5, "voda(0)"}}, {}, 5},
        Steps{"SpillsIntoAValveFromAClosedSide", 1, {{3, 3, 0}}, {{1, 3, 4}}, {3, 3},
              {{2, "ventil(0)"}, {3, "ventil(0)"}}, {}, 3},
        Steps{"SpillsOutOfTheTopOfALevelWithoutAValve", 1, kNoValve, {{1, 3, 4}, {1, 3, 3}, {1, 3, 2}, {1, 3, 1}},
              {3, 1}, {{5, "voda(1)"}, {6, "voda(1)"}}, {}, 6},
        // Up through the cross, round the block to the right and back leftwards.
        Steps{"CrossAlongTheColumnThenAlongTheRow", 1, {{2, 3, 1}},
              {{6, 3, 4}, {3, 3, 3}, {2, 4, 3}, {4, 4, 4}, {5, 2, 4}}, {3, 4},
              {{1, "trubka(6)"}, {2, "voda(10)"}, {5, "voda(10)"}, {6, "voda(6)"}}, {2, 4}},
        // Round column 1 into the cross from the left, round above it and down.
        Steps{"CrossAlongTheRowThenAlongTheColumn", 1, {{4, 2, 0}},
              {{2, 3, 4}, {0, 2, 4}, {5, 1, 4}, {3, 1, 3}, {6, 2, 3}, {4, 3, 3}, {2, 3, 2}, {3, 2, 2}}, {2, 3},
              {{5, "trubka(6)"}, {6, "voda(9)"}, {9, "voda(9)"}, {10, "voda(6)"}}, {2, 4}},
        Steps{"DoubleElbow7FromBelowThenFromAbove", 1, {{4, 4, 0}}, {{7, 3, 4}, {5, 2, 4}, {3, 2, 3}, {2, 3, 3}},
              {3, 4}, {{2, "voda(12)"}, {5, "voda(12)"}, {6, "voda(7)"}}, {4, 4}},
        Steps{"DoubleElbow8FromBelowThenFromAbove", 1, {{2, 4, 0}}, {{8, 3, 4}, {4, 4, 4}, {2, 4, 3}, {3, 3, 3}},
              {3, 4}, {{2, "voda(14)"}, {5, "voda(14)"}, {6, "voda(8)"}}, {2, 4}},
        // 6 x 6: up the right side and over the top into (3, 3) from above,
        // out to the right; round below it and back in from the left.
        Steps{"DoubleElbow7FromAboveThenFromTheLeft", 4, {{2, 2, 0}, {4, 2, 0}},
              {{3, 3, 5}, {0, 4, 5}, {4, 5, 5}, {1, 5, 4}, {1, 5, 3}, {1, 5, 2}, {2, 5, 1}, {0, 4, 1},
               {3, 3, 1}, {1, 3, 2}, {7, 3, 3}, {2, 4, 3}, {4, 4, 4}, {0, 3, 4}, {5, 2, 4}, {3, 2, 3}},
              {3, 3}, {{11, "trubka(7)"}, {12, "voda(11)"}, {17, "voda(11)"}, {18, "voda(7)"}}, {3, 4}}),
    [](const auto& test) { return test.param.name; });

INSTANTIATE_TEST_SUITE_P(TwoChannelFirstPass, Pipeline, ::testing::ValuesIn(FirstPasses()),
                         [](const auto& test) { return test.param.name; });

}  // namespace
}  // namespace vr::test
