#include "model/gaugedata.h"

#include <QCoreApplication>

QFont gaugeData::defaultTickCountFont()
{
    return QFont(QStringLiteral("Sans Serif"), 10, -1, false);
}

bool gaugeData::operator==(const gaugeData &o) const
{
    return startAngle == o.startAngle && angleLength == o.angleLength && bias == o.bias
        && midpointBias == o.midpointBias && roundedTickCaps == o.roundedTickCaps
        && divisionCount == o.divisionCount && divisionInnerRadius == o.divisionInnerRadius
        && divisionOuterRadius == o.divisionOuterRadius && divisionWidth == o.divisionWidth
        && divisionColor == o.divisionColor && roundedArcCaps == o.roundedArcCaps
        && arcStartAngle == o.arcStartAngle && arcAngleLength == o.arcAngleLength
        && arcRadius == o.arcRadius && arcWidth == o.arcWidth && arcColor == o.arcColor
        && tickCountEnabled == o.tickCountEnabled && tickCountStart == o.tickCountStart
        && tickCountIncrement == o.tickCountIncrement
        && tickCountDecimalPlaces == o.tickCountDecimalPlaces
        && tickCountRadius == o.tickCountRadius && tickCountRotate == o.tickCountRotate
        && tickCountSkipFirst == o.tickCountSkipFirst && tickCountFont == o.tickCountFont
        && tickCountColor == o.tickCountColor && scale == o.scale
        && tickCountTexts == o.tickCountTexts && pictures == o.pictures && texts == o.texts
        && needles == o.needles;
}

bool setNeedleValues(QList<gaugeData> &layers, const QList<NeedleValue> &values, QString *error)
{
    QList<gaugeData> set = layers;
    for (const NeedleValue &given : values) {
        bool found = false;
        for (gaugeData &layer : set) {
            for (gaugeNeedle &needle : layer.needles) {
                if (given.name.isEmpty() || needle.name == given.name) {
                    needle.value = given.value;
                    needle.fileObject = QJsonObject();
                    found = true;
                }
            }
        }
        if (!found) {
            if (error)
                *error = given.name.isEmpty()
                    ? QCoreApplication::translate("NeedleValues", "The gauge has no needles.")
                    : QCoreApplication::translate("NeedleValues",
                                                  "The gauge has no needle named \u201c%1\u201d.")
                          .arg(given.name);
            return false;
        }
    }
    layers = set;
    return true;
}

void registerGaugeDataMetaType()
{
    qRegisterMetaType<gaugeData>("gaugeData");
}
