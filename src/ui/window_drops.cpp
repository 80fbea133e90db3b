#include "app/window_p.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QUrl>

// Files dropped from a file manager: a gauge file anywhere on the window
// opens it, a picture dropped on the preview becomes the reference picture.

namespace {

// The one local file a drag carries; several files or remote addresses are
// not taken.
QString singleLocalFile(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls())
        return QString();
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    return urls.first().toLocalFile();
}

} // namespace

QString Window::droppedGaugeFile(const QMimeData *mime) const
{
    const QString path = singleLocalFile(mime);
    return QFileInfo(path).suffix().compare(QLatin1String("gauge"), Qt::CaseInsensitive) == 0
        ? path
        : QString();
}

QString Window::droppedPicture(const QMimeData *mime, const QPoint &position) const
{
    const QString path = singleLocalFile(mime);
    if (path.isEmpty() || !d->form.RenderBox->rect().contains(d->form.RenderBox->mapFrom(this, position)))
        return QString();
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    return QImageReader::supportedImageFormats().contains(suffix) ? path : QString();
}

void Window::dragEnterEvent(QDragEnterEvent *event)
{
    // A picture may be on its way to the preview: take the drag and decide
    // where it may fall as it moves.
    if (!singleLocalFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Window::dragMoveEvent(QDragMoveEvent *event)
{
    const QPoint position = event->position().toPoint();
    if (!droppedGaugeFile(event->mimeData()).isEmpty()
        || !droppedPicture(event->mimeData(), position).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void Window::dropEvent(QDropEvent *event)
{
    const QPoint position = event->position().toPoint();
    const QString gauge = droppedGaugeFile(event->mimeData());
    const QString picture = droppedPicture(event->mimeData(), position);
    if (gauge.isEmpty() && picture.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Handled once the drop is over, so the file manager is not kept waiting
    // while a question or a warning is open.
    QMetaObject::invokeMethod(
        this,
        [this, gauge, picture] {
            if (!gauge.isEmpty())
                openDocumentFile(gauge, tr("Save changes to the gauge before opening another gauge?"));
            else
                showReferenceFile(picture);
        },
        Qt::QueuedConnection);
}
