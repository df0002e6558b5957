#include "answers/articleanswers.h"

#include "model/answerlayouts.h"
#include "model/conversions.h"
#include "model/formatde.h"
#include "pricing.h"
#include "replies.h"
#include "serverstore.h"
#include "store/articlestore.h"
#include "store/customerstore.h"
#include "store/recordtable.h"

namespace {

constexpr int searchLimit = 200;

} // namespace

std::optional<ServerReply> ArticleAnswers::answer(const RequestContext& ctx) {
    switch (Convert::toIntDef(ctx.request.code, -1)) {
    case 110:
        return price(ctx);
    case 112:
        return graduated(ctx);
    case 121:
        return stock(ctx);
    case 130:
        return article(ctx);
    case 131:
        return searchShort(ctx);
    case 134:
        return searchLong(ctx, false);
    case 135:
        return network(ctx);
    case 501:
        return searchLong(ctx, true);
    default:
        return std::nullopt;
    }
}

QString ArticleAnswers::priceGroup(const QString& kdnr) const {
    const std::optional<TDebitor> d = CustomerStore(m_store.database()).debitor(kdnr);
    return d ? d->PREISGRUPPENNR : QString();
}

ServerReply ArticleAnswers::article(const RequestContext& ctx) {
    // Mode, article number, supplier, "0", article id.
    if (ctx.p().size() != 5)
        return Replies::badRequest(QStringLiteral("GetArtikel braucht 5 Parameter"));
    const QString mode = ctx.p().at(0).trimmed();
    const ArticleStore articles(m_store.database());
    std::optional<TArtikelInfo> a;
    if (mode == u"0")
        a = articles.byNumber(ctx.p().at(1));
    else if (mode == u"1")
        a = articles.byNumberAndSupplier(ctx.p().at(1), ctx.p().at(2));
    else if (mode == u"4")
        a = articles.byId(ctx.p().at(4));
    else
        return Replies::badRequest(QStringLiteral("Modus \"%1\"").arg(mode));
    if (!a)
        return Replies::error(61);
    return Replies::ok(Replies::counted(1, RecordCodec::encode(TArtikelArray{*a})));
}

ServerReply ArticleAnswers::searchShort(const RequestContext& ctx) {
    if (ctx.p().size() != 1)
        return Replies::badRequest(QStringLiteral("ISucheArtikelKurz braucht 1 Parameter"));
    const TArtikelArray found = ArticleStore(m_store.database()).search(ctx.p().at(0), searchLimit);
    if (found.isEmpty())
        return Replies::error(61);
    TArtikelShortInfoArray out;
    for (const TArtikelInfo& a : found)
        out.append(RecordTable::copyByName<TArtikelShortInfo>(a));
    return Replies::ok(Replies::counted(out.size(), RecordCodec::encode(out)));
}

ServerReply ArticleAnswers::searchLong(const RequestContext& ctx, bool byEan) {
    const ArticleStore articles(m_store.database());
    TArtikelArray found;
    if (byEan) {
        // "0", EAN, "0"
        if (ctx.p().size() != 3 || ctx.p().at(1).trimmed().isEmpty())
            return Replies::badRequest(QStringLiteral("SucheEAN_ArtikelAlle braucht \"0\", EAN, \"0\""));
        if (auto a = articles.byEan(ctx.p().at(1)))
            found.append(*a);
    } else {
        if (ctx.p().size() != 2)
            return Replies::badRequest(QStringLiteral("SucheArtikelAlle braucht 2 Parameter"));
        found = articles.search(ctx.p().at(0), searchLimit);
    }
    if (found.isEmpty())
        return Replies::error(61);
    TArtikelLongInfoArray out;
    for (const TArtikelInfo& a : found) {
        TArtikelLongInfo l = RecordTable::copyByName<TArtikelLongInfo>(a);
        int total = 0;
        for (const ArticleStore::Stock& s : articles.stock(a.NUMMER))
            total += std::max(0, s.verfuegbar);
        l.VERFUEGBAR = QString::number(total);
        out.append(l);
    }
    return Replies::ok(Replies::counted(out.size(), RecordCodec::encode(out)));
}

ServerReply ArticleAnswers::network(const RequestContext& ctx) {
    if (ctx.p().size() != 2)
        return Replies::badRequest(QStringLiteral("SucheNetzArtikelKurz2 braucht 2 Parameter"));
    const QString selector = ctx.p().at(1).trimmed();
    if (selector != u"1" && selector != u"2" && selector != u"4")
        return Replies::badRequest(QStringLiteral("Auswahl \"%1\"").arg(selector));
    const ArticleStore articles(m_store.database());
    std::optional<TArtikelInfo> a =
        selector == u"4" ? articles.byId(ctx.p().at(0)) : articles.byNumber(ctx.p().at(0));
    const TArtikelnetzArray net = a ? articles.network(a->NUMMER) : TArtikelnetzArray();
    if (net.isEmpty())
        return Replies::error(61);
    return Replies::ok(Replies::counted(net.size(), RecordCodec::encode(net)));
}

