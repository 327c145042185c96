#pragma once

#include <QList>
#include <QString>

class QLabel;
class QWidget;

namespace zendaro {

// Screen readers learn that the program's own buttons (picture buttons and
// colour buttons) are push buttons that can be pressed. Installed once; safe
// to call again.
void InstallAccessibleControls();

// Tab and Shift+Tab go through `controls` in this order (reading order), and
// the first of them has the focus when the window becomes active. Missing
// controls (null) are skipped.
void SetReadingOrder(const QList<QWidget*>& controls);

// The same by object names, looked up in `window`.
void SetReadingOrder(QWidget* window, const QStringList& names);

// Tells a screen reader what `label` now shows: its accessible name becomes
// `text` and an alert is raised on it.
void Announce(QLabel* label, const QString& text);

} // namespace zendaro
