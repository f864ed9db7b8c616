#include "qt/views.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

#include "qt/fonts.h"

namespace vr::qt {

QColor ToColor(std::uint32_t color) {
    if (color == kSystemWindow) return QApplication::palette().color(QPalette::Window);
    if (color == kSystemButtonText) return QApplication::palette().color(QPalette::ButtonText);
    if (color == kNoColor) return {};
    return QColor(static_cast<int>(color & 0xff), static_cast<int>((color >> 8) & 0xff),
                  static_cast<int>((color >> 16) & 0xff));
}

namespace {

struct LineMetrics {
    int lead;  // room above the ascent for the accents
    int step;  // from one line's top to the next
};

// Measured once for each face and size, not at every repaint: the ticker
// alone repaints ten times a second.
const LineMetrics& MetricsOf(const QFont& font) {
    static QHash<QString, LineMetrics> known;
    const QString key = font.key();
    const auto it = known.constFind(key);
    if (it != known.constEnd()) return *it;
    const QFontMetrics fm(font);
    const int accents = -fm.boundingRect(QStringLiteral("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ")).top();
    const int lead = std::max(0, accents - fm.ascent());
    return *known.insert(key, {lead, std::max(fm.lineSpacing(), lead + fm.ascent() + fm.descent())});
}

// Lays a caption out in lines as the window's texts were designed: wrapped
// at word boundaries, each line with room above its capitals for Czech
// accents (some faces put those above their own ascent, where a plain
// top-aligned line would cut them off).
void DrawCaption(QPainter& p, const QRect& r, const QString& text, const QFont& font, Qt::Alignment align) {
    const auto [lead, step] = MetricsOf(font);

    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    option.setAlignment(align & Qt::AlignHorizontal_Mask);
    layout.setTextOption(option);
    std::vector<QTextLine> lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(r.width());
        lines.push_back(line);
    }
    layout.endLayout();

    const int total = static_cast<int>(lines.size()) * step;
    int y = r.top() + ((align & Qt::AlignVCenter) ? (r.height() - total) / 2 : 0);
    for (QTextLine& line : lines) {
        line.setPosition(QPointF(0, y + lead));
        y += step;
    }
    layout.draw(&p, QPointF(r.left(), 0));
}

}  // namespace

DevicePixels::DevicePixels(const QWidget& view) : ratio_(view.devicePixelRatioF()) {
    const QPoint at = view.mapTo(view.window(), QPoint(0, 0));
    const int left = edge(at.x()), top = edge(at.y());
    rect_ = QRect(0, 0, edge(at.x() + view.width()) - left, edge(at.y() + view.height()) - top);
    shift_ = QPointF(left - at.x() * ratio_, top - at.y() * ratio_);
}

void DevicePixels::apply(QPainter& p) const {
    p.scale(1 / ratio_, 1 / ratio_);
    p.translate(shift_);
}

QSize DevicePixels::size(QSize px) const { return {edge(px.width()), edge(px.height())}; }

int DevicePixels::line(int px) const { return std::max(1, edge(px)); }

int DevicePixels::edge(int px) const { return static_cast<int>(std::lround(px * ratio_)); }

void DevicePixels::frame(QPainter& p, const QRect& r, int width, const QColor& topLeft, const QColor& bottomRight) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), width), topLeft);
    p.fillRect(QRect(r.left(), r.top(), width, r.height()), topLeft);
    p.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), bottomRight);
    p.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), bottomRight);
}

MirrorView::MirrorView(const WidgetModel& model, W w, QWidget* parent) : QWidget(parent), model_(model), w_(w) {
    setFocusPolicy(Qt::NoFocus);
}

void MirrorView::drawFocus(QPainter& p, const DevicePixels& device) {
    // #fff3a0 has a contrast of 3.4:1 or more with every brown of the window
    // (the lightest bar shade #a97734 the least), black over 10:1 with the
    // pipes and the water.
    const int light = device.line(2), dark = device.line(1);
    const QRect r = device.rect();
    DevicePixels::frame(p, r, light, QColor(0xff, 0xf3, 0xa0), QColor(0xff, 0xf3, 0xa0));
    DevicePixels::frame(p, r.adjusted(light, light, -light, -light), dark, Qt::black, Qt::black);
}

