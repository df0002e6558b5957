#include "link/requests/articlerequests.h"

#include "link/requests/recordanswer.h"
#include "model/answerlayouts.h"

namespace {

// Article errors name the request and the article.
void prefixArticle(LinkAnswer& a, const QString& head) {
    if (!a.ok())
        a.errorText = head + a.errorText;
}

QString searchHead(int code, const QString& text) {
    return Catalogue::text(Catalogue::get(code).tcpName) + QStringLiteral(" \"") + text +
           QStringLiteral("\" ");
}

template <class R>
LinkAnswer search(ServerLink& link, int code, const QStringList& lines, const QString& text, QList<R>& out) {
    out.clear();
    // A local answer keeps its own text.
    if (auto local = link.localAnswer(Catalogue::get(code)))
        return *local;
    LinkAnswer a = link.call(LinkRequest(code, lines));
    RecordAnswer::decodeCounted(Catalogue::get(code), a, out);
    prefixArticle(a, searchHead(code, text));
    return a;
}

} // namespace

LinkAnswer MyGetArtikel(ServerLink& link, const QString& mode, const QString& artikelNr,
                        const QString& lieferant, const QString& artiId, TArtikelArray& out) {
    LinkAnswer a = link.call(LinkRequest(130, {mode, artikelNr, lieferant, QStringLiteral("0"), artiId}));
    RecordAnswer::decodeCounted(Catalogue::get(130), a, out, 0, 0, AnswerLayouts::artikelInfoKeptFields());
    prefixArticle(a, QStringLiteral("IGetArtikel \"") + artikelNr + QStringLiteral("\" sARTI_ID=\"") +
                         artiId + QStringLiteral("\" "));
    return a;
}

LinkAnswer MySucheArtikelKurz(ServerLink& link, const QString& suchText, TArtikelShortInfoArray& out) {
    return search(link, 131, {suchText}, suchText, out);
}

LinkAnswer MySucheArtikelAlle(ServerLink& link, const QString& suchText, TArtikelLongInfoArray& out) {
    return search(link, 134, {suchText.toUpper(), QString()}, suchText, out);
}

LinkAnswer MySucheNetzArtikelKurz2(ServerLink& link, const QString& key, const QString& selector,
                                   TArtikelnetzArray& out) {
    return search(link, 135, {key, selector}, key, out);
}

LinkAnswer MyGetPreis(ServerLink& link, const QString& kdnr, const QString& artikelNr, TPreisInfo& out) {
    out = TPreisInfo();
    LinkAnswer a =
        link.call(LinkRequest(110, {kdnr, artikelNr, QStringLiteral("1"), QStringLiteral("HEUTE")}));
    if (a.ok())
        RecordCodec::decodeInto(out, a.lines, 0, RecordCodec::fieldCount<TPreisInfo>());
    prefixArticle(a, searchHead(110, artikelNr));
    return a;
}

LinkAnswer MyGetStaffelpreise(ServerLink& link, const QString& artikelNr) {
    // Without the TCP connection of the first contact there is nobody to ask.
    if (!link.soap() && !link.tcpConnectSucceeded()) {
        LinkAnswer a;
        a.result = -1;
        a.errorText = QStringLiteral("IGetStaffelpreise: ") +
                      QStringLiteral("Verbindung zum Server wurde nicht aufgebaut.");
        return a;
    }
    const QString e;
    const QString z = QStringLiteral("0");
    const QString o = QStringLiteral("1");
    LinkAnswer a = link.call(LinkRequest(112, {z, link.login().KdNr, o, e, o, o, artikelNr, z}));
    prefixArticle(a, searchHead(112, artikelNr));
    return a;
}

LinkAnswer MyGetArtikelBestand2(ServerLink& link, const QString& filiale, const QString& bestandFilter,
                                const QString& artikelNr, TBestandsInfo& out) {
    out = TBestandsInfo();
    LinkAnswer a =
        link.call(LinkRequest(121, {QString(), QString(), filiale, bestandFilter, QStringLiteral("1"),
                                    artikelNr, QStringLiteral("0"), QString()}));
    if (a.ok())
        out = AnswerLayouts::decodeBestandsInfo(a.lines, &link.logger());
    prefixArticle(a, searchHead(121, artikelNr));
    return a;
}

LinkAnswer MyGetArtikelInfoListe(ServerLink& link, const ArtikelInfoListeParams& params,
                                 const QStringList& articles, TArtikelInfoListe& out) {
    out = TArtikelInfoListe();
    QStringList lines{params.kdnr, params.line2, params.line3};
    for (int i = 0; i < 4; ++i)
        lines.append(params.flags.value(i, QStringLiteral("0")));
    lines << params.bestandFilter << QString() << QString() << QString();
    LinkAnswer a = link.call(LinkRequest(136, lines).withList(articles));
    if (a.ok() && !AnswerLayouts::decodeArtikelInfoListe(a.lines, 0, out))
        RecordAnswer::fail(a, QStringLiteral("IGetArtikelInfoListe: Artikelinfoliste ist unvollständig."));
    return a;
}

namespace {
// A search without a text is answered locally, as "article key not found".
LinkAnswer nothingToSearch(const QString& text) {
    LinkAnswer a;
    RecordAnswer::fail(a, text);
    a.result = 62;
    return a;
}
} // namespace

LinkAnswer MySucheArtikelAlle2(ServerLink& link, const QStringList& flags, const QStringList& suchTexte) {
    if (suchTexte.isEmpty())
        return nothingToSearch(QStringLiteral("SuchTextListe ist leer!"));
    QStringList lines;
    for (int i = 0; i < 5; ++i)
        lines.append(flags.value(i, QStringLiteral("0")));
    for (int i = 0; i < 5; ++i)
        lines.append(QString());
    return link.call(LinkRequest(137, lines).withList(suchTexte));
}

LinkAnswer MySucheArtikelAlle3(ServerLink& link, const QStringList& flags, const QString& suchText) {
    if (suchText.isEmpty())
        return nothingToSearch(QStringLiteral("SuchText ist leer!"));
    QStringList lines;
    for (int i = 0; i < 10; ++i)
        lines.append(flags.value(i, QStringLiteral("0")));
    lines.append(suchText);
    return link.call(LinkRequest(139, lines));
}

LinkAnswer MySetzeWebShopArtikel(ServerLink& link, const QStringList& lines) {
    return link.call(LinkRequest(142, lines));
}

LinkAnswer MyGetKarteiBemerkung(ServerLink& link, const QStringList& lines) {
    return link.call(LinkRequest(425, lines));
}

LinkAnswer MyGetArtikelLogistik(ServerLink& link, const QStringList& lines) {
    return link.call(LinkRequest(426, lines));
}

LinkAnswer MySucheEAN_ArtikelAlle(ServerLink& link, const QString& ean, TArtikelLongInfoArray& out) {
    return search(link, 501, {QStringLiteral("0"), ean, QStringLiteral("0")}, ean, out);
}

LinkAnswer MyGetAltteilInfo2(ServerLink& link, const QStringList& lines) {
    return link.call(LinkRequest(252, lines));
}

LinkAnswer MyAltteilUpdate(ServerLink& link, const QStringList& lines) {
    return link.call(LinkRequest(253, lines));
}
