#include "render/capsulefill.h"

#include <QColor>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRgba64>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Rows converted at a time, which bounds the cell buffer to a strip of the
// image however long a line is.
constexpr int kStripRows = 64;
// Largest distance, in device pixels, between the flattened outline and the
// true half circle.
constexpr double kFlatness = 1.0 / 32.0;
constexpr int kMaxSegments = 256;
// Wider pens (or unbounded ones from a damaged file) go to the stroker.
constexpr double kMaxRadius = 1 << 15;

// x * a / 255 on each channel, rounded as the toolkit's own blending does.
quint32 byteMul(quint32 x, quint32 a)
{
    quint64 t = ((quint64(x) | (quint64(x) << 24)) & 0x00ff00ff00ff00ffULL) * a;
    t = (t + ((t >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8;
    t &= 0x00ff00ff00ff00ffULL;
    return quint32(t) | quint32(t >> 24);
}

int coverageOf(float area)
{
    // Truncated to 0..256 and capped, as the toolkit's scan converter does.
    const int c = int(std::min(std::fabs(area), 1.0f) * 256.0f);
    return c > 255 ? 255 : c;
}

bool isUprightUniformScale(const QTransform &t)
{
    const double s = t.m11();
    return s > 0.0 && t.m22() == s && std::fabs(t.m12()) <= 1e-12 * s
        && std::fabs(t.m21()) <= 1e-12 * s && t.m13() == 0.0 && t.m23() == 0.0 && t.m33() == 1.0;
}

} // namespace

CapsuleFill::CapsuleFill(QPainter *painter, const QRect &keptPixels)
{
    QPaintDevice *device = painter->device();
    if (!device || device->devType() != QInternal::Image || !painter->paintEngine()
        || painter->paintEngine()->type() != QPaintEngine::Raster)
        return;
    auto *image = static_cast<QImage *>(device);
    if (image->format() != QImage::Format_ARGB32_Premultiplied
        || painter->compositionMode() != QPainter::CompositionMode_SourceOver
        || painter->opacity() != 1.0 || !painter->testRenderHint(QPainter::Antialiasing)
        || (painter->hasClipping() && keptPixels.isNull()))
        return;
    const QTransform &transform = painter->deviceTransform();
    if (!isUprightUniformScale(transform))
        return;
    m_writable = keptPixels.isNull() ? image->rect() : keptPixels & image->rect();
    if (m_writable.isEmpty())
        return;
    m_image = image;
    m_bits = image->bits();
    m_stride = image->bytesPerLine();
    m_scale = transform.m11();
    m_dx = transform.dx();
    m_dy = transform.dy();
}

bool CapsuleFill::setPen(const QColor &color, double width)
{
    const double radius = width * m_scale / 2.0;
    if (!m_image || !(radius > 0.5 && radius <= kMaxRadius))
        return false;
    m_color = qPremultiply(color.rgba64()).toArgb32();
    m_opaque = qAlpha(m_color) == 255;
    if (radius != m_radius) {
        m_radius = radius;
        // Segments short enough that the chords stay within kFlatness of the
        // arc: each spans 2 * acos(1 - kFlatness / r).
        const double segmentAngle = 2.0 * std::acos(1.0 - std::min(1.0, kFlatness / radius));
        const int n = std::clamp(int(std::ceil(M_PI / segmentAngle)), 2, kMaxSegments);
        m_cos.resize(n + 1);
        m_sin.resize(n + 1);
        // The corners between the two ends stand a little outside the
        // circle, so that each segment covers as much as the arc it stands
        // for: chords on the circle would make every cap slightly small,
        // which shows where hundreds of caps overlap at a dense dial's rim.
        const double step = M_PI / n;
        const double grow = std::sqrt(step / std::sin(step));
        for (int k = 0; k <= n; ++k) {
            const double f = k == 0 || k == n ? 1.0 : grow;
            m_cos[k] = f * std::cos(step * k);
            m_sin[k] = f * std::sin(step * k);
        }
    }
    return true;
}

void CapsuleFill::fill(const QLineF &line)
{
    const Point a{line.x1() * m_scale + m_dx, line.y1() * m_scale + m_dy};
    const Point b{line.x2() * m_scale + m_dx, line.y2() * m_scale + m_dy};
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    // The stroker draws nothing for a round-capped line without length
    // (a tick whose inner and outer radius are equal), so neither does this.
    if (!(length > 0.0))
        return;
    // Along the line and across it.
    const double ux = (b.x - a.x) / length;
    const double uy = (b.y - a.y) / length;
    const double nx = -uy;
    const double ny = ux;

    // Half circle around b from one side of the line to the other, then the
    // half circle around a back again: a closed convex outline.
    const int n = int(m_cos.size()) - 1;
    m_outline.resize(2 * (n + 1));
    Point *p = m_outline.data();
    for (int k = 0; k <= n; ++k) {
        const double c = m_radius * m_cos[k];
        const double s = m_radius * m_sin[k];
        p[k] = {b.x + nx * c + ux * s, b.y + ny * c + uy * s};
        p[n + 1 + k] = {a.x - nx * c - ux * s, a.y - ny * c - uy * s};
    }

    double minX = p[0].x, maxX = p[0].x, minY = p[0].y, maxY = p[0].y;
    for (const Point &q : m_outline) {
        minX = std::min(minX, q.x);
        maxX = std::max(maxX, q.x);
        minY = std::min(minY, q.y);
        maxY = std::max(maxY, q.y);
    }
    if (!(std::isfinite(minX) && std::isfinite(maxX) && std::isfinite(minY) && std::isfinite(maxY)))
        return;
    const int top = std::max(m_writable.top(), int(std::floor(minY)));
    const int bottom = std::min(m_writable.bottom() + 1, int(std::ceil(maxY)));
    if (top >= bottom || maxX <= m_writable.left() || minX >= m_writable.right() + 1)
        return;
    if (minX < m_writable.left() || maxX > m_writable.right() + 1) {
        clipColumns();
        if (m_outline.size() < 3)
            return;
        minX = std::max(minX, double(m_writable.left()));
        maxX = std::min(maxX, double(m_writable.right() + 1));
    }
    scanConvert(int(std::floor(minX)), int(std::floor(maxX)) + 2, top, bottom);
}

// Cuts the outline to the writable columns. Rows need no cut: each row's
// coverage comes from the edges that cross it alone, so rows outside are
// simply not converted, and a row comes out the same whatever rows around
// it are written.
void CapsuleFill::clipColumns()
{
    auto clip = [this](double edge, bool keepAbove) {
        m_clipped.clear();
        const size_t count = m_outline.size();
        for (size_t i = 0; i < count; ++i) {
            const Point &from = m_outline[i];
            const Point &to = m_outline[(i + 1) % count];
            const bool fromIn = keepAbove ? from.x >= edge : from.x <= edge;
            const bool toIn = keepAbove ? to.x >= edge : to.x <= edge;
            if (fromIn)
                m_clipped.push_back(from);
            if (fromIn != toIn)
                m_clipped.push_back(
                    {edge, from.y + (edge - from.x) * (to.y - from.y) / (to.x - from.x)});
        }
        m_outline.swap(m_clipped);
    };
    clip(m_writable.left(), true);
    clip(m_writable.right() + 1, false);
}

void CapsuleFill::scanConvert(int left, int right, int top, int bottom)
{
    m_stripWidth = right - left + 1;
    if (m_cells.size() < size_t(m_stripWidth) * kStripRows)
        m_cells.assign(size_t(m_stripWidth) * kStripRows, 0.0f);
    for (int stripTop = top; stripTop < bottom; stripTop += kStripRows) {
        const int stripBottom = std::min(bottom, stripTop + kStripRows);
        const int rows = stripBottom - stripTop;
        m_downFirst.assign(rows, INT_MAX);
        m_downLast.assign(rows, -1);
        m_upFirst.assign(rows, INT_MAX);
        m_upLast.assign(rows, -1);
        const size_t count = m_outline.size();
        for (size_t i = 0; i < count; ++i)
            accumulateEdge(m_outline[i], m_outline[(i + 1) % count], left, stripTop, stripBottom);
        blendStrip(left, stripTop, stripBottom);
    }
}

// Adds one edge's signed area to the cells of the rows it crosses, so that
// a running sum along a row gives each pixel's covered area (the method of
// accumulation rasterisers). Each row's crossing points are worked out from
// the edge's ends, never stepped from the row above.
void CapsuleFill::accumulateEdge(const Point &from, const Point &to, int left, int stripTop,
                                 int stripBottom)
{
    if (from.y == to.y)
        return;
    const bool down = from.y < to.y;
    const Point &p0 = down ? from : to;
    const Point &p1 = down ? to : from;
    const double direction = down ? 1.0 : -1.0;
    const double dxdy = (p1.x - p0.x) / (p1.y - p0.y);
    const int firstRow = std::max(stripTop, int(std::floor(p0.y)));
    const int endRow = std::min(stripBottom, int(std::ceil(p1.y)));
    std::vector<int> &firstCell = down ? m_downFirst : m_upFirst;
    std::vector<int> &lastCell = down ? m_downLast : m_upLast;
    const double maxCell = m_stripWidth - 2;
    for (int y = firstRow; y < endRow; ++y) {
        const double ya = std::max(double(y), p0.y);
        const double yb = std::min(double(y + 1), p1.y);
        // Clamped against rounding at the outline's extremes.
        const double xa = std::clamp(p0.x + (ya - p0.y) * dxdy - left, 0.0, maxCell);
        const double xb = std::clamp(p0.x + (yb - p0.y) * dxdy - left, 0.0, maxCell);
        const double d = (yb - ya) * direction;
        const int row = y - stripTop;
        float *cells = m_cells.data() + size_t(row) * m_stripWidth;
        const double x0 = std::min(xa, xb);
        const double x1 = std::max(xa, xb);
        const int i0 = int(std::floor(x0));
        const int i1 = int(std::ceil(x1));
        firstCell[row] = std::min(firstCell[row], i0);
        if (i1 <= i0 + 1) {
            // Within one cell: the part right of the edge's mid x is covered.
            const double xm = 0.5 * (xa + xb) - i0;
            cells[i0] += float(d * (1.0 - xm));
            cells[i0 + 1] += float(d * xm);
            lastCell[row] = std::max(lastCell[row], i0 + 1);
            continue;
        }
        // Across several cells: the covered area grows linearly in between
        // and quadratically in the two end cells.
        const double s = 1.0 / (x1 - x0);
        const double f0 = x0 - i0;
        const double a0 = 0.5 * s * (1.0 - f0) * (1.0 - f0);
        const double f1 = x1 - i1 + 1.0;
        const double am = 0.5 * s * f1 * f1;
        cells[i0] += float(d * a0);
        if (i1 == i0 + 2) {
            cells[i0 + 1] += float(d * (1.0 - a0 - am));
        } else {
            const double a1 = s * (1.5 - f0);
            cells[i0 + 1] += float(d * (a1 - a0));
            for (int i = i0 + 2; i < i1 - 1; ++i)
                cells[i] += float(d * s);
            const double a2 = a1 + (i1 - i0 - 3) * s;
            cells[i1 - 1] += float(d * (1.0 - a2 - am));
        }
        cells[i1] += float(d * am);
        lastCell[row] = std::max(lastCell[row], i1);
    }
}

// Sums each row's cells into coverage and blends the pen's colour with it,
// as the toolkit blends a solid colour source-over. The cells are cleared
// on the way. Between the cells that edges touched the sum is constant, so
// the inside of a line is a plain fill.
void CapsuleFill::blendStrip(int left, int stripTop, int stripBottom)
{
    const quint32 color = m_color;
    const bool opaque = m_opaque;
    auto blend = [color, opaque](quint32 *pixel, int coverage) {
        if (coverage == 255 && opaque) {
            *pixel = color;
        } else if (coverage > 0) {
            const quint32 c = byteMul(color, quint32(coverage));
            *pixel = c + byteMul(*pixel, 255 - qAlpha(c));
        }
    };
    const int lastPixel = m_writable.right() - left;
    for (int y = stripTop; y < stripBottom; ++y) {
        const int row = y - stripTop;
        int first0 = m_downFirst[row], last0 = m_downLast[row];
        int first1 = m_upFirst[row], last1 = m_upLast[row];
        if (last0 < 0 && last1 < 0)
            continue;
        if (last0 < 0 || (last1 >= 0 && first1 < first0)) {
            std::swap(first0, first1);
            std::swap(last0, last1);
        }
        float *cells = m_cells.data() + size_t(row) * m_stripWidth;
        quint32 *pixels = reinterpret_cast<quint32 *>(m_bits + y * m_stride) + left;
        float sum = 0.0f;
        auto sweep = [&](int from, int to) {
            for (int x = from; x <= to; ++x) {
                sum += cells[x];
                cells[x] = 0.0f;
                if (x <= lastPixel)
                    blend(pixels + x, coverageOf(sum));
            }
        };
        if (last1 < 0 || last0 >= first1) {
            sweep(first0, std::max(last0, last1));
            continue;
        }
        sweep(first0, last0);
        const int runEnd = std::min(first1, lastPixel + 1);
        const int coverage = coverageOf(sum);
        if (coverage == 255 && opaque) {
            std::fill(pixels + last0 + 1, pixels + std::max(runEnd, last0 + 1), color);
        } else {
            for (int x = last0 + 1; x < runEnd; ++x)
                blend(pixels + x, coverage);
        }
        sweep(first1, last1);
    }
}
