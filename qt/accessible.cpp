#include "qt/accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWindow>

#include <algorithm>
#include <string>
#include <tuple>

#include "design/spoken.h"
#include "qt/game_window.h"
#include "qt/views.h"

namespace vr::qt {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// ---------------------------------------------------------------------------
// The tree a screen reader walks: the window, its panels and what they hold,
// the board as one table.

constexpr W kBoard = -2;  // the board table among the window's children
const char* const kBoardAnchor = "vr-board-accessible";

// A screen reader is told about the widgets design/spoken.h presents, but
// not about text boxes never yet on screen: they have no view.
bool Told(GameWindow& win, W w) { return Presented(win.model(), w) && win.view(w) != nullptr; }

// The children of the window (container kNoWidget) or of a panel, in
// reading order: on the window the panels shown over the board, the board,
// the offer, the read-outs and the buttons of the side panel, and the
// ticker last; in a panel from the top down, then from the left.
std::vector<W> Children(GameWindow& win, W container) {
    const WidgetModel& m = win.model();
    std::vector<W> kids;
    bool board = false;
    for (W w = 0; w < static_cast<W>(m.size()); ++w) {
        const Widget& x = m.at(w);
        if (x.container != container) continue;
        if (IsBoardCell(x)) {
            board = true;
        } else if (Told(win, w)) {
            kids.push_back(w);
        }
    }
    if (board) kids.push_back(kBoard);
    auto key = [&](W w) {
        if (container != kNoWidget) return std::tuple(m.at(w).top, m.at(w).left, w);
        if (w == kBoard) return std::tuple(1, 0, w);
        const Widget& x = m.at(w);
        const int rank = x.kind == Kind::Frame ? 0 : x.name == "nabidka" ? 2 : x.name == "text" ? 4 : 3;
        return std::tuple(rank, 0, w);
    };
    std::stable_sort(kids.begin(), kids.end(), [&](W a, W b) { return key(a) < key(b); });
    return kids;
}

QObject* BoardAnchor(GameWindow& win) {
    QObject* anchor = win.findChild<QObject*>(QLatin1String(kBoardAnchor), Qt::FindDirectChildrenOnly);
    if (!anchor) {
        anchor = new QObject(&win);
        anchor->setObjectName(QLatin1String(kBoardAnchor));
    }
    return anchor;
}

QAccessibleInterface* Interface(GameWindow& win, W w) {
    if (w == kNoWidget) return QAccessible::queryAccessibleInterface(&win);
    if (w == kBoard) return QAccessible::queryAccessibleInterface(BoardAnchor(win));
    QWidget* v = win.view(w);
    return v ? QAccessible::queryAccessibleInterface(v) : nullptr;
}

W HandleOf(const QAccessibleInterface* iface);

// Children of the window and of the panels.
int IndexIn(GameWindow& win, W container, const QAccessibleInterface* child) {
    const W w = HandleOf(child);
    if (w == kNoWidget) return -1;
    const std::vector<W> kids = Children(win, container);
    const auto it = std::find(kids.begin(), kids.end(), w);
    return it == kids.end() ? -1 : static_cast<int>(it - kids.begin());
}

QAccessibleInterface* ChildIn(GameWindow& win, W container, int index) {
    const std::vector<W> kids = Children(win, container);
    if (index < 0 || index >= static_cast<int>(kids.size())) return nullptr;
    return Interface(win, kids[static_cast<std::size_t>(index)]);
}

// ---------------------------------------------------------------------------
// The interfaces.

// The window: its title, and the widgets placed on it.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(GameWindow& win) : QAccessibleWidget(&win, QAccessible::Window), win_(win) {}
    int childCount() const override { return static_cast<int>(Children(win_, kNoWidget).size()); }
    QAccessibleInterface* child(int index) const override { return ChildIn(win_, kNoWidget, index); }
    int indexOfChild(const QAccessibleInterface* child) const override { return IndexIn(win_, kNoWidget, child); }

private:
    GameWindow& win_;
};

