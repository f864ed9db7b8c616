#include "design/keys.h"

#include <initializer_list>

namespace vr {

namespace {

void Group(const WidgetModel& m, KeyScreen& s, std::initializer_list<const char*> names) {
    FocusGroup& g = s.groups.emplace_back();
    for (const char* name : names) g.members.push_back(m.id(name));
}

// The first of the widgets that takes a click.
W FirstOf(const WidgetModel& m, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (m.clickable(m.id(name))) return m.id(name);
    }
    return kNoWidget;
}

void Press(KeyScreen& s, Key k, W w) { s.presses[static_cast<std::size_t>(k)] = w; }

}  // namespace

void PlanKeys(const WidgetModel& m, KeyScreen& s) {
    // The panels over the board, topmost first: the keys work in the one on top.
    if (m.isVisible(m.id("interfrm"))) {
        Group(m, s, {"inter1", "inter2", "interok"});
        s.start = FirstOf(m, {"inter1", "interok"});
        return;
    }
    if (m.isVisible(m.id("napfrm"))) {
        Group(m, s, {"napok"});
        s.start = m.id("napok");
        Press(s, Key::Escape, s.start);
        return;
    }
    if (m.isVisible(m.id("dframe"))) {
        Group(m, s, {"Image1"});
        s.start = m.id("Image1");
        Press(s, Key::Escape, s.start);
        return;
    }
    if (m.isVisible(m.id("menufrm"))) {
        Group(m, s, {"novahra", "pokracovat", "help", "ukoncit"});
        Group(m, s, {"ZKbaner"});
        // A paused game starts on "Pokračovat": Enter goes back to it rather
        // than throwing it away for a new one.
        s.start = FirstOf(m, {"pokracovat", "novahra"});
        Press(s, Key::Escape, m.id("pokracovat"));
        return;
    }
    // In play: the board's cursor, the offer, the menu button.
    FocusGroup& board = s.groups.emplace_back();
    board.oneStop = true;
    for (W cell : m.members("pole")) {
        if (cell != kNoWidget && m.isVisible(cell)) board.members.push_back(cell);
    }
    FocusGroup& offer = s.groups.emplace_back();
    for (int i = 1; i <= 4; ++i) {
        offer.members.push_back(m.id("nabidka", i));
        Press(s, static_cast<Key>(static_cast<int>(Key::Digit1) + i - 1), m.id("nabidka", i));
    }
    Group(m, s, {"menu"});
    s.start = m.cursor() != kNoWidget && m.shown(m.cursor()) ? m.cursor() : kNoWidget;
    Press(s, Key::Escape, m.id("menu"));
    Press(s, Key::P, m.id("menu"));
}

}  // namespace vr
