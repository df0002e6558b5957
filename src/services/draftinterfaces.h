#pragma once

// The seams between the draft-order grid, the quick search and the window
// that shows them. The grid logic (DraftOrder) implements DraftGridActions
// and DraftLineAccess; the quick search (ArticleEntry) implements
// ArticleResolver. Each side only knows the other through these.

#include "model/articlerecords.h"
#include "model/clientrecords.h"

#include <QString>

class StringGrid;

// What the window's keys, menus and mouse ask of the draft grid. Rows and
// columns are those of the grid (row 0 is the header).
class DraftGridActions {
public:
    virtual ~DraftGridActions() = default;

    // Menu "Zeile".
    virtual void newLineWithCopy(int row) = 0; // F2
    virtual void newLine() = 0;                // F3
    virtual void deleteLine(int row) = 0;      // F4, click on "Löschen"
    virtual void deleteAllLines() = 0;         // F5
    virtual void toggleMark(int row) = 0;      // Ctrl+F1
    virtual void markAll() = 0;
    virtual void clearAllMarks() = 0;
    virtual void fillQuantities() = 0; // Ctrl+T
    virtual void setReferenceForAll() = 0;

    // Keys inside the grid.
    virtual void applyJaNein(int row, bool ja) = 0;         // J / N, lbJaNein
    virtual void enterOnRow(int column, int row) = 0;       // Enter right of "Lieferungsart"
    virtual void copyFromRowAbove(int column, int row) = 0; // F8
    // The cell's edit handler: the only way an edit is committed.
    virtual void commitCell(int column, int row, const QString& text) = 0;
    // A cell lost focus without a commit: back to the last confirmed value.
    virtual void restoreCell(int column, int row) = 0;

    // Cell rules.
    virtual bool isEnterable(int column) const = 0;
    virtual bool opensEditor(int column, int row) const = 0;
    // Status bar text when a cell is selected.
    virtual QString selectionStatus(int column, int row) const = 0;
    // Hint text when the mouse rests on a cell; empty shows none.
    virtual QString hintFor(int column, int row) = 0;
    // A click on the "Logo" cell.
    virtual void logoClicked(int row) = 0;
    // True while the co-sale question of the order mark is open: the grid drops keys.
    virtual bool coSaleQuestionOpen() const = 0;
    // Font family of the hint over a cell.
    virtual QString hintFamily(int column, int row) const = 0;
};

// What the quick search needs of the draft order.
class DraftLineAccess {
public:
    virtual ~DraftLineAccess() = default;

    virtual StringGrid& visibleGrid() = 0; // sgVKKL
    virtual StringGrid& shadowGrid() = 0;  // sgVKKLState
    // Rebuilds the grid: mode "0" all rows, mode "4" one row from the given
    // lines (or a reading of that line when empty). Returns the result code.
    virtual int UpdateVKKL(const QString& changedColumn, const TVerkaufskladdeArray& lines, int row,
                           const QString& vkklId, const QString& mode) = 0;
    // Readiness of a line for the order mark; report shows the reason.
    virtual bool lineReady(int row, bool report) = 0;
    // Sets or clears the order mark of a line.
    virtual bool set_Bestellen(int row, bool mitverkauf, bool neueZeile, bool nurBestellen,
                               const QString& rueckstand, const QString& mitverkaufMenge,
                               const QString& mark) = 0;
    virtual void Neue_Zeile() = 0;
    // Opens the cell editor again on a column of a row (TimerActivateCell).
    virtual void reopenEditor(const QString& header, int row) = 0;
    // The line changes of one row (update 163); each returns the server's
    // message, empty on success, and rebuilds the row from the answer.
    virtual QString set_Filiale(int row, const QString& filiale, bool onlyIfDifferent) = 0;
    virtual QString set_Menge(int row, const QString& menge) = 0;
    // "1" when the row's rest goes to backorder.
    virtual QString IsRueckstand(int row) const = 0;
};

// What the draft grid needs of the quick search.
class ArticleResolver {
public:
    virtual ~ArticleResolver() = default;

    struct Result {
        QString FehlerMessage;   // empty, "OK", "Gesperrt" or an error text
        QString Artikelgefunden; // the number, "?" for several hits, empty for none
        QString myARTI_ID;
        TArtikelLongInfo ArtikelLong;
    };
    // Resolves a typed number or search text; sender is the objectName of
    // the control the text came from ("sgVKKL", "edArtikel", ...).
    virtual Result ArtikelNummerChange(const QString& sender, const QString& Nummer) = 0;
    // Writes an article into the draft line of a row; empty on success.
    virtual QString set_Artikel(int zeilenr, const QString& Artikelnr, const QString& menge,
                                bool checkfiliale) = 0;
    // Multiple-login check before changes of the draft order.
    virtual bool mehrfach_gefunden(const QString& sInfo, const QString& AktiveSeite, bool alle_holen,
                                   bool leere_Zeilen_pruefen) = 0;
};
