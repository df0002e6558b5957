#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The draft-grid columns a user may show or hide in the options window,
// and the widths that follow from a choice.
namespace DraftColumnChoice {

struct Item {
    QString caption; // as the list shows it, without "Spalte"
    QString header;  // the draft grid's column
};

// The list in its order; the graduated price comes last when it is offered.
QList<Item> items(bool graduated);
// "Spalte" and the quoted caption.
QString itemText(const Item& item);
// The columns that only show while prices are always shown.
bool isPriceColumn(const QString& header);
// The note column: its item decides whether the note takes the focus.
inline const QString kNote = QStringLiteral("Bestell-Info");

struct Choice {
    int mode = 0; // 0 important columns, 1 user-defined
    QStringList checked;
    bool pricesAlways = true;
};

// The width of every column: hidden ones 0; visible ones their stored width,
// or -1 (measure the header) when none is stored. standard: the tenant's
// template widths (0 hidden), where mode 0 starts and mode 1 adds or removes.
QList<int> widths(const QStringList& headers, const QList<int>& standard, const QList<int>& stored,
                  const Choice& choice, bool graduated);

} // namespace DraftColumnChoice
