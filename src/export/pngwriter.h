#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QImage;

// Encodes an ARGB32 premultiplied image as an 8-bit RGBA PNG (with the
// image's resolution), whose pixels are exactly those of
// image.convertToFormat(QImage::Format_ARGB32).
//
// Written for the exports' pictures: lines and text on a mostly
// transparent square. Each row gets the filter (none, sub or up) that
// leaves it closest to zero, and the rows are deflated on all cores in
// bands, each band with zlib's run-length strategy and joined into one
// stream. That is several times faster than the toolkit's writer and the
// files come out about as small.
//
// Returns false with a one-line reason in `error` (when given) if the image
// is not premultiplied ARGB32, memory runs out, or `cancelled` (asked
// between bands of rows) returns true.
[[nodiscard]] bool encodePng(const QImage &image, QByteArray *png, QString *error = nullptr,
                             const std::function<bool()> &cancelled = {});
