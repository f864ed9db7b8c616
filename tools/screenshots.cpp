// vr-screenshots: draws the pictures of the game shown in the README into
// docs/: the menu, the help screen, a level-1 board with water flowing, a
// level-100 board and the first intermezzo. The window is drawn offscreen
// with a fixed chance, so the pictures come out the same on every run. On
// a denser screen (QT_SCALE_FACTOR=2) the files are named for the scale
// ("menu@2x.png"); names after the folder draw only those pictures.
//
//     make screenshots        (or: vr-screenshots DIR [NAME...])
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <memory>
#include <vector>

#include "design/pieces.h"
#include "design/rules.h"
#include "design/ticker_table.h"
#include "qt/game_window.h"

namespace {

using vr::qt::GameWindow;

// A window whose clock moves only when a timer is ticked by hand.
std::unique_ptr<GameWindow> Open(std::unique_ptr<vr::Random> chance = nullptr) {
    auto win = chance ? std::make_unique<GameWindow>(std::move(chance)) : std::make_unique<GameWindow>(20261207u);
    win->holdClock();
    return win;
}

void Tick(GameWindow& win, const char* timer) { win.driver().tick(win.model().id(timer)); }

// The ticker line typed to its end, as it stands for five seconds.
void TypeTicker(GameWindow& win) {
    const auto& steps = vr::TickerSteps();
    do {
        Tick(win, "texttimer");
    } while (!steps[static_cast<std::size_t>(win.game().state().textStep)].clear);
}

QStringList gOnly;  // the pictures asked for; empty: all

bool Save(GameWindow& win, const QString& dir, const char* name) {
    if (!gOnly.isEmpty() && !gOnly.contains(QString::fromLatin1(name))) return true;
    TypeTicker(win);
    win.applyChanges();
    const qreal ratio = win.devicePixelRatioF();
    const QString scale = ratio == 1 ? QString() : QStringLiteral("@%1x").arg(ratio);
    const QString path = dir + "/" + name + scale + ".png";
    const bool ok = win.grab().save(path, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

// Lays a piece that leads the water straight up from the inlet on each free
// cell of the inlet's column below the first valve it meets; pieces that do
// not fit go beside it, as a player would throw them away.
void LayPipeUp(GameWindow& win) {
    const vr::GameState& g = win.game().state();
    vr::WidgetModel& m = win.model();
    const int n = g.boardSize, mid = vr::rules::InletColumn(n);
    int spare = 0;
    for (int y = n - 1; y >= 1 && !g.board(mid, y).isValve; --y) {
        for (int guard = 0; guard < 40; ++guard) {
            int slot = 0;
            for (int i = 1; i <= 4 && slot == 0; ++i) {
                const int id = g.offer[static_cast<std::size_t>(i)].id;
                if (vr::Carries(id, vr::kTop | vr::kBottom)) slot = i;
            }
            if (slot) {
                win.click(m.id("nabidka", slot));
                win.click(g.cells(mid, y));
                break;
            }
            // Throw the first piece away on a free cell beside the pipe.
            while (spare < n * n && (spare % n + 1 == mid || g.board(spare % n + 1, spare / n + 1).id != vr::kEmptyId))
                ++spare;
            if (spare >= n * n) return;
            win.click(m.id("nabidka", 1));
            win.click(g.cells(spare % n + 1, spare / n + 1));
        }
    }
}

// A new game, moved on to `level`.
void DealLevel(GameWindow& win, int level) {
    win.click(win.model().id("novahra"));
    win.game().EnterLevel(static_cast<vr::Byte>(level), vr::rules::kStartingLives);
}

// Counts down until the water is let go.
void RunOutCountdown(GameWindow& win) {
    const vr::W tok = win.model().id("tok");
    for (int i = 0; i < 500 && !win.model().isEnabled(tok); ++i) Tick(win, "countdowntimer");
}

// The game's chance, but the first draws are the given ones.
class Dealt : public vr::SeededRandom {
public:
    explicit Dealt(std::vector<double> draws) : SeededRandom(20261207u), draws_(std::move(draws)) {}
    void seed(std::uint32_t) override {}
    double next() override { return next_ < draws_.size() ? draws_[next_++] : SeededRandom::next(); }

private:
    std::vector<double> draws_;
    std::size_t next_ = 0;
};

// The draws of a level-9 deal of 7 x 7 with one valve, straight up and down,
// two rows above the inlet: the other 36 tries land on it again and are
// refused, the last of them over the try limit.
std::vector<double> OneValveAtLevel9() {
    std::vector<double> d{0.5, 0.7, 0.25};
    for (int i = 0; i < 36; ++i) d.insert(d.end(), {0.5, 0.7});
    return d;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto app = vr::qt::StartApplication(argv[0]);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    for (int i = 2; i < argc; ++i) gOnly << QString::fromLocal8Bit(argv[i]);
    QDir().mkpath(dir);
    bool ok = true;

    {
        auto win = Open();
        ok &= Save(*win, dir, "menu");
        win->click(win->model().id("help"));
        ok &= Save(*win, dir, "help");
    }
    {
        auto win = Open();
        win->click(win->model().id("novahra"));
        LayPipeUp(*win);
        RunOutCountdown(*win);
        for (int i = 0; i < 3; ++i) Tick(*win, "tok");  // three steps of the water
        ok &= Save(*win, dir, "level-1");
    }
    {
        auto win = Open();
        DealLevel(*win, 100);
        for (int i = 0; i < 3; ++i) Tick(*win, "countdowntimer");
        ok &= Save(*win, dir, "level-100");
    }
    {
        // Level 9 won: the water has passed its valve.
        auto win = Open(std::make_unique<Dealt>(OneValveAtLevel9()));
        win->game().EnterLevel(9, vr::rules::kStartingLives);
        win->game().LayPiece(4, 6, 1);
        RunOutCountdown(*win);
        for (int i = 0; i < 3; ++i) Tick(*win, "tok");
        ok &= Save(*win, dir, "intermezzo-1");
    }
    return ok ? 0 : 1;
}
