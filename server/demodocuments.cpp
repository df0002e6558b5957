#include "demodocuments.h"

#include "model/conversions.h"
#include "model/formatde.h"
#include "model/records.h"
#include "store/offerstore.h"
#include "store/recordtable.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString customers[] = {QStringLiteral("10000"), QStringLiteral("10001"), QStringLiteral("10002")};

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
    , m_articleNumbers(articleNumbers) {}

bool DemoDocuments::exec(QSqlQuery& q) {
    if (q.exec())
        return true;
    m_error = q.lastError().text() + QStringLiteral(" in ") + q.lastQuery().left(60);
    return false;
}

QString DemoDocuments::randomArticle() {
    return m_articleNumbers.at(m_random.bounded(int(m_articleNumbers.size())));
}

bool DemoDocuments::documents(int days) {
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
    QSqlQuery article(m_db);
    article.prepare(
        QStringLiteral("SELECT BEZEICHNUNG, BEZEICHNUNG2, VK_PREIS, BUCH_GR, TAUSCHWERT, ALTTEILSTEUER "
                       "FROM ARTIKEL WHERE NUMMER = ?"));
    const QDate today = QDate::currentDate();
    qint64 ab = 100001, ls = 200001, rg = 300001, gs = 400001, ruar = 1;
    for (const QString& kdnr : customers) {
        for (int day = days; day >= 1; --day) {
            if (m_random.bounded(100) >= 30)
                continue;
            const QDate date = today.addDays(-day);
            const QString datum = FormatDE::formatDate(date);
            TVerkaufsKopf head;
            head.ART = QStringLiteral("AB");
            head.KUNDENNR = kdnr;
            head.DEBITORNR = kdnr;
            head.NUMMER = QString::number(ab++);
            head.NAME = QStringLiteral("Kunde ") + kdnr;
            head.LIEFERNR = QStringLiteral("0");
            head.AUFTRAGSDATUM = datum;
            head.BELEGDATUM = datum;
            head.BUCHUNGSDATUM = datum;
            head.IHRE_REFERENZ = QStringLiteral("Auftrag %1").arg(m_random.bounded(9000) + 1000);
            head.BENUTZER = QStringLiteral("DEMO");
            head.LIEFERUNGSCODE = QStringLiteral("20");
            head.MAND_ID = QStringLiteral("6");
            head.VKK_ID = head.NUMMER;
            const bool delivered = day > 3;
            head.GELIEFERT = delivered ? QStringLiteral("1") : QStringLiteral("0");
            double sum = 0;
            const int lineCount = 1 + m_random.bounded(6);
            QList<TVerkaufsZeile> lines;
            for (int k = 1; k <= lineCount; ++k) {
                const QString nr = randomArticle();
                article.addBindValue(nr);
                if (!exec(article) || !article.next())
                    return false;
                const int menge = 1 + m_random.bounded(4);
                const double price = Convert::toFloatDef(article.value(2).toString(), 0.0);
                TVerkaufsZeile z;
                z.BELEGART = QStringLiteral("AB");
                z.KUNDENNR = kdnr;
                z.BELEGNR = head.NUMMER;
                z.LFD_NR = QString::number(k);
                z.ART = QStringLiteral("0");
                z.NUMMER = nr;
                z.FILIALE = QStringLiteral("F03");
                z.BUCH_GR = article.value(3).toString();
                z.TEXT = article.value(0).toString();
                z.TEXT_2 = article.value(1).toString();
                z.EINHEIT = QStringLiteral("Stk");
                z.MENGE = QString::number(menge);
                const bool backorder = !delivered || m_random.bounded(100) < 5;
                z.RESTAUFTRAG_MENGE = backorder ? z.MENGE : QStringLiteral("0");
                z.ZU_LIEFERN = z.MENGE;
                z.STUECKPREIS = money(price);
                z.VK_PREIS = money(price);
                z.NETTOBETRAG = money(price * menge);
                z.BRUTTOBETRAG = money(price * menge * 1.19);
                z.MWST_P = QStringLiteral("19,00");
                z.GELIEFERT = delivered && !backorder ? z.MENGE : QStringLiteral("0");
                z.AUFTRAGSDATUM = datum;
                z.BENUTZER = QStringLiteral("DEMO");
                z.DEBITORNR = kdnr;
                sum += price * menge;
                lines.append(z);
                RecordTable::bindFields(vkz, z);
                if (!exec(vkz))
                    return false;
                if (article.value(5).toString() == u"1" && delivered) {
                    alt.addBindValue(RecordTable::text(kdnr));
                    alt.addBindValue(head.NUMMER);
                    alt.addBindValue(nr);
                    alt.addBindValue(z.TEXT);
                    alt.addBindValue(article.value(4).toString());
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
            lk.DEBLK_ID = lk.NUMMER;
            auto rk = RecordTable::copyByName<TDebitorRechnungsKopf>(lk);
            rk.NUMMER = QString::number(rg++);
            rk.BUCHUNGSDATUM = lk.LIEFERDATUM;
            rk.BELEGDATUM = lk.LIEFERDATUM;
            rk.FAELLIGKEITSDATUM = FormatDE::formatDate(date.addDays(31));
            rk.DEBRK_ID = rk.NUMMER;
            dlk.addBindValue(date.toString(Qt::ISODate));
            RecordTable::bindFields(dlk, lk);
            drk.addBindValue(date.addDays(1).toString(Qt::ISODate));
            RecordTable::bindFields(drk, rk);
            if (!exec(dlk) || !exec(drk))
                return false;
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
                if (ruar % 2 != 0)
                    continue;
                auto gk = RecordTable::copyByName<TDebitorGutschriftsKopf>(rk);
                gk.NUMMER = QString::number(gs++);
                gk.BUCHUNGSDATUM = FormatDE::formatDate(date.addDays(2));
                gk.BELEGDATUM = gk.BUCHUNGSDATUM;
                gk.BUCHUNGSTEXT = QStringLiteral("Gutschrift Rücksendung");
                gk.RUECKSEND_NR = ra.RUAR_ID;
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
                if (!exec(dgk) || !exec(dgz))
                    return false;
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
