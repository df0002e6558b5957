#pragma once

#include <QString>

// First step of a login: the three fields must be filled.
struct LoginCheck {
    enum class Field { None, Kundennr, KaldoId, Passwort };
    Field focus = Field::None; // where the cursor goes when something is missing
    QString message;           // shown when not empty

    bool ok() const { return focus == Field::None; }

    static LoginCheck check(const QString& kundennr, const QString& user, const QString& password);
};
