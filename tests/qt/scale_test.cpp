// The window on a denser screen, at whatever scale the screen has (CTest runs this group again at 1.25, 1.5, 1.75
// and 2 device pixels to a pixel): the bars meet without a seam, every line of the design is whole device pixels
// wide, the board keeps its edge lines, at twice the density the pictures are their copies drawn at twice the size,
// and the keyboard's focus mark lies on whole device pixels at the edge of what it marks.
#include <QImage>
#include <QKeyEvent>

#include <cmath>

#include "qt/pictures.h"
#include "tests/qt/window_fixture.h"

namespace vr::qt::test {
namespace {

class Scaled : public WindowTest {
protected:
    qreal ratio() const { return win->devicePixelRatioF(); }
    int edge(int px) const { return static_cast<int>(std::lround(px * ratio())); }
    // The device pixels of a rectangle of the window.
    QRect device(const QRect& r) const {
        return QRect(QPoint(edge(r.left()), edge(r.top())), QPoint(edge(r.right() + 1) - 1, edge(r.bottom() + 1) - 1));
    }
    QRect device(W w) const { return device(rectOf(w)); }
    // A line one pixel wide in the design.
    int line() const { return std::max(1, edge(1)); }
    // Every pixel of a `line()` wide frame just inside `r` is black.
    bool framed(const QImage& img, const QRect& r) const {
        const int t = line();
        for (const QRect& side :
             {QRect(r.left(), r.top(), r.width(), t), QRect(r.left(), r.bottom() - t + 1, r.width(), t),
              QRect(r.left(), r.top(), t, r.height()), QRect(r.right() - t + 1, r.top(), t, r.height())}) {
            if (count(img, side, 0x000000) != side.width() * side.height()) return false;
        }
        return true;
    }
    // The copy at twice the size of the picture a widget shows.
    QImage twice(W w) const {
        return QImage(PictureFile(win->model().pictureName(at(w).picture), true)).convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(Scaled, BarsMeetWithoutSeamsAndThePanelPicturesFillTheirPixels) {
    const QImage img = shot();
    ASSERT_EQ(img.size(), QSize(edge(800), edge(600)));
    int bars = 0;
    for (int i = 0; win->model().exists("lajny", i); ++i) {
        const W bar = id("lajny", i);
        if (!win->model().shown(bar)) continue;
        ++bars;
        const QRect r = device(bar);
        int other = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) other += isBar(img, {x, y}) ? 0 : 1;
        }
        EXPECT_EQ(other, 0) << "bar " << i << " at " << ratio() << "x";
    }
    EXPECT_GT(bars, 20);
    for (const char* name : {"menu", "ZKbaner"}) {
        EXPECT_EQ(count(img, device(id(name)), kBack), 0) << name;
        if (ratio() == 2) {
            EXPECT_EQ(img.copy(device(id(name))), twice(id(name))) << name << " is its 2x picture";
        }
    }
}

TEST_F(Scaled, TheBoardsEdgeLinesTheSlotsFrameAndTheTilesFillTheirPixels) {
    ASSERT_TRUE(win->click(id("novahra")));
    ASSERT_TRUE(win->click(id("nabidka", 1)));
    const QImage img = shot();
    const GameState& game = win->game().state();
    // Level 1 has no valve in its first and last column nor in its first row: the frames of those empty cells are
    // the board's edge lines.
    for (int y = 1; y <= 5; ++y) {
        for (int x = 1; x <= 5; ++x) {
            if (at(game.cells(x, y)).borderStyle == 1) {
                EXPECT_TRUE(framed(img, device(game.cells(x, y)))) << x << "," << y << " at " << ratio() << "x";
            }
        }
    }
    EXPECT_TRUE(framed(img, device(id("nabidka", 1)))) << "the selected slot";

    // The inlet's brick strip runs across its cell's every pixel, down to the last row.
    const QRect inlet = device(game.cells(3, 5));
    EXPECT_EQ(count(img, QRect(inlet.left(), inlet.bottom(), inlet.width(), 1), kBack), 0);
    EXPECT_EQ(count(img, QRect(inlet.left(), inlet.bottom() - edge(10), 1, edge(10)), kBack), 0);
    EXPECT_EQ(count(img, QRect(inlet.right(), inlet.bottom() - edge(10), 1, edge(10)), kBack), 0);
    if (ratio() == 2) {
        EXPECT_EQ(img.copy(inlet), twice(game.cells(3, 5))) << "the inlet is its 2x picture";
        EXPECT_EQ(img.copy(device(id("nabidka", 2))), twice(id("nabidka", 2))) << "an offered piece is its 2x picture";
    }
}

// The mark shows once a key is pressed: a light ring two pixels wide and a black line inside it, over the edge of
// the focused widget only; the next key moves it and the old place is as it was; a mouse press hides it, and the
// marked places are then pixel for pixel as the mouse left them.
TEST_F(Scaled, TheFocusMarkRingsTheFocusedWidgetOnWholeDevicePixelsUntilTheMouse) {
    ASSERT_TRUE(win->click(id("novahra")));
    const QImage before = shot();
    const auto press = [&](Qt::Key k) {
        QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(win.get(), &e);
    };
    const auto ringed = [&](const QImage& img, W w) {
        const QRect r = device(w);
        const int light = std::max(1, edge(2));
        const QRect inner = r.adjusted(light, light, -light, -light);
        const QRect rest = inner.adjusted(line(), line(), -line(), -line());
        return count(img, r, 0xfff3a0) == r.width() * r.height() - inner.width() * inner.height() &&
               framed(img, inner) && img.copy(rest) == before.copy(rest);
    };
    const W cell = win->game().state().cells(3, 4), slot = id("nabidka", 1);
    press(Qt::Key_Right);  // the first key shows the cursor where the deal put it
    QImage img = shot();
    EXPECT_TRUE(ringed(img, cell)) << ratio() << "x";
    EXPECT_EQ(count(img, img.rect(), 0xfff3a0), count(img, device(cell), 0xfff3a0)) << "one mark only";
    press(Qt::Key_Tab);  // Tab is the game's, not Qt's
    img = shot();
    EXPECT_TRUE(ringed(img, slot)) << ratio() << "x";
    EXPECT_EQ(img.copy(device(cell)), before.copy(device(cell)));
    clickAt(rectOf(id("Label1")).center());
    img = shot();  // the ticker may have typed on meanwhile: only the marked places are compared
    EXPECT_EQ(count(img, img.rect(), 0xfff3a0), 0) << "a click hides the mark";
    EXPECT_EQ(img.copy(device(slot)), before.copy(device(slot)));
}

}  // namespace
}  // namespace vr::qt::test
