// The deal of the seeded window that the scripts of the real window play on:
// they click where this test finds the valve, the free cells and the pieces.
#include "tests/qt/seeded_window.h"
#include "tests/qt/window_fixture.h"

namespace vr::qt::test {
namespace {

TEST(SeededWindow, DealsTheFirstBoardThePlayScriptExpects) {
    GameWindow w(kSeededWindowSeed);
    w.show();
    QApplication::processEvents();
    const WidgetModel& m = w.model();
    const GameState& g = w.game().state();
    auto picture = [&m](W cell) { return m.pictureName(m.readPicture(cell)); };

    w.click(m.id("novahra"));
    ASSERT_EQ(g.boardSize, 5);
    for (int y = 1; y <= 5; ++y) {
        for (int x = 1; x <= 5; ++x) {
            const W cell = g.cells(x, y);
            if (x == 3 && y == 5) {
                EXPECT_EQ(picture(cell), "pzed(0)") << "the inlet";
            } else if (x == 4 && y == 2) {
                EXPECT_EQ(picture(cell), "ventil(1)") << "the one valve, top to bottom";
                EXPECT_TRUE(g.board(x, y).isValve);
            } else {
                EXPECT_EQ(g.board(x, y).id, 255) << x << "," << y << " is empty";
                EXPECT_TRUE(m.clickable(cell)) << x << "," << y;
            }
        }
    }
    const char* offer[] = {"trubka(8)", "trubka(0)", "trubka(7)", "trubka(8)"};
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(picture(m.id("nabidka", i)), offer[i - 1]) << "slot " << i;

    // The script lays slot 3, the bends north-east and west-south, above the
    // inlet: the water turns west there and spills into the empty (2, 4).
    w.click(m.id("nabidka", 3));
    w.click(g.cells(3, 4));
    EXPECT_EQ(picture(g.cells(3, 4)), "trubka(7)");
    EXPECT_EQ(picture(m.id("nabidka", 3)), "trubka(2)") << "the slot refills with another piece";
    EXPECT_EQ(g.board(3, 4).dx(kFromBelow), -1);
    EXPECT_EQ(g.board(3, 4).dy(kFromBelow), 0);
}

}  // namespace
}  // namespace vr::qt::test
