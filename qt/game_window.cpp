#include "qt/game_window.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>
#include <tuple>

#include "design/inventory.h"
#include "design/spoken.h"
#include "qt/fonts.h"
#include "qt/views.h"

namespace vr::qt {

namespace {

// A chance that keeps the seed it was made with, whatever the game seeds it with.
class FixedSeedRandom : public SeededRandom {
public:
    explicit FixedSeedRandom(std::uint32_t s) : SeededRandom(s) {}
    void seed(std::uint32_t) override {}
};

std::unique_ptr<Random> MakeRandom(std::optional<std::uint32_t> fixedSeed) {
    if (fixedSeed) return std::make_unique<FixedSeedRandom>(*fixedSeed);
    return std::make_unique<SeededRandom>();
}

// Frames, buttons and text boxes lie above the labels and images of their container.
bool Windowed(Kind k) { return k == Kind::Frame || k == Kind::Button || k == Kind::TextBox; }

// The game's key for a key the player pressed; none for keys it leaves to
// the desktop (any with Ctrl, Alt or the logo key).
std::optional<Key> GameKey(const QKeyEvent& e) {
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    switch (e.key()) {
        case Qt::Key_Tab: return e.modifiers() & Qt::ShiftModifier ? Key::BackTab : Key::Tab;
        case Qt::Key_Backtab: return Key::BackTab;
        case Qt::Key_Left: return Key::Left;
        case Qt::Key_Right: return Key::Right;
        case Qt::Key_Up: return Key::Up;
        case Qt::Key_Down: return Key::Down;
        case Qt::Key_Return:
        case Qt::Key_Enter: return Key::Enter;
        case Qt::Key_Space: return Key::Space;
        case Qt::Key_Escape: return Key::Escape;
        case Qt::Key_P: return Key::P;
        case Qt::Key_1: return Key::Digit1;
        case Qt::Key_2: return Key::Digit2;
        case Qt::Key_3: return Key::Digit3;
        case Qt::Key_4: return Key::Digit4;
        default: return std::nullopt;
    }
}

// The window's own icon, in the three sizes it was designed in. Task bars
// and window switchers show the installed icons (up to 256 pixels) of the
// desktop entry the window names, so larger pictures here would only cost
// decoding at start. They are read as the pictures they are: given only
// their names, the icon would load every picture format's plugin to find the
// one for PNG.
QIcon GameIcon() {
    QIcon icon;
    for (int size : {16, 32, 64}) {
        const QPixmap picture = ReadPicture(QStringLiteral(":/pictures/icon-%1.png").arg(size));
        if (!picture.isNull()) icon.addPixmap(picture);
    }
    if (icon.isNull() && QFile::exists(QStringLiteral(":/pictures/icon.ico"))) {
        icon = QIcon(QStringLiteral(":/pictures/icon.ico"));
    }
    return icon;
}

}  // namespace

GameWindow::GameWindow(std::optional<std::uint32_t> fixedSeed) : GameWindow(MakeRandom(fixedSeed)) {}

GameWindow::GameWindow(std::unique_ptr<Random> chance)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      driver_(model_),
      random_(std::move(chance)),
      platform_(driver_),
      pictures_(model_) {
    clock_.start();
    PrepareApplication();
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setFixedSize(kClientWidth, kClientHeight);
    setFocusPolicy(Qt::NoFocus);
    if (const QScreen* s = screen()) {
        const QRect a = s->availableGeometry();
        move(a.x() + (a.width() - width()) / 2, a.y() + (a.height() - height()) / 2);
    }

    driver_.setRealClock(true);
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { tick(); });

    BuildWindow(model_);
    applyChanges();
    main_ = std::make_unique<Main>(model_, *random_, platform_);
    main_->Form_Load();
    applyChanges();
    arm();
}

