#pragma once

#include <QFont>
#include <QString>

namespace zendaro {

// The free font that stands in for a font of the old platform, with the same
// metrics where one exists: Arial and MS Sans Serif → Liberation Sans, Times
// New Roman → Liberation Serif, Tahoma → Liberation Sans. Other names are
// kept as they are.
QString freeFontFamily(const QString& legacyFamily);

// A font by its old name and point size (8.25, 9.75, ...).
QFont legacyFont(const QString& legacyFamily, double pointSize, bool bold = false);

// The fonts the toolkit uses: MS Sans Serif 8.25 pt (message text, colour
// button captions, shape titles) and Tahoma 9.75 pt bold (picture button captions).
QFont msSansSerif825();
QFont tahoma975Bold();

} // namespace zendaro
