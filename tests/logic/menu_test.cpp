// The main menu: pause and continue, help, the credits sequence, quitting,
// and what the menu button and the banner do in each state of the menu.
#include <gtest/gtest.h>

#include "scenes.h"

namespace vr::test {
namespace {

// Every board cell of the level-1 board that takes a click.
std::vector<int> ClickableCells(const Game& g) {
    std::vector<int> out;
    for (int i = 0; i < 25; ++i) {
        if (g.model.clickable(g.id("pole", i))) out.push_back(i);
    }
    return out;
}

bool OfferClickable(const Game& g) {
    for (int i = 1; i <= 4; ++i) {
        if (!g.model.clickable(g.id("nabidka", i))) return false;
    }
    return true;
}

bool NoOfferClickable(const Game& g) {
    for (int i = 1; i <= 4; ++i) {
        if (g.model.clickable(g.id("nabidka", i))) return false;
    }
    return true;
}

// A game lost on its last life: the water spills on the empty cell above the
// inlet 25 s after "Nová Hra".
void LoseGame(Game& g) {
    NewScriptedGame(g);
    g.main->lives = 1;
    g.advance(25000);
    ASSERT_TRUE(g.w("menufrm").visible);
}

void ClickDsel(Game& g, std::initializer_list<int> order) {
    for (int i : order) ASSERT_TRUE(g.click("dsel", i)) << "dsel(" << i << ")";
}

TEST(Pause, DuringTheCountdownTheCountResumesFromTheShownNumber) {
    Game g;
    NewScriptedGame(g);
    g.advance(8500);
    ASSERT_EQ(g.w("countdown").caption, "12");
    ASSERT_TRUE(g.click("menu"));
    EXPECT_TRUE(g.w("menufrm").visible);
    EXPECT_FALSE(g.w("countdowntimer").enabled);
    EXPECT_EQ(g.w("countdowntimer").tag, "r");
    EXPECT_FALSE(g.w("tok").enabled);
    EXPECT_TRUE(NoOfferClickable(g));
    EXPECT_TRUE(ClickableCells(g).empty());

    g.advance(30000);
    EXPECT_EQ(g.w("countdown").caption, "12");
    EXPECT_FALSE(g.w("tok").enabled);

    ASSERT_TRUE(g.click("pokracovat"));
    EXPECT_FALSE(g.w("menufrm").visible);
    EXPECT_EQ(g.w("countdowntimer").tag, "");
    EXPECT_TRUE(OfferClickable(g));
    g.advance(999);
    EXPECT_EQ(g.w("countdown").caption, "12");
    g.advance(1);
    EXPECT_EQ(g.w("countdown").caption, "11");
    EXPECT_FALSE(g.w("tok").enabled);
}

TEST(Pause, WhileTheWaterFlowsItResumesOneFlowIntervalAfterTheClick) {
    Game g;
    NewScriptedGame(g);
    LayFromSlot1(g, 3, 4);
    g.advance(24000);  // the water has left the inlet and not yet entered (3, 4)
    ASSERT_EQ(g.cellPicture(3, 5), "pzed(1)");
    ASSERT_EQ(g.cellPicture(3, 4), "trubka(1)");
    ASSERT_TRUE(g.w("tok").enabled);

    ASSERT_TRUE(g.click("menu"));
    EXPECT_FALSE(g.w("tok").enabled);
    EXPECT_EQ(g.w("countdowntimer").tag, "");
    EXPECT_TRUE(ClickableCells(g).empty());
    g.advance(20000);
    EXPECT_EQ(g.cellPicture(3, 4), "trubka(1)");

    ASSERT_TRUE(g.click("pokracovat"));
    EXPECT_TRUE(g.w("tok").enabled);
    EXPECT_FALSE(g.w("countdowntimer").enabled);
    // The inlet, the valve and the laid piece stay locked; every empty cell
    // takes pieces again.
    std::vector<int> expected;
    for (int i = 0; i < 25; ++i) {
        if (i != Cell(3, 5) && i != Cell(3, 3) && i != Cell(3, 4)) expected.push_back(i);
    }
    EXPECT_EQ(ClickableCells(g), expected);
    for (int i : {Cell(3, 5), Cell(3, 3), Cell(3, 4)}) EXPECT_EQ(g.w("pole", i).tag, "x");

    g.advance(1999);
    EXPECT_EQ(g.cellPicture(3, 4), "trubka(1)");
    g.advance(1);
    EXPECT_EQ(g.cellPicture(3, 4), "voda(1)");
}

TEST(Pause, ASecondClickOnTheMenuButtonKeepsThePauseMark) {
    Game g;
    NewScriptedGame(g);
    g.advance(3000);
    ASSERT_EQ(g.w("countdown").caption, "17");
    ASSERT_TRUE(g.click("menu"));
    ASSERT_TRUE(g.click("menu"));
    EXPECT_EQ(g.w("countdowntimer").tag, "r");
    EXPECT_FALSE(g.w("tok").enabled);
    g.advance(5000);
    ASSERT_TRUE(g.click("pokracovat"));
    EXPECT_TRUE(g.w("countdowntimer").enabled);
    EXPECT_FALSE(g.w("tok").enabled);
    g.advance(1000);
    EXPECT_EQ(g.w("countdown").caption, "16");
    EXPECT_FALSE(g.w("tok").enabled);
}

TEST(Pause, ANewGameFromThePausedMenuDealsAFreshLevel) {
    Game g;
    NewScriptedGame(g);
    g.advance(4000);
    ASSERT_TRUE(g.click("menu"));
    ScriptLevel1(g);
    ASSERT_TRUE(g.click("novahra"));
    EXPECT_EQ(g.w("countdowntimer").tag, "");
    EXPECT_TRUE(g.w("countdowntimer").enabled);
    EXPECT_EQ(g.w("countdown").caption, "20");
    EXPECT_FALSE(g.w("menufrm").visible);
}

TEST(Continue, IsOffAtStartAndAfterALostGame) {
    Game g;
    EXPECT_FALSE(g.click("pokracovat"));
    NewScriptedGame(g);
    ASSERT_TRUE(g.click("menu"));
    EXPECT_TRUE(g.model.clickable(g.id("pokracovat")));
    ASSERT_TRUE(g.click("pokracovat"));

    Game lost;
    LoseGame(lost);
    EXPECT_FALSE(lost.w("pokracovat").enabled);
    EXPECT_FALSE(lost.click("pokracovat"));
    EXPECT_FALSE(lost.w("tok").enabled);
    EXPECT_TRUE(NoOfferClickable(lost));
    EXPECT_TRUE(ClickableCells(lost).empty());
}

TEST(Help, OpensOverTheStartMenuAndLocksIt) {
    Game g;
    ASSERT_TRUE(g.click("help"));
    EXPECT_TRUE(g.w("napfrm").visible);
    EXPECT_TRUE(g.w("menufrm").visible);
    EXPECT_FALSE(g.w("menufrm").enabled);
    for (const char* b : {"novahra", "pokracovat", "help", "ukoncit"}) EXPECT_FALSE(g.click(b)) << b;
    for (int i = 0; i <= 4; ++i) EXPECT_FALSE(g.click("dsel", i)) << i;
    EXPECT_EQ(g.main->dselStep, 0);
    EXPECT_EQ(g.platform.quits, 0);

    ASSERT_TRUE(g.click("napok"));
    EXPECT_FALSE(g.w("napfrm").visible);
    EXPECT_TRUE(g.w("menufrm").enabled);
    EXPECT_TRUE(g.model.clickable(g.id("novahra")));
    EXPECT_FALSE(g.model.clickable(g.id("pokracovat")));  // still no game to continue
}

TEST(Help, FromThePausedMenuTheGameStaysPaused) {
    Game g;
    NewScriptedGame(g);
    g.advance(5000);
    ASSERT_TRUE(g.click("menu"));
    ASSERT_TRUE(g.click("help"));
    g.advance(10000);
    EXPECT_EQ(g.w("countdown").caption, "15");
    EXPECT_FALSE(g.click("pokracovat"));
    ASSERT_TRUE(g.click("napok"));
    g.advance(5000);
    EXPECT_EQ(g.w("countdown").caption, "15");
    EXPECT_TRUE(g.w("menufrm").visible);
    ASSERT_TRUE(g.click("pokracovat"));
    g.advance(1000);
    EXPECT_EQ(g.w("countdown").caption, "14");
}

TEST(Credits, TheSequence31402ShowsThePictureAndStartsAgain) {
    Game g;
    ClickDsel(g, {3, 1, 4, 0});
    EXPECT_EQ(g.main->dselStep, 4);
    EXPECT_FALSE(g.w("dframe").visible);
    ClickDsel(g, {2});
    EXPECT_TRUE(g.w("dframe").visible);
    EXPECT_EQ(g.main->dselStep, 0);

    ASSERT_TRUE(g.click("Image1"));
    EXPECT_FALSE(g.w("dframe").visible);
    EXPECT_FALSE(g.click("Image1"));
}

TEST(Credits, ABrokenSequenceMustStartAgainWithThree) {
    Game g;
    ClickDsel(g, {3, 1, 3});
    EXPECT_EQ(g.main->dselStep, 0);
    ClickDsel(g, {1, 4, 0, 2});  // the rest of the sequence alone does not count
    EXPECT_FALSE(g.w("dframe").visible);

    ClickDsel(g, {3, 3});
    EXPECT_EQ(g.main->dselStep, 0);
    ClickDsel(g, {1, 4, 0, 2});
    EXPECT_FALSE(g.w("dframe").visible);

    ClickDsel(g, {3, 1, 4, 4});
    EXPECT_EQ(g.main->dselStep, 0);

    ClickDsel(g, {2});
    EXPECT_FALSE(g.w("dframe").visible);
    EXPECT_EQ(g.main->dselStep, 0);

    ClickDsel(g, {3, 1, 4, 0, 2});
    EXPECT_TRUE(g.w("dframe").visible);
}

TEST(Credits, ProgressSurvivesTheMenuClosingAndAWholeGame) {
    Game g;
    ClickDsel(g, {3, 1});
    NewScriptedGame(g);
    EXPECT_FALSE(g.click("dsel", 4));  // the menu is gone
    EXPECT_EQ(g.main->dselStep, 2);
    g.advance(3000);
    ASSERT_TRUE(g.click("menu"));
    ClickDsel(g, {4, 0, 2});
    EXPECT_TRUE(g.w("dframe").visible);
    ASSERT_TRUE(g.click("Image1"));

    Game h;
    ClickDsel(h, {3, 1, 4});
    LoseGame(h);
    EXPECT_EQ(h.main->dselStep, 3);
    ClickDsel(h, {0, 2});
    EXPECT_TRUE(h.w("dframe").visible);
}

TEST(Quit, EndsTheProgramAtOnceAndNoFurtherEventRuns) {
    Game g;
    NewScriptedGame(g);
    g.advance(2500);
    ASSERT_TRUE(g.click("menu"));
    const std::string ticker = g.w("text").caption;
    ASSERT_TRUE(g.click("ukoncit"));
    EXPECT_EQ(g.platform.quits, 1);
    EXPECT_TRUE(g.driver.stopped());
    const auto events = g.driver.eventCount();
    g.advance(20000);
    EXPECT_EQ(g.driver.eventCount(), events);
    EXPECT_EQ(g.w("text").caption, ticker);
    EXPECT_EQ(g.driver.nextDue(), -1);
    EXPECT_FALSE(g.click("ukoncit"));
    EXPECT_FALSE(g.click("novahra"));
    EXPECT_EQ(g.platform.quits, 1);
}

TEST(Banner, TakesClicksExactlyWhileTheMenuIsUp) {
    Game g;
    const W banner = g.id("ZKbaner");
    EXPECT_TRUE(g.model.clickable(banner)) << "start";
    NewScriptedGame(g);
    EXPECT_FALSE(g.model.clickable(banner)) << "play";
    ASSERT_TRUE(g.click("menu"));
    EXPECT_TRUE(g.model.clickable(banner)) << "pause";
    ASSERT_TRUE(g.click("help"));
    EXPECT_TRUE(g.model.clickable(banner)) << "help over the paused menu";
    ASSERT_TRUE(g.click("napok"));
    ASSERT_TRUE(g.click("pokracovat"));
    EXPECT_FALSE(g.model.clickable(banner)) << "play again";

    Game lost;
    LoseGame(lost);
    EXPECT_TRUE(lost.model.clickable(lost.id("ZKbaner"))) << "game over";
}

TEST(MenuButton, AtStartAndAfterALostGameAClickChangesNothingOnScreen) {
    Game g;
    const auto before = Screen(g);
    ASSERT_TRUE(g.click("menu"));
    EXPECT_EQ(Screen(g), before);

    Game lost;
    LoseGame(lost);
    const auto over = Screen(lost);
    ASSERT_TRUE(lost.click("menu"));
    EXPECT_EQ(Screen(lost), over);
    EXPECT_FALSE(lost.click("pokracovat"));
}

}  // namespace
}  // namespace vr::test
