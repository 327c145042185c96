#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace zendaro {

// The free font that stands in for a font of the old platform, with the same
// metrics where one exists: Arial and MS Sans Serif → Liberation Sans, Times
// New Roman → Liberation Serif, Tahoma → Liberation Sans. Other names are
// kept as they are.
QString freeFontFamily(const QString& legacyFamily);

// Adds to the program the fonts (.ttf files) shipped in a folder beside it
// (the Windows edition ships the free fonts above, so the texts fill the same
// boxes as on Debian). Returns their families; none when there is no folder.
QStringList AddShippedFonts(const QString& folder);

// Adds the shipped fonts; when they hold the free sans font, it becomes the
// font of every control that names none of its own, at the size Debian gives
// those (9 pt). A Windows PC's own default font differs from PC to PC and may
// not fit the boxes; under Wine without Windows' fonts a line edit in it
// shows no text at all.
void UseShippedFonts(const QString& folder);

// A font by its old name and point size (8.25, 9.75, ...).
QFont legacyFont(const QString& legacyFamily, double pointSize, bool bold = false);

// The fonts the toolkit uses: MS Sans Serif 8.25 pt (message text, colour
// button captions, shape titles) and Tahoma 9.75 pt bold (picture button captions).
QFont msSansSerif825();
QFont tahoma975Bold();

} // namespace zendaro
