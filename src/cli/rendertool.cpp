#include "cli/rendertool.h"

#include "export/imageexport.h"
#include "export/keyframes.h"
#include "fileio/safewrite.h"
#include "gaugefile/gaugedocument.h"
#include "gaugefile/gaugefilereader.h"
#include "gaugefile/layernames.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>

#include <functional>
#include <optional>

namespace {

constexpr int defaultSize = 512;
const QString standardStream = QStringLiteral("-");

// One output asked for on the command line: where it goes and how its bytes
// are made. The bytes of every output are made before the first is written,
// so a gauge that cannot be exported leaves no output behind.
struct Output
{
    QString target;
    std::function<bool(QByteArray *, QString *)> make;
    QByteArray bytes;
};

// What a valid command line asks for.
struct Request
{
    QString input;
    int size = defaultSize;
    QString png;
    QString svg;
    QString keyframes;
    QString gauge;
};

class RenderTool
{
    Q_DECLARE_TR_FUNCTIONS(RenderTool)

public:
    RenderTool(QIODevice &out, QIODevice &err) : m_out(out), m_err(err) {}

    int run(const QStringList &arguments);

private:
    // Each step returns the exit status when the run ends there.
    std::optional<int> parse(const QStringList &arguments, Request *request);
    std::optional<int> read(const QString &input, QList<namedLayer> *layers);
    QList<Output> outputsFor(const Request &request, const QList<namedLayer> &layers) const;
    std::optional<int> render(QList<Output> &outputs);
    int write(const QList<Output> &outputs);

    void say(const QString &line) { m_err.write((line + QLatin1Char('\n')).toLocal8Bit()); }
    void fail(const QString &file, const QString &reason)
    {
        say(QStringLiteral("%1: %2: %3").arg(QCoreApplication::applicationName(), file, reason));
    }
    QString displayName(const QString &target) const
    {
        return target == standardStream ? tr("standard output") : target;
    }
    int usageError(const QString &reason);

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

std::optional<int> RenderTool::parse(const QStringList &arguments, Request *request)
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

    if (m_parser.isSet(sizeOption)) {
        bool ok = false;
        request->size = m_parser.value(sizeOption).toInt(&ok);
        if (!ok || request->size < exportSizeMin || request->size > exportSizeMax) {
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
    request->input = positional.constFirst();

    const std::pair<const QCommandLineOption *, QString *> targets[] = {
        {&gaugeOption, &request->gauge},
        {&keyframesOption, &request->keyframes},
        {&svgOption, &request->svg},
        {&pngOption, &request->png},
    };
    int outputCount = 0;
    int toStandardOutput = 0;
    bool emptyName = false;
    for (const auto &[option, target] : targets) {
        if (!m_parser.isSet(*option))
            continue;
        *target = m_parser.value(*option);
        ++outputCount;
        toStandardOutput += *target == standardStream ? 1 : 0;
        emptyName = emptyName || target->isEmpty();
    }
    if (outputCount == 0)
        return usageError(tr("Nothing to write: give --png, --svg, --keyframes or --gauge."));
    if (outputCount > 1 && toStandardOutput > 0)
        return usageError(tr("Only a single output can go to standard output."));
    if (emptyName)
        return usageError(tr("An output file name is empty."));
    return std::nullopt;
}

std::optional<int> RenderTool::read(const QString &input, QList<namedLayer> *layers)
{
    QString error;
    if (readGaugeFile(input, *layers, &error) != gaugeFileStatus::Loaded) {
        fail(input, error);
        return RenderToolFailed;
    }
    // The names a freshly started window shows after loading the file.
    nameLayersAsFreshGauge(*layers, QFileInfo(input).completeBaseName());
    return std::nullopt;
}

// The outputs in the order they are made and written: gauge document,
// keyframes, SVG, PNG.
QList<Output> RenderTool::outputsFor(const Request &request,
                                     const QList<namedLayer> &layers) const
{
    QList<gaugeData> drawing;
    for (const namedLayer &layer : layers)
        drawing.append(layer.data);
    const int size = request.size;

    QList<Output> outputs;
    auto add = [&outputs](const QString &target,
                          std::function<bool(QByteArray *, QString *)> make) {
        outputs.append(Output{target, std::move(make), QByteArray()});
    };
    if (!request.gauge.isEmpty()) {
        add(request.gauge, [layers](QByteArray *bytes, QString *) {
            *bytes = writeGaugeDocument(layers);
            return true;
        });
    }
    if (!request.keyframes.isEmpty()) {
        add(request.keyframes, [layers](QByteArray *bytes, QString *error) {
            return keyframeCsv(layers, bytes, error);
        });
    }
    if (!request.svg.isEmpty()) {
        add(request.svg, [drawing, size](QByteArray *bytes, QString *) {
            *bytes = gaugeSvg(drawing, size);
            return true;
        });
    }
    if (!request.png.isEmpty()) {
        add(request.png, [drawing, size](QByteArray *bytes, QString *error) {
            return gaugePng(drawing, size, bytes, error);
        });
    }
    return outputs;
}

std::optional<int> RenderTool::render(QList<Output> &outputs)
{
    QString error;
    for (Output &output : outputs) {
        if (!output.make(&output.bytes, &error)) {
            fail(displayName(output.target), error);
            return RenderToolFailed;
        }
    }
    return std::nullopt;
}

int RenderTool::write(const QList<Output> &outputs)
{
    int status = RenderToolSuccess;
    for (const Output &output : outputs) {
        if (output.target == standardStream) {
            if (m_out.write(output.bytes) != output.bytes.size()) {
                fail(displayName(output.target), m_out.errorString());
                status = RenderToolFailed;
            }
            continue;
        }
        QString error;
        if (!writeFileSafely(output.target, output.bytes, &error)) {
            fail(output.target, error);
            status = RenderToolFailed;
        }
    }
    return status;
}

int RenderTool::run(const QStringList &arguments)
{
    Request request;
    if (const auto status = parse(arguments, &request))
        return *status;
    QList<namedLayer> layers;
    if (const auto status = read(request.input, &layers))
        return *status;
    QList<Output> outputs = outputsFor(request, layers);
    if (const auto status = render(outputs))
        return *status;
    return write(outputs);
}

} // namespace

int runRenderTool(const QStringList &arguments, QIODevice &standardOutput,
                  QIODevice &standardError)
{
    return RenderTool(standardOutput, standardError).run(arguments);
}
