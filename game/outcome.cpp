#include "design/rules.h"
#include "game/main_form.h"

namespace vr {

void Main::Spill() {
    lives = static_cast<Byte>(lives - 1);
    if (lives != 0) {
        StartLevel();
        return;
    }
    // Game over: the board stays on screen with its water, under the menu.
    m_.enable(w_.pokracovat, false);
    m_.enable(w_.tok, false);
    RaiseMenu();
}

void Main::WinLevel() {
    level = static_cast<Byte>(level + 1);
    if (rules::WinsALife(level)) {
        lives = static_cast<Byte>(lives + 1);
        m_.setTag(w_.countdowntimer, "");
        m_.enable(w_.tok, false);
        ShowIntermezzo(static_cast<Byte>(rules::ScreenAfter(level)));
    } else if (level == rules::kLastLevel + 1) {
        m_.enable(w_.tok, false);
        ShowOutro();
    } else {
        StartLevel();
    }
}

}  // namespace vr
