#pragma once

#include <QString>
#include <QStringList>

namespace zendaro::test {

// Every way in which the other scales stored in the file break what the
// conversion relies on: at least one pass and one fail grade, pass rows before
// fail rows, values from the highest down, the four limits equal to the
// grades they summarise (Max_GN >= Min_GN > Max_KN >= Min_KN), step numbers
// 0..n-1 within each block, counts equal to the rows, a known grading system,
// no empty letter, and no grade row without its scale. Empty when all hold.
QStringList otherScaleViolations(const QString& databasePath);

// One scale row (without its id) and its grade rows in id order (without ids),
// as one text: equal texts mean the same scale with the same grades.
QString otherScaleContent(const QString& databasePath, qint64 scaleId);

// The result of SQLite's own integrity check ("ok" for a sound file).
QString integrityCheck(const QString& databasePath);

} // namespace zendaro::test
