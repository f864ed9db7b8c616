// One pipe piece, or one cell of the board: for water arriving from each of
// the four sides, the step to the cell it moves to next.
#pragma once

#include <array>
#include <cstdint>

#include "game/types.h"

namespace vr {

// Entry sides, named by the way the water moves as it enters the cell.
enum Side : std::uint8_t {
    kFromBelow = 1,  // moving up
    kFromAbove = 2,  // moving down
    kFromLeft = 3,   // moving right
    kFromRight = 4,  // moving left
};

constexpr Byte kEmptyId = 255;

struct Piece {
    Boolean twoChannel = False;
    // The column steps for sides 1..4, then the row steps for sides 1..4;
    // (0, 0) is a side with no opening.
    std::array<Integer, 8> exitStep{};
    Boolean isValve = False;
    Boolean passedOnce = False;
    Byte id = 0;

    Integer dx(int side) const { return exitStep[side - 1]; }
    Integer dy(int side) const { return exitStep[side + 3]; }
    bool open(int side) const { return dx(side) != 0 || dy(side) != 0; }
    void setStep(int side, Integer col, Integer row) {
        exitStep[side - 1] = col;
        exitStep[side + 3] = row;
    }

    bool operator==(const Piece&) const = default;
};

// The record of an empty board cell: every field 0, id 255.
inline Piece EmptyCell() {
    Piece p;
    p.id = kEmptyId;
    return p;
}

}  // namespace vr
