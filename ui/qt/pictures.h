// The game's pictures, built into the program as resources: each picture of
// the widget model ("trubka(3)", "menu", "lajna-h") maps to one file, loaded
// on first use and scaled once per size, so that a board of 900 cells draws
// from a handful of cached pixmaps.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/model/widget_model.h"

namespace vr::qt {

// The resource file of a model picture: "trubka(3)" -> ":/pictures/trubka3.bmp",
// "ZKbaner" -> ":/pictures/zkbaner.gif"; with `doubleSize` the 2x variant
// ("trubka3@2x.bmp") drawn on high-density screens.
QString PictureFile(std::string_view name, bool doubleSize = false);

class Pictures {
public:
    explicit Pictures(const WidgetModel& model) : model_(model) {}

    // The picture at its own size; a null pixmap while the game has no file
    // for it (the widget then shows nothing).
    const QPixmap& natural(Picture p, qreal dpr = 1.0);
    // The picture scaled to `size` (in widget pixels), cached for the next
    // widget of the same size.
    const QPixmap& scaled(Picture p, QSize size, qreal dpr = 1.0);

    std::size_t cachedCount() const { return scaled_.size(); }

private:
    struct Loaded {
        bool tried = false;
        bool triedTwice = false;
        QPixmap single;  // the picture at its designed size
        QPixmap twice;   // its 2x variant, where there is one
    };
    const Loaded& load(Picture p);
    // The 2x variant, read only once a dense screen asks for it.
    const QPixmap& twice(Picture p);

    const WidgetModel& model_;
    std::vector<Loaded> loaded_;
    std::unordered_map<std::uint64_t, QPixmap> scaled_;
    QPixmap none_;
};

}  // namespace vr::qt
