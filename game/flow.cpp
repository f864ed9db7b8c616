#include "design/pieces.h"
#include "design/rules.h"
#include "game/main_form.h"

namespace vr {

// One tick of the water: it leaves the flow cell for the next one along the
// pipes, or spills; the cell it has left shows its water.
void Main::tok_Timer() {
    int dx = 0, dy = 0;
    if (!StepOut(dx, dy)) {
        Spill();
        return;
    }
    prevX = flowX;
    prevY = flowY;
    flowX = static_cast<Byte>(flowX + dx);
    flowY = static_cast<Byte>(flowY + dy);
    FillPassedCell(dx, dy);
}

// The step the water takes out of the flow cell; false where it spills:
// off the board, into an empty cell, or against a closed side.
bool Main::StepOut(int& dx, int& dy) {
    const int n = boardSize;
    if (flowX < 1 || flowX > n || flowY < 1 || flowY > n) return false;
    const Piece& here = board(flowX, flowY);
    if (here.id == kEmptyId) return false;
    int side;
    if (prevX < flowX) {
        side = kFromLeft;
    } else if (flowX < prevX) {
        side = kFromRight;
    } else if (prevY < flowY) {
        side = kFromAbove;
    } else {
        side = kFromBelow;
    }
    dx = here.dx(side);
    dy = here.dy(side);
    return dx != 0 || dy != 0;
}

// The cell the water has just left (prevX, prevY), which it left by the
// step (dx, dy): a pipe shows its water, a two-channel piece only the channel
// passed until the water comes through again, the inlet its running water;
// a valve fills, and the last valve filled wins the level.
void Main::FillPassedCell(int dx, int dy) {
    Piece& r = board(prevX, prevY);
    const W cell = cells(prevX, prevY);
    if (r.twoChannel) {
        if (r.passedOnce) {
            m_.copyPicture(cell, w_.voda[r.id]);
            return;
        }
        r.passedOnce = True;
        const int out = dx > 0 ? kRight : dx < 0 ? kLeft : dy > 0 ? kBottom : kTop;
        const int channel = (kPieces[r.id].channels[0].openings & out) != 0 ? 0 : 1;
        m_.copyPicture(cell, w_.voda[static_cast<std::size_t>(HalfFullPicture(r.id, channel))]);
        return;
    }
    if (!r.isValve) {
        m_.copyPicture(cell, w_.voda[r.id]);
        return;
    }
    if (prevX == rules::InletColumn(boardSize) && prevY == boardSize) {
        m_.copyPicture(cell, w_.pzed[1]);
        return;
    }
    m_.copyPicture(cell, w_.ventilvoda[r.id]);
    ++valvesFilled;
    if (valvesFilled == valveCount) WinLevel();
}

}  // namespace vr
