// The quantity entry as a user makes it: 13 of "BS 300" typed into a draft
// line of the client built by the composition root, placed over the three
// branches that have it (Hannover 4, Hamburg 6, Ostrand 3) as three lines.
// Beside it, in the same run: the time the entry's own requests spent on
// their round trips (counter "roundtrip_ms", measured around each request in
// the link), and the same number of bare stock requests (121). The counter
// "requests" is the number of requests the entry sends, "client_share" the
// part of the entry's time not spent waiting for the server.

#include "app/ui/clientcomposition.h"
#include "app/ui/shoptab.h"
#include "benchwindows.h"
#include "clientrig.h"
#include "integration/soapserverprocess.h"
#include "link/requests/articlerequests.h"
#include "link/requests/draftrequests.h"
#include "link/serverlink.h"
#include "order/draftorder.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

namespace {

SoapServerProcess* server = nullptr;
int requestsPerEntry = 0;

// An empty draft order, then the article in line 1.
bool prepare(ClientRig& c) {
    if (!ClientRig::clearDraft(*server))
        return false;
    DraftOrder& draft = c.client->shop()->draft();
    c.link().vkklCache().clear();
    draft.load();
    draft.commitCell(draft.visibleGrid().column(QStringLiteral("Artikelnummer")), 1,
                     QStringLiteral("BS 300"));
    return draft.visibleGrid().value(QStringLiteral("Artikelnummer"), 1) == u"BS 300";
}

int linesOf(ClientRig& c) {
    int n = 0;
    for (const TVerkaufskladde& line : c.serverLines())
        n += line.ARTIKELNR.trimmed() == u"BS 300" ? 1 : 0;
    return n;
}

void BM_QuantitySplit(benchmark::State& state) {
    ClientRig c(*server, false);
    if (!c.start() || !c.login()) {
        state.SkipWithError("login failed");
        return;
    }
    DraftOrder& draft = c.client->shop()->draft();
    const int menge = draft.visibleGrid().column(QStringLiteral("Menge"));
    double roundTrips = 0;
    double total = 0;
    int entries = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!prepare(c)) {
            state.SkipWithError("no line with the article");
            return;
        }
        const quint64 before = c.link().sentRequests();
        const qint64 waited = c.link().roundTripNs();
        QElapsedTimer timer;
        state.ResumeTiming();
        timer.start();
        draft.commitCell(menge, 1, QStringLiteral("13"));
        const qint64 took = timer.nsecsElapsed();
        state.PauseTiming();
        requestsPerEntry = int(c.link().sentRequests() - before);
        roundTrips += double(c.link().roundTripNs() - waited) / 1e6;
        total += double(took) / 1e6;
        ++entries;
        if (linesOf(c) != 3) {
            state.SkipWithError("not split over three lines");
            return;
        }
        state.ResumeTiming();
    }
    state.counters["requests"] = requestsPerEntry;
    if (entries > 0) {
        state.counters["roundtrip_ms"] = roundTrips / entries;
        state.counters["client_share"] = (total - roundTrips) / roundTrips;
    }
}

void BM_BareStockRequests(benchmark::State& state) {
    ClientRig c(*server, false);
    if (!c.start() || !c.login() || requestsPerEntry <= 0) {
        state.SkipWithError("login failed or no entry measured");
        return;
    }
    for (auto _ : state) {
        for (int i = 0; i < requestsPerEntry; ++i) {
            TBestandsInfo stock;
            if (!MyGetArtikelBestand2(c.link(), QStringLiteral("F03"), QStringLiteral("0"),
                                      QStringLiteral("BS 300"), stock)
                     .ok()) {
                state.SkipWithError("121 failed");
                return;
            }
        }
    }
    state.counters["requests"] = requestsPerEntry;
}

BENCHMARK(BM_QuantitySplit)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_BareStockRequests)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv, server);
}
