// Draws every picture of the game: the pipe, water, valve and inlet tiles,
// the bar pieces, the Menu button, the Zabavklub banner and the credits
// picture, each with a copy at twice the size for dense screens ("@2x"),
// and the icon.
//
//   gen-assets <outdir>
//
// The BMP, JPEG and PNG files are written by Qt; the banner's GIF and the
// icon's ICO are converted from PNG with ImageMagick's `convert`. The texts
// in the pictures are drawn with faces from Debian's font packages.
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <cstdio>

#include "design/pieces.h"
#include "qt/fonts.h"

namespace {

const QColor kBack(0x63, 0x46, 0x1f);
QString gOut;

QString Path(const QString& name) { return gOut + "/" + name; }

void Save(const QImage& img, const QString& name, const char* format, int quality = -1) {
    if (!img.save(Path(name), format, quality)) {
        std::fprintf(stderr, "gen-assets: cannot write %s\n", qPrintable(name));
        std::exit(1);
    }
}

// Tiles are saved as 24-bit BMP.
void SaveBmp(const QImage& img, const QString& name) { Save(img.convertToFormat(QImage::Format_RGB888), name, "BMP"); }

// Draws a picture at its designed size and at twice that: `draw` paints in
// the designed pixels either way; `save` gets each image with its file
// name's suffix ("" or "@2x").
template <typename Draw, typename SaveAs>
void BothSizes(QSize size, Draw draw, SaveAs save) {
    for (int scale : {1, 2}) {
        QImage img(size * scale, QImage::Format_RGB32);
        img.fill(kBack);
        QPainter g(&img);
        if (scale != 1) g.scale(scale, scale);
        draw(g);
        g.end();
        save(img, scale == 1 ? QString() : QStringLiteral("@2x"));
    }
}

bool Convert(const QStringList& args) {
    QProcess p;
    p.start("convert", args);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// ---------------------------------------------------------------- pipes --

// One channel of a tile: a straight pipe or a quarter bend around a corner.
enum class Channel { WestEast, NorthSouth, NorthWest, NorthEast, SouthWest, SouthEast };

QPainterPath ChannelPath(Channel c) {
    QPainterPath p;
    auto bend = [&](double cx, double cy, double start, double sweep) {
        const QRectF r(cx - 50, cy - 50, 100, 100);
        p.arcMoveTo(r, start);
        p.arcTo(r, start, sweep);
    };
    switch (c) {
        case Channel::WestEast:
            p.moveTo(0, 50);
            p.lineTo(100, 50);
            break;
        case Channel::NorthSouth:
            p.moveTo(50, 0);
            p.lineTo(50, 100);
            break;
        case Channel::NorthWest: bend(0, 0, 0, -90); break;
        case Channel::NorthEast: bend(100, 0, 180, 90); break;
        case Channel::SouthWest: bend(0, 100, 90, -90); break;
        case Channel::SouthEast: bend(100, 100, 180, -90); break;
    }
    return p;
}

void Stroke(QPainter& g, const QPainterPath& path, double width, QColor colour) {
    g.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    g.setBrush(Qt::NoBrush);
    g.drawPath(path);
}

// A tube 32 px wide along the channel (pixels 34..65 across), shaded like a
// grey cylinder; a full one shows its water between the walls.
void Tube(QPainter& g, Channel c, bool water) {
    const QPainterPath p = ChannelPath(c);
    Stroke(g, p, 32, QColor(0x2e, 0x2e, 0x30));
    Stroke(g, p, 29, QColor(0x6a, 0x6c, 0x70));
    if (!water) {
        Stroke(g, p, 23, QColor(0x88, 0x8a, 0x8e));
        Stroke(g, p, 15, QColor(0xa4, 0xa6, 0xaa));
        Stroke(g, p, 7, QColor(0xc4, 0xc6, 0xca));
        Stroke(g, p, 2.5, QColor(0xe8, 0xea, 0xee));
        return;
    }
    Stroke(g, p, 24, QColor(0x9a, 0x9c, 0xa0));
    Stroke(g, p, 20, QColor(0x12, 0x3c, 0xb0));
    Stroke(g, p, 13, QColor(0x1f, 0x5c, 0xe8));
    Stroke(g, p, 5, QColor(0x6c, 0xa4, 0xff));
}

// The collars where pipes leave the tile, at the middle of the edges they use.
void Collars(QPainter& g, bool n, bool e, bool s, bool w) {
    g.setPen(QPen(QColor(0x2e, 0x2e, 0x30), 1));
    g.setBrush(QColor(0x7c, 0x7e, 0x82));
    if (n) g.drawRect(QRectF(31.5, 0, 37, 4));
    if (s) g.drawRect(QRectF(31.5, 96, 37, 4));
    if (w) g.drawRect(QRectF(0, 31.5, 4, 37));
    if (e) g.drawRect(QRectF(96, 31.5, 4, 37));
}

// The tube along a channel of the pieces' catalogue.
Channel ChannelOf(int openings) {
    switch (openings) {
        case vr::kLeft | vr::kRight: return Channel::WestEast;
        case vr::kTop | vr::kBottom: return Channel::NorthSouth;
        case vr::kTop | vr::kLeft: return Channel::NorthWest;
        case vr::kTop | vr::kRight: return Channel::NorthEast;
        case vr::kBottom | vr::kLeft: return Channel::SouthWest;
        default: return Channel::SouthEast;
    }
}

// The red hand-wheel of a valve: a ring with a cross of spokes, 59 px across.
void Wheel(QPainter& g) {
    g.setBrush(Qt::NoBrush);
    const QPointF c(50, 50);
    g.setPen(QPen(QColor(0x5a, 0x08, 0x0a), 3, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 4; ++k) {
        const double a = k * M_PI / 2 + M_PI / 4;
        g.drawLine(c, c + QPointF(std::cos(a) * 26, std::sin(a) * 26));
    }
    g.setPen(QPen(QColor(0xd0, 0x1c, 0x20), 2, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 4; ++k) {
        const double a = k * M_PI / 2 + M_PI / 4;
        g.drawLine(c, c + QPointF(std::cos(a) * 26, std::sin(a) * 26));
    }
    g.setPen(QPen(QColor(0x5a, 0x08, 0x0a), 7));
    g.drawEllipse(c, 26, 26);
    g.setPen(QPen(QColor(0xc8, 0x18, 0x1c), 5));
    g.drawEllipse(c, 26, 26);
    g.setPen(QPen(QColor(0xff, 0x70, 0x60), 1.2));
    g.drawArc(QRectF(24, 24, 52, 52), 40 * 16, 100 * 16);
    QRadialGradient hub(QPointF(48, 48), 8);
    hub.setColorAt(0, QColor(0xff, 0x80, 0x70));
    hub.setColorAt(1, QColor(0x90, 0x10, 0x12));
    g.setPen(QPen(QColor(0x5a, 0x08, 0x0a), 1));
    g.setBrush(hub);
    g.drawEllipse(c, 7, 7);
}

// The inlet: a pipe stub rising from a strip of red brick (the bottom 18 rows).
void Inlet(QPainter& g, bool water) {
    if (water) {
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(0x1f, 0x5c, 0xe8));
        g.drawEllipse(QRectF(8, 74, 84, 16));
        g.setBrush(QColor(0x6c, 0xa4, 0xff));
        g.drawEllipse(QRectF(20, 77, 22, 4));
        g.drawEllipse(QRectF(62, 78, 18, 3));
    }
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0xd8, 0xc6, 0xa0));
    g.drawRect(QRectF(0, 82, 100, 18));
    g.setBrush(QColor(0xa8, 0x34, 0x28));
    for (int row = 0; row < 2; ++row) {
        const double top = 82 + row * 9 + 1;
        for (int x = (row ? -10 : 0); x < 100; x += 20) g.drawRect(QRectF(x + 1, top, 18, 7.5));
    }
    if (water) {
        g.setBrush(QColor(0x1f, 0x5c, 0xe8, 150));
        g.drawRect(QRectF(14, 82, 72, 3));
    }
    QPainterPath stub;
    stub.moveTo(50, 0);
    stub.lineTo(50, 78);
    Stroke(g, stub, 32, QColor(0x2e, 0x2e, 0x30));
    Stroke(g, stub, 29, QColor(0x6a, 0x6c, 0x70));
    if (water) {
        Stroke(g, stub, 24, QColor(0x9a, 0x9c, 0xa0));
        Stroke(g, stub, 20, QColor(0x12, 0x3c, 0xb0));
        Stroke(g, stub, 13, QColor(0x1f, 0x5c, 0xe8));
        Stroke(g, stub, 5, QColor(0x6c, 0xa4, 0xff));
    } else {
        Stroke(g, stub, 23, QColor(0x88, 0x8a, 0x8e));
        Stroke(g, stub, 15, QColor(0xa4, 0xa6, 0xaa));
        Stroke(g, stub, 7, QColor(0xc4, 0xc6, 0xca));
    }
    g.setPen(QPen(QColor(0x2e, 0x2e, 0x30), 1));
    g.setBrush(QColor(0x7c, 0x7e, 0x82));
    g.drawRect(QRectF(27.5, 72, 45, 10));
    Collars(g, true, false, false, false);
}

// Draws one tile of 100 x 100 pixels on the window's brown.
template <typename Draw>
void Tile(const QString& name, Draw draw) {
    BothSizes(
        QSize(100, 100),
        [&](QPainter& g) {
            g.setRenderHint(QPainter::Antialiasing);
            draw(g);
        },
        [&](const QImage& img, const QString& suffix) { SaveBmp(img, name + suffix + ".bmp"); });
}

// A pipe piece; `full` says which of its channels hold water. Of two
// channels, the one from the top edge lies under the other.
void Piece(QPainter& g, int id, std::array<bool, 2> full) {
    const auto& channels = vr::kPieces[static_cast<std::size_t>(id)].channels;
    const int under = vr::TwoChannels(id) && (channels[1].openings & vr::kTop) ? 1 : 0;
    for (int k : {under, 1 - under}) {
        if (channels[static_cast<std::size_t>(k)].openings != 0) {
            Tube(g, ChannelOf(channels[static_cast<std::size_t>(k)].openings), full[static_cast<std::size_t>(k)]);
        }
    }
    const int open = vr::Openings(id);
    Collars(g, open & vr::kTop, open & vr::kRight, open & vr::kBottom, open & vr::kLeft);
}

void Tiles() {
    for (int id = 0; id < vr::kPieceCount; ++id) {
        Tile(QString("trubka%1").arg(id), [id](QPainter& g) { Piece(g, id, {false, false}); });
        Tile(QString("voda%1").arg(id), [id](QPainter& g) { Piece(g, id, {true, true}); });
    }
    // The two-channel pieces with one channel full.
    for (int id = vr::kValveShapes; id < vr::kPieceCount; ++id) {
        for (int k : {0, 1}) {
            const auto half = [id, k](QPainter& g) { Piece(g, id, {k == 0, k == 1}); };
            Tile(QString("voda%1").arg(vr::HalfFullPicture(id, k)), half);
        }
    }
    for (int id = 0; id < vr::kValveShapes; ++id) {
        Tile(QString("ventil%1").arg(id), [id](QPainter& g) {
            Piece(g, id, {false, false});
            Wheel(g);
        });
        Tile(QString("ventilvoda%1").arg(id), [id](QPainter& g) {
            Piece(g, id, {true, true});
            Wheel(g);
        });
    }
    Tile("pzed0", [](QPainter& g) { Inlet(g, false); });
    Tile("pzed1", [](QPainter& g) { Inlet(g, true); });
}

// ----------------------------------------------------------------- bars --

// Across a bar's 15 pixels: light on its top (or left) side, dark below.
QColor Profile(int k) {
    if (k < 2) return QColor(0xa9, 0x77, 0x34);
    if (k < 6) return QColor(0x98, 0x6b, 0x2e);
    if (k < 11) return QColor(0x86, 0x5f, 0x28);
    return QColor(0x74, 0x52, 0x23);
}

// The colour of pixel (x, y) of a 15 x 15 junction with arms to the given sides.
QColor JunctionColour(int x, int y, bool n, bool e, bool s, bool w) {
    const int dx = x - 7, dy = y - 7;
    if (std::abs(dx) == std::abs(dy) && dx != 0 && ((n || s) && (e || w))) return QColor(0x64, 0x46, 0x1e);
    if (std::abs(dx) > std::abs(dy)) return (dx < 0 ? w : e) ? Profile(y) : Profile(x);
    return (dy < 0 ? n : s) ? Profile(x) : Profile(y);
}

// A 15 x 15 junction with arms to the given sides, mitred along its
// diagonals; the bars are drawn pixel by pixel, each pixel of the design
// `scale` x `scale` pixels of the picture.
void Junction(const QString& name, bool n, bool e, bool s, bool w) {
    for (int scale : {1, 2}) {
        QImage img(15 * scale, 15 * scale, QImage::Format_RGB888);
        for (int py = 0; py < img.height(); ++py) {
            for (int px = 0; px < img.width(); ++px) {
                const int x = px / scale, y = py / scale;
                img.setPixelColor(px, py, JunctionColour(x, y, n, e, s, w));
            }
        }
        SaveBmp(img, name + (scale == 1 ? ".bmp" : "@2x.bmp"));
    }
}

void Bars() {
    Junction("lajna-nw", false, true, true, false);
    Junction("lajna-ne", false, false, true, true);
    Junction("lajna-sw", true, true, false, false);
    Junction("lajna-se", true, false, false, true);
    Junction("lajna-tee-n", true, true, false, true);
    Junction("lajna-tee-e", true, true, true, false);
    Junction("lajna-tee-s", false, true, true, true);
    Junction("lajna-tee-w", true, false, true, true);
    Junction("lajna-cross", true, true, true, true);
    // The slices: one pixel of the bar's length, its 15 pixels across.
    for (int scale : {1, 2}) {
        QImage h(scale, 15 * scale, QImage::Format_RGB888), v(15 * scale, scale, QImage::Format_RGB888);
        for (int k = 0; k < 15 * scale; ++k) {
            for (int along = 0; along < scale; ++along) {
                h.setPixelColor(along, k, Profile(k / scale));
                v.setPixelColor(k, along, Profile(k / scale));
            }
        }
        const char* suffix = scale == 1 ? ".bmp" : "@2x.bmp";
        SaveBmp(h, QStringLiteral("lajna-h") + suffix);
        SaveBmp(v, QStringLiteral("lajna-v") + suffix);
    }
}

// -------------------------------------------------------------- pictures --

QFont Face(const QString& family, int px, bool bold, bool italic) {
    QFont f(family);
    f.setPixelSize(px);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void MenuButton(QPainter& g) {
    QLinearGradient grad(0, 0, 0, 33);
    grad.setColorAt(0, QColor(0xd0, 0x8a, 0x3c));
    grad.setColorAt(1, QColor(0x8c, 0x52, 0x1e));
    g.fillRect(QRect(0, 0, 233, 33), grad);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0xf0, 0xb8, 0x70));
    g.drawRect(0, 0, 233, 2);
    g.drawRect(0, 0, 2, 33);
    g.setBrush(QColor(0x4a, 0x28, 0x0c));
    g.drawRect(0, 31, 233, 2);
    g.drawRect(231, 0, 2, 33);
    g.setRenderHint(QPainter::Antialiasing);
    g.setRenderHint(QPainter::TextAntialiasing);
    g.setFont(Face("Liberation Sans", 23, true, true));
    g.setPen(QColor(0xf8, 0xd0, 0x90));
    g.drawText(QRect(1, 1, 233, 33), Qt::AlignCenter, "Menu");
    g.setPen(QColor(0x1f, 0x5a, 0x12));
    g.drawText(QRect(0, 0, 233, 33), Qt::AlignCenter, "Menu");
}

