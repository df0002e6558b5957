#pragma once

#include "model/records.h"

#include <QSqlDatabase>

#include <optional>

// Statistics, outgoing mails, document dispatch, texts (newsletter, help,
// batch, update answer), TecCom availability, returns and old parts.
class ServiceStore {
public:
    explicit ServiceStore(QSqlDatabase db)
        : m_db(db) {}

    bool addStatistics(const QString& kdnr, const QString& user, const QString& when,
                       const QStringList& values);
    int statisticsCount(const QString& kdnr) const;

    // The new mail's id; empty on failure.
    QString addMail(const QString& kdnr, const QString& art, const QString& sender, const QString& to,
                    const QString& subject, const QStringList& text, const QString& when);
    // Status of a mail of the customer; nullopt when there is none.
    std::optional<QString> mailStatus(const QString& kdnr, const QString& mailId) const;

    // A document the customer asked to be sent (411); its id, empty on failure.
    QString addDispatch(const QString& kdnr, const QString& type, const QString& number, const QString& way,
                        const QString& background, const QString& address, const QString& extra,
                        const QString& when);

    // Texts by kind ("NEWSLETTER", "HILFE", "BATCH", "UPDATE") and key.
    std::optional<QString> text(const QString& art, const QString& key) const;
    bool setText(const QString& art, const QString& key, const QString& text);

    // Supplier availability: quantity and date, nullopt when the supplier does not know it.
    std::optional<QPair<int, QString>> teccom(const QString& einspeiser, const QString& artikelnr) const;

    QList<TRuecksendeArtikel> returnable(const QString& kdnr) const;
    // Old-part rows: ALTVZ_ID, BELEG, STATUS, ARTIKELNR, BEZEICHNUNG, ZUM_ATV, ALTWERT, OELIWERT, DATUM,
    // VKKL_ID.
    QList<QStringList> oldParts(const QString& kdnr) const;
    // Marks an old part for the exchange (ZUM_ATV); false when it is not the customer's.
    bool setOldPartExchange(const QString& kdnr, const QString& id, const QString& value);

private:
    QSqlDatabase m_db;
};