ServerReply ArticleAnswers::stock(const RequestContext& ctx) {
    // "", "", branch, stock filter, "1", article number, "0", ""
    if (ctx.p().size() != 8)
        return Replies::badRequest(QStringLiteral("IGetArtikelBestand2 braucht 8 Zeilen"));
    const ArticleStore articles(m_store.database());
    const std::optional<TArtikelInfo> a = articles.byNumber(ctx.p().at(5));
    if (!a)
        return Replies::error(61);
    const QString branch = ctx.p().at(2).trimmed();
    QString customerBranch;
    if (ctx.session.known) {
        if (auto d = CustomerStore(m_store.database()).debitor(ctx.session.kdnr))
            customerBranch = d->FILIALE;
    }
    TBestandsInfo info;
    int total = 0;
    int row = 0;
    for (const ArticleStore::Stock& s : articles.stock(a->NUMMER)) {
        TBestandsInfoFiliale f;
        f.Code = s.branch.CODE;
        f.Kurzname = s.branch.KURZNAME;
        f.Bezeichnung = s.branch.BEZEICHNUNG;
        f.Zentrale = s.branch.ART == u"Z" ? QStringLiteral("1") : QStringLiteral("0");
        f.Kunde = s.branch.CODE == branch || s.branch.CODE == customerBranch ? QStringLiteral("1")
                                                                             : QStringLiteral("0");
        f.Tour = s.tour;
        f.Alternativ = s.branch.ART == u"E" ? QStringLiteral("2")
                       : s.virtualBranch    ? QStringLiteral("5")
                                            : QStringLiteral("0");
        f.Auftrag = s.branch.CODE == branch ? QStringLiteral("1") : QStringLiteral("0");
        f.GeplanteFahrt = s.tour;
        f.NachtExpress = s.branch.NACHTEXPRESS;
        f.EilZustellung = s.branch.EILZUSTELLUNG;
        f.PaketDienst = s.branch.PAKETDIENST;
        f.Verfuegbar = QString::number(s.verfuegbar);
        f.Reserviert = QString::number(s.reserviert);
        f.Rueckstand = QString::number(s.rueckstand);
        f.Bestellt = QString::number(s.bestellt);
        f.BestelltFiliale = QString::number(s.bestellt);
        f.Eingang = QString::number(s.eingang);
        f.Bestand = QString::number(s.verfuegbar + s.reserviert);
        if (f.Zentrale == u"1")
            info.ZentraleIndex = QString::number(row);
        if (f.Kunde == u"1" && info.KundeIndex.isEmpty())
            info.KundeIndex = QString::number(row);
        if (f.Auftrag == u"1")
            info.AuftragIndex = QString::number(row);
        total += std::max(0, s.verfuegbar);
        info.FilialBestand.append(f);
        ++row;
    }
    info.NumFiliale = QString::number(info.FilialBestand.size());
    info.GesamtVerfuegbar = QString::number(total);
    return Replies::ok(AnswerLayouts::encodeBestandsInfo(info));
}

ServerReply ArticleAnswers::price(const RequestContext& ctx) {
    // Customer, article number, quantity "1", "HEUTE".
    if (ctx.p().size() != 4)
        return Replies::badRequest(QStringLiteral("GetPreis braucht 4 Parameter"));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(0), &kdnr))
        return Replies::notYours();
    int menge = 0;
    if (!Convert::tryToInt(ctx.p().at(2), menge) || menge <= 0)
        return Replies::badRequest(QStringLiteral("Menge \"%1\"").arg(ctx.p().at(2)));
    const ArticleStore articles(m_store.database());
    const std::optional<TArtikelInfo> a = articles.byNumber(ctx.p().at(1));
    if (!a)
        return Replies::error(92);
    const Pricing pricing(articles);
    return Replies::ok(Pricing::priceInfoLines(pricing.price(*a, priceGroup(kdnr), menge), *a));
}

ServerReply ArticleAnswers::graduated(const RequestContext& ctx) {
    // "0", customer, "1", "", "1", "1", article number, "0"
    if (ctx.p().size() != 8)
        return Replies::badRequest(QStringLiteral("GetStaffelpreise braucht 8 Zeilen"));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(1), &kdnr))
        return Replies::notYours();
    const ArticleStore articles(m_store.database());
    const std::optional<TArtikelInfo> a = articles.byNumber(ctx.p().at(6));
    if (!a)
        return Replies::error(61);
    const Pricing pricing(articles);
    QList<int> steps{1};
    for (const auto& step : articles.graduated(a->NUMMER))
        steps.append(step.first);
    QStringList lines;
    int lfd = 1;
    for (int menge : steps) {
        const Pricing::Price p = pricing.price(*a, priceGroup(kdnr), menge);
        TArtikelPreis s;
        s.ARTIKELNR = a->NUMMER;
        s.NETTOPREIS = FormatDE::formatFloat(p.netto);
        s.NETTOBETRAG = FormatDE::formatFloat(p.nettobetrag());
        s.BRUTTOBETRAG = FormatDE::formatFloat(p.brutto * menge);
        s.BRUTTOPREIS = FormatDE::formatFloat(p.brutto);
        s.RABATTBETRAG = FormatDE::formatFloat(p.rabattbetrag());
        s.RABATT_P = FormatDE::formatFloat(p.rabattP);
        s.NATURALRABATTMENGE = QStringLiteral("0");
        s.PREISART = QStringLiteral("N");
        s.STUECKPREIS = s.NETTOPREIS;
        s.PE = QString::number(p.pe);
        s.MENGE = QString::number(menge);
        RecordCodec::encodeInto(lines, s);
        lines.append(QString::number(lfd++));
    }
    return Replies::ok(Replies::counted(steps.size(), lines));
}
