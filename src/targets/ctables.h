#pragma once

#include "targets/ctext.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>

// Where the needle points at one value of the scale.
struct NeedleAngle
{
    double value = 0.0;
    // Degrees clockwise from 12 o'clock, where the needle pictures point.
    // LVGL (lv_image_set_rotation, lv_img_set_angle) and TFT sprite
    // libraries (pushRotated) turn a picture clockwise for a positive angle
    // too, so the angle is written with its sign as it is.
    double angle = 0.0;
};

// The unit a table's angles are written in.
enum class AngleUnit {
    // LVGL's unit, 0.1 degree, as int32_t: lv_image_set_rotation takes an
    // int32_t; LVGL 8's lv_img_set_angle takes an int16_t, which holds
    // angles up to 3276.7 degrees either way.
    TenthsOfDegree,
    // Whole degrees as int16_t, as TFT sprite libraries' pushRotated takes
    // them.
    Degrees,
    // LVGL's own angles, as lv_arc and lv_scale take them: 0.1 degree
    // clockwise from 3 o'clock, as int32_t; an upright picture then turns
    // by the angle + 900.
    TenthsFromThreeOClock,
};

// A C table of the rows, in their order, for a program that sets the needle
// by value:
//
//   #define SPEED_ANGLE_COUNT 3
//   static const struct { float value; int32_t angle; } speed_angles[...]
//
// with `identifier` "speed"; the angles rounded to the nearest unit
// (halves away from zero, so a mirrored scale gives mirrored numbers), the
// values as float literals of nine significant digits. Returns false with
// a one-line reason in `error` (when given) when `identifier` is not a C
// identifier (see isCIdentifier), there are no rows, a value or angle is
// not a finite number, a value is beyond a float's range or an angle beyond
// the unit's type, or the text would be larger than `byteLimit`.
[[nodiscard]] bool cAngleTable(const QList<NeedleAngle> &rows, const QString &identifier,
                               AngleUnit unit, QByteArray *code, QString *error = nullptr,
                               qint64 byteLimit = cSourceByteLimit);

// "#define NEEDLE_PIVOT_X 12" and "#define NEEDLE_PIVOT_Y 160" for the
// point of a needle picture it turns about (lv_image_set_pivot, a sprite's
// setPivot), in pixels from the picture's top left corner, with
// `identifier` "needle". Returns false with the reason in `error` (when
// given) when `identifier` is not a C identifier.
[[nodiscard]] bool cPivotDefines(const QString &identifier, QPoint pivot, QByteArray *code,
                                 QString *error = nullptr);
