#include "demodocuments.h"

#include "model/conversions.h"
#include "model/formatde.h"
#include "model/records.h"
#include "store/offerstore.h"
#include "store/recordtable.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace {

const QString customers[] = {QStringLiteral("10000"), QStringLiteral("10001"), QStringLiteral("10002")};
// The warehouse customer that orders several times a day in the full demo.
const QString busyCustomer = QStringLiteral("10002");

// What the debitor record does not tell about a customer's documents: the
// second name line and the extra address line of the invoice address, the
// people orders are placed by, and the login that placed them.
struct PartySeed {
    const char* kdnr;
    const char* name2;
    const char* adresse;
    const char* user;
    const char* contacts; // separated by ";"
};

const PartySeed partySeeds[] = {
    {"10000", "Buchhaltung", "Postfach 10 47 11", "DEMO", "Frau Becker;Herr Yilmaz"},
    {"10001", "Inh. Jürgen Müller", "Hinterhaus", "JÜRGEN", "Herr Müller"},
    {"10002", "Wareneingang", "Tor 3", "LAGER", "Frau Petersen;Herr Jensen;Frau Nowak"},
};

QString money(double value) {
    return FormatDE::formatFloat(value, 2);
}

template <class R> void prepareInsert(QSqlQuery& q, const QString& table, const QStringList& keys = {}) {
    q.prepare(RecordTable::insertSql<R>(table, keys));
}

} // namespace

DemoDocuments::DemoDocuments(QSqlDatabase db, QRandomGenerator& random, const QStringList& articleNumbers)
    : m_db(db)
    , m_random(random)
    , m_articleNumbers(articleNumbers)
    , m_articleQuery(db) {}

bool DemoDocuments::exec(QSqlQuery& q) {
    if (q.exec())
        return true;
    m_error = q.lastError().text() + QStringLiteral(" in ") + q.lastQuery().left(60);
    return false;
}

QString DemoDocuments::randomArticle() {
    return m_articleNumbers.at(m_random.bounded(int(m_articleNumbers.size())));
}

bool DemoDocuments::readParty(const QString& kdnr, Party* party) {
    const auto seed = std::find_if(std::begin(partySeeds), std::end(partySeeds),
                                   [&kdnr](const PartySeed& s) { return kdnr == QLatin1String(s.kdnr); });
    if (seed == std::end(partySeeds)) {
        m_error = QStringLiteral("Kunde %1 hat keine Belegdaten").arg(kdnr);
        return false;
    }
    party->name2 = QString::fromUtf8(seed->name2);
    party->adresse = QString::fromUtf8(seed->adresse);
    party->user = QString::fromUtf8(seed->user);
    party->contacts = QString::fromUtf8(seed->contacts).split(QLatin1Char(';'));

    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT NAME, STRASSE, PLZ_ORT, FILIALE FROM DEBITOR WHERE NUMMER = ?"));
    q.addBindValue(kdnr);
    if (!exec(q) || !q.next()) {
        m_error = QStringLiteral("Kunde %1 fehlt").arg(kdnr);
        return false;
    }
    party->name = q.value(0).toString();
    party->strasse = q.value(1).toString();
    party->plzOrt = q.value(2).toString();
    party->filiale = q.value(3).toString();
    q.prepare(QStringLiteral("SELECT CODE, NAME, STRASSE, PLZ_ORT, LIEFERUNGSCODE FROM LIEFERADRESSE "
                             "WHERE KUNDENNR = ? ORDER BY CAST(CODE AS INTEGER)"));
    q.addBindValue(kdnr);
    if (!exec(q))
        return false;
    while (q.next())
        party->addresses.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                 q.value(3).toString(), q.value(4).toString()});
    // Address 3, an outside store the customer has given up: his address
    // list no longer has it, the documents delivered there still name it.
    party->addresses.append({QString::number(party->addresses.size()),
                             party->name + QStringLiteral(" Außenlager"), QStringLiteral("Gewerbering 5"),
                             party->plzOrt, QStringLiteral("20")});
    return true;
}

