#include "gaugefile/presetlist.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>

#include <algorithm>

QList<PresetEntry> listPresets(const QStringList &folders)
{
    // Every entry is listed under its file name without ".gauge", so names
    // with further dots ("Oil.v2.gauge") are kept whole. A name that is
    // nothing but the suffix has no name to show and is left out.
    const QString suffix = QStringLiteral(".gauge");
    QMap<QString, QString> byName;
    for (const QString &folder : folders) {
        if (folder.isEmpty())
            continue;
        QDirIterator it(folder, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString fileName = QFileInfo(path).fileName();
            if (fileName.endsWith(suffix) && fileName.size() > suffix.size())
                byName.insert(fileName.chopped(suffix.size()), path);
        }
    }

    QList<PresetEntry> entries;
    for (auto it = byName.cbegin(); it != byName.cend(); ++it)
        entries.append({it.key(), it.value()});
    // As people read a list: "bezel" beside "Bezel", not after every capital.
    std::stable_sort(entries.begin(), entries.end(), [](const PresetEntry &a, const PresetEntry &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return entries;
}
