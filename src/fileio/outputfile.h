#pragma once

#include <QCoreApplication>
#include <QString>

#include <memory>

class QIODevice;

// What an output path names, and so how it is written. Only regular files
// (and paths where nothing is yet) are replaced through a temporary file;
// replacing anything else would swap a device node or a pipe for a plain
// file.
enum class OutputTargetKind {
    NewFile,        // nothing there yet: created through a temporary file
    RegularFile,    // replaced in one step once the new content is complete
    StandardStream, // /dev/stdout, /dev/fd/N and the like: that descriptor
    Device,         // an existing character device (a terminal, /dev/null)
    Pipe,           // an existing named pipe, written if a program reads it
    Refused,        // anything else: a folder, a block device, a socket
};

struct OutputTarget
{
    OutputTargetKind kind = OutputTargetKind::Refused;
    QString reason;      // why the path is refused
    int descriptor = -1; // the descriptor a StandardStream path stands for
};

// Decides how `path` would be written, without opening or changing it.
OutputTarget classifyOutputTarget(const QString &path);

// One output written whole or not at all: the content goes to device() and
// reaches the target only at commit(). A regular file is replaced through a
// temporary file beside it; a device, a pipe or a standard stream is opened
// at once (so a pipe nobody reads is refused before any work is done), its
// content is held in a temporary file and copied to it by commit(). An
// output that is not committed leaves the target untouched.
class OutputFile
{
    Q_DECLARE_TR_FUNCTIONS(OutputFile)

public:
    explicit OutputFile(const QString &path);
    // Written to an open device the caller owns (standard output).
    explicit OutputFile(QIODevice *target);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Returns false with a one-line reason in `error` (when given) if the
    // path is refused or cannot be opened.
    [[nodiscard]] bool open(QString *error = nullptr);
    // Where the content goes; valid between open() and commit().
    QIODevice *device() const;
    // Puts the content in place. Returns false with the reason if that
    // fails; a regular file then keeps its previous content.
    [[nodiscard]] bool commit(QString *error = nullptr);
    // Drops the content; the target stays as it was.
    void discard();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
