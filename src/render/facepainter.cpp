#include "render/facepainter.h"

#include "render/drawingspace.h"
#include "render/facepictures.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

// The context of this file's texts in the translations.
struct FacePainter
{
    Q_DECLARE_TR_FUNCTIONS(FacePainter)
};

bool finite(std::initializer_list<double> values)
{
    for (const double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

int alignmentFlags(textAlign align)
{
    const int horizontal = align == textAlign::left ? Qt::AlignLeft
        : align == textAlign::right                 ? Qt::AlignRight
                                                    : Qt::AlignHCenter;
    // A rectangle of no size at the anchor: the text is laid out around it
    // and never clipped to it.
    return horizontal | Qt::AlignVCenter | Qt::TextDontClip;
}

// Where the element stands and how it is turned: the drawing space's
// coordinates with the element's anchor at the origin.
QTransform placement(double x, double y, double rotation)
{
    QTransform transform;
    transform.translate(facePoint(x, y).x(), facePoint(x, y).y());
    transform.rotate(rotation);
    return transform;
}

QString textProblem(const faceText &t, const GaugePaintLimits &limits)
{
    if (t.text.isEmpty())
        return FacePainter::tr("The text is empty.");
    if (t.text.size() > limits.textCharacters)
        return FacePainter::tr("The text is longer than %1 characters.").arg(limits.textCharacters);
    if (!finite({t.x, t.y, t.rotation, t.size}))
        return FacePainter::tr("Its position, size or rotation is not a number.");
    if (std::fabs(t.x) > faceElementReach || std::fabs(t.y) > faceElementReach)
        return FacePainter::tr("It lies more than %1 radii from the centre.").arg(faceElementReach);
    if (!(t.size > 0.0) || t.size > faceTextMaxSize)
        return FacePainter::tr("Its size must be above 0 and at most %1.").arg(faceTextMaxSize);
    return QString();
}

QString pictureProblem(const facePicture &p)
{
    if (!finite({p.x, p.y, p.width, p.rotation, p.opacity}))
        return FacePainter::tr("Its position, width, rotation or opacity is not a number.");
    if (std::fabs(p.x) > faceElementReach || std::fabs(p.y) > faceElementReach)
        return FacePainter::tr("It lies more than %1 radii from the centre.").arg(faceElementReach);
    if (!(p.width > 0.0) || p.width > faceElementReach)
        return FacePainter::tr("Its width must be above 0 and at most %1.").arg(faceElementReach);
    if (p.data.isEmpty() && !p.fileObject.value(QLatin1String("data")).toString().isEmpty())
        return FacePainter::tr("Its data in the gauge file is damaged: it is not base64.");
    return decodedPicture(p.data, p.format)->problem;
}

// The rectangle a picture covers around its centre, before it is turned.
QRectF pictureRect(const facePicture &p, const DecodedPicture &decoded)
{
    const double width = DrawingSpace::gaugeRadius * p.width;
    const double height = width * decoded.size.height() / decoded.size.width();
    return QRectF(-width / 2.0, -height / 2.0, width, height);
}

// The rectangle a text covers around its anchor, before it is turned, in
// drawing units.
QRectF textRect(const faceText &t)
{
    // Measured as on the exports, at 96 dots per inch.
    const QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    const QFontMetricsF metrics(faceTextFont(t, device.logicalDpiY()), &device);
    return metrics.boundingRect(QRectF(), alignmentFlags(t.align), t.text);
}

void drawText(QPainter *painter, const faceText &t)
{
    painter->save();
    painter->setFont(faceTextFont(t, painter->device()->logicalDpiY()));
    painter->setPen(QPen(QBrush(t.color), 0.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter->setBrush(Qt::NoBrush);
    painter->setTransform(placement(t.x, t.y, t.rotation), true);
    painter->drawText(QRectF(), alignmentFlags(t.align), t.text);
    painter->restore();
}

void drawPicture(QPainter *painter, const facePicture &p, const DecodedPicture &decoded)
{
    painter->save();
    painter->setTransform(placement(p.x, p.y, p.rotation), true);
    painter->setOpacity(painter->opacity() * qBound(0.0, p.opacity, 1.0));
    decoded.draw(painter, pictureRect(p, decoded));
    painter->restore();
}

} // namespace

qsizetype drawingOrder(const gaugeData &layer, const FaceElement &element)
{
    return element.kind == faceElementKind::picture ? element.index
                                                    : layer.pictures.size() + element.index;
}

bool elementExists(const gaugeData &layer, const FaceElement &element)
{
    const qsizetype count =
        element.kind == faceElementKind::picture ? layer.pictures.size() : layer.texts.size();
    return element.index >= 0 && element.index < count;
}

QPointF facePoint(double x, double y)
{
    return QPointF(DrawingSpace::centre + DrawingSpace::gaugeRadius * x,
                   DrawingSpace::centre + DrawingSpace::gaugeRadius * y);
}

QFont faceTextFont(const faceText &text, int dpi)
{
    QFont font(text.family);
    // A point is 1/72 inch: so many points fill `size` device units at this
    // resolution, and the painter's scale turns units into the dial's.
    if (text.size > 0.0 && dpi > 0)
        font.setPointSizeF(text.size * 72.0 / dpi);
    font.setBold(text.bold);
    font.setItalic(text.italic);
    return font;
}

QString faceElementProblem(const gaugeData &layer, const FaceElement &element,
                           const GaugePaintLimits &limits)
{
    if (!elementExists(layer, element))
        return QString();
    if (drawingOrder(layer, element) >= limits.elementsPerLayer)
        return FacePainter::tr("A layer draws at most %1 texts and pictures.")
            .arg(limits.elementsPerLayer);
    return element.kind == faceElementKind::picture
        ? pictureProblem(layer.pictures.at(element.index))
        : textProblem(layer.texts.at(element.index), limits);
}

QPolygonF faceElementOutline(const gaugeData &layer, const FaceElement &element)
{
    if (!elementExists(layer, element) || !faceElementProblem(layer, element).isEmpty())
        return QPolygonF();
    if (element.kind == faceElementKind::picture) {
        const facePicture &p = layer.pictures.at(element.index);
        const auto decoded = decodedPicture(p.data, p.format);
        return placement(p.x, p.y, p.rotation).map(QPolygonF(pictureRect(p, *decoded)));
    }
    const faceText &t = layer.texts.at(element.index);
    return placement(t.x, t.y, t.rotation).map(QPolygonF(textRect(t)));
}

FaceElement faceElementAt(const gaugeData &layer, const QPointF &point)
{
    // Texts lie over pictures, and later elements over earlier ones.
    for (qsizetype i = layer.texts.size() - 1; i >= 0; --i) {
        const FaceElement text{faceElementKind::text, i};
        if (faceElementOutline(layer, text).containsPoint(point, Qt::OddEvenFill))
            return text;
    }
    for (qsizetype i = layer.pictures.size() - 1; i >= 0; --i) {
        const FaceElement picture{faceElementKind::picture, i};
        if (faceElementOutline(layer, picture).containsPoint(point, Qt::OddEvenFill))
            return picture;
    }
    return FaceElement();
}

bool paintFaceElements(QPainter *painter, const gaugeData &layer, const GaugePaintLimits &limits,
                       FaceBudget &budget, const std::function<bool()> &stopped)
{
    qint64 left = qMin(budget.elements, limits.elementsPerLayer);
    for (qsizetype i = 0; i < layer.pictures.size() && left > 0; ++i, --left) {
        if (stopped && stopped())
            return false;
        --budget.elements;
        const facePicture &p = layer.pictures.at(i);
        const auto decoded = decodedPicture(p.data, p.format);
        if (!pictureProblem(p).isEmpty() || p.data.size() > budget.pictureBytes
            || decoded->elements > budget.pictureElements
            || decoded->pixels > budget.picturePixels)
            continue;
        budget.pictureBytes -= p.data.size();
        budget.pictureElements -= decoded->elements;
        budget.picturePixels -= decoded->pixels;
        drawPicture(painter, p, *decoded);
    }
    for (qsizetype i = 0; i < layer.texts.size() && left > 0; ++i, --left) {
        if (stopped && stopped())
            return false;
        --budget.elements;
        const faceText &t = layer.texts.at(i);
        if (!textProblem(t, limits).isEmpty() || budget.characters <= 0)
            continue;
        const double size = std::min(std::abs(t.size), faceTextMaxSize);
        const double area = double(t.text.size()) * size * size;
        if (t.text.size() > budget.characters || area > double(budget.textArea)) {
            budget.characters = 0;
            continue;
        }
        budget.characters -= t.text.size();
        budget.textArea -= qint64(area);
        drawText(painter, t);
    }
    return true;
}
