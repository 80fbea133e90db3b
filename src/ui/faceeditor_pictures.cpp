#include "ui/faceeditor.h"

#include "fileio/inputfile.h"
#include "model/gaugedocument.h"
#include "render/facepictures.h"
#include "ui/savefiledialog.h"

#include <QFileInfo>
#include <QMessageBox>

// Picture files become part of the gauge: their bytes are read whole, and a
// picture is taken only when it can be drawn and the gauge file can still
// carry every picture.

namespace {

QString pictureFilter()
{
    return FaceEditor::tr("Pictures (*.png *.jpg *.jpeg *.svg)") + QStringLiteral(";;")
        + FaceEditor::tr("All files (*)");
}

// The bytes of all pictures of the gauge but `except`, one picture of the
// current layer.
qint64 otherPictureBytes(const GaugeDocument &document, const FaceElement &except)
{
    qint64 bytes = 0;
    for (qsizetype i = 0; i < document.layerCount(); ++i) {
        const gaugeData &layer = document.layer(i);
        for (qsizetype j = 0; j < layer.pictures.size(); ++j) {
            if (i != document.currentRow() || except.kind != faceElementKind::picture
                || except.index != j)
                bytes += layer.pictures.at(j).data.size();
        }
    }
    return bytes;
}

} // namespace

bool FaceEditor::readPicture(const QString &path, const FaceElement &replaced, facePicture *picture)
{
    const QString caption = tr("Add Picture");
    const QString name = QFileInfo(path).fileName();
    QByteArray data;
    QString reason;
    switch (readInputFile(path, pictureByteLimit, &data, &reason)) {
    case InputFileStatus::Read:
        break;
    case InputFileStatus::CannotOpen:
        QMessageBox::information(m_form, tr("Unable to open file"), reason);
        return false;
    case InputFileStatus::TooLarge:
        QMessageBox::warning(m_form, caption,
                             tr("%1 is larger than %2 MB, the most a picture of a gauge may "
                                "have.")
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
        QMessageBox::warning(m_form, caption,
                             tr("%1 is not a PNG, JPEG or SVG picture.").arg(name));
        return false;
    }
    const QString problem = decodedPicture(data, format)->problem;
    if (!problem.isEmpty()) {
        QMessageBox::warning(m_form, caption, tr("%1 cannot be drawn.\n\n%2").arg(name, problem));
        return false;
    }
    const qint64 total = otherPictureBytes(*m_document, replaced) + data.size();
    if (total > gaugePictureByteLimit) {
        QMessageBox::warning(m_form, caption,
                             tr("With %1 the gauge would hold %2 MB of pictures; a gauge file "
                                "may hold at most %3 MB.")
                                 .arg(name, QString::number(double(total) / 1e6, 'f', 1))
                                 .arg(gaugePictureByteLimit / 1'000'000));
        return false;
    }
    picture->data = data;
    picture->format = format;
    picture->fileObject = QJsonObject();
    return true;
}

void FaceEditor::addPicture()
{
    const QString path =
        askOpenPath(m_form, tr("Add Picture"), pictureFilter(), m_services.dialogFolder());
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
        askOpenPath(m_form, tr("Replace Picture"), pictureFilter(), m_services.dialogFolder());
    if (path.isEmpty())
        return;
    gaugeData layer = m_document->currentLayer();
    facePicture picture = layer.pictures.at(element.index);
    if (!readPicture(path, element, &picture))
        return;
    layer.pictures[element.index] = picture;
    store(layer, tr("Replace Picture"));
}
