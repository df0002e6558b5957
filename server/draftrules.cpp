#include "draftrules.h"

#include "model/conversions.h"
#include "model/formatde.h"
#include "pricing.h"
#include "serverstore.h"
#include "store/articlestore.h"
#include "store/customerstore.h"
#include "store/documentstore.h"
#include "store/draftstore.h"
#include "store/recordtable.h"

#include <QDateTime>

namespace {

// Position Pk and the field it sets (P1, P2, P11 and P19 have none).
QString TVerkaufskladde::*fieldOf(int k) {
    switch (k) {
    case LineValues::LIEFERADR:
        return &TVerkaufskladde::LIEFERADR;
    case LineValues::ART:
        return &TVerkaufskladde::ART;
    case LineValues::ARTIKELNR:
        return &TVerkaufskladde::ARTIKELNR;
    case LineValues::MENGE:
        return &TVerkaufskladde::MENGE;
    case LineValues::LIEFERUNGSCODE:
        return &TVerkaufskladde::LIEFERUNGSCODE;
    case LineValues::FILIALE:
        return &TVerkaufskladde::FILIALE;
    case LineValues::REFERENZ:
        return &TVerkaufskladde::REFERENZ;
    case LineValues::KUNDENNOTIZ:
        return &TVerkaufskladde::KUNDENNOTIZ;
    case LineValues::LIEFERSCHEINNR:
        return &TVerkaufskladde::LIEFERSCHEINNR;
    case LineValues::RECHNUNGSNR:
        return &TVerkaufskladde::RECHNUNGSNR;
    case LineValues::BESTELLEN:
        return &TVerkaufskladde::BESTELLEN;
    case LineValues::KEINEHAENDLERPRUEFUNG:
        return &TVerkaufskladde::KEINEHAENDLERPRUEFUNG;
    case LineValues::BESCHAFFUNGSCODE:
        return &TVerkaufskladde::BESCHAFFUNGSCODE;
    case LineValues::LIEFERANTENNR:
        return &TVerkaufskladde::LIEFERANTENNR;
    case LineValues::EXT_LAGER:
        return &TVerkaufskladde::EXT_LAGER;
    default:
        return nullptr;
    }
}

void applyValues(TVerkaufskladde& line, const LineValues& values, const QString& mask) {
    for (int k = 1; k <= LineValues::count; ++k) {
        QString TVerkaufskladde::*field = fieldOf(k);
        const QString& v = values.at(k);
        if (!field || v == LineValues::unchanged())
            continue;
        if (!mask.isEmpty() && mask.mid(k - 1, 1) != u"1")
            continue;
        line.*field = v == LineValues::empty() ? QString() : v.trimmed();
    }
}

const QString backorderNotice = QStringLiteral("Der Artikel wurde in Rückstand genommen.");

// A line whose rest goes to backorder (P11 "1", or a change that leaves the
// flag as it was on a line that had the notice) keeps what its branch cannot
// give as backorder, and says so in its text.
void noteBackorder(TVerkaufskladde& line, const LineValues& values, const TVerkaufskladde* before) {
    if (line.FEHLERNUMMER != u"0" || Convert::toIntDef(line.NICHT_VERFUEGBAR, 0) <= 0)
        return;
    const QString flag = values.at(LineValues::Rueckstand);
    const bool backorder =
        flag == u"1" || (flag == LineValues::unchanged() && before && before->FEHLERTEXT == backorderNotice);
    if (backorder && line.FEHLERTEXT.isEmpty())
        line.FEHLERTEXT = backorderNotice;
}

// The branch whose stock a line takes: its external warehouse when it has
// one, else its branch (which then also receives it).
QString stockSource(const TVerkaufskladde& line) {
    const QString ext = line.EXT_LAGER.trimmed();
    return ext.isEmpty() ? line.FILIALE : ext;
}

bool isMarked(const TVerkaufskladde& line) {
    return line.BESTELLEN.trimmed() != u"0";
}

} // namespace

void DraftRules::fail(TVerkaufskladde& line, int code, const QString& text) {
    line.FEHLERNUMMER = QString::number(code);
    line.FEHLERTEXT = text;
}

