// The short search 131 ("OC 47") through the client's wrapper against
// qtx-server on loopback, next to a raw socket client that sends the same
// request bytes and reads the same answer bytes. The same for one SOAP
// request (994) through the client's requester, next to a raw keep-alive
// HTTP client that posts the same envelope.

#include "benchclient.h"
#include "benchserver.h"
#include "integration/soapserverprocess.h"
#include "link/connectivity.h"
#include "link/requestbracket.h"
#include "link/requests/articlerequests.h"
#include "link/serverlink.h"
#include "link/soapenvelope.h"
#include "link/soapnetwork.h"
#include "link/soaprequester.h"
#include "link/soapserverintf.h"
#include "link/tcpconnection.h"
#include "model/modelcontext.h"
#include "platform/logger.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryFile>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QByteArray request("131 OC 47\0\r\n", 12);

struct Rig : BenchClient {
    QTcpSocket raw;
    SoapNetwork network;
    Connectivity connectivity{network, logger, clock};
    SoapRequester requester{logger, clock, dialogs, ending, connectivity};
    IQTX_SoapServer proxy{network};
    QTcpSocket rawHttp;
    QByteArray httpRequest;
};

const QStringList serverTime{QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"),
                             QStringLiteral("-"), QStringLiteral("994")};

SoapServerProcess* server = nullptr;
Rig* rig = nullptr;

bool readGreeting(QTcpSocket& socket) {
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(5000))
            return false;
    }
    socket.readLine();
    return true;
}

void BM_WrapperShortSearch(benchmark::State& state) {
    qint64 records = 0;
    for (auto _ : state) {
        TArtikelShortInfoArray out;
        const LinkAnswer a = MySucheArtikelKurz(rig->link, QStringLiteral("OC 47"), out);
        if (!a.ok() && !a.errorText.contains(QStringLiteral("nicht gefunden"))) {
            state.SkipWithError(qPrintable(a.errorText));
            break;
        }
        records += out.size();
    }
    if (records == 0)
        state.SkipWithError("the short search found nothing");
    state.counters["records"] = benchmark::Counter(double(records), benchmark::Counter::kAvgIterations);
}

void BM_Wrapper994(benchmark::State& state) {
    for (auto _ : state) {
        const LinkAnswer a = rig->link.call(LinkRequest(994));
        if (!a.ok()) {
            state.SkipWithError(qPrintable(a.errorText));
            break;
        }
    }
}

void BM_Raw994(benchmark::State& state) {
    QTcpSocket& s = rig->raw;
    for (auto _ : state) {
        s.write("994\r\n");
        s.waitForBytesWritten(5000);
        // "OK", the time, an empty line.
        QByteArray answer;
        while (answer.count("\r\n") < 3) {
            if (!s.waitForReadyRead(5000)) {
                state.SkipWithError("no answer");
                return;
            }
            answer += s.readAll();
        }
        benchmark::DoNotOptimize(answer);
    }
}

void BM_RawShortSearch(benchmark::State& state) {
    QTcpSocket& s = rig->raw;
    for (auto _ : state) {
        s.write(request);
        s.waitForBytesWritten(5000);
        // The answer ends with the line ".".
        QByteArray answer;
        while (!answer.endsWith("\r\n.\r\n")) {
            if (!s.waitForReadyRead(5000)) {
                state.SkipWithError("no answer");
                return;
            }
            answer += s.readAll();
        }
        benchmark::DoNotOptimize(answer);
    }
}

// Another SOAP stack: Python's http.server replaying qtx-server's answer.
quint16 pythonPort = 0;

quint16 soapPort(const char* stack) {
    return qstrcmp(stack, "python") == 0 ? pythonPort : server->soapPort();
}

void BM_SoapRequester(benchmark::State& state, const char* stack) {
    if (soapPort(stack) == 0) {
        state.SkipWithError("no server");
        return;
    }
    rig->proxy.setUrl(QStringLiteral("http://127.0.0.1:%1/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer")
                          .arg(soapPort(stack)));
    for (auto _ : state) {
        QStringList answer;
        int code = 0;
        QString message;
        rig->requester.strings2request(rig->proxy, serverTime, answer, code, message);
        if (code != 0) {
            state.SkipWithError(qPrintable(message));
            break;
        }
        benchmark::DoNotOptimize(answer);
    }
}