bool DemoDocuments::article(const QString& nummer, ArticleFacts* facts) {
    if (const auto it = m_articles.constFind(nummer); it != m_articles.constEnd()) {
        *facts = *it;
        return true;
    }
    if (m_articleQuery.lastQuery().isEmpty())
        m_articleQuery.prepare(
            QStringLiteral("SELECT BEZEICHNUNG, BEZEICHNUNG2, VK_PREIS, BUCH_GR, TAUSCHWERT, ALTTEILSTEUER "
                           "FROM ARTIKEL WHERE NUMMER = ?"));
    m_articleQuery.addBindValue(nummer);
    if (!exec(m_articleQuery))
        return false;
    if (!m_articleQuery.next()) {
        m_error = QStringLiteral("Artikel %1 fehlt").arg(nummer);
        return false;
    }
    ArticleFacts& f = *facts;
    f.nummer = nummer;
    f.text = m_articleQuery.value(0).toString();
    f.text2 = m_articleQuery.value(1).toString();
    f.price = Convert::toFloatDef(m_articleQuery.value(2).toString(), 0.0);
    f.buchGr = m_articleQuery.value(3).toString();
    f.exchangeValue = m_articleQuery.value(4).toString();
    f.oldPart = m_articleQuery.value(5).toString() == u"1";
    m_articleQuery.finish();
    m_articles.insert(nummer, f);
    return true;
}