void DraftRules::evaluate(TVerkaufskladde& line) {
    ArticleStore articles(m_store.database());
    const std::optional<TArtikelInfo> a = articles.byNumber(line.ARTIKELNR);
    line.FEHLERNUMMER = QStringLiteral("0");
    line.FEHLERTEXT.clear();
    if (!a)
        return fail(line, 61, QStringLiteral("Artikel %1 nicht gefunden").arg(line.ARTIKELNR));
    line.ARTIKELNR = a->NUMMER;
    line.TEXT = a->BEZEICHNUNG;
    line.TEXT_2 = a->BEZEICHNUNG2;
    line.EINHEIT = a->EINHEIT;
    line.BUCH_GR = a->BUCH_GR;
    line.PE = a->PE;
    line.PREIS_EINHEIT = a->PE;
    line.TE = a->TE;
    // The store keeps no flag of its own: a unit above one is always fixed.
    line.TE_FIX = Convert::toIntDef(a->TE, 1) > 1 ? QStringLiteral("1") : QStringLiteral("0");
    line.KARTONSTUECK = a->KARTONSTUECK;
    line.ALTTEILSTEUER = a->ALTTEILSTEUER;
    line.TAUSCHWERT = a->TAUSCHWERT;
    line.HERSTELLERCODE = a->EINSPEISERCODE;
    line.ARTIKELART = a->ART;
    line.SKONTOFAEHIG = a->SKONTOFAEHIG;
    line.NETTOGEWICHT = a->NETTOGEWICHT;
    line.BRUTTOGEWICHT = a->BRUTTOGEWICHT;
    line.MWST_P = QStringLiteral("19,00");
    line.EMPF_VK_PREIS = a->VK_PREIS;
    line.NICHT_VERFUEGBAR = QStringLiteral("0");

    // Zero is a quantity too: the client resets lines to 0 (quantity reset,
    // article change) and expects them back with nothing to deliver.
    int menge = 0;
    if (!Convert::tryToInt(line.MENGE, menge) || menge < 0 || menge > 99999) {
        line.ZU_LIEFERN = QStringLiteral("0");
        return fail(line, 120, QStringLiteral("Menge \"%1\" ist ungültig").arg(line.MENGE));
    }
    line.MENGE = QString::number(menge);
    CustomerStore customers(m_store.database());
    const std::optional<TDebitor> d = customers.debitor(line.KUNDENNR);
    if (line.FILIALE.isEmpty() && d)
        line.FILIALE = d->FILIALE;
    if (!customers.branchExists(line.FILIALE)) {
        line.ZU_LIEFERN = QStringLiteral("0");
        return fail(line, 89, QStringLiteral("Filiale %1 ist unbekannt").arg(line.FILIALE));
    }
    const QString code = line.LIEFERUNGSCODE.trimmed();
    if ((code == u"97" || code == u"98") && !customers.branchOffers(line.FILIALE, code)) {
        line.ZU_LIEFERN = QStringLiteral("0");
        return fail(line, 158,
                    QStringLiteral("Filiale %1 bietet keinen %2")
                        .arg(line.FILIALE,
                             code == u"97" ? QStringLiteral("Nachtexpress") : QStringLiteral("Paketdienst")));
    }
    const Pricing::Price p = Pricing(articles).price(*a, d ? d->PREISGRUPPENNR : QString(), menge);
    line.BRUTTOPREIS = FormatDE::formatFloat(p.brutto);
    line.BRUTTO_PREIS = line.BRUTTOPREIS;
    line.NETTOPREIS = FormatDE::formatFloat(p.netto);
    line.NETTO_PREIS = line.NETTOPREIS;
    line.STUECKPREIS = line.NETTOPREIS;
    line.RABATT_P = FormatDE::formatFloat(p.rabattP);
    line.RABATTBETRAG = FormatDE::formatFloat(p.rabattbetrag());
    line.NETTOBETRAG = FormatDE::formatFloat(p.nettobetrag());
    line.BRUTTOBETRAG = FormatDE::formatFloat(p.nettobetrag() * 1.19);
    line.PREISART = p.rabattP > 0 ? QStringLiteral("N") : QStringLiteral("L");

    // What the branch can give, counting what this line holds already.
    const int held = Convert::toIntDef(line.ZU_LIEFERN, 0);
    const QString source = stockSource(line);
    const int free = std::max(0, articles.available(line.ARTIKELNR, source)) + held;
    const int zuLiefern = std::min(menge, free);
    articles.reserve(line.ARTIKELNR, source, zuLiefern - held);
    line.ZU_LIEFERN = QString::number(zuLiefern);
    line.NICHT_VERFUEGBAR = QString::number(menge - zuLiefern);
    if (Convert::isFlagSet(a->GESPERRT))
        return fail(line, 72, QStringLiteral("Artikel %1 ist gesperrt").arg(a->NUMMER));
}

