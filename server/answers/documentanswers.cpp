#include "answers/documentanswers.h"

#include "model/conversions.h"
#include "model/formatde.h"
#include "replies.h"
#include "serverstore.h"
#include "store/documentstore.h"
#include "store/offerstore.h"
#include "store/recordtable.h"
#include "store/servicestore.h"
#include "store/transaction.h"

namespace {

// A date line of a document request: empty for none; false when it is no date.
bool dateLine(const QString& text, QDate* date) {
    if (text.trimmed().isEmpty()) {
        *date = QDate();
        return true;
    }
    *date = FormatDE::parseDate(text.trimmed());
    return date->isValid();
}

// The short lines of delivery notes, invoices and credit notes: a count
// line, then per line its fields in the order the client's grid expects.
QStringList shortLine(const TDebitorLieferZeile& z) {
    return {z.KUNDENNR,    z.BELEGNR,    z.NUMMER,   z.DIV_ART_NR, z.BUCH_GR,  z.TEXT,
            z.TEXT_2,      z.EINHEIT,    z.MENGE,    z.RABATT_P,   z.VK_PREIS, z.DEBITORENNR,
            z.BRUTTOPREIS, z.NETTOPREIS, z.VK_PREIS, z.DIV_ART_NR, z.DEBLZ_ID, z.DEBLZ_DEBLK_ID};
}

QStringList shortLine(const TDebitorRechnungsZeile& z) {
    return {z.KUNDENNR,      z.BELEGNR,      z.LFD_NR,     z.ART,         z.NUMMER,     z.DIV_ART_NR,
            z.BUCH_GR,       z.TEXT,         z.TEXT_2,     z.EINHEIT,     z.MENGE,      z.RABATT_P,
            z.NETTOBETRAG,   z.BRUTTOBETRAG, z.VK_PREIS,   z.DEBITORENNR, z.AUFTRAGSNR, z.LFD_NR_DES_AUFTRAG,
            z.BRUTTOBETRAG,  z.BRUTTOPREIS,  z.NETTOPREIS, z.PE,          z.DIV_ART_NR, z.DEBRZ_ID,
            z.DEBRZ_DEBRK_ID};
}

QStringList shortLine(const TDebitorGutschriftsZeile& z) {
    return {z.KUNDENNR,        z.BELEGNR,      z.LFD_NR,     z.ART,          z.NUMMER,        z.DIV_ART_NR,
            z.BUCH_GR,         z.TEXT,         z.TEXT_2,     z.EINHEIT,      z.MENGE,         z.RABATT_P,
            z.NETTOBETRAG,     z.BRUTTOBETRAG, z.VK_PREIS,   z.BRUTTOBETRAG, z.BUCHUNGSDATUM, z.ALTTEILEWERT,
            z.ALTTEILESTEUER,  z.BRUTTOPREIS,  z.NETTOPREIS, z.VK_PREIS,     z.DIV_ART_NR,    z.DEBGSZ_ID,
            z.DEBGSZ_DEBGSK_ID};
}

template <class R> QStringList shortForm(const QList<R>& records) {
    QStringList out{QString::number(records.size())};
    for (const R& r : records)
        out += shortLine(r);
    return out;
}

} // namespace

std::optional<ServerReply> DocumentAnswers::answer(const RequestContext& ctx) {
    const int code = Convert::toIntDef(ctx.request.code, -1);
    switch (code) {
    case 181:
    case 191:
    case 200:
    case 210:
        return heads(ctx, code);
    case 180:
        return orderLines(ctx);
    case 193:
    case 203:
    case 213:
        return shortLines(ctx, code);
    case 184:
    case 185:
        return offers(ctx, code);
    case 183:
        return backorders(ctx);
    case 204:
    case 215:
        return bookingLines(ctx, code);
    case 141:
        return returnable(ctx);
    case 252:
        return oldParts(ctx);
    case 253:
        return oldPartUpdate(ctx);
    default:
        return std::nullopt;
    }
}

