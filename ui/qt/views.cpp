#include "ui/qt/views.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QTextLayout>

#include <algorithm>
#include <vector>

#include "ui/qt/fonts.h"

namespace vr::qt {

QColor ToColor(std::uint32_t color) {
    if (color == kSystemWindow) return QApplication::palette().color(QPalette::Window);
    if (color == kSystemButtonText) return QApplication::palette().color(QPalette::ButtonText);
    if (color == kNoColor) return {};
    return QColor(static_cast<int>(color & 0xff), static_cast<int>((color >> 8) & 0xff),
                  static_cast<int>((color >> 16) & 0xff));
}

namespace {

// Lays a caption out in lines as the window's texts were designed: wrapped
// at word boundaries, each line with room above its capitals for Czech
// accents (some faces put those above their own ascent, where a plain
// top-aligned line would cut them off).
void DrawCaption(QPainter& p, const QRect& r, const QString& text, const QFont& font, Qt::Alignment align) {
    const QFontMetrics fm(font);
    const int accents = -fm.boundingRect(QStringLiteral("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ")).top();
    const int lead = std::max(0, accents - fm.ascent());
    const int step = std::max(fm.lineSpacing(), lead + fm.ascent() + fm.descent());

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

MirrorView::MirrorView(const WidgetModel& model, W w, QWidget* parent) : QWidget(parent), model_(model), w_(w) {
    setFocusPolicy(Qt::NoFocus);
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
    QRect inside = rect();
    if (x.borderStyle == 1) inside.adjust(1, 1, -1, -1);
    if (x.picture != kNoPicture) {
        const qreal dpr = devicePixelRatioF();
        const QPixmap& pix =
            x.stretch ? pictures_.scaled(x.picture, inside.size(), dpr) : pictures_.natural(x.picture, dpr);
        if (!pix.isNull()) {
            p.setClipRect(inside);
            p.drawPixmap(inside.topLeft(), pix);
            p.setClipping(false);
        }
    }
    if (x.borderStyle == 1) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
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
    const QRect r = rect();
    p.fillRect(r, face);

    // A two-step edge: light above and left, dark below and right; the
    // other way round while the button is held down.
    const QColor light = face.lighter(140), shadow = face.darker(150), dark = face.darker(300);
    const QColor& outerTL = down_ ? dark : light;
    const QColor& outerBR = down_ ? light : dark;
    const QColor& innerBR = shadow;
    p.setPen(outerTL);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(outerBR);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    if (!down_) {
        p.setPen(innerBR);
        p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
        p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    }

    if (x.caption.empty()) return;
    p.setFont(font_);
    const QString caption = QString::fromStdString(x.caption);
    QRect text = r.adjusted(4, 2, -4, -2);
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
