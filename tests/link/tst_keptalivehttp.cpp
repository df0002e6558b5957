// The SOAP calls' kept-alive connection against a server that closes
// connections on its own: after every answer, or without answering.

#include "closedport.h"
#include "link/soapnetwork.h"

#include <QAtomicInt>
#include <QTcpServer>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

// Answers each request with its number; closes the connection after each
// answer when asked to, or never answers at all.
class ClosingServer : public QThread {
public:
    enum class Mode { CloseAfterAnswer, KeepOpen, Silent };
    ClosingServer(Mode mode, int requests)
        : m_mode(mode)
        , m_requests(requests) {}

    quint16 port() const { return quint16(m_port.loadAcquire()); }
    int connections() const { return m_connections.loadAcquire(); }

protected:
    void run() override {
        QTcpServer server;
        if (!server.listen(QHostAddress::LocalHost, 0))
            return;
        m_port.storeRelease(server.serverPort());
        QTcpSocket* socket = nullptr;
        for (int served = 0; served < m_requests;) {
            if (!socket || socket->state() != QAbstractSocket::ConnectedState) {
                delete socket;
                if (!server.waitForNewConnection(5000))
                    return;
                socket = server.nextPendingConnection();
                socket->setParent(nullptr);
                m_connections.fetchAndAddRelease(1);
            }
            QByteArray data;
            while (!data.contains("\r\n\r\n") && socket->waitForReadyRead(5000))
                data += socket->readAll();
            if (!data.contains("\r\n\r\n")) {
                delete socket;
                socket = nullptr;
                continue;
            }
            ++served;
            if (m_mode == Mode::Silent) {
                // Swallows the rest of the request (a body may come in a
                // later segment) and stays silent until the client gives up.
                while (socket->waitForReadyRead(3000))
                    socket->readAll();
                continue;
            }
            const QByteArray body = QByteArray::number(served);
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: " +
                          QByteArray::number(body.size()) + "\r\n\r\n" + body);
            socket->waitForBytesWritten(5000);
            if (m_mode == Mode::CloseAfterAnswer) {
                socket->disconnectFromHost();
                if (socket->state() != QAbstractSocket::UnconnectedState)
                    socket->waitForDisconnected(1000);
            }
        }
        delete socket;
    }

private:
    Mode m_mode;
    int m_requests;
    QAtomicInt m_port{0};
    QAtomicInt m_connections{0};
};

HttpExchange post(quint16 port, int timeoutMs = 5000) {
    HttpExchange x;
    x.url = QUrl(u"http://127.0.0.1:%1/soap"_s.arg(port));
    x.body = "<call/>";
    x.timeoutMs = timeoutMs;
    x.headers.append({QByteArrayLiteral("Content-Type"), QByteArrayLiteral("text/xml; charset=utf-8")});
    return x;
}

} // namespace

class TestKeptAliveHttp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void connectionIsKeptOrRenewed_data() {
        QTest::addColumn<bool>("closing");
        QTest::addColumn<int>("connections");
        QTest::newRow("server keeps it") << false << 1;
        QTest::newRow("server closes after each answer") << true << 3;
    }
    void connectionIsKeptOrRenewed() {
        QFETCH(bool, closing);
        ClosingServer server(closing ? ClosingServer::Mode::CloseAfterAnswer : ClosingServer::Mode::KeepOpen,
                             3);
        server.start();
        QTRY_VERIFY(server.port() != 0);
        SoapNetwork network;
        for (int i = 1; i <= 3; ++i) {
            HttpExchange x = post(server.port());
            network.execute(x);
            QVERIFY2(x.transportOk, qPrintable(x.errorText));
            QCOMPARE(x.status, 200);
            QCOMPARE(x.responseBody, QByteArray::number(i));
            QCOMPARE(x.contentType, QByteArray("text/xml"));
        }
        QVERIFY(server.wait(5000));
        QTEST(server.connections(), "connections");
    }

    void silentServerRunsIntoTheTimeout() {
        ClosingServer server(ClosingServer::Mode::Silent, 1);
        server.start();
        QTRY_VERIFY(server.port() != 0);
        SoapNetwork network;
        HttpExchange x = post(server.port(), 300);
        network.execute(x);
        QVERIFY(!x.transportOk);
        QVERIFY2(x.errorText.startsWith(u"Zeitüberschreitung nach 300 ms"_s), qPrintable(x.errorText));
        QVERIFY(server.wait(5000));
    }

    void refusedConnectionIsAnError() {
        SoapNetwork network;
        HttpExchange x = post(closedPort());
        network.execute(x);
        QVERIFY(!x.transportOk);
        QVERIFY(!x.errorText.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestKeptAliveHttp)
#include "tst_keptalivehttp.moc"
