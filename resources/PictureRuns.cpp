#include "resources/PictureRuns.h"

#include <QtEndian>

#include <algorithm>

namespace zendaro::pictures {

namespace {

constexpr char Magic[4] = {'Z', 'R', 'U', 'N'};
constexpr qsizetype HeaderSize = 4 + 5 * 2;

void put16(QByteArray& out, int value) {
    char bytes[2];
    qToLittleEndian<quint16>(static_cast<quint16>(value), bytes);
    out.append(bytes, 2);
}

void put32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian<quint32>(value, bytes);
    out.append(bytes, 4);
}

bool isPacking(QByteArrayView packed) {
    return packed.size() >= HeaderSize && std::equal(std::begin(Magic), std::end(Magic), packed.data());
}

int header16(QByteArrayView packed, int index) {
    return qFromLittleEndian<quint16>(packed.data() + 4 + 2 * static_cast<qsizetype>(index));
}

} // namespace

QByteArray PackRuns(const QImage& image, QSize own) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    bool opaque = true;
    QByteArray rows;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        QByteArray runs;
        int count = 0;
        for (int x = 0; x < argb.width();) {
            int length = 1;
            while (x + length < argb.width() && line[x + length] == line[x])
                ++length;
            opaque = opaque && qAlpha(line[x]) == 255;
            put16(runs, length);
            put32(runs, line[x]);
            ++count;
            x += length;
        }
        put16(rows, count);
        rows += runs;
    }
    QByteArray packed(Magic, 4);
    put16(packed, argb.width());
    put16(packed, argb.height());
    put16(packed, own.width());
    put16(packed, own.height());
    put16(packed, opaque ? 1 : 0);
    packed += qCompress(rows, 9);
    return packed;
}

QSize PackedOwnSize(QByteArrayView packed) {
    if (!isPacking(packed))
        return {};
    return {header16(packed, 2), header16(packed, 3)};
}

QImage UnpackRuns(QByteArrayView packed) {
    if (!isPacking(packed))
        return {};
    const int width = header16(packed, 0);
    const int height = header16(packed, 1);
    const bool opaque = header16(packed, 4) == 1;
    const QByteArray rows =
        qUncompress(reinterpret_cast<const uchar*>(packed.data() + HeaderSize), packed.size() - HeaderSize);
    if (rows.size() < 2 * static_cast<qsizetype>(height)) // not even a count per row
        return {};
    QImage image(width, height, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    const char* at = rows.constData();
    const char* const end = at + rows.size();
    for (int y = 0; y < height; ++y) {
        if (end - at < 2)
            return {};
        int count = qFromLittleEndian<quint16>(at);
        at += 2;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        int x = 0;
        for (; count > 0; --count, at += 6) {
            if (end - at < 6)
                return {};
            const int length = qFromLittleEndian<quint16>(at);
            if (length > width - x)
                return {};
            std::fill_n(line + x, length, qFromLittleEndian<quint32>(at + 2));
            x += length;
        }
        if (x != width)
            return {};
    }
    return at == end ? image : QImage();
}

} // namespace zendaro::pictures
