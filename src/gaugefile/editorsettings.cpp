#include "gaugefile/editorsettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString recentFilesKey = QStringLiteral("recentFiles");
const QString lastFolderKey = QStringLiteral("lastFolder");
const QString dialColorKey = QStringLiteral("dialColor");

} // namespace

QStringList withRecentFile(const QStringList &recent, const QString &path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QStringList result{absolute};
    for (const QString &file : recent) {
        if (result.size() >= maximumRecentFiles)
            break;
        if (file != absolute && !file.isEmpty() && !result.contains(file))
            result.append(file);
    }
    return result;
}

QStringList recentFiles()
{
    QStringList files = QSettings().value(recentFilesKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, maximumRecentFiles);
}

void setRecentFiles(const QStringList &files)
{
    QSettings().setValue(recentFilesKey, files.mid(0, maximumRecentFiles));
}

void addRecentFile(const QString &path)
{
    setRecentFiles(withRecentFile(recentFiles(), path));
}

void removeRecentFile(const QString &path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    setRecentFiles(files);
}

QColor dialColor()
{
    // Opaque, so that what lies behind the dial never shows through it.
    const QColor color(QSettings().value(dialColorKey).toString());
    return color.isValid() ? QColor(color.rgb()) : QColor(Qt::black);
}

void setDialColor(const QColor &color)
{
    QSettings settings;
    if (!color.isValid() || QColor(color.rgb()) == QColor(Qt::black))
        settings.remove(dialColorKey);
    else
        settings.setValue(dialColorKey, QColor(color.rgb()).name(QColor::HexRgb));
}

QString lastUsedFolder()
{
    return QSettings().value(lastFolderKey).toString();
}

void rememberFolderOf(const QString &filePath)
{
    if (filePath.isEmpty())
        return;
    QSettings().setValue(lastFolderKey, QFileInfo(filePath).absolutePath());
}

QString userPresetsFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/Presets");
}

QString firstWritableFolder(const QStringList &candidates)
{
    for (const QString &candidate : candidates) {
        if (candidate.isEmpty())
            continue;
        const QFileInfo info(candidate);
        if (info.isDir() && info.isWritable())
            return info.absoluteFilePath();
    }
    return QDir::homePath();
}
