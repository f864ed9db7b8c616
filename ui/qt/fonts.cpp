#include "ui/qt/fonts.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QStringList>

#include <cmath>
#include <cstdio>

namespace vr::qt {

namespace {

// Wine's metric clone of Tahoma; it lies outside the font path, so it is
// loaded by file.
const char* const kWineTahoma[] = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};

struct Families {
    QString tahoma, arial, courier, gothic;
};

QString Register(const QString& path) {
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0) return {};
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.front();
}

// Registers every face of `files`; the family they share, or empty when none loaded.
QString RegisterAll(const QStringList& files) {
    QString family;
    for (const QString& f : files) {
        const QString got = Register(f);
        if (family.isEmpty()) family = got;
    }
    return family;
}

QStringList Bundled(const QString& pattern) {
    QStringList out;
    const QDir dir(QStringLiteral(":/fonts"));
    for (const QString& name : dir.entryList({pattern}, QDir::Files, QDir::Name)) out << dir.filePath(name);
    return out;
}

QString Required(QString family, const char* what) {
    if (family.isEmpty()) {
        std::fprintf(stderr, "vojtik-rournik: the built-in face for %s is missing; texts in it use the default face\n",
                     what);
    }
    return family;
}

Families Load() {
    Families f;
    QStringList wine;
    for (const char* path : kWineTahoma) {
        if (QFile::exists(QString::fromUtf8(path))) wine << QString::fromUtf8(path);
    }
    if (!wine.isEmpty()) f.tahoma = RegisterAll(wine);
    const QString dejavu = RegisterAll(Bundled(QStringLiteral("DejaVuSans*")));
    if (f.tahoma.isEmpty()) f.tahoma = Required(dejavu, "Tahoma");
    f.arial = Required(RegisterAll(Bundled(QStringLiteral("LiberationSans-*"))), "Arial");
    f.courier = Required(RegisterAll(Bundled(QStringLiteral("LiberationMono-*"))), "Courier New");
    f.gothic = Required(RegisterAll(Bundled(QStringLiteral("texgyreadventor-*"))), "Century Gothic");
    return f;
}

const Families& Faces() {
    static const Families f = Load();
    return f;
}

}  // namespace

void LoadGameFonts() { Faces(); }

QString FamilyFor(const std::string& face) {
    const Families& f = Faces();
    if (face == "Arial") return f.arial;
    if (face == "Courier New") return f.courier;
    if (face == "Century Gothic") return f.gothic;
    return f.tahoma;
}

int PixelSize(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont GameFont(const Font& font) {
    QFont q;
    const QString family = FamilyFor(font.face);
    if (!family.isEmpty()) q.setFamily(family);
    q.setPixelSize(PixelSize(font.points));
    q.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    q.setItalic(font.italic);
    return q;
}

}  // namespace vr::qt
