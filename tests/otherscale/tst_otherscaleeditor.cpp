// The other-scale editor FRMDIGEROLCEK through its real window: its layout,
// its three states, and showing, adding, editing, deleting and saving scales.
#include "EditorDriver.h"
#include "conversion/NumberText.h"
#include "otherscale/OtherScaleTexts.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>

using namespace zendaro;
using namespace zendaro::test;
namespace texts = zendaro::otherscale;

namespace {

// A letter scale AA..FF with max fail 0.5, and a numeric scale 100..20 by 20
// with max fail 40, as the editor stores them.
const char* twoScales = R"(
INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, Kalir_Not_Sayisi)
  VALUES (1, 'Harf Ölçeği', 'Harf Notu', 4, 1, 0.5, 0, 7, 2),
         (2, 'Sayısal Ölçek', 'Sayısal Not', 100, 60, 40, 20, 3, 2);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (1,'AA',4,'Geçer',0),(1,'BA',3.5,'Geçer',1),(1,'BB',3,'Geçer',2),(1,'CB',2.5,'Geçer',3),(1,'CC',2,'Geçer',4),
  (1,'DC',1.5,'Geçer',5),(1,'DD',1,'Geçer',6),(1,'FD',0.5,'Kalır',0),(1,'FF',0,'Kalır',1),
  (2,'100',100,'Geçer',0),(2,'80',80,'Geçer',1),(2,'60',60,'Geçer',2),(2,'40',40,'Kalır',0),(2,'20',20,'Kalır',1);
)";

const char* oneScale = R"(
INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, Kalir_Not_Sayisi)
  VALUES (5, 'Tek', 'Sayısal Not', 90, 90, 10, 10, 1, 1);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (5,'90',90,'Geçer',0),(5,'10',10,'Kalır',0);
)";

// The nine letters of the letter scale and their values, as typed.
const QVector<std::pair<QString, QString>> letterLadder{{"AA", "4"},   {"BA", "3,5"}, {"BB", "3"},
                                                        {"CB", "2,5"}, {"CC", "2"},   {"DC", "1,5"},
                                                        {"DD", "1"},   {"FD", "0,5"}, {"FF", "0"}};

} // namespace

class TestOtherScaleEditor : public QObject {
    Q_OBJECT
private slots:
    void opensShowingTheFirstScale();
    void selectingAScaleShowsIt();
    void controlsSitAtTheirPlaces_data();
    void controlsSitAtTheirPlaces();
    void captionsAndFonts();
    void stateTable_data();
    void stateTable();
    void manualEntryStaysUsableOverTheEqualIntervalFrame();
    void tabOrder();

    void savesALetterScale();
    void savesAGeneratedNumericScale_data();
    void savesAGeneratedNumericScale();
    void refusedSaves_data();
    void refusedSaves();
    void editingReplacesTheGrades();
    void savingAnEditChangesNoStatusTheUserKept_data();
    void savingAnEditChangesNoStatusTheUserKept();
    void storedTextsAreShownWhole();
    void anEditStartsInManualEntry();
    void editingAScaleWithoutGrades();
    void cancellingAnEditKeepsTheStoredScale();
    void deleting_data();
    void deleting();
    void aFailedSaveLeavesTheStoredScaleAsItWas();
    void aFailedDeleteLeavesTheScale();
    void helpAndBack();
    void aMissingFileIsReportedAndTheMenuComesBack();
};

void TestOtherScaleEditor::opensShowingTheFirstScale() {
    EditorDriver d(twoScales);
    QCOMPARE(d.editor.objectName(), QString("FRMDIGEROLCEK"));
    QCOMPARE(d.editor.windowTitle(), QString("ZENDARO"));
    QCOMPARE(d.editor.size(), QSize(827, 619));
    QCOMPARE(d.editor.state(), OtherScaleEditor::State::Browsing);

    // the list, in id order, numbers in the standard format
    QCOMPARE(d.rows("DG_DIGER_OLCEKLER"), 2);
    QCOMPARE(d.cell("DG_DIGER_OLCEKLER", 1, 0), QString("Sayısal Ölçek"));
    QCOMPARE(d.cell("DG_DIGER_OLCEKLER", 1, 1), QString("Sayısal Not"));
    QCOMPARE(d.cell("DG_DIGER_OLCEKLER", 1, 2), QString("100,00"));
    QCOMPARE(d.cell("DG_DIGER_OLCEKLER", 0, 4), QString("0,50"));
    QCOMPARE(d.grid("DG_DIGER_OLCEKLER")->currentRowNumber(), 0);

    // the first scale's details, shown without a selection by the user
    QCOMPARE(d.name()->text(), QString("Harf Ölçeği"));
    QCOMPARE(d.system()->currentText(), QString("Harf Notu"));
    QCOMPARE(d.maxFail()->text(), QString("0,50"));
    QCOMPARE(d.rows("DG_DIGER_NOTLAR"), 9);
    QCOMPARE(d.cell("DG_DIGER_NOTLAR", 7, 0), QString("FD"));
    QCOMPARE(d.cell("DG_DIGER_NOTLAR", 7, 1), QString("0,50"));
    QCOMPARE(d.cell("DG_DIGER_NOTLAR", 7, 2), QString("Kalır"));
    QVERIFY(d.grid("DG_DIGER_NOTLAR")->isColumnShown(0));
    QVERIFY(d.messages.messages.isEmpty());
}

