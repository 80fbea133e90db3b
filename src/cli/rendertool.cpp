#include "cli/rendertool.h"

#include "animation/drivedata.h"
#include "export/animationexport.h"
#include "export/assetset.h"
#include "export/imageexport.h"
#include "export/keyframes.h"
#include "export/pdfexport.h"
#include "fileio/outputfile.h"
#include "fileio/safewrite.h"
#include "gaugefile/gaugedocument.h"
#include "gaugefile/gaugefilereader.h"
#include "gaugefile/layernames.h"
#include "render/facepainter.h"
#include "render/needlepainter.h"
#include "targets/targetset.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <cmath>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr int defaultSize = 512;
const QString standardStream = QStringLiteral("-");

// One output asked for on the command line: where it goes and how it is
// written. Every output is made in full (into a temporary file beside its
// target, or held for a device) before the first one is put in place, so a
// gauge that cannot be exported leaves no output behind.
struct Output
{
    QString target;
    std::function<bool(QIODevice *, QString *)> write;
    std::unique_ptr<OutputFile> file;
};

// An output that is a folder of files: they are all made before the first
// output is put in place, and then written together (see writeAssetFolder).
struct FolderOutput
{
    QString folder;
    std::function<bool(QList<AssetFile> *, QString *)> make;
    QList<AssetFile> files;
};

// What tells two paths apart as files: the device and inode of an existing
// file (so a link or another spelling of a path is recognised), else the
// canonical folder and the name. Empty for standard output.
QString fileIdentity(const QString &path)
{
    if (path == QLatin1String("-"))
        return QString();
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) == 0)
        return QStringLiteral("%1:%2").arg(status.st_dev).arg(status.st_ino);
#endif
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

// What a valid command line asks for.
struct Request
{
    QString input;
    int size = defaultSize;
    QString png;
    QString svg;
    QString pdf;
    QString keyframes;
    QString gauge;
    // A diameter above 0 draws the PDF, and the SVG, at a true size.
    PhysicalOutputOptions physical;
    // What of the gauge the drawings show, and the needles' values in them.
    needleDrawing needles = needleDrawing::with;
    QList<NeedleValue> values;
    // An animation, written alone; its path is empty when none is asked for.
    AnimationSettings animation;
    QString data;
    // The asset set's folder.
    QString assets;
    // A target's folder, and the target.
    QString targetFolder;
    TargetOptions target;
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
    std::optional<int> parsePhysical(Request *request);
    std::optional<int> parseNeedles(Request *request);
    std::optional<int> parseAnimation(Request *request);
    std::optional<int> parseAnimationSource(Request *request);
    int animate(const Request &request, const QList<namedLayer> &layers);
    void warnIfOffPage(const Request &request);
    void warnOfUndrawnElements(const QList<namedLayer> &layers);
    std::optional<int> read(const QString &input, QList<namedLayer> *layers);
    std::vector<Output> outputsFor(const Request &request, const QList<namedLayer> &layers) const;
    std::optional<int> render(std::vector<Output> &outputs);
    int commit(std::vector<Output> &outputs);
    // The folders of files: the asset set.
    std::optional<int> parseFolders(Request *request);
    std::vector<FolderOutput> foldersFor(const Request &request,
                                         const QList<namedLayer> &layers) const;
    std::optional<int> make(std::vector<FolderOutput> &folders, const QString &input);
    bool commit(std::vector<FolderOutput> &folders);

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
    const QCommandLineOption m_pdfOption{
        QStringLiteral("pdf"),
        tr("Write the gauge as a vector PDF at its true size; needs --diameter."),
        QStringLiteral("FILE")};
    const QCommandLineOption m_diameterOption{
        QStringLiteral("diameter"),
        tr("Diameter of the dial (the circle at radius 1.0) on paper, %1 to %2, with its unit: "
           "62mm, 6.2cm or 2.44in. Needed by --pdf; with --svg, the SVG's width and height are "
           "given in millimetres.")
            .arg(PhysicalSize::formatMillimetres(PhysicalSize::diameterMinMm),
                 PhysicalSize::formatMillimetres(PhysicalSize::diameterMaxMm)),
        QStringLiteral("LENGTH")};
    const QCommandLineOption m_hairlineOption{
        QStringLiteral("hairline"),
        tr("Width that lines of width 0 get at a true size, %1 to %2 (default %3).")
            .arg(PhysicalSize::formatMillimetres(PhysicalSize::hairlineMinMm),
                 PhysicalSize::formatMillimetres(PhysicalSize::hairlineMaxMm),
                 PhysicalSize::formatMillimetres(PhysicalSize::defaultHairlineMm)),
        QStringLiteral("LENGTH")};
    const QCommandLineOption m_pageOption{
        QStringLiteral("page"),
        tr("Page of the PDF: a4 (default), letter, or fit (a square page around the drawing)."),
        QStringLiteral("PAGE")};
    const QCommandLineOption m_scaleBarOption{
        QStringLiteral("scale-bar"),
        tr("Put a 50 mm scale bar with millimetre ticks below the dial in the PDF.")};
    const QCommandLineOption m_centreCrossOption{
        QStringLiteral("centre-cross"), tr("Put a thin cross over the dial's centre in the PDF.")};
    const QCommandLineOption m_backgroundOption{
        QStringLiteral("background"),
        tr("Fill the dial with COLOR (a name or #rrggbb) under the gauge in the PDF, so that "
           "white marks show on paper; with --animate, fill every frame with it."),
        QStringLiteral("COLOR")};
    const QCommandLineOption m_needlesOption{
        QStringLiteral("needles"),
        tr("What the PNG, SVG and PDF show: the face with its needles (with, the default), the "
           "face alone (none), or the needles alone (only)."),
        QStringLiteral("WHICH")};
    const QCommandLineOption m_valueOption{
        QStringLiteral("value"),
        tr("Show the value V on the needles named NAME in this run's drawings, or on every "
           "needle without a name. May be given more than once; a later one wins."),
        QStringLiteral("[NAME=]V")};