DraftRules::Outcome DraftRules::insert(const QString& kdnr, const QString& user, const LineValues& values) {
    Outcome o;
    CustomerStore customers(m_store.database());
    const std::optional<TDebitor> d = customers.debitor(kdnr);
    if (!d) {
        o.status = 84;
        o.error = QStringLiteral("ERR_DEBITOR_NOT_FOUND");
        return o;
    }
    TVerkaufskladde& line = o.line;
    line.BENUTZER = user;
    line.KUNDENNR = d->NUMMER;
    line.DEBITORNR = d->NUMMER;
    line.KD_NAME = d->NAME;
    line.KUNDENFILIALE = d->FILIALE;
    line.LIEFERUNGSCODE = d->LIEFERUNGSCODE;
    line.LIEFERADR = QStringLiteral("0");
    line.BESTELLEN = QStringLiteral("1");
    line.AUFTRAGSDATUM = FormatDE::formatDate(QDate::currentDate());
    line.ERSTELLTAM = line.AUFTRAGSDATUM;
    line.ERSTELLTUM = FormatDE::formatTime(QTime::currentTime());
    line.MAND_ID = QStringLiteral("6");
    line.ZU_LIEFERN = QStringLiteral("0");
    applyValues(line, values, QString());
    if (line.ARTIKELNR.isEmpty()) {
        // The empty line at the end of the grid, waiting for an article.
        line.MENGE = QStringLiteral("0");
        line.BESTELLEN = values.at(LineValues::BESTELLEN) == LineValues::unchanged() ? QStringLiteral("0")
                                                                                     : line.BESTELLEN;
        line.FEHLERNUMMER = QStringLiteral("0");
        if (DraftStore(m_store.database()).insert(line).isEmpty()) {
            o.status = 122;
            o.error = QStringLiteral("ERR_VERKAUFSKLADDE_INSERT");
        }
        return o;
    }
    if (ArticleStore(m_store.database()).byNumber(line.ARTIKELNR) == std::nullopt) {
        o.status = 61;
        o.error = QStringLiteral("Artikel nicht gefunden: ") + line.ARTIKELNR;
        return o;
    }
    evaluate(line);
    noteBackorder(line, values, nullptr);
    if (DraftStore(m_store.database()).insert(line).isEmpty()) {
        o.status = 122;
        o.error = QStringLiteral("ERR_VERKAUFSKLADDE_INSERT");
    }
    return o;
}

bool DraftRules::backorderAllowed(const TVerkaufskladde& line) const {
    const TBenutzerOptions o =
        CustomerStore(m_store.database())
            .options(line.KUNDENNR, line.BENUTZER, QStringLiteral("GENERELL_RUECKSTAND_ERLAUBT"));
    return o.isEmpty() || o.first().BESE_VALUE.trimmed().compare(u"OFF", Qt::CaseInsensitive) != 0;
}