void TestOtherScaleEditor::selectingAScaleShowsIt() {
    EditorDriver d(twoScales);
    d.selectScale(1);
    QCOMPARE(d.name()->text(), QString("Sayısal Ölçek"));
    QCOMPARE(d.system()->currentText(), QString("Sayısal Not"));
    QCOMPARE(d.maxFail()->text(), QString("40,00"));
    QCOMPARE(d.rows("DG_DIGER_NOTLAR"), 5);
    QCOMPARE(d.cell("DG_DIGER_NOTLAR", 0, 1), QString("100,00"));
    QVERIFY(!d.grid("DG_DIGER_NOTLAR")->isColumnShown(0)); // no letter column for a numeric scale

    d.selectScale(0);
    QCOMPARE(d.name()->text(), QString("Harf Ölçeği"));
    QCOMPARE(d.rows("DG_DIGER_NOTLAR"), 9);
    QVERIFY(d.grid("DG_DIGER_NOTLAR")->isColumnShown(0));
}

void TestOtherScaleEditor::controlsSitAtTheirPlaces_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("place"); // twips: left, top, width, height
    auto row = [](const char* control, const char* container, int l, int t, int w, int h) {
        QTest::newRow(control) << control << container << QRect(l, t, w, h);
    };
    row("BTN_HELP", "FRMDIGEROLCEK", 600, 8100, 0, 0);
    row("BTN_BACK", "FRMDIGEROLCEK", 9900, 8100, 0, 0);
    row("DG_DIGER_OLCEKLER", "FRMDIGEROLCEK", 240, 2400, 5715, 1950);
    row("DG_DIGER_NOTLAR", "FRMDIGEROLCEK", 240, 4740, 5715, 2745);
    row("DG_ARRAY", "FRMDIGEROLCEK", 240, 4740, 5715, 2745);
    row("CER_BUTONLAR_EKLE_SIL_DUZENLE", "FRMDIGEROLCEK", 6120, 2160, 5895, 615);
    row("CER_BUTONLAR_IPTAL_KAYDET", "FRMDIGEROLCEK", 6120, 2160, 5895, 615);
    row("CER_OLCEK_DUZENLEME", "FRMDIGEROLCEK", 6120, 2880, 5895, 4575);
    row("BTN_OLCEK_DUZENLE", "CER_BUTONLAR_EKLE_SIL_DUZENLE", 60, 240, 0, 0);
    row("BTN_OLCEK_SIL", "CER_BUTONLAR_EKLE_SIL_DUZENLE", 2340, 240, 0, 0);
    row("BTN_OLCEK_EKLE", "CER_BUTONLAR_EKLE_SIL_DUZENLE", 4200, 240, 0, 0);
    row("BTN_OLCEK_VAZGEC", "CER_BUTONLAR_IPTAL_KAYDET", 2340, 240, 0, 0);
    row("BTN_OLCEK_KAYDET", "CER_BUTONLAR_IPTAL_KAYDET", 4200, 240, 0, 0);
    row("TXT_OLCEK_ADI", "CER_OLCEK_DUZENLEME", 1200, 180, 1635, 315);
    row("CMB_NOT_SISTEMI", "CER_OLCEK_DUZENLEME", 4260, 180, 1575, 345);
    row("TXT_MAX_KALIR_NOT", "CER_OLCEK_DUZENLEME", 1620, 660, 1215, 315);
    row("CER_MAX_KALIR_NOT", "CER_OLCEK_DUZENLEME", 2940, 540, 2895, 495);
    row("CMB_NOT_DAGILIMI", "CER_MAX_KALIR_NOT", 1320, 120, 1575, 345);
    row("CER_ESIT_ARALIKLI_DAGILIM", "CER_OLCEK_DUZENLEME", 60, 1020, 5775, 1695);
    row("TXT_MAX_NOT", "CER_ESIT_ARALIKLI_DAGILIM", 1020, 120, 795, 315);
    row("TXT_MIN_NOT", "CER_ESIT_ARALIKLI_DAGILIM", 2880, 120, 795, 315);
    row("TXT_NOT_ARALIGI", "CER_ESIT_ARALIKLI_DAGILIM", 4980, 120, 795, 315);
    row("BTN_OLCEK_OLUSTUR", "CER_ESIT_ARALIKLI_DAGILIM", 2040, 1080, 0, 0);
    row("CER_NOT_EKLE", "CER_OLCEK_DUZENLEME", 60, 1800, 5775, 1755);
    row("TXT_NOT_EKLEME_HARF_NOTU", "CER_NOT_EKLE", 2580, 300, 1395, 315);
    row("TXT_NOT_EKLEME_SAYISAL_NOT", "CER_NOT_EKLE", 2580, 720, 1395, 315);
    row("BTN_OLCEGE_EKLE", "CER_NOT_EKLE", 2460, 1140, 0, 0);
}

// Sizes of 0 are picture buttons, whose size follows their picture and caption.
void TestOtherScaleEditor::controlsSitAtTheirPlaces() {
    QFETCH(QString, control);
    QFETCH(QString, container);
    QFETCH(QRect, place);
    EditorDriver d;
    auto* widget = d.get<QWidget>(control.toLatin1().constData());
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QRect expected = twipsRect(place.x(), place.y(), place.width(), place.height());
    if (place.width() == 0)
        QCOMPARE(widget->pos(), expected.topLeft());
    else
        QCOMPARE(widget->geometry(), expected);
}

