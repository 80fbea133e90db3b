#include "export/pngsequence.h"

#include "export/pngwriter.h"
#include "export/stagedfile.h"
#include "export/videowriter.h"
#include "fileio/outputfile.h"
#include "fileio/safewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Where the frames that are replaced wait until all new ones are in place.
const QString replacedFolder = QStringLiteral("replaced");

} // namespace

// A folder, a device or a pipe where a frame goes would be replaced by a
// plain file (and a folder moved aside would go with the temporary one).
bool PngSequenceWriter::replaceable(const QString &target, QString *error)
{
    const OutputTarget kind = classifyOutputTarget(target);
    if (kind.kind == OutputTargetKind::NewFile || kind.kind == OutputTargetKind::RegularFile)
        return true;
    if (error)
        *error = tr("%1 cannot be replaced by a frame: %2")
                     .arg(QFileInfo(target).fileName(),
                          kind.reason.isEmpty() ? tr("It is a device or a pipe, not a file.")
                                                : kind.reason);
    return false;
}

PngSequenceWriter::PngSequenceWriter() = default;

PngSequenceWriter::~PngSequenceWriter()
{
    abandon();
}

bool PngSequenceWriter::open(const VideoSettings &settings, QString *error)
{
    abandon();
    m_path = settings.path;
    const QFileInfo first(sequenceFramePath(m_path, 1));
    const QString folder = first.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        if (error)
            *error = tr("The folder %1 does not exist.").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    auto staging =
        std::make_unique<QTemporaryDir>(folder + QStringLiteral("/.dialwright-frames-XXXXXX"));
    if (!staging->isValid() || !QDir(staging->path()).mkdir(replacedFolder)) {
        if (error)
            *error = tr("No temporary folder could be made beside the frames: %1")
                         .arg(staging->errorString());
        return false;
    }
    m_staging = std::move(staging);
    return true;
}

bool PngSequenceWriter::write(const QImage &frame, bool opaque, QString *error)
{
    (void)opaque;
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (!m_staging)
        return fail(VideoWriter::tr("The video is not open."));
    const QString target = sequenceFramePath(m_path, int(m_targets.size()) + 1);
    const QString name = QFileInfo(target).fileName();
    // Refused now, not after the last frame.
    if (!replaceable(target, error))
        return false;

    QByteArray png;
    if (!encodePng(frame, &png, error, [this] { return cancelled(); }))
        return false;
    QFile file(m_staging->filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(file.errorString());
    if (!writeAllBytes(&file, png, error))
        return false;
    if (!file.flush())
        return fail(file.errorString());
    file.close();
    m_targets.append(target);
    return true;
}

bool PngSequenceWriter::finish(QString *error)
{
    if (!m_staging) {
        if (error)
            *error = VideoWriter::tr("The video is not open.");
        return false;
    }
    const bool moved = moveIntoPlace(error);
    abandon();
    return moved;
}

// Each existing frame is moved aside before its new one takes its name;
// after a failure every step done is undone in reverse, so the folder holds
// exactly what it held before.
bool PngSequenceWriter::moveIntoPlace(QString *error)
{
    struct Step
    {
        QString target;
        QString replaced; // empty when no frame was there
        bool placed = false;
    };
    QList<Step> steps;
    auto undo = [this, &steps, error] {
        bool restored = true;
        for (auto step = steps.crbegin(); step != steps.crend(); ++step) {
            if (step->placed)
                QFile::remove(step->target);
            if (!step->replaced.isEmpty() && !replaceFile(step->replaced, step->target))
                restored = false;
        }
        if (!restored) {
            // The frames that could not be put back are not thrown away.
            m_staging->setAutoRemove(false);
            if (error)
                *error =
                    tr("%1; the earlier frames are kept in %2.")
                        .arg(*error, QDir::toNativeSeparators(m_staging->filePath(replacedFolder)));
        }
    };

    const QDir replaced(m_staging->filePath(replacedFolder));
    for (const QString &target : std::as_const(m_targets)) {
        const QString name = QFileInfo(target).fileName();
        const QString staged = m_staging->filePath(name);
        Step step;
        step.target = target;
        const QFileInfo existing(target);
        if (!replaceable(target, error)) {
            undo();
            return false;
        }
        if (existing.exists() || existing.isSymLink()) {
            // The new frame takes the permissions of the one it replaces,
            // as a replaced file does.
            QFile::setPermissions(staged, existing.permissions());
            step.replaced = replaced.filePath(name);
            if (!replaceFile(target, step.replaced, error)) {
                undo();
                return false;
            }
        }
        steps.append(step);
        if (!replaceFile(staged, target, error)) {
            undo();
            return false;
        }
        steps.last().placed = true;
    }
    return true;
}

void PngSequenceWriter::abandon()
{
    m_staging.reset();
    m_targets.clear();
}
