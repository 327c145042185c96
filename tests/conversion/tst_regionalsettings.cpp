#include "conversion/RegionalSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>

using namespace zendaro;

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

static bool localeInstalled(const char* name) {
    locale_t l = newlocale(LC_MONETARY_MASK | LC_NUMERIC_MASK, name, locale_t(nullptr));
    if (l == locale_t(nullptr))
        return false;
    freelocale(l);
    return true;
}

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

class TestRegionalSettings : public QObject {
    Q_OBJECT
private slots:
    void explicitSettings() {
        const auto tr = RegionalSettings::turkish();
        QCOMPARE(tr.decimalSeparator, QStringLiteral(","));
        QCOMPARE(tr.thousandsSeparator, QStringLiteral("."));
        QCOMPARE(tr.locale.decimalPoint(), QStringLiteral(","));
        QCOMPARE(tr.locale.toDouble(QStringLiteral("3,5")), 3.5);
        const auto en = RegionalSettings::english();
        QCOMPARE(en.decimalSeparator, QStringLiteral("."));
        QCOMPARE(en.thousandsSeparator, QStringLiteral(","));
        QCOMPARE(en.locale.toDouble(QStringLiteral("3.5")), 3.5);
    }

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

    void turkishLocaleWhenInstalled() {
        if (!localeInstalled("tr_TR.UTF-8"))
            QSKIP("tr_TR.UTF-8 is not installed on this machine");
        EnvironmentGuard guard;
        qputenv("LC_ALL", "tr_TR.UTF-8");
        const auto settings = ReadRegionalSeparators();
        QVERIFY(settings.has_value());
        QCOMPARE(settings->decimalSeparator, QStringLiteral(","));
        QCOMPARE(settings->thousandsSeparator, QStringLiteral("."));
    }
};

QTEST_GUILESS_MAIN(TestRegionalSettings)
#include "tst_regionalsettings.moc"
