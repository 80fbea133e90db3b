#include "export/stagedfile.h"

#include "fileio/outputfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <filesystem>
#include <optional>
#include <system_error>

namespace {

constexpr int creationAttempts = 64;

std::filesystem::path nativePath(const QString &path)
{
    return std::filesystem::u8path(path.toStdString());
}

QString randomTag()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString tag;
    for (int i = 0; i < 8; ++i)
        tag.append(QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]));
    return tag;
}

} // namespace

struct StagedFile::Private
{
    QString path;
    QString target;                     // the path, or the file a symbolic link at it names
    std::unique_ptr<QFile> staged;      // beside a new or regular file
    std::unique_ptr<OutputFile> direct; // a device, a pipe or a standard stream
};

StagedFile::StagedFile(const QString &path) : d(std::make_unique<Private>())
{
    d->path = path;
}

StagedFile::~StagedFile()
{
    discard();
}

bool StagedFile::open(QString *error)
{
    discard();
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };

    const OutputTarget target = classifyOutputTarget(d->path);
    switch (target.kind) {
    case OutputTargetKind::Refused:
        return fail(target.reason);
    case OutputTargetKind::StandardStream:
    case OutputTargetKind::Device:
    case OutputTargetKind::Pipe: {
        // The content waits in OutputFile's temporary file, which can be
        // read and sought, and is copied to the target at commit.
        auto direct = std::make_unique<OutputFile>(d->path);
        if (!direct->open(error))
            return false;
        QIODevice *device = direct->device();
        if (!device->isReadable() || device->isSequential()) {
            direct->discard();
            return fail(tr("A video cannot be written to this device or pipe."));
        }
        d->direct = std::move(direct);
        return true;
    }
    case OutputTargetKind::NewFile:
    case OutputTargetKind::RegularFile:
        break;
    }

    // A link to a file stays a link, as with QSaveFile: the file it names
    // is replaced.
    d->target = d->path;
    std::optional<QFileDevice::Permissions> permissions;
    if (target.kind == OutputTargetKind::RegularFile) {
        const QFileInfo existing(d->path);
        if (existing.isSymLink())
            d->target = existing.canonicalFilePath();
        permissions = existing.permissions();
    }
    // Created anew, so with the permissions of a new file (as the umask
    // leaves them) or those of the file it replaces. QTemporaryFile would
    // make every video readable by its owner alone.
    const QFileInfo info(d->target);
    QString reason = tr("No temporary file could be made beside the file.");
    for (int attempt = 0; attempt < creationAttempts; ++attempt) {
        auto file = std::make_unique<QFile>(info.absolutePath() + QStringLiteral("/.")
                                            + info.fileName() + QLatin1Char('.') + randomTag());
        const QIODevice::OpenMode mode =
            QIODevice::ReadWrite | QIODevice::NewOnly | QIODevice::Unbuffered;
        if (permissions ? file->open(mode, *permissions) : file->open(mode)) {
            if (permissions)
                file->setPermissions(*permissions);
            d->staged = std::move(file);
            return true;
        }
        reason = file->errorString();
        if (!file->exists())
            break; // not a clash of names: the folder is missing or read-only
    }
    return fail(reason);
}

QIODevice *StagedFile::device() const
{
    if (d->staged)
        return d->staged.get();
    return d->direct ? d->direct->device() : nullptr;
}

bool StagedFile::commit(QString *error)
{
    if (d->direct) {
        const bool ok = d->direct->commit(error);
        d->direct.reset();
        return ok;
    }
    if (!d->staged) {
        if (error)
            *error = OutputFile::tr("The file is not open.");
        return false;
    }
    QFile &staged = *d->staged;
    if (!staged.flush()) {
        if (error)
            *error = staged.errorString();
        discard();
        return false;
    }
    staged.close();
    if (!replaceFile(staged.fileName(), d->target, error)) {
        discard();
        return false;
    }
    d->staged.reset();
    return true;
}

void StagedFile::discard()
{
    if (d->staged) {
        d->staged->close();
        d->staged->remove();
        d->staged.reset();
    }
    if (d->direct) {
        d->direct->discard();
        d->direct.reset();
    }
}

bool replaceFile(const QString &from, const QString &to, QString *error)
{
    std::error_code failure;
    std::filesystem::rename(nativePath(from), nativePath(to), failure);
    if (!failure)
        return true;
    if (error)
        *error = QString::fromLocal8Bit(failure.message());
    return false;
}
