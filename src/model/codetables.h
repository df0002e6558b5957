#pragma once

// Code tables and the small lookups that every part of the client shares:
// document and line kinds, version compare, delivery texts, branch names and
// the booking-group lists built from user options.

#include "model/clientrecords.h"
#include "model/customerrecords.h"
#include "model/modelcontext.h"

namespace CodeTables {

// Main warehouse: receiving branch when procurement parameters are missing.
inline const QString Hauptlager = QStringLiteral("SL");
// Default branch and stock branch, and the second default branch.
inline const QString StandardFiliale = QStringLiteral("F15");
inline const QString StandardFiliale2 = QStringLiteral("F14");

// "0" -> "BE", "1" -> "AB", ... "13" -> "LB"; anything else "unbekannt".
QString belegartText(const QString& code);
// A draft line's ART: "15" is "BE", everything else as the document kind.
QString zeilenartText(const QString& art);

struct VersionCompare {
    int code = 0;   // 0 compared, 2 a version without four parts
    QString result; // "1" wanted >= current at the first difference, "-1" smaller, "0" equal
    QString message;
};
VersionCompare compareVersions(const QString& ist, const QString& soll);

// Removes enclosing double quotes, then cuts at every separator; a separator
// at the very end yields a final empty item.
QStringList splitAt(const QString& text, QChar separator);

// Delivery text of a code on a branch.
QString lieferText(const QString& code, const QString& filiale, const TLieferungArray& lieferungen,
                   const ModelContext& context);
// Delivery text with the pickup branch it names (empty unless a pickup code).
QString lieferTextMitAbholfiliale(const QString& code, const TLieferungArray& lieferungen,
                                  const TFilialKurzArray2& filialen, const ModelContext& context,
                                  QString* abholFiliale);

// BEZEICHNUNG of the first branch with that CODE, else the code itself.
QString filialName(const QString& code, const TFilialKurzArray2& filialen);
// CODE of the first branch with that BEZEICHNUNG, else empty.
QString filialCode(const QString& name, const TFilialKurzArray2& filialen);

// One entry per option "BUCHGRUPPE_<group>": the value is the divisor, a value
// below 1 or no number gives 1. The caller builds the list only when the option
// "BENUTZE_BUCHGRUPPENLISTE" is set.
QList<Buchgruppe_divisor> buchgruppenDivisoren(const TBenutzerOptions& options);
// Divisor of a booking group, 1 when it has none.
int divisorFuer(const QString& buchgruppe, const QList<Buchgruppe_divisor>& divisoren);
// One entry per master option "_M_PREISFAKTOR_BGR_<group>".
QList<TBuchgruppenfaktor> buchgruppenFaktoren(const TBenutzerOptions& options);

} // namespace CodeTables
