#include "game/main_form.h"

namespace vr {

namespace {

// One row of the piece table: the steps for water entering from below, from
// above, from the left and from the right; {0, 0} is a closed side.
struct Row {
    Integer below[2], above[2], left[2], right[2];
    Boolean twoChannel;
};

constexpr Row kTable[9] = {
    {{0, 0}, {0, 0}, {1, 0}, {-1, 0}, False},   // 0 straight, left-right
    {{0, -1}, {0, 1}, {0, 0}, {0, 0}, False},   // 1 straight, top-bottom
    {{-1, 0}, {0, 0}, {0, 1}, {0, 0}, False},   // 2 elbow, left-bottom
    {{1, 0}, {0, 0}, {0, 0}, {0, 1}, False},    // 3 elbow, right-bottom
    {{0, 0}, {-1, 0}, {0, -1}, {0, 0}, False},  // 4 elbow, left-top
    {{0, 0}, {1, 0}, {0, 0}, {0, -1}, False},   // 5 elbow, right-top
    {{0, -1}, {0, 1}, {1, 0}, {-1, 0}, True},   // 6 cross
    {{-1, 0}, {1, 0}, {0, 1}, {0, -1}, True},   // 7 double elbow: top-right and left-bottom
    {{1, 0}, {-1, 0}, {0, -1}, {0, 1}, True},   // 8 double elbow: top-left and right-bottom
};

Piece FromRow(const Row& r, Byte id) {
    Piece p;
    p.twoChannel = r.twoChannel;
    p.setStep(kFromBelow, r.below[0], r.below[1]);
    p.setStep(kFromAbove, r.above[0], r.above[1]);
    p.setStep(kFromLeft, r.left[0], r.left[1]);
    p.setStep(kFromRight, r.right[0], r.right[1]);
    p.id = id;
    return p;
}

}  // namespace

void Main::InitPieces() {
    for (Byte i = 0; i < 9; ++i) pipePieces[i] = FromRow(kTable[i], i);
    for (Byte i = 0; i < 6; ++i) {
        valvePieces[i] = FromRow(kTable[i], i);
        valvePieces[i].isValve = True;
    }
}

}  // namespace vr