ServerReply DocumentAnswers::heads(const RequestContext& ctx, int code) {
    // 181: mode, "1", number, customer, "", from, to, "".
    // 191, 200, 210: mode, number, "", customer, "", from, to, "".
    if (ctx.p().size() != 8)
        return Replies::badRequest(QStringLiteral("Belegköpfe brauchen 8 Zeilen"));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(3), &kdnr))
        return Replies::notYours();
    const QString number = code == 181 ? ctx.p().at(2) : ctx.p().at(1);
    QDate from, to;
    if (!dateLine(ctx.p().at(5), &from) || !dateLine(ctx.p().at(6), &to))
        return Replies::badRequest(QStringLiteral("Datum \"%1\" / \"%2\"").arg(ctx.p().at(5), ctx.p().at(6)));
    const DocumentStore docs(m_store.database());
    switch (code) {
    case 181: {
        const auto list = docs.heads<TVerkaufsKopf>(QStringLiteral("VERKAUFSKOPF"), kdnr, number, from, to);
        return Replies::ok(Replies::counted(list.size(), RecordCodec::encode(list)));
    }
    case 191: {
        const auto list =
            docs.heads<TDebitorLieferKopf>(QStringLiteral("DEBITORLIEFERKOPF"), kdnr, number, from, to);
        return Replies::ok(Replies::counted(list.size(), RecordCodec::encode(list)));
    }
    case 200: {
        const auto list =
            docs.heads<TDebitorRechnungsKopf>(QStringLiteral("DEBITORRECHNUNGSKOPF"), kdnr, number, from, to);
        return Replies::ok(Replies::counted(list.size(), RecordCodec::encode(list)));
    }
    default: {
        const auto list = docs.heads<TDebitorGutschriftsKopf>(QStringLiteral("DEBITORGUTSCHRIFTSKOPF"), kdnr,
                                                              number, from, to);
        return Replies::ok(Replies::counted(list.size(), RecordCodec::encode(list)));
    }
    }
}

ServerReply DocumentAnswers::orderLines(const RequestContext& ctx) {
    // line selection, "1", number, ""
    if (ctx.p().size() != 4 || ctx.p().at(2).trimmed().isEmpty())
        return Replies::badRequest(QStringLiteral("IGetVKZInfo braucht 4 Parameter und eine Belegnummer"));
    const QString selection = ctx.p().at(0).trimmed();
    if (selection != u"0" && selection != u"2" && selection != u"1")
        return Replies::badRequest(QStringLiteral("Zeilenauswahl \"%1\"").arg(selection));
    const QString kdnr = ctx.session.known ? ctx.session.kdnr : QString();
    const auto lines = DocumentStore(m_store.database())
                           .lines<TVerkaufsZeile>(QStringLiteral("VERKAUFSZEILE"), ctx.p().at(2), kdnr);
    if (lines.isEmpty())
        return Replies::error(177);
    return Replies::ok(Replies::counted(lines.size(), RecordCodec::encode(lines)));
}

ServerReply DocumentAnswers::shortLines(const RequestContext& ctx, int code) {
    // "", "0", line selection, number, customer, "", "", "", "", "0"
    if (ctx.p().size() != 10 || ctx.p().at(3).trimmed().isEmpty())
        return Replies::badRequest(QStringLiteral("Belegzeilen brauchen 10 Zeilen und eine Belegnummer"));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(4), &kdnr))
        return Replies::notYours();
    const DocumentStore docs(m_store.database());
    const QString number = ctx.p().at(3);
    if (code == 193)
        return Replies::ok(
            shortForm(docs.lines<TDebitorLieferZeile>(QStringLiteral("DEBITORLIEFERZEILE"), number, kdnr)));
    if (code == 203)
        return Replies::ok(shortForm(
            docs.lines<TDebitorRechnungsZeile>(QStringLiteral("DEBITORRECHNUNGSZEILE"), number, kdnr)));
    return Replies::ok(shortForm(
        docs.lines<TDebitorGutschriftsZeile>(QStringLiteral("DEBITORGUTSCHRIFTSZEILE"), number, kdnr)));
}

ServerReply DocumentAnswers::offers(const RequestContext& ctx, int code) {
    // 184: "0", "0", customer, "0". 185: "0", offer id, customer, "0".
    if (ctx.p().size() != 4 || (code == 185 && ctx.p().at(1).trimmed().isEmpty()))
        return Replies::badRequest(
            code == 184 ? QStringLiteral("IGetVKKInfo3 braucht 4 Zeilen")
                        : QStringLiteral("IGetVKZInfo3 braucht 4 Zeilen und eine Angebots-Id"));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(2), &kdnr))
        return Replies::notYours();
    const OfferStore offers(m_store.database());
    // The count line, then records whose length the client takes from the answer.
    if (code == 184) {
        const TAngebotsKopfSatzArray heads = offers.valid(kdnr, ctx.today);
        return Replies::ok(Replies::counted(heads.size(), RecordCodec::encode(heads)));
    }
    // An offer that is not the customer's is no offer of his: no lines.
    const TAngebotsZeileSatzArray lines =
        offers.head(kdnr, ctx.p().at(1)) ? offers.lines(ctx.p().at(1)) : TAngebotsZeileSatzArray();
    return Replies::ok(Replies::counted(lines.size(), RecordCodec::encode(lines)));
}

