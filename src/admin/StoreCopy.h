#pragma once

#include <QString>

namespace zendaro {

// What a store holds, as the commands report it.
struct StoreCounts {
    qint64 homeScales = 0;  // dornela_olcek
    qint64 otherScales = 0; // diger_olcek
    qint64 grades = 0;      // dornela_notlar and diger_notlar
    qint64 files = 0;       // donusum_dosyasi
    qint64 courses = 0;     // donusum_dersi
};

// Makes ZENDARO's tables, at this program's schema version, in the empty
// server database at `serverAddress`, in one transaction. Refuses a database
// that holds any of them already. Throws StoreError.
void SetUpServer(const QString& serverAddress);

// Copies every row of every ZENDARO table of the file to the server, ids and
// values as they stand, in one transaction; then the server's ids continue
// after the highest id the file has handed out (deleted ones included). The
// file is first brought to this program's schema version, as a start of the
// program would. An empty server database gets its tables in the same
// transaction; a server that holds any row is refused unless `overwrite`,
// which replaces its rows. On any failure the server is as it was. Returns
// what was copied; throws StoreError.
StoreCounts CopyFileToServer(const QString& filePath, const QString& serverAddress, bool overwrite);

// Copies the server into a new database file at `newFilePath`: the tables of
// the shipped donustur.evk brought to this program's schema version, every
// row with its id, and the ids handed out so far (so the file never hands
// out an id again that the server used). Refuses a path that exists. The
// file is written under a temporary name beside it and renamed when whole,
// so it is complete or absent. Returns what was copied; throws StoreError.
StoreCounts CopyServerToFile(const QString& serverAddress, const QString& newFilePath);

} // namespace zendaro
