#include "bench/probe_common.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace vr::bench {

ProbeArgs ReadArgs(int argc, char** argv, std::initializer_list<const char*> modes) {
    ProbeArgs a;
    if (argc == 3) {
        char* end = nullptr;
        a.value = std::strtod(argv[2], &end);
        for (const char* m : modes) {
            if (a.mode.empty() && *end == '\0' && std::string(argv[1]) == m) a.mode = m;
        }
    }
    if (a.mode.empty()) {
        std::string list;
        for (const char* m : modes) list += std::string(list.empty() ? "" : "|") + m;
        std::fprintf(stderr, "usage: %s %s NUMBER\n", argv[0], list.c_str());
        std::exit(2);
    }
    return a;
}

double EpochSeconds() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double CpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) * 1e-3;
    };
    return ms(u.ru_utime) + ms(u.ru_stime);
}

long PeakRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

void Print(const char* name, double value) {
    std::printf("%s %.3f\n", name, value);
    std::fflush(stdout);
}

FirstFrame::FirstFrame(QWidget& window, std::function<void()> then)
    : QObject(QCoreApplication::instance()), window_(window), then_(std::move(then)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstFrame::eventFilter(QObject* watched, QEvent* event) {
    if (done_) return false;
    if (event->type() != QEvent::Expose || watched != window_.windowHandle() || !window_.windowHandle()->isExposed()) {
        return false;
    }
    // The window paints and flushes while it handles its expose: handle it
    // here, then the frame is out.
    done_ = true;
    QCoreApplication::instance()->removeEventFilter(this);
    watched->event(event);
    then_();
    return true;
}

void MeasureWindow(QWidget& window, const ProbeArgs& args) {
    if (args.mode == "startup") {
        const double launched = args.value;
        new FirstFrame(window, [launched] {
            Print("first_frame_ms", (EpochSeconds() - launched) * 1e3);
            // The memory peak once the window has run for a second.
            QTimer::singleShot(1000, [] {
                Print("peak_rss_kb", static_cast<double>(PeakRssKb()));
                QCoreApplication::quit();
            });
        });
    } else if (args.mode == "idle") {
        const int ms = static_cast<int>(args.value * 1000);
        new FirstFrame(window, [ms] {
            const double cpu0 = CpuMs(), t0 = EpochSeconds();
            QTimer::singleShot(ms, [cpu0, t0] {
                Print("idle_cpu_ms", CpuMs() - cpu0);
                Print("idle_wall_ms", (EpochSeconds() - t0) * 1e3);
                QCoreApplication::quit();
            });
        });
    }
}

}  // namespace vr::bench
