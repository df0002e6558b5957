#include "link/connectivity.h"
#include "link/soapendpoints.h"
#include "link/soapnetwork.h"
#include "link/soaprequester.h"
#include "link/soapserverintf.h"
#include "platform/logger.h"
#include "soapserverprocess.h"
#include "support/fakes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <memory>

namespace {

const QString kGreetingText = QStringLiteral(" Grüße aus Ostrand – Versand ab 12,50 €");
const QString kFaultText = QStringLiteral("Artikel gesperrt: Bremsbelag für 12,50 €");

QStringList request(const QString& code, const QStringList& parameters = {}) {
    return QStringList{QString(), QString(), QString(), QString(), code} + parameters;
}

// The client side of one test: seams, network thread, requester, proxy.
struct Client {
    ManualClock clock;
    Logger logger{clock};
    ScriptedDialogs dialogs;
    RecordingEnding ending;
    SoapNetwork network;
    Connectivity connectivity{network, logger, clock};
    SoapRequester requester{logger, clock, dialogs, ending, connectivity};
    IQTX_SoapServer proxy{network};

    explicit Client(const QString& url) {
        logger.setWriteLogFile(false);
        connectivity.setConnectUrl(url);
        proxy.setUrl(url);
    }

    struct Answer {
        QStringList lines;
        int code = 0;
        QString message;
        bool raised = false;
    };
    Answer send(const QStringList& lines) {
        Answer a;
        requester.strings2request(proxy, lines, a.lines, a.code, a.message, &a.raised);
        return a;
    }
};

} // namespace

class TestSoapServer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void serverTime();
    void greetingKeepsUmlautsAndEuro();
    void emptyResultGivesOneEmptyLine();
    void unknownCode();
    void faults_data();
    void faults();
    void silentServerEndsAtReadTimeout();
    void getConnection_data();
    void getConnection();
    void getSettings();
    void getFile_data();
    void getFile();
    void wsdl();
    void urlExists_data();
    void urlExists();
    void checkInternetConnection();
    void failoverAfterException();
    void failoverOnCodeMinus3();

private:
    std::unique_ptr<SoapServerProcess> m_server;
    QTemporaryDir m_files;
    QByteArray m_binary;
};

void TestSoapServer::initTestCase() {
    for (int i = 0; i < 256; ++i)
        m_binary += char(i);
    m_binary += "\r\n--MIME_boundary_1\r\n\x80\r\n"; // a fake delimiter inside the file
    const QString path = m_files.filePath(QStringLiteral("binaer.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(m_binary);
    file.close();

    m_server = std::make_unique<SoapServerProcess>();
    QVERIFY2(m_server->start({QStringLiteral("--greeting-text"), kGreetingText, QStringLiteral("--fault"),
                              QStringLiteral("130:error=") + kFaultText, QStringLiteral("--fault"),
                              QStringLiteral("131:delay=20000"), QStringLiteral("--fault"),
                              QStringLiteral("134:close"), QStringLiteral("--fault"),
                              QStringLiteral("135:garbage=abc"), QStringLiteral("--add-file"),
                              QStringLiteral("TEST/BINAER.BIN=") + path}),
             qPrintable(m_server->error()));
}

void TestSoapServer::serverTime() {
    Client c(m_server->soapUrl());
    const auto a = c.send(request(QStringLiteral("994")));
    QCOMPARE(a.code, 0);
    QCOMPARE(a.lines.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                 .match(a.lines.at(0))
                 .hasMatch(),
             qPrintable(a.lines.at(0)));
}

void TestSoapServer::greetingKeepsUmlautsAndEuro() {
    Client c(m_server->soapUrl());
    const auto a = c.send(request(QStringLiteral("990")));
    QCOMPARE(a.code, 0);
    QCOMPARE(a.lines, QStringList{QStringLiteral("(7.1.8000.1)Willkommen") + kGreetingText});
}

void TestSoapServer::emptyResultGivesOneEmptyLine() {
    Client c(m_server->soapUrl());
    const auto a = c.send(request(QStringLiteral("999")));
    QCOMPARE(a.code, 0);
    QCOMPARE(a.message, QString());
    QCOMPARE(a.lines, QStringList{QString()});
}

void TestSoapServer::unknownCode() {
    Client c(m_server->soapUrl());
    const auto a = c.send(request(QStringLiteral("777")));
    QCOMPARE(a.code, 3);
    QVERIFY(!a.raised);
    QCOMPARE(a.lines, QStringList{QStringLiteral("ERR_UNKNOWN_REQUEST")});
}

void TestSoapServer::faults_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("message"); // empty: any transport text
    QTest::newRow("SOAP fault") << QStringLiteral("130") << kFaultText;
    QTest::newRow("connection dropped") << QStringLiteral("134") << QString();
    QTest::newRow("no envelope") << QStringLiteral("135") << QString();
}

void TestSoapServer::faults() {
    QFETCH(QString, code);
    QFETCH(QString, message);
    Client c(m_server->soapUrl());
    const auto a = c.send(request(code, {QStringLiteral("0"), QStringLiteral("4711")}));
    QCOMPARE(a.code, -1);
    QVERIFY(a.raised);
    QVERIFY(a.lines.isEmpty());
    if (message.isEmpty())
        QVERIFY(!a.message.isEmpty());
    else
        QCOMPARE(a.message, message);
    QVERIFY(c.dialogs.shown.isEmpty());
    // The next request on the same proxy still works.
    QCOMPARE(c.send(request(QStringLiteral("994"))).code, 0);
}

void TestSoapServer::silentServerEndsAtReadTimeout() {
    Client c(m_server->soapUrl());
    c.send(request(QStringLiteral("994"))); // connectivity check out of the way
    c.requester.setReadTimeout(1000);
    QElapsedTimer timer;
    timer.start();
    const auto a = c.send(request(QStringLiteral("131"), {QStringLiteral("OC 47")}));
    const qint64 elapsed = timer.elapsed();
    QCOMPARE(a.code, -1);
    QVERIFY2(a.message.contains(QStringLiteral("Zeitüberschreitung")), qPrintable(a.message));
    QVERIFY2(elapsed >= 900 && elapsed < 4000, qPrintable(QString::number(elapsed)));
    QCOMPARE(c.proxy.readTimeout(), 180000); // the proxy's own value is restored
}

void TestSoapServer::getConnection_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("secret");
    QTest::addColumn<int>("result");
    QTest::newRow("umlauts and euro in user and password")
        << QStringLiteral("JÜRGEN") << QStringLiteral("Grüße€1") << 0;
    QTest::newRow("wrong password") << QStringLiteral("JÜRGEN") << QStringLiteral("Grüsse€1") << 60;
}