GameWindow::~GameWindow() {
    timer_.stop();
    driver_.stop();
    // The views read the model when they paint: they go before it does.
    for (auto it = watched_.begin(); it != watched_.end(); ++it) it.key()->removeEventFilter(this);
    if (!children_.empty()) {
        for (const auto& [key, v] : children_[0]) delete v;
    }
}

QWidget* GameWindow::view(W w) const {
    if (w < 0 || static_cast<std::size_t>(w) >= views_.size()) return nullptr;
    return views_[static_cast<std::size_t>(w)];
}

void GameWindow::holdClock() {
    clockHeld_ = true;
    timer_.stop();
}

bool GameWindow::click(W w) {
    if (!clockHeld_) driver_.advanceTo(clock());
    const bool handled = driver_.click(w);
    applyChanges();
    arm();
    return handled;
}

bool GameWindow::key(Key k, bool repeat) {
    if (!clockHeld_) driver_.advanceTo(clock());
    const bool handled = driver_.key(k, repeat);
    applyChanges();
    arm();
    return handled;
}

void GameWindow::hideFocus() {
    if (!model_.focusVisible()) return;
    model_.setFocusVisible(false);
    applyChanges();
}

bool GameWindow::event(QEvent* event) {
    // Every key comes here (no widget of the window takes the focus of Qt),
    // Tab too, before Qt could move a focus of its own.
    if (event->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if (const std::optional<Key> game = GameKey(*k)) {
            key(*game, k->isAutoRepeat());
            event->accept();
            return true;
        }
        // Page Up and Page Down scroll the text of the help or the story, as
        // the mouse scrolls it.
        if (k->key() == Qt::Key_PageUp || k->key() == Qt::Key_PageDown) {
            for (W w = 0; w < static_cast<W>(model_.size()); ++w) {
                auto* box = model_.at(w).kind == Kind::TextBox && model_.shown(w) ? dynamic_cast<TextBoxView*>(view(w))
                                                                                  : nullptr;
                if (box) {
                    box->verticalScrollBar()->triggerAction(k->key() == Qt::Key_PageUp
                                                                ? QAbstractSlider::SliderPageStepSub
                                                                : QAbstractSlider::SliderPageStepAdd);
                }
            }
            return true;
        }
    }
    return QWidget::event(event);
}

void GameWindow::tick() {
    driver_.advanceTo(clock());
    applyChanges();
    arm();
}

void GameWindow::arm() {
    if (clockHeld_) return;
    const std::int64_t due = driver_.nextDue();
    if (due < 0) {
        timer_.stop();
        return;
    }
    const std::int64_t wait = std::max<std::int64_t>(0, due - clock());
    timer_.start(static_cast<int>(std::min<std::int64_t>(wait, 1 << 30)));
}

void GameWindow::applyChanges() {
    if (views_.size() < model_.size()) views_.resize(model_.size(), nullptr);
    const std::vector<WidgetModel::Change> changes = model_.takeChanges();
    bool shownOrHidden = false;
    for (const WidgetModel::Change& c : changes) {
        apply(c.w, c.bits);
        shownOrHidden = shownOrHidden || (c.bits & kDirtyVisible);
    }
    showStrips();
    for (auto it = unseen_.begin(); shownOrHidden && it != unseen_.end();) {
        if (waits(*it)) {
            ++it;
        } else {
            const W w = *it;
            it = unseen_.erase(it);
            apply(w, kDirtyAll);
        }
    }
    if (announce && QAccessible::isActive()) announce(*this, changes);
}

bool GameWindow::waits(W w) const {
    // A text box is a heavy widget and the story has nine of them; what lies
    // in a panel is of no use before the panel shows (the story, the help,
    // the credits, and the template pictures never): each gets its view when
    // it first comes on screen, not at start-up.
    const Widget& x = model_.at(w);
    return x.kind == Kind::TextBox ? !model_.shown(w) : !model_.shown(x.container);
}

