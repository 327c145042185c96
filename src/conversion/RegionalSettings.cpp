#include "RegionalSettings.h"

#include <QLocale>
#include <QStringDecoder>
#include <clocale>
#include <langinfo.h>

namespace zendaro {

namespace {

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

} // namespace zendaro
