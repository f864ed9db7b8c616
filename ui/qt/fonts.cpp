#include "ui/qt/fonts.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QResource>
#include <QStringList>

#include <cmath>
#include <cstdio>

namespace vr::qt {

namespace {

// Wine's metric clone of Tahoma; it lies outside the font path, so it is
// loaded by file.
const char* const kWineTahoma[] = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};

QString Register(const QString& path) {
    // A built-in face is stored unpacked: it is handed over where it lies in
    // the program, and only the parts of it that are read come into memory.
    const QResource built(path);
    const int id = built.isValid() && built.compressionAlgorithm() == QResource::NoCompression
                       ? QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
                             reinterpret_cast<const char*>(built.data()), static_cast<qsizetype>(built.size())))
                       : QFontDatabase::addApplicationFont(path);
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

// The built-in faces whose file names start with `prefix`. Matched by hand:
// a name filter would pull in the regular-expression engine at start-up.
QStringList Bundled(const QString& prefix) {
    QStringList out;
    const QDir dir(QStringLiteral(":/fonts"));
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        if (name.startsWith(prefix) && (name.endsWith(QLatin1String(".ttf")) || name.endsWith(QLatin1String(".otf")))) {
            out << dir.filePath(name);
        }
    }
    return out;
}

// The built-in faces of `prefix` registered: their family, or empty (with a
// word on stderr) when none loaded.
QString BuiltIn(const char* prefix, const char* what) {
    QString family = RegisterAll(Bundled(QString::fromLatin1(prefix)));
    if (family.isEmpty()) {
        std::fprintf(stderr, "vojtik-rournik: the built-in face for %s is missing; texts in it use the default face\n",
                     what);
    }
    return family;
}

QString LoadTahoma() {
    QStringList wine;
    for (const char* path : kWineTahoma) {
        if (QFile::exists(QString::fromUtf8(path))) wine << QString::fromUtf8(path);
    }
    QString family = RegisterAll(wine);
    if (!family.isEmpty()) return family;
    // The stand-in for Tahoma only where Wine's clone is missing: four faces
    // of almost 3 MB that would otherwise sit in memory unused.
    return BuiltIn("DejaVuSans", "Tahoma");
}

}  // namespace

void LoadGameFonts() { FamilyFor("Tahoma"); }

// Each face is registered when a text first asks for it: the story's Arial
// waits until a story screen shows.
QString FamilyFor(const std::string& face) {
    if (face == "Arial") {
        static const QString arial = BuiltIn("LiberationSans-", "Arial");
        return arial;
    }
    if (face == "Courier New") {
        static const QString courier = BuiltIn("LiberationMono-", "Courier New");
        return courier;
    }
    if (face == "Century Gothic") {
        static const QString gothic = BuiltIn("texgyreadventor-", "Century Gothic");
        return gothic;
    }
    static const QString tahoma = LoadTahoma();
    return tahoma;
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
