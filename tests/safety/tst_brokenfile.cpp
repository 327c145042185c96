// Every window that needs the store, opened on a database file that is
// missing, empty, truncated, not a database, or lacks the table the window
// reads: one clear message with the store's text, back to the main menu, the
// file left as it was, nothing crashes (the tests run under the sanitizers).
// A read-only file, or one held by another program, opens fine; the failure
// comes at the first save, is reported with the store's text, and the file
// keeps what it held.
#include "GuiHelpers.h"
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "StoreTestHelpers.h"
#include "TestDatabase.h"
#include "conversion/BatchWindow.h"
#include "conversion/OneToOneWindow.h"
#include "conversion/RegionalSettings.h"
#include "homescale/HomeScaleEditor.h"
#include "ui/PictureBttn.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <memory>
#include <sqlite3.h>

using namespace zendaro;
using namespace zendaro::test;

namespace {

// One scale of each kind, so a window that opens fine has nothing to hand over.
const char* kScales = R"sql(
INSERT INTO dornela_olcek (id, olcek_adi, egitim_duzeyi, max_GN, min_GN, max_KN, min_KN)
VALUES (1, 'Lisans Ölçeği', 'Lisans', 4, 2.5, 2.0, 0);
INSERT INTO dornela_notlar (olcek_id, harf_notu, sayisal_not, durum) VALUES
  (1,'AA',4,'GEÇER'),(1,'BA',3.5,'GEÇER'),(1,'BB',3,'GEÇER'),(1,'CB',2.5,'GEÇER'),(1,'CC',2,'KALIR'),
  (1,'DC',1.5,'KALIR'),(1,'DD',1,'KALIR'),(1,'FD',0.5,'KALIR'),(1,'FF',0,'KALIR');
INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, Kalir_Not_Sayisi)
VALUES (1, 'Harfli', 'Harf Notu', 4, 3, 2, 0, 2, 2);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (1,'AA',4,'Geçer',0),(1,'BB',3,'Geçer',1),(1,'CC',2,'Kalır',0),(1,'FF',0,'Kalır',1);
)sql";

QWidget* openWindow(const QString& which, const QString& path, Navigator& navigator) {
    if (which == QStringLiteral("FRMDORNELAOLCEK"))
        return new HomeScaleEditor(path, RegionalSettings::turkish().numbers(), navigator);
    if (which == QStringLiteral("FRMBIREBIR"))
        return new OneToOneWindow(path, RegionalSettings::turkish(), navigator);
    return new BatchWindow(path, RegionalSettings::turkish(), navigator);
}

QByteArray fingerprint(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(no file)";
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// The file of one broken case, in the test database's folder.
QString breakFile(const QString& kind, const TestDatabase& db, const QString& table) {
    const QString path = db.path();
    if (kind == QStringLiteral("missing")) {
        QFile::remove(path);
    } else if (kind == QStringLiteral("empty")) {
        writeFile(path, {});
    } else if (kind == QStringLiteral("truncated")) {
        // The shipped file cut to half its length, as by an interrupted copy.
        QFile::remove(path);
        QFile::copy(QStringLiteral(ZENDARO_SHIPPED_DATABASE), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QFile file(path);
        file.resize(file.size() / 2);
    } else if (kind == QStringLiteral("text")) {
        writeFile(path, QStringLiteral("Ölçek adı;Not sistemi\nHarfli;Harf Notu\n").toUtf8().repeated(200));
    } else if (kind == QStringLiteral("table")) {
        db.exec(QStringLiteral("DROP TABLE %1;").arg(table));
    }
    return path;
}

bool integrityCheckOk(const TestDatabase& db) {
    return db.scalar(QStringLiteral("PRAGMA integrity_check")).toString() == QStringLiteral("ok");
}

void click(QWidget* window, const char* name) {
    auto* button = control<PictureBttn>(window, QString::fromLatin1(name));
    QVERIFY2(button->isVisibleTo(window), name);
    clickOn(button);
}

} // namespace

class TestBrokenFile : public QObject {
    Q_OBJECT
private slots:
    void windowReportsAndReturnsToTheMenu_data();
    void windowReportsAndReturnsToTheMenu();
    void readOnlyFileOpensForReading_data();
    void readOnlyFileOpensForReading();
    void failedSaveIsReportedAndChangesNothing_data();
    void failedSaveIsReportedAndChangesNothing();
};

void TestBrokenFile::windowReportsAndReturnsToTheMenu_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("table"); // the table to drop, for "table"
    QTest::addColumn<QString>("storeText");
    for (const char* window : {"FRMDORNELAOLCEK", "FRMBIREBIR", "FRMCOGUL"}) {
        const bool home = qstrcmp(window, "FRMDORNELAOLCEK") == 0;
        const QString firstTable = home ? QStringLiteral("dornela_olcek") : QStringLiteral("diger_olcek");
        auto row = [&](const char* what, const char* kind, const QString& table, const QString& text) {
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(window, what)))
                << window << kind << table << text;
        };
        row("missing file", "missing", {}, QStringLiteral("unable to open database file"));
        // SQLite takes a 0-byte file for an empty database: the table is missing.
        row("empty file", "empty", {}, QStringLiteral("no such table: ") + firstTable);
        row("truncated file", "truncated", {}, QStringLiteral("database disk image is malformed"));
        row("text file", "text", {}, QStringLiteral("file is not a database"));
        row("missing scale table", "table", firstTable, QStringLiteral("no such table: ") + firstTable);
        if (!home)
            row("missing home scale table", "table", QStringLiteral("dornela_olcek"),
                QStringLiteral("no such table: dornela_olcek"));
    }
}

