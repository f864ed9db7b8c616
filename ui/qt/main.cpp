// Vojtik Rournik: the game's one window. It reads no options, no environment
// and no files.
#include <QApplication>

#include "ui/qt/game_window.h"

int main(int, char** argv) {
    // Qt's own command-line switches are not the game's: they are not passed on.
    int argc = 1;
    char* args[] = {argv[0], nullptr};
    QApplication app(argc, args);
    vr::qt::PrepareApplication();
    vr::qt::GameWindow window;
    window.show();
    return QApplication::exec();
}
