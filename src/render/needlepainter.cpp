#include "render/needlepainter.h"

#include "render/drawingspace.h"
#include "render/facepictures.h"
#include "render/groupingdevice.h"
#include "render/needledial.h"
#include "render/softshadow.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

// The context of this file's texts in the translations.
struct NeedlePainter
{
    Q_DECLARE_TR_FUNCTIONS(NeedlePainter)
};

// The largest side of a shadow's picture; a larger shadow is drawn from a
// smaller picture, scaled up, which a blur does not show.
constexpr int shadowPictureMax = 2048;

bool finite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

const QPointF centre(DrawingSpace::centre, DrawingSpace::centre);

// The drawing space turned so that 12 o'clock points at `angle`, with the
// pivot at the origin.
QTransform turned(double angle)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(angle);
    return t;
}

void fillPath(QPainter *painter, const QPainterPath &path, const QColor &color)
{
    painter->setPen(Qt::NoPen);
    painter->setBrush(QBrush(color));
    painter->drawPath(path);
}

// The body, drawn turned.
void paintBody(QPainter *painter, const gaugeNeedle &needle, double angle)
{
    painter->save();
    painter->setTransform(turned(angle), true);
    if (needle.shape == needleShape::picture) {
        const auto decoded = decodedPicture(needle.pictureData, needle.pictureType);
        decoded->draw(painter, needlePictureRect(needle));
    } else if (needle.shape == needleShape::line && needle.width == 0.0) {
        // A needle of no width is a hairline, one device pixel wide at any
        // size, as ticks of no width are.
        painter->setPen(QPen(QBrush(needle.color), 0.0, Qt::SolidLine, Qt::FlatCap));
        painter->drawLine(QPointF(0.0, needle.tail * DrawingSpace::gaugeRadius),
                          QPointF(0.0, -needle.length * DrawingSpace::gaugeRadius));
    } else {
        fillPath(painter, needleBodyPath(needle), needle.color);
    }
    painter->restore();
}

void paintHub(QPainter *painter, const gaugeNeedle &needle)
{
    if (!needle.hub.shown)
        return;
    painter->save();
    painter->translate(centre);
    fillPath(painter, needleHubPath(needle), needle.hub.color);
    painter->restore();
}

// The needle as its shadow is made from: the body and the hub.
void paintSilhouette(QPainter *painter, const gaugeNeedle &needle, double angle)
{
    paintBody(painter, needle, angle);
    paintHub(painter, needle);
}

// The shadow drawn from a blurred picture of the silhouette in device
// pixels, laid on the device offset by the shadow's offset.
void paintRasterShadow(QPainter *painter, const gaugeNeedle &needle, double angle)
{
    const needleShadow &s = needle.shadow;
    const QTransform device = painter->deviceTransform();
    const double scale = std::sqrt(std::fabs(device.determinant()));
    QPainterPath outline = needleHubPath(needle);
    outline.translate(centre);
    if (needle.shape == needleShape::picture)
        outline.addPolygon(turned(angle).map(QPolygonF(needlePictureRect(needle))));
    else
        outline.addPath(turned(angle).map(needleBodyPath(needle)));
    const double sigma = s.blur * scale;
    const double margin = 3.0 * sigma + 2.0;
    const QRectF area =
        device.mapRect(outline.boundingRect()).adjusted(-margin, -margin, margin, margin);
    if (!area.isValid() || !finite({area.left(), area.top(), area.width(), area.height()}))
        return;
    // The picture's pixels per device pixel.
    const double k = std::min(1.0, shadowPictureMax / std::max(area.width(), area.height()));
    const QPoint origin(int(std::floor(area.left())), int(std::floor(area.top())));
    const QSize size(int(std::ceil(area.width() * k)) + 1, int(std::ceil(area.height() * k)) + 1);
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull())
        return;
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(k, k);
        p.translate(-origin);
        p.setTransform(device, true);
        paintSilhouette(&p, needle, angle);
    }
    // The silhouette's coverage, as opaque as the shadow's colour allows,
    // blurred; then every pixel the colour of the shadow at that coverage.
    const QRgb tint = s.color.rgba();
    QImage coverage(picture.size(), QImage::Format_Alpha8);
    if (coverage.isNull())
        return;
    for (int y = 0; y < picture.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        uchar *out = coverage.scanLine(y);
        for (int x = 0; x < picture.width(); ++x)
            out[x] = uchar(qAlpha(line[x]) * qAlpha(tint) / 255);
    }
    blurAlpha(&coverage, sigma * k);
    for (int y = 0; y < picture.height(); ++y) {
        const uchar *in = coverage.constScanLine(y);
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int a = in[x];
            line[x] = qRgba(qRed(tint) * a / 255, qGreen(tint) * a / 255, qBlue(tint) * a / 255, a);
        }
    }
    const QPointF offset = device.map(QPointF(s.dx, s.dy)) - device.map(QPointF(0.0, 0.0));
    painter->save();
    painter->resetTransform();
    const qreal ratio = painter->device()->devicePixelRatioF();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, k < 1.0);
    painter->drawImage(QRectF((QPointF(origin) + offset) / ratio,
                              QSizeF(picture.size()) / k / ratio),
                       picture);
    painter->restore();
}

