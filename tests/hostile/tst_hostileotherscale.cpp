// Hostile text in the name box and the letter entry box of the other-scale
// editor: a letter scale made by hand stores both texts exactly as the boxes
// hold them (trimmed, cut at 40 and 50 characters), and nothing of them runs
// as SQL.
#include "GuiHelpers.h"
#include "HostileTexts.h"
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "otherscale/OtherScaleEditor.h"
#include "ui/PictureBttn.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace zendaro;
using namespace zendaro::test;

namespace {

constexpr int NameLimit = 40;
constexpr int LetterLimit = 50;

struct Editor {
    TestDatabase db;
    RecordingMessages messages;
    RecordingNavigator navigator;
    OtherScaleEditor editor;

    Editor() : editor(db.path(), RegionalSettings::turkish(), navigator) {
        editor.show();
        QApplication::setActiveWindow(&editor);
        (void)QTest::qWaitForWindowActive(&editor);
    }
    template <typename T> T* get(const char* name) { return control<T>(&editor, QLatin1String(name)); }
    void click(const char* name) { clickOn(get<PictureBttn>(name)); }
    // Into a box as a user does: focus, the old text replaced, then Tab.
    void type(const char* box, const QString& text) {
        auto* target = get<QLineEdit>(box);
        target->setFocus(Qt::MouseFocusReason);
        target->selectAll();
        typeText(target, text);
        QTest::keyClick(target, Qt::Key_Tab);
    }
    void addGrade(const QString& value) {
        type("TXT_NOT_EKLEME_SAYISAL_NOT", value);
        click("BTN_OLCEGE_EKLE");
    }
};

} // namespace

class TestHostileOtherScale : public QObject {
    Q_OBJECT
private slots:
    void letterScaleStoresBothTextsAsTheBoxesHoldThem_data();
    void letterScaleStoresBothTextsAsTheBoxesHoldThem();
    void pastedNumbersAreRefusedNotRun_data();
    void pastedNumbersAreRefusedNotRun();
};

void TestHostileOtherScale::letterScaleStoresBothTextsAsTheBoxesHoldThem_data() {
    QTest::addColumn<QString>("text");
    for (const HostileText& hostile : hostileTexts())
        if (!hostile.text.left(NameLimit).trimmed().isEmpty())
            QTest::addRow("%s", hostile.name) << hostile.text;
}

void TestHostileOtherScale::letterScaleStoresBothTextsAsTheBoxesHoldThem() {
    QFETCH(QString, text);
    Editor e;
    const QString before = tablesAndCounts(e.db);

    e.click("BTN_OLCEK_EKLE");
    pasteInto(e.get<QLineEdit>("TXT_OLCEK_ADI"), text);
    QCOMPARE(e.get<QLineEdit>("TXT_OLCEK_ADI")->text(), text.left(NameLimit));
    e.get<QComboBox>("CMB_NOT_SISTEMI")->setCurrentIndex(0); // "Harf Notu"
    e.type("TXT_MAX_KALIR_NOT", QStringLiteral("0"));
    e.get<QComboBox>("CMB_NOT_DAGILIMI")->setCurrentIndex(1); // "Değişken Aralık": by hand
    pasteInto(e.get<QLineEdit>("TXT_NOT_EKLEME_HARF_NOTU"), text);
    QCOMPARE(e.get<QLineEdit>("TXT_NOT_EKLEME_HARF_NOTU")->text(), text.left(LetterLimit));
    e.addGrade(QStringLiteral("4"));
    e.type("TXT_NOT_EKLEME_HARF_NOTU", QStringLiteral("F"));
    e.addGrade(QStringLiteral("0"));
    e.click("BTN_OLCEK_KAYDET");
    QCOMPARE(e.messages.texts().join(QLatin1Char('|')), QString());

    const QString name = text.left(NameLimit).trimmed();
    const QString letter = text.left(LetterLimit).trimmed();
    QCOMPARE(storedText(e.db, QStringLiteral("olcek_adi"), QStringLiteral("FROM diger_olcek")), name);
    QCOMPARE(storedText(e.db, QStringLiteral("harf_notu"), QStringLiteral("FROM diger_notlar ORDER BY id")),
             letter);
    QString after = before;
    after.replace(QStringLiteral("diger_olcek=0"), QStringLiteral("diger_olcek=1"));
    after.replace(QStringLiteral("diger_notlar=0"), QStringLiteral("diger_notlar=2"));
    QCOMPARE(tablesAndCounts(e.db), after);
}

void TestHostileOtherScale::pastedNumbersAreRefusedNotRun_data() {
    QTest::addColumn<QString>("text");
    for (const HostileText& hostile : hostileTexts())
        QTest::addRow("%s", hostile.name) << hostile.text;
    QTest::addRow("digits and a quote") << QStringLiteral("85'5");
    QTest::addRow("10000 digits") << QString(10000, QChar(u'9'));
}

// A paste is not typed key by key: what it leaves in a numeric box is refused
// by the checks, and nothing of it reaches SQL.
void TestHostileOtherScale::pastedNumbersAreRefusedNotRun() {
    QFETCH(QString, text);
    Editor e;
    const QString before = tablesAndCounts(e.db);

    e.click("BTN_OLCEK_EKLE");
    e.type("TXT_OLCEK_ADI", QStringLiteral("Sayısal"));
    e.get<QComboBox>("CMB_NOT_SISTEMI")->setCurrentIndex(1);  // "Sayısal Not"
    e.get<QComboBox>("CMB_NOT_DAGILIMI")->setCurrentIndex(0); // "Eşit Aralık"
    for (const char* box : {"TXT_MAX_KALIR_NOT", "TXT_MAX_NOT", "TXT_NOT_ARALIGI"}) {
        pasteInto(e.get<QLineEdit>(box), text);
        const QString held = e.get<QLineEdit>(box)->text(); // all of the paste up to the limit, or nothing
        QVERIFY2(held.isEmpty() || held == text.left(LetterLimit), box);
    }
    e.click("BTN_OLCEK_OLUSTUR");
    e.click("BTN_OLCEK_KAYDET");

    QVERIFY(!e.messages.texts().isEmpty());
    QCOMPARE(tablesAndCounts(e.db), before);
}

QTEST_MAIN(TestHostileOtherScale)
#include "tst_hostileotherscale.moc"
