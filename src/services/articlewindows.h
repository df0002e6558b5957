#pragma once

#include <QString>
#include <QStringList>

// The quick search's lists over the draft grid.
class QuickSearchService {
public:
    virtual ~QuickSearchService() = default;

    // F11, "Al&ternativ-Artikel" on a row.
    virtual void alternatives(int row) = 0;
    // Esc in the grid: the hit list, information panel, stock grid and alternatives close.
    virtual void hidePopups() = 0;
    // While the hit list shows, the grid's cell editor is not reopened.
    virtual bool hitListShown() const = 0;
    // Co-sale articles of an article that was just marked for ordering.
    virtual QStringList mitverkaufsArtikel(const QString& artikel) = 0;
    // Quick entry (the EAN search is on): after a quantity the cursor goes to
    // the article cell of the last line.
    virtual bool quickEntry() const = 0;
};

// The extended search and the article window.
class ArticleWindows {
public:
    virtual ~ArticleWindows() = default;

    // Click on "Logo" of an unknown article: the extended search.
    virtual void startErweiterteSuche(const QString& artikel) = 0;
    // F6 in "Artikelnummer": the "&Artikel" window item.
    virtual void articleWindow(int row) = 0;
};
