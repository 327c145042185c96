#include "LocaleNames.h"
#include "conversion/NumberText.h"
#include "conversion/RegionalSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>

#ifdef Q_OS_WIN
#include <iterator>
#include <windows.h>
#endif

using namespace zendaro;
#ifndef Q_OS_WIN
using zendaro::test::localeLoadable;
#endif

#ifdef Q_OS_WIN

// Changes one of the user's regional settings as the control panel does, and
// puts the old value back.
class UserLocaleSetting {
public:
    UserLocaleSetting(LCTYPE item, const QString& value) : item_(item) {
        wchar_t buffer[16];
        const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, buffer, int(std::size(buffer)));
        if (length > 0)
            old_ = QString::fromWCharArray(buffer, length - 1);
        set_ = length > 0 &&
               SetLocaleInfoW(LOCALE_USER_DEFAULT, item, reinterpret_cast<const wchar_t*>(value.utf16()));
    }
    ~UserLocaleSetting() {
        if (set_)
            SetLocaleInfoW(LOCALE_USER_DEFAULT, item_, reinterpret_cast<const wchar_t*>(old_.utf16()));
    }
    UserLocaleSetting(const UserLocaleSetting&) = delete;
    UserLocaleSetting& operator=(const UserLocaleSetting&) = delete;

    bool set() const { return set_; }

private:
    LCTYPE item_;
    QString old_;
    bool set_ = false;
};

#else

// Reads the separators under a chosen environment and puts the environment back.
class EnvironmentGuard {
public:
    EnvironmentGuard() {
        for (const char* name : names)
            saved_.append(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    }
    ~EnvironmentGuard() {
        for (qsizetype i = 0; i < saved_.size(); ++i) {
            if (saved_[i])
                qputenv(names[i], *saved_[i]);
            else
                qunsetenv(names[i]);
        }
    }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

    static constexpr const char* names[] = {"LC_ALL", "LC_MONETARY", "LC_NUMERIC", "LANG", "LOCPATH"};

private:
    QList<std::optional<QByteArray>> saved_;
};

// Builds a locale of our own with the given separators into a temporary folder
// (localedef from the system's locale sources), so the reading can be tested
// without depending on which locales the machine has installed.
class OwnLocale {
public:
    OwnLocale(const QString& monDecimal, const QString& monThousands, const QString& decimal,
              const QString& thousands, const QString& charmap) {
        const QString localedef = QStandardPaths::findExecutable(QStringLiteral("localedef"));
        if (localedef.isEmpty() || !dir_.isValid())
            return;
        QFile source(dir_.filePath(QStringLiteral("source")));
        if (!source.open(QIODevice::WriteOnly))
            return;
        source.write(
            QStringLiteral("comment_char %\nescape_char /\n"
                           "LC_CTYPE\ncopy \"i18n\"\nEND LC_CTYPE\n"
                           "LC_MONETARY\nint_curr_symbol \"<U0058><U0058><U0058><U0020>\"\n"
                           "currency_symbol \"<U0024>\"\nmon_decimal_point \"%1\"\n"
                           "mon_thousands_sep \"%2\"\nmon_grouping 3\npositive_sign \"\"\n"
                           "negative_sign \"<U002D>\"\nint_frac_digits 2\nfrac_digits 2\n"
                           "p_cs_precedes 1\np_sep_by_space 0\nn_cs_precedes 1\nn_sep_by_space 0\n"
                           "p_sign_posn 1\nn_sign_posn 1\nEND LC_MONETARY\n"
                           "LC_NUMERIC\ndecimal_point \"%3\"\nthousands_sep \"%4\"\ngrouping 3\n"
                           "END LC_NUMERIC\n")
                .arg(symbols(monDecimal), symbols(monThousands), symbols(decimal), symbols(thousands))
                .toUtf8());
        source.close();
        QProcess run;
        run.start(localedef, {QStringLiteral("-c"), QStringLiteral("-i"), source.fileName(),
                              QStringLiteral("-f"), charmap, dir_.filePath(QStringLiteral("zz_ZZ"))});
        run.waitForFinished(60000);
        built_ = QFileInfo(dir_.filePath(QStringLiteral("zz_ZZ/LC_MONETARY"))).exists();
    }
    bool built() const { return built_; }
    QString folder() const { return dir_.path(); }

private:
    static QString symbols(const QString& text) {
        QString out;
        for (QChar c : text)
            out += QStringLiteral("<U%1>").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        return out;
    }
    QTemporaryDir dir_;
    bool built_ = false;
};

#endif

class TestRegionalSettings : public QObject {
    Q_OBJECT
private slots:
    void explicitSettings() {
        const auto tr = RegionalSettings::turkish();
        QCOMPARE(tr.decimalSeparator, QStringLiteral(","));
        QCOMPARE(tr.thousandsSeparator, QStringLiteral("."));
        QCOMPARE(tr.numbers().read(QStringLiteral("3,5")), 3.5);
        const auto en = RegionalSettings::english();
        QCOMPARE(en.decimalSeparator, QStringLiteral("."));
        QCOMPARE(en.thousandsSeparator, QStringLiteral(","));
        QCOMPARE(en.numbers().read(QStringLiteral("3.5")), 3.5);
    }

#ifdef Q_OS_WIN
    // The user's own monetary separators are read, as the user set them in
    // the regional settings.
    void userRegionalSettings_data() {
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("thousands");
        QTest::newRow("turkish") << ","
                                 << ".";
        QTest::newRow("english") << "."
                                 << ",";
        QTest::newRow("apostrophe") << ","
                                    << "'";
        QTest::newRow("non-ASCII separator") << "," << QStringLiteral("\u00a0");
    }
    void userRegionalSettings() {
        QFETCH(QString, decimal);
        QFETCH(QString, thousands);
        const UserLocaleSetting decimalSetting(LOCALE_SMONDECIMALSEP, decimal);
        const UserLocaleSetting thousandsSetting(LOCALE_SMONTHOUSANDSEP, thousands);
        QVERIFY(decimalSetting.set() && thousandsSetting.set());
        const auto settings = ReadRegionalSeparators();
        QVERIFY(settings.has_value());
        QCOMPARE(settings->decimalSeparator, decimal);
        QCOMPARE(settings->thousandsSeparator, thousands);
    }
#else
    // A locale named by the environment that cannot be loaded is a failed read,
    // whichever variable names it.
    void unloadableLocaleFails_data() {
        QTest::addColumn<QByteArray>("variable");
        QTest::newRow("LC_ALL") << QByteArray("LC_ALL");
        QTest::newRow("LC_MONETARY") << QByteArray("LC_MONETARY");
        QTest::newRow("LANG") << QByteArray("LANG");
    }
    void unloadableLocaleFails() {
        QFETCH(QByteArray, variable);
        EnvironmentGuard guard;
        for (const char* name : EnvironmentGuard::names)
            qunsetenv(name);
        qputenv(variable.constData(), "xx_XX.UTF-8");
        QVERIFY(!ReadRegionalSeparators().has_value());
    }

