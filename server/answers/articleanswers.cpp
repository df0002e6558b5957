#include "answers/articleanswers.h"

#include "model/answerlayouts.h"
#include "model/conversions.h"
#include "model/formatde.h"
#include "pricing.h"
#include "replies.h"
#include "serverstore.h"
#include "store/articlesearch.h"
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
    case 136:
        return infoList(ctx);
    case 137:
        return searchAll(ctx, false);
    case 139:
        return searchAll(ctx, true);
    case 142:
        return webShop(ctx);
    case 425:
    case 426:
        return customerArticle(ctx);
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
    const TArtikelShortInfoArray out =
        ArticleSearch(m_store.database()).find<TArtikelShortInfo>(ctx.p().at(0), searchLimit);
    if (out.isEmpty())
        return Replies::error(61);
    return Replies::ok(Replies::counted(out.size(), RecordCodec::encode(out)));
}

ServerReply ArticleAnswers::searchLong(const RequestContext& ctx, bool byEan) {
    const ArticleStore articles(m_store.database());
    TArtikelLongInfoArray out;
    if (byEan) {
        // "0", EAN, "0"
        if (ctx.p().size() != 3 || ctx.p().at(1).trimmed().isEmpty())
            return Replies::badRequest(QStringLiteral("SucheEAN_ArtikelAlle braucht \"0\", EAN, \"0\""));
        if (auto a = articles.byEan(ctx.p().at(1)))
            out.append(RecordTable::copyByName<TArtikelLongInfo>(*a));
    } else {
        if (ctx.p().size() != 2)
            return Replies::badRequest(QStringLiteral("SucheArtikelAlle braucht 2 Parameter"));
        out = ArticleSearch(m_store.database()).find<TArtikelLongInfo>(ctx.p().at(0), searchLimit);
    }
    if (out.isEmpty())
        return Replies::error(61);
    QStringList numbers;
    numbers.reserve(out.size());
    for (const TArtikelLongInfo& a : out)
        numbers.append(a.NUMMER);
    const QHash<QString, int> totals = articles.availableTotals(numbers);
    for (TArtikelLongInfo& a : out)
        a.VERFUEGBAR = QString::number(totals.value(a.NUMMER));
    return Replies::ok(Replies::counted(out.size(), RecordCodec::encode(out)));
}

