// The game's chance: scripted draws stop a test that asks for more than it
// scripted; the game's own generator gives numbers in [0, 1), seeded from the
// time of day when the window loads.
#include <gtest/gtest.h>

#include <set>

#include "deal_script.h"

namespace vr::test {
namespace {

TEST(ChanceDeathTest, ADealThatDrawsMoreThanScriptedStopsTheTest) {
    // A level-1 deal with a free first place draws seven numbers: column, row
    // and shape of the valve, then the four offered pieces.
    EXPECT_DEATH(
        {
            Game g;
            for (int i = 0; i < 6; ++i) g.script().push(0.5);
            g.click("novahra");
        },
        "drew random number #7, but only 6 were scripted");
}

TEST(Chance, TheGamesGeneratorStaysInZeroToOneAndRepeatsItsSeed) {
    SeededRandom r(4242), again(7);
    again.seed(4242);
    std::set<int> ninths;
    double sum = 0;
    const int draws = 100000;
    for (int i = 0; i < draws; ++i) {
        const double x = r.next();
        ASSERT_EQ(again.next(), x) << i;
        ASSERT_TRUE(x >= 0.0 && x < 1.0) << x;
        sum += x;
        ninths.insert(static_cast<int>(x * 9));
    }
    EXPECT_NEAR(sum / draws, 0.5, 0.01);
    EXPECT_EQ(ninths, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

// What a deal shows: every cell's picture and the four offered pieces.
std::vector<std::string> Dealt(std::uint32_t seconds) {
    auto g = LoadedAt(seconds);
    EXPECT_TRUE(g->click("novahra"));
    std::vector<std::string> out;
    for (int i = 0; i < g->main->poleCount(); ++i) out.push_back(g->picture(g->main->pole(i)));
    for (int i = 1; i <= 4; ++i) out.push_back(g->picture("nabidka", i));
    return out;
}

TEST(Chance, LoadingSeedsFromTheSecondsSinceMidnight) {
    // The harness's window loads at 12345 s, whatever seed its generator was built with.
    SeededRandom atLoad(12345);
    const double first = atLoad.next();
    EXPECT_EQ(Game::Seeded(1)->random->next(), first);
    EXPECT_EQ(Game::Seeded(2)->random->next(), first);
    // The same time of day deals the same board, another time another one;
    // the piece tables are the same at every time.
    EXPECT_EQ(Dealt(30000), Dealt(30000));
    EXPECT_NE(Dealt(30000), Dealt(30001));
    EXPECT_NE(Dealt(0), Dealt(86399));
    EXPECT_EQ(LoadedAt(1)->main->state().pipePieces, LoadedAt(80000)->main->state().pipePieces);
    EXPECT_EQ(LoadedAt(1)->main->state().valvePieces, LoadedAt(80000)->main->state().valvePieces);
}

}  // namespace
}  // namespace vr::test