void TestSoapServer::getConnection() {
    QFETCH(QString, user);
    QFETCH(QString, secret);
    QFETCH(int, result);
    Client c(m_server->soapUrl());
    const QString info =
        QStringList{QStringLiteral("0"), QStringLiteral("6"),          QStringLiteral("10001"), user, secret,
                    QStringLiteral("0"), QStringLiteral("7.1.8000.1"), QStringLiteral("SOAP")}
            .join(QStringLiteral("\r\n"));
    QString antwort;
    int code = -99;
    QString exception;
    QVERIFY2(c.proxy.get_connection(info, antwort, &code, &exception), qPrintable(exception));
    QCOMPARE(code, result);
    const QStringList lines = antwort.split(QStringLiteral("\r\n"));
    if (result != 0) {
        QVERIFY(!lines.first().isEmpty());
        return;
    }
    QVERIFY2(lines.size() >= 16, qPrintable(antwort));
    QCOMPARE(lines.at(1), QStringLiteral("127.0.0.1"));
    QCOMPARE(lines.at(2), QString::number(m_server->tcpPort()));
    QCOMPARE(lines.at(4), m_server->soapUrl());
    QCOMPARE(lines.at(5), QStringLiteral("F15"));
    QCOMPARE(lines.at(9), QStringLiteral("\"F15\";\"Ostrand\";\"18:30\""));
}

void TestSoapServer::getSettings() {
    Client c(m_server->soapUrl());
    QString antwort;
    int code = -99;
    QString exception;
    QVERIFY2(c.proxy.get_settings(QStringLiteral("MANDANT\r\n6"), antwort, &code, &exception),
             qPrintable(exception));
    QCOMPARE(code, 0);
    const QStringList lines = antwort.split(QStringLiteral("\r\n"));
    QVERIFY(lines.size() >= 6);
    for (int i = 0; i < 5; ++i)
        QVERIFY(lines.at(i) == u"0" || lines.at(i) == u"1");
}

void TestSoapServer::getFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::newRow("stored file") << QStringLiteral("TEST/BINAER.BIN") << true;
    QTest::newRow("missing file") << QStringLiteral("TEST/FEHLT.BIN") << false;
}

void TestSoapServer::getFile() {
    QFETCH(QString, name);
    QFETCH(bool, found);
    Client c(m_server->soapUrl());
    QString message;
    QByteArray data;
    QString exception;
    QVERIFY2(c.proxy.get_file(name, message, &data, &exception), qPrintable(exception));
    QCOMPARE(data, found ? m_binary : QByteArray());
    QCOMPARE(message, found ? QString() : QStringLiteral("ERR_FILE_NOT_FOUND"));
}

