#include "ui/faceeditor.h"

#include "model/gaugedocument.h"
#include "render/facepictures.h"
#include "ui/picturefile.h"
#include "ui/savefiledialog.h"

// Picture files become part of the gauge through ui/picturefile.h: a
// picture is taken only when it can be drawn and the gauge file can still
// carry every picture, the needles' among them.

namespace {

// The bytes of all pictures of the gauge but `except`, one picture of the
// current layer.
qint64 otherPictureBytes(const GaugeDocument &document, const FaceElement &except)
{
    qint64 bytes = gaugePictureBytes(document.layerData());
    const gaugeData &layer = document.currentLayer();
    if (document.currentRow() >= 0 && except.kind == faceElementKind::picture
        && except.index >= 0 && except.index < layer.pictures.size())
        bytes -= layer.pictures.at(except.index).data.size();
    return bytes;
}

} // namespace

bool FaceEditor::readPicture(const QString &path, const FaceElement &replaced, facePicture *picture)
{
    QByteArray data;
    pictureFormat format = pictureFormat::unknown;
    if (!readPictureFile(m_form, tr("Add Picture"), path, otherPictureBytes(*m_document, replaced),
                         &data, &format))
        return false;
    picture->data = data;
    picture->format = format;
    picture->fileObject = QJsonObject();
    return true;
}

void FaceEditor::addPicture()
{
    const QString path =
        askOpenPath(m_form, tr("Add Picture"), pictureFileFilter(), m_services.dialogFolder());
    if (!path.isEmpty())
        (void)addPictureFile(path);
}

bool FaceEditor::addPictureFile(const QString &path)
{
    gaugeData layer = m_document->currentLayer();
    if (m_document->currentRow() < 0
        || layer.pictures.size() + layer.texts.size() >= layerElementLimit)
        return false;
    facePicture picture;
    if (!readPicture(path, FaceElement(), &picture))
        return false;
    // Above the hub, at most 0.4 radii wide or high.
    const QSizeF size = decodedPicture(picture.data, picture.format)->size;
    picture.width = size.height() > size.width() ? 0.4 * size.width() / size.height() : 0.4;
    layer.pictures.append(picture);
    store(layer, tr("Add Picture"));
    selectElement(FaceElement{faceElementKind::picture, layer.pictures.size() - 1});
    return true;
}

void FaceEditor::replacePicture()
{
    const FaceElement element = selectedElement();
    if (element.kind != faceElementKind::picture || !element.isValid())
        return;
    const QString path =
        askOpenPath(m_form, tr("Replace Picture"), pictureFileFilter(), m_services.dialogFolder());
    if (path.isEmpty())
        return;
    gaugeData layer = m_document->currentLayer();
    facePicture picture = layer.pictures.at(element.index);
    if (!readPicture(path, element, &picture))
        return;
    layer.pictures[element.index] = picture;
    store(layer, tr("Replace Picture"));
}
