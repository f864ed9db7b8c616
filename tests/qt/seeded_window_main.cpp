// The game's window with a fixed chance, for the tests of the real window: every run deals the same boards (level
// 1: the inlet at the bottom of column 3, one valve at (4, 2), the bends north-east and west-south in slot 3).
// Never installed. Where no tool can move the pointer (a Wayland compositor), a test clicks through stdin instead:
// a line "click NAME" or "click NAME INDEX" clicks that widget as the player's click reaches the game.
#include <QApplication>
#include <QSocketNotifier>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "qt/game_window.h"

int main(int, char** argv) {
    const auto app = vr::qt::StartApplication(argv[0]);
    vr::qt::GameWindow window(20260u);
    QSocketNotifier player(STDIN_FILENO, QSocketNotifier::Read);
    std::string pending;
    QObject::connect(&player, &QSocketNotifier::activated, [&] {
        char buf[256];
        const ssize_t n = read(STDIN_FILENO, buf, sizeof buf);
        if (n <= 0) {
            player.setEnabled(false);
            return;
        }
        pending.append(buf, static_cast<std::size_t>(n));
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
            char name[64];
            int index = -1;
            if (std::sscanf(pending.c_str(), "click %63s %d", name, &index) < 1) continue;
            window.click(index < 0 ? window.model().id(name) : window.model().id(name, index));
        }
    });
    window.show();
    return QApplication::exec();
}
