#pragma once

#include "model/clientrecords.h"

#include <QString>

struct DraftContext;

// The procurement parameters an outside warehouse carries for a procurement
// kind: AnzahlParam groups of six values in BE_Param (kind, receiving branch,
// supplier, delivery code, procurement code, costs).
namespace ProcurementParams {

struct Lookup {
    TBeschaffungInfo info;
    bool logged = false; // AnzahlParam was a number: the text goes to the log
    QString logText;
};
// label names the caller in the log ("Seteditor nach leerräumen1 ", ...).
Lookup lookup(const QString& label, const QString& kind, const Texterne_Filiale& warehouse);
// The lookup for a draft row: its log text logged and the statistics event
// "GET_BESCHAFFUNGSPARAM" recorded.
TBeschaffungInfo fetch(const DraftContext& context, const QString& label, const QString& kind, int row,
                       const Texterne_Filiale& warehouse);

} // namespace ProcurementParams