QString number(double value)
{
    return QString::number(value, 'g', 12);
}

// The rotation about the pivot, in the device's units.
QString turnAttribute(QPainter *painter, double angle)
{
    const QPointF pivot = painter->transform().map(centre);
    return QStringLiteral("rotate(%1 %2 %3)")
        .arg(number(angle), number(pivot.x()), number(pivot.y()));
}

// A needle on a device that keeps groups: upright inside a group turned
// about its pivot, its shadow a filtered copy of it.
void paintGrouped(QPainter *painter, GroupingDevice *groups, const gaugeNeedle &needle,
                  double angle, int index)
{
    const QString turn = turnAttribute(painter, angle);
    if (needle.shadow.shown) {
        const QTransform t = painter->transform();
        const double scale = std::sqrt(std::fabs(t.determinant()));
        const QPointF offset =
            t.map(QPointF(needle.shadow.dx, needle.shadow.dy)) - t.map(QPointF());
        const QColor c = needle.shadow.color;
        const double rgba[4] = {c.redF(), c.greenF(), c.blueF(), c.alphaF()};
        const QString filter = groups->addShadowFilter(needle.shadow.blur * scale, rgba);
        groups->openGroup(
            {{"class", QStringLiteral("needle-shadow")},
             {"transform",
              QStringLiteral("translate(%1 %2)").arg(number(offset.x()), number(offset.y()))},
             {"filter", QStringLiteral("url(#%1)").arg(filter)}});
        groups->openGroup({{"transform", turn}});
        paintBody(painter, needle, 0.0);
        paintHub(painter, needle);
        groups->closeGroup();
        groups->closeGroup();
    }
    groups->openGroup({{"class", QStringLiteral("needle")},
                       {"id", QStringLiteral("needle-%1").arg(index)},
                       {"data-name", needle.name},
                       {"data-angle", number(angle)},
                       {"transform", turn}});
    paintBody(painter, needle, 0.0);
    paintHub(painter, needle);
    groups->closeGroup();
}

} // namespace

QString needleProblem(const gaugeData &layer, const gaugeNeedle &needle)
{
    if (!NeedleDial(layer).isValid())
        return NeedlePainter::tr("The layer lays no values along its span: it needs primary "
                                 "divisions, and an increment of its labels that is not 0.");
    if (needle.shape == needleShape::unknown)
        return NeedlePainter::tr("Its shape is not one this version knows.");
    if (!finite({needle.value, needle.length, needle.tail, needle.width, needle.tipWidth}))
        return NeedlePainter::tr("Its value, length or widths are not numbers.");
    if (!(needle.length > 0.0) || needle.length > needleReach || needle.tail < 0.0
        || needle.tail > needleReach)
        return NeedlePainter::tr("Its length must be above 0 and its tail at least 0, both at "
                                 "most %1 radii.")
            .arg(needleReach);
    if (needle.width < 0.0 || needle.tipWidth < 0.0 || needle.width > needleWidthMax
        || needle.tipWidth > needleWidthMax
        || (needle.shape != needleShape::line && needle.width == 0.0 && needle.tipWidth == 0.0))
        return NeedlePainter::tr("Its widths must be from 0 to %1, and not both 0.")
            .arg(needleWidthMax);
    if (needle.hub.shown
        && (!finite({needle.hub.radius}) || !(needle.hub.radius > 0.0)
            || needle.hub.radius > needleReach))
        return NeedlePainter::tr("Its hub's radius must be above 0 and at most %1.")
            .arg(needleReach);
    if (needle.shadow.shown
        && (!finite({needle.shadow.dx, needle.shadow.dy, needle.shadow.blur})
            || needle.shadow.blur < 0.0 || std::fabs(needle.shadow.dx) > needleWidthMax
            || std::fabs(needle.shadow.dy) > needleWidthMax || needle.shadow.blur > needleWidthMax))
        return NeedlePainter::tr("Its shadow's offset and blur must be numbers of at most %1.")
            .arg(needleWidthMax);
    if (needle.shape == needleShape::picture) {
        const QString problem = decodedPicture(needle.pictureData, needle.pictureType)->problem;
        if (!problem.isEmpty())
            return problem;
        if (needlePictureRect(needle).isNull())
            return NeedlePainter::tr("Its pivot must lie below the top of its picture.");
    }
    return QString();
}

