#include "TurkishCollation.h"

#include <QCollator>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>

namespace zendaro {

namespace {

const QCollator& turkishCollator() {
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Turkish, QLocale::Turkey)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    return collator;
}

// SQLite hands both texts over as UTF-16 in the machine's byte order, with
// their lengths in bytes.
int compareUtf16(void*, int lengthA, const void* a, int lengthB, const void* b) {
    const QStringView left(static_cast<const char16_t*>(a), lengthA / 2);
    const QStringView right(static_cast<const char16_t*>(b), lengthB / 2);
    return CompareTurkish(left, right);
}

} // namespace

int CompareTurkish(QStringView a, QStringView b) {
    const int order = turkishCollator().compare(a, b);
    if (order != 0)
        return order;
    return a.compare(b, Qt::CaseSensitive);
}

bool RegisterTurkishCollation(const QSqlDatabase& db) {
    if (!db.isOpen() || db.driver() == nullptr)
        return false;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData());
    if (connection == nullptr)
        return false;
    return sqlite3_create_collation_v2(connection, kTurkishCollation, SQLITE_UTF16, nullptr, compareUtf16,
                                       nullptr) == SQLITE_OK;
}

} // namespace zendaro