    // The plain POSIX locale has no monetary separators; its number separators
    // stand in, so decimals can still be typed.
    void posixLocaleUsesNumberSeparators_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("C") << QByteArray("C");
        QTest::newRow("POSIX") << QByteArray("POSIX");
        QTest::newRow("C.UTF-8") << QByteArray("C.UTF-8");
    }
    void posixLocaleUsesNumberSeparators() {
        QFETCH(QByteArray, name);
        EnvironmentGuard guard;
        qputenv("LC_ALL", name);
        const auto settings = ReadRegionalSeparators();
        QVERIFY(settings.has_value());
        QCOMPARE(settings->decimalSeparator, QStringLiteral("."));
        QCOMPARE(settings->thousandsSeparator, QString());
    }

    // The monetary separators are read, not the number separators; the number
    // separators stand in only when both monetary ones are empty.
    void monetarySeparatorsOfOwnLocale_data() {
        QTest::addColumn<QString>("monDecimal");
        QTest::addColumn<QString>("monThousands");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("thousands");
        QTest::addColumn<QString>("charmap");
        QTest::addColumn<QString>("expectedDecimal");
        QTest::addColumn<QString>("expectedThousands");
        const auto row = [](const char* name, const QString& monDecimal, const QString& monThousands,
                            const QString& decimal, const QString& thousands, const QString& charmap,
                            const QString& expectedDecimal, const QString& expectedThousands) {
            QTest::newRow(name) << monDecimal << monThousands << decimal << thousands << charmap
                                << expectedDecimal << expectedThousands;
        };
        const QString utf8 = QStringLiteral("UTF-8");
        const QString nbsp = QStringLiteral("\u00a0");
        row("turkish", ",", ".", ",", ".", utf8, ",", ".");
        row("monetary differs from number", ",", "'", ".", ",", utf8, ",", "'");
        row("empty monetary thousands", ",", "", ".", ",", utf8, ",", "");
        row("no monetary separators", "", "", ",", ".", utf8, ",", ".");
        row("non-ASCII separator", ",", nbsp, ",", QStringLiteral("\u202f"), utf8, ",", nbsp);
        row("latin-5 character set", ",", nbsp, ",", ".", QStringLiteral("ISO-8859-9"), ",", nbsp);
    }
    void monetarySeparatorsOfOwnLocale() {
        QFETCH(QString, monDecimal);
        QFETCH(QString, monThousands);
        QFETCH(QString, decimal);
        QFETCH(QString, thousands);
        QFETCH(QString, charmap);
        QFETCH(QString, expectedDecimal);
        QFETCH(QString, expectedThousands);
        const OwnLocale own(monDecimal, monThousands, decimal, thousands, charmap);
        if (!own.built())
            QSKIP("localedef or the system's locale sources are not available");
        EnvironmentGuard guard;
        qputenv("LOCPATH", own.folder().toLocal8Bit());
        qputenv("LC_ALL", "zz_ZZ");
        const auto settings = ReadRegionalSeparators();
        QVERIFY(settings.has_value());
        QCOMPARE(settings->decimalSeparator, expectedDecimal);
        QCOMPARE(settings->thousandsSeparator, expectedThousands);
    }

#endif

