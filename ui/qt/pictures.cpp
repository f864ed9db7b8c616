#include "ui/qt/pictures.h"

#include <QFile>
#include <QImage>

#include <cmath>

namespace vr::qt {

QString PictureFile(std::string_view name, bool doubleSize) {
    // The two pictures that are no bitmaps.
    if (name == "ZKbaner") return doubleSize ? QString() : QStringLiteral(":/pictures/zkbaner.gif");
    if (name == "Image1") return doubleSize ? QString() : QStringLiteral(":/pictures/image1.jpg");
    QString base;
    for (char c : name) {
        if (c != '(' && c != ')') base += QChar::fromLatin1(c);
    }
    return QStringLiteral(":/pictures/") + base + (doubleSize ? QStringLiteral("@2x.bmp") : QStringLiteral(".bmp"));
}

namespace {

QPixmap LoadFile(const QString& path) {
    if (path.isEmpty() || !QFile::exists(path)) return {};
    QImage image(path);
    if (image.isNull()) return {};
    return QPixmap::fromImage(std::move(image));
}

}  // namespace

const Pictures::Loaded& Pictures::load(Picture p) {
    if (loaded_.size() <= p) loaded_.resize(model_.pictureCount() > p ? model_.pictureCount() : p + 1u);
    Loaded& l = loaded_[p];
    if (!l.tried) {
        l.tried = true;
        const std::string& name = model_.pictureName(p);
        l.single = LoadFile(PictureFile(name));
    }
    return l;
}

const QPixmap& Pictures::twice(Picture p) {
    Loaded& l = loaded_[p];
    if (!l.triedTwice) {
        l.triedTwice = true;
        l.twice = LoadFile(PictureFile(model_.pictureName(p), true));
    }
    return l.twice;
}

const QPixmap& Pictures::natural(Picture p, qreal dpr) {
    if (p == kNoPicture) return none_;
    const Loaded& l = load(p);
    if (dpr <= 1.0 || l.single.isNull() || twice(p).isNull()) return l.single;
    // On a dense screen the 2x picture stands in at the same size.
    return scaled(p, l.single.size(), dpr);
}

const QPixmap& Pictures::scaled(Picture p, QSize size, qreal dpr) {
    if (p == kNoPicture || size.isEmpty()) return none_;
    const Loaded& l = load(p);
    if (l.single.isNull()) return none_;
    const int dprKey = static_cast<int>(std::lround(dpr * 4));
    const std::uint64_t key = (std::uint64_t{p} << 48) | (std::uint64_t(dprKey & 0xff) << 40) |
                              (std::uint64_t(size.width() & 0xfffff) << 20) | std::uint64_t(size.height() & 0xfffff);
    auto it = scaled_.find(key);
    if (it != scaled_.end()) return it->second;

    const QSize device = (QSizeF(size) * dpr).toSize();
    const QPixmap& source = (dpr > 1.0 && !twice(p).isNull()) ? twice(p) : l.single;
    QPixmap out =
        source.size() == device ? source : source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    out.setDevicePixelRatio(dpr);
    return scaled_.emplace(key, std::move(out)).first->second;
}

}  // namespace vr::qt
