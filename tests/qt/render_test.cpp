// What the player sees in the window: the start screen and what lies on top, the board after a deal, and a 30 x 30
// board, every cell framed or pictured at its place, drawn in good time.
#include <QElapsedTimer>

#include <set>

#include "design/inventory.h"
#include "tests/qt/window_fixture.h"

namespace vr::qt::test {
namespace {

using Render = WindowTest;

TEST_F(Render, StartScreenShowsTheMenuThePanelTheBarsAndTheEmptyBoard) {
    const QImage img = shot();
    ASSERT_EQ(img.size(), QSize(800, 600));  // for a look by eye: `make screenshots`

    EXPECT_TRUE(is(img, {300, 40}, kBack)) << "the board area above the menu";
    EXPECT_TRUE(is(img, {158, 222}, kPanel)) << "the menu panel between its divider and the first button";
    EXPECT_TRUE(is(img, {rectOf(id("novahra")).left() + 6, rectOf(id("novahra")).center().y()}, kButton));
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(countOther(img, rectOf(id("nabidka", i)), kBack), 0) << "empty slot " << i;

    // The title: black letters over their light-grey copy one pixel higher.
    const QRect title = rectOf(id("nadpis", 0));
    EXPECT_GT(count(img, title, 0x000000), 200);
    EXPECT_GT(count(img, title, 0xc0c0c0), 30);
    EXPECT_GT(count(img, rectOf(id("nadpis", 1)), 0x000000), 20) << "the credit line";
    // The black title lies over its copy, the credit line's click targets over the line. (The help screen over the
    // menu: the real window's test; the menu over the board: Input; the countdown over the level read-out: below.)
    EXPECT_EQ(win->childAt(rectOf(id("nadpis", 0)).center()), win->view(id("nadpis", 0)));
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(win->childAt(rectOf(id("dsel", i)).center()), win->view(id("dsel", i)));

    // The read-outs: "Level:" "0", "5" "Životů", in light blue.
    for (const char* n : {"Label1", "levnum", "lzivotu", "Label2"}) {
        EXPECT_GT(count(img, rectOf(id(n)), 0x91bbfb), 20) << n;
    }
    EXPECT_EQ(count(img, rectOf(id("countdown")), 0x00c000), 0) << "the countdown is hidden";

    // "Pokračovat" takes no click yet and shows its caption engraved, not in the button text colour of "Nová Hra".
    const std::uint32_t text = QApplication::palette().color(QPalette::ButtonText).rgb() & 0xffffff;
    EXPECT_GT(count(img, rectOf(id("novahra")), text), 20);
    EXPECT_EQ(count(img, rectOf(id("pokracovat")), text), 0);

    // The bars and the panel's pictures: the Scaled group, at this scale too.
}

TEST_F(Render, NewGameShowsTheBoardWithoutRebuildingTheWindow) {
    std::vector<QWidget*> before;
    for (W w = 0; w < static_cast<W>(win->model().size()); ++w) before.push_back(win->view(w));
    const QImage start = shot();

    ASSERT_TRUE(win->click(id("novahra")));
    const QImage img = shot();

    for (W w = 0; w < static_cast<W>(before.size()); ++w) EXPECT_EQ(win->view(w), before[w]) << at(w).name;
    const Main& game = win->game();
    EXPECT_FALSE(is(img, {158, 222}, kPanel)) << "the menu is gone";
    EXPECT_FALSE(is(start, rectOf(game.state().cells(1, 1)).topLeft(), 0x000000));
    for (int i = 1; i <= 4; ++i) EXPECT_GT(countOther(img, rectOf(id("nabidka", i)), kBack), 1000) << "a pipe in " << i;
    EXPECT_GT(count(img, rectOf(id("countdown")), 0x00c000), 100) << "the countdown over the level read-out";
}

TEST_F(Render, ThirtyByThirtyBoardIsDealtAndDrawnQuickly) {
    ASSERT_TRUE(win->click(id("novahra")));
    Main& game = win->game();
    const auto deal = [&] {
        QElapsedTimer t;
        t.start();
        game.EnterLevel(100, 5);
        win->applyChanges();
        win->repaint();
        return t.elapsed();
    };
    const qint64 first = deal();
    const qint64 again = deal();
    EXPECT_LT(first, 3000);
    EXPECT_LT(again, 1500);

    ASSERT_EQ(game.state().boardSize, 30);
    const QImage img = shot();
    int framed = 0, pictured = 0;
    for (int y = 1; y <= 30; ++y) {
        for (int x = 1; x <= 30; ++x) {
            const W cell = game.state().cells(x, y);
            const QRect r = rectOf(cell);
            ASSERT_EQ(r, QRect(at(cell).left, at(cell).top, 16, 16));
            if (at(cell).borderStyle == 1) {
                framed += is(img, r.topLeft(), 0x000000) && is(img, r.bottomRight(), 0x000000) ? 1 : 0;
            } else {
                pictured += countOther(img, r, kBack) > 16 ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(framed + pictured, 900);
    EXPECT_GE(pictured, 2) << "the inlet and at least one valve";
    // One scaled copy per picture and size, not one per cell.
    EXPECT_LT(win->pictures().cachedCount(), 80u);
}

TEST_F(Render, MissingPictureShowsNothingAndTheGameGoesOn) {
    WidgetModel& m = win->model();
    const W slot = id("nabidka", 1);
    m.setPicture(slot, m.picture("nosuchpicture(7)"));
    win->applyChanges();
    const QImage img = shot();
    EXPECT_EQ(countOther(img, rectOf(slot), kBack), 0);
    EXPECT_TRUE(win->click(id("novahra")));
}

}  // namespace
}  // namespace vr::qt::test
