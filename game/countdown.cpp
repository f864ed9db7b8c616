#include <string>

#include "design/rules.h"
#include "game/main_form.h"

namespace vr {

void Main::countdowntimer_Timer() {
    // The count lives only in the label's caption.
    const int v = std::stoi(m_.caption(w_.countdown));
    if (v == 0) {
        m_.show(w_.countdown, false);
        m_.setTextColor(w_.countdown, rules::kCountdownGreen);
        m_.enable(w_.countdowntimer, false);
        m_.enable(w_.tok, true);
        return;
    }
    m_.setCaption(w_.countdown, std::to_string(v - 1));
    if (std::stoi(m_.caption(w_.countdown)) <= rules::kCountdownRedFrom) {
        m_.setTextColor(w_.countdown, rules::kCountdownRed);
    }
}

}  // namespace vr
