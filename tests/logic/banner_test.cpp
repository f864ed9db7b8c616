// The magazine's banner: a click on it opens a new browser on the home page;
// the window follows only the browser it opened last.
#include <gtest/gtest.h>

#include "scenes.h"
#include "ui/zabavklub.h"

namespace vr::test {
namespace {

TEST(Banner, EachClickOpensANewBrowserOnTheHomePage) {
    Game g;
    EXPECT_EQ(g.main->iexplore, nullptr);
    ASSERT_TRUE(g.click("ZKbaner"));
    ASSERT_EQ(g.platform.browsers.size(), 1u);
    const auto first = g.platform.browsers[0];
    EXPECT_TRUE(first->shown);
    EXPECT_EQ(first->visited, std::vector<std::string>{"https://www.zabavklub.cz/"});
    EXPECT_EQ(g.main->iexplore, first);

    ASSERT_TRUE(g.click("ZKbaner"));
    ASSERT_EQ(g.platform.browsers.size(), 2u);
    const auto second = g.platform.browsers[1];
    EXPECT_TRUE(second->shown);
    EXPECT_EQ(second->visited, std::vector<std::string>{kMagazineHome});
    EXPECT_EQ(g.main->iexplore, second);
    EXPECT_EQ(first->visited.size(), 1u);  // the first one is left alone
}

TEST(Banner, TakesNoClickDuringPlay) {
    Game g;
    NewScriptedGame(g);
    EXPECT_FALSE(g.click("ZKbaner"));
    g.advance(3000);
    EXPECT_FALSE(g.click("ZKbaner"));
    EXPECT_TRUE(g.platform.browsers.empty());
    EXPECT_EQ(g.main->iexplore, nullptr);
}

TEST(Banner, WithoutABrowserAClickChangesNothing) {
    Game g;
    g.platform.browserAvailable = false;
    const auto before = Screen(g);
    EXPECT_TRUE(g.click("ZKbaner"));
    EXPECT_EQ(g.main->iexplore, nullptr);
    EXPECT_EQ(Screen(g), before);
    NewScriptedGame(g);  // the game goes on
    EXPECT_TRUE(g.platform.browsers.empty());
}

TEST(Banner, WithoutABrowserTheOneOpenedBeforeIsSentHomeAgain) {
    Game g;
    ASSERT_TRUE(g.click("ZKbaner"));
    g.platform.browserAvailable = false;
    ASSERT_TRUE(g.click("ZKbaner"));
    ASSERT_EQ(g.platform.browsers.size(), 1u);
    EXPECT_EQ(g.main->iexplore, g.platform.browsers[0]);
    EXPECT_EQ(g.platform.browsers[0]->visited.size(), 2u);
}

TEST(Banner, OnlyTheMostRecentBrowserClosingLetsGo) {
    Game g;
    ASSERT_TRUE(g.click("ZKbaner"));
    ASSERT_TRUE(g.click("ZKbaner"));
    const auto first = g.platform.browsers[0];
    const auto second = g.platform.browsers[1];
    ASSERT_TRUE(first->onQuit);
    first->onQuit();
    EXPECT_EQ(g.main->iexplore, second);
    ASSERT_TRUE(second->onQuit);
    second->onQuit();
    EXPECT_EQ(g.main->iexplore, nullptr);
    first->onQuit();  // late news of an old browser changes nothing
    EXPECT_EQ(g.main->iexplore, nullptr);

    // A browser opened after that is followed again.
    ASSERT_TRUE(g.click("ZKbaner"));
    EXPECT_EQ(g.main->iexplore, g.platform.browsers[2]);
    first->onQuit();
    EXPECT_EQ(g.main->iexplore, g.platform.browsers[2]);
}

}  // namespace
}  // namespace vr::test
