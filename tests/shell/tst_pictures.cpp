// The program's pictures: every one renders, at the size its place needs.
#include "resources/Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTest>

using namespace zendaro;

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void rendersAtItsSize_data();
    void rendersAtItsSize();
    void everyNormalPictureHasALightOneOfTheSameSize();
};

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
    const QStringList normals =
        QDir(QStringLiteral(":/pictures")).entryList({QStringLiteral("*_normal.svg")});
    QVERIFY(normals.size() >= 14);
    for (const QString& normal : normals) {
        const QString light = QString(normal).replace(QStringLiteral("_normal."), QStringLiteral("_light."));
        const QPixmap a = pictures::LoadPicture(QStringLiteral(":/pictures/") + normal);
        const QPixmap b = pictures::LoadPicture(QStringLiteral(":/pictures/") + light);
        QVERIFY2(!b.isNull(), qPrintable(light));
        QCOMPARE(b.size(), a.size());
        QVERIFY2(a.toImage() != b.toImage(), qPrintable(normal)); // the light look differs
    }
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
