#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

// The files an animation is written to. Every format but H.264 keeps the
// frames' transparency; H.264 shows them over the background colour, black
// when none is chosen.
enum class videoFormat {
    pngSequence,        // one PNG file a frame
    quickTimeAnimation, // .mov, QuickTime Animation (RLE), ARGB, lossless
    proRes4444,         // .mov, ProRes 4444 with alpha, 10 bits
    vp9,                // .webm, VP9 with alpha
    h264,               // .mp4, H.264, for players that know no alpha
};

// Frame rates the writers accept, in frames a second.
constexpr int videoFramesPerSecondMin = 1;
constexpr int videoFramesPerSecondMax = 240;

// What one animation is written as. The edge `size` is one of the image
// exports' sizes (exportSizeMin to exportSizeMax).
struct VideoSettings
{
    videoFormat format = videoFormat::pngSequence;
    // The file; for a PNG sequence the name of the frames, see
    // sequenceFramePath.
    QString path;
    int size = 512;
    int framesPerSecond = 30;
    // Invalid: transparent. A translucent colour stays translucent in the
    // formats with alpha.
    QColor background;
};

struct VideoFormats
{
    Q_DECLARE_TR_FUNCTIONS(VideoFormats)
};

// Every format, in the order a list offers them.
QList<videoFormat> videoFormats();

// The format's name on the command line: "png", "qtrle", "prores", "vp9",
// "h264".
QString videoFormatName(videoFormat format);
std::optional<videoFormat> videoFormatFromName(const QString &name);

// The format's name in the window, translated ("QuickTime Animation (.mov)").
QString videoFormatDisplayName(videoFormat format);

// The extension of its files, without the dot ("png", "mov", "webm", "mp4").
QString videoFormatSuffix(videoFormat format);

// The format the extension of `path` implies: .png, .mov (QuickTime
// Animation, the lossless one), .webm, .mp4. Nothing for any other name.
std::optional<videoFormat> videoFormatForPath(const QString &path);

bool videoFormatHasAlpha(videoFormat format);

// Whether the settings can be written, without touching any file: the
// size, the frame rate, the size's evenness for H.264 (its 4:2:0 pictures
// need even edges; an odd size is refused rather than padded, which would
// move the centre of the dial off the centre of the picture) and the name
// of a sequence's frames. Returns false with a one-line reason in `error`
// (when given).
[[nodiscard]] bool checkVideoSettings(const VideoSettings &settings, QString *error = nullptr);

// The path of frame `number` (counted from 1) of a PNG sequence named by
// `path`: a "%d" or "%0Nd" in the file name, or else its last run of "#"
// (as many digits as signs), is replaced by the number, with more digits
// where the number needs them; a name without either is numbered with six
// digits before its ".png": "dial.png" gives "dial_000001.png", "dial"
// gives "dial_000001.png". Any other "%" is part of the name, and a folder
// in the path is taken as it is. Empty when the file name is empty or holds
// more than one "%d", which would leave the frames' names ambiguous.
QString sequenceFramePath(const QString &path, int number);