ServerReply DocumentAnswers::returnable(const RequestContext& ctx) {
    if (!ctx.session.known && ctx.p().isEmpty())
        return Replies::badRequest(QStringLiteral("Kundennummer fehlt"));
    QString kdnr;
    if (!ctx.customer(ctx.session.known ? QString() : ctx.p().value(0), &kdnr))
        return Replies::notYours();
    const auto list = ServiceStore(m_store.database()).returnable(kdnr);
    return Replies::ok(Replies::counted(list.size(), RecordCodec::encode(list)));
}

ServerReply DocumentAnswers::oldParts(const RequestContext& ctx) {
    // "", "0", mode, "0", "", "", customer, "", "0"
    if (ctx.p().size() != 9)
        return Replies::badRequest(QStringLiteral("IGetAltteilInfo2 braucht 9 Zeilen"));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(6), &kdnr))
        return Replies::notYours();
    const QList<QStringList> rows = ServiceStore(m_store.database()).oldParts(kdnr);
    QStringList out{QString::number(rows.size())};
    int lfd = 0;
    for (const QStringList& r : rows) {
        // LfdNr, Beleg, Status, KUNDENNR, Lieferadr, TourNr, TourFil, LieferCode, ArtikelNummer,
        // Bezeichnung, ZumATV, Altwert, Öliwert, GS, Storno, DATUM, ALTVZ_ID
        out << QString::number(++lfd) << r.at(1) << r.at(2) << kdnr << QStringLiteral("0") << QString()
            << QString() << QStringLiteral("01") << r.at(3) << r.at(4) << r.at(5) << r.at(6) << r.at(7)
            << QStringLiteral("0") << QStringLiteral("0") << r.at(8) << r.at(0);
    }
    return Replies::ok(out);
}

ServerReply DocumentAnswers::oldPartUpdate(const RequestContext& ctx) {
    // Old-part id and the exchange mark "0"/"1".
    if (ctx.p().size() < 2)
        return Replies::badRequest(QStringLiteral("MyAltteilUpdate braucht Id und Kennzeichen"));
    const QString value = ctx.p().at(1).trimmed();
    if (value != u"0" && value != u"1")
        return Replies::badRequest(QStringLiteral("Kennzeichen \"%1\"").arg(value));
    QString kdnr;
    if (!ctx.customer(QString(), &kdnr))
        return Replies::notYours();
    Transaction t(m_store.database());
    if (!ServiceStore(m_store.database()).setOldPartExchange(kdnr, ctx.p().at(0), value) || !t.commit())
        return Replies::error(199, QStringLiteral("Altteil %1 nicht gefunden").arg(ctx.p().at(0)));
    return Replies::ok({QStringLiteral("OK")});
}

namespace {

// Fields of one booking line: the head's values, then the line's (the client puts the kind in front).
constexpr qsizetype bookingFields = 34;

bool inRange(const QString& text, const QDate& from, const QDate& to) {
    const QDate d = FormatDE::parseDate(text.trimmed());
    if (!d.isValid())
        return !from.isValid() && !to.isValid();
    return (!from.isValid() || d >= from) && (!to.isValid() || d <= to);
}

template <class Head, class Line>
QStringList bookingLine(const Head& h, const Line& l, const QString& lcode, const QString& lieferschein,
                        const QString& auftrag, const QString& l1, const QString& l2, const QString& l3) {
    return {h.NUMMER,
            h.KUNDENNR,
            h.DEBITORENNR,
            h.NAME,
            h.STRASSE,
            h.PLZ_ORT,
            h.IHRE_REFERENZ,
            h.LIEFERNR,
            h.LIEFERNAME,
            h.LIEFERSTRASSE,
            h.LIEFERORT,
            lcode,
            h.BUCHUNGSDATUM,
            QString(),
            l.LFD_NR,
            l.GEHOERT_ZU_LFD_NR,
            lieferschein,
            auftrag,
            l1,
            l2,
            l3,
            l.ART,
            l.NUMMER,
            l.DIV_ART_NR,
            QString(),
            l.TEXT,
            l.BUCH_GR,
            l.MENGE,
            l.EINHEIT,
            l.PE,
            l.BRUTTOPREIS,
            l.NETTOPREIS,
            l.NETTOBETRAG,
            QString()};
}

} // namespace

