#include "articles/stockinfo.h"

#include "grid/stringgrid.h"
#include "link/requests/articlerequests.h"
#include "model/answerlayouts.h"
#include "model/conversions.h"
#include "platform/clock.h"
#include "platform/logger.h"
#include "services/deliveryaddresses.h"
#include "services/draftinterfaces.h"
#include "session/session.h"
#include "session/tenantlibrary.h"

#include <algorithm>

namespace {

constexpr qint64 cacheMs = 3000;
constexpr int stockLineLength = 22;

bool hasRow(const StockInfo::Grid& grid, const QString& code) {
    return StockRules::available(grid.sorted, code) > 0;
}

} // namespace

StockInfo::StockInfo(Session& session, const ClientServices& services)
    : m_session(session)
    , m_services(services) {}

StockSettings StockInfo::settings() const {
    StockSettings s;
    const CustomerData& data = m_session.customerData();
    s.gueltigeFilialen = data.gueltigeFilialen;
    s.virtualBranches = data.virtualBranches;
    s.debitorLagerModus =
        data.ownWarehouseMode
            ? Convert::toIntDef(m_session.options().value(QStringLiteral("DEBITOR_LAGER_MODUS")), 0)
            : 0;
    s.debitorLagerDarfNex = m_session.tenantTexts().debitorlagerDarfNex;
    s.nexBranch = m_session.defaultBranch();
    s.tenant = m_session.tenant();
    s.branches = data.branches;
    return s;
}

QString StockInfo::pickupBranch() const {
    return m_session.customerData().customer.FILIALE.trimmed();
}

LinkAnswer StockInfo::request(const QString& artikelNr, const QString& filiale, TBestandsInfo& out,
                              bool reuse) {
    ServerLink& link = m_session.link();
    const QString key = artikelNr.trimmed() + QLatin1Char('\n') + link.login().KdNr;
    const QDateTime now = link.clock().now();
    LinkAnswer a;
    if (reuse && m_last.EinArtikel == key && m_last.Abfragezeit.isValid() &&
        m_last.Abfragezeit.msecsTo(now) < cacheMs) {
        a.lines = m_last.AListe;
    } else {
        const QString filter = m_session.options().value(QStringLiteral("BESTAND_FILTER_ALLGEMEIN"));
        a = MyGetArtikelBestand2(link, filiale, filter, artikelNr, out);
        if (!a.ok())
            return a;
        if (a.lines.size() < stockLineLength) {
            a.result = 1;
            a.errorText +=
                QStringLiteral(" [keine Zeilen: IGetArtikelBestand2 ") + artikelNr + QStringLiteral("]");
            return a;
        }
        m_last.EinArtikel = key;
        m_last.Parameter = filiale;
        m_last.Abfragezeit = now;
        m_last.AListe = a.lines;
    }
    out = AnswerLayouts::decodeBestandsInfo(a.lines, nullptr);
    StockRules::applyKinds(out, settings());
    return a;
}

StockRules::ExternalStock StockInfo::get_externBestand2(const QString& artikel, bool nightExpress,
                                                        QString* error) {
    ServerLink& link = m_session.link();
    const QString key = artikel.trimmed() + QLatin1Char('\n') + link.login().KdNr;
    const bool fresh = m_last.EinArtikel == key && m_last.Abfragezeit.isValid() &&
                       m_last.Abfragezeit.msecsTo(link.clock().now()) < cacheMs;
    link.logger().Log(2,
                      fresh ? QStringLiteral(" get_externBestand2 Bestandsabfrage ohne Request ") + artikel
                            : QStringLiteral(" get_externBestand2 mit Request Bestandsabfrage ") + artikel,
                      2);
    TBestandsInfo stock;
    const LinkAnswer a = request(artikel, pickupBranch(), stock, true);
    if (!a.ok()) {
        if (error)
            *error = a.errorText;
        return {};
    }
    return StockRules::externalStock(stock, nightExpress, settings());
}

