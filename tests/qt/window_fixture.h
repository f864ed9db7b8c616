// The real window, drawn offscreen: a fixture that opens it with a fixed deal, reads its pixels and plays the mouse
// as Qt delivers a player's.
#pragma once

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "qt/game_window.h"

namespace vr::qt::test {

constexpr std::uint32_t kBack = 0x63461f;
constexpr std::uint32_t kPanel = 0x755324;
constexpr std::uint32_t kButton = 0x996c2f;
constexpr std::initializer_list<std::uint32_t> kBarShades = {0x745223, 0x865f28, 0x986b2e, 0xa97734, 0x64461e};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        win = std::make_unique<GameWindow>(20260u);
        win->show();
        QApplication::processEvents();
    }

    W id(const std::string& name, int index = -1) const {
        return index < 0 ? win->model().id(name) : win->model().id(name, index);
    }
    const Widget& at(W w) const { return win->model().at(w); }
    QImage shot() const { return win->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // Where a widget lies in the window's client area.
    QRect rectOf(W w) const { return QRect(win->view(w)->mapTo(win.get(), QPoint(0, 0)), win->view(w)->size()); }

    // Whether the pixel has the colour #rrggbb of the design tables.
    static bool is(const QImage& img, QPoint p, std::uint32_t rrggbb) { return (img.pixel(p) & 0xffffff) == rrggbb; }
    static int count(const QImage& img, const QRect& r, std::uint32_t rrggbb) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) n += is(img, {x, y}, rrggbb) ? 1 : 0;
        }
        return n;
    }
    static int countOther(const QImage& img, const QRect& r, std::uint32_t rrggbb) {
        return r.width() * r.height() - count(img, r, rrggbb);
    }
    static bool isBar(const QImage& img, QPoint p) {
        for (std::uint32_t shade : kBarShades) {
            if (is(img, p, shade)) return true;
        }
        return false;
    }

    // The mouse as Qt delivers it: to the topmost widget under the pointer, the release to the widget that took the
    // press.
    void send(QWidget* target, QEvent::Type type, QPoint windowPoint) {
        const QPoint local = target->mapFrom(win.get(), windowPoint);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, QPointF(local), QPointF(target->mapToGlobal(local)), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }
    QWidget* under(QPoint p) { return win->childAt(p) ? win->childAt(p) : win.get(); }
    void clickAt(QPoint p, QPoint releaseAt) {
        QWidget* target = under(p);
        send(target, QEvent::MouseButtonPress, p);
        send(target, QEvent::MouseButtonRelease, releaseAt);
    }
    void clickAt(QPoint p) { clickAt(p, p); }
    void clickOn(W w) { clickAt(rectOf(w).center()); }
    // A double click: Qt sends the second press as a double-click event, to whatever lies under the pointer once
    // the first click is over.
    void doubleClickAt(QPoint p) {
        clickAt(p);
        QWidget* second = under(p);
        send(second, QEvent::MouseButtonDblClick, p);
        send(second, QEvent::MouseButtonRelease, p);
    }

    std::unique_ptr<GameWindow> win;
};

}  // namespace vr::qt::test
