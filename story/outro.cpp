#include <string>

#include "design/rules.h"
#include "game/main_form.h"

namespace vr {

void Main::ShowOutro() {
    HoldForStory();
    m_.setCaption(w_.nadpis5, "Outro aneb Výborná kachna");
    m_.show(m_.id("intertext", rules::kOutroScreen), true);
    m_.show(w_.interok, true);
    m_.setTag(w_.interok, std::to_string(rules::kOutroScreen));
    m_.show(w_.interfrm, true);
}

// Okay on the outro: the game is won and over; the menu comes up as after a
// lost game.
void Main::EndOutro() {
    m_.show(w_.interfrm, false);
    m_.enable(w_.menu, true);
    m_.enable(w_.pokracovat, false);
    RaiseMenu();
}

}  // namespace vr
