#include "app/window.h"
#include "formaccess.h"
#include "localhttpserver.h"
#include "model/gaugedocument.h"

#include "modaldialogs.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPointer>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

namespace {

// Answers a request with a promise of a long body and then trickles it, one
// byte at a time, each well inside the transfer time-out.
class TricklingServer : public QObject
{
public:
    TricklingServer()
    {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                socket->setParent(this);
                socket->write("HTTP/1.0 200 OK\r\nContent-Length: 100000\r\n\r\n<");
                auto *timer = new QTimer(socket);
                connect(timer, &QTimer::timeout, socket, [socket] { socket->write("x"); });
                timer->start(50);
            }
        });
    }
    bool listen() { return server.listen(QHostAddress::LocalHost); }
    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/v.xml").arg(server.serverPort()));
    }

private:
    QTcpServer server;
};

} // namespace

class TestUpdateDeadline : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }
    void checksEndAtTheDeadline_data();
    void checksEndAtTheDeadline();
};

void TestUpdateDeadline::checksEndAtTheDeadline_data()
{
    QTest::addColumn<bool>("trickle");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text"); // the start of the box's text
    QTest::addColumn<int>("textLength");

    // A server trickling its answer once kept a check alive for days.
    QTest::newRow("trickling server")
        << true << "Update Check Failed"
        << "Request timed out. Please check your internet connection." << -1;
    // A megabyte of notes once held the window for ten seconds.
    const QString announcement = QStringLiteral("A new version (9.0) is available!\n\n");
    QTest::newRow("a megabyte of notes")
        << false << "Update Available" << announcement + QStringLiteral("nnn")
        << int(announcement.size()) + 64 * 1024 + 1;
}

void TestUpdateDeadline::checksEndAtTheDeadline()
{
    QFETCH(bool, trickle);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, textLength);

    TricklingServer trickling;
    QVERIFY(trickling.listen());
    LocalHttpServer server;
    QVERIFY(server.listen());
    server.route(QStringLiteral("/notes.xml"),
                 LocalHttpServer::Route{200,
                                        "<d><version>9.0</version><notes>"
                                            + QByteArray(1000 * 1000, 'n') + "</notes></d>"});

    WindowServices services;
    services.updateCheckDeadline = 300;
    services.versionUrl = trickle ? trickling.url() : server.url(QStringLiteral("/notes.xml"));
    Window window(services);
    // The check at start-up says nothing of a failure; the button's does.
    if (auto *manager = window.findChild<QNetworkAccessManager *>()) {
        for (QNetworkReply *reply : manager->findChildren<QNetworkReply *>())
            reply->abort();
    }
    BoxSeen seen;
    ModalAnswers answers;
    answers.setFallback(answerAs<QMessageBox>([&seen](QMessageBox *box) {
        seen = seeBox(box);
        box->reject();
    }));
    Form(window).checkUpdatesButton->click();

    QTRY_COMPARE_WITH_TIMEOUT(seen.title, title, 5000);
    QVERIFY2(seen.text.startsWith(text), qPrintable(seen.text.left(200)));
    if (textLength >= 0) {
        QCOMPARE(seen.text.size(), textLength);
        QVERIFY(seen.text.endsWith(QChar(0x2026)));
    }
}

QTEST_MAIN(TestUpdateDeadline)
#include "test_updatedeadline.moc"
