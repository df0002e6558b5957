// The draft-order grid with 200 and 2,000 lines: the full load (reading,
// decoding, rows, totals) with and without the server, and the rebuild of
// one row after a change, which must not grow with the grid.

#include "benchserver.h"
#include "integration/serversession.h"
#include "integration/soapserverprocess.h"
#include "link/requests/articlerequests.h"
#include "link/requests/draftrequests.h"
#include "order/draftorder.h"
#include "services/notbuilt.h"
#include "services/vkklcolumns.h"
#include "session/lokalini.h"
#include "session/session.h"
#include "support/fakes.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Rig : FakeSeams {
    LokalIni ini{beside(u".ini"_s)};
    NotBuiltServices notBuilt;
    ClientServices services = notBuilt.services();
    std::unique_ptr<Session> session;
    std::unique_ptr<DraftOrder> order;
    QStringList articles;
    int lines = -1;

    bool start(const SoapServerProcess& server) {
        log.setWriteLogFile(false);
        session =
            std::make_unique<Session>(Session::Seams{platform, log, dialogs, ending, clock},
                                      serverSessionConfig(server, false, dir.path(), &ini, 60000), services);
        if (!session->login({u"10000"_s, u"DEMO"_s, u"demo"_s, QString()}))
            return false;
        order = std::make_unique<DraftOrder>(session->link(), services,
                                             DraftOrder::Seams{log, dialogs, clock, ending});
        order->setCustomerData(&session->customerData());
        TArtikelShortInfoArray hits;
        MySucheArtikelKurz(session->link(), u"Bremsbelagsatz"_s, hits);
        for (const TArtikelShortInfo& a : hits)
            articles.append(a.NUMMER);
        return !articles.isEmpty();
    }

    // The server's draft order holds n lines with articles.
    bool draftOf(int n) {
        if (lines == n)
            return true;
        ServerLink& link = session->link();
        link.vkklCache().clear();
        VkklAnswer all;
        MyVKKLGet(link, u"0"_s, QString(), QString(), QString(), u"0"_s, all);
        QStringList keys;
        for (const TVerkaufskladde& l : all.lines)
            keys.append(l.VKKL_ID);
        if (!keys.isEmpty() && !link.call(LinkRequest(161, keys)).ok())
            return false;
        for (int i = 0; i < n; ++i) {
            LineValues v;
            v.set(LineValues::ART, u"2"_s);
            v.set(LineValues::ARTIKELNR, articles.at(i % articles.size()));
            v.set(LineValues::MENGE, QString::number(1 + i % 3));
            VkklAnswer out;
            if (!MyVKKLInsert(link, v, out).ok())
                return false;
        }
        link.vkklCache().clear();
        lines = n;
        return true;
    }
};

Rig* rig = nullptr;

// Reading from the server, decoding, rows and totals.
void BM_LoadWithServer(benchmark::State& state) {
    if (!rig->draftOf(int(state.range(0)))) {
        state.SkipWithError("draft order not prepared");
        return;
    }
    for (auto _ : state) {
        rig->session->link().vkklCache().clear();
        rig->order->load();
    }
    state.counters["rows"] = double(rig->order->visibleGrid().rowCount() - 1);
}

// The same with the answer from the 3-second cache: the client's own part.
void BM_LoadClientOnly(benchmark::State& state) {
    if (!rig->draftOf(int(state.range(0)))) {
        state.SkipWithError("draft order not prepared");
        return;
    }
    rig->order->load(); // fills the cache; the manual clock keeps it fresh
    for (auto _ : state)
        rig->order->load();
    state.counters["rows"] = double(rig->order->visibleGrid().rowCount() - 1);
}

// Mode "4" with the server's answer in hand: one row, shadow and totals.
void BM_ChangeOneRow(benchmark::State& state) {
    if (!rig->draftOf(int(state.range(0)))) {
        state.SkipWithError("draft order not prepared");
        return;
    }
    rig->order->load();
    StringGrid& grid = rig->order->visibleGrid();
    const int row = grid.rowCount() / 2;
    VkklAnswer one;
    MyVKKLGet(rig->session->link(), u"4"_s, QString(), QString(), QString(),
              grid.value(VkklColumns::VkklId, row), one);
    if (one.lines.isEmpty()) {
        state.SkipWithError("line not read");
        return;
    }
    TVerkaufskladde line = one.lines.first();
    int flip = 0;
    for (auto _ : state) {
        line.BESTELLEN = (++flip & 1) ? u"1"_s : u"0"_s;
        rig->order->UpdateVKKL(VkklColumns::Bestellen, {line}, row, line.VKKL_ID, u"4"_s);
    }
}

// A whole change: update 163 on the server and the rebuild of its row.
void BM_MarkOneLineWithServer(benchmark::State& state) {
    if (!rig->draftOf(int(state.range(0)))) {
        state.SkipWithError("draft order not prepared");
        return;
    }
    rig->order->load();
    const int row = rig->order->visibleGrid().rowCount() / 2;
    int flip = 0;
    for (auto _ : state) {
        const QString mark = (++flip & 1) ? u"1"_s : u"0"_s;
        rig->order->set_Bestellen(row, false, false, true, QString(), QString(), mark);
    }
}

BENCHMARK(BM_LoadWithServer)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadClientOnly)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeOneRow)->Arg(200)->Arg(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MarkOneLineWithServer)->Arg(200)->Arg(2000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SoapServerProcess process;
    if (!startBenchServer(process))
        return 1;
    auto r = std::make_unique<Rig>();
    rig = r.get();
    if (!r->start(process)) {
        fprintf(stderr, "login failed\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
