// "Dışa Aktar" and "İçe Aktar" on FRMDIGEROLCEK: what is exported comes back
// identical, name clashes ask, existing files are not overwritten unasked,
// and a bad file is refused with its reason and leaves the database file
// byte for byte as it was.
#include "EditorDriver.h"
#include "OtherScaleChecks.h"
#include "ScaleFileAnswers.h"

#include <QFile>
#include <QTemporaryDir>

using namespace zendaro;
using namespace zendaro::test;

namespace {

// A letter scale and a numeric scale, stored as the editor stores them.
const char* twoScales = R"(
INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, Kalir_Not_Sayisi)
  VALUES (1, 'Harfler', 'Harf Notu', 4, 2, 1, 0, 3, 2),
         (2, 'Yüzlük', 'Sayısal Not', 100, 50.5, 50, 0, 2, 2);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (1,'A',4,'Geçer',0),(1,'B+',3.3,'Geçer',1),(1,'C',2,'Geçer',2),(1,'D',1,'Kalır',0),(1,'F',0,'Kalır',1),
  (2,'100',100,'Geçer',0),(2,'50,5',50.5,'Geçer',1),(2,'50',50,'Kalır',0),(2,'0',0,'Kalır',1);
)";

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A sound file of one numeric scale whose grades are given as JSON text.
QByteArray fileWithGrades(const char* grades, const char* version = "1") {
    return QByteArray(R"({"bicim": "ZENDARO-OLCEK", "surum": )") + version +
           R"(, "diger_olcekler": [{"olcek_adi": "Dosyadan", "not_sistemi": "Sayısal Not", "notlar": [)" +
           grades + "]}]}";
}

} // namespace

class TestOtherScaleExchange : public QObject {
    Q_OBJECT
private slots:
    void exportedScalesImportIdentical();
    void exportOfTheCurrentScaleOnly();
    void exportAsksBeforeOverwriting();
    void nameClashAddsUnderAFreeNameOrSkips();
    void declinedImportAddsNothing();
    void aFailingScaleUndoesTheWholeFile();
    void badFilesChangeNothing_data();
    void badFilesChangeNothing();
    void buttonsOnlyWhileBrowsing();

private:
    QTemporaryDir dir_;
};

void TestOtherScaleExchange::exportedScalesImportIdentical() {
    ScaleFileAnswers files;
    files.savePath = dir_.filePath(QStringLiteral("hepsi")); // the suffix is added
    EditorDriver from(QString::fromUtf8(twoScales));
    from.messages.answers = {ResultHayir}; // not only the current scale: all of them
    from.click("BTN_DISA_AKTAR");
    QCOMPARE(from.messages.texts().last(), QStringLiteral("2 ölçek “hepsi.zolcek” dosyasına yazıldı."));
    QVERIFY(QFile::exists(files.savePath + QStringLiteral(".zolcek")));

    files.openPath = files.savePath + QStringLiteral(".zolcek");
    EditorDriver to;
    to.click("BTN_ICE_AKTAR");
    QCOMPARE(to.messages.messages.size(), 2);
    QVERIFY(to.messages.texts().first().contains(QStringLiteral("• Harfler (Harf Notu, 5 not)")));
    QVERIFY(to.messages.texts().first().contains(QStringLiteral("• Yüzlük (Sayısal Not, 4 not)")));
    QCOMPARE(to.messages.texts().last(), QStringLiteral("2 ölçek eklendi."));
    for (qint64 id : {1, 2})
        QCOMPARE(otherScaleContent(to.db.path(), id), otherScaleContent(from.db.path(), id));
    // The last scale added is current and shown.
    QCOMPARE(to.name()->text(), QStringLiteral("Yüzlük"));
    QCOMPARE(to.rows("DG_DIGER_OLCEKLER"), 2);
}

void TestOtherScaleExchange::exportOfTheCurrentScaleOnly() {
    ScaleFileAnswers files;
    files.savePath = dir_.filePath(QStringLiteral("tek.zolcek"));
    EditorDriver from(QString::fromUtf8(twoScales));
    from.selectScale(1);
    from.click("BTN_DISA_AKTAR"); // "Evet": only the current scale
    QVERIFY(from.messages.texts().first().contains(QStringLiteral("Yalnız seçili “Yüzlük” ölçeği")));
    const library::ReadResult read = library::ReadScaleFile(files.savePath);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(read.file->otherScales.size(), 1);
    QCOMPARE(read.file->otherScales[0].name, QStringLiteral("Yüzlük"));

    // No scale at all: nothing to ask, nothing written.
    EditorDriver empty;
    files.asked = 0;
    empty.click("BTN_DISA_AKTAR");
    QCOMPARE(empty.messages.texts(), QStringList{NothingToExport()});
    QCOMPARE(files.asked, 0);
}

