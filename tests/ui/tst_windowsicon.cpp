// The Windows icon written by the build-time picture renderer: a directory
// Windows reads (count, sizes, offsets) and a sharp PNG of the picture at
// each size asked for.
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestWindowsIcon : public QObject {
    Q_OBJECT

    static int render(const QStringList& arguments) {
        QProcess tool;
        tool.start(QStringLiteral(ZENDARO_RENDER_PICTURES), arguments);
        if (!tool.waitForFinished(60000))
            return -1;
        return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    }
    static QString svg() { return QStringLiteral(ZENDARO_SOURCE_DIR "/resources/pictures/zendaro.svg"); }

private slots:
    void everySizeIsThere() {
        QTemporaryDir dir;
        const QString ico = dir.filePath(QStringLiteral("zendaro.ico"));
        QCOMPARE(render({QStringLiteral("--ico"), ico, QStringLiteral("16,48,256"), svg()}), 0);
        QFile file(ico);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QDataStream in(bytes);
        in.setByteOrder(QDataStream::LittleEndian);
        quint16 reserved = 1, type = 0, count = 0;
        in >> reserved >> type >> count;
        QCOMPARE(reserved, quint16(0));
        QCOMPARE(type, quint16(1));
        QCOMPARE(count, quint16(3));
        for (const int side : {16, 48, 256}) {
            quint8 width = 0, height = 0, colours = 0, zero = 0;
            quint16 planes = 0, bits = 0;
            quint32 size = 0, offset = 0;
            in >> width >> height >> colours >> zero >> planes >> bits >> size >> offset;
            QCOMPARE(int(width), side % 256);
            QCOMPARE(int(height), side % 256);
            QCOMPARE(planes, quint16(1));
            QCOMPARE(bits, quint16(32));
            QVERIFY(qint64(offset) + size <= bytes.size());
            const QImage image = QImage::fromData(bytes.mid(offset, size), "PNG");
            QCOMPARE(image.size(), QSize(side, side));
            // The picture itself: its middle is drawn, not left transparent.
            QVERIFY(qAlpha(image.pixel(side / 2, side / 2)) > 0);
        }
    }

    void badSizesAndFilesAreRefused_data() {
        QTest::addColumn<QString>("sizes");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("status");
        QTest::newRow("size 0") << "16,0" << svg() << 2;
        QTest::newRow("over 256") << "512" << svg() << 2;
        QTest::newRow("no picture") << "16" << QStringLiteral("/nonexistent.svg") << 1;
    }
    void badSizesAndFilesAreRefused() {
        QFETCH(QString, sizes);
        QFETCH(QString, picture);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString ico = dir.filePath(QStringLiteral("zendaro.ico"));
        QCOMPARE(render({QStringLiteral("--ico"), ico, sizes, picture}), status);
        QVERIFY(!QFile::exists(ico));
    }
};

QTEST_GUILESS_MAIN(TestWindowsIcon)
#include "tst_windowsicon.moc"
