#include "articles/articleinfopanel.h"

namespace ArticleInfoPanel {

QList<ArticleInfoRow> rows(const TArtikelInfo& a, const QString& supplierName, const QString& netPrice,
                           const QString& showPreis) {
    const bool deliverable = a.BUCH_GR != u"0";
    const bool blocked = !a.GESPERRT.isEmpty() && a.GESPERRT != u"0";
    const QString euro = QStringLiteral(" €");

    QString bezeichnung = a.BEZEICHNUNG;
    if (!a.BEZEICHNUNG2.isEmpty())
        bezeichnung += QStringLiteral(" (") + a.BEZEICHNUNG2 + QLatin1Char(')');
    QString buchgruppe = a.BUCH_GR;
    if (blocked)
        buchgruppe += QStringLiteral(" (ist gesperrt!)");

    ArticleInfoRow net{QStringLiteral("Nettopreis"), QStringLiteral("-"), QString()};
    if (showPreis == u"ON") {
        net.value = netPrice;
    } else if (showPreis == u"ONMOUSEOVER") {
        net.value = QStringLiteral("?");
        net.tip = netPrice;
    }

    return {
        {QStringLiteral("Artikelnummer"), a.NUMMER, {}},
        {QStringLiteral("Einspeiser"), a.EINSPEISERCODE.isEmpty() ? QString() : supplierName, {}},
        {QStringLiteral("TecDoc-Nr."), a.TECDOCNR, {}},
        {QStringLiteral("Bezeichnung"), bezeichnung, {}},
        {QStringLiteral("Buchgruppe"), buchgruppe, {}},
        {QStringLiteral("Einheit"), a.EINHEIT, {}},
        {QStringLiteral("PreisEinheit"), a.PE, {}},
        {QStringLiteral("Kartonstück"), a.KARTONSTUECK, {}},
        {QStringLiteral("Techn.Einheit"), a.TE, {}},
        {QStringLiteral("empf.Vk.-Preis"),
         deliverable ? QString(a.VK_PREIS + euro) : QStringLiteral("-,--"),
         {}},
        net,
        {QStringLiteral("Altteilwert"), a.TAUSCHWERT + euro, {}},
        {QStringLiteral("Altteilsteuer"),
         a.ALTTEILSTEUER != u"0" ? QStringLiteral("Ja") : QStringLiteral("-"),
         {}},
    };
}

} // namespace ArticleInfoPanel
