// The "Belege" tab against qtx-server on loopback with the full demo data,
// logged in as the warehouse customer 10002, which holds thousands of
// invoices over the last year.
//
//   DecodeInvoiceHeads   the invoice heads of the last 365 days, decoded alone
//                        from the captured answer (the baseline of the next)
//   LoadInvoiceHeads     the same heads asked, decoded and filled into a grid
//                        with measured widths, as the search button does
//   EmptyRequest         one empty request (994)
//   InvoiceLinesRequest  the lines of one head asked alone (the server time
//                        of the next)
//   OpenInvoiceLines     the same lines asked, decoded and filled, as a click
//                        on the head does
//
// Counters: "heads" and "lines" are the records shown, "roundtrip_ms" the
// time the loads spent on their round trips (measured in the link),
// "x_decode" and "x_server" the ratio to the baseline of the same run, and
// "client_ms" the load's time beyond the server time. Opening a head's lines
// should stay under 50 ms of client time.

#include "benchclient.h"
#include "benchserver.h"
#include "documents/documentkinds.h"
#include "documents/documentloader.h"
#include "documents/documenttable.h"
#include "grid/stringgrid.h"
#include "integration/soapserverprocess.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QString customer = QStringLiteral("10002");

struct Rig : BenchClient {
    DocumentLoader loader{logger, dialogs, link};
    DocumentOptions options;
    DocumentQuery heads;
    DocumentQuery lines;
    QStringList headAnswer;
};

Rig* rig = nullptr;

// Mean times of the baselines in this run, in ms; 0 until measured.
double decodeMs = 0;
double linesRequestMs = 0;

// Connects and logs in as the warehouse customer of the full demo.
bool connectAsWarehouse(BenchClient& c, quint16 port) {
    c.logger.setWriteLogFile(false);
    c.link.setServerLevel(20);
    c.client.setHost(QStringLiteral("127.0.0.1"));
    c.client.setPort(port);
    if (!c.client.connectToServer(nullptr) || !c.client.socket())
        return false;
    while (!c.client.socket()->canReadLine()) {
        if (!c.client.socket()->waitForReadyRead(5000))
            return false;
    }
    c.client.socket()->readLine();
    return MyLogin2(c.link, QStringLiteral("0"), customer, QStringLiteral("LAGER"), QStringLiteral("lager"))
        .ok();
}

// The full demo database, built by this build's server into dir; its path, or empty.
QString buildDemo(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("demo.sqlite"));
    QProcess init;
    init.start(QStringLiteral(QTX_BENCH_BINARY_DIR "/bin/qtx-server"), {QStringLiteral("--init-demo"), path});
    if (!init.waitForFinished(-1) || init.exitCode() != 0) {
        std::fprintf(stderr, "--init-demo failed: %s\n", init.readAllStandardError().constData());
        return QString();
    }
    return path;
}

LinkAnswer request(const DocumentQuery& query) {
    return rig->link.call(
        LinkRequest(DocumentKind::info(query.kind).request, DocumentLoader::parameters(query)));
}

// Times one load per iteration and sets the counters against a baseline mean.
void measureLoad(benchmark::State& state, const DocumentQuery& query, const char* records, const char* ratio,
                 double baselineMs, bool serverBaseline) {
    StringGrid grid;
    double total = 0;
    double roundTrips = 0;
    int shown = 0;
    int loads = 0;
    for (auto _ : state) {
        const qint64 waited = rig->link.roundTripNs();
        QElapsedTimer timer;
        timer.start();
        const DocumentLoader::Result r = rig->loader.LadeBelege(grid, query, rig->options, false);
        total += double(timer.nsecsElapsed()) / 1e6;
        roundTrips += double(rig->link.roundTripNs() - waited) / 1e6;
        if (r.failed || r.count <= 0) {
            state.SkipWithError("the load showed nothing");
            return;
        }
        shown = grid.rowCount() - 1;
        ++loads;
    }
    state.counters[records] = shown;
    state.counters["roundtrip_ms"] = roundTrips / loads;
    if (baselineMs > 0) {
        state.counters[ratio] = total / loads / baselineMs;
        // Beyond the server: the bare request's mean, or the round trips of these loads.
        state.counters["client_ms"] = total / loads - (serverBaseline ? baselineMs : roundTrips / loads);
    }
}

