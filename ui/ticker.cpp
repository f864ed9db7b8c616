#include "design/ticker_table.h"
#include "game/main_form.h"

namespace vr {

void Main::texttimer_Timer() {
    const auto& steps = TickerSteps();
    const TickerStep& row = steps[static_cast<std::size_t>(textStep)];
    if (row.clear) {
        m_.setCaption(w_.text, "");
    } else {
        m_.setCaption(w_.text, m_.caption(w_.text) + row.append);
    }
    if (row.interval != 0) m_.setInterval(w_.texttimer, row.interval);
    textStep = static_cast<Integer>((textStep + 1) % static_cast<int>(steps.size()));
}

}  // namespace vr
