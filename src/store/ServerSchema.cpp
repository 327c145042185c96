#include "ServerSchema.h"

#include "EngineSql.h"
#include "StoreConnection.h"
#include "StoreError.h"

#include <QHash>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace zendaro {

const QStringList& ScaleTableStatements() {
    static const QStringList statements = {
        QStringLiteral("CREATE TABLE dornela_olcek ("
                       "id INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "olcek_adi TEXT NOT NULL COLLATE NOCASE, "
                       "egitim_duzeyi TEXT NOT NULL, "
                       "max_GN REAL, min_GN REAL, max_KN REAL, min_KN REAL)"),
        QStringLiteral("CREATE TABLE dornela_notlar ("
                       "id INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "olcek_id INTEGER NOT NULL, "
                       "harf_notu TEXT NOT NULL COLLATE NOCASE, "
                       "sayisal_not REAL NOT NULL, "
                       "durum TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE diger_olcek ("
                       "id INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "olcek_adi TEXT NOT NULL COLLATE NOCASE, "
                       "not_sistemi TEXT NOT NULL, "
                       "Max_GN REAL, Min_GN REAL, Max_KN REAL, Min_KN REAL, "
                       "Gecer_Not_Sayisi INTEGER, Kalir_Not_Sayisi INTEGER)"),
        QStringLiteral("CREATE TABLE diger_notlar ("
                       "id INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "olcek_id INTEGER NOT NULL, "
                       "harf_notu TEXT NOT NULL COLLATE NOCASE, "
                       "sayisal_not REAL NOT NULL, "
                       "durum TEXT NOT NULL, "
                       "adim_no INTEGER)"),
        QStringLiteral("CREATE INDEX dornela_notlar_olcek ON dornela_notlar (olcek_id)"),
        QStringLiteral("CREATE INDEX diger_notlar_olcek_harf ON diger_notlar (olcek_id, harf_notu)"),
    };
    return statements;
}

QStringList FileSpelling(const QString& query, const QStringList& names) {
    static const QRegularExpression from(QStringLiteral("\\bFROM\\s+([A-Za-z_][A-Za-z0-9_]*)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString table = from.match(query).captured(1);
    if (table.isEmpty())
        return names;
    // Views refresh often with the same few queries: each is spelled once.
    static QHash<QString, QStringList> known;
    const QString key = table + QLatin1Char('|') + names.join(QLatin1Char(','));
    if (const auto it = known.constFind(key); it != known.constEnd())
        return *it;
    const QString head = QStringLiteral("CREATE TABLE %1 (").arg(table);
    QStringList spelled = names;
    for (const QString& statement : ScaleTableStatements()) {
        if (!statement.startsWith(head, Qt::CaseInsensitive))
            continue;
        for (QString& name : spelled) {
            const QRegularExpression column(
                QStringLiteral("[(,]\\s*(%1)\\s").arg(QRegularExpression::escape(name)),
                QRegularExpression::CaseInsensitiveOption);
            const QRegularExpressionMatch match = column.match(statement);
            if (match.hasMatch())
                name = match.captured(1);
        }
    }
    known.insert(key, spelled);
    return spelled;
}

void CreateScaleTables(StoreConnection& connection) {
    if (connection.engine() != StoreEngine::PostgreSQL)
        throw StoreError(QStringLiteral("Tablolar yalnızca bir veritabanı sunucusunda kurulur."));
    QSqlQuery probe(connection.database());
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM information_schema.tables "
                                   "WHERE table_schema = current_schema() AND table_name IN "
                                   "('dornela_olcek', 'dornela_notlar', 'diger_olcek', 'diger_notlar')")) ||
        !probe.next())
        throw StoreError(StoreErrorText(probe.lastError()));
    if (probe.value(0).toInt() > 0)
        throw StoreError(QStringLiteral("Sunucudaki veritabanında ZENDARO'nun tabloları zaten var; "
                                        "hiçbir şey değiştirilmedi."));
    connection.begin();
    try {
        for (const QString& statement : ServerPrerequisites())
            connection.exec(statement);
        for (const QString& statement : ScaleTableStatements())
            connection.exec(EngineDdl(connection.engine(), statement));
        connection.commit();
    } catch (...) {
        connection.rollback();
        throw;
    }
}

void AlignIdSequences(StoreConnection& connection, const QHash<QString, qint64>& handedOut) {
    if (connection.engine() != StoreEngine::PostgreSQL)
        return;
    QSqlQuery identities(connection.database());
    if (!identities.exec(QStringLiteral("SELECT table_name, column_name FROM information_schema.columns "
                                        "WHERE table_schema = current_schema() AND is_identity = 'YES'")))
        throw StoreError(StoreErrorText(identities.lastError()));
    QStringList statements;
    while (identities.next()) {
        const QString table = identities.value(0).toString();
        const QString column = identities.value(1).toString();
        // setval(…, n, false) makes the next id n; an empty table starts at 1.
        statements << QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), "
                                     "GREATEST(COALESCE((SELECT max(%2) FROM %1), 0), %3) + 1, false)")
                          .arg(table, column)
                          .arg(std::max<qint64>(handedOut.value(table), 0));
    }
    for (const QString& statement : statements) {
        QSqlQuery align(connection.database());
        if (!align.exec(statement))
            throw StoreError(StoreErrorText(align.lastError()));
    }
}

bool ServerHasScaleTables(StoreConnection& connection) {
    // The catalog lists tables the role may not read as well: a role without
    // rights is then told so, not sent to make the tables again.
    QSqlQuery probe(connection.database());
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM pg_catalog.pg_tables "
                                   "WHERE schemaname = current_schema() AND tablename IN "
                                   "('dornela_olcek', 'dornela_notlar', 'diger_olcek', 'diger_notlar')")) ||
        !probe.next())
        throw StoreError(StoreErrorText(probe.lastError()));
    return probe.value(0).toInt() == 4;
}

} // namespace zendaro