void TestOtherScaleEditor::captionsAndFonts() {
    EditorDriver d;
    QLabel* title = d.editor.heading();
    QCOMPARE(title->text(), QString("DİĞER ÜNİVERSİTELERİN NOT ÖLÇEKLERİ"));
    QCOMPARE(title->font().family(), QString("Liberation Sans"));
    QCOMPARE(title->font().pointSizeF(), 18.0);
    QVERIFY(title->font().bold());
    QCOMPARE(title->geometry(), twipsRect(180, 1440, 12015, 615));

    const QMap<QString, QString> captions{
        {"BTN_OLCEK_DUZENLE", "Ölçeği Düzenle"}, {"BTN_OLCEK_SIL", "Ölçeği Sil"},
        {"BTN_OLCEK_EKLE", "Ölçek Ekle"},        {"BTN_OLCEK_VAZGEC", "İPTAL"},
        {"BTN_OLCEK_KAYDET", "KAYDET"},          {"BTN_OLCEK_OLUSTUR", "Ölçek Oluştur"},
        {"BTN_OLCEGE_EKLE", "Ölçeğe Ekle"},      {"BTN_BACK", "ANA MENÜ   "}};
    for (auto it = captions.begin(); it != captions.end(); ++it)
        QCOMPARE(d.get<PictureBttn>(it.key().toLatin1().constData())->caption(), it.value());
    QCOMPARE(d.get<PictureBttn>("BTN_OLCEK_VAZGEC")->toolTip(), QString("İptal"));
    QCOMPARE(d.get<PictureBttn>("BTN_OLCEK_KAYDET")->toolTip(), QString("Ölçeği Kaydet"));
    QCOMPARE(d.get<PictureBttn>("BTN_OLCEGE_EKLE")->toolTip(), QString());
    QCOMPARE(d.get<PictureBttn>("BTN_HELP")->toolTip(), QString("YARDIM"));
    QCOMPARE(d.get<QGroupBox>("CER_NOT_EKLE")->title(), QString("ÖLÇEĞE NOT EKLEME"));

    // every label of the parameter area, in Liberation Serif 11.25 pt
    QStringList labels;
    for (QLabel* label : d.get<QWidget>("CER_OLCEK_DUZENLEME")->findChildren<QLabel*>()) {
        if (label->parent()->inherits("zendaro::PictureBttn"))
            continue;
        labels << label->text();
        QCOMPARE(label->font().family(), QString("Liberation Serif"));
        QCOMPARE(label->font().pointSizeF(), 11.25);
    }
    for (const char* text : {"Ölçek Adı :", "Not Sistemi :", "Max. Kalır Not :", "Not Dağılımı :",
                             "Max.Not :", "Min.Not :", "Not Aralığı :", "Harf Notu :", "Sayısal Değer :"})
        QVERIFY2(labels.contains(QString::fromUtf8(text)), text);

    // the grids' columns; the scale list with two-line headers
    DataGrid* list = d.grid("DG_DIGER_OLCEKLER");
    QCOMPARE(list->model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Max\nGN"));
    QCOMPARE(list->model()->columnCount(), 6);
    QVERIFY(list->verticalHeader()->isHidden());
    QCOMPARE(d.grid("DG_DIGER_NOTLAR")->model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
             QString("Başarı Durumu"));
    QVERIFY(!d.grid("DG_DIGER_NOTLAR")->rowMarker());
    DataGrid* working = d.grid("DG_ARRAY");
    QCOMPARE(working->model()->columnCount(), 5);
    QCOMPARE(working->model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Sil"));
    QVERIFY(!working->isColumnShown(4));
    QVERIFY(working->rowMarker());
    QCOMPARE(d.system()->count(), 2);
    QCOMPARE(d.distribution()->itemText(1), QString("Değişken Aralık"));
}

void TestOtherScaleEditor::stateTable_data() {
    QTest::addColumn<QString>("situation");
    // Expected, in this order: scale list enabled, grade view, DG_ARRAY,
    // parameters enabled, CMB_NOT_SISTEMI enabled, distribution frame,
    // equal-interval frame, manual-entry frame, browse buttons, edit buttons, BTN_BACK.
    QTest::addColumn<QString>("expected");
    QTest::newRow("browsing") << "browsing"
                              << "11001000101";
    QTest::newRow("adding, nothing chosen") << "adding"
                                            << "00011000010";
    QTest::newRow("adding, Eşit Aralık") << "equal"
                                         << "00011110010";
    QTest::newRow("adding, generated") << "generated"
                                       << "00111110010";
    QTest::newRow("adding, guided letters") << "guided"
                                            << "00011111010";
    QTest::newRow("adding, Değişken Aralık") << "variable"
                                             << "00011101010";
    QTest::newRow("editing") << "editing"
                             << "00110001010";
    QTest::newRow("browsing after cancel") << "cancelled"
                                           << "11001000101";
}

void TestOtherScaleEditor::stateTable() {
    QFETCH(QString, situation);
    QFETCH(QString, expected);
    EditorDriver d(twoScales);
    if (situation == "editing") {
        d.click("BTN_OLCEK_DUZENLE");
    } else if (situation == "adding") {
        d.click("BTN_OLCEK_EKLE");
    } else if (situation != "browsing") {
        d.startScale("Yeni", situation == "guided" ? 0 : 1, "40");
        if (situation == "equal")
            d.distribution()->setCurrentIndex(0);
        if (situation == "generated" || situation == "guided")
            d.generate("100", "10");
        if (situation == "variable")
            d.distribution()->setCurrentIndex(1);
        if (situation == "cancelled")
            d.click("BTN_OLCEK_VAZGEC");
    }
    const char* names[] = {"DG_DIGER_OLCEKLER",         "DG_DIGER_NOTLAR", "DG_ARRAY",
                           "CER_OLCEK_DUZENLEME",       "CMB_NOT_SISTEMI", "CER_MAX_KALIR_NOT",
                           "CER_ESIT_ARALIKLI_DAGILIM", "CER_NOT_EKLE",    "CER_BUTONLAR_EKLE_SIL_DUZENLE",
                           "CER_BUTONLAR_IPTAL_KAYDET", "BTN_BACK"};
    const bool enabledKind[] = {true, false, false, true, true, false, false, false, false, false, false};
    QString actual;
    for (int i = 0; i < 11; ++i) {
        // CMB_NOT_SISTEMI keeps its own setting inside the disabled frame
        const bool on =
            enabledKind[i]
                ? (i == 4 ? d.get<QWidget>(names[i])->isEnabledTo(d.get<QWidget>("CER_OLCEK_DUZENLEME"))
                          : d.enabled(names[i]))
                : d.shown(names[i]);
        actual += on ? '1' : '0';
    }
    QCOMPARE(actual, expected);
    QVERIFY(!(d.shown("DG_DIGER_NOTLAR") && d.shown("DG_ARRAY")));
    QVERIFY(d.shown("CER_BUTONLAR_EKLE_SIL_DUZENLE") != d.shown("CER_BUTONLAR_IPTAL_KAYDET"));
    QVERIFY(d.shown("BTN_HELP"));
}

void TestOtherScaleEditor::manualEntryStaysUsableOverTheEqualIntervalFrame() {
    EditorDriver d;
    d.startScale("Harf", 0, "1,5");
    d.generate("4", "0,5");
    QVERIFY(d.shown("CER_ESIT_ARALIKLI_DAGILIM"));
    QVERIFY(d.shown("CER_NOT_EKLE"));
    // every point of the manual-entry frame belongs to it, not to the frame below
    auto* entry = d.get<QWidget>("CER_NOT_EKLE");
    for (const QPoint& p :
         {entry->rect().topLeft(), entry->rect().center(), entry->rect().bottomRight() - QPoint(1, 1)}) {
        QWidget* hit = d.editor.childAt(entry->mapTo(&d.editor, p));
        QVERIFY(hit == entry || entry->isAncestorOf(hit));
    }
    for (const char* name : {"TXT_NOT_EKLEME_HARF_NOTU", "TXT_NOT_EKLEME_SAYISAL_NOT"}) {
        auto* w = d.get<QWidget>(name);
        QCOMPARE(d.editor.childAt(w->mapTo(&d.editor, w->rect().center())), w);
    }
    QVERIFY(entry->autoFillBackground()); // nothing of the frame below shows through

    // the guided entry works there: a letter, a click on "Ölçeğe Ekle"
    QCOMPARE(d.value()->text(), QString("4,00"));
    d.addGrade("AA", {});
    QCOMPARE(d.rows("DG_ARRAY"), 1);
    QCOMPARE(d.value()->text(), QString("3,50"));
}

void TestOtherScaleEditor::tabOrder() {
    EditorDriver d;
    const QStringList order{"TXT_OLCEK_ADI",
                            "CMB_NOT_SISTEMI",
                            "TXT_MAX_KALIR_NOT",
                            "CMB_NOT_DAGILIMI",
                            "TXT_MAX_NOT",
                            "TXT_MIN_NOT",
                            "TXT_NOT_ARALIGI",
                            "TXT_NOT_EKLEME_HARF_NOTU",
                            "TXT_NOT_EKLEME_SAYISAL_NOT"};
    // the focus chain meets the nine in this order
    QStringList met;
    QWidget* w = d.name();
    do {
        if (order.contains(w->objectName()) && !met.contains(w->objectName()))
            met << w->objectName();
        w = w->nextInFocusChain();
    } while (w != d.name());
    QCOMPARE(met, order);

    // and Tab follows it over what is shown: a letter scale entered by hand
    d.click("BTN_OLCEK_EKLE");
    d.system()->setCurrentIndex(0);
    d.distribution()->setCurrentIndex(1);
    d.name()->setFocus();
    QStringList visited{d.name()->objectName()};
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited,
             (QStringList{"TXT_OLCEK_ADI", "CMB_NOT_SISTEMI", "TXT_MAX_KALIR_NOT", "CMB_NOT_DAGILIMI",
                          "TXT_NOT_EKLEME_HARF_NOTU", "TXT_NOT_EKLEME_SAYISAL_NOT"}));
}

void TestOtherScaleEditor::savesALetterScale() {
    EditorDriver d(oneScale);
    d.startScale("  Harf Ölçeği  ", 0, "0,5");
    d.distribution()->setCurrentIndex(1);
    for (const auto& [letter, value] : letterLadder)
        d.addGrade(letter, value);
    QCOMPARE(d.rows("DG_ARRAY"), 9);
    d.click("BTN_OLCEK_KAYDET");

    QVERIFY2(d.messages.messages.isEmpty(), qPrintable(d.messages.texts().join('\n')));
    QCOMPARE(d.editor.state(), OtherScaleEditor::State::Browsing);
    QCOMPARE(d.count("SELECT count(*) FROM diger_olcek"), 2);
    const qint64 id = d.db.scalar("SELECT max(id) FROM diger_olcek").toLongLong();
    QVERIFY(id > 5);
    QCOMPARE(d.scaleFields("olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, "
                           "Kalir_Not_Sayisi",
                           id),
             QString("Harf Ölçeği|Harf Notu|4|1|0.5|0|7|2"));
    QCOMPARE(d.gradeColumn("harf_notu", id), QString("AA|BA|BB|CB|CC|DC|DD|FD|FF"));
    QCOMPARE(d.gradeColumn("sayisal_not", id), QString("4|3.5|3|2.5|2|1.5|1|0.5|0"));
    QCOMPARE(d.gradeColumn("durum", id), QString("Geçer|Geçer|Geçer|Geçer|Geçer|Geçer|Geçer|Kalır|Kalır"));
    QCOMPARE(d.gradeColumn("adim_no", id), QString("0|1|2|3|4|5|6|0|1"));

    // the new scale is the current row, and shown
    QCOMPARE(d.grid("DG_DIGER_OLCEKLER")->currentRowNumber(), 1);
    QCOMPARE(d.name()->text(), QString("Harf Ölçeği"));
    QCOMPARE(d.maxFail()->text(), QString("0,50"));
    QCOMPARE(d.rows("DG_DIGER_NOTLAR"), 9);
    QVERIFY(d.shown("DG_DIGER_NOTLAR") && !d.shown("DG_ARRAY"));
    QVERIFY(d.enabled("DG_DIGER_OLCEKLER"));
}

void TestOtherScaleEditor::savesAGeneratedNumericScale_data() {
    QTest::addColumn<QString>("maxFail");
    QTest::addColumn<int>("answer"); // -1: no question expected
    QTest::addColumn<bool>("stored");
    QTest::newRow("max fail in the scale") << "40" << -1 << true;
    QTest::newRow("max fail 45, Evet") << "45" << int(ResultEvet) << true;
    QTest::newRow("max fail 45, Hayır") << "45" << int(ResultHayir) << false;
}

void TestOtherScaleEditor::savesAGeneratedNumericScale() {
    QFETCH(QString, maxFail);
    QFETCH(int, answer);
    QFETCH(bool, stored);
    EditorDriver d;
    d.startScale("Yüzlük", 1, maxFail);
    d.generate("100", "10");
    QCOMPARE(d.rows("DG_ARRAY"), 11);
    if (answer >= 0)
        d.messages.answers = {answer};
    d.click("BTN_OLCEK_KAYDET");

    if (answer < 0) {
        QVERIFY(d.messages.messages.isEmpty());
    } else {
        QCOMPARE(d.messages.messages.size(), 1);
        QCOMPARE(d.messages.messages.first().text,
                 QString("Max. Kalır Not alanında belirttiğiniz Not ölçekte yok.\r\n\r\n"
                         "Ölçeği bu haliyle kaydetmek ister misiniz?"));
        QCOMPARE(d.messages.messages.first().style, StyleYesNo);
        QCOMPARE(d.messages.messages.first().icon, IconInfo);
    }
    if (!stored) {
        QCOMPARE(d.count("SELECT count(*) FROM diger_olcek"), 0);
        QCOMPARE(d.count("SELECT count(*) FROM diger_notlar"), 0);
        QCOMPARE(d.editor.state(), OtherScaleEditor::State::Adding);
        QCOMPARE(d.rows("DG_ARRAY"), 11);
        QVERIFY(d.shown("DG_ARRAY"));
        QCOMPARE(d.name()->text(), QString("Yüzlük"));
        return;
    }
    QCOMPARE(d.editor.state(), OtherScaleEditor::State::Browsing);
    QCOMPARE(d.count("SELECT count(*) FROM diger_olcek"), 1);
    const qint64 id = d.db.scalar("SELECT id FROM diger_olcek").toLongLong();
    QCOMPARE(
        d.scaleFields("Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, Kalir_Not_Sayisi, not_sistemi", id),
        QString("100|50|40|0|6|5|Sayısal Not"));
    QCOMPARE(d.gradeColumn("harf_notu", id), QString("100|90|80|70|60|50|40|30|20|10|0"));
    QCOMPARE(d.gradeColumn("adim_no", id), QString("0|1|2|3|4|5|0|1|2|3|4"));
    QCOMPARE(d.gradeColumn("durum", id),
             QString("Geçer|Geçer|Geçer|Geçer|Geçer|Geçer|Kalır|Kalır|Kalır|Kalır|Kalır"));
    QCOMPARE(d.maxFail()->text(), QString("40,00")); // what is stored, shown again
}

void TestOtherScaleEditor::refusedSaves_data() {
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus"); // empty: where it was
    QTest::newRow("name of blanks") << "blanks" << texts::NameMissing() << "TXT_OLCEK_ADI";
    QTest::newRow("no grading system") << "nosystem" << texts::GradingSystemMissing() << "CMB_NOT_SISTEMI";
    QTest::newRow("no max fail grade") << "nomaxfail" << texts::MaxFailMissing() << "TXT_MAX_KALIR_NOT";
    QTest::newRow("no grades") << "nogrades" << texts::NoGrades() << "";
    QTest::newRow("no pass grade") << "nopass" << texts::NoPassGrade() << "";
    QTest::newRow("no fail grade") << "nofail" << texts::NoFailGrade() << "";
}

void TestOtherScaleEditor::refusedSaves() {
    QFETCH(QString, situation);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    EditorDriver d;
    d.click("BTN_OLCEK_EKLE");
    d.type(d.name(), situation == "blanks" ? "   " : "Ölçek");
    if (situation != "nosystem") {
        d.system()->setCurrentIndex(1);
        if (situation != "nomaxfail")
            d.type(d.maxFail(), "40");
        d.distribution()->setCurrentIndex(1);
        if (situation == "nopass" || situation == "blanks") {
            d.addGrade({}, "30");
            d.addGrade({}, "20");
        }
        if (situation == "nofail") {
            d.addGrade({}, "70");
            d.addGrade({}, "60");
        }
    }
    d.messages.clear();
    d.click("BTN_OLCEK_KAYDET");

    QCOMPARE(d.messages.texts(), QStringList{message});
    QCOMPARE(d.messages.messages.first().icon, IconStop);
    QCOMPARE(d.messages.messages.first().style, StyleOk);
    if (!focus.isEmpty())
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    if (situation == "blanks")
        QCOMPARE(d.name()->text(), QString()); // left empty
    QCOMPARE(d.editor.state(), OtherScaleEditor::State::Adding);
    QCOMPARE(d.count("SELECT count(*) FROM diger_olcek"), 0);
    QCOMPARE(d.count("SELECT count(*) FROM diger_notlar"), 0);
}

void TestOtherScaleEditor::editingReplacesTheGrades() {
    EditorDriver d(twoScales);
    const int oldMaxId = d.count("SELECT max(id) FROM diger_notlar");
    d.click("BTN_OLCEK_DUZENLE");
    QCOMPARE(d.editor.mode(), QString("DUZENLE"));
    QCOMPARE(d.rows("DG_ARRAY"), 9);
    QCOMPARE(d.cell("DG_ARRAY", 0, 1), QString("AA"));
    QCOMPARE(d.cell("DG_ARRAY", 8, 3), QString("Kalır"));
    d.removeRow(6); // DD
    QCOMPARE(d.rows("DG_ARRAY"), 8);
    d.type(d.name(), "Harf Ölçeği 2");
    d.type(d.maxFail(), "1,5");
    d.click("BTN_OLCEK_KAYDET");

    QVERIFY2(d.messages.messages.isEmpty(), qPrintable(d.messages.texts().join('\n')));
    QCOMPARE(d.editor.state(), OtherScaleEditor::State::Browsing);
    QCOMPARE(d.count("SELECT count(*) FROM diger_olcek"), 2);
    QCOMPARE(
        d.scaleFields("olcek_adi, Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, Kalir_Not_Sayisi", 1),
        QString("Harf Ölçeği 2|4|2|1.5|0|5|3"));
    QCOMPARE(d.gradeColumn("harf_notu", 1), QString("AA|BA|BB|CB|CC|DC|FD|FF"));
    QCOMPARE(d.gradeColumn("adim_no", 1), QString("0|1|2|3|4|0|1|2"));
    QCOMPARE(
        d.count("SELECT count(*) FROM diger_notlar WHERE olcek_id=1 AND id<=" + QString::number(oldMaxId)),
        0);
    QCOMPARE(d.count("SELECT count(*) FROM diger_notlar WHERE olcek_id=2"), 5); // the other scale untouched
    QCOMPARE(d.grid("DG_DIGER_OLCEKLER")->currentRowNumber(), 0);
    QCOMPARE(d.rows("DG_DIGER_NOTLAR"), 8);
    QCOMPARE(d.name()->text(), QString("Harf Ölçeği 2"));
}

void TestOtherScaleEditor::savingAnEditChangesNoStatusTheUserKept_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("maxFail");  // typed by the user; empty: left as shown
    QTest::addColumn<QString>("statuses"); // empty: as stored
    QTest::addColumn<QString>("summary");  // Max_GN, Min_GN, Max_KN, Min_KN, counts; empty: as stored
    // 10 - 81 × 0.1 generated the grade 1.9000000000000004, shown 1,90.
    const QString generated = R"(
        INSERT INTO diger_olcek VALUES (1, 'Onluk', 'Sayısal Not', 10, 2, 1.9000000000000004, 0, 2, 3);
        INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
          (1,'10',10,'Geçer',0),(1,'2',2,'Geçer',1),(1,'1,9',1.9000000000000004,'Kalır',0),
          (1,'1',1,'Kalır',1),(1,'0',0,'Kalır',2);)";
    // A max fail grade of three decimals, shown 1,88 beside a grade 1,88 that passes.
    const QString threeDecimals = R"(
        INSERT INTO diger_olcek VALUES (1, 'Binlik', 'Sayısal Not', 10, 1.88, 1.875, 0, 2, 2);
        INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
          (1,'10',10,'Geçer',0),(1,'1,88',1.88,'Geçer',1),(1,'1,875',1.875,'Kalır',0),(1,'0',0,'Kalır',1);)";
    QTest::newRow("generated grade, renamed") << generated << ""
                                              << ""
                                              << "";
    QTest::newRow("max fail of three decimals, renamed") << threeDecimals << ""
                                                         << ""
                                                         << "";
    QTest::newRow("max fail changed by the user") << threeDecimals << "1,88"
                                                  << "Geçer|Kalır|Kalır|Kalır"
                                                  << "10, 10, 1.88, 0, 1, 3";
}

