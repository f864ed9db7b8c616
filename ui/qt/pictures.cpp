#include "ui/qt/pictures.h"

#include <QFile>
#include <QImage>
#include <QPainter>

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
    if (!QFile::exists(path)) return {};
    QImage image(path);
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

void Pictures::draw(QPainter& painter, Picture p, const QRect& target, bool dense) {
    if (p == kNoPicture || target.isEmpty()) return;
    const Loaded& l = load(p);
    if (l.single.isNull()) return;
    const QPixmap& source = dense && !twice(p).isNull() ? twice(p) : l.single;
    // A bar's slice is one pixel of its length: scaled across the bar only,
    // it is repeated along it.
    const bool alongX = l.single.width() == 1, alongY = l.single.height() == 1;
    const QSize size(alongX ? source.width() : target.width(), alongY ? source.height() : target.height());

    const std::uint64_t key = (std::uint64_t{p} << 48) | (std::uint64_t{dense} << 40) |
                              (std::uint64_t(size.width() & 0xfffff) << 20) | std::uint64_t(size.height() & 0xfffff);
    auto it = scaled_.find(key);
    if (it == scaled_.end()) {
        // The bar pieces are flat bands of colour: scaled, their pixels are
        // repeated, not blended, so the bands keep their sharp edges.
        const Qt::TransformationMode mode = l.bar ? Qt::FastTransformation : Qt::SmoothTransformation;
        it = scaled_.emplace(key, source.size() == size ? source : source.scaled(size, Qt::IgnoreAspectRatio, mode)).first;
    }
    if (alongX || alongY) {
        painter.drawTiledPixmap(target, it->second);
    } else {
        painter.drawPixmap(target.topLeft(), it->second);
    }
}

}  // namespace vr::qt
