#include "ui/inspectionview.h"

#include "app/window_p.h"
#include "export/imageexport.h"
#include "model/gaugedocument.h"
#include "render/drawingspace.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// Each notch of the wheel zooms by this factor; the keys and buttons by two.
constexpr double wheelStep = 1.25;
constexpr double keyStep = 2.0;
// The resolution at which the exports resolve label point sizes.
constexpr int exportDpi = 96;
constexpr int busySignDelayMs = 150;

} // namespace

// The area that shows the picture: it hands its painting and its input to
// the view.
class InspectionCanvas : public QWidget
{
public:
    explicit InspectionCanvas(InspectionView *view) : QWidget(view), m_view(view)
    {
        setObjectName(QStringLiteral("inspectionCanvas"));
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setCursor(Qt::OpenHandCursor);
        setMinimumSize(160, 160);
    }

    QSize sizeHint() const override { return QSize(720, 720); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_view->paintCanvas(&painter);
    }

    void resizeEvent(QResizeEvent *) override
    {
        if (m_view->m_fitting)
            m_view->fit();
        else
            m_view->changed();
    }

    void wheelEvent(QWheelEvent *event) override
    {
        const double notches = event->angleDelta().y() / 120.0;
        if (notches == 0.0)
            return;
        m_view->zoomTo(int(std::lround(m_view->pictureSize() * std::pow(wheelStep, notches))),
                       event->position());
        event->accept();
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        m_dragFrom = event->position();
        m_dragging = true;
        setCursor(Qt::ClosedHandCursor);
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (!m_dragging)
            return;
        m_view->pan(event->position() - m_dragFrom);
        m_dragFrom = event->position();
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        m_dragging = false;
        setCursor(Qt::OpenHandCursor);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        const QSizeF step = QSizeF(size()) / 8.0;
        const int size = m_view->pictureSize();
        switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            m_view->zoomTo(int(size * keyStep));
            break;
        case Qt::Key_Minus:
            m_view->zoomTo(int(size / keyStep));
            break;
        case Qt::Key_0:
            m_view->fit();
            break;
        case Qt::Key_1:
            m_view->showActualSize();
            break;
        case Qt::Key_Left:
            m_view->pan(QPointF(step.width(), 0));
            break;
        case Qt::Key_Right:
            m_view->pan(QPointF(-step.width(), 0));
            break;
        case Qt::Key_Up:
            m_view->pan(QPointF(0, step.height()));
            break;
        case Qt::Key_Down:
            m_view->pan(QPointF(0, -step.height()));
            break;
        default:
            QWidget::keyPressEvent(event);
        }
    }

private:
    InspectionView *m_view;
    QPointF m_dragFrom;
    bool m_dragging = false;
};

InspectionView::InspectionView(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("inspectionView"));
    setWindowTitle(tr("Inspect Gauge"));

    m_canvas = new InspectionCanvas(this);
    m_canvas->setAccessibleName(tr("Enlarged gauge"));
    m_canvas->setAccessibleDescription(
        tr("The gauge as a PNG export of the size shown draws it. The mouse wheel, Plus and "
           "Minus zoom, dragging and the arrow keys move it, 0 fits it into the window and 1 "
           "shows it at 4096 pixels."));
    m_canvas->setToolTip(tr("Wheel to zoom, drag to move"));

    auto *zoomOut = new QPushButton(tr("Zoom Out"), this);
    zoomOut->setObjectName(QStringLiteral("zoomOutButton"));
    zoomOut->setToolTip(tr("Half the size (Minus)"));
    auto *zoomIn = new QPushButton(tr("Zoom In"), this);
    zoomIn->setObjectName(QStringLiteral("zoomInButton"));
    zoomIn->setToolTip(tr("Twice the size (Plus)"));
    m_fitButton = new QPushButton(tr("Fit"), this);
    m_fitButton->setObjectName(QStringLiteral("fitButton"));
    m_fitButton->setToolTip(tr("The whole gauge in the window (0)"));
    m_actualSizeButton = new QPushButton(tr("1:1 at %1").arg(exportSizeMax), this);
    m_actualSizeButton->setObjectName(QStringLiteral("actualSizeButton"));
    m_actualSizeButton->setToolTip(
        tr("One pixel of the largest export, %1 × %1, on each pixel of the screen (1)")
            .arg(exportSizeMax));
    m_horizontalBar = new QScrollBar(Qt::Horizontal, this);
    m_horizontalBar->setObjectName(QStringLiteral("inspectionHorizontalScrollBar"));
    m_verticalBar = new QScrollBar(Qt::Vertical, this);
    m_verticalBar->setObjectName(QStringLiteral("inspectionVerticalScrollBar"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("inspectionStatus"));
    for (QPushButton *button : {zoomOut, zoomIn, m_fitButton, m_actualSizeButton})
        button->setFocusPolicy(Qt::TabFocus);

    auto *bar = new QHBoxLayout;
    bar->addWidget(zoomOut);
    bar->addWidget(zoomIn);
    bar->addWidget(m_fitButton);
    bar->addWidget(m_actualSizeButton);
    bar->addSpacing(12);
    bar->addWidget(m_status, 1);
    // The bars stay in place, disabled while the picture fits, so that the
    // canvas keeps its size as the zoom changes.
    auto *scrolled = new QGridLayout;
    scrolled->setSpacing(0);
    scrolled->addWidget(m_canvas, 0, 0);
    scrolled->addWidget(m_verticalBar, 0, 1);
    scrolled->addWidget(m_horizontalBar, 1, 0);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(scrolled, 1);

    connect(m_horizontalBar, &QScrollBar::valueChanged, this, [this](int value) {
        m_origin.setX(value);
        changed();
    });
    connect(m_verticalBar, &QScrollBar::valueChanged, this, [this](int value) {
        m_origin.setY(value);
        changed();
    });
    auto *closeAction = new QAction(tr("Close"), this);
    closeAction->setObjectName(QStringLiteral("closeInspectionAction"));
    QList<QKeySequence> closeKeys{QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const QKeySequence &key : QKeySequence::keyBindings(QKeySequence::Close))
        if (!closeKeys.contains(key))
            closeKeys.append(key);
    closeAction->setShortcuts(closeKeys);
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    addAction(closeAction);

    connect(zoomOut, &QPushButton::clicked, this, [this] { zoomTo(int(pictureSize() / keyStep)); });
    connect(zoomIn, &QPushButton::clicked, this, [this] { zoomTo(int(pictureSize() * keyStep)); });
    connect(m_fitButton, &QPushButton::clicked, this, &InspectionView::fit);
    connect(m_actualSizeButton, &QPushButton::clicked, this, &InspectionView::showActualSize);

    m_renderer = new PreviewRenderer(this);
    connect(m_renderer, &PreviewRenderer::pictureReady, this, [this] {
        updateStatus();
        m_canvas->update();
    });
    m_busyDelay.setSingleShot(true);
    m_busyDelay.setInterval(busySignDelayMs);
    connect(&m_busyDelay, &QTimer::timeout, this, &InspectionView::updateStatus);

    m_canvas->setFocus();
    updateStatus();
}

