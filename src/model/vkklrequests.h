#pragma once

// The lines that follow the request code in the requests that read and change
// draft lines. The transports add framing, login header and code.

#include "model/linevalues.h"

namespace VkklRequests {

// Reading the draft order. Mode "0" all open lines, "4" the line with the key.
QStringList get169Tcp(const QString& mode, const QString& user, const QString& kdnr, const QString& vkklId);
QStringList get160Tcp(const QString& mode, const QString& user, const QString& kdnr, const QString& vkklId);
QStringList get169Soap(const QString& vkklId);
// "IVKKLGet2 Mode=<mode> ID=<key> connected=TRUE "
QString getLogLine(const QString& mode, const QString& vkklId, bool connected);

// Insert (165): 18 lines.
QStringList insert165(const QString& user, const QString& kdnr, const LineValues& values);
// Import insert (172); P5 is cut to 25 characters.
QStringList insert172(const QString& user, const QString& kdnr, const LineValues& values);
// Over SOAP: the customer number, then the lines above as one text.
QStringList insert172Soap(const QString& user, const QString& kdnr, const LineValues& values);
// Update (163): 24 lines, P1 always "-1".
QStringList update163(const QString& user, const QString& kdnr, const LineValues& values);

// Masks of the masked update used by the program.
inline const QString MaskStandard = QStringLiteral("000101010010011111");
inline const QString MaskOhneExtLager = QStringLiteral("000101010010011110");
inline const QString MaskBeschaffung = QStringLiteral("000101010010011001");
// Masked update (174). A mask longer than 18 is cut to 18 at server level 12 or below.
QStringList update174(const LineValues& values, const QString& mask, int serverLevel);

// Field codes of the field and mass update.
namespace FieldCode {
inline const QString Besitzer = QStringLiteral("0");
inline const QString Bestellen = QStringLiteral("2");
inline const QString Menge = QStringLiteral("6");
inline const QString Filiale = QStringLiteral("8");
inline const QString Referenz = QStringLiteral("9");
} // namespace FieldCode

// One field update (168): a field code with its new value, or code "0" with
// the new owning user.
struct FieldUpdate {
    QString fieldCode;
    QString value;
    QString newOwner;
    QString vkklId;
    friend bool operator==(const FieldUpdate&, const FieldUpdate&) = default;
};
QStringList update168Tcp(const FieldUpdate& update);
QStringList update168Soap(const FieldUpdate& update);
// The server's reading of the same lines; false when they do not fit.
bool parse168Tcp(const QStringList& lines, FieldUpdate& update);
bool parse168Soap(const QStringList& lines, FieldUpdate& update);

// One quadruple of the SOAP mass update "MassenUpdate168".
struct MassUpdateItem {
    QString vkklId;
    QString fieldCode;
    QString value;
    QString backorder;
    friend bool operator==(const MassUpdateItem&, const MassUpdateItem&) = default;
};
inline const QString MassUpdateCode = QStringLiteral("MassenUpdate168");
QStringList massUpdate(const QList<MassUpdateItem>& items);
// Whole quadruples only; a trailing partial one is ignored.
QList<MassUpdateItem> parseMassUpdate(const QStringList& lines);

} // namespace VkklRequests
