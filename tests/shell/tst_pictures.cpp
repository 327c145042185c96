// The program's pictures: every one renders, at the size its place needs,
// as sharp as its drawing at the screen's scale.
#include "resources/PictureRuns.h"
#include "resources/Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <cmath>
#include <cstring>

using namespace zendaro;

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void rendersAtItsSize_data();
    void rendersAtItsSize();
    void everyNormalPictureHasALightOneOfTheSameSize();
    void takesTheNearestRenderingAtOrAbove_data();
    void takesTheNearestRenderingAtOrAbove();
    void looksLikeItsDrawingAtTheScreensScale_data();
    void looksLikeItsDrawingAtTheScreensScale();
    void aDamagedRenderingGivesNoPicture();
};

namespace {

// A picture's SVG drawing rendered now, at `ratio`, as the program drew it
// before its pictures were rendered ahead.
QImage drawn(const QString& svg, qreal ratio) {
    QSvgRenderer renderer(svg);
    const QSize size = renderer.defaultSize();
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

// The mean difference of two same-sized pictures, per channel (0–255).
double meanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col])) + std::abs(qAlpha(p[col]) - qAlpha(q[col]));
    }
    return sum / (4.0 * x.width() * x.height());
}

} // namespace

void PicturesTest::rendersAtItsSize_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    using namespace pictures;
    const struct {
        const char* path;
        QSize size;
    } all[] = {
        {BackgroundMenu, {827, 619}},
        {BackgroundWindow, {827, 619}},
        {Banner, {500, 48}},
        {AppIcon, {256, 256}},
        {MenuBirebirNormal, {64, 64}},
        {MenuCogulNormal, {64, 64}},
        {MenuDornelaNormal, {64, 64}},
        {MenuDigerNormal, {64, 64}},
        {MenuHelpNormal, {48, 48}},
        {MenuInfoNormal, {48, 48}},
        {MenuExitNormal, {48, 48}},
        {ZendaroNormal, {77, 64}},
        {DonusumNormal, {77, 64}},
        {HelpNormal, {48, 48}},
        {BackNormal, {48, 48}},
        {EditAddNormal, {24, 24}},
        {EditDeleteNormal, {24, 24}},
        {EditEditNormal, {24, 24}},
        {EditCancelNormal, {24, 24}},
        {EditSaveNormal, {24, 24}},
        {EditCreateNormal, {24, 24}},
        {EditAddGradeNormal, {24, 24}},
        {About0, {64, 64}},
        {About1, {64, 64}},
    };
    for (const auto& picture : all)
        QTest::newRow(picture.path) << QString::fromLatin1(picture.path) << picture.size;
}

void PicturesTest::rendersAtItsSize() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QPixmap pixmap = pictures::LoadPicture(path);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
    // Rendered at the screen's density (the test runs at 100 % and at 200 %).
    QCOMPARE(pixmap.devicePixelRatio(), qGuiApp->devicePixelRatio());
    // Something is drawn: the picture is not one flat colour.
    const QImage image = pixmap.toImage();
    const QRgb first = image.pixel(image.width() / 2, image.height() / 2);
    bool varied = false;
    for (int y = 0; y < image.height() && !varied; y += 3) {
        for (int x = 0; x < image.width() && !varied; x += 3)
            varied = image.pixel(x, y) != first;
    }
    QVERIFY(varied);
}

void PicturesTest::everyNormalPictureHasALightOneOfTheSameSize() {
    // A picture button measures only its normal picture; the light one must match.
    const QStringList renderings =
        QDir(QStringLiteral(":/pictures")).entryList({QStringLiteral("*_normal@100.runs")});
    QVERIFY(renderings.size() >= 14);
    for (const QString& rendering : renderings) {
        const QString normal = rendering.chopped(int(std::strlen("@100.runs")));
        const QString light = QString(normal).replace(QStringLiteral("_normal"), QStringLiteral("_light"));
        const QPixmap a = pictures::LoadPicture(QStringLiteral(":/pictures/") + normal);
        const QPixmap b = pictures::LoadPicture(QStringLiteral(":/pictures/") + light);
        QVERIFY2(!b.isNull(), qPrintable(light));
        QCOMPARE(b.size(), a.size());
        QVERIFY2(a.toImage() != b.toImage(), qPrintable(normal)); // the light look differs
    }
}

