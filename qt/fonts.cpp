#include "qt/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStandardPaths>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <thread>

namespace vr::qt {

namespace {

std::thread fontconfigStart;

// Qt's font list starts fontconfig too: it must find it ready, not start it
// a second time. Every use of Qt's font list waits here first.
void WaitForFontconfig() {
    if (fontconfigStart.joinable()) fontconfigStart.join();
}

// A stand-in: the family (and width, where the family has several) that
// draws a designed face in one weight. Empty when not installed.
struct StandIn {
    QString family;
    int stretch = QFont::AnyStretch;
};

// The faces of a stand-in family, as fontconfig names them, and the Debian
// package that installs them.
struct Faces {
    const char* family;
    const char* package;
};

// One face of a family.
struct Style {
    bool bold;
    bool italic;
};

std::string StyleName(Style s) {
    if (s.bold) return s.italic ? "Bold Italic" : "Bold";
    return s.italic ? "Italic" : "Regular";
}

// The stand-in `family` if fontconfig has its faces. The system's font list
// already holds them, so they only need to be found; the missing faces are
// named once, in one line on standard error. Without the first (the upright
// face) the stand-in counts as missing.
StandIn Installed(const char* face, const char* family, Faces faces, std::initializer_list<Style> styles,
                  int stretch = QFont::AnyStretch) {
    const int width = stretch == QFont::AnyStretch ? QFont::Unstretched : stretch;
    bool upright = true;
    std::string missing;
    for (const Style& s : styles) {
        if (!FaceFile(faces.family, s.bold, s.italic, width).isEmpty()) continue;
        missing += (missing.empty() ? "" : ", ") + StyleName(s);
        if (&s == styles.begin()) upright = false;
    }
    if (!missing.empty()) {
        std::fprintf(stderr, "vojtik-rournik: %s %s (package %s) is missing; %s texts use the nearest face\n",
                     faces.family, missing.c_str(), faces.package, face);
    }
    return upright ? StandIn{QString::fromUtf8(family), stretch} : StandIn{};
}

// DejaVu Sans in its condensed width, which fonts-dejavu-extra adds.
constexpr Faces kDejaVuCondensed{"DejaVu Sans Condensed", "fonts-dejavu-extra"};
// Liberation 2: in fonts-liberation from Debian 13 on; Debian 12's
// fonts-liberation holds the older 1.07 faces.
constexpr const char* kLiberation = "fonts-liberation, on Debian 12 fonts-liberation2";

// Tahoma's bold: DejaVu Sans Condensed, as heavy as Tahoma's bold and as
// wide, so that bold captions break into lines where they were designed to.
// (Wine's Tahoma bold is no heavier than its regular face.)
const StandIn& TahomaBold() {
    static const StandIn bold =
        Installed("Tahoma", "DejaVu Sans", kDejaVuCondensed, {{true, false}, {true, true}}, QFont::SemiCondensed);
    return bold;
}

// Tahoma's regular: a Tahoma that fontconfig knows, or Wine's metric clone
// where it is installed (only recommended): Wine keeps it among its own data,
// outside the font path, so it is loaded from there. Otherwise DejaVu Sans
// Condensed, as for bold.
const StandIn& TahomaRegular() {
    static const StandIn regular = [] {
        if (!FaceFile("Tahoma", false, false).isEmpty()) return StandIn{QStringLiteral("Tahoma")};
        const QString wine =
            QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("wine/fonts/tahoma.ttf"));
        const int id = wine.isEmpty() ? -1 : QFontDatabase::addApplicationFont(wine);
        const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) return StandIn{families.front()};
        return Installed("Tahoma", "DejaVu Sans", kDejaVuCondensed, {{false, false}, {false, true}},
                         QFont::SemiCondensed);
    }();
    return regular;
}

// Each stand-in is looked for when a text first asks for it: the story's
// Arial waits until a story screen shows.
const StandIn& StandInFor(const Font& font) {
    if (font.face == "Arial") {
        static const StandIn arial =
            Installed("Arial", "Liberation Sans", {"Liberation Sans", kLiberation}, {{false, false}});
        return arial;
    }
    if (font.face == "Courier New") {
        static const StandIn courier =
            Installed("Courier New", "Liberation Mono", {"Liberation Mono", kLiberation}, {{true, false}});
        return courier;
    }
    if (font.face == "Century Gothic") {
        static const StandIn gothic =
            Installed("Century Gothic", "TeX Gyre Adventor", {"TeX Gyre Adventor", "fonts-texgyre"}, {{true, false}});
        return gothic;
    }
    return font.bold ? TahomaBold() : TahomaRegular();
}

}  // namespace

void StartFontconfig() {
    if (!fontconfigStart.joinable()) fontconfigStart = std::thread([] { FcInit(); });
}

QString FaceFile(const char* family, bool bold, bool italic, int stretch) {
    WaitForFontconfig();
    FcPattern* asked = FcPatternCreate();
    FcPatternAddString(asked, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(asked, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(asked, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddInteger(asked, FC_WIDTH, stretch);
    FcConfigSubstitute(nullptr, asked, FcMatchPattern);
    FcDefaultSubstitute(asked);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, asked, &result);
    FcPatternDestroy(asked);
    if (found == nullptr) return {};

    // Fontconfig always gives something: another family in its place, or
    // another face of the family when the one asked for is not installed.
    bool family_found = false;
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(found, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        family_found = family_found || FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family)) == 0;
    }
    int weight = 0;
    int slant = 0;
    int width = stretch;
    FcPatternGetInteger(found, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(found, FC_SLANT, 0, &slant);
    FcPatternGetInteger(found, FC_WIDTH, 0, &width);
    FcChar8* file = nullptr;
    QString path;
    if (family_found && (weight >= FC_WEIGHT_DEMIBOLD) == bold && (slant != FC_SLANT_ROMAN) == italic &&
        width == stretch && FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch) {
        path = QFile::decodeName(reinterpret_cast<const char*>(file));
    }
    FcPatternDestroy(found);
    return path;
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
