#pragma once

#include "articles/alternativesearch.h"
#include "services/articlewindows.h"

class ArticleEntry;
class QuickSearch;

// What the draft grid asks of the quick search: its lists over the grid and
// the co-sale articles of a marked article.
class QuickSearchProvider final : public QuickSearchService {
public:
    QuickSearchProvider(ArticleEntry& entry, QuickSearch& search);

    void alternatives(int row) override;
    void hidePopups() override;
    bool hitListShown() const override;
    // The net articles of the co-sale type, from the alternatives list
    // without touching the one the user sees.
    QStringList mitverkaufsArtikel(const QString& artikel) override;
    bool quickEntry() const override;

private:
    ArticleEntry& m_entry;
    QuickSearch& m_search;
    AlternativeSearch m_coSale;
};
