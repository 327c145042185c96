#pragma once

#include <QHash>
#include <QStringList>

namespace zendaro {

class StoreConnection;

// The four scale tables and their indexes, as the file donustur.evk holds
// them (in SQLite's form; StoreConnection::exec gives the engine's).
const QStringList& ScaleTableStatements();

// The names of a query's result columns as the file spells them: a server
// gives the unquoted names of its tables in small letters (max_gn for the
// file's max_GN). Names of the first table the query reads from are looked
// up in ScaleTableStatements; the rest stay as they are.
QStringList FileSpelling(const QString& query, const QStringList& names);

// Makes the scale tables in an empty server database, with what they need
// there first (the case-insensitive text type, the Turkish collation), in
// one transaction. Refuses a database that holds any of them already.
// Throws StoreError.
void CreateScaleTables(StoreConnection& connection);

// After rows were written with their ids given (a copy between stores, a test
// fixture): each id column of the server database continues after the highest
// id its table holds, as AUTOINCREMENT does in a file, so the next new row
// never meets an id in use. `handedOut` may name, by table, the highest id
// the rows came from ever handed out (a file's sqlite_sequence): ids of rows
// deleted there are not handed out again either. Nothing to do in a file.
// Throws StoreError.
void AlignIdSequences(StoreConnection& connection, const QHash<QString, qint64>& handedOut = {});

// Whether the server database holds the four scale tables (what
// `zendaro --sunucu-kur` makes). Throws StoreError.
bool ServerHasScaleTables(StoreConnection& connection);

} // namespace zendaro
