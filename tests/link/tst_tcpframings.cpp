#include "link/tcpframings.h"
#include "link/tcpstream.h"
#include "scriptedpeer.h"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString prefix = u"P: "_s;

// How the peer answers one request.
enum class Peer { Answer, AnswerAndClose, Silent, CloseWithoutAnswer };

struct Outcome {
    TcpResult result;
    QByteArray sent;
    qint64 elapsedMs = 0;
};

// Plays one request against a scripted peer: the reply bytes arrive in
// chunks of three bytes, so every reader has to put lines together.
Outcome exchange(const QByteArray& request, const QByteArray& reply, Peer mode, int readTimeout,
                 const std::function<TcpResult(TcpStream&)>& call) {
    ScriptedPeer peer;
    QList<ScriptedPeer::Step> script;
    if (mode != Peer::Silent) {
        ScriptedPeer::Step step;
        step.expectBytes = request.size();
        step.chunks = ScriptedPeer::chunked(reply, 3);
        step.close = mode != Peer::Answer;
        script.append(step);
    }
    const quint16 port = peer.start(script);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    Outcome o;
    if (!socket.waitForConnected(5000))
        return o;
    TcpStream stream(&socket);
    stream.setReadTimeout(readTimeout);
    stream.setStatusTimeout(readTimeout);
    QElapsedTimer timer;
    timer.start();
    o.result = call(stream);
    o.elapsedMs = timer.elapsed();
    o.sent = peer.received();
    return o;
}

void addColumns() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("peer");
    QTest::addColumn<int>("readTimeout");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("lines");
}

void addClosedRows(int closedCode, const QString& closedText) {
    QTest::newRow("connection closed")
        << QByteArray() << int(Peer::CloseWithoutAnswer) << 2000 << closedCode << closedText << QStringList{};
}

void check(const Outcome& o, const QByteArray& request) {
    QFETCH(int, result);
    QFETCH(QString, error);
    QFETCH(QStringList, lines);
    QFETCH(int, readTimeout);
    QCOMPARE(o.sent, request);
    QCOMPARE(o.result.errorText, error);
    QCOMPARE(o.result.result, result);
    QCOMPARE(o.result.lines, lines);
    // No request blocks much longer than its time-out.
    QVERIFY2(o.elapsedMs < readTimeout + 1500, qPrintable(QString::number(o.elapsedMs)));
}

const QStringList input{u"4711"_s, u"Öl 5 €"_s};
const QByteArray streamRequest = "141\r\n14\r\n4711\r\n\xD6l 5 \x80\r\n";

} // namespace

