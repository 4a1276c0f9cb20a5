// A small HTTP server on 127.0.0.1 and a free port, run by the test's own event
// loop. It serves fixed pages by path and remembers every request it answered.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

class LoopbackServer : public QObject
{
    Q_OBJECT
public:
    explicit LoopbackServer(QObject *parent = nullptr) : QObject(parent)
    {
        connect(&m_server, &QTcpServer::newConnection, this, &LoopbackServer::accept);
    }

    bool start() { return m_server.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return m_server.serverPort(); }
    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
    }

    // path (without query) -> HTML page; anything else is answered 404.
    void setPage(const QString &path, const QByteArray &html) { m_pages.insert(path, html); }

    // Every request line's target (path and query) in the order received.
    QStringList requests() const { return m_requests; }
    bool wasRequested(const QString &pathAndQuery) const { return m_requests.contains(pathAndQuery); }
    int timesRequested(const QString &pathAndQuery) const { return m_requests.count(pathAndQuery); }

signals:
    void requested(const QString &pathAndQuery);

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const int end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
        m_buffers.remove(socket);
        const QString target = requestLine.size() > 1 ? QString::fromLatin1(requestLine.at(1)) : QString();
        const QString path = QUrl(target).path();

        QByteArray status = "200 OK";
        QByteArray body;
        if (path == QLatin1String("/favicon.ico")) {
            status = "404 Not Found";
        } else {
            m_requests.append(target);
            if (m_pages.contains(path))
                body = m_pages.value(path);
            else
                status = "404 Not Found";
        }
        QByteArray reply = "HTTP/1.1 " + status + "\r\n"
                           "Content-Type: text/html; charset=utf-8\r\n"
                           "Cache-Control: no-store\r\n"
                           "Connection: close\r\n"
                           "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
        socket->write(reply);
        socket->disconnectFromHost();
        if (path != QLatin1String("/favicon.ico"))
            emit requested(target);
    }

    QTcpServer m_server;
    QHash<QString, QByteArray> m_pages;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QStringList m_requests;
};
