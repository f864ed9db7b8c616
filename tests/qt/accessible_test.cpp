// The window as assistive technology reads it through Qt's accessibility interfaces: roles, names and states taken
// from the game's widgets, and a press that is the player's click.
#include <QAccessible>

#include <vector>

#include "design/fixed_texts.h"
#include "tests/qt/window_fixture.h"

namespace vr::qt::test {
namespace {

class Accessible : public WindowTest {
protected:
    static QString name(QAccessibleInterface* i) { return i->text(QAccessible::Name); }
    QAccessibleInterface* of(W w) const { return QAccessible::queryAccessibleInterface(win->view(w)); }
    void press(W w) const { of(w)->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); }
};

TEST_F(Accessible, TreeHoldsWhatTheWindowShowsWithoutDecoration) {
    std::vector<QAccessibleInterface*> todo{QAccessible::queryAccessibleInterface(win.get())};
    int objects = 0, unnamed = 0;
    while (!todo.empty()) {
        QAccessibleInterface* node = todo.back();
        todo.pop_back();
        for (int i = 0; i < node->childCount(); ++i, ++objects) {
            QAccessibleInterface* c = node->child(i);
            ASSERT_TRUE(c && c->parent() == node && node->indexOfChild(c) == i) << name(node).toStdString() << i;
            EXPECT_NE(c->role(), QAccessible::Client) << "no unknown filler";
            unnamed += !c->state().invisible && name(c).isEmpty() ? 1 : 0;
            todo.push_back(c);
        }
    }
    EXPECT_LT(objects, 40) << "no bars, click targets over the credit line or template pictures";
    EXPECT_LE(unnamed, 1) << "only the ticker, before it has typed its line";
    EXPECT_TRUE(of(id("pokracovat"))->state().disabled);
    press(id("pokracovat"));
    EXPECT_TRUE(at(id("menufrm")).visible) << "a press where the game takes no click does nothing";

    press(id("help"));
    QAccessibleInterface* help = of(id("naptext"));
    ASSERT_NE(help, nullptr) << "the help text, on screen for the first time";
    EXPECT_EQ(help->parent(), of(id("napfrm")));
    EXPECT_EQ(name(help), "Intro aneb Malá Nápověda");
    EXPECT_EQ(help->textInterface()->text(0, -1),
              QString::fromStdString(FixedText("naptext")).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_TRUE(of(id("novahra"))->state().disabled) << "the menu under the help screen";
}

}  // namespace
}  // namespace vr::qt::test
