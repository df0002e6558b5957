#pragma once

#include "model/clientrecords.h"
#include "model/compositerecords.h"

class StringGrid;

#include <QList>
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

// The branch that serves a quantity: for night express the central branch
// when it holds the quantity, else the night-express branch with the most
// stock; otherwise the wanted branch when it holds the quantity, else the
// first branch in stock order that does. Found when its stock is above 0.
struct ServingBranch {
    bool found = false;
    QString code;
    int stock = 0;
    int index = -1;
    QString central; // the assigned central branch of the wanted branch
};
ServingBranch servingBranch(const TBestandsInfo& sorted, bool nightExpress, int quantity,
                            const QString& wanted, const StockSettings& settings);

// The availability of a wanted quantity: 1 no stock at all, 2 none in the
// wanted branch, 3 the wanted quantity reaches the branch's stock, 0 less.
struct MengeStatus {
    int status = 0;
    QString info;
};
MengeStatus mengeStatus(const Summary& summary, const QString& wunschmenge);

// The external warehouses of a stock answer (kinds "2", "4" and "5") with
// their stock for a delivery form, and the total of their positive stock.
struct ExternalStock {
    Texterne_filialenArray branches;
    int total = 0;
};
ExternalStock externalStock(const TBestandsInfo& info, bool nightExpress, const StockSettings& settings);

// The tenant's texts that mark a line served from outside.
struct OutsideTexts {
    QString aussenlager;    // AUSSENLAGER
    QString nexAussenlager; // the night-express outside-warehouse text
    QString lagerauftrag;   // LAGERAUFTRAG
};
// IstAussenlager: the draft row is served from an outside warehouse.
bool IstAussenlager(const StringGrid& grid, int row, bool backorder, int tenant, const OutsideTexts& texts);
// extern_reserviert: per external branch, what the other marked rows of the
// same article already take from outside; backorder holds, by row, whether
// the row's rest goes to backorder (missing rows do not). With nurNex,
// *text gets the standard text of the first branch with night express or of
// kind "5".
QList<int> extern_reserviert(const StringGrid& grid, int myRow, const QString& myArtikel,
                             const Texterne_filialenArray& branches, bool nurNex, int tenant,
                             const OutsideTexts& texts, const QList<bool>& backorder,
                             QString* text = nullptr);

// The availability check of one imported line, on the article's stock as
// the import has it: status 0 (the branch holds the quantity), 1 (no stock,
// "Logo" KEINEMENGE), 2 (the branch has less than the minimum), 3 (the
// quantity reaches the branch's stock, "Logo" TEILMENGE). Writes "Menge",
// "Fahrt", "ErrorCode", "ErrorMessage" and "Logo" of the row, and names the
// branch and quantity the line keeps.
struct ImportCheck {
    int status = 0;
    QString info;
    QString filiale;
    int menge = 0;
};
ImportCheck importCheck(StringGrid& grid, int row, int wanted, const TBestandsInfo& stock, bool nightExpress,
                        const QString& alternative, bool extFilialeImportAkzept,
                        const StockSettings& settings);

} // namespace StockRules
