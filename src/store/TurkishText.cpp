#include "TurkishText.h"

#include <QLocale>
#include <optional>

namespace zendaro {

namespace {

// The Turkish capital of a letter whose capital is one letter and which the
// status words and modes are written in: the ASCII letters (i → İ) and the
// Turkish ones (ı → I). Nothing for any other letter.
std::optional<char16_t> simpleTurkishCapital(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) {
        if (u == u'i')
            return u'\u0130';
        if (u >= u'a' && u <= u'z')
            return static_cast<char16_t>(u - u'a' + u'A');
        return u;
    }
    switch (u) {
    case u'\u0131': // ı
        return u'I';
    case u'\u00e7': // ç
        return u'\u00c7';
    case u'\u011f': // ğ
        return u'\u011e';
    case u'\u00f6': // ö
        return u'\u00d6';
    case u'\u015f': // ş
        return u'\u015e';
    case u'\u00fc': // ü
        return u'\u00dc';
    case u'\u00c7':
    case u'\u011e':
    case u'\u0130':
    case u'\u00d6':
    case u'\u015e':
    case u'\u00dc':
        return u;
    default:
        return std::nullopt;
    }
}

} // namespace

QString FoldCaseTr(const QString& text) {
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    // i and ı take their Turkish capitals first: Qt's locale knows them only
    // where Qt is built with ICU (not on Windows).
    QString capitalsOfI = text;
    capitalsOfI.replace(u'i', u'\u0130').replace(u'\u0131', u'I');
    QString folded = turkish.toUpper(capitalsOfI);
    // "i̇" (i and a combining dot above: "İ" made small by other languages'
    // rules) is the letter i as well.
    folded.replace(QStringLiteral("\u0130\u0307"), QStringLiteral("\u0130"));
    return folded;
}

bool EqualsIgnoringCaseTr(const QString& a, const QString& b) {
    // Texts of ASCII and Turkish letters are compared letter by letter (the
    // conversion compares a status for every grade it converts); any other
    // letter goes through the Turkish locale's capitals.
    if (a.size() == b.size()) {
        bool simple = true;
        for (qsizetype i = 0; i < a.size() && simple; ++i) {
            const auto x = simpleTurkishCapital(a.at(i));
            const auto y = simpleTurkishCapital(b.at(i));
            if (!x || !y)
                simple = false;
            else if (*x != *y)
                return false;
        }
        if (simple)
            return true;
    }
    return FoldCaseTr(a) == FoldCaseTr(b);
}

} // namespace zendaro
