// vr-screenshots: draws the pictures of the game shown in the README into
// docs/: the menu, the help screen, a level-1 board with water flowing, a
// level-100 board and the first intermezzo. The window is drawn offscreen
// with a fixed chance, so the pictures come out the same on every run.
//
//     make screenshots        (or: vr-screenshots DIR)
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

#include "ui/qt/game_window.h"
#include "ui/design/ticker_table.h"

namespace {

using vr::qt::GameWindow;

// The ticker line typed to its end, as it stands for five seconds.
void TypeTicker(GameWindow& win) {
    const auto& steps = vr::TickerSteps();
    do {
        win.game().texttimer_Timer();
    } while (!steps[static_cast<std::size_t>(win.game().textStep)].clear);
}

bool Save(GameWindow& win, const QString& dir, const char* name) {
    TypeTicker(win);
    win.applyChanges();
    const QString path = dir + "/" + name;
    const bool ok = win.grab().save(path, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

// Lays a piece that leads the water straight up from the inlet on each free
// cell of the inlet's column below the first valve it meets; pieces that do
// not fit go beside it, as a player would throw them away.
void LayPipeUp(GameWindow& win) {
    vr::Main& g = win.game();
    vr::WidgetModel& m = win.model();
    const int n = g.boardSize, mid = (n + 1) / 2;
    int spare = 0;
    for (int y = n - 1; y >= 1 && !g.board(mid, y).isValve; --y) {
        for (int guard = 0; guard < 40; ++guard) {
            int slot = 0;
            for (int i = 1; i <= 4 && slot == 0; ++i) {
                const int id = g.offer[static_cast<std::size_t>(i)].id;
                if (id == 1 || id == 6) slot = i;
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
    win.game().level = static_cast<vr::Byte>(level);
    win.game().StartLevel();
}

// Counts down until the water is let go.
void RunOutCountdown(GameWindow& win) {
    const vr::W tok = win.model().id("tok");
    for (int i = 0; i < 500 && !win.model().isEnabled(tok); ++i) win.game().countdowntimer_Timer();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(dir);
    bool ok = true;

    {
        GameWindow win(20261207u);
        ok &= Save(win, dir, "menu.png");
        win.click(win.model().id("help"));
        ok &= Save(win, dir, "help.png");
    }
    {
        GameWindow win(20261207u);
        win.click(win.model().id("novahra"));
        LayPipeUp(win);
        RunOutCountdown(win);
        for (int i = 0; i < 3; ++i) win.game().tok_Timer();  // three steps of the water
        ok &= Save(win, dir, "level-1.png");
    }
    {
        GameWindow win(20261207u);
        DealLevel(win, 100);
        for (int i = 0; i < 3; ++i) win.game().countdowntimer_Timer();
        ok &= Save(win, dir, "level-100.png");
    }
    {
        // The board of level 9 with its countdown run out, as when the
        // water has passed its last valve.
        GameWindow win(20261207u);
        DealLevel(win, 9);
        RunOutCountdown(win);
        win.model().enable(win.model().id("tok"), false);
        win.game().level = 10;
        win.game().ShowIntermezzo(1);
        ok &= Save(win, dir, "intermezzo-1.png");
    }
    return ok ? 0 : 1;
}
