// The decorative 3-D bars that frame the board, the side panel and every
// panel: junction pieces (corners, T-junctions, the crossing) and the
// one-pixel slices stretched between them.
#pragma once

#include <string>
#include <vector>

namespace vr {

constexpr int kBarThickness = 15;

struct Bar {
    std::string piece;             // picture name: "lajna-nw", "lajna-tee-s", "lajna-h", ...
    int left, top, width, height;  // pixels in the container
};

// A straight bar from one junction to another, all in pixels: for a
// horizontal bar `at` is its top and from..to the lefts of its end pieces.
// A bar that runs through lies as one slice under the pieces on its way.
struct BarLine {
    bool horizontal;
    int at, from, to;
    bool through;
};

// The pieces for a set of bars: junction pieces first (they lie on top).
std::vector<Bar> LayBars(const std::vector<BarLine>& lines);

// The window's bars: its border, the board's frame, the side panel's dividers.
std::vector<Bar> WindowBars();
// A panel's border of width x height pixels, with a divider at `dividerTop` (or none: -1).
std::vector<Bar> FrameBars(int width, int height, int dividerTop);

}  // namespace vr
