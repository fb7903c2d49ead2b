#pragma once

// A small HTTP server on 127.0.0.1 for the tests of external links, run by
// the test's own event loop. Paths: /found 200, /moved 301 to /found,
// /missing 404, /broken 500, /nohead 405 to HEAD and 200 to GET, /silent
// never answers.
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

namespace lumaro::test {

class HttpTestServer {
public:
    HttpTestServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                m_sockets.append(socket);
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
            }
        });
    }
    ~HttpTestServer()
    {
        for (const QPointer<QTcpSocket> &socket : std::as_const(m_sockets))
            if (socket)
                socket->abort();
    }

    QString url(const char *path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(QLatin1String(path));
    }
    /// Every request line seen, "HEAD /found" ...
    const QStringList &requests() const { return m_requests; }

private:
    void answer(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> words = buffer.left(buffer.indexOf("\r\n")).split(' ');
        buffer.clear();
        if (words.size() < 2)
            return;
        const QByteArray method = words.at(0);
        const QByteArray path = words.at(1);
        m_requests << QString::fromLatin1(method + ' ' + path);
        QByteArray status;
        QByteArray extra;
        if (path == "/found") {
            status = "200 OK";
        } else if (path == "/moved") {
            status = "301 Moved Permanently";
            extra = "Location: /found\r\n";
        } else if (path == "/nohead") {
            status = method == "HEAD" ? "405 Method Not Allowed" : "200 OK";
        } else if (path == "/broken") {
            status = "500 Internal Server Error";
        } else if (path == "/silent") {
            return;
        } else {
            status = "404 Not Found";
        }
        const QByteArray body = method == "HEAD" ? QByteArray() : QByteArray("<p>page</p>");
        socket->write("HTTP/1.1 " + status + "\r\n" + extra + "Content-Type: text/html\r\nContent-Length: "
                      + QByteArray::number(QByteArray("<p>page</p>").size()) + "\r\n\r\n" + body);
        socket->flush();
    }

    QTcpServer m_server;
    QList<QPointer<QTcpSocket>> m_sockets;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QStringList m_requests;
};

} // namespace lumaro::test