// Opened, renamed (and the max fail grade typed, where given), saved.
void TestOtherScaleEditor::savingAnEditChangesNoStatusTheUserKept() {
    QFETCH(QString, fixture);
    QFETCH(QString, maxFail);
    QFETCH(QString, statuses);
    QFETCH(QString, summary);
    EditorDriver d(fixture);
    const QString summaryFields = "Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, Kalir_Not_Sayisi";
    if (statuses.isEmpty())
        statuses = d.gradeColumn("durum", 1);
    summary = summary.isEmpty() ? d.scaleFields(summaryFields, 1) : EditorDriver::exactNumbers(summary);
    const QString steps = d.gradeColumn("adim_no", 1);
    d.click("BTN_OLCEK_DUZENLE");
    d.type(d.name(), "Yeni Ad");
    if (!maxFail.isEmpty())
        d.type(d.maxFail(), maxFail);
    d.click("BTN_OLCEK_KAYDET");

    QVERIFY2(d.messages.messages.isEmpty(), qPrintable(d.messages.texts().join('\n')));
    QCOMPARE(d.editor.state(), OtherScaleEditor::State::Browsing);
    QCOMPARE(d.db.scalar("SELECT olcek_adi FROM diger_olcek WHERE id=1").toString(), QString("Yeni Ad"));
    QCOMPARE(d.gradeColumn("durum", 1), statuses);
    QCOMPARE(d.scaleFields(summaryFields, 1), summary);
    if (maxFail.isEmpty())
        QCOMPARE(d.gradeColumn("adim_no", 1), steps);
}

