#include "app/window.h"

#include "fileio/inputfile.h"
#include "render/facepictures.h"
#include "render/renderarea.h"
#include "ui/editstep.h"
#include "ui/savefiledialog.h"

#include <QFileInfo>
#include <QListWidget>
#include <QMessageBox>

// Picture files become part of the gauge: their bytes are read whole, and a
// picture is taken only when it can be drawn and the gauge file can still
// carry every picture.

namespace {

QString pictureFilter()
{
    return Window::tr("Pictures (*.png *.jpg *.jpeg *.svg)") + QStringLiteral(";;")
        + Window::tr("All files (*)");
}

// The bytes of all pictures of the gauge but `except`, one picture of the
// current layer.
qint64 otherPictureBytes(const Window *w, const FaceElement &except)
{
    qint64 bytes = 0;
    for (int i = 0; i < w->renderArea->layers.size(); ++i) {
        const gaugeData &layer = i == w->layerList->currentRow() ? w->renderArea->currentGauge
                                                                 : w->renderArea->layers.at(i);
        for (qsizetype j = 0; j < layer.pictures.size(); ++j) {
            if (i != w->layerList->currentRow() || except.kind != faceElementKind::picture
                || except.index != j)
                bytes += layer.pictures.at(j).data.size();
        }
    }
    return bytes;
}

// Reads the picture file at `path`; false after telling the user why it
// cannot be taken.
bool readPicture(Window *w, const QString &path, const FaceElement &replaced, facePicture *picture)
{
    const QString caption = Window::tr("Add Picture");
    const QString name = QFileInfo(path).fileName();
    QByteArray data;
    QString reason;
    switch (readInputFile(path, pictureByteLimit, &data, &reason)) {
    case InputFileStatus::Read:
        break;
    case InputFileStatus::CannotOpen:
        QMessageBox::information(w, Window::tr("Unable to open file"), reason);
        return false;
    case InputFileStatus::TooLarge:
        QMessageBox::warning(w, caption,
                             Window::tr("%1 is larger than %2 MB, the most a picture of a gauge "
                                        "may have.")
                                 .arg(name)
                                 .arg(pictureByteLimit / 1'000'000));
        return false;
    }

    // Known by its first bytes; an SVG document may begin with a long
    // comment, so its name counts as well.
    pictureFormat format = sniffPictureFormat(data);
    if (format == pictureFormat::unknown
        && path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        format = pictureFormat::svg;
    if (format == pictureFormat::unknown) {
        QMessageBox::warning(w, caption,
                             Window::tr("%1 is not a PNG, JPEG or SVG picture.").arg(name));
        return false;
    }
    const QString problem = decodedPicture(data, format)->problem;
    if (!problem.isEmpty()) {
        QMessageBox::warning(w, caption,
                             Window::tr("%1 cannot be drawn.\n\n%2").arg(name, problem));
        return false;
    }
    const qint64 total = otherPictureBytes(w, replaced) + data.size();
    if (total > gaugePictureByteLimit) {
        QMessageBox::warning(w, caption,
                             Window::tr("With %1 the gauge would hold %2 MB of pictures; a gauge "
                                        "file may hold at most %3 MB.")
                                 .arg(name, QString::number(double(total) / 1e6, 'f', 1))
                                 .arg(gaugePictureByteLimit / 1'000'000));
        return false;
    }
    picture->data = data;
    picture->format = format;
    picture->fileObject = QJsonObject();
    return true;
}

} // namespace

void Window::addFacePicture()
{
    const QString path = askOpenPath(this, tr("Add Picture"), pictureFilter(), fileDialogFolder());
    if (!path.isEmpty())
        (void)addFacePictureFile(path);
}

bool Window::addFacePictureFile(const QString &path)
{
    gaugeData &g = renderArea->currentGauge;
    if (g.pictures.size() + g.texts.size() >= layerElementLimit)
        return false;
    facePicture picture;
    if (!readPicture(this, path, FaceElement(), &picture))
        return false;
    // Above the hub, at most 0.4 radii wide or high.
    const QSizeF size = decodedPicture(picture.data, picture.format)->size;
    picture.width = size.height() > size.width() ? 0.4 * size.width() / size.height() : 0.4;
    {
        const EditStep step(this, tr("Add Picture"));
        g.pictures.append(picture);
        renderArea->saveLayerData(layerList->currentRow());
        renderArea->manualRedraw();
        showFace();
    }
    selectFaceElement(FaceElement{faceElementKind::picture, g.pictures.size() - 1});
    return true;
}

void Window::replaceFacePicture()
{
    const FaceElement element = selectedFaceElement();
    if (element.kind != faceElementKind::picture || !element.isValid())
        return;
    const QString path =
        askOpenPath(this, tr("Replace Picture"), pictureFilter(), fileDialogFolder());
    if (path.isEmpty())
        return;
    facePicture picture = renderArea->currentGauge.pictures.at(element.index);
    if (!readPicture(this, path, element, &picture))
        return;
    renderArea->currentGauge.pictures[element.index] = picture;
    renderArea->saveLayerData(layerList->currentRow());
    renderArea->manualRedraw();
    showFace();
}
