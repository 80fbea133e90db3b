#include "render/gaugepainter.h"

#include "render/drawingspace.h"
#include "render/facepainter.h"
#include "render/ticklayout.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kFullCircle16 = 360 * 16;

QPen elementPen(const QColor &color, double width, bool roundCap)
{
    return QPen(QBrush(color), width, Qt::SolidLine, roundCap ? Qt::RoundCap : Qt::FlatCap,
                Qt::RoundJoin);
}

// Rounds degrees * 16 to the nearest integer with halves away from zero.
// `degrees` must be finite. Values outside the range of int are brought back
// into it: spans to one full turn (the toolkit draws at most a full circle
// anyway), start angles by whole turns, folded before they are scaled, since
// scaling a start angle near the largest double would overflow to infinity.
int arcAngle16(double degrees, bool isSpan)
{
    const double v = std::round(degrees * 16.0);
    if (v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
        return int(v);
    if (isSpan)
        return v < 0 ? -kFullCircle16 : kFullCircle16;
    return int(std::round(std::fmod(degrees, 360.0) * 16.0));
}

// Collects consecutive tick lines that share a pen and draws them with one
// call. Only hairline pens are batched: the raster engine strokes each line
// of a hairline batch on its own, exactly as one drawLine per tick would,
// while wider pens would be stroked as one path and overlapping ticks would
// then blend differently at their antialiased edges. The SVG engine writes
// one element per line either way.
class TickLines
{
public:
    explicit TickLines(QPainter *painter) : m_painter(painter) {}
    ~TickLines() { flush(); }

    void setPen(const QColor &color, double width, bool roundCap)
    {
        if (m_hasPen && color == m_color && width == m_width && roundCap == m_roundCap)
            return;
        flush();
        m_hasPen = true;
        m_color = color;
        m_width = width;
        m_roundCap = roundCap;
        m_painter->setPen(elementPen(color, width, roundCap));
    }

    void add(const QLineF &line)
    {
        if (m_width != 0.0) {
            m_painter->drawLine(line);
            return;
        }
        m_buffer[m_count++] = line;
        if (m_count == kBufferSize)
            flush();
    }

    void flush()
    {
        if (m_count > 0)
            m_painter->drawLines(m_buffer, m_count);
        m_count = 0;
    }

    // Something else is about to change the painter's pen.
    void forgetPen()
    {
        flush();
        m_hasPen = false;
    }

private:
    static constexpr int kBufferSize = 512;
    QPainter *m_painter;
    QLineF m_buffer[kBufferSize];
    int m_count = 0;
    bool m_hasPen = false;
    QColor m_color;
    double m_width = 0.0;
    bool m_roundCap = false;
};

struct Budget
{
    qint64 lines;
    qint64 labels;
    qint64 labelCharacters;
    qint64 arcs;
    FaceBudget face;

    bool labelsLeft() const { return labels > 0 && labelCharacters > 0; }
};

class LayerPainter
{
public:
    LayerPainter(QPainter *painter, TickLines &ticks, Budget &budget,
                 const GaugePaintLimits &limits, const gaugeData &layer,
                 const std::function<bool()> &stopped)
        : m_painter(painter), m_ticks(ticks), m_budget(budget), m_limits(limits),
          m_maxDecimals(limits.labelDecimals), m_g(layer), m_stopped(stopped)
    {
    }

    void paint()
    {
        paintArcs();
        paintTicks();
        if (m_g.pictures.isEmpty() && m_g.texts.isEmpty())
            return;
        m_ticks.forgetPen();
        paintFaceElements(m_painter, m_g, m_limits, m_budget.face, m_stopped);
    }

private:
    static bool isFinite(const QPointF &p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

    void paintArcs()
    {
        for (int i = 0; i < 4; ++i) {
            if (m_g.arcAngleLength[i] == 0.0)
                continue;
            if (m_budget.arcs <= 0)
                return;
            --m_budget.arcs;
            const QRectF rect = DrawingSpace::circleBounds(m_g.arcRadius[i]);
            if (!std::isfinite(rect.x()) || !std::isfinite(rect.width())
                || !std::isfinite(m_g.arcStartAngle[i]) || !std::isfinite(m_g.arcAngleLength[i]))
                continue;
            m_ticks.forgetPen();
            m_painter->setPen(elementPen(m_g.arcColor[i], m_g.arcWidth[i], m_g.roundedArcCaps));
            m_painter->drawArc(rect, arcAngle16(90.0 - m_g.arcStartAngle[i], false),
                               arcAngle16(-m_g.arcAngleLength[i], true));
        }
    }

    // One tick of the given level at screen angle theta, from its outer
    // radius to its inner radius.
    bool stopRequested()
    {
        if (!m_stopped || m_work < m_nextAsk)
            return false;
        m_nextAsk = m_work + 4096;
        return m_stopped();
    }

    void tick(int level, double theta)
    {
        ++m_work;
        --m_budget.lines;
        const QPointF outer = DrawingSpace::pointAt(theta, m_g.divisionOuterRadius[level]);
        const QPointF inner = DrawingSpace::pointAt(theta, m_g.divisionInnerRadius[level]);
        if (!isFinite(outer) || !isFinite(inner))
            return;
        m_ticks.setPen(m_g.divisionColor[level], m_g.divisionWidth[level], m_g.roundedTickCaps);
        m_ticks.add(QLineF(outer, inner));
    }

    void label(double theta, const QString &text)
    {
        ++m_work;
        --m_budget.labels;
        const QPointF c = DrawingSpace::pointAt(theta, m_g.tickCountRadius);
        if (!isFinite(c))
            return;
        m_ticks.forgetPen();
        if (!m_fontSet) {
            m_painter->setFont(m_g.tickCountFont);
            m_fontSet = true;
        }
        m_painter->setPen(elementPen(m_g.tickCountColor, 0.0, m_g.roundedTickCaps));
        m_budget.labelCharacters -= text.size();
        if (!m_g.tickCountRotate) {
            m_painter->drawText(QRectF(c.x() - 50.0, c.y() - 50.0, 100.0, 100.0),
                                Qt::AlignCenter, text);
            return;
        }
        const double gaugeAngle = 90.0 - theta;
        m_painter->translate(c);
        m_painter->rotate(gaugeAngle);
        m_painter->drawText(QRectF(-50.0, -50.0, 100.0, 100.0), Qt::AlignCenter, text);
        m_painter->rotate(-gaugeAngle);
        m_painter->translate(-c);
    }

    void paintTicks()
    {
        const TickLayout layout(m_g);
        const qint64 n2 = layout.secondaryDivisions();
        const qint64 n3 = layout.tertiaryDivisions();
        for (PrimaryTicks primary(m_g); !primary.atEnd(); primary.next()) {
            const qint64 j = primary.index();
            const bool labelsLeft = m_g.tickCountEnabled && m_budget.labelsLeft();
            if (m_budget.lines <= 0 && !labelsLeft)
                return;
            if (stopRequested())
                return;
            const double theta = primary.screenAngle();
            if (m_budget.lines > 0)
                tick(0, theta);
            if (labelsLeft && !(j == 0 && m_g.tickCountSkipFirst)) {
                // An empty label text, or a tick beyond the list, has none.
                const QString text = primary.labelText(m_maxDecimals);
                if (!text.isEmpty() && text.size() <= m_limits.textCharacters)
                    label(theta, text);
            }

            if (!layout.subdivides(j))
                continue;
            for (qint64 k = 0; k < n2 && m_budget.lines > 0; ++k) {
                if (stopRequested())
                    return;
                if (k >= 1)
                    tick(1, layout.screenAngle(j, k));
                for (qint64 m = 1; m < n3 && m_budget.lines > 0; ++m)
                    tick(2, layout.screenAngle(j, k, m));
            }
        }
    }

    QPainter *m_painter;
    TickLines &m_ticks;
    Budget &m_budget;
    const GaugePaintLimits &m_limits;
    int m_maxDecimals;
    const gaugeData &m_g;
    const std::function<bool()> &m_stopped;
    // Ticks and labels drawn, and after how many `stopped` is asked again.
    qint64 m_work = 0;
    qint64 m_nextAsk = 0;
    bool m_fontSet = false;
};

} // namespace

void paintGaugeLayers(QPainter *painter, int size, const QList<gaugeData> &layers,
                      const GaugePaintLimits &limits, const std::function<bool()> &stopped)
{
    painter->setPen(elementPen(Qt::white, 0.0, false));
    painter->setBrush(Qt::NoBrush);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->scale(size / double(DrawingSpace::size), size / double(DrawingSpace::size));

    // The hub: a white disc of diameter 6 units under everything else.
    painter->setBrush(QBrush(Qt::white, Qt::SolidPattern));
    painter->drawEllipse(QRectF(DrawingSpace::centre - 3.0, DrawingSpace::centre - 3.0, 6.0, 6.0));
    painter->setBrush(Qt::NoBrush);

    Budget budget{limits.tickLines,
                  limits.labels,
                  limits.labelCharacters,
                  limits.arcs,
                  {limits.elements, limits.textCharactersInAll, limits.pictureBytes,
                   limits.pictureElements}};
    TickLines ticks(painter);
    for (const gaugeData &layer : layers) {
        if (stopped && stopped())
            return;
        LayerPainter(painter, ticks, budget, limits, layer, stopped).paint();
        ticks.forgetPen();
    }
}
