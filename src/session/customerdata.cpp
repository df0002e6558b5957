#include "session/customerdata.h"

#include "link/requests/customerrequests.h"
#include "session/useroptions.h"

namespace {

const QString one = QStringLiteral("1");

void addCode(QString& list, const QString& code) {
    list += code + QLatin1Char(';');
}

} // namespace

TLieferadresseArray CustomerData::workingAddresses(const TLieferadresseArray& all, const QString& option,
                                                   QString* fixedAddress) {
    QStringList codes;
    for (const QString& c : option.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        codes << c.trimmed();
    if (fixedAddress)
        *fixedAddress = codes.value(0);
    if (codes.isEmpty())
        return all;
    TLieferadresseArray kept;
    for (const TLieferadresse& a : all)
        if (codes.contains(a.CODE.trimmed()))
            kept << a;
    return kept;
}

TFilialKurzArray2 CustomerData::keptBranches(const TFilialKurzArray2& all) {
    TFilialKurzArray2 kept;
    for (const TFilialeKurz2& f : all)
        if (f.LAGERMASKENINDEX.trimmed() != u"0")
            kept << f;
    return kept;
}

QString CustomerData::centralBranch(const TFilialKurzArray2& kept, const QString& customerBranch) {
    for (const TFilialeKurz2& f : kept)
        if (f.CODE == customerBranch)
            return f.ZUGEORDNETE_ZENTRALE;
    return customerBranch;
}

QString CustomerData::validBranches(const TDebitor& customer, const QString& central,
                                    const TFilialKurzArray2& kept) {
    const bool debi = customer.DEBI_DEBI_ID.trimmed() == one;
    const bool land = customer.DEBI_LAND_ID.trimmed() == one;
    const QString own = customer.FILIALE;
    QString list;
    for (const TFilialeKurz2& f : kept) {
        const bool mine = f.CODE == own;
        const bool isCentral = f.CODE == central;
        if ((debi && land && (mine || isCentral)) || (land && !debi && mine) ||
            (debi && !land && (mine || isCentral || f.ZUGEORDNETE_ZENTRALE == central)))
            addCode(list, f.CODE);
    }
    return list;
}

QString CustomerData::procurementCost(const QString& cost) {
    const int comma = cost.indexOf(QLatin1Char(','));
    if (comma < 0)
        return cost + QStringLiteral(",00");
    if (cost.size() - comma - 1 == 1)
        return cost + QLatin1Char('0');
    return cost;
}

QStringList CustomerData::deliveryKinds(bool paketdienst) {
    QStringList kinds{QStringLiteral("Zustellung"), QStringLiteral("Abholung"),
                      QStringLiteral("Nachtexpress")};
    if (paketdienst)
        kinds << QStringLiteral("Paketdienst");
    return kinds;
}

void CustomerData::fillSuppliers(StringGrid& grid, const QStringList& lines) {
    QList<QStringList> rows;
    int columns = 4;
    for (const QString& line : lines) {
        rows << line.split(QLatin1Char(';'));
        columns = std::max(columns, int(rows.last().size()));
    }
    QStringList headers;
    if (!rows.isEmpty() && rows.first().value(0).trimmed().compare(u"Code", Qt::CaseInsensitive) == 0)
        headers = rows.takeFirst();
    else
        headers = QStringList{QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("Ort"),
                              QStringLiteral("TecCom")};
    while (headers.size() < columns)
        headers << QString();
    grid.setHeaders(headers);
    grid.setDataRows(rows);
}

bool CustomerData::load(ServerLink& link, const UserOptions& options, const Context& context,
                        QString* message) {
    loaded.clear();
    // 1. Customer.
    LinkAnswer a =
        MyDebitorInfo2ID(link, context.kdnr.isEmpty() ? link.login().KdNr : context.kdnr, customer);
    if (!a.ok()) {
        *message = QStringLiteral("Keine Debitordaten gefunden: \r\n") + a.errorText;
        return false;
    }
    hideBuchungszeilen = !customer.DURCHFAKTURIERUNG.trimmed().isEmpty();
    priceFileCreation = options.value(QStringLiteral("PD_ERSTELLEN")).trimmed() != u"0";
    ownWarehouseMode = customer.DEBI_VERK_ID.trimmed() == one;
    virtualBranches = customer.DEBI_VERTR_ID.trimmed() == one;
    if (context.tenant != 1 && !context.userFiliale.isEmpty())
        customer.FILIALE = context.userFiliale;
    loaded << QStringLiteral("Debitor");

    // 2. Delivery addresses.
    a = MyLieferadresseInfo2ID(link, customer.NUMMER, LAdr);
    if (!a.ok()) {
        *message = QStringLiteral("Fehler bei Lieferadressen:\r\n") + a.errorText;
        return false;
    }
    addresses = workingAddresses(LAdr, options.value(QStringLiteral("FESTE_LIEFERADRESSEN")), &fixedAddress);
    paketdienst = false;
    for (const TLieferadresse& ad : LAdr)
        if (ad.LIEFERUNGSCODE.trimmed() == u"98")
            paketdienst = true;
    loaded << QStringLiteral("Lieferadressen");

    // 3. Branches.
    TFilialKurzArray2 all;
    a = MyGetFilialen(link, all);
    if (!a.ok()) {
        *message = a.errorText;
        return false;
    }
    branches = keptBranches(all);
    central = centralBranch(branches, customer.FILIALE);
    expressBranches.clear();
    lbFiliale.clear();
    for (const TFilialeKurz2& f : branches) {
        if (f.NACHTEXPRESS.trimmed() == one || f.PAKETDIENST.trimmed() == one)
            addCode(expressBranches, f.CODE);
        if (f.PAKETDIENST.trimmed() == one)
            paketdienst = true;
        lbFiliale << f.CODE + QLatin1Char(' ') + f.KURZNAME;
    }
    loaded << QStringLiteral("Filialen");

    // 4. Valid branches, unless the option named them.
    gueltigeFilialen = options.value(QStringLiteral("GUELTIGE_FILIALEN"));
    if (gueltigeFilialen.trimmed().isEmpty())
        gueltigeFilialen = validBranches(customer, central, branches);

    // 5. Delivery codes.
    TLieferungArray codes;
    a = MyGetLieferCodes(link, codes);
    if (!a.ok()) {
        *message = a.errorText;
        return false;
    }
    deliveryCodes.clear();
    for (const TLieferung& l : codes)
        if (l.HAENDLER_J_N.trimmed() == one)
            deliveryCodes << l;
    procurementCostText.clear();
    if (!context.beschaffInfo2.isEmpty())
        for (const TLieferung& l : deliveryCodes)
            if (l.CODE.trimmed() == u"73")
                procurementCostText = procurementCost(l.BESCHAFFUNGSKOSTEN.trimmed());
    loaded << QStringLiteral("Lieferungscodes");

    // 6. Delivery kinds.
    lbLieferungscode = deliveryKinds(paketdienst);

    // 7. Order deadlines: loaded by the delivery-address module (see the login's named step).

    // 8. Suppliers.
    a = MyGetEinspeiserListe(link);
    if (!a.ok()) {
        *message = QStringLiteral("Keine Einspeiserdaten gefunden: \r\n") + a.errorText;
        return false;
    }
    fillSuppliers(sgEinspeiser, a.lines);
    loaded << QStringLiteral("Einspeiser");
    return true;
}
