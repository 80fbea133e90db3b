#include "update/versiondocument.h"

#include <QDomDocument>
#include <QDomElement>
#include <QVersionNumber>

namespace {

// Surrounding white space is trimmed because a pretty-printed document puts
// its values on lines of their own, and QVersionNumber would read a leading
// newline as "not a number".
QString childText(const QDomElement &root, const QString &name)
{
    return root.firstChildElement(name).text().trimmed();
}

} // namespace

QString VersionDocument::downloadAddress() const
{
#if defined(Q_OS_WIN)
    return urlWindows;
#elif defined(Q_OS_MACOS)
    return urlMac;
#else
    return urlLinux;
#endif
}

bool readVersionDocument(const QByteArray &bytes, VersionDocument *document, QString *error)
{
    QDomDocument dom;
    QString message;
    int line = 0;
    int column = 0;
    if (!dom.setContent(bytes, false, &message, &line, &column)) {
        if (error) {
            *error = VersionDocument::tr("The version document is not well-formed XML: %1 (line %2, column %3)")
                         .arg(message)
                         .arg(line)
                         .arg(column);
        }
        return false;
    }

    const QDomElement root = dom.documentElement();
    VersionDocument read;
    read.version = childText(root, QStringLiteral("version"));
    read.urlWindows = childText(root, QStringLiteral("url_win"));
    read.urlLinux = childText(root, QStringLiteral("url_lin"));
    read.urlMac = childText(root, QStringLiteral("url_mac"));
    read.notes = childText(root, QStringLiteral("notes"));
    *document = read;
    return true;
}

bool isNewerVersion(const QString &published, const QString &running)
{
    const QVersionNumber publishedVersion = QVersionNumber::fromString(published.trimmed());
    const QVersionNumber runningVersion = QVersionNumber::fromString(running.trimmed());
    return QVersionNumber::compare(publishedVersion, runningVersion) > 0;
}

QUrl safeDownloadUrl(const QString &address)
{
    const QUrl url(address.trimmed(), QUrl::TolerantMode);
    if (!url.isValid() || url.scheme() != QLatin1String("https") || url.host().isEmpty())
        return QUrl();
    return url;
}
