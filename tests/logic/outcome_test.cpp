// How a level ends: a spill costs a life and deals the level again, the last
// life ends the game under the menu, a won level moves on (to a story screen
// every ten levels, to the outro after level 100); and a board smaller than
// the one before leaves nothing of the larger one on screen or under the mouse.
#include <gtest/gtest.h>

#include "bot.h"
#include "deal_script.h"
#include "invariants.h"

namespace vr::test {
namespace {

std::vector<std::string> CellPictures(const Game& g) {
    std::vector<std::string> out;
    for (int i = 0; i < g.main->poleCount(); ++i) out.push_back(g.picture(g.main->pole(i)));
    return out;
}

// A new game that loses four of its five lives on level 1: each time a piece
// in the corner, the water spilling above the inlet 25 s after the deal, and
// the next deal's valve elbow 2 in another corner of the inner ring.
void LoseFourLives(Game& g) {
    NewScriptedGame(g);
    EXPECT_EQ(g.w("Label2").caption, "Životů");
    struct Replay {
        int vx, vy;
        const char *lives, *word;
    };
    int vx = 3, vy = 3;
    for (const Replay& r :
         {Replay{2, 2, "4", "Životy"}, {4, 2, "3", "Životy"}, {2, 4, "2", "Životy"}, {4, 4, "1", "Život"}}) {
        SCOPED_TRACE(std::string("down to ") + r.lives);
        g.script().push(DrawFor(0, 9));
        ASSERT_TRUE(g.click("nabidka", 2));
        ASSERT_TRUE(g.click("pole", Cell(1, 1)));
        ScriptDeal(g, 5, {{r.vx, r.vy, 2}}, {3, 3, 3, 3});
        g.advance(25000);
        EXPECT_EQ(g.w("lzivotu").caption, r.lives);
        EXPECT_EQ(g.w("Label2").caption, r.word);
        // The same level from scratch: a new board and offer, the full count.
        EXPECT_EQ(g.w("levnum").caption, "1");
        EXPECT_EQ(g.w("countdown").caption, "20");
        EXPECT_TRUE(g.w("countdowntimer").enabled);
        EXPECT_EQ(g.cellPicture(vx, vy), "");
        EXPECT_EQ(g.cellPicture(r.vx, r.vy), "ventil(2)");
        EXPECT_EQ(g.cellPicture(1, 1), "");
        ExpectInStep(g);
        vx = r.vx;
        vy = r.vy;
    }
    EXPECT_EQ(g.script().left(), 0u);
}

TEST(Spill, EachLostLifeDealsTheLevelAgainWithTheLivesInWords) {
    Game g;
    LoseFourLives(g);
}

TEST(Spill, TheLastLifeEndsTheGameUnderTheMenu) {
    Game g;
    LoseFourLives(g);
    g.script().push(DrawFor(0, 9));
    ASSERT_TRUE(g.click("nabidka", 1));
    ASSERT_TRUE(g.click("pole", Cell(5, 1)));
    g.advance(25000);  // no deal follows: nothing scripted
    EXPECT_TRUE(g.w("menufrm").visible);
    EXPECT_FALSE(g.w("pokracovat").enabled);
    EXPECT_FALSE(g.w("tok").enabled);
    EXPECT_FALSE(g.w("countdowntimer").enabled);
    EXPECT_FALSE(g.w("countdown").visible);
    EXPECT_TRUE(g.w("ZKbaner").enabled && g.model.clickable(g.id("ZKbaner")));
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(g.w("nabidka", i).enabled) << i;
    for (int i = 0; i < g.main->poleCount(); ++i) EXPECT_FALSE(g.w("pole", i).enabled) << i;
    // The board stays as the water left it; the panel keeps the last life.
    EXPECT_EQ(g.cellPicture(5, 1), "trubka(3)");
    EXPECT_EQ(g.w("lzivotu").caption, "1");
    EXPECT_EQ(g.w("Label2").caption, "Život");
    ExpectInStep(g);
    const auto board = CellPictures(g);
    g.advance(60000);
    EXPECT_EQ(CellPictures(g), board);

    ScriptLevel1(g);  // only a new game goes on, with every life back
    ASSERT_TRUE(g.click("novahra"));
    EXPECT_EQ(g.w("lzivotu").caption, "5");
    ExpectInStep(g);
}

// Plays with the bot until `level` is dealt, or (level 0) until the level
// being played is won.
void PlayUntil(Game& g, int level = 0) {
    const int from = g.main->state().level;
    for (int guard = 0; (level ? g.main->state().level < level : g.main->state().level == from) && guard < 200; ++guard) {
        ASSERT_FALSE(g.w("menufrm").visible) << "the bot lost the game at level " << int(g.main->state().level);
        PlayLevel(g);
    }
    ASSERT_TRUE(level ? g.main->state().level == level : g.main->state().level != from) << int(g.main->state().level);
}

std::unique_ptr<Game> BotGameAtLevel(int level) {
    auto g = CountedGame(3);
    EXPECT_TRUE(g->click("novahra"));
    PlayUntil(*g, level);
    return g;
}

TEST(Win, Level9WonGivesALifeAndTheFirstStoryScreen) {
    auto g = BotGameAtLevel(9);
    const int lives = g->main->state().lives;
    const std::string shown = g->w("lzivotu").caption;
    PlayUntil(*g);
    EXPECT_EQ(g->main->state().level, 10);
    EXPECT_EQ(g->main->state().lives, lives + 1);
    EXPECT_TRUE(g->w("intertext", 1).visible);
    EXPECT_EQ(g->w("levnum").caption, "9");  // the panel is written by the next deal only
    EXPECT_EQ(g->w("lzivotu").caption, shown);
    ExpectInStep(*g);

    ASSERT_TRUE(g->click("inter2"));
    EXPECT_EQ(g->w("levnum").caption, "10");
    EXPECT_EQ(g->w("lzivotu").caption, std::to_string(lives + 1));
    EXPECT_EQ(g->main->state().boardSize, 7);
    ExpectInStep(*g);
}

// A spill on a later level deals that level again, its board and count too.
TEST(Win, ASpillRightAfterTheStoryScreenGivesNoScreenAndNoLife) {
    auto g = FlowingGame();
    Win(*g, 9);
    ASSERT_TRUE(g->click("inter2"));
    ASSERT_EQ(g->w("lzivotu").caption, "6");
    RunCountdown(*g);
    g->advance(4000);  // nothing laid: the second step spills
    EXPECT_FALSE(g->w("interfrm").visible);
    EXPECT_EQ(g->w("levnum").caption, "10");
    EXPECT_EQ(g->w("lzivotu").caption, "5");
    EXPECT_EQ(g->w("countdown").caption, "56");
    EXPECT_EQ(g->main->state().boardSize, 7);
    ExpectInStep(*g);
}

TEST(Win, Level100WonShowsTheOutroAndDealsNoLevel101) {
    auto g = CountedGame(5);
    ASSERT_TRUE(g->click("novahra"));
    Win(*g, 99);  // level 100, dealt by the game's own chance
    PlayUntil(*g);
    EXPECT_EQ(g->main->state().level, 101);
    EXPECT_TRUE(g->w("intertext", 10).visible);
    ExpectInStep(*g);

    // Nothing is dealt, not even once the outro is closed.
    const auto draws = Counter(*g).draws;
    const auto board = CellPictures(*g);
    g->advance(60000);
    ASSERT_TRUE(g->click("interok"));
    g->advance(60000);
    EXPECT_EQ(Counter(*g).draws, draws);
    EXPECT_EQ(CellPictures(*g), board);
    EXPECT_EQ(g->w("levnum").caption, "100");
    EXPECT_TRUE(g->w("menufrm").visible);
}

// "Zavřít vodu" at the first story screen sends level 10 back to level 7: a
// 6 x 6 board after the 7 x 7 boards of levels 8 and 9, in the same game.
TEST(SmallerBoard, LeavesNoCellOfTheLargerBoardOnScreenOrUnderTheMouse) {
    auto g = BotGameAtLevel(9);
    PlayUntil(*g);
    EXPECT_EQ(g->picture("pole", 45), "pzed(1)");  // the 7 x 7 inlet, beyond 6 x 6
    ASSERT_TRUE(g->click("inter1"));
    ASSERT_TRUE(g->click("interok"));
    ASSERT_EQ(g->main->state().boardSize, 6);
    EXPECT_EQ(g->model.memberCount("pole"), 49);  // kept for later boards
    for (int i = 36; i < 49; ++i) {
        EXPECT_EQ(g->picture("pole", i), "") << i;  // hidden: checked by ExpectInStep
        EXPECT_FALSE(g->model.clickable(g->id("pole", i))) << i;
    }
    ExpectInStep(*g);

    // With a piece selected, a click on a cell of the old board changes
    // nothing: it reaches no handler, and handled anyway it is ignored.
    ASSERT_TRUE(g->click("nabidka", 3));
    const auto screen = Screen(*g);
    const auto draws = Counter(*g).draws;
    const auto board = g->main->state().board;
    for (int i : {36, 40, 48}) EXPECT_FALSE(g->click("pole", i)) << i;
    EXPECT_EQ(Screen(*g), screen);
    EXPECT_EQ(Counter(*g).draws, draws);
    EXPECT_EQ(g->main->state().selectedSlot, 3);
    for (int y = 1; y <= 7; ++y) {
        for (int x = 1; x <= 7; ++x) EXPECT_EQ(g->main->state().board(x, y), board(x, y)) << x << ", " << y;
    }

    // The board is played as usual, and level 8 uses the cells again.
    ASSERT_TRUE(g->click("pole", 35));
    EXPECT_FALSE(g->click("pole", 35));
    PlayUntil(*g, 8);
    EXPECT_EQ(g->model.memberCount("pole"), 49);
    ExpectInStep(*g);  // every cell of 7 x 7 shown again
}

}  // namespace
}  // namespace vr::test
