#pragma once

#include "model/gaugedata.h"
#include "render/gaugepainter.h"

#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QString>

#include <functional>

class QPainter;

// The texts and pictures of a layer: where they stand, whether they can be
// drawn, and drawing them. The gauge painter draws them after the layer's
// ticks and labels, the pictures first, each in list order; the window uses
// the same geometry to outline and drag the selected element.

// Elements farther than this many gauge radii from the centre, and texts
// larger than this many drawing units, are not drawn: they could not be seen
// on the dial, and the engines' fixed-point arithmetic would overflow.
constexpr double faceElementReach = 100.0;
constexpr double faceTextMaxSize = 5'000.0;

enum class faceElementKind { picture, text };

// One element of a layer, by kind and index in the layer's list of that
// kind. In drawing order, pictures come before texts.
struct FaceElement
{
    faceElementKind kind = faceElementKind::text;
    qsizetype index = -1;

    bool isValid() const { return index >= 0; }
    bool operator==(const FaceElement &o) const { return kind == o.kind && index == o.index; }
    bool operator!=(const FaceElement &o) const { return !(*this == o); }
};

// The element's place in the layer's drawing order: pictures, then texts.
qsizetype drawingOrder(const gaugeData &layer, const FaceElement &element);
bool elementExists(const gaugeData &layer, const FaceElement &element);

// The point (x, y), in fractions of the gauge radius from the centre, in the
// drawing space.
QPointF facePoint(double x, double y);

// The font a text is drawn with on a device of `dpi` dots per inch: its
// family, bold and italic, sized so that it is `size` drawing units high
// whatever the device.
QFont faceTextFont(const faceText &text, int dpi);

// Why the element is not drawn, in one line, or empty when it is; the
// allowances of `limits` for one layer and one text count too.
QString faceElementProblem(const gaugeData &layer, const FaceElement &element,
                           const GaugePaintLimits &limits = GaugePaintLimits());

// The element's outline in the drawing space: the rectangle it covers,
// turned with it. Empty when it is not drawn.
QPolygonF faceElementOutline(const gaugeData &layer, const FaceElement &element);

// The topmost element whose outline holds `point` (drawing space), or an
// invalid element.
FaceElement faceElementAt(const gaugeData &layer, const QPointF &point);

// Draws the layer's pictures, then its texts, within the per-layer and
// per-call allowances. Returns false when `stopped` answered true. The
// painter's state is kept.
bool paintFaceElements(QPainter *painter, const gaugeData &layer, const GaugePaintLimits &limits,
                       FaceBudget &budget, const std::function<bool()> &stopped);
