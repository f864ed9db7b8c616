// The mouse as the window hands it to the game (no widget takes the keyboard's focus; the real window's tests time
// the game's clock).
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "tests/qt/window_fixture.h"

namespace vr::qt::test {
namespace {

using Input = WindowTest;

// A click reaches the game on a release inside the widget that took the press, and only where the game's rule lets
// it: every Qt widget stays enabled (a disabled picture looks the same), and labels and frames swallow clicks.
TEST_F(Input, ClicksReachTheGameOnReleaseInsideAndFollowTheGamesRule) {
    const QRect help = rectOf(id("help"));
    clickAt(help.center(), help.bottomRight() + QPoint(5, 5));
    EXPECT_FALSE(at(id("napfrm")).visible) << "a release outside the button cancels the click";
    QWidget* target = under(help.center());
    send(target, QEvent::MouseButtonPress, help.center());
    EXPECT_FALSE(at(id("napfrm")).visible) << "nothing happens on the press alone";
    send(target, QEvent::MouseButtonRelease, help.center());
    EXPECT_TRUE(at(id("napfrm")).visible && win->view(id("napfrm"))->isVisible());
    for (W w = 0; w < static_cast<W>(win->model().size()); ++w) {
        const QWidget* v = win->view(w);
        EXPECT_TRUE(!v || (v->isEnabled() && v->focusPolicy() == Qt::NoFocus)) << at(w).name;
    }
    const QPoint quit(rectOf(id("ukoncit")).center().x(), rectOf(id("ukoncit")).top() + 3);  // above "Okay"
    ASSERT_FALSE(rectOf(id("napok")).contains(quit));
    clickAt(quit);
    EXPECT_FALSE(win->driver().stopped()) << "the menu under the help screen ignores clicks";
    clickOn(id("napok"));
    clickOn(id("pokracovat"));  // no game to continue yet
    const std::uint64_t events = win->driver().eventCount();
    for (QPoint p : {rectOf(id("nadpis", 0)).center(), QPoint(158, 222), QPoint(300, 40)}) clickAt(p);  // label, frames
    EXPECT_EQ(win->driver().eventCount(), events);
    EXPECT_TRUE(at(id("menufrm")).visible);
}

// The second press of a double click on a widget the first click revealed is no click: "Pokračovat" over the board
// lays no piece on the cell beneath ("Okay" of the help screen over "Quit to OS": the real window's test).
TEST_F(Input, SecondPressOfADoubleClickOnARevealedWidgetIsNoClick) {
    clickOn(id("novahra"));
    clickOn(id("nabidka", 1));
    clickOn(id("menu"));
    const QPoint resume = rectOf(id("pokracovat")).center();
    const auto& s = win->game().state();
    W beneath = kNoWidget;
    for (W cell : {s.cells(3, 3), s.cells(3, 2), s.cells(2, 3)}) {
        if (rectOf(cell).contains(resume)) beneath = cell;
    }
    ASSERT_NE(beneath, kNoWidget);
    const Widget before = at(beneath);
    doubleClickAt(resume);
    EXPECT_FALSE(at(id("menufrm")).visible);
    EXPECT_EQ(std::pair(at(beneath).picture, at(beneath).tag), std::pair(before.picture, before.tag))
        << "a piece laid under the button";
}

// Quick repeated clicks on one widget count twice: a double click on 3 of the credit line, then 1, 4, 0, 2, shows
// no credits.
TEST_F(Input, QuickRepeatedClicksOnOneWidgetCountTwice) {
    for (bool twice : {true, false}) {
        twice ? doubleClickAt(rectOf(id("dsel", 3)).center()) : clickOn(id("dsel", 3));
        for (int i : {1, 4, 0, 2}) clickOn(id("dsel", i));
        EXPECT_EQ(at(id("dframe")).visible, !twice);
    }
}

TEST_F(Input, HelpTextScrollsInItsBox) {
    clickOn(id("help"));
    auto* box = qobject_cast<QPlainTextEdit*>(win->view(id("naptext")));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly() && box->verticalScrollBar()->isVisible());
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0) << "the help text is longer than its box";
    QKeyEvent page(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QApplication::sendEvent(win.get(), &page);
    EXPECT_GT(box->verticalScrollBar()->value(), 0) << "Page Down scrolls it";
    EXPECT_TRUE(box->toPlainText().contains(QStringLiteral("Jednoho krásného, hřejivého rána")));
    EXPECT_FALSE(box->toPlainText().contains(QChar('\r')));
}

}  // namespace
}  // namespace vr::qt::test
