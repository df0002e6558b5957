#include "link/connectivity.h"
#include "link/soapnetwork.h"
#include "link/soaprequester.h"
#include "link/soapserverintf.h"
#include "link/tcpconnect.h"
#include "link/tcpconnection.h"
#include "link/tcpframings.h"
#include "platform/logger.h"
#include "soapserverprocess.h"
#include "support/fakes.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The client's two transports against one qtx-server: TCP greeting and 994,
// then 990 over SOAP.
class TestSoapTcpSession : public QObject {
    Q_OBJECT
private slots:
    void greetingThen994ThenSoap990();
};

void TestSoapTcpSession::greetingThen994ThenSoap990() {
    SoapServerProcess server;
    QVERIFY2(server.start(), qPrintable(server.error()));
    QTemporaryDir dir;
    ManualClock clock;
    Logger logger(clock);
    logger.setWriteLogFile(false);
    ScriptedDialogs dialogs;
    RecordingEnding ending;
    FakePlatform platform(dir.filePath(QStringLiteral("registry.ini")));

    TcpConnection client;
    TcpConnect tcp(client, logger, dialogs, ending, platform, clock);
    const ConnectResult connected =
        tcp.do_connect(QStringLiteral("127.0.0.1"), QString::number(server.tcpPort()), 5000, 20000,
                       QStringLiteral("Test"), false);
    QVERIFY(connected.connected);
    QVERIFY2(connected.greeting.greeting.startsWith(QStringLiteral("(7.1.8000.1)Willkommen")),
             qPrintable(connected.greeting.greeting));
    QCOMPARE(connected.greeting.serverLevel, 20);
    QVERIFY(!connected.greeting.restart);

    const TcpResult time = TcpFraming::requestServerTime(client.stream(), QStringLiteral("IGetSysDate: "));
    QCOMPARE(time.result, 0);
    QCOMPARE(time.lines.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                 .match(time.lines.at(0))
                 .hasMatch(),
             qPrintable(time.lines.at(0)));

    SoapNetwork network;
    Connectivity connectivity(network, logger, clock);
    connectivity.setConnectUrl(server.soapUrl());
    SoapRequester requester(logger, clock, dialogs, ending, connectivity);
    IQTX_SoapServer proxy(network);
    proxy.setUrl(server.soapUrl());
    TcpConnection unused;
    TcpConnect soap(unused, logger, dialogs, ending, platform, clock);
    soap.setSoapMode(
        [&](const QStringList& request) {
            SoapConnectAnswer a;
            requester.strings2request(proxy, request, a.lines, a.errorCode, a.errorMessage);
            return a;
        },
        server.soapUrl());
    const ConnectResult viaSoap =
        soap.do_connect(QString(), QString(), 5000, 20000, QStringLiteral("Test"), false);
    QVERIFY(viaSoap.connected);
    QCOMPARE(viaSoap.greeting.greeting, connected.greeting.greeting);
    QCOMPARE(viaSoap.greeting.serverLevel, 20);
    QCOMPARE(viaSoap.greeting.description, server.soapUrl() + QStringLiteral("(qtx-server)"));
    QVERIFY(ending.calls.isEmpty());
}

QTEST_GUILESS_MAIN(TestSoapTcpSession)
#include "tst_soaptcpsession.moc"
