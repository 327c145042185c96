// FRMKUTUPHANE, opened by "Kütüphaneden Ekle" on FRMDIGEROLCEK: searching the
// library, adding the chosen scale under its name or a typed one, never over
// a name already present.
#include "EditorDriver.h"
#include "library/ScaleFile.h"
#include "otherscale/LibraryWindow.h"
#include "otherscale/OtherScaleExchange.h"

#include <QFile>
#include <QLabel>

using namespace zendaro;
using namespace zendaro::test;

namespace {

const QString libraryFile = QStringLiteral(ZENDARO_SOURCE_DIR "/data/library/KUTUPHANE.zolcek");

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The editor with the library beside its database, and the library window opened from it.
struct LibraryDriver : EditorDriver {
    LibraryWindow* window = nullptr;

    explicit LibraryDriver(const QString& sql = {}) : EditorDriver(sql) {
        QFile::copy(libraryFile, db.folder() + QStringLiteral("/KUTUPHANE.zolcek"));
        click("BTN_KUTUPHANE");
        window = editor.findChild<LibraryWindow*>(QStringLiteral("FRMKUTUPHANE"));
        if (window)
            (void)QTest::qWaitForWindowExposed(window);
    }
    template <typename T> T* part(const char* name) { return control<T>(window, QLatin1String(name)); }
    void search(const QString& text) {
        part<QLineEdit>("TXT_ARA")->clear();
        typeText(part<QLineEdit>("TXT_ARA"), text);
    }
    QStringList listedNames() {
        QStringList names;
        auto* list = part<DataGrid>("DG_KUTUPHANE");
        for (int row = 0; row < list->model()->rowCount(); ++row)
            names << list->model()->index(row, 1).data().toString();
        return names;
    }
    void add(const QString& name = {}) {
        if (!name.isNull()) {
            part<QLineEdit>("TXT_OLCEK_ADI")->selectAll();
            typeText(part<QLineEdit>("TXT_OLCEK_ADI"), name);
        }
        clickOn(part<PictureBttn>("BTN_OLCEK_EKLE"));
    }
};

} // namespace

class TestLibraryWindow : public QObject {
    Q_OBJECT
private slots:
    void opensOverTheEditorWithTheWholeLibrary();
    void searchFindsByCountryNameAndSystem_data();
    void searchFindsByCountryNameAndSystem();
    void addsTheChosenScaleUnderItsName();
    void addsUnderATypedName();
    void neverOverwritesAName();
    void missingLibraryIsReported();
};

void TestLibraryWindow::opensOverTheEditorWithTheWholeLibrary() {
    LibraryDriver d;
    QVERIFY(d.window);
    QVERIFY(d.window->isVisible());
    QCOMPARE(d.window->windowModality(), Qt::WindowModal);
    QCOMPARE(d.window->size(), d.editor.size());
    QCOMPARE(d.window->minimumSize(), d.window->maximumSize());
    QCOMPARE(d.listedNames().size(), library::ReadScaleFile(libraryFile).file->otherScales.size());
    // The first scale is chosen and described.
    QCOMPARE(d.part<QLineEdit>("TXT_OLCEK_ADI")->text(), d.listedNames().first());
    QVERIFY(d.part<QLabel>("LBL_KAYNAK")->text().startsWith(QStringLiteral("Kaynak: ")));
    QVERIFY(d.part<QLabel>("LBL_NOTLAR")->text().contains(QStringLiteral("Kalır: ")));
    QVERIFY(d.part<QLineEdit>("TXT_ARA")->hasFocus());
    // The picture of the window is drawn: its heading band is not blank.
    const QImage picture = d.window->grab().toImage();
    QVERIFY(picture.pixelColor(picture.width() / 2, 10) !=
            picture.pixelColor(picture.width() / 2, picture.height() / 2));
}

void TestLibraryWindow::searchFindsByCountryNameAndSystem_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("country, lower case") << "almanya" << QStringList{"Almanya 1,0–5,0"};
    QTest::newRow("dotted capital I") << "İSPANYA" << QStringList{"İspanya 10'luk"};
    QTest::newRow("two words") << "türkiye harf" << QStringList{"Türkiye 4'lük Harf Notu"};
    QTest::newRow("name part") << "lode" << QStringList{"İtalya 30'luk (30 e lode)"};
    QTest::newRow("nothing") << "Atlantis" << QStringList{};
}