// One widget of the model, through its view.
class WidgetAccessible : public QAccessibleWidget {
public:
    WidgetAccessible(GameWindow& win, W w, QWidget* view)
        : QAccessibleWidget(view, QAccessible::NoRole), win_(win), w_(w) {}
    W handle() const { return w_; }

    QAccessible::Role role() const override {
        const Widget& x = at();
        switch (x.kind) {
            case Kind::Frame: return QAccessible::Pane;
            case Kind::TextBox: return QAccessible::EditableText;
            case Kind::Button: return QAccessible::Button;
            case Kind::Label:
                return x.name == "nadpis" && x.index != 1 ? QAccessible::Heading : QAccessible::StaticText;
            case Kind::Image:
                if (IsBoardCell(x)) return QAccessible::Cell;
                if (x.name == "nabidka") return QAccessible::RadioButton;
                return x.name == "ZKbaner" ? QAccessible::Link : QAccessible::Button;
            case Kind::Timer: break;
        }
        return QAccessible::NoRole;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return Q(name());
        if (t == QAccessible::Description) return QString::fromUtf8(description());
        return {};
    }

    QAccessible::State state() const override {
        const WidgetModel& m = win_.model();
        const Widget& x = at();
        QAccessible::State s;
        s.invisible = !m.shown(w_);
        if (x.kind == Kind::Button || x.kind == Kind::Image) {
            s.disabled = !m.clickable(w_);
            s.focusable = x.name != "dsel";
            s.focused = m.focusVisible() && m.focus() == w_;
        } else if (x.kind == Kind::Frame) {
            for (W c = w_; c != kNoWidget; c = m.at(c).container) s.disabled |= !m.at(c).enabled;
        }
        if (x.name == "nabidka") {
            s.checkable = true;
            s.checked = x.borderStyle == 1;
        }
        if (x.kind == Kind::TextBox) {
            s.readOnly = true;
            s.multiLine = true;
        }
        return s;
    }

    QAccessibleInterface* parent() const override {
        const Widget& x = at();
        return Interface(win_, IsBoardCell(x) ? kBoard : x.container);
    }
    int childCount() const override {
        return at().kind == Kind::Frame ? static_cast<int>(Children(win_, w_).size()) : 0;
    }
    QAccessibleInterface* child(int index) const override {
        return at().kind == Kind::Frame ? ChildIn(win_, w_, index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return at().kind == Kind::Frame ? IndexIn(win_, w_, child) : -1;
    }

    // Whatever raises a click has a press, which is a click: the model's
    // rule decides whether it reaches the game.
    QStringList actionNames() const override {
        const Kind k = at().kind;
        if (k == Kind::Button || k == Kind::Image) return {QAccessibleActionInterface::pressAction()};
        return {};
    }
    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::pressAction() && !actionNames().isEmpty()) win_.click(w_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // The ticker is named by its whole line once it has typed it, and keeps
    // that name while it types the line again: no new name at every letter.
    // True when the line has just been typed for the first time.
    bool lineJustTyped() const {
        const bool before = lineTyped_;
        name();
        return lineTyped_ && !before;
    }

protected:
    const Widget& at() const { return win_.model().at(w_); }
    GameWindow& win_;

private:
    std::string name() const {
        const WidgetModel& m = win_.model();
        const Widget& x = at();
        if (x.name == "text") {
            if (x.caption == TickerLine()) lineTyped_ = true;
            return lineTyped_ ? TickerLine() : std::string();
        }
        // A panel, and the text box in it, are named by the panel's heading:
        // its topmost label. The text box's words are its text.
        if (x.kind == Kind::Frame || x.kind == Kind::TextBox) {
            for (W k : Children(win_, x.kind == Kind::Frame ? w_ : x.container)) {
                if (m.at(k).kind == Kind::Label) return m.caption(k);
            }
            return {};
        }
        return SpokenName(m, w_);
    }

    const char* description() const { return SpokenDescription(at()); }

    W w_;
    mutable bool lineTyped_ = false;
};

W HandleOf(const QAccessibleInterface* iface) {
    if (const auto* wa = dynamic_cast<const WidgetAccessible*>(iface)) return wa->handle();
    if (iface && iface->object() && iface->object()->objectName() == QLatin1String(kBoardAnchor)) return kBoard;
    return kNoWidget;
}

// A widget that also speaks one more of Qt's accessible interfaces.
template <class Extra, QAccessible::InterfaceType kExtra>
class WidgetWith : public WidgetAccessible, public Extra {
public:
    using WidgetAccessible::WidgetAccessible;
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == kExtra ? static_cast<Extra*>(this) : WidgetAccessible::interface_cast(t);
    }
};

