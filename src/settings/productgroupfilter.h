#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ServerLink;

// One product group of the price-file filter.
struct TFilterListe {
    QString rWGR_ID;
    QString rBuchgruppe;
    QString rBezeichnung;
    QString rKurzBez;
    QString rAktiv; // "1": the group is in the price file
};

// The product groups a customer's price file holds, as the options window
// shows them on "Preise" (WarengruppenFilterListe).
namespace ProductGroupFilter {

// 421 for the login's customer; false with *error ("Fehler GetPreisdateifilter: ...").
bool load(ServerLink& link, QList<TFilterListe>& out, QString* error);
// The answer's entries: a count, then six lines each (the first unused).
bool decode(const QStringList& lines, QList<TFilterListe>& out);
// The list item: book group right-aligned in three, two blanks, the
// description, a TAB, and the short name after a blank when it differs.
QString itemText(const TFilterListe& entry);

} // namespace ProductGroupFilter
