#include "export/physicalpage.h"

#include "render/drawingspace.h"
#include "render/gaugepainter.h"

#include <QCoreApplication>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace PhysicalLayout;

namespace {

// The scale bar's numbers stand out beyond the ends of its line; "mm"
// follows the last one.
constexpr double scaleBarLeftOverhangMm = 3.0;
constexpr double scaleBarRightOverhangMm = 9.0;
// From the top of the bar's area down to its line; ticks rise above it,
// numbers hang below it.
constexpr double scaleBarLineOffsetMm = 4.0;
constexpr double scaleBarLineWidthMm = 0.15;
constexpr double scaleBarTickWidthMm = 0.1;
constexpr double scaleBarNumberPoints = 7.0;

double scaleBarWidthMm()
{
    return scaleBarLeftOverhangMm + scaleBarLengthMm + scaleBarRightOverhangMm;
}

// Room below the drawing that the scale bar takes.
double scaleBarBandMm(const PhysicalOutputOptions &options)
{
    return options.scaleBar ? scaleBarGapMm + scaleBarHeightMm : 0.0;
}

// Marks on the dial must show on whatever it is filled with.
QColor markColor(const QColor &background)
{
    return background.isValid() && background.alpha() > 0 && background.lightness() < 128
        ? QColor(Qt::white)
        : QColor(Qt::black);
}

class PageDrawing
{
public:
    PageDrawing(QPainter *painter, const PhysicalPlacement &placement)
        : m_painter(painter), m_placement(placement),
          m_devicePerMm(painter->device()->logicalDpiX() / PhysicalSize::millimetresPerInch)
    {
    }

    double devicePerMm() const { return m_devicePerMm; }
    QPointF point(double xMm, double yMm) const
    {
        return QPointF(xMm * m_devicePerMm, yMm * m_devicePerMm);
    }
    QRectF rect(const QRectF &mm) const
    {
        return QRectF(point(mm.left(), mm.top()), point(mm.right(), mm.bottom()));
    }

    void setPen(const QColor &color, double widthMm)
    {
        m_painter->setPen(QPen(QBrush(color), widthMm * m_devicePerMm, Qt::SolidLine, Qt::FlatCap,
                               Qt::MiterJoin));
        m_painter->setBrush(Qt::NoBrush);
    }

    void line(double x1, double y1, double x2, double y2)
    {
        m_painter->drawLine(QLineF(point(x1, y1), point(x2, y2)));
    }

    // The dial's own circle, radius 1.0, not the drawing square's.
    void background(const QColor &color, double diameterMm)
    {
        const QPointF c = m_placement.drawingMm.center();
        const double r = diameterMm / 2.0;
        m_painter->setPen(Qt::NoPen);
        m_painter->setBrush(color);
        m_painter->drawEllipse(rect(QRectF(c.x() - r, c.y() - r, 2.0 * r, 2.0 * r)));
        m_painter->setBrush(Qt::NoBrush);
    }

    void centreCross(double diameterMm, double widthMm, const QColor &color)
    {
        const QPointF c = m_placement.drawingMm.center();
        const double arm = std::clamp(0.06 * diameterMm, 1.5, 6.0);
        setPen(color, widthMm);
        line(c.x() - arm, c.y(), c.x() + arm, c.y());
        line(c.x(), c.y() - arm, c.x(), c.y() + arm);
    }

    void scaleBar()
    {
        const QRectF area = m_placement.scaleBarMm;
        const double left = area.left() + scaleBarLeftOverhangMm;
        const double y = area.top() + scaleBarLineOffsetMm;
        setPen(Qt::black, scaleBarTickWidthMm);
        for (int mm = 0; mm <= int(scaleBarLengthMm); ++mm) {
            const double height = mm % 10 == 0 ? 3.5 : mm % 5 == 0 ? 2.5 : 1.5;
            line(left + mm, y, left + mm, y - height);
        }
        setPen(Qt::black, scaleBarLineWidthMm);
        line(left, y, left + scaleBarLengthMm, y);

        // Real points at the device's resolution: a printed size.
        QFont font(QStringLiteral("Sans Serif"));
        font.setPointSizeF(scaleBarNumberPoints);
        font.setHintingPreference(QFont::PreferNoHinting);
        m_painter->setFont(font);
        m_painter->setPen(Qt::black);
        const double textTop = y + 0.8;
        const double textHeight = area.bottom() - textTop;
        for (int mm = 0; mm <= int(scaleBarLengthMm); mm += 10) {
            m_painter->drawText(rect(QRectF(left + mm - 5.0, textTop, 10.0, textHeight)),
                                Qt::AlignHCenter | Qt::AlignTop, QString::number(mm));
        }
        m_painter->drawText(rect(QRectF(left + scaleBarLengthMm + 3.0, textTop,
                                        scaleBarRightOverhangMm - 3.0, textHeight)),
                            Qt::AlignLeft | Qt::AlignTop,
                            QCoreApplication::translate("PhysicalPage", "mm"));
    }

private:
    QPainter *m_painter;
    const PhysicalPlacement &m_placement;
    double m_devicePerMm;
};

} // namespace

