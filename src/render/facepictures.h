#pragma once

#include "model/faceelements.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QSizeF>
#include <QString>

#include <memory>

class QPainter;
class QRectF;

// Most pixels a PNG or JPEG picture may have once decoded (4096 x 4096, the
// largest export): a few megabytes of PNG can hold a picture of gigabytes.
constexpr qint64 pictureMaxPixels = 4096LL * 4096LL;

// A picture's bytes made ready to draw. PNG and JPEG pictures are decoded
// once and kept in a small cache shared by every thread, so that the preview
// does not decode a picture again on every repaint; SVG pictures are checked
// once and drawn by a fresh renderer each time (one renderer may not draw on
// two threads at once), which keeps them vector in every output.
struct DecodedPicture
{
    Q_DECLARE_TR_FUNCTIONS(DecodedPicture)

public:
    pictureFormat format = pictureFormat::unknown;
    // The bytes the picture was made from.
    QByteArray data;
    // PNG and JPEG: the picture, upright.
    QImage image;
    // The picture's own width and height (an SVG picture's view box); both
    // above 0 when it can be drawn.
    QSizeF size;
    // Why the picture cannot be drawn, in one line; empty when it can.
    QString problem;
    // The work of drawing it: the elements an SVG picture draws, 1 for a
    // PNG or JPEG picture.
    qint64 elements = 1;

    bool usable() const { return problem.isEmpty(); }
    // Draws the picture stretched over `target`.
    void draw(QPainter *painter, const QRectF &target) const;
};

// The picture for `data` in `format`. Never null; its `problem` says why a
// picture cannot be drawn (no data, a format other than PNG, JPEG and SVG,
// bytes that do not decode, too many pixels, an SVG picture that refers to
// files outside it or would draw without end). Safe to call from any thread.
std::shared_ptr<const DecodedPicture> decodedPicture(const QByteArray &data, pictureFormat format);

// For outputs that can carry a picture file as it is (an SVG export): when
// `image` is a picture decoded by decodedPicture() and shows its file's
// pixels unchanged, the file's bytes and MIME type ("image/png",
// "image/jpeg"). False otherwise.
bool pictureFileOf(const QImage &image, QByteArray *bytes, QByteArray *mimeType);