void Star(QPainter& g, QPointF c, double r, QColor colour) {
    QPainterPath p;
    for (int k = 0; k < 10; ++k) {
        const double a = -M_PI / 2 + k * M_PI / 5, rr = k % 2 ? r * 0.45 : r;
        const QPointF q = c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
        if (k == 0)
            p.moveTo(q);
        else
            p.lineTo(q);
    }
    p.closeSubpath();
    g.setPen(Qt::NoPen);
    g.setBrush(colour);
    g.drawPath(p);
}

void Banner(QPainter& g) {
    g.setRenderHint(QPainter::Antialiasing);
    g.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 235, 70);
    sky.setColorAt(0, QColor(0x0b, 0x1d, 0x5c));
    sky.setColorAt(1, QColor(0x23, 0x48, 0xb0));
    g.fillRect(QRect(0, 0, 235, 70), sky);
    for (auto [x, y, r] : {std::tuple{44.0, 62.0, 3.0}, {222.0, 12.0, 5.0}, {224.0, 56.0, 3.0}, {150.0, 6.0, 2.5}})
        Star(g, QPointF(x, y), r, QColor(0xff, 0xe0, 0x60));
    // A die tumbling at the left.
    g.save();
    g.translate(27, 35);
    g.rotate(-14);
    g.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.5));
    g.setBrush(QColor(0xfa, 0xfa, 0xf0));
    g.drawRoundedRect(QRectF(-15, -15, 30, 30), 6, 6);
    g.setBrush(QColor(0xd0, 0x10, 0x20));
    g.setPen(Qt::NoPen);
    for (auto [x, y] : {std::pair{-8, -8}, {8, -8}, {0, 0}, {-8, 8}, {8, 8}}) g.drawEllipse(QPointF(x, y), 2.8, 2.8);
    g.restore();
    // The magazine's name, outlined.
    QPainterPath name;
    name.addText(50, 36, Face("TeX Gyre Adventor", 29, true, true), "Zabavklub");
    g.setPen(QPen(QColor(0x3a, 0x10, 0x00), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.setBrush(Qt::NoBrush);
    g.drawPath(name);
    QLinearGradient gold(0, 12, 0, 38);
    gold.setColorAt(0, QColor(0xff, 0xf0, 0x60));
    gold.setColorAt(1, QColor(0xff, 0x90, 0x10));
    g.setPen(Qt::NoPen);
    g.setBrush(gold);
    g.drawPath(name);
    g.setFont(Face("Liberation Sans", 12, true, true));
    g.setPen(Qt::white);
    g.drawText(QRect(50, 39, 180, 15), Qt::AlignLeft | Qt::AlignVCenter, "Hry a zábava pro vás");
    g.setFont(Face("Liberation Sans", 11, true, false));
    g.setPen(QColor(0x9f, 0xd3, 0xff));
    g.drawText(QRect(50, 53, 180, 14), Qt::AlignLeft | Qt::AlignVCenter, "www.zabavklub.cz");
}

// The banner is a GIF of 256 colours.
void SaveGif(const QImage& img, const QString& name) {
    const QString png = name + ".png", gif = name + ".gif";
    Save(img, png, "PNG");
    if (!Convert({Path(png), "-colors", "256", "+repage", Path(gif)})) {
        std::fprintf(stderr, "gen-assets: convert could not make %s\n", qPrintable(gif));
        std::exit(1);
    }
    QFile::remove(Path(png));
}

// The credits: the plumber's portrait against a red evening sky.
void Credits(QPainter& g) {
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 250);
    sky.setColorAt(0, QColor(0x2a, 0x0b, 0x3a));
    sky.setColorAt(0.55, QColor(0x9a, 0x12, 0x24));
    sky.setColorAt(1, QColor(0xff, 0x70, 0x1c));
    g.fillRect(QRect(0, 0, 288, 250), sky);
    g.setPen(Qt::NoPen);
    QRadialGradient sun(QPointF(214, 236), 46);
    sun.setColorAt(0, QColor(0xff, 0xe0, 0x80));
    sun.setColorAt(0.7, QColor(0xff, 0xa0, 0x30));
    sun.setColorAt(1, QColor(0xff, 0x70, 0x1c, 0));
    g.setBrush(sun);
    g.drawEllipse(QPointF(214, 236), 46, 46);
    // The flooded waterworks on the horizon.
    const QColor dark(0x24, 0x08, 0x14);
    g.setBrush(dark);
    g.drawRect(QRectF(18, 160, 10, 90));
    g.drawRect(QRectF(44, 160, 10, 90));
    g.drawEllipse(QRectF(6, 120, 60, 48));
    g.drawRect(QRectF(240, 196, 36, 54));
    g.drawRect(QRectF(250, 170, 8, 30));
    g.drawRect(QRectF(0, 236, 288, 14));
    // Water up to the hero's chest, with the sun in it.
    QLinearGradient sea(0, 250, 0, 352);
    sea.setColorAt(0, QColor(0x6a, 0x1c, 0x50));
    sea.setColorAt(1, QColor(0x14, 0x10, 0x40));
    g.fillRect(QRect(0, 250, 288, 102), sea);
    g.setBrush(QColor(0xff, 0xa8, 0x40, 160));
    for (int k = 0; k < 6; ++k) g.drawRect(QRectF(190 - k * 3, 256 + k * 12, 48 + k * 6, 3));
    // Shoulders in blue overalls.
    g.setBrush(QColor(0x1f, 0x4f, 0xa8));
    g.drawRoundedRect(QRectF(54, 250, 180, 130), 50, 50);
    g.setBrush(QColor(0xe8, 0xe0, 0xd0));
    g.drawRect(QRectF(118, 250, 52, 40));
    g.setBrush(QColor(0x17, 0x3a, 0x80));
    g.drawRect(QRectF(96, 250, 14, 100));
    g.drawRect(QRectF(178, 250, 14, 100));
    g.setBrush(QColor(0xff, 0xd0, 0x40));
    g.drawEllipse(QPointF(103, 282), 5, 5);
    g.drawEllipse(QPointF(185, 282), 5, 5);
    // The head: round face, big nose, bigger moustache, red cap.
    g.setBrush(QColor(0xf1, 0xc2, 0x8d));
    g.drawEllipse(QPointF(144, 192), 52, 60);
    g.drawEllipse(QPointF(92, 196), 10, 16);
    g.drawEllipse(QPointF(196, 196), 10, 16);
    g.setBrush(Qt::white);
    g.drawEllipse(QPointF(124, 182), 10, 12);
    g.drawEllipse(QPointF(164, 182), 10, 12);
    g.setBrush(QColor(0x20, 0x30, 0x60));
    g.drawEllipse(QPointF(127, 185), 4.5, 5.5);
    g.drawEllipse(QPointF(161, 185), 4.5, 5.5);
    g.setBrush(QColor(0xe0, 0x80, 0x70));
    g.drawEllipse(QPointF(144, 205), 15, 13);
    g.setBrush(QColor(0x5a, 0x30, 0x10));
    QPainterPath tash;
    tash.moveTo(144, 214);
    tash.cubicTo(120, 206, 96, 214, 84, 236);
    tash.cubicTo(104, 226, 124, 232, 144, 226);
    tash.cubicTo(164, 232, 184, 226, 204, 236);
    tash.cubicTo(192, 214, 168, 206, 144, 214);
    g.drawPath(tash);
    g.setPen(QPen(QColor(0x5a, 0x30, 0x10), 5, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(112, 164), QPointF(134, 166));
    g.drawLine(QPointF(154, 166), QPointF(176, 164));
    g.setPen(QPen(QColor(0x8a, 0x30, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    g.drawArc(QRectF(128, 226, 32, 14), 200 * 16, 140 * 16);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0x2f, 0x6b, 0x2a));
    g.drawChord(QRectF(90, 112, 108, 84), 0, 180 * 16);
    g.setBrush(QColor(0x1f, 0x4a, 0x1c));
    g.drawRoundedRect(QRectF(84, 148, 126, 10), 5, 5);
    g.setBrush(Qt::white);
    g.drawEllipse(QPointF(144, 130), 12, 10);
    g.setFont(Face("Liberation Sans", 14, true, false));
    g.setPen(QColor(0x2f, 0x6b, 0x2a));
    g.drawText(QRectF(132, 120, 24, 20), Qt::AlignCenter, "V");
    // A wrench over the shoulder and a rubber duck in the flood.
    g.save();
    g.translate(240, 268);
    g.rotate(16);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0x9a, 0x9e, 0xa6));
    g.drawRoundedRect(QRectF(-8, -110, 16, 120), 6, 6);
    QPainterPath jaw;
    jaw.addEllipse(QPointF(0, -118), 20, 16);
    QPainterPath notch;
    notch.addRect(QRectF(-7, -140, 14, 22));
    g.drawPath(jaw.subtracted(notch));
    g.restore();
    g.setBrush(QColor(0xff, 0xd8, 0x20));
    g.drawEllipse(QRectF(22, 300, 46, 28));
    g.drawEllipse(QPointF(58, 298), 13, 12);
    g.setBrush(QColor(0xff, 0x80, 0x10));
    g.drawChord(QRectF(66, 296, 16, 9), 90 * 16, 180 * 16 * -1);
    g.drawEllipse(QRectF(68, 297, 12, 6));
    g.setBrush(Qt::black);
    g.drawEllipse(QPointF(61, 294), 2, 2);
}

