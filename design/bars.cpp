#include "design/bars.h"

#include <algorithm>
#include <set>
#include <utility>

namespace vr {

namespace {

bool OnLine(const BarLine& l, int x, int y) {
    return l.horizontal ? (y == l.at && x >= l.from && x <= l.to) : (x == l.at && y >= l.from && y <= l.to);
}

const char* PieceFor(bool n, bool e, bool s, bool w) {
    const int arms = (n ? 1 : 0) | (e ? 2 : 0) | (s ? 4 : 0) | (w ? 8 : 0);
    switch (arms) {
        case 2 | 4: return "lajna-nw";
        case 8 | 4: return "lajna-ne";
        case 1 | 2: return "lajna-sw";
        case 1 | 8: return "lajna-se";
        case 2 | 4 | 8: return "lajna-tee-s";
        case 1 | 2 | 4: return "lajna-tee-e";
        case 1 | 4 | 8: return "lajna-tee-w";
        case 1 | 2 | 8: return "lajna-tee-n";
        case 15: return "lajna-cross";
        case 2 | 8: return "lajna-h";
        default: return "lajna-v";
    }
}

}  // namespace

std::vector<Bar> LayBars(const std::vector<BarLine>& lines) {
    // Junctions: the ends of every bar and the points where two bars meet.
    std::set<std::pair<int, int>> points;  // (y, x), so pieces come row by row
    for (const BarLine& l : lines) {
        for (int p : {l.from, l.to}) points.insert(l.horizontal ? std::pair{l.at, p} : std::pair{p, l.at});
        for (const BarLine& o : lines) {
            if (o.horizontal == l.horizontal) continue;
            const int x = l.horizontal ? o.at : l.at, y = l.horizontal ? l.at : o.at;
            if (OnLine(l, x, y) && OnLine(o, x, y)) points.insert({y, x});
        }
    }
    std::vector<Bar> out;
    for (auto [y, x] : points) {
        bool n = false, e = false, s = false, w = false;
        for (const BarLine& l : lines) {
            if (!OnLine(l, x, y)) continue;
            const int p = l.horizontal ? x : y;
            if (l.horizontal) {
                w = w || p > l.from;
                e = e || p < l.to;
            } else {
                n = n || p > l.from;
                s = s || p < l.to;
            }
        }
        out.push_back({PieceFor(n, e, s, w), x, y, kBarThickness, kBarThickness});
    }
    // Slices between the junctions.
    for (const BarLine& l : lines) {
        std::vector<int> stops;
        for (auto [y, x] : points) {
            if (OnLine(l, x, y)) stops.push_back(l.horizontal ? x : y);
        }
        std::sort(stops.begin(), stops.end());
        auto slice = [&](int a, int b) {
            if (b - a <= kBarThickness) return;
            const int start = a + kBarThickness, len = b - start;
            if (l.horizontal) {
                out.push_back({"lajna-h", start, l.at, len, kBarThickness});
            } else {
                out.push_back({"lajna-v", l.at, start, kBarThickness, len});
            }
        };
        if (l.through) {
            slice(stops.front(), stops.back());
        } else {
            for (std::size_t i = 1; i < stops.size(); ++i) slice(stops[i - 1], stops[i]);
        }
    }
    return out;
}

std::vector<Bar> WindowBars() {
    // The window is 800 x 600: the border, the board's right edge at 535, the
    // bar over the ticker at 535, the side panel's dividers and the line that
    // splits the offer into two columns at 660.
    const int r = 785, b = 585;
    return LayBars({
        {true, 0, 0, r, true},
        {true, b, 0, r, false},
        {true, 535, 0, r, true},
        {true, 125, 535, r, true},
        {true, 250, 535, r, false},
        {true, 400, 535, r, false},
        {true, 450, 535, r, false},
        {false, 0, 0, b, false},
        {false, r, 0, b, false},
        {false, 535, 0, 535, false},
        {false, 660, 0, 250, true},
    });
}

std::vector<Bar> FrameBars(int width, int height, int dividerTop) {
    const int r = width - kBarThickness, b = height - kBarThickness;
    std::vector<BarLine> lines{
        {true, 0, 0, r, false},
        {true, b, 0, r, false},
        {false, 0, 0, b, true},
        {false, r, 0, b, true},
    };
    if (dividerTop >= 0) lines.push_back({true, dividerTop, 0, r, false});
    return LayBars(lines);
}

}  // namespace vr