double needleAngle(const gaugeData &layer, const gaugeNeedle &needle)
{
    return NeedleDial(layer).angle(needle.value, needle.free);
}

QPainterPath needleBodyPath(const gaugeNeedle &needle)
{
    const double r = DrawingSpace::gaugeRadius;
    const double tip = -needle.length * r;
    const double tail = needle.tail * r;
    const double w = needle.width / 2.0;
    const double tw = needle.tipWidth / 2.0;
    QPolygonF shape;
    switch (needle.shape) {
    case needleShape::line:
        shape << QPointF(-w, tail) << QPointF(w, tail) << QPointF(w, tip) << QPointF(-w, tip);
        break;
    case needleShape::tapered:
        shape << QPointF(-w, tail) << QPointF(w, tail) << QPointF(w, 0.0) << QPointF(tw, tip)
              << QPointF(-tw, tip) << QPointF(-w, 0.0);
        break;
    case needleShape::arrow: {
        // A head as wide as the tip width, or three times the shaft where
        // the tip width is narrower than the shaft, twice as long as wide
        // and never more than 40% of the needle.
        const double head = needle.tipWidth > needle.width ? tw : 3.0 * w;
        const double headLength = std::min(4.0 * head, 0.4 * needle.length * r);
        const double base = tip + headLength;
        shape << QPointF(-w, tail) << QPointF(w, tail) << QPointF(w, base) << QPointF(head, base)
              << QPointF(0.0, tip) << QPointF(-head, base) << QPointF(-w, base);
        break;
    }
    case needleShape::picture:
    case needleShape::unknown:
        return QPainterPath();
    }
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    return path;
}

QPainterPath needleHubPath(const gaugeNeedle &needle)
{
    QPainterPath path;
    if (needle.hub.shown) {
        const double r = needle.hub.radius * DrawingSpace::gaugeRadius;
        path.addEllipse(QPointF(0.0, 0.0), r, r);
    }
    return path;
}

QRectF needlePictureRect(const gaugeNeedle &needle)
{
    const auto decoded = decodedPicture(needle.pictureData, needle.pictureType);
    const QSizeF size = decoded->size;
    if (!decoded->usable() || !(needle.pivot.y() > 0.0)
        || !finite({needle.pivot.x(), needle.pivot.y()}) || !(size.width() > 0.0))
        return QRectF();
    const double k = needle.length * DrawingSpace::gaugeRadius / needle.pivot.y();
    return QRectF(-needle.pivot.x() * k, -needle.pivot.y() * k, size.width() * k,
                  size.height() * k);
}

void paintNeedlePart(QPainter *painter, const gaugeNeedle &needle, double angle, needlePart part)
{
    switch (part) {
    case needlePart::shadow:
        if (needle.shadow.shown)
            paintRasterShadow(painter, needle, angle);
        break;
    case needlePart::body:
        paintBody(painter, needle, angle);
        break;
    case needlePart::hub:
        paintHub(painter, needle);
        break;
    }
}

bool paintGaugeNeedles(QPainter *painter, const QList<gaugeData> &layers,
                       const std::function<bool()> &cancelled, qint64 picturePixels,
                       const NeedleAngleOf &angleOf)
{
    // A gauge without needles leaves the painter alone: its drawing, and
    // the SVG it writes, stay exactly as they were before needles existed.
    if (std::none_of(layers.begin(), layers.end(),
                     [](const gaugeData &layer) { return !layer.needles.isEmpty(); }))
        return true;
    auto *groups = dynamic_cast<GroupingDevice *>(painter->device());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    int drawn = 0;
    for (qsizetype l = 0; l < layers.size(); ++l) {
        const gaugeData &layer = layers.at(l);
        const qsizetype count = std::min(layer.needles.size(), layerNeedleLimit);
        for (qsizetype i = 0; i < count && drawn < paintNeedleLimit; ++i) {
            if (cancelled && cancelled()) {
                painter->restore();
                return false;
            }
            const gaugeNeedle &needle = layer.needles.at(i);
            if (!needleProblem(layer, needle).isEmpty())
                continue;
            if (needle.shape == needleShape::picture) {
                const qint64 pixels =
                    decodedPicture(needle.pictureData, needle.pictureType)->pixels;
                if (pixels > picturePixels)
                    continue;
                picturePixels -= pixels;
            }
            const double angle = angleOf ? angleOf(l, i) : needleAngle(layer, needle);
            if (groups) {
                paintGrouped(painter, groups, needle, angle, drawn);
            } else {
                if (needle.shadow.shown)
                    paintRasterShadow(painter, needle, angle);
                paintBody(painter, needle, angle);
                paintHub(painter, needle);
            }
            ++drawn;
        }
    }
    painter->restore();
    return true;
}
