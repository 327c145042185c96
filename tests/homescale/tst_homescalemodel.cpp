#include "RecordingMessages.h"
#include "TestDatabase.h"
#include "homescale/HomeScaleModel.h"
#include "store/DataView.h"
#include "store/Queries.h"

#include <QTest>

using namespace zendaro;
using zendaro::test::RecordingMessages;
using zendaro::test::TestDatabase;

namespace {

// The editor's two views on a file, as the window opens them.
struct Views {
    DataView scales;
    DataView grades;
    explicit Views(const QString& path) {
        scales.SetDatabaseName(path);
        grades.SetDatabaseName(path);
        scales.SetRecordSource(queries::Q1());
        scales.Refresh();
    }
};

HomeScaleForm form(const QString& name, int level, int maxFail) {
    HomeScaleForm f;
    f.name = name;
    f.levelIndex = level;
    f.levelText = level >= 0 ? EducationLevels().at(level) : QString();
    f.maxFailIndex = maxFail;
    f.maxFailValue = maxFail >= 0 ? MaxFailValueAt(maxFail) : 2.0;
    return f;
}

QString statuses(const TestDatabase& db, qint64 id) {
    return db
        .scalar(QString("SELECT group_concat(harf_notu || '=' || durum, ' ') FROM "
                        "(SELECT * FROM dornela_notlar WHERE olcek_id=%1 ORDER BY id) AS t")
                    .arg(id))
        .toString();
}

} // namespace

class TestHomeScaleModel : public QObject {
    Q_OBJECT
private slots:
    void choiceSetsStatusesAndLimits_data();
    void choiceSetsStatusesAndLimits();
    void checksRunInOrderAndStoreNothing_data();
    void checksRunInOrderAndStoreNothing();
    void firstSaveOnAnEmptyListStoresTheLadder();
    void changeKeepsTheNineGradeIds();
    void namesAreStoredAsTypedButTrimmed_data();
    void namesAreStoredAsTypedButTrimmed();
    void storeFailureShowsItsTextAndStoresNothing();
};

void TestHomeScaleModel::choiceSetsStatusesAndLimits_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("minGN");
    QTest::addColumn<double>("maxKN");
    QTest::newRow("CC") << 0
                        << "AA=GEÇER BA=GEÇER BB=GEÇER CB=GEÇER CC=KALIR DC=KALIR DD=KALIR FD=KALIR FF=KALIR"
                        << 2.5 << 2.0;
    QTest::newRow("DC") << 1
                        << "AA=GEÇER BA=GEÇER BB=GEÇER CB=GEÇER CC=GEÇER DC=KALIR DD=KALIR FD=KALIR FF=KALIR"
                        << 2.0 << 1.5;
}

void TestHomeScaleModel::choiceSetsStatusesAndLimits() {
    QFETCH(int, position);
    QFETCH(QString, expected);
    QFETCH(double, minGN);
    QFETCH(double, maxKN);
    TestDatabase db;
    RecordingMessages messages;
    Views views(db.path());

    const HomeSaveResult result =
        SaveHomeScaleForm(views.scales, views.grades, "EKLE", form("Lisans Ölçeği", 1, position), nullptr);
    QVERIFY(result.saved);
    QVERIFY(messages.messages.isEmpty());
    QCOMPARE(statuses(db, result.id), expected);
    auto limit = [&](const char* field) {
        return db.scalar(QString("SELECT %1 FROM dornela_olcek WHERE id=%2").arg(field).arg(result.id))
            .toDouble();
    };
    QCOMPARE(limit("max_GN"), 4.0);
    QCOMPARE(limit("min_GN"), minGN);
    QCOMPARE(limit("max_KN"), maxKN);
    QCOMPARE(limit("min_KN"), 0.0);
}

void TestHomeScaleModel::checksRunInOrderAndStoreNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("maxFail");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus");
    const auto name = static_cast<int>(HomeScaleField::Name);
    const auto level = static_cast<int>(HomeScaleField::Level);
    const auto maxFail = static_cast<int>(HomeScaleField::MaxFail);
    QTest::newRow("nothing entered") << "" << -1 << -1 << "LÜTFEN BİR ÖLÇEK ADI GİRİNİZ..." << name;
    QTest::newRow("blanks only") << "   " << 2 << 0 << "LÜTFEN BİR ÖLÇEK ADI GİRİNİZ..." << name;
    QTest::newRow("name only") << "Ölçek" << -1 << -1 << "LÜTFEN EĞİTİM DÜZEYİNİ SEÇİNİZ..." << level;
    QTest::newRow("no highest fail") << "Ölçek" << 0 << -1 << "LÜTFEN MAKSİMUM KALIR NOTU SEÇİNİZ..."
                                     << maxFail;
}

