#include "closedport.h"
#include "fakes.h"
#include "link/requestbracket.h"
#include "link/tcpconnect.h"
#include "link/tcpconnection.h"
#include "platform/logger.h"
#include "scriptedpeer.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString sharedKey = u"Software\\Zelmor\\QTX-Client"_s;

// The seams and the connection one do_connect needs.
// What the session lends the bracket, recorded.
struct BracketHost final : RequestBracket::Host {
    QList<bool> cursor;
    QStringList saved;
    QStringList memo;
    void setWaitCursor(bool wait) override { cursor.append(wait); }
    bool importRunning() const override { return false; }
    void autoOrderMemo(const QString& text) override { memo.append(text); }
    void saveCounter(const QString& info) override { saved.append(info); }
};

struct Session {
    QTemporaryDir dir;
    ManualClock clock;
    Logger logger{clock};
    ScriptedDialogs dialogs;
    RecordingEnding ending;
    FakePlatform platform{dir.filePath(u"registry.ini"_s)};
    TcpConnection client;
    TcpConnect connector{client, logger, dialogs, ending, platform, clock};
    QStringList log;

    Session() {
        QObject::connect(&logger, &Logger::memoAppended, &logger,
                         [this](const QString& l) { log.append(l); });
    }
    bool logged(const QString& start) const {
        for (const QString& l : log) {
            if (l.startsWith(start))
                return true;
        }
        return false;
    }
};

} // namespace