void TestOtherScaleExchange::exportAsksBeforeOverwriting() {
    ScaleFileAnswers files;
    files.savePath = dir_.filePath(QStringLiteral("var.zolcek"));
    writeFile(files.savePath, "eski");
    EditorDriver from(QString::fromUtf8(twoScales));
    from.messages.answers = {ResultEvet, ResultHayir}; // the current scale; do not overwrite
    from.click("BTN_DISA_AKTAR");
    QVERIFY(from.messages.texts().last().startsWith(QStringLiteral("“var.zolcek” dosyası zaten var.")));
    QCOMPARE(fileBytes(files.savePath), QByteArray("eski"));

    from.messages.answers = {ResultEvet, ResultEvet};
    from.click("BTN_DISA_AKTAR");
    QVERIFY(library::ReadScaleFile(files.savePath).ok());
}

void TestOtherScaleExchange::nameClashAddsUnderAFreeNameOrSkips() {
    ScaleFileAnswers files;
    files.savePath = dir_.filePath(QStringLiteral("cakisma.zolcek"));
    EditorDriver from(QString::fromUtf8(twoScales));
    from.messages.answers = {ResultHayir};
    from.click("BTN_DISA_AKTAR");

    files.openPath = files.savePath;
    EditorDriver to(QString::fromUtf8(twoScales));
    // Show the file: yes; "Harfler" under a free name: yes; "Yüzlük": skip.
    to.messages.answers = {ResultEvet, ResultEvet, ResultHayir};
    to.click("BTN_ICE_AKTAR");
    const QStringList texts = to.messages.texts();
    QCOMPARE(texts.size(), 4);
    QVERIFY(texts[1].startsWith(QStringLiteral("“Harfler” adlı bir ölçek zaten var.")));
    QVERIFY(texts[1].contains(QStringLiteral("Ölçek “Harfler (2)” adıyla eklensin mi?")));
    QCOMPARE(texts[3], QStringLiteral("1 ölçek eklendi. 1 ölçek atlandı."));
    QCOMPARE(to.count("SELECT count(*) FROM diger_olcek"), 3);
    QCOMPARE(to.db.scalar("SELECT olcek_adi FROM diger_olcek WHERE id=3").toString(),
             QStringLiteral("Harfler (2)"));
    // The original keeps its grades; the copy has the same ones.
    QCOMPARE(to.gradeColumn("harf_notu", 3), to.gradeColumn("harf_notu", 1));
    QCOMPARE(to.count("SELECT count(*) FROM diger_notlar WHERE olcek_id=2"), 4);
}

void TestOtherScaleExchange::declinedImportAddsNothing() {
    ScaleFileAnswers files;
    files.openPath = dir_.filePath(QStringLiteral("vazgec.zolcek"));
    writeFile(
        files.openPath,
        fileWithGrades(R"({"sayisal_not": 2, "durum": "Geçer"}, {"sayisal_not": 1, "durum": "Kalır"})"));
    EditorDriver to;
    const QByteArray before = fileBytes(to.db.path());
    to.messages.answers = {ResultHayir};
    to.click("BTN_ICE_AKTAR");
    QCOMPARE(to.messages.messages.size(), 1);
    QCOMPARE(fileBytes(to.db.path()), before);
}

void TestOtherScaleExchange::aFailingScaleUndoesTheWholeFile() {
    ScaleFileAnswers files;
    files.openPath = dir_.filePath(QStringLiteral("yarim.zolcek"));
    writeFile(files.openPath, R"({"bicim": "ZENDARO-OLCEK", "surum": 1, "diger_olcekler": [
        {"olcek_adi": "Birinci", "not_sistemi": "Harf Notu", "notlar": [
            {"harf_notu": "G", "sayisal_not": 2, "durum": "Geçer"}, {"harf_notu": "K", "sayisal_not": 1, "durum": "Kalır"}]},
        {"olcek_adi": "İkinci", "not_sistemi": "Harf Notu", "notlar": [
            {"harf_notu": "G", "sayisal_not": 2, "durum": "Geçer"}, {"harf_notu": "PATLA", "sayisal_not": 1, "durum": "Kalır"}]}]})");
    // The store refuses one grade of the second scale.
    EditorDriver to(
        QStringLiteral("CREATE TRIGGER patla BEFORE INSERT ON diger_notlar WHEN NEW.harf_notu = 'PATLA' "
                       "BEGIN SELECT RAISE(ABORT, 'yazılamadı'); END;"));
    const QByteArray before = fileBytes(to.db.path());
    to.click("BTN_ICE_AKTAR");
    QCOMPARE(to.messages.messages.size(), 2); // what the file holds; the store's failure
    QVERIFY2(to.messages.texts().last().contains(QStringLiteral("yazılamadı")),
             qPrintable(to.messages.texts().last()));
    QCOMPARE(to.count("SELECT count(*) FROM diger_olcek"), 0);
    QCOMPARE(fileBytes(to.db.path()), before);
    QCOMPARE(to.rows("DG_DIGER_OLCEKLER"), 0);
}

