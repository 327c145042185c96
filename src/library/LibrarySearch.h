#pragma once

#include "ScaleFile.h"

#include <QString>
#include <QVector>

namespace zendaro::library {

// The scales whose country, name or grading system hold every word of the
// query (Turkish letter case ignored, "İ" and "i" alike), in library order;
// an empty query gives them all. Returns their positions in `scales`.
QVector<int> FindScales(const QVector<OtherScale>& scales, const QString& query);

// The grades of a scale in one line each for its pass and its fail block:
// "Geçer: A, B, C" and "Kalır: FX, F"; long blocks name their ends only
// ("Geçer: 10 … 5 (51 not)").
QString GradeSummary(const OtherScale& scale);

} // namespace zendaro::library
