#include "app/window.h"

#include <QDebug>
#include <QFileDialog>
#include <QPixmap>

// The reference picture lives only in referenceLabel, behind the transparent
// preview; it belongs to no gauge and reaches no file.

void Window::loadReference()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Load Reference Image (512x512)"), applicationDirectory,
        tr("png Files (*.png)"));
    if (path.isEmpty())
        return;
    // The format is detected from the content; the filter only narrows the
    // dialog's listing.
    QPixmap picture;
    if (!picture.load(path)) {
        qDebug("Failed to load image.");
        return;
    }
    referenceLabel->setPixmap(picture);
}

void Window::clearReference()
{
    referenceLabel->clear();
}
