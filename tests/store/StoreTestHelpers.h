#pragma once

#include <QString>

namespace zendaro::test {

// Makes a file read-only for the duration of the object, also for a user
// (root) whom file permissions alone do not stop. active() is false when the
// file could not be made read-only here.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    bool active() const { return active_; }

private:
    QString path_;
    bool immutable_ = false;
    bool active_ = false;
};

// Every row of the four tables and the id counters, as one text: two dumps
// are equal when the file holds the same data.
class TestDatabase;
QString dumpScales(const TestDatabase& db);

} // namespace zendaro::test
