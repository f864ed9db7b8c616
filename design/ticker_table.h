// The steps of the advertisement line along the bottom of the window: each
// tick clears the line or adds one piece of it, and may change the pace.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vr {

struct TickerStep {
    bool clear = false;  // the first step empties the line
    std::string append;  // otherwise the piece added to the line
    int interval = 0;    // the new pace in ms; 0 keeps the pace
};

// The cycle for an address like www.name.cz: the address typed at its pace
// (slow over the name between the dots), a pause, the separator, the slogan
// at an even pace, then the whole line held for five seconds.
std::vector<TickerStep> BuildTicker(std::string_view address, std::string_view separator, std::string_view slogan);

// The shipped cycle, for the magazine's own address.
const std::vector<TickerStep>& TickerSteps();

// How long one cycle lasts, in ms.
int TickerCycleMs(const std::vector<TickerStep>& steps);

}  // namespace vr
