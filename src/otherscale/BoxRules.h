#pragma once

#include "conversion/RegionalSettings.h"

#include <QObject>
#include <QString>
#include <optional>

class QLineEdit;

namespace zendaro {

// "0" + decimal separator + "00": what the lowest-grade box falls back to.
QString ZeroText(const RegionalSettings& settings);

// The text a numeric box shows once it is left: its number with exactly two
// decimals and digit grouping (85 -> 85,00 under Turkish settings). An empty
// text stays empty; text that is no number, or whose formatted form would not
// fit the box's `maxLength`, is kept as it is, so no value is cut short.
QString LeavingText(const QString& text, const RegionalSettings& settings, int maxLength);

// The change rule of a numeric box: its number, or, when the text is no
// number, the box is emptied (or set to ZeroText with the whole text selected
// when `zeroWhenNoNumber`) and the result is empty.
std::optional<double> ApplyChangeRule(QLineEdit* box, const RegionalSettings& settings,
                                      bool zeroWhenNoNumber);

// The entering rule: whenever the box receives the focus from the user (a key,
// a click, the program), its whole text is selected. Coming back from another
// window or a popup menu leaves the selection as it was.
class SelectOnEntry : public QObject {
    Q_OBJECT
public:
    explicit SelectOnEntry(QLineEdit* box); // the box owns it

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* box_;
};

// The leaving rule: a numeric box that loses the focus shows LeavingText.
// Losing it to another window (a message box) or a popup menu is no leaving.
class FormatOnLeave : public QObject {
    Q_OBJECT
public:
    FormatOnLeave(QLineEdit* box, RegionalSettings settings); // the box owns it

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* box_;
    RegionalSettings settings_;
};

} // namespace zendaro