// A cell of the board, in its row and column of the table.
class CellAccessible : public WidgetWith<QAccessibleTableCellInterface, QAccessible::TableCellInterface> {
public:
    using WidgetWith::WidgetWith;
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return at().index % side(); }
    int rowIndex() const override { return at().index / side(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return Interface(win_, kBoard); }

private:
    int side() const { return std::max(1, ShownBoardSide(win_.model())); }
};

// A story or help text: the whole text, read-only.
class TextBoxAccessible : public WidgetWith<QAccessibleTextInterface, QAccessible::TextInterface> {
public:
    using WidgetWith::WidgetWith;
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString all = whole();
        if (end < 0 || end > all.size()) end = static_cast<int>(all.size());
        start = std::clamp(start, 0, end);
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(whole().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }
    using WidgetAccessible::text;

private:
    // The texts break their lines with CR LF; a paragraph is one line here.
    QString whole() const { return Q(at().caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
};

// The board: a table of N x N cells, row by row.
class BoardAccessible : public QAccessibleObject, public QAccessibleTableInterface {
public:
    BoardAccessible(GameWindow& win, QObject* anchor) : QAccessibleObject(anchor), win_(win) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
    }
    QWindow* window() const override { return win_.windowHandle(); }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) return QString::fromUtf8(BoardKeysHelp());
        return t == QAccessible::Name ? QStringLiteral("Hrací plocha") : QString();
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = side() == 0;
        return s;
    }
    QRect rect() const override {
        const int n = side();
        if (n == 0) return {};
        return cellRect(0).united(cellRect(n * n - 1));
    }
    QAccessibleInterface* parent() const override { return Interface(win_, kNoWidget); }
    int childCount() const override { return side() * side(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return Interface(win_, win_.model().id("pole", index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const W w = HandleOf(child);
        if (w < 0 || !IsBoardCell(win_.model().at(w))) return -1;
        const int i = win_.model().at(w).index;
        return i < childCount() ? i : -1;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        const int n = side();
        if (row < 0 || column < 0 || row >= n || column >= n) return nullptr;
        return child(row * n + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return QStringLiteral("sloupec %1").arg(column + 1); }
    QString rowDescription(int row) const override { return QStringLiteral("řádek %1").arg(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return side(); }
    int rowCount() const override { return side(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    int side() const { return ShownBoardSide(win_.model()); }
    // Whether the board came on screen or went off it since the last call.
    bool shownChanged() {
        const bool shown = side() > 0;
        const bool changed = shown != shown_;
        shown_ = shown;
        return changed;
    }

private:
    QRect cellRect(int index) const {
        const QWidget* v = win_.view(win_.model().id("pole", index));
        return v ? QRect(v->mapToGlobal(QPoint(0, 0)), v->size()) : QRect();
    }
    GameWindow& win_;
    bool shown_ = false;
};

GameWindow* WindowOf(QWidget* w) { return w ? dynamic_cast<GameWindow*>(w->window()) : nullptr; }

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (object && object->objectName() == QLatin1String(kBoardAnchor)) {
        if (auto* win = dynamic_cast<GameWindow*>(object->parent())) return new BoardAccessible(*win, object);
        return nullptr;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    GameWindow* win = WindowOf(widget);
    if (!win) return nullptr;
    if (widget == win) return new WindowAccessible(*win);
    // A text box asks for its interface while it is being made, before the
    // window holds it as the view of its widget.
    W w = kNoWidget;
    if (const auto* mirror = dynamic_cast<MirrorView*>(widget)) w = mirror->handle();
    if (const auto* box = dynamic_cast<TextBoxView*>(widget)) w = box->handle();
    // What a screen reader is not told about keeps Qt's plain interface.
    if (w == kNoWidget || !Presented(win->model(), w)) return nullptr;
    const Widget& x = win->model().at(w);
    if (IsBoardCell(x)) return new CellAccessible(*win, w, widget);
    if (x.kind == Kind::TextBox) return new TextBoxAccessible(*win, w, widget);
    return new WidgetAccessible(*win, w, widget);
}

void Send(QAccessibleInterface* iface, QAccessible::Event type) {
    if (!iface) return;
    QAccessibleEvent e(iface, type);
    QAccessible::updateAccessibility(&e);
}

void SendState(QAccessibleInterface* iface, QAccessible::State changed) {
    if (!iface) return;
    QAccessibleStateChangeEvent e(iface, changed);
    QAccessible::updateAccessibility(&e);
}

bool Within(const WidgetModel& m, W w, W container) {
    for (W c = w; c != kNoWidget; c = m.at(c).container) {
        if (c == container) return true;
    }
    return false;
}

}  // namespace

void InstallAccessibility() {
    QAccessible::installFactory(Factory);
    GameWindow::announce = AnnounceChanges;
}

void AnnounceChanges(GameWindow& win, const std::vector<WidgetModel::Change>& changes) {
    const WidgetModel& m = win.model();
    bool cells = false;
    for (const WidgetModel::Change& c : changes) {
        const Widget& x = m.at(c.w);
        if (x.kind == Kind::Timer) continue;
        if (c.bits & (kDirtyCaption | kDirtyPicture)) {
            // The words beside a read-out are part of its name; a panel is
            // named by its heading.
            W target = x.name == "Label1" ? m.id("levnum") : x.name == "Label2" ? m.id("lzivotu") : c.w;
            if (x.name == "text") {
                auto* ticker = dynamic_cast<WidgetAccessible*>(Interface(win, c.w));
                if (!ticker || !ticker->lineJustTyped()) target = kNoWidget;
            }
            if (target != kNoWidget && Told(win, target)) Send(Interface(win, target), QAccessible::NameChanged);
            if (x.kind == Kind::Label && x.container != kNoWidget) {
                Send(Interface(win, x.container), QAccessible::NameChanged);
            }
        }
        if (c.bits & (kDirtyEnabled | kDirtyVisible)) {
            // Whether a widget takes a click hangs on its panels too.
            QAccessible::State enabled;
            enabled.disabled = true;
            for (W w = x.kind == Kind::Frame ? 0 : c.w; w < static_cast<W>(m.size()); ++w) {
                const Kind k = m.at(w).kind;
                if ((k == Kind::Button || k == Kind::Image) && Within(m, w, c.w) && Told(win, w)) {
                    SendState(Interface(win, w), enabled);
                }
                if (x.kind != Kind::Frame) break;
            }
        }
        if ((c.bits & kDirtyBorder) && x.name == "nabidka") {
            QAccessible::State checked;
            checked.checked = true;
            SendState(Interface(win, c.w), checked);
        }
        if ((c.bits & kDirtyVisible) && IsBoardCell(x)) cells = true;
    }
    // The focus moved, or a key showed it: the screen reader reads the
    // focused widget's name.
    const W focus = m.focus();
    const bool moved = std::any_of(changes.begin(), changes.end(),
                                   [&](const auto& c) { return c.w == focus && (c.bits & kDirtyFocus); });
    if (moved && m.focusVisible() && Told(win, focus)) Send(Interface(win, focus), QAccessible::Focus);
    // The board shows while it has cells.
    if (cells) {
        auto* board = dynamic_cast<BoardAccessible*>(Interface(win, kBoard));
        if (board && board->shownChanged()) {
            Send(board, board->side() ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        }
    }
}

}  // namespace vr::qt