StockService::External StockInfo::freeExternalStock(DraftLineAccess& draft, int row, const QString& artikel,
                                                    const QString& lieferungscode) {
    StockService::External out;
    const bool nex = StockRules::formOfCode(lieferungscode) == StockRules::Form::NightExpress;
    StockRules::ExternalStock ext = get_externBestand2(artikel, nex, &out.error);
    if (!out.error.isEmpty())
        return out;
    out.total = ext.total;
    out.branches = ext.branches;
    if (out.branches.isEmpty())
        return out;
    StringGrid& grid = draft.visibleGrid();
    QList<bool> backorder(grid.rowCount(), false);
    for (int r = 1; r < grid.rowCount(); ++r)
        backorder[r] = draft.IsRueckstand(r) == u"1";
    const TenantTexts& t = m_session.tenantTexts();
    const QList<int> taken =
        StockRules::extern_reserviert(grid, row, artikel, out.branches, false, m_session.tenant(),
                                      {t.aussenlager, QString(), t.lagerauftrag}, backorder);
    for (qsizetype i = 0; i < out.branches.size(); ++i) {
        Texterne_Filiale& b = out.branches[i];
        b.verfuegbar = QString::number(Convert::toIntDef(b.verfuegbar, 0) - taken.value(i));
    }
    return out;
}

QString StockInfo::nexText(const TBestandsInfoFiliale& branch) const {
    if (branch.NachtExpress.trimmed() != u"1")
        return QStringLiteral("Nein");
    const QString time = m_services.addresses->nexBestellzeit(branch.Code.trimmed()).trimmed();
    if (time.isEmpty())
        return QStringLiteral("Ja");
    if (time.toUpper() == u"KEIN NEX")
        return QStringLiteral("Nein");
    return QStringLiteral("bis ") + time + QStringLiteral(" Uhr");
}

int StockInfo::ShowArtikelBestand(const Request& request, Grid* grid, QString* mengeKundeFil,
                                  QString* mengeGesamt, QString* errorMessage) {
    *grid = Grid();
    *mengeKundeFil = QStringLiteral("0");
    *mengeGesamt = QStringLiteral("0");
    const TArtikelInfo& art = request.article;
    const bool blocked = art.GESPERRT.trimmed() == u"1";
    if (art.BUCH_GR.trimmed() == u"0" || blocked) {
        if (*errorMessage != u"EXIT") {
            *errorMessage = QStringLiteral("Buchgruppe=") + art.BUCH_GR;
            if (blocked)
                *errorMessage += QStringLiteral(" Artikel ist gesperrt.");
        }
        return blocked ? -2 : -1;
    }
    const QString pickup = pickupBranch();
    TBestandsInfo stock;
    const LinkAnswer a = this->request(art.NUMMER, pickup, stock);
    if (!a.ok()) {
        *errorMessage = a.errorText;
        return a.result;
    }
    *mengeGesamt = stock.GesamtVerfuegbar;
    *mengeKundeFil = QString::number(StockRules::available(stock, pickup));

    const StockSettings s = settings();
    grid->lieferungsart = request.aktZeile > 0 ? request.lieferungsart : QStringLiteral("Abholung");
    const StockRules::Form form = StockRules::formOfKind(grid->lieferungsart);
    QString line = QStringLiteral("mit_nex=");
    line += form == StockRules::Form::NightExpress ? QStringLiteral("TRUE ") : QStringLiteral("FALSE ");
    line += QStringLiteral(" nex_paket=");
    line += QString::number(int(form));
    m_session.link().logger().Log(2, line, 2);
    grid->sorted = StockRules::BestandSortieren(stock, form, pickup, m_session.alternativeBranch(), s);
    grid->noStock = Convert::toIntDef(grid->sorted.GesamtVerfuegbar, 0) <= 0;
    if (grid->noStock && request.meldeKeinBestand)
        return 0;

    for (const TBestandsInfoFiliale& f : grid->sorted.FilialBestand) {
        if (Convert::toIntDef(f.Verfuegbar, 0) == 0)
            continue;
        if (f.Code.trimmed() == request.aktFiliale.trimmed())
            grid->selected = int(grid->rows.size());
        grid->rows.append({StockRules::displayName(f, s), f.Verfuegbar.trimmed(), nexText(f), f.Zentrale});
    }
    grid->rows.append({QStringLiteral("Gesamt"), grid->sorted.GesamtVerfuegbar, QString(), QString()});

    // The line under the preferred branches.
    const QString kind = grid->lieferungsart.trimmed();
    if (kind == u"Zustellung" || kind == u"Abholung") {
        grid->tag = 3;
        if (!hasRow(*grid, pickup))
            --grid->tag;
        if (!(hasRow(*grid, s.nexBranch) && s.nexBranch != pickup))
            --grid->tag;
    } else if (kind == u"Nachtexpress" || kind == u"Paketdienst") {
        grid->tag = hasRow(*grid, s.nexBranch) ? 2 : 0;
    }
    grid->nexColumnHidden = s.tenant == 1;
    return 0;
}

