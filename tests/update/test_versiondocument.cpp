#include "update/versiondocument.h"

#include <QTest>

class TestVersionDocument : public QObject
{
    Q_OBJECT

private slots:
    void readsFirstChildElements();
    void missingElementsReadEmpty();
    void rejectsMalformedDocuments_data();
    void rejectsMalformedDocuments();
    void newerVersion_data();
    void newerVersion();
    void safeDownloadUrl_data();
    void safeDownloadUrl();
};

void TestVersionDocument::readsFirstChildElements()
{
    // Any root name; attributes, unknown elements, later duplicates and
    // grandchildren of the same name are ignored; text content includes text
    // nested inside child elements.
    const QByteArray xml = R"(<?xml version="1.0"?>
<release channel="stable">
  <other><version>9.9.9</version></other>
  <version kind="x">
      2.3.0
  </version>
  <version>7.0.0</version>
  <url_win>https://example.invalid/win.exe</url_win>
  <url_lin>https://example.invalid/lin.tar.gz</url_lin>
  <url_mac>https://example.invalid/mac.dmg</url_mac>
  <notes>Faster <b>export</b> &amp; fixes</notes>
</release>)";
    VersionDocument document;
    QString error;
    QVERIFY(readVersionDocument(xml, &document, &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(document.version, QStringLiteral("2.3.0"));
    QCOMPARE(document.urlWindows, QStringLiteral("https://example.invalid/win.exe"));
    QCOMPARE(document.urlLinux, QStringLiteral("https://example.invalid/lin.tar.gz"));
    QCOMPARE(document.urlMac, QStringLiteral("https://example.invalid/mac.dmg"));
    QCOMPARE(document.notes, QStringLiteral("Faster export & fixes"));
}

void TestVersionDocument::missingElementsReadEmpty()
{
    VersionDocument document;
    document.version = QStringLiteral("stale");
    QVERIFY(readVersionDocument("<root><version>2.4</version></root>", &document));
    QCOMPARE(document.version, QStringLiteral("2.4"));
    QVERIFY(document.urlWindows.isEmpty());
    QVERIFY(document.urlLinux.isEmpty());
    QVERIFY(document.urlMac.isEmpty());
    QVERIFY(document.notes.isEmpty());

    QVERIFY(readVersionDocument("<root/>", &document));
    QVERIFY(document.version.isEmpty());
    QVERIFY(!isNewerVersion(document.version, QStringLiteral("2.2.0")));
}

void TestVersionDocument::rejectsMalformedDocuments_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("plain text") << QByteArray("version=2.3.0");
    QTest::newRow("html error page") << QByteArray("<html><body><p>Oops</body></html>");
    QTest::newRow("unclosed root") << QByteArray("<root><version>2.3.0</version>");
    QTest::newRow("two roots") << QByteArray("<a/><b/>");
    QTest::newRow("undefined entity") << QByteArray("<root><version>&nope;</version></root>");
}

void TestVersionDocument::rejectsMalformedDocuments()
{
    QFETCH(QByteArray, bytes);
    VersionDocument document;
    document.version = QStringLiteral("untouched");
    QString error;
    QVERIFY(!readVersionDocument(bytes, &document, &error));
    QCOMPARE(document.version, QStringLiteral("untouched"));
    QVERIFY2(error.contains(QStringLiteral("line")), qPrintable(error));
}

void TestVersionDocument::newerVersion_data()
{
    QTest::addColumn<QString>("published");
    QTest::addColumn<bool>("newer");
    QTest::newRow("patch") << QStringLiteral("2.2.1") << true;
    QTest::newRow("minor, short") << QStringLiteral("2.3") << true;
    QTest::newRow("numeric not textual") << QStringLiteral("2.10.0") << true;
    QTest::newRow("major") << QStringLiteral("3") << true;
    QTest::newRow("longer with zero") << QStringLiteral("2.2.0.0") << true;
    QTest::newRow("suffix ignored") << QStringLiteral("2.3.0-beta") << true;
    QTest::newRow("padded") << QStringLiteral("\n  2.2.1 \n") << true;
    QTest::newRow("equal") << QStringLiteral("2.2.0") << false;
    QTest::newRow("older") << QStringLiteral("2.1.9") << false;
    QTest::newRow("prefix is older") << QStringLiteral("2.2") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("letters") << QStringLiteral("latest") << false;
    QTest::newRow("v prefix") << QStringLiteral("v3.0.0") << false;
    QTest::newRow("negative") << QStringLiteral("-3.0") << false;
}

void TestVersionDocument::newerVersion()
{
    QFETCH(QString, published);
    QFETCH(bool, newer);
    QCOMPARE(isNewerVersion(published, QStringLiteral("2.2.0")), newer);
}

void TestVersionDocument::safeDownloadUrl_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QUrl>("expected");
    const QUrl none;
    QTest::newRow("https") << QStringLiteral("https://example.invalid/get/dialwright.tar.gz")
                           << QUrl(QStringLiteral("https://example.invalid/get/dialwright.tar.gz"));
    QTest::newRow("upper-case scheme, padded") << QStringLiteral("  HTTPS://Example.invalid/x \n")
                                               << QUrl(QStringLiteral("https://example.invalid/x"));
    QTest::newRow("empty") << QString() << none;
    QTest::newRow("plain http") << QStringLiteral("http://example.invalid/x") << none;
    QTest::newRow("file") << QStringLiteral("file:///etc/passwd") << none;
    QTest::newRow("javascript") << QStringLiteral("javascript:alert(1)") << none;
    QTest::newRow("no host") << QStringLiteral("https:///path") << none;
    QTest::newRow("relative") << QStringLiteral("/download") << none;
    QTest::newRow("smb") << QStringLiteral("smb://server/share/setup.exe") << none;
}

void TestVersionDocument::safeDownloadUrl()
{
    QFETCH(QString, address);
    QFETCH(QUrl, expected);
    QCOMPARE(::safeDownloadUrl(address), expected);
}

QTEST_GUILESS_MAIN(TestVersionDocument)
#include "test_versiondocument.moc"
