// Ways into the game for the tests of the menu, the ticker, the banner and
// the story: a scripted first level whose timing is known to the millisecond,
// a seeded game with its water released, and what the screen shows.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bot.h"
#include "harness.h"

namespace vr::test {

// The draws of a level-1 deal: one valve at (3, 3), straight up and down
// (columns and rows 2..4 are Int(r x 3) + 2, shapes Int(r x 6)), and four
// straight up-and-down pieces on offer (Int(r x 9) = 1).
inline void ScriptLevel1(Game& g) {
    for (double r : {0.5, 0.5, 0.2, 0.15, 0.15, 0.15, 0.15}) g.script().push(r);
}

// "Nová Hra" on a scripted game, the board dealt as above: the countdown
// shows 20 and ends 21 s later; the water enters the inlet (3, 5) 2 s after
// that, the cell above it (3, 4) 2 s later again, and the valve (3, 3) after
// another 2 s.
inline void NewScriptedGame(Game& g, int lives = 5) {
    ScriptLevel1(g);
    if (lives == 5) {
        ASSERT_TRUE(g.click("novahra"));
    } else {
        g.main->EnterLevel(1, static_cast<Byte>(lives));
    }
    ASSERT_EQ(g.w("countdown").caption, "20");
}

// The board cell of column x, row y on a board of n x n.
inline int Cell(int x, int y, int n = 5) { return (y - 1) * n + (x - 1); }

// Lays the piece of offer slot 1 on the cell (x, y) of the level-1 board; the
// refill of the slot draws one more straight piece.
inline void LayFromSlot1(Game& g, int x, int y) {
    g.script().push(0.15);
    ASSERT_TRUE(g.click("nabidka", 1));
    ASSERT_TRUE(g.click("pole", Cell(x, y)));
}

// The offer slots that take a click.
inline int ClickableOffers(const Game& g) {
    int n = 0;
    for (int i = 1; i <= 4; ++i) n += g.model.clickable(g.id("nabidka", i)) ? 1 : 0;
    return n;
}

// A scripted game lost on its last life: the water spills on the empty cell
// above the inlet 25 s after "Nová Hra", and the menu is back.
inline void LoseGame(Game& g) {
    NewScriptedGame(g, 1);
    g.advance(25000);
    ASSERT_TRUE(g.w("menufrm").visible);
}

// Runs the countdown that StartLevel has just armed to its end: the water is
// released and the next tick of `tok` could be the one that wins the level.
inline void RunCountdown(Game& g) {
    const int shown = std::stoi(g.w("countdown").caption);
    g.advance((shown + 1) * 1000);
    ASSERT_TRUE(g.w("tok").enabled);
    ASSERT_FALSE(g.w("countdowntimer").enabled);
}

// A game on the game's own generator, in level 1 with its water released.
inline std::unique_ptr<Game> FlowingGame(std::uint32_t seed = 7) {
    auto g = Game::Seeded(seed);
    g->random->seed(seed);
    EXPECT_TRUE(g->click("novahra"));
    RunCountdown(*g);
    return g;
}

// A new game dealt at the level `played` and won by the water passing its
// last valve, lives kept.
inline void Win(Game& g, int played) {
    g.main->EnterLevel(static_cast<Byte>(played), g.main->state().lives);
    WinLevelInPlay(g);
}

// The story text boxes, in the order of the window.
inline const std::vector<int>& TextIndices() {
    static const std::vector<int> all{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 101, 301, 501, 701};
    return all;
}

// The story text boxes that are visible.
inline std::vector<int> VisibleTexts(const Game& g) {
    std::vector<int> out;
    for (int i : TextIndices()) {
        if (g.w("intertext", i).visible) out.push_back(i);
    }
    return out;
}

// Everything a player can see or click, widget by widget.
inline std::vector<std::string> Screen(const Game& g) {
    std::vector<std::string> out;
    for (W w = 0; w < static_cast<W>(g.model.size()); ++w) {
        if (!g.model.shown(w)) continue;
        const Widget& x = g.model.at(w);
        out.push_back(x.name + "(" + std::to_string(x.index) + ") '" + x.caption + "' " +
                      g.model.pictureName(x.picture) + " b" + std::to_string(x.borderStyle) + " c" +
                      std::to_string(x.foreColor) + (g.model.clickable(w) ? " clickable" : ""));
    }
    return out;
}

}  // namespace vr::test
