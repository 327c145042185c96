#include "DataView.h"

#include "StoreConnection.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlField>
#include <QSqlQuery>

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
        // A view only reads: its query is a SELECT; writes go through Update and Delete.
        static const QRegularExpression select(QStringLiteral("^\\s*(SELECT|WITH)\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
        if (!select.match(recordSource_).hasMatch())
            throw StoreError(
                QStringLiteral("Görünümün sorgusu bir SELECT sorgusu değil: %1").arg(recordSource_));
        QSqlQuery query(connection()->database());
        query.setForwardOnly(true);
        if (!query.prepare(recordSource_))
            throw StoreError(StoreErrorText(query.lastError()));
        bindAll(query, sourceValues_);
        if (!query.exec())
            throw StoreError(StoreErrorText(query.lastError()));
        layout = query.record();
        const int columns = layout.count();
        while (query.next()) {
            QSqlRecord row(layout);
            for (int i = 0; i < columns; ++i)
                row.setValue(i, query.value(i));
            rows.append(std::move(row));
        }
        if (query.lastError().isValid())
            throw StoreError(StoreErrorText(query.lastError()));
    }
    loadedSource_ = recordSource_;
    loadedValues_ = sourceValues_;
    layout_ = layout;
    fieldIndex_.clear();
    for (int i = 0; i < layout_.count(); ++i)
        fieldIndex_.insert(layout_.fieldName(i).toLower(), i);
    rows_ = std::move(rows);
    invalidateIdIndex();
    current_ = rows_.isEmpty() ? -1 : 0;
    afterLast_ = false;
    deletedAt_ = -1;
    emit rowsReset();
    emit currentRowChanged(current_);
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
    QStringList names;
    for (int i = 0; i < layout_.count(); ++i)
        names << layout_.fieldName(i);
    return names;
}

int DataView::fieldIndex(const QString& name) const {
    return fieldIndex_.value(name.toLower(), -1);
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
    QSqlQuery query(connection()->database());
    query.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT %1 FROM (%2) WHERE %3")
                            .arg(quoted(layout_.fieldName(idColumn)), loadedSource_, criterion);
    if (!query.prepare(sql))
        throw StoreError(StoreErrorText(query.lastError()));
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
    pendingSet_ = QVector<bool>(layout_.count(), false);
    pending_ = Pending::New;
}

void DataView::Edit() {
    if (current_ < 0)
        throw StoreError(noCurrentRowText());
    pendingRow_ = rows_.at(current_);
    pendingSet_ = QVector<bool>(layout_.count(), false);
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

QString DataView::writeTable() const {
    static const QRegularExpression from(QStringLiteral("\\bFROM\\s+([A-Za-z_][A-Za-z0-9_]*)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto match = from.match(loadedSource_);
    if (!match.hasMatch())
        throw StoreError(QStringLiteral("Bu görünümün sorgusu yazılacak tabloyu belirtmiyor."));
    return match.captured(1);
}

qint64 DataView::Update() {
    if (pending_ == Pending::None)
        throw StoreError(QStringLiteral("Kaydedilecek değişiklik yok (önce AddNew ya da Edit)."));
    const QString table = quoted(writeTable());
    QStringList columns;
    QVariantList values;
    for (int i = 0; i < pendingSet_.size(); ++i) {
        if (pendingSet_.at(i)) {
            columns << quoted(layout_.fieldName(i));
            values << pendingRow_.value(i);
        }
    }
    auto store = connection();
    qint64 id = 0;
    if (pending_ == Pending::New) {
        QString sql;
        if (columns.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table);
        } else {
            QStringList marks;
            for (int i = 0; i < columns.size(); ++i)
                marks << QStringLiteral("?");
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        }
        QSqlQuery& query = store->prepared(sql);
        bindAll(query, values);
        const bool ok = query.exec();
        const QVariant newId = ok ? query.lastInsertId() : QVariant();
        const QSqlError error = query.lastError();
        query.finish();
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
    if (!columns.isEmpty()) {
        QStringList assignments;
        for (const QString& column : columns)
            assignments << column + QStringLiteral("=?");
        QSqlQuery& query = store->prepared(
            QStringLiteral("UPDATE %1 SET %2 WHERE id=?").arg(table, assignments.join(QLatin1Char(','))));
        bindAll(query, values);
        query.bindValue(static_cast<int>(values.size()), id);
        const bool ok = query.exec();
        const int affected = ok ? query.numRowsAffected() : 0;
        const QSqlError error = query.lastError();
        query.finish();
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

void DataView::Delete() {
    if (current_ < 0)
        throw StoreError(noCurrentRowText());
    dropPending();
    const int idColumn = requireField(kIdField);
    const qint64 id = rows_.at(current_).value(idColumn).toLongLong();
    QSqlQuery& query =
        connection()->prepared(QStringLiteral("DELETE FROM %1 WHERE id=?").arg(quoted(writeTable())));
    query.bindValue(0, id);
    const bool ok = query.exec();
    const QSqlError error = query.lastError();
    query.finish();
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

} // namespace zendaro
