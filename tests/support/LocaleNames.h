#pragma once

#include <QByteArray>
#include <clocale>

namespace zendaro::test {

#ifdef Q_OS_WIN

// Windows gives the regional settings of the user, not of a locale name: no
// locale name is missing there.
inline QByteArray turkishLocaleTheCLibraryLacks() {
    return {};
}

#else

// True when the C library can load the locale for numbers and money.
inline bool localeLoadable(const char* name) {
    locale_t l = newlocale(LC_MONETARY_MASK | LC_NUMERIC_MASK, name, locale_t(nullptr));
    if (l == locale_t(nullptr))
        return false;
    freelocale(l);
    return true;
}

// A Turkish locale name that Qt's locale data knows but the C library of this
// machine cannot load (never generated here); empty on a machine that has
// every one of them.
inline QByteArray turkishLocaleTheCLibraryLacks() {
    for (const char* name : {"tr_TR.UTF-8", "tr_CY.UTF-8", "tr_TR.ISO-8859-9", "tr_TR"})
        if (!localeLoadable(name))
            return name;
    return {};
}

#endif

} // namespace zendaro::test
