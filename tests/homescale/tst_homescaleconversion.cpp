// A change of a home scale reaches the conversion window at its next opening.
#include "GuiHelpers.h"
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "TestDatabase.h"
#include "conversion/OneToOneWindow.h"
#include "homescale/HomeScaleEditor.h"
#include "ui/PictureBttn.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace zendaro;
using namespace zendaro::test;

namespace {

// One home scale with "CC" as its highest fail grade, and a letter scale whose
// pass block AA..CC and fail block DC..FF have five and three grades.
const char* fixture = R"(
INSERT INTO dornela_olcek (id, olcek_adi, egitim_duzeyi, max_GN, min_GN, max_KN, min_KN)
  VALUES (1, 'Lisans', 'Lisans', 4, 2.5, 2.0, 0);
INSERT INTO dornela_notlar (olcek_id, harf_notu, sayisal_not, durum) VALUES
  (1,'AA',4,'GEÇER'),(1,'BA',3.5,'GEÇER'),(1,'BB',3,'GEÇER'),(1,'CB',2.5,'GEÇER'),(1,'CC',2,'KALIR'),
  (1,'DC',1.5,'KALIR'),(1,'DD',1,'KALIR'),(1,'FD',0.5,'KALIR'),(1,'FF',0,'KALIR');
INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, Kalir_Not_Sayisi)
  VALUES (1, 'Harf', 'Harf Notu', 4, 2, 1.5, 0, 5, 3);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (1,'AA',4,'Geçer',0),(1,'BA',3.5,'Geçer',1),(1,'BB',3,'Geçer',2),(1,'CB',2.5,'Geçer',3),(1,'CC',2,'Geçer',4),
  (1,'DC',1.5,'Kalır',0),(1,'DD',1,'Kalır',1),(1,'FF',0,'Kalır',2);
)";

const RegionalSettings turkish = RegionalSettings::turkish();

struct Result {
    QString letter;
    QString numeric;
    bool passed;
};

Result convert(const QString& path, const QString& grade) {
    RecordingNavigator navigator;
    OneToOneWindow window(path, turkish, navigator);
    window.show();
    QCoreApplication::processEvents(); // the first activation fills the pickers
    for (const char* picker : {"CMB_KAYNAK_OLCEK", "CMB_DORNELA_OLCEK"}) {
        auto* combo = control<QComboBox>(&window, QString::fromLatin1(picker));
        combo->setCurrentIndex(0);
        emit combo->activated(0);
    }
    auto* input = control<QLineEdit>(&window, "TXT_DONUSTURULECEK_NOT");
    typeText(input, grade);
    QTest::keyClick(input, Qt::Key_Return);
    while (window.advanceAnimation()) {
    }
    auto* letter = control<QLabel>(&window, "LBL_DORNELA_HARF_NOTU");
    return {letter->text(), control<QLabel>(&window, "LBL_DORNELA_SAYISAL_NOT")->text(),
            letter->styleSheet().contains(QColor(0, 128, 0).name())};
}

} // namespace

class TestHomeScaleConversion : public QObject {
    Q_OBJECT
private slots:
    void changingTheHighestFailGradeTurnsCcIntoAPass();
};

void TestHomeScaleConversion::changingTheHighestFailGradeTurnsCcIntoAPass() {
    TestDatabase db(fixture);
    RecordingMessages messages;

    // Under "CC" the best fail grade lands on 2.0: CC, a fail.
    Result before = convert(db.path(), "DC");
    QCOMPARE(before.letter, QString("CC"));
    QCOMPARE(before.numeric, QString("Sayısal Not: 2,00"));
    QVERIFY(!before.passed);
    QCOMPARE(convert(db.path(), "CC").letter, QString("CB")); // the last pass grade: 2.5

    {
        RecordingNavigator navigator;
        HomeScaleEditor editor(db.path(), turkish.numbers(), navigator);
        editor.show();
        clickOn(control<PictureBttn>(&editor, "BTN_OLCEK_DUZENLE"));
        control<QComboBox>(&editor, "CMB_MAX_KN")->setCurrentIndex(1); // "DC"
        clickOn(control<PictureBttn>(&editor, "BTN_OLCEK_KAYDET"));
        QCOMPARE(editor.state(), HomeScaleEditor::State::Browsing);
    }

    // Under "DC" the pass block reaches down to 2.0: the last pass grade is now CC, a pass.
    Result after = convert(db.path(), "CC");
    QCOMPARE(after.letter, QString("CC"));
    QCOMPARE(after.numeric, QString("Sayısal Not: 2,00"));
    QVERIFY(after.passed);
    QCOMPARE(convert(db.path(), "DC").letter, QString("DC")); // the best fail grade: 1.5
    QVERIFY(messages.messages.isEmpty());
}

QTEST_MAIN(TestHomeScaleConversion)
#include "tst_homescaleconversion.moc"