void BM_DecodeInvoiceHeads(benchmark::State& state) {
    double total = 0;
    int heads = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        DocumentArrays arrays;
        const DocumentTable t =
            DocumentDecoder::decode(DocumentKind::Invoices, rig->headAnswer, rig->options, arrays);
        total += double(timer.nsecsElapsed()) / 1e6;
        benchmark::DoNotOptimize(t.rows.data());
        heads = int(t.rows.size()) - 1;
    }
    decodeMs = total / double(state.iterations());
    state.counters["heads"] = heads;
}

void BM_LoadInvoiceHeads(benchmark::State& state) {
    measureLoad(state, rig->heads, "heads", "x_decode", decodeMs, false);
}

void BM_EmptyRequest(benchmark::State& state) {
    for (auto _ : state) {
        if (!rig->link.call(LinkRequest(994)).ok()) {
            state.SkipWithError("994 failed");
            return;
        }
    }
}

void BM_InvoiceLinesRequest(benchmark::State& state) {
    double total = 0;
    qsizetype lines = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const LinkAnswer a = request(rig->lines);
        total += double(timer.nsecsElapsed()) / 1e6;
        if (!a.ok()) {
            state.SkipWithError(qPrintable(a.errorText));
            return;
        }
        lines = a.lines.size();
    }
    linesRequestMs = total / double(state.iterations());
    state.counters["answer_lines"] = double(lines);
}

void BM_OpenInvoiceLines(benchmark::State& state) {
    measureLoad(state, rig->lines, "lines", "x_server", linesRequestMs, true);
}

BENCHMARK(BM_DecodeInvoiceHeads)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadInvoiceHeads)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EmptyRequest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InvoiceLinesRequest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenInvoiceLines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // The grid's widths are measured with font metrics: a GUI application, offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QDir::temp().filePath(QStringLiteral("runtime-bench")).toLocal8Bit());
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString demo = buildDemo(dir);
    SoapServerProcess process;
    if (demo.isEmpty() || !startBenchServer(process, {QStringLiteral("--db"), demo}))
        return 1;
    auto r = std::make_unique<Rig>();
    rig = r.get();
    if (!connectAsWarehouse(*r, process.tcpPort())) {
        std::fprintf(stderr, "login as %s / LAGER failed\n", qPrintable(customer));
        return 1;
    }

    const QDate today = QDate::currentDate();
    r->heads.kind = DocumentKind::Invoices;
    r->heads.mode = 1;
    r->heads.from = today.addDays(-365);
    r->heads.to = today;
    r->heads.customer = customer;
    const LinkAnswer heads = request(r->heads);
    DocumentArrays arrays;
    DocumentDecoder::decode(DocumentKind::Invoices, heads.lines, r->options, arrays);
    if (!heads.ok() || arrays.invoiceHeads.isEmpty()) {
        std::fprintf(stderr, "no invoice heads: %s\n", qPrintable(heads.errorText));
        return 1;
    }
    r->headAnswer = heads.lines;
    // The lines of the head in the first row of the list.
    r->lines.kind = DocumentKind::InvoiceLines;
    r->lines.mode = 2;
    r->lines.number = arrays.invoiceHeads.first().NUMMER;
    r->lines.customer = customer;
    std::fprintf(stderr, "%lld invoice heads from %s to %s; lines of %s\n",
                 static_cast<long long>(arrays.invoiceHeads.size()),
                 qPrintable(DocumentLoader::dateText(r->heads.from)),
                 qPrintable(DocumentLoader::dateText(r->heads.to)), qPrintable(r->lines.number));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