// What the program puts into a box is shown whole, whatever the box's limit
// for typing: a stored name longer than 40 characters, a max fail grade
// whose two-decimal text is longer than 50; saved again, nothing is lost.
void TestOtherScaleEditor::storedTextsAreShownWhole() {
    const QString name = QString(44, QLatin1Char('A')) + QStringLiteral(" Son");
    EditorDriver d(QStringLiteral(R"(
        INSERT INTO diger_olcek VALUES (1, '%1', 'Sayısal Not', 1e49, 1e49, 1e48, 1e48, 1, 1);
        INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
          (1,'1e+49',1e49,'Geçer',0),(1,'1e+48',1e48,'Kalır',0);)")
                       .arg(name));
    const QString maxFailText = TwoDecimalText(1e48, RegionalSettings::turkish());
    QCOMPARE(d.name()->text(), name);
    QCOMPARE(d.maxFail()->text(), maxFailText);
    QVERIFY(maxFailText.size() > 50);

    d.click("BTN_OLCEK_DUZENLE");
    d.click("BTN_OLCEK_KAYDET");
    QVERIFY2(d.messages.messages.isEmpty(), qPrintable(d.messages.texts().join('\n')));
    QCOMPARE(d.scaleFields("olcek_adi, Max_KN", 1), name + "|1e+48");
    QCOMPARE(d.name()->text(), name);

    // Typing stays within the limit once the text fits it again.
    d.click("BTN_OLCEK_DUZENLE");
    d.type(d.name(), QString(45, QLatin1Char('B')));
    QCOMPARE(d.name()->text(), QString(40, QLatin1Char('B')));
}

