#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class ArticleEntry;

// What happens in the quick search field edArtikel, its hit list and the
// alternatives list: the type-ahead search, Enter, browsing the hits,
// taking a hit into the current draft line, the EAN switch and F11.
class QuickSearch : public QObject {
    Q_OBJECT
public:
    explicit QuickSearch(ArticleEntry& entry, QObject* parent = nullptr);

    ArticleEntry& entry() { return m_entry; }
    QString fieldText() const { return m_fieldText; }
    void setFieldText(const QString& text);

    // tTypeDelay ran out; true when a search was made.
    bool typeDelayElapsed(const QString& text, bool fieldHasFocus);
    // The field got the focus: the article cell to copy into it, or a null
    // text when nothing is copied.
    QString fieldEntered() const;
    // CbEAN_Suche changed; returns the state that holds afterwards.
    bool setEanMode(bool on, bool onShopTab);

    // Enter (or Down) in edArtikel; selectedHit -1 when no hit is selected.
    void fieldEnter(const QString& text, int selectedHit);
    // Escape in edArtikel.
    void escape();
    // Up/Down or a single click in the hit list.
    void browse(int hit);
    // Enter or double click in the hit list.
    void takeHit(int hit);
    // Enter or a left click on a row of the alternatives.
    void chooseAlternative(int gridRow);
    // F11: the alternatives of a draft row, placed at position.
    void alternativesForRow(int row, QPoint position);

    // Search texts that found nothing are counted on the server.
    void setCountNotFound(bool on) { m_countNotFound = on; }

Q_SIGNALS:
    void fieldTextChanged(const QString& text);
    // The hit list selects this hit and gets the focus.
    void selectHit(int hit);
    // The cell editor opens on this cell of the draft grid.
    void activateCell(const QString& header, int row);
    // A successor was accepted while browsing: Enter in the field, a little later.
    void enterLater();

private:
    void take(const QString& number, bool alternative);
    void activateQuantity(int row);
    int currentRow() const;

    ArticleEntry& m_entry;
    QString m_fieldText;
    QString m_supplier; // of the article shown in the info panel
    bool m_countNotFound = true;
};
