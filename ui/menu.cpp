#include "game/main_form.h"

namespace vr {

void Main::menu_Click() {
    if (m_.isEnabled(w_.countdowntimer)) {
        m_.enable(w_.countdowntimer, false);
        m_.setTag(w_.countdowntimer, kCountdownPaused);
    } else {
        m_.enable(w_.tok, false);
    }
    RaiseMenu();
}

void Main::RaiseMenu() {
    EnableBoard(false);
    m_.enable(w_.ZKbaner, true);
    m_.show(w_.menufrm, true);
}

void Main::EnableBoard(bool enabled) {
    for (int i = 1; i <= 4; ++i) m_.enable(w_.nabidka[i], enabled);
    for (W cell : pole_) m_.enable(cell, enabled);
}

void Main::pokracovat_Click() {
    m_.show(w_.menufrm, false);
    m_.enable(w_.ZKbaner, false);
    if (m_.tag(w_.countdowntimer) != kCountdownPaused) {
        m_.enable(w_.tok, true);
    } else {
        m_.enable(w_.countdowntimer, true);
        m_.setTag(w_.countdowntimer, "");
    }
    for (int i = 1; i <= 4; ++i) m_.enable(w_.nabidka[i], true);
    for (W cell : pole_) {
        if (m_.tag(cell) != kHeld) m_.enable(cell, true);
    }
}

void Main::help_Click() {
    m_.show(w_.napfrm, true);
    m_.enable(w_.menufrm, false);
}

void Main::napok_Click() {
    m_.show(w_.napfrm, false);
    m_.enable(w_.menufrm, true);
}

void Main::ukoncit_Click() { platform_.quit(); }

void Main::dsel_Click(Integer Index) {
    // The secret sequence on the credit line: 3, 1, 4, 0, 2.
    switch (Index) {
        case 3: dselStep = dselStep == 0 ? 1 : 0; break;
        case 1: dselStep = dselStep == 1 ? 2 : 0; break;
        case 4: dselStep = dselStep == 2 ? 3 : 0; break;
        case 0: dselStep = dselStep == 3 ? 4 : 0; break;
        case 2:
            if (dselStep == 4) m_.show(w_.dframe, true);
            dselStep = 0;
            break;
        default: break;
    }
}

void Main::Image1_Click() { m_.show(w_.dframe, false); }

}  // namespace vr