void TestOtherScaleExchange::badFilesChangeNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray sound =
        fileWithGrades(R"({"sayisal_not": 2, "durum": "Geçer"}, {"sayisal_not": 1, "durum": "Kalır"})");
    QTest::newRow("truncated") << sound.left(sound.size() - 3) << "yarıda kesilmiş";
    QTest::newRow("not the format") << QByteArray("{\"ad\": 1}") << "ZENDARO ölçek dosyası değil.";
    QTest::newRow("newer version") << fileWithGrades(R"({"sayisal_not": 2, "durum": "Geçer"})", "7")
                                   << "daha yeni bir sürümüyle yazılmış (biçim sürümü 7)";
    QTest::newRow("missing field") << fileWithGrades(
                                          R"({"sayisal_not": 2}, {"sayisal_not": 1, "durum": "Kalır"})")
                                   << "1. ölçek (“Dosyadan”), 1. not: “durum” alanı eksik.";
    QTest::newRow("wrong type")
        << fileWithGrades(R"({"sayisal_not": "2", "durum": "Geçer"}, {"sayisal_not": 1, "durum": "Kalır"})")
        << "“sayisal_not” alanı sayı olmalı.";
    QTest::newRow("duplicate values")
        << fileWithGrades(R"({"sayisal_not": 2, "durum": "Geçer"}, {"sayisal_not": 2.0, "durum": "Kalır"})")
        << "2 değeri iki kez var.";
    QTest::newRow("non-finite number")
        << fileWithGrades(R"({"sayisal_not": 2e400, "durum": "Geçer"}, {"sayisal_not": 1, "durum": "Kalır"})")
        << "yarıda kesilmiş";
    QTest::newRow("pass below fail")
        << fileWithGrades(R"({"sayisal_not": 2, "durum": "Kalır"}, {"sayisal_not": 1, "durum": "Geçer"})")
        << "geçer not 1, kalır not 2 değerinden düşük.";
    QByteArray many;
    for (int i = 10002; i > 0; --i)
        many += QByteArray(i == 10002 ? "" : ",") + "{\"sayisal_not\": " + QByteArray::number(i) +
                ", \"durum\": \"" + (i > 1 ? "Geçer" : "Kalır") + "\"}";
    QTest::newRow("10002 grades") << fileWithGrades(many.constData()) << "10.001 nottan fazla not var.";
    QTest::newRow("huge") << QByteArray() << "Dosya çok büyük.";
}

void TestOtherScaleExchange::badFilesChangeNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    ScaleFileAnswers files;
    files.openPath = dir_.filePath(QStringLiteral("bozuk.zolcek"));
    writeFile(files.openPath, bytes);
    if (bytes.isEmpty())
        QVERIFY(QFile::resize(files.openPath, library::MaxFileBytes + 1));

    EditorDriver to(QString::fromUtf8(twoScales));
    const QByteArray before = fileBytes(to.db.path());
    to.click("BTN_ICE_AKTAR");
    QCOMPARE(to.messages.messages.size(), 1);
    const RecordedMessage& refusal = to.messages.messages.first();
    QVERIFY2(refusal.text.startsWith(library::RefusalHeading()), qPrintable(refusal.text));
    QVERIFY2(refusal.text.contains(reason), qPrintable(refusal.text));
    QCOMPARE(refusal.icon, IconStop);
    QCOMPARE(fileBytes(to.db.path()), before);
    QCOMPARE(to.rows("DG_DIGER_OLCEKLER"), 2);
}

void TestOtherScaleExchange::buttonsOnlyWhileBrowsing() {
    EditorDriver d(QString::fromUtf8(twoScales));
    const char* buttons[] = {"BTN_KUTUPHANE", "BTN_ICE_AKTAR", "BTN_DISA_AKTAR"};
    for (const char* name : buttons)
        QVERIFY(d.shown(name));
    d.click("BTN_OLCEK_EKLE");
    for (const char* name : buttons)
        QVERIFY(!d.shown(name));
    d.click("BTN_OLCEK_VAZGEC");
    d.click("BTN_OLCEK_DUZENLE");
    for (const char* name : buttons)
        QVERIFY(!d.shown(name));
    d.click("BTN_OLCEK_VAZGEC");
    for (const char* name : buttons)
        QVERIFY(d.shown(name));
}

QTEST_MAIN(TestOtherScaleExchange)
#include "tst_otherscaleexchange.moc"
