#include "link/connectivity.h"
#include "link/soapendpoints.h"
#include "link/soapinvokeoptions.h"
#include "link/soapnetwork.h"
#include "link/soaprequester.h"
#include "link/soapserverintf.h"
#include "model/uitexts.h"
#include "platform/logger.h"
#include "support/fakes.h"

#include <QTest>

namespace {
// The seams and the connectivity check of strings2request, without a server.
struct GateRig {
    ManualClock clock;
    Logger logger{clock};
    ScriptedDialogs dialogs;
    RecordingEnding ending;
    SoapNetwork network;
    Connectivity connectivity{network, logger, clock};
    GateRig() { logger.setWriteLogFile(false); }
};
} // namespace

// strings2request without a server: the connectivity gate, and the helpers
// around the SOAP transport.
class TestSoapRequester : public QObject {
    Q_OBJECT
private slots:
    void connectivityGate_data();
    void connectivityGate();
    void unreachableBackupEndsAfterBothChecks();
    void checkAnswerLines_data();
    void checkAnswerLines();
    void invokeOptions_data();
    void invokeOptions();
    void requestProxyUrl_data();
    void requestProxyUrl();
    void statusText_data();
    void statusText();
};

void TestSoapRequester::connectivityGate_data() {
    QTest::addColumn<qint64>("lastCheckOffset"); // relative to now; 0 = never checked
    QTest::addColumn<bool>("checks");
    QTest::newRow("never checked") << qint64(0) << true;
    QTest::newRow("checked just now") << qint64(-1) << false;
    QTest::newRow("idle interval passed") << qint64(-180001) << true;
    QTest::newRow("last check in the future counts as elapsed") << qint64(5000) << true;
}

void TestSoapRequester::connectivityGate() {
    QFETCH(qint64, lastCheckOffset);
    QFETCH(bool, checks);
    GateRig rig;
    auto& [clock, logger, dialogs, ending, network, connectivity] = rig;
    int probes = 0;
    connectivity.setStateProbe([&](const QUrl&) {
        ++probes;
        return quint32(0); // no connection at all
    });
    struct Host final : SoapRequester::Host {
        QStringList noInternetTexts;
        void soapBusy(bool) override {}
        void noInternet(const QString& status) override { noInternetTexts << status; }
    } host;
    SoapRequester requester(logger, clock, dialogs, ending, connectivity);
    requester.setHost(&host);
    if (lastCheckOffset != 0)
        requester.setLastCheck(clock.tickCount() + lastCheckOffset);

    IQTX_SoapServer proxy(network);
    proxy.setUrl(QStringLiteral("http://127.0.0.1:1/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer"));
    QStringList answer{QStringLiteral("old")};
    int code = 0;
    QString message;
    bool raised = false;
    requester.strings2request(proxy, {QString(), QString(), QString(), QString(), QStringLiteral("994")},
                              answer, code, message, &raised);
    QCOMPARE(probes, checks ? 1 : 0);
    if (checks) {
        const QString status = QStringLiteral("Keine Internetverbindung Status=$0\r\n");
        QCOMPARE(code, -53);
        QCOMPARE(message, status);
        QVERIFY(!raised);
        QVERIFY(answer.isEmpty());
        QCOMPARE(host.noInternetTexts, QStringList{status});
        QCOMPARE(ending.calls.size(), 1);
        QCOMPARE(ending.calls.at(0).routine, QStringLiteral("SetTerminateTimeout_halt"));
        QCOMPARE(ending.calls.at(0).text,
                 status +
                     QStringLiteral(
                         "\r\nVerbindung zum Server wurde unterbrochen.\r\nBitte Programm neu starten."));
    } else {
        // Sent to a closed port: the exception path.
        QCOMPARE(code, -1);
        QVERIFY(raised);
        QVERIFY(!message.isEmpty());
        QVERIFY(ending.calls.isEmpty());
        QVERIFY(dialogs.shown.isEmpty()); // the box is for 990 only
    }
}

// During the first contact an unreachable primary moves the proxy to the
// backup; only when that fails its check too does the program end, once.
void TestSoapRequester::unreachableBackupEndsAfterBothChecks() {
    GateRig rig;
    auto& [clock, logger, dialogs, ending, network, connectivity] = rig;
    QStringList probed;
    connectivity.setStateProbe([&](const QUrl&) {
        probed << connectivity.connectUrl();
        return quint32(0);
    });
    const QString primary = QStringLiteral("http://127.0.0.1:1/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer");
    const QString backup = QStringLiteral("http://127.0.0.1:2/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer");
    connectivity.setConnectUrl(primary);
    SoapRequester requester(logger, clock, dialogs, ending, connectivity);
    requester.setFailoverUrl(backup);
    IQTX_SoapServer proxy(network);
    proxy.setUrl(primary);
    QStringList answer;
    int code = 0;
    QString message;
    requester.strings2request(proxy, {QString(), QString(), QString(), QString(), QStringLiteral("990")},
                              answer, code, message);
    QCOMPARE(probed, (QStringList{primary, backup}));
    QCOMPARE(proxy.url(), backup);
    QCOMPARE(code, -53);
    QCOMPARE(ending.calls.size(), 1);
}

