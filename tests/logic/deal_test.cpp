// Dealing a level: the size of the board and of its cells, the inlet, the
// valves, the offer and the side panel.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "deal_script.h"
#include "invariants.h"

namespace vr::test {
namespace {

// Valves on every other column and row from (2, 2), clear of the outer ring,
// of each other and of the cell above the inlet; shapes 0..5 in turn.
std::vector<Valve> Spread(int n, int count) {
    std::vector<Valve> out;
    for (int y = 2; y <= n - 1; y += 2) {
        for (int x = 2; x <= n - 1 && static_cast<int>(out.size()) < count; x += 2) {
            if (x != (n + 1) / 2 || y != n - 1) out.push_back({x, y, static_cast<int>(out.size()) % 6});
        }
    }
    return out;
}

struct Size {
    int level, n, cell, inletColumn, countdown, valves;
};

void PrintTo(const Size& s, std::ostream* os) { *os << "level " << s.level; }

class DealAt : public ::testing::TestWithParam<Size> {};

TEST_P(DealAt, BoardInletValvesOfferAndPanel) {
    const Size& s = GetParam();
    Game g;
    const std::vector<Valve> valves = Spread(s.n, s.valves);
    ASSERT_EQ(static_cast<int>(valves.size()), s.valves);
    ReachDeal(g, s.level, [&] { ScriptDeal(g, s.n, valves, {0, 3, 6, 8}); });
    EXPECT_EQ(g.script().left(), 0u) << "the deal drew fewer numbers than scripted";
    const Main& m = *g.main;

    EXPECT_EQ(g.w("levnum").caption, std::to_string(s.level));
    EXPECT_EQ(g.w("lzivotu").caption, "5");
    EXPECT_EQ(g.w("Label2").caption, "Životů");
    EXPECT_EQ(g.w("countdown").caption, std::to_string(s.countdown));
    EXPECT_TRUE(g.w("countdown").visible);
    EXPECT_EQ(g.w("countdown").foreColor, RGB(0, 192, 0));
    EXPECT_TRUE(g.w("countdowntimer").enabled);
    EXPECT_FALSE(g.w("tok").enabled);
    EXPECT_FALSE(g.w("pleasewait").visible);

    // N x N cells of one size from (25, 25), row by row: the inlet, the
    // valves and the empty rest.
    ASSERT_EQ(m.state().boardSize, s.n);
    EXPECT_EQ(g.model.memberCount("pole"), s.n * s.n);  // as many as the board needs, no more
    for (int y = 1, k = 0; y <= s.n; ++y) {
        for (int x = 1; x <= s.n; ++x, ++k) {
            SCOPED_TRACE("cell (" + std::to_string(x) + ", " + std::to_string(y) + ")");
            const Widget& w = g.w("pole", k);
            ASSERT_EQ(m.state().cells(x, y), g.id("pole", k));
            EXPECT_EQ((std::array{w.left, w.top, w.width, w.height}),
                      (std::array{25 + (x - 1) * s.cell, 25 + (y - 1) * s.cell, s.cell, s.cell}));
            EXPECT_TRUE(w.visible && w.stretch);
            std::string want = x == s.inletColumn && y == s.n ? "pzed(0)" : "";
            for (const Valve& v : valves) {
                if (v.x == x && v.y == y) want = "ventil(" + std::to_string(v.shape) + ")";
            }
            EXPECT_EQ(g.cellPicture(x, y), want);
            EXPECT_EQ(g.model.clickable(m.state().cells(x, y)), want.empty());
            EXPECT_EQ(w.borderStyle, want.empty() ? 1 : 0);
        }
    }
    EXPECT_EQ(m.state().valveCount, s.valves);
    EXPECT_EQ(m.state().valvesFilled, 0);

    // The offer, nothing selected.
    const int offered[] = {0, 3, 6, 8};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(g.picture("nabidka", i), Trubka(offered[i - 1])) << i;
        EXPECT_TRUE(g.model.clickable(g.id("nabidka", i))) << i;
    }
    EXPECT_EQ(m.state().selectedSlot, 0);
    ExpectInStep(g);
}

INSTANTIATE_TEST_SUITE_P(Levels, DealAt,
                         ::testing::Values(Size{1, 5, 100, 3, 20, 1}, Size{4, 6, 83, 3, 32, 2},
                                           Size{8, 7, 71, 4, 48, 4}, Size{40, 15, 33, 8, 176, 20},
                                           Size{100, 30, 16, 15, 416, 50}),
                         [](const auto& test) { return "Level" + std::to_string(test.param.level); });

using Places = std::vector<std::pair<int, int>>;

// The valves on the board, as (column, row).
Places ValvesShown(const Game& g) {
    Places out;
    const int n = g.main->state().boardSize;
    for (int y = 1; y <= n; ++y) {
        for (int x = 1; x <= n; ++x) {
            if (g.cellPicture(x, y).rfind("ventil(", 0) == 0) out.emplace_back(x, y);
        }
    }
    return out;
}

// Scripted tries of the valve placement (shape -1: a try the rules refuse),
// or the raw draws, and the valves they leave, with their pictures.
struct Placing {
    const char* name;
    int level;
    std::vector<Valve> tries;
    std::vector<Valve> placed;
    std::vector<double> draws = {};
};

void PrintTo(const Placing& p, std::ostream* os) { *os << p.name; }

class ValvePlacement : public ::testing::TestWithParam<Placing> {};

TEST_P(ValvePlacement, TakesTheTriesTheRulesAllow) {
    const Placing& p = GetParam();
    Game g;
    ReachDeal(g, p.level, [&] {
        for (double r : p.draws) g.script().push(r);
        ScriptDeal(g, p.level / 4 + 5, p.tries, {1, 1, 1, 1});
    });
    EXPECT_EQ(g.script().left(), 0u);
    Places want;
    for (const Valve& v : p.placed) {
        want.emplace_back(v.x, v.y);
        EXPECT_EQ(g.cellPicture(v.x, v.y), "ventil(" + std::to_string(v.shape) + ")");
    }
    EXPECT_EQ(ValvesShown(g), want);
    EXPECT_EQ(g.main->state().valveCount, static_cast<int>(want.size()));
    ExpectInStep(g);
}

std::vector<Placing> PlacingCases() {
    const Valve aboveInlet{3, 4, -1};
    std::vector<Valve> seventeen{{3, 3, 1}};  // level 4 may try 4 x 4 + 1 times
    seventeen.insert(seventeen.end(), 16, aboveInlet);  // (3, 4) is beside the valve on 6 x 6
    return {
        {"NeverOnTheCellAboveTheInlet", 1, {aboveInlet, {2, 2, 4}}, {{2, 2, 4}}},
        {"FiveTriesAboveTheInletLeaveLevel1WithoutAValve", 1, std::vector<Valve>(5, aboveInlet), {}},
        {"TheFifthTryAtLevel1MayStillPlaceIt", 1, {aboveInlet, aboveInlet, aboveInlet, aboveInlet, {4, 2, 5}},
         {{4, 2, 5}}},
        {"NeverSideBySideButCornerToCorner", 4, {{3, 3, 0}, {4, 3, -1}, {2, 3, -1}, {3, 4, -1}, {3, 2, -1}, {4, 4, 2}},
         {{3, 3, 0}, {4, 4, 2}}},
        {"AtMostSeventeenTriesAtLevel4", 4, seventeen, {{3, 3, 1}}},
        // The smallest and the largest draws land on columns and rows 2 and N - 1.
        {"TheOuterRingStaysFree", 4, {}, {{2, 2, 0}, {5, 5, 5}}, {0.0, 0.0, 0.0, 0.999999, 0.999999, 0.999999}},
    };
}

INSTANTIATE_TEST_SUITE_P(Rules, ValvePlacement, ::testing::ValuesIn(PlacingCases()),
                         [](const auto& test) { return std::string(test.param.name); });

// Every level dealt by the game's own chance at several times of day: the
// valves keep off the outer ring, off each other's sides and off the inlet.
TEST(ValvePlacement, TheRulesHoldOnEveryLevelDealtByChance) {
    for (std::uint32_t seconds : {0u, 12345u, 86399u}) {
        auto g = LoadedAt(seconds);
        ASSERT_TRUE(g->click("novahra"));
        for (int level = 1; level <= 100; ++level) {
            g->main->EnterLevel(static_cast<Byte>(level), 5);
            const int n = g->main->state().boardSize;
            SCOPED_TRACE("level " + std::to_string(level) + " at " + std::to_string(seconds) + " s");
            const auto valves = ValvesShown(*g);
            EXPECT_EQ(static_cast<int>(valves.size()), g->main->state().valveCount);
            EXPECT_LE(g->main->state().valveCount, (level + 1) / 2);
            EXPECT_GE(g->main->state().valveCount, 1);
            for (auto [x, y] : valves) {
                EXPECT_TRUE(x >= 2 && x <= n - 1 && y >= 2 && y <= n - 1) << x << ", " << y;
                EXPECT_FALSE(x == (n + 1) / 2 && y == n - 1);
                for (auto [u, v] : valves) EXPECT_NE(std::abs(x - u) + std::abs(y - v), 1) << x << ", " << y;
            }
            ExpectInStep(*g);
        }
    }
}

}  // namespace
}  // namespace vr::test
