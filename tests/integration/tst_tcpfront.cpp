#include "fakes.h"
#include "link/tcpconnect.h"
#include "link/tcpconnection.h"
#include "link/tcpframings.h"
#include "platform/logger.h"
#include "tcpfront.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

// A dispatcher stand-in: echoes what it got, so both directions are checked.
ServerReply echo(const ServerRequest& r) {
    ServerReply reply;
    if (r.code == u"994"_s) {
        reply.lines = {u"2026.12.10 15:30:59"_s};
    } else if (r.code == u"999"_s) {
        reply.lines = {u"Abgemeldet"_s};
    } else if (r.code == u"131"_s) {
        reply.lines = QStringList{QString::number(r.parameters.size())} + r.parameters;
    } else if (r.code == u"153"_s && r.parameters.value(0) == u"fail"_s) {
        reply.status = 84;
        reply.errorText = u"ERR_DEBITOR_NOT_FOUND"_s;
    } else {
        reply.lines = r.parameters;
    }
    return reply;
}

// The front lives in its own thread: the client blocks this one while it waits.
class FrontThread {
public:
    FrontThread(const QStringList& faults, const QString& greeting = QString(),
                TcpFront::AsyncHandler handler = {}) {
        FaultTable table;
        for (const QString& f : faults)
            table.add(f);
        m_thread.start();
        QMetaObject::invokeMethod(
            &m_anchor,
            [&] {
                m_front = handler ? new TcpFront(handler, table) : new TcpFront(echo, table);
                if (!greeting.isEmpty())
                    m_front->setGreeting(greeting);
                m_front->listen(QHostAddress::LocalHost, 0);
                m_port = m_front->serverPort();
            },
            Qt::BlockingQueuedConnection);
    }
    ~FrontThread() {
        QMetaObject::invokeMethod(
            &m_anchor, [&] { delete m_front; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    quint16 port() const { return m_port; }
    QObject* anchor() { return &m_anchor; }

private:
    struct Anchor : QObject {
        explicit Anchor(QThread* t) { moveToThread(t); }
    };
    QThread m_thread;
    Anchor m_anchor{&m_thread};
    TcpFront* m_front = nullptr;
    quint16 m_port = 0;
};

struct Client {
    QTemporaryDir dir;
    ManualClock clock;
    Logger logger{clock};
    ScriptedDialogs dialogs;
    RecordingEnding ending;
    FakePlatform platform{dir.filePath(u"registry.ini"_s)};
    TcpConnection connection;
    TcpConnect connector{connection, logger, dialogs, ending, platform, clock};

    ConnectResult connect(quint16 port) {
        return connector.do_connect(u"127.0.0.1"_s, QString::number(port), 3000, 3000, u"Test"_s, false);
    }
};

const QStringList umlauts{u"Bremsscheibe Ø 280"_s, u"Größe: 5 €"_s, QString()};

} // namespace

class TestTcpFront : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void greetingThenEveryFraming() {
        FrontThread server({});
        Client c;
        const ConnectResult r = c.connect(server.port());
        QVERIFY(r.connected);
        QCOMPARE(r.greeting.serverLevel, 20);
        TcpStream& s = c.connection.stream();

        TcpResult t = TcpFraming::requestServerTime(s, u"IGetSysDate: "_s);
        QCOMPARE(t.result, 0);
        QCOMPARE(t.lines, QStringList{u"2026.12.10 15:30:59"_s});

        t = TcpFraming::SendRequest(s, QString(), u"141"_s, umlauts);
        QCOMPARE(t.result, 0);
        QCOMPARE(t.lines, umlauts);

        t = TcpFraming::SendRequestStatus(s, QString(), u"153"_s, umlauts);
        QCOMPARE(t.result, 0);
        QCOMPARE(t.lines, umlauts);
        t = TcpFraming::SendRequestStatus(s, QString(), u"153"_s, {u"fail"_s});
        QCOMPARE(t.result, 84);
        QCOMPARE(t.message, u"ERR_DEBITOR_NOT_FOUND"_s);

        t = TcpFraming::SendRequestAck(s, QString(), u"305"_s, umlauts);
        QCOMPARE(t.result, 0);

        const QStringList params{u"0"_s, u"4711"_s, u"Jürgen"_s, u"pw"_s};
        t = TcpFraming::sendParameterLines(s, QString(), u"104"_s, params);
        QCOMPARE(t.result, 0);
        QCOMPARE(t.lines, params);

        CommandRequest cmd;
        cmd.code = u"131"_s;
        cmd.parameters = {u".OC 47"_s, u"Ä"_s};
        cmd.failCode = 61;
        t = TcpFraming::sendCommand(s, cmd);
        QCOMPARE(t.result, 0);
        QCOMPARE(t.lines, (QStringList{u"2"_s, u".OC 47"_s, u"Ä"_s}));

        CommandRequest quit;
        quit.code = u"999"_s;
        quit.dataHasErrorLine = false;
        t = TcpFraming::sendCommand(s, quit);
        QCOMPARE(t.result, 0);
        QCOMPARE(t.lines, QStringList{u"Abgemeldet"_s});
        QVERIFY(s.waitForData(3000) != TcpStream::Read::Ok);
        QVERIFY(!c.connection.isConnected());
    }

    // A search answered on a reader thread may come back after its client left.
    void lateAnswerAfterTheClientLeft() {
        std::vector<TcpFront::Reply> held; // touched on the front's thread only
        FrontThread server({}, QString(), [&held](const ServerRequest& r, TcpFront::Reply reply) {
            if (r.code == u"141"_s && held.empty())
                held.push_back(std::move(reply));
            else
                reply(echo(r));
        });
        {
            Client gone;
            QVERIFY(gone.connect(server.port()).connected);
            TcpStream& s = gone.connection.stream();
            s.setReadTimeout(200);
            QVERIFY(TcpFraming::SendRequest(s, QString(), u"141"_s, umlauts).result != 0);
        }
        Client next;
        QVERIFY(next.connect(server.port()).connected);
        QMetaObject::invokeMethod(
            server.anchor(),
            [&held] {
                QVERIFY(held.size() == 1);
                held.front()(echo(ServerRequest()));
            },
            Qt::BlockingQueuedConnection);
        const TcpResult t = TcpFraming::SendRequest(next.connection.stream(), QString(), u"141"_s, umlauts);
        QCOMPARE(t.result, 0);
        QCOMPARE(t.lines, umlauts);
    }

    void greetingVariants_data() {
        QTest::addColumn<bool>("maintenance");
        QTest::addColumn<bool>("refuse");
        QTest::newRow("maintenance") << true << false;
        QTest::newRow("refusal") << false << true;
    }
    void greetingVariants() {
        QFETCH(bool, maintenance);
        QFETCH(bool, refuse);
        FrontThread server({}, TcpFront::greetingLine(u"7.1.6554.0"_s, maintenance, refuse));
        Client c;
        const ConnectResult r = c.connect(server.port());
        QCOMPARE(r.connected, !refuse);
        QCOMPARE(r.greeting.restart, maintenance);
        QCOMPARE(c.ending.calls.size(), refuse ? 1 : 0);
        if (!refuse)
            QCOMPARE(r.greeting.serverLevel, 18);
    }

    void faults_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("error");
        QTest::newRow("error line") << u"141:error=ERR_ARTIKEL_NOT_FOUND"_s << 1
                                    << u"ERR_ARTIKEL_NOT_FOUND"_s;
        QTest::newRow("garbage count")
            << u"141:garbage=zwölf"_s << 1 << u"StrToInt of sNumSendBytes \"zwölf\" failed!"_s;
        QTest::newRow("close") << u"141:close"_s << 3 << u"Send Exception Connection Closed Gracefully."_s;
        QTest::newRow("silent (delay beyond the time-out)")
            << u"141:delay=5000"_s << 1 << u"SendRequest.TimeOut (2500ms)"_s;
    }
    void faults() {
        QFETCH(QString, fault);
        QFETCH(int, result);
        QFETCH(QString, error);
        FrontThread server({fault});
        Client c;
        QVERIFY(c.connect(server.port()).connected);
        TcpStream& s = c.connection.stream();
        s.setReadTimeout(2500);
        QElapsedTimer timer;
        timer.start();
        const TcpResult t = TcpFraming::SendRequest(s, QString(), u"141"_s, umlauts);
        QVERIFY(timer.elapsed() < 2500 + 1500);
        QCOMPARE(t.result, result);
        QCOMPARE(t.errorText, error);
        if (result == 3)
            return;
        // Faults are per code: the next request on the same connection still works.
        QThread::msleep(50);
        s.discardInput();
        const TcpResult next = TcpFraming::SendRequestStatus(s, QString(), u"153"_s, umlauts);
        if (fault.contains(u"delay"_s)) {
            // The late answer of 141 may be read as this one's; only the time bound matters here.
            return;
        }
        QCOMPARE(next.result, 0);
        QCOMPARE(next.lines, umlauts);
    }

