// The advertisement line along the bottom of the window: the steps of its
// cycle, its pace in virtual time, and that the game never disturbs it.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "scenes.h"
#include "ui/design/ticker_table.h"

namespace vr::test {
namespace {

const char* const kLine = "www.zabavklub.cz  -  Hry a zábava pro vás";

TEST(TickerTable, AFifteenCharacterAddressTypesAtTheDesignedPace) {
    // Step by step: the piece added and the new pace (0 keeps the pace).
    const std::vector<std::pair<std::string, int>> expected{
        {"", 100},  // step 0 clears the line
        {"w", 0},    {"w", 0},   {"w", 200}, {".", 400}, {"h", 0}, {"r", 0},  {"a", 0},   {"j", 0},
        {"s", 0},    {"i", 0},   {"s", 0},   {"s", 200}, {".", 100}, {"c", 0}, {"z", 1000},
        {"  -  ", 150},
        {"H", 0},    {"r", 0},   {"y", 0},   {" ", 0},   {"a", 0}, {" ", 0},  {"z", 0},   {"á", 0},
        {"b", 0},    {"a", 0},   {"v", 0},   {"a", 0},   {" ", 0}, {"p", 0},  {"r", 0},   {"o", 0},
        {" ", 0},    {"v", 0},   {"á", 0},   {"s", 5000},
    };
    const auto steps = BuildTicker("www.hrajsiss.cz", "  -  ", "Hry a zábava pro vás");
    ASSERT_EQ(steps.size(), 37u);
    ASSERT_EQ(expected.size(), 37u);
    for (std::size_t k = 0; k < steps.size(); ++k) {
        SCOPED_TRACE("step " + std::to_string(k));
        EXPECT_EQ(steps[k].clear, k == 0);
        EXPECT_EQ(steps[k].append, expected[k].first);
        EXPECT_EQ(steps[k].interval, expected[k].second);
    }
    EXPECT_EQ(TickerCycleMs(steps), 13100);
}

TEST(Ticker, TheShippedAddressOnTheWindowIsA13500MsCycle) {
    // The line at moments of the first two cycles, in ms since start.
    const std::vector<std::pair<std::int64_t, std::string>> timeline{
        {100, ""}, {199, ""}, {200, "w"}, {399, "ww"}, {400, "www"}, {599, "www"}, {600, "www."},
        {999, "www."},  // slow over the magazine's name
        {1000, "www.z"}, {4199, "www.zabavklu"}, {4200, "www.zabavklub"}, {4400, "www.zabavklub."},
        {4599, "www.zabavklub.c"},
        // The address stands complete for one second before the separator.
        {4600, "www.zabavklub.cz"}, {5599, "www.zabavklub.cz"}, {5600, "www.zabavklub.cz  -  "},
        {5750, "www.zabavklub.cz  -  H"}, {8599, "www.zabavklub.cz  -  Hry a zábava pro vá"},
        // The finished line holds five seconds, then the typing starts again.
        {8600, kLine}, {13599, kLine}, {13600, ""}, {13699, ""}, {13700, "w"},
        {13600 + 4600, "www.zabavklub.cz"}, {13600 + 8600, kLine}, {27100, ""},
    };
    Game g;
    for (const auto& [t, line] : timeline) {
        g.driver.advanceTo(t);
        EXPECT_EQ(g.w("text").caption, line) << "at " << t << " ms";
    }
    EXPECT_EQ(g.w("texttimer").interval, 100);
}

// Every tick of the ticker in the first `ms` of a game: its time and the line
// after it; `play` runs at the given moments.
using Timeline = std::vector<std::pair<std::int64_t, std::string>>;
void Record(Game& g, Timeline& out, std::int64_t ms,
            std::vector<std::pair<std::int64_t, std::function<void()>>> play = {}) {
    const WidgetModel::Handler tick = g.model.tickHandler(g.id("texttimer"));
    g.model.onTick("texttimer", [&, tick](int i) {
        tick(i);
        out.emplace_back(g.model.now(), g.w("text").caption);
    });
    for (auto& [at, action] : play) {
        g.driver.advanceTo(at);
        action();
    }
    g.driver.advanceTo(ms);
}

TEST(Ticker, KeepsItsCycleThroughPauseHelpAndStoryScreens) {
    Game idle;
    Timeline undisturbed;
    Record(idle, undisturbed, 180000);
    ASSERT_GT(undisturbed.size(), 13u * 38u);  // thirteen cycles of 13.5 s from 100 ms on

    auto seeded = Game::Seeded(3);
    Game& g = *seeded;
    Timeline played;
    Record(g, played, 180000, {
        {500, [&] { g.main->EnterLevel(9, 5); LayPipelineInPlace(g); }},
        {3000, [&] { ASSERT_TRUE(g.click("menu")); }},
        {4000, [&] { ASSERT_TRUE(g.click("help")); }},
        {6000, [&] { ASSERT_TRUE(g.click("napok")); }},
        {6500, [&] {  // the credits, shown and closed
             for (int i : {3, 1, 4, 0, 2}) ASSERT_TRUE(g.click("dsel", i));
             ASSERT_TRUE(g.click("Image1"));
         }},
        {7000, [&] { ASSERT_TRUE(g.click("pokracovat")); }},
    });
    // The water has won level 9: intermezzo 1 is up.
    EXPECT_TRUE(g.w("interfrm").visible);
    EXPECT_EQ(g.w("nadpis", 5).caption, "Intermezzo #1 aneb HUV");
    EXPECT_EQ(played, undisturbed);
}

}  // namespace
}  // namespace vr::test
