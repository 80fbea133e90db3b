#pragma once

#include <QIODevice>
#include <QString>

#include <atomic>

// Passes writes on to `target` and keeps an output within `limit` bytes: a
// write that would take it past the limit writes nothing, fails, and leaves
// `tooLarge` as the error text. The writers of the program's outputs check
// their size limits through it while they write, so an output never grows
// past its limit on disk or in memory. When `cancel` is given and set,
// every further write fails as well.
class BoundedOutput : public QIODevice
{
public:
    BoundedOutput(QIODevice *target, qint64 limit, const QString &tooLarge,
                  const std::atomic_bool *cancel = nullptr);

    qint64 written() const { return m_written; }
    bool cancelled() const;
    // Nothing more can be written: the limit was reached, the target failed
    // or the work was cancelled. Writers stop early when this is true.
    bool stopped() const { return m_stopped || cancelled(); }

    // Whether `more` bytes would still fit. When they would not, the output
    // stops as if they had been written past the limit; so a writer can
    // refuse a piece before it makes it.
    bool reserve(qint64 more);

    // Writes all of `bytes`, or fails with the reason in `error`.
    [[nodiscard]] bool writeAll(const QByteArray &bytes, QString *error = nullptr);

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override;

private:
    QIODevice *m_target;
    qint64 m_limit;
    QString m_tooLarge;
    const std::atomic_bool *m_cancel;
    qint64 m_written = 0;
    bool m_stopped = false;
};

// A byte count in whole megabytes (10^6 bytes), for the texts that name a
// limit: 256000000 gives "256".
QString megabytes(qint64 bytes);
