// Laying pieces: selecting an offered piece, laying it on an empty cell and
// the refill of its slot.
#include <gtest/gtest.h>

#include "deal_script.h"
#include "invariants.h"

namespace vr::test {
namespace {

std::vector<std::string> Offer(const Game& g) {
    std::vector<std::string> out;
    for (int i = 1; i <= 4; ++i) {
        out.push_back(g.picture("nabidka", i) + " b" + std::to_string(g.w("nabidka", i).borderStyle));
    }
    return out;
}

// A level-1 board, its valve at (3, 3) and the pieces 2, 5, 7, 0 on offer: the
// last clicked slot is framed alone, laid and refilled; the laid cell holds a
// copy of the piece; the next cell takes nothing until a slot is selected again.
TEST(Placement, TheLastClickedSlotIsLaidOnAnEmptyCellAndRefilled) {
    Game g;
    ScriptDeal(g, 5, {{3, 3, 1}}, {2, 5, 7, 0});
    ASSERT_TRUE(g.click("novahra"));
    ASSERT_TRUE(g.click("nabidka", 2));
    EXPECT_EQ(Offer(g), (std::vector<std::string>{"trubka(2) b0", "trubka(5) b1", "trubka(7) b0", "trubka(0) b0"}));
    ASSERT_TRUE(g.click("nabidka", 4));
    ASSERT_TRUE(g.click("nabidka", 4));  // again: still selected
    EXPECT_EQ(Offer(g), (std::vector<std::string>{"trubka(2) b0", "trubka(5) b0", "trubka(7) b0", "trubka(0) b1"}));
    ASSERT_TRUE(g.click("nabidka", 3));
    g.script().push(DrawFor(7, 9));  // the same piece may come again
    ASSERT_TRUE(g.click("pole", Cell(2, 4)));
    EXPECT_EQ(g.cellPicture(2, 4), "trubka(7)");
    EXPECT_EQ(g.main->state().board(2, 4).twoChannel, True);
    EXPECT_EQ(Offer(g), (std::vector<std::string>{"trubka(2) b0", "trubka(5) b0", "trubka(7) b0", "trubka(0) b0"}));
    EXPECT_EQ(g.script().left(), 0u);  // one refill, no more
    ExpectInStep(g);

    ASSERT_TRUE(g.click("nabidka", 2));
    g.script().push(DrawFor(8, 9));
    ASSERT_TRUE(g.click("pole", Cell(4, 2)));
    const Widget& cell = g.w("pole", Cell(4, 2));
    EXPECT_EQ(g.cellPicture(4, 2), "trubka(5)");
    EXPECT_EQ(cell.borderStyle, 0);  // held: disabled with Tag x, checked by ExpectInStep
    EXPECT_EQ(g.main->state().board(4, 2), g.main->state().pipePieces[5]);
    EXPECT_EQ(Offer(g), (std::vector<std::string>{"trubka(2) b0", "trubka(8) b0", "trubka(7) b0", "trubka(0) b0"}));
    EXPECT_EQ(g.main->state().selectedSlot, 0);
    ExpectInStep(g);

    // No draw is scripted: a refill would stop the test.
    const auto before = Screen(g);
    ASSERT_TRUE(g.click("pole", Cell(1, 1)));
    EXPECT_EQ(Screen(g), before);
    EXPECT_EQ(g.main->state().board(1, 1), EmptyCell());
    ASSERT_TRUE(g.click("nabidka", 1));
    EXPECT_FALSE(g.click("pole", Cell(4, 2)));
    EXPECT_EQ(g.cellPicture(4, 2), "trubka(5)");
    EXPECT_EQ(g.main->state().selectedSlot, 1);
}

}  // namespace
}  // namespace vr::test
