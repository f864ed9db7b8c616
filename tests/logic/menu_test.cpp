// The main menu (pause and continue, help, the credits, quitting), the magazine's banner and the advertisement line
// along the bottom.
#include <map>

#include "harness.h"
#include "invariants.h"

namespace vr::test {
namespace {

constexpr const char* kPaused = "dsel*5 novahra pokracovat help ukoncit menu ZKbaner";

// A pause during the countdown, alone, with a second click on the menu button, or with help opened and closed over
// it: the count stands still with the pause mark "r" and resumes from the shown number one second after
// "Pokračovat". "Nová Hra" replaces it.
TEST(Pause, DuringTheCountdownTheCountResumesFromTheShownNumber) {
    const std::string count12 = "level 1, 5 Životů, count 12";
    for (const std::string more : {"", "menu +10000", "help +10000 !pokracovat napok +10000"}) {
        SCOPED_TRACE(more);
        Game g;
        NewScriptedGame(g);
        Play(g, "+8500 menu", "menufrm", kPaused, count12);
        EXPECT_EQ(g.w("countdowntimer").tag, "r");
        Play(g, more + " +30000", "menufrm", kPaused, count12);
        Play(g, "pokracovat +999", "", kLevel1, count12);
        EXPECT_EQ(g.w("countdowntimer").tag, "");
        Play(g, "+1 menu", "menufrm", kPaused, "level 1, 5 Životů, count 11");
        NewScriptedGame(g);  // a new game in place of the paused one: a fresh level
        Play(g, "", "", kLevel1, "level 1, 5 Životů, count 20");
        EXPECT_EQ(g.w("countdowntimer").tag, "");
    }
}

TEST(Pause, WhileTheWaterFlowsItResumesOneFlowIntervalAfterTheClick) {
    Game g;
    NewScriptedGame(g);
    g.script().push(DrawFor(1, 9));  // slot 1 laid on (3, 4), refilled with the same piece
    Play(g, "nabidka(1) pole(17)");
    Play(g, "+24000 menu +20000", "menufrm", kPaused, "level 1, 5 Životů");  // the water between (3, 5) and (3, 4)
    EXPECT_EQ(g.w("countdowntimer").tag, "");
    // The inlet, the valve and the laid piece stay held; every empty cell takes pieces again.
    Play(g, "pokracovat +1999", "", "pole*22 nabidka*4 menu");
    EXPECT_EQ(g.cellPicture(3, 4), "trubka(1)");
    Play(g, "+1");
    EXPECT_EQ(g.cellPicture(3, 4), "voda(1)");
}

TEST(Help, LocksTheMenuUnderItUntilOkay) {
    Game g;
    Play(g, "help", "napfrm menufrm", "napok menu ZKbaner");
    Play(g, "napok", "menufrm", kMenu);
}

// Clicks on the credit line's targets; true when the credits picture shows.
bool Dsel(Game& g, const std::string& clicks) {
    for (char c : clicks) EXPECT_TRUE(g.click("dsel", c - '0')) << c;
    return g.w("dframe").visible;
}

TEST(Credits, Only31402OnTheCreditLineShowsThePicture) {
    Game g;
    EXPECT_FALSE(Dsel(g, "3140"));
    EXPECT_TRUE(Dsel(g, "2"));
    Play(g, "Image1 !Image1", "menufrm", kMenu);
    // A broken sequence must start again with 3: the rest alone, or after a 0, does not count.
    for (const char* broken : {"3131402", "331402", "31441402", "2", "1402", "01402"})
        EXPECT_FALSE(Dsel(g, broken)) << broken;
    EXPECT_TRUE(Dsel(g, "31402"));

    // The progress survives the menu closing for a game, and a lost game.
    Game h;
    Dsel(h, "31");
    NewScriptedGame(h);
    Play(h, "!dsel(4) menu");
    Dsel(h, "4");
    NewScriptedGame(h, 1);
    Play(h, "+25000", "menufrm");
    EXPECT_TRUE(Dsel(h, "02"));
}

TEST(Quit, EndsTheProgramAtOnceAndNoFurtherEventRuns) {
    Game g;
    NewScriptedGame(g);
    Play(g, "+2500 menu ukoncit");
    EXPECT_EQ(g.platform.quits, 1);
    const auto events = g.driver.eventCount();
    Play(g, "+20000 !ukoncit !novahra");
    EXPECT_EQ(g.driver.eventCount(), events);  // the ticker too stands still
    EXPECT_EQ(g.driver.nextDue(), -1);
}

// While the menu is up a click on the banner opens a new browser on the home page; the window follows the last
// only, and where none opens a click sends that one home again.
TEST(Banner, EachClickOpensANewBrowserOnTheHomePageAndTheLastIsFollowed) {
    Game g;
    auto& browsers = g.platform.browsers;
    g.platform.browserAvailable = false;
    EXPECT_TRUE(Unchanged(g, "ZKbaner"));
    g.platform.browserAvailable = true;
    Play(g, "ZKbaner ZKbaner");
    g.platform.browserAvailable = false;
    Play(g, "ZKbaner");
    ASSERT_EQ(browsers.size(), 2u);
    const std::string home = "https://www.zabavklub.cz/";
    EXPECT_TRUE(browsers[0]->shown && browsers[1]->shown);
    EXPECT_EQ(browsers[0]->visited, std::vector{home});  // left alone
    EXPECT_EQ(browsers[1]->visited, std::vector(2, home));
    EXPECT_EQ(g.main->state().iexplore, browsers[1]);
    browsers[0]->onQuit();  // an older browser closing changes nothing
    EXPECT_EQ(g.main->state().iexplore, browsers[1]);
    browsers[1]->onQuit();
    EXPECT_EQ(g.main->state().iexplore, nullptr);
    g.platform.browserAvailable = true;
    Play(g, "ZKbaner");
    browsers[0]->onQuit();
    browsers[1]->onQuit();
    EXPECT_EQ(g.main->state().iexplore, browsers[2]);
    NewScriptedGame(g);  // in play the banner takes no click
    Play(g, "!ZKbaner");
}

// The shipped line at moments of its first two cycles (ms since start): 13.5 s a cycle. For three minutes the same
// at every millisecond beside a game that pauses, opens help and the credits, and wins level 9 into the first story
// screen.
TEST(Ticker, TheShippedLineIsA13500MsCycleThatNothingDisturbs) {
    const std::string line = "www.zabavklub.cz  -  Hry a zábava pro vás";
    // Slow over the magazine's name; the address stands complete for one second before the separator; the finished
    // line holds five seconds, then the typing starts again.
    // clang-format off
    const std::map<std::int64_t, std::string> timeline{
        {100, ""}, {199, ""}, {200, "w"}, {399, "ww"}, {400, "www"}, {599, "www"}, {600, "www."}, {999, "www."},
        {1000, "www.z"}, {4199, "www.zabavklu"}, {4200, "www.zabavklub"}, {4400, "www.zabavklub."},
        {4599, "www.zabavklub.c"}, {4600, "www.zabavklub.cz"}, {5599, "www.zabavklub.cz"},
        {5600, "www.zabavklub.cz  -  "}, {5750, "www.zabavklub.cz  -  H"},
        {8599, "www.zabavklub.cz  -  Hry a zábava pro vá"}, {8600, line}, {13599, line}, {13600, ""}, {13699, ""},
        {13700, "w"}, {13600 + 4600, "www.zabavklub.cz"}, {13600 + 8600, line}, {27100, ""}};
    const std::map<std::int64_t, std::string> play{
        {3000, "menu"}, {4000, "help"}, {6000, "napok"}, {6500, "dsel(3) dsel(1) dsel(4) dsel(0) dsel(2) Image1"},
        {7000, "pokracovat"}};
    // clang-format on
    Game quiet, g;
    for (std::int64_t t = 0; t <= 180000; ++t) {
        quiet.driver.advanceTo(t);
        g.driver.advanceTo(t);
        if (t == 500) {
            ScriptEasyDeal(g, 9);
            g.main->EnterLevel(9, 5);
            LayEasyPipe(g);
        }
        if (play.count(t)) Play(g, play.at(t));
        if (timeline.count(t)) {
            EXPECT_EQ(quiet.w("text").caption, timeline.at(t)) << t << " ms";
        }
        ASSERT_EQ(g.w("text").caption, quiet.w("text").caption) << t << " ms";
    }
    EXPECT_EQ(VisibleTexts(g), std::vector<int>{1});
}

}  // namespace
}  // namespace vr::test
