#pragma once

#include "model/gaugedata.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// A gauge drawn at a physical size is given by the diameter of its dial: the
// circle of radius fraction 1.0, 500 of the 512 drawing units. Everything
// scales with it; hairlines, which have no width of their own, get one.
namespace PhysicalSize {

inline constexpr double diameterMinMm = 5.0;
inline constexpr double diameterMaxMm = 1000.0;
inline constexpr double hairlineMinMm = 0.02;
inline constexpr double hairlineMaxMm = 1.0;
inline constexpr double defaultHairlineMm = 0.1;
inline constexpr double millimetresPerInch = 25.4;
inline constexpr double pointsPerInch = 72.0;
// Label fonts given in points are sized as in the images, which resolve
// them at 96 dpi; so a label keeps its size relative to the dial.
inline constexpr double labelResolutionDpi = 96.0;

// Millimetres that one drawing unit measures on a dial `diameterMm` across.
double millimetresPerUnit(double diameterMm);

// The edge of the whole drawing square (512 units) in millimetres.
double drawingEdgeMm(double diameterMm);

enum class LengthUnit { Millimetre, Centimetre, Inch };

double toMillimetres(double value, LengthUnit unit);
double fromMillimetres(double millimetres, LengthUnit unit);
// "mm", "cm", "in".
QString unitSymbol(LengthUnit unit);

// Reads a length with its unit: "62mm", "6.2 cm", "2.44in" (the unit in any
// case, blanks around it allowed). Returns false with a one-line reason in
// `error` (when given) for anything else, a bare number included, so that
// inches are never taken for millimetres.
[[nodiscard]] bool parseLength(const QString &text, double *millimetres, QString *error = nullptr);

// Whether a diameter or a hairline width is within its range; false with
// the reason in `error` (when given) otherwise.
[[nodiscard]] bool checkDiameter(double millimetres, QString *error = nullptr);
[[nodiscard]] bool checkHairline(double millimetres, QString *error = nullptr);

// A length as a user reads it back: "62 mm", "0.1 mm" (at most three
// decimals, no trailing zeros).
QString formatMillimetres(double millimetres);

// The layers as they are drawn on a dial `diameterMm` across, on a device
// whose fonts are resolved at `deviceDpi`: every pen of width 0 becomes
// `hairlineMm` wide, and label fonts given in points are resized so that
// they measure on the dial what they measure in the images.
QList<gaugeData> physicalLayers(const QList<gaugeData> &layers, double diameterMm,
                                double hairlineMm, double deviceDpi);

} // namespace PhysicalSize
