#pragma once

#include <QString>

namespace zendaro {

// The engine that holds the data: the file donustur.evk (SQLite) or a
// PostgreSQL server shared by several clerks.
enum class StoreEngine { SQLite, PostgreSQL };

// Where the data lives, as the text every data view is given as its database
// name: a file path, or a server address
//   postgresql:///DATABASE?host=HOST&port=PORT&user=ROLE
// (host may be a socket folder; every part but the database may be left out,
// libpq then uses its own defaults and PG* variables). No password is ever
// part of an address.
struct StoreAddress {
    StoreEngine engine = StoreEngine::SQLite;
    QString file; // SQLite
    QString host; // PostgreSQL
    int port = 0; // 0: libpq's default
    QString database;
    QString user;

    static StoreAddress Parse(const QString& text);
    static StoreAddress Server(const QString& host, int port, const QString& database, const QString& user);
    // The address as text (a file's path as it stands).
    QString text() const;
    // What a user reads: the file's path, or "PostgreSQL: DATABASE (HOST)".
    QString description() const;
};

} // namespace zendaro