DraftRules::Outcome DraftRules::change(const TVerkaufskladde& current, const LineValues& values,
                                       const QString& mask) {
    Outcome o;
    o.line = current;
    const QString oldArticle = current.ARTIKELNR;
    const QString oldBranch = stockSource(current);
    applyValues(o.line, values, mask);
    const bool moved = o.line.ARTIKELNR != oldArticle || stockSource(o.line) != oldBranch;
    if (moved) {
        // The reservation moves with the line.
        ArticleStore(m_store.database())
            .reserve(oldArticle, oldBranch, -Convert::toIntDef(current.ZU_LIEFERN, 0));
        o.line.ZU_LIEFERN = QStringLiteral("0");
    }
    const int heldBefore = Convert::toIntDef(o.line.ZU_LIEFERN, 0);
    TVerkaufskladde checked = o.line;
    evaluate(checked);
    if (checked.FEHLERNUMMER == u"0" && values.at(LineValues::Rueckstand) == u"1" &&
        Convert::toIntDef(checked.NICHT_VERFUEGBAR, 0) > 0 && !backorderAllowed(current)) {
        // A rest for backorder the customer does not allow: nothing is
        // stored, and the text says why (with code 0, as the client expects).
        ArticleStore articles(m_store.database());
        articles.reserve(checked.ARTIKELNR, stockSource(checked),
                         heldBefore - Convert::toIntDef(checked.ZU_LIEFERN, 0));
        if (moved)
            articles.reserve(oldArticle, oldBranch, Convert::toIntDef(current.ZU_LIEFERN, 0));
        o.line = current;
        o.line.FEHLERNUMMER = QStringLiteral("0");
        o.line.FEHLERTEXT = QStringLiteral("Der Kunde erlaubt keine Rückstände.");
        return o;
    }
    if (checked.FEHLERNUMMER != u"0" && checked.FEHLERNUMMER != u"72") {
        // Refused: the stored line stays as it was; the answer says why.
        if (moved)
            ArticleStore(m_store.database())
                .reserve(oldArticle, oldBranch, Convert::toIntDef(current.ZU_LIEFERN, 0));
        o.line = current;
        o.line.FEHLERNUMMER = checked.FEHLERNUMMER;
        o.line.FEHLERTEXT = checked.FEHLERTEXT;
        return o;
    }
    o.line = checked;
    noteBackorder(o.line, values, &current);
    o.line.GEAENDERT_AM = FormatDE::formatDateTime(QDateTime::currentDateTime());
    if (!DraftStore(m_store.database()).update(o.line)) {
        o.status = 115;
        o.error = QStringLiteral("ERR_VERKAUFSKLADDE_UPDATE");
    }
    return o;
}

DraftRules::Outcome DraftRules::setField(const TVerkaufskladde& current, const VkklRequests::FieldUpdate& u) {
    const int code = Convert::toIntDef(u.fieldCode, -1);
    if (code == 0) {
        Outcome o;
        o.line = current;
        if (u.newOwner.trimmed().isEmpty()) {
            fail(o.line, 123, QStringLiteral("Neuer Besitzer fehlt"));
            return o;
        }
        o.line.BENUTZER = u.newOwner.trimmed();
        o.line.FEHLERNUMMER = QStringLiteral("0");
        o.line.FEHLERTEXT.clear();
        if (!DraftStore(m_store.database()).update(o.line)) {
            o.status = 115;
            o.error = QStringLiteral("ERR_VERKAUFSKLADDE_UPDATE");
        }
        return o;
    }
    LineValues values = LineValues::forLine(current.VKKL_ID);
    switch (code) {
    case 2:
        values.set(LineValues::BESTELLEN, u.value);
        break;
    case 3:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
        values.set(code, u.value);
        break;
    default: {
        Outcome o;
        o.line = current;
        fail(o.line, 123, QStringLiteral("Feldcode %1 wird nicht unterstützt").arg(u.fieldCode));
        return o;
    }
    }
    return change(current, values);
}

bool DraftRules::remove(const TVerkaufskladde& line) {
    ArticleStore(m_store.database())
        .reserve(line.ARTIKELNR, stockSource(line), -Convert::toIntDef(line.ZU_LIEFERN, 0));
    return DraftStore(m_store.database()).remove(line.VKKL_ID);
}