    // The animation's options.
    const QCommandLineOption m_animateOption{
        QStringLiteral("animate"),
        tr("Write an animation of the needles: a .mov (QuickTime Animation, or ProRes 4444 with "
           "--codec prores), .webm (VP9), .mp4 (H.264), or PNG frames named by a pattern with "
           "%d or into a folder. Transparent unless --background is given."),
        QStringLiteral("OUT")};
    const QCommandLineOption m_driveOption{
        QStringLiteral("drive"),
        tr("Move the needles named NAME as the column COLUMN (its name or its place from 1) of "
           "the --data file. May be given more than once."),
        QStringLiteral("NAME=COLUMN")};
    const QCommandLineOption m_dataOption{
        QStringLiteral("data"),
        tr("The CSV file of the driving data: a header row, a time column, value columns."),
        QStringLiteral("FILE")};
    const QCommandLineOption m_sweepOption{
        QStringLiteral("sweep"),
        tr("Sweep the needles named NAME, or without a name every needle no --drive moves, "
           "from the start of the scale to its end and back in SECONDS."),
        QStringLiteral("[NAME=]SECONDS")};
    const QCommandLineOption m_fpsOption{
        QStringLiteral("fps"),
        tr("Frames a second of the animation, %1 to %2 (default 30).")
            .arg(minimumFrameRate)
            .arg(maximumFrameRate),
        QStringLiteral("N")};
    const QCommandLineOption m_fromOption{
        QStringLiteral("from"), tr("Start the animation at this time of the data, in seconds."),
        QStringLiteral("S")};
    const QCommandLineOption m_toOption{
        QStringLiteral("to"), tr("End the animation at this time of the data, in seconds."),
        QStringLiteral("S")};
    const QCommandLineOption m_interpolationOption{
        QStringLiteral("interpolation"),
        tr("How values between the samples are found: linear (the default) or cubic (smooth, "
           "never beyond the samples around)."),
        QStringLiteral("KIND")};
    const QCommandLineOption m_codecOption{
        QStringLiteral("codec"),
        tr("The codec of a .mov animation: qtrle (QuickTime Animation, the default) or prores "
           "(ProRes 4444)."),
        QStringLiteral("CODEC")};
    const QList<QCommandLineOption> m_animationOptions{
        m_driveOption, m_dataOption, m_sweepOption, m_fpsOption,
        m_fromOption,  m_toOption,   m_interpolationOption, m_codecOption};
    const QCommandLineOption m_assetsOption{
        QStringLiteral("assets"),
        tr("Write the asset set into the folder DIR: face.png without needles, each needle "
           "upright on a picture of its own (its hub and shadow apart), and gauge.json with the "
           "pivots and each needle's value-to-angle table."),
        QStringLiteral("DIR")};
    const QCommandLineOption m_targetOption{
        QStringLiteral("target"),
        tr("Write the gauge for a display, simulator or web page into the folder of --out: "
           "%1.").arg(targetNames().join(QStringLiteral(", "))),
        QStringLiteral("NAME")};
    const QCommandLineOption m_outOption{QStringLiteral("out"),
                                         tr("The folder --target writes into."),
                                         QStringLiteral("DIR")};
    const QCommandLineOption m_colorFormatOption{
        QStringLiteral("color-format"),
        tr("LVGL 9's colour format of the face with --target lvgl9: %1 (default ARGB8888).")
            .arg(colorFormatNames().join(QStringLiteral(", "))),
        QStringLiteral("FORMAT")};
    const QCommandLineOption m_swapBytesOption{
        QStringLiteral("swap-bytes"),
        tr("Swap the two bytes of RGB565 pixels, for displays on SPI (--target lvgl9 with "
           "RGB565, --target tft).")};
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
    const QCommandLineOption pngOption(
        QStringLiteral("png"), tr("Write the gauge as a PNG with a transparent background."),
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
    m_parser.addOptions({sizeOption, pngOption, svgOption, m_pdfOption, keyframesOption,
                         gaugeOption, m_diameterOption, m_hairlineOption, m_pageOption,
                         m_scaleBarOption, m_centreCrossOption, m_backgroundOption, m_needlesOption,
                         m_valueOption, m_animateOption, m_assetsOption, m_targetOption,
                         m_outOption, m_colorFormatOption, m_swapBytesOption});
    m_parser.addOptions(m_animationOptions);
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
        m_out.write(
            QStringLiteral("%1 %2\n")
                .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())
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
    if (const auto status = parsePhysical(request))
        return *status;
    if (const auto status = parseNeedles(request))
        return *status;
    if (const auto status = parseAnimation(request))
        return *status;
    if (const auto status = parseFolders(request))
        return *status;
    const QStringList positional = m_parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(positional.isEmpty() ? tr("No gauge file given.")
                                               : tr("Only one gauge file can be read at a time."));
    request->input = positional.constFirst();

    const std::pair<const QCommandLineOption *, QString *> targets[] = {
        {&gaugeOption, &request->gauge}, {&keyframesOption, &request->keyframes},
        {&svgOption, &request->svg},     {&pngOption, &request->png},
        {&m_pdfOption, &request->pdf},
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
    outputCount += request->assets.isEmpty() ? 0 : 1;
    outputCount += request->targetFolder.isEmpty() ? 0 : 1;
    const QString &animation = request->animation.video.path;
    if (!animation.isEmpty() && outputCount > 0)
        return usageError(tr("--animate writes the animation alone: give the other outputs in "
                             "a run of their own."));
    if (!animation.isEmpty()) {
        if (QFileInfo::exists(request->input)
            && fileIdentity(animation) == fileIdentity(request->input))
            return usageError(tr("An output names the gauge file being read: %1").arg(animation));
        return std::nullopt;
    }
    if (outputCount == 0)
        return usageError(tr("Nothing to write: give --png, --svg, --pdf, --keyframes, --gauge, "
                             "--assets, --target or --animate."));
    if (outputCount > 1 && toStandardOutput > 0)
        return usageError(tr("Only a single output can go to standard output."));
    if (emptyName)
        return usageError(tr("An output file name is empty."));

    // Writing one file twice would leave only the last output, and writing
    // over the input would replace the gauge while it is being converted.
    const QString inputIdentity =
        QFileInfo::exists(request->input) ? fileIdentity(request->input) : QString();
    QStringList identities;
    for (const auto &[option, target] : targets) {
        const QString identity = target->isEmpty() ? QString() : fileIdentity(*target);
        if (identity.isEmpty())
            continue;
        if (identities.contains(identity))
            return usageError(tr("Two outputs name the same file: %1").arg(*target));
        if (identity == inputIdentity)
            return usageError(tr("An output names the gauge file being read: %1").arg(*target));
        identities.append(identity);
    }
    return std::nullopt;
}

// The options of a drawing at a true size. Each is checked on its own first,
// then whether the outputs they apply to were asked for.
std::optional<int> RenderTool::parsePhysical(Request *request)
{
    PhysicalOutputOptions &physical = request->physical;
    QString reason;
    const bool trueSize = m_parser.isSet(m_diameterOption);
    if (trueSize
        && (!PhysicalSize::parseLength(m_parser.value(m_diameterOption), &physical.diameterMm,
                                       &reason)
            || !PhysicalSize::checkDiameter(physical.diameterMm, &reason)))
        return usageError(QStringLiteral("--diameter: ") + reason);
    if (m_parser.isSet(m_hairlineOption)
        && (!PhysicalSize::parseLength(m_parser.value(m_hairlineOption), &physical.hairlineMm,
                                       &reason)
            || !PhysicalSize::checkHairline(physical.hairlineMm, &reason)))
        return usageError(QStringLiteral("--hairline: ") + reason);
    if (m_parser.isSet(m_pageOption) && !pageFromKey(m_parser.value(m_pageOption), &physical.page))
        return usageError(tr("The page must be a4, letter or fit, not \"%1\".")
                              .arg(m_parser.value(m_pageOption)));
    if (m_parser.isSet(m_backgroundOption)) {
        physical.background = QColor(m_parser.value(m_backgroundOption));
        if (!physical.background.isValid())
            return usageError(tr("The background must be a colour name or #rrggbb, not \"%1\".")
                                  .arg(m_parser.value(m_backgroundOption)));
    }
    physical.scaleBar = m_parser.isSet(m_scaleBarOption);
    physical.centreCross = m_parser.isSet(m_centreCrossOption);

    const bool pdf = m_parser.isSet(m_pdfOption);
    if (pdf && !trueSize)
        return usageError(tr("--pdf needs --diameter, the size of the dial on paper "
                             "(for example --diameter 62mm)."));
    if (m_parser.isSet(m_hairlineOption) && !trueSize)
        return usageError(tr("--hairline applies to a true size only: give --diameter too."));
    const bool animate = m_parser.isSet(m_animateOption);
    for (const QCommandLineOption *option :
         {&m_pageOption, &m_scaleBarOption, &m_centreCrossOption, &m_backgroundOption}) {
        if (m_parser.isSet(*option) && !pdf && !(animate && option == &m_backgroundOption))
            return usageError(tr("--%1 applies to the PDF only: give --pdf too.")
                                  .arg(option->names().constFirst()));
    }
    if (!trueSize)
        physical.diameterMm = 0.0;
    return std::nullopt;
}

std::optional<int> RenderTool::parseNeedles(Request *request)
{
    if (m_parser.isSet(m_needlesOption)) {
        const QString which = m_parser.value(m_needlesOption);
        if (which == QLatin1String("with"))
            request->needles = needleDrawing::with;
        else if (which == QLatin1String("none"))
            request->needles = needleDrawing::none;
        else if (which == QLatin1String("only"))
            request->needles = needleDrawing::only;
        else
            return usageError(tr("--needles must be with, none or only, not \"%1\".").arg(which));
    }
    for (const QString &given : m_parser.values(m_valueOption)) {
        // The last "=" parts the name from the value, so a name may hold one.
        const qsizetype equals = given.lastIndexOf(QLatin1Char('='));
        NeedleValue value;
        value.name = equals < 0 ? QString() : given.left(equals);
        bool ok = false;
        value.value = given.mid(equals + 1).toDouble(&ok);
        if (!ok || !std::isfinite(value.value) || (equals >= 0 && value.name.isEmpty()))
            return usageError(
                tr("--value must be NAME=V or V, with V a number, not \"%1\".").arg(given));
        request->values.append(value);
    }
    return std::nullopt;
}

// A fixed page is not shrunk to hold a larger gauge: the drawing keeps its
// true size and what lies beyond the page is cut off, which is worth saying.
void RenderTool::warnIfOffPage(const Request &request)
{
    if (request.pdf.isEmpty() || fitsOnPage(request.physical))
        return;
    say(QStringLiteral("%1: %2").arg(
        QCoreApplication::applicationName(),
        tr("warning: the gauge at %1 does not fit on the %2 page and is cut off at its edges; "
           "--page fit makes a page that holds it.")
            .arg(PhysicalSize::formatMillimetres(request.physical.diameterMm),
                 pageName(request.physical.page))));
}

// A picture or text the drawings leave out (one that would read beyond the
// gauge file, decode too many pixels, or a needle that cannot be drawn) is
// named, so that a missing part of an output is never a silent surprise.
void RenderTool::warnOfUndrawnElements(const QList<namedLayer> &layers)
{
    constexpr int shown = 20;
    int warnings = 0;
    const auto warn = [&](const QString &layer, const QString &what, const QString &why) {
        if (++warnings > shown)
            return;
        say(QStringLiteral("%1: %2").arg(QCoreApplication::applicationName(),
                                         tr("warning: layer \u201c%1\u201d: %2 is not drawn: %3")
                                             .arg(layer, what, why)));
    };
    for (const namedLayer &layer : layers) {
        const gaugeData &g = layer.data;
        for (qsizetype i = 0; i < g.pictures.size(); ++i) {
            const QString why = faceElementProblem(g, {faceElementKind::picture, i});
            if (!why.isEmpty())
                warn(layer.name, tr("picture %1").arg(i + 1), why);
        }
        for (qsizetype i = 0; i < g.texts.size(); ++i) {
            const QString why = faceElementProblem(g, {faceElementKind::text, i});
            if (!why.isEmpty())
                warn(layer.name, tr("text %1").arg(i + 1), why);
        }
        for (const gaugeNeedle &needle : g.needles) {
            const QString why = needleProblem(g, needle);
            if (!why.isEmpty())
                warn(layer.name, tr("the needle \u201c%1\u201d").arg(needle.name), why);
        }
    }
    if (warnings > shown)
        say(QStringLiteral("%1: %2").arg(
            QCoreApplication::applicationName(),
            tr("warning: %n more parts of the gauge are not drawn.", nullptr, warnings - shown)));
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
// keyframes, SVG, PNG, PDF.
std::vector<Output> RenderTool::outputsFor(const Request &request,
                                           const QList<namedLayer> &layers) const
{
    QList<gaugeData> drawing = layerData(layers);
    // Checked when the file was read.
    (void)setNeedleValues(drawing, request.values);
    const int size = request.size;
    SvgExportOptions svgOptions;
    svgOptions.diameterMm = request.physical.diameterMm;
    svgOptions.hairlineMm = request.physical.hairlineMm;
    svgOptions.needles = request.needles;
    PhysicalOutputOptions physical = request.physical;
    physical.needles = request.needles;
    GaugePaintControl control;
    control.needles = request.needles;

    std::vector<Output> outputs;
    if (!request.gauge.isEmpty()) {
        outputs.push_back({request.gauge,
                           [layers](QIODevice *device, QString *error) {
                               return writeGaugeDocument(layers, device, error);
                           },
                           nullptr});
    }
    if (!request.keyframes.isEmpty()) {
        outputs.push_back({request.keyframes,
                           [layers](QIODevice *device, QString *error) {
                               return writeKeyframeCsv(layers, device, error);
                           },
                           nullptr});
    }
    if (!request.svg.isEmpty()) {
        outputs.push_back({request.svg,
                           [drawing, size, svgOptions](QIODevice *device, QString *error) {
                               return writeGaugeSvg(drawing, size, device, error, svgOptions);
                           },
                           nullptr});
    }
    if (!request.png.isEmpty()) {
        outputs.push_back({request.png,
                           [drawing, size, control](QIODevice *device, QString *error) {
                               QByteArray png;
                               return gaugePng(drawing, size, &png, error, control)
                                   && writeAllBytes(device, png, error);
                           },
                           nullptr});
    }
    if (!request.pdf.isEmpty()) {
        outputs.push_back({request.pdf,
                           [drawing, physical](QIODevice *device, QString *error) {
                               return writeGaugePdf(drawing, physical, device, error);
                           },
                           nullptr});
    }
    return outputs;
}

// Opens every output, then makes each in full. A target that cannot be
// written is found before any drawing is done.
std::optional<int> RenderTool::render(std::vector<Output> &outputs)
{
    QString error;
    for (Output &output : outputs) {
        output.file = output.target == standardStream ? std::make_unique<OutputFile>(&m_out)
                                                      : std::make_unique<OutputFile>(output.target);
        if (!output.file->open(&error)) {
            fail(displayName(output.target), error);
            return RenderToolFailed;
        }
    }
    for (Output &output : outputs) {
        if (!output.write(output.file->device(), &error)) {
            fail(displayName(output.target), error);
            return RenderToolFailed;
        }
    }
    return std::nullopt;
}

// Puts the outputs in place, in order. Should one fail there (a full disk
// while a device is written, a folder that vanished), the others are still
// tried, and the run says which outputs were written and which were not.
int RenderTool::commit(std::vector<Output> &outputs)
{
    QStringList written;
    QStringList notWritten;
    for (Output &output : outputs) {
        QString error;
        if (output.file->commit(&error)) {
            written.append(displayName(output.target));
        } else {
            fail(displayName(output.target), error);
            notWritten.append(displayName(output.target));
        }
    }
    if (notWritten.isEmpty())
        return RenderToolSuccess;
    if (outputs.size() > 1) {
        const QString separator = QStringLiteral(", ");
        say(QStringLiteral("%1: %2").arg(QCoreApplication::applicationName(),
                                         written.isEmpty() ? tr("no output was written.")
                                                           : tr("written: %1; not written: %2.")
                                                                 .arg(written.join(separator),
                                                                      notWritten.join(separator))));
    }
    return RenderToolFailed;
}

// The options of an animation. Each is refused without --animate, so that
// a mistyped run does not silently write a still picture instead.
std::optional<int> RenderTool::parseAnimation(Request *request)
{
    if (!m_parser.isSet(m_animateOption)) {
        for (const QCommandLineOption &option : m_animationOptions) {
            if (m_parser.isSet(option))
                return usageError(tr("--%1 applies to an animation only: give --animate too.")
                                      .arg(option.names().constFirst()));
        }
        return std::nullopt;
    }
    AnimationSettings &animation = request->animation;
    VideoSettings &video = animation.video;
    const QString out = m_parser.value(m_animateOption);
    if (out.isEmpty())
        return usageError(tr("An output file name is empty."));
    if (out == standardStream)
        return usageError(tr("An animation cannot go to standard output."));
    // A folder, named as one or existing, gets frame_000001.png and on.
    const QFileInfo outInfo(out);
    const bool folder = out.endsWith(QLatin1Char('/')) || outInfo.isDir();
    std::optional<videoFormat> format = folder || out.contains(QLatin1Char('%'))
        ? std::optional<videoFormat>(videoFormat::pngSequence)
        : videoFormatForPath(out);
    video.path = folder ? QDir(out).filePath(QStringLiteral("frame.png")) : out;
    if (m_parser.isSet(m_codecOption)) {
        const QString codec = m_parser.value(m_codecOption);
        const std::optional<videoFormat> chosen = videoFormatFromName(codec);
        if (!chosen || !format || videoFormatSuffix(*chosen) != videoFormatSuffix(*format))
            return usageError(tr("--codec %1 does not fit %2: a .mov takes qtrle or prores.")
                                  .arg(codec, out));
        format = chosen;
    }
    if (!format)
        return usageError(tr("The animation's format follows from its name: .mov, .webm, .mp4, "
                             "a PNG pattern with %d or a folder, not \"%1\".")
                              .arg(out));
    video.format = *format;
    video.size = request->size;
    video.background = request->physical.background;
    if (m_parser.isSet(m_fpsOption)) {
        bool ok = false;
        video.framesPerSecond = m_parser.value(m_fpsOption).toInt(&ok);
        if (!ok || video.framesPerSecond < minimumFrameRate
            || video.framesPerSecond > maximumFrameRate)
            return usageError(tr("--fps must be a whole number from %1 to %2, not \"%3\".")
                                  .arg(minimumFrameRate)
                                  .arg(maximumFrameRate)
                                  .arg(m_parser.value(m_fpsOption)));
    }
    for (auto [option, time] : {std::pair{&m_fromOption, &animation.from},
                                std::pair{&m_toOption, &animation.to}}) {
        if (!m_parser.isSet(*option))
            continue;
        bool ok = false;
        *time = m_parser.value(*option).toDouble(&ok);
        if (!ok || !std::isfinite(*time))
            return usageError(tr("--%1 must be a time in seconds, not \"%2\".")
                                  .arg(option->names().constFirst(), m_parser.value(*option)));
    }
    if (m_parser.isSet(m_interpolationOption)) {
        const QString kind = m_parser.value(m_interpolationOption);
        if (kind == QLatin1String("linear"))
            animation.interpolation = Interpolation::Linear;
        else if (kind == QLatin1String("cubic"))
            animation.interpolation = Interpolation::MonotoneCubic;
        else
            return usageError(
                tr("--interpolation must be linear or cubic, not \"%1\".").arg(kind));
    }
    QString reason;
    if (!checkVideoSettings(video, &reason))
        return usageError(QStringLiteral("--animate: ") + reason);
    return parseAnimationSource(request);
}

// The drives: columns of the data, then sweeps; a sweep without a name
// moves every needle no column moves.
std::optional<int> RenderTool::parseAnimationSource(Request *request)
{
    AnimationSettings &animation = request->animation;
    request->data = m_parser.value(m_dataOption);
    for (const QString &given : m_parser.values(m_driveOption)) {
        const qsizetype equals = given.lastIndexOf(QLatin1Char('='));
        if (equals <= 0 || equals == given.size() - 1)
            return usageError(tr("--drive must be NAME=COLUMN, not \"%1\".").arg(given));
        animation.drives.append({given.left(equals), given.mid(equals + 1), 0.0});
    }
    if (!animation.drives.isEmpty() && request->data.isEmpty())
        return usageError(tr("--drive needs --data, the file of the driving data."));
    if (animation.drives.isEmpty() && !request->data.isEmpty())
        return usageError(tr("--data needs --drive NAME=COLUMN to say which needle follows "
                             "which column."));
    for (const QString &given : m_parser.values(m_sweepOption)) {
        const qsizetype equals = given.lastIndexOf(QLatin1Char('='));
        bool ok = false;
        const double seconds = given.mid(equals + 1).toDouble(&ok);
        if (!ok || !(seconds > 0.0) || seconds > animationDurationLimit
            || equals == 0)
            return usageError(tr("--sweep must be NAME=SECONDS or SECONDS, with SECONDS above 0 "
                                 "and at most %1, not \"%2\".")
                                  .arg(animationDurationLimit)
                                  .arg(given));
        animation.drives.append({equals < 0 ? QString() : given.left(equals), QString(), seconds});
    }
    if (animation.drives.isEmpty())
        return usageError(tr("--animate needs --drive NAME=COLUMN with --data, or --sweep."));
    return std::nullopt;
}

// Renders the animation alone, with its progress on a terminal.
int RenderTool::animate(const Request &request, const QList<namedLayer> &layers)
{
    QString error;
    QList<gaugeData> drawing = layerData(layers);
    if (!setNeedleValues(drawing, request.values, &error)) {
        fail(request.input, error);
        return RenderToolFailed;
    }
    DriveData data;
    if (!request.data.isEmpty()) {
        if (!readDriveData(request.data, &data, &error)) {
            fail(request.data, error);
            return RenderToolFailed;
        }
        for (const QString &warning : std::as_const(data.warnings))
            fail(request.data, warning);
    }
    // A nameless sweep moves every needle that nothing else moves.
    AnimationSettings settings = request.animation;
    QList<NeedleDrive> drives;
    for (const NeedleDrive &drive : std::as_const(settings.drives)) {
        if (!drive.needle.isEmpty()) {
            drives.append(drive);
            continue;
        }
        for (const gaugeData &layer : std::as_const(drawing)) {
            for (const gaugeNeedle &needle : layer.needles) {
                const bool driven = std::any_of(drives.begin(), drives.end(),
                                                [&needle](const NeedleDrive &d) {
                                                    return d.needle == needle.name;
                                                });
                if (!driven)
                    drives.append({needle.name, QString(), drive.sweepSeconds});
            }
        }
    }
    settings.drives = drives;

    AnimationControl control;
    bool terminal = false;
#ifdef Q_OS_UNIX
    if (auto *file = qobject_cast<QFile *>(&m_err))
        terminal = file->handle() >= 0 && ::isatty(file->handle());
#endif
    qint64 shownPercent = -1;
    if (terminal) {
        control.progress = [this, &shownPercent](qint64 done, qint64 count) {
            const qint64 percent = done * 100 / std::max<qint64>(count, 1);
            if (percent == shownPercent)
                return;
            shownPercent = percent;
            m_err.write(tr("\rFrame %1 of %2 (%3%)").arg(done).arg(count).arg(percent).toLocal8Bit());
        };
    }
    const bool written = exportAnimation(drawing, settings, data, control, &error);
    if (terminal && shownPercent >= 0)
        m_err.write("\n");
    if (!written) {
        fail(settings.video.path, error);
        return RenderToolFailed;
    }
    return RenderToolSuccess;
}

int RenderTool::run(const QStringList &arguments)
{
    Request request;
    if (const auto status = parse(arguments, &request))
        return *status;
    QList<namedLayer> layers;
    if (const auto status = read(request.input, &layers))
        return *status;
    if (!request.animation.video.path.isEmpty())
        return animate(request, layers);
    QString error;
    QList<gaugeData> drawing = layerData(layers);
    if (!setNeedleValues(drawing, request.values, &error)) {
        fail(request.input, error);
        return RenderToolFailed;
    }
    warnIfOffPage(request);
    warnOfUndrawnElements(layers);
    std::vector<Output> outputs = outputsFor(request, layers);
    std::vector<FolderOutput> folders = foldersFor(request, layers);
    if (const auto status = render(outputs))
        return *status;
    if (const auto status = make(folders, request.input))
        return *status;
    const int status = commit(outputs);
    return commit(folders) ? status : RenderToolFailed;
}

std::optional<int> RenderTool::parseFolders(Request *request)
{
    if (m_parser.isSet(m_assetsOption)) {
        request->assets = m_parser.value(m_assetsOption);
        if (request->assets.isEmpty())
            return usageError(tr("An output file name is empty."));
    }
    const bool target = m_parser.isSet(m_targetOption);
    if (target != m_parser.isSet(m_outOption))
        return usageError(tr("--target and --out go together."));
    for (const QCommandLineOption *option : {&m_colorFormatOption, &m_swapBytesOption}) {
        if (m_parser.isSet(*option) && !target)
            return usageError(tr("--%1 applies to --target only.")
                                  .arg(option->names().constFirst()));
    }
    if (!target)
        return std::nullopt;
    TargetOptions &options = request->target;
    if (!targetFromName(m_parser.value(m_targetOption), &options.kind))
        return usageError(tr("--target must be one of %1, not \"%2\".")
                              .arg(targetNames().join(QStringLiteral(", ")),
                                   m_parser.value(m_targetOption)));
    request->targetFolder = m_parser.value(m_outOption);
    if (request->targetFolder.isEmpty())
        return usageError(tr("An output file name is empty."));
    if (m_parser.isSet(m_colorFormatOption)
        && (!targetTakesColorFormat(options.kind)
            || !colorFormatFromName(m_parser.value(m_colorFormatOption), &options.colorFormat)))
        return usageError(tr("--color-format takes one of %1, with --target lvgl9, not \"%2\".")
                              .arg(colorFormatNames().join(QStringLiteral(", ")),
                                   m_parser.value(m_colorFormatOption)));
    options.swapBytes = m_parser.isSet(m_swapBytesOption);
    if (options.swapBytes
        && (!targetTakesSwapBytes(options.kind)
            || (options.kind == TargetKind::Lvgl9 && options.colorFormat != LvglColorFormat::Rgb565)))
        return usageError(tr("--swap-bytes applies to --target tft and to --target lvgl9 with "
                             "RGB565 only."));
    return std::nullopt;
}

std::vector<FolderOutput> RenderTool::foldersFor(const Request &request,
                                                 const QList<namedLayer> &layers) const
{
    QList<namedLayer> shown = layers;
    QList<gaugeData> drawing = layerData(layers);
    // Checked when the file was read.
    (void)setNeedleValues(drawing, request.values);
    for (qsizetype i = 0; i < shown.size(); ++i)
        shown[i].data = drawing.at(i);
    std::vector<FolderOutput> folders;
    if (!request.assets.isEmpty()) {
        const int size = request.size;
        folders.push_back({request.assets,
                           [shown, size](QList<AssetFile> *files, QString *error) {
                               AssetSet set;
                               return makeAssetSet(shown, size, &set, error)
                                   && assetSetFiles(set, files, error);
                           },
                           {}});
    }
    if (!request.targetFolder.isEmpty()) {
        const int size = request.size;
        TargetOptions options = request.target;
        options.baseName =
            targetBaseName(request.input == standardStream ? QString() : request.input);
        folders.push_back({request.targetFolder,
                           [shown, size, options](QList<AssetFile> *files, QString *error) {
                               AssetSet set;
                               return makeAssetSet(shown, size, &set, error)
                                   && targetFiles(set, options, files, error);
                           },
                           {}});
    }
    return folders;
}

std::optional<int> RenderTool::make(std::vector<FolderOutput> &folders, const QString &input)
{
    const QString inputIdentity = QFileInfo::exists(input) ? fileIdentity(input) : QString();
    for (FolderOutput &folder : folders) {
        QString error;
        if (!folder.make(&folder.files, &error)) {
            fail(folder.folder, error);
            return RenderToolFailed;
        }
        // A file of the folder must not replace the gauge being read.
        for (const AssetFile &file : folder.files) {
            const QString path = folder.folder + QLatin1Char('/') + file.name;
            if (!inputIdentity.isEmpty() && fileIdentity(path) == inputIdentity)
                return usageError(
                    tr("An output names the gauge file being read: %1").arg(path));
        }
    }
    return std::nullopt;
}

bool RenderTool::commit(std::vector<FolderOutput> &folders)
{
    bool written = true;
    for (FolderOutput &folder : folders) {
        QString error;
        if (!writeAssetFolder(folder.files, folder.folder, &error)) {
            fail(folder.folder, error);
            written = false;
        }
    }
    return written;
}

} // namespace

int runRenderTool(const QStringList &arguments, QIODevice &standardOutput, QIODevice &standardError)
{
    return RenderTool(standardOutput, standardError).run(arguments);
}
