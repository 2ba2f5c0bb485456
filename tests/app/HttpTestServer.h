#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>

// A small HTTP server on 127.0.0.1 for the banner fetches, in the test's own
// thread: the blocking fetch runs an event loop that serves it.
class HttpTestServer : public QTcpServer
{
public:
    struct Reply
    {
        int status = 200;
        QByteArray body;
        bool silent = false; // never finish the answer: send nothing, or only raw, and keep the connection
        QByteArray raw;      // sent as is instead of a proper response
    };

    HttpTestServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            }
        });
    }

    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }

    QMap<QByteArray, Reply> replies; // by request path; others get 404
    QList<QByteArray> requests;      // each request's head, as received

private:
    void serve(QTcpSocket *socket)
    {
        QByteArray &pending = m_pending[socket];
        pending += socket->readAll();
        const qsizetype end = pending.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QByteArray head = pending.left(end);
        pending.remove(0, end + 4);
        requests << head;
        const QByteArray path = head.split(' ').value(1);
        const auto found = replies.constFind(path);
        if (found == replies.constEnd()) {
            respond(socket, {404, "not here", false, {}});
            return;
        }
        if (!found->raw.isEmpty()) {
            socket->write(found->raw);
            if (!found->silent)
                socket->disconnectFromHost();
            return;
        }
        if (found->silent)
            return;
        respond(socket, *found);
    }

    static void respond(QTcpSocket *socket, const Reply &reply)
    {
        QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + " X\r\n";
        out += "Content-Type: text/html\r\nContent-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
        out += "Connection: close\r\n\r\n" + reply.body;
        socket->write(out);
        socket->disconnectFromHost();
    }

    QMap<QTcpSocket *, QByteArray> m_pending;
};
