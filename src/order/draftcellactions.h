#pragma once

#include <QString>

class DraftOrder;
struct DraftContext;

// What is done to one row: its order mark and note, and what the keys, the
// mouse and the cell editor ask (committed cells, J/N, F8, Enter, status and
// hint texts, clicks on "Logo").
class DraftCellActions {
public:
    DraftCellActions(DraftOrder& order, DraftContext& context)
        : m_o(order)
        , m_d(context) {}

    bool lineReady(int row, bool report);
    bool set_Bestellen(int row, bool mitverkauf, bool neueZeile, bool nurBestellen, const QString& rueckstand,
                       const QString& mitverkaufMenge, const QString& mark);
    bool set_ZeilenReferenz(const QString& vkklId, const QString& text, int row);
    void toggleMark(int row);
    void applyJaNein(int row, bool ja);
    void enterOnRow(int column, int row);
    void copyFromRowAbove(int column, int row);
    void commitCell(int column, int row, const QString& text);
    QString selectionStatus(int column, int row) const;
    QString hintFor(int column, int row);
    void logoClicked(int row);

private:
    void commitBestellInfo(int row, const QString& text);
    QString logoHint(int row);
    // The row's error message as shown; tenant "1" words the backorder
    // notice after where the row is served from.
    QString shownMessage(int row, bool procuredFirst) const;

    DraftOrder& m_o;
    DraftContext& m_d;
    // The delivery time over "Logo" is asked once per row and kept until the
    // mouse leaves the column.
    int m_lieferzeitRow = -1;
    QString m_lieferzeit;
};
