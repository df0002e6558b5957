#pragma once

#include <QString>

// Compares two four-part versions ("7.1.6554.0").
struct VersionComparison {
    bool ok = false;
    // -1 when the first (actual) version is greater, 1 when it is smaller, 0 when equal.
    int result = 0;
    QString errorText;
};

namespace VersionCompare {

// ist: the actual version, soll: the one it is compared with. Versions in
// double quotes lose them first. Each must have exactly four parts.
VersionComparison compare(const QString& ist, const QString& soll);

// True when version is strictly newer than threshold; false when either is malformed.
bool isNewer(const QString& version, const QString& threshold);

} // namespace VersionCompare
