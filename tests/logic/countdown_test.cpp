// The countdown before the water starts, in virtual time: the number shown
// each second, its colour, and the moment the water first moves.
#include <gtest/gtest.h>

#include "deal_script.h"
#include "invariants.h"

namespace vr::test {
namespace {

constexpr std::uint32_t kGreen = RGB(0, 192, 0);
constexpr std::uint32_t kRed = RGB(255, 0, 0);

TEST(Countdown, Level1CountsFrom20AndTheWaterMoves23SecondsAfterTheDeal) {
    Game g;
    NewScriptedGame(g);
    const std::int64_t dealt = g.model.now();
    for (int k = 0; k <= 20; ++k) {
        g.driver.advanceTo(dealt + 1000 * k);
        const Widget& label = g.w("countdown");
        SCOPED_TRACE(std::to_string(k) + " s after the deal");
        EXPECT_EQ(label.caption, std::to_string(20 - k));
        EXPECT_TRUE(label.visible);
        EXPECT_EQ(label.foreColor, 20 - k >= 6 ? kGreen : kRed);
        EXPECT_TRUE(g.w("countdowntimer").enabled);
        EXPECT_FALSE(g.w("tok").enabled);
        ExpectInStep(g);
        if (k < 20) {
            g.driver.advanceTo(dealt + 1000 * k + 999);
            EXPECT_EQ(label.caption, std::to_string(20 - k)) << "changed before its second was up";
        }
    }
    // "0" stays up one whole second; then the label goes, green again for the
    // next level, and the water's timer starts.
    g.driver.advanceTo(dealt + 20999);
    EXPECT_TRUE(g.w("countdown").visible);
    EXPECT_FALSE(g.w("tok").enabled);
    g.driver.advanceTo(dealt + 21000);
    EXPECT_FALSE(g.w("countdown").visible);
    EXPECT_EQ(g.w("countdown").foreColor, kGreen);
    EXPECT_FALSE(g.w("countdowntimer").enabled);
    EXPECT_TRUE(g.w("tok").enabled);
    EXPECT_EQ(g.model.due(g.id("tok")), dealt + 23000);
    ExpectInStep(g);

    g.driver.advanceTo(dealt + 22999);
    EXPECT_EQ(g.cellPicture(3, 5), "pzed(0)");
    g.driver.advanceTo(dealt + 23000);
    EXPECT_EQ(g.cellPicture(3, 5), "pzed(1)");
    ExpectInStep(g);
}

TEST(Countdown, PiecesCanBeLaidWhileItRuns) {
    Game g;
    NewScriptedGame(g);
    g.advance(7000);
    LayFromSlot1(g, 3, 4);
    EXPECT_EQ(g.cellPicture(3, 4), "trubka(1)");
    EXPECT_EQ(g.w("countdown").caption, "13");
    g.advance(1000);
    EXPECT_EQ(g.w("countdown").caption, "12");
    ExpectInStep(g);
}

TEST(Countdown, Level100CountsFrom416WithoutLeadingZeros) {
    auto g = FlowingGame();
    Win(*g, 99);
    ASSERT_EQ(g->w("levnum").caption, "100");
    const std::int64_t dealt = g->model.now();
    const std::pair<int, const char*> shown[] = {{0, "416"}, {315, "101"}, {316, "100"}, {317, "99"},
                                                 {406, "10"},  {407, "9"},   {410, "6"},   {416, "0"}};
    for (const auto& [second, caption] : shown) {
        g->driver.advanceTo(dealt + 1000 * second);
        EXPECT_EQ(g->w("countdown").caption, caption) << second << " s";
        EXPECT_EQ(g->w("countdown").foreColor, std::stoi(caption) >= 6 ? kGreen : kRed) << second << " s";
    }
    g->driver.advanceTo(dealt + 417000);
    EXPECT_FALSE(g->w("countdown").visible);
    EXPECT_TRUE(g->w("tok").enabled);
    g->driver.advanceTo(dealt + 419000);
    EXPECT_EQ(g->cellPicture(15, 30), "pzed(1)");
}

}  // namespace
}  // namespace vr::test
