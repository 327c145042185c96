#pragma once

#include <QFont>
#include <QString>

namespace zendaro {

// The message box's vertical layout for a text, in twips.
struct MessageLayout {
    float textWidth = 0;   // W: the widest line
    float textHeight = 0;  // H: all lines together
    float labelHeight = 0; // (W / 5175 + 1) * H
    float buttonTop = 0;   // label height + 920
    float boxHeight = 0;   // button top + 375 + 200 = label height + 1495
};

constexpr int MessageBoxWidth = 6975;   // twips
constexpr int MessageLabelWidth = 5175; // twips
constexpr int MessageButtonHeight = 375;

// The lines of a message: broken at CR LF (a lone CR or LF breaks a line too).
QStringList messageLines(const QString& text);

// Measures the text in the font and applies the height rule: the label is
// (W / 5175 + 1) lines of H high, computed in single precision and not
// rounded to whole lines, so there is at least one line of spare room.
MessageLayout layoutMessage(const QString& text, const QFont& font);

} // namespace zendaro
