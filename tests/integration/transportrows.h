#pragma once

#include <QTest>

// The data column "soap" with a row for each transport.
inline void addTransportRows() {
    QTest::addColumn<bool>("soap");
    QTest::newRow("TCP") << false;
    QTest::newRow("SOAP") << true;
}
