#pragma once

#include "documents/documentloader.h"
#include "grid/stringgrid.h"

#include <QDate>
#include <QObject>
#include <QSet>

class Clock;
class Dialogs;
class LokalIni;
class Logger;
class Session;
class StatisticsService;

// The "Belege" tab without its widgets: the searches, the head click that
// loads a document's lines, sorting, the booking-line columns and the
// options that gate it all. The tab binds its controls to this.
class DocumentBrowser : public QObject {
    Q_OBJECT
public:
    struct Seams {
        Logger& log;
        Dialogs& dialogs;
        Clock& clock;
    };
    // What the search controls hold when a search button is clicked.
    struct Input {
        QString number;              // edBelegnr
        QDate from;                  // vonDatum
        QDate to;                    // bisDatum
        bool byNumber = false;       // RgDatumNummer: "Suche nach Belegnummer"
        bool creditBookings = false; // RgRechnungenGutschriften item 1
        QString durchfakturierer;    // LedDurchfakturierer
        QString lieferadresse;       // LEdLieferadresse
    };
    // What the tab shows after an action.
    struct View {
        QString caption;      // PanBelegArt
        QString captionHint;  // hint of PanBelegArt: the count of heads
        QString linesHint;    // hint of sgBelegZeilen
        int activeLabel = -1; // the kind of the sky-blue search label
        bool headsVisible = true;
        bool linesVisible = false;
        bool sortLabelVisible = true;
        bool priceHintVisible = false;
        bool csvEnabled = false;
        bool printEnabled = false;
        bool requestEnabled = false;
        bool openItemsVisible = true;
        bool focusHeads = false;
        int selectedHead = -1; // grid row of the selected head
    };

    DocumentBrowser(Seams seams, Session& session, StatisticsService& statistics, const LokalIni* ini,
                    QObject* parent = nullptr);
    ~DocumentBrowser() override;

    StringGrid& heads() { return m_heads; }
    StringGrid& lines() { return m_lines; }
    DocumentLoader& loader() { return *m_loader; }
    const DocumentArrays& arrays() const { return m_loader->arrays(); }
    const View& view() const { return m_view; }
    int currentKind() const { return m_kind; }
    // The label of the backorder button: "Rückstände" or "Besorgungen".
    QString backorderLabel() const;
    Session& session() { return m_session; }

    // BELEGE_ALLEZEILEN (0 all lines, 1 article lines) and SORTBELEGE (0 ascending, 1 descending).
    int lineSelection() const { return m_lineSelection; }
    int sortDirection() const { return m_sortDirection; }
    void setLineSelection(int index) { m_lineSelection = index; }
    void setSortDirection(int index) { m_sortDirection = index; }
    // Writes both to the INI.
    void saveSettings() const;

    // Gate of a search kind; false when the options forbid it.
    bool allowed(int kind) const;
    // An option of the list "Belege" ("_M_BELEGE_..." read as on/off).
    bool option(const QString& key) const;

    void entered();
    void loggedIn();

    // BtVKKClick: the label of `kind` was clicked (13 for "Abfrage starten").
    void search(int kind, const Input& input);
    // sgBelegeMouseUp, left button on a data row.
    void headClicked(int row);
    // A click on a header: flips the direction and sorts by that column.
    void headsHeaderClicked(int column);
    void linesHeaderClicked(int column);
    // sortgrid: dates sort as dates; equal cells keep their order.
    void sortgrid(StringGrid& grid, int column, bool descending);

    // The text preview of the head in a row of sgBelege; empty when none.
    QString previewText(int row) const;

    // The column popup of booking lines.
    void hideColumn(const QString& header);
    void showColumn(const QString& header);
    void showAllColumns();
    void saveColumnConfig();
    bool bookingResult() const;

    void setFont(const QFont& font) { m_loader->setFont(font); }
    void selectHead(int row);
    DocumentOptions options() const;
    // The input of the last search.
    const Input& lastInput() const { return m_input; }
    // The query of a kind as the current options and the login make it.
    DocumentQuery query(int kind, const QString& number, int mode, const Input& input) const;
    // A usage-statistics event of the logged-in user.
    void record(int aktion, const QString& info, const QString& detail);

Q_SIGNALS:
    void changed();
    // "Offene Posten": the document request runs directly.
    void openItemsRequested();
    // A click on a head put its number into edBelegnr.
    void numberChosen(const QString& number);

private:
    void message(const QString& text);
    void resetView();
    // The first column of the lines grid whose header begins with the text; -1 for none.
    int bookingColumn(const QString& header) const;
    // A column shown again gets the width of its header.
    void showWithHeaderWidth(int column);

    Seams m_s;
    Session& m_session;
    StatisticsService& m_statistics;
    const LokalIni* m_ini;
    StringGrid m_heads{QStringLiteral("sgBelege")};
    StringGrid m_lines{QStringLiteral("sgBelegZeilen")};
    std::unique_ptr<DocumentLoader> m_loader;
    View m_view;
    Input m_input;
    int m_kind = -1;
    bool m_descending = false;
    int m_lineSelection = 0;
    int m_sortDirection = 0;
    QStringList m_addressFilter;
    QSet<int> m_bookingHidden;
    QString m_searchLabel;
};
