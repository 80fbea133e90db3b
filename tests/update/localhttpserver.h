#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// A minimal HTTP/1.0 server on the loopback address for the update check
// tests. Each path answers with a fixed status and body; a path can instead
// accept and never answer, or hold its answer until the test releases it.
class LocalHttpServer
{
public:
    enum class Mode { Answer, Silent, Held };

    struct Route
    {
        int status = 200;
        QByteArray body;
        Mode mode = Mode::Answer;
    };

    LocalHttpServer()
    {
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection())
                accept(socket);
        });
    }

    bool listen() { return server.listen(QHostAddress::LocalHost); }

    QUrl url(const QString &path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path));
    }

    void route(const QString &path, const Route &route) { routes.insert(path, {route}); }
    // Answers the requests for path with these routes in turn, the last one
    // for every request after that.
    void routeInTurn(const QString &path, const QList<Route> &inTurn)
    {
        routes.insert(path, inTurn);
    }
    int requestCount(const QString &path) const { return requests.value(path); }

    // Sends the answers held back for path, in the order they were asked.
    void release(const QString &path)
    {
        const QList<Held> waiting = held.take(path);
        for (const Held &request : waiting) {
            if (request.socket)
                answer(request.socket, request.route);
        }
    }

    // Sends the answer to the `index`th request held back for path.
    void releaseOne(const QString &path, int index)
    {
        Held &request = held[path][index];
        if (request.socket)
            answer(request.socket, request.route);
        request.socket.clear();
    }

private:
    void accept(QTcpSocket *socket)
    {
        socket->setParent(&server);
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            QByteArray &request = pending[socket];
            request += socket->readAll();
            if (!request.contains("\r\n\r\n"))
                return;
            // "GET /path HTTP/1.1"
            const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
            pending.remove(socket);
            const QString path = words.size() > 1 ? QString::fromLatin1(words.at(1)) : QString();
            ++requests[path];
            if (!routes.contains(path)) {
                answer(socket, Route{404, QByteArray("not here")});
                return;
            }
            QList<Route> &inTurn = routes[path];
            const Route route = inTurn.size() > 1 ? inTurn.takeFirst() : inTurn.first();
            if (route.mode == Mode::Held)
                held[path].append(Held{socket, route});
            else if (route.mode == Mode::Answer)
                answer(socket, route);
        });
    }

    static void answer(QTcpSocket *socket, const Route &route)
    {
        const QByteArray reason = route.status == 200 ? "OK" : "Not Found";
        QByteArray response = "HTTP/1.0 " + QByteArray::number(route.status) + ' ' + reason
            + "\r\nContent-Type: application/xml\r\nContent-Length: "
            + QByteArray::number(route.body.size()) + "\r\n\r\n" + route.body;
        socket->write(response);
        socket->disconnectFromHost();
    }

    struct Held
    {
        QPointer<QTcpSocket> socket;
        Route route;
    };

    QTcpServer server;
    QHash<QString, QList<Route>> routes;
    QHash<QString, int> requests;
    QHash<QTcpSocket *, QByteArray> pending;
    QHash<QString, QList<Held>> held;
};
