#pragma once

#include <QRect>

#include <functional>

class QImage;
class QPainter;

// Draws one picture on several cores. The image is cut into horizontal
// bands; each band is drawn by its own thread, the first straight into the
// image and the others into blank images of the same size whose band rows
// are copied over at the end. Every thread runs the whole drawing without a
// clip (clipping would move the antialiased edges of lines that cross it),
// told only which pixels it keeps so that it can skip what cannot reach
// them; the kept rows therefore come out exactly as one drawing of the
// whole image gives them.
//
// `paint` is called once per band, on different threads at once, with an
// active painter on a transparent image and the device pixels that band
// keeps (null when the image is drawn in one piece). It must not share
// anything writable between calls. It returns false to abandon the
// picture, and then so does paintInBands.
using BandPaint = std::function<bool(QPainter *painter, const QRect &keptPixels)>;
bool paintInBands(QImage *image, int bands, const BandPaint &paint);

// A transparent ARGB32 premultiplied image of the given size, or a null one
// without the memory for it. Its memory comes zeroed from the system and is
// only taken as it is first written, so it needs no filling, and an image
// of which a band draws a part takes the memory of that part only.
QImage blankImage(int width, int height);

// A sensible number of bands for an image of `pixels` pixels that draws
// about `tickLines` tick lines: one for a light gauge, else one per core, as
// far as the extra images fit into a fixed amount of memory.
int bandsFor(qint64 pixels, qint64 tickLines);