QString pageName(PhysicalPage page)
{
    switch (page) {
    case PhysicalPage::Letter:
        return QCoreApplication::translate("PhysicalPage", "Letter");
    case PhysicalPage::Fit:
        return QCoreApplication::translate("PhysicalPage", "Fit");
    case PhysicalPage::A4:
        break;
    }
    return QCoreApplication::translate("PhysicalPage", "A4");
}

QString pageKey(PhysicalPage page)
{
    switch (page) {
    case PhysicalPage::Letter:
        return QStringLiteral("letter");
    case PhysicalPage::Fit:
        return QStringLiteral("fit");
    case PhysicalPage::A4:
        break;
    }
    return QStringLiteral("a4");
}

bool pageFromKey(const QString &key, PhysicalPage *page)
{
    for (PhysicalPage candidate : {PhysicalPage::A4, PhysicalPage::Letter, PhysicalPage::Fit}) {
        if (key.compare(pageKey(candidate), Qt::CaseInsensitive) == 0) {
            *page = candidate;
            return true;
        }
    }
    return false;
}

QSizeF pageSizeMm(const QPageLayout &layout)
{
    return QSizeF(layout.fullRectPoints().size()) * PhysicalSize::millimetresPerInch
        / PhysicalSize::pointsPerInch;
}

QPageSize physicalPageSize(const PhysicalOutputOptions &options)
{
    switch (options.page) {
    case PhysicalPage::Letter:
        return QPageSize(QPageSize::Letter);
    case PhysicalPage::Fit: {
        const double drawing = PhysicalSize::drawingEdgeMm(options.diameterMm);
        double edge = drawing + 2.0 * (fitMarginMm + scaleBarBandMm(options));
        if (options.scaleBar)
            edge = std::max(edge, scaleBarWidthMm() + 2.0 * fitMarginMm);
        // PDF pages and printers measure pages in whole points; rounded up,
        // so the page still holds everything.
        const int points = int(std::ceil(
            edge / PhysicalSize::millimetresPerInch * PhysicalSize::pointsPerInch - 0.001));
        return QPageSize(QSize(points, points),
                         QCoreApplication::translate("PhysicalPage", "Gauge"),
                         QPageSize::ExactMatch);
    }
    case PhysicalPage::A4:
        break;
    }
    return QPageSize(QPageSize::A4);
}

PhysicalPlacement placeOnPage(const PhysicalOutputOptions &options, const QSizeF &pageMm)
{
    PhysicalPlacement placement;
    placement.pageMm = pageMm;
    const double edge = PhysicalSize::drawingEdgeMm(options.diameterMm);
    placement.drawingMm =
        QRectF((pageMm.width() - edge) / 2.0, (pageMm.height() - edge) / 2.0, edge, edge);
    placement.contentMm = placement.drawingMm;
    if (options.scaleBar) {
        const double lineLeft = (pageMm.width() - scaleBarLengthMm) / 2.0;
        placement.scaleBarMm =
            QRectF(lineLeft - scaleBarLeftOverhangMm, placement.drawingMm.bottom() + scaleBarGapMm,
                   scaleBarWidthMm(), scaleBarHeightMm);
        placement.contentMm = placement.contentMm.united(placement.scaleBarMm);
    }
    return placement;
}

bool fitsInside(const PhysicalPlacement &placement, const QRectF &areaMm)
{
    // A thousandth of a millimetre for the rounding of page sizes.
    return areaMm.adjusted(-0.001, -0.001, 0.001, 0.001).contains(placement.contentMm);
}

bool fitsOnPage(const PhysicalOutputOptions &options)
{
    const QSizeF page =
        pageSizeMm(QPageLayout(physicalPageSize(options), QPageLayout::Portrait, QMarginsF()));
    return fitsInside(placeOnPage(options, page), QRectF(QPointF(0, 0), page));
}

void paintPhysicalGauge(QPainter *painter, const QList<gaugeData> &layers,
                        const PhysicalOutputOptions &options, const QSizeF &pageMm,
                        const std::function<bool()> &stopped)
{
    const PhysicalPlacement placement = placeOnPage(options, pageMm);
    painter->save();
    PageDrawing page(painter, placement);
    painter->setRenderHint(QPainter::Antialiasing);
    if (options.background.isValid())
        page.background(options.background, options.diameterMm);

    painter->save();
    const double scale = PhysicalSize::millimetresPerUnit(options.diameterMm) * page.devicePerMm();
    painter->translate(page.point(placement.drawingMm.left(), placement.drawingMm.top()));
    painter->scale(scale, scale);
    GaugePaintControl control;
    control.cancelled = stopped;
    control.needles = options.needles;
    paintGaugeLayers(painter, DrawingSpace::size,
                     PhysicalSize::physicalLayers(layers, options.diameterMm, options.hairlineMm,
                                                  painter->device()->logicalDpiY()),
                     GaugePaintLimits(), control);
    painter->restore();

    if (options.centreCross)
        page.centreCross(options.diameterMm, options.hairlineMm, markColor(options.background));
    if (options.scaleBar)
        page.scaleBar();
    painter->restore();
}
