#include <string>

#include "design/pieces.h"
#include "design/rules.h"
#include "game/main_form.h"

namespace vr {

namespace {

const char* LivesWord(int lives) {
    if (lives == 1) return "Život";
    if (lives >= 2 && lives <= 4) return "Životy";
    return "Životů";
}

}  // namespace

void Main::novahra_Click() {
    NewGame();
    StartLevel();
}

void Main::EnterLevel(Byte lvl, Byte lv) {
    NewGame();
    level = lvl;
    lives = lv;
    StartLevel();
}

void Main::NewGame() {
    m_.show(w_.menufrm, false);
    m_.enable(w_.ZKbaner, false);
    m_.enable(w_.pokracovat, true);
    m_.setInterval(w_.tok, rules::kFlowMs);
    intermezzo1Shown = False;
    level = 1;
    lives = rules::kStartingLives;
    for (W cell : pole_) m_.show(cell, false);
    for (int i = 1; i <= 4; ++i) m_.enable(w_.nabidka[i], true);
}

// Deals the level in `level`: the side panel and its countdown, an empty
// board of the level's size, the inlet, the valves and a fresh offer.
void Main::StartLevel() {
    m_.setTag(w_.countdowntimer, "");
    m_.setTag(w_.tok, "");
    m_.enable(w_.tok, false);  // the water waits for the countdown
    m_.show(w_.pleasewait, true);
    ShowLevelAndCountdown();
    selectedSlot = 0;
    for (int i = 1; i <= 4; ++i) m_.setBorder(w_.nabidka[i], 0);
    const int n = rules::BoardSide(level);
    boardSize = static_cast<Integer>(n);
    LayEmptyBoard(n);
    PlaceInlet(n);
    PlaceValves(n);
    DealOffer();
    m_.show(w_.pleasewait, false);
}

// The level and the lives in the side panel, and the countdown over them,
// green and running.
void Main::ShowLevelAndCountdown() {
    m_.show(w_.countdown, true);
    m_.setTextColor(w_.countdown, rules::kCountdownGreen);
    m_.setCaption(w_.levnum, std::to_string(level));
    m_.setCaption(w_.lzivotu, std::to_string(lives));
    m_.setCaption(w_.Label2, LivesWord(lives));
    m_.setCaption(w_.countdown, std::to_string(rules::CountdownSeconds(level)));
    m_.enable(w_.countdowntimer, true);
}

// n x n empty cells, framed and taking pieces, over the board's 500 pixels;
// the cells are made the first time a board this large is dealt.
void Main::LayEmptyBoard(int n) {
    const int c = 500 / n;
    for (int i = poleCount(); i < n * n; ++i) pole_.push_back(m_.loadMember("pole", i));
    int k = 0;
    for (int y = 1; y <= n; ++y) {
        for (int x = 1; x <= n; ++x, ++k) {
            const W cell = pole(k);
            m_.move(cell, 25 + (x - 1) * c, 25 + (y - 1) * c, c, c);
            m_.setPicture(cell, kNoPicture);
            m_.enable(cell, true);
            m_.setTag(cell, "");
            m_.show(cell, true);
            m_.setBorder(cell, 1);
            cells(x, y) = cell;
            board(x, y) = EmptyCell();
        }
    }
    // The cells of a larger board dealt before (the story can send the player
    // back to a smaller one) must not stay on screen, nor take clicks.
    for (int i = n * n; i < poleCount(); ++i) {
        m_.show(pole(i), false);
        m_.setPicture(pole(i), kNoPicture);
    }
}

// The inlet at the bottom of the middle column: a valve open to the cell
// above it, where the water starts.
void Main::PlaceInlet(int n) {
    const int m = rules::InletColumn(n);
    flowX = static_cast<Byte>(m);
    flowY = static_cast<Byte>(n);
    prevY = static_cast<Byte>(n + 1);
    prevX = static_cast<Byte>(m);
    HoldCell(cells(m, n), w_.pzed[0]);
    // The keys' cursor starts above the inlet, where the pipe begins.
    m_.setCursor(cells(m, n - 1));
    m_.setFocus(cells(m, n - 1));
    Piece& in = board(m, n);
    in.isValve = True;
    in.setStep(kFromBelow, 0, -1);
    in.id = 0;
}

// Valves: off the outer ring, never beside another valve or the inlet;
// every try counts against the limit, free or not.
void Main::PlaceValves(int n) {
    valveCount = 0;
    valvesFilled = 0;
    const int wanted = rules::ValvesWanted(level);
    const int limit = rules::ValveTries(level);
    int tries = 0;
    for (int v = 1; v <= wanted;) {
        const int a = rnd_.below(n - 2) + 2;
        const int b = rnd_.below(n - 2) + 2;
        const bool free = !board(a, b).isValve && !board(a, b + 1).isValve && !board(a, b - 1).isValve &&
                          !board(a + 1, b).isValve && !board(a - 1, b).isValve;
        if (free) {
            const int s = rnd_.below(kValveShapes);
            HoldCell(cells(a, b), w_.ventil[s]);
            board(a, b) = valvePieces[s];
            ++valveCount;
            ++v;
        }
        if (++tries > limit) break;
    }
}

// Each offer slot a piece drawn from the nine.
void Main::DealOffer() {
    for (int i = 1; i <= 4; ++i) {
        const int r = rnd_.below(kPieceCount);
        m_.copyPicture(w_.nabidka[i], w_.trubka[r]);
        offer[i] = pipePieces[r];
    }
}

}  // namespace vr
