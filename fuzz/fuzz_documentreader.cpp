// The gauge document reader alone, with the reader of earlier versions'
// files behind it: a failed read leaves no layers and gives a reason, a
// successful one gives between one layer and the layer limit and leaves
// the reason alone.

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
    QList<namedLayer> layers{namedLayer()};
    const QString untouched = QStringLiteral("untouched");
    QString error = untouched;
    if (!readGaugeDocument(bytes, layers, &error)) {
        if (!layers.isEmpty() || error.isEmpty() || error == untouched)
            broken("a failed read must leave no layers and give a reason");
        return 0;
    }
    if (layers.isEmpty() || layers.size() > gaugeLayerLimit || error != untouched)
        broken("a successful read must give layers within the limit and leave the reason alone");
    return 0;
}