QString StockInfo::chooseBranch(const Grid& grid, int row, const QString& rowMenge, QString* refusal) const {
    refusal->clear();
    if (row < 0 || row >= grid.rows.size() - 1)
        return QString(); // the header and "Gesamt" choose nothing
    const QStringList& r = grid.rows.at(row);
    const QString code = StockRules::codeOfDisplayName(grid.sorted, r.at(0), settings());
    const int stock = Convert::toIntDef(r.at(1), 0);
    if (stock <= 0 || stock < Convert::toIntDef(rowMenge, 0)) {
        *refusal = QStringLiteral("Menge nicht verfügbar in Filiale ") + code;
        return QString();
    }
    if (grid.lieferungsart.trimmed() == u"Nachtexpress" && r.at(2) == u"Nein") {
        *refusal = QStringLiteral("Filiale kann nicht gewählt werden (Nachtexpress nicht verfügbar).");
        return QString();
    }
    return code;
}

StockInfo::Summary StockInfo::getArtikelBestand(const QString& artikelNummer, const QString& filialeNr,
                                                const QString& liefCode, bool needsort,
                                                TBestandsInfo* stock) {
    Summary out;
    const StockSettings s = settings();
    const StockRules::Form form = StockRules::formOfCode(liefCode);
    if (stock->FilialBestand.isEmpty()) {
        const LinkAnswer a = request(artikelNummer, pickupBranch(), *stock);
        if (!a.ok()) {
            out.result = a.result;
            out.error = a.errorText;
            return out;
        }
        *stock = StockRules::BestandSortieren(*stock, form, filialeNr, m_session.alternativeBranch(), s);
    } else if (needsort) {
        *stock = StockRules::BestandSortieren(*stock, form, filialeNr, m_session.alternativeBranch(), s);
        stock->AuftragIndex = QStringLiteral("done");
    }
    static_cast<StockRules::Summary&>(out) =
        StockRules::summarize(*stock, filialeNr, m_session.alternativeBranch(), s);
    return out;
}

StockService::Stock StockInfo::statistikBestand(const QString& artikel) {
    StockService::Stock out;
    TBestandsInfo stock;
    // The answer the quantity entry has just fetched serves here too.
    const LinkAnswer a = request(artikel, pickupBranch(), stock, true);
    if (!a.ok()) {
        out.error = a.errorText.isEmpty() ? QString::number(a.result) : a.errorText;
        return out;
    }
    const StockSettings s = settings();
    const QString filiale = pickupBranch();
    stock = StockRules::BestandSortieren(stock, StockRules::formOfCode(QString()), filiale,
                                         m_session.alternativeBranch(), s);
    const StockRules::Summary sum = StockRules::summarize(stock, filiale, m_session.alternativeBranch(), s);
    out.total = sum.gesamtMenge;
    out.customerBranch = sum.mengeInFiliale;
    out.tourBranch = sum.mengeInZentrale;
    return out;
}

StockService::Placement StockInfo::SetMengeStatus(const QString& artikel, int wunschmenge, int te, bool fixed,
                                                  const QString& wunschfiliale,
                                                  const QString& lieferungscode) {
    StockService::Placement p;
    const StockSettings s = settings();
    const bool nex = StockRules::formOfCode(lieferungscode) == StockRules::Form::NightExpress;
    TBestandsInfo stock;
    const Summary sum =
        getArtikelBestand(artikel, nex ? s.nexBranch : wunschfiliale, lieferungscode, true, &stock);
    if (sum.result != 0) {
        p.status = sum.result;
        p.error = sum.error;
        p.rest = wunschmenge;
        return p;
    }
    const StockRules::MengeStatus m = StockRules::mengeStatus(sum, QString::number(wunschmenge));
    p.status = m.status;
    p.info = m.info;
    const int unit = fixed && te > 1 ? te : 1;
    int take = 0;
    StockRules::ServingBranch b;
    if (m.status != 1) {
        b = StockRules::servingBranch(stock, nex, unit, wunschfiliale, s);
        if (b.found) {
            take = std::min(wunschmenge, b.stock);
            if (unit > 1)
                take -= take % unit;
        }
    }
    if (take <= 0) {
        p.status = 1;
        p.info = nex ? QStringLiteral("Kein Bestand für Nachtexpress") : QStringLiteral("Kein Bestand");
        p.rest = wunschmenge;
        return p;
    }
    p.status = 0;
    p.filiale = b.code;
    p.menge = take;
    p.rest = wunschmenge - take;
    const int i = StockRules::indexOf(stock, b.code);
    const QString trip = i < 0 ? QString() : stock.FilialBestand.at(i).GeplanteFahrt.trimmed();
    p.fahrt = !trip.isEmpty() && trip != u"0";
    return p;
}
