// Searches on a catalogue of 200,000 articles through the client's TCP
// wrapper against qtx-server on loopback, next to the round trip of an empty
// request (994) on the same connection: the short search 131 and the long
// search 134 for a number and for a common word, and the search 137 for 50
// article numbers as an import sends it.

#include "benchserver.h"
#include "integration/soapserverprocess.h"
#include "link/requestbracket.h"
#include "link/requests/articlerequests.h"
#include "link/requests/customerrequests.h"
#include "link/serverlink.h"
#include "link/tcpconnection.h"
#include "model/modelcontext.h"
#include "platform/logger.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpSocket>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int catalogueSize = 200000;

struct Rig {
    ManualClock clock;
    Logger logger{clock};
    RecordingEnding ending;
    ScriptedDialogs dialogs;
    ModelContext context;
    TcpConnection client;
    RequestBracket bracket{client, logger, ending, clock};
    ServerLink link{client, bracket, logger, clock, ending, dialogs, context};
    QStringList numbers;
};

Rig* rig = nullptr;

void BM_EmptyRequest(benchmark::State& state) {
    for (auto _ : state) {
        const LinkAnswer a = rig->link.call(LinkRequest(994));
        if (!a.ok()) {
            state.SkipWithError(qPrintable(a.errorText));
            break;
        }
    }
}

void BM_ShortSearch(benchmark::State& state, const char* text) {
    qint64 records = 0;
    for (auto _ : state) {
        TArtikelShortInfoArray out;
        const LinkAnswer a = MySucheArtikelKurz(rig->link, QString::fromUtf8(text), out);
        if (!a.ok()) {
            state.SkipWithError(qPrintable(a.errorText));
            break;
        }
        records += out.size();
    }
    state.counters["records"] = benchmark::Counter(double(records), benchmark::Counter::kAvgIterations);
}

void BM_LongSearch(benchmark::State& state, const char* text) {
    qint64 records = 0;
    for (auto _ : state) {
        TArtikelLongInfoArray out;
        const LinkAnswer a = MySucheArtikelAlle(rig->link, QString::fromUtf8(text), out);
        if (!a.ok()) {
            state.SkipWithError(qPrintable(a.errorText));
            break;
        }
        records += out.size();
    }
    state.counters["records"] = benchmark::Counter(double(records), benchmark::Counter::kAvgIterations);
}

void BM_SearchAll50(benchmark::State& state) {
    const QStringList flags(5, QStringLiteral("0"));
    for (auto _ : state) {
        const LinkAnswer a = MySucheArtikelAlle2(rig->link, flags, rig->numbers);
        if (!a.ok()) {
            state.SkipWithError(qPrintable(a.errorText));
            break;
        }
        benchmark::DoNotOptimize(a);
    }
}

BENCHMARK(BM_EmptyRequest)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShortSearch, number, "OC 47")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LongSearch, number, "OC 47")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShortSearch, word, "Bremsscheibe")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LongSearch, word, "Bremsscheibe")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchAll50)->Unit(benchmark::kMicrosecond);

// Fifty article numbers spread over the catalogue.
QStringList sampleNumbers(const QString& path) {
    QStringList out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("sample"));
        db.setDatabaseName(path);
        QSqlQuery q(db);
        if (db.open() && q.exec(QStringLiteral("SELECT NUMMER FROM ARTIKEL WHERE ROW_ID % %1 = 7 LIMIT 50")
                                    .arg(catalogueSize / 50))) {
            while (q.next())
                out << q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("sample"));
    return out;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString catalogue = benchCatalogue(catalogueSize);
    if (catalogue.isEmpty())
        return 1;
    SoapServerProcess process;
    if (qEnvironmentVariableIsEmpty("QTX_BINARY_DIR"))
        qputenv("QTX_BINARY_DIR", QTX_BENCH_BINARY_DIR);
    if (!process.start({QStringLiteral("--db"), catalogue})) {
        std::fprintf(stderr, "qtx-server: %s\n", qPrintable(process.error()));
        return 1;
    }
    auto r = std::make_unique<Rig>();
    rig = r.get();
    r->numbers = sampleNumbers(catalogue);
    if (r->numbers.size() != 50)
        return 1;
    r->logger.setWriteLogFile(false);
    r->link.setServerLevel(20);
    r->client.setHost(QStringLiteral("127.0.0.1"));
    r->client.setPort(process.tcpPort());
    if (!r->client.connectToServer(nullptr) || !r->client.socket())
        return 1;
    while (!r->client.socket()->canReadLine()) {
        if (!r->client.socket()->waitForReadyRead(5000))
            return 1;
    }
    r->client.socket()->readLine();
    if (!MyLogin2(r->link, QStringLiteral("0"), QStringLiteral("10000"), QStringLiteral("DEMO"),
                  QStringLiteral("demo"))
             .ok())
        return 1;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