void TestHomeScaleModel::checksRunInOrderAndStoreNothing() {
    QFETCH(QString, name);
    QFETCH(int, level);
    QFETCH(int, maxFail);
    QFETCH(QString, message);
    QFETCH(int, focus);
    TestDatabase db;
    RecordingMessages messages;
    Views views(db.path());

    const HomeSaveResult result =
        SaveHomeScaleForm(views.scales, views.grades, "EKLE", form(name, level, maxFail), nullptr);
    QVERIFY(!result.saved);
    QCOMPARE(static_cast<int>(result.focus), focus);
    QCOMPARE(result.trimmedName, name.trimmed());
    QCOMPARE(messages.texts(), QStringList{message});
    QCOMPARE(messages.messages.first().style, StyleOk);
    QCOMPARE(messages.messages.first().icon, IconStop);
    QCOMPARE(db.scalar("SELECT count(*) FROM dornela_olcek").toInt(), 0);
    QCOMPARE(db.scalar("SELECT count(*) FROM dornela_notlar").toInt(), 0);
}

void TestHomeScaleModel::firstSaveOnAnEmptyListStoresTheLadder() {
    TestDatabase db;
    RecordingMessages messages;
    Views views(db.path());
    QCOMPARE(views.scales.RecordCount(), 0);

    const HomeSaveResult result =
        SaveHomeScaleForm(views.scales, views.grades, "ekle", form("Önlisans", 0, 0), nullptr);
    QVERIFY(result.saved);
    QCOMPARE(views.scales.RecordCount(), 1);
    QCOMPARE(views.scales.Field("id").toInt(), result.id); // the saved scale is current
    QCOMPARE(views.grades.RecordCount(), 9);
    QCOMPARE(views.grades.Field("harf_notu").toString(), QString("AA"));
    QCOMPARE(db.column("SELECT sayisal_not FROM dornela_notlar ORDER BY id"),
             QVariantList({4.0, 3.5, 3.0, 2.5, 2.0, 1.5, 1.0, 0.5, 0.0}));
}

void TestHomeScaleModel::changeKeepsTheNineGradeIds() {
    TestDatabase db;
    RecordingMessages messages;
    Views views(db.path());
    SaveHomeScaleForm(views.scales, views.grades, "EKLE", form("Birinci", 1, 0), nullptr);
    const HomeSaveResult second =
        SaveHomeScaleForm(views.scales, views.grades, "EKLE", form("İkinci", 1, 0), nullptr);
    const QString idsBefore =
        db.scalar(QString("SELECT group_concat(id) FROM dornela_notlar WHERE olcek_id=%1").arg(second.id))
            .toString();

    // the second scale is current after its save; change it to "DC"
    HomeScaleForm toDc = form("İkinci", 1, 1);
    toDc.shown = ReadShownScale(views.scales);
    const HomeSaveResult changed = SaveHomeScaleForm(views.scales, views.grades, "Duzenle", toDc, nullptr);
    QVERIFY(changed.saved);
    QCOMPARE(changed.id, second.id);
    QCOMPARE(db.scalar("SELECT count(*) FROM dornela_olcek").toInt(), 2);
    QCOMPARE(
        db.scalar(QString("SELECT group_concat(id) FROM dornela_notlar WHERE olcek_id=%1").arg(second.id))
            .toString(),
        idsBefore);
    QVERIFY(statuses(db, second.id).contains("CC=GEÇER DC=KALIR"));
    QCOMPARE(db.scalar(QString("SELECT min_GN FROM dornela_olcek WHERE id=%1").arg(second.id)).toDouble(),
             2.0);
}

void TestHomeScaleModel::namesAreStoredAsTypedButTrimmed_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("quotes") << "  O'Neil \"Lisans\" ölçeği ";
    QTest::newRow("turkish letters") << "ÇĞİÖŞÜ çğıöşü";
    QTest::newRow("forty characters") << QString(40, QChar(u'ş'));
    QTest::newRow("sql fragment") << "x'); DROP TABLE dornela_olcek; --";
}

void TestHomeScaleModel::namesAreStoredAsTypedButTrimmed() {
    QFETCH(QString, typed);
    TestDatabase db;
    RecordingMessages messages;
    Views views(db.path());
    const HomeSaveResult result =
        SaveHomeScaleForm(views.scales, views.grades, "EKLE", form(typed, 3, 1), nullptr);
    QVERIFY(result.saved);
    QCOMPARE(db.scalar("SELECT olcek_adi FROM dornela_olcek").toString(), typed.trimmed());
    QCOMPARE(db.scalar("SELECT egitim_duzeyi FROM dornela_olcek").toString(), QString("Doktora"));
}

void TestHomeScaleModel::storeFailureShowsItsTextAndStoresNothing() {
    TestDatabase db;
    // the store refuses the sixth grade row part-way through the save
    db.refuse("refuse", "BEFORE INSERT ON dornela_notlar WHEN NEW.harf_notu = 'DC'", "disk full");
    RecordingMessages messages;
    Views views(db.path());

    const HomeSaveResult result =
        SaveHomeScaleForm(views.scales, views.grades, "EKLE", form("Lisans", 1, 0), nullptr);
    QVERIFY(!result.saved);
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY2(messages.messages.first().text.contains("disk full"),
             qPrintable(messages.messages.first().text));
    QCOMPARE(db.scalar("SELECT count(*) FROM dornela_olcek").toInt(), 0);
    QCOMPARE(db.scalar("SELECT count(*) FROM dornela_notlar").toInt(), 0);
    QCOMPARE(views.scales.RecordCount(), 0);
}

QTEST_MAIN(TestHomeScaleModel)
#include "tst_homescalemodel.moc"
