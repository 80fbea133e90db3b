#include "app/window.h"
#include "formaccess.h"
#include "localhttpserver.h"
#include "model/gaugedocument.h"

#include "modaldialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// Answers every message box the window opens, as a user would: with the
// button whose text is next in `answers`, or with Escape when none is left.
// The button texts in `seen` are without their mnemonic marks.
struct BoxAnswerer
{
    BoxAnswerer()
    {
        modal.setFallback(answerAs<QMessageBox>([this](QMessageBox *box) {
            seen.append(seeBox(box));
            for (QString &text : seen.last().buttons)
                text.remove(QLatin1Char('&'));
            const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
            const qsizetype button = answer.isEmpty() ? -1 : seen.last().buttons.indexOf(answer);
            if (button >= 0)
                box->buttons().at(button)->click();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        }));
    }

    QList<BoxSeen> seen;
    QStringList answers;
    ModalAnswers modal;
};

QByteArray versionDocument(const QString &version, const QString &notes = QString(),
                           const QString &downloadAddress = QString())
{
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<dialwright>\n");
    if (!version.isNull())
        xml += QStringLiteral("  <version>%1</version>\n").arg(version.toHtmlEscaped());
    if (!downloadAddress.isNull()) {
        for (const char *element : {"url_win", "url_lin", "url_mac"}) {
            xml += QStringLiteral("  <%1>%2</%1>\n")
                       .arg(QLatin1String(element), downloadAddress.toHtmlEscaped());
        }
    }
    if (!notes.isNull())
        xml += QStringLiteral("  <notes>%1</notes>\n").arg(notes.toHtmlEscaped());
    xml += QStringLiteral("</dialwright>\n");
    return xml.toUtf8();
}

// Waits until the reply is gone: every outcome releases its reply, and only
// after any box it shows has been answered.
bool waitUntilGone(const QPointer<QNetworkReply> &reply)
{
    if (!reply)
        return true;
    QSignalSpy destroyed(reply.data(), &QObject::destroyed);
    return destroyed.wait(4000);
}

QString platformDownload(const QString &name)
{
    return QStringLiteral("https://downloads.example.invalid/") + name;
}

const QString upToDateText =
    QStringLiteral("Dialwright 2.2.0 is up to date.\n\nThank you for using Dialwright!");
const QString invalidText =
    QStringLiteral("Could not check for updates:\nVersion info invalid, contact Author.");
const QString failurePrefix = QStringLiteral("Could not check for updates:\n");

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reportsOutcome_data();
    void reportsOutcome();
    void announcementButtons_data();
    void announcementButtons();
    void silentServerTimesOut();
    void overlappingChecks_data();
    void overlappingChecks();
    void emptyAddressNeverChecks();
    void buttonStartsManualCheck();
    void closingWindowDuringCheck();

private:
    // A window whose update check asks `address` (empty: none); the check it
    // makes at start-up is under way.
    std::unique_ptr<Window> makeWindow(const QUrl &address, WindowServices services = {});
    // The check under way that the window sent last, after those in `before`.
    QPointer<QNetworkReply> newestReply(Window &window, const QList<QNetworkReply *> &before = {});
    QPointer<QNetworkReply> startManualCheck(Window &window);
    // A window asking `path` ("refused" for an address nobody answers at)
    // and its check: the one at start-up, or one of the button.
    QPointer<QNetworkReply> startCheck(const QString &path, bool manual,
                                       std::unique_ptr<Window> *window,
                                       const WindowServices &services = {});

    LocalHttpServer server;
    QUrl refusedUrl;
};

