#pragma once

#include "benchserver.h"

#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

// main() of the benchmarks that drive the client's windows: offscreen, with
// one qtx-server of this build for all of them, handed out through *server.
inline int runWindowBenchmarks(int argc, char** argv, SoapServerProcess*& server) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QDir::temp().filePath(QStringLiteral("runtime-bench")).toLocal8Bit());
    QApplication app(argc, argv);
    SoapServerProcess process;
    if (!startBenchServer(process))
        return 1;
    server = &process;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    server = nullptr;
    return 0;
}
