#pragma once

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>

#include <optional>

// The price file of a customer (DEBITOR_PREISDATEI) with the copy provided for
// download, the product groups (WARENGRUPPE), the customer's standard and
// one-shot filters (DEBITOR_WARENGRUPPENFILTER) and the one-shot jobs
// (DEBITOR_PD_BATCH).
class PriceFileStore {
public:
    explicit PriceFileStore(QSqlDatabase db)
        : m_db(db) {}

    struct PriceFile {
        QString name;
        qint64 size = 0;
        QString created; // German date and time
        QString copy;    // the provided copy, empty when none
    };
    std::optional<PriceFile> file(const QString& kdnr) const;
    bool setFile(const QString& kdnr, const PriceFile& file);
    bool setCopy(const QString& kdnr, const QString& copy);

    struct Group {
        QString id;
        QString buchgruppe;
        QString bezeichnung;
        QString kurzbez;
    };
    QList<Group> groups() const;
    bool addGroup(const Group& group);

    // Filter kinds.
    static QString standard() { return QStringLiteral("STANDARD"); }
    static QString oneShot() { return QStringLiteral("EINMALIG"); }
    // Group id -> active; empty when the customer never set a filter of the kind.
    QHash<QString, bool> filter(const QString& kdnr, const QString& kind) const;
    // Replaces the filter of the kind.
    bool setFilter(const QString& kdnr, const QString& kind, const QList<QPair<QString, bool>>& entries);

    // A job that builds the file once with the given groups; its id, empty on failure.
    QString addBatch(const QString& kdnr, const QStringList& groups, const QString& when);

private:
    QSqlDatabase m_db;
};
