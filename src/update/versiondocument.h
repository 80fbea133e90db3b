#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QUrl>

// What the program reads from the version document that the update check
// fetches: the texts of the root's first child elements with these names.
// A missing element reads as empty text.
struct VersionDocument
{
    Q_DECLARE_TR_FUNCTIONS(VersionDocument)

public:
    QString version;    // <version>
    QString urlWindows; // <url_win>
    QString urlLinux;   // <url_lin>
    QString urlMac;     // <url_mac>
    QString notes;      // <notes>

    // The download address for the platform this program was built for,
    // as written in the document (possibly empty).
    QString downloadAddress() const;
};

// Parses a version document. Returns false when the bytes are not well-formed
// XML; then *error (if given) holds the parser's message with line and column,
// and *document is left untouched.
[[nodiscard]] bool readVersionDocument(const QByteArray &bytes, VersionDocument *document,
                         QString *error = nullptr);

// True when the published version is greater than the running one. Both are
// read as their leading run of dotted decimal numbers; a text that does not
// start with a number is the empty version, which is never newer.
bool isNewerVersion(const QString &published, const QString &running);

// The address that "Download" may open. The document comes from the network,
// so only an https address with a host is accepted; anything else (file:,
// javascript:, plain http, empty) gives an empty QUrl.
QUrl safeDownloadUrl(const QString &address);
