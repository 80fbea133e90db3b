#pragma once

#include <QLineF>
#include <QRect>

#include <vector>

class QColor;
class QImage;
class QPainter;

// Draws round-capped lines wider than a device pixel (a stroke of the pen's
// width with semicircular ends) by filling their outline straight into the
// painter's image. The toolkit's stroker builds and flattens the curves of
// both caps anew for every line, which makes a dense layer of round-capped
// ticks several times slower to draw than flat ones; here the outline is
// flattened once per pen and each line's pixels get their exact covered
// area. Edges come out within a few levels of the stroker's (closer to the
// true outline than the stroker's own).
//
// It works for an antialiased painter that draws source-over onto an
// ARGB32 premultiplied image at an upright, uniform scale; anywhere else
// (an SVG, a widget, a rotated painter) usable() is false and the caller
// strokes the line itself, so the vector output keeps real lines.
class CapsuleFill
{
public:
    // Looks at the painter's device and state as they are now. Only pixels
    // inside `keptPixels` (device pixels; null for the whole image) are
    // written; a painter that clips needs it, as the clip is not read back.
    CapsuleFill(QPainter *painter, const QRect &keptPixels);

    // Takes the pen for the following lines. Returns true when they are
    // filled here: a usable painter and a width above one device pixel.
    bool setPen(const QColor &color, double width);

    // Fills one line of the current pen, in the painter's coordinates.
    void fill(const QLineF &line);

private:
    struct Point
    {
        double x;
        double y;
    };

    void clipColumns();
    void scanConvert(int left, int right, int top, int bottom);
    void accumulateEdge(const Point &from, const Point &to, int left, int stripTop,
                        int stripBottom);
    void blendStrip(int left, int stripTop, int stripBottom);

    QImage *m_image = nullptr;
    uchar *m_bits = nullptr;
    qsizetype m_stride = 0;
    double m_scale = 1.0;
    double m_dx = 0.0;
    double m_dy = 0.0;
    QRect m_writable;
    quint32 m_color = 0;
    bool m_opaque = true;
    double m_radius = 0.0;
    // The corners of a half circle of n segments, as multiples of the
    // radius along and across the line.
    std::vector<double> m_cos;
    std::vector<double> m_sin;
    std::vector<Point> m_outline;
    std::vector<Point> m_clipped;
    // Signed area per cell of the strip being converted, and per row the
    // cells touched by edges going down and by edges going up.
    std::vector<float> m_cells;
    int m_stripWidth = 0;
    std::vector<int> m_downFirst, m_downLast, m_upFirst, m_upLast;
};
