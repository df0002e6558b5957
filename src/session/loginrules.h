#pragma once

#include <QString>

class UserOptions;

// Small rules of the login that read options and local values.
class LoginRules {
public:
    // The option key of the administration mode.
    static QString adminModeKey();
    // The customer logo as hex text from CUSTOMER_LOGO1.. up to CUSTOMER_LOGO_ZEILEN.
    static QString customerLogoHex(const UserOptions& options);
    // The alternative branch from OPTIONS/ALTERNATIVFILIALE and one customer's fixed rule.
    static QString alternativeBranchFor(int tenant, const QString& kdnr, const QString& iniValue);
};
