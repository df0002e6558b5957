// The SOAP transport through an HTTP proxy that demands credentials: the
// proxy challenges the first request, the client answers with the INI's
// PROXY user and password, and the call goes through.

#include "link/soapclient.h"
#include "link/soapnetwork.h"

#include <QMutex>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>

namespace {

// A plain HTTP proxy in its own thread (the caller blocks while it waits).
// Requests without the expected Proxy-Authorization get a 407 challenge;
// with it, a TimeStamp answer.
class ChallengingProxy : public QThread {
public:
    explicit ChallengingProxy(QByteArray expectedAuthorization)
        : m_expected(std::move(expectedAuthorization)) {}

    quint16 port() const { return m_port.loadAcquire(); }
    QList<QByteArray> heads() const {
        QMutexLocker lock(&m_mutex);
        return m_heads;
    }
    int challenges() const { return m_challenges.loadAcquire(); }

protected:
    void run() override {
        QTcpServer server;
        if (!server.listen(QHostAddress::LocalHost, 0))
            return;
        m_port.storeRelease(server.serverPort());
        QTcpSocket* socket = nullptr;
        for (int served = 0; served < 4;) {
            if (!socket || socket->state() != QAbstractSocket::ConnectedState) {
                delete socket;
                if (!server.waitForNewConnection(5000))
                    return;
                socket = server.nextPendingConnection();
                socket->setParent(nullptr);
            }
            QByteArray data;
            while (!data.contains("\r\n\r\n")) {
                if (!socket->waitForReadyRead(5000)) {
                    delete socket;
                    socket = nullptr;
                    break;
                }
                data += socket->readAll();
            }
            if (!socket)
                continue;
            const qsizetype end = data.indexOf("\r\n\r\n") + 4;
            const QByteArray head = data.left(end);
            qsizetype length = 0;
            for (const QByteArray& line : head.split('\n')) {
                if (line.toLower().startsWith("content-length:"))
                    length = line.mid(15).trimmed().toLongLong();
            }
            while (data.size() - end < length && socket->waitForReadyRead(5000))
                data += socket->readAll();
            {
                QMutexLocker lock(&m_mutex);
                m_heads.append(head);
            }
            ++served;
            if (!head.contains(QByteArray("Proxy-Authorization: ").append(m_expected))) {
                m_challenges.fetchAndAddRelease(1);
                socket->write("HTTP/1.1 407 Proxy Authentication Required\r\n"
                              "Proxy-Authenticate: Basic realm=\"qtx\"\r\n"
                              "Content-Length: 0\r\n\r\n");
                socket->waitForBytesWritten(5000);
                continue;
            }
            SoapMessage answer;
            answer.operation = QStringLiteral("TimeStampResponse");
            answer.addString(QStringLiteral("return"), QStringLiteral("10.12.2026 09:00:00"));
            const QByteArray body = SoapEnvelope::write(answer);
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: " +
                          QByteArray::number(body.size()) + "\r\n\r\n" + body);
            socket->waitForBytesWritten(5000);
            socket->disconnectFromHost();
            break;
        }
        delete socket;
    }

private:
    QByteArray m_expected;
    QAtomicInt m_port{0};
    QAtomicInt m_challenges{0};
    mutable QMutex m_mutex;
    QList<QByteArray> m_heads;
};

SoapMessage timeStampCall() {
    SoapMessage call;
    call.operation = QStringLiteral("TimeStamp");
    call.addString(QStringLiteral("ID"), QStringLiteral("1"));
    return call;
}

} // namespace

class TestSoapProxy : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void credentialsAnswerTheChallenge() {
        // Basic credentials travel in Latin-1 unless the proxy asks for UTF-8.
        ChallengingProxy proxy(QByteArray("Basic ") + QByteArray("meier:Gr\xfc\xdf"
                                                                 "e")
                                                          .toBase64());
        proxy.start();
        QTRY_VERIFY(proxy.port() != 0);

        SoapNetwork network;
        SoapClient client(network);
        // The server itself does not exist: only the proxy can answer.
        client.setUrl(
            QStringLiteral("http://shop.durnak.example/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer"));
        client.setProxy(QStringLiteral("http://127.0.0.1:%1").arg(proxy.port()), QStringLiteral("meier"),
                        QStringLiteral("Grüße"));
        const SoapCallResult result = client.call(timeStampCall(), 10000);
        QVERIFY2(!result.raised, qPrintable(result.exceptionText));
        QCOMPARE(result.response.value(QStringLiteral("return")), QStringLiteral("10.12.2026 09:00:00"));
        QVERIFY(proxy.wait(5000));
        QCOMPARE(proxy.challenges(), 1);
        const QList<QByteArray> heads = proxy.heads();
        QCOMPARE(heads.size(), 2);
        // Through a proxy the request line carries the absolute URL.
        QVERIFY(heads.last().startsWith(
            "POST http://shop.durnak.example/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer HTTP/1.1"));
        QVERIFY(heads.last().contains("SOAPAction: \"urn:QTX_SoapServerIntf-IQTX_SoapServer#TimeStamp\"") ||
                heads.last().contains("SOAPAction: urn:QTX_SoapServerIntf-IQTX_SoapServer#TimeStamp"));
    }

    void wrongCredentialsFailAsRaised() {
        ChallengingProxy proxy(QByteArray("Basic ") + QByteArray("meier:richtig").toBase64());
        proxy.start();
        QTRY_VERIFY(proxy.port() != 0);
        SoapNetwork network;
        SoapClient client(network);
        client.setUrl(QStringLiteral("http://shop.durnak.example/soap/IQTX_SoapServer"));
        client.setProxy(QStringLiteral("http://127.0.0.1:%1").arg(proxy.port()), QStringLiteral("meier"),
                        QStringLiteral("falsch"));
        const SoapCallResult result = client.call(timeStampCall(), 10000);
        QVERIFY(result.raised);
        QVERIFY(!result.exceptionText.isEmpty());
        proxy.wait(12000);
    }
};

QTEST_GUILESS_MAIN(TestSoapProxy)
#include "tst_soapproxy.moc"
