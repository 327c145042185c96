#pragma once

#include <QStringList>

class QLabel;
class QWidget;

namespace zendaro {

// Screen readers learn that the program's own buttons (picture buttons and
// colour buttons) are push buttons that can be pressed. Installed once; safe
// to call again.
void InstallAccessibleControls();

// Tab and Shift+Tab go through the controls of `window` named in `names` in
// this order (reading order), and the first of them has the focus when the
// window becomes active. Names the window does not hold are skipped.
void SetReadingOrder(QWidget* window, const QStringList& names);

// Letters typed into a closed pick-only list of `window` choose the first
// item that begins with them, comparing the Turkish way ("i" finds "İzmir",
// "ı" finds "Isparta"); the same letter again goes on to the next such item.
// A choice made so is a pick like one made with the mouse (`activated`).
void ChooseByTypedLetters(QWidget* window);

// Tells a screen reader what `label` now shows: its accessible name becomes
// `text` and an alert is raised on it.
void Announce(QLabel* label, const QString& text);

} // namespace zendaro