void TestLibraryWindow::searchFindsByCountryNameAndSystem() {
    QFETCH(QString, query);
    QFETCH(QStringList, names);
    LibraryDriver d;
    d.search(query);
    QCOMPARE(d.listedNames(), names);
    QCOMPARE(d.part<PictureBttn>("BTN_OLCEK_EKLE")->isEnabled(), !names.isEmpty());
    d.search(QString());
    QVERIFY(d.listedNames().size() >= 30);
}

void TestLibraryWindow::addsTheChosenScaleUnderItsName() {
    LibraryDriver d;
    d.search(QStringLiteral("almanya"));
    d.add();
    QCOMPARE(d.messages.texts(), QStringList{QStringLiteral("“Almanya 1,0–5,0” ölçeği eklendi.")});
    QVERIFY(!d.window || !d.window->isVisible());
    QCOMPARE(d.count("SELECT count(*) FROM diger_olcek"), 1);
    const QVector<library::OtherScale> library = library::ReadScaleFile(libraryFile).file->otherScales;
    library::OtherScale expected =
        *std::find_if(library.cbegin(), library.cend(), [](const library::OtherScale& s) {
            return s.name == QStringLiteral("Almanya 1,0–5,0");
        });
    expected.country.clear();
    expected.source.clear();
    expected.note.clear();
    QCOMPARE(StoredOtherScale(d.db.path(), 1), expected);
    // The editor shows the new scale.
    QCOMPARE(d.name()->text(), QStringLiteral("Almanya 1,0–5,0"));
    QCOMPARE(d.rows("DG_DIGER_NOTLAR"), 11);
}

void TestLibraryWindow::addsUnderATypedName() {
    LibraryDriver d;
    d.search(QStringLiteral("ects"));
    d.add(QStringLiteral("  Erasmus ortakları  "));
    QCOMPARE(d.db.scalar("SELECT olcek_adi FROM diger_olcek").toString(),
             QStringLiteral("Erasmus ortakları"));
    QCOMPARE(d.gradeColumn("harf_notu", 1), QStringLiteral("A|B|C|D|E|FX|F"));
}

void TestLibraryWindow::neverOverwritesAName() {
    LibraryDriver d(
        QStringLiteral("INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, "
                       "Gecer_Not_Sayisi, "
                       "Kalir_Not_Sayisi) VALUES (1, 'almanya 1,0–5,0', 'Harf Notu', 2, 2, 1, 1, 1, 1);"
                       "INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES "
                       "(1,'G',2,'Geçer',0),(1,'K',1,'Kalır',0);"));
    const QByteArray before = fileBytes(d.db.path());
    d.search(QStringLiteral("almanya"));
    d.add();
    QCOMPARE(d.messages.messages.size(), 1);
    QVERIFY(
        d.messages.texts().first().startsWith(QStringLiteral("“Almanya 1,0–5,0” adlı bir ölçek zaten var.")));
    QVERIFY(d.window->isVisible());
    QCOMPARE(fileBytes(d.db.path()), before);

    d.messages.clear();
    d.add(QStringLiteral("   "));
    QCOMPARE(d.messages.texts(), QStringList{QStringLiteral("LÜTFEN BİR ÖLÇEK ADI GİRİNİZ...")});
    QCOMPARE(fileBytes(d.db.path()), before);
}

void TestLibraryWindow::missingLibraryIsReported() {
    EditorDriver d;
    d.click("BTN_KUTUPHANE");
    QCOMPARE(d.messages.messages.size(), 1);
    QVERIFY(d.messages.texts().first().contains(QStringLiteral("“KUTUPHANE.zolcek” dosyası açılamadı.")));
    QVERIFY(!d.editor.findChild<LibraryWindow*>());
}

QTEST_MAIN(TestLibraryWindow)
#include "tst_librarywindow.moc"
