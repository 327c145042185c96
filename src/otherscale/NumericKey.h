#pragma once

#include <QChar>
#include <QString>

namespace zendaro {

// What the numeric boxes do with one typed character.
enum class KeyVerdict {
    Accept,          // typed as `insert` (the decimal separator for a typed thousands separator)
    Pass,            // Backspace and Tab: the box handles them as usual
    RefuseSeparator, // a decimal separator in an empty box or a second one
    RefuseDigit,     // a third decimal typed at the end of the decimals
    RefuseOther,     // any other character (the boxes with a message show it)
};

struct KeyDecision {
    KeyVerdict verdict = KeyVerdict::RefuseOther;
    QChar insert;
};

// The state of a box when a character is typed into it.
struct BoxState {
    QString text;
    int caret = 0; // offset from the start, counted from 0
    bool hasSelection = false;
};

// The numeric key rule of the other-scale editor's number boxes, in order: a
// typed thousands separator becomes the decimal separator; the decimal
// separator is refused in an empty box or when the box holds one already; a
// digit is refused right of the separator once two decimals follow it and
// nothing is selected; Backspace and Tab pass; every other character is
// refused. Separators are compared by their first character (a null QChar
// when a separator is empty).
KeyDecision DecideNumericKey(const BoxState& box, QChar typed, QChar decimalSeparator,
                             QChar thousandsSeparator);

} // namespace zendaro
