// The main menu: pause and continue, help, the credits sequence, quitting,
// and the menu button where there is nothing to pause.
#include <gtest/gtest.h>

#include "scenes.h"

namespace vr::test {
namespace {

// The board cells of the level-1 board that take a click.
std::vector<int> ClickableCells(const Game& g) {
    std::vector<int> out;
    for (int i = 0; i < 25; ++i) {
        if (g.model.clickable(g.id("pole", i))) out.push_back(i);
    }
    return out;
}

void ClickDsel(Game& g, std::initializer_list<int> order) {
    for (int i : order) ASSERT_TRUE(g.click("dsel", i)) << "dsel(" << i << ")";
}

// A pause during the countdown, alone, with a second click on the menu
// button, or with the help screen opened and closed over the paused menu: the
// count stands still with the pause mark "r" and resumes from the shown number
// one second after "Pokračovat".
TEST(Pause, DuringTheCountdownAndUnderHelpTheCountResumesFromTheShownNumber) {
    using Clicks = std::vector<std::pair<const char*, bool>>;  // a click, and whether it is taken
    for (const Clicks& more : {Clicks{}, Clicks{{"menu", true}},
                               Clicks{{"help", true}, {"pokracovat", false}, {"napok", true}}}) {
        SCOPED_TRACE(more.size());
        Game g;
        NewScriptedGame(g);
        g.advance(8500);
        ASSERT_EQ(g.w("countdown").caption, "12");
        ASSERT_TRUE(g.click("menu"));
        for (const auto& [name, taken] : more) {
            EXPECT_EQ(g.click(name), taken) << name;
            g.advance(10000);
        }
        EXPECT_TRUE(g.w("menufrm").visible);
        EXPECT_FALSE(g.w("countdowntimer").enabled);
        EXPECT_EQ(g.w("countdowntimer").tag, "r");
        EXPECT_EQ(ClickableOffers(g), 0);
        EXPECT_TRUE(ClickableCells(g).empty());
        g.advance(30000);
        EXPECT_EQ(g.w("countdown").caption, "12");
        EXPECT_FALSE(g.w("tok").enabled);

        ASSERT_TRUE(g.click("pokracovat"));
        EXPECT_FALSE(g.w("menufrm").visible);
        EXPECT_EQ(g.w("countdowntimer").tag, "");
        EXPECT_EQ(ClickableOffers(g), 4);
        g.advance(999);
        EXPECT_EQ(g.w("countdown").caption, "12");
        g.advance(1);
        EXPECT_EQ(g.w("countdown").caption, "11");
        EXPECT_FALSE(g.w("tok").enabled);
    }
}

TEST(Pause, WhileTheWaterFlowsItResumesOneFlowIntervalAfterTheClick) {
    Game g;
    NewScriptedGame(g);
    LayFromSlot1(g, 3, 4);
    g.advance(24000);  // the water has left the inlet and not yet entered (3, 4)
    ASSERT_EQ(g.cellPicture(3, 5), "pzed(1)");
    ASSERT_EQ(g.cellPicture(3, 4), "trubka(1)");
    ASSERT_TRUE(g.click("menu"));
    EXPECT_FALSE(g.w("tok").enabled);
    EXPECT_EQ(g.w("countdowntimer").tag, "");
    EXPECT_TRUE(ClickableCells(g).empty());
    g.advance(20000);
    EXPECT_EQ(g.cellPicture(3, 4), "trubka(1)");

    ASSERT_TRUE(g.click("pokracovat"));
    EXPECT_TRUE(g.w("tok").enabled);
    EXPECT_FALSE(g.w("countdowntimer").enabled);
    // The inlet, the valve and the laid piece stay held; every empty cell
    // takes pieces again.
    std::vector<int> expected;
    for (int i = 0; i < 25; ++i) if (i != Cell(3, 5) && i != Cell(3, 3) && i != Cell(3, 4)) expected.push_back(i);
    EXPECT_EQ(ClickableCells(g), expected);
    for (int i : {Cell(3, 5), Cell(3, 3), Cell(3, 4)}) EXPECT_EQ(g.w("pole", i).tag, "x");
    g.advance(1999);
    EXPECT_EQ(g.cellPicture(3, 4), "trubka(1)");
    g.advance(1);
    EXPECT_EQ(g.cellPicture(3, 4), "voda(1)");
}

TEST(Continue, IsOffAtStartAndAfterALostGameAndANewGameReplacesAPausedOne) {
    Game g;
    EXPECT_FALSE(g.click("pokracovat"));
    const auto start = Screen(g);
    ASSERT_TRUE(g.click("menu"));
    EXPECT_EQ(Screen(g), start);
    NewScriptedGame(g);
    ASSERT_TRUE(g.click("menu"));
    EXPECT_TRUE(g.click("pokracovat"));
    // A new game from the paused countdown deals a fresh level.
    g.advance(4000);
    ASSERT_TRUE(g.click("menu"));
    ScriptLevel1(g);
    ASSERT_TRUE(g.click("novahra"));
    EXPECT_FALSE(g.w("menufrm").visible);
    EXPECT_TRUE(g.w("countdowntimer").enabled);
    EXPECT_EQ(g.w("countdowntimer").tag, "");
    EXPECT_EQ(g.w("countdown").caption, "20");

    Game lost;
    LoseGame(lost);
    EXPECT_FALSE(lost.w("pokracovat").enabled);  // the rest of the lost game's screen: outcome_test.cpp
    const auto over = Screen(lost);
    ASSERT_TRUE(lost.click("menu"));
    EXPECT_EQ(Screen(lost), over);
    EXPECT_FALSE(lost.click("pokracovat"));
}

// Help from the paused menu: Pause.DuringTheCountdownAndUnderHelp...
TEST(Help, FromTheStartMenuLocksTheMenuAndDselIgnoresClicks) {
    Game g;
    ASSERT_TRUE(g.click("help"));
    EXPECT_TRUE(g.w("napfrm").visible);
    EXPECT_TRUE(g.w("menufrm").visible);
    EXPECT_FALSE(g.w("menufrm").enabled);
    for (const char* b : {"novahra", "pokracovat", "help", "ukoncit"}) EXPECT_FALSE(g.click(b)) << b;
    for (int i = 0; i <= 4; ++i) EXPECT_FALSE(g.click("dsel", i)) << i;

    ASSERT_TRUE(g.click("napok"));
    EXPECT_FALSE(g.w("napfrm").visible);
    EXPECT_TRUE(g.model.clickable(g.id("novahra")));
    EXPECT_FALSE(g.model.clickable(g.id("pokracovat")));  // still no game to continue
    ClickDsel(g, {3});
    EXPECT_EQ(g.main->state().dselStep, 1);
}

TEST(Credits, TheSequence31402ShowsThePictureAndOthersDoNot) {
    Game g;
    ClickDsel(g, {3, 1, 4, 0});
    EXPECT_FALSE(g.w("dframe").visible);
    ClickDsel(g, {2});
    EXPECT_TRUE(g.w("dframe").visible);
    EXPECT_EQ(g.main->state().dselStep, 0);
    ASSERT_TRUE(g.click("Image1"));
    EXPECT_FALSE(g.w("dframe").visible);
    EXPECT_FALSE(g.click("Image1"));

    // A broken sequence must start again with 3: the rest alone does not count.
    for (auto broken : {std::initializer_list<int>{3, 1, 3}, {3, 3}, {3, 1, 4, 4}}) {
        ClickDsel(g, broken);
        EXPECT_EQ(g.main->state().dselStep, 0);
        ClickDsel(g, {1, 4, 0, 2});
        EXPECT_FALSE(g.w("dframe").visible);
        EXPECT_EQ(g.main->state().dselStep, 0);
    }
    ClickDsel(g, {2});  // a lone 2
    EXPECT_FALSE(g.w("dframe").visible);
    ClickDsel(g, {3, 1, 4, 0, 2});
    EXPECT_TRUE(g.w("dframe").visible);
}

TEST(Credits, ProgressSurvivesTheMenuClosingAndAWholeGame) {
    Game g;
    ClickDsel(g, {3, 1});
    NewScriptedGame(g);
    EXPECT_FALSE(g.click("dsel", 4));  // the menu is gone
    g.advance(3000);
    ASSERT_TRUE(g.click("menu"));
    ClickDsel(g, {4, 0, 2});
    EXPECT_TRUE(g.w("dframe").visible);

    Game h;
    ClickDsel(h, {3, 1, 4});
    LoseGame(h);
    ClickDsel(h, {0, 2});
    EXPECT_TRUE(h.w("dframe").visible);
}

TEST(Quit, EndsTheProgramAtOnceAndNoFurtherEventRuns) {
    Game g;
    NewScriptedGame(g);
    g.advance(2500);
    ASSERT_TRUE(g.click("menu"));
    ASSERT_TRUE(g.click("ukoncit"));
    EXPECT_EQ(g.platform.quits, 1);
    EXPECT_TRUE(g.driver.stopped());
    const auto events = g.driver.eventCount();
    g.advance(20000);
    EXPECT_EQ(g.driver.eventCount(), events);  // the ticker too stands still
    EXPECT_EQ(g.driver.nextDue(), -1);
    EXPECT_FALSE(g.click("ukoncit"));
    EXPECT_FALSE(g.click("novahra"));
}

}  // namespace
}  // namespace vr::test
