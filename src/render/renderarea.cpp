#include "render/renderarea.h"

#include "render/drawingspace.h"
#include "render/gaugepainter.h"
#include "render/parallel.h"

#include <QPainter>

namespace {

constexpr int kBusyTurnMs = 80;
constexpr int kBusySignSize = 26;
constexpr int kBusySignMargin = 8;

} // namespace

RenderArea::RenderArea(QWidget *parent) : QWidget(parent)
{
    registerGaugeDataMetaType();
    // Drawing on other threads must not take the cores from this one.
    setWorkersYieldToGui(true);
    m_preview = new PreviewRenderer(this);
    connect(m_preview, &PreviewRenderer::pictureReady, this, &RenderArea::pictureReady);
    m_busyDelay.setSingleShot(true);
    connect(&m_busyDelay, &QTimer::timeout, this, &RenderArea::showBusySign);
    m_busyTurn.setInterval(kBusyTurnMs);
    connect(&m_busyTurn, &QTimer::timeout, this, [this] {
        m_busyAngle = (m_busyAngle + 30) % 360;
        update(busySignRect());
    });
    // Transparent, so that a reference picture behind the preview shows through.
    setPalette(QPalette(Qt::transparent));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setStyleSheet(QStringLiteral("QWidget{background-color: transparent;}"));
    setAttribute(Qt::WA_NoSystemBackground);
}

QSize RenderArea::sizeHint() const
{
    return QSize(DrawingSpace::size, DrawingSpace::size);
}

QSize RenderArea::minimumSizeHint() const
{
    return QSize(100, 100);
}

void RenderArea::paintGauge(QPainter *painter, int size)
{
    paintGaugeLayers(painter, size, layers);
}

bool RenderArea::isPreviewCurrent() const
{
    return !m_preview->isBusy() && m_preview->pictureLayers() == layers
        && m_preview->pictureTarget() == previewTarget() && !m_preview->picture().isNull();
}

PreviewRenderer::Target RenderArea::previewTarget() const
{
    return {DrawingSpace::size, devicePixelRatioF(), logicalDpiX(), logicalDpiY()};
}

void RenderArea::paintEvent(QPaintEvent *)
{
    // The list is public and edited in place, so a change is noticed here,
    // when the repaint that every edit asks for comes.
    const PreviewRenderer::Target target = previewTarget();
    if (!m_requestedOnce || target != m_requestedTarget || layers != m_requestedLayers) {
        m_requestedOnce = true;
        m_requestedLayers = layers;
        m_requestedTarget = target;
        m_preview->request(layers, target);
        if (!m_busyDelay.isActive() && !m_busySignShown)
            m_busyDelay.start(busySignDelay);
    }

    QPainter painter(this);
    const QImage &picture = m_preview->picture();
    if (!picture.isNull())
        painter.drawImage(QPointF(0, 0), picture);
    if (m_busySignShown) {
        // A turning arc on a dark disc in the empty top-right corner.
        const QRectF sign = busySignRect();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 140));
        painter.drawEllipse(sign);
        painter.setPen(QPen(QColor(255, 255, 255, 220), 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(sign.adjusted(6, 6, -6, -6), -m_busyAngle * 16, 270 * 16);
    }
    painter.end();
}

void RenderArea::pictureReady()
{
    if (!m_preview->isBusy()) {
        m_busyDelay.stop();
        m_busyTurn.stop();
        m_busySignShown = false;
    }
    update();
}

void RenderArea::showBusySign()
{
    if (!m_preview->isBusy())
        return;
    m_busySignShown = true;
    m_busyTurn.start();
    update(busySignRect());
}

QRect RenderArea::busySignRect() const
{
    return QRect(DrawingSpace::size - kBusySignMargin - kBusySignSize, kBusySignMargin,
                 kBusySignSize, kBusySignSize);
}

void RenderArea::setAngles(double inStartAngle, double inAngleLength, double inBias,
                           bool midpointBias)
{
    currentGauge.startAngle = inStartAngle;
    currentGauge.angleLength = inAngleLength;
    currentGauge.bias = inBias;
    currentGauge.midpointBias = midpointBias;
    update();
}

