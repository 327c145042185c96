// Status words and modes compared ignoring letter case the Turkish way: the
// letter-by-letter comparison of ASCII and Turkish letters answers as the
// Turkish locale's capitals do, and other letters still go by the locale.
#include "store/TurkishText.h"

#include <QLocale>
#include <QTest>

using namespace zendaro;

class TurkishTextTest : public QObject {
    Q_OBJECT

private slots:
    void comparesAsTheTurkishCapitalsDo_data();
    void comparesAsTheTurkishCapitalsDo();
};

void TurkishTextTest::comparesAsTheTurkishCapitalsDo_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("equal");
    QTest::newRow("KALIR, Kalır") << "KALIR"
                                  << "Kalır" << true;
    QTest::newRow("GEÇER, geçer") << "GEÇER"
                                  << "geçer" << true;
    QTest::newRow("Geçer, Kalır") << "Geçer"
                                  << "Kalır" << false;
    QTest::newRow("kalir is not KALIR (i is İ)") << "kalir"
                                                 << "KALIR" << false;
    QTest::newRow("İ, i") << "İ"
                          << "i" << true;
    QTest::newRow("I, ı") << "I"
                          << "ı" << true;
    QTest::newRow("I, i") << "I"
                          << "i" << false;
    QTest::newRow("DUZENLE, düzenle") << "DUZENLE"
                                      << "düzenle" << false;
    QTest::newRow("DÜZENLE, düzenle") << "DÜZENLE"
                                      << "düzenle" << true;
    QTest::newRow("ğ, Ğ; ş, Ş; ö, Ö") << "ğşö"
                                      << "ĞŞÖ" << true;
    QTest::newRow("empty") << ""
                           << "" << true;
    QTest::newRow("other letters: é, É") << "é"
                                         << "É" << true;
    QTest::newRow("ß, SS: lengths differ") << "straße"
                                           << "STRASSE" << true;
    QTest::newRow("digits and signs") << "4,5 (A)"
                                      << "4,5 (a)" << true;
}

void TurkishTextTest::comparesAsTheTurkishCapitalsDo() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, equal);
    QCOMPARE(EqualsIgnoringCaseTr(a, b), equal);
    QCOMPARE(EqualsIgnoringCaseTr(b, a), equal);
    // Searches fold the two alike exactly then.
    QCOMPARE(FoldCaseTr(a) == FoldCaseTr(b), equal);
#ifndef Q_OS_WIN
    // The Turkish locale's own answer (Qt's locale on Windows is built
    // without ICU and has no Turkish capitals).
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    QCOMPARE(turkish.toUpper(a) == turkish.toUpper(b), equal);
#endif
}

QTEST_MAIN(TurkishTextTest)
#include "tst_turkishtext.moc"
