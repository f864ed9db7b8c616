#include <string>

#include "design/rules.h"
#include "game/main_form.h"

namespace vr {

namespace {

// The choice screens carry their number in the buttons' Tags.
bool IsChoice(const std::string& tag) { return tag == "1" || tag == "3" || tag == "5" || tag == "7"; }

}  // namespace

void Main::inter1_Click() {
    const std::string tag = m_.tag(w_.inter1);
    if (!IsChoice(tag)) return;
    const int n = std::stoi(tag);
    m_.show(m_.id("intertext", 100 * n + 1), true);
    m_.show(m_.id("intertext", n), false);
    m_.setTag(w_.interok, std::to_string(100 * n + 1));
    m_.show(w_.inter1, false);
    m_.show(w_.inter2, false);
    m_.show(w_.interok, true);
    switch (n) {
        case 1: level = 7; break;                                   // back to the pipes of level 7
        case 3: m_.setInterval(w_.tok, rules::kSlowFlowMs); break;  // the water slows down
        case 5: lives = static_cast<Byte>(lives + 5); break;        // the energy drink
        case 7: level = static_cast<Byte>(level + 8); break;        // the repairmen build for you
        default: break;
    }
}

void Main::inter2_Click() {
    const std::string tag = m_.tag(w_.inter2);
    if (!IsChoice(tag)) return;
    m_.show(w_.inter1, false);
    m_.show(w_.inter2, false);
    m_.show(m_.id("intertext", std::stoi(tag)), false);
    EndIntermezzo();
}

void Main::interok_Click() {
    const int shown = std::stoi(m_.tag(w_.interok));
    m_.show(m_.id("intertext", shown), false);
    m_.show(w_.interok, false);
    if (shown == rules::kOutroScreen) {
        EndOutro();
        return;
    }
    EndIntermezzo();
}

}  // namespace vr
