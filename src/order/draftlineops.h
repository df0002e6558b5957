#pragma once

#include <QString>
#include <QStringList>

class DraftOrder;
class LineValues;
struct DraftContext;
struct TStatistik;

// The operations on several lines or on the grid's shape: new lines,
// copies, deletes, marks and references for all lines, the quantity fill.
class DraftLineOps {
public:
    DraftLineOps(DraftOrder& order, DraftContext& context)
        : m_o(order)
        , m_d(context) {}

    void neueZeile();
    int neueZeileMitCopy(const QString& artikel, bool bestellen, const QString& mark, const QString& menge,
                         const QString& filiale);
    void copyRow(int row);
    // The empty line at the end of the grid, unless it is keep, is deleted on
    // the server and its row removed, so that lines can be appended.
    void dropEmptyLastRow(int keep);
    // A line with its values at once (the import insert 172), appended as a
    // new row; the new row, or 0 when the server refused it.
    int insertLine(const LineValues& values, const QString& changedColumn);
    void deleteLine(int row);
    void deleteAll();
    // Marks every ready line (set) or clears every mark.
    void markAll(bool set);
    void setReference(const QString& referenz, bool onlyMarked);
    void fillQuantities();
    int chkVKKL(bool show);
    // Co-sale articles of a just marked article into new lines.
    void addMitverkauf(const QString& artikel, int row, const QString& menge);

private:
    void fixTourlessDelivery();
    TStatistik deletion(int row) const;
    void writeDeleted(const TStatistik& data);
    // One 161 with all keys; result code, message in *error.
    int deleteKeys(const QStringList& keys, QString* error);

    DraftOrder& m_o;
    DraftContext& m_d;
    bool m_deleting = false;
};
