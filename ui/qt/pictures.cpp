#include "ui/qt/pictures.h"

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

namespace {

QPixmap LoadFile(const QString& path) {
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

}  // namespace

Pictures::Loaded& Pictures::load(Picture p) {
    if (loaded_.size() <= p) loaded_.resize(model_.pictureCount() > p ? model_.pictureCount() : p + 1u);
    Loaded& l = loaded_[p];
    if (!l.tried) {
        l.tried = true;
        const std::string& name = model_.pictureName(p);
        l.single = LoadFile(PictureFile(name));
        l.bar = name.rfind("lajna", 0) == 0;
    }
    return l;
}

const QPixmap& Pictures::twice(Picture p) {
    Loaded& l = load(p);
    if (!l.triedTwice) {
        l.triedTwice = true;
        l.twice = LoadFile(PictureFile(model_.pictureName(p), true));
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
// sharp edges. A bar's slice is one pixel of the bar's length: scaled across
// the bar only, it is repeated along it.
QPixmap Scaled(const QPixmap& source, QSize size, bool bar, bool alongX, bool alongY) {
    if (source.size() == size) return source;
    const Qt::TransformationMode mode = bar ? Qt::FastTransformation : Qt::SmoothTransformation;
    if (!alongX && !alongY) return source.scaled(size, Qt::IgnoreAspectRatio, mode);
    const QImage across =
        source.toImage()
            .convertToFormat(QImage::Format_RGB32)
            .copy(0, 0, alongX ? 1 : source.width(), alongY ? 1 : source.height())
            .scaled(alongX ? 1 : size.width(), alongY ? 1 : size.height(), Qt::IgnoreAspectRatio, mode);
    QImage out(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        if (alongX) {
            std::fill_n(row, size.width(), across.pixel(0, y));
        } else {
            std::copy_n(reinterpret_cast<const QRgb*>(across.constScanLine(0)), size.width(), row);
        }
    }
    return QPixmap::fromImage(std::move(out));
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
    painter.drawPixmap(target.topLeft(), it->second);
}

}  // namespace vr::qt