    void silentServerPerFraming_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("status") << u"153"_s;
        QTest::newRow("acknowledge") << u"305"_s;
        QTest::newRow("parameter lines") << u"104"_s;
        QTest::newRow("command") << u"131"_s;
        QTest::newRow("server time") << u"994"_s;
    }
    void silentServerPerFraming() {
        QFETCH(QString, code);
        FrontThread server({code + u":delay=10000"_s});
        Client c;
        QVERIFY(c.connect(server.port()).connected);
        TcpStream& s = c.connection.stream();
        s.setReadTimeout(500);
        s.setStatusTimeout(500);
        QElapsedTimer timer;
        timer.start();
        TcpResult t;
        CommandRequest cmd;
        cmd.code = code;
        cmd.failCode = 61;
        if (code == u"153"_s)
            t = TcpFraming::SendRequestStatus(s, QString(), code, umlauts);
        else if (code == u"305"_s)
            t = TcpFraming::SendRequestAck(s, QString(), code, umlauts);
        else if (code == u"104"_s)
            t = TcpFraming::sendParameterLines(s, QString(), code, {u"a"_s, u"b"_s, u"c"_s, u"d"_s});
        else if (code == u"131"_s)
            t = TcpFraming::sendCommand(s, cmd);
        else
            t = TcpFraming::requestServerTime(s, QString());
        QVERIFY2(timer.elapsed() < 500 + 1500, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(t.result != 0);
    }
};

QTEST_GUILESS_MAIN(TestTcpFront)
#include "tst_tcpfront.moc"