    // A locale the C library cannot load but Qt's locale data knows gives
    // Qt's separators; a name nobody knows stays a failed read.
    void separatorsKnownToQt_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("known");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("thousands");
        QTest::newRow("Turkish, UTF-8") << "tr_TR.UTF-8" << true << ","
                                        << ".";
        QTest::newRow("Turkish, Latin-5") << "tr_TR.ISO-8859-9" << true << ","
                                          << ".";
        QTest::newRow("Turkish, no character set") << "tr_TR" << true << ","
                                                   << ".";
        QTest::newRow("Swiss German, modifier") << "de_CH.UTF-8@euro" << true << "." << QString("\u2019");
        QTest::newRow("unknown language") << "xx_XX.UTF-8" << false << ""
                                          << "";
        QTest::newRow("unknown territory") << "tr_XX.UTF-8" << false << ""
                                           << "";
        QTest::newRow("C") << "C.UTF-8" << false << ""
                           << "";
        QTest::newRow("no name") << "" << false << ""
                                 << "";
    }
    void separatorsKnownToQt() {
        QFETCH(QString, name);
        QFETCH(bool, known);
        QFETCH(QString, decimal);
        QFETCH(QString, thousands);
        const std::optional<RegionalSettings> settings = SeparatorsKnownToQt(name);
        QCOMPARE(settings.has_value(), known);
        if (!known)
            return;
        QCOMPARE(settings->decimalSeparator, decimal);
        QCOMPARE(settings->thousandsSeparator, thousands);
    }

#ifndef Q_OS_WIN
    // With LANG, LC_MONETARY or LC_ALL naming a Turkish locale the C library
    // of this machine lacks, the start-up goes on with Qt's separators.
    void turkishLocaleTheCLibraryLacks_data() {
        QTest::addColumn<QByteArray>("variable");
        QTest::newRow("LC_ALL") << QByteArray("LC_ALL");
        QTest::newRow("LC_MONETARY") << QByteArray("LC_MONETARY");
        QTest::newRow("LANG") << QByteArray("LANG");
    }
    void turkishLocaleTheCLibraryLacks() {
        QFETCH(QByteArray, variable);
        const QByteArray name = zendaro::test::turkishLocaleTheCLibraryLacks();
        if (name.isEmpty())
            QSKIP("every Turkish locale is installed on this machine");
        EnvironmentGuard guard;
        for (const char* other : EnvironmentGuard::names)
            qunsetenv(other);
        qputenv(variable.constData(), name);
        const auto settings = ReadRegionalSeparators();
        QVERIFY(settings.has_value());
        QCOMPARE(settings->decimalSeparator, QStringLiteral(","));
        QCOMPARE(settings->thousandsSeparator, QStringLiteral("."));
    }

