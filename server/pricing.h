#pragma once

#include "model/records.h"

class ArticleStore;

// The server's price rule: list price less the customer's price-group
// discount, or the graduated discount when the quantity reaches a step and
// it is larger.
class Pricing {
public:
    struct Price {
        double brutto = 0;  // list price per unit
        double rabattP = 0; // discount in percent
        double netto = 0;   // net price per unit
        int pe = 1;
        int menge = 1;
        double nettobetrag() const { return netto * menge; }
        double rabattbetrag() const { return (brutto - netto) * menge; }
    };

    explicit Pricing(const ArticleStore& articles)
        : m_articles(articles) {}

    Price price(const TArtikelInfo& article, const QString& preisgruppe, int menge) const;
    // The 11 lines of request 110.
    static QStringList priceInfoLines(const Price& p, const TArtikelInfo& article);

private:
    const ArticleStore& m_articles;
};
