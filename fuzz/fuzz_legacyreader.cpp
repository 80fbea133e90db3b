// The reader of earlier versions' comma-separated files, fed directly (use
// legacy.dict): it accepts exactly the texts of 50 fields or more, and
// leaves the layer as it was when it refuses one.

#include "fuzzcheck.h"

#include "gaugefile/legacyreader.h"

#include <QString>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(fuzzMessageHandler);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    gaugeData layer;
    const bool accepted = readLegacyLayer(layer, text);
    if (accepted != (text.count(QLatin1Char(',')) >= 49))
        broken("a legacy file is accepted by anything but its number of fields");
    if (!accepted && layer != gaugeData())
        broken("a refused legacy file changed the layer");
    return 0;
}