void RenderArea::setRoundCaps(bool inRoundTickCaps, bool inRoundArcCaps)
{
    currentGauge.roundedTickCaps = inRoundTickCaps;
    currentGauge.roundedArcCaps = inRoundArcCaps;
    update();
}

void RenderArea::setScale(const valueScale &inScale)
{
    currentGauge.scale = inScale;
    update();
}

void RenderArea::setDivisions(int level, int inDivisions, double inInnerRadius,
                              double inOuterRadius, double inLineWidth, const QColor &inColor)
{
    currentGauge.divisionCount[level] = inDivisions;
    currentGauge.divisionInnerRadius[level] = inInnerRadius;
    currentGauge.divisionOuterRadius[level] = inOuterRadius;
    currentGauge.divisionWidth[level] = inLineWidth;
    currentGauge.divisionColor[level] = inColor;
    update();
}

void RenderArea::setDivisions1(int inDivisions, double inInnerRadius, double inOuterRadius,
                               double inLineWidth, QColor inColor)
{
    setDivisions(0, inDivisions, inInnerRadius, inOuterRadius, inLineWidth, inColor);
}

void RenderArea::setDivisions2(int inDivisions, double inInnerRadius, double inOuterRadius,
                               double inLineWidth, QColor inColor)
{
    setDivisions(1, inDivisions, inInnerRadius, inOuterRadius, inLineWidth, inColor);
}

void RenderArea::setDivisions3(int inDivisions, double inInnerRadius, double inOuterRadius,
                               double inLineWidth, QColor inColor)
{
    setDivisions(2, inDivisions, inInnerRadius, inOuterRadius, inLineWidth, inColor);
}

void RenderArea::setArc(int arc, double inStartAngle, double inAngleLength, double inRadius,
                        double inWidth, const QColor &inColor)
{
    currentGauge.arcStartAngle[arc] = inStartAngle;
    currentGauge.arcAngleLength[arc] = inAngleLength;
    currentGauge.arcRadius[arc] = inRadius;
    currentGauge.arcWidth[arc] = inWidth;
    currentGauge.arcColor[arc] = inColor;
    update();
}

void RenderArea::setArc1(double inStartAngle, double inAngleLength, double inRadius,
                         double inWidth, QColor inColor)
{
    setArc(0, inStartAngle, inAngleLength, inRadius, inWidth, inColor);
}

void RenderArea::setArc2(double inStartAngle, double inAngleLength, double inRadius,
                         double inWidth, QColor inColor)
{
    setArc(1, inStartAngle, inAngleLength, inRadius, inWidth, inColor);
}

void RenderArea::setArc3(double inStartAngle, double inAngleLength, double inRadius,
                         double inWidth, QColor inColor)
{
    setArc(2, inStartAngle, inAngleLength, inRadius, inWidth, inColor);
}

void RenderArea::setArc4(double inStartAngle, double inAngleLength, double inRadius,
                         double inWidth, QColor inColor)
{
    setArc(3, inStartAngle, inAngleLength, inRadius, inWidth, inColor);
}

void RenderArea::setTickCounts(bool inEnable, double inStart, double inIncrement,
                               int inDecPlaces, double inRadius, bool inRotate, bool inSkipFirst,
                               QFont inFont, QColor inColor)
{
    currentGauge.tickCountEnabled = inEnable;
    currentGauge.tickCountStart = inStart;
    currentGauge.tickCountIncrement = inIncrement;
    currentGauge.tickCountDecimalPlaces = inDecPlaces;
    currentGauge.tickCountRadius = inRadius;
    currentGauge.tickCountRotate = inRotate;
    currentGauge.tickCountSkipFirst = inSkipFirst;
    currentGauge.tickCountFont = inFont;
    currentGauge.tickCountColor = inColor;
    update();
}

void RenderArea::manualRedraw()
{
    update();
}

void RenderArea::loadLayer(int inIndex)
{
    if (inIndex < 0 || inIndex >= layers.size())
        return;
    currentGauge = layers.at(inIndex);
    update();
}

void RenderArea::saveLayerData(int inIndex)
{
    if (inIndex < 0 || inIndex >= layers.size())
        return;
    layers[inIndex] = currentGauge;
}

void RenderArea::setBackground(QPalette::ColorRole inRole)
{
    setBackgroundRole(inRole);
}

gaugeData RenderArea::defaultGauge()
{
    return gaugeData();
}
