// The Qt widgets that mirror the widgets of the model, one each. They read
// what they show from the model when they paint, so a change in the model
// needs only a repaint of the widgets it touched.
#pragma once

#include <QColor>
#include <QFont>
#include <QPlainTextEdit>
#include <QWidget>

#include <optional>

#include "ui/model/widget_model.h"
#include "ui/qt/pictures.h"

namespace vr::qt {

// A model colour (0x00BBGGRR, or one of the desktop's colours) as a Qt colour.
QColor ToColor(std::uint32_t color);

// The widget's own colour and state, read when painting.
class MirrorView : public QWidget {
public:
    MirrorView(const WidgetModel& model, W w, QWidget* parent);
    W handle() const { return w_; }  // the widget of the model it shows

protected:
    const Widget& model() const { return model_.at(w_); }

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
