// "Dışa Aktar" and "İçe Aktar" on FRMDORNELAOLCEK: home scales come back
// identical, each with its nine ladder rows; a bad file changes nothing.
#include "GuiHelpers.h"
#include "HomeScaleFixtures.h"
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "ScaleFileAnswers.h"
#include "TestDatabase.h"
#include "homescale/HomeScaleEditor.h"
#include "ui/PictureBttn.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zendaro;
using namespace zendaro::test;

namespace {

struct Editor {
    TestDatabase db;
    RecordingMessages messages;
    RecordingNavigator navigator;
    HomeScaleEditor editor;

    explicit Editor(const QString& sql = {})
        : db(sql), editor(db.path(), QLocale(QLocale::Turkish, QLocale::Turkey), navigator) {
        editor.show();
        (void)QTest::qWaitForWindowExposed(&editor);
    }
    void click(const char* name) { clickOn(control<PictureBttn>(&editor, QString::fromLatin1(name))); }
    // Every home row without ids, in id order.
    QString content() const {
        return db.scalar("SELECT group_concat(r, '|') FROM (SELECT "
                         "olcek_adi||','||egitim_duzeyi||','||max_GN||','||"
                         "min_GN||','||max_KN||','||min_KN AS r FROM dornela_olcek ORDER BY id)")
                   .toString() +
               db.scalar("SELECT group_concat(r, '|') FROM (SELECT "
                         "o.olcek_adi||','||harf_notu||','||sayisal_not||','||"
                         "durum AS r FROM dornela_notlar n JOIN dornela_olcek o ON o.id=n.olcek_id ORDER BY "
                         "n.id)")
                   .toString();
    }
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestHomeScaleExchange : public QObject {
    Q_OBJECT
private slots:
    void exportedScalesImportIdentical();
    void badFileChangesNothing();
    void fileWithoutHomeScalesAddsNothing();

private:
    QTemporaryDir dir_;
};

void TestHomeScaleExchange::exportedScalesImportIdentical() {
    ScaleFileAnswers files;
    files.savePath = dir_.filePath(QStringLiteral("dornela.zolcek"));
    Editor from(QString::fromUtf8(TwoHomeScales));
    from.messages.answers = {ResultHayir}; // all scales
    from.click("BTN_DISA_AKTAR");
    QCOMPARE(from.messages.texts().last(), QStringLiteral("2 ölçek “dornela.zolcek” dosyasına yazıldı."));

    files.openPath = files.savePath;
    Editor to;
    to.click("BTN_ICE_AKTAR");
    QVERIFY(to.messages.texts().first().contains(
        QStringLiteral("• Önlisans Ölçeği (Önlisans, en yüksek kalır not DC)")));
    QCOMPARE(to.messages.texts().last(), QStringLiteral("2 ölçek eklendi."));
    QCOMPARE(to.content(), from.content());

    // Again into the same database: both names clash; the first under a free name, the second skipped.
    to.messages.clear();
    to.messages.answers = {ResultEvet, ResultEvet, ResultHayir};
    to.click("BTN_ICE_AKTAR");
    QCOMPARE(to.messages.texts().last(), QStringLiteral("1 ölçek eklendi. 1 ölçek atlandı."));
    QCOMPARE(to.db.scalar("SELECT olcek_adi FROM dornela_olcek WHERE id=3").toString(),
             QStringLiteral("Lisans Ölçeği (2)"));
    QCOMPARE(to.db.scalar("SELECT count(*) FROM dornela_notlar WHERE olcek_id=3").toInt(), 9);
}

void TestHomeScaleExchange::badFileChangesNothing() {
    ScaleFileAnswers files;
    files.openPath = dir_.filePath(QStringLiteral("bozuk.zolcek"));
    QFile file(files.openPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"bicim": "ZENDARO-OLCEK", "surum": 1, "dornela_olcekleri": [
        {"olcek_adi": "İyi", "egitim_duzeyi": "Lisans", "max_KN": 2},
        {"olcek_adi": "Kötü", "egitim_duzeyi": "Lise", "max_KN": 2}]})");
    file.close();
    Editor to(QString::fromUtf8(TwoHomeScales));
    const QByteArray before = fileBytes(to.db.path());
    to.click("BTN_ICE_AKTAR");
    QCOMPARE(to.messages.messages.size(), 1);
    QVERIFY2(
        to.messages.texts().first().contains(QStringLiteral("2. Dornela ölçeği (“Kötü”): eğitim düzeyi")),
        qPrintable(to.messages.texts().first()));
    QCOMPARE(fileBytes(to.db.path()), before);
}

void TestHomeScaleExchange::fileWithoutHomeScalesAddsNothing() {
    ScaleFileAnswers files;
    files.openPath = QStringLiteral(ZENDARO_SOURCE_DIR "/data/library/KUTUPHANE.zolcek");
    Editor to;
    const QByteArray before = fileBytes(to.db.path());
    to.click("BTN_ICE_AKTAR");
    QCOMPARE(to.messages.messages.size(), 1);
    QVERIFY(to.messages.texts().first().startsWith(QStringLiteral("Dosyada Dornela ölçeği yok")));
    QCOMPARE(fileBytes(to.db.path()), before);
}

QTEST_MAIN(TestHomeScaleExchange)
#include "tst_homescaleexchange.moc"
