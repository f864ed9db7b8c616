// How a level ends: a spill costs a life and deals the level again, the last
// life ends the game under the menu, a won level moves on to the next one, to
// a story screen every ten levels, or to the outro after level 100. And a
// board that is smaller than the one before leaves nothing of the larger one
// on screen or under the mouse.
#include <gtest/gtest.h>

#include "bot.h"
#include "deal_script.h"
#include "invariants.h"

namespace vr::test {
namespace {

constexpr std::uint32_t kGreen = RGB(0, 192, 0);

// Every cell widget that takes a click.
int ClickableCells(const Game& g) {
    int n = 0;
    for (int i = 0; i < g.main->poleCount(); ++i) n += g.model.clickable(g.main->pole(i));
    return n;
}

// The pictures of every cell widget.
std::vector<std::string> CellPictures(const Game& g) {
    std::vector<std::string> out;
    for (int i = 0; i < g.main->poleCount(); ++i) out.push_back(g.picture(g.main->pole(i)));
    return out;
}

// The level-1 water spills on the empty cell above the inlet 25 s after the
// deal; the next deal puts its valve at (vx, vy) and offers four elbows 3.
void SpillOnTheEmptyCell(Game& g, int vx, int vy) {
    ScriptLevel1Deal(g, vx, vy, 2, {3, 3, 3, 3});
    g.advance(25000);
}

struct Replay {
    int vx, vy;
    const char* lives;
    const char* word;
};

// A new game that loses four of its five lives on level 1, a piece laid in
// the corner each time.
void LoseFourLives(Game& g) {
    NewScriptedGame(g);
    EXPECT_EQ(g.w("lzivotu").caption, "5");
    EXPECT_EQ(g.w("Label2").caption, "Životů");
    const Replay replays[] = {{2, 2, "4", "Životy"}, {4, 2, "3", "Životy"}, {2, 4, "2", "Životy"}, {4, 4, "1", "Život"}};
    int vx = 3, vy = 3;
    for (const Replay& r : replays) {
        SCOPED_TRACE(std::string("down to ") + r.lives);
        g.script().push(DrawFor(0, 9));
        ASSERT_TRUE(g.click("nabidka", 2));
        ASSERT_TRUE(g.click("pole", Cell(1, 1)));
        SpillOnTheEmptyCell(g, r.vx, r.vy);
        EXPECT_EQ(g.w("lzivotu").caption, r.lives);
        EXPECT_EQ(g.w("Label2").caption, r.word);
        // The same level from scratch: a new board and offer, the full count.
        EXPECT_EQ(g.w("levnum").caption, "1");
        EXPECT_EQ(g.w("countdown").caption, "20");
        EXPECT_TRUE(g.w("countdown").visible);
        EXPECT_EQ(g.w("countdown").foreColor, kGreen);
        EXPECT_TRUE(g.w("countdowntimer").enabled);
        EXPECT_FALSE(g.w("tok").enabled);
        EXPECT_EQ(g.cellPicture(3, 5), "pzed(0)");
        EXPECT_EQ(g.cellPicture(vx, vy), "");
        EXPECT_EQ(g.cellPicture(r.vx, r.vy), "ventil(2)");
        EXPECT_EQ(g.cellPicture(1, 1), "");
        EXPECT_TRUE(g.model.clickable(g.main->cells(1, 1)));
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(g.picture("nabidka", i), "trubka(3)");
        EXPECT_EQ(ClickableCells(g), 23);
        ExpectInStep(g);
        vx = r.vx;
        vy = r.vy;
    }
}

TEST(Spill, EachLostLifeDealsTheLevelAgainWithTheLivesInWords) {
    Game g;
    LoseFourLives(g);
    EXPECT_EQ(g.script().left(), 0u);
}

TEST(Spill, ThreeLivesAtLevel7LeaveTwoAndCountFrom44) {
    Game g;
    ReachDeal(g, 7, {{2, 2, 0}, {4, 2, 0}, {2, 4, 0}, {4, 4, 0}}, {1, 1, 1, 1});
    g.main->lives = 3;  // two lost before
    ScriptDeal(g, 6, {{3, 3, 1}, {5, 2, 1}, {2, 5, 1}, {5, 5, 1}}, {2, 2, 2, 2});
    RunCountdown(g);
    g.advance(4000);  // the second step finds the cell above the inlet empty
    EXPECT_EQ(g.w("lzivotu").caption, "2");
    EXPECT_EQ(g.w("Label2").caption, "Životy");
    EXPECT_EQ(g.w("levnum").caption, "7");
    EXPECT_EQ(g.w("countdown").caption, "44");
    EXPECT_EQ(g.w("countdown").foreColor, kGreen);
    EXPECT_EQ(g.main->boardSize, 6);
    for (auto [x, y] : std::vector<std::pair<int, int>>{{3, 3}, {5, 2}, {2, 5}, {5, 5}}) {
        EXPECT_EQ(g.cellPicture(x, y), "ventil(1)");
    }
    EXPECT_EQ(g.cellPicture(2, 2), "");
    EXPECT_EQ(g.picture("nabidka", 1), "trubka(2)");
    EXPECT_EQ(g.script().left(), 0u);
    ExpectInStep(g);
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
    EXPECT_TRUE(g.w("ZKbaner").enabled);
    EXPECT_TRUE(g.model.clickable(g.id("ZKbaner")));
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(g.w("nabidka", i).enabled) << i;
    for (int i = 0; i < g.main->poleCount(); ++i) EXPECT_FALSE(g.w("pole", i).enabled) << i;
    EXPECT_EQ(ClickableCells(g), 0);
    // The board stays as the water left it; the panel keeps the last life.
    EXPECT_EQ(g.cellPicture(3, 5), "pzed(1)");
    EXPECT_EQ(g.cellPicture(4, 4), "ventil(2)");
    EXPECT_EQ(g.cellPicture(5, 1), "trubka(3)");
    EXPECT_EQ(g.w("lzivotu").caption, "1");
    EXPECT_EQ(g.w("Label2").caption, "Život");
    EXPECT_EQ(g.w("levnum").caption, "1");
    EXPECT_FALSE(g.w("countdown").visible);
    ExpectInStep(g);

    const auto board = CellPictures(g);
    g.advance(60000);
    EXPECT_EQ(CellPictures(g), board);
    EXPECT_EQ(g.w("lzivotu").caption, "1");

    // Only a new game goes on.
    EXPECT_FALSE(g.click("pokracovat"));
    ScriptLevel1(g);
    ASSERT_TRUE(g.click("novahra"));
    EXPECT_EQ(g.w("lzivotu").caption, "5");
    EXPECT_EQ(g.w("Label2").caption, "Životů");
    EXPECT_EQ(ClickableCells(g), 23);
    ExpectInStep(g);
}

// Plays with the bot from where the game stands until `level` is dealt.
void PlayUntil(Game& g, int level) {
    for (int guard = 0; g.main->level < level && guard < 200; ++guard) {
        ASSERT_FALSE(g.w("menufrm").visible) << "the bot lost the game at level " << int(g.main->level);
        PlayLevel(g);
    }
    ASSERT_EQ(g.main->level, level);
}

// Plays the level dealt until the water has passed its last valve.
void WinWithTheBot(Game& g) {
    const int level = g.main->level;
    for (int guard = 0; g.main->level == level && guard < 20; ++guard) {
        ASSERT_FALSE(g.w("menufrm").visible) << "the bot lost the game at level " << level;
        PlayLevel(g);
    }
    ASSERT_NE(g.main->level, level);
}

std::unique_ptr<Game> BotGameAtLevel(int level, std::uint32_t seed = 3) {
    auto g = CountedGame(seed);
    EXPECT_TRUE(g->click("novahra"));
    PlayUntil(*g, level);
    return g;
}

TEST(Win, Level9WonGivesALifeAndTheFirstStoryScreen) {
    auto g = BotGameAtLevel(9);
    const int lives = g->main->lives;
    const std::string shown = g->w("lzivotu").caption;
    WinWithTheBot(*g);
    EXPECT_EQ(g->main->level, 10);
    EXPECT_EQ(g->main->lives, lives + 1);
    EXPECT_TRUE(g->w("interfrm").visible);
    EXPECT_TRUE(g->w("intertext", 1).visible);
    EXPECT_EQ(g->w("nadpis", 5).caption, "Intermezzo #1 aneb HUV");
    EXPECT_EQ(g->w("inter1").caption, "Zavřít vodu");
    EXPECT_EQ(g->w("inter2").caption, "Dál stavět");
    EXPECT_FALSE(g->w("tok").enabled);
    EXPECT_FALSE(g->w("countdowntimer").enabled);
    EXPECT_EQ(g->w("countdowntimer").tag, "");
    // The panel is written by the next deal only.
    EXPECT_EQ(g->w("levnum").caption, "9");
    EXPECT_EQ(g->w("lzivotu").caption, shown);
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(g->model.clickable(g->id("nabidka", i))) << i;
    EXPECT_EQ(ClickableCells(*g), 0);
    ExpectInStep(*g);

    ASSERT_TRUE(g->click("inter2"));
    EXPECT_EQ(g->w("levnum").caption, "10");
    EXPECT_EQ(g->w("lzivotu").caption, std::to_string(lives + 1));
    EXPECT_EQ(g->main->boardSize, 7);
    ExpectInStep(*g);
}

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
    ExpectInStep(*g);
}

TEST(Win, Level100WonShowsTheOutroAndDealsNoLevel101) {
    auto g = CountedGame(5);
    ASSERT_TRUE(g->click("novahra"));
    Win(*g, 99);  // on to level 100, dealt by the game's own chance
    ASSERT_EQ(g->w("levnum").caption, "100");
    ASSERT_EQ(g->main->boardSize, 30);
    WinWithTheBot(*g);
    EXPECT_EQ(g->main->level, 101);
    EXPECT_TRUE(g->w("interfrm").visible);
    EXPECT_EQ(g->w("nadpis", 5).caption, "Outro aneb Výborná kachna");
    EXPECT_TRUE(g->w("intertext", 10).visible);
    EXPECT_FALSE(g->w("tok").enabled);
    EXPECT_FALSE(g->w("countdowntimer").enabled);
    EXPECT_FALSE(g->w("countdown").visible);
    EXPECT_EQ(g->w("levnum").caption, "100");
    EXPECT_EQ(g->main->boardSize, 30);
    EXPECT_EQ(g->cellPicture(15, 30), "pzed(1)");
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
    EXPECT_FALSE(g->w("countdowntimer").enabled);
    EXPECT_TRUE(g->w("menufrm").visible);
}

// "Zavřít vodu" at the first story screen sends level 10 back to level 7: a
// 6 x 6 board after the 7 x 7 boards of levels 8 and 9, in the same game.
TEST(SmallerBoard, LeavesNoCellOfTheLargerBoardOnScreenOrUnderTheMouse) {
    auto g = BotGameAtLevel(9);
    ASSERT_EQ(g->main->boardSize, 7);
    WinWithTheBot(*g);
    ASSERT_TRUE(g->w("interfrm").visible);
    // The last row of the 7 x 7 board (the inlet's row) lies beyond 6 x 6.
    std::vector<int> surplus;
    for (int i = 36; i < 49; ++i) surplus.push_back(i);
    EXPECT_EQ(g->picture("pole", 45), "pzed(1)");

    ASSERT_TRUE(g->click("inter1"));  // "Zavřít vodu"
    ASSERT_TRUE(g->click("interok"));
    ASSERT_EQ(g->w("levnum").caption, "7");
    ASSERT_EQ(g->main->boardSize, 6);
    EXPECT_EQ(g->model.memberCount("pole"), 49);  // kept for later boards
    for (int i : surplus) {
        EXPECT_FALSE(g->w("pole", i).visible) << i;
        EXPECT_EQ(g->picture("pole", i), "") << i;
        EXPECT_FALSE(g->model.clickable(g->id("pole", i))) << i;
    }
    EXPECT_EQ(ClickableCells(*g), 36 - 1 - g->main->valveCount);
    ExpectInStep(*g);

    // With a piece selected, a click on a cell of the old board changes
    // nothing: it reaches no handler, and handled anyway it is ignored.
    ASSERT_TRUE(g->click("nabidka", 3));
    const auto screen = Screen(*g);
    const auto draws = Counter(*g).draws;
    const auto board = g->main->board;
    for (int i : {36, 40, 48}) {
        EXPECT_FALSE(g->click("pole", i)) << i;
        g->main->pole_Click(static_cast<Integer>(i));
    }
    g->main->pole_Click(-1);
    EXPECT_EQ(Screen(*g), screen);
    EXPECT_EQ(Counter(*g).draws, draws);
    EXPECT_EQ(g->main->selectedSlot, 3);
    for (int y = 1; y <= 7; ++y) {
        for (int x = 1; x <= 7; ++x) EXPECT_EQ(g->main->board(x, y), board(x, y)) << x << ", " << y;
    }
    ExpectInStep(*g);

    // The board is played as usual, and levels 8 and 9 use the cells again.
    ASSERT_TRUE(g->click("pole", 35));
    EXPECT_FALSE(g->click("pole", 35));
    PlayUntil(*g, 8);
    EXPECT_EQ(g->main->boardSize, 7);
    for (int i = 0; i < 49; ++i) EXPECT_TRUE(g->w("pole", i).visible) << i;
    ExpectInStep(*g);
}

}  // namespace
}  // namespace vr::test
