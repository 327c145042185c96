#include "RegionalSettings.h"

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

} // namespace

RegionalSettings RegionalSettings::turkish() {
    return {QStringLiteral(","), QStringLiteral("."), QLocale(QLocale::Turkish, QLocale::Turkey)};
}

RegionalSettings RegionalSettings::english() {
    return {QStringLiteral("."), QStringLiteral(","), QLocale(QLocale::English, QLocale::UnitedStates)};
}

std::optional<RegionalSettings> ReadRegionalSeparators() {
    const EnvironmentLocale environment;
    if (!environment.loaded())
        return std::nullopt;

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
    settings.locale = QLocale::system();
    return settings;
}

} // namespace zendaro
