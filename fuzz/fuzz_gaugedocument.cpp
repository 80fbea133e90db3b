// Feeds arbitrary bytes to the gauge file reader, which hands text that does
// not start with "{" to the reader of the comma-separated files of earlier
// versions. Besides crashes and sanitizer reports it checks two promises:
// a failed read leaves no layers and gives a reason, and whatever was read
// can be saved and loaded again, after which saving is stable.

#include "gaugefile/gaugedocument.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <cstdlib>

namespace {

void quiet(QtMsgType type, const QMessageLogContext &, const QString &)
{
    // QFont::fromString warns about every description it rejects.
    if (type == QtFatalMsg)
        std::abort();
}

[[noreturn]] void broken(const char *what)
{
    qInstallMessageHandler(nullptr);
    qFatal("%s", what);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     qsizetype(size));
    QList<namedLayer> layers;
    QString error;
    if (!readGaugeDocument(bytes, layers, &error)) {
        if (!layers.isEmpty() || error.isEmpty())
            broken("a failed read must leave no layers and give a reason");
        return 0;
    }
    if (layers.isEmpty() || !error.isEmpty())
        broken("a successful read must give layers and leave the reason alone");

    // What the program saves must load again; one save and load may
    // normalise values the document cannot hold (an invalid colour, a font
    // sized in pixels), after that the file must not change.
    const QByteArray first = writeGaugeDocument(layers);
    QList<namedLayer> reloaded;
    if (!readGaugeDocument(first, reloaded) || reloaded.size() != layers.size())
        broken("a saved gauge does not load");
    const QByteArray second = writeGaugeDocument(reloaded);
    QList<namedLayer> again;
    if (!readGaugeDocument(second, again) || writeGaugeDocument(again) != second)
        broken("saving a loaded gauge is not stable");
    return 0;
}
