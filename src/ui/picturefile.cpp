#include "ui/picturefile.h"

#include "fileio/inputfile.h"
#include "model/gaugedata.h"
#include "render/facepictures.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

// The texts were the face section's first, and keep its translations.

qint64 gaugePictureBytes(const QList<gaugeData> &layers)
{
    qint64 bytes = 0;
    for (const gaugeData &layer : layers) {
        for (const facePicture &picture : layer.pictures)
            bytes += picture.data.size();
        for (const gaugeNeedle &needle : layer.needles)
            bytes += needle.pictureData.size();
    }
    return bytes;
}

QString pictureFileFilter()
{
    return QCoreApplication::translate("FaceEditor", "Pictures (*.png *.jpg *.jpeg *.svg)")
        + QStringLiteral(";;") + QCoreApplication::translate("FaceEditor", "All files (*)");
}

bool readPictureFile(QWidget *parent, const QString &caption, const QString &path,
                     qint64 otherBytes, QByteArray *data, pictureFormat *format)
{
    const QString name = QFileInfo(path).fileName();
    QByteArray bytes;
    QString reason;
    switch (readInputFile(path, pictureByteLimit, &bytes, &reason)) {
    case InputFileStatus::Read:
        break;
    case InputFileStatus::CannotOpen:
        QMessageBox::information(parent,
                                 QCoreApplication::translate("FaceEditor", "Unable to open file"),
                                 reason);
        return false;
    case InputFileStatus::TooLarge:
        QMessageBox::warning(parent, caption,
                             QCoreApplication::translate(
                                 "FaceEditor",
                                 "%1 is larger than %2 MB, the most a picture of a gauge may "
                                 "have.")
                                 .arg(name)
                                 .arg(pictureByteLimit / 1'000'000));
        return false;
    }

    // Known by its first bytes; an SVG document may begin with a long
    // comment, so its name counts as well.
    pictureFormat sniffed = sniffPictureFormat(bytes);
    if (sniffed == pictureFormat::unknown
        && path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        sniffed = pictureFormat::svg;
    if (sniffed == pictureFormat::unknown) {
        QMessageBox::warning(parent, caption,
                             QCoreApplication::translate("FaceEditor",
                                                         "%1 is not a PNG, JPEG or SVG picture.")
                                 .arg(name));
        return false;
    }
    const QString problem = decodedPicture(bytes, sniffed)->problem;
    if (!problem.isEmpty()) {
        QMessageBox::warning(parent, caption,
                             QCoreApplication::translate("FaceEditor", "%1 cannot be drawn.\n\n%2")
                                 .arg(name, problem));
        return false;
    }
    const qint64 total = otherBytes + bytes.size();
    if (total > gaugePictureByteLimit) {
        QMessageBox::warning(parent, caption,
                             QCoreApplication::translate(
                                 "FaceEditor",
                                 "With %1 the gauge would hold %2 MB of pictures; a gauge file "
                                 "may hold at most %3 MB.")
                                 .arg(name, QString::number(double(total) / 1e6, 'f', 1))
                                 .arg(gaugePictureByteLimit / 1'000'000));
        return false;
    }
    *data = bytes;
    *format = sniffed;
    return true;
}
