#include "articles/stockrules.h"

#include "grid/stringgrid.h"
#include "model/conversions.h"
#include "services/vkklcolumns.h"

#include <QHash>

#include <algorithm>

namespace StockRules {

namespace {

bool isKind(const TBestandsInfoFiliale& f, QStringView kind) {
    return QStringView(f.Auftrag).trimmed() == kind;
}

bool listed(const QString& list, const QString& code) {
    const QString c = code.trimmed();
    const QStringList codes = list.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return std::any_of(codes.begin(), codes.end(), [&](const QString& x) { return x.trimmed() == c; });
}

void zero(TBestandsInfoFiliale& f) {
    f.Verfuegbar = QStringLiteral("0");
}

QString positiveTotal(const TBestandsInfo& info) {
    qint64 sum = 0;
    for (const TBestandsInfoFiliale& f : info.FilialBestand)
        sum += std::max(0, Convert::toIntDef(f.Verfuegbar, 0));
    return QString::number(sum);
}

QString indexText(const TBestandsInfo& info, const QString& code) {
    const int i = code.trimmed().isEmpty() ? -1 : indexOf(info, code);
    return i < 0 ? QString() : QString::number(i);
}

} // namespace

Form formOfCode(const QString& lieferungscode) {
    const QString c = lieferungscode.trimmed();
    if (c == u"97")
        return Form::NightExpress;
    if (c == u"98")
        return Form::Parcel;
    return Form::Delivery;
}

Form formOfKind(const QString& lieferungsart) {
    const QString k = lieferungsart.trimmed();
    if (k == u"Nachtexpress")
        return Form::NightExpress;
    if (k == u"Paketdienst")
        return Form::Parcel;
    return Form::Delivery;
}

QString corrected(const QString& name) {
    static const QHash<QString, QString> towns = {
        {QStringLiteral("Luebeck"), QStringLiteral("Lübeck")},
        {QStringLiteral("Lueneburg"), QStringLiteral("Lüneburg")},
        {QStringLiteral("Muenchen"), QStringLiteral("München")},
        {QStringLiteral("Koeln"), QStringLiteral("Köln")},
        {QStringLiteral("Duesseldorf"), QStringLiteral("Düsseldorf")},
        {QStringLiteral("Osnabrueck"), QStringLiteral("Osnabrück")},
    };
    return towns.value(name.trimmed(), name);
}

void applyKinds(TBestandsInfo& info, const StockSettings& settings) {
    for (TBestandsInfoFiliale& f : info.FilialBestand) {
        f.Bezeichnung = corrected(f.Bezeichnung);
        f.Kurzname = corrected(f.Kurzname);
        if (isKind(f, kindBranch) && !settings.gueltigeFilialen.trimmed().isEmpty() &&
            !listed(settings.gueltigeFilialen, f.Code))
            zero(f);
        else if (isKind(f, kindVirtual) && !settings.virtualBranches)
            zero(f);
        else if (isKind(f, kindOwnWarehouse) && settings.debitorLagerModus <= 0)
            zero(f);
    }
    info.GesamtVerfuegbar = positiveTotal(info);
}

TBestandsInfo BestandSortieren(const TBestandsInfo& info, Form form, const QString& wanted,
                               const QString& alternative, const StockSettings& settings) {
    if (Convert::toIntDef(info.NumFiliale, 0) <= 0)
        return info;
    TBestandsInfoFilialenArray rest = info.FilialBestand;
    for (TBestandsInfoFiliale& f : rest) {
        if (form == Form::Delivery) {
            if (isKind(f, kindNoDelivery))
                zero(f);
            continue;
        }
        const bool offers = (form == Form::NightExpress ? f.NachtExpress : f.PaketDienst).trimmed() == u"1";
        if (isKind(f, kindOwnWarehouse)) {
            if (!settings.debitorLagerDarfNex)
                zero(f);
        } else if (!offers && !isKind(f, kindVirtual) && !isKind(f, kindExternal)) {
            zero(f);
        }
    }

    TBestandsInfo out = info;
    out.FilialBestand.clear();
    const auto take = [&](const QString& code, bool branchesOnly) {
        const QString c = code.trimmed();
        if (c.isEmpty())
            return;
        const auto it = std::find_if(rest.begin(), rest.end(), [&](const TBestandsInfoFiliale& f) {
            return f.Code.trimmed() == c && (!branchesOnly || isKind(f, kindBranch));
        });
        if (it == rest.end())
            return;
        out.FilialBestand.append(*it);
        rest.erase(it);
    };
    if (form == Form::Delivery) {
        take(wanted, true);
        take(alternative, true);
    } else {
        take(settings.nexBranch, true);
    }
    QString firstCentral;
    QString lastCentral;
    for (const TBestandsInfoFiliale& f : info.FilialBestand) {
        if (f.Zentrale.trimmed().isEmpty())
            continue;
        if (firstCentral.isEmpty())
            firstCentral = f.Zentrale.trimmed();
        lastCentral = f.Zentrale.trimmed();
    }
    take(firstCentral, true);
    take(lastCentral, true);
    out.FilialBestand += rest;

    out.GesamtVerfuegbar = positiveTotal(out);
    TBestandsInfoFilialenArray& b = out.FilialBestand;
    if (settings.debitorLagerModus > 0 && b.size() > 2 && !isKind(b.first(), kindOwnWarehouse) &&
        isKind(b.last(), kindOwnWarehouse))
        b.move(b.size() - 1, 1);
    out.NumFiliale = QString::number(b.size());
    out.ZentraleIndex = indexText(out, firstCentral);
    out.KundeIndex = indexText(out, form == Form::Delivery ? wanted : settings.nexBranch);
    out.AlternativIndex = indexText(out, alternative);
    return out;
}

QString displayName(const TBestandsInfoFiliale& branch, const StockSettings& settings) {
    const QString code = branch.Code.trimmed();
    if (isKind(branch, kindOwnWarehouse))
        return QStringLiteral("[4]") + code;
    for (const TFilialeKurz2& f : settings.branches) {
        if (f.CODE.trimmed() == code && !f.BEZEICHNUNG.trimmed().isEmpty())
            return f.BEZEICHNUNG.trimmed();
    }
    QString name = branch.Bezeichnung.trimmed();
    if (name == u"Oesterreich")
        name = QStringLiteral("Österreich");
    if (!isKind(branch, kindBranch) || name.isEmpty())
        return code;
    const QString shortName = branch.Kurzname.trimmed();
    if (shortName.isEmpty() || shortName.startsWith(QLatin1Char('-')))
        return name;
    if (settings.tenant == 4)
        return QStringLiteral("%1 (%2)").arg(name, shortName);
    return name + QLatin1Char(' ') + shortName;
}

QString codeOfDisplayName(const TBestandsInfo& info, const QString& name, const StockSettings& settings) {
    for (const TBestandsInfoFiliale& f : info.FilialBestand) {
        if (displayName(f, settings) == name.trimmed())
            return f.Code.trimmed();
    }
    return QString();
}

int indexOf(const TBestandsInfo& info, const QString& code) {
    const QString c = code.trimmed();
    for (qsizetype i = 0; i < info.FilialBestand.size(); ++i) {
        if (info.FilialBestand.at(i).Code.trimmed() == c)
            return int(i);
    }
    return -1;
}

int available(const TBestandsInfo& info, const QString& code) {
    const int i = indexOf(info, code);
    return i < 0 ? 0 : std::max(0, Convert::toIntDef(info.FilialBestand.at(i).Verfuegbar, 0));
}

Summary summarize(const TBestandsInfo& sorted, const QString& filiale, const QString& alternative,
                  const StockSettings& settings) {
    Summary s;
    const int central = Convert::toIntDef(sorted.ZentraleIndex, -1);
    if (central >= 0 && central < sorted.FilialBestand.size()) {
        s.zentralfiliale = sorted.FilialBestand.at(central).Code.trimmed();
        s.mengeInZentrale = QString::number(available(sorted, s.zentralfiliale));
    } else {
        s.zentralfiliale = settings.nexBranch;
    }
    const int own = indexOf(sorted, filiale);
    if (own >= 0) {
        s.branchFound = true;
        s.mengeInFiliale = QString::number(available(sorted, filiale));
        s.geplanteFahrt = sorted.FilialBestand.at(own).GeplanteFahrt.trimmed();
    }
    if (!alternative.trimmed().isEmpty())
        s.mengeAlternativ = QString::number(available(sorted, alternative));
    s.gesamtMenge =
        sorted.GesamtVerfuegbar.trimmed().isEmpty() ? QStringLiteral("0") : sorted.GesamtVerfuegbar;
    s.message = QStringLiteral("Gesamtmenge verfügbar: ") + s.gesamtMenge;
    if (s.branchFound)
        s.message += QStringLiteral("\r\nIn Filiale verfügbar: ") + s.mengeInFiliale;
    return s;
}

ServingBranch servingBranch(const TBestandsInfo& sorted, bool nightExpress, int quantity,
                            const QString& wanted, const StockSettings& settings) {
    ServingBranch out;
    const QString w = wanted.trimmed();
    bool listedBranch = false;
    for (const TFilialeKurz2& f : settings.branches) {
        if (f.CODE.trimmed() == w) {
            listedBranch = true;
            out.central = f.ZUGEORDNETE_ZENTRALE.trimmed().isEmpty() ? f.CODE.trimmed()
                                                                     : f.ZUGEORDNETE_ZENTRALE.trimmed();
            break;
        }
    }
    if (!listedBranch || out.central.isEmpty()) {
        const int c = Convert::toIntDef(sorted.ZentraleIndex, -1);
        if (c >= 0 && c < sorted.FilialBestand.size())
            out.central = sorted.FilialBestand.at(c).Code.trimmed();
    }
    const auto stockAt = [&](qsizetype i) {
        return Convert::toIntDef(sorted.FilialBestand.at(i).Verfuegbar, 0);
    };
    const auto take = [&](qsizetype i) {
        out.index = int(i);
        out.code = sorted.FilialBestand.at(i).Code.trimmed();
        out.stock = stockAt(i);
        out.found = out.stock > 0;
    };
    const qsizetype n = sorted.FilialBestand.size();
    if (nightExpress) {
        for (qsizetype i = 0; i < n; ++i) {
            const TBestandsInfoFiliale& f = sorted.FilialBestand.at(i);
            if (f.Code.trimmed() == out.central && f.NachtExpress.trimmed() == u"1") {
                if (stockAt(i) >= quantity) {
                    take(i);
                    return out;
                }
                break;
            }
        }
        qsizetype best = -1;
        for (qsizetype i = 0; i < n; ++i) {
            const TBestandsInfoFiliale& f = sorted.FilialBestand.at(i);
            const bool kind = isKind(f, kindBranch) || (settings.tenant == 6 && isKind(f, kindNoDelivery));
            if (kind && f.NachtExpress.trimmed() == u"1" && (best < 0 || stockAt(i) > stockAt(best)))
                best = i;
        }
        if (best >= 0)
            take(best);
        return out;
    }
    for (qsizetype i = 0; i < n; ++i) {
        const TBestandsInfoFiliale& f = sorted.FilialBestand.at(i);
        if (f.Code.trimmed() == w && isKind(f, kindBranch) && stockAt(i) >= quantity) {
            take(i);
            return out;
        }
    }
    for (qsizetype i = 0; i < n; ++i) {
        if (isKind(sorted.FilialBestand.at(i), kindBranch) && stockAt(i) >= quantity) {
            take(i);
            return out;
        }
    }
    return out;
}

MengeStatus mengeStatus(const Summary& summary, const QString& wunschmenge) {
    MengeStatus m;
    const int total = Convert::toIntDef(summary.gesamtMenge, 0);
    const int branch = Convert::toIntDef(summary.mengeInFiliale, 0);
    const int wanted = Convert::toIntDef(wunschmenge, 0);
    QString info;
    if (total <= 0) {
        info = QStringLiteral("Kein Bestand (Wunschmenge=") + wunschmenge + QLatin1Char(')');
        m.status = 1;
    } else {
        info = QStringLiteral("Wunschmenge=") + wunschmenge + QStringLiteral("; Menge in Filiale=") +
               summary.mengeInFiliale + QStringLiteral("\r\nMenge in Zentrale=") + summary.mengeInZentrale +
               QStringLiteral("; Gesamtmenge=") + summary.gesamtMenge;
        m.status = branch <= 0 ? 2 : wanted >= branch ? 3 : 0;
    }
    m.info = info + QStringLiteral("\r\n") + summary.message;
    return m;
}

ExternalStock externalStock(const TBestandsInfo& info, bool nightExpress, const StockSettings& settings) {
    ExternalStock out;
    for (const TBestandsInfoFiliale& f : info.FilialBestand) {
        const bool own = isKind(f, kindOwnWarehouse);
        if (!own && !isKind(f, kindVirtual) && !isKind(f, kindExternal))
            continue;
        Texterne_Filiale e;
        e.Filial_Code = f.Code.trimmed();
        e.Verkaufsart = f.Auftrag.trimmed();
        // An outside warehouse's stock row carries its terms in these fields.
        e.Liefertage = f.Tour.trimmed();
        e.Rueckstanderlaubt = f.Bestellt.trimmed();
        e.zugeordnetZentrale = f.BestelltFiliale.trimmed();
        e.standardtext = displayName(f, settings);
        e.nachtexpress = f.NachtExpress.trimmed();
        e.paketdienst = f.PaketDienst.trimmed();
        e.verfuegbar = f.Verfuegbar.trimmed();
        e.AnzahlParam = f.Eingang.trimmed();
        e.BE_Param = f.Bestand;
        if (own && (settings.debitorLagerModus <= 0 || (nightExpress && !settings.debitorLagerDarfNex)))
            e.verfuegbar = QStringLiteral("0");
        if (isKind(f, kindVirtual) && nightExpress && settings.tenant != 6 && e.nachtexpress != u"1" &&
            e.paketdienst != u"1")
            e.verfuegbar = QStringLiteral("0");
        out.total += std::max(0, Convert::toIntDef(e.verfuegbar, 0));
        out.branches.append(e);
    }
    return out;
}

bool IstAussenlager(const StringGrid& grid, int row, bool backorder, int tenant, const OutsideTexts& texts) {
    const QString logo = grid.value(VkklColumns::Logo, row);
    if ((!texts.aussenlager.isEmpty() && logo == texts.aussenlager) ||
        (!texts.nexAussenlager.isEmpty() && logo == texts.nexAussenlager))
        return true;
    if (!grid.value(VkklColumns::ExtLager, row).trimmed().isEmpty())
        return true;
    return tenant != 6 && !backorder && logo != u"..." &&
           grid.value(VkklColumns::Art, row).trimmed() == u"PL";
}

QList<int> extern_reserviert(const StringGrid& grid, int myRow, const QString& myArtikel,
                             const Texterne_filialenArray& branches, bool nurNex, int tenant,
                             const OutsideTexts& texts, const QList<bool>& backorder, QString* text) {
    QList<int> taken(branches.size(), 0);
    int all = 0;
    for (int row = 1; row < grid.rowCount(); ++row) {
        if (row == myRow || grid.value(VkklColumns::Bestellen, row) != u"JA" ||
            grid.value(VkklColumns::Artikelnummer, row).trimmed() != myArtikel.trimmed() ||
            !IstAussenlager(grid, row, backorder.value(row, false), tenant, texts) ||
            (!texts.lagerauftrag.isEmpty() && grid.value(VkklColumns::Logo, row) == texts.lagerauftrag))
            continue;
        const int menge = std::max(0, Convert::toIntDef(grid.value(VkklColumns::Menge, row), 0));
        all += menge;
        const QString ext = grid.value(VkklColumns::ExtLager, row).trimmed();
        for (qsizetype i = 0; i < branches.size(); ++i) {
            if (branches.at(i).Filial_Code == ext)
                taken[i] += menge;
        }
    }
    if (branches.size() == 1)
        taken[0] = all;
    if (nurNex && text) {
        text->clear();
        for (const Texterne_Filiale& e : branches) {
            if (e.nachtexpress == u"1" || e.Verkaufsart == kindExternal) {
                *text = e.standardtext;
                break;
            }
        }
    }
    return taken;
}

ImportCheck importCheck(StringGrid& grid, int row, int wanted, const TBestandsInfo& stock, bool nightExpress,
                        const QString& alternative, bool extFilialeImportAkzept,
                        const StockSettings& settings) {
    ImportCheck out;
    const auto cell = [&](const QString& header) { return grid.value(header, row).trimmed(); };
    const QString artikel = cell(VkklColumns::Artikelnummer);
    const QString branch = nightExpress ? settings.nexBranch : cell(VkklColumns::Filiale);
    const int minimum =
        cell(VkklColumns::IstFix) == u"1" ? std::max(1, Convert::toIntDef(cell(VkklColumns::FixeTe), 1)) : 1;
    const Form form = formOfCode(cell(VkklColumns::Lieferungscode));
    TBestandsInfo sorted = BestandSortieren(stock, form, branch, alternative, settings);

    const int total = Convert::toIntDef(sorted.GesamtVerfuegbar, 0);
    for (TBestandsInfoFiliale& f : sorted.FilialBestand) {
        const int v = Convert::toIntDef(f.Verfuegbar, 0);
        if (isKind(f, kindVirtual) && !(settings.virtualBranches && extFilialeImportAkzept) && v <= total)
            zero(f);
        if (nightExpress) {
            if (isKind(f, kindOwnWarehouse) && !settings.debitorLagerDarfNex)
                zero(f);
            if (f.NachtExpress.trimmed() == u"0" && (f.Zentrale.trimmed() == u"1" || settings.tenant == 6))
                zero(f);
        }
    }
    sorted.GesamtVerfuegbar = positiveTotal(sorted);
    const Summary sum = summarize(sorted, branch, alternative, settings);
    grid.setValue(VkklColumns::Fahrt, row, QStringLiteral("0"));
    grid.setValue(VkklColumns::ErrorCode, row, QStringLiteral("0"));

    const int branchStock = std::min(Convert::toIntDef(sum.mengeInFiliale, 0), 5000);
    const QString q = QString::number(wanted);
    if (Convert::toIntDef(sum.gesamtMenge, 0) > 0)
        out.info = QStringLiteral("Artikel ;") + artikel + QStringLiteral("; Wunschrestmenge=;") + q +
                   QStringLiteral("; Menge in Filiale=") + QString::number(branchStock) +
                   QStringLiteral("\r\nMenge in Zentrale[") + sum.zentralfiliale + QStringLiteral("]=") +
                   sum.mengeInZentrale + QStringLiteral("; Gesamtmenge=") + sum.gesamtMenge;
    else
        out.info = QStringLiteral("Kein Bestand Artikel ;") + artikel +
                   QStringLiteral("; Wunschrestmenge=;") + q + QLatin1Char(';');
    grid.setValue(VkklColumns::Menge, row, q);

    QString logo = QStringLiteral("...");
    if (Convert::toIntDef(sum.gesamtMenge, 0) <= 0) {
        out.status = 1;
        logo = QStringLiteral("KEINEMENGE");
    } else if (branchStock < minimum) {
        out.status = 2;
    } else if (wanted >= branchStock) {
        out.status = 3;
        logo = QStringLiteral("TEILMENGE");
    }
    grid.setValue(VkklColumns::Logo, row, logo);
    grid.setValue(VkklColumns::ErrorMessage, row, out.status > 0 ? out.info : QString());

    if (out.status == 1) {
        grid.setValue(VkklColumns::ErrorMessage, row, QStringLiteral("Kein Bestand"));
        return out;
    }
    const ServingBranch b = servingBranch(sorted, nightExpress, minimum, branch, settings);
    if (!b.found) {
        out.status = 1;
        grid.setValue(VkklColumns::ErrorMessage, row,
                      nightExpress ? QStringLiteral("Kein Bestand für Nachtexpress")
                                   : QStringLiteral("Kein Bestand"));
        grid.setValue(VkklColumns::Logo, row, QStringLiteral("KEINEMENGE"));
        return out;
    }
    out.filiale = b.code;
    out.menge = wanted;
    const QString trip = sorted.FilialBestand.at(b.index).GeplanteFahrt.trimmed();
    if (!trip.isEmpty() && trip != u"0")
        grid.setValue(VkklColumns::Fahrt, row, QStringLiteral("1"));
    if (out.status > 0)
        grid.setValue(VkklColumns::ErrorMessage, row, QStringLiteral("InfoMessage:") + out.info);
    return out;
}

} // namespace StockRules
