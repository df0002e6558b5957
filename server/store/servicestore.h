#pragma once

#include "model/records.h"

#include <QSqlDatabase>

#include <optional>

// Statistics, outgoing mails, texts (newsletter, help, batch, update answer),
// price-file info, product-group filters, TecCom availability, returns and old parts.
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

    // Texts by kind ("NEWSLETTER", "HILFE", "BATCH", "UPDATE") and key.
    std::optional<QString> text(const QString& art, const QString& key) const;
    bool setText(const QString& art, const QString& key, const QString& text);

    struct PriceFile {
        QString name;
        QString status;
        QString created;
    };
    std::optional<PriceFile> priceFile(const QString& kdnr) const;
    bool setPriceFile(const QString& kdnr, const PriceFile& file);
    bool deletePriceFile(const QString& kdnr);
    QStringList filter(const QString& kdnr) const;
    bool setFilter(const QString& kdnr, const QStringList& groups);

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
