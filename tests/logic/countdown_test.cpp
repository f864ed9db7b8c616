// The countdown before the water starts, in virtual time: the number shown
// each second, its colour, and the moment the water first moves.
#include <gtest/gtest.h>

#include "deal_script.h"
#include "invariants.h"

namespace vr::test {
namespace {

constexpr std::uint32_t kGreen = RGB(0, 192, 0);

// The countdown of a deal that has just shown `from` (4 x level + 16): the
// number at each of the given seconds after the deal and 999 ms later, green
// down to 6 and red from 5; at from + 1 s the label goes and the water's
// timer starts, its first step into the inlet (x, N) 2 s after.
void ExpectCountdown(Game& g, int from, const std::vector<int>& seconds, int x) {
    const std::int64_t dealt = g.model.now();
    const Widget& label = g.w("countdown");
    for (int k : seconds) {
        SCOPED_TRACE(std::to_string(k) + " s after the deal");
        for (int ms : {0, 999}) {
            g.driver.advanceTo(dealt + 1000 * k + ms);
            EXPECT_EQ(label.caption, std::to_string(from - k));
            EXPECT_TRUE(label.visible);
            EXPECT_EQ(label.foreColor, from - k >= 6 ? kGreen : RGB(255, 0, 0));
            EXPECT_TRUE(g.w("countdowntimer").enabled);
            EXPECT_FALSE(g.w("tok").enabled);
            ExpectInStep(g);
        }
    }
    g.driver.advanceTo(dealt + 1000 * (from + 1));
    EXPECT_FALSE(label.visible);
    EXPECT_EQ(label.foreColor, kGreen);  // green again for the next level
    EXPECT_FALSE(g.w("countdowntimer").enabled);
    EXPECT_TRUE(g.w("tok").enabled);
    const int n = g.main->state().boardSize;
    g.driver.advanceTo(dealt + 1000 * (from + 3) - 1);
    EXPECT_EQ(g.cellPicture(x, n), "pzed(0)");
    g.driver.advanceTo(dealt + 1000 * (from + 3));
    EXPECT_EQ(g.cellPicture(x, n), "pzed(1)");
    ExpectInStep(g);
}

TEST(Countdown, Level1CountsFrom20AndTheWaterMoves23SecondsAfterTheDeal) {
    Game g;
    NewScriptedGame(g);
    std::vector<int> every;
    for (int k = 0; k <= 20; ++k) every.push_back(k);
    ExpectCountdown(g, 20, every, 3);
}

TEST(Countdown, Level100CountsFrom416WithoutLeadingZeros) {
    auto g = FlowingGame();
    Win(*g, 99);
    ExpectCountdown(*g, 416, {0, 315, 316, 317, 406, 407, 410, 411, 416}, 15);
}

}  // namespace
}  // namespace vr::test
