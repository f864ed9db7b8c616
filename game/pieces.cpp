#include "design/pieces.h"
#include "game/main_form.h"

namespace vr {

namespace {

// The side the water enters by through an opening.
int EntrySide(int opening) {
    switch (opening) {
        case kBottom: return kFromBelow;
        case kTop: return kFromAbove;
        case kLeft: return kFromLeft;
        default: return kFromRight;
    }
}

// A piece of the catalogue as the water meets it: for each opening, the step
// out through the other opening of its channel.
Piece FromCatalogue(Byte id) {
    Piece p;
    p.twoChannel = TwoChannels(id) ? True : False;
    for (const PieceChannel& c : kPieces[id].channels) {
        for (int in : {kBottom, kTop, kLeft, kRight}) {
            if ((c.openings & in) == 0) continue;
            const int out = c.openings & ~in;
            const auto col = static_cast<Integer>(out == kRight ? 1 : out == kLeft ? -1 : 0);
            const auto row = static_cast<Integer>(out == kBottom ? 1 : out == kTop ? -1 : 0);
            p.setStep(EntrySide(in), col, row);
        }
    }
    p.id = id;
    return p;
}

}  // namespace

void Main::InitPieces() {
    for (Byte i = 0; i < kPieceCount; ++i) pipePieces[i] = FromCatalogue(i);
    for (Byte i = 0; i < kValveShapes; ++i) {
        valvePieces[i] = FromCatalogue(i);
        valvePieces[i].isValve = True;
    }
}

}  // namespace vr
