#include "fileio/boundedoutput.h"

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
    if (length > m_limit - m_written) {
        setErrorString(m_tooLarge);
        m_overLimit = true;
        m_stopped = true;
        return -1;
    }
    for (qint64 done = 0; done < length;) {
        const qint64 chunk = m_target->write(data + done, length - done);
        if (chunk <= 0) {
            setErrorString(m_target->errorString());
            m_stopped = true;
            return -1;
        }
        done += chunk;
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
    m_overLimit = true;
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