void FrameView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToColor(model().backColor));
}

void LabelView::paintEvent(QPaintEvent*) {
    const Widget& x = model();
    if (x.caption.empty()) return;
    if (!font_) font_ = GameFont(x.font);
    QPainter p(this);
    p.setFont(*font_);
    p.setPen(ToColor(x.foreColor));
    const Qt::Alignment h = x.align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    DrawCaption(p, rect(), QString::fromStdString(x.caption), *font_, h | Qt::AlignTop);
}

void ImageView::paintEvent(QPaintEvent*) {
    const Widget& x = model();
    QPainter p(this);
    const DevicePixels device(*this);
    device.apply(p);
    const QRect all = device.rect();
    const int border = x.borderStyle == 1 ? device.line(1) : 0;
    const QRect inside = all.adjusted(border, border, -border, -border);
    if (x.picture != kNoPicture) {
        const QRect target = x.stretch ? inside : QRect(inside.topLeft(), device.size(pictures_.size(x.picture)));
        p.setClipRect(inside);
        pictures_.draw(p, x.picture, target, device.dense());
        p.setClipping(false);
    }
    if (border > 0) DevicePixels::frame(p, all, border, Qt::black, Qt::black);
    if (focused()) drawFocus(p, device);
}

ButtonView::ButtonView(const WidgetModel& model, W w, QWidget* parent)
    : MirrorView(model, w, parent), font_(GameFont(model.at(w).font)) {}

void ButtonView::setDown(bool down) {
    if (down_ == down) return;
    down_ = down;
    update();
}

void ButtonView::paintEvent(QPaintEvent*) {
    const Widget& x = model();
    QPainter p(this);
    const QColor face = ToColor(x.backColor);
    p.fillRect(rect(), face);

    // A two-step edge: light above and left, dark below and right; the
    // other way round while the button is held down.
    const QColor light = face.lighter(140), shadow = face.darker(150), dark = face.darker(300);
    {
        const DevicePixels device(*this);
        p.save();
        device.apply(p);
        const QRect r = device.rect();
        const int line = device.line(1);
        DevicePixels::frame(p, r, line, down_ ? dark : light, down_ ? light : dark);
        if (!down_) {
            const QRect inner = r.adjusted(line, line, -line, -line);
            p.fillRect(QRect(inner.left(), inner.bottom() - line + 1, inner.width(), line), shadow);
            p.fillRect(QRect(inner.right() - line + 1, inner.top(), line, inner.height()), shadow);
        }
        if (focused()) drawFocus(p, device);
        p.restore();
    }

    if (x.caption.empty()) return;
    p.setFont(font_);
    const QString caption = QString::fromStdString(x.caption);
    QRect text = rect().adjusted(4, 2, -4, -2);
    if (down_) text.translate(1, 1);
    if (x.enabled) {
        p.setPen(ToColor(x.foreColor));
        DrawCaption(p, text, caption, font_, Qt::AlignCenter);
    } else {
        // A button that takes no click shows its caption engraved.
        p.setPen(light);
        DrawCaption(p, text.translated(1, 1), caption, font_, Qt::AlignCenter);
        p.setPen(shadow);
        DrawCaption(p, text, caption, font_, Qt::AlignCenter);
    }
}

TextBoxView::TextBoxView(const WidgetModel& model, W w, QWidget* parent)
    : QPlainTextEdit(parent), model_(model), w_(w) {
    const Widget& x = model.at(w);
    setFocusPolicy(Qt::NoFocus);
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setContextMenuPolicy(Qt::NoContextMenu);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ToColor(x.backColor));
    pal.setColor(QPalette::Text, ToColor(x.foreColor));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setFont(GameFont(x.font));
    viewport()->setCursor(Qt::ArrowCursor);
    refresh();
}

void TextBoxView::refresh() {
    // The texts break their lines with CR LF; a paragraph is one line here.
    QString text = QString::fromStdString(model_.at(w_).caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(text);
}

}  // namespace vr::qt
