#include "export/videoformat.h"

#include "export/imageexport.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

struct FormatInfo
{
    videoFormat format;
    const char *name;
    const char *suffix;
    bool alpha;
};

// The first format of a suffix is the one its extension implies.
constexpr FormatInfo formatTable[] = {
    {videoFormat::pngSequence, "png", "png", true},
    {videoFormat::quickTimeAnimation, "qtrle", "mov", true},
    {videoFormat::proRes4444, "prores", "mov", true},
    {videoFormat::vp9, "vp9", "webm", true},
    {videoFormat::h264, "h264", "mp4", false},
};

const FormatInfo &infoOf(videoFormat format)
{
    for (const FormatInfo &info : formatTable) {
        if (info.format == format)
            return info;
    }
    return formatTable[0];
}

// Six digits number ten thousand seconds at 100 frames a second in order.
constexpr int plainDigits = 6;

struct FramePattern
{
    QString before;
    QString after;
    int digits = plainDigits;
    bool valid = false;
};

FramePattern framePattern(const QString &path)
{
    FramePattern pattern;
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    const QString folder = path.left(slash + 1);
    QString name = path.mid(slash + 1);
    if (name.isEmpty())
        return pattern;

    static const QRegularExpression printf(QStringLiteral("%(?:0([1-9]))?d"));
    QRegularExpressionMatchIterator matches = printf.globalMatch(name);
    if (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        if (matches.hasNext())
            return pattern;
        pattern.before = folder + name.left(match.capturedStart());
        pattern.after = name.mid(match.capturedEnd());
        pattern.digits = match.captured(1).isEmpty() ? 1 : match.captured(1).toInt();
        pattern.valid = true;
        return pattern;
    }

    const int lastSign = int(name.lastIndexOf(QLatin1Char('#')));
    if (lastSign >= 0) {
        int first = lastSign;
        while (first > 0 && name.at(first - 1) == QLatin1Char('#'))
            --first;
        pattern.before = folder + name.left(first);
        pattern.after = name.mid(lastSign + 1);
        pattern.digits = lastSign - first + 1;
        pattern.valid = true;
        return pattern;
    }

    if (name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        name.chop(4);
    pattern.before = folder + name + QLatin1Char('_');
    pattern.after = QStringLiteral(".png");
    pattern.valid = true;
    return pattern;
}

} // namespace

QList<videoFormat> videoFormats()
{
    QList<videoFormat> formats;
    for (const FormatInfo &info : formatTable)
        formats.append(info.format);
    return formats;
}

QString videoFormatName(videoFormat format)
{
    return QString::fromLatin1(infoOf(format).name);
}

std::optional<videoFormat> videoFormatFromName(const QString &name)
{
    for (const FormatInfo &info : formatTable) {
        if (name.compare(QLatin1String(info.name), Qt::CaseInsensitive) == 0)
            return info.format;
    }
    return std::nullopt;
}

QString videoFormatDisplayName(videoFormat format)
{
    switch (format) {
    case videoFormat::pngSequence:
        return VideoFormats::tr("PNG sequence (.png)");
    case videoFormat::quickTimeAnimation:
        return VideoFormats::tr("QuickTime Animation, lossless (.mov)");
    case videoFormat::proRes4444:
        return VideoFormats::tr("ProRes 4444 (.mov)");
    case videoFormat::vp9:
        return VideoFormats::tr("VP9 (.webm)");
    case videoFormat::h264:
        return VideoFormats::tr("H.264 without transparency (.mp4)");
    }
    return QString();
}

QString videoFormatSuffix(videoFormat format)
{
    return QString::fromLatin1(infoOf(format).suffix);
}

std::optional<videoFormat> videoFormatForPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const FormatInfo &info : formatTable) {
        if (suffix.compare(QLatin1String(info.suffix), Qt::CaseInsensitive) == 0)
            return info.format;
    }
    return std::nullopt;
}

bool videoFormatHasAlpha(videoFormat format)
{
    return infoOf(format).alpha;
}

bool checkVideoSettings(const VideoSettings &settings, QString *error)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (settings.size < exportSizeMin || settings.size > exportSizeMax)
        return fail(QCoreApplication::translate("Export", "The size must be from %1 to %2 pixels.")
                        .arg(exportSizeMin)
                        .arg(exportSizeMax));
    if (settings.framesPerSecond < videoFramesPerSecondMin
        || settings.framesPerSecond > videoFramesPerSecondMax)
        return fail(VideoFormats::tr("The frame rate must be from %1 to %2 frames a second.")
                        .arg(videoFramesPerSecondMin)
                        .arg(videoFramesPerSecondMax));
    if (settings.format == videoFormat::h264 && settings.size % 2 != 0)
        return fail(VideoFormats::tr("H.264 needs an even size; choose %1 or %2 pixels.")
                        .arg(settings.size - 1)
                        .arg(settings.size + 1));
    if (settings.path.isEmpty() || settings.path.endsWith(QLatin1Char('/')))
        return fail(VideoFormats::tr("No file name is given."));
    if (settings.format == videoFormat::pngSequence
        && sequenceFramePath(settings.path, 1).isEmpty())
        return fail(VideoFormats::tr("The frames' file name may hold only one frame number (%d)."));
    return true;
}

QString sequenceFramePath(const QString &path, int number)
{
    const FramePattern pattern = framePattern(path);
    if (!pattern.valid)
        return QString();
    return pattern.before + QStringLiteral("%1").arg(number, pattern.digits, 10, QLatin1Char('0'))
        + pattern.after;
}