void TestBrokenFile::windowReportsAndReturnsToTheMenu() {
    QFETCH(QString, window);
    QFETCH(QString, kind);
    QFETCH(QString, table);
    QFETCH(QString, storeText);
    const TestDatabase db(kScales);
    const QString path = breakFile(kind, db, table);
    const QByteArray before = fingerprint(path);

    RecordingMessages messages;
    RecordingNavigator navigator;
    QPointer<QWidget> opened(openWindow(window, path, navigator));
    QCOMPARE(opened->objectName(), window);
    opened->show();
    QTRY_COMPARE(navigator.returns, 1);
    QTRY_VERIFY(opened.isNull()); // closed and gone
    QCOMPARE(messages.texts().size(), 1);
    const QString text = messages.texts().first();
    QVERIFY2(text.contains(storeText), qPrintable(text));
    QCOMPARE(messages.messages.first().icon, int(IconStop));
    QVERIFY(!messages.messages.first().plain);
    QVERIFY(navigator.opened.isEmpty()); // no editor handed over to
    QCOMPARE(fingerprint(path), before); // the store neither created nor repaired anything
}

void TestBrokenFile::readOnlyFileOpensForReading_data() {
    QTest::addColumn<QString>("window");
    for (const char* window : {"FRMDORNELAOLCEK", "FRMBIREBIR", "FRMCOGUL"})
        QTest::newRow(window) << window;
}

void TestBrokenFile::readOnlyFileOpensForReading() {
    QFETCH(QString, window);
    const TestDatabase db(kScales);
    const ReadOnlyFile readOnly(db.path());
    if (!readOnly.active())
        QSKIP("the file cannot be made read-only here");
    RecordingMessages messages;
    RecordingNavigator navigator;
    std::unique_ptr<QWidget> opened(openWindow(window, db.path(), navigator));
    opened->setAttribute(Qt::WA_DeleteOnClose, false);
    opened->show();
    QVERIFY(QTest::qWaitForWindowExposed(opened.get()));
    QTest::qWait(50); // the first activation has run
    QCOMPARE(messages.texts(), QStringList());
    QCOMPARE(navigator.returns, 0);
    QVERIFY(opened->isVisible());
    if (window != QStringLiteral("FRMDORNELAOLCEK")) {
        auto* picker = control<QComboBox>(opened.get(), QStringLiteral("CMB_KAYNAK_OLCEK"));
        QCOMPARE(picker->count(), 1);
    }
}

void TestBrokenFile::failedSaveIsReportedAndChangesNothing_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("storeText");
    QTest::newRow("read-only file") << "read-only"
                                    << "readonly database";
    // The connection was opened for writing; the system refuses the write itself.
    QTest::newRow("file made read-only while open") << "read-only later"
                                                    << "disk I/O error";
    QTest::newRow("file held by another program") << "held"
                                                  << "database is locked";
}

void TestBrokenFile::failedSaveIsReportedAndChangesNothing() {
    QFETCH(QString, fault);
    QFETCH(QString, storeText);
    const TestDatabase db(kScales);
    const QString before = dumpScales(db);
    std::unique_ptr<ReadOnlyFile> readOnly;
    auto makeReadOnly = [&] {
        readOnly = std::make_unique<ReadOnlyFile>(db.path());
        return readOnly->active();
    };
    if (fault == QStringLiteral("read-only") && !makeReadOnly())
        QSKIP("the file cannot be made read-only here");
    RecordingMessages messages;
    RecordingNavigator navigator;
    std::unique_ptr<QWidget> editor(openWindow(QStringLiteral("FRMDORNELAOLCEK"), db.path(), navigator));
    editor->setAttribute(Qt::WA_DeleteOnClose, false);
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    QCOMPARE(messages.texts(), QStringList()); // reading works

    sqlite3* other = nullptr;
    if (fault == QStringLiteral("read-only later")) {
        if (!makeReadOnly())
            QSKIP("the file cannot be made read-only here");
    } else if (fault == QStringLiteral("held")) {
        QCOMPARE(sqlite3_open_v2(db.path().toUtf8().constData(), &other, SQLITE_OPEN_READWRITE, nullptr),
                 SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    }
    click(editor.get(), "BTN_OLCEK_DUZENLE");
    control<QComboBox>(editor.get(), QStringLiteral("CMB_MAX_KN"))->setCurrentIndex(1);
    click(editor.get(), "BTN_OLCEK_KAYDET");
    if (other) {
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
    }
    readOnly.reset();

    QVERIFY(!messages.texts().isEmpty());
    const QString text = messages.texts().last();
    QVERIFY2(text.contains(storeText), qPrintable(text));
    QVERIFY2(text.startsWith(QStringLiteral("Veritabanı dosya")), qPrintable(text)); // a Turkish lead-in
    QVERIFY(integrityCheckOk(db));
    QCOMPARE(dumpScales(db), before);
    QCOMPARE(navigator.returns, 0);
}

QTEST_MAIN(TestBrokenFile)
#include "tst_brokenfile.moc"
