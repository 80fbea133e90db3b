#pragma once

#include <QString>
#include <QtGlobal>
#include <QUrl>

#include <functional>

class QPrinter;

// What the window needs from the world around it and a test replaces: the
// program's folder, the update server and its time-outs, the browser, the
// printer, and how soon an export shows its progress.
struct WindowServices
{
    // The folder the shipped presets are beside; empty: the program's own.
    QString applicationDirectory;
    // Address of the version document; the build's setting by default.
    // Empty means the window never checks.
    QUrl versionUrl = defaultVersionUrl();
    // Milliseconds without any data after which a check gives up.
    int updateTransferTimeout = 5000;
    // Milliseconds from a request to the moment a check gives up, however
    // the server trickles its answer.
    int updateCheckDeadline = 10000;
    // Opens an address in the user's browser; unset means the desktop's own
    // handler.
    std::function<bool(const QUrl &)> openExternalUrl;
    // Sets up the printer once the page is chosen; false cancels. Unset:
    // the print dialog.
    std::function<bool(QPrinter *)> choosePrinter;
    // Milliseconds an export runs before its progress dialog shows.
    int exportProgressDelay = 500;
    // Milliseconds of a steady clock that the needles' sweep follows;
    // unset: the system's.
    std::function<qint64()> needleSweepClock;

    static QUrl defaultVersionUrl()
    {
        return QUrl(QStringLiteral(DIALWRIGHT_VERSION_URL), QUrl::TolerantMode);
    }
};
