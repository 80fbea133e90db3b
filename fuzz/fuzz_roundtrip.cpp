// Saving what was read and reading it back, for inputs of up to four
// layers: one write, one read, and every layer must come back with its
// name and the same layer object.

#include "fuzzcheck.h"

#include "gaugefile/gaugedocument.h"

#include <QByteArray>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(fuzzMessageHandler);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<namedLayer> layers;
    if (!readGaugeDocument(bytes, layers) || layers.size() > 4)
        return 0;

    const QByteArray saved = writeGaugeDocument(layers);
    QList<namedLayer> reread;
    if (saved.isEmpty() || !readGaugeDocument(saved, reread))
        broken("a saved gauge does not load");
    if (reread.size() != layers.size())
        broken("a saved gauge loads with another number of layers");
    for (qsizetype i = 0; i < layers.size(); ++i) {
        if (reread.at(i).name != layers.at(i).name)
            broken("a layer's name changes when it is saved");
        if (layerToJson(reread.at(i).data) != layerToJson(layers.at(i).data))
            broken("a layer changes when it is saved");
    }
    return 0;
}
