// Laying pieces: selecting an offered piece, laying it on an empty cell, the
// refill of its slot, and the cells that take no piece.
#include <gtest/gtest.h>

#include "deal_script.h"
#include "invariants.h"

namespace vr::test {
namespace {

std::vector<int> Frames(const Game& g) {
    std::vector<int> out;
    for (int i = 1; i <= 4; ++i) out.push_back(g.w("nabidka", i).borderStyle);
    return out;
}

std::vector<std::string> Offer(const Game& g) {
    std::vector<std::string> out;
    for (int i = 1; i <= 4; ++i) out.push_back(g.picture("nabidka", i));
    return out;
}

// A level-1 board with its valve at (3, 3) and the pieces 2, 5, 7, 0 on offer.
void DealOffer2570(Game& g) {
    ScriptLevel1Deal(g, 3, 3, 1, {2, 5, 7, 0});
    ASSERT_TRUE(g.click("novahra"));
}

TEST(Placement, AClickOnAnOfferedPieceFramesItAlone) {
    Game g;
    DealOffer2570(g);
    EXPECT_EQ(Frames(g), (std::vector<int>{0, 0, 0, 0}));
    ASSERT_TRUE(g.click("nabidka", 2));
    EXPECT_EQ(Frames(g), (std::vector<int>{0, 1, 0, 0}));
    EXPECT_EQ(g.main->selectedSlot, 2);
    ExpectInStep(g);
    ASSERT_TRUE(g.click("nabidka", 4));
    EXPECT_EQ(Frames(g), (std::vector<int>{0, 0, 0, 1}));
    ASSERT_TRUE(g.click("nabidka", 4));  // again: still selected
    EXPECT_EQ(Frames(g), (std::vector<int>{0, 0, 0, 1}));
    EXPECT_EQ(g.main->selectedSlot, 4);
    EXPECT_EQ(Offer(g), (std::vector<std::string>{"trubka(2)", "trubka(5)", "trubka(7)", "trubka(0)"}));
    ExpectInStep(g);
}

TEST(Placement, ACellClickedWithNothingSelectedStaysEmpty) {
    Game g;
    DealOffer2570(g);
    const auto before = Screen(g);
    ASSERT_TRUE(g.click("pole", Cell(1, 1)));  // no draw: a refill would stop the test
    EXPECT_EQ(Screen(g), before);
    EXPECT_EQ(g.main->board(1, 1), EmptyCell());
    EXPECT_TRUE(g.model.clickable(g.main->cells(1, 1)));
}

TEST(Placement, LayingCopiesThePieceHoldsTheCellAndRefillsTheSlot) {
    Game g;
    DealOffer2570(g);
    ASSERT_TRUE(g.click("nabidka", 2));
    g.script().push(DrawFor(8, 9));
    ASSERT_TRUE(g.click("pole", Cell(4, 2)));
    const W cell = g.main->cells(4, 2);
    EXPECT_EQ(g.picture(cell), "trubka(5)");
    EXPECT_FALSE(g.w("pole", Cell(4, 2)).enabled);
    EXPECT_EQ(g.w("pole", Cell(4, 2)).tag, "x");
    EXPECT_EQ(g.w("pole", Cell(4, 2)).borderStyle, 0);
    EXPECT_EQ(g.main->board(4, 2), g.main->pipePieces[5]);
    // Slot 2 shows the refill without a frame; the others are as they were.
    EXPECT_EQ(Offer(g), (std::vector<std::string>{"trubka(2)", "trubka(8)", "trubka(7)", "trubka(0)"}));
    EXPECT_EQ(Frames(g), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(g.main->selectedSlot, 0);
    EXPECT_EQ(g.script().left(), 0u);
    ExpectInStep(g);

    // The next cell takes nothing until a slot is selected again, and the laid
    // cell takes no click at all.
    ASSERT_TRUE(g.click("pole", Cell(1, 1)));
    EXPECT_EQ(g.cellPicture(1, 1), "");
    EXPECT_FALSE(g.click("pole", Cell(4, 2)));
    ASSERT_TRUE(g.click("nabidka", 1));
    EXPECT_FALSE(g.click("pole", Cell(4, 2)));
    EXPECT_EQ(g.picture(cell), "trubka(5)");
    EXPECT_EQ(g.main->selectedSlot, 1);
}

TEST(Placement, TheLastSelectedSlotIsLaidAndOnlyItIsRefilled) {
    Game g;
    DealOffer2570(g);
    ASSERT_TRUE(g.click("nabidka", 1));
    ASSERT_TRUE(g.click("nabidka", 3));
    g.script().push(DrawFor(4, 9));
    ASSERT_TRUE(g.click("pole", Cell(2, 4)));
    EXPECT_EQ(g.cellPicture(2, 4), "trubka(7)");
    EXPECT_EQ(g.main->board(2, 4).twoChannel, True);
    EXPECT_EQ(Offer(g), (std::vector<std::string>{"trubka(2)", "trubka(5)", "trubka(4)", "trubka(0)"}));
    ExpectInStep(g);
}

TEST(Placement, TheSamePieceMayComeAgain) {
    Game g;
    DealOffer2570(g);
    for (int x = 1; x <= 5; ++x) {
        ASSERT_TRUE(g.click("nabidka", 4));
        g.script().push(DrawFor(0, 9));
        ASSERT_TRUE(g.click("pole", Cell(x, 1)));
        EXPECT_EQ(g.picture("nabidka", 4), "trubka(0)");
    }
    for (int x = 1; x <= 5; ++x) EXPECT_EQ(g.cellPicture(x, 1), "trubka(0)") << x;
    ExpectInStep(g);
}

TEST(Placement, TheInletAndTheValvesTakeNoPiece) {
    Game g;
    DealOffer2570(g);
    ASSERT_TRUE(g.click("nabidka", 1));
    EXPECT_FALSE(g.click("pole", Cell(3, 5)));
    EXPECT_FALSE(g.click("pole", Cell(3, 3)));
    EXPECT_EQ(g.cellPicture(3, 5), "pzed(0)");
    EXPECT_EQ(g.cellPicture(3, 3), "ventil(1)");
    EXPECT_EQ(g.main->selectedSlot, 1);
    EXPECT_EQ(Frames(g), (std::vector<int>{1, 0, 0, 0}));
}

TEST(Placement, CellsAreNumberedRowByRowOnEveryBoard) {
    // On a 6 x 6 board member 7 is column 2 of row 2, member 35 the last cell.
    Game g;
    ReachDeal(g, 4, {{4, 3, 0}, {2, 4, 0}}, {3, 6, 1, 1});
    ASSERT_EQ(g.main->boardSize, 6);
    ASSERT_TRUE(g.click("nabidka", 1));
    g.script().push(DrawFor(1, 9));
    ASSERT_TRUE(g.click("pole", 7));
    ASSERT_TRUE(g.click("nabidka", 2));
    g.script().push(DrawFor(1, 9));
    ASSERT_TRUE(g.click("pole", 35));
    EXPECT_EQ(g.cellPicture(2, 2), "trubka(3)");
    EXPECT_EQ(g.main->board(2, 2).id, 3);
    EXPECT_EQ(g.cellPicture(6, 6), "trubka(6)");
    EXPECT_EQ(g.main->board(6, 6).id, 6);
    ExpectInStep(g);
}

TEST(Placement, APieceThatLeadsNowhereStaysUntilTheNextDeal) {
    Game g;
    NewScriptedGame(g);  // straight up-and-down pieces on offer
    LayFromSlot1(g, 1, 1);
    LayFromSlot1(g, 3, 4);
    g.driver.advanceTo(FlowTick(2));  // the water has passed (3, 4) and waits below the valve
    EXPECT_EQ(g.cellPicture(1, 1), "trubka(1)");
    EXPECT_EQ(g.cellPicture(3, 4), "voda(1)");
    ExpectInStep(g);
    // The water passes the valve: level 2 is dealt and the corner is empty again.
    ScriptLevel1(g);
    g.driver.advanceTo(FlowTick(3));
    EXPECT_EQ(g.w("levnum").caption, "2");
    EXPECT_EQ(g.cellPicture(1, 1), "");
    EXPECT_EQ(g.main->board(1, 1), EmptyCell());
    ExpectInStep(g);
}

}  // namespace
}  // namespace vr::test
