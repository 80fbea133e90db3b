#include "app/window_p.h"

#include "update/versiondocument.h"
#include "version.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QTimer>

namespace {

// A reply of the update check carries the manual flag of the check that sent
// it, so that overlapping checks each report with their own flag and a reply
// that is not ours (or was already handled) is recognised.
const char manualCheckProperty[] = "dialwrightManualUpdateCheck";
const char oversizedProperty[] = "dialwrightOversizedVersionDocument";

// A version document is a few hundred bytes; anything beyond this is not one,
// and is not worth holding in memory.
constexpr qint64 maximumDocumentSize = 1024 * 1024;

// Release notes are shown up to this many characters, then cut with an
// ellipsis: a message box lays out all of its text at once, and a megabyte
// of it holds the window for seconds.
constexpr qsizetype maximumNotesLength = 64 * 1024;

QString shownNotes(const QString &notes)
{
    if (notes.size() <= maximumNotesLength)
        return notes;
    qsizetype cut = maximumNotesLength;
    if (notes.at(cut - 1).isHighSurrogate())
        --cut;
    return notes.left(cut) + QChar(0x2026);
}

// Texts from the network may look like rich text; they are shown as written.
void showUpdateMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                       const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void Window::checkForUpdates()
{
    // The flag belongs to this check alone; it travels with the reply.
    const bool manual = d->manualUpdateCheck;
    d->manualUpdateCheck = false;

    const QUrl versionUrl = d->services.versionUrl;
    if (versionUrl.isEmpty()) {
        if (manual) {
            showUpdateMessage(this, QMessageBox::Information, tr("Update Check Unavailable"),
                              tr("This build of Dialwright has no update address, "
                                 "so it cannot check for updates."));
        }
        return;
    }

    if (!d->networkManager)
        d->networkManager = new QNetworkAccessManager(this);
    connect(d->networkManager, &QNetworkAccessManager::finished, this,
            &Window::onUpdateCheckFinished, Qt::UniqueConnection);

    QNetworkRequest request(versionUrl);
    request.setTransferTimeout(d->services.updateTransferTimeout);
    QNetworkReply *reply = d->networkManager->get(request);
    reply->setProperty(manualCheckProperty, manual);
    // The transfer time-out starts again with every byte, so a server that
    // trickles its answer would keep a check alive for days; the check as a
    // whole ends after the deadline and reports a time-out.
    QTimer::singleShot(d->services.updateCheckDeadline, reply, [reply] {
        if (!reply->isFinished())
            reply->abort();
    });
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > maximumDocumentSize || total > maximumDocumentSize) {
            reply->setProperty(oversizedProperty, true);
            reply->abort();
        }
    });
}

void Window::onUpdateCheckFinished(QNetworkReply *reply)
{
    if (!reply)
        return;
    const QVariant manualFlag = reply->property(manualCheckProperty);
    if (!manualFlag.isValid())
        return;
    reply->setProperty(manualCheckProperty, QVariant());
    reply->deleteLater();

    // Everything is read from the reply before any box opens its own event loop.
    const bool manual = manualFlag.toBool();
    const bool oversized = reply->property(oversizedProperty).toBool();
    const QNetworkReply::NetworkError error = reply->error();
    const QString errorText = reply->errorString();
    const QByteArray body = (oversized || error != QNetworkReply::NoError) ? QByteArray()
                                                                         : reply->readAll();

    if (error != QNetworkReply::NoError && !oversized) {
        // Some Qt versions report the transfer time-out as a cancellation,
        // and the deadline cancels the reply; nothing else cancels a check
        // that is not oversized.
        const bool timedOut = error == QNetworkReply::TimeoutError
                              || error == QNetworkReply::OperationCanceledError;
        if (manual) {
            showUpdateMessage(this, QMessageBox::Warning, tr("Update Check Failed"),
                              timedOut
                                  ? tr("Request timed out. Please check your internet connection.")
                                  : tr("Could not check for updates:\n") + errorText);
        }
        return;
    }

    VersionDocument document;
    if (oversized || !readVersionDocument(body, &document)) {
        if (manual) {
            showUpdateMessage(this, QMessageBox::Warning, tr("Version info Invalid"),
                              tr("Could not check for updates:\n"
                                 "Version info invalid, contact Author."));
        }
        return;
    }

    if (!isNewerVersion(document.version, dialwrightVersion())) {
        if (manual) {
            showUpdateMessage(this, QMessageBox::Information, tr("No Update Available"),
                              tr("Dialwright %1 is up to date.\n\n"
                                 "Thank you for using Dialwright!")
                                  .arg(dialwrightVersion()));
        }
        return;
    }

    // A newer version is announced whether or not the user asked.
    QMessageBox box(QMessageBox::Information, tr("Update Available"),
                    tr("A new version (%1) is available!\n\n%2")
                        .arg(document.version, shownNotes(document.notes)),
                    QMessageBox::NoButton, this);
    box.setTextFormat(Qt::PlainText);
    QPushButton *downloadButton = box.addButton(tr("Download"), QMessageBox::AcceptRole);
    QPushButton *visitButton = box.addButton(tr("Visit Site"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Close);
    box.exec();

    if (box.clickedButton() == downloadButton)
        openWebAddress(document.downloadAddress());
    else if (box.clickedButton() == visitButton)
        openWebAddress(QStringLiteral(DIALWRIGHT_PRODUCT_URL));
}

bool Window::openWebAddress(const QString &address)
{
    // Addresses come from the network and from links in texts; only a web
    // page on a named host is handed to the browser, never a local file,
    // a program's own scheme or a plain http address.
    const QUrl target = safeDownloadUrl(address);
    if (target.isEmpty())
        return false;
    return d->services.openExternalUrl ? d->services.openExternalUrl(target)
                                       : QDesktopServices::openUrl(target);
}

void Window::startManualUpdateCheck()
{
    d->manualUpdateCheck = true;
    checkForUpdates();
}
