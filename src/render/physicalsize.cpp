#include "render/physicalsize.h"

#include "render/drawingspace.h"

#include <QRegularExpression>

#include <cmath>

namespace PhysicalSize {

namespace {

QString formatNumber(double value)
{
    QString text = QString::number(value, 'f', 3);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

bool checkRange(double millimetres, double minimum, double maximum, const QString &reason,
                QString *error)
{
    if (std::isfinite(millimetres) && millimetres >= minimum && millimetres <= maximum)
        return true;
    if (error)
        *error = reason.arg(formatMillimetres(minimum), formatMillimetres(maximum),
                            formatMillimetres(millimetres));
    return false;
}

} // namespace

double millimetresPerUnit(double diameterMm)
{
    return diameterMm / (2.0 * DrawingSpace::gaugeRadius);
}

double drawingEdgeMm(double diameterMm)
{
    return DrawingSpace::size * millimetresPerUnit(diameterMm);
}

double toMillimetres(double value, LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Centimetre:
        return value * 10.0;
    case LengthUnit::Inch:
        return value * millimetresPerInch;
    case LengthUnit::Millimetre:
        break;
    }
    return value;
}

double fromMillimetres(double millimetres, LengthUnit unit)
{
    return millimetres / toMillimetres(1.0, unit);
}

QString unitSymbol(LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Centimetre:
        return QStringLiteral("cm");
    case LengthUnit::Inch:
        return QStringLiteral("in");
    case LengthUnit::Millimetre:
        break;
    }
    return QStringLiteral("mm");
}

bool parseLength(const QString &text, double *millimetres, QString *error)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([+-]?(?:\\d+(?:\\.\\d*)?|\\.\\d+))\\s*(mm|cm|in)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    bool ok = match.hasMatch();
    const double value = ok ? match.captured(1).toDouble(&ok) : 0.0;
    if (!ok) {
        if (error)
            *error = QCoreApplication::translate(
                         "PhysicalSize",
                         "\"%1\" is not a length: give a number and a unit, mm, cm or in "
                         "(for example 62mm).")
                         .arg(text);
        return false;
    }
    const QString unit = match.captured(2).toLower();
    *millimetres = toMillimetres(value,
                                 unit == QLatin1String("cm")       ? LengthUnit::Centimetre
                                     : unit == QLatin1String("in") ? LengthUnit::Inch
                                                                   : LengthUnit::Millimetre);
    return true;
}

bool checkDiameter(double millimetres, QString *error)
{
    return checkRange(millimetres, diameterMinMm, diameterMaxMm,
                      QCoreApplication::translate("PhysicalSize",
                                                  "The diameter must be from %1 to %2, not %3."),
                      error);
}

bool checkHairline(double millimetres, QString *error)
{
    return checkRange(millimetres, hairlineMinMm, hairlineMaxMm,
                      QCoreApplication::translate(
                          "PhysicalSize", "The hairline width must be from %1 to %2, not %3."),
                      error);
}

QString formatMillimetres(double millimetres)
{
    return QCoreApplication::translate("PhysicalSize", "%1 mm").arg(formatNumber(millimetres));
}

QList<gaugeData> physicalLayers(const QList<gaugeData> &layers, double diameterMm,
                                double hairlineMm, double deviceDpi)
{
    const double hairline = hairlineMm / millimetresPerUnit(diameterMm);
    const double fontScale = labelResolutionDpi / deviceDpi;
    auto widen = [hairline](double &width) {
        if (width == 0.0)
            width = hairline;
    };
    QList<gaugeData> result = layers;
    for (gaugeData &layer : result) {
        for (double &width : layer.divisionWidth)
            widen(width);
        for (double &width : layer.arcWidth)
            widen(width);
        QFont &font = layer.tickCountFont;
        // A size in pixels is a size in drawing units already.
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * fontScale);
        // Glyph outlines, not a screen's pixel grid: as in the images.
        font.setHintingPreference(QFont::PreferNoHinting);
    }
    return result;
}

} // namespace PhysicalSize
