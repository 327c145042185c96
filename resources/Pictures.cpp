#include "resources/Pictures.h"

#include "resources/PictureRuns.h"

#include <QGuiApplication>
#include <QResource>

#include <algorithm>

namespace zendaro::pictures {

namespace {

// Set by the build, beside the tool that renders the pictures.
constexpr int Scales[] = {ZENDARO_PICTURE_SCALES};
constexpr int IconSizes[] = {ZENDARO_ICON_SIZES};

// The bytes of a rendering, read in place from the program's resources.
QByteArrayView rendering(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return {reinterpret_cast<const char*>(resource.data()), static_cast<qsizetype>(resource.size())};
}

// The resource path of a picture's rendering at `scale` per cent.
QString renderingPath(const QString& name, int scale) {
    return name + QLatin1Char('@') + QString::number(scale) + QStringLiteral(".runs");
}

} // namespace

QList<int> RenderedScales() {
    return {std::begin(Scales), std::end(Scales)};
}

int RenderingFor(qreal scale) {
    // A hair of tolerance, so that 1.25 computed in floating point still takes 125 %.
    const qreal percent = scale * 100.0 - 0.01;
    const auto* found =
        std::find_if(std::begin(Scales), std::end(Scales), [&](int s) { return s >= percent; });
    return found != std::end(Scales) ? *found : Scales[std::size(Scales) - 1];
}

QIcon LoadAppIcon() {
    QIcon icon;
    for (const int side : IconSizes) {
        const QString path = QStringLiteral("%1@%2px.runs").arg(QLatin1String(AppIcon)).arg(side);
        icon.addPixmap(QPixmap::fromImage(UnpackRuns(rendering(path))));
    }
    return icon;
}

QPixmap LoadPicture(const QString& name, QSize size) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    // Every rendering knows the picture's own size; the one at 100 % always exists.
    const QSize own = PackedOwnSize(rendering(renderingPath(name, 100)));
    if (!own.isValid())
        return {};
    if (size.isEmpty())
        size = own;
    const QSize pixels = size * ratio;
    // Measured before the pixels are rounded: 827 at 125 % is still 125 %.
    const qreal needed = ratio * std::max(static_cast<qreal>(size.width()) / own.width(),
                                          static_cast<qreal>(size.height()) / own.height());
    QImage image = UnpackRuns(rendering(renderingPath(name, RenderingFor(needed))));
    if (image.isNull())
        return {};
    if (image.size() != pixels)
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace zendaro::pictures