void TestOtherScaleEditor::anEditStartsInManualEntry() {
    EditorDriver d(twoScales);
    // the last add left "Eşit Aralık" with a guided entry going on
    d.startScale("Harf", 0, "1,5");
    d.generate("4", "0,5");
    QVERIFY(!d.value()->isEnabled());
    d.click("BTN_OLCEK_VAZGEC");
    d.selectScale(1);

    d.click("BTN_OLCEK_DUZENLE");
    QCOMPARE(d.distribution()->currentIndex(), -1);
    QVERIFY(d.value()->isEnabled());
    QCOMPARE(d.value()->text(), QString());
    QVERIFY(!d.shown("CER_ESIT_ARALIKLI_DAGILIM"));
    // adding a grade asks nothing of the equal-interval boxes, and proposes no next value
    d.addGrade({}, "90");
    QVERIFY2(d.messages.messages.isEmpty(), qPrintable(d.messages.texts().join('\n')));
    QCOMPARE(d.rows("DG_ARRAY"), 6);
    QCOMPARE(d.cell("DG_ARRAY", 1, 2), QString("90,00"));
    QCOMPARE(d.value()->text(), QString());
    d.click("BTN_OLCEK_KAYDET");
    QCOMPARE(d.gradeColumn("harf_notu", 2), QString("100|90|80|60|40|20"));
    QCOMPARE(d.gradeColumn("adim_no", 2), QString("0|1|2|3|0|1"));
}

