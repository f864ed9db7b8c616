#include "qt/pictures.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace vr::qt {

QString PictureFile(std::string_view name, bool doubleSize) {
    const QString twice = doubleSize ? QStringLiteral("@2x") : QString();
    // The two pictures that are no bitmaps.
    if (name == "ZKbaner") return QStringLiteral(":/pictures/zkbaner") + twice + QStringLiteral(".gif");
    if (name == "Image1") return QStringLiteral(":/pictures/image1") + twice + QStringLiteral(".jpg");
    QString base;
    for (char c : name) {
        if (c != '(' && c != ')') base += QChar::fromLatin1(c);
    }
    return QStringLiteral(":/pictures/") + base + twice + QStringLiteral(".bmp");
}

QPixmap ReadPicture(const QString& path) {
    // Read as what its name says it is: guessing, Qt would first load every
    // picture format's plugin to ask each whether it reads the file.
    QImageReader reader(path, path.section(QLatin1Char('.'), -1).toLatin1());
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull()) return {};
    // Drawn pixel for pixel in device pixels, whatever the file's name says.
    image.setDevicePixelRatio(1);
    return QPixmap::fromImage(std::move(image));
}

Pictures::Loaded& Pictures::load(Picture p) {
    if (loaded_.size() <= p) loaded_.resize(model_.pictureCount() > p ? model_.pictureCount() : p + 1u);
    Loaded& l = loaded_[p];
    if (!l.tried) {
        l.tried = true;
        const std::string& name = model_.pictureName(p);
        l.single = ReadPicture(PictureFile(name));
        l.bar = name.rfind("lajna", 0) == 0;
    }
    return l;
}

const QPixmap& Pictures::twice(Picture p) {
    Loaded& l = load(p);
    if (!l.triedTwice) {
        l.triedTwice = true;
        l.twice = ReadPicture(PictureFile(model_.pictureName(p), true));
    }
    return l.twice;
}

QSize Pictures::size(Picture p) {
    if (p == kNoPicture) return {};
    return load(p).single.size();
}

namespace {

// `source` scaled to `size`. The bar pieces are flat bands of colour:
// scaled, their pixels are repeated, not blended, so the bands keep their
// sharp edges. A bar's slice is one pixel of the bar's length: it is scaled
// across the bar only and repeated into a short tile, which draw() lays
// along the bar; the whole bar would cost its whole area in memory.
QPixmap Scaled(const QPixmap& source, QSize size, bool bar, bool alongX, bool alongY) {
    if (source.size() == size) return source;
    const Qt::TransformationMode mode = bar ? Qt::FastTransformation : Qt::SmoothTransformation;
    if (!alongX && !alongY) return source.scaled(size, Qt::IgnoreAspectRatio, mode);
    constexpr int kTile = 64;
    return source.copy(0, 0, alongX ? 1 : source.width(), alongY ? 1 : source.height())
        .scaled(alongX ? 1 : size.width(), alongY ? 1 : size.height(), Qt::IgnoreAspectRatio, mode)
        .scaled(alongX ? std::min(kTile, size.width()) : size.width(),
                alongY ? std::min(kTile, size.height()) : size.height());
}

}  // namespace

void Pictures::draw(QPainter& painter, Picture p, const QRect& target, bool dense) {
    if (p == kNoPicture || target.isEmpty()) return;
    const Loaded& l = load(p);
    if (l.single.isNull()) return;
    const QPixmap& source = dense && !twice(p).isNull() ? twice(p) : l.single;
    const QSize size = target.size();
    const std::uint64_t key = (std::uint64_t{p} << 48) | (std::uint64_t{dense} << 40) |
                              (std::uint64_t(size.width() & 0xfffff) << 20) | std::uint64_t(size.height() & 0xfffff);
    auto it = scaled_.find(key);
    if (it == scaled_.end()) {
        const bool alongX = l.single.width() == 1, alongY = l.single.height() == 1;
        it = scaled_.emplace(key, Scaled(source, size, l.bar, alongX, alongY)).first;
    }
    const QPixmap& scaled = it->second;
    if (scaled.size() == size) {
        painter.drawPixmap(target.topLeft(), scaled);
    } else {
        painter.drawTiledPixmap(target, scaled);  // a bar's tile, along the bar
    }
}

}  // namespace vr::qt