bool DemoDocuments::documents(int days, bool busyWarehouse) {
    const QStringList dated{QStringLiteral("SORTDATUM")};
    QSqlQuery vkk(m_db), vkz(m_db), dlk(m_db), dlz(m_db), drk(m_db), drz(m_db), dgk(m_db), dgz(m_db),
        ret(m_db), alt(m_db);
    prepareInsert<TVerkaufsKopf>(vkk, QStringLiteral("VERKAUFSKOPF"), dated);
    prepareInsert<TVerkaufsZeile>(vkz, QStringLiteral("VERKAUFSZEILE"));
    prepareInsert<TDebitorLieferKopf>(dlk, QStringLiteral("DEBITORLIEFERKOPF"), dated);
    prepareInsert<TDebitorLieferZeile>(dlz, QStringLiteral("DEBITORLIEFERZEILE"));
    prepareInsert<TDebitorRechnungsKopf>(drk, QStringLiteral("DEBITORRECHNUNGSKOPF"), dated);
    prepareInsert<TDebitorRechnungsZeile>(drz, QStringLiteral("DEBITORRECHNUNGSZEILE"));
    prepareInsert<TDebitorGutschriftsKopf>(dgk, QStringLiteral("DEBITORGUTSCHRIFTSKOPF"), dated);
    prepareInsert<TDebitorGutschriftsZeile>(dgz, QStringLiteral("DEBITORGUTSCHRIFTSZEILE"));
    prepareInsert<TRuecksendeArtikel>(ret, QStringLiteral("RUECKSENDEARTIKEL"), {QStringLiteral("KDNR")});
    alt.prepare(QStringLiteral("INSERT INTO ALTTEIL (KDNR, BELEG, STATUS, ARTIKELNR, BEZEICHNUNG, ALTWERT, "
                               "OELIWERT, DATUM) VALUES (?, ?, 'offen', ?, ?, ?, '0', ?)"));
    const QDate today = QDate::currentDate();
    qint64 ab = 100001, ls = 200001, rg = 300001, gs = 400001, ruar = 1;
    for (const QString& kdnr : customers) {
        Party party;
        if (!readParty(kdnr, &party))
            return false;
        const bool busy = busyWarehouse && kdnr == busyCustomer;
        for (int day = days; day >= 1; --day) {
            // A workshop orders on about every third day, the busy warehouse
            // several times every day.
            const int orders = busy ? 7 + m_random.bounded(6) : m_random.bounded(100) < 30 ? 1 : 0;
            const QDate date = today.addDays(-day);
            const QString datum = FormatDE::formatDate(date);
            for (int order = 0; order < orders; ++order) {
                TVerkaufsKopf head;
                head.ART = QStringLiteral("AB");
                head.KUNDENNR = kdnr;
                head.DEBITORNR = kdnr;
                head.NUMMER = QString::number(ab++);
                head.NAME = party.name;
                head.NAME_2 = party.name2;
                head.STRASSE = party.strasse;
                head.ADRESSE = party.adresse;
                head.PLZ_ORT = party.plzOrt;
                // Most orders name the person who placed them; the rest go to the company.
                if (m_random.bounded(100) < 75)
                    head.Z_H = party.contacts.at(m_random.bounded(int(party.contacts.size())));
                const Address& to = party.addresses.at(m_random.bounded(int(party.addresses.size())));
                head.LIEFERNR = to.code;
                head.LIEFERNAME = to.name;
                head.LIEFERSTRASSE = to.strasse;
                head.LIEFERORT = to.plzOrt;
                head.LIEFERUNGSCODE = to.lieferungscode;
                head.AUFTRAGSFILIALE = party.filiale;
                head.KUNDENFILIALE = party.filiale;
                head.AUFTRAGSDATUM = datum;
                head.BELEGDATUM = datum;
                head.BUCHUNGSDATUM = datum;
                head.IHRE_REFERENZ = QStringLiteral("Auftrag %1").arg(m_random.bounded(9000) + 1000);
                head.BUCHUNGSTEXT = QStringLiteral("Bestellung Online-Shop");
                head.BENUTZER = party.user;
                head.MAND_ID = QStringLiteral("6");
                head.VKK_ID = head.NUMMER;
                const bool delivered = day > 3;
                head.GELIEFERT = delivered ? QStringLiteral("1") : QStringLiteral("0");
                double sum = 0;
                const int lineCount = 1 + m_random.bounded(6);
                QList<TVerkaufsZeile> lines;
                for (int k = 1; k <= lineCount; ++k) {
                    ArticleFacts fact;
                    if (!article(randomArticle(), &fact))
                        return false;
                    const int menge = 1 + m_random.bounded(4);
                    TVerkaufsZeile z;
                    z.BELEGART = QStringLiteral("AB");
                    z.KUNDENNR = kdnr;
                    z.BELEGNR = head.NUMMER;
                    z.LFD_NR = QString::number(k);
                    z.ART = QStringLiteral("0");
                    z.NUMMER = fact.nummer;
                    z.FILIALE = party.filiale;
                    z.BUCH_GR = fact.buchGr;
                    z.TEXT = fact.text;
                    z.TEXT_2 = fact.text2;
                    z.EINHEIT = QStringLiteral("Stk");
                    z.MENGE = QString::number(menge);
                    const bool backorder = !delivered || m_random.bounded(100) < 5;
                    z.RESTAUFTRAG_MENGE = backorder ? z.MENGE : QStringLiteral("0");
                    z.ZU_LIEFERN = z.MENGE;
                    z.STUECKPREIS = money(fact.price);
                    z.VK_PREIS = z.STUECKPREIS;
                    // The customer's discount on the list price.
                    z.BRUTTOPREIS = money(fact.price / 0.82);
                    z.NETTOPREIS = z.STUECKPREIS;
                    z.RABATT_P = QStringLiteral("18,00");
                    z.NETTOBETRAG = money(fact.price * menge);
                    z.BRUTTOBETRAG = money(fact.price * menge * 1.19);
                    z.MWST_P = QStringLiteral("19,00");
                    z.GELIEFERT = delivered && !backorder ? z.MENGE : QStringLiteral("0");
                    z.AUFTRAGSDATUM = datum;
                    z.BENUTZER = head.BENUTZER;
                    z.DEBITORNR = kdnr;
                    sum += fact.price * menge;
                    lines.append(z);
                    RecordTable::bindFields(vkz, z);
                    if (!exec(vkz))
                        return false;
                    if (fact.oldPart && delivered) {
                        alt.addBindValue(RecordTable::text(kdnr));
                        alt.addBindValue(head.NUMMER);
                        alt.addBindValue(fact.nummer);
                        alt.addBindValue(z.TEXT);
                        alt.addBindValue(fact.exchangeValue);
                        alt.addBindValue(datum);
                        if (!exec(alt))
                            return false;
                    }
                }
                head.NETTOSUMME = money(sum);
                head.BRUTTOSUMME = money(sum * 1.19);
                vkk.addBindValue(date.toString(Qt::ISODate));
                RecordTable::bindFields(vkk, head);
                if (!exec(vkk))
                    return false;
                if (!delivered)
                    continue;

                // Delivered the day after the order and invoiced with it: the heads
                // and lines take the order's values and add their own.
                auto lk = RecordTable::copyByName<TDebitorLieferKopf>(head);
                lk.NUMMER = QString::number(ls++);
                lk.DEBITORENNR = kdnr;
                lk.LIEFERDATUM = FormatDE::formatDate(date.addDays(1));
                lk.EVTL_AUFTRAGSNR = head.NUMMER;
                lk.STATUS = QStringLiteral("geliefert");
                lk.FILIALE = party.filiale;
                lk.VON_FILIALE = party.filiale;
                lk.DEBLK_ID = lk.NUMMER;
                auto rk = RecordTable::copyByName<TDebitorRechnungsKopf>(lk);
                rk.NUMMER = QString::number(rg++);
                rk.BUCHUNGSDATUM = lk.LIEFERDATUM;
                rk.BELEGDATUM = lk.LIEFERDATUM;
                rk.FAELLIGKEITSDATUM = FormatDE::formatDate(date.addDays(31));
                rk.DEBRK_ID = rk.NUMMER;
                rk.BUCHUNGSTEXT = QStringLiteral("Warenlieferung ") + lk.NUMMER;
                lk.EVTL_RG_NR = rk.NUMMER;
                dlk.addBindValue(date.toString(Qt::ISODate));
                RecordTable::bindFields(dlk, lk);
                drk.addBindValue(date.addDays(1).toString(Qt::ISODate));
                RecordTable::bindFields(drk, rk);
                if (!exec(dlk) || !exec(drk))
                    return false;
                const auto credit = [&](const TDebitorRechnungsZeile& r, const QString& text,
                                        const QString& returnId) {
                    auto gk = RecordTable::copyByName<TDebitorGutschriftsKopf>(rk);
                    gk.NUMMER = QString::number(gs++);
                    gk.BUCHUNGSDATUM = FormatDE::formatDate(date.addDays(2));
                    gk.BELEGDATUM = gk.BUCHUNGSDATUM;
                    gk.BUCHUNGSTEXT = text;
                    gk.RUECKSEND_NR = returnId;
                    gk.AUSGLEICHSART = QStringLiteral("Rechnung");
                    gk.AUSGLEICHSNR = rk.NUMMER;
                    gk.DEBGSK_ID = gk.NUMMER;
                    auto gz = RecordTable::copyByName<TDebitorGutschriftsZeile>(r);
                    gz.BELEGNR = gk.NUMMER;
                    gz.LFD_NR = QStringLiteral("1");
                    gz.BUCHUNGSDATUM = gk.BUCHUNGSDATUM;
                    gz.DEBGSZ_ID = gk.NUMMER;
                    gz.DEBGSZ_DEBGSK_ID = gk.NUMMER;
                    dgk.addBindValue(date.addDays(2).toString(Qt::ISODate));
                    RecordTable::bindFields(dgk, gk);
                    RecordTable::bindFields(dgz, gz);
                    return exec(dgk) && exec(dgz);
                };
                TDebitorRechnungsZeile first;
                for (const TVerkaufsZeile& z : lines) {
                    auto l = RecordTable::copyByName<TDebitorLieferZeile>(z);
                    l.BELEGNR = lk.NUMMER;
                    l.LIEFERDATUM = lk.LIEFERDATUM;
                    l.AUFTRAGSNR = head.NUMMER;
                    l.DEBITORENNR = kdnr;
                    auto r = RecordTable::copyByName<TDebitorRechnungsZeile>(l);
                    r.BELEGNR = rk.NUMMER;
                    r.STUECKPREIS = z.STUECKPREIS;
                    r.MWST_P = z.MWST_P;
                    r.NETTOBETRAG = z.NETTOBETRAG;
                    r.BRUTTOBETRAG = z.BRUTTOBETRAG;
                    r.LIEFERUNGSNR = lk.NUMMER;
                    if (first.BELEGNR.isEmpty())
                        first = r;
                    RecordTable::bindFields(dlz, l);
                    RecordTable::bindFields(drz, r);
                    if (!exec(dlz) || !exec(drz))
                        return false;
                    if (day >= 60 || m_random.bounded(100) >= 20)
                        continue;
                    TRuecksendeArtikel ra;
                    ra.KUNDENNR = kdnr;
                    ra.DEBITORNR = kdnr;
                    ra.ARTIKELNR = z.NUMMER;
                    ra.LIEFERUNGSNR = lk.NUMMER;
                    ra.RECHNUNGSNR = rk.NUMMER;
                    ra.DATUM = lk.LIEFERDATUM;
                    ra.STATUS = QStringLiteral("0");
                    ra.MAND_ID = QStringLiteral("6");
                    ra.RUAR_ID = QString::number(ruar++);
                    ret.addBindValue(RecordTable::text(kdnr));
                    RecordTable::bindFields(ret, ra);
                    if (!exec(ret))
                        return false;
                    // Every other return has already been credited.
                    if (ruar % 2 == 0 &&
                        !credit(r, QStringLiteral("Gutschrift Rücksendung ") + ra.RUAR_ID, ra.RUAR_ID))
                        return false;
                }
                // Now and then a complaint ends in a goodwill credit of a tenth of the first line.
                if (day < 120 && m_random.bounded(100) < 3) {
                    const double amount = Convert::toFloatDef(first.NETTOBETRAG, 0.0) / 10;
                    first.MENGE = QStringLiteral("1");
                    first.STUECKPREIS = money(amount);
                    first.NETTOBETRAG = money(amount);
                    first.BRUTTOBETRAG = money(amount * 1.19);
                    if (!credit(first, QStringLiteral("Kulanz"), QString()))
                        return false;
                }
            }
        }
    }
    QSqlQuery counters(m_db);
    counters.prepare(QStringLiteral("INSERT OR REPLACE INTO NUMMERNKREIS (ART, NAECHSTE) VALUES (?, ?)"));
    for (const auto& [art, next] :
         {std::pair{"AB", ab}, std::pair{"LS", ls}, std::pair{"RG", rg}, std::pair{"GS", gs}}) {
        counters.addBindValue(QLatin1String(art));
        counters.addBindValue(next);
        if (!exec(counters))
            return false;
    }
    return true;
}

