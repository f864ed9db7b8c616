// The game's window with a fixed chance: every run deals the same boards.
// Only for the tests of the real window; never installed.
#include <QApplication>

#include "tests/qt/seeded_window.h"
#include "ui/qt/game_window.h"

int main(int, char** argv) {
    int argc = 1;
    char* args[] = {argv[0], nullptr};
    QApplication app(argc, args);
    vr::qt::PrepareApplication();
    vr::qt::GameWindow window(vr::qt::test::kSeededWindowSeed);
    window.show();
    return QApplication::exec();
}
