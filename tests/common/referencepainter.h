#pragma once

#include "model/gaugedata.h"
#include "render/biasmap.h"

#include <QPainter>

#include <cmath>

// The drawing of a gauge written out step by step, one pen and one drawLine
// per tick, with none of the production painter's batching or bounds. Tests
// compare the production painter's pictures against it.
inline void referencePaint(QPainter *painter, int size, const QList<gaugeData> &layers)
{
    auto pen = [](const QColor &c, double w, bool round) {
        return QPen(QBrush(c), w, Qt::SolidLine, round ? Qt::RoundCap : Qt::FlatCap,
                    Qt::RoundJoin);
    };
    auto point = [](double theta, double r) {
        const double rad = M_PI * theta / 180.0;
        return QPointF(256.0 + 250.0 * r * std::cos(rad), 256.0 - 250.0 * r * std::sin(rad));
    };
    painter->setPen(pen(Qt::white, 0, false));
    painter->setBrush(Qt::NoBrush);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->scale(size / 512.0, size / 512.0);
    painter->setBrush(QBrush(Qt::white));
    painter->drawEllipse(QRectF(253, 253, 6, 6));
    painter->setBrush(Qt::NoBrush);

    for (const gaugeData &g : layers) {
        for (int i = 0; i < 4; ++i) {
            if (g.arcAngleLength[i] == 0.0)
                continue;
            const double r = g.arcRadius[i];
            painter->setPen(pen(g.arcColor[i], g.arcWidth[i], g.roundedArcCaps));
            painter->drawArc(QRectF(256 - 250 * r, 256 - 250 * r, 500 * r, 500 * r),
                             int(std::round((90 - g.arcStartAngle[i]) * 16)),
                             int(std::round(-g.arcAngleLength[i] * 16)));
        }
        const int n1 = g.divisionCount[0], n2 = g.divisionCount[1], n3 = g.divisionCount[2];
        if (n1 <= 0)
            continue;
        const int count = std::fabs(g.angleLength) < 360 ? n1 + 1 : n1;
        auto theta = [&](double t) {
            return 90 - g.startAngle - biasMap(t, g.bias, g.midpointBias) * g.angleLength;
        };
        auto tick = [&](int level, double t) {
            painter->setPen(pen(g.divisionColor[level], g.divisionWidth[level], g.roundedTickCaps));
            const double th = theta(t);
            painter->drawLine(point(th, g.divisionOuterRadius[level]),
                              point(th, g.divisionInnerRadius[level]));
        };
        double v = g.tickCountStart;
        for (int j = 0; j < count; ++j) {
            const double t = double(j) / n1;
            tick(0, t);
            if (g.tickCountEnabled && !(j == 0 && g.tickCountSkipFirst)) {
                const double th = theta(t);
                const QPointF c = point(th, g.tickCountRadius);
                painter->setFont(g.tickCountFont);
                painter->setPen(pen(g.tickCountColor, 0, g.roundedTickCaps));
                const QString text = QString::number(v, 'f', g.tickCountDecimalPlaces);
                if (!g.tickCountRotate) {
                    painter->drawText(QRectF(c.x() - 50, c.y() - 50, 100, 100), Qt::AlignCenter,
                                      text);
                } else {
                    painter->translate(c);
                    painter->rotate(90 - th);
                    painter->drawText(QRectF(-50, -50, 100, 100), Qt::AlignCenter, text);
                    painter->rotate(-(90 - th));
                    painter->translate(-c);
                }
            }
            v = v + g.tickCountIncrement;
            if (n2 > 1 && j < n1) {
                for (int k = 0; k < n2; ++k) {
                    if (k >= 1)
                        tick(1, (j + double(k) / n2) / n1);
                    if (n3 > 1)
                        for (int m = 1; m < n3; ++m)
                            tick(2, (j + (k + double(m) / n3) / n2) / n1);
                }
            }
        }
    }
}
