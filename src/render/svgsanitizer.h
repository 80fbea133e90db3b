#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>

#include <optional>

// An SVG picture of a gauge file comes from anywhere, and the SVG renderer
// draws whatever a document asks for: a stylesheet or an <image> naming a
// file of this computer is read from disk, a <use> may refer to a group of
// further <use>s ten times over, and an embedded picture may be another SVG
// document. So no renderer ever sees a picture's own bytes: the picture is
// read once by this program's own pass over the XML, and what is drawn,
// counted and exported is the clean copy that pass writes. The copy holds
// only elements and attributes of an allow-list, no processing
// instructions, DTD, entities or comments, no reference to anything outside
// the document, <use>s only of elements that exist, and unique ids.

// Most elements an SVG picture may hold, and most it may draw once every
// <use> is counted as what it draws: a detailed emblem has a few thousand.
constexpr int svgPictureElementLimit = 20'000;
// Deepest nesting of elements and <use> references.
constexpr int svgPictureDepthLimit = 200;
// Most times over an SVG picture's elements may cover it (every <use>
// counted as its area times what it draws): the work of filling them grows
// with the drawing's size, their number does not say it.
constexpr int svgPictureCoverLimit = 500;
// Most characters of text an SVG picture may draw, <use>s counted.
constexpr qint64 svgPictureCharacterLimit = 200'000;

struct SanitizedSvg
{
    // The clean copy to draw; empty when the picture may not be drawn.
    QByteArray svg;
    // The size of the view box a renderer reads from the copy; none when no
    // renderer can read it.
    std::optional<QSizeF> viewBox;
    // Why the picture may not be drawn, in one line; empty when it may.
    QString problem;
    // The elements the copy draws, every <use> counted as what it draws.
    qint64 elements = 0;
    // The pixels of the raster pictures it carries once decoded, each
    // counted as often as it is drawn.
    qint64 pixels = 0;

    bool usable() const { return problem.isEmpty(); }
};

// Reads `svg` and writes its clean copy. The picture is refused when it is
// not well-formed XML or not an SVG document, has a DTD, refers to anything
// outside itself (an <image>, a link, a stylesheet or a url() naming a file
// or an address), nests or draws beyond the bounds above, has a cycle of
// <use>s, or carries an image that is not PNG or JPEG data of at most
// `maxPixels` pixels (an SVG document inside it included). Elements and
// attributes the renderer does not draw are left out of the copy.
SanitizedSvg sanitizeSvg(const QByteArray &svg, qint64 maxPixels);
