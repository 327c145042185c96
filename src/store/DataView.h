#pragma once

#include "StoreError.h"

#include <QObject>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>

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

    // The database file. The file must exist: a view never creates it.
    void SetDatabaseName(const QString& path);
    QString DatabaseName() const { return databaseName_; }

    // The query text; takes effect at the next Refresh. Typed values travel in
    // `values`, bound to the `?` placeholders of the text, never spliced into it.
    // The empty text followed by Refresh leaves the view with no rows.
    void SetRecordSource(const QString& query, const QVariantList& values = {});
    QString RecordSource() const { return recordSource_; }

    // Runs the query: every matching row in the query's order; the first row
    // becomes current, or there is no current row when the result is empty.
    void Refresh();

    int RecordCount() const { return static_cast<int>(rows_.size()); }
    bool AtBOF() const; // no current row, before the first row (or empty)
    bool AtEOF() const; // no current row, after the last row (or empty)

    void MoveFirst();
    void MoveNext();
    void MoveLast();

    // Makes the first row (in the view's order) that meets the criterion
    // current; the criterion is evaluated by the store itself, with the same
    // comparison rules as the view's own query. Returns false (and leaves the
    // current row as it was) when no row meets it.
    bool FindFirst(const QString& criterion, const QVariantList& values = {});

    // Field of the current row, or of the pending row between AddNew/Edit and
    // Update. Names are matched without regard to letter case.
    QVariant Field(const QString& name) const;
    void SetField(const QString& name, const QVariant& value);

    void AddNew();  // opens a new pending row; the current row does not change
    void Edit();    // opens the current row for change
    void Update();  // stores the pending row; a new row receives its id
    void Delete();  // removes the current row at once; no current row until the next move
    void CancelUpdate();

    // For grids: rows in the view's order and the current position
    // (-1 when there is no current row).
    const QVector<QSqlRecord>& Rows() const { return rows_; }
    QStringList FieldNames() const;
    int CurrentRow() const;
    void SetCurrentRow(int row);

    // The name of the shared connection (for StoreTransaction).
    QString ConnectionName() const;

signals:
    void rowsReset();              // after Refresh, Delete and Update of a new row
    void currentRowChanged(int);   // the current row moved
    void rowChanged(int);          // the values of one row changed in place (Update after Edit)

private:
    QString databaseName_;
    QString recordSource_;
    QVariantList sourceValues_;
    QVector<QSqlRecord> rows_;
    int current_ = -1;         // index into rows_, or -1
    bool afterLast_ = false;   // with current_ == -1: the position is after the last row
    enum class Pending { None, New, Changed } pending_ = Pending::None;
    QSqlRecord pendingRow_;
    std::shared_ptr<StoreConnection> connection_;
};

} // namespace zendaro
