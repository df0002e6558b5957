#pragma once

#include "model/clientrecords.h"
#include "model/compositerecords.h"

#include <QString>

// What the stock rules know of the session: the login's settings, the
// customer's rights and the tenant.
struct StockSettings {
    QString gueltigeFilialen; // GUELTIGE_FILIALEN: "F01;F02;", empty admits every branch
    bool virtualBranches = false;
    int debitorLagerModus = 0;        // DEBITOR_LAGER_MODUS, 0 when the customer may not use it
    bool debitorLagerDarfNex = false; // tenant resource DEBITORLAGER_DARFNEX "ON"
    QString nexBranch;                // the tenant's night-express branch
    int tenant = 6;
    TFilialKurzArray2 branches; // the customer's branch list, for the display names
};

// The stock answer of request 121 turned into what the user sees: which
// branches count, in which order, under which name.
namespace StockRules {

// Branch kinds, the Auftrag field of a branch.
inline constexpr QStringView kindBranch = u"1";
inline constexpr QStringView kindVirtual = u"2";
inline constexpr QStringView kindNoDelivery = u"3";
inline constexpr QStringView kindOwnWarehouse = u"4";
inline constexpr QStringView kindExternal = u"5";

// Delivery forms of the stock filter.
enum class Form { Delivery = 0, NightExpress = 1, Parcel = 2 };
// From a delivery code: "97" night express, "98" parcel service.
Form formOfCode(const QString& lieferungscode);
// From the grid's "Lieferungsart".
Form formOfKind(const QString& lieferungsart);

// Town names as the customer writes them.
QString corrected(const QString& name);

// The rules of the branch kinds after decoding: corrected names, zeroed
// branches the customer may not use, the total of what is left.
void applyKinds(TBestandsInfo& info, const StockSettings& settings);

// The stock for one delivery form: zeroed where the form cannot be served,
// ordered wanted branch (or night-express branch) first, then the central
// branches, then the rest in answer order.
TBestandsInfo BestandSortieren(const TBestandsInfo& info, Form form, const QString& wanted,
                               const QString& alternative, const StockSettings& settings);

// The first column of the stock grid, and back.
QString displayName(const TBestandsInfoFiliale& branch, const StockSettings& settings);
QString codeOfDisplayName(const TBestandsInfo& info, const QString& name, const StockSettings& settings);

int indexOf(const TBestandsInfo& info, const QString& code);
int available(const TBestandsInfo& info, const QString& code);

// The stock summary of a draft line, of stock already ordered for its form.
struct Summary {
    QString zentralfiliale;
    QString mengeInZentrale = QStringLiteral("0");
    QString mengeInFiliale = QStringLiteral("0");
    QString mengeAlternativ = QStringLiteral("0");
    QString gesamtMenge = QStringLiteral("0");
    QString geplanteFahrt;
    bool branchFound = false;
    QString message;
};
Summary summarize(const TBestandsInfo& sorted, const QString& filiale, const QString& alternative,
                  const StockSettings& settings);

// The availability of a wanted quantity: 1 no stock at all, 2 none in the
// wanted branch, 3 the wanted quantity reaches the branch's stock, 0 less.
struct MengeStatus {
    int status = 0;
    QString info;
};
MengeStatus mengeStatus(const Summary& summary, const QString& wunschmenge);

} // namespace StockRules
