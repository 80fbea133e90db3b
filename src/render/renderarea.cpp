#include "render/renderarea.h"

#include "render/drawingspace.h"
#include "render/gaugepainter.h"

#include <QPainter>

RenderArea::RenderArea(QWidget *parent) : QWidget(parent)
{
    registerGaugeDataMetaType();
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

void RenderArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintGauge(&painter, DrawingSpace::size);
    painter.end();
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
