#include "ScaleRevision.h"

#include "DataView.h"
#include "StoreConnection.h"

#include <QSqlQuery>
#include <QVariant>

namespace zendaro {

namespace {

void execute(QSqlQuery& query) {
    if (!query.exec())
        throw StoreError(StoreErrorText(query.lastError()));
}

bool hasCounters(StoreConnection& connection) {
    return connection.schemaVersion() >= kScaleCounterSchemaVersion;
}

// The counter of a scale; 0 when it has none.
qint64 revisionOf(StoreConnection& connection, const QString& table, qint64 id) {
    QSqlQuery& query = connection.prepared(
        QStringLiteral("SELECT surum FROM olcek_surumu WHERE olcek_tablosu = ? AND olcek_id = ?"));
    const StatementUse use(query);
    query.bindValue(0, table);
    query.bindValue(1, id);
    execute(query);
    const qint64 revision = query.next() ? query.value(0).toLongLong() : 0;
    if (query.lastError().isValid())
        throw StoreError(StoreErrorText(query.lastError()));
    return revision;
}

// Runs a counter statement; returns whether it changed a row.
bool changedRow(StoreConnection& connection, const QString& sql, const QVariantList& values) {
    QSqlQuery& query = connection.prepared(sql);
    const StatementUse use(query);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    execute(query);
    return query.numRowsAffected() > 0;
}

bool scaleStored(StoreConnection& connection, const QString& table, qint64 id) {
    QSqlQuery& query = connection.prepared(QStringLiteral("SELECT count(*) FROM %1 WHERE id = ?").arg(table));
    const StatementUse use(query);
    query.bindValue(0, id);
    execute(query);
    return query.next() && query.value(0).toLongLong() > 0;
}

} // namespace

QString ScaleChangedBeforeSaveText() {
    return QStringLiteral("Bu ölçek, siz üzerinde çalışırken başka bir kullanıcı tarafından değiştirilmiş. "
                          "Değişiklikleriniz kaydedilmedi; ölçeğin kayıtlı hali olduğu gibi duruyor. Ölçeğin "
                          "şimdiki hali gösteriliyor: değişikliklerinize hâlâ gerek varsa onları bu hal "
                          "üzerinde yeniden yapıp kaydediniz.");
}

QString ScaleDeletedBeforeSaveText() {
    return QStringLiteral("Bu ölçek, siz üzerinde çalışırken başka bir kullanıcı tarafından silinmiş. "
                          "Değişiklikleriniz kaydedilmedi. Ölçek listesi şimdiki haliyle gösteriliyor: "
                          "ölçeğe hâlâ gerek varsa “Ölçek Ekle” ile yeniden giriniz.");
}

QString ScaleChangedBeforeDeleteText() {
    return QStringLiteral("Bu ölçek, ekranda gösterildiğinden bu yana başka bir kullanıcı tarafından "
                          "değiştirilmiş; silinmedi. Ölçeğin şimdiki hali gösteriliyor: yine de silmek "
                          "istiyorsanız “Ölçeği Sil” ile yeniden deneyiniz.");
}

QString ScaleDeletedBeforeDeleteText() {
    return QStringLiteral("Bu ölçek başka bir kullanıcı tarafından zaten silinmiş. Ölçek listesi şimdiki "
                          "haliyle gösteriliyor.");
}

QString ScaleGoneText() {
    return QStringLiteral("Seçtiğiniz ölçek başka bir kullanıcı tarafından silinmiş. Ölçek listesi şimdiki "
                          "haliyle gösteriliyor.");
}

ShownScale ReadShownScale(DataView& scales) {
    if (scales.CurrentRow() < 0)
        throw StoreError(QStringLiteral("Geçerli kayıt yok."));
    const qint64 id = scales.Field(QStringLiteral("id")).toLongLong();
    const auto connection = StoreConnection::Acquire(scales.DatabaseName());
    // The revision first, then the row: never a revision newer than the values.
    const qint64 revision = hasCounters(*connection) ? revisionOf(*connection, scales.TableName(), id) : 0;
    if (!scales.RereadCurrentRow())
        throw ScaleConflict(ScaleGoneText());
    return ShownScale(id, revision);
}

void ClaimShownScale(DataView& scales, const ShownScale& shown, ScaleWrite write) {
    const auto connection = StoreConnection::Acquire(scales.DatabaseName());
    if (!hasCounters(*connection))
        return;
    const QString table = scales.TableName();
    // The counter is raised only from the revision shown. A scale at 0 has no
    // row yet: a clerk who adds it at the same moment makes this insert do
    // nothing (on a server, after waiting for that clerk's transaction).
    const bool claimed =
        changedRow(*connection,
                   QStringLiteral("UPDATE olcek_surumu SET surum = surum + 1 "
                                  "WHERE olcek_tablosu = ? AND olcek_id = ? AND surum = ?"),
                   {table, shown.id(), shown.revision()}) ||
        (shown.revision() == 0 &&
         changedRow(
             *connection,
             QStringLiteral("INSERT INTO olcek_surumu (olcek_tablosu, olcek_id, surum) VALUES (?, ?, 1) "
                            "ON CONFLICT DO NOTHING"),
             {table, shown.id()}));
    if (claimed && scaleStored(*connection, table, shown.id()))
        return;
    const bool deleted = !scaleStored(*connection, table, shown.id());
    if (write == ScaleWrite::Save)
        throw ScaleConflict(deleted ? ScaleDeletedBeforeSaveText() : ScaleChangedBeforeSaveText());
    throw ScaleConflict(deleted ? ScaleDeletedBeforeDeleteText() : ScaleChangedBeforeDeleteText());
}

} // namespace zendaro
