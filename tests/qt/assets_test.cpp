// The pictures built into the program and the faces it loads: every picture the window can show is there, at its
// designed size and in its designed format; every face draws Czech letters, and bold captions look bold.
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRawFont>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "design/inventory.h"
#include "model/widget_model.h"
#include "qt/fonts.h"
#include "qt/pictures.h"

namespace vr::qt::test {
namespace {

// Every picture the window names is there, with its copy at twice the size; the board's and the panel's in their
// designed format and size: the tiles are 24-bit bitmaps of 100 pixels (no alpha), the banner is one frame. The icon
// holds three sizes.
TEST(Assets, EveryPictureHasItsDesignedFormatAndSizeAndItsCopyAtTwiceTheSize) {
    const std::map<std::string, std::pair<QByteArray, QSize>> panel{
        {"menu", {"bmp", {233, 33}}}, {"ZKbaner", {"gif", {235, 70}}}, {"Image1", {"jpeg", {288, 352}}}};
    WidgetModel model;
    BuildWindow(model);
    int designed = 0;
    for (Picture p = 1; p < model.pictureCount(); ++p) {
        const std::string& name = model.pictureName(p);
        SCOPED_TRACE(name);
        const bool tile = name.back() == ')';  // the bars' pieces: their size only
        QImageReader r(PictureFile(name));
        const QSize size = r.size();
        if (tile || panel.count(name)) {
            ++designed;
            const auto [format, want] = tile ? std::pair<QByteArray, QSize>("bmp", {100, 100}) : panel.at(name);
            EXPECT_EQ(std::tuple(r.format(), size, r.imageCount()), std::tuple(format, want, 1));
        }
        const QImage img = r.read();
        EXPECT_FALSE(img.isNull());
        EXPECT_TRUE(!tile || (img.depth() == 32 && !img.hasAlphaChannel())) << "24-bit colour";
        EXPECT_EQ(QImageReader(PictureFile(name, true)).size(), size * 2) << "at 2x";
    }
    EXPECT_EQ(designed, 9 + 15 + 6 + 6 + 2 + 3);
    QImageReader icon(QStringLiteral(":/pictures/icon.ico"));
    EXPECT_EQ(icon.format(), "ico");
    QList<QSize> sizes;
    for (int i = 0; i < icon.imageCount(); ++i) {
        icon.jumpToImage(i);
        sizes << icon.read().size();
    }
    for (int s : {16, 32, 64}) EXPECT_TRUE(sizes.contains(QSize(s, s))) << s << " px";
}

TEST(Assets, EveryFaceDrawsCzechLetters) {
    LoadGameFonts();
    const QString czech = QString::fromUtf8("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž");
    for (const char* face : {"Tahoma", "Arial", "Courier New", "Century Gothic"}) {
        for (bool bold : {false, true}) {
            SCOPED_TRACE(std::string(face) + (bold ? " bold" : ""));
            const QFont f = GameFont({face, 11.25, bold, false});
            const QRawFont raw = QRawFont::fromFont(f);
            ASSERT_TRUE(raw.isValid());
            ASSERT_EQ(raw.familyName().toStdString(), f.family().toStdString()) << "a fallback, not the stand-in";
            for (QChar c : czech) EXPECT_TRUE(raw.supportsCharacter(c)) << QString(c).toStdString();
        }
    }
}

// Fontconfig always answers with some face: one of another family, or of another width or weight, is no find.
TEST(Assets, FacesAreFoundByFamilyWhereverTheyLie) {
    EXPECT_TRUE(FaceFile("Liberation Sans", false, false).endsWith("LiberationSans-Regular.ttf"));
    EXPECT_TRUE(FaceFile("DejaVu Sans Condensed", true, true, QFont::SemiCondensed).endsWith(".ttf"));
    EXPECT_TRUE(FaceFile("TeX Gyre Adventor", true, false).endsWith("texgyreadventor-bold.otf"));
    EXPECT_EQ(FaceFile("Vojtik Sans", false, false), "");
    EXPECT_EQ(FaceFile("Liberation Mono", false, false, QFont::Condensed), "");
    EXPECT_EQ(FaceFile("TeX Gyre Adventor", true, false, QFont::SemiCondensed), "");
}

// The mean width of the strokes of a caption as drawn: its ink over the runs of dark pixels along the rows, so
// mostly the width of the upright stems.
double StrokeWidth(const Font& font, const QString& caption) {
    QImage img(200, 40, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setFont(GameFont(font));
    p.drawText(img.rect(), Qt::AlignCenter, caption);
    p.end();
    double ink = 0;
    int runs = 0;
    for (int y = 0; y < img.height(); ++y) {
        bool dark = false;
        for (int x = 0; x < img.width(); ++x) {
            const double a = 1.0 - qGray(img.pixel(x, y)) / 255.0;
            ink += a;
            if (a >= 0.5 && !dark) ++runs;
            dark = a >= 0.5;
        }
    }
    return runs == 0 ? 0 : ink / runs;
}

// Wine's Tahoma clone has a bold face no heavier than its regular one: bold captions must still show clearly
// heavier stems than regular ones.
TEST(Assets, BoldCaptionsHaveHeavierStemsThanRegularOnes) {
    LoadGameFonts();
    const QString caption = QString::fromUtf8("Nová Hra");
    const double regular = StrokeWidth({"Tahoma", 11.25, false, false}, caption);
    const double bold = StrokeWidth({"Tahoma", 11.25, true, false}, caption);
    EXPECT_GT(regular, 0.5);
    EXPECT_GE(bold, 1.3 * regular) << "bold " << bold << " px, regular " << regular << " px";
}

}  // namespace
}  // namespace vr::qt::test
