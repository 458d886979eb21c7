#pragma once
// A mail relay for a test: speaks just enough SMTP on a loopback port to take messages and
// keeps each one's text.

#include <QHash>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

class SmtpSink : public QObject {
public:
    SmtpSink()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                socket->write("220 sink ESMTP\r\n");
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
                connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                    m_sessions.remove(socket);
                    socket->deleteLater();
                });
            }
        });
    }

    quint16 port() const { return m_server.serverPort(); }
    void close() { m_server.close(); }
    QStringList messages;

private:
    struct Session {
        QByteArray pending;
        bool inData = false;
        QString message;
    };

    void serve(QTcpSocket* socket)
    {
        Session& session = m_sessions[socket];
        session.pending += socket->readAll();
        for (int end = session.pending.indexOf("\r\n"); end >= 0; end = session.pending.indexOf("\r\n")) {
            const QByteArray line = session.pending.left(end);
            session.pending.remove(0, end + 2);
            if (session.inData) {
                if (line == ".") {
                    session.inData = false;
                    messages << session.message;
                    socket->write("250 queued\r\n");
                } else {
                    session.message += QString::fromUtf8(line) + "\n";
                }
                continue;
            }
            const QByteArray verb = line.left(4).toUpper();
            if (verb == "EHLO" || verb == "HELO") {
                socket->write("250 sink\r\n");
            } else if (verb == "DATA") {
                session.inData = true;
                session.message.clear();
                socket->write("354 end with .\r\n");
            } else if (verb == "QUIT") {
                socket->write("221 bye\r\n");
                socket->disconnectFromHost();
                return;
            } else {
                socket->write("250 ok\r\n");
            }
        }
    }

    QTcpServer m_server;
    QHash<QTcpSocket*, Session> m_sessions;
};
