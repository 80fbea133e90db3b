#include "model/gaugedata.h"

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
        && tickCountTexts == o.tickCountTexts && pictures == o.pictures && texts == o.texts;
}

void registerGaugeDataMetaType()
{
    qRegisterMetaType<gaugeData>("gaugeData");
}