void TestOtherScaleEditor::editingAScaleWithoutGrades() {
    EditorDriver d(R"(INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN,
                      Gecer_Not_Sayisi, Kalir_Not_Sayisi) VALUES (3, 'Boş', 'Sayısal Not', 0, 0, 50, 0, 0, 0);)");
    d.click("BTN_OLCEK_DUZENLE");
    QCOMPARE(d.editor.state(), OtherScaleEditor::State::Editing);
    QCOMPARE(d.editor.entry().grades().size(), 0);
    d.addGrade({}, "80");
    d.addGrade({}, "50");
    d.click("BTN_OLCEK_KAYDET");
    QVERIFY(d.messages.messages.isEmpty());
    QCOMPARE(d.gradeColumn("harf_notu", 3), QString("80|50"));
    QCOMPARE(d.scaleFields("Gecer_Not_Sayisi, Kalir_Not_Sayisi", 3), QString("1|1"));
}

void TestOtherScaleEditor::cancellingAnEditKeepsTheStoredScale() {
    EditorDriver d(twoScales);
    const QString ids = d.db.scalar("SELECT group_concat(id) FROM diger_notlar").toString();
    d.click("BTN_OLCEK_DUZENLE");
    d.removeRow(0);
    d.removeRow(0);
    d.type(d.name(), "Değişti");
    d.click("BTN_OLCEK_VAZGEC");

    QCOMPARE(d.editor.state(), OtherScaleEditor::State::Browsing);
    QCOMPARE(d.editor.mode(), QString());
    QCOMPARE(d.db.scalar("SELECT group_concat(id) FROM diger_notlar").toString(), ids);
    QCOMPARE(d.db.scalar("SELECT olcek_adi FROM diger_olcek WHERE id=1").toString(), QString("Harf Ölçeği"));
    QCOMPARE(d.name()->text(), QString("Harf Ölçeği"));
    QCOMPARE(d.rows("DG_DIGER_NOTLAR"), 9);
    QCOMPARE(d.editor.entry().grades().size(), 0);
    QVERIFY(d.system()->isEnabledTo(d.get<QWidget>("CER_OLCEK_DUZENLEME")));
}

void TestOtherScaleEditor::deleting_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("scalesLeft");
    QTest::addColumn<QString>("shown"); // the name box afterwards
    QTest::newRow("the only scale") << oneScale << int(ResultEvet)
                                    << "Tek isimli ölçeği silmek istiyor musunuz?" << 0 << "";
    QTest::newRow("the first of two")
        << twoScales << int(ResultEvet) << "Harf Ölçeği isimli ölçeği silmek istiyor musunuz?" << 1
        << "Sayısal Ölçek";
    QTest::newRow("Hayır") << twoScales << int(ResultHayir)
                           << "Harf Ölçeği isimli ölçeği silmek istiyor musunuz?" << 2 << "Harf Ölçeği";
}

