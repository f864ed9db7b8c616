// A monkey at the window: random clicks on whatever the window lets it click, mixed with random waits, so that
// countdown, water and ticker ticks fall between the clicks; after every event the game must still make sense.
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <random>

#include "bot.h"
#include "harness.h"
#include "invariants.h"

namespace vr::test {
namespace {

struct MonkeyRun {
    std::string broken;  // the first broken rule and the events before it, or ""
    int deepestLevel = 0, botLevels = 0;
};

MonkeyRun RunMonkey(std::uint32_t seed, int events) {
    MonkeyRun run;
    std::mt19937 pick(seed);
    auto g = Game::Seeded(seed);
    g->model.onClick("ukoncit", [](int) {});  // the monkey stays in the game
    std::deque<std::string> last;
    for (int e = 0; e < events && run.broken.empty(); ++e) {
        std::string what;
        const int roll = static_cast<int>(pick() % 100);
        if (roll < 2 && g->model.isEnabled(g->id("countdowntimer")) && !g->model.isVisible(g->id("menufrm"))) {
            // Now and then a level played to its end, so that the later levels and the story come too.
            what = "bot plays level " + std::to_string(g->main->state().level) + (PlayLevel(*g) ? ": won" : ": lost");
            ++run.botLevels;
        } else if (roll < 60) {
            std::vector<W> targets;
            for (W w = 0; w < static_cast<W>(g->model.size()); ++w) {
                if (g->model.clickable(w) && g->model.at(w).name != "ukoncit") targets.push_back(w);
            }
            if (targets.empty()) continue;
            const W w = targets[pick() % targets.size()];
            what = "click " + g->model.at(w).name + "(" + std::to_string(g->model.at(w).index) + ")";
            g->driver.click(w);
        } else {
            const int ms = static_cast<int>(pick() % (roll < 90 ? 400 : 4000));
            what = "wait " + std::to_string(ms);
            g->advance(ms);
        }
        last.push_back(what);
        if (last.size() > 25) last.pop_front();
        run.deepestLevel = std::max(run.deepestLevel, int(g->main->state().level));
        run.broken = FirstViolation(*g);
    }
    if (!run.broken.empty()) {
        run.broken += "\nseed " + std::to_string(seed) + ", last events:";
        for (const std::string& what : last) run.broken += "\n  " + what;
    }
    return run;
}

TEST(Monkey, TwoHundredThousandEventsWithAFixedSeed) {
    const MonkeyRun run = RunMonkey(20261206, 200000);
    EXPECT_EQ(run.broken, "");
    std::printf("monkey: 200000 events, %d levels played by the bot, deepest level %d\n", run.botLevels,
                run.deepestLevel);
    EXPECT_GT(run.deepestLevel, 10) << "the monkey never saw a story screen";
}

TEST(Monkey, AFreshSeedEveryRun) {
    const auto seed = static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    EXPECT_EQ(RunMonkey(seed, 50000).broken, "");  // the seed is in the message
}

}  // namespace
}  // namespace vr::test
