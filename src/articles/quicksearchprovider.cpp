#include "articles/quicksearchprovider.h"

#include "articles/articleentry.h"
#include "articles/netztyp.h"
#include "articles/quicksearch.h"
#include "session/session.h"

QuickSearchProvider::QuickSearchProvider(ArticleEntry& entry, QuickSearch& search)
    : m_entry(entry)
    , m_search(search)
    , m_coSale(entry.session().link(), entry.seams().dialogs, entry.seams().log) {}

void QuickSearchProvider::alternatives(int row) {
    m_search.alternativesForRow(row, QPoint());
}

void QuickSearchProvider::hidePopups() {
    m_entry.hidePopups();
}

bool QuickSearchProvider::hitListShown() const {
    return m_entry.hitListVisible();
}

QStringList QuickSearchProvider::mitverkaufsArtikel(const QString& artikel) {
    m_coSale.suche_alternativ(artikel, Netztyp::mitverkauf, QPoint(), true, AlternativeSearch::Target::Grid,
                              true, m_entry.alternativeOptions());
    QStringList numbers;
    const StringGrid& grid = m_coSale.grid();
    for (int r = 1; r < grid.rowCount(); ++r) {
        const QString number = AlternativeSearch::numberOf(grid.cell(0, r)).trimmed();
        if (!number.isEmpty())
            numbers << number;
    }
    return numbers;
}

bool QuickSearchProvider::quickEntry() const {
    return m_entry.typeAhead().eanMode();
}
