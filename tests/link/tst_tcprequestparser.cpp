#include "link/tcpframings.h"
#include "link/tcprequestparser.h"
#include "link/tcpstream.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTcpRequestParser : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // What the client's framings write, the server's parser reads back.
    void roundTrip_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("framing");
        QTest::addColumn<QStringList>("parameters");
        const QStringList list{u"Öl"_s, u"5 €"_s};
        QTest::newRow("stream") << TcpFraming::streamRequestBytes(u"141"_s, list) << u"141"_s
                                << int(Framing::Stream) << list;
        QTest::newRow("status") << TcpFraming::streamRequestBytes(u"153"_s, list) << u"153"_s
                                << int(Framing::Status) << list;
        QTest::newRow("acknowledge") << TcpFraming::streamRequestBytes(u"305"_s, list) << u"305"_s
                                     << int(Framing::Acknowledge) << list;
        QTest::newRow("parameter lines")
            << TcpFraming::parameterLineBytes(u"104"_s, {u"0"_s, u"1"_s, u"ü"_s, u"pw"_s}, nullptr)
            << u"104"_s << int(Framing::ParameterLines) << QStringList{u"0"_s, u"1"_s, u"ü"_s, u"pw"_s};
        QTest::newRow("parameter lines and list")
            << TcpFraming::parameterLineBytes(u"106"_s, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"2"_s},
                                              &list)
            << u"106"_s << int(Framing::ParameterLines)
            << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"2"_s, u"Öl"_s, u"5 €"_s};
        QTest::newRow("command") << TcpFraming::commandLineBytes(u"130"_s, {u"0"_s, u"OC 47"_s, QString()})
                                 << u"130"_s << int(Framing::Command)
                                 << QStringList{u"0"_s, u"OC 47"_s, QString()};
        QTest::newRow("command without parameters") << TcpFraming::commandLineBytes(u"999"_s, {}) << u"999"_s
                                                    << int(Framing::Command) << QStringList{};
        QTest::newRow("server time") << QByteArray("994\r\n") << u"994"_s << int(Framing::ServerTime)
                                     << QStringList{};
    }
    void roundTrip() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, code);
        QFETCH(int, framing);
        QFETCH(QStringList, parameters);
        const QByteArray next = "994\r\n";
        const TcpParsedRequest r = TcpRequestParser::parse(bytes + next);
        QCOMPARE(r.state, TcpParsedRequest::State::Complete);
        QCOMPARE(r.code, code);
        QCOMPARE(int(r.framing.framing), framing);
        QCOMPARE(r.parameters, parameters);
        QCOMPARE(r.consumed, bytes.size());
        // Every proper prefix asks for more.
        for (qsizetype n = 0; n < bytes.size(); ++n)
            QCOMPARE(TcpRequestParser::parse(bytes.left(n)).state, TcpParsedRequest::State::Incomplete);
    }

    void invalid_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("count not a number") << QByteArray("141\r\nabc\r\n");
        QTest::newRow("negative count") << QByteArray("141\r\n-5\r\n");
        QTest::newRow("huge count") << QByteArray("141\r\n99999999999999\r\n");
        QTest::newRow("no code") << QByteArray("hallo\r\n");
        QTest::newRow("endless line") << QByteArray(int(TcpStream::maxLineBytes) + 10, 'a');
    }
    void invalid() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(TcpRequestParser::parse(bytes).state, TcpParsedRequest::State::Invalid);
    }
};

QTEST_GUILESS_MAIN(TestTcpRequestParser)
#include "tst_tcprequestparser.moc"
