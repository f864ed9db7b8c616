// The game's pictures, built into the program as resources: each picture of
// the widget model ("trubka(3)", "menu", "lajna-h") maps to one file, with a
// copy at twice the size for dense screens, loaded on first use and scaled
// once per size, so that a board of 900 cells draws from a handful of cached
// pixmaps.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/widget_model.h"

class QPainter;
class QRect;

namespace vr::qt {

// The resource file of a model picture: "trubka(3)" -> ":/pictures/trubka3.bmp",
// "ZKbaner" -> ":/pictures/zkbaner.gif"; with `doubleSize` the copy at twice
// the size ("trubka3@2x.bmp") drawn on dense screens.
QString PictureFile(std::string_view name, bool doubleSize = false);

// A picture file read as the format its name gives, with Qt's own reader
// for it; null if it cannot be read.
QPixmap ReadPicture(const QString& path);

class Pictures {
public:
    explicit Pictures(const WidgetModel& model) : model_(model) {}

    // The picture's designed size in pixels; empty while the game has no
    // file for it.
    QSize size(Picture p);
    // Draws the picture over `target`, in the painter's device pixels: on a
    // `dense` screen from its copy at twice the size where it has one,
    // scaled to exactly the target's size once and cached for the next
    // widget of that size. Nothing while the game has no file for it.
    void draw(QPainter& painter, Picture p, const QRect& target, bool dense);

    std::size_t cachedCount() const { return scaled_.size(); }

private:
    struct Loaded {
        bool tried = false;
        bool triedTwice = false;
        bool bar = false;  // a bar piece: flat bands of colour
        QPixmap single;    // the picture at its designed size
        QPixmap twice;     // its copy at twice the size, where there is one
    };
    Loaded& load(Picture p);
    // The copy at twice the size, read only once a dense screen asks for it.
    const QPixmap& twice(Picture p);

    const WidgetModel& model_;
    std::vector<Loaded> loaded_;
    std::unordered_map<std::uint64_t, QPixmap> scaled_;
};

}  // namespace vr::qt