void PicturesTest::takesTheNearestRenderingAtOrAbove_data() {
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("rendering");
    QTest::newRow("100 %") << 1.0 << 100;
    QTest::newRow("below 100 %") << 0.5 << 100;
    QTest::newRow("110 %") << 1.1 << 125;
    QTest::newRow("125 %") << 1.25 << 125;
    QTest::newRow("125 % computed") << 0.1 * 12.5 << 125;
    QTest::newRow("150 %") << 1.5 << 150;
    QTest::newRow("175 %") << 1.75 << 200;
    QTest::newRow("200 %") << 2.0 << 200;
    QTest::newRow("250 %") << 2.5 << 300;
    QTest::newRow("300 %") << 3.0 << 300;
    QTest::newRow("above 300 %: the largest") << 4.0 << 300;
}

void PicturesTest::takesTheNearestRenderingAtOrAbove() {
    QFETCH(qreal, scale);
    QFETCH(int, rendering);
    QCOMPARE(pictures::RenderingFor(scale), rendering);
}

void PicturesTest::looksLikeItsDrawingAtTheScreensScale_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("background") << QStringLiteral("background_menu");
    QTest::newRow("banner, with text") << QStringLiteral("banner");
    QTest::newRow("menu button") << QStringLiteral("menu_birebir_normal");
    QTest::newRow("editor button") << QStringLiteral("edit_add_light");
}

void PicturesTest::looksLikeItsDrawingAtTheScreensScale() {
    // Run at 100 %, 150 %, 175 % and 200 %: at a rendered scale the picture is
    // its drawing pixel for pixel; between two, the larger one scaled down,
    // far closer to the drawing than the smaller one scaled up.
    QFETCH(QString, name);
    const qreal ratio = qGuiApp->devicePixelRatio();
    const QImage truth =
        drawn(QStringLiteral(ZENDARO_SOURCE_DIR "/resources/pictures/") + name + ".svg", ratio);
    const QImage shown = pictures::LoadPicture(QStringLiteral(":/pictures/") + name).toImage();
    QCOMPARE(shown.size(), truth.size());
    const bool rendered = pictures::RenderedScales().contains(qRound(ratio * 100));
    if (rendered) {
        QCOMPARE(meanDifference(shown, truth), 0.0);
        return;
    }
    const QImage lower = drawn(QStringLiteral(ZENDARO_SOURCE_DIR "/resources/pictures/") + name + ".svg", 1.0)
                             .scaled(truth.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY2(meanDifference(shown, truth) < meanDifference(lower, truth) / 2,
             qPrintable(QStringLiteral("%1 against %2")
                            .arg(meanDifference(shown, truth))
                            .arg(meanDifference(lower, truth))));
}

void PicturesTest::aDamagedRenderingGivesNoPicture() {
    QImage picture(5, 3, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(10, 20, 30, 128));
    picture.setPixelColor(2, 1, Qt::white);
    const QByteArray packed = pictures::PackRuns(picture, QSize(5, 3));
    QCOMPARE(pictures::UnpackRuns(packed), picture);
    QCOMPARE(pictures::PackedOwnSize(packed), QSize(5, 3));
    QVERIFY(pictures::UnpackRuns(packed.chopped(1)).isNull());                     // cut short
    QVERIFY(pictures::UnpackRuns(QByteArray(packed).replace(0, 1, "X")).isNull()); // not a packing
    const QByteArray tooLong("\x01\x00\x06\x00\x00\x00\x00\xff", 8); // one run of 6 in a row of 5
    QVERIFY(pictures::UnpackRuns(packed.left(14) + qCompress(tooLong + tooLong + tooLong)).isNull());
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
