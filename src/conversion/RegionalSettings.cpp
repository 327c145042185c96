#include "RegionalSettings.h"

#include <QLocale>

#ifdef Q_OS_WIN
#include <iterator>
#include <windows.h>
#else
#include <QStringDecoder>
#include <clocale>
#include <langinfo.h>
#endif

namespace zendaro {

namespace {

#ifdef Q_OS_WIN

// One of the user's regional settings as Windows holds it, the user's own
// changes included; empty when Windows cannot give it.
std::optional<QString> UserLocaleItem(LCTYPE item) {
    wchar_t buffer[16]; // the monetary separators hold at most three characters
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, buffer, int(std::size(buffer)));
    if (length <= 0)
        return std::nullopt;
    return QString::fromWCharArray(buffer, length - 1);
}

#else

// Owns a locale object built from the environment.
class EnvironmentLocale {
public:
    EnvironmentLocale() : handle_(newlocale(LC_MONETARY_MASK | LC_NUMERIC_MASK, "", locale_t(nullptr))) {}
    ~EnvironmentLocale() {
        if (handle_ != locale_t(nullptr))
            freelocale(handle_);
    }
    EnvironmentLocale(const EnvironmentLocale&) = delete;
    EnvironmentLocale& operator=(const EnvironmentLocale&) = delete;

    bool loaded() const { return handle_ != locale_t(nullptr); }

    // One item of the locale as text, decoded from the character set of the
    // category it belongs to (the categories may come from different locales).
    QString item(nl_item which, nl_item codesetItem) const {
        const char* raw = nl_langinfo_l(which, handle_);
        if (raw == nullptr)
            return {};
        const QByteArray bytes(raw);
        const QByteArray codeset(nl_langinfo_l(codesetItem, handle_));
        if (bytes.isEmpty() || codeset.isEmpty() || codeset.compare("UTF-8", Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(bytes);
        QStringDecoder decoder(codeset.constData());
        if (!decoder.isValid())
            return QString::fromUtf8(bytes);
        return decoder.decode(bytes);
    }

private:
    locale_t handle_;
};

// The locale name that rules the monetary category, as the C library picks it.
QString monetaryLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_MONETARY", "LANG"}) {
        QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return {};
}

#endif

} // namespace

RegionalSettings RegionalSettings::turkish() {
    return {QStringLiteral(","), QStringLiteral(".")};
}

RegionalSettings RegionalSettings::english() {
    return {QStringLiteral("."), QStringLiteral(",")};
}

std::optional<RegionalSettings> SeparatorsKnownToQt(const QString& localeName) {
    // "tr_TR.UTF-8@euro": the language and territory before the character set and modifier.
    const QString base = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (base.isEmpty())
        return std::nullopt;
    const QLocale locale(base);
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
        return std::nullopt;
    // Qt answers a known language with an unknown territory ("tr_XX") by its
    // main territory; that is not the locale the user named.
    const QString territory = base.section(QLatin1Char('_'), 1, 1);
    if (!territory.isEmpty() &&
        QLocale::territoryToCode(locale.territory()).compare(territory, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    // Qt's locale data holds the number separators only: it has no monetary
    // separators of their own (its currency texts are written with the number
    // separators too), so the number separators stand in for the monetary ones.
    return RegionalSettings{locale.decimalPoint(), locale.groupSeparator()};
}

#ifdef Q_OS_WIN

std::optional<RegionalSettings> ReadRegionalSeparators() {
    const std::optional<QString> decimal = UserLocaleItem(LOCALE_SMONDECIMALSEP);
    const std::optional<QString> thousands = UserLocaleItem(LOCALE_SMONTHOUSANDSEP);
    if (!decimal || !thousands)
        return std::nullopt;
    return RegionalSettings{*decimal, *thousands};
}

#else

std::optional<RegionalSettings> ReadRegionalSeparators() {
    const EnvironmentLocale environment;
    if (!environment.loaded())
        return SeparatorsKnownToQt(monetaryLocaleName());

    RegionalSettings settings;
    settings.decimalSeparator = environment.item(MON_DECIMAL_POINT, _NL_MONETARY_CODESET);
    settings.thousandsSeparator = environment.item(MON_THOUSANDS_SEP, _NL_MONETARY_CODESET);
    // The plain POSIX locale defines no monetary separators at all; without a
    // decimal separator no decimal could be typed, so the number separators
    // of the same locale stand in.
    if (settings.decimalSeparator.isEmpty() && settings.thousandsSeparator.isEmpty()) {
        settings.decimalSeparator = environment.item(DECIMAL_POINT, _NL_NUMERIC_CODESET);
        settings.thousandsSeparator = environment.item(THOUSANDS_SEP, _NL_NUMERIC_CODESET);
    }
    return settings;
}

#endif

} // namespace zendaro
