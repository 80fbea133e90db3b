#pragma once

#include <QByteArray>
#include <QString>

// The SVG renderer draws whatever a document asks for: an <image> that
// names a file on this computer is read from disk, a <use> may refer to a
// group of further <use>s ten times over, and nesting makes it recurse. An
// SVG picture of a gauge file comes from anywhere, so before it is drawn it
// must keep to these bounds.

// Most elements an SVG picture may hold, and most it may draw once every
// <use> is counted as what it draws: a detailed emblem has a few thousand.
constexpr int svgPictureElementLimit = 20'000;
// Deepest nesting of elements and <use> references.
constexpr int svgPictureDepthLimit = 200;

// Why an SVG picture may not be drawn, in one line; empty when it may: it is
// not well-formed XML, nests or draws beyond the bounds above, has a <use>
// cycle, or has an <image> that is not carried inside it as PNG, JPEG or
// another raster picture of at most `maxPixels` pixels. When it may be
// drawn, `drawn` (when given) receives the number of elements it draws.
QString svgPictureProblem(const QByteArray &svg, qint64 maxPixels, qint64 *drawn = nullptr);
