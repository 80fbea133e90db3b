#pragma once

#include "model/gaugedata.h"

#include <QString>

// Reads one layer from the comma-separated text that earlier versions wrote.
// Returns false and leaves `layer` untouched when the text has 49 fields or
// fewer, the only sign that it is not such a file. Otherwise every field is
// taken as it converts (0, false or an invalid colour when it does not) and
// the function returns true.
[[nodiscard]] bool readLegacyLayer(gaugeData &layer, const QString &text);
