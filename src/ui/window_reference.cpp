#include "app/window_p.h"

#include "fileio/inputfile.h"
#include "ui/savefiledialog.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QPixmap>

// The reference picture lives only in referenceLabel, behind the transparent
// preview; it belongs to no gauge and reaches no file.

namespace {

// A picture to trace is a photograph or a scan, well below this; the limit
// only keeps a wrong pick (a disk image, a device) from filling the memory.
constexpr qint64 referenceFileLimit = 256 * 1024 * 1024;

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
    // Read through the bounded reader first: a named pipe dropped on the
    // preview or picked by name would otherwise block the window until some
    // other program wrote to it.
    QByteArray bytes;
    QString error;
    QPixmap picture;
    if (readInputFile(path, referenceFileLimit, &bytes, &error) != InputFileStatus::Read
        || !picture.loadFromData(bytes)) {
        const QString name = QFileInfo(path).fileName();
        QMessageBox::warning(this, tr("Unable to load image"),
                             error.isEmpty()
                                 ? tr("%1 could not be read as a picture.").arg(name)
                                 : tr("%1 could not be read as a picture.\n\n%2").arg(name, error));
        return false;
    }
    d->form.referenceLabel->setPixmap(picture);
    return true;
}

void Window::clearReference()
{
    d->form.referenceLabel->clear();
}
