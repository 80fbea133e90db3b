#pragma once

#include "model/gaugedata.h"
#include "targets/ctables.h"

#include <QList>
#include <QString>

// The angle the needles of a layer show, to within this many degrees, when
// a program interpolates linearly between the rows of needleAngleTable.
constexpr double needleTableTolerance = 0.05;
// Most rows one table may have. Smooth mappings need a few hundred; the
// cap stops a mapping that never settles (a jump) from taking all memory.
constexpr qsizetype needleTableRowMax = 20000;

// Rows of value and gauge angle (NeedleDial) from the start to the end of
// the layer's span, values increasing, dense enough that the angle linear
// interpolation between neighbouring rows gives stays within `tolerance`
// degrees of the layer's own angle everywhere on the span. The rows start
// as the values the mapping bends at or should hit exactly: every primary
// tick, both ends, the middle of the span (where a midpoint bias joins its
// two curves) and a table scale's points; then a gap is halved while the
// straight line across it misses the true angle by half the tolerance or
// more at a quarter, half or three quarters of the way. Returns false with
// a one-line reason in `error` (when given) when the layer lays no values
// along its span, the tolerance is not above 0, or more than
// needleTableRowMax rows would be needed. A gap down to neighbouring
// numbers is kept as it is: no value lies inside it.
[[nodiscard]] bool needleAngleTable(const gaugeData &layer, QList<NeedleAngle> *rows,
                                    QString *error = nullptr,
                                    double tolerance = needleTableTolerance);

// The angle at `value` by linear interpolation between the rows (values
// increasing), held at the first and last row beyond them; when `free`, a
// value beyond them goes on round as many spans as it lies away, each
// adding the angle from the first row to the last (a free needle on an
// even scale). 0 without rows.
double interpolatedAngle(const QList<NeedleAngle> &rows, double value, bool free = false);
