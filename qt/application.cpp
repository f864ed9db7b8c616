// What every program that opens the game's window shares: the built-in
// pictures, one widget style, the desktop entry, and assistive technology
// told of the window.
#include <QApplication>
#include <QStyleFactory>

#include "qt/accessible.h"
#include "qt/game_window.h"

// The resources live in a static library: they are linked in only when named.
static void InitGameResources() {
    Q_INIT_RESOURCE(first_frame);
    Q_INIT_RESOURCE(game_assets);
}

namespace vr::qt {

void PrepareApplication() {
    static bool done = false;
    if (done) return;
    done = true;
    InitGameResources();
    // The desktop entry the window belongs to: its name and icon in the
    // desktop's task bar and window switcher, on Wayland too.
    QGuiApplication::setDesktopFileName(QStringLiteral(VR_APP_ID));
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
    InstallAccessibility();
}

std::unique_ptr<QApplication> StartApplication(char* program) {
    static int argc = 1;
    static char* argv[] = {program, nullptr};
    auto app = std::make_unique<QApplication>(argc, argv);
    PrepareApplication();
    return app;
}

}  // namespace vr::qt
