// The game window `main`: its variables (the game-state record), its event
// handlers and its private procedures. Plain C++: it drives the view only
// through the widget model's operations, and learns of time only through
// timer ticks.
//
// The handlers live in the files of their subsystem: game/ (pieces, start-up,
// dealing, laying, countdown, flow, outcome), story/ (intermezzos, choices,
// outro), ui/ (menu, help and pause, the ticker, the banner).
#pragma once

#include <memory>
#include <vector>

#include "game/grid.h"
#include "game/piece.h"
#include "game/random.h"
#include "game/types.h"
#include "ui/model/event_driver.h"
#include "ui/model/platform.h"
#include "ui/model/widget_model.h"

namespace vr {

// Every variable of the window, zero when the window is created.
struct GameState {
    Byte level = 0;
    Byte lives = 0;
    Integer boardSize = 0;
    Grid<Piece> board;
    Grid<W> cells;  // the `pole` member that shows each cell
    std::array<Piece, 6> valvePieces{};
    std::array<Piece, 9> pipePieces{};
    std::array<Piece, 5> offer{};  // slots 1..4
    Byte selectedSlot = 0;
    Byte flowX = 0, flowY = 0;
    Byte prevX = 0, prevY = 0;
    Integer valveCount = 0;
    Integer valvesFilled = 0;
    Boolean intermezzo1Shown = False;
    Integer textStep = 0;
    Byte dselStep = 0;
    std::shared_ptr<Browser> iexplore;
};

// The widgets the handlers use, looked up once.
struct FormWidgets {
    explicit FormWidgets(const WidgetModel& m);
    W tok, countdowntimer, texttimer;
    W menufrm, napfrm, interfrm, dframe, pleasewait;
    W countdown, levnum, lzivotu, Label2, text;
    W menu, ZKbaner, Image1;
    W novahra, pokracovat, help, ukoncit, napok, inter1, inter2, interok;
    W nadpis5;
    std::array<W, 5> nabidka{};  // 1..4
    std::array<W, 9> trubka{};
    std::array<W, 15> voda{};
    std::array<W, 6> ventil{};
    std::array<W, 6> ventilvoda{};
    std::array<W, 2> pzed{};
};

class Main : public GameState {
public:
    Main(WidgetModel& model, EventDriver& driver, Random& random, Platform& platform);
    Main(const Main&) = delete;
    Main& operator=(const Main&) = delete;

    // --- start-up ---
    void Form_Load();
    void InitPieces();

    // --- dealing a level, laying pieces ---
    void novahra_Click();
    void StartLevel();
    void nabidka_Click(Integer Index);
    void pole_Click(Integer Index);

    // --- the water ---
    void countdowntimer_Timer();
    void tok_Timer();
    void Spill();
    void WinLevel();

    // --- the story ---
    void ShowIntermezzo(Byte number);
    void EndIntermezzo();
    void inter1_Click();
    void inter2_Click();
    void interok_Click();
    void ShowOutro();
    void EndOutro();

    // --- menu, help and pause ---
    void menu_Click();
    void pokracovat_Click();
    void help_Click();
    void napok_Click();
    void ukoncit_Click();
    void dsel_Click(Integer Index);
    void Image1_Click();

    // --- the ticker and the banner ---
    void texttimer_Timer();
    void ZKbaner_Click();
    void iexplore_OnQuit();

    // --- ways in for the tests, the tools and the benchmarks; the game itself
    // is played only through clicks and ticks ---
    // A new game dealt straight at `level` with `lives`, as if the levels
    // before it had been played (the flow keeps its normal pace).
    void EnterLevel(Byte level, Byte lives);
    // Lays pipe piece `id` (0..8) on the empty cell (x, y) of the board in
    // play, as a click with that piece selected would; the offer is untouched.
    void LayPiece(int x, int y, int id);

    // The cell widget pole(i), i below the member count.
    W pole(int i) const { return pole_[static_cast<std::size_t>(i)]; }
    int poleCount() const { return static_cast<int>(pole_.size()); }

    WidgetModel& view() { return m_; }
    const FormWidgets& widgets() const { return w_; }

private:
    void BindEvents();
    void NewGame();  // what "Nová Hra" resets before the first level is dealt
    void HoldCell(W cell, W picture);  // a cell that takes no more pieces
    void Lay(int x, int y, const Piece& piece, W picture);
    void EnableBoard(bool enabled);  // nabidka(1..4) and every pole member

    WidgetModel& m_;
    EventDriver& driver_;
    Random& rnd_;
    Platform& platform_;
    FormWidgets w_;
    std::vector<W> pole_;
};

}  // namespace vr