QWidget* GameWindow::ensureView(W w) {
    if (w == kNoWidget) return this;
    if (views_.size() < model_.size()) views_.resize(model_.size(), nullptr);
    QWidget*& v = views_[static_cast<std::size_t>(w)];
    if (!v) apply(w, kDirtyAll);
    return v;
}

QWidget* GameWindow::create(W w) {
    const Widget& x = model_.at(w);
    QWidget* parent = IsBoardCell(x) ? stripFor(w) : ensureView(x.container);
    QWidget* v = nullptr;
    switch (x.kind) {
        case Kind::Frame: v = new FrameView(model_, w, parent); break;
        case Kind::Label: v = new LabelView(model_, w, parent); break;
        case Kind::Image: v = new ImageView(model_, w, parent, pictures_); break;
        case Kind::Button: v = new ButtonView(model_, w, parent); break;
        case Kind::TextBox: {
            LoadGameFonts();  // the box lays its text out at once
            auto* box = new TextBoxView(model_, w, parent);
            watch(box->viewport(), w);
            watch(box->verticalScrollBar(), w);
            v = box;
            break;
        }
        case Kind::Timer: return nullptr;
    }
    watch(v, w);
    // Cells share one design order; they lie side by side in their strip.
    if (!IsBoardCell(x)) stack(w, v);
    return v;
}

QWidget* GameWindow::stripFor(W cell) {
    const Widget& x = model_.at(cell);
    QWidget*& strip = strips_[{x.container, x.top, x.height}];
    if (!strip) {
        // Hidden until a cell in it shows; it takes the cells' place among
        // the other widgets.
        strip = new QWidget(ensureView(x.container));
        strip->setGeometry(x.left, x.top, x.width, x.height);
        strip->hide();
        stack(cell, strip);
    }
    return strip;
}

void GameWindow::place(W w, QWidget* v) {
    const Widget& x = model_.at(w);
    const QRect r(x.left, x.top, x.width, x.height);
    if (!IsBoardCell(x)) {
        v->setGeometry(r);
        return;
    }
    QWidget* strip = stripFor(w);
    if (v->parentWidget() != strip) {
        touchedStrips_.push_back(v->parentWidget());
        v->setParent(strip);
        v->setVisible(x.visible);
    }
    if (!strip->geometry().contains(r)) {
        const QRect grown = strip->geometry().united(r);
        const QPoint shift = strip->pos() - grown.topLeft();
        if (!shift.isNull()) {
            for (QObject* o : strip->children()) {
                if (auto* c = qobject_cast<QWidget*>(o)) c->move(c->pos() + shift);
            }
        }
        strip->setGeometry(grown);
    }
    v->setGeometry(r.translated(-strip->pos()));
    touchedStrips_.push_back(strip);
}

void GameWindow::showStrips() {
    std::sort(touchedStrips_.begin(), touchedStrips_.end());
    touchedStrips_.erase(std::unique(touchedStrips_.begin(), touchedStrips_.end()), touchedStrips_.end());
    for (QWidget* strip : touchedStrips_) {
        bool any = false;
        for (QObject* o : strip->children()) {
            const auto* c = qobject_cast<QWidget*>(o);
            if (c && !c->isHidden()) {
                any = true;
                break;
            }
        }
        strip->setVisible(any);
    }
    touchedStrips_.clear();
}

void GameWindow::stack(W w, QWidget* v) {
    // Higher lies above: windowed kinds, then the lower design order, then
    // the later widget (cells made from one template share its order). The
    // siblings are kept in that order, so a board of 900 cells is stacked
    // without comparing every new cell with all the others.
    const Widget& x = model_.at(w);
    const StackKey mine{Windowed(x.kind), -x.order, w};
    const int container = x.container + 1;  // 0: the window
    const auto slot = static_cast<std::size_t>(container);
    if (children_.size() <= slot) children_.resize(slot + 1);
    std::vector<std::pair<StackKey, QWidget*>>& siblings = children_[slot];
    const auto above = std::upper_bound(siblings.begin(), siblings.end(), mine,
                                        [](const StackKey& k, const auto& s) { return k < s.first; });
    // A new widget lies on top of its siblings unless one belongs above it.
    if (above != siblings.end()) v->stackUnder(above->second);
    siblings.insert(above, {mine, v});
}