class TestTcpFramings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void requestBytes() {
        QCOMPARE(TcpFraming::streamRequestBytes(u"141"_s, input), streamRequest);
        // One empty line is two bytes and is still sent.
        QCOMPARE(TcpFraming::streamRequestBytes(u"305"_s, {QString()}), QByteArray("305\r\n2\r\n\r\n"));
        QCOMPARE(TcpFraming::commandLineBytes(u"130"_s, {u"0"_s, u"ÄB 1"_s, QString()}),
                 QByteArray("130 0\0\xC3\x84"
                            "B 1\0\0\r\n",
                            15));
        QCOMPARE(TcpFraming::commandLineBytes(u"999"_s, {}), QByteArray("999 \r\n"));
        const QStringList list{u"K"_s, u"€"_s};
        QCOMPARE(TcpFraming::parameterLineBytes(u"106"_s, {u"1"_s, u"Ü"_s}, &list),
                 QByteArray("106\r\n1\r\n\xC3\x9C\r\n6\r\nK\r\n\x80\r\n"));
    }

    void firstLineTimeouts_data() {
        QTest::addColumn<int>("readTimeout");
        QTest::addColumn<int>("completion");
        QTest::addColumn<bool>("marked");
        QTest::newRow("5001") << 5001 << 5000 << true;
        QTest::newRow("2500") << 2500 << 1000 << true;
        QTest::newRow("180000") << 180000 << 10000 << true;
        QTest::newRow("120000 is ordinary") << 120000 << 120000 << false;
        QTest::newRow("20000") << 20000 << 20000 << false;
    }
    void firstLineTimeouts() {
        QFETCH(int, readTimeout);
        QFETCH(int, completion);
        QFETCH(bool, marked);
        const TcpFraming::FirstLineTimeouts t = TcpFraming::firstLineTimeouts(readTimeout);
        QCOMPARE(t.wait, readTimeout);
        QCOMPARE(t.completion, completion);
        QCOMPARE(t.marked, marked);
    }

    void stream_data() {
        addColumns();
        QTest::newRow("success") << QByteArray("\r\n8\r\nB\xE4r\r\n\x80\r\n") << int(Peer::Answer) << 2000
                                 << 0 << QString() << QStringList{u"Bär"_s, u"€"_s};
        QTest::newRow("utf-8 mark") << QByteArray("\r\n7\r\n\xEF\xBB\xBF"
                                                  "B\xC3\xA4r")
                                    << int(Peer::Answer) << 2000 << 0 << QString() << QStringList{u"Bär"_s};
        QTest::newRow("empty error line, count 0")
            << QByteArray("\r\n0\r\n") << int(Peer::Answer) << 2000 << 0 << QString() << QStringList{};
        QTest::newRow("error line") << QByteArray("ERR_ARTIKEL_NOT_FOUND\r\n") << int(Peer::Answer) << 2000
                                    << 1 << prefix + u"ERR_ARTIKEL_NOT_FOUND"_s << QStringList{};
        QTest::newRow("count not a number")
            << QByteArray("\r\nabc\r\nxyz\r\n") << int(Peer::Answer) << 2000 << 1
            << prefix + u"StrToInt of sNumSendBytes \"abc\" failed!"_s << QStringList{};
        QTest::newRow("payload cut short") << QByteArray("\r\n10\r\nabc") << int(Peer::AnswerAndClose) << 2000
                                           << 1 << prefix + u"Loading data stream failed!"_s << QStringList{};
        QTest::newRow("time-out 2500") << QByteArray() << int(Peer::Silent) << 2500 << 1
                                       << prefix + u"SendRequest.TimeOut (2500ms)"_s << QStringList{};
        QTest::newRow("time-out 5001") << QByteArray() << int(Peer::Silent) << 5001 << 1
                                       << prefix + u"SendRequest.TimeOut (5001ms)"_s << QStringList{};
        QTest::newRow("silent server with an ordinary time-out fails too")
            << QByteArray() << int(Peer::Silent) << 400 << 1 << prefix + u"SendRequest.TimeOut (400ms)"_s
            << QStringList{};
        addClosedRows(3, prefix + u"Send Exception Connection Closed Gracefully."_s);
    }
    void stream() {
        QFETCH(QByteArray, reply);
        QFETCH(int, peer);
        QFETCH(int, readTimeout);
        check(exchange(streamRequest, reply, Peer(peer), readTimeout,
                       [](TcpStream& s) { return TcpFraming::SendRequest(s, prefix, u"141"_s, input); }),
              streamRequest);
    }

    void status_data() {
        addColumns();
        QTest::newRow("success") << QByteArray("0\r\nGut\r\n6\r\nx\r\n\x80\r\n") << int(Peer::Answer) << 2000
                                 << 0 << QString() << QStringList{u"x"_s, u"€"_s};
        QTest::newRow("status 61 reads no payload")
            << QByteArray("61\r\nArtikel fehlt\r\n5\r\nabcde") << int(Peer::Answer) << 2000 << 61
            << prefix + u"Artikel fehlt"_s << QStringList{};
        QTest::newRow("status not a number")
            << QByteArray("abc\r\nm\r\n0\r\n") << int(Peer::Answer) << 2000 << 3
            << prefix + u"Send Exception 'abc' is not a valid integer value"_s << QStringList{};
        QTest::newRow("count not a number")
            << QByteArray("0\r\n\r\nzz\r\n") << int(Peer::Answer) << 2000 << 1
            << prefix + u"StrToInt of sNumSendBytes \"zz\" failed!"_s << QStringList{};
        QTest::newRow("time-out") << QByteArray() << int(Peer::Silent) << 400 << 3
                                  << prefix + u"Send Exception '' is not a valid integer value"_s
                                  << QStringList{};
        addClosedRows(3, prefix + u"Send Exception Connection Closed Gracefully."_s);
    }
    void status() {
        QFETCH(QByteArray, reply);
        QFETCH(int, peer);
        QFETCH(int, readTimeout);
        const QByteArray request = TcpFraming::streamRequestBytes(u"153"_s, input);
        const Outcome o = exchange(request, reply, Peer(peer), readTimeout, [](TcpStream& s) {
            return TcpFraming::SendRequestStatus(s, prefix, u"153"_s, input);
        });
        check(o, request);
        if (o.result.result == 61)
            QCOMPARE(o.result.message, u"Artikel fehlt"_s);
    }

    void acknowledge_data() {
        addColumns();
        QTest::newRow("OK") << QByteArray("OK\r\n") << int(Peer::Answer) << 2000 << 0 << QString()
                            << QStringList{};
        QTest::newRow("ok in lower case")
            << QByteArray("ok\r\n") << int(Peer::Answer) << 2000 << 0 << QString() << QStringList{};
        QTest::newRow("empty line") << QByteArray("\r\n") << int(Peer::Answer) << 2000 << 0 << QString()
                                    << QStringList{};
        QTest::newRow("error line") << QByteArray("StatistikData nicht gespeichert\r\n") << int(Peer::Answer)
                                    << 2000 << 1 << prefix + u"StatistikData nicht gespeichert"_s
                                    << QStringList{};
        QTest::newRow("no answer is no acknowledgement")
            << QByteArray() << int(Peer::Silent) << 400 << 1 << prefix + u"SendRequest.TimeOut (400ms)"_s
            << QStringList{};
        addClosedRows(3, prefix + u"Send Exception Connection Closed Gracefully."_s);
    }
    void acknowledge() {
        QFETCH(QByteArray, reply);
        QFETCH(int, peer);
        QFETCH(int, readTimeout);
        const QByteArray request = TcpFraming::streamRequestBytes(u"305"_s, input);
        check(exchange(request, reply, Peer(peer), readTimeout,
                       [](TcpStream& s) { return TcpFraming::SendRequestAck(s, prefix, u"305"_s, input); }),
              request);
    }

    void parameterLines_data() {
        addColumns();
        QTest::newRow("success") << QByteArray("\r\n6\r\n2\r\nb\r\n\r\n") << int(Peer::Answer) << 2000 << 0
                                 << QString() << QStringList{u"2"_s, u"b"_s};
        QTest::newRow("error line") << QByteArray("ERR_LOGIN_FAILED\r\n") << int(Peer::Answer) << 2000 << 1
                                    << prefix + u"ERR_LOGIN_FAILED"_s << QStringList{};
        QTest::newRow("no data") << QByteArray("\r\n0\r\n\r\n") << int(Peer::Answer) << 2000 << 1
                                 << prefix + u"Keine Stream-Daten gefunden!"_s << QStringList{};
        QTest::newRow("count not a number")
            << QByteArray("\r\nx1\r\n") << int(Peer::Answer) << 2000 << 1
            << prefix + u"StrToInt of sNumSendBytes \"x1\" failed!"_s << QStringList{};
        QTest::newRow("time-out") << QByteArray() << int(Peer::Silent) << 400 << 1
                                  << prefix + u"SendRequest.TimeOut (400ms)"_s << QStringList{};
        addClosedRows(3, prefix + u"Send Exception Connection Closed Gracefully."_s);
    }
    void parameterLines() {
        QFETCH(QByteArray, reply);
        QFETCH(int, peer);
        QFETCH(int, readTimeout);
        const QStringList params{u"0"_s, u"4711"_s, u"Jürgen"_s, u"geheim"_s};
        const QByteArray request = "104\r\n0\r\n4711\r\nJ\xC3\xBCrgen\r\ngeheim\r\n";
        check(exchange(
                  request, reply, Peer(peer), readTimeout,
                  [&](TcpStream& s) { return TcpFraming::sendParameterLines(s, prefix, u"104"_s, params); }),
              request);
    }

    void command_data() {
        addColumns();
        QTest::newRow("success") << QByteArray("131 OK\r\nOK\r\n1\r\nrec\r\n.\r\n") << int(Peer::Answer)
                                 << 2000 << 0 << QString() << QStringList{u"1"_s, u"rec"_s};
        QTest::newRow("continued reply, empty error line, dot unstuffed")
            << QByteArray("131-Hallo\r\n131 OK\r\n\r\n2\r\n..5 Stk\r\n.\r\n") << int(Peer::Answer) << 2000
            << 0 << QString() << QStringList{u"2"_s, u".5 Stk"_s};
        QTest::newRow("ok in lower case") << QByteArray("131\r\nok\r\n0\r\n.\r\n") << int(Peer::Answer)
                                          << 2000 << 0 << QString() << QStringList{u"0"_s};
        QTest::newRow("error line") << QByteArray("131 OK\r\nERR_ARTIKEL_NOT_FOUND\r\n.\r\n")
                                    << int(Peer::Answer) << 2000 << 61
                                    << u"Artikel nicht gefunden: \n\rERR_ARTIKEL_NOT_FOUND"_s
                                    << QStringList{};
        QTest::newRow("no data lines") << QByteArray("131 OK\r\n.\r\n") << int(Peer::Answer) << 2000 << 61
                                       << u"Capture failed(ISucheArtikelKurz)"_s << QStringList{};
        QTest::newRow("wrong reply code") << QByteArray("500 Unbekannter Befehl\r\n") << int(Peer::Answer)
                                          << 2000 << 61 << u"500 Unbekannter Befehl"_s << QStringList{};
        QTest::newRow("reply without code")
            << QByteArray("Hallo\r\n") << int(Peer::Answer) << 2000 << 61 << u"Hallo"_s << QStringList{};
        QTest::newRow("time-out") << QByteArray() << int(Peer::Silent) << 400 << 61 << u"Read timed out."_s
                                  << QStringList{};
        addClosedRows(61, u"Connection Closed Gracefully."_s);
    }
    void command() {
        QFETCH(QByteArray, reply);
        QFETCH(int, peer);
        QFETCH(int, readTimeout);
        CommandRequest r;
        r.code = u"131"_s;
        r.parameters = {u"OC 47"_s};
        r.failCode = 61;
        r.notFoundText = u"Artikel nicht gefunden: \n\r"_s;
        r.captureFailedText = u"Capture failed(ISucheArtikelKurz)"_s;
        const QByteArray request("131 OC 47\0\r\n", 12);
        check(exchange(request, reply, Peer(peer), readTimeout,
                       [&](TcpStream& s) { return TcpFraming::sendCommand(s, r); }),
              request);
    }

    void logoutDataLinesArePlain() {
        CommandRequest r;
        r.code = u"999"_s;
        r.dataHasErrorLine = false;
        const Outcome o =
            exchange("999 \r\n", "999 Auf Wiedersehen\r\nSitzung 12 s\r\n.\r\n", Peer::AnswerAndClose, 2000,
                     [&](TcpStream& s) { return TcpFraming::sendCommand(s, r); });
        QCOMPARE(o.result.result, 0);
        QCOMPARE(o.result.lines, QStringList{u"Sitzung 12 s"_s});
    }

    void serverTime_data() {
        addColumns();
        QTest::newRow("success") << QByteArray("OK\r\n2026.12.10 15:30:59\r\n\r\n") << int(Peer::Answer)
                                 << 2000 << 0 << QString() << QStringList{u"2026.12.10 15:30:59"_s};
        QTest::newRow("date missing") << QByteArray("\r\n\r\n\r\n") << int(Peer::Answer) << 2000 << 1
                                      << prefix + u"Oracle Datum fehlt!"_s << QStringList{};
        QTest::newRow("error line") << QByteArray("ERR_NO_DATA_RECEIVED\r\n") << int(Peer::Answer) << 2000
                                    << 1 << prefix + u"ERR_NO_DATA_RECEIVED"_s << QStringList{};
        QTest::newRow("time-out") << QByteArray() << int(Peer::Silent) << 400 << 1
                                  << prefix + u"SendRequest.TimeOut (400ms)"_s << QStringList{};
    }
    void serverTime() {
        QFETCH(QByteArray, reply);
        QFETCH(int, peer);
        QFETCH(int, readTimeout);
        check(exchange("994\r\n", reply, Peer(peer), readTimeout,
                       [](TcpStream& s) { return TcpFraming::requestServerTime(s, prefix); }),
              "994\r\n");
    }

    void nextRequestWorksAfterBadCount() {
        ScriptedPeer peer;
        const QByteArray request = streamRequest;
        const quint16 port = peer.start({
            {request.size(), {"\r\nabc\r\n", "leftover\r\n"}, 0, false},
            {request.size(), ScriptedPeer::chunked("\r\n3\r\nok\r\n", 2), 0, false},
        });
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(socket.waitForConnected(5000));
        TcpStream stream(&socket);
        stream.setReadTimeout(2000);
        const TcpResult bad = TcpFraming::SendRequest(stream, prefix, u"141"_s, input);
        QCOMPARE(bad.result, 1);
        QCOMPARE(bad.errorText, prefix + u"StrToInt of sNumSendBytes \"abc\" failed!"_s);
        // waitforping discards what is left before the next request.
        QThread::msleep(50);
        stream.discardInput();
        const TcpResult good = TcpFraming::SendRequest(stream, prefix, u"141"_s, input);
        QCOMPARE(good.result, 0);
        QCOMPARE(good.lines, QStringList{u"ok"_s});
        QCOMPARE(peer.received(), request + request);
    }

    void notConnected_data() {
        QTest::addColumn<int>("framing");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("error");
        const QString lost = u"Verbindung zum Server wurde unterbrochen!"_s;
        QTest::newRow("stream") << 0 << 53 << prefix + lost;
        QTest::newRow("status") << 1 << 53 << prefix + lost;
        QTest::newRow("acknowledge") << 2 << 53 << prefix + lost;
        QTest::newRow("parameter lines") << 3 << 53 << prefix + lost;
        QTest::newRow("command") << 4 << 53 << lost;
        QTest::newRow("server time") << 5 << 53 << prefix + lost;
    }
    void notConnected() {
        QFETCH(int, framing);
        QFETCH(int, result);
        QFETCH(QString, error);
        // The peer hangs up right after the connect; nobody read since.
        ScriptedPeer peer;
        const quint16 port = peer.start({{0, {}, 0, true}});
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(socket.waitForConnected(5000));
        QThread::msleep(100);
        TcpStream stream(&socket);
        TcpResult r;
        CommandRequest cmd;
        cmd.code = u"170"_s;
        switch (framing) {
        case 0:
            r = TcpFraming::SendRequest(stream, prefix, u"141"_s, input);
            break;
        case 1:
            r = TcpFraming::SendRequestStatus(stream, prefix, u"153"_s, input);
            break;
        case 2:
            r = TcpFraming::SendRequestAck(stream, prefix, u"305"_s, input);
            break;
        case 3:
            r = TcpFraming::sendParameterLines(stream, prefix, u"104"_s, input);
            break;
        case 4:
            r = TcpFraming::sendCommand(stream, cmd);
            break;
        default:
            r = TcpFraming::requestServerTime(stream, prefix);
            break;
        }
        QCOMPARE(r.result, result);
        QCOMPARE(r.errorText, error);
        QVERIFY(peer.received().isEmpty());
    }

    void emptyInput() {
        ScriptedPeer peer;
        const quint16 port = peer.start({});
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(socket.waitForConnected(5000));
        TcpStream stream(&socket);
        const TcpResult r = TcpFraming::SendRequest(stream, prefix, u"141"_s, {});
        QCOMPARE(r.result, 1);
        QCOMPARE(r.errorText, prefix + u"InListe ist leer!"_s);
    }
};

QTEST_GUILESS_MAIN(TestTcpFramings)
#include "tst_tcpframings.moc"
