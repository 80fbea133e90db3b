#include "app/window.h"

#include "ui/savefiledialog.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QPixmap>

// The reference picture lives only in referenceLabel, behind the transparent
// preview; it belongs to no gauge and reaches no file.

namespace {

// Every format the toolkit can read here, then any file at all: the format
// is detected from the content, so a picture with an odd name still loads.
QString pictureFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return Window::tr("Images (%1)").arg(patterns.join(QLatin1Char(' '))) + QStringLiteral(";;")
        + Window::tr("All files (*)");
}

} // namespace

void Window::loadReference()
{
    const QString path = askOpenPath(this, tr("Load Reference Image (512x512)"), pictureFilter(),
                                     fileDialogFolder());
    if (path.isEmpty())
        return;
    showReferenceFile(path);
}

bool Window::showReferenceFile(const QString &path)
{
    QPixmap picture;
    if (!picture.load(path)) {
        QMessageBox::warning(this, tr("Unable to load image"),
                             tr("%1 could not be read as a picture.")
                                 .arg(QFileInfo(path).fileName()));
        return false;
    }
    referenceLabel->setPixmap(picture);
    return true;
}

void Window::clearReference()
{
    referenceLabel->clear();
}