void GameWindow::apply(W w, std::uint32_t bits) {
    const Widget& x = model_.at(w);
    if (x.kind == Kind::Timer) return;
    QWidget*& slot = views_[static_cast<std::size_t>(w)];
    if (!slot) {
        if (waits(w)) {
            if (std::find(unseen_.begin(), unseen_.end(), w) == unseen_.end()) unseen_.push_back(w);
            return;
        }
        slot = create(w);
        bits = kDirtyAll;
    }
    QWidget* v = slot;
    if (bits & kDirtyGeometry) place(w, v);
    if ((bits & kDirtyCaption) && x.kind == Kind::TextBox) static_cast<TextBoxView*>(v)->refresh();
    if (bits & (kDirtyCaption | kDirtyColor | kDirtyPicture | kDirtyBorder | kDirtyEnabled | kDirtyFocus)) v->update();
    if (bits & kDirtyVisible) {
        v->setVisible(x.visible);
        if (IsBoardCell(x)) touchedStrips_.push_back(v->parentWidget());
    }
}

void GameWindow::watch(QObject* o, W w) {
    watched_.insert(o, w);
    o->installEventFilter(this);
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto it = watched_.constFind(watched);
    if (it == watched_.constEnd()) return false;
    const W w = it.value();
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (type != QEvent::MouseButtonRelease) hideFocus();
    if (mouse->button() == Qt::LeftButton) {
        if (type == QEvent::MouseButtonPress) {
            press(w);
        } else if (type == QEvent::MouseButtonDblClick) {
            // The second press of a double click may land on a widget that
            // the first click has just revealed: it is a click only where
            // the first press was.
            if (w == lastPress_) {
                press(w);
            } else {
                pressed_ = kNoWidget;
                lastPress_ = w;
            }
        } else {
            const auto* target = static_cast<QWidget*>(watched);
            release(w, target->rect().contains(mouse->position().toPoint()));
        }
    }
    // A text box scrolls as usual; every other widget keeps the mouse to itself.
    if (model_.at(w).kind == Kind::TextBox) return false;
    event->accept();
    return true;
}

void GameWindow::press(W w) {
    pressed_ = w;
    lastPress_ = w;
    if (model_.at(w).kind == Kind::Button && model_.clickable(w)) setDown(w, true);
}

void GameWindow::release(W w, bool inside) {
    if (pressed_ != w) return;
    pressed_ = kNoWidget;
    setDown(w, false);
    if (inside) click(w);
}

void GameWindow::setDown(W w, bool down) {
    if (model_.at(w).kind != Kind::Button) return;
    if (auto* b = dynamic_cast<ButtonView*>(view(w))) b->setDown(down);
}

void GameWindow::mousePressEvent(QMouseEvent* event) {
    // The bare window: no widget was pressed.
    hideFocus();
    pressed_ = kNoWidget;
    lastPress_ = kNoWidget;
    event->accept();
}

void GameWindow::paintEvent(QPaintEvent*) {
    // The first paint comes before any text is drawn: the faces are made
    // ready here, and not sooner, so that fontconfig's start on its own
    // thread has the building of the window and its opening on the screen
    // to run beside. The icon comes right after the first frame: decoding
    // its sizes would hold that frame back.
    if (!firstPainted_) {
        firstPainted_ = true;
        LoadGameFonts();
        QTimer::singleShot(0, this, [this] { setWindowIcon(GameIcon()); });
    }
    QPainter p(this);
    p.fillRect(rect(), ToColor(kWindowBack));
}

void GameWindow::closeEvent(QCloseEvent* event) {
    driver_.stop();
    timer_.stop();
    event->accept();
}

}  // namespace vr::qt