bool DemoDocuments::offers(int days) {
    QSqlQuery debitor(m_db), article(m_db);
    debitor.prepare(QStringLiteral("SELECT NAME, NAME_2, STRASSE, PLZ_ORT FROM DEBITOR WHERE NUMMER = ?"));
    article.prepare(
        QStringLiteral("SELECT BEZEICHNUNG, BEZEICHNUNG2, VK_PREIS, BUCH_GR, EINHEIT, PE, SERIALID "
                       "FROM ARTIKEL WHERE NUMMER = ?"));
    OfferStore store(m_db);
    const QDate today = QDate::currentDate();
    qint64 number = 500001;
    for (const QString& kdnr : customers) {
        debitor.addBindValue(kdnr);
        if (!exec(debitor) || !debitor.next())
            return false;
        // About one offer every six weeks, valid for half a year.
        for (int day = days - m_random.bounded(42); day >= 1; day -= 28 + m_random.bounded(28)) {
            const QDate date = today.addDays(-day);
            TAngebotsKopfSatz head;
            head.Angebotnummer = QString::number(number++);
            head.kundennr = kdnr;
            head.KdNAME = debitor.value(0).toString();
            head.Kdname_2 = debitor.value(1).toString();
            head.Kd_strasse = debitor.value(2).toString();
            head.Kd_plz_ort = debitor.value(3).toString();
            head.KD_referenz = QStringLiteral("Anfrage %1").arg(m_random.bounded(9000) + 1000);
            const QDate validUntil = date.addDays(182);
            head.gueltig_bis = FormatDE::formatDate(validUntil);
            const QString vakId = store.insertHead(head, date, validUntil);
            if (vakId.isEmpty()) {
                m_error = QStringLiteral("Angebot %1 nicht gespeichert").arg(head.Angebotnummer);
                return false;
            }
            const int lineCount = 1 + m_random.bounded(5);
            for (int k = 1; k <= lineCount; ++k) {
                const QString nr = randomArticle();
                article.addBindValue(nr);
                if (!exec(article) || !article.next())
                    return false;
                const int menge = 1 + m_random.bounded(10);
                const double vk = Convert::toFloatDef(article.value(2).toString(), 0.0);
                // Offers give between 10 and 30 percent off the list price.
                const double netto = vk * (70 + m_random.bounded(21)) / 100.0;
                TAngebotsZeileSatz z;
                z.vzbelegnr = head.Angebotnummer;
                z.vzkundennr = kdnr;
                z.vzlfd_nr = QString::number(k);
                z.vzart = QStringLiteral("0");
                z.vzbuch_gr = article.value(3).toString();
                z.vznummer = nr;
                z.vz_serialid = article.value(6).toString();
                z.vztext = article.value(0).toString();
                z.vztext_2 = article.value(1).toString();
                z.vz_menge = QString::number(menge);
                z.vz_einheit = article.value(4).toString();
                z.vz_PE = article.value(5).toString();
                z.vz_MWST = QStringLiteral("19,00");
                z.vz_nettopreis = money(netto);
                z.vz_nettobetrag = money(netto * menge);
                z.vz_VK_Preis = money(vk);
                if (!store.insertLine(vakId, z)) {
                    m_error = QStringLiteral("Angebotszeile %1/%2 nicht gespeichert")
                                  .arg(head.Angebotnummer)
                                  .arg(k);
                    return false;
                }
            }
        }
    }
    return true;
}
