// Searches on a catalogue of 200,000 articles through the client's TCP
// wrapper against qtx-server on loopback, next to the round trip of an empty
// request (994) on the same connection: the short search 131 and the long
// search 134 for a number and for a common word, and the search 137 for 50
// article numbers as an import sends it.

#include "benchcatalogue.h"
#include "benchclient.h"
#include "integration/soapserverprocess.h"
#include "link/requests/articlerequests.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int catalogueSize = 200000;

struct Rig : BenchClient {
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

// A search wrapper, its hits counted: the short search 131 or the long search 134.
template <class Array, LinkAnswer (*search)(ServerLink&, const QString&, Array&)>
void BM_Search(benchmark::State& state, const char* text) {
    qint64 records = 0;
    for (auto _ : state) {
        Array out;
        const LinkAnswer a = search(rig->link, QString::fromUtf8(text), out);
        if (!a.ok()) {
            state.SkipWithError(qPrintable(a.errorText));
            break;
        }
        records += out.size();
    }
    state.counters["records"] = benchmark::Counter(double(records), benchmark::Counter::kAvgIterations);
}

void BM_ShortSearch(benchmark::State& state, const char* text) {
    BM_Search<TArtikelShortInfoArray, MySucheArtikelKurz>(state, text);
}

void BM_LongSearch(benchmark::State& state, const char* text) {
    BM_Search<TArtikelLongInfoArray, MySucheArtikelAlle>(state, text);
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SoapServerProcess process;
    QString catalogue;
    if (!startCatalogueServer(process, catalogueSize, &catalogue))
        return 1;
    auto r = std::make_unique<Rig>();
    rig = r.get();
    r->numbers = sampleNumbers(catalogue, 50);
    if (r->numbers.size() != 50)
        return 1;
    if (!r->connectAndLogin(process.tcpPort()))
        return 1;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
