// The story: the nine intermezzo screens every ten levels, the four choices
// and what they change, and the outro after level 100.
#include <gtest/gtest.h>

#include "scenes.h"

namespace vr::test {
namespace {

struct Intermezzo {
    int n;
    const char* heading;
    const char* first;   // the action offered; null on a plain screen
    const char* second;  // going on with the work
};

const Intermezzo kIntermezzos[] = {
    {1, "Intermezzo #1 aneb HUV", "Zavřít vodu", "Dál stavět"},
    {2, "Intermezzo #2 aneb Zabavklub", nullptr, nullptr},
    {3, "Intermezzo #3 aneb Óbože", "Modlit se", "Dál stavět"},
    {4, "Intermezzo #4 aneb Krize", nullptr, nullptr},
    {5, "Intermezzo #5 aneb Ňamka", "Napít se", "Dál stavět"},
    {6, "Intermezzo #6 aneb Rybka", nullptr, nullptr},
    {7, "Intermezzo #7 aneb Opraváři", "Hledat budku", "Neztrácet čas"},
    {8, "Intermezzo #8 aneb Babička", nullptr, nullptr},
    {9, "Intermezzo #9 aneb Finiš", nullptr, nullptr},
};

void PrintTo(const Intermezzo& s, std::ostream* os) { *os << "intermezzo " << s.n; }

// While a story screen is up, the game's own controls take no click.
void ExpectControlsLocked(Game& g) {
    EXPECT_FALSE(g.click("menu"));
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(g.click("nabidka", i)) << i;
    for (int i = 0; i < g.main->poleCount(); ++i) EXPECT_FALSE(g.click("pole", i)) << i;
    EXPECT_FALSE(g.w("tok").enabled);
    EXPECT_FALSE(g.w("countdowntimer").enabled);
}

// A level has started after the screen closed.
void ExpectLevelStarted(Game& g, int level) {
    EXPECT_FALSE(g.w("interfrm").visible);
    EXPECT_TRUE(VisibleTexts(g).empty());
    for (const char* b : {"inter1", "inter2", "interok"}) EXPECT_FALSE(g.w(b).visible) << b;
    EXPECT_EQ(g.main->state().level, level);
    EXPECT_EQ(g.w("levnum").caption, std::to_string(level));
    EXPECT_EQ(g.w("countdown").caption, std::to_string(4 * level + 16));
    EXPECT_TRUE(g.w("countdowntimer").enabled);
    EXPECT_TRUE(g.model.clickable(g.id("menu")));
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(g.model.clickable(g.id("nabidka", i))) << i;
}

class StoryScreen : public ::testing::TestWithParam<Intermezzo> {};

TEST_P(StoryScreen, ShowsItsHeadingTextAndButtonsThenStartsTheLevel) {
    const Intermezzo& s = GetParam();
    auto g = FlowingGame();
    Win(*g, 10 * s.n - 1);
    const int next = 10 * s.n + (s.n == 8 ? 1 : 0);  // grandmother skips level 80
    EXPECT_EQ(g->main->state().level, next);
    EXPECT_EQ(g->main->state().lives, 6);
    EXPECT_TRUE(g->w("interfrm").visible);
    EXPECT_EQ(g->w("nadpis", 5).caption, s.heading);
    EXPECT_EQ(VisibleTexts(*g), std::vector<int>{s.n});
    const std::string tag = std::to_string(s.n);
    const bool choice = s.first != nullptr;
    EXPECT_EQ(g->w("inter1").visible, choice);
    EXPECT_EQ(g->w("inter2").visible, choice);
    EXPECT_EQ(g->w("interok").visible, !choice);
    if (choice) {
        EXPECT_EQ(g->w("inter1").caption, s.first);
        EXPECT_EQ(g->w("inter2").caption, s.second);
        EXPECT_EQ(g->w("inter1").tag, tag);
        EXPECT_EQ(g->w("inter2").tag, tag);
    } else {
        EXPECT_EQ(g->w("interok").caption, "Okay");
        EXPECT_EQ(g->w("interok").tag, tag);
    }
    ExpectControlsLocked(*g);
    g->advance(60000);  // nothing runs behind the screen
    EXPECT_TRUE(g->w("interfrm").visible);
    EXPECT_EQ(g->main->state().level, next);

    // Going on with the work, or Okay, closes the screen at once.
    ASSERT_TRUE(g->click(s.first ? "inter2" : "interok"));
    ExpectLevelStarted(*g, next);
    EXPECT_EQ(g->w("nadpis", 5).caption, s.heading);  // kept until the next screen
}

INSTANTIATE_TEST_SUITE_P(Intermezzos, StoryScreen, ::testing::ValuesIn(kIntermezzos),
                         [](const auto& test) { return "Intermezzo" + std::to_string(test.param.n); });

// The time from the water's release to its first step.
int FlowPace(Game& g) {
    RunCountdown(g);
    return static_cast<int>(g.model.due(g.id("tok")) - g.model.now());
}

// The action of a choice screen: its follow-up text until Okay, then the
// level it leads to. The order of the levels and screens through whole games
// is in story_games_test.cpp.
void TakeTheAction(Game& g, int n, int levelAfter) {
    Win(g, 10 * n - 1);
    const std::string heading = g.w("nadpis", 5).caption;
    ASSERT_TRUE(g.click("inter1"));
    EXPECT_EQ(VisibleTexts(g), std::vector<int>{100 * n + 1});
    EXPECT_FALSE(g.w("inter1").visible);
    EXPECT_FALSE(g.w("inter2").visible);
    EXPECT_TRUE(g.w("interok").visible);
    EXPECT_EQ(g.w("interok").tag, std::to_string(100 * n + 1));
    EXPECT_EQ(g.w("nadpis", 5).caption, heading);
    ExpectControlsLocked(g);
    EXPECT_FALSE(g.click("inter1"));  // hidden now
    ASSERT_TRUE(g.click("interok"));
    ExpectLevelStarted(g, levelAfter);
}

TEST(Choices, EachActionChangesItsPartOfTheGame) {
    struct Action {
        int n, levelAfter, livesBefore;
        const char* lives;
        int pace;  // of the water, up to a new game
    };
    for (const Action& a : {Action{1, 7, 5, "6", 2000},   // closing the water: back to level 7
                            Action{3, 30, 5, "6", 3000},  // praying slows the water
                            Action{5, 50, 3, "9", 2000},  // drinking: 3, the bonus life and five
                            Action{7, 78, 5, "6", 2000}}) {  // the repairmen skip to level 78
        SCOPED_TRACE(a.n);
        auto g = FlowingGame();
        g->main->EnterLevel(1, static_cast<Byte>(a.livesBefore));
        TakeTheAction(*g, a.n, a.levelAfter);
        EXPECT_EQ(g->w("lzivotu").caption, a.lives);
        EXPECT_EQ(g->w("Label2").caption, "Životů");
        EXPECT_EQ(FlowPace(*g), a.pace);
        WinLevelInPlay(*g);
        EXPECT_EQ(FlowPace(*g), a.pace);
        ASSERT_TRUE(g->click("menu"));
        ASSERT_TRUE(g->click("novahra"));
        EXPECT_EQ(FlowPace(*g), 2000);
    }
}

TEST(Outro, Level100StartsWithoutAScreenAndTheOutroFollowsIt) {
    auto g = FlowingGame();
    auto lives = g->main->state().lives;
    Win(*g, 99);
    ExpectLevelStarted(*g, 100);
    EXPECT_EQ(g->main->state().lives, lives + 1);
    EXPECT_EQ(g->w("nadpis", 5).caption, "Intermezzo #X");  // no screen was ever set up

    RunCountdown(*g);
    lives = g->main->state().lives;
    WinLevelInPlay(*g);
    EXPECT_EQ(g->main->state().lives, lives);  // no life for the end
    EXPECT_TRUE(g->w("interfrm").visible);
    EXPECT_EQ(g->w("nadpis", 5).caption, "Outro aneb Výborná kachna");
    EXPECT_EQ(VisibleTexts(*g), std::vector<int>{10});
    EXPECT_TRUE(g->w("interok").visible);
    EXPECT_EQ(g->w("interok").tag, "10");
    EXPECT_EQ(g->w("interok").caption, "Okay");
    EXPECT_FALSE(g->w("inter1").visible);
    EXPECT_FALSE(g->w("inter2").visible);
    ExpectControlsLocked(*g);

    // The end itself, the same after every whole game, is in story_games_test.cpp.
    ASSERT_TRUE(g->click("interok"));
    EXPECT_FALSE(g->w("interok").visible);
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(g->model.clickable(g->id("nabidka", i))) << i;
    for (int i = 0; i < g->main->poleCount(); ++i) EXPECT_FALSE(g->model.clickable(g->id("pole", i))) << i;
    EXPECT_EQ(g->w("nadpis", 5).caption, "Outro aneb Výborná kachna");

    ASSERT_TRUE(g->click("novahra"));
    ExpectLevelStarted(*g, 1);
    ASSERT_TRUE(g->click("menu"));  // the menu button pauses the new game
    EXPECT_TRUE(g->w("menufrm").visible);
    EXPECT_EQ(g->w("countdowntimer").tag, "r");
}

}  // namespace
}  // namespace vr::test
