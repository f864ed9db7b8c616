// vr-bench-bare: the yardstick for the game's window, a bare fixed 800 x 600
// Qt window. "startup LAUNCHED" times its first frame and reads its peak
// memory; "idle SECONDS" lets one 100-ms timer change a label's text, the
// least a window with a running line of text can do, and reads the CPU time.
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "bench/probe_common.h"

int main(int argc, char** argv) {
    const vr::bench::ProbeArgs args = vr::bench::ReadArgs(argc, argv, {"startup", "idle"});
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(800, 600);
    QLabel label(&window);
    label.setGeometry(15, 550, 770, 35);
    label.setAlignment(Qt::AlignCenter);
    QTimer timer;
    int n = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] { label.setText(QString::number(++n % 10)); });
    if (args.mode == "idle") timer.start(100);

    vr::bench::MeasureWindow(window, args);
    window.show();
    return QApplication::exec();
}
