// Whole games from "Nová Hra" to the outro, played by the bot in virtual
// time, once for each way of answering the four choices of the story: the
// levels played, the lives, the pace of the water and the screen at the end.
#include <gtest/gtest.h>


#include "bot.h"
#include "scenes.h"

namespace vr::test {
namespace {

// Which of the choice screens 1, 3, 5 and 7 the player takes the action on.
struct Answers {
    bool closeWater = false;  // 1: "Zavřít vodu"
    bool pray = false;        // 3: "Modlit se"
    bool drink = false;       // 5: "Napít se"
    bool phone = false;       // 7: "Hledat budku"

    explicit Answers(int mask)
        : closeWater(mask & 1), pray(mask & 2), drink(mask & 4), phone(mask & 8) {}
    bool takes(int intermezzo) const {
        switch (intermezzo) {
            case 1: return closeWater;
            case 3: return pray;
            case 5: return drink;
            case 7: return phone;
            default: return false;
        }
    }
};

std::string Name(int mask) {
    const Answers a(mask);
    std::string s;
    s += a.closeWater ? "Close" : "Build";
    s += a.pray ? "Pray" : "Build";
    s += a.drink ? "Drink" : "Build";
    s += a.phone ? "Phone" : "Build";
    return s;
}

std::vector<int> Range(int from, int to) {
    std::vector<int> out;
    for (int l = from; l <= to; ++l) out.push_back(l);
    return out;
}

// The levels a whole game plays, in order.
std::vector<int> ExpectedLevels(const Answers& a) {
    std::vector<int> out = Range(1, 9);
    auto add = [&out](const std::vector<int>& more) { out.insert(out.end(), more.begin(), more.end()); };
    if (a.closeWater) add(Range(7, 9));  // back to level 7; level 10 then follows with no screen
    add(Range(10, 69));
    if (!a.phone) add(Range(70, 77));  // the repairmen skip these
    add(Range(78, 79));
    add(Range(81, 100));  // grandmother sits on level 80
    return out;
}

// The story screens a whole game shows, by the Tag of their buttons.
std::vector<int> ExpectedScreens(const Answers& a) {
    std::vector<int> out;
    for (int n = 1; n <= 9; ++n) {
        out.push_back(n);
        if (a.takes(n)) out.push_back(100 * n + 1);
    }
    out.push_back(10);
    return out;
}

class WholeGame : public ::testing::TestWithParam<int> {};

TEST_P(WholeGame, FromTheFirstLevelToTheOutro) {
    const Answers answers(GetParam());
    auto g = Game::Seeded(0);
    g->random->seed(1000u + static_cast<std::uint32_t>(GetParam()));
    const PlayResult r = PlayGame(*g, [&answers](int n) { return answers.takes(n); });
    ASSERT_TRUE(r.outro) << "the game was lost after " << r.deals.size() << " deals";
    EXPECT_FALSE(r.gameOver);

    EXPECT_EQ(r.LevelsPlayed(), ExpectedLevels(answers));
    EXPECT_EQ(r.screens, ExpectedScreens(answers));

    // Lives: 5 at the start; one lost with each replay of a level; one more for
    // every multiple of ten reached by winning (again after the way back to
    // level 7); five for the energy drink. The water's pace: 3000 ms from
    // level 30 on after the prayer, else 2000.
    ASSERT_FALSE(r.deals.empty());
    int lives = 5, replays = 0;
    bool prayed = false;
    for (std::size_t k = 0; k < r.deals.size(); ++k) {
        const Deal& d = r.deals[k];
        SCOPED_TRACE("deal " + std::to_string(k) + " of level " + std::to_string(d.level));
        if (k > 0) {
            const int before = r.deals[k - 1].level;
            if (d.level == before) {
                --lives;
                ++replays;
            } else {
                const int reached = before + 1;
                if (reached % 10 == 0) ++lives;
                if (reached == 50 && answers.drink) lives += 5;
                if (reached == 30 && answers.pray) prayed = true;
            }
        }
        EXPECT_EQ(d.lives, lives);
        EXPECT_EQ(d.tokInterval, prayed ? 3000 : 2000);
    }
    EXPECT_EQ(r.livesLost, replays);
    EXPECT_EQ(g->main->state().lives, lives);  // the outro gives no life
    EXPECT_EQ(g->main->state().level, 101);

    // The end: the menu over the last board, nothing to continue.
    EXPECT_TRUE(g->w("menufrm").visible);
    EXPECT_FALSE(g->model.clickable(g->id("pokracovat")));
    EXPECT_TRUE(g->model.clickable(g->id("ZKbaner")));
    EXPECT_FALSE(g->w("interfrm").visible);
    EXPECT_TRUE(VisibleTexts(*g).empty());
    EXPECT_TRUE(g->model.clickable(g->id("menu")));
    EXPECT_FALSE(g->w("tok").enabled);
    EXPECT_FALSE(g->w("countdowntimer").enabled);
    EXPECT_EQ(g->w("levnum").caption, "100");

    // A new game is the first level at the normal pace.
    ASSERT_TRUE(g->click("novahra"));
    EXPECT_EQ(g->w("levnum").caption, "1");
    EXPECT_EQ(g->w("lzivotu").caption, "5");
    EXPECT_EQ(g->w("tok").interval, 2000);
    EXPECT_FALSE(g->main->state().intermezzo1Shown);
}

INSTANTIATE_TEST_SUITE_P(EveryAnswer, WholeGame, ::testing::Range(0, 16),
                         [](const auto& test) { return Name(test.param); });

}  // namespace
}  // namespace vr::test
