// Dealing a level: the size of the board and of its cells, where the inlet and
// the valves go, the offer, the side panel, and the cell widgets that the
// boards share.
#include <gtest/gtest.h>

#include <cstdlib>

#include "deal_script.h"
#include "invariants.h"

namespace vr::test {
namespace {

constexpr std::uint32_t kGreen = RGB(0, 192, 0);

// Valves on every other column and row from (2, 2), clear of the outer ring,
// of each other and of the cell above the inlet; shapes 0..5 in turn.
std::vector<Valve> Spread(int n, int count) {
    std::vector<Valve> out;
    const int m = (n + 1) / 2;
    for (int y = 2; y <= n - 1; y += 2) {
        for (int x = 2; x <= n - 1; x += 2) {
            if (static_cast<int>(out.size()) == count) return out;
            if (x == m && y == n - 1) continue;
            out.push_back({x, y, static_cast<int>(out.size()) % 6});
        }
    }
    return out;
}

struct Size {
    int level, n, cell, inletColumn, countdown, boardEnd, valves, lives;
    const char* livesWord;
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

    // The panel.
    EXPECT_EQ(g.w("levnum").caption, std::to_string(s.level));
    EXPECT_EQ(g.w("lzivotu").caption, std::to_string(s.lives));
    EXPECT_EQ(g.w("Label2").caption, s.livesWord);
    EXPECT_EQ(g.w("countdown").caption, std::to_string(s.countdown));
    EXPECT_TRUE(g.w("countdown").visible);
    EXPECT_EQ(g.w("countdown").foreColor, kGreen);
    EXPECT_TRUE(g.w("countdowntimer").enabled);
    EXPECT_FALSE(g.w("tok").enabled);
    EXPECT_FALSE(g.w("pleasewait").visible);

    // The board: N x N cells of one size from (25, 25), row by row.
    ASSERT_EQ(m.boardSize, s.n);
    EXPECT_EQ(m.poleCount(), s.n * s.n);  // as many as the board needs, no more
    int k = 0;
    for (int y = 1; y <= s.n; ++y) {
        for (int x = 1; x <= s.n; ++x, ++k) {
            const Widget& w = g.w("pole", k);
            SCOPED_TRACE("cell (" + std::to_string(x) + ", " + std::to_string(y) + ")");
            ASSERT_EQ(m.cells(x, y), g.id("pole", k));
            EXPECT_EQ(w.left, 25 + (x - 1) * s.cell);
            EXPECT_EQ(w.top, 25 + (y - 1) * s.cell);
            EXPECT_EQ(w.width, s.cell);
            EXPECT_EQ(w.height, s.cell);
            EXPECT_TRUE(w.visible);
            EXPECT_TRUE(w.stretch);
        }
    }
    const Widget& last = g.w("pole", s.n * s.n - 1);
    EXPECT_EQ(last.left + last.width, s.boardEnd);
    EXPECT_EQ(last.top + last.height, s.boardEnd);

    // Inlet, valves, and the empty rest.
    auto kind = [&](int x, int y) -> std::string {
        if (x == s.inletColumn && y == s.n) return "pzed(0)";
        for (const Valve& v : valves) {
            if (v.x == x && v.y == y) return "ventil(" + std::to_string(v.shape) + ")";
        }
        return "";
    };
    for (int y = 1; y <= s.n; ++y) {
        for (int x = 1; x <= s.n; ++x) {
            const Widget& w = g.model.at(m.cells(x, y));
            const std::string want = kind(x, y);
            SCOPED_TRACE("cell (" + std::to_string(x) + ", " + std::to_string(y) + ")");
            EXPECT_EQ(g.cellPicture(x, y), want);
            EXPECT_EQ(g.model.clickable(m.cells(x, y)), want.empty());
            EXPECT_EQ(w.tag, want.empty() ? "" : "x");
            EXPECT_EQ(w.borderStyle, want.empty() ? 1 : 0);
        }
    }
    EXPECT_EQ(m.valveCount, s.valves);
    EXPECT_EQ(m.valvesFilled, 0);
    EXPECT_EQ(m.flowX, s.inletColumn);
    EXPECT_EQ(m.flowY, s.n);

