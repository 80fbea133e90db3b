#include "fileio/outputfile.h"

#include "fileio/safewrite.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 copyChunk = 1 << 20;

#ifdef Q_OS_UNIX

// Paths through which a program names its own descriptors. Opening them
// anew would not do: behind /dev/stdout may stand a file the shell opened
// for appending, which must be written where the shell left it.
int aliasedDescriptor(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    if (clean == QLatin1String("/dev/stdout"))
        return STDOUT_FILENO;
    if (clean == QLatin1String("/dev/stderr"))
        return STDERR_FILENO;
    static const QRegularExpression numbered(
        QStringLiteral("^(?:/dev/fd|/proc/self/fd)/([0-9]{1,9})$"));
    const QRegularExpressionMatch match = numbered.match(clean);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString systemError(int number)
{
    return QString::fromLocal8Bit(std::strerror(number));
}

// Writes all of `data` to `descriptor`. A reader that went away gives the
// error EPIPE instead of ending the whole program with SIGPIPE.
bool writeAll(int descriptor, const char *data, qint64 size, int *errorNumber)
{
    sigset_t pipeSignal;
    sigset_t previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    bool ok = true;
    while (size > 0) {
        const ssize_t written = ::write(descriptor, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            *errorNumber = written < 0 ? errno : ENOSPC;
            ok = false;
            break;
        }
        data += written;
        size -= written;
    }
    if (!ok && *errorNumber == EPIPE && !sigismember(&previous, SIGPIPE)) {
        // Taken while blocked, so it is not delivered when unblocked.
        const timespec noWait{0, 0};
        sigtimedwait(&pipeSignal, nullptr, &noWait);
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return ok;
}

#endif

} // namespace

OutputTarget classifyOutputTarget(const QString &path)
{
    OutputTarget target;
#ifdef Q_OS_UNIX
    const int alias = aliasedDescriptor(path);
    if (alias >= 0) {
        const int flags = fcntl(alias, F_GETFL);
        if (flags < 0) {
            target.reason = OutputFile::tr("Descriptor %1 is not open.").arg(alias);
        } else if ((flags & O_ACCMODE) == O_RDONLY) {
            target.reason = OutputFile::tr("Descriptor %1 is open for reading only.").arg(alias);
        } else {
            target.kind = OutputTargetKind::StandardStream;
            target.descriptor = alias;
        }
        return target;
    }
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        // Missing, or a folder on the way cannot be searched: the temporary
        // file then fails with the system's own reason.
        target.kind = OutputTargetKind::NewFile;
        return target;
    }
    if (S_ISREG(status.st_mode))
        target.kind = OutputTargetKind::RegularFile;
    else if (S_ISCHR(status.st_mode))
        target.kind = OutputTargetKind::Device;
    else if (S_ISFIFO(status.st_mode))
        target.kind = OutputTargetKind::Pipe;
    else if (S_ISDIR(status.st_mode))
        target.reason = OutputFile::tr("It is a folder, not a file.");
    else if (S_ISBLK(status.st_mode))
        target.reason = OutputFile::tr(
            "It is a block device; only files, pipes and character devices are written.");
    else
        target.reason = OutputFile::tr(
            "It is not a file; only files, pipes and character devices are written.");
#else
    const QFileInfo info(path);
    if (!info.exists())
        target.kind = OutputTargetKind::NewFile;
    else if (info.isDir())
        target.reason = OutputFile::tr("It is a folder, not a file.");
    else
        target.kind = OutputTargetKind::RegularFile;
#endif
    return target;
}

struct OutputFile::Private
{
    QString path;
    QIODevice *targetDevice = nullptr; // given by the caller, not owned
    std::unique_ptr<QSaveFile> saveFile; // regular and new files
    std::unique_ptr<QTemporaryFile> held; // content for a direct target
    int descriptor = -1;                  // the open direct target
    bool open = false;

    void closeDescriptor()
    {
#ifdef Q_OS_UNIX
        if (descriptor >= 0)
            ::close(descriptor);
#endif
        descriptor = -1;
    }

    bool openHeldContent(QString *error)
    {
        held = std::make_unique<QTemporaryFile>(QDir::tempPath()
                                                + QStringLiteral("/dialwright-XXXXXX"));
        if (held->open())
            return true;
        if (error)
            *error = held->errorString();
        return false;
    }

