// The login as a user does it, over TCP and over SOAP: the client built by
// the composition root against qtx-server on loopback, from the click on
// "btLogin" until the Shop tab is shown. Next to it, in the same run, one
// empty request (994) on the logged-in client's transport.

#include "app/ui/clientcomposition.h"
#include "benchwindows.h"
#include "clientrig.h"
#include "integration/soapserverprocess.h"
#include "link/serverlink.h"

#include <QElapsedTimer>
#include <QTabWidget>

#include <benchmark/benchmark.h>

namespace {

SoapServerProcess* server = nullptr;

bool shopShown(const ClientRig& c) {
    const auto* pages = c.child<QTabWidget>(QStringLiteral("PageControl"));
    return pages && pages->currentWidget() &&
           pages->currentWidget()->objectName() == QLatin1String("tsVerkaufskladde");
}

void BM_Login(benchmark::State& state, bool soap) {
    for (auto _ : state) {
        ClientRig c(*server, soap);
        if (!c.start()) {
            state.SkipWithError("start-up failed");
            return;
        }
        QElapsedTimer timer;
        timer.start();
        const bool in = c.login();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (!in || !shopShown(c)) {
            state.SkipWithError(qPrintable(QStringLiteral("login failed: ") + c.lastLog(5)));
            return;
        }
    }
}

void BM_EmptyRequestLoggedIn(benchmark::State& state, bool soap) {
    ClientRig c(*server, soap);
    if (!c.start() || !c.login()) {
        state.SkipWithError("login failed");
        return;
    }
    for (auto _ : state) {
        if (!c.link().call(LinkRequest(994)).ok()) {
            state.SkipWithError("994 failed");
            return;
        }
    }
}

BENCHMARK_CAPTURE(BM_Login, tcp, false)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(BM_Login, soap, true)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(BM_EmptyRequestLoggedIn, tcp, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EmptyRequestLoggedIn, soap, true)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv, server);
}
