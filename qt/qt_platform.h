// What the game asks of the machine, on a Qt desktop: the time of day, ending
// the program, and the desktop's web browser for the banner.
#pragma once

#include "model/event_driver.h"
#include "model/platform.h"

namespace vr::qt {

// Opens addresses in the desktop's browser. There is no browser window of
// its own to show, and the desktop tells nothing when the browser closes.
class DesktopBrowser : public Browser {
public:
    bool show() override { return true; }
    bool navigate(const std::string& address) override;
};

class QtPlatform : public Platform {
public:
    explicit QtPlatform(EventDriver& driver) : driver_(driver) {}
    std::uint32_t secondsSinceMidnight() override;
    // No further event runs; the event loop ends and the program exits with 0.
    void quit() override;
    std::shared_ptr<Browser> createBrowser() override;

private:
    EventDriver& driver_;
};

}  // namespace vr::qt