    // Copies the held content to the direct target.
    bool copyHeldContent(QString *error)
    {
        if (!held->flush() || !held->seek(0)) {
            if (error)
                *error = held->errorString();
            return false;
        }
        QByteArray chunk;
        while (!(chunk = held->read(copyChunk)).isEmpty()) {
            if (targetDevice) {
                if (!writeAllBytes(targetDevice, chunk, error))
                    return false;
                continue;
            }
#ifdef Q_OS_UNIX
            int errorNumber = 0;
            if (!writeAll(descriptor, chunk.constData(), chunk.size(), &errorNumber)) {
                if (error)
                    *error = systemError(errorNumber);
                return false;
            }
#endif
        }
        if (held->error() != QFileDevice::NoError) {
            if (error)
                *error = held->errorString();
            return false;
        }
        return true;
    }
};

OutputFile::OutputFile(const QString &path) : d(std::make_unique<Private>())
{
    d->path = path;
}

OutputFile::OutputFile(QIODevice *target) : d(std::make_unique<Private>())
{
    d->targetDevice = target;
}

OutputFile::~OutputFile()
{
    discard();
}

bool OutputFile::open(QString *error)
{
    discard();
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };

    if (d->targetDevice) {
        if (!d->openHeldContent(error))
            return false;
        d->open = true;
        return true;
    }

    const OutputTarget target = classifyOutputTarget(d->path);
    switch (target.kind) {
    case OutputTargetKind::Refused:
        return fail(target.reason);
    case OutputTargetKind::NewFile:
    case OutputTargetKind::RegularFile:
        d->saveFile = std::make_unique<QSaveFile>(d->path);
        if (!d->saveFile->open(QIODevice::WriteOnly)) {
            const QString reason = d->saveFile->errorString();
            d->saveFile.reset();
            return fail(reason);
        }
        d->open = true;
        return true;
    case OutputTargetKind::StandardStream:
    case OutputTargetKind::Device:
    case OutputTargetKind::Pipe:
        break;
    }

#ifdef Q_OS_UNIX
    if (target.kind == OutputTargetKind::StandardStream) {
        d->descriptor = fcntl(target.descriptor, F_DUPFD_CLOEXEC, 0);
    } else {
        // Not blocking: opening a pipe nobody reads would wait for a reader
        // forever. No O_CREAT and no O_TRUNC: the node is only written to.
        do {
            d->descriptor = ::open(QFile::encodeName(d->path).constData(),
                                   O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        } while (d->descriptor < 0 && errno == EINTR);
    }
    if (d->descriptor < 0) {
        const int errorNumber = errno;
        return fail(errorNumber == ENXIO ? tr("No program is reading from the pipe.")
                                         : systemError(errorNumber));
    }
    const int flags = fcntl(d->descriptor, F_GETFL);
    if (flags >= 0 && target.kind != OutputTargetKind::StandardStream)
        fcntl(d->descriptor, F_SETFL, flags & ~O_NONBLOCK);
    if (!d->openHeldContent(error)) {
        d->closeDescriptor();
        return false;
    }
    d->open = true;
    return true;
#else
    return fail(tr("Only files can be written."));
#endif
}

QIODevice *OutputFile::device() const
{
    if (!d->open)
        return nullptr;
    if (d->saveFile)
        return d->saveFile.get();
    return d->held.get();
}

bool OutputFile::commit(QString *error)
{
    if (!d->open) {
        if (error)
            *error = tr("The file is not open.");
        return false;
    }
    bool ok = true;
    if (d->saveFile) {
        // Flushed before committing: small contents are still buffered here,
        // and commit() has been seen to report success after the flush inside
        // it failed, renaming a cut-off temporary file over the user's file.
        if (!d->saveFile->flush()) {
            d->saveFile->flush();
            if (error)
                *error = d->saveFile->errorString();
            d->saveFile->cancelWriting();
            ok = false;
        } else if (!d->saveFile->commit()) {
            if (error)
                *error = d->saveFile->errorString();
            ok = false;
        }
        d->saveFile.reset();
    } else {
        ok = d->copyHeldContent(error);
        d->held.reset();
        d->closeDescriptor();
    }
    d->open = false;
    return ok;
}

void OutputFile::discard()
{
    if (d->saveFile)
        d->saveFile->cancelWriting();
    d->saveFile.reset();
    d->held.reset();
    d->closeDescriptor();
    d->open = false;
}
