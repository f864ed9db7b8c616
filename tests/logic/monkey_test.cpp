// A monkey at the window: random clicks on whatever the window lets it click,
// mixed with random waits, so that countdown, water and ticker ticks fall
// between the clicks; after every event the game must still make sense.
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <random>
#include <set>
#include <sstream>

#include "harness.h"

namespace vr::test {
namespace {

class Monkey {
public:
    explicit Monkey(std::uint32_t seed) : seed_(seed), pick_(seed), game_(Game::Seeded(seed)) {
        Game& g = *game_;
        // Watch the water: each tick that moves it has filled the cell it left.
        g.model.onTick("tok", [this](int) {
            Main& m = *game_->main;
            const int px = m.prevX, py = m.prevY;
            m.tok_Timer();
            if (m.prevX != px || m.prevY != py) passed_.insert({m.prevX, m.prevY});
        });
        g.model.onClick("ukoncit", [](int) {});  // the monkey stays in the game
    }

    // Runs `events` events; returns the first broken rule, or "".
    std::string run(int events) {
        Game& g = *game_;
        std::vector<W> targets;
        for (int e = 0; e < events; ++e) {
            std::ostringstream what;
            const int roll = static_cast<int>(pick_() % 100);
            if (roll < 60) {
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

    std::string check() {
        Game& g = *game_;
        Main& m = *g.main;
        const WidgetModel& v = g.model;
        std::ostringstream bad;
        if (m.level > deepest_) deepest_ = m.level;
        if (v.isEnabled(v.id("tok")) && v.isEnabled(v.id("countdowntimer"))) bad << "tok and the countdown both run; ";
        if (m.level > 101) bad << "level " << int(m.level) << "; ";
        if (m.lives > 21) bad << "lives " << int(m.lives) << "; ";
        int texts = 0;
        for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 101, 301, 501, 701}) texts += v.isVisible(v.id("intertext", i));
        if (texts > 1) bad << texts << " story texts visible; ";
        const bool pair = v.isVisible(v.id("inter1")) || v.isVisible(v.id("inter2"));
        if (pair && v.isVisible(v.id("interok"))) bad << "choice buttons and Okay together; ";
        if (v.isVisible(v.id("inter1")) != v.isVisible(v.id("inter2"))) bad << "one choice button alone; ";
        const bool menuUp = v.isVisible(v.id("menufrm"));
        if (v.tag(v.id("countdowntimer")) == "r" && !(menuUp && !v.isEnabled(v.id("countdowntimer"))))
            bad << "pause mark outside a paused countdown; ";

        const int n = m.boardSize;
        if (n > 0) {
            const std::string inletDry = "pzed(0)";
            const int mid = (n + 1) / 2;
            if (g.cellPicture(mid, n) == inletDry) passed_.clear();
            const bool playing = !menuUp && !v.isVisible(v.id("interfrm"));
            for (int y = 1; y <= n; ++y) {
                for (int x = 1; x <= n; ++x) {
                    const W cell = m.cells(x, y);
                    const Piece& p = m.board(x, y);
                    const bool held = p.id != kEmptyId;
                    if ((v.tag(cell) == "x") != held) bad << "Tag of (" << x << "," << y << "); ";
                    if (held && v.isEnabled(cell)) bad << "held cell (" << x << "," << y << ") enabled; ";
                    if (!held && playing && !v.isEnabled(cell)) bad << "empty cell (" << x << "," << y << ") locked; ";
                    const std::string pic = g.picture(cell);
                    const bool wet = pic.rfind("voda", 0) == 0 || pic.rfind("ventilvoda", 0) == 0 || pic == "pzed(1)";
                    if (wet && !passed_.count({x, y})) bad << "water on (" << x << "," << y << ") not reached; ";
                    if (!held && !pic.empty()) bad << "picture on empty (" << x << "," << y << "); ";
                }
            }
            for (int i = n * n; i < m.poleCount(); ++i) {
                if (v.isVisible(m.pole(i))) bad << "cell " << i << " beyond the board visible; ";
            }
        }
        return bad.str();
    }

    std::uint32_t seed_;
    std::mt19937 pick_;
    std::unique_ptr<Game> game_;
    std::set<std::pair<int, int>> passed_;
    std::deque<std::string> last_;
    int deepest_ = 0;
};

TEST(Monkey, TwoHundredThousandEventsWithAFixedSeed) {
    Monkey monkey(20261206);
    EXPECT_EQ(monkey.run(200000), "");
    std::printf("monkey: 200000 events, %llu handled, deepest level %d\n",
                static_cast<unsigned long long>(monkey.ticks()), monkey.deepestLevel());
}

TEST(Monkey, AFreshSeedEveryRun) {
    const auto seed = static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    Monkey monkey(seed);
    EXPECT_EQ(monkey.run(50000), "") << "replay with seed " << seed;
}

}  // namespace
}  // namespace vr::test
