#include "link/catalogue.h"
#include "link/framing.h"
#include "link/requests/articlerequests.h"
#include "link/requests/customerrequests.h"
#include "link/requests/documentrequests.h"
#include "link/requests/downloadrequest.h"
#include "link/requests/draftrequests.h"
#include "link/requests/mailrequests.h"
#include "link/requests/miscrequests.h"
#include "link/requests/sessionrequests.h"
#include "model/answerlayouts.h"
#include "tst_catalogue_rig.h"

#include <QSet>
#include <QTest>

#include <functional>
#include <vector>

using namespace Qt::StringLiterals;
using namespace Wire;

namespace {

struct Outcome {
    LinkAnswer answer;
    qsizetype records = -1; // -1: the wrapper returns no records
};

struct Case {
    int code;
    const char* name;
    int level;
    std::function<Outcome(ServerLink&)> call;
    QByteArray request;
    QByteArray reply;
    qsizetype records = -1;
};

template <class R> Outcome withRecords(const LinkAnswer& a, const QList<R>& records) {
    return {a, records.size()};
}

Outcome plain(const LinkAnswer& a) {
    return {a, -1};
}

LineValues insertValues() {
    LineValues v;
    v.set(LineValues::ARTIKELNR, u"OC 47"_s).set(LineValues::MENGE, u"2"_s);
    return v;
}

LineValues updateValues() {
    return LineValues::forLine(u"77"_s).set(LineValues::MENGE, u"3"_s);
}

const QString e;
const QString z = u"0"_s;
const QString o = u"1"_s;

// Every request code of the catalogue, sent through its wrapper. Answers are
// minimal successful ones in the request's framing.
std::vector<Case> cases() {
    const QStringList some{u"A"_s, u"Öl €"_s};
    const QStringList q{u"4711"_s, u"1"_s};
    return {
        {104, "login", 20,
         [](ServerLink& l) { return plain(MyLogin2(l, u"0"_s, u"4711"_s, u"MEIER"_s, u"pw"_s)); },
         params("104", {z, u"4711"_s, u"MEIER"_s, u"pw"_s}), paramsOk({u"MEIER"_s}), -1},
        {105, "read options", 20,
         [](ServerLink& l) {
             QList<TBenutzerOption> out;
             return withRecords(MyReadBenutzerOptions(l, z, e, out), out);
         },
         params("105", {z, u"4711"_s, u"MEIER"_s, e}), paramsOk({u"2"_s, u"PING"_s, u"ON"_s, u"K"_s, u"V"_s}),
         2},
        {106, "write options", 20,
         [](ServerLink& l) {
             return plain(MyWriteBenutzerOptions(l, u"M"_s, u"MP"_s, {{u"PING"_s, u"ON"_s}}));
         },
         paramsAndList("106", {u"4711"_s, u"MEIER"_s, u"H1"_s, u"M"_s, u"MP"_s, o}, {u"PING"_s, u"ON"_s}),
         paramsOk({z}), -1},
        {108, "master option", 20,
         [](ServerLink& l) { return plain(MyCheckMasterOption(l, u"M"_s, u"MP"_s)); },
         params("108", {o, u"4711"_s, u"M"_s, u"MP"_s}), paramsOk({o, u"OK"_s}), -1},
        {110, "price", 20,
         [](ServerLink& l) {
             TPreisInfo p;
             const LinkAnswer a = MyGetPreis(l, u"4711"_s, u"OC 47"_s, p);
             return Outcome{a, p.PreisArt == u"K" ? 1 : 0};
         },
         command("110", {u"4711"_s, u"OC 47"_s, o, u"HEUTE"_s}),
         commandOk("110", {o, u"1,00"_s, u"0,90"_s, e, e, e, e, e, e, e, u"K"_s}), 1},
        {112, "graduated prices", 20, [](ServerLink& l) { return plain(MyGetStaffelpreise(l, u"OC 47"_s)); },
         list("112", {z, u"4711"_s, o, e, o, o, u"OC 47"_s, z}), statusOk({z}), -1},
        {121, "stock", 20,
         [](ServerLink& l) {
             TBestandsInfo b;
             return plain(MyGetArtikelBestand2(l, u"01"_s, u"F"_s, u"OC 47"_s, b));
         },
         list("121", {e, e, u"01"_s, u"F"_s, o, u"OC 47"_s, z, e}), statusOk(records(1, 22)), -1},
        {130, "article", 20,
         [](ServerLink& l) {
             TArtikelArray out;
             return withRecords(MyGetArtikel(l, z, u"OC 47"_s, e, e, out), out);
         },
         command("130", {z, u"OC 47"_s, e, z, e}), commandOk("130", records(1, 143)), 1},
        {131, "short search", 20,
         [](ServerLink& l) {
             TArtikelShortInfoArray out;
             return withRecords(MySucheArtikelKurz(l, u"OC 47"_s, out), out);
         },
         QByteArray("131 OC 47\0\r\n", 12), commandOk("131", records(2, 16)), 2},
        {134, "search all", 20,
         [](ServerLink& l) {
             TArtikelLongInfoArray out;
             return withRecords(MySucheArtikelAlle(l, u"filter"_s, out), out);
         },
         QByteArray("134 FILTER\0\0\r\n", 14), commandOk("134", records(1, 23)), 1},
        {135, "net search", 20,
         [](ServerLink& l) {
             TArtikelnetzArray out;
             return withRecords(MySucheNetzArtikelKurz2(l, u"OC47"_s, u"2"_s, out), out);
         },
         command("135", {u"OC47"_s, u"2"_s}), commandOk("135", records(3, 15)), 3},
        {136, "article info list", 20,
         [](ServerLink& l) {
             TArtikelInfoListe out;
             return plain(
                 MyGetArtikelInfoListe(l, {u"4711"_s, e, e, {o, z, o, z}, u"F"_s}, {u"OC 47"_s}, out));
         },
         paramsAndList("136", {u"4711"_s, e, e, o, z, o, z, u"F"_s, e, e, e}, {u"OC 47"_s}), paramsOk({z}),
         -2},
        {137, "search all 2", 20,
         [](ServerLink& l) {
             return plain(MySucheArtikelAlle2(l, {o, o, z, z, o}, {u"OC"_s, u"47"_s}));
         },
         paramsAndList("137", {o, o, z, z, o, e, e, e, e, e}, {u"OC"_s, u"47"_s}), paramsOk({u"Treffer"_s}),
         -1},
        {139, "search all 3", 20,
         [](ServerLink& l) {
             return plain(MySucheArtikelAlle3(l, {o, z, o, z, o, z, o, z, o, z}, u"OC 47"_s));
         },
         params("139", {o, z, o, z, o, z, o, z, o, z, u"OC 47"_s}), paramsOk({u"Treffer"_s}), -1},
        {141, "returnable articles", 20,
         [some](ServerLink& l) { return plain(MyDocumentRequest(l, 141, some)); },
         "141\r\n9\r\nA\r\n\xD6l \x80\r\n", streamOk({u"R"_s}), -1},
        {142, "web shop article", 20, [some](ServerLink& l) { return plain(MySetzeWebShopArtikel(l, some)); },
         list("142", some), streamOk({u"R"_s}), -1},
        {152, "delivery codes", 20,
         [](ServerLink& l) {
             TLieferungArray out;
             return withRecords(MyGetLieferCodes(l, out), out);
         },
         command("152", {z}), commandOk("152", records(2, 16)), 2},
        {153, "customer", 20,
         [](ServerLink& l) {
             TDebitor d;
             const LinkAnswer a = MyDebitorInfo2ID(l, l.login().KdNr, d);
             return Outcome{a, d.NUMMER == u"4711" ? 1 : 0};
         },
         list("153", {e, z, u"4711"_s, z}), statusOk(QStringList{o, u"4711"_s} + QStringList(20, z)), 1},
        {154, "delivery addresses", 20,
         [](ServerLink& l) {
             TLieferadresseArray out;
             return withRecords(MyLieferadresseInfo2ID(l, u"4711"_s, out), out);
         },
         list("154", {e, z, z, u"4711"_s, e, o}),
         statusOk(AnswerLayouts::encodeLieferadressen({TLieferadresse(), TLieferadresse()}, o)), 2},
        {160, "draft order, level 17", 17,
         [](ServerLink& l) {
             VkklAnswer v;
             const LinkAnswer a = MyVKKLGet(l, z, e, e, e, z, v);
             return withRecords(a, v.lines);
         },
         list("160", {e, z, z, u"MEIER"_s, u"4711"_s, e, z, z}), statusOk(records(1, 62)), 1},
        {161, "delete line", 20, [](ServerLink& l) { return plain(MyVKKLDelete(l, u"77"_s)); },
         command("161", {u"77"_s}), commandOk("161", {}), -1},
        {163, "update line", 20,
         [](ServerLink& l) {
             VkklAnswer v;
             return withRecords(MyVKKLUpdate(l, updateValues(), v), v.lines);
         },
         list("163", QStringList{e, z, u"MEIER"_s, u"4711"_s, u"-1"_s, u"77"_s} + QStringList(3, u"-1"_s) +
                         QStringList{u"3"_s} + QStringList(13, u"-1"_s) + QStringList{z}),
         statusOk(records(1, 63)), 1},
        {164, "book", 20, [](ServerLink& l) { return plain(MyVKKLBuchen(l)); },
         command("164", {u"MEIER"_s, u"4711"_s}), commandOk("164", {}), -1},
        {165, "insert line", 20,
         [](ServerLink& l) {
             VkklAnswer v;
             return withRecords(MyVKKLInsert(l, insertValues(), v), v.lines);
         },
         list("165", QStringList{e, z, u"MEIER"_s, u"4711"_s, u"-1"_s, u"-1"_s, u"-1"_s, u"OC 47"_s, u"2"_s} +
                         QStringList(8, u"-1"_s) + QStringList{z}),
         statusOk(QStringList{o} + QStringList(62, z)), 1},
        {167, "new draft order", 20,
         [](ServerLink& l) {
             VkklAnswer v;
             const LinkAnswer a = MyVKKLInit2(l, u"0"_s, v);
             return Outcome{a, v.vkklId == u"991" ? 1 : 0};
         },
         command("167", {u"MEIER"_s, u"4711"_s, z}), commandOk("167", {u"991"_s}), 1},
        {168, "field update", 20,
         [](ServerLink& l) {
             VkklAnswer v;
             return withRecords(MyVKKLUpdate3(l, {u"6"_s, u"5"_s, e, u"77"_s}, v), v.lines);
         },
         params("168", VkklRequests::update168Tcp({u"6"_s, u"5"_s, e, u"77"_s})), paramsOk(records(1, 129)),
         1},
        {169, "draft order, level 16", 16,
         [](ServerLink& l) {
             VkklAnswer v;
             const LinkAnswer a = MyVKKLGet(l, z, e, e, e, z, v);
             return withRecords(a, v.lines);
         },
         params("169", {z, u"MEIER"_s, u"4711"_s, z}), paramsOk(records(2, 125)), 2},
        {170, "suppliers", 20, [](ServerLink& l) { return plain(MyGetEinspeiserListe(l)); }, "170 \r\n",
         commandOk("170", {u"E1"_s}), -1},
        {172, "import insert", 20,
         [](ServerLink& l) {
             VkklAnswer v;
             const LinkAnswer a = MyVKKLInsert2(l, insertValues(), v);
             return Outcome{a, v.vkklId == u"78" ? v.lines.size() : 0};
         },
         list("172", VkklRequests::insert172(u"MEIER"_s, u"4711"_s, insertValues())),
         streamOk(QStringList{e, u"78"_s, e} + QStringList(125, z)), 1},
        {174, "masked update", 20,
         [](ServerLink& l) {
             VkklAnswer v;
             return withRecords(MyVKKLUpdate4(l, updateValues(), VkklRequests::MaskStandard, v), v.lines);
         },
         list("174", VkklRequests::update174(updateValues(), VkklRequests::MaskStandard, 20)),
         statusOk(QStringList{u"X"_s} + QStringList(125, z)), 1},
        {175, "order deadlines", 20, [](ServerLink& l) { return plain(MyGetBestellzeitListe(l, u"P"_s)); },
         list("175", {z, o, u"P"_s, z}), statusOk({u"08:00"_s}), -1},
        {180, "order lines", 20,
         [q](ServerLink& l) {
             TVerkaufsZeileArray out;
             return withRecords(MyGetVKZInfo(l, q + q, out), out);
         },
         command("180", q + q), commandOk("180", records(1, 127)), 1},
        {181, "order heads", 20,
         [](ServerLink& l) {
             TVerkaufsKopfArray out;
             return withRecords(MyGetVKKInfo2(l, QStringList(8, o), out), out);
         },
         params("181", QStringList(8, o)), paramsOk(records(2, RecordCodec::fieldCount<TVerkaufsKopf>())), 2},
        {183, "order lines 2", 20, [q](ServerLink& l) { return plain(MyDocumentRequest(l, 183, q)); },
         list("183", q), streamOk({u"Z"_s}), -1},
        {184, "order heads 3", 20, [q](ServerLink& l) { return plain(MyDocumentRequest(l, 184, q)); },
         list("184", q), statusOk({u"K"_s}), -1},
        {185, "order lines 3", 20, [q](ServerLink& l) { return plain(MyDocumentRequest(l, 185, q)); },
         list("185", q), statusOk({u"Z"_s}), -1},
        {191, "delivery-note heads", 20,
         [](ServerLink& l) {
             TDebitorLieferKopfArray out;
             return withRecords(MyGetDLKInfo2(l, QStringList(8, z), out), out);
         },
         params("191", QStringList(8, z)),
         paramsOk(records(1, RecordCodec::fieldCount<TDebitorLieferKopf>())), 1},
        {193, "delivery-note lines", 20, [q](ServerLink& l) { return plain(MyDocumentRequest(l, 193, q)); },
         list("193", q), streamOk({u"Z"_s}), -1},
        {200, "invoice heads", 20,
         [](ServerLink& l) {
             TDebitorRechnungsKopfArray out;
             return withRecords(MyGetDRKInfo2(l, QStringList(8, z), out), out);
         },
         params("200", QStringList(8, z)), paramsOk(records(0, 1)), 0},
        {203, "invoice lines 2", 20, [q](ServerLink& l) { return plain(MyDocumentRequest(l, 203, q)); },
         list("203", q), streamOk({u"Z"_s}), -1},
        {204, "invoice lines 3", 20, [q](ServerLink& l) { return plain(MyDocumentRequest(l, 204, q)); },
         list("204", q), statusOk({u"Z"_s}), -1},
        {210, "credit-note heads", 20,
         [](ServerLink& l) {
             TDebitorGutschriftsKopfArray out;
             return withRecords(MyGetDGKInfo2(l, QStringList(8, z), out), out);
         },
         params("210", QStringList(8, z)),
         paramsOk(records(1, RecordCodec::fieldCount<TDebitorGutschriftsKopf>())), 1},
        {213, "credit-note lines", 20, [q](ServerLink& l) { return plain(MyDocumentRequest(l, 213, q)); },
         list("213", q), streamOk({u"Z"_s}), -1},
        {215, "credit-note lines 3", 20, [q](ServerLink& l) { return plain(MyDocumentRequest(l, 215, q)); },
         list("215", q), statusOk({u"Z"_s}), -1},
        {221, "branches", 20,
         [](ServerLink& l) {
             TFilialKurzArray2 out;
             return withRecords(MyGetFilialen(l, out), out);
         },
         list("221", {e, z, o, e, e, e, e, e, e, z}),
         streamOk(AnswerLayouts::encodeFilialen2({TFilialeKurz2(), TFilialeKurz2(), TFilialeKurz2()})), 3},
        {252, "old parts", 20, [q](ServerLink& l) { return plain(MyGetAltteilInfo2(l, q)); }, list("252", q),
         streamOk({u"A"_s}), -1},
        {253, "old part update", 20, [q](ServerLink& l) { return plain(MyAltteilUpdate(l, q)); },
         list("253", q), streamOk({z}), -1},
        {260, "delivery time", 20, [q](ServerLink& l) { return plain(MyGetZustellZeit(l, q)); },
         list("260", q), streamOk({u"10:30"_s}), -1},
        {300, "update check", 20, [](ServerLink& l) { return plain(MyCheckUpdate(l, u"7.1.8000.1"_s)); },
         command("300", {u"7.1.8000.1"_s}), commandOk("300", {u"KEIN UPDATE"_s}), -1},
        {302, "batch task", 20, [](ServerLink& l) { return plain(MyLoadBatchTask(l, u"qtx-client"_s)); },
         command("302", {u"qtx-client"_s}), commandOk("302", {}), -1},
        {303, "newsletter", 20, [](ServerLink& l) { return plain(MyLoadNewsLetter(l, o)); },
         command("303", {o}), commandOk("303", {u"<html>"_s}), -1},
        {304, "help text", 20, [](ServerLink& l) { return plain(MyLoadHilfeText(l)); },
         QByteArray("304 \0\r\n", 7), commandOk("304", {u"Hilfe"_s}), -1},
        {305, "statistics", 20, [some](ServerLink& l) { return plain(MySaveStatistikData(l, some)); },
         list("305", some), "OK\r\n", -1},
        {400, "send mail", 20,
         [](ServerLink& l) {
             return plain(ISendMail(l, u"100"_s, e, u"a@b.de"_s, u"Auftrag"_s, {u"Text"_s, u"Gruß"_s}));
         },
         paramsAndList("400", {u"100"_s, e, u"a@b.de"_s, u"Auftrag"_s}, {u"Text"_s, u"Gruß"_s}),
         "\r\nM-17\r\n\r\n", -1},
        {401, "check mail", 20, [](ServerLink& l) { return plain(ICheckMail(l, u"M-17"_s)); },
         command("401", {u"M-17"_s}), "401 OK\r\nOk\r\n.\r\n", -1},
        {411, "send document", 20, [q](ServerLink& l) { return plain(MyDocumentRequest(l, 411, q)); },
         list("411", q), streamOk({z}), -1},
        {412, "TecCom", 20, [q](ServerLink& l) { return plain(MyTeccomRequest(l, q)); }, list("412", q),
         streamOk({z}), -1},
        {420, "price file", 20, [q](ServerLink& l) { return plain(MyGetPreisdatei(l, q)); }, list("420", q),
         streamOk({z}), -1},
        {421, "price file filter", 20,
         [q](ServerLink& l) { return plain(MyGetDebitorWarengruppenfilter(l, q)); }, list("421", q),
         statusOk({z}), -1},
        {422, "set price file filter", 20,
         [q](ServerLink& l) { return plain(MySetDebitorWarengruppenfilter(l, q)); }, list("422", q),
         statusOk({z}), -1},
        {423, "price file batch", 20, [q](ServerLink& l) { return plain(MyErstelleDebitorPDBatch(l, q)); },
         list("423", q), statusOk({z}), -1},
        {425, "card note", 20, [q](ServerLink& l) { return plain(MyGetKarteiBemerkung(l, q)); },
         list("425", q), statusOk({u"Bemerkung"_s}), -1},
        {426, "logistics", 20, [q](ServerLink& l) { return plain(MyGetArtikelLogistik(l, q)); },
         list("426", q), statusOk({z}), -1},
        {501, "EAN search", 20,
         [](ServerLink& l) {
             TArtikelLongInfoArray out;
             return withRecords(MySucheEAN_ArtikelAlle(l, u"4006381333931"_s, out), out);
         },
         list("501", {z, u"4006381333931"_s, z}), statusOk(records(1, 23)), 1},
        {994, "server time", 20,
         [](ServerLink& l) {
             QDateTime t;
             const LinkAnswer a = MyGetServerTime(l, u"test"_s, t);
             return Outcome{a, t.isValid() ? 1 : 0};
         },
         "994\r\n", "OK\r\n2012.11.12 15:30:59\r\n\r\n", 1},
        {999, "logout", 20, [](ServerLink& l) { return plain(MyLogout(l)); }, "999 \r\n",
         "999 OK\r\nAuf Wiedersehen\r\n.\r\n", -1},
    };
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void descriptorsAgreeWithFramingTable() {
        for (const RequestDescriptor& d : Catalogue::all()) {
            const auto f = FramingTable::forCode(d.code);
            QVERIFY2(f.has_value(), qPrintable(QString::number(d.code)));
            QCOMPARE(int(f->framing), int(d.framing));
            if (d.framing == Framing::ParameterLines || d.framing == Framing::Command) {
                QCOMPARE(f->parameters, d.parameters);
                QCOMPARE(f->withList, d.withList);
            }
        }
    }

    void everyCodeHasAWrapperRow() {
        QSet<int> covered;
        for (const Case& c : cases())
            covered.insert(c.code);
        covered.insert(301); // download: its own test below
        covered.insert(990); // the greeting belongs to do_connect
        for (const RequestDescriptor& d : Catalogue::all())
            QVERIFY2(covered.contains(d.code), qPrintable(QString::number(d.code)));
    }

    void requestBytes_data() {
        QTest::addColumn<int>("index");
        const std::vector<Case> all = cases();
        for (std::size_t i = 0; i < all.size(); ++i)
            QTest::addRow("%d %s", all[i].code, all[i].name) << int(i);
    }
    void requestBytes() {
        QFETCH(int, index);
        const Case c = cases().at(std::size_t(index));
        CatalogueRig rig(c.level);
        ScriptedPeer::Step step;
        step.expectBytes = c.request.size();
        step.chunks = ScriptedPeer::chunked(c.reply.isEmpty() ? streamOk({}) : c.reply, 7);
        QVERIFY(rig.connect({step}));
        const Outcome out = c.call(rig.link);
        QCOMPARE(rig.peer.received(), c.request);
        if (c.records == -2)
            return; // answer layouts with their own tests; only the request counts here
        QVERIFY2(out.answer.ok(), qPrintable(out.answer.errorText));
        QCOMPARE(out.records, c.records);
        QVERIFY(rig.ending.calls.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
