#include "render/gaugepainter.h"

#include "render/capsulefill.h"
#include "render/drawingspace.h"
#include "render/facepainter.h"
#include "render/needlepainter.h"
#include "render/ticklayout.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kFullCircle16 = 360 * 16;
// Ticks between two looks at the caller's cancellation.
constexpr qint64 kTicksPerCheck = 1024;

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

bool isFinite(const QPointF &p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Draws the tick lines of a layer. Consecutive lines of one pen go to the
// engine together where that draws each line exactly as alone: hairlines on
// any engine, and flat-capped wider lines on the raster engine at an
// upright scale, which rasterises every line of a batch by itself (with
// round caps, or a sheared painter, it would stroke the batch as one path
// and overlapping ticks would blend differently). Round-capped lines wider
// than a device pixel are filled by CapsuleFill where the device allows.
// Lines that cannot reach the kept pixels are skipped.
class TickLines
{
public:
    TickLines(QPainter *painter, const QRect &keptPixels)
        : m_painter(painter), m_capsules(painter, keptPixels), m_kept(keptPixels)
    {
        const QTransform &t = painter->deviceTransform();
        m_upright = t.type() <= QTransform::TxScale;
        m_rasterEngine =
            painter->paintEngine() && painter->paintEngine()->type() == QPaintEngine::Raster;
        m_scaleX = t.m11();
        m_scaleY = t.m22();
        m_dx = t.dx();
        m_dy = t.dy();
    }
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
        m_filled = roundCap && m_capsules.setPen(color, width);
        m_batched = width == 0.0 || (!roundCap && m_rasterEngine && m_upright);
        // Half the pen and an antialiased pixel either side.
        m_reach = std::fabs(width) * std::max(std::fabs(m_scaleX), std::fabs(m_scaleY)) / 2.0 + 2.0;
        if (!m_filled)
            m_painter->setPen(elementPen(color, width, roundCap));
    }

    void add(const QLineF &line)
    {
        if (!m_kept.isNull() && !reachesKeptPixels(line))
            return;
        if (m_filled) {
            m_capsules.fill(line);
        } else if (m_batched) {
            m_buffer[m_count++] = line;
            if (m_count == kBufferSize)
                flush();
        } else {
            m_painter->drawLine(line);
        }
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
    bool reachesKeptPixels(const QLineF &line) const
    {
        if (!m_upright || !std::isfinite(m_reach))
            return true;
        const double y1 = line.y1() * m_scaleY + m_dy;
        const double y2 = line.y2() * m_scaleY + m_dy;
        const double x1 = line.x1() * m_scaleX + m_dx;
        const double x2 = line.x2() * m_scaleX + m_dx;
        return std::max(y1, y2) + m_reach >= m_kept.top()
            && std::min(y1, y2) - m_reach <= m_kept.bottom() + 1
            && std::max(x1, x2) + m_reach >= m_kept.left()
            && std::min(x1, x2) - m_reach <= m_kept.right() + 1;
    }

    static constexpr int kBufferSize = 512;
    QPainter *m_painter;
    CapsuleFill m_capsules;
    QRect m_kept;
    bool m_upright = false;
    bool m_rasterEngine = false;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
    double m_dx = 0.0;
    double m_dy = 0.0;
    QLineF m_buffer[kBufferSize];
    int m_count = 0;
    bool m_hasPen = false;
    QColor m_color;
    double m_width = 0.0;
    bool m_roundCap = false;
    bool m_filled = false;
    bool m_batched = false;
    double m_reach = 0.0;
};

class LayerPainter
{
public:
    LayerPainter(QPainter *painter, GaugePaintBudget &budget, const GaugePaintLimits &limits,
                 const GaugePaintControl &control, const gaugeData &layer)
        : m_painter(painter), m_ticks(painter, control.keptPixels), m_budget(budget),
          m_limits(limits), m_maxDecimals(limits.labelDecimals), m_control(control), m_g(layer)
    {
    }

    // Returns false when the caller cancelled the drawing.
    bool paint()
    {
        paintArcs();
        paintTicks();
        m_ticks.forgetPen();
        if (m_control.ticksDone && m_unreported > 0)
            m_control.ticksDone->fetch_add(m_unreported, std::memory_order_relaxed);
        if (m_cancelled)
            return false;
        // Texts and pictures lie over the ticks, so a layer drawn in parts
        // gets them from the part that ends it; such layers are drawn whole
        // by the preview, so every part still counts the same allowance.
        if ((m_g.pictures.isEmpty() && m_g.texts.isEmpty())
            || m_control.endPrimary < TickLayout(m_g).primaryCount())
            return true;
        return paintFaceElements(m_painter, m_g, m_limits, m_budget.face, m_control.cancelled);
    }

private:
    void paintArcs()
    {
        for (int i = 0; i < 4; ++i) {
            if (m_g.arcAngleLength[i] == 0.0)
                continue;
            if (m_budget.arcs <= 0) {
                m_budget.cut = true;
                return;
            }
            --m_budget.arcs;
            if (m_control.firstPrimary > 0)
                continue;
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

    // Counts ticks against the allowance and, every few hundred, asks
    // whether the drawing is still wanted. Returns false to stop.
    bool countTick(qint64 ticks = 1)
    {
        m_budget.tickLines -= ticks;
        m_unreported += ticks;
        if (m_unreported < kTicksPerCheck)
            return true;
        if (m_control.ticksDone)
            m_control.ticksDone->fetch_add(m_unreported, std::memory_order_relaxed);
        m_unreported = 0;
        if (m_control.cancelled && m_control.cancelled())
            m_cancelled = true;
        return !m_cancelled;
    }

    // One tick of the given level in the given direction, from its outer
    // radius to its inner radius.
    void tick(int level, const DrawingSpace::Direction &direction)
    {
        const QPointF outer = DrawingSpace::pointAt(direction, m_g.divisionOuterRadius[level]);
        const QPointF inner = DrawingSpace::pointAt(direction, m_g.divisionInnerRadius[level]);
        if (!isFinite(outer) || !isFinite(inner))
            return;
        m_ticks.setPen(m_g.divisionColor[level], m_g.divisionWidth[level], m_g.roundedTickCaps);
        m_ticks.add(QLineF(outer, inner));
    }

    void tickAt(int level, double theta) { tick(level, DrawingSpace::direction(theta)); }

    void label(double theta, const DrawingSpace::Direction &direction, const QString &text)
    {
        --m_budget.labels;
        const QPointF c = DrawingSpace::pointAt(direction, m_g.tickCountRadius);
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

    bool labelsLeft() const { return m_budget.labels > 0 && m_budget.labelCharacters > 0; }

    // A label of another part: only its allowance is taken.
    void countLabel(const QString &text)
    {
        --m_budget.labels;
        m_budget.labelCharacters -= text.size();
    }

    // The secondary and tertiary ticks of an interval of another part, as
    // many of them as the allowance would draw. Returns false to stop.
    bool countInterval(qint64 n2, qint64 n3)
    {
        const qint64 ticks = (n2 - 1) + n2 * std::max<qint64>(0, n3 - 1);
        const qint64 allowed = std::clamp<qint64>(m_budget.tickLines, 0, ticks);
        if (allowed < ticks)
            m_budget.cut = true;
        return allowed == 0 || countTick(allowed);
    }

    void paintTicks()
    {
        const TickLayout layout(m_g);
        const qint64 n2 = layout.secondaryDivisions();
        const qint64 n3 = layout.tertiaryDivisions();
        for (PrimaryTicks primary(m_g); !primary.atEnd(); primary.next()) {
            const qint64 j = primary.index();
            // Once the label texts end, no later tick has a label to spend
            // the allowance on, and the ticks' allowance alone goes on.
            const bool labelled = m_g.tickCountEnabled && !primary.labelsEnded();
            const bool wantsLabel = labelled && !(j == 0 && m_g.tickCountSkipFirst);
            const bool labelAllowed = labelled && labelsLeft();
            if (m_budget.tickLines <= 0 && !labelAllowed) {
                m_budget.cut = true;
                return;
            }
            const bool drawn = j >= m_control.firstPrimary && j < m_control.endPrimary;
            const double theta = drawn ? primary.screenAngle() : 0.0;
            const DrawingSpace::Direction direction =
                drawn ? DrawingSpace::direction(theta) : DrawingSpace::Direction{1.0, 0.0};
            if (m_budget.tickLines > 0) {
                if (!countTick())
                    return;
                if (drawn)
                    tick(0, direction);
            } else {
                m_budget.cut = true;
            }
            if (wantsLabel) {
                // An empty label text, or a tick beyond the list, has none.
                const QString text = labelAllowed ? primary.labelText(m_maxDecimals) : QString();
                const bool shown = !text.isEmpty() && text.size() <= m_limits.textCharacters;
                if (!labelAllowed)
                    m_budget.cut = true;
                else if (shown && drawn)
                    label(theta, direction, text);
                else if (shown)
                    countLabel(text);
            }

            if (!layout.subdivides(j))
                continue;
            if (!drawn) {
                if (!countInterval(n2, n3))
                    return;
                continue;
            }
            for (qint64 k = 0; k < n2; ++k) {
                if (m_budget.tickLines <= 0) {
                    m_budget.cut = true;
                    break;
                }
                if (k >= 1) {
                    if (!countTick())
                        return;
                    tickAt(1, layout.screenAngle(j, k));
                }
                for (qint64 m = 1; m < n3; ++m) {
                    if (m_budget.tickLines <= 0) {
                        m_budget.cut = true;
                        break;
                    }
                    if (!countTick())
                        return;
                    tickAt(2, layout.screenAngle(j, k, m));
                }
            }
        }
    }

    QPainter *m_painter;
    TickLines m_ticks;
    GaugePaintBudget &m_budget;
    const GaugePaintLimits &m_limits;
    int m_maxDecimals;
    const GaugePaintControl &m_control;
    const gaugeData &m_g;
    bool m_fontSet = false;
    bool m_cancelled = false;
    qint64 m_unreported = 0;
};

} // namespace

GaugePaintBudget GaugePaintBudget::from(const GaugePaintLimits &limits)
{
    return {limits.tickLines,
            limits.labels,
            limits.labelCharacters,
            limits.arcs,
            false,
            {limits.elements, limits.textCharactersInAll, limits.pictureBytes,
             limits.pictureElements, limits.picturePixels, limits.textArea}};
}

bool GaugePaintBudget::operator==(const GaugePaintBudget &other) const
{
    return tickLines == other.tickLines && labels == other.labels
        && labelCharacters == other.labelCharacters && arcs == other.arcs
        && face == other.face;
}

void beginGaugePainting(QPainter *painter, int size)
{
    painter->setPen(elementPen(Qt::white, 0.0, false));
    painter->setBrush(Qt::NoBrush);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->scale(size / double(DrawingSpace::size), size / double(DrawingSpace::size));
}

void paintGaugeHub(QPainter *painter)
{
    // A white disc of diameter 6 units under everything else.
    painter->setPen(elementPen(Qt::white, 0.0, false));
    painter->setBrush(QBrush(Qt::white, Qt::SolidPattern));
    painter->drawEllipse(QRectF(DrawingSpace::centre - 3.0, DrawingSpace::centre - 3.0, 6.0, 6.0));
    painter->setBrush(Qt::NoBrush);
}

bool paintGaugeLayer(QPainter *painter, const gaugeData &layer, GaugePaintBudget &budget,
                     const GaugePaintLimits &limits, const GaugePaintControl &control)
{
    return LayerPainter(painter, budget, limits, control, layer).paint();
}

bool paintGaugeLayers(QPainter *painter, int size, const QList<gaugeData> &layers,
                      const GaugePaintLimits &limits, const GaugePaintControl &control)
{
    beginGaugePainting(painter, size);
    GaugePaintBudget budget = GaugePaintBudget::from(limits);
    if (control.needles != needleDrawing::only) {
        paintGaugeHub(painter);
        for (const gaugeData &layer : layers) {
            if (!paintGaugeLayer(painter, layer, budget, limits, control))
                return false;
        }
    }
    return control.needles == needleDrawing::none
        || paintGaugeNeedles(painter, layers, control.cancelled, budget.face.picturePixels);
}

qint64 gaugeTickLines(const QList<gaugeData> &layers)
{
    const qint64 allowance = GaugePaintLimits().tickLines;
    qint64 lines = 0;
    for (const gaugeData &layer : layers)
        lines = std::min(lines + gaugeLayerTickLines(layer), allowance);
    return lines;
}

qint64 gaugeLayerTickLines(const gaugeData &layer)
{
    const TickLayout layout(layer);
    const qint64 primaries = layout.primaryCount();
    if (primaries == 0)
        return 0;
    const qint64 n2 = layout.secondaryDivisions();
    const qint64 n3 = layout.tertiaryDivisions();
    // Per subdivided interval: n2 - 1 secondary ticks and n2 * (n3 - 1)
    // tertiary ones, saturating long before a qint64 would overflow.
    const qint64 intervals = layout.subdivides(primaries - 1) ? primaries : primaries - 1;
    const double perInterval =
        (n2 > 1 ? double(n2 - 1) : 0.0) + (n3 > 1 ? double(n2) * double(n3 - 1) : 0.0);
    const double total = double(primaries) + double(intervals) * perInterval;
    return total >= 9e18 ? std::numeric_limits<qint64>::max() : qint64(total);
}
