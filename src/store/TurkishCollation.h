#pragma once

#include <QStringView>

class QSqlDatabase;

namespace zendaro {

// The name of the collation that orders scale names as a Turkish reader
// expects; the ordering queries name it ("order by olcek_adi COLLATE turkce").
inline constexpr char kTurkishCollation[] = "turkce";

// Turkish alphabetical order, ignoring letter case the Turkish way: C < Ç < D,
// G < Ğ < H, ı < i, O < Ö < P, S < Ş < T, U < Ü < V; "I" pairs with "ı" and "İ"
// with "i". Texts equal but for letter case are ordered by their characters,
// so the order is the same on every run. Negative, zero or positive.
int CompareTurkish(QStringView a, QStringView b);

// Registers the collation on an open SQLite connection of Qt's driver, so its
// queries can name it. The file itself never names it: the tables stay
// readable by any SQLite tool. Returns false when the connection is no open
// SQLite connection or the collation could not be registered.
bool RegisterTurkishCollation(const QSqlDatabase& db);

} // namespace zendaro
