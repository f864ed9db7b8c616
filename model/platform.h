// What the game needs of the machine beyond its window: the time of day (to
// seed its chance), ending the program, and a web browser for the banner.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vr {

// A browser window the banner opened. Each step may fail; a failure is
// answered with false and the game goes on.
class Browser {
public:
    virtual ~Browser() = default;
    virtual bool show() = 0;
    virtual bool navigate(const std::string& address) = 0;
    // Told when this browser closes, where the browser can tell it.
    std::function<void()> onQuit;
};

class Platform {
public:
    virtual ~Platform() = default;
    virtual std::uint32_t secondsSinceMidnight() = 0;
    // Ends the program at once with exit status 0; no further event runs.
    virtual void quit() = 0;
    // A new browser, or none where the machine has no way to open one.
    virtual std::shared_ptr<Browser> createBrowser() = 0;
};

}  // namespace vr
