#include "DataView.h"

#include "EngineSql.h"
#include "ServerSchema.h"
#include "StoreConnection.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlField>
#include <QSqlQuery>

#include <algorithm>

namespace zendaro {

namespace {

const QString kIdField = QStringLiteral("id");

QString noCurrentRowText() {
    return QStringLiteral("Geçerli kayıt yok.");
}

void bindAll(QSqlQuery& query, const QVariantList& values, int first = 0) {
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(first + i, values.at(i));
}

// Binds a value unless the same value of the same kind is bound there
// already: a kept statement keeps its values from one use to the next, and
// binding costs about as much as storing a row (rows saved one after another
// share their scale and mostly their status).
void bindChanged(QSqlQuery& query, int position, const QVariant& value) {
    const QVariant bound = query.boundValue(position);
    if (bound.metaType() != value.metaType() || bound.isNull() != value.isNull() || bound != value)
        query.bindValue(position, value);
}

// A value as read: the server's driver gives a BIGINT that is not negative
// as an unsigned number; the store's whole numbers are signed, as a file
// gives them.
QVariant storeValue(QVariant value) {
    if (value.typeId() == QMetaType::ULongLong)
        value = QVariant(value.toLongLong());
    return value;
}

// A view only reads: its query is one SELECT; writes go through Update and
// Delete. (A server would run a second statement after a ";" when the text
// is prepared, where a file refuses it.)
void requireSelect(const QString& query) {
    static const QRegularExpression select(QStringLiteral("^\\s*(SELECT|WITH)\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression quotedText(QStringLiteral("'[^']*'|\"[^\"]*\""));
    static const QRegularExpression secondStatement(QStringLiteral(";\\s*\\S"));
    if (!select.match(query).hasMatch() || QString(query).remove(quotedText).contains(secondStatement))
        throw StoreError(QStringLiteral("Görünümün sorgusu bir SELECT sorgusu değil: %1").arg(query));
}

QString quoted(const QString& identifier) {
    QString out = identifier;
    out.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

} // namespace

DataView::DataView(QObject* parent) : QObject(parent) {}

DataView::~DataView() = default;

void DataView::SetDatabaseName(const QString& path) {
    if (path == databaseName_)
        return;
    databaseName_ = path;
    connection_.reset();
}

void DataView::SetRecordSource(const QString& query, const QVariantList& values) {
    recordSource_ = query;
    sourceValues_ = values;
}

std::shared_ptr<StoreConnection> DataView::connection() const {
    if (!connection_)
        connection_ = StoreConnection::Acquire(databaseName_);
    return connection_;
}

QString DataView::ConnectionName() const {
    return connection()->name();
}

void DataView::Refresh() {
    dropPending();
    QVector<QSqlRecord> rows;
    QSqlRecord layout;
    if (!recordSource_.trimmed().isEmpty()) {
        requireSelect(recordSource_);
        QSqlQuery& query = connection()->prepared(recordSource_);
        const StatementUse use(query);
        bindAll(query, sourceValues_);
        if (!query.exec())
            throw StoreError(StoreErrorText(query.lastError()));
        layout = query.record();
        const int columns = layout.count();
        while (query.next()) {
            QSqlRecord row(layout);
            for (int i = 0; i < columns; ++i)
                row.setValue(i, storeValue(query.value(i)));
            rows.append(std::move(row));
        }
        if (query.lastError().isValid())
            throw StoreError(StoreErrorText(query.lastError()));
    }
    loaded(layout, std::move(rows));
}

void DataView::loaded(const QSqlRecord& layout, QVector<QSqlRecord> rows) {
    QStringList names;
    names.reserve(layout.count());
    for (int i = 0; i < layout.count(); ++i)
        names << layout.fieldName(i);
    if (recordSource_ != loadedSource_ || names != fieldNames_) {
        // Another table or other fields: the statement texts built for the
        // former ones no longer hold.
        writeTable_.clear();
        insertSql_.clear();
        updateSql_.clear();
        findSql_.clear();
        fieldNames_ = std::move(names);
        // What the view names them (the statements keep the store's names).
        spelledNames_ = connection()->engine() == StoreEngine::PostgreSQL
                            ? FileSpelling(recordSource_, fieldNames_)
                            : fieldNames_;
        fieldLookups_.clear();
    }
    loadedSource_ = recordSource_;
    loadedValues_ = sourceValues_;
    layout_ = layout;
    rows_ = std::move(rows);
    AcceptHeldRows();
}

void DataView::AcceptHeldRows() {
    dropPending();
    invalidateIdIndex();
    current_ = rows_.isEmpty() ? -1 : 0;
    afterLast_ = false;
    deletedAt_ = -1;
    emit rowsReset();
    emit currentRowChanged(current_);
}

void DataView::RefreshAndDeleteAll() {
    dropPending();
    if (recordSource_.trimmed().isEmpty()) {
        Refresh();
        return;
    }
    requireSelect(recordSource_);
    QSqlRecord layout;
    {
        // The fields of the query's result, its rows left unread.
        QSqlQuery& query = connection()->prepared(recordSource_);
        const StatementUse use(query);
        bindAll(query, sourceValues_);
        if (!query.exec())
            throw StoreError(StoreErrorText(query.lastError()));
        layout = query.record();
    }
    loaded(layout, {});
    const int idColumn = requireField(kIdField);
    QSqlQuery& erase = connection()->prepared(
        QStringLiteral("DELETE FROM %1 WHERE id IN (SELECT %2 FROM (%3) AS zendaro_view)")
            .arg(writeTable(), quoted(fieldNames_.at(idColumn)), loadedSource_));
    bool ok = false;
    QSqlError error;
    {
        const StatementUse use(erase);
        bindAll(erase, loadedValues_);
        ok = erase.exec();
        error = erase.lastError();
    }
    if (!ok)
        throw StoreError(StoreErrorText(error));
}

bool DataView::AtBOF() const {
    return rows_.isEmpty() || (current_ < 0 && deletedAt_ < 0 && !afterLast_);
}

bool DataView::AtEOF() const {
    return rows_.isEmpty() || (current_ < 0 && deletedAt_ < 0 && afterLast_);
}

void DataView::setPosition(int current, bool afterLast) {
    dropPending();
    const int before = current_;
    current_ = current;
    afterLast_ = current < 0 && afterLast;
    deletedAt_ = -1;
    if (before != current_)
        emit currentRowChanged(current_);
}

void DataView::MoveFirst() {
    setPosition(rows_.isEmpty() ? -1 : 0, false);
}

void DataView::MoveLast() {
    const int last = static_cast<int>(rows_.size()) - 1;
    setPosition(last, false);
}

void DataView::MoveNext() {
    if (rows_.isEmpty()) {
        setPosition(-1, false);
        return;
    }
    int next;
    if (current_ >= 0)
        next = current_ + 1;
    else if (deletedAt_ >= 0)
        next = deletedAt_;
    else if (afterLast_)
        next = static_cast<int>(rows_.size());
    else
        next = 0;
    if (next >= rows_.size())
        setPosition(-1, true);
    else
        setPosition(next, false);
}

int DataView::CurrentRow() const {
    return current_;
}

void DataView::SetCurrentRow(int row) {
    if (row < 0 || row >= rows_.size())
        setPosition(-1, false);
    else
        setPosition(row, false);
}

QStringList DataView::FieldNames() const {
    return spelledNames_;
}

int DataView::fieldIndex(const QString& name) const {
    // A conversion reads the same few fields of every row: each spelling is
    // looked up once while the view keeps its fields.
    for (const auto& [spelling, index] : fieldLookups_)
        if (spelling == name)
            return index;
    for (int i = 0; i < fieldNames_.size(); ++i) {
        if (fieldNames_.at(i).compare(name, Qt::CaseInsensitive) == 0) {
            fieldLookups_.append({name, i});
            return i;
        }
    }
    return -1;
}

int DataView::requireField(const QString& name) const {
    const int index = fieldIndex(name);
    if (index < 0)
        throw StoreError(QStringLiteral("Alan bulunamadı: %1").arg(name));
    return index;
}

bool DataView::FindFirst(const QString& criterion, const QVariantList& values) {
    if (rows_.isEmpty())
        return false;
    const int idColumn = requireField(kIdField);
    // The store evaluates the criterion on the view's own query, so the same
    // comparison rules (column types, collations) apply as in the query.
    if (findSql_.isEmpty() || criterion != findCriterion_) {
        findSql_ = QStringLiteral("SELECT %1 FROM (%2) AS zendaro_view WHERE %3")
                       .arg(quoted(layout_.fieldName(idColumn)), loadedSource_, criterion);
        findCriterion_ = criterion;
    }
    QSqlQuery& query = connection()->prepared(findSql_);
    const StatementUse use(query);
    bindAll(query, loadedValues_);
    bindAll(query, values, static_cast<int>(loadedValues_.size()));
    if (!query.exec())
        throw StoreError(StoreErrorText(query.lastError()));
    if (!idIndexValid_) {
        idIndex_.clear();
        idIndex_.reserve(rows_.size());
        for (int i = static_cast<int>(rows_.size()) - 1; i >= 0; --i)
            idIndex_.insert(rows_.at(i).value(idColumn).toLongLong(), i);
        idIndexValid_ = true;
    }
    int found = -1;
    while (query.next()) {
        const auto it = idIndex_.constFind(query.value(0).toLongLong());
        if (it != idIndex_.constEnd() && (found < 0 || *it < found))
            found = *it;
    }
    if (query.lastError().isValid())
        throw StoreError(StoreErrorText(query.lastError()));
    if (found < 0)
        return false;
    setPosition(found, false);
    return true;
}

QVariant DataView::Field(const QString& name) const {
    const int index = requireField(name);
    if (pending_ != Pending::None)
        return pendingRow_.value(index);
    if (current_ < 0)
        throw StoreError(noCurrentRowText());
    return rows_.at(current_).value(index);
}

void DataView::SetField(const QString& name, const QVariant& value) {
    const int index = requireField(name);
    if (pending_ == Pending::None)
        throw StoreError(QStringLiteral("Kayıt değiştirilmek için açılmadı (önce AddNew ya da Edit)."));
    if (name.compare(kIdField, Qt::CaseInsensitive) == 0)
        throw StoreError(QStringLiteral("\"id\" alanını veritabanı atar; yazılamaz."));
    pendingRow_.setValue(index, value);
    pendingSet_[index] = true;
}

void DataView::AddNew() {
    if (layout_.isEmpty())
        throw StoreError(QStringLiteral("Görünümün alanları yok; önce sorgu çalıştırılmalı."));
    pendingRow_ = layout_;
    pendingRow_.clearValues();
    pendingSet_.fill(false, layout_.count());
    pending_ = Pending::New;
}

void DataView::Edit() {
    if (current_ < 0)
        throw StoreError(noCurrentRowText());
    pendingRow_ = rows_.at(current_);
    pendingSet_.fill(false, layout_.count());
    pending_ = Pending::Changed;
}

void DataView::CancelUpdate() {
    dropPending();
}

void DataView::dropPending() {
    pending_ = Pending::None;
    pendingRow_ = QSqlRecord();
    pendingSet_.clear();
}

QString DataView::TableName() const {
    static const QRegularExpression from(QStringLiteral("\\bFROM\\s+([A-Za-z_][A-Za-z0-9_]*)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto match = from.match(loadedSource_);
    if (!match.hasMatch())
        throw StoreError(QStringLiteral("Bu görünümün sorgusu yazılacak tabloyu belirtmiyor."));
    return match.captured(1);
}

const QString& DataView::writeTable() const {
    if (writeTable_.isEmpty())
        writeTable_ = quoted(TableName());
    return writeTable_;
}

bool DataView::RereadCurrentRow() {
    if (current_ < 0)
        throw StoreError(noCurrentRowText());
    dropPending();
    const int idColumn = requireField(kIdField);
    QSqlQuery& query =
        connection()->prepared(QStringLiteral("SELECT * FROM (%1) AS zendaro_view WHERE %2 = ?")
                                   .arg(loadedSource_, quoted(fieldNames_.at(idColumn))));
    QSqlRecord row = rows_.at(current_);
    bool found = false;
    {
        const StatementUse use(query);
        bindAll(query, loadedValues_);
        query.bindValue(static_cast<int>(loadedValues_.size()), row.value(idColumn));
        if (!query.exec())
            throw StoreError(StoreErrorText(query.lastError()));
        found = query.next();
        if (found) {
            for (int i = 0; i < row.count(); ++i)
                row.setValue(i, query.value(i));
        } else if (query.lastError().isValid()) {
            throw StoreError(StoreErrorText(query.lastError()));
        }
    }
    if (!found)
        return false;
    rows_[current_] = row;
    emit rowChanged(current_);
    return true;
}

void DataView::bindPending(QSqlQuery& query) const {
    int position = 0;
    for (int i = 0; i < pendingSet_.size(); ++i) {
        if (pendingSet_.at(i))
            bindChanged(query, position++, pendingRow_.value(i));
    }
}

qint64 DataView::Update() {
    if (pending_ == Pending::None)
        throw StoreError(QStringLiteral("Kaydedilecek değişiklik yok (önce AddNew ya da Edit)."));
    const int written = static_cast<int>(std::count(pendingSet_.cbegin(), pendingSet_.cend(), true));
    auto store = connection();
    if (store->engine() == StoreEngine::PostgreSQL) {
        QVariantList texts;
        for (int i = 0; i < pendingSet_.size(); ++i)
            if (pendingSet_.at(i))
                texts << pendingRow_.value(i);
        RequireStorableTexts(store->engine(), texts);
    }
    qint64 id = 0;
    if (pending_ == Pending::New) {
        // One statement for every row written with the same fields.
        if (insertSql_.isEmpty() || insertFields_ != pendingSet_) {
            QStringList columns;
            for (int i = 0; i < pendingSet_.size(); ++i) {
                if (pendingSet_.at(i))
                    columns << quoted(fieldNames_.at(i));
            }
            insertSql_ = columns.isEmpty()
                             ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(writeTable())
                             : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(writeTable(), columns.join(QLatin1Char(',')),
                                        QStringList(written, QStringLiteral("?")).join(QLatin1Char(',')));
            insertFields_ = pendingSet_;
        }
        QSqlQuery& query = store->prepared(insertSql_);
        bool ok = false;
        QVariant newId;
        QSqlError error;
        {
            const StatementUse use(query);
            bindPending(query);
            ok = query.exec();
            if (ok)
                newId = query.lastInsertId();
            else
                error = query.lastError();
        }
        if (!ok)
            throw StoreError(StoreErrorText(error));
        id = newId.toLongLong();
        const int idColumn = fieldIndex(kIdField);
        if (idColumn >= 0)
            pendingRow_.setValue(idColumn, id);
        rows_.append(pendingRow_);
        invalidateIdIndex();
        dropPending();
        emit rowsReset();
        return id;
    }

    const int idColumn = requireField(kIdField);
    id = rows_.at(current_).value(idColumn).toLongLong();
    if (written > 0) {
        if (updateSql_.isEmpty() || updateFields_ != pendingSet_) {
            QStringList assignments;
            for (int i = 0; i < pendingSet_.size(); ++i) {
                if (pendingSet_.at(i))
                    assignments << quoted(fieldNames_.at(i)) + QStringLiteral("=?");
            }
            updateSql_ = QStringLiteral("UPDATE %1 SET %2 WHERE id=?")
                             .arg(writeTable(), assignments.join(QLatin1Char(',')));
            updateFields_ = pendingSet_;
        }
        QSqlQuery& query = store->prepared(updateSql_);
        bool ok = false;
        int affected = 0;
        QSqlError error;
        {
            const StatementUse use(query);
            bindPending(query);
            query.bindValue(written, id);
            ok = query.exec();
            if (ok)
                affected = query.numRowsAffected();
            else
                error = query.lastError();
        }
        if (!ok)
            throw StoreError(StoreErrorText(error));
        if (affected != 1)
            throw StoreError(
                QStringLiteral("Değiştirilecek kayıt veritabanında bulunamadı (id=%1).").arg(id));
    }
    rows_[current_] = pendingRow_;
    dropPending();
    emit rowChanged(current_);
    return id;
}

void DataView::AddRows(const QStringList& fields, const QVector<QVariantList>& rows) {
    auto store = connection();
    if (store->engine() == StoreEngine::SQLite) {
        // A file answers at once: one kept statement, a row at a time.
        for (const QVariantList& row : rows) {
            AddNew();
            for (int i = 0; i < fields.size(); ++i)
                SetField(fields.at(i), row.at(i));
            Update();
        }
        return;
    }
    if (layout_.isEmpty())
        throw StoreError(QStringLiteral("Görünümün alanları yok; önce sorgu çalıştırılmalı."));
    dropPending();
    QVector<int> columns;
    QStringList names;
    for (const QString& field : fields) {
        if (field.compare(kIdField, Qt::CaseInsensitive) == 0)
            throw StoreError(QStringLiteral("\"id\" alanını veritabanı atar; yazılamaz."));
        columns << requireField(field);
        names << quoted(fieldNames_.at(columns.last()));
    }
    const int idColumn = fieldIndex(kIdField);
    const QString rowPlaces = QLatin1Char('(') +
                              QStringList(fields.size(), QStringLiteral("?")).join(QLatin1Char(',')) +
                              QLatin1Char(')');
    // Well below the server's limit of 65,535 values a statement.
    const int perStatement = std::max(1, 5000 / std::max(1, static_cast<int>(fields.size())));
    const int count = static_cast<int>(rows.size());
    for (int first = 0; first < count; first += perStatement) {
        const int batch = std::min(perStatement, count - first);
        QString sql =
            QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(writeTable(), names.join(QLatin1Char(','))) +
            QStringList(batch, rowPlaces).join(QLatin1Char(','));
        if (idColumn >= 0)
            sql += QStringLiteral(" RETURNING ") + quoted(fieldNames_.at(idColumn));
        QSqlQuery& query = store->prepared(sql);
        QVector<qint64> ids;
        QSqlError error;
        bool ok = false;
        {
            const StatementUse use(query);
            int position = 0;
            for (int row = first; row < first + batch; ++row) {
                for (const QVariant& value : rows.at(row))
                    query.bindValue(position++, value);
            }
            ok = query.exec();
            error = query.lastError();
            while (ok && query.next())
                ids << query.value(0).toLongLong();
        }
        if (!ok)
            throw StoreError(StoreErrorText(error));
        // A statement's rows take their ids in the order of its values.
        std::sort(ids.begin(), ids.end());
        for (int row = first; row < first + batch; ++row) {
            QSqlRecord record = layout_;
            record.clearValues();
            for (int i = 0; i < columns.size(); ++i)
                record.setValue(columns.at(i), rows.at(row).at(i));
            if (idColumn >= 0 && row - first < ids.size())
                record.setValue(idColumn, ids.at(row - first));
            rows_.append(std::move(record));
        }
    }
    invalidateIdIndex();
    emit rowsReset();
}

void DataView::Delete() {
    if (current_ < 0)
        throw StoreError(noCurrentRowText());
    dropPending();
    const int idColumn = requireField(kIdField);
    const qint64 id = rows_.at(current_).value(idColumn).toLongLong();
    QSqlQuery& query = connection()->prepared(QStringLiteral("DELETE FROM %1 WHERE id=?").arg(writeTable()));
    bool ok = false;
    QSqlError error;
    {
        const StatementUse use(query);
        query.bindValue(0, id);
        ok = query.exec();
        error = query.lastError();
    }
    if (!ok)
        throw StoreError(StoreErrorText(error));
    const int removed = current_;
    rows_.remove(removed);
    invalidateIdIndex();
    current_ = -1;
    afterLast_ = false;
    deletedAt_ = rows_.isEmpty() ? -1 : removed;
    emit rowsReset();
    emit currentRowChanged(-1);
}

void DataView::DeleteAll() {
    dropPending();
    if (rows_.isEmpty())
        return;
    const int idColumn = requireField(kIdField);
    // The held rows by their ids, many to a statement.
    constexpr int kIdsPerStatement = 500;
    auto store = connection();
    const int count = static_cast<int>(rows_.size());
    for (int first = 0; first < count; first += kIdsPerStatement) {
        const int ids = std::min(kIdsPerStatement, count - first);
        QSqlQuery& query = store->prepared(
            QStringLiteral("DELETE FROM %1 WHERE id IN (%2)")
                .arg(writeTable(), QStringList(ids, QStringLiteral("?")).join(QLatin1Char(','))));
        bool ok = false;
        QSqlError error;
        {
            const StatementUse use(query);
            for (int i = 0; i < ids; ++i)
                query.bindValue(i, rows_.at(first + i).value(idColumn));
            ok = query.exec();
            error = query.lastError();
        }
        if (!ok)
            throw StoreError(StoreErrorText(error));
    }
    rows_.clear();
    invalidateIdIndex();
    current_ = -1;
    afterLast_ = false;
    deletedAt_ = -1;
    emit rowsReset();
    emit currentRowChanged(-1);
}

} // namespace zendaro