void TestUpdateCheck::initTestCase()
{
    // Loopback only: no proxy from the environment may get in between.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(server.listen());

    using Route = LocalHttpServer::Route;
    server.route(QStringLiteral("/newer.xml"),
                 Route{200,
                       versionDocument(QStringLiteral("2.3.0"), QStringLiteral("Faster export."),
                                       QString())});
    // Each platform reads its own element; give them different addresses.
    server.route(QStringLiteral("/platforms.xml"), Route{200, QByteArray(R"(<dialwright>
  <version>2.10.0</version>
  <url_win>https://downloads.example.invalid/win.exe</url_win>
  <url_lin>https://downloads.example.invalid/lin.tar.gz</url_lin>
  <url_mac>https://downloads.example.invalid/mac.dmg</url_mac>
  <notes>Numbers now line up.</notes>
</dialwright>)")});
    server.route(QStringLiteral("/equal.xml"),
                 Route{200, versionDocument(QStringLiteral("2.2.0"))});
    server.route(QStringLiteral("/noversion.xml"),
                 Route{200, versionDocument(QString(), QStringLiteral("Notes only."))});
    server.route(QStringLiteral("/rich.xml"),
                 Route{200,
                       versionDocument(QStringLiteral("2.3.0"),
                                       QStringLiteral("<a href=\"file:///etc\">click</a>"))});
    server.route(QStringLiteral("/invalid.xml"),
                 Route{200, QByteArray("<dialwright><version>2.3")});
    server.route(QStringLiteral("/huge.xml"),
                 Route{200,
                       "<d><version>9</version><notes>" + QByteArray(2 * 1024 * 1024, 'x')
                           + "</notes></d>"});
    server.route(QStringLiteral("/missing.xml"), Route{404, QByteArray("<html>gone</html>")});
    server.route(QStringLiteral("/silent.xml"),
                 Route{200, QByteArray(), LocalHttpServer::Mode::Silent});
    // A download address that must never be opened; the other kinds are
    // refused by the same filter, tested on its own.
    server.route(QStringLiteral("/plain-http.xml"),
                 Route{200,
                       versionDocument(QStringLiteral("3.0"), QString(),
                                       QStringLiteral(
                                           "http://downloads.example.invalid/a.tar.gz"))});

    // A port that was just free: nothing listens there, so connecting is
    // refused at once, as on a machine without network.
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    refusedUrl = QUrl(QStringLiteral("http://127.0.0.1:%1/version.xml").arg(closed.serverPort()));
}

std::unique_ptr<Window> TestUpdateCheck::makeWindow(const QUrl &address, WindowServices services)
{
    services.versionUrl = address;
    return std::make_unique<Window>(services);
}

QPointer<QNetworkReply> TestUpdateCheck::newestReply(Window &window,
                                                     const QList<QNetworkReply *> &before)
{
    auto *manager = window.findChild<QNetworkAccessManager *>();
    if (!manager)
        return nullptr;
    for (QNetworkReply *reply : manager->findChildren<QNetworkReply *>())
        if (!before.contains(reply) && !reply->isFinished())
            return reply;
    return nullptr;
}

QPointer<QNetworkReply> TestUpdateCheck::startManualCheck(Window &window)
{
    auto *manager = window.findChild<QNetworkAccessManager *>();
    const QList<QNetworkReply *> before =
        manager ? manager->findChildren<QNetworkReply *>() : QList<QNetworkReply *>();
    Form(window).checkUpdatesButton->click();
    return newestReply(window, before);
}

QPointer<QNetworkReply> TestUpdateCheck::startCheck(const QString &path, bool manual,
                                                    std::unique_ptr<Window> *window,
                                                    const WindowServices &services)
{
    const int asked = server.requestCount(path);
    *window =
        makeWindow(path == QLatin1String("refused") ? refusedUrl : server.url(path), services);
    QPointer<QNetworkReply> automatic = newestReply(**window);
    if (!manual)
        return automatic;
    // The check at start-up fails silently once it is cancelled; it is
    // cancelled once the server has it, so that every test knows how many
    // requests the server saw.
    if (path != QLatin1String("refused"))
        (void)QTest::qWaitFor([&] { return server.requestCount(path) > asked; }, 5000);
    if (automatic)
        automatic->abort();
    if (!waitUntilGone(automatic))
        return nullptr;
    return startManualCheck(**window);
}

void TestUpdateCheck::reportsOutcome_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("manual");
    QTest::addColumn<QString>("title"); // empty: no box at all
    QTest::addColumn<QString>("text");  // ends with "*": a prefix
    QTest::addColumn<int>("icon");

    const int information = QMessageBox::Information;
    const int warning = QMessageBox::Warning;
    const QString available = QStringLiteral("Update Available");
    const QString noUpdate = QStringLiteral("No Update Available");
    const QString failed = QStringLiteral("Update Check Failed");
    const QString invalid = QStringLiteral("Version info Invalid");
    const QString newerText =
        QStringLiteral("A new version (2.3.0) is available!\n\nFaster export.");

    for (bool manual : {true, false}) {
        const char *kind = manual ? "manual" : "automatic";
        auto row = [&](const char *name) -> QTestData & {
            return QTest::newRow(
                qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(name), QLatin1String(kind))));
        };
        auto quietUnlessManual = [&](const QString &title) {
            return manual ? title : QString();
        };

        row("newer") << QStringLiteral("/newer.xml") << manual << available << newerText
                     << information;
        row("equal") << QStringLiteral("/equal.xml") << manual << quietUnlessManual(noUpdate)
                     << upToDateText << information;
        row("malformed document") << QStringLiteral("/invalid.xml") << manual
                                  << quietUnlessManual(invalid) << invalidText << warning;
        row("oversized body") << QStringLiteral("/huge.xml") << manual << quietUnlessManual(invalid)
                              << invalidText << warning;
        row("404") << QStringLiteral("/missing.xml") << manual << quietUnlessManual(failed)
                   << failurePrefix + QStringLiteral("*") << warning;
        // Automatic, these take the same way as "equal" and "404".
        if (manual) {
            row("no version element") << QStringLiteral("/noversion.xml") << manual << noUpdate
                                      << upToDateText << information;
            row("connection refused")
                << QStringLiteral("refused") << manual << failed
                << failurePrefix + QStringLiteral("Connection refused") << warning;
        }
    }
    QTest::newRow("newer, notes that look like markup")
        << QStringLiteral("/rich.xml") << true << available
        << QStringLiteral(
               "A new version (2.3.0) is available!\n\n<a href=\"file:///etc\">click</a>")
        << information;
}

