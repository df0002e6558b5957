#pragma once

#include <QString>
#include <QStringList>

class Logger;

// The sums behind the totals label SummenLabel, kept in cents so that a
// change of one row adjusts them without summing the whole grid again.
class DraftTotals {
public:
    struct Sums {
        qint64 netto = 0;
        qint64 brutto = 0;
        qint64 bestelltNetto = 0;
        qint64 bestelltBrutto = 0;
    };

    void clear() { m_sums = Sums(); }
    // Adds (sign 1) or takes away (sign -1) one row of the grid. A cell that
    // does not read as a number leaves its line out of that sum.
    void addRow(const QStringList& row, int sign = 1, Logger* logger = nullptr);
    const Sums& sums() const { return m_sums; }

    // The label's text; with prices hidden every sum shows as 0.
    QString label(bool pricesShown, const QString& vatText, bool languageFile) const;

    // "12,34" (or "12.34") in cents; false for text that is no number.
    static bool toCents(const QString& text, qint64& cents);

private:
    Sums m_sums;
};
