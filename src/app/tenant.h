#pragma once

#include <QString>

// The sales company (tenant) a build serves, taken from the product name.
struct Tenant {
    int number = 0;
    QString registryKey; // under HKEY_CURRENT_USER
    int catalogId = 0;   // what catalogue programs pass as KATALOGID=
    QString sfxValue;    // value name under "Software\WinRAR SFX"

    bool isValid() const { return number > 0; }

    // The text after "QTX_MANDANT" in the product name, "" when the prefix is missing.
    static QString numberText(const QString& productName);
    // Tenant of a product name; an unknown positive number keeps the shared key.
    static Tenant fromProductName(const QString& productName);
    static Tenant forNumber(int number);

    static QString sharedKey() { return QStringLiteral("Software\\Zelmor\\QTX-Client"); }
    static QString sfxKey() { return QStringLiteral("Software\\WinRAR SFX"); }
    static QString keyOfTenant(int number) { return forNumber(number).registryKey; }
};
