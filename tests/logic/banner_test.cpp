// The magazine's banner: while the menu is up a click on it opens a new
// browser on the home page; the window follows only the browser it opened last.
#include <gtest/gtest.h>

#include "scenes.h"

namespace vr::test {
namespace {

TEST(Banner, TakesClicksExactlyWhileTheMenuIsUp) {
    Game g;
    const W banner = g.id("ZKbaner");
    EXPECT_TRUE(g.model.clickable(banner)) << "start";
    NewScriptedGame(g);
    EXPECT_FALSE(g.click("ZKbaner")) << "play";
    g.advance(3000);
    EXPECT_FALSE(g.click("ZKbaner")) << "play";
    EXPECT_TRUE(g.platform.browsers.empty());
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

TEST(Banner, EachClickOpensANewBrowserOnTheHomePage) {
    Game g;
    EXPECT_EQ(g.main->state().iexplore, nullptr);
    for (std::size_t n = 1; n <= 2; ++n) {
        ASSERT_TRUE(g.click("ZKbaner"));
        ASSERT_EQ(g.platform.browsers.size(), n);
        const auto& b = g.platform.browsers.back();
        EXPECT_TRUE(b->shown);
        EXPECT_EQ(b->visited, std::vector<std::string>{"https://www.zabavklub.cz/"});
        EXPECT_EQ(g.main->state().iexplore, b);
    }
    EXPECT_EQ(g.platform.browsers[0]->visited.size(), 1u);  // the first one is left alone
}

TEST(Banner, WithoutABrowserAClickChangesNothingButSendsTheLastOneHome) {
    Game g;
    g.platform.browserAvailable = false;
    const auto before = Screen(g);
    EXPECT_TRUE(g.click("ZKbaner"));
    EXPECT_EQ(g.main->state().iexplore, nullptr);
    EXPECT_EQ(Screen(g), before);

    g.platform.browserAvailable = true;
    ASSERT_TRUE(g.click("ZKbaner"));
    g.platform.browserAvailable = false;
    ASSERT_TRUE(g.click("ZKbaner"));
    ASSERT_EQ(g.platform.browsers.size(), 1u);
    EXPECT_EQ(g.main->state().iexplore, g.platform.browsers[0]);
    EXPECT_EQ(g.platform.browsers[0]->visited.size(), 2u);
    NewScriptedGame(g);  // the game goes on
}

TEST(Banner, OnlyTheMostRecentBrowserClosingLetsGo) {
    Game g;
    ASSERT_TRUE(g.click("ZKbaner"));
    ASSERT_TRUE(g.click("ZKbaner"));
    const auto first = g.platform.browsers[0];
    const auto second = g.platform.browsers[1];
    ASSERT_TRUE(first->onQuit);
    ASSERT_TRUE(second->onQuit);
    first->onQuit();
    EXPECT_EQ(g.main->state().iexplore, second);
    second->onQuit();
    EXPECT_EQ(g.main->state().iexplore, nullptr);
    first->onQuit();  // late news of an old browser changes nothing
    EXPECT_EQ(g.main->state().iexplore, nullptr);

    ASSERT_TRUE(g.click("ZKbaner"));  // a browser opened after that is followed again
    first->onQuit();
    EXPECT_EQ(g.main->state().iexplore, g.platform.browsers[2]);
}

}  // namespace
}  // namespace vr::test
