// The pictures and faces built into the program: every picture the window
// can show is there, at its designed size and in its designed format, and
// every face draws Czech letters.
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImageReader>
#include <QRawFont>

#include <gtest/gtest.h>

#include <string>

#include "ui/design/inventory.h"
#include "ui/qt/fonts.h"
#include "ui/qt/pictures.h"
#include "ui/model/widget_model.h"

namespace vr::qt::test {
namespace {

struct Format {
    QByteArray kind;  // "bmp", "gif", "jpeg", "ico"
    QSize size;
};

Format Read(const QString& path) {
    QImageReader r(path);
    return {r.format(), r.size()};
}

std::string Indexed(const char* name, int i) { return std::string(name) + "(" + std::to_string(i) + ")"; }

TEST(Assets, EveryTileIsA24BitBitmapOf100PixelsWithItsSharpDouble) {
    const std::pair<const char*, int> tiles[] = {{"trubka", 9}, {"voda", 15}, {"ventil", 6}, {"ventilvoda", 6}, {"pzed", 2}};
    int count = 0;
    for (const auto& [name, members] : tiles) {
        for (int i = 0; i < members; ++i) {
            const std::string tile = Indexed(name, i);
            SCOPED_TRACE(tile);
            const QString file = PictureFile(tile);
            const Format f = Read(file);
            EXPECT_EQ(f.kind, "bmp");
            EXPECT_EQ(f.size, QSize(100, 100));
            EXPECT_EQ(QImage(file).depth() == 32 && !QImage(file).hasAlphaChannel(), true) << "24-bit colour, no alpha";
            EXPECT_EQ(Read(PictureFile(tile, true)).size, QSize(200, 200));
            ++count;
        }
    }
    EXPECT_EQ(count, 38);
}

TEST(Assets, TheMenuButtonTheBannerTheCreditsAndTheIcon) {
    const Format menu = Read(PictureFile("menu"));
    EXPECT_EQ(menu.kind, "bmp");
    EXPECT_EQ(menu.size, QSize(233, 33));

    QImageReader banner(PictureFile("ZKbaner"));
    EXPECT_EQ(banner.format(), "gif");
    EXPECT_EQ(banner.size(), QSize(235, 70));
    EXPECT_EQ(banner.imageCount(), 1) << "one frame";

    const Format credits = Read(PictureFile("Image1"));
    EXPECT_EQ(credits.kind, "jpeg");
    EXPECT_EQ(credits.size, QSize(288, 352));

    QImageReader icon(QStringLiteral(":/pictures/icon.ico"));
    EXPECT_EQ(icon.format(), "ico");
    QList<QSize> sizes;
    for (int i = 0; i < icon.imageCount(); ++i) {
        icon.jumpToImage(i);
        sizes << icon.read().size();
    }
    for (int s : {16, 32, 64}) EXPECT_TRUE(sizes.contains(QSize(s, s))) << s << " px";
}

TEST(Assets, EveryPictureTheWindowNamesHasItsFile) {
    WidgetModel model;
    BuildWindow(model);
    int named = 0;
    for (Picture p = 1; p < model.pictureCount(); ++p) {
        const std::string& name = model.pictureName(p);
        const QString file = PictureFile(name);
        EXPECT_FALSE(QImage(file).isNull()) << name << " -> " << file.toStdString();
        ++named;
    }
    EXPECT_GT(named, 40);
}

TEST(Assets, EveryFaceDrawsCzechLetters) {
    LoadGameFonts();
    const QString czech = QString::fromUtf8("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž");
    for (const char* face : {"Tahoma", "Arial", "Courier New", "Century Gothic"}) {
        SCOPED_TRACE(face);
        const QString family = FamilyFor(face);
        ASSERT_FALSE(family.isEmpty()) << "no built-in stand-in";
        for (bool bold : {false, true}) {
            QFont f(family);
            f.setPixelSize(15);
            f.setBold(bold);
            const QRawFont raw = QRawFont::fromFont(f);
            ASSERT_TRUE(raw.isValid());
            EXPECT_EQ(raw.familyName(), family) << "the face is its stand-in, not a fallback";
            for (QChar c : czech) EXPECT_TRUE(raw.supportsCharacter(c)) << QString(c).toStdString();
        }
    }
}

}  // namespace
}  // namespace vr::qt::test