// The icon: a valve wheel on a pipe bend full of water.
QImage Icon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(size / 100.0, size / 100.0);
    g.setPen(QPen(QColor(0x3a, 0x28, 0x10), 3));
    g.setBrush(kBack);
    g.drawRoundedRect(QRectF(2, 2, 96, 96), 16, 16);
    Tube(g, Channel::SouthEast, true);
    Tube(g, Channel::NorthWest, false);
    Wheel(g);
    g.end();
    return img;
}

void Icons() {
    QStringList ico;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString name = QString("icon-%1.png").arg(size);
        Save(Icon(size), name, "PNG");
        if (size == 16 || size == 32 || size == 64) ico << Path(name);
    }
    ico << Path("icon.ico");
    if (!Convert(ico)) {
        std::fprintf(stderr, "gen-assets: convert could not make icon.ico\n");
        std::exit(1);
    }
}

void Pictures() {
    BothSizes(QSize(233, 33), MenuButton,
              [](const QImage& img, const QString& suffix) { SaveBmp(img, "menu" + suffix + ".bmp"); });
    BothSizes(QSize(235, 70), Banner,
              [](const QImage& img, const QString& suffix) { SaveGif(img, "zkbaner" + suffix); });
    BothSizes(QSize(288, 352), Credits,
              [](const QImage& img, const QString& suffix) { Save(img, "image1" + suffix + ".jpg", "JPEG", 90); });
}