void TestUpdateCheck::reportsOutcome()
{
    QFETCH(QString, path);
    QFETCH(bool, manual);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, icon);

    std::unique_ptr<Window> window;
    BoxAnswerer answerer;
    QPointer<QNetworkReply> reply = startCheck(path, manual, &window);
    QVERIFY(reply);
    // Five seconds without data end a check, unless a test shortens it.
    QCOMPARE(reply->request().transferTimeout(), 5000);
    QVERIFY(waitUntilGone(reply));

    if (title.isEmpty()) {
        QCOMPARE(answerer.seen.size(), 0);
        return;
    }
    QCOMPARE(answerer.seen.size(), 1);
    const BoxSeen &box = answerer.seen.first();
    QCOMPARE(box.title, title);
    if (text.endsWith(QLatin1Char('*'))) {
        text.chop(1);
        QVERIFY2(box.text.startsWith(text) && box.text.size() > text.size(), qPrintable(box.text));
    } else {
        QCOMPARE(box.text, text);
    }
    QCOMPARE(int(box.icon), icon);
    QCOMPARE(box.format, Qt::PlainText);
    QCOMPARE(box.parent, window.get());
    if (title == QLatin1String("Update Available")) {
        QCOMPARE(box.buttons,
                 (QStringList{QStringLiteral("Download"), QStringLiteral("Visit Site"),
                              QStringLiteral("Close")}));
        QCOMPARE(box.roles,
                 (QList<QMessageBox::ButtonRole>{QMessageBox::AcceptRole, QMessageBox::AcceptRole,
                                                 QMessageBox::RejectRole}));
    } else {
        QCOMPARE(box.buttons, QStringList{QStringLiteral("OK")});
    }
    if (path == QLatin1String("/missing.xml"))
        QVERIFY2(box.text.contains(QLatin1String("Not Found")), qPrintable(box.text));
}

void TestUpdateCheck::announcementButtons_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("answer"); // empty: Escape
    QTest::addColumn<QList<QUrl>>("opened");

#if defined(Q_OS_WIN)
    const QUrl download(platformDownload(QStringLiteral("win.exe")));
#elif defined(Q_OS_MACOS)
    const QUrl download(platformDownload(QStringLiteral("mac.dmg")));
#else
    const QUrl download(platformDownload(QStringLiteral("lin.tar.gz")));