class TestTcpConnect : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void greeting_data() {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("restart");
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<QString>("note");
        QTest::newRow("level 18, note appended") << QByteArray("(7.1.6554.0)Willkommen (x)\r\n") << true << 18
                                                 << false << u"(7.1.6554.0)Willkommen (x)"_s << u"(x)"_s;
        QTest::newRow("threshold version gives 0") << QByteArray("(7.0.6193.0)Willkommen\r\n") << true << 0
                                                   << false << u"(7.0.6193.0)Willkommen"_s << QString();
        QTest::newRow("restart flag, level 20") << QByteArray("990 ***(7.1.7327.0)Willkommen\r\n") << true
                                                << 20 << true << u"(7.1.7327.0)Willkommen"_s << QString();
        QTest::newRow("waiting data joins the greeting")
            << QByteArray("(7.1.6351.1)Willkommen\r\nWartung um 22 Uhr\r\n") << true << 18 << false
            << u"(7.1.6351.1)Willkommen\r\nWartung um 22 Uhr\r\n"_s << QString();
        QTest::newRow("refused") << QByteArray("X Zugang gesperrt\r\n") << false << 0 << false
                                 << u"X Zugang gesperrt"_s << QString();
    }
    void greeting() {
        QFETCH(QByteArray, sent);
        QFETCH(bool, connected);
        QFETCH(int, level);
        QFETCH(bool, restart);
        QFETCH(QString, greeting);
        QFETCH(QString, note);
        ScriptedPeer peer;
        const quint16 port = peer.start({{0, {sent}, 0, false}});
        Session s;
        const ConnectResult r = s.connector.do_connect(u"127.0.0.1"_s, QString::number(port), 3000, 3000,
                                                       u"Erstes_connect nach WAS"_s, true);
        const QString description = u"ServerIP=127.0.0.1 Port="_s + QString::number(port) + u" "_s;
        QCOMPARE(r.connected, connected);
        QCOMPARE(r.greeting.serverLevel, level);
        QCOMPARE(r.greeting.restart, restart);
        QCOMPARE(r.greeting.greeting, greeting);
        QCOMPARE(r.greeting.description, description + note);
        QVERIFY(s.logged(u"do_connect GetResponse: \""_s));
        if (connected) {
            QVERIFY(s.ending.calls.isEmpty());
            QVERIFY(s.logged(u"Ende do_connect TCP ticks="_s));
        } else {
            QCOMPARE(s.ending.calls.size(), 1);
            QCOMPARE(s.ending.calls.first().text,
                     u"Connect nicht erfolgreich!\r\n"_s + description + u"\r\n"_s + greeting);
        }
    }

    void connectFails_data() {
        QTest::addColumn<bool>("terminate");
        QTest::newRow("ends the program") << true;
        QTest::newRow("returns not connected") << false;
    }
    void connectFails() {
        QFETCH(bool, terminate);
        Session s;
        const QString port = QString::number(closedPort());
        const ConnectResult r = s.connector.do_connect(u"127.0.0.1"_s, port, 2000, 2000, u"x"_s, terminate);
        QVERIFY(!r.connected);
        QCOMPARE(
            s.platform.registry().readString(RegistryStore::HKEY_CURRENT_USER, sharedKey, u"IMPORTAKTIV"_s),
            u"NEIN"_s);
        QVERIFY(s.logged(u"do_connect Exception: "_s));
        QVERIFY(s.logged(
            terminate
                ? u"tryconnect Programm wird beendet: Beim Aufbau der Verbindung trat ein Fehler auf. "_s
                : u"tryconnect EXIT! Beim Aufbau der Verbindung trat ein Fehler auf. "_s));
        QCOMPARE(s.ending.calls.size(), terminate ? 1 : 0);
        if (terminate)
            QVERIFY(s.ending.calls.first().text.endsWith(u" ServerIP=127.0.0.1 Port="_s + port + u" "_s));
    }

    void alreadyConnectedIsRefused() {
        ScriptedPeer peer;
        const quint16 port = peer.start({{0, {"(7.1.7327.0)Willkommen\r\n"}, 0, false}});
        Session s;
        QVERIFY(s.connector.do_connect(u"127.0.0.1"_s, QString::number(port), 3000, 3000, u"a"_s, true)
                    .connected);
        const ConnectResult again =
            s.connector.do_connect(u"127.0.0.1"_s, QString::number(port), 3000, 3000, u"Reconnect"_s, true);
        QVERIFY(!again.connected);
        QCOMPARE(s.dialogs.shown.size(), 1);
        QCOMPARE(s.dialogs.shown.first().title, u"Fehler bei Verbindungsaufbau"_s);
        QCOMPARE(s.dialogs.shown.first().text,
                 u"Bereits verbunden, erneut verbinden nicht möglich.\r\nReconnect"_s);
        QVERIFY(s.logged(u"do_connect Bereits connected !? LoggedIn=FALSE"_s));
        QCOMPARE(s.ending.calls.size(), 1);
    }

    void shuttingDownDoesNotConnect() {
        Session s;
        s.ending.setDestroyStatus(Ending::EndRequested);
        const ConnectResult r = s.connector.do_connect(u"127.0.0.1"_s, u"1"_s, 100, 100, u"x"_s, true);
        QVERIFY(!r.connected);
        QVERIFY(s.logged(u"do_connect Connected=false exit"_s));
        QVERIFY(s.ending.calls.isEmpty());
    }

    void soapModeAsks990() {
        Session s;
        QStringList asked;
        s.connector.setSoapMode(
            [&](const QStringList& request) {
                asked = request;
                return SoapConnectAnswer{{u"(7.1.6554.0)Willkommen (SOAP)"_s, u"17"_s}, 0, QString()};
            },
            u"http://127.0.0.1:8080/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer"_s);
        const ConnectResult r = s.connector.do_connect(QString(), QString(), 100, 100, u"x"_s, true);
        QCOMPARE(asked, (QStringList{QString(), QString(), QString(), QString(), u"990"_s}));
        QVERIFY(r.connected);
        QCOMPARE(r.greeting.serverLevel, 18);
        QCOMPARE(r.greeting.description,
                 u"http://127.0.0.1:8080/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer(SOAP)"_s);
    }

    void checkSocketError_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("closeFirst");
        QTest::addColumn<bool>("broken");
        QTest::newRow("success") << QString() << false << false;
        QTest::newRow("ordinary error") << u"IGetArtikel: ERR_ARTIKEL_NOT_FOUND"_s << false << false;
        QTest::newRow("socket error, lower case") << u"IVKKLGet2 socket error # 10054"_s << false << false;
        QTest::newRow("Socket Error") << u"x Socket Error # 10054"_s << false << true;
        QTest::newRow("Zeitüberschreitung") << u"Zeitüberschreitung"_s << false << true;
        QTest::newRow("Verbindung zum Server")
            << u"P: Verbindung zum Server wurde unterbrochen!"_s << false << true;
        QTest::newRow("is broken") << u"pipe is broken"_s << false << true;
        QTest::newRow("Wartungsarbeiten") << u"Wartungsarbeiten bis 6 Uhr"_s << false << true;
        QTest::newRow("closed connection") << QString() << true << true;
    }
    void checkSocketError() {
        QFETCH(QString, text);
        QFETCH(bool, closeFirst);
        QFETCH(bool, broken);
        ScriptedPeer peer;
        const quint16 port = peer.start({});
        Session s;
        s.client.setHost(u"127.0.0.1"_s);
        s.client.setPort(port);
        QVERIFY(s.client.connectToServer(nullptr));
        if (closeFirst)
            s.client.abort();
        RequestBracket bracket(s.client, s.logger, s.ending, s.clock);
        BracketHost host;
        bracket.setHost(&host);
        bracket.waitforping();
        QVERIFY(bracket.busy());
        s.clock.advance(500);
        bracket.afterRequest(text);
        QVERIFY(bracket.tPing().isActive());
        QVERIFY(!bracket.busy());
        QCOMPARE(host.cursor, (QList<bool>{true, false}));
        if (!broken) {
            QVERIFY(s.ending.calls.isEmpty());
            QCOMPARE(bracket.lastExchange(), s.clock.tickCount());
            return;
        }
        const QString state =
            closeFirst ? u"\r\nClientStatus: nicht verbunden. "_s : u"\r\nClientStatus: verbunden. "_s;
        QCOMPARE(s.ending.calls.size(), 1);
        QCOMPARE(s.ending.calls.first().text, text + state + u" Programm wird beendet."_s);
        QCOMPARE(host.saved, QStringList{u"check_socket_error "_s + text});
        QCOMPARE(s.client.readTimeout(), 100);
        QCOMPARE(s.client.connectTimeout(), 100);
        QVERIFY(s.logged(u"check_socket_error "_s + text + state + u" Timeout=100 setzen:"_s));
    }

    void socketErrorWithoutEnding() {
        ScriptedPeer peer;
        const quint16 port = peer.start({});
        Session s;
        s.client.setHost(u"127.0.0.1"_s);
        s.client.setPort(port);
        QVERIFY(s.client.connectToServer(nullptr));
        RequestBracket bracket(s.client, s.logger, s.ending, s.clock);
        bracket.setTerminateOnSocketError(false);
        bracket.check_socket_error(u"Socket Error # 10053"_s);
        QVERIFY(s.ending.calls.isEmpty());
        QVERIFY(s.logged(
            u"check_socket_error Socket Error # 10053\r\nClientStatus: verbunden.  _terminate_socketerror=false"_s));
        bracket.setSoapMode(true);
        bracket.check_socket_error(u"Socket Error"_s);
        QVERIFY(s.logged(u"SOAP ?check_socket_error? Socket Error"_s));
        QVERIFY(s.ending.calls.isEmpty());
    }

    void waitforpingPacesRequests() {
        ScriptedPeer peer;
        const quint16 port = peer.start({{0, {"stale\r\n"}, 0, false}});
        Session s;
        s.client.setHost(u"127.0.0.1"_s);
        s.client.setPort(port);
        QVERIFY(s.client.connectToServer(nullptr));
        QVERIFY(s.client.stream().waitForData(2000) == TcpStream::Read::Ok);
        RequestBracket bracket(s.client, s.logger, s.ending, s.clock);
        QList<int>& pauses = s.clock.pauses;
        bracket.setPing(true);
        bracket.waitforping(); // tPing stopped: wait the second
        QCOMPARE(pauses, QList<int>{1000});
        QCOMPARE(s.client.socket()->bytesAvailable(), 0);
        QVERIFY(!bracket.tPing().isActive());
        bracket.afterRequest(QString());
        bracket.waitforping(); // tPing ran: no wait
        QCOMPARE(pauses, QList<int>{1000});
        bracket.setPing(false);
        bracket.afterRequest(QString());
        bracket.tPing().stop();
        bracket.waitforping();
        QCOMPARE(pauses, QList<int>{1000});
    }
};

QTEST_GUILESS_MAIN(TestTcpConnect)
#include "tst_tcpconnect.moc"
