// The window's 50 x 50 tables, addressed (column, row) from 1.
#pragma once

#include <array>

#include "model/check.h"

namespace vr {

constexpr int kTableSide = 50;

template <typename T>
class Grid {
public:
    T& operator()(int x, int y) {
        VR_CHECK(x >= 1 && x <= kTableSide && y >= 1 && y <= kTableSide, "cell (%d, %d) outside the table", x, y);
        return cells_[(y - 1) * kTableSide + (x - 1)];
    }
    const T& operator()(int x, int y) const { return const_cast<Grid&>(*this)(x, y); }

private:
    std::array<T, static_cast<std::size_t>(kTableSide) * kTableSide> cells_{};
};

}  // namespace vr