#endif
    const QUrl productPage(QStringLiteral(DIALWRIGHT_PRODUCT_URL), QUrl::TolerantMode);
    const QList<QUrl> nothing;

    QTest::newRow("download") << QStringLiteral("/platforms.xml") << QStringLiteral("Download")
                              << QList<QUrl>{download};
    QTest::newRow("visit site") << QStringLiteral("/platforms.xml") << QStringLiteral("Visit Site")
                                << QList<QUrl>{productPage};
    QTest::newRow("close") << QStringLiteral("/platforms.xml") << QStringLiteral("Close")
                           << nothing;
    QTest::newRow("escape") << QStringLiteral("/platforms.xml") << QString() << nothing;
    QTest::newRow("download without address")
        << QStringLiteral("/newer.xml") << QStringLiteral("Download") << nothing;
    QTest::newRow("download from a plain http address")
        << QStringLiteral("/plain-http.xml") << QStringLiteral("Download") << nothing;
}

void TestUpdateCheck::announcementButtons()
{
    QFETCH(QString, path);
    QFETCH(QString, answer);
    QFETCH(QList<QUrl>, opened);

    QList<QUrl> seenUrls;
    WindowServices services;
    services.openExternalUrl = [&seenUrls](const QUrl &url) {
        seenUrls.append(url);
        return true;
    };
    BoxAnswerer answerer;
    answerer.answers = QStringList{answer};
    // Automatic: a newer version is announced without the user asking.
    std::unique_ptr<Window> window;
    QPointer<QNetworkReply> reply = startCheck(path, false, &window, services);
    QVERIFY(reply);
    QVERIFY(waitUntilGone(reply));
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().title, QStringLiteral("Update Available"));
    QCOMPARE(seenUrls, opened);
}

void TestUpdateCheck::silentServerTimesOut()
{
    WindowServices services;
    services.updateTransferTimeout = 300;
    BoxAnswerer answerer;
    std::unique_ptr<Window> window;
    QPointer<QNetworkReply> automatic =
        startCheck(QStringLiteral("/silent.xml"), false, &window, services);
    QPointer<QNetworkReply> manual = startManualCheck(*window);
    QVERIFY(automatic && manual);
    QCOMPARE(manual->request().transferTimeout(), 300);

    QVERIFY(waitUntilGone(automatic) && waitUntilGone(manual));
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().title, QStringLiteral("Update Check Failed"));
    QCOMPARE(answerer.seen.first().text,
             QStringLiteral("Request timed out. Please check your internet connection."));
    QCOMPARE(answerer.seen.first().icon, QMessageBox::Warning);
}

void TestUpdateCheck::overlappingChecks_data()
{
    QTest::addColumn<bool>("firstManual"); // false: the check at start-up
    QTest::addColumn<QString>("firstDocument");
    QTest::addColumn<QString>("secondDocument"); // the second is the button's
    QTest::addColumn<bool>("secondAnswersFirst");
    QTest::addColumn<QStringList>("titles"); // in the order the boxes appear

    const QString equal = QStringLiteral("equal");
    const QString newer = QStringLiteral("newer");
    const QString missing = QStringLiteral("missing");
    const QString noUpdate = QStringLiteral("No Update Available");
    const QString available = QStringLiteral("Update Available");
    const QString failed = QStringLiteral("Update Check Failed");

    QTest::newRow("start-up check, then button; start-up answers first")
        << false << equal << missing << false << QStringList{failed};
    QTest::newRow("start-up check, then button; button answers first")
        << false << equal << missing << true << QStringList{failed};
    QTest::newRow("automatic newer and manual up to date")
        << false << newer << equal << true << QStringList{noUpdate, available};
    QTest::newRow("button pressed twice")
        << true << missing << equal << false << QStringList{failed, noUpdate};
    QTest::newRow("button pressed twice, answered in reverse")
        << true << missing << equal << true << QStringList{noUpdate, failed};
}