void InspectionView::setLayers(const QList<gaugeData> &layers)
{
    m_layers = layers;
    // A new gauge is a new picture, whatever the view shows.
    m_requested = false;
    m_canvas->update();
}

void InspectionView::follow(GaugeDocument *document)
{
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    connect(document, &GaugeDocument::changed, this, [this] {
        if (isVisible())
            setLayers(m_document->layerData());
    });
    setLayers(document->layerData());
}

void InspectionView::showEvent(QShowEvent *event)
{
    // It does not follow while it is hidden.
    if (m_document)
        setLayers(m_document->layerData());
    QWidget::showEvent(event);
}

int InspectionView::pictureSize() const
{
    return m_size;
}

int InspectionView::exportSize() const
{
    return std::min(m_size, exportSizeMax);
}

void InspectionView::setDialColor(const QColor &color)
{
    m_dialColor = color;
    m_canvas->update();
}

QPointF InspectionView::pictureOrigin() const
{
    return m_origin;
}

QWidget *InspectionView::canvas() const
{
    return m_canvas;
}

QSizeF InspectionView::canvasPixels() const
{
    return QSizeF(m_canvas->size()) * m_canvas->devicePixelRatioF();
}

void InspectionView::zoomTo(int size, QPointF anchor)
{
    m_fitting = false;
    const int zoomed = snappedSize(size);
    if (anchor.x() < 0 || anchor.y() < 0)
        anchor = QRectF(m_canvas->rect()).center();
    // The picture's point under the anchor stays there.
    const QPointF at = anchor * m_canvas->devicePixelRatioF();
    const QPointF fraction = (m_origin + at) / double(m_size);
    m_size = zoomed;
    m_origin = fraction * double(m_size) - at;
    changed();
}

int InspectionView::snappedSize(int size) const
{
    if (size <= exportSizeMax)
        return std::max(size, exportSizeMin);
    // Zooming in from below stops at one to one first; beyond, the export's
    // pixels are enlarged a whole number of times, in steps of two.
    if (m_size < exportSizeMax)
        return exportSizeMax;
    const double factor = double(size) / exportSizeMax;
    int magnification = 1;
    if (size > m_size) {
        while (magnification < factor)
            magnification *= 2;
    } else {
        while (magnification * 2 <= factor)
            magnification *= 2;
    }
    return exportSizeMax * std::min(magnification, maximumMagnification);
}

void InspectionView::fit()
{
    const QSizeF room = canvasPixels();
    m_size = std::clamp(int(std::min(room.width(), room.height())), exportSizeMin, exportSizeMax);
    m_fitting = true;
    changed();
}

void InspectionView::showActualSize()
{
    zoomTo(exportSizeMax);
}

void InspectionView::pan(QPointF pixels)
{
    m_origin -= pixels * m_canvas->devicePixelRatioF();
    changed();
}

