// A monkey at the window: random clicks on whatever the window lets it click,
// mixed with random waits, so that countdown, water and ticker ticks fall
// between the clicks; after every event the game must still make sense.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <random>
#include <sstream>

#include "bot.h"
#include "harness.h"
#include "invariants.h"

namespace vr::test {
namespace {

class Monkey {
public:
    explicit Monkey(std::uint32_t seed) : seed_(seed), pick_(seed), game_(Game::Seeded(seed)) {
        Game& g = *game_;
        g.model.onClick("ukoncit", [](int) {});  // the monkey stays in the game
    }

    // Runs `events` events; returns the first broken rule, or "".
    std::string run(int events) {
        Game& g = *game_;
        std::vector<W> targets;
        for (int e = 0; e < events; ++e) {
            std::ostringstream what;
            const int roll = static_cast<int>(pick_() % 100);
            const bool playing = g.model.isEnabled(g.id("countdowntimer")) && !g.model.isVisible(g.id("menufrm"));
            if (roll < 2 && playing) {
                // Now and then a level played to its end, so the monkey also
                // sees the later levels and the story screens.
                what << "bot plays level " << int(g.main->state().level) << (PlayLevel(g) ? ": won" : ": lost");
                ++botLevels_;
            } else if (roll < 60) {
                targets.clear();
                for (W w = 0; w < static_cast<W>(g.model.size()); ++w) {
                    if (g.model.clickable(w) && g.model.at(w).name != "ukoncit") targets.push_back(w);
                }
                if (targets.empty()) continue;
                const W w = targets[pick_() % targets.size()];
                const Widget& x = g.model.at(w);
                what << "click " << x.name;
                if (x.index >= 0) what << "(" << x.index << ")";
                g.driver.click(w);
            } else if (roll < 90) {
                const int ms = static_cast<int>(pick_() % 400);
                what << "wait " << ms;
                g.advance(ms);
            } else {
                const int ms = static_cast<int>(pick_() % 4000);
                what << "wait " << ms;
                g.advance(ms);
            }
            remember(what.str());
            if (std::string broken = check(); !broken.empty()) return broken + trail();
        }
        return "";
    }

    std::uint64_t ticks() const { return game_->driver.eventCount(); }
    int deepestLevel() const { return deepest_; }
    int botLevels() const { return botLevels_; }

private:
    void remember(std::string event) {
        last_.push_back(std::move(event));
        if (last_.size() > 25) last_.pop_front();
    }

    std::string trail() const {
        std::ostringstream out;
        out << "\nseed " << seed_ << ", last events:";
        for (const auto& e : last_) out << "\n  " << e;
        return out.str();
    }

    // The rules of invariants.h.
    std::string check() {
        deepest_ = std::max(deepest_, int(game_->main->state().level));
        return FirstViolation(*game_);
    }

    std::uint32_t seed_;
    std::mt19937 pick_;
    std::unique_ptr<Game> game_;
    std::deque<std::string> last_;
    int deepest_ = 0;
    int botLevels_ = 0;
};

TEST(Monkey, TwoHundredThousandEventsWithAFixedSeed) {
    Monkey monkey(20261206);
    EXPECT_EQ(monkey.run(200000), "");
    std::printf("monkey: 200000 events, %llu handled, %d levels played by the bot, deepest level %d\n",
                static_cast<unsigned long long>(monkey.ticks()), monkey.botLevels(), monkey.deepestLevel());
    EXPECT_GT(monkey.deepestLevel(), 10) << "the monkey never saw a story screen";
}

TEST(Monkey, AFreshSeedEveryRun) {
    const auto seed = static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    Monkey monkey(seed);
    EXPECT_EQ(monkey.run(50000), "") << "replay with seed " << seed;
}

}  // namespace
}  // namespace vr::test
