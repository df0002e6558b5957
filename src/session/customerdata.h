#pragma once

#include "grid/stringgrid.h"
#include "model/clientrecords.h"
#include "model/customerrecords.h"

#include <QList>
#include <QString>
#include <QStringList>

class ServerLink;
class UserOptions;

// The customer's data loaded after the login answer, in its fixed order,
// and the rules that shape it. The loaded records stay here.
class CustomerData {
public:
    struct Context {
        QString userFiliale; // FILIALE of the login answer
        QString kdnr;        // DEB_NR of the login answer, else the number as typed
        int tenant = 6;
        QString beschaffInfo2; // tenant text BESCHAFFINFO2
    };

    // Runs the loads in order; the first failure stops with its message.
    bool load(ServerLink& link, const UserOptions& options, const Context& context, QString* message);

    // Rules, one per step.
    static TLieferadresseArray workingAddresses(const TLieferadresseArray& all, const QString& option,
                                                QString* fixedAddress);
    static TFilialKurzArray2 keptBranches(const TFilialKurzArray2& all);
    static QString centralBranch(const TFilialKurzArray2& kept, const QString& customerBranch);
    static QString validBranches(const TDebitor& customer, const QString& central,
                                 const TFilialKurzArray2& kept);
    static QString procurementCost(const QString& cost);
    static QStringList deliveryKinds(bool paketdienst);
    // The supplier answer into the grid: one row per line, cells split at ";".
    // A first line naming the "Code" column is the header row; otherwise the
    // columns get the names of the server's fields.
    static void fillSuppliers(StringGrid& grid, const QStringList& lines);

    TDebitor customer;
    TLieferadresseArray LAdr;
    TLieferadresseArray addresses; // working list
    QString fixedAddress;
    TFilialKurzArray2 branches;
    QStringList lbFiliale;
    QString central;
    QString expressBranches;
    bool paketdienst = false;
    QString gueltigeFilialen;
    TLieferungArray deliveryCodes;
    QString procurementCostText;
    QStringList lbLieferungscode;
    StringGrid sgEinspeiser{QStringLiteral("sgEinspeiser")};
    bool hideBuchungszeilen = false;
    bool priceFileCreation = true;
    bool ownWarehouseMode = false;
    bool virtualBranches = false;
    // Names of the loads that succeeded, in order.
    QStringList loaded;
};
