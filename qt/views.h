// The Qt widgets that mirror the widgets of the model, one each. They read
// what they show from the model when they paint, so a change in the model
// needs only a repaint of the widgets it touched.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPlainTextEdit>
#include <QWidget>

#include <optional>

#include "model/widget_model.h"
#include "qt/pictures.h"

namespace vr::qt {

// A model colour (0x00BBGGRR, or one of the desktop's colours) as a Qt colour.
QColor ToColor(std::uint32_t color);

// The pixels of the screen that a view covers, for drawing its lines and
// pictures on whole device pixels at any screen scale (1.25, 1.5, ...). Qt
// clips each view to its edges in the window, scaled and rounded one by one,
// so views that meet in the design meet on the screen without a gap or an
// overlap; drawn in those pixels, not in the view's own scaled coordinates,
// a line of the design lands on whole pixels and is never lost between two.
class DevicePixels {
public:
    explicit DevicePixels(const QWidget& view);
    // From now on the painter draws in device pixels, (0, 0) at the view's
    // top-left pixel.
    void apply(QPainter& p) const;
    // The view: (0, 0) to its width and height in device pixels.
    QRect rect() const { return rect_; }
    // More than one device pixel to a pixel of the design.
    bool dense() const { return ratio_ > 1.0; }
    QSize size(QSize px) const;
    // A line `px` pixels wide in the design: a whole number of device pixels, at least one.
    int line(int px) const;
    // A frame `width` device pixels wide just inside `r`: its top and left
    // side in one colour, its bottom and right side (drawn over) in another.
    static void frame(QPainter& p, const QRect& r, int width, const QColor& topLeft, const QColor& bottomRight);

private:
    int edge(int px) const;

    qreal ratio_;
    QPointF shift_;
    QRect rect_;
};

// The widget's own colour and state, read when painting.
class MirrorView : public QWidget {
public:
    MirrorView(const WidgetModel& model, W w, QWidget* parent);
    W handle() const { return w_; }  // the widget of the model it shows

protected:
    const Widget& model() const { return model_.at(w_); }
    // The keyboard's focus is here, and marked.
    bool focused() const { return model_.focusVisible() && model_.focus() == w_; }
    // The mark of the focus: a light ring at the view's edge with a dark line
    // inside it, which stands out on the brown panels and on the pictures'
    // light pipes alike, on whole device pixels.
    static void drawFocus(QPainter& p, const DevicePixels& device);

private:
    const WidgetModel& model_;
    W w_;
};

// A plain rectangle in its background colour; its bars are images inside it.
class FrameView : public MirrorView {
public:
    using MirrorView::MirrorView;

protected:
    void paintEvent(QPaintEvent*) override;
};

// Text only, on whatever lies beneath. Its face is looked up when it is
// first drawn: the faces of labels still hidden wait until they show.
class LabelView : public MirrorView {
public:
    using MirrorView::MirrorView;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::optional<QFont> font_;
};

// A picture, stretched to the widget or at its own size from the top-left,
// with an optional thin black border. A disabled image looks the same.
class ImageView : public MirrorView {
public:
    ImageView(const WidgetModel& model, W w, QWidget* parent, Pictures& pictures)
        : MirrorView(model, w, parent), pictures_(pictures) {}

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Pictures& pictures_;
};

// A flat push button in its background colour with a raised edge; the same
// under every Qt style.
class ButtonView : public MirrorView {
public:
    ButtonView(const WidgetModel& model, W w, QWidget* parent);
    void setDown(bool down);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QFont font_;
    bool down_ = false;
};

// A read-only, word-wrapped text with a vertical scroll bar.
class TextBoxView : public QPlainTextEdit {
public:
    TextBoxView(const WidgetModel& model, W w, QWidget* parent);
    W handle() const { return w_; }
    // Shows the model's text anew.
    void refresh();

private:
    const WidgetModel& model_;
    W w_;
};

}  // namespace vr::qt
