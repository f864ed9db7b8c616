// A game on the widget model alone: the window in its design state, the
// event driver on a virtual clock, a scripted or seeded chance and a platform
// that records what the game asked of it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/main_form.h"
#include "scripted_random.h"
#include "ui/model/event_driver.h"
#include "ui/design/inventory.h"
#include "ui/model/widget_model.h"

namespace vr::test {

class FakeBrowser : public Browser {
public:
    bool show() override {
        shown = true;
        return true;
    }
    bool navigate(const std::string& address) override {
        visited.push_back(address);
        return true;
    }
    bool shown = false;
    std::vector<std::string> visited;
};

class FakePlatform : public Platform {
public:
    std::uint32_t secondsSinceMidnight() override { return seconds; }
    // As on the desktop, no event runs after the game has been told to end.
    void quit() override {
        ++quits;
        if (driver) driver->stop();
    }
    std::shared_ptr<Browser> createBrowser() override {
        if (!browserAvailable) return nullptr;
        auto b = std::make_shared<FakeBrowser>();
        browsers.push_back(b);
        return b;
    }
    std::uint32_t seconds = 12345;
    int quits = 0;
    bool browserAvailable = true;
    EventDriver* driver = nullptr;
    std::vector<std::shared_ptr<FakeBrowser>> browsers;
};

// A window that has loaded, with the given chance behind it.
struct Game {
    explicit Game(std::unique_ptr<Random> r = std::make_unique<ScriptedRandom>())
        : random(std::move(r)), driver(model) {
        BuildWindow(model);
        platform.driver = &driver;
        main = std::make_unique<Main>(model, *random, platform);
        main->Form_Load();
    }
    static std::unique_ptr<Game> Seeded(std::uint32_t seed) {
        return std::make_unique<Game>(std::make_unique<SeededRandom>(seed));
    }

    ScriptedRandom& script() { return dynamic_cast<ScriptedRandom&>(*random); }

    W id(const std::string& name, int index = -1) const {
        return index < 0 ? model.id(name) : model.id(name, index);
    }
    const Widget& w(const std::string& name, int index = -1) const { return model.at(id(name, index)); }
    bool click(const std::string& name, int index = -1) { return driver.click(name, index); }
    void advance(std::int64_t ms) { driver.advance(ms); }
    std::string picture(W w) const { return model.pictureName(model.readPicture(w)); }
    std::string picture(const std::string& name, int index = -1) const { return picture(id(name, index)); }
    std::string cellPicture(int x, int y) const { return picture(main->state().cells(x, y)); }

    WidgetModel model;
    std::unique_ptr<Random> random;
    EventDriver driver;
    FakePlatform platform;
    std::unique_ptr<Main> main;
};

}  // namespace vr::test
