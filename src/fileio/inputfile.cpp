#include "fileio/inputfile.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

struct InputFile
{
    Q_DECLARE_TR_FUNCTIONS(InputFile)
};

#ifdef Q_OS_UNIX
QString notAFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return InputFile::tr("It is a folder, not a file.");
    if (S_ISFIFO(mode))
        return InputFile::tr("It is a pipe, not a file.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return InputFile::tr("It is a device, not a file.");
    return InputFile::tr("It is not a regular file.");
}
#endif

} // namespace

InputFileStatus readInputFile(const QString &path, qint64 limit, QByteArray *bytes,
                              QString *error)
{
    bytes->clear();
    auto fail = [error](InputFileStatus status, const QString &reason) {
        if (error)
            *error = reason;
        return status;
    };

    QFile file;
#ifdef Q_OS_UNIX
    // Opened without blocking, so that a pipe nobody writes to is refused
    // at once instead of holding the program in open().
    int descriptor;
    do {
        descriptor = ::open(QFile::encodeName(path).constData(),
                            O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0)
        return fail(InputFileStatus::CannotOpen, qt_error_string(errno));
    struct stat status;
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        const mode_t mode = status.st_mode;
        ::close(descriptor);
        return fail(InputFileStatus::CannotOpen, notAFile(mode));
    }
    fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return fail(InputFileStatus::CannotOpen, file.errorString());
    }
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(InputFileStatus::CannotOpen, file.errorString());
    if (file.isSequential())
        return fail(InputFileStatus::CannotOpen, InputFile::tr("It is not a regular file."));
#endif

    if (file.size() > limit)
        return fail(InputFileStatus::TooLarge, QString());
    // At most one byte past the limit: a file may grow while it is read.
    QByteArray read;
    while (read.size() <= limit) {
        const QByteArray chunk = file.read(qMin<qint64>(1 << 20, limit + 1 - read.size()));
        if (chunk.isEmpty())
            break;
        read += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        return fail(InputFileStatus::CannotOpen, file.errorString());
    if (read.size() > limit)
        return fail(InputFileStatus::TooLarge, QString());
    *bytes = std::move(read);
    return InputFileStatus::Read;
}
