#pragma once

#include <QCoreApplication>
#include <QString>

#include <memory>

class QIODevice;

// One output written whole or not at all, like OutputFile, on a device that
// can also be read back and sought, as a video's container needs (MP4 moves
// its index to the front by reading the file once more). A new or regular
// file is written to a hidden temporary file beside it, which commit()
// renames over it with the permissions it had; a device, a pipe or a
// standard stream gets the content through OutputFile at commit(). Nothing
// that is not committed reaches the target.
class StagedFile
{
    Q_DECLARE_TR_FUNCTIONS(StagedFile)

public:
    explicit StagedFile(const QString &path);
    ~StagedFile();
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    // Returns false with a one-line reason in `error` (when given) if the
    // path is refused (a folder, a pipe nobody reads) or no temporary file
    // can be made.
    [[nodiscard]] bool open(QString *error = nullptr);
    // Readable, writable and seekable; valid between open() and commit().
    QIODevice *device() const;
    // Puts the content in place. Returns false with the reason if that
    // fails; the target then keeps what it had.
    [[nodiscard]] bool commit(QString *error = nullptr);
    // Removes the content; the target stays as it was.
    void discard();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Renames the file `from` to `to` in one step, replacing a file there.
// Returns false with the system's reason in `error` (when given).
[[nodiscard]] bool replaceFile(const QString &from, const QString &to, QString *error = nullptr);
