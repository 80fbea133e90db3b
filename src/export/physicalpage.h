#pragma once

#include "model/gaugedata.h"
#include "render/gaugepainter.h"
#include "render/physicalsize.h"

#include <QColor>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;

// The page a gauge is put on at its true size.
enum class PhysicalPage {
    A4,
    Letter,
    // A square page of the drawing plus a margin (and room for the scale
    // bar when there is one).
    Fit,
};

// How a gauge is drawn on paper, in the PDF and in print alike.
struct PhysicalOutputOptions
{
    double diameterMm = 62.0;
    double hairlineMm = PhysicalSize::defaultHairlineMm;
    PhysicalPage page = PhysicalPage::A4;
    // Thin cross over the centre of the dial, to drill or pin the needle.
    bool centreCross = false;
    // A 50 mm bar with millimetre ticks below the dial, to check that the
    // printer did not scale the page.
    bool scaleBar = false;
    // Fills the dial (the circle at radius 1.0) under the gauge; invalid:
    // the paper shows through, as the images' transparent background does.
    QColor background;
    // The face with its needles, without them, or the needles alone.
    needleDrawing needles = needleDrawing::with;
};

namespace PhysicalLayout {

// Blank paper around the drawing on a page of its own size.
inline constexpr double fitMarginMm = 10.0;
inline constexpr double scaleBarLengthMm = 50.0;
// From the bottom of the drawing square to the scale bar's line.
inline constexpr double scaleBarGapMm = 6.0;
// The bar's line, its longest ticks above it and its numbers below it.
inline constexpr double scaleBarHeightMm = 10.0;

} // namespace PhysicalLayout

// "A4", "Letter", "Fit"; and the lower-case names the tool reads.
QString pageName(PhysicalPage page);
QString pageKey(PhysicalPage page);
// The page for a key of pageKey, ignoring case; false when there is none.
[[nodiscard]] bool pageFromKey(const QString &key, PhysicalPage *page);

// Where everything lies on a page, in millimetres from its top-left corner.
struct PhysicalPlacement
{
    QSizeF pageMm;
    // The 512-unit drawing square, centred on the page.
    QRectF drawingMm;
    // The scale bar with its ticks and numbers; empty without one.
    QRectF scaleBarMm;
    // Everything that is drawn.
    QRectF contentMm;
};

// The size of the page the options ask for, portrait.
QPageSize physicalPageSize(const PhysicalOutputOptions &options);

// The size of a layout's page (turned as the layout is) in millimetres, as
// a PDF writer or a printer has it: in whole points.
QSizeF pageSizeMm(const QPageLayout &layout);

// The gauge and its marks centred on a page of `pageMm` (which may differ
// from the options' page: a printer may turn it or offer another).
PhysicalPlacement placeOnPage(const PhysicalOutputOptions &options, const QSizeF &pageMm);

// Whether everything drawn lies inside `areaMm`, such as a printer's
// printable area.
bool fitsInside(const PhysicalPlacement &placement, const QRectF &areaMm);

// Whether everything drawn fits on the page the options ask for; a page
// of A4 or Letter is never shrunk or enlarged to hold it.
bool fitsOnPage(const PhysicalOutputOptions &options);

// Draws the gauge at its true size with the marks the options ask for, on
// a page of `pageMm` whose top-left corner is the device's origin (a PDF
// writer without margins, a printer in full-page mode). Sizes come from the
// device's resolution, so a PDF, a preview and a printer get the same
// drawing. The painter must be active; its state is restored afterwards.
// `stopped` is passed on to the gauge painter.
void paintPhysicalGauge(QPainter *painter, const QList<gaugeData> &layers,
                        const PhysicalOutputOptions &options, const QSizeF &pageMm,
                        const std::function<bool()> &stopped = {});
