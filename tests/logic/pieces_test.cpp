// The piece table: what each of the nine pieces does with water arriving from
// each side, checked by the properties the pipes must have rather than by
// their numbers; and that a record on the board is a copy of the table's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

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
    switch (side) {
        case kFromBelow: return {0, -1};
        case kFromAbove: return {0, 1};
        case kFromLeft: return {1, 0};
        default: return {-1, 0};
    }
}

// The side that water moving by `s` enters from.
int SideMoving(Step s) {
    for (int side = 1; side <= 4; ++side) {
        if (Moving(side) == s) return side;
    }
    return 0;
}

Step Exit(const Piece& p, int side) { return {p.dx(side), p.dy(side)}; }

// The openings of a piece's picture, as letters: b(ottom), t(op), l(eft), r(ight).
std::string Openings(const Piece& p) {
    std::string out;
    const char entry[5] = {0, 'b', 't', 'l', 'r'};
    for (int side = 1; side <= 4; ++side) {
        if (p.open(side)) out += entry[side];
    }
    std::sort(out.begin(), out.end());
    return out;
}

class PieceTable : public ::testing::Test {
protected:
    Game g;
    const std::array<Piece, 9>& pipes = g.main->pipePieces;
    const std::array<Piece, 6>& valves = g.main->valvePieces;
};

TEST_F(PieceTable, EveryOpenSideStepsToANeighbourAlongOneAxis) {
    for (const Piece& p : pipes) {
        for (int side = 1; side <= 4; ++side) {
            const Step s = Exit(p, side);
            EXPECT_TRUE((s == Step{0, 0}) || std::abs(s.dx) + std::abs(s.dy) == 1)
                << "piece " << int(p.id) << " side " << side;
        }
    }
}

TEST_F(PieceTable, WaterCanRunBackTheWayItCame) {
    for (const Piece& p : pipes) {
        for (int side = 1; side <= 4; ++side) {
            if (!p.open(side)) continue;
            const Step out = Exit(p, side);
            const int back = SideMoving({-out.dx, -out.dy});
            ASSERT_TRUE(p.open(back)) << "piece " << int(p.id) << " side " << side;
            const Step in = Moving(side);
            EXPECT_EQ(Exit(p, back), (Step{-in.dx, -in.dy})) << "piece " << int(p.id) << " side " << side;
        }
    }
}

TEST_F(PieceTable, StraightsKeepTheDirectionAndElbowsTurnAQuarter) {
    for (int id : {0, 1, 6}) {  // the two straights, and the cross on both its pipes
        for (int side = 1; side <= 4; ++side) {
            if (pipes[id].open(side)) {
                EXPECT_EQ(Exit(pipes[id], side), Moving(side)) << id << " side " << side;
            }
        }
    }
    EXPECT_EQ(Openings(pipes[0]), "lr");
    EXPECT_EQ(Openings(pipes[1]), "bt");
    EXPECT_EQ(Openings(pipes[6]), "blrt");
    for (int id = 2; id <= 5; ++id) {
        int open = 0;
        for (int side = 1; side <= 4; ++side) {
            if (!pipes[id].open(side)) continue;
            ++open;
            const Step in = Moving(side), out = Exit(pipes[id], side);
            EXPECT_EQ(in.dx * out.dx + in.dy * out.dy, 0) << id << " side " << side;
        }
        EXPECT_EQ(open, 2) << id;
    }
    // The elbows by the sides their pictures open to.
    EXPECT_EQ(Openings(pipes[2]), "bl");
    EXPECT_EQ(Openings(pipes[3]), "br");
    EXPECT_EQ(Openings(pipes[4]), "lt");
    EXPECT_EQ(Openings(pipes[5]), "rt");
}

TEST_F(PieceTable, DoubleElbowsAreTheUnionsOfTwoElbows) {
    struct Union {
        int piece, first, second;
    };
    for (const Union u : {Union{7, 2, 5}, Union{8, 3, 4}}) {
        for (int side = 1; side <= 4; ++side) {
            const Piece& a = pipes[u.first];
            const Piece& b = pipes[u.second];
            ASSERT_NE(a.open(side), b.open(side)) << u.piece << " side " << side;  // the two elbows share no side
            EXPECT_EQ(Exit(pipes[u.piece], side), Exit(a.open(side) ? a : b, side)) << u.piece << " side " << side;
        }
    }
}

TEST_F(PieceTable, OnlyTheCrossAndTheDoubleElbowsCarryTwoChannels) {
    std::set<int> two;
    for (const Piece& p : pipes) {
        if (p.twoChannel == True) two.insert(p.id);
        EXPECT_TRUE(p.twoChannel == True || p.twoChannel == False);
    }
    EXPECT_EQ(two, (std::set<int>{6, 7, 8}));
}

TEST_F(PieceTable, RecordsAreNumberedByTheirPicturesAndStartUnmarked) {
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(pipes[i].id, i);
        EXPECT_EQ(pipes[i].isValve, False);
        EXPECT_EQ(pipes[i].passedOnce, False);
    }
}

TEST_F(PieceTable, AValveConductsLikeThePipeOfItsShape) {
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(valves[i].isValve, True) << i;
        Piece asPipe = valves[i];
        asPipe.isValve = False;
        EXPECT_EQ(asPipe, pipes[i]) << "valve " << i << " differs from pipe " << i << " in more than isValve";
    }
}

TEST_F(PieceTable, AnEmptyCellIsClosedOnEverySide) {
    ScriptLevel1(g);
    ASSERT_TRUE(g.click("novahra"));
    const Piece& corner = g.main->board(1, 1);
    for (int side = 1; side <= 4; ++side) EXPECT_FALSE(corner.open(side)) << side;
    EXPECT_EQ(corner.id, kEmptyId);
    EXPECT_EQ(corner, EmptyCell());
    EXPECT_EQ(g.cellPicture(1, 1), "");
}

// The water marks the cross it has passed once on the board; the table and the
// offer keep their own records unmarked, and the table never changes in play.
TEST_F(PieceTable, ARecordLaidOnTheBoardIsACopy) {
    const auto pipesAtStart = pipes;
    const auto valvesAtStart = valves;
    ScriptLevel1Deal(g, 3, 3, 1, {6, 6, 0, 0});  // crosses in slots 1 and 2
    ASSERT_TRUE(g.click("novahra"));
    LayChain(g, {{6, 3, 4}});
    g.driver.advanceTo(FlowTick(2));
    ExpectInStep(g);
    EXPECT_EQ(g.cellPicture(3, 4), "voda(10)");
    EXPECT_EQ(g.main->board(3, 4).passedOnce, True);
    EXPECT_EQ(g.main->pipePieces[6].passedOnce, False);
    EXPECT_EQ(g.main->offer[2].passedOnce, False);
    EXPECT_EQ(g.main->pipePieces, pipesAtStart);
    EXPECT_EQ(g.main->valvePieces, valvesAtStart);
    EXPECT_EQ(g.main->board(3, 3), valves[1]);  // the valve has not been reached yet

    // Another cross laid now starts unmarked too.
    g.script().push(DrawFor(0, 9));
    ASSERT_TRUE(g.click("nabidka", 2));
    ASSERT_TRUE(g.click("pole", Cell(1, 1)));
    EXPECT_EQ(g.main->board(1, 1), pipesAtStart[6]);
}

}  // namespace
}  // namespace vr::test