DraftRules::Booking DraftRules::book(const QString& kdnr, const QString& user, const QString& today) {
    Booking b;
    CustomerStore customers(m_store.database());
    const std::optional<TDebitor> d = customers.debitor(kdnr);
    if (!d) {
        b.status = 84;
        b.error = QStringLiteral("ERR_DEBITOR_NOT_FOUND");
        return b;
    }
    if (Convert::isFlagSet(d->GESPERRT) || Convert::isFlagSet(d->AUFTRAGSSPERRE)) {
        b.status = 86;
        b.error = QStringLiteral("Kunde %1 hat Auftragssperre").arg(kdnr);
        return b;
    }
    DraftStore drafts(m_store.database());
    TVerkaufskladdeArray marked;
    for (const TVerkaufskladde& line : drafts.lines(kdnr, user)) {
        if (isMarked(line) && line.FEHLERNUMMER.trimmed() != u"72" && Convert::toIntDef(line.MENGE, 0) > 0)
            marked.append(line);
    }
    if (marked.isEmpty()) {
        b.status = 116;
        b.error = QStringLiteral("Keine Zeilen zum Bestellen markiert");
        return b;
    }
    DocumentStore documents(m_store.database());
    ArticleStore articles(m_store.database());
    b.number = documents.nextNumber(QStringLiteral("AB"));
    const QDate date = FormatDE::parseDate(today);
    TVerkaufsKopf head;
    head.ART = QStringLiteral("AB");
    head.KUNDENNR = kdnr;
    head.DEBITORNR = kdnr;
    head.NUMMER = b.number;
    head.VKK_ID = b.number;
    head.NAME = d->NAME;
    head.NAME_2 = d->NAME_2;
    head.STRASSE = d->STRASSE;
    head.PLZ_ORT = d->PLZ_ORT;
    head.IHRE_REFERENZ = marked.first().REFERENZ;
    head.LIEFERNR = marked.first().LIEFERADR;
    head.LIEFERUNGSCODE = marked.first().LIEFERUNGSCODE;
    head.KUNDENFILIALE = d->FILIALE;
    head.AUFTRAGSDATUM = today;
    head.BELEGDATUM = today;
    head.BUCHUNGSDATUM = today;
    head.BENUTZER = user;
    head.MAND_ID = QStringLiteral("6");
    double netto = 0;
    int lfd = 0;
    for (const TVerkaufskladde& line : marked) {
        TVerkaufsZeile z = RecordTable::copyByName<TVerkaufsZeile>(line);
        z.BELEGART = QStringLiteral("AB");
        z.KUNDENNR = kdnr;
        z.BELEGNR = b.number;
        z.LFD_NR = QString::number(++lfd);
        z.NUMMER = line.ARTIKELNR;
        const int menge = Convert::toIntDef(line.MENGE, 0);
        const int zuLiefern = Convert::toIntDef(line.ZU_LIEFERN, 0);
        z.RESTAUFTRAG_MENGE = QString::number(std::max(0, menge - zuLiefern));
        z.VK_PREIS = line.BRUTTOPREIS;
        z.AUFTRAGSDATUM = today;
        z.BENUTZER = user;
        netto += Convert::toFloatDef(line.NETTOBETRAG, 0.0);
        if (!documents.insertLine(QStringLiteral("VERKAUFSZEILE"), z) ||
            !articles.consume(line.ARTIKELNR, stockSource(line), zuLiefern) || !drafts.remove(line.VKKL_ID)) {
            b.status = 116;
            b.error = QStringLiteral("ERR_VERKAUFSKLADDE_BUCHEN");
            return b;
        }
    }
    head.NETTOSUMME = FormatDE::formatFloat(netto);
    head.BRUTTOSUMME = FormatDE::formatFloat(netto * 1.19);
    if (!documents.insertHead(QStringLiteral("VERKAUFSKOPF"), head,
                              date.isValid() ? date : QDate::currentDate())) {
        b.status = 116;
        b.error = QStringLiteral("ERR_VERKAUFSKLADDE_BUCHEN");
        return b;
    }
    b.lines = lfd;
    return b;
}
