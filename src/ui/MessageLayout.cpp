#include "ui/MessageLayout.h"

#include "ui/Twips.h"

#include <QFontMetricsF>
#include <QRegularExpression>

namespace zendaro {

QStringList messageLines(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return text.split(breaks);
}

MessageLayout layoutMessage(const QString& text, const QFont& font) {
    const QFontMetricsF metrics(font);
    const QStringList lines = messageLines(text);
    qreal widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    MessageLayout m;
    m.textWidth = static_cast<float>(widest * TwipsPerPixel);
    m.textHeight = static_cast<float>(static_cast<double>(lines.size()) * metrics.height() * TwipsPerPixel);
    m.labelHeight = (m.textWidth / static_cast<float>(MessageLabelWidth) + 1.0f) * m.textHeight;
    m.buttonTop = m.labelHeight + 920.0f;
    m.boxHeight = m.buttonTop + static_cast<float>(MessageButtonHeight) + 200.0f;
    return m;
}

} // namespace zendaro
