// The mouse, the keyboard and the clock as the window hands them to the game.
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "tests/qt/window_fixture.h"

namespace vr::qt::test {
namespace {

using Input = WindowTest;

TEST_F(Input, ClickOnAButtonReachesTheGameOnReleaseInsideIt) {
    const QRect help = rectOf(id("help"));
    clickAt(help.center(), help.bottomRight() + QPoint(5, 5));
    EXPECT_FALSE(at(id("napfrm")).visible) << "a release outside the button cancels the click";
    QWidget* target = under(help.center());
    send(target, QEvent::MouseButtonPress, help.center());
    EXPECT_FALSE(at(id("napfrm")).visible) << "nothing happens on the press alone";
    send(target, QEvent::MouseButtonRelease, help.center());
    EXPECT_TRUE(at(id("napfrm")).visible);
    EXPECT_TRUE(win->view(id("napfrm"))->isVisible());
    EXPECT_FALSE(at(id("menufrm")).enabled);
}

TEST_F(Input, ClicksFollowTheGamesRuleNotQtsEnabledFlagsAndLabelsSwallowThem) {
    // "Pokračovat" before any game and the menu under the help screen take
    // no click, yet every Qt widget stays enabled: disabled pictures look the same.
    clickOn(id("pokracovat"));
    EXPECT_TRUE(at(id("menufrm")).visible);
    for (W w = 0; w < static_cast<W>(win->model().size()); ++w) {
        if (QWidget* v = win->view(w)) {
            EXPECT_TRUE(v->isEnabled()) << at(w).name;
            EXPECT_EQ(v->focusPolicy(), Qt::NoFocus) << at(w).name;
        }
    }
    clickOn(id("help"));
    const QRect quit = rectOf(id("ukoncit"));
    const QRect okay = rectOf(id("napok"));
    const QPoint beside = QPoint(quit.center().x(), quit.top() + 3);  // on "Quit to OS", above "Okay"
    ASSERT_FALSE(okay.contains(beside));
    clickAt(beside);
    EXPECT_FALSE(win->driver().stopped()) << "the menu under the help screen ignores clicks";
    clickOn(id("napok"));

    // Labels and frames swallow clicks.
    const std::uint64_t events = win->driver().eventCount();
    clickOn(id("nadpis", 0));
    clickAt(QPoint(158, 222));  // the bare menu panel
    clickAt(QPoint(300, 40));   // the bare window
    EXPECT_EQ(win->driver().eventCount(), events);
    EXPECT_TRUE(at(id("menufrm")).visible);
}

TEST_F(Input, SecondPressOfADoubleClickOnARevealedWidgetIsNoClick) {
    // "Okay" of the help screen lies over "Quit to OS": a double click there
    // closes the help screen and must not quit through the button it revealed.
    clickOn(id("help"));
    const QRect spot = rectOf(id("napok")).intersected(rectOf(id("ukoncit")));
    ASSERT_FALSE(spot.isEmpty());
    doubleClickAt(spot.center());
    EXPECT_FALSE(at(id("napfrm")).visible);
    EXPECT_TRUE(at(id("menufrm")).enabled);
    EXPECT_FALSE(win->driver().stopped());

    // "Pokračovat" over the board: a double click that resumes the game does
    // not lay a piece on the cell beneath.
    clickOn(id("novahra"));
    clickOn(id("nabidka", 1));
    clickOn(id("menu"));
    const QPoint resume = rectOf(id("pokracovat")).center();
    W beneath = kNoWidget;
    for (W cell : {win->game().state().cells(3, 3), win->game().state().cells(3, 2), win->game().state().cells(2, 3)}) {
        if (rectOf(cell).contains(resume)) beneath = cell;
    }
    ASSERT_NE(beneath, kNoWidget);
    const Widget cellBefore = at(beneath);
    doubleClickAt(resume);
    EXPECT_FALSE(at(id("menufrm")).visible);
    EXPECT_EQ(at(beneath).picture, cellBefore.picture) << "no piece laid on the cell under the button";
    EXPECT_EQ(at(beneath).tag, cellBefore.tag);
}

TEST_F(Input, QuickRepeatedClicksOnOneWidgetCountTwice) {
    // A double click on 3 of the credit line is two clicks on 3: no credits.
    const auto sequence = [this](bool doubleFirst) {
        const QPoint three = rectOf(id("dsel", 3)).center();
        doubleFirst ? doubleClickAt(three) : clickAt(three);
        for (int i : {1, 4, 0, 2}) clickOn(id("dsel", i));
    };
    sequence(true);
    EXPECT_FALSE(at(id("dframe")).visible);
    sequence(false);
    EXPECT_TRUE(at(id("dframe")).visible);
    clickOn(id("Image1"));
    EXPECT_FALSE(at(id("dframe")).visible);
}

TEST_F(Input, KeyboardDoesNothing) {
    for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab}) {
        for (QWidget* target : {static_cast<QWidget*>(win.get()), win->view(id("novahra"))}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QApplication::sendEvent(target, &press);
            QApplication::sendEvent(target, &release);
        }
    }
    EXPECT_TRUE(at(id("menufrm")).visible);
    EXPECT_EQ(win->game().state().level, 0);
    EXPECT_TRUE(win->isVisible());
}

TEST_F(Input, HelpTextScrollsInItsBox) {
    clickOn(id("help"));
    auto* box = qobject_cast<QPlainTextEdit*>(win->view(id("naptext")));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_TRUE(box->verticalScrollBar()->isVisible());
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0) << "the help text is longer than its box";
    EXPECT_TRUE(box->toPlainText().contains(QStringLiteral("Jednoho krásného, hřejivého rána")));
    EXPECT_FALSE(box->toPlainText().contains(QChar('\r')));
}

TEST_F(Input, TimersRunOnTheWindowsClock) {
    clickOn(id("novahra"));
    ASSERT_EQ(at(id("countdown")).caption, "20");
    runFor(1250);
    EXPECT_EQ(at(id("countdown")).caption, "19");
    EXPECT_FALSE(at(id("text")).caption.empty());
    EXPECT_GT(count(shot(), rectOf(id("text")), 0x000080), 10) << "the ticker's dark-blue letters";
    const std::int64_t lag = win->clock() - win->model().now();
    EXPECT_GE(lag, 0);
    EXPECT_LT(lag, 1000);
}

}  // namespace
}  // namespace vr::qt::test
