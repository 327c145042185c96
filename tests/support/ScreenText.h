#pragma once

// Reading text off the screen, as a person reads it: the pixels of a text
// seen in a picture of a window are compared with each text that could stand
// there, drawn here in the program's font, and the one that matches clearly
// is the text read.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPair>
#include <QRect>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace zendaro::test {

// The pixels of a text (its ink) cropped to their bounding box, white on black.
inline QImage croppedInk(const QImage& ink) {
    QRect box;
    for (int y = 0; y < ink.height(); ++y)
        for (int x = 0; x < ink.width(); ++x)
            if (qGray(ink.pixel(x, y)) > 127)
                box |= QRect(x, y, 1, 1);
    return ink.copy(box);
}

// The ink of one colour in an area of a picture: the pixels nearer that colour
// than half-way to the background (the edges of smoothed letters).
inline QImage inkOfColour(const QImage& picture, const QRect& area, QColor colour) {
    QImage ink(area.size(), QImage::Format_Grayscale8);
    ink.fill(Qt::black);
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x) {
            const QColor seen = picture.pixelColor(area.left() + x, area.top() + y);
            const int distance =
                std::max({std::abs(seen.red() - colour.red()), std::abs(seen.green() - colour.green()),
                          std::abs(seen.blue() - colour.blue())});
            if (distance <= 120)
                ink.setPixelColor(x, y, Qt::white);
        }
    return croppedInk(ink);
}

// A text's ink drawn large in bold Liberation Sans (the bold Arial of the
// program's big letters is Liberation Sans on both systems). Drawing text
// needs a QGuiApplication (QTEST_MAIN).
inline QImage drawnInk(const QString& text) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(160);
    QImage ink(QSize(200 * int(text.size()) + 100, 260), QImage::Format_Grayscale8);
    ink.fill(Qt::black);
    QPainter painter(&ink);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(ink.rect(), Qt::AlignCenter, text);
    painter.end();
    return croppedInk(ink);
}

// How well two inks cover each other, 0 to 1 (shared pixels over all pixels
// of either), the drawn one scaled to the seen one's size.
inline double overlap(const QImage& seen, const QImage& drawn) {
    if (seen.isNull() || drawn.isNull())
        return 0;
    const QImage scaled = drawn.scaled(seen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int both = 0;
    int either = 0;
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x) {
            const bool a = qGray(seen.pixel(x, y)) > 127;
            const bool b = qGray(scaled.pixel(x, y)) > 127;
            both += a && b;
            either += a || b;
        }
    return either == 0 ? 0 : double(both) / either;
}

// The one of the candidates that the ink shows, or empty when none matches
// clearly (well covered, and well ahead of the next best); scores tells all.
inline QString readText(const QImage& ink, const QStringList& candidates, QString* scores) {
    QList<QPair<double, QString>> ranked;
    for (const QString& candidate : candidates)
        ranked.append({overlap(ink, drawnInk(candidate)), candidate});
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [score, candidate] : ranked)
        *scores += QStringLiteral("%1 %2; ").arg(candidate).arg(score, 0, 'f', 2);
    if (ranked.isEmpty() || ranked.first().first < 0.7 ||
        (ranked.size() > 1 && ranked.first().first - ranked.at(1).first < 0.1))
        return {};
    return ranked.first().second;
}

} // namespace zendaro::test
