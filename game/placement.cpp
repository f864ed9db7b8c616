#include "game/main_form.h"

namespace vr {

void Main::nabidka_Click(Integer Index) {
    for (int i = 1; i <= 4; ++i) m_.setBorder(w_.nabidka[i], 0);
    selectedSlot = static_cast<Byte>(Index);
    m_.setBorder(w_.nabidka[Index], 1);
}

void Main::pole_Click(Integer Index) {
    const int s = selectedSlot;
    if (s == 0) return;
    const int n = boardSize;
    // Only the cells of the board being played can hold a piece.
    if (Index < 0 || Index >= n * n) return;
    const int y = Index / n + 1;
    const int x = Index + 1 - (y - 1) * n;
    Lay(x, y, offer[s], w_.nabidka[s]);
    const int r = rnd_.below(9);
    m_.copyPicture(w_.nabidka[s], w_.trubka[r]);
    offer[s] = pipePieces[r];
    m_.setBorder(w_.nabidka[s], 0);
    selectedSlot = 0;
}

void Main::LayPiece(int x, int y, int id) { Lay(x, y, pipePieces[static_cast<std::size_t>(id)], w_.trubka[id]); }

void Main::Lay(int x, int y, const Piece& piece, W picture) {
    HoldCell(cells(x, y), picture);
    board(x, y) = piece;
}

// The inlet, a valve or a laid piece: its picture, no frame, and no click.
void Main::HoldCell(W cell, W picture) {
    m_.copyPicture(cell, picture);
    m_.enable(cell, false);
    m_.setTag(cell, kHeld);
    m_.setBorder(cell, 0);
}

}  // namespace vr
