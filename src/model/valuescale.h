#pragma once

#include <QJsonObject>
#include <QList>
#include <QPointF>
#include <QString>

// How the values of a layer are laid along its span.
//   even:    the ticks are spaced by the layer's bias curve and the labels
//            count from the label start by the increment;
//   log:     fraction = ln(v / from) / ln(to / from);
//   decibel: fraction = (10^(v/20) - 10^(from/20)) / (10^(to/20) - 10^(from/20)),
//            a voltage-driven dB or VU scale;
//   power:   fraction = ((v - from) / (to - from))^exponent;
//   table:   calibration points (value, fraction) joined by a monotone cubic.
// `unknown` is a type named in a file that this version does not know.
// Most calibration points a table may hold; a real calibration has dozens.
constexpr qsizetype scalePointLimit = 10'000;

enum class scaleType { even, log, decibel, power, table, unknown };

// The value scale of one layer: its type, the values at the start (`from`)
// and at the end (`to`) of the span, and what the type needs. Nothing is
// checked here; render/scalemap.h decides whether a scale can be drawn.
struct valueScale
{
    scaleType type = scaleType::even;
    double from = 0.0;
    double to = 100.0;
    double exponent = 2.0;
    // Calibration points of a table, (value, fraction of the span), in the
    // order given. A point a file could not read as two numbers is NaN.
    QList<QPointF> points;
    // The "scale" object of a file, kept when the fields above cannot say
    // exactly what it said (a type this version does not know, a value of
    // the wrong kind, a key no type uses), so that the file saves back as it
    // was loaded. Any edit of the scale drops it.
    QJsonObject fileObject;

    bool isEven() const { return type == scaleType::even; }
    // NaN points compare equal to NaN points, so that a scale read from a
    // damaged file equals itself.
    bool operator==(const valueScale &other) const;
    bool operator!=(const valueScale &other) const { return !(*this == other); }
};

// The names of the types in a gauge file ("even", "log", ...); the unknown
// type has none.
QString scaleTypeName(scaleType type);
// The type a file names, or scaleType::unknown.
scaleType scaleTypeFromName(const QString &name);

// Reads calibration points pasted as text, as spreadsheets and CSV files
// give them: one point a line, the value and the fraction separated by a
// tab, else by a semicolon, else by a comma. Between tabs or semicolons a
// comma is a decimal point. Blank lines are skipped, and so is a first line
// that is not two numbers (a column heading). Returns false with a one-line reason in `error` and
// `points` untouched when a line is not two numbers or no line is.
[[nodiscard]] bool readScalePointsText(const QString &text, QList<QPointF> *points,
                                       QString *error = nullptr);
