#include "cli/rendertool.h"

#include "export/imageexport.h"
#include "export/keyframes.h"
#include "gaugefile/gaugefilereader.h"
#include "gaugefile/layernames.h"
#include "gaugefile/savefile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>

#include <functional>

namespace {

constexpr int defaultSize = 512;
const QString standardStream = QStringLiteral("-");

QString tr(const char *text)
{
    return QCoreApplication::translate("RenderTool", text);
}

// One output asked for on the command line: where it goes and how its bytes
// are made. The bytes of every output are made before the first is written,
// so a gauge that cannot be exported leaves no output behind.
struct Output
{
    QString target;
    std::function<bool(QByteArray *, QString *)> make;
    QByteArray bytes;
};

class RenderTool
{
public:
    RenderTool(QIODevice &out, QIODevice &err) : m_out(out), m_err(err) {}

    int run(const QStringList &arguments);

private:
    void say(const QString &line) { m_err.write((line + QLatin1Char('\n')).toLocal8Bit()); }
    void fail(const QString &file, const QString &reason)
    {
        say(QStringLiteral("%1: %2: %3").arg(QCoreApplication::applicationName(), file, reason));
    }
    int usageError(const QString &reason);
    bool writeOutput(const Output &output);

    QIODevice &m_out;
    QIODevice &m_err;
    QCommandLineParser m_parser;
};

int RenderTool::usageError(const QString &reason)
{
    say(QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), reason));
    m_err.write(m_parser.helpText().toLocal8Bit());
    return RenderToolUsageError;
}

bool RenderTool::writeOutput(const Output &output)
{
    if (output.target == standardStream) {
        if (m_out.write(output.bytes) != output.bytes.size()) {
            fail(tr("standard output"), m_out.errorString());
            return false;
        }
        return true;
    }
    QString error;
    if (!writeFileSafely(output.target, output.bytes, &error)) {
        fail(output.target, error);
        return false;
    }
    return true;
}

int RenderTool::run(const QStringList &arguments)
{
    m_parser.setApplicationDescription(
        tr("Turns a gauge file into the images, keyframes and gauge document that Dialwright "
           "exports."));
    const QCommandLineOption helpOption = m_parser.addHelpOption();
    const QCommandLineOption versionOption = m_parser.addVersionOption();
    const QCommandLineOption sizeOption(
        QStringLiteral("size"),
        tr("Edge length of the PNG and SVG in pixels, %1 to %2 (default %3).")
            .arg(exportSizeMin)
            .arg(exportSizeMax)
            .arg(defaultSize),
        QStringLiteral("N"));
    const QCommandLineOption pngOption(QStringLiteral("png"),
                                       tr("Write the gauge as a PNG with a transparent background."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption svgOption(QStringLiteral("svg"), tr("Write the gauge as an SVG."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption keyframesOption(
        QStringLiteral("keyframes"), tr("Write the keyframe CSV: the angle of every primary tick."),
        QStringLiteral("FILE"));
    const QCommandLineOption gaugeOption(
        QStringLiteral("gauge"),
        tr("Write the gauge document (converts files of earlier versions)."),
        QStringLiteral("FILE"));
    m_parser.addOptions({sizeOption, pngOption, svgOption, keyframesOption, gaugeOption});
    m_parser.addPositionalArgument(QStringLiteral("GAUGEFILE"),
                                   tr("The gauge file to read (JSON or an earlier version's)."));

    if (!m_parser.parse(arguments))
        return usageError(m_parser.errorText());
    // The toolkit's own options are listed by the parser alone, which then
    // ends the program as --help-all always does.
    if (m_parser.isSet(QStringLiteral("help-all")))
        m_parser.process(arguments);
    if (m_parser.isSet(helpOption)) {
        m_out.write(m_parser.helpText().toLocal8Bit());
        return RenderToolSuccess;
    }
    if (m_parser.isSet(versionOption)) {
        m_out.write(QStringLiteral("%1 %2\n")
                        .arg(QCoreApplication::applicationName(),
                             QCoreApplication::applicationVersion())
                        .toLocal8Bit());
        return RenderToolSuccess;
    }

    int size = defaultSize;
    if (m_parser.isSet(sizeOption)) {
        bool ok = false;
        size = m_parser.value(sizeOption).toInt(&ok);
        if (!ok || size < exportSizeMin || size > exportSizeMax) {
            return usageError(tr("The size must be a whole number from %1 to %2, not \"%3\".")
                                  .arg(exportSizeMin)
                                  .arg(exportSizeMax)
                                  .arg(m_parser.value(sizeOption)));
        }
    }
    const QStringList positional = m_parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(positional.isEmpty() ? tr("No gauge file given.")
                                               : tr("Only one gauge file can be read at a time."));
    const QString input = positional.constFirst();

    QList<namedLayer> layers;
    QList<gaugeData> drawing;
    QList<Output> outputs;
    int toStandardOutput = 0;
    auto addOutput = [&](const QCommandLineOption &option,
                         std::function<bool(QByteArray *, QString *)> make) {
        if (!m_parser.isSet(option))
            return;
        const QString target = m_parser.value(option);
        if (target == standardStream)
            ++toStandardOutput;
        outputs.append(Output{target, std::move(make), QByteArray()});
    };
    addOutput(gaugeOption, [&](QByteArray *bytes, QString *) {
        *bytes = writeGaugeDocument(layers);
        return true;
    });
    addOutput(keyframesOption,
              [&](QByteArray *bytes, QString *error) { return keyframeCsv(layers, bytes, error); });
    addOutput(svgOption, [&](QByteArray *bytes, QString *) {
        *bytes = gaugeSvg(drawing, size);
        return true;
    });
    addOutput(pngOption, [&](QByteArray *bytes, QString *error) {
        return gaugePng(drawing, size, bytes, error);
    });
    if (outputs.isEmpty())
        return usageError(tr("Nothing to write: give --png, --svg, --keyframes or --gauge."));
    if (outputs.size() > 1 && toStandardOutput > 0)
        return usageError(tr("Only a single output can go to standard output."));
    for (const Output &output : outputs) {
        if (output.target.isEmpty())
            return usageError(tr("An output file name is empty."));
    }

    QString error;
    if (readGaugeFile(input, layers, &error) != gaugeFileStatus::Loaded) {
        fail(input, error);
        return RenderToolFailed;
    }
    // The names a freshly started window shows after loading the file.
    nameLayersAsFreshGauge(layers, QFileInfo(input).completeBaseName());
    for (const namedLayer &layer : std::as_const(layers))
        drawing.append(layer.data);

    for (Output &output : outputs) {
        if (!output.make(&output.bytes, &error)) {
            fail(output.target == standardStream ? tr("standard output") : output.target, error);
            return RenderToolFailed;
        }
    }
    int status = RenderToolSuccess;
    for (const Output &output : std::as_const(outputs)) {
        if (!writeOutput(output))
            status = RenderToolFailed;
    }
    return status;
}

} // namespace

int runRenderTool(const QStringList &arguments, QIODevice &standardOutput,
                  QIODevice &standardError)
{
    return RenderTool(standardOutput, standardError).run(arguments);
}
