// A level dealt and played by hand: the board, the valves and the offer of a deal, laying pieces from the offer,
// and the countdown.
#include <cstdlib>
#include <tuple>

#include "harness.h"
#include "invariants.h"

namespace vr::test {
namespace {

// The board cell of column x, row y on a board of n x n.
int Cell(int x, int y, int n = 5) { return (y - 1) * n + (x - 1); }

// Where water entering a piece leaves it, for water moving up, down, right and left ("." a closed side): the
// straights and the cross keep its way, the elbows turn it, each double elbow is two elbows; a valve conducts like
// the pipe of its shape.
TEST(PieceTable, EachPieceLeadsTheWaterOnThroughItsOpeningsOnly) {
    const char* const ways[9] = {"..RL", "UD..", "L.D.", "R..D", ".LU.", ".R.U", "UDRL", "LRDU", "RLUD"};
    auto way = [](const Piece& p) {
        std::string out;
        for (int side = 1; side <= 4; ++side) {
            const int dx = p.dx(side), dy = p.dy(side);
            out += std::abs(dx) > 1 || std::abs(dy) > 1 ? '?' : "?U?L.R?D?"[(dy + 1) * 3 + dx + 1];
        }
        return out;
    };
    Game g;
    for (int id = 0; id < 9; ++id) {
        const Piece& p = g.main->state().pipePieces[static_cast<std::size_t>(id)];
        EXPECT_EQ(std::tuple(way(p), p.id, p.twoChannel == True, p.isValve), std::tuple(ways[id], id, id >= 6, False))
            << id;
        if (id >= 6) continue;
        const Piece& valve = g.main->state().valvePieces[static_cast<std::size_t>(id)];
        EXPECT_EQ(std::tuple(way(valve), valve.id, valve.twoChannel, valve.isValve),
                  std::tuple(ways[id], id, False, True))
            << id;
    }
}

// A board as dealt: the inlet at the bottom of column `inlet`, the valves on (x, y).
std::vector<std::string> Dealt(int n, int inlet, const std::vector<Valve>& valves) {
    std::vector<std::string> out(static_cast<std::size_t>(n * n));
    out[static_cast<std::size_t>(Cell(inlet, n, n))] = "pzed(0)";
    for (const Valve& v : valves) {
        out[static_cast<std::size_t>(Cell(v.x, v.y, n))] = "ventil(" + std::to_string(v.shape) + ")";
    }
    return out;
}

// The offer slots: their pieces and frames.
std::vector<std::string> Offer(const Game& g) {
    std::vector<std::string> out;
    for (int i = 1; i <= 4; ++i) {
        out.push_back(g.picture("nabidka", i) + " b" + std::to_string(g.w("nabidka", i).borderStyle));
    }
    return out;
}

// A deal at each board size: the side panel, N x N cells of 500 / N pixels (placed: ExpectInStep), the inlet, the
// valves, empty cells framed and clickable, the offer; the countdown.
TEST(Deal, BoardValvesOfferPanelAndCountdownAtEachSize) {
    struct Size {
        int level, n, countdown, valves, inlet;
    };
    for (const Size& s :
         {Size{1, 5, 20, 1, 3}, {4, 6, 32, 2, 3}, {8, 7, 48, 4, 4}, {40, 15, 176, 20, 8}, {100, 30, 416, 50, 15}}) {
        SCOPED_TRACE(s.level);
        Game g;
        // Valves on every other column and row from (2, 2), clear of the cell above the inlet.
        std::vector<Valve> valves;
        for (int y = 2; y < s.n; y += 2) {
            for (int x = 2; x < s.n && static_cast<int>(valves.size()) < s.valves; x += 2) {
                if (x != s.inlet || y != s.n - 1) valves.push_back({x, y, static_cast<int>(valves.size()) % 6});
            }
        }
        Deal(g, s.level, valves, {0, 3, 6, 8});
        EXPECT_EQ(g.script().left(), 0u) << "the deal drew fewer numbers than scripted";
        const std::string clickable = "pole*" + std::to_string(s.n * s.n - 1 - s.valves) + " nabidka*4 menu";
        Play(g, "", "", clickable.c_str(),
             "level " + std::to_string(s.level) + ", 5 Životů, count " + std::to_string(s.countdown));
        EXPECT_EQ(g.w("countdown").foreColor, RGB(0, 192, 0));
        EXPECT_EQ(g.model.memberCount("pole"), s.n * s.n);  // as many cells as the board needs, no more
        EXPECT_EQ(Board(g), Dealt(s.n, s.inlet, valves));
        int framed = 0;
        for (int i = 0; i < s.n * s.n; ++i) framed += g.w("pole", i).borderStyle;
        EXPECT_EQ(framed, s.n * s.n - 1 - s.valves);
        EXPECT_EQ(Offer(g), (std::vector<std::string>{"trubka(0) b0", "trubka(3) b0", "trubka(6) b0", "trubka(8) b0"}));
        EXPECT_EQ(std::tuple(g.main->state().valveCount, g.main->state().valvesFilled, g.main->state().selectedSlot),
                  std::tuple(s.valves, 0, 0));

        // The countdown: the number shown at moments k s after the deal and 999 ms later, green down to 6 and red
        // from 5, with no leading zeros; at 1 s after 0 the label goes and the water is let out, its first step
        // into the inlet 2 s later.
        const int from = s.countdown;
        const Widget& label = g.w("countdown");
        for (int k : {0, 1, from - 100, from - 99, from - 11, from - 10, from - 6, from - 5, from - 1, from}) {
            for (int ms : {0, 999}) {
                if (k < 0) break;
                g.driver.advanceTo(1000 * k + ms);
                EXPECT_EQ(std::pair(label.caption, label.foreColor),
                          std::pair(std::to_string(from - k), from - k >= 6 ? RGB(0, 192, 0) : RGB(255, 0, 0)))
                    << k;
                EXPECT_TRUE(label.visible && g.w("countdowntimer").enabled && !g.w("tok").enabled) << k;
            }
        }
        g.driver.advanceTo(1000 * (from + 1));
        EXPECT_EQ(std::pair(label.visible, label.foreColor), std::pair(false, RGB(0, 192, 0)));  // green for the next
        EXPECT_TRUE(!g.w("countdowntimer").enabled && g.w("tok").enabled);
        g.driver.advanceTo(1000 * (from + 3) - 1);
        EXPECT_EQ(g.cellPicture(s.inlet, s.n), "pzed(0)");
        Play(g, "+1");
        EXPECT_EQ(g.cellPicture(s.inlet, s.n), "pzed(1)");
    }
}

// Scripted tries of the valve placement (shape -1: a try the rules refuse), or raw draws, and the valves they
// leave.
struct Placing {
    int level;
    std::vector<Valve> tries, placed;
    std::vector<double> draws = {};
};

TEST(ValvePlacement, TakesOnlyTheTriesTheRulesAllow) {
    const Valve above{3, 4, -1};                   // the cell above the inlet, never a valve
    std::vector<Valve> seventeen{{3, 3, 1}};       // level 4 may try 4 x 4 + 1 times
    seventeen.insert(seventeen.end(), 16, above);  // (3, 4) is beside the valve on 6 x 6
    const double last = 0.999999;
    const std::vector<Placing> placings{
        {1, {above, {2, 2, 4}}, {{2, 2, 4}}},
        {1, std::vector<Valve>(5, above), {}},                      // five tries fail: no valve
        {1, {above, above, above, above, {4, 2, 5}}, {{4, 2, 5}}},  // the fifth may still place it
        // Never side by side, but corner to corner.
        {4, {{3, 3, 0}, {4, 3, -1}, {2, 3, -1}, {3, 4, -1}, {3, 2, -1}, {4, 4, 2}}, {{3, 3, 0}, {4, 4, 2}}},
        {4, seventeen, {{3, 3, 1}}},
        {4, {}, {{2, 2, 0}, {5, 5, 5}}, {0, 0, 0, last, last, last}}};  // the smallest draw is 2, the largest N - 1
    for (const Placing& p : placings) {
        SCOPED_TRACE(&p - placings.data());
        Game g;
        for (double r : p.draws) g.script().push(r);
        Deal(g, p.level, p.tries, {1, 1, 1, 1});
        EXPECT_EQ(g.script().left(), 0u);
        EXPECT_EQ(Board(g), Dealt(p.level / 4 + 5, 3, p.placed));
        EXPECT_EQ(g.main->state().valveCount, static_cast<int>(p.placed.size()));
    }
}

// The last clicked slot is framed alone, laid on an empty cell and refilled; the cell holds a copy of the piece and
// takes no more; the next takes nothing until a slot is selected.
TEST(Placement, TheLastClickedSlotIsLaidOnAnEmptyCellAndRefilled) {
    Game g;
    Deal(g, 1, {{3, 3, 1}}, {2, 5, 7, 0});
    ASSERT_TRUE(g.click("nabidka", 2));
    EXPECT_EQ(Offer(g), (std::vector<std::string>{"trubka(2) b0", "trubka(5) b1", "trubka(7) b0", "trubka(0) b0"}));
    ASSERT_TRUE(g.click("nabidka", 4));
    ASSERT_TRUE(g.click("nabidka", 4));  // again: still selected
    EXPECT_EQ(Offer(g), (std::vector<std::string>{"trubka(2) b0", "trubka(5) b0", "trubka(7) b0", "trubka(0) b1"}));
    ASSERT_TRUE(g.click("nabidka", 3));
    g.script().push(DrawFor(7, 9));  // the same piece may come again
    ASSERT_TRUE(g.click("pole", Cell(1, 1)));
    EXPECT_EQ(g.cellPicture(1, 1), "trubka(7)");
    EXPECT_EQ(g.main->state().board(1, 1).twoChannel, True);
    EXPECT_EQ(Offer(g), (std::vector<std::string>{"trubka(2) b0", "trubka(5) b0", "trubka(7) b0", "trubka(0) b0"}));
    ExpectInStep(g);

    ASSERT_TRUE(g.click("nabidka", 2));
    g.script().push(DrawFor(8, 9));
    ASSERT_TRUE(g.click("pole", Cell(4, 2)));
    EXPECT_EQ(g.cellPicture(4, 2), "trubka(5)");
    EXPECT_EQ(g.w("pole", Cell(4, 2)).borderStyle, 0);
    EXPECT_EQ(g.main->state().board(4, 2), g.main->state().pipePieces[5]);
    EXPECT_EQ(Offer(g), (std::vector<std::string>{"trubka(2) b0", "trubka(8) b0", "trubka(7) b0", "trubka(0) b0"}));
    EXPECT_EQ(g.script().left(), 0u);  // one refill a piece, no more
    ExpectInStep(g);

    // No draw is scripted: a refill would stop the test.
    EXPECT_TRUE(Unchanged(g, "pole(4)"));
    EXPECT_EQ(g.main->state().board(5, 1), EmptyCell());
    ASSERT_TRUE(g.click("nabidka", 1));
    EXPECT_FALSE(g.click("pole", Cell(4, 2)));
    EXPECT_EQ(Offer(g)[0], "trubka(2) b1");
}

}  // namespace
}  // namespace vr::test