void TestUpdateCheck::overlappingChecks()
{
    QFETCH(bool, firstManual);
    QFETCH(QString, firstDocument);
    QFETCH(QString, secondDocument);
    QFETCH(bool, secondAnswersFirst);
    QFETCH(QStringList, titles);

    auto heldRoute = [](const QString &document) {
        if (document == QLatin1String("missing"))
            return LocalHttpServer::Route{404, QByteArray("gone"), LocalHttpServer::Mode::Held};
        return LocalHttpServer::Route{200,
                                      versionDocument(document == QLatin1String("newer")
                                                          ? QStringLiteral("2.3.0")
                                                          : QStringLiteral("2.2.0")),
                                      LocalHttpServer::Mode::Held};
    };
    static int round = 0;
    ++round;
    // Every request of one window asks the same address; they are answered
    // in turn, and each one held until it is released.
    const QString path = QStringLiteral("/held-%1.xml").arg(round);
    QList<LocalHttpServer::Route> answers{heldRoute(firstDocument), heldRoute(secondDocument)};
    if (firstManual)
        answers.prepend(LocalHttpServer::Route{200, QByteArray(), LocalHttpServer::Mode::Silent});
    server.routeInTurn(path, answers);

    BoxAnswerer answerer;
    auto window = makeWindow(server.url(path));
    QPointer<QNetworkReply> first = newestReply(*window);
    QTRY_COMPARE(server.requestCount(path), 1);
    if (firstManual) {
        first->abort();
        QVERIFY(waitUntilGone(first));
        first = startManualCheck(*window);
        QTRY_COMPARE(server.requestCount(path), 2);
    }
    QPointer<QNetworkReply> second = startManualCheck(*window);
    QVERIFY(first && second);
    QTRY_COMPARE(server.requestCount(path), firstManual ? 3 : 2);

    const int heldFirst = 0;
    const int heldSecond = 1;
    QPointer<QNetworkReply> early = secondAnswersFirst ? second : first;
    QPointer<QNetworkReply> late = secondAnswersFirst ? first : second;
    server.releaseOne(path, secondAnswersFirst ? heldSecond : heldFirst);
    QVERIFY(waitUntilGone(early));
    // The reply still under way is neither lost nor handled early.
    QVERIFY(late);
    server.releaseOne(path, secondAnswersFirst ? heldFirst : heldSecond);
    QVERIFY(waitUntilGone(late));

    QStringList seenTitles;
    for (const BoxSeen &box : answerer.seen)
        seenTitles.append(box.title);
    QCOMPARE(seenTitles, titles);
}

void TestUpdateCheck::emptyAddressNeverChecks()
{
    BoxAnswerer answerer;
    // No request is made, and only a check the user asked for says why.
    auto window = makeWindow(QUrl());
    QVERIFY(!newestReply(*window));
    QCOMPARE(answerer.seen.size(), 0);

    QVERIFY(!startManualCheck(*window));
    QCOMPARE(answerer.seen.size(), 1);
    const BoxSeen &box = answerer.seen.first();
    QCOMPARE(box.title, QStringLiteral("Update Check Unavailable"));
    QCOMPARE(box.text,
             QStringLiteral("This build of Dialwright has no update address, "
                            "so it cannot check for updates."));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QStringList{QStringLiteral("OK")});
}

void TestUpdateCheck::buttonStartsManualCheck()
{
    const QString path = QStringLiteral("/equal.xml");
    const int before = server.requestCount(path);
    BoxAnswerer answerer;
    // Up to date: the check at start-up says nothing.
    auto window = makeWindow(server.url(path));
    QVERIFY(waitUntilGone(newestReply(*window)));
    QCOMPARE(answerer.seen.size(), 0);

    QPushButton *button = Form(*window).checkUpdatesButton;
    QCOMPARE(button->text(), QStringLiteral("Check For Updates"));
    button->click();
    QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 1, 4000);
    QCOMPARE(answerer.seen.first().title, QStringLiteral("No Update Available"));
    QCOMPARE(server.requestCount(path), before + 2);
}

void TestUpdateCheck::closingWindowDuringCheck()
{
    BoxAnswerer answerer;
    const QString path = QStringLiteral("/silent.xml");
    const int before = server.requestCount(path);
    std::unique_ptr<Window> window;
    QPointer<QNetworkReply> reply = startCheck(path, true, &window);
    QVERIFY(reply);
    QTRY_COMPARE(server.requestCount(path), before + 2);
    window.reset();
    QVERIFY(reply.isNull());
    QCoreApplication::processEvents();
    QCOMPARE(answerer.seen.size(), 0);
}

QTEST_MAIN(TestUpdateCheck)
#include "test_updatecheck.moc"