void TestOtherScaleEditor::deleting() {
    QFETCH(QString, fixture);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(int, scalesLeft);
    QFETCH(QString, shown);
    EditorDriver d(fixture);
    const int otherGrades = d.count("SELECT count(*) FROM diger_notlar WHERE olcek_id=2");
    d.messages.answers = {answer};
    d.click("BTN_OLCEK_SIL");
    QCOMPARE(d.messages.texts(), QStringList{question});
    QCOMPARE(d.messages.messages.first().style, StyleYesNo);
    QCOMPARE(d.messages.messages.first().icon, IconStop);

    QCOMPARE(d.count("SELECT count(*) FROM diger_olcek"), scalesLeft);
    QCOMPARE(d.rows("DG_DIGER_OLCEKLER"), scalesLeft);
    QCOMPARE(d.name()->text(), shown);
    QVERIFY(d.shown("DG_DIGER_NOTLAR"));
    QCOMPARE(d.count("SELECT count(*) FROM diger_notlar WHERE olcek_id=2"), otherGrades);
    if (answer == ResultEvet)
        QCOMPARE(
            d.count("SELECT count(*) FROM diger_notlar WHERE olcek_id NOT IN (SELECT id FROM diger_olcek)"),
            0);
    if (scalesLeft == 1)
        QCOMPARE(d.rows("DG_DIGER_NOTLAR"), 5); // the remaining scale's grades
    if (scalesLeft == 0) {
        // nothing left to edit or delete
        QCOMPARE(d.rows("DG_DIGER_NOTLAR"), 0);
        d.messages.clear();
        d.click("BTN_OLCEK_DUZENLE");
        QCOMPARE(d.editor.state(), OtherScaleEditor::State::Browsing);
        d.click("BTN_OLCEK_SIL");
        QVERIFY(d.messages.messages.isEmpty());
    }
}

// A save is one transaction: here the store refuses one grade row part-way,
// after the old grades were deleted and the scale row changed.
void TestOtherScaleEditor::aFailedSaveLeavesTheStoredScaleAsItWas() {
    EditorDriver d(twoScales);
    d.db.refuse("refuse_zz", "BEFORE INSERT ON diger_notlar WHEN NEW.harf_notu = 'ZZ'",
                "ZZ notu kabul edilmedi");
    const QString before =
        d.db.scalar("SELECT group_concat(id || harf_notu || adim_no) FROM diger_notlar").toString();
    d.click("BTN_OLCEK_DUZENLE");
    d.type(d.name(), "Yeni Ad");
    d.removeRow(0);
    d.addGrade("ZZ", "3,75");
    d.click("BTN_OLCEK_KAYDET");

    QCOMPARE(d.messages.messages.size(), 1);
    QVERIFY2(d.messages.messages.first().text.contains("ZZ notu kabul edilmedi"),
             qPrintable(d.messages.messages.first().text));
    QCOMPARE(d.db.scalar("SELECT group_concat(id || harf_notu || adim_no) FROM diger_notlar").toString(),
             before);
    QCOMPARE(d.db.scalar("SELECT olcek_adi || Gecer_Not_Sayisi FROM diger_olcek WHERE id=1").toString(),
             QString("Harf Ölçeği7"));
    // the editor stays where it was, with its entries
    QCOMPARE(d.editor.state(), OtherScaleEditor::State::Editing);
    QCOMPARE(d.name()->text(), QString("Yeni Ad"));
    QCOMPARE(d.rows("DG_ARRAY"), 9);
    QCOMPARE(d.cell("DG_ARRAY", 0, 1), QString("ZZ"));
    QVERIFY(!d.enabled("DG_DIGER_OLCEKLER"));

    // and a cancel shows the stored scale again
    d.click("BTN_OLCEK_VAZGEC");
    QCOMPARE(d.name()->text(), QString("Harf Ölçeği"));
    QCOMPARE(d.rows("DG_DIGER_NOTLAR"), 9);
}

// A delete is one transaction: the grades go first, then the scale row, which
// the store refuses here; the grades come back.
void TestOtherScaleEditor::aFailedDeleteLeavesTheScale() {
    EditorDriver d(twoScales);
    d.db.refuse("keep_scales", "BEFORE DELETE ON diger_olcek", "ölçek silinemedi");
    d.messages.answers = {ResultEvet};
    d.click("BTN_OLCEK_SIL");
    QCOMPARE(d.messages.messages.size(), 2);
    QVERIFY2(d.messages.messages.at(1).text.contains("ölçek silinemedi"),
             qPrintable(d.messages.texts().join('\n')));
    QCOMPARE(d.count("SELECT count(*) FROM diger_notlar WHERE olcek_id=1"), 9);
    QCOMPARE(d.count("SELECT count(*) FROM diger_olcek"), 2);
    QCOMPARE(d.editor.state(), OtherScaleEditor::State::Browsing);
    QCOMPARE(d.rows("DG_DIGER_OLCEKLER"), 2);
    QCOMPARE(d.name()->text(), QString("Harf Ölçeği"));
    QCOMPARE(d.rows("DG_DIGER_NOTLAR"), 9);
    QVERIFY(d.shown("DG_DIGER_NOTLAR"));
}

void TestOtherScaleEditor::helpAndBack() {
    TestDatabase db(twoScales);
    RecordingMessages messages;
    RecordingNavigator navigator;
    auto* editor = new OtherScaleEditor(db.path(), RegionalSettings::turkish(), navigator);
    QPointer<OtherScaleEditor> alive(editor);
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    clickOn(control<PictureBttn>(editor, "BTN_HELP"));
    QCOMPARE(navigator.helpAnchors, QStringList{"#DG"});
    QCOMPARE(navigator.helpOwners.first().data(), editor);
    clickOn(control<PictureBttn>(editor, "BTN_BACK"));
    QCOMPARE(navigator.returns, 1);
    QTRY_VERIFY(alive.isNull()); // closed and gone
    QVERIFY(messages.messages.isEmpty());
}

void TestOtherScaleEditor::aMissingFileIsReportedAndTheMenuComesBack() {
    RecordingMessages messages;
    RecordingNavigator navigator;
    auto* editor =
        new OtherScaleEditor("/nonexistent/folder/donustur.evk", RegionalSettings::turkish(), navigator);
    QPointer<OtherScaleEditor> alive(editor);
    editor->show();
    QTRY_COMPARE(navigator.returns, 1);
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY(!messages.messages.first().text.isEmpty());
    QTRY_VERIFY(alive.isNull());
}

QTEST_MAIN(TestOtherScaleEditor)
#include "tst_otherscaleeditor.moc"
