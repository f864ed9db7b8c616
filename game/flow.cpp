#include "game/main_form.h"

namespace vr {

void Main::tok_Timer() {
    const int n = boardSize;
    if (flowX < 1 || flowX > n || flowY < 1 || flowY > n) {
        Spill();
        return;
    }
    Piece& here = board(flowX, flowY);
    if (here.id == kEmptyId) {
        Spill();
        return;
    }
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
    const int dx = here.dx(side), dy = here.dy(side);
    if (dx == 0 && dy == 0) {
        Spill();
        return;
    }
    prevX = flowX;
    prevY = flowY;
    flowX = static_cast<Byte>(flowX + dx);
    flowY = static_cast<Byte>(flowY + dy);

    Piece& r = board(prevX, prevY);
    const W cell = cells(prevX, prevY);
    if (r.twoChannel) {
        if (r.passedOnce) {
            m_.copyPicture(cell, w_.voda[r.id]);
            return;
        }
        r.passedOnce = True;
        int picture;
        if (r.id == 6) {
            picture = prevY == flowY ? 9 : 10;
        } else if (r.id == 7) {
            picture = (dy > 0 || dx < 0) ? 12 : 11;
        } else {
            picture = (dy > 0 || dx > 0) ? 14 : 13;
        }
        m_.copyPicture(cell, w_.voda[picture]);
        return;
    }
    if (!r.isValve) {
        m_.copyPicture(cell, w_.voda[r.id]);
        return;
    }
    if (prevX == InletColumn(n) && prevY == n) {
        m_.copyPicture(cell, w_.pzed[1]);
        return;
    }
    m_.copyPicture(cell, w_.ventilvoda[r.id]);
    ++valvesFilled;
    if (valvesFilled == valveCount) WinLevel();
}

}  // namespace vr