// One request on a kept-alive connection: headers, then as many body bytes as
// they announce; the body, or empty when the connection failed.
QByteArray rawExchange(QTcpSocket& s) {
    s.write(rig->httpRequest);
    s.waitForBytesWritten(5000);
    QByteArray answer;
    qsizetype end = -1;
    qsizetype length = -1;
    while (end < 0 || answer.size() < end + 4 + length) {
        if (!s.waitForReadyRead(5000))
            return QByteArray();
        answer += s.readAll();
        if (end < 0 && (end = answer.indexOf("\r\n\r\n")) >= 0) {
            const qsizetype at = answer.toLower().indexOf("content-length:");
            length =
                at < 0 ? 0 : answer.mid(at + 15, answer.indexOf('\r', at) - at - 15).trimmed().toLongLong();
        }
    }
    return answer.mid(end + 4);
}

bool connectRaw(QTcpSocket& s, quint16 port) {
    s.abort();
    s.connectToHost(QHostAddress::LocalHost, port);
    if (!s.waitForConnected(5000))
        return false;
    s.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    return true;
}

void BM_RawSoapKeepAlive(benchmark::State& state, const char* stack) {
    QTcpSocket& s = rig->rawHttp;
    // Connected here: the server closes a connection that stays silent for a few seconds.
    if (soapPort(stack) == 0 || !connectRaw(s, soapPort(stack))) {
        state.SkipWithError("no connection");
        return;
    }
    for (auto _ : state) {
        const QByteArray answer = rawExchange(s);
        if (answer.isEmpty()) {
            state.SkipWithError("no answer");
            return;
        }
        benchmark::DoNotOptimize(answer);
    }
}

BENCHMARK(BM_WrapperShortSearch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawShortSearch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Wrapper994)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Raw994)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SoapRequester, qtx, "qtx")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RawSoapKeepAlive, qtx, "qtx")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SoapRequester, python, "python")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RawSoapKeepAlive, python, "python")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SoapServerProcess process;
    if (!startBenchServer(process))
        return 1;
    server = &process;
    auto r = std::make_unique<Rig>();
    rig = r.get();
    // Articles are only for a logged-in connection: both log in as the demo user.
    if (!r->connectAndLogin(process.tcpPort()))
        return 1;
    r->raw.connectToHost(QHostAddress::LocalHost, process.tcpPort());
    if (!r->raw.waitForConnected(5000) || !readGreeting(r->raw))
        return 1;
    r->raw.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    r->raw.write("104\r\n0\r\n10000\r\nDEMO\r\ndemo\r\n");
    if (!r->raw.waitForReadyRead(5000))
        return 1;
    while (r->raw.waitForReadyRead(300)) {
    }
    r->raw.readAll();

    // SOAP: the requester's connectivity check has just run; the raw client
    // posts the envelope the proxy writes.
    r->requester.setLastCheck(r->clock.tickCount());
    SoapMessage m;
    m.operation = QStringLiteral("StandardRequest");
    m.addString(QStringLiteral("SourceID"), QString());
    m.addString(QStringLiteral("Request"), serverTime.join(QStringLiteral("\r\n")));
    m.addInt(QStringLiteral("ErrorCode"), 0);
    m.addString(QStringLiteral("ErrorMessage"), QString());
    const QByteArray body = SoapEnvelope::write(m);
    r->httpRequest = "POST /QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                     "Content-Type: text/xml; charset=utf-8\r\nSOAPAction: \"" +
                     SoapEnvelope::soapAction(m.operation) +
                     "\"\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;

    // The Python server answers with what qtx-server answers to the same envelope.
    QTemporaryFile answerFile;
    QProcess python;
    if (connectRaw(r->rawHttp, process.soapPort()) && answerFile.open() &&
        answerFile.write(rawExchange(r->rawHttp)) > 0 && answerFile.flush()) {
        python.start(QStringLiteral("python3"),
                     {QStringLiteral(QTX_BENCH_SOURCE_DIR "/soapreplay.py"), answerFile.fileName()});
        if (python.waitForReadyRead(10000))
            pythonPort = quint16(python.readLine().trimmed().toUInt());
    }
    if (pythonPort == 0)
        std::fprintf(stderr, "python3 SOAP server did not start\n");

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    python.kill();
    python.waitForFinished();
    return 0;
}