#endif

    // Numbers are read and written with the two separators alone: a thousands
    // separator anywhere in the whole part is ignored, and separators that no
    // Qt locale pairs (a monetary "." with a narrow no-break space) work alike.
    void numbersWithTheSeparators_data() {
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("thousands");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<double>("value");
        const QString nnbsp = QStringLiteral("\u202f");
        const auto row = [](const char* name, const QString& decimal, const QString& thousands,
                            const QString& text, bool number, double value) {
            QTest::newRow(name) << decimal << thousands << text << number << value;
        };
        row("tr decimals", ",", ".", "12,5", true, 12.5);
        row("tr grouped", ",", ".", "1.000,00", true, 1000);
        row("tr a digit of 1.000,00 deleted", ",", ".", "1.00,00", true, 100);
        row("tr separator anywhere in the whole part", ",", ".", "1.2.3.4", true, 1234);
        row("tr grouping after the decimals", ",", ".", "1,5.0", false, 0);
        row("tr second decimal separator", ",", ".", "1,2,3", false, 0);
        row("tr blanks around", ",", ".", " 12,5 ", true, 12.5);
        row("tr leading separator", ",", ".", ",5", true, 0.5);
        row("tr trailing separator", ",", ".", "5,", true, 5);
        row("tr sign", ",", ".", "-3,5", true, -3.5);
        row("tr exponent", ",", ".", "1,5e2", true, 150);
        row("tr separator alone", ",", ".", ",", false, 0);
        row("tr words", ",", ".", "yüz", false, 0);
        row("tr infinity", ",", ".", "inf", false, 0);
        row("tr beyond a double", ",", ".", "1e999", false, 0);
        row("en grouped", ".", ",", "1,234.5", true, 1234.5);
        row("en comma in the whole part", ".", ",", "3,5", true, 35);
        row("monetary point, narrow space", ".", nnbsp, "3.5", true, 3.5);
        row("monetary point, grouped", ".", nnbsp, "1" + nnbsp + "234.5", true, 1234.5);
        row("monetary point, comma", ".", nnbsp, "3,5", false, 0);
        row("no thousands separator", ".", "", "1234.5", true, 1234.5);
        row("no thousands separator, comma", ".", "", "1,5", false, 0);
        row("decimal comma, no thousands separator", ",", "", "1.5", false, 0);
    }
    void numbersWithTheSeparators() {
        QFETCH(QString, decimal);
        QFETCH(QString, thousands);
        QFETCH(QString, text);
        QFETCH(bool, number);
        QFETCH(double, value);
        const RegionalSettings settings{decimal, thousands};
        const std::optional<double> read = ReadNumberText(text, settings);
        QCOMPARE(read.has_value(), number);
        if (!number)
            return;
        QCOMPARE(*read, value);
        // What is written reads back as the same number.
        QCOMPARE(ReadNumberText(TwoDecimalText(*read, settings), settings), *read);
        QCOMPARE(ReadNumberText(ShortestNumberText(*read, settings), settings), *read);
    }

    // Numbers are written with the same two separators they are read with.
    void writtenWithTheSeparators_data() {
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("thousands");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("twoDecimals");
        QTest::addColumn<QString>("shortest");
        const QString nnbsp = QStringLiteral("\u202f");
        QTest::newRow("tr") << ","
                            << "." << 1234567.5 << "1.234.567,50"
                            << "1234567,5";
        QTest::newRow("tr negative") << ","
                                     << "." << -1234.5 << "-1.234,50"
                                     << "-1234,5";
        QTest::newRow("tr tiny negative is zero") << ","
                                                  << "." << -0.001 << "0,00"
                                                  << "-0,001";
        QTest::newRow("monetary point, narrow space") << "." << nnbsp << 12345.5 << "12" + nnbsp + "345.50"
                                                      << "12345.5";
        QTest::newRow("no thousands separator") << "."
                                                << "" << 12345.5 << "12345.50"
                                                << "12345.5";
        QTest::newRow("separators of two characters") << ",-"
                                                      << "''" << 1234.5 << "1''234,-50"
                                                      << "1234,-5";
    }
    void writtenWithTheSeparators() {
        QFETCH(QString, decimal);
        QFETCH(QString, thousands);
        QFETCH(double, value);
        QFETCH(QString, twoDecimals);
        QFETCH(QString, shortest);
        const RegionalSettings settings{decimal, thousands};
        QCOMPARE(TwoDecimalText(value, settings), twoDecimals);
        QCOMPARE(ShortestNumberText(value, settings), shortest);
    }

#ifndef Q_OS_WIN
    void turkishLocaleWhenInstalled() {
        if (!localeLoadable("tr_TR.UTF-8"))
            QSKIP("tr_TR.UTF-8 is not installed on this machine");
        EnvironmentGuard guard;
        qputenv("LC_ALL", "tr_TR.UTF-8");
        const auto settings = ReadRegionalSeparators();
        QVERIFY(settings.has_value());
        QCOMPARE(settings->decimalSeparator, QStringLiteral(","));
        QCOMPARE(settings->thousandsSeparator, QStringLiteral("."));
    }
#endif
};

QTEST_GUILESS_MAIN(TestRegionalSettings)
#include "tst_regionalsettings.moc"
