#pragma once

#include "files/ConversionFile.h"
#include "store/StoreError.h"

#include <QString>
#include <QVector>
#include <memory>

namespace zendaro {

class StoreConnection;

// A save refused because another program (or window) changed or deleted the
// file since it was read. Nothing was written.
class FileConflict : public StoreError {
public:
    using StoreError::StoreError;
};

// The conversion files of one database (upgraded to kSchemaVersion). Each
// write is one transaction on the store's shared connection. Store failures
// throw StoreError with the store's Turkish text.
class FileStore {
public:
    explicit FileStore(const QString& databasePath);
    ~FileStore();
    FileStore(const FileStore&) = delete;
    FileStore& operator=(const FileStore&) = delete;

    // The files whose student name or number contains `search` (Turkish
    // letter case ignored, white space around it too; empty: every file), the
    // most recently changed first.
    QVector<FileSummary> list(const QString& search = {}) const;

    // The whole file with its courses in order; throws StoreError when there
    // is no such file.
    ConversionFile load(qint64 id) const;

    // Stores the file and its courses whole (one transaction): a new file
    // (id -1) receives its id, created and changed; a stored one is replaced
    // when its revision is still the stored one, else FileConflict. On success
    // `file` holds the new id, revision and dates; on failure it is unchanged.
    void save(ConversionFile& file);

    // Deletes the file and its courses (one transaction); FileConflict when it
    // was changed or deleted since `revision` was read.
    void remove(qint64 id, qint64 revision);

    // Texts of the conflicts.
    static QString ChangedElsewhereText();
    static QString DeletedElsewhereText();

private:
    std::shared_ptr<StoreConnection> connection_;
};

} // namespace zendaro
