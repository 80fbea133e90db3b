#pragma once

#include "model/faceelements.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QSizeF>
#include <QString>

#include <memory>
#include <mutex>

class QPainter;
class QRectF;

// Most pixels a PNG or JPEG picture may have once decoded (4096 x 4096, the
// largest export): a few megabytes of PNG can hold a picture of gigabytes.
constexpr qint64 pictureMaxPixels = 4096LL * 4096LL;

// A picture's bytes made ready to draw. PNG and JPEG pictures are checked by
// their headers, decoded the first time they are drawn and kept in a small
// cache shared by every thread, so that a picture left out for want of
// allowance costs no decoding and the preview does not decode a picture
// again on every repaint; SVG pictures are
// sanitised once into a clean copy, which a fresh renderer draws each time
// (one renderer may not draw on two threads at once): that keeps them vector
// in every output, and no renderer ever reads the picture's own bytes.
struct DecodedPicture : std::enable_shared_from_this<DecodedPicture>
{
    Q_DECLARE_TR_FUNCTIONS(DecodedPicture)

public:
    pictureFormat format = pictureFormat::unknown;
    // The bytes the picture was made from.
    QByteArray data;
    // SVG: the clean copy of `data` that is drawn.
    QByteArray drawnSvg;
    // The picture's own width and height (an SVG picture's view box); both
    // above 0 when it can be drawn.
    QSizeF size;
    // Why the picture cannot be drawn, in one line; empty when it can.
    QString problem;
    // The work of drawing it: the elements an SVG picture draws, 1 for a
    // PNG or JPEG picture.
    qint64 elements = 1;
    // The pixels drawing it decodes: a PNG or JPEG picture's own, or those of
    // the images an SVG picture carries.
    qint64 pixels = 0;

    bool usable() const { return problem.isEmpty(); }
    // PNG and JPEG: the picture, upright, decoded on the first call; null
    // when its data do not decode after all.
    QImage image() const;
    // Draws the picture stretched over `target`.
    void draw(QPainter *painter, const QRectF &target) const;

private:
    mutable std::once_flag m_decoding;
    mutable QImage m_image;
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
