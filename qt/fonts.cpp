#include "qt/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <thread>

namespace vr::qt {

namespace {

std::thread fontconfigStart;

// Qt's font list starts fontconfig too: it must find it ready, not start it
// a second time. Every use of Qt's font list waits here first.
void WaitForFontconfig() {
    if (fontconfigStart.joinable()) fontconfigStart.join();
}

// A face file and the Debian package that installs it.
struct FaceFile {
    const char* path;
    const char* package;
};

// A stand-in: the family (and width, where the family has several) that
// draws a designed face in one weight. Empty when not installed.
struct StandIn {
    QString family;
    int stretch = QFont::AnyStretch;
};

// The stand-in `family` if the files of its faces are there. The system's
// font list already holds them, so they only need to be found; each missing
// file is named once on standard error. Without the first (the upright face)
// the stand-in counts as missing.
StandIn Installed(const char* face, const char* family, std::initializer_list<FaceFile> files,
                  int stretch = QFont::AnyStretch) {
    bool upright = true;
    for (const FaceFile& f : files) {
        if (QFile::exists(QString::fromUtf8(f.path))) continue;
        std::fprintf(stderr, "vojtik-rournik: %s (package %s) is missing; %s texts use the nearest face\n", f.path,
                     f.package, face);
        if (&f == files.begin()) upright = false;
    }
    return upright ? StandIn{QString::fromUtf8(family), stretch} : StandIn{};
}

// Tahoma's bold: DejaVu Sans Condensed, as heavy as Tahoma's bold and as
// wide, so that bold captions break into lines where they were designed to.
// (Wine's Tahoma bold is no heavier than its regular face.)
const StandIn& TahomaBold() {
    static const StandIn bold =
        Installed("Tahoma", "DejaVu Sans",
                  {{"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf", "fonts-dejavu-extra"},
                   {"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-BoldOblique.ttf", "fonts-dejavu-extra"}},
                  QFont::SemiCondensed);
    return bold;
}

// Tahoma's regular: Wine's metric clone where it is installed (only
// recommended); it lies outside the font path, so it is loaded by file.
// Otherwise DejaVu Sans Condensed, as for bold.
const StandIn& TahomaRegular() {
    static const StandIn regular = [] {
        WaitForFontconfig();
        const QString wine = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
        const int id = QFile::exists(wine) ? QFontDatabase::addApplicationFont(wine) : -1;
        const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) return StandIn{families.front()};
        return Installed("Tahoma", "DejaVu Sans",
                         {{"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf", "fonts-dejavu-extra"},
                          {"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Oblique.ttf", "fonts-dejavu-extra"}},
                         QFont::SemiCondensed);
    }();
    return regular;
}

// Each stand-in is looked for when a text first asks for it: the story's
// Arial waits until a story screen shows.
const StandIn& StandInFor(const Font& font) {
    if (font.face == "Arial") {
        static const StandIn arial =
            Installed("Arial", "Liberation Sans",
                      {{"/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", "fonts-liberation2"}});
        return arial;
    }
    if (font.face == "Courier New") {
        static const StandIn courier =
            Installed("Courier New", "Liberation Mono",
                      {{"/usr/share/fonts/truetype/liberation2/LiberationMono-Bold.ttf", "fonts-liberation2"}});
        return courier;
    }
    if (font.face == "Century Gothic") {
        static const StandIn gothic =
            Installed("Century Gothic", "TeX Gyre Adventor",
                      {{"/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyreadventor-bold.otf", "fonts-texgyre"}});
        return gothic;
    }
    return font.bold ? TahomaBold() : TahomaRegular();
}

}  // namespace

void StartFontconfig() {
    if (!fontconfigStart.joinable()) fontconfigStart = std::thread([] { FcInit(); });
}

void LoadGameFonts() {
    WaitForFontconfig();
    TahomaRegular();
    TahomaBold();
}

int PixelSize(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont GameFont(const Font& font) {
    const StandIn& s = StandInFor(font);
    QFont q(s.family.isEmpty() ? QString::fromStdString(font.face) : s.family);
    if (s.stretch != QFont::AnyStretch) q.setStretch(s.stretch);
    q.setPixelSize(PixelSize(font.points));
    q.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    q.setItalic(font.italic);
    return q;
}

}  // namespace vr::qt
