// Measuring a window from inside its own process, as the runner (bench/run)
// asks: the time from the launch to the first frame on screen and the peak
// memory ("startup"), or the CPU time spent while it sits idle ("idle").
// Every figure is printed on stdout as one "name value" line.
#pragma once

#include <QObject>
#include <QWidget>

#include <functional>
#include <string>

namespace vr::bench {

struct ProbeArgs {
    std::string mode;
    // startup: the runner's clock when it launched the process, in seconds
    // since the epoch ($EPOCHREALTIME); idle: seconds to idle; ticker: cycles.
    double value = 0;
};

// Reads "MODE VALUE", MODE one of `modes`; exits with a usage line otherwise.
ProbeArgs ReadArgs(int argc, char** argv, std::initializer_list<const char*> modes);

double EpochSeconds();
// User and system CPU time of the process so far.
double CpuMs();
long PeakRssKb();
void Print(const char* name, double value);

// Calls `then` once, as soon as the window's first frame has been painted
// and handed to the display: after the window's first expose is handled.
class FirstFrame : public QObject {
public:
    FirstFrame(QWidget& window, std::function<void()> then);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::function<void()> then_;
    bool done_ = false;
};

// Sets up the "startup" or "idle" measurement of `window` (call before it
// is shown); the application quits once it has printed its figures.
void MeasureWindow(QWidget& window, const ProbeArgs& args);

}  // namespace vr::bench
