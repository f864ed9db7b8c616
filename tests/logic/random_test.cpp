// The game's chance: the scripted draws of the tests stop a test that asks
// for more than it scripted, and the game's own generator gives numbers in
// [0, 1), seeded from the time of day when the window loads.
#include <gtest/gtest.h>

#include <set>

#include "deal_script.h"

namespace vr::test {
namespace {

TEST(Chance, ScriptedDrawsComeInOrderAndAreCounted) {
    ScriptedRandom r{0.25, 0.75};
    r.push(0.5);
    EXPECT_EQ(r.left(), 3u);
    EXPECT_EQ(r.next(), 0.25);
    EXPECT_EQ(r.below(4), 3);
    EXPECT_EQ(r.below(9), 4);
    EXPECT_EQ(r.drawn(), 3u);
    EXPECT_EQ(r.left(), 0u);
}

TEST(ChanceDeathTest, ADealThatDrawsMoreThanScriptedStopsTheTest) {
    // A level-1 deal with a free first place draws seven numbers: column,
    // row and shape of the valve, then the four offered pieces.
    EXPECT_DEATH(
        {
            Game g;
            for (int i = 0; i < 6; ++i) g.script().push(0.5);
            g.click("novahra");
        },
        "drew random number #7, but only 6 were scripted");
    EXPECT_DEATH(
        {
            Game g;
            ScriptLevel1(g);
            g.click("novahra");
            g.click("nabidka", 1);
            g.click("pole", Cell(1, 1));  // the refill asks for an eighth
        },
        "drew random number #8, but only 7 were scripted");
}

TEST(Chance, TheGamesGeneratorStaysInZeroToOne) {
    SeededRandom r(4242);
    std::set<int> ninths;
    double sum = 0;
    const int draws = 100000;
    for (int i = 0; i < draws; ++i) {
        const double x = r.next();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        sum += x;
        ninths.insert(static_cast<int>(x * 9));
    }
    EXPECT_NEAR(sum / draws, 0.5, 0.01);
    EXPECT_EQ(ninths, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(Chance, TheSameSeedGivesTheSameNumbers) {
    SeededRandom a(99), b(7);
    b.seed(99);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(a.next(), b.next()) << i;
}

// What a deal shows: every cell's picture and the four offered pieces.
std::vector<std::string> Dealt(const Game& g) {
    std::vector<std::string> out;
    for (int i = 0; i < g.main->poleCount(); ++i) out.push_back(g.picture(g.main->pole(i)));
    for (int i = 1; i <= 4; ++i) out.push_back(g.picture("nabidka", i));
    return out;
}

TEST(Chance, LoadingSeedsFromTheSecondsSinceMidnight) {
    // The harness's window loads at 12345 s after midnight, whatever seed its
    // generator was built with.
    auto a = Game::Seeded(1);
    auto b = Game::Seeded(2);
    SeededRandom atLoad(12345);
    const double first = atLoad.next();
    EXPECT_EQ(a->random->next(), first);
    EXPECT_EQ(b->random->next(), first);

    // The same time of day deals the same board; another time another one.
    auto deal = [](std::uint32_t seconds) {
        auto g = Game::Seeded(0);
        g->platform.seconds = seconds;
        g->main->Form_Load();
        EXPECT_TRUE(g->click("novahra"));
        return Dealt(*g);
    };
    EXPECT_EQ(deal(30000), deal(30000));
    EXPECT_NE(deal(30000), deal(30001));
    EXPECT_NE(deal(0), deal(86399));
}

TEST(Chance, ThePieceTablesAreTheSameAtEveryTimeOfDay) {
    auto early = Game::Seeded(0);
    early->platform.seconds = 1;
    early->main->Form_Load();
    auto late = Game::Seeded(0);
    late->platform.seconds = 80000;
    late->main->Form_Load();
    EXPECT_EQ(early->main->pipePieces, late->main->pipePieces);
    EXPECT_EQ(early->main->valvePieces, late->main->valvePieces);
}

}  // namespace
}  // namespace vr::test