void TestSoapServer::wsdl() {
    SoapNetwork network;
    HttpExchange x;
    x.method = QByteArrayLiteral("GET");
    x.url = QUrl(m_server->soapUrl() + QStringLiteral("?wsdl"));
    network.execute(x);
    QCOMPARE(x.status, 200);
    QStringList operations;
    QString location;
    QXmlStreamReader r(x.responseBody);
    bool inPortType = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == u"portType")
            inPortType = true;
        if (r.isEndElement() && r.name() == u"portType")
            inPortType = false;
        if (r.isStartElement() && inPortType && r.name() == u"operation")
            operations << r.attributes().value(QStringLiteral("name")).toString();
        if (r.isStartElement() && r.name() == u"address")
            location = r.attributes().value(QStringLiteral("location")).toString();
    }
    QVERIFY2(!r.hasError(), qPrintable(r.errorString()));
    QCOMPARE(operations, (QStringList{QStringLiteral("TimeStamp"), QStringLiteral("get_file"),
                                      QStringLiteral("get_connection"), QStringLiteral("get_settings"),
                                      QStringLiteral("StandardRequest")}));
    QCOMPARE(location, m_server->soapUrl());
    QVERIFY(x.responseBody.contains("soapAction=\"urn:QTX_SoapServerIntf-IQTX_SoapServer#StandardRequest\""));
}

void TestSoapServer::urlExists_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("response");
    QTest::newRow("SOAP path") << QStringLiteral("/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer") << true
                               << QStringLiteral("HTTP/1.1 200 OK");
    QTest::newRow("unknown path") << QStringLiteral("/nothing") << false
                                  << QStringLiteral("HTTP/1.1 404 Not Found");
}

void TestSoapServer::urlExists() {
    QFETCH(QString, path);
    QFETCH(bool, exists);
    QFETCH(QString, response);
    Client c(m_server->soapUrl());
    const QString url = QStringLiteral("http://127.0.0.1:%1").arg(m_server->soapPort()) + path;
    QString text;
    QCOMPARE(c.connectivity.UrlExists(url, false, &text), exists);
    QCOMPARE(text, response);
}

void TestSoapServer::checkInternetConnection() {
    Client c(m_server->soapUrl());
    QString status;
    qint64 ms = -1;
    QVERIFY(c.connectivity.CheckInternetConnection(&status, &ms));
    QCOMPARE(status, QStringLiteral("LAN-Verbindung Status=$2\r\nHTTP/1.1 200 OK"));

    // A dead connect URL: the probe fails with the exception text and the URL.
    const QString dead = QStringLiteral("http://127.0.0.1:1/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer");
    c.connectivity.setConnectUrl(dead);
    QVERIFY(!c.connectivity.CheckInternetConnection(&status, &ms));
    QVERIFY2(status.startsWith(QStringLiteral("LAN-Verbindung Status=$2\r\n")) && status.endsWith(dead),
             qPrintable(status));
}

void TestSoapServer::failoverAfterException() {
    const QString dead = QStringLiteral("http://127.0.0.1:1/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer");
    Client c(dead);
    c.requester.setLastCheck(c.clock.tickCount()); // reachability was just confirmed
    QString trace;
    const auto a =
        SoapEndpoints::firstContact994(c.requester, c.proxy, m_server->soapUrl(), c.logger, &trace);
    QCOMPARE(trace, QStringLiteral("ECR Exception1 ALT "));
    QCOMPARE(a.errorCode, 0);
    QCOMPARE(a.lines.size(), 1);
    QCOMPARE(c.proxy.url(), m_server->soapUrl());

    // The request proxy then uses the backup URL, with the connect proxy's settings.
    c.proxy.client().setProxy(QString(), QStringLiteral("u"), QStringLiteral("p"));
    IQTX_SoapServer requestProxy(c.network);
    const QString url =
        SoapEndpoints::requestProxyUrl(c.proxy.url(), m_server->soapUrl(), QString(), QString(), nullptr);
    SoapEndpoints::setupRequestProxy(requestProxy, c.proxy, url);
    QCOMPARE(requestProxy.url(), m_server->soapUrl());
    QCOMPARE(requestProxy.client().proxyUser(), QStringLiteral("u"));
}

void TestSoapServer::failoverOnCodeMinus3() {
    SoapServerProcess primary;
    QVERIFY2(primary.start({QStringLiteral("--fault"), QStringLiteral("994:soapcode=-3"),
                            QStringLiteral("--fault"), QStringLiteral("990:error=Wartung")}),
             qPrintable(primary.error()));
    Client c(primary.soapUrl());
    QString trace;
    const auto a =
        SoapEndpoints::firstContact994(c.requester, c.proxy, m_server->soapUrl(), c.logger, &trace);
    QCOMPARE(trace, QStringLiteral("ECR L=-3 ALT-3 "));
    QCOMPARE(a.errorCode, 0);
    QCOMPARE(c.proxy.url(), m_server->soapUrl());

    // A failing 990 is shown in a box with the request URL.
    c.proxy.setUrl(primary.soapUrl());
    const auto refused = c.send(request(QStringLiteral("990")));
    QCOMPARE(refused.code, -1);
    QCOMPARE(c.dialogs.shown.size(), 1);
    QCOMPARE(c.dialogs.shown.at(0).title, QStringLiteral("Fehler bei SOAP-Service."));
    QCOMPARE(c.dialogs.shown.at(0).text, QStringLiteral("Wartung\r\n") + primary.soapUrl());
}

QTEST_GUILESS_MAIN(TestSoapServer)
#include "tst_soapserver.moc"
