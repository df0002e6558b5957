#pragma once

#include "integration/soapserverprocess.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>

// The qtx-server of this build on loopback, with extra switches; false with
// the reason printed.
inline bool startBenchServer(SoapServerProcess& process, const QStringList& arguments = {}) {
    if (qEnvironmentVariableIsEmpty("QTX_BINARY_DIR"))
        qputenv("QTX_BINARY_DIR", QTX_BENCH_BINARY_DIR);
    if (process.start(arguments))
        return true;
    std::fprintf(stderr, "qtx-server: %s\n", qPrintable(process.error()));
    return false;
}
