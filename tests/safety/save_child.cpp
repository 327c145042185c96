// A process that saves a 10,001-grade other scale over an existing scale of
// the file, for the tests that kill a save part-way. Usage:
//   zendaro_save_child <database> <scale id> <pause point or "none">
// Prints each moment it reaches on its own line ("start", "deleting",
// "adding", "committing", "saved") and, at the pause point, waits to be killed.
#include "SaveScaleChild.h"
#include "store/DataView.h"
#include "store/Queries.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QThread>

#include <cstdio>
#include <sqlite3.h>

using namespace zendaro;

namespace {

QByteArray pausePoint;
int oldRows = 0;
int deleted = 0;
int added = 0;
int addedTarget = 0;

void announce(const char* moment) {
    std::printf("%s\n", moment);
    std::fflush(stdout);
    if (pausePoint == moment) {
        for (;;)
            QThread::sleep(10); // killed here
    }
}

void onRowChange(void*, int operation, const char*, const char* table, sqlite3_int64) {
    if (qstrcmp(table, "diger_notlar") != 0)
        return;
    if (operation == SQLITE_DELETE && ++deleted == oldRows / 2)
        announce("deleting");
    if (operation == SQLITE_INSERT && ++added == addedTarget / 2)
        announce("adding");
}

int onCommit(void*) {
    announce("committing");
    return 0;
}

sqlite3* handleOf(const DataView& view) {
    const QVariant handle = QSqlDatabase::database(view.ConnectionName(), false).driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <database> <scale id> <pause point|none>\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const qint64 scaleId = QByteArray(argv[2]).toLongLong();
    pausePoint = argv[3];
    const test::ScaleToSave toSave = test::bigNumericScale();
    addedTarget = static_cast<int>(toSave.grades.size());
    try {
        DataView scales;
        DataView grades;
        scales.SetDatabaseName(path);
        grades.SetDatabaseName(path);
        scales.SetRecordSource(queries::Q3());
        scales.Refresh();
        if (!scales.FindFirst(queries::C1(scaleId))) {
            std::fprintf(stderr, "no scale %lld\n", static_cast<long long>(scaleId));
            return 3;
        }
        grades.SetRecordSource(queries::Q4(scaleId));
        grades.Refresh();
        oldRows = grades.RecordCount();
        sqlite3* db = handleOf(scales);
        if (!db) {
            std::fprintf(stderr, "no SQLite handle\n");
            return 4;
        }
        sqlite3_update_hook(db, onRowChange, nullptr);
        sqlite3_commit_hook(db, onCommit, nullptr);
        announce("start");
        SaveOtherScale(scales, grades, ReadShownScale(scales), toSave.scale, toSave.grades);
        sqlite3_commit_hook(db, nullptr, nullptr);
        sqlite3_update_hook(db, nullptr, nullptr);
        announce("saved");
    } catch (const StoreError& error) {
        std::fprintf(stderr, "%s\n", error.text().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
