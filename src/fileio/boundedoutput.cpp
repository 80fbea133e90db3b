#include "fileio/boundedoutput.h"

#include "fileio/safewrite.h"

#include <QCoreApplication>

BoundedOutput::BoundedOutput(QIODevice *target, qint64 limit, const QString &tooLarge,
                             const std::atomic_bool *cancel)
    : m_target(target), m_limit(limit), m_tooLarge(tooLarge), m_cancel(cancel)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool BoundedOutput::cancelled() const
{
    return m_cancel && m_cancel->load(std::memory_order_relaxed);
}

qint64 BoundedOutput::writeData(const char *data, qint64 length)
{
    if (m_stopped)
        return -1;
    if (cancelled()) {
        setErrorString(QCoreApplication::translate("BoundedOutput", "Cancelled."));
        m_stopped = true;
        return -1;
    }
    if (!reserve(length))
        return -1;
    QString reason;
    if (!writeAllBytes(m_target, QByteArray::fromRawData(data, length), &reason)) {
        setErrorString(reason);
        m_stopped = true;
        return -1;
    }
    m_written += length;
    return length;
}

bool BoundedOutput::reserve(qint64 more)
{
    if (m_stopped)
        return false;
    if (more <= m_limit - m_written)
        return true;
    setErrorString(m_tooLarge);
    m_stopped = true;
    return false;
}

bool BoundedOutput::writeAll(const QByteArray &bytes, QString *error)
{
    if (!m_stopped && write(bytes) == bytes.size())
        return true;
    if (error)
        *error = errorString();
    return false;
}

QString megabytes(qint64 bytes)
{
    return QString::number(bytes / 1'000'000);
}
