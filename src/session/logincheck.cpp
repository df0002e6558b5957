#include "logincheck.h"

LoginCheck LoginCheck::check(const QString& kundennr, const QString& user, const QString& password) {
    LoginCheck c;
    if (kundennr.trimmed().isEmpty()) {
        c.focus = Field::Kundennr;
        // Without a user the field is simply new; no need to scold.
        if (!user.trimmed().isEmpty())
            c.message = QStringLiteral("Kundennummer fehlt!");
    } else if (user.trimmed().isEmpty()) {
        c.focus = Field::KaldoId;
        c.message = QStringLiteral("Benutzer fehlt!");
    } else if (password.isEmpty()) {
        c.focus = Field::Passwort;
        c.message = QStringLiteral("Passwort fehlt!");
    }
    return c;
}
