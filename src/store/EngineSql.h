#pragma once

#include "StoreAddress.h"

#include <QString>
#include <QVariantList>

namespace zendaro {

// Where SQLite and PostgreSQL differ in SQL, the PostgreSQL form of the texts
// the store is written in (SQLite's forms, which stay as they are).
//
// Tables: ids grow and are never reused (AUTOINCREMENT; an identity column
// on the server); INTEGER is 64 bits and REAL a double on both. A text SQLite
// compares without regard to ASCII letter case (COLLATE NOCASE) is compared
// on the server through zendaro_nocase(), which makes the 26 ASCII capitals
// small and nothing else, whatever the server's locale. The Turkish order
// (COLLATE turkce) is the server collation "turkce": ICU's Turkish rules,
// capitals first among names that differ in letter case alone, as the
// program's own collation orders them on SQLite.

// A CREATE TABLE/INDEX text in the engine's form.
QString EngineDdl(StoreEngine engine, const QString& sql);

// A query or statement text in the engine's form.
QString EngineStatement(StoreEngine engine, const QString& sql);

// A file keeps any text; a server's text cannot hold the character U+0000
// (its driver would cut the text there). Throws StoreError, before anything
// is written, when a text among `values` is to go to a server with one.
void RequireStorableTexts(StoreEngine engine, const QVariantList& values);

// What a server database needs before its tables: the case-insensitive text
// type and the Turkish collation. Each statement may run again harmlessly.
QStringList ServerPrerequisites();

} // namespace zendaro