// The faces of the texts in the pictures, found by family through fontconfig
// and read from their files (the family names above name them).
const struct {
    const char* family;
    bool bold;
    bool italic;
    const char* package;
} kFaces[] = {
    {"Liberation Sans", true, false, "fonts-liberation, on Debian 12 fonts-liberation2"},
    {"Liberation Sans", true, true, "fonts-liberation, on Debian 12 fonts-liberation2"},
    {"Liberation Sans", false, true, "fonts-liberation, on Debian 12 fonts-liberation2"},
    {"Liberation Sans", false, false, "fonts-liberation, on Debian 12 fonts-liberation2"},
    {"TeX Gyre Adventor", true, false, "fonts-texgyre"},
};

void LoadFonts() {
    for (const auto& face : kFaces) {
        const QString file = vr::qt::FaceFile(face.family, face.bold, face.italic);
        if (file.isEmpty() || QFontDatabase::addApplicationFont(file) < 0) {
            std::fprintf(stderr, "gen-assets: cannot find or read %s%s%s (Debian package %s)\n", face.family,
                         face.bold ? " Bold" : "", face.italic ? " Italic" : "", face.package);
            std::exit(1);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen-assets <outdir>\n");
        return 2;
    }
    gOut = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(gOut);
    LoadFonts();
    Tiles();
    Bars();
    Pictures();
    Icons();
    return 0;
}
