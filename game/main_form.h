// The game window `main`: its variables (the game-state record), its event
// handlers and its private procedures. Plain C++: it drives the view only
// through the widget model's operations, and learns of time only through
// timer ticks. Only Main writes the game state; everyone else reads it
// through state().
//
// Clicks and ticks reach the handlers through the widget model: BindEvents
// (game/form_load.cpp) binds each handler to its widget's name, and the
// event driver delivers an event only where the model's rule lets it.
#pragma once

#include <memory>
#include <vector>

#include "design/pieces.h"
#include "design/rules.h"
#include "game/grid.h"
#include "game/piece.h"
#include "game/random.h"
#include "game/types.h"
#include "model/platform.h"
#include "model/widget_model.h"

namespace vr {

// Every variable of the window, zero when the window is created.
struct GameState {
    Byte level = 0;
    Byte lives = 0;
    Integer boardSize = 0;
    Grid<Piece> board;
    Grid<W> cells;  // the `pole` member that shows each cell
    std::array<Piece, kValveShapes> valvePieces{};
    std::array<Piece, kPieceCount> pipePieces{};
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
    std::array<W, kPieceCount> trubka{};
    std::array<W, 15> voda{};  // full, then voda(9..14) the two-channel pieces half full
    std::array<W, kValveShapes> ventil{};
    std::array<W, kValveShapes> ventilvoda{};
    std::array<W, 2> pzed{};
};

// Markers the game keeps in widgets' Tags: a held cell (the inlet, a valve,
// a laid piece), and a countdown that waits under the pause menu.
inline constexpr const char* kHeld = "x";
inline constexpr const char* kCountdownPaused = "r";

class Main : private GameState {
public:
    Main(WidgetModel& model, Random& random, Platform& platform);
    Main(const Main&) = delete;
    Main& operator=(const Main&) = delete;

    // The window's load event, before any other event (game/form_load.cpp).
    void Form_Load();

    // --- ways in for the tests, the tools and the benchmarks; the game itself
    // is played only through clicks and ticks ---
    // A new game dealt straight at `level` with `lives`, as if the levels
    // before it had been played (the flow keeps its normal pace).
    void EnterLevel(Byte level, Byte lives);
    // Lays pipe piece `id` (0..8) on the cell (x, y) of the board in play,
    // as a click with that piece selected would; the offer is untouched.
    void LayPiece(int x, int y, int id);

    const GameState& state() const { return *this; }
    // The cell widget pole(i), i below the member count.
    W pole(int i) const { return pole_[static_cast<std::size_t>(i)]; }
    int poleCount() const { return static_cast<int>(pole_.size()); }
    const FormWidgets& widgets() const { return w_; }

private:
    // --- start-up: game/form_load.cpp, game/pieces.cpp ---
    void BindEvents();
    void InitPieces();

    // --- dealing a level: game/level_setup.cpp ---
    void novahra_Click();
    void NewGame();  // what "Nová Hra" resets before level 1 is dealt
    void StartLevel();
    void ShowLevelAndCountdown();
    void LayEmptyBoard(int n);
    void PlaceInlet(int n);
    void PlaceValves(int n);
    void DealOffer();

    // --- laying pieces: game/placement.cpp ---
    void nabidka_Click(Integer Index);
    void pole_Click(Integer Index);
    void Lay(int x, int y, const Piece& piece, W picture);
    void HoldCell(W cell, W picture);  // a cell that takes no more pieces

    // --- the water: game/countdown.cpp, game/flow.cpp, game/outcome.cpp ---
    void countdowntimer_Timer();
    void tok_Timer();
    bool StepOut(int& dx, int& dy);
    void FillPassedCell(int dx, int dy);
    void Spill();
    void WinLevel();

    // --- the story: story/intermezzo.cpp, story/choices.cpp, story/outro.cpp ---
    void ShowIntermezzo(Byte number);
    void EndIntermezzo();
    void inter1_Click();
    void inter2_Click();
    void interok_Click();
    void ShowOutro();
    void EndOutro();
    void HoldForStory();  // the menu button, the offer and the board wait

    // --- menu, help and pause: ui/menu.cpp ---
    void menu_Click();
    void pokracovat_Click();
    void help_Click();
    void napok_Click();
    void ukoncit_Click();
    void dsel_Click(Integer Index);
    void Image1_Click();
    void RaiseMenu();                // the main menu over a board that takes no clicks
    void EnableBoard(bool enabled);  // nabidka(1..4) and every pole member

    // --- the ticker: ui/ticker.cpp; the banner: ui/banner.cpp ---
    void texttimer_Timer();
    void ZKbaner_Click();
    void iexplore_OnQuit();

    WidgetModel& m_;
    Random& rnd_;
    Platform& platform_;
    FormWidgets w_;
    std::vector<W> pole_;
};

}  // namespace vr
