// Renders the program's SVG pictures ahead of time, during the build, once
// per display scale, so that the program itself never draws an SVG:
//   zendaro_render_pictures OUT_FOLDER SCALES SVG...
// SCALES lists percentages ("100,125,150,200,300"); each NAME.svg gives
// OUT_FOLDER/NAME@<scale>.runs, its own size times the scale, as the program
// would draw it on a screen of that density. A scale given in pixels ("16px")
// gives OUT_FOLDER/NAME@16px.runs, the picture that many pixels wide (the
// sizes of a window icon). The SVG texts use the build machine's fonts
// (DejaVu Sans, Liberation Sans), which the build installs.
//
//   zendaro_render_pictures --ico OUT.ico SIZES SVG
// writes the Windows icon of the executable: the picture SIZES pixels wide
// ("16,32,48,256"), each kept as PNG in one .ico file.
//
// The renderings are stored as runs of one colour (see PictureRuns.h): the
// pictures are mostly flat colours and gradients, and a window's background
// unpacked from runs costs the program a fraction of what unpacking a PNG
// or drawing the SVG costs at start-up.
#include "resources/PictureRuns.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool save(const QByteArray& bytes, const QString& path) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// The picture `ratio` times its own size. Drawn onto the whole image, not in
// the picture's own units through the image's pixel ratio: a painter on an
// image of ratio 1/8 or less (the small icons) draws nothing.
QImage render(QSvgRenderer& renderer, qreal ratio) {
    const QSizeF size = QSizeF(renderer.defaultSize()) * ratio;
    QImage image(size.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

// A Windows icon file: its directory, then each image as PNG (a width of 256
// is written as 0).
QByteArray iconFile(const QList<QImage>& images) {
    QByteArray directory;
    QByteArray pictures;
    QDataStream out(&directory, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    auto offset = quint32(6 + 16 * images.size());
    for (const QImage& image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        out << quint8(image.width() % 256) << quint8(image.height() % 256) << quint8(0) << quint8(0)
            << quint16(1) << quint16(32) << quint32(png.size()) << offset;
        offset += png.size();
        pictures += png;
    }
    return directory + pictures;
}

// zendaro_render_pictures --ico OUT.ico SIZES SVG
int writeIcon(const QStringList& args) {
    QSvgRenderer renderer(args.at(4));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "zendaro_render_pictures: cannot read %s\n", qPrintable(args.at(4)));
        return 1;
    }
    QList<QImage> images;
    for (const QString& side : args.at(3).split(QLatin1Char(','))) {
        const int pixels = side.toInt();
        if (pixels <= 0 || pixels > 256) {
            std::fprintf(stderr, "zendaro_render_pictures: bad icon size %s\n", qPrintable(side));
            return 2;
        }
        images += render(renderer, static_cast<qreal>(pixels) / renderer.defaultSize().width());
    }
    return save(iconFile(images), args.at(2)) ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // No screen is needed: the fonts alone come from the platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 5 && args.at(1) == QStringLiteral("--ico"))
        return writeIcon(args);
    if (args.size() < 4) {
        std::fputs("usage: zendaro_render_pictures OUT_FOLDER SCALES SVG...\n", stderr);
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    const QStringList scales = args.at(2).split(QLatin1Char(','));
    for (const QString& svg : args.mid(3)) {
        QSvgRenderer renderer(svg);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "zendaro_render_pictures: cannot read %s\n", qPrintable(svg));
            return 1;
        }
        const QSize size = renderer.defaultSize();
        for (const QString& scale : scales) {
            const bool pixels = scale.endsWith(QStringLiteral("px"));
            bool ok = false;
            const int number = QStringView(scale).chopped(pixels ? 2 : 0).toInt(&ok);
            if (!ok || number <= 0) {
                std::fprintf(stderr, "zendaro_render_pictures: bad scale %s\n", qPrintable(scale));
                return 2;
            }
            // The pixels a screen of this density shows the picture in.
            const QImage image =
                render(renderer, pixels ? static_cast<qreal>(number) / size.width() : number / 100.0);
            const QString name = QStringLiteral("%1@%2.runs").arg(QFileInfo(svg).completeBaseName(), scale);
            if (!save(zendaro::pictures::PackRuns(image, size), out.filePath(name))) {
                std::fprintf(stderr, "zendaro_render_pictures: cannot write %s\n", qPrintable(name));
                return 1;
            }
        }
    }
    return 0;
}
