// The game's window drawn offscreen: a deal and a tick of the water with the
// redraw they cause, against plain Qt labels showing as many pictures.
//
// "Drawing" is what the event loop does after an event: the updates the
// front end asked for are painted into the window's backing store. An
// application-wide filter counts the paint events, so a benchmark that drew
// nothing would show it.
#include <QApplication>
#include <QLabel>
#include <QPixmap>

#include <memory>
#include <vector>

#include "bench/route.h"
#include "bench/samples.h"
#include "qt/game_window.h"

namespace vr::bench {
namespace {

// Counts every event the application delivers, and the paint events apart.
class EventCounter : public QObject {
public:
    static EventCounter& get() {
        static EventCounter* c = [] {
            auto* e = new EventCounter;
            qApp->installEventFilter(e);
            return e;
        }();
        return *c;
    }
    long long events = 0, paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        ++events;
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Lets Qt do all it has to do after an event: handle what the changes
// posted (a widget shown posts its polish, which posts its update request)
// and paint what they made dirty, until the queue runs dry.
void Draw() {
    EventCounter& c = EventCounter::get();
    for (int pass = 0; pass < 20; ++pass) {
        const long long before = c.events;
        QCoreApplication::processEvents();
        if (c.events == before) break;
    }
}

// Paint events in the timed part, per iteration, shown next to the times.
class Paints {
public:
    void begin() { before_ = EventCounter::get().paints; }
    void end() { timed_ += EventCounter::get().paints - before_; }
    void report(benchmark::State& state) const {
        state.counters["paints"] = benchmark::Counter(static_cast<double>(timed_), benchmark::Counter::kAvgIterations);
    }

private:
    long long before_ = 0, timed_ = 0;
};

// Times `work` as one iteration and counts the paints it caused.
template <class Work>
void Frame(benchmark::State& state, Samples& s, Paints& paints, Work&& work) {
    paints.begin();
    s.start();
    work();
    s.stop(state);
    paints.end();
}

// The game's window on screen with a game started and its own clock halted,
// so that no ticker or countdown tick falls into a timed frame.
std::unique_ptr<qt::GameWindow> OpenGame() {
    auto win = std::make_unique<qt::GameWindow>(20260u);
    win->holdClock();
    win->show();
    Draw();
    win->click(win->model().id("novahra"));
    Draw();
    return win;
}

void Deal(qt::GameWindow& win, int level) {
    win.game().EnterLevel(static_cast<Byte>(level), rules::kStartingLives);
    win.applyChanges();
    Draw();
}

// Dealing a level again once its cells exist: the usual deal after a lost
// life or a won level of the same board size.
void StartLevelAgain(benchmark::State& state, Samples& s, int level) {
    auto win = OpenGame();
    Deal(*win, level);
    Paints paints;
    for (auto _ : state) {
        Frame(state, s, paints, [&] { Deal(*win, level); });
    }
    paints.report(state);
}

// Dealing level 100 over a board covered with laid pieces: every one of the
// 900 cells loses its picture and gets its border back.
void StartLevelOverFullBoard(benchmark::State& state, Samples& s, int) {
    auto win = OpenGame();
    Deal(*win, 100);
    Main& game = win->game();
    const WidgetModel& m = win->model();
    const int n = game.state().boardSize;
    Paints paints;
    for (auto _ : state) {
        for (int i = 0; i < n * n; ++i) {
            if (m.tag(game.pole(i)) != kHeld) game.LayPiece(i % n + 1, i / n + 1, i % 9);
        }
        win->applyChanges();
        Draw();
        Frame(state, s, paints, [&] { Deal(*win, 100); });
    }
    paints.report(state);
}

// The first deal of a level in a fresh window: its cells are created.
void FirstDeal(benchmark::State& state, Samples& s, int level) {
    Paints paints;
    for (auto _ : state) {
        auto win = OpenGame();
        Frame(state, s, paints, [&] { Deal(*win, level); });
        win.reset();
        Draw();
    }
    paints.report(state);
}

// One tick of the water along a long pipeline on the 30 x 30 board, with
// the repaint of the cell it passed.
void FlowTick(benchmark::State& state, Samples& s, int) {
    auto win = OpenGame();
    Main& game = win->game();
    Paints paints;
    for (auto _ : state) {
        if (!WaterGoesOn(game)) {
            DealWithPipeline(game, win->driver(), 100);
            win->applyChanges();
            Draw();
        }
        Frame(state, s, paints, [&] {
            win->driver().tick(game.widgets().tok);
            win->applyChanges();
            Draw();
        });
    }
    paints.report(state);
}

// An arrow key's move of the board's cursor on the 30 x 30 board, with the
// repaint of the two cells whose mark it moves, to and fro along a row.
void CursorMove(benchmark::State& state, Samples& s, int) {
    auto win = OpenGame();
    Deal(*win, 100);
    win->key(Key::Right);  // the first key shows the mark
    Draw();
    Paints paints;
    int step = 0;
    for (auto _ : state) {
        const Key k = step++ / 10 % 2 == 0 ? Key::Left : Key::Right;
        Frame(state, s, paints, [&] {
            win->key(k);
            Draw();
        });
    }
    paints.report(state);
}

// --- the baselines: plain QLabels showing pixmaps, as big as the cells ---

constexpr int kSide = 30;
constexpr int kCell = 500 / kSide;

QPixmap CellPixmap(int piece) {
    return QPixmap(QStringLiteral(":/pictures/trubka%1.bmp").arg(piece))
        .scaled(kCell, kCell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

struct LabelBoard {
    LabelBoard() {
        window.setFixedSize(800, 600);
        window.show();
        Draw();
    }
    void fill(const QPixmap& pix) {
        for (int i = 0; i < kSide * kSide; ++i) {
            auto* l = new QLabel(&window);
            l->setGeometry(25 + (i % kSide) * kCell, 25 + (i / kSide) * kCell, kCell, kCell);
            l->setPixmap(pix);
            l->show();
            labels.push_back(l);
        }
    }
    QWidget window;
    std::vector<QLabel*> labels;
};

// `count` of the 900 labels given another pixmap, the next ones each time.
void BaselineLabelsChanged(benchmark::State& state, Samples& s, int count) {
    const QPixmap pix[2] = {CellPixmap(0), CellPixmap(1)};
    LabelBoard board;
    board.fill(pix[0]);
    Draw();
    std::vector<int> shows(board.labels.size(), 0);
    Paints paints;
    std::size_t next = 0;
    for (auto _ : state) {
        Frame(state, s, paints, [&] {
            for (int i = 0; i < count; ++i, next = (next + 1) % shows.size()) {
                shows[next] ^= 1;
                board.labels[next]->setPixmap(pix[shows[next]]);
            }
            Draw();
        });
    }
    paints.report(state);
}

// 900 labels created with their pixmaps in a fresh window.
void Baseline900LabelsCreated(benchmark::State& state, Samples& s, int) {
    const QPixmap a = CellPixmap(0);
    Paints paints;
    for (auto _ : state) {
        auto board = std::make_unique<LabelBoard>();
        Frame(state, s, paints, [&] {
            board->fill(a);
            Draw();
        });
        board.reset();
        Draw();
    }
    paints.report(state);
}

}  // namespace

void AddWindowBenchmarks() {
    Add("window/start_level/1", StartLevelAgain, 1)->Iterations(300);
    Add("window/start_level/100", StartLevelAgain, 100)->Iterations(300);
    Add("window/start_level/100_full_board", StartLevelOverFullBoard)->Iterations(100);
    Add("window/first_deal/1", FirstDeal, 1)->Iterations(15);
    Add("window/first_deal/100", FirstDeal, 100)->Iterations(15);
    Add("window/flow_tick", FlowTick)->Iterations(2000);
    Add("window/cursor_move", CursorMove)->Iterations(2000);
    Add("baseline/900_labels", BaselineLabelsChanged, kSide * kSide)->Iterations(300);
    Add("baseline/900_labels_created", Baseline900LabelsCreated)->Iterations(15);
    Add("baseline/one_label", BaselineLabelsChanged, 1)->Iterations(2000);
}

}  // namespace vr::bench
