#pragma once

#include "StoreError.h"

#include <QObject>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>
#include <utility>

class QSqlQuery;

namespace zendaro {

class StoreConnection;

// A query on the database file with its result rows and one current row: the
// recordset the windows read and write scales through. Operation names follow
// the recordset vocabulary the windows are written in (Refresh, MoveFirst,
// FindFirst, AddNew, Edit, Update, Delete).
//
// Every view on the same file shares one connection, so a save that touches a
// scale view and a grade view can run in one transaction (see StoreTransaction).
// Failures throw StoreError with the store's own text.
class DataView : public QObject {
    Q_OBJECT
public:
    explicit DataView(QObject* parent = nullptr);
    ~DataView() override;

    // The database file. The file must exist: a view never creates it. The
    // file is opened at the first operation that needs it (Refresh, a write,
    // FindFirst); a missing or unreadable file throws StoreError there.
    void SetDatabaseName(const QString& path);
    QString DatabaseName() const { return databaseName_; }

    // The query text; takes effect at the next Refresh. Typed values travel in
    // `values`, bound to the `?` placeholders of the text, never spliced into it.
    // The empty text followed by Refresh leaves the view with no rows.
    void SetRecordSource(const QString& query, const QVariantList& values = {});
    QString RecordSource() const { return recordSource_; }
    QVariantList RecordSourceValues() const { return sourceValues_; }

    // Runs the query: every matching row in the query's order; the first row
    // becomes current, or there is no current row when the result is empty.
    // A pending AddNew/Edit is dropped.
    void Refresh();

    int RecordCount() const { return static_cast<int>(rows_.size()); }
    bool AtBOF() const; // no current row, before the first row (or empty)
    bool AtEOF() const; // no current row, after the last row (or empty)

    // Moves drop a pending AddNew/Edit. On an empty view they leave BOF and
    // EOF true. MoveNext after the last row (or after a Delete of the last
    // row) leaves EOF true; after a Delete it goes to the row that followed
    // the deleted one.
    void MoveFirst();
    void MoveNext();
    void MoveLast();

    // Makes the first row (in the view's order) that meets the criterion
    // current; the criterion is evaluated by the store itself, with the same
    // comparison rules as the view's own query. Returns false (and leaves the
    // current row as it was) when no row meets it.
    bool FindFirst(const QString& criterion, const QVariantList& values = {});

    // Field of the current row, or of the pending row between AddNew/Edit and
    // Update. Names are matched without regard to letter case. Throws
    // StoreError for an unknown name, when there is no current row, or (for
    // SetField) when no row is pending; `id` is assigned by the store and
    // cannot be set.
    QVariant Field(const QString& name) const;
    void SetField(const QString& name, const QVariant& value);

    void AddNew(); // opens a new pending row; the current row does not change
    void Edit();   // opens the current row for change
    // Stores the pending row (INSERT or UPDATE on the table named after FROM
    // in the query, by id, values bound) and returns its id. A new row receives
    // its id and is added at the end of the rows; the current row does not
    // move. After an Edit the changed row stays current.
    qint64 Update();
    // Adds rows at the end as AddNew, SetField of each of `fields` and Update
    // would, one row after another: each receives its id, the current row
    // does not move. On a server many rows go in one statement (a statement
    // per row would cost a round trip each).
    void AddRows(const QStringList& fields, const QVector<QVariantList>& rows);
    void Delete(); // removes the current row at once; no current row until the next move
    // Removes every row the view holds from the file at once and leaves the
    // view empty (BOF and EOF true).
    void DeleteAll();
    // Refresh followed by DeleteAll, without reading the rows: removes every
    // row the query returns and leaves the view empty, its fields known.
    void RefreshAndDeleteAll();
    // Takes the rows the view holds as its query's result, the first row
    // current, as Refresh would give them, without reading them again. Only
    // for a procedure that, in one transaction, emptied the view and then
    // added through it exactly the rows its query returns, in its order, with
    // values of the kinds the store gives back.
    void AcceptHeldRows();
    // Reads the current row again from the store (by its id, through the
    // view's own query) and emits rowChanged. Returns false, leaving the row
    // as it was, when the store no longer holds it.
    bool RereadCurrentRow();
    // The table the view writes: the one named after FROM in its query.
    QString TableName() const;
    void CancelUpdate();
    bool IsPending() const { return pending_ != Pending::None; }

    // For grids: rows in the view's order and the current position
    // (-1 when there is no current row).
    const QVector<QSqlRecord>& Rows() const { return rows_; }
    QStringList FieldNames() const;
    int CurrentRow() const;
    void SetCurrentRow(int row); // -1 leaves no current row (before the first)

    // The name of the shared connection (opens it when needed).
    QString ConnectionName() const;

signals:
    void rowsReset();            // after Refresh, Delete and Update of a new row
    void currentRowChanged(int); // the current row moved
    void rowChanged(int);        // the values of one row changed in place (Update after Edit)

private:
    friend class StoreTransaction;
    std::shared_ptr<StoreConnection> connection() const; // opened on first use
    int fieldIndex(const QString& name) const;           // -1 when unknown
    int requireField(const QString& name) const;         // throws for an unknown name
    const QString& writeTable() const;                   // the table named after FROM, quoted
    void setPosition(int current, bool afterLast);
    void dropPending();
    void invalidateIdIndex() { idIndexValid_ = false; }
    void bindPending(QSqlQuery& query) const; // the written fields of the pending row, in field order
    void loaded(const QSqlRecord& layout,
                QVector<QSqlRecord> rows); // the result of the query; first row current

    QString databaseName_;
    QString recordSource_;
    QVariantList sourceValues_;
    QString loadedSource_; // the query (and values) that produced rows_
    QVariantList loadedValues_;
    QSqlRecord layout_;        // the field names of the last Refresh
    QStringList fieldNames_;   // the same names, for lookups
    QStringList spelledNames_; // as the file spells them (FieldNames)
    // Names as callers spell them, found before, with their index: a short
    // list, searched before the case-insensitive search of the fields.
    mutable QVector<std::pair<QString, int>> fieldLookups_;
    QVector<QSqlRecord> rows_;
    int current_ = -1;       // index into rows_, or -1
    bool afterLast_ = false; // with current_ == -1: the position is after the last row
    int deletedAt_ = -1;     // with current_ == -1: the index of the row that followed a deleted row
    enum class Pending { None, New, Changed } pending_ = Pending::None;
    QSqlRecord pendingRow_;
    QVector<bool> pendingSet_; // which fields of the pending row were written
    mutable QHash<qint64, int> idIndex_;
    mutable bool idIndexValid_ = false;
    // Statement texts, built once for the query and fields they were made for
    // (the connection keeps the statements themselves prepared).
    mutable QString writeTable_;
    QVector<bool> insertFields_;
    QString insertSql_;
    QVector<bool> updateFields_;
    QString updateSql_;
    QString findCriterion_;
    QString findSql_;
    mutable std::shared_ptr<StoreConnection> connection_;
};

} // namespace zendaro