ServerReply ArticleAnswers::network(const RequestContext& ctx) {
    if (ctx.p().size() != 2)
        return Replies::badRequest(QStringLiteral("SucheNetzArtikelKurz2 braucht 2 Parameter"));
    const QString selector = ctx.p().at(1).trimmed();
    if (selector != u"1" && selector != u"2" && selector != u"4")
        return Replies::badRequest(QStringLiteral("Auswahl \"%1\"").arg(selector));
    // "1" and "4": the net articles of an article, by number or by ARTI_ID.
    // "2": a number that is no article of ours, looked up among the related
    // articles; NETZARTIKELNR then names the article to take instead.
    const ArticleStore articles(m_store.database());
    TArtikelnetzArray net;
    if (selector == u"2") {
        net = articles.networkNaming(ctx.p().at(0));
    } else {
        const std::optional<TArtikelInfo> a =
            selector == u"4" ? articles.byId(ctx.p().at(0)) : articles.byNumber(ctx.p().at(0));
        if (a)
            net = articles.network(a->NUMMER);
    }
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
    TBestandsInfo info;
    int total = 0;
    for (const ArticleStore::Stock& s : articles.stock(a->NUMMER)) {
        TBestandsInfoFiliale f;
        f.Code = s.branch.CODE;
        f.Kurzname = s.branch.KURZNAME;
        f.Bezeichnung = s.branch.BEZEICHNUNG;
        f.Auftrag = ArticleStore::branchKind(s.branch);
        // A wholesaler branch names its central branch; the client orders by it.
        f.Zentrale = f.Auftrag == u"1" ? s.branch.ZUGEORDNETE_ZENTRALE : QString();
        f.Tour = s.tour;
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
        if (f.Auftrag == u"2" || f.Auftrag == u"4" || f.Auftrag == u"5") {
            // An outside warehouse carries its terms in these fields: backorder
            // allowed, its central branch, and its procurement parameter groups.
            f.Bestellt = s.rueckstandErlaubt;
            f.BestelltFiliale = s.branch.ZUGEORDNETE_ZENTRALE;
            const qsizetype values = s.beParam.isEmpty() ? 0 : s.beParam.split(u';').size();
            f.Eingang = QString::number(values / 6);
            f.Bestand = s.beParam;
        }
        total += std::max(0, s.verfuegbar);
        info.FilialBestand.append(f);
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

namespace {

// Lines of one net article inside the info list: the related article, note,
// type 1 to 9, key, the article it belongs to, four reserve lines.
constexpr qsizetype netLines = 9;

bool isFlag(const QString& text) {
    const QString t = text.trimmed();
    return t == u"0" || t == u"1";
}

// Parcel services take nothing heavier than this (kilograms).
constexpr double parcelWeightLimit = 31.5;

} // namespace

ServerReply ArticleAnswers::infoList(const RequestContext& ctx) {
    // customer, two free lines, four flags (stock, price, net articles, spare),
    // stock filter, three empty lines, then the article numbers.
    if (ctx.p().size() < 11)
        return Replies::badRequest(QStringLiteral("GetArtikelInfoListe braucht 11 Zeilen"));
    for (int i = 3; i < 7; ++i) {
        if (!isFlag(ctx.p().at(i)))
            return Replies::badRequest(QStringLiteral("Kennzeichen \"%1\"").arg(ctx.p().at(i)));
    }
    QString kdnr;
    if (!ctx.customer(ctx.p().at(0), &kdnr))
        return Replies::notYours();
    const bool withStock = ctx.p().at(3).trimmed() == u"1";
    const bool withPrice = ctx.p().at(4).trimmed() == u"1";
    const bool withNet = ctx.p().at(5).trimmed() == u"1";
    const QStringList wanted = ctx.p().mid(11);
    if (wanted.isEmpty())
        return Replies::badRequest(QStringLiteral("Artikelliste ist leer"));

    const ArticleStore articles(m_store.database());
    TArtikelArray found;
    QStringList numbers;
    for (const QString& number : wanted) {
        if (std::optional<TArtikelInfo> a = articles.byNumber(number); a && !numbers.contains(a->NUMMER)) {
            numbers.append(a->NUMMER);
            found.append(*a);
        }
    }
    if (found.isEmpty())
        return Replies::error(61, QStringLiteral("WSA Artikel sind fehlerhaft: ") + wanted.join(u' '));

    TArtikelInfoListe liste;
    if (const std::optional<TDebitor> d = CustomerStore(m_store.database()).debitor(kdnr)) {
        liste.NUMMER = d->NUMMER;
        liste.LIEFERUNGSCODE = d->LIEFERUNGSCODE;
        liste.GESPERRT = d->GESPERRT;
        liste.DURCHFAKTURIERUNG = d->DURCHFAKTURIERUNG;
        liste.FILIALE = d->FILIALE;
        liste.TOURFILIALE = d->TOURFILIALE;
        liste.TOURNR = d->TOURNR;
    }
    const QList<ArticleStore::Stock> branches = articles.stock(found.first().NUMMER);
    for (const ArticleStore::Stock& s : branches) {
        TFilialeKurz f = RecordTable::copyByName<TFilialeKurz>(s.branch);
        // "1" a wholesaler branch, "2" a virtual one.
        f.FILI_ID = s.virtualBranch ? QStringLiteral("2") : QStringLiteral("1");
        liste.Filialen.append(f);
    }
    const Pricing pricing(articles);
    const QString group = priceGroup(kdnr);
    for (const TArtikelInfo& a : found) {
        TArtikelInfoExtended x = RecordTable::copyByName<TArtikelInfoExtended>(a);
        const TArtikelnetzArray net = withNet ? articles.network(a.NUMMER) : TArtikelnetzArray();
        x.NetzartikelIndex = QString::number(liste.Netzartikel.size());
        x.NumNetzartikel = QString::number(net.size());
        for (const TArtikelnetz& n : net) {
            liste.Netzartikel << n.ARTIKELNR << n.HINWEIS_BEZEICHNUNG << n.TYP << n.ARTN_ID << a.NUMMER;
            for (qsizetype k = 5; k < netLines; ++k)
                liste.Netzartikel.append(QString());
        }
        liste.ArtikelInfo.append(x);
        if (withPrice) {
            const Pricing::Price p = pricing.price(a, group, 1);
            TArtikelPreis price;
            price.ARTIKELNR = a.NUMMER;
            price.NETTOPREIS = FormatDE::formatFloat(p.netto);
            price.NETTOBETRAG = FormatDE::formatFloat(p.nettobetrag());
            price.BRUTTOBETRAG = FormatDE::formatFloat(p.brutto * p.menge);
            price.BRUTTOPREIS = FormatDE::formatFloat(p.brutto);
            price.RABATTBETRAG = FormatDE::formatFloat(p.rabattbetrag());
            price.RABATT_P = FormatDE::formatFloat(p.rabattP);
            price.NATURALRABATTMENGE = QStringLiteral("0");
            price.PREISART = QStringLiteral("N");
            price.STUECKPREIS = price.NETTOPREIS;
            price.PE = QString::number(p.pe);
            price.MENGE = QStringLiteral("1");
            liste.ArtikelPreise.append(price);
        }
        if (withStock) {
            // One record per branch, in the branch order above, so that the
            // client can pair them by position.
            for (const ArticleStore::Stock& s : articles.stock(a.NUMMER)) {
                TArtikelBestand b;
                b.ARTIKELNR = a.NUMMER;
                b.FilCode = s.branch.CODE;
                b.Zentrale = s.branch.ZUGEORDNETE_ZENTRALE;
                b.Verfuegbar = QString::number(s.verfuegbar);
                liste.Artikelbestand.append(b);
            }
        }
    }
    // Where each section starts: its count line, after the 17 head lines.
    qsizetype pos = RecordCodec::fieldCount<TArtikelInfoListeKopf>();
    liste.FilialenIndex = QString::number(pos);
    pos += 1 + liste.Filialen.size() * RecordCodec::fieldCount<TFilialeKurz>();
    liste.ArtikelIndex = QString::number(pos);
    pos += 1 + liste.ArtikelInfo.size() * RecordCodec::fieldCount<TArtikelInfoExtended>();
    liste.PreiseIndex = QString::number(pos);
    pos += 1 + liste.ArtikelPreise.size() * RecordCodec::fieldCount<TArtikelPreis>();
    liste.BestandIndex = QString::number(pos);
    pos += 1 + liste.Artikelbestand.size() * RecordCodec::fieldCount<TArtikelBestand>();
    liste.NetzartikelIndex = QString::number(pos);
    liste.NumFilialen = QString::number(liste.Filialen.size());
    liste.NumArtikel = QString::number(liste.ArtikelInfo.size());
    liste.NumPreise = QString::number(liste.ArtikelPreise.size());
    liste.NumBestand = QString::number(liste.Artikelbestand.size());
    liste.NumNetzartikel = QString::number(liste.Netzartikel.size());
    return Replies::ok(AnswerLayouts::encodeArtikelInfoListe(liste));
}

ServerReply ArticleAnswers::searchAll(const RequestContext& ctx, bool third) {
    // 137: five flags, five empty lines, then the search texts.
    // 139: ten flags and one search text; flag 10 admits blocked articles.
    QStringList texts;
    bool withBlocked = true;
    if (third) {
        if (ctx.p().size() != 11)
            return Replies::badRequest(QStringLiteral("ISucheArtikelAlle3 braucht 11 Zeilen"));
        texts.append(ctx.p().at(10));
        withBlocked = ctx.p().at(9).trimmed() != u"0";
    } else {
        if (ctx.p().size() < 10)
            return Replies::badRequest(QStringLiteral("ISucheArtikelAlle2 braucht 10 Zeilen"));
        texts = ctx.p().mid(10);
    }
    for (int i = 0; i < (third ? 10 : 5); ++i) {
        if (!isFlag(ctx.p().at(i)))
            return Replies::badRequest(QStringLiteral("Kennzeichen \"%1\"").arg(ctx.p().at(i)));
    }
    texts.removeIf([](const QString& t) { return t.trimmed().isEmpty(); });
    if (texts.isEmpty())
        return Replies::error(62, third ? QStringLiteral("SuchText ist leer!")
                                        : QStringLiteral("SuchTextListe ist leer!"));

    // The store searches by prefix; the client's wildcards add nothing to that.
    QStringList plain = texts;
    for (QString& text : plain)
        text.remove(QLatin1Char('*')).remove(QLatin1Char('?'));
    const QList<TArtikelLongInfoArray> found =
        ArticleSearch(m_store.database()).findEach<TArtikelLongInfo>(plain, searchLimit);
    QStringList out;
    qsizetype hits = 0;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString& text = texts.at(i);
        QStringList data;
        for (const TArtikelLongInfo& a : found.at(i)) {
            const bool blocked = Convert::isFlagSet(a.GESPERRT);
            if (blocked && !withBlocked)
                continue;
            data.append(QStringList{a.NUMMER, a.ARTI_ID, a.BEZEICHNUNG, a.BEZEICHNUNG2, a.EINSPEISERCODE,
                                    a.BUCH_GR, blocked ? QStringLiteral("1") : QStringLiteral("0")}
                            .join(QLatin1Char(';')));
        }
        hits += data.size();
        // 139 counts one line more than it sends, as its readers expect.
        out << text << QString::number(data.size() + (third ? 1 : 0)) << data;
    }
    if (hits == 0)
        return Replies::error(61);
    return Replies::ok(out);
}

ServerReply ArticleAnswers::webShop(const RequestContext& ctx) {
    // Count line, then one equal block per article with the number in its second line.
    int count = 0;
    if (ctx.p().isEmpty() || !Convert::tryToInt(ctx.p().at(0), count) || count < 1)
        return Replies::badRequest(
            QStringLiteral("ISetzeWebShopArtikel: Anzahl \"%1\"").arg(ctx.p().value(0)));
    const qsizetype rest = ctx.p().size() - 1;
    if (rest % count != 0 || rest / count < 2)
        return Replies::badRequest(
            QStringLiteral("ISetzeWebShopArtikel: %1 Zeilen für %2 Artikel").arg(rest).arg(count));
    const qsizetype block = rest / count;
    const ArticleStore articles(m_store.database());
    QStringList known;
    for (qsizetype i = 0; i < count; ++i) {
        const std::optional<TArtikelInfo> a = articles.byNumber(ctx.p().at(1 + i * block + 1));
        if (a && !Convert::isFlagSet(a->GESPERRT) && !known.contains(a->NUMMER))
            known.append(a->NUMMER);
    }
    return Replies::ok(Replies::counted(known.size(), known));
}

ServerReply ArticleAnswers::customerArticle(const RequestContext& ctx) {
    // 425: "", "0", customer, article number, [kind of note (empty or left out: all),] "0"
    // 426: "", "0", customer, article number, "0"
    const bool note = ctx.request.code == u"425";
    const qsizetype size = ctx.p().size();
    if ((size != 5 && !(note && size == 6)) || ctx.p().at(3).trimmed().isEmpty())
        return Replies::badRequest(
            QStringLiteral("%1 braucht %2 Zeilen und einen Artikel")
                .arg(note ? QStringLiteral("GetKarteiBemerkung") : QStringLiteral("IGetArtikelLogistik"),
                     note ? QStringLiteral("5 oder 6") : QStringLiteral("5")));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(2), &kdnr))
        return Replies::notYours();
    const std::optional<TArtikelInfo> a = ArticleStore(m_store.database()).byNumber(ctx.p().at(3));
    if (!a)
        return Replies::error(61);
    return note ? cardNote(*a, kdnr, size == 6 ? ctx.p().at(4).trimmed() : QString()) : logistics(*a);
}

ServerReply ArticleAnswers::cardNote(const TArtikelInfo& a, const QString& kdnr, const QString& kind) {
    const QStringList note = ArticleStore(m_store.database()).remarks(a.NUMMER, kdnr, kind);
    return Replies::ok(Replies::counted(note.size(), note));
}

ServerReply ArticleAnswers::logistics(const TArtikelInfo& a) {
    // Dangerous goods never go by night express nor parcel; heavy parts not by parcel.
    const bool dangerous = !a.UN_NUMMER.trimmed().isEmpty() || !a.GEFAHRENKLASSE.trimmed().isEmpty();
    const bool heavy = Convert::toFloatDef(a.BRUTTOGEWICHT, 0) > parcelWeightLimit;
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    return Replies::ok({a.NUMMER, a.EINHEIT, a.BRUTTOGEWICHT, flag(!dangerous), flag(!dangerous && !heavy),
                        a.VOLUMEN, a.GEFAHRENKLASSE, a.UN_NUMMER, a.WASSERGEFAEHRLICH, a.KARTONSTUECK,
                        a.PALETTENSTUECK, a.TE, a.ANZAHL_PER_KOLLI, a.ARTI_ID});
}
