#pragma once

#include "model/valuescale.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

// A value scale made ready to place values: the fraction of the span where a
// value is drawn, and the values the primary ticks stand at. An even scale
// places nothing, and neither does a scale that cannot be drawn (from equal
// to to, a log bound not above 0, an exponent not above 0, a table of fewer
// than two points or with values that do not increase, anything not finite):
// such a layer is drawn evenly, through its bias curve, and problem() says
// why.
class ScaleMap
{
    Q_DECLARE_TR_FUNCTIONS(ScaleMap)

public:
    explicit ScaleMap(const valueScale &scale);

    // True when the ticks stand at the values of the scale.
    bool isScaled() const { return m_scaled; }
    // Why the scale cannot be drawn, in one line; empty when it can, and for
    // an even scale.
    QString problem() const { return m_problem; }

    // The fraction of the span, 0 to 1, where `value` is drawn. A value
    // beyond from or to, or beyond the points of a table, is drawn at the
    // nearer end. 0 when the scale places nothing.
    double fraction(double value) const;

    // The value of primary tick j of n intervals: evenly in ln(value) on a
    // log scale, evenly in value otherwise. Tick 0 stands at exactly `from`
    // and tick n at exactly `to`.
    double primaryValue(qint64 j, qint64 n) const;

    // The value i / n of the way from a to b, evenly in value; exactly b for
    // i = n. Secondary and tertiary ticks divide their interval this way on
    // every type of scale.
    double between(double a, double b, qint64 i, qint64 n) const;

private:
    QString findProblem(const valueScale &scale);
    void prepareTable(const QList<QPointF> &points);
    double tableFraction(double value) const;
    // Exact zeros where cancellation leaves a rounding error, so that the
    // 0 dB mark of a -20 to +3 scale reads 0, not -0.
    double snapped(double value) const;

    scaleType m_type = scaleType::even;
    bool m_scaled = false;
    QString m_problem;
    double m_from = 0.0;
    double m_to = 1.0;
    double m_exponent = 1.0;
    double m_low = 0.0;        // the smaller of from and to
    double m_high = 1.0;       // the larger
    double m_lnRatio = 1.0;    // log: ln(to / from)
    double m_log10Ratio = 1.0; // log: log10(to / from)
    double m_fromLevel = 0.0;  // decibel: 10^(from / 20)
    double m_levelSpan = 1.0;  // decibel: 10^(to / 20) - 10^(from / 20)
    // table: values, fractions and the tangents of the monotone cubic
    std::vector<double> m_x;
    std::vector<double> m_y;
    std::vector<double> m_slope;
};

// The scale the form turns to when the user picks `type`: the scale's own
// values where they suit the new type, and example values of the type where
// they would give a scale that cannot be drawn (1 to 1000 for log, -20 to
// +3 dB, exponent 2, a straight table from `from` to `to`).
valueScale scaleOfType(const valueScale &scale, scaleType type);
