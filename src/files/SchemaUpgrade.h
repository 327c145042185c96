#pragma once

#include <QString>

namespace zendaro {

// The schema version of the database this program writes (PRAGMA
// user_version). The file as the scale tables alone make it has version 0;
// version 1 adds the conversion files, version 2 the scales' change counters.
constexpr int kSchemaVersion = 2;

struct SchemaState {
    enum class Kind {
        Current,  // the file already had this program's version
        Upgraded, // the tables of the versions it lacked were added now (one transaction)
        Newer,    // a newer program wrote it: read-only for this one
        Failed,   // could not be upgraded (read-only, locked, damaged): nothing changed
    };
    Kind kind = Kind::Failed;
    int foundVersion = 0;
    QString message; // for Newer and Failed: the Turkish message for the user
    bool filesUsable() const { return kind == Kind::Current || kind == Kind::Upgraded; }
};

// Brings the database at path to kSchemaVersion: adds the tables and indexes
// of every version it lacks in one transaction and sets the version; the
// scale tables and their rows are never touched. Never throws.
SchemaState UpgradeSchema(const QString& databasePath);

} // namespace zendaro