    // The offer, nothing selected.
    const int offered[] = {0, 3, 6, 8};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(g.picture("nabidka", i), Trubka(offered[i - 1])) << i;
        EXPECT_EQ(g.w("nabidka", i).borderStyle, 0) << i;
        EXPECT_TRUE(g.model.clickable(g.id("nabidka", i))) << i;
    }
    EXPECT_EQ(m.selectedSlot, 0);
    ExpectInStep(g);
}

INSTANTIATE_TEST_SUITE_P(Levels, DealAt,
                         ::testing::Values(Size{1, 5, 100, 3, 20, 525, 1, 5, "Životů"},
                                           Size{4, 6, 83, 3, 32, 523, 2, 5, "Životů"},
                                           Size{8, 7, 71, 4, 48, 522, 4, 5, "Životů"},
                                           Size{40, 15, 33, 8, 176, 520, 20, 6, "Životů"},
                                           Size{100, 30, 16, 15, 416, 505, 50, 6, "Životů"}),
                         [](const auto& info) { return "Level" + std::to_string(info.param.level); });

// The valves on the board, as (column, row).
std::vector<std::pair<int, int>> ValvesShown(const Game& g) {
    std::vector<std::pair<int, int>> out;
    const int n = g.main->boardSize;
    for (int y = 1; y <= n; ++y) {
        for (int x = 1; x <= n; ++x) {
            if (g.cellPicture(x, y).rfind("ventil(", 0) == 0) out.emplace_back(x, y);
        }
    }
    return out;
}

using Places = std::vector<std::pair<int, int>>;

TEST(ValvePlacement, NeverOnTheCellAboveTheInlet) {
    Game g;
    ScriptTry(g, 5, 3, 4);  // beside the inlet: tried again
    ScriptValve(g, 5, 2, 2, 4);
    ScriptOffer(g, {1, 1, 1, 1});
    ASSERT_TRUE(g.click("novahra"));
    EXPECT_EQ(g.script().left(), 0u);
    EXPECT_EQ(ValvesShown(g), (Places{{2, 2}}));
    EXPECT_EQ(g.cellPicture(2, 2), "ventil(4)");
    EXPECT_EQ(g.cellPicture(3, 4), "");
    EXPECT_TRUE(g.model.clickable(g.main->cells(3, 4)));
    ExpectInStep(g);
}

TEST(ValvePlacement, FiveTriesOnTheCellAboveTheInletLeaveLevel1WithoutAValve) {
    Game g;
    for (int t = 0; t < 5; ++t) ScriptTry(g, 5, 3, 4);
    ScriptOffer(g, {2, 2, 2, 2});  // a sixth try would take these as a place
    ASSERT_TRUE(g.click("novahra"));
    EXPECT_EQ(g.script().left(), 0u);
    EXPECT_TRUE(ValvesShown(g).empty());
    EXPECT_EQ(g.main->valveCount, 0);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(g.picture("nabidka", i), "trubka(2)");
    ExpectInStep(g);
}

TEST(ValvePlacement, TheFifthTryAtLevel1MayStillPlaceTheValve) {
    Game g;
    for (int t = 0; t < 4; ++t) ScriptTry(g, 5, 3, 4);
    ScriptValve(g, 5, 4, 2, 5);
    ScriptOffer(g, {1, 1, 1, 1});
    ASSERT_TRUE(g.click("novahra"));
    EXPECT_EQ(g.script().left(), 0u);
    EXPECT_EQ(ValvesShown(g), (Places{{4, 2}}));
    EXPECT_EQ(g.cellPicture(4, 2), "ventil(5)");
}

TEST(ValvePlacement, NeverSideBySideButCornerToCorner) {
    Game g;
    ReachDeal(g, 4, [&] {
        ScriptValve(g, 6, 3, 3, 0);
        for (auto [x, y] : Places{{4, 3}, {2, 3}, {3, 4}, {3, 2}}) ScriptTry(g, 6, x, y);
        ScriptValve(g, 6, 4, 4, 2);
        ScriptOffer(g, {1, 1, 1, 1});
    });
    EXPECT_EQ(g.script().left(), 0u);
    EXPECT_EQ(ValvesShown(g), (Places{{3, 3}, {4, 4}}));
    EXPECT_EQ(g.cellPicture(3, 3), "ventil(0)");
    EXPECT_EQ(g.cellPicture(4, 4), "ventil(2)");
    ExpectInStep(g);
}

TEST(ValvePlacement, TheOuterRingStaysFree) {
    // The smallest and the largest draws land on columns and rows 2 and N - 1.
    Game g;
    ReachDeal(g, 4, [&] {
        for (double r : {0.0, 0.0, 0.0, 0.999999, 0.999999, 0.999999}) g.script().push(r);
        ScriptOffer(g, {1, 1, 1, 1});
    });
    EXPECT_EQ(g.script().left(), 0u);
    EXPECT_EQ(ValvesShown(g), (Places{{2, 2}, {5, 5}}));
    EXPECT_EQ(g.cellPicture(2, 2), "ventil(0)");
    EXPECT_EQ(g.cellPicture(5, 5), "ventil(5)");
}

TEST(ValvePlacement, AtMostFourTriesPerLevelAndOneMore) {
    // Level 4 wants two valves and may try 17 times: one valve, then sixteen
    // tries beside it, and the deal goes on with the one.
    Game g;
    ReachDeal(g, 4, [&] {
        ScriptValve(g, 6, 3, 3, 1);
        for (int t = 0; t < 16; ++t) ScriptTry(g, 6, 3, 4);
        ScriptOffer(g, {5, 5, 5, 5});
    });
    EXPECT_EQ(g.script().left(), 0u);
    EXPECT_EQ(ValvesShown(g), (Places{{3, 3}}));
    EXPECT_EQ(g.main->valveCount, 1);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(g.picture("nabidka", i), "trubka(5)");
    ExpectInStep(g);
}

// Every level dealt by the game's own chance, at several times of day: the
// valves keep off the outer ring, off each other's sides and off the inlet.
TEST(ValvePlacement, TheRulesHoldOnEveryLevelDealtByChance) {
    for (std::uint32_t seconds : {0u, 12345u, 86399u}) {
        auto g = Game::Seeded(0);
        g->platform.seconds = seconds;
        g->main->Form_Load();
        ASSERT_TRUE(g->click("novahra"));
        for (int level = 1; level <= 100; ++level) {
            g->main->level = static_cast<Byte>(level);
            g->main->StartLevel();
            const int n = g->main->boardSize;
            const int m = (n + 1) / 2;
            SCOPED_TRACE("level " + std::to_string(level) + " at " + std::to_string(seconds) + " s");
            const auto valves = ValvesShown(*g);
            EXPECT_EQ(static_cast<int>(valves.size()), g->main->valveCount);
            EXPECT_LE(g->main->valveCount, (level + 1) / 2);
            EXPECT_GE(g->main->valveCount, 1);
            for (auto [x, y] : valves) {
                EXPECT_TRUE(x >= 2 && x <= n - 1 && y >= 2 && y <= n - 1) << x << ", " << y;
                EXPECT_FALSE(x == m && y == n - 1);
                for (auto [u, v] : valves) EXPECT_NE(std::abs(x - u) + std::abs(y - v), 1) << x << ", " << y;
            }
            ExpectInStep(*g);
        }
    }
}

TEST(CellWidgets, AreCreatedOnDemandAndReusedByEveryLaterBoard) {
    Game g;
    EXPECT_EQ(g.model.memberCount("pole"), 1);
    NewScriptedGame(g);
    EXPECT_EQ(g.model.memberCount("pole"), 25);
    std::vector<W> first;
    for (int i = 0; i < 25; ++i) first.push_back(g.id("pole", i));

    ScriptDeal(g, 6, {{3, 3, 0}, {5, 2, 1}}, {1, 1, 1, 1});
    Win(g, 3);  // level 4: 6 x 6, from the level-1 game
    EXPECT_EQ(g.model.memberCount("pole"), 36);
    for (int i = 0; i < 25; ++i) EXPECT_EQ(g.id("pole", i), first[i]) << i;
    EXPECT_EQ(g.main->cells(1, 2), first[6]);  // row 2 now starts at member 6
    ExpectInStep(g);

    // A new game in the middle of level 4: 25 cells again, the rest hidden
    // and kept.
    ASSERT_TRUE(g.click("menu"));
    ScriptLevel1(g);
    ASSERT_TRUE(g.click("novahra"));
    EXPECT_EQ(g.model.memberCount("pole"), 36);
    for (int i = 0; i < 36; ++i) EXPECT_EQ(g.w("pole", i).visible, i < 25) << i;
    for (int i = 0; i < 25; ++i) EXPECT_EQ(g.id("pole", i), first[i]) << i;
    EXPECT_EQ(g.w("levnum").caption, "1");
    EXPECT_EQ(g.w("lzivotu").caption, "5");
    EXPECT_EQ(g.main->cells(1, 2), first[5]);
    ExpectInStep(g);
}

}  // namespace
}  // namespace vr::test
