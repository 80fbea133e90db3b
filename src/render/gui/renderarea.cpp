#include "render/gui/renderarea.h"

#include "model/gaugedocument.h"
#include "render/drawingspace.h"
#include "render/gaugepainter.h"
#include "concurrency/parallel.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

constexpr int kBusyTurnMs = 80;
constexpr int kBusySignSize = 26;
constexpr int kBusySignMargin = 8;

} // namespace

const QList<gaugeData> &DocumentLayers::list() const
{
    return (*m_document)->layerData();
}

DocumentLayers &DocumentLayers::operator=(const QList<gaugeData> &layers)
{
    (*m_document)->setLayerData(layers, QCoreApplication::translate("RenderArea", "Change Layers"));
    return *this;
}

void DocumentLayers::append(const gaugeData &layer)
{
    GaugeDocument *document = *m_document;
    document->insertLayer(document->layerCount(), namedLayer{QString(), layer},
                          QCoreApplication::translate("RenderArea", "Add Layer"));
}

RenderArea::RenderArea(QWidget *parent) : QWidget(parent), layers(&m_document)
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

    m_ownDocument = new GaugeDocument(this);
    watch(m_ownDocument);
}

RenderArea::~RenderArea()
{
    // A document given from outside may outlive the preview.
    if (m_document && m_document != m_ownDocument)
        disconnect(m_document, nullptr, this, nullptr);
}

void RenderArea::setDocument(GaugeDocument *document)
{
    watch(document ? document : m_ownDocument);
}

void RenderArea::watch(GaugeDocument *document)
{
    if (document == m_document)
        return;
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    // Every change of the layers asks for a picture; the renderer keeps the
    // pictures of the layers that did not change.
    connect(document, &GaugeDocument::changed, this, &RenderArea::requestPicture);
    connect(document, &GaugeDocument::currentRowChanged, this, &RenderArea::takeCurrentLayer);
    connect(document, &GaugeDocument::layersReset, this, &RenderArea::takeCurrentLayer);
    connect(document, &GaugeDocument::layerChanged, this, [this](int row) {
        if (row == m_document->currentRow())
            takeCurrentLayer();
    });
    takeCurrentLayer();
    requestPicture();
}

void RenderArea::takeCurrentLayer()
{
    if (m_document->currentRow() >= 0)
        currentGauge = m_document->currentLayer();
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
    paintGaugeLayers(painter, size, m_document->layerData());
}

bool RenderArea::isPreviewCurrent() const
{
    return !m_preview->isBusy() && m_requestedRevision == m_document->revision()
        && m_requestedPose == m_pose
        && m_preview->pictureTarget() == previewTarget() && !m_preview->picture().isNull();
}

void RenderArea::showPosed(const QList<gaugeData> &posed)
{
    m_posed = posed;
    ++m_pose;
    requestPicture();
}

void RenderArea::showDocument()
{
    if (!m_posed)
        return;
    m_posed.reset();
    ++m_pose;
    requestPicture();
}

const QList<gaugeData> &RenderArea::shownLayers() const
{
    return m_posed ? *m_posed : m_document->layerData();
}

PreviewRenderer::Target RenderArea::previewTarget() const
{
    return {DrawingSpace::size, devicePixelRatioF(), logicalDpiX(), logicalDpiY()};
}

void RenderArea::requestPicture()
{
    m_requestedOnce = true;
    m_requestedRevision = m_document->revision();
    m_requestedPose = m_pose;
    m_requestedTarget = previewTarget();
    m_preview->request(shownLayers(), m_requestedTarget);
    if (!m_busyDelay.isActive() && !m_busySignShown)
        m_busyDelay.start(busySignDelay);
}

void RenderArea::paintEvent(QPaintEvent *)
{
    // The screen's pixel ratio is known for certain only once the widget is
    // shown on it.
    if (!m_requestedOnce || previewTarget() != m_requestedTarget)
        requestPicture();

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

// The setters change the editing copy only; saveLayerData puts it into the
// document, which then asks for the picture.

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
    if (inIndex < 0 || inIndex >= m_document->layerCount())
        return;
    currentGauge = m_document->layer(inIndex);
    update();
}

void RenderArea::saveLayerData(int inIndex)
{
    m_document->setLayer(inIndex, currentGauge,
                         QCoreApplication::translate("RenderArea", "Change Layer"));
}

void RenderArea::setBackground(QPalette::ColorRole inRole)
{
    setBackgroundRole(inRole);
}

gaugeData RenderArea::defaultGauge()
{
    return gaugeData();
}
