#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace zendaro::pictures {

// A rendered picture stored as runs of one colour, row by row:
//   "ZRUN", then (little-endian 16-bit numbers) the rendering's width and
//   height in pixels, the picture's own width and height, whether it is
//   opaque (0 or 1); then, zlib-compressed (qCompress), for each row the
//   number of its runs and each run as a length and a premultiplied ARGB colour.
// The build packs them (zendaro_render_pictures); the program unpacks them.

// Packs `image` (any format), a rendering of a picture whose own size is `own`.
QByteArray PackRuns(const QImage& image, QSize own);

// The picture's own size written in a packing; invalid when it is not one.
QSize PackedOwnSize(QByteArrayView packed);

// Unpacks a packing: RGB32 when opaque, else premultiplied ARGB32; a null
// image when the bytes are not a whole packing.
QImage UnpackRuns(QByteArrayView packed);

} // namespace zendaro::pictures