void InspectionView::clampOrigin()
{
    const QSizeF room = canvasPixels();
    // A picture smaller than the canvas stays in its middle; a larger one
    // covers the canvas.
    auto clampAxis = [this](double origin, double roomAxis) {
        if (m_size <= roomAxis)
            return (m_size - roomAxis) / 2.0;
        return std::clamp(origin, 0.0, m_size - roomAxis);
    };
    m_origin = QPointF(std::round(clampAxis(m_origin.x(), room.width())),
                       std::round(clampAxis(m_origin.y(), room.height())));
}

void InspectionView::changed()
{
    clampOrigin();
    updateScrollBars();
    updateStatus();
    m_canvas->update();
}

void InspectionView::updateScrollBars()
{
    const QSizeF room = canvasPixels();
    auto place = [this](QScrollBar *bar, double origin, double roomAxis) {
        const QSignalBlocker blocker(bar);
        const int range = std::max(0, int(std::lround(m_size - roomAxis)));
        bar->setRange(0, range);
        bar->setPageStep(std::max(1, int(roomAxis)));
        bar->setSingleStep(std::max(1, int(roomAxis / 8)));
        bar->setValue(range > 0 ? int(origin) : 0);
        bar->setEnabled(range > 0);
    };
    place(m_horizontalBar, m_origin.x(), room.width());
    place(m_verticalBar, m_origin.y(), room.height());
}

PreviewRenderer::Target InspectionView::wantedTarget() const
{
    PreviewRenderer::Target target;
    target.size = exportSize();
    target.devicePixelRatio = 1.0;
    target.dpiX = exportDpi;
    target.dpiY = exportDpi;
    const QSize room = canvasPixels().toSize();
    const QRect shown = QRect(m_origin.toPoint(), room) & QRect(0, 0, m_size, m_size);
    // Enlarged, the export's pixels that the screen's cover, whole ones.
    const int magnification = m_size / target.size;
    const QPoint first(shown.left() / magnification, shown.top() / magnification);
    const QPoint last(shown.right() / magnification, shown.bottom() / magnification);
    target.visible = shown.isEmpty() ? QRect() : QRect(first, last);
    return target;
}

bool InspectionView::isPictureCurrent() const
{
    return !m_renderer->isBusy() && !m_renderer->picture().isNull()
        && m_renderer->pictureLayers() == withUnhintedLabels(m_layers)
        && m_renderer->pictureTarget() == wantedTarget();
}

const QImage &InspectionView::picture() const
{
    return m_renderer->picture();
}

PreviewRenderer::Target InspectionView::pictureTarget() const
{
    return m_renderer->pictureTarget();
}

void InspectionView::paintCanvas(QPainter *painter)
{
    const PreviewRenderer::Target target = wantedTarget();
    if (!target.visible.isEmpty() && (!m_requested || target != m_requestedTarget)) {
        m_requested = true;
        m_requestedTarget = target;
        m_renderer->request(withUnhintedLabels(m_layers), target);
        if (!m_busyDelay.isActive())
            m_busyDelay.start();
    }

    // The dark of the preview around the dial, so the usual white marks
    // show, and the dial in the colour chosen to show it on.
    painter->fillRect(m_canvas->rect(), Qt::black);
    const qreal ratio = m_canvas->devicePixelRatioF();
    if (m_dialColor != Qt::black) {
        const double unit = double(m_size) / DrawingSpace::size / ratio;
        const QPointF centre = QPointF(DrawingSpace::centre, DrawingSpace::centre) * unit
            - m_origin / ratio;
        const double radius = DrawingSpace::gaugeRadius * unit;
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(m_dialColor);
        painter->drawEllipse(centre, radius, radius);
        painter->setRenderHint(QPainter::Antialiasing, false);
    }
    const QImage &image = m_renderer->picture();
    if (!image.isNull()) {
        // The newest picture, where its pixels lie at the present zoom and
        // scroll; until the new one arrives an older one is shown scaled.
        const PreviewRenderer::Target &shown = m_renderer->pictureTarget();
        const double scale = double(m_size) / shown.size;
        const QRectF place((QPointF(shown.visible.topLeft()) * scale - m_origin) / ratio,
                           QSizeF(shown.visible.size()) * scale / ratio);
        // The export's own pixels enlarged stay sharp squares; an older
        // picture shown at another zoom is smoothed until the new one comes.
        const bool enlargedPixels = m_size > exportSizeMax && shown.size == exportSizeMax;
        painter->setRenderHint(QPainter::SmoothPixmapTransform, scale != 1.0 && !enlargedPixels);
        painter->drawImage(place, image);
    }
    // The edge of the export's square.
    painter->setPen(QColor(80, 80, 80));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(
        QRectF(-m_origin / ratio, QSizeF(m_size, m_size) / ratio).adjusted(-1, -1, 0, 0));
}

void InspectionView::updateStatus()
{
    const int percent = int(std::lround(100.0 * m_size / exportSizeMax));
    QString text = m_size > exportSizeMax
        ? tr("%1 × %1 pixels enlarged to %2%").arg(exportSizeMax).arg(percent)
        : tr("%1 × %1 pixels, %2% of %3 × %3").arg(m_size).arg(percent).arg(exportSizeMax);
    if (m_renderer->isBusy() && !m_busyDelay.isActive())
        text = tr("%1 (drawing…)").arg(text);
    m_status->setText(text);
}
