// The piece table, checked by the properties the pipes must have rather than
// by their numbers; and a record on the board is a copy of the table's.
#include <gtest/gtest.h>

#include <cstdlib>

#include "deal_script.h"
#include "invariants.h"

namespace vr::test {
namespace {

struct Step {
    int dx, dy;
    bool operator==(const Step&) const = default;
};

// The way the water moves as it enters from each side.
Step Moving(int side) {
    static const Step moves[] = {{0, 0}, {0, -1}, {0, 1}, {1, 0}, {-1, 0}};
    return moves[side];
}

Step Exit(const Piece& p, int side) { return {p.dx(side), p.dy(side)}; }

class PieceTable : public ::testing::Test {
protected:
    Game g;
    const std::array<Piece, 9>& pipes = g.main->state().pipePieces;
    const std::array<Piece, 6>& valves = g.main->state().valvePieces;
};

// Every opening leads to a neighbour and the water can run back the way it
// came; the straights and the cross keep its direction, the elbows turn it a
// quarter; each double elbow is the union of two elbows that share no side,
// and a valve conducts like the pipe of its shape.
TEST_F(PieceTable, EachOpeningLeadsToANeighbourAndBack) {
    const int halves[9][2] = {{}, {}, {}, {}, {}, {}, {}, {2, 5}, {3, 4}};
    for (int id = 0; id < 9; ++id) {
        const Piece& p = pipes[id];
        EXPECT_EQ(p.id, id);
        EXPECT_EQ(p.isValve, False);
        EXPECT_EQ(p.passedOnce, False);
        int open = 0;
        for (int side = 1; side <= 4; ++side) {
            SCOPED_TRACE("piece " + std::to_string(id) + " side " + std::to_string(side));
            if (id >= 7) {
                const Piece& a = pipes[halves[id][0]];
                const Piece& b = pipes[halves[id][1]];
                ASSERT_NE(a.open(side), b.open(side));
                EXPECT_EQ(Exit(p, side), Exit(a.open(side) ? a : b, side));
            }
            if (!p.open(side)) continue;
            ++open;
            const Step in = Moving(side), out = Exit(p, side);
            ASSERT_EQ(std::abs(out.dx) + std::abs(out.dy), 1);
            int back = 1;
            while (back < 4 && !(Moving(back) == Step{-out.dx, -out.dy})) ++back;
            ASSERT_TRUE(p.open(back));
            EXPECT_EQ(Exit(p, back), (Step{-in.dx, -in.dy}));
            EXPECT_EQ(in.dx * out.dx + in.dy * out.dy, id <= 1 || id == 6 ? 1 : 0);
        }
        EXPECT_EQ(open, id <= 5 ? 2 : 4) << id;
        EXPECT_EQ(p.twoChannel == True, open == 4) << id;
        if (id < 6) {
            Piece asPipe = valves[id];
            EXPECT_EQ(asPipe.isValve, True) << id;
            asPipe.isValve = False;
            EXPECT_EQ(asPipe, p) << "valve " << id;
        }
    }
}

// The water marks the cross it has passed once on the board; the table and
// the offer keep their records unmarked, and the table never changes in play.
TEST_F(PieceTable, ARecordLaidOnTheBoardIsACopy) {
    const auto pipesAtStart = pipes;
    const auto valvesAtStart = valves;
    ScriptDeal(g, 5, {{3, 3, 1}}, {6, 6, 0, 0});  // crosses in slots 1 and 2
    ASSERT_TRUE(g.click("novahra"));
    LayChain(g, {{6, 3, 4}});
    g.driver.advanceTo(FlowTick(2));
    ExpectInStep(g);
    EXPECT_EQ(g.cellPicture(3, 4), "voda(10)");
    EXPECT_EQ(g.main->state().board(3, 4).passedOnce, True);
    EXPECT_EQ(g.main->state().offer[2].passedOnce, False);
    EXPECT_EQ(g.main->state().pipePieces, pipesAtStart);
    EXPECT_EQ(g.main->state().valvePieces, valvesAtStart);
    g.script().push(DrawFor(0, 9));
    ASSERT_TRUE(g.click("nabidka", 2));
    ASSERT_TRUE(g.click("pole", Cell(1, 1)));
    EXPECT_EQ(g.main->state().board(1, 1), pipesAtStart[6]);  // laid after the pass: unmarked too
    EXPECT_EQ(g.main->state().board(3, 3), valves[1]);  // not reached yet
}

}  // namespace
}  // namespace vr::test
