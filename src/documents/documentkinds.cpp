#include "documents/documentkinds.h"

#include "model/conversions.h"
#include "model/formatde.h"

#include <QLocale>

namespace DocumentKind {

Info info(int kind) {
    using namespace Qt::StringLiterals;
    switch (kind) {
    case Orders:
        return {kind, 181, 30, u"Bestellungen"_s, u"GetVKKInfo"_s, 18};
    case OrderLines:
        return {kind, 180, 0, {}, u"GetVKZInfo"_s, -1};
    case DeliveryNotes:
        return {kind, 191, 32, u"Lieferscheine"_s, u"GetDLKInfo"_s, 17};
    case DeliveryLines:
        return {kind, 193, 0, {}, u"GetDLZInfo"_s, -1};
    case Invoices:
        return {kind, 200, 31, u"Rechnungen"_s, u"GetDRKInfo"_s, 17};
    case InvoiceLines:
        return {kind, 203, 0, {}, u"GetDRZInfo"_s, -1};
    case CreditNotes:
        return {kind, 210, 33, u"Gutschriften"_s, u"GetDGKInfo"_s, 17};
    case CreditLines:
        return {kind, 213, 0, {}, u"GetDGZInfo"_s, -1};
    case OpenItems:
        return {kind, 0, 35, u"Offene Posten"_s, {}, -1};
    case Offers:
        return {kind, 184, 37, u"Angebote"_s, u"GetVKKInfo3"_s, 18};
    case OfferLines:
        return {kind, 185, 0, {}, u"GetVKZInfo3"_s, 2};
    case InvoiceBookings:
        return {kind, 204, 38, u"Rechnungszeilen"_s, u"IGetDRZInfo3"_s, 1};
    case CreditBookings:
        return {kind, 215, 39, u"Gutschriftszeilen"_s, u"IGetDGZInfo3"_s, 1};
    case Backorders:
        return {kind, 183, 34, u"Rückstände"_s, u"GetVKZInfo2"_s, -1};
    case Returnable:
        return {kind, 141, 0, {}, u"IGetRuecksendefaehigeArtikel"_s, -1};
    case OldParts:
        return {kind, 252, 0, {}, u"IGetAltteilArtikel"_s, -1};
    default:
        return {};
    }
}

bool isHead(int kind) {
    return kind == Orders || kind == DeliveryNotes || kind == Invoices || kind == CreditNotes ||
           kind == Offers;
}

QString backorderWord(int tenant) {
    return tenant == 1 ? QStringLiteral("Rückstände") : QStringLiteral("Besorgungen");
}

} // namespace DocumentKind

QString FormatPreis(const QString& text) {
    // An empty price stays empty rather than reading ",00".
    if (text.trimmed().isEmpty())
        return text;
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0)
        return text + QStringLiteral(",00");
    const qsizetype decimals = text.size() - comma - 1;
    if (decimals == 1)
        return text + QLatin1Char('0');
    if (decimals > 2) {
        bool ok = false;
        const double value = QLocale(QLocale::German).toDouble(text.trimmed(), &ok);
        if (ok)
            return FormatDE::formatFloat(value, 2);
    }
    return text;
}