ServerReply DocumentAnswers::backorders(const RequestContext& ctx) {
    // number, "0", "1", "2", "", customer, "", "", "", from, to, "", "", "", output type
    if (ctx.p().size() != 15)
        return Replies::badRequest(QStringLiteral("IGetVKZInfo2 braucht 15 Zeilen"));
    const QString type = ctx.p().at(14).trimmed();
    if (type != u"2" && type != u"3")
        return Replies::badRequest(QStringLiteral("Ausgabeart \"%1\"").arg(type));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(5), &kdnr))
        return Replies::notYours();
    QDate from, to;
    if (!dateLine(ctx.p().at(9), &from) || !dateLine(ctx.p().at(10), &to))
        return Replies::badRequest(
            QStringLiteral("Datum \"%1\" / \"%2\"").arg(ctx.p().at(9), ctx.p().at(10)));
    const QString number = ctx.p().at(0).trimmed();
    QStringList body;
    qsizetype n = 0;
    for (const TVerkaufsZeile& z : DocumentStore(m_store.database()).backorders(kdnr)) {
        if ((!number.isEmpty() && z.BELEGNR != number) || !inRange(z.AUFTRAGSDATUM, from, to))
            continue;
        RecordCodec::encodeInto(body, RecordTable::copyByName<TVKZ_KURZ_QTX>(z));
        // Type "3" adds the order date to each line.
        if (type == u"3")
            body.append(z.AUFTRAGSDATUM);
        ++n;
    }
    return Replies::ok(Replies::counted(n, body));
}

ServerReply DocumentAnswers::bookingLines(const RequestContext& ctx, int code) {
    // "", "0", collective-invoice customer, customer, from, to, delivery address, "", "0"
    if (ctx.p().size() != 9)
        return Replies::badRequest(QStringLiteral("Buchungszeilen brauchen 9 Zeilen"));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(3), &kdnr))
        return Replies::notYours();
    QDate from, to;
    if (!dateLine(ctx.p().at(4), &from) || !dateLine(ctx.p().at(5), &to))
        return Replies::badRequest(QStringLiteral("Datum \"%1\" / \"%2\"").arg(ctx.p().at(4), ctx.p().at(5)));
    // "-1" or empty: every delivery address.
    int address = -1;
    if (!ctx.p().at(6).trimmed().isEmpty() && !Convert::tryToInt(ctx.p().at(6), address))
        return Replies::badRequest(QStringLiteral("Lieferadresse \"%1\"").arg(ctx.p().at(6)));
    const auto wanted = [address](const QString& liefernr) {
        return address < 0 || Convert::toIntDef(liefernr, -1) == address;
    };
    const DocumentStore docs(m_store.database());
    QStringList body;
    qsizetype n = 0;
    if (code == 204) {
        for (const auto& h :
             docs.heads<TDebitorRechnungsKopf>(QStringLiteral("DEBITORRECHNUNGSKOPF"), kdnr, {}, from, to)) {
            if (!wanted(h.LIEFERNR))
                continue;
            for (const auto& l : docs.lines<TDebitorRechnungsZeile>(QStringLiteral("DEBITORRECHNUNGSZEILE"),
                                                                    h.NUMMER, kdnr)) {
                body += bookingLine(h, l, h.LIEFERUNGSCODE, l.LIEFERUNGSNR, l.AUFTRAGSNR, QString(),
                                    QString(), QString());
                ++n;
            }
        }
    } else {
        for (const auto& h : docs.heads<TDebitorGutschriftsKopf>(QStringLiteral("DEBITORGUTSCHRIFTSKOPF"),
                                                                 kdnr, {}, from, to)) {
            if (!wanted(h.LIEFERNR))
                continue;
            for (const auto& l : docs.lines<TDebitorGutschriftsZeile>(
                     QStringLiteral("DEBITORGUTSCHRIFTSZEILE"), h.NUMMER, kdnr)) {
                body += bookingLine(h, l, QString(), QString(), h.EVTL_AUFTRAGSNR, h.RUECKSEND_NR,
                                    h.AUSGLEICHSNR, h.AUSGLEICHSART);
                ++n;
            }
        }
    }
    if (body.size() != n * bookingFields)
        return Replies::error(199, QStringLiteral("Buchungszeilen sind unvollständig"));
    return Replies::ok(Replies::counted(n, body));
}
