#pragma once

#include <QString>

#include <functional>

// What the model needs to know about the running build and session: the
// tenant, its hotline text, the VAT text of the totals and the UI texts that a
// language file may replace. The owner fills it at start-up and after login;
// the model only reads it.
struct ModelContext {
    using TextLookup = std::function<QString(const QString& key, const QString& defaultText)>;

    // Tenant number from the program's resources.
    QString mandant = QStringLiteral("6");
    // Hotline text of the tenant, appended to messages that ask the user to call.
    QString hotline;
    // VAT text of the totals line until the server provides another.
    QString vatText = QStringLiteral("16%");
    // UI text by message key; without a lookup the German default is used.
    TextLookup uiText;

    QString text(const QString& key, const QString& defaultText) const {
        return uiText ? uiText(key, defaultText) : defaultText;
    }
};
