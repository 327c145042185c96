#pragma once

#include "store/ScaleStore.h"

#include <QVector>

namespace zendaro::test {

// The scale the killed-save tests write over an existing one: a numeric scale
// of 10,001 grades, 10000 down to 0, passing from 5000.
struct ScaleToSave {
    OtherScaleValues scale;
    QVector<OtherGradeValues> grades;
};
ScaleToSave bigNumericScale();

// The moments at which the child stops and waits to be killed, each announced
// by a line on its standard output: before the save, half-way through deleting
// the old grades, half-way through adding the new ones, inside the commit, and
// after the save. "none" runs the save through and exits.
inline const char* const kPausePoints[] = {"start", "deleting", "adding", "committing", "saved"};

} // namespace zendaro::test
