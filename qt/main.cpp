// Vojtik Rournik: the game's one window. It reads no options and no files; of
// the environment it only asks whether there is a display at all.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "qt/fonts.h"
#include "qt/game_window.h"

namespace {

// Neither an X server nor a Wayland compositor to show the window on, and no
// platform chosen by hand: Qt would give up with an abort and words of its own.
bool NoDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return false;
    }
    return true;
}

}  // namespace

int main(int, char** argv) {
    if (NoDisplay()) {
        std::fputs("Vojtik Rournik: není k dispozici žádný displej (X11 ani Wayland), okno hry nelze otevřít.\n",
                   stderr);
        return 1;
    }
    vr::qt::StartFontconfig();
    const auto app = vr::qt::StartApplication(argv[0]);
    vr::qt::GameWindow window;
    window.show();
    return QApplication::exec();
}
