#pragma once

#include "faults.h"
#include "serverrequest.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>

#include <functional>

class QTcpServer;
class QTcpSocket;
struct TcpParsedRequest;

// The server's TCP front: greets every client as soon as it connects, cuts
// requests from the stream by the framing of their code, hands them to the
// dispatcher and frames the reply. Logout 999 closes the connection.
//
// What the handler's reply means per framing:
//   stream, status, acknowledge, parameter lines: lines is the payload list;
//     status != 0 or a non-empty errorText reports a failure (status framing:
//     status and errorText are the status and message lines);
//   command: lines are the data lines after the error line (record count and
//     records); 999: lines are sent as they are;
//   994: lines[0] is the date-time line; 301: lines[0] the file name and
//     fileData the bytes; 400: lines[0] the mail id.
class TcpFront : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<ServerReply(const ServerRequest&)>;
    // Answers through the callback, on this front's thread, now or later; the
    // connection takes no further request until then.
    using Reply = std::function<void(const ServerReply&)>;
    using AsyncHandler = std::function<void(const ServerRequest&, Reply)>;

    TcpFront(Handler handler, const FaultTable& faults, QObject* parent = nullptr);
    TcpFront(AsyncHandler handler, const FaultTable& faults, QObject* parent = nullptr);
    ~TcpFront() override;

    // The full greeting line sent on connect.
    void setGreeting(const QString& line) { m_greeting = line; }
    QString greeting() const { return m_greeting; }

    bool listen(const QHostAddress& address, quint16 port);
    quint16 serverPort() const;

    // "(" + version + ")Willkommen ..."; maintenance puts "990 ***" in front,
    // refuse gives a greeting that begins with "X".
    static QString greetingLine(const QString& version, bool maintenance, bool refuse);

    // The reply bytes for one parsed request, faults applied (close excepted).
    static QByteArray frameReply(const TcpParsedRequest& request, const ServerReply& reply,
                                 const Fault& fault);

private:
    struct Connection {
        QByteArray buffer;
        bool busy = false;
        QString session; // unique for the server's lifetime
    };

    void onNewConnection();
    void processBuffer(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const TcpParsedRequest& request);
    void send(QTcpSocket* socket, const TcpParsedRequest& request, const ServerReply& reply,
              const Fault& fault);

    AsyncHandler m_handler;
    FaultTable m_faults;
    QString m_greeting;
    QTcpServer* m_server;
    QHash<QTcpSocket*, Connection> m_connections;
    quint64 m_nextSession = 1;
};