void TestSoapRequester::checkAnswerLines_data() {
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("text");
    QTest::newRow("enough") << QStringList{QStringLiteral("a"), QStringLiteral("b")} << 2 << true
                            << QString();
    QTest::newRow("no minimum") << QStringList() << 0 << true << QString();
    QTest::newRow("too short") << QStringList{QStringLiteral("ERR_ARTIKEL_NOT_FOUND")} << 143 << false
                               << QStringLiteral(
                                      "GetArtikel Fehler: ERR_ARTIKEL_NOT_FOUND\r\n143 Zeilen erwartet, 1 "
                                      "Zeilen erhalten.");
    QTest::newRow("empty") << QStringList() << 1 << false
                           << QStringLiteral("GetArtikel Fehler: keine Antwort erhalten.");
}

void TestSoapRequester::checkAnswerLines() {
    QFETCH(QStringList, answer);
    QFETCH(int, expected);
    QFETCH(bool, ok);
    QFETCH(QString, text);
    ManualClock clock;
    Logger logger(clock);
    ScriptedDialogs dialogs;
    RecordingEnding ending;
    SoapNetwork network;
    Connectivity connectivity(network, logger, clock);
    SoapRequester requester(logger, clock, dialogs, ending, connectivity);
    QString why;
    QCOMPARE(requester.CheckAnswerLines(false, QStringLiteral("GetArtikel"), answer, expected, &why), ok);
    QCOMPARE(why, text);
    QVERIFY(dialogs.shown.isEmpty());
    requester.CheckAnswerLines(true, QStringLiteral("GetArtikel"), answer, expected);
    QCOMPARE(dialogs.shown.size(), ok ? 0 : 1);
    if (!ok)
        QCOMPARE(dialogs.shown.at(0).text, text);
}

void TestSoapRequester::invokeOptions_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("effective");
    QTest::addColumn<bool>("ignoreCertificates");
    QTest::newRow("default 01010") << QStringLiteral("01010") << QStringLiteral("01010") << true;
    QTest::newRow("four characters: all off") << QStringLiteral("0101") << QStringLiteral("00000") << false;
    QTest::newRow("six characters: all off") << QStringLiteral("010101") << QStringLiteral("00000") << false;
    QTest::newRow("certificates checked") << QStringLiteral("10100") << QStringLiteral("10100") << false;
    QTest::newRow("other characters are off") << QStringLiteral("x1y1z") << QStringLiteral("01010") << true;
}

void TestSoapRequester::invokeOptions() {
    QFETCH(QString, text);
    QFETCH(QString, effective);
    QFETCH(bool, ignoreCertificates);
    const SoapInvokeOptions o = SoapInvokeOptions::fromString(text);
    QCOMPARE(o.toString(), effective);
    QCOMPARE(o.ignoreInvalidCertificates, ignoreCertificates);
}

void TestSoapRequester::requestProxyUrl_data() {
    QTest::addColumn<QString>("connectUrl");
    QTest::addColumn<QString>("serverUrl");
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("tcpHost");
    const QString primary = QStringLiteral("http://shop.example/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer");
    const QString backup = QStringLiteral("http://backup.example/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer");
    const QString served = QStringLiteral("http://req.example/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer");
    QTest::newRow("server's URL") << primary << served << QString() << served << QString();
    QTest::newRow("no URL from the server")
        << primary << QStringLiteral("-") << QString() << primary << QString();
    QTest::newRow("already on the backup")
        << backup << served << QString() << backup << QStringLiteral("backup.example");
    QTest::newRow("INI wins") << backup << served << QStringLiteral("http://ini.example/x")
                              << QStringLiteral("http://ini.example/x") << QStringLiteral("backup.example");
}

void TestSoapRequester::requestProxyUrl() {
    QFETCH(QString, connectUrl);
    QFETCH(QString, serverUrl);
    QFETCH(QString, ini);
    QFETCH(QString, url);
    QFETCH(QString, tcpHost);
    const QString backup = QStringLiteral("http://backup.example/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer");
    QString host;
    QCOMPARE(SoapEndpoints::requestProxyUrl(connectUrl, backup, serverUrl, ini, &host), url);
    QCOMPARE(host, tcpHost);
}

void TestSoapRequester::statusText_data() {
    QTest::addColumn<QString>("words");
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<QString>("text");
    const QString standard = Txt::germanText(Txt::Internetstatus);
    QTest::newRow("none") << standard << quint32(0)
                          << QStringLiteral("Keine Internetverbindung Status=$0\r\nR");
    QTest::newRow("LAN") << standard << quint32(0x02) << QStringLiteral("LAN-Verbindung Status=$2\r\nR");
    QTest::newRow("modem and LAN: the last wins")
        << standard << quint32(0x03) << QStringLiteral("LAN-Verbindung Status=$3\r\nR");
    QTest::newRow("busy") << standard << quint32(0x0a) << QStringLiteral("Modem Busy Status=$a\r\nR");
    QTest::newRow("five words: all empty")
        << QStringLiteral("a;b;c;d;e") << quint32(0x02) << QStringLiteral(" =$2\r\nR");
}

void TestSoapRequester::statusText() {
    QFETCH(QString, words);
    QFETCH(quint32, flags);
    QFETCH(QString, text);
    ManualClock clock;
    Logger logger(clock);
    SoapNetwork network;
    Connectivity connectivity(network, logger, clock);
    Txt::set(Txt::Internetstatus, words);
    const QString shown = connectivity.statusText(flags, QStringLiteral("R"));
    Txt::resetAll();
    QCOMPARE(shown, text);
}

QTEST_GUILESS_MAIN(TestSoapRequester)
#include "tst_soaprequester.moc"
