#include "pricing.h"

#include "model/conversions.h"
#include "model/formatde.h"
#include "store/articlestore.h"

#include <cmath>

namespace {

double round2(double v) {
    return std::round(v * 100.0) / 100.0;
}

} // namespace

Pricing::Price Pricing::price(const TArtikelInfo& article, const QString& preisgruppe, int menge) const {
    Price p;
    p.brutto = Convert::toFloatDef(article.VK_PREIS, 0.0);
    p.pe = std::max(1, Convert::toIntDef(article.PE, 1));
    p.menge = menge;
    p.rabattP = m_articles.discount(article.NUMMER, preisgruppe);
    for (const auto& [from, pct] : m_articles.graduated(article.NUMMER)) {
        if (menge >= from && pct > p.rabattP)
            p.rabattP = pct;
    }
    p.netto = round2(p.brutto * (100.0 - p.rabattP) / 100.0);
    return p;
}

QStringList Pricing::priceInfoLines(const Price& p, const TArtikelInfo& article) {
    TPreisInfo info;
    info.PE = QString::number(p.pe);
    info.Bruttopreis = FormatDE::formatFloat(p.brutto);
    info.Nettopreis = FormatDE::formatFloat(p.netto);
    info.RabattProzent = FormatDE::formatFloat(p.rabattP);
    info.NatRabMenge = QStringLiteral("0");
    info.Stueckpreis = FormatDE::formatFloat(p.netto);
    info.Nettobetrag = FormatDE::formatFloat(p.nettobetrag());
    info.Bruttobetrag = FormatDE::formatFloat(p.brutto * p.menge);
    info.Rabattbetrag = FormatDE::formatFloat(p.rabattbetrag());
    info.VkPreis = article.VK_PREIS;
    info.PreisArt = p.rabattP > 0 ? QStringLiteral("N") : QStringLiteral("L");
    QStringList out;
    RecordCodec::encodeInto(out, info);
    return out;
}
