// The game's window: every widget of the widget model mirrored by a Qt
// widget, the game behind them, and the clock that drives the game's timers.
// After every click and every tick only what the game changed is redrawn.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "game/main_form.h"
#include "game/random.h"
#include "model/event_driver.h"
#include "model/widget_model.h"
#include "qt/pictures.h"
#include "qt/qt_platform.h"

namespace vr::qt {

// Sets up what the whole program shares: the built-in pictures and faces and
// one widget style, so the game looks the same on every desktop.
void PrepareApplication();

// The application object of every program that opens the game's window (the
// game, its tests, its tools and benchmarks), prepared as above. Qt's own
// command-line switches are not the game's: it is given the program's name
// alone.
std::unique_ptr<QApplication> StartApplication(char* program);

class GameWindow : public QWidget {
public:
    // With `fixedSeed` every run deals the same boards (for tests); the game
    // itself seeds its chance from the time of day.
    explicit GameWindow(std::optional<std::uint32_t> fixedSeed = std::nullopt);
    // With a chance of the caller's own, which the game seeds as usual.
    explicit GameWindow(std::unique_ptr<Random> chance);
    ~GameWindow() override;
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    WidgetModel& model() { return model_; }
    EventDriver& driver() { return driver_; }
    Main& game() { return *main_; }
    const Pictures& pictures() const { return pictures_; }
    // The Qt widget that shows `w`; none for the timers, nor for a text box
    // or a panel's content that has not been on screen yet (its view is made
    // when it first shows).
    QWidget* view(W w) const;
    // Milliseconds since the window was created: the game's clock.
    std::int64_t clock() const { return clock_.elapsed(); }

    // A click as the player's reaches the game: the timers due by now tick
    // first, and the window shows the outcome.
    bool click(W w);
    // A key as the player's reaches the game, the same way; true when it
    // clicked something.
    bool key(Key k, bool repeat = false);
    // Mirrors what the game changed since the last call.
    void applyChanges();
    // Told of each batch of changes once it shows, while Qt's accessibility
    // is active (set by InstallAccessibility, qt/accessible.h).
    static inline void (*announce)(GameWindow&, const std::vector<WidgetModel::Change>&) = nullptr;
    // The game's clock stands still: its timers tick only through
    // driver().tick(), for tools and benchmarks that draw chosen moments.
    void holdClock();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* ensureView(W w);
    QWidget* create(W w);
    void stack(W w, QWidget* v);
    QWidget* stripFor(W cell);
    void place(W w, QWidget* v);
    void showStrips();
    void apply(W w, std::uint32_t bits);
    bool waits(W w) const;
    void watch(QObject* o, W w);
    void press(W w);
    void hideFocus();
    void release(W w, bool inside);
    void setDown(W w, bool down);
    void tick();
    void arm();

    QElapsedTimer clock_;
    WidgetModel model_;
    EventDriver driver_;
    std::unique_ptr<Random> random_;
    QtPlatform platform_;
    Pictures pictures_;
    std::unique_ptr<Main> main_;
    std::vector<QWidget*> views_;               // by handle; null for timers
    using StackKey = std::tuple<bool, int, W>;  // windowed kind, minus design order, handle
    // The views in each container (by its handle + 1; 0: the window), bottom first.
    std::vector<std::vector<std::pair<StackKey, QWidget*>>> children_;
    // The board's cells lie in strips, one per row (by container, top and
    // height): Qt then walks 30 rows and the cells of the rows it repaints,
    // not all 900 cells, for every change on the board.
    std::map<std::tuple<W, int, int>, QWidget*> strips_;
    std::vector<QWidget*> touchedStrips_;  // to be shown or hidden with their cells
    std::vector<W> unseen_;                // widgets not on screen yet, without a view
    QHash<QObject*, W> watched_;           // Qt widgets that take the mouse for a model widget
    QTimer timer_;
    W pressed_ = kNoWidget;    // the widget the held mouse button went down on
    W lastPress_ = kNoWidget;  // the widget of the latest press, to tell a double click's second press
    bool clockHeld_ = false;
    bool firstPainted_ = false;  // the faces are ready and the icon asked for
};

}  // namespace vr::qt
