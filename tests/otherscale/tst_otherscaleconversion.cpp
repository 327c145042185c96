// Scales built in the other-scale editor, by generation, by the guided letter
// entry and by hand, convert on FRMBIREBIR as the formula says.
#include "EditorDriver.h"
#include "HomeScaleFixtures.h"
#include "conversion/OneToOneWindow.h"

#include <QLabel>

using namespace zendaro;
using namespace zendaro::test;

namespace {

struct Result {
    QString letter;
    bool passed = false;
};

Result convert(const QString& path, const QString& scale, const QString& grade) {
    RecordingNavigator navigator;
    OneToOneWindow window(path, RegionalSettings::turkish(), navigator);
    window.show();
    QCoreApplication::processEvents(); // the first activation fills the pickers
    auto* other = control<QComboBox>(&window, "CMB_KAYNAK_OLCEK");
    // The picker names each scale, perhaps followed by its grading system.
    int index = other->findText(scale);
    if (index < 0)
        index = other->findText(scale + QStringLiteral(" ("), Qt::MatchStartsWith);
    if (index < 0)
        return {QStringLiteral("no scale %1").arg(scale), false};
    other->setCurrentIndex(index);
    emit other->activated(index);
    auto* home = control<QComboBox>(&window, "CMB_DORNELA_OLCEK");
    home->setCurrentIndex(0);
    emit home->activated(0);
    auto* input = control<QLineEdit>(&window, "TXT_DONUSTURULECEK_NOT");
    typeText(input, grade);
    QTest::keyClick(input, Qt::Key_Return);
    while (window.advanceAnimation()) {
    }
    auto* letter = control<QLabel>(&window, "LBL_DORNELA_HARF_NOTU");
    return {letter->text(), letter->styleSheet().contains(QColor(0, 128, 0).name())};
}

} // namespace

class TestOtherScaleConversion : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void savedScalesConvert_data();
    void savedScalesConvert();
    void cleanupTestCase();

private:
    std::unique_ptr<EditorDriver> editor_;
};

void TestOtherScaleConversion::initTestCase() {
    editor_ = std::make_unique<EditorDriver>(LisansHomeScale);
    EditorDriver& d = *editor_;

    // generated: 100 down to 0 by 10, pass 100..50 (6), fail 40..0 (5)
    d.startScale("Üretilen", 1, "40");
    d.generate("100", "10");
    d.click("BTN_OLCEK_KAYDET");

    // guided letters: AA 4 .. FF 0 by halves, pass AA..CC (5), fail DC..FF (4)
    d.startScale("Yönlendirilen", 0, "1,5");
    d.generate("4", "0,5");
    for (const char* letter : {"AA", "BA", "BB", "CB", "CC", "DC", "DD", "FD", "FF"})
        d.addGrade(QString::fromLatin1(letter), {});
    d.click("BTN_OLCEK_KAYDET");

    // by hand: pass A 90, B 75, C 60 (3), fail F 30 (1)
    d.startScale("Elle", 0, "30");
    d.distribution()->setCurrentIndex(1);
    d.addGrade("B", "75");
    d.addGrade("F", "30");
    d.addGrade("A", "90");
    d.addGrade("C", "60");
    d.click("BTN_OLCEK_KAYDET");

    QVERIFY2(d.messages.messages.isEmpty(), qPrintable(d.messages.texts().join('\n')));
    QCOMPARE(d.count("SELECT count(*) FROM diger_olcek"), 3);
    QCOMPARE(d.count("SELECT count(*) FROM diger_notlar"), 11 + 9 + 4);
}

void TestOtherScaleConversion::savedScalesConvert_data() {
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<bool>("passed");
    // generated: pass steps of 0.3 from 4, fail steps of 0.5 from 2
    QTest::newRow("generated 100") << "Üretilen"
                                   << "100"
                                   << "AA" << true;
    QTest::newRow("generated 70") << "Üretilen"
                                  << "70"
                                  << "BB" << true; // 3.1
    QTest::newRow("generated 50") << "Üretilen"
                                  << "50"
                                  << "CB" << true;
    QTest::newRow("generated 40") << "Üretilen"
                                  << "40"
                                  << "CC" << false;
    QTest::newRow("generated 10") << "Üretilen"
                                  << "10"
                                  << "FD" << false;
    // guided: pass steps of 0.375, fail steps of 2/3
    QTest::newRow("guided BB") << "Yönlendirilen"
                               << "BB"
                               << "BA" << true; // 3.25
    QTest::newRow("guided CC") << "Yönlendirilen"
                               << "CC"
                               << "CB" << true;
    QTest::newRow("guided DC") << "Yönlendirilen"
                               << "DC"
                               << "CC" << false;
    QTest::newRow("guided DD") << "Yönlendirilen"
                               << "DD"
                               << "DC" << false; // 1.33
    QTest::newRow("guided FF") << "Yönlendirilen"
                               << "FF"
                               << "FF" << false;
    // by hand: pass steps of 0.75, a fail block of one grade
    QTest::newRow("by hand A") << "Elle"
                               << "A"
                               << "AA" << true;
    QTest::newRow("by hand B") << "Elle"
                               << "B"
                               << "BA" << true; // 3.25
    QTest::newRow("by hand 75 names B") << "Elle"
                                        << "75"
                                        << "BA" << true;
    QTest::newRow("by hand C") << "Elle"
                               << "C"
                               << "CB" << true;
    QTest::newRow("by hand F") << "Elle"
                               << "F"
                               << "CC" << false;
}

void TestOtherScaleConversion::savedScalesConvert() {
    QFETCH(QString, scale);
    QFETCH(QString, grade);
    QFETCH(QString, letter);
    QFETCH(bool, passed);
    RecordingMessages& messages = editor_->messages;
    messages.clear();
    const Result result = convert(editor_->db.path(), scale, grade);
    QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.texts().join('\n')));
    QCOMPARE(result.letter, letter);
    QCOMPARE(result.passed, passed);
}

void TestOtherScaleConversion::cleanupTestCase() {
    editor_.reset();
}

QTEST_MAIN(TestOtherScaleConversion)
#include "tst_otherscaleconversion.moc"
