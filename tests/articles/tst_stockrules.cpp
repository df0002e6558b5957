#include "articles/stockrules.h"
#include "grid/stringgrid.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A stock answer from "code kind nex paket available central" rows, e.g. "F02 1 1 0 7 F01".
TBestandsInfo stock(const QStringList& rows) {
    TBestandsInfo info;
    for (const QString& row : rows) {
        const QStringList p = row.split(u' ');
        TBestandsInfoFiliale f;
        f.Code = p.at(0);
        f.Bezeichnung = u"Filiale "_s + p.at(0);
        f.Auftrag = p.at(1);
        f.NachtExpress = p.at(2);
        f.PaketDienst = p.at(3);
        f.Verfuegbar = p.at(4);
        f.Zentrale = p.value(5);
        info.FilialBestand.append(f);
    }
    info.NumFiliale = QString::number(rows.size());
    return info;
}

// "F01=40 F02=0 ..." in list order.
QString listed(const TBestandsInfo& info) {
    QStringList out;
    for (const TBestandsInfoFiliale& f : info.FilialBestand)
        out << f.Code + u'=' + f.Verfuegbar;
    return out.join(u' ');
}

const QStringList wholesaler{
    u"F03 1 1 1 5 F01"_s, // the customer's branch
    u"F02 1 0 1 7 F01"_s, // no night express
    u"F01 1 1 1 40"_s,    // central
    u"F05 3 1 1 9 F01"_s, // not for delivery
    u"F99 2 0 0 11"_s,    // virtual
    u"F20 5 0 0 30"_s,    // external
    u"F15 1 1 1 18 F01"_s,
    u"L77 4 0 0 6"_s, // the customer's own warehouse, sent last
};

} // namespace

class TestStockRules : public QObject {
    Q_OBJECT
private slots:
    void sortAndFilter_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("alternative");
        QTest::addColumn<QString>("gueltig");
        QTest::addColumn<bool>("virtuell");
        QTest::addColumn<int>("lagerModus");
        QTest::addColumn<bool>("darfNex");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("total");

        QTest::newRow("no branches") << QStringList() << 0 << u"F03"_s << QString() << QString() << false << 0
                                     << false << QString() << QString();
        QTest::newRow("delivery: wanted, alternative, central, rest; kind 3, virtual, own warehouse zeroed")
            << wholesaler << 0 << u"F03"_s << u"F15"_s << QString() << false << 0 << false
            << u"F03=5 F15=18 F01=40 F02=7 F05=0 F99=0 F20=30 L77=0"_s << u"100"_s;
        QTest::newRow("a branch outside GUELTIGE_FILIALEN counts nothing")
            << wholesaler << 0 << u"F03"_s << QString() << u"F01;F03;"_s << false << 0 << false
            << u"F03=5 F01=40 F02=0 F05=0 F99=0 F20=30 F15=0 L77=0"_s << u"75"_s;
        QTest::newRow("virtual branches allowed")
            << wholesaler << 0 << u"F03"_s << QString() << QString() << true << 0 << false
            << u"F03=5 F01=40 F02=7 F05=0 F99=11 F20=30 F15=18 L77=0"_s << u"111"_s;
        QTest::newRow("own warehouse with mode 1 moves to second place")
            << wholesaler << 0 << u"F03"_s << QString() << QString() << false << 1 << false
            << u"F03=5 L77=6 F01=40 F02=7 F05=0 F99=0 F20=30 F15=18"_s << u"106"_s;
        QTest::newRow("own warehouse not sent last stays in its place")
            << QStringList{u"L77 4 0 0 6"_s, u"F01 1 1 1 40"_s, u"F03 1 1 1 5 F01"_s} << 0 << u"L77"_s
            << QString() << QString() << false << 2 << false << u"F01=40 L77=6 F03=5"_s << u"51"_s;
        QTest::newRow("night express: nex branch first, branches without it zeroed, external kept")
            << wholesaler << 1 << u"F03"_s << QString() << QString() << true << 1 << false
            << u"F15=18 L77=0 F01=40 F03=5 F02=0 F05=9 F99=11 F20=30"_s << u"113"_s;
        QTest::newRow("night express: own warehouse kept with DEBITORLAGER_DARFNEX")
            << wholesaler << 1 << u"F03"_s << QString() << QString() << false << 1 << true
            << u"F15=18 L77=6 F01=40 F03=5 F02=0 F05=9 F99=0 F20=30"_s << u"108"_s;
        QTest::newRow("parcel: the parcel flag decides")
            << QStringList{u"F03 1 1 0 5 F01"_s, u"F01 1 0 1 40"_s} << 2 << u"F03"_s << QString() << QString()
            << false << 0 << false << u"F01=40 F03=0"_s << u"40"_s;
        QTest::newRow("wanted branch of another kind is not put first")
            << QStringList{u"F01 1 1 1 40"_s, u"F20 5 0 0 30"_s} << 0 << u"F20"_s << QString() << QString()
            << false << 0 << false << u"F01=40 F20=30"_s << u"70"_s;
        QTest::newRow("first and last central both come forward")
            << QStringList{u"F07 1 1 1 1 F01"_s, u"F02 1 1 1 2"_s, u"F01 1 1 1 3"_s, u"F08 1 1 1 4 F02"_s}
            << 0 << u"F08"_s << QString() << QString() << false << 0 << false << u"F08=4 F01=3 F02=2 F07=1"_s
            << u"10"_s;
    }
    void sortAndFilter() {
        QFETCH(QStringList, rows);
        QFETCH(int, form);
        QFETCH(QString, wanted);
        QFETCH(QString, alternative);
        QFETCH(QString, gueltig);
        QFETCH(bool, virtuell);
        QFETCH(int, lagerModus);
        QFETCH(bool, darfNex);
        QFETCH(QString, expected);
        QFETCH(QString, total);
        StockSettings s;
        s.gueltigeFilialen = gueltig;
        s.virtualBranches = virtuell;
        s.debitorLagerModus = lagerModus;
        s.debitorLagerDarfNex = darfNex;
        s.nexBranch = u"F15"_s;
        TBestandsInfo info = stock(rows);
        StockRules::applyKinds(info, s);
        const TBestandsInfo sorted =
            StockRules::BestandSortieren(info, StockRules::Form(form), wanted, alternative, s);
        QCOMPARE(listed(sorted), expected);
        QCOMPARE(sorted.GesamtVerfuegbar, rows.isEmpty() ? info.GesamtVerfuegbar : total);
    }

    void displayNames_data() {
        QTest::addColumn<QString>("row"); // code kind short-name name
        QTest::addColumn<int>("tenant");
        QTest::addColumn<QString>("expected");
        QTest::newRow("from the customer's branch list")
            << u"F03|1|HAN|Hannover"_s << 6 << u"Hannover Mitte"_s;
        QTest::newRow("name and short name") << u"F02|1|HB|Bremen"_s << 6 << u"Bremen HB"_s;
        QTest::newRow("tenant 4 puts the short name in brackets")
            << u"F02|1|HB|Bremen"_s << 4 << u"Bremen (HB)"_s;
        QTest::newRow("short name with a dash") << u"F02|1|-|Bremen"_s << 6 << u"Bremen"_s;
        QTest::newRow("no short name") << u"F02|1||Bremen"_s << 6 << u"Bremen"_s;
        QTest::newRow("Oesterreich") << u"F30|1||Oesterreich"_s << 6 << u"Österreich"_s;
        QTest::newRow("umlauts from the correction table") << u"F05|1||Luebeck"_s << 6 << u"Lübeck"_s;
        QTest::newRow("external warehouse shows its code") << u"F20|5|FS|Fremdlager"_s << 6 << u"F20"_s;
        QTest::newRow("own warehouse") << u"L77|4|EL|Eigenlager"_s << 6 << u"[4]L77"_s;
    }
    void displayNames() {
        QFETCH(QString, row);
        QFETCH(int, tenant);
        QFETCH(QString, expected);
        const QStringList p = row.split(u'|');
        TBestandsInfo info;
        TBestandsInfoFiliale f;
        f.Code = p.at(0);
        f.Auftrag = p.at(1);
        f.Kurzname = p.at(2);
        f.Bezeichnung = p.at(3);
        info.FilialBestand.append(f);
        StockSettings s;
        s.tenant = tenant;
        TFilialeKurz2 listedBranch;
        listedBranch.CODE = u"F03"_s;
        listedBranch.BEZEICHNUNG = u"Hannover Mitte"_s;
        s.branches.append(listedBranch);
        StockRules::applyKinds(info, s);
        const QString name = StockRules::displayName(info.FilialBestand.first(), s);
        QCOMPARE(name, expected);
        QCOMPARE(StockRules::codeOfDisplayName(info, name, s), p.at(0));
    }

    void quantityStatus_data() {
        QTest::addColumn<QString>("branch");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("enough in the branch")
            << u"10"_s << u"40"_s << u"4"_s << 0 << u"Wunschmenge=4; Menge in Filiale=10"_s;
        QTest::newRow("no stock anywhere")
            << u"0"_s << u"0"_s << u"4"_s << 1 << u"Kein Bestand (Wunschmenge=4)"_s;
        QTest::newRow("none in the branch")
            << u"0"_s << u"40"_s << u"4"_s << 2 << u"Wunschmenge=4; Menge in Filiale=0"_s;
        QTest::newRow("wanted equals the branch stock")
            << u"10"_s << u"40"_s << u"10"_s << 3 << u"Wunschmenge=10; Menge in Filiale=10"_s;
        QTest::newRow("wanted above the branch stock")
            << u"10"_s << u"40"_s << u"11"_s << 3 << u"Wunschmenge=11; Menge in Filiale=10"_s;
    }
    void quantityStatus() {
        QFETCH(QString, branch);
        QFETCH(QString, total);
        QFETCH(QString, wanted);
        QFETCH(int, status);
        QFETCH(QString, firstLine);
        TBestandsInfo info = stock({u"F03 1 1 1 "_s + branch + u" F01"_s,
                                    u"F01 1 1 1 "_s + QString::number(total.toInt() - branch.toInt())});
        StockSettings s;
        StockRules::applyKinds(info, s);
        const TBestandsInfo sorted =
            StockRules::BestandSortieren(info, StockRules::Form::Delivery, u"F03"_s, QString(), s);
        const StockRules::Summary summary = StockRules::summarize(sorted, u"F03"_s, QString(), s);
        QCOMPARE(summary.zentralfiliale, u"F01"_s);
        const StockRules::MengeStatus m = StockRules::mengeStatus(summary, wanted);
        QCOMPARE(m.status, status);
        const QStringList lines = m.info.split(u"\r\n"_s);
        QCOMPARE(lines.first(), firstLine);
        QCOMPARE(lines.last(), u"In Filiale verfügbar: "_s + branch);
    }

    void servingBranch_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("nex");
        QTest::addColumn<int>("quantity");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("expected"); // code=stock, empty when none is found
        const QStringList nexRows{u"F03 1 0 1 9 F01"_s, u"F01 1 1 1 2"_s, u"F15 1 1 1 7 F01"_s,
                                  u"F07 1 1 1 7 F01"_s, u"F20 5 1 1 50"_s};
        QTest::newRow("wanted branch holds the quantity")
            << wholesaler << false << 5 << u"F03"_s << u"F03=5"_s;
        QTest::newRow("wanted branch too small: first in stock order that holds it")
            << wholesaler << false << 6 << u"F03"_s << u"F01=40"_s;
        QTest::newRow("only wholesaler branches serve")
            << QStringList{u"F20 5 0 0 30"_s, u"F02 1 0 1 2"_s} << false << 3 << u"F20"_s << QString();
        QTest::newRow("nothing holds the quantity") << wholesaler << false << 41 << u"F03"_s << QString();
        QTest::newRow("night express: central branch holds the quantity")
            << nexRows << true << 2 << u"F03"_s << u"F01=2"_s;
        QTest::newRow("night express: else the most stock, first on ties, even below the quantity")
            << nexRows << true << 8 << u"F03"_s << u"F15=7"_s;
        QTest::newRow("night express: no stock anywhere")
            << QStringList{u"F01 1 1 1 0"_s, u"F15 1 1 1 0 F01"_s} << true << 1 << u"F15"_s << QString();
    }
    void servingBranch() {
        QFETCH(QStringList, rows);
        QFETCH(bool, nex);
        QFETCH(int, quantity);
        QFETCH(QString, wanted);
        QFETCH(QString, expected);
        StockSettings s;
        TFilialeKurz2 f03;
        f03.CODE = u"F03"_s;
        f03.ZUGEORDNETE_ZENTRALE = u"F01"_s;
        s.branches = {f03};
        TBestandsInfo info = stock(rows);
        StockRules::applyKinds(info, s);
        const TBestandsInfo sorted =
            StockRules::BestandSortieren(info, StockRules::Form::Delivery, wanted, QString(), s);
        const StockRules::ServingBranch b = StockRules::servingBranch(sorted, nex, quantity, wanted, s);
        QCOMPARE(b.found ? b.code + u'=' + QString::number(b.stock) : QString(), expected);
        if (wanted == u"F03"_s)
            QCOMPARE(b.central, u"F01"_s);
    }

    void importAvailability_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("wanted");
        QTest::addColumn<QString>("te"); // fixed unit, empty for none
        QTest::addColumn<bool>("nex");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("filiale");
        QTest::addColumn<QString>("logo");
        QTest::addColumn<QString>("message");
        QTest::newRow("0: the branch holds it")
            << wholesaler << 3 << QString() << false << 0 << u"F03"_s << u"..."_s << QString();
        QTest::newRow("3: the quantity equals the branch's stock")
            << wholesaler << 5 << QString() << false << 3 << u"F03"_s << u"TEILMENGE"_s
            << u"InfoMessage:Artikel ;A1; Wunschrestmenge=;5; Menge in Filiale=5\r\nMenge in "
               u"Zentrale[F01]=40; "
               "Gesamtmenge=100"_s;
        QTest::newRow("2: below the fixed unit, a branch that has it serves")
            << wholesaler << 10 << u"10"_s << false << 2 << u"F01"_s << u"..."_s
            << u"InfoMessage:Artikel ;A1; Wunschrestmenge=;10; Menge in Filiale=5\r\nMenge in "
               u"Zentrale[F01]=40; "
               "Gesamtmenge=100"_s;
        QTest::newRow("1: no stock") << QStringList{u"F03 1 1 1 0 F01"_s, u"F01 1 1 1 0"_s} << 2 << QString()
                                     << false << 1 << QString() << u"KEINEMENGE"_s << u"Kein Bestand"_s;
        QTest::newRow("1: no night-express branch has it")
            << QStringList{u"F03 1 0 1 5 F01"_s, u"F01 1 0 1 40"_s, u"F20 5 1 0 30"_s} << 2 << QString()
            << true << 1 << QString() << u"KEINEMENGE"_s << u"Kein Bestand für Nachtexpress"_s;
    }
    void importAvailability() {
        QFETCH(QStringList, rows);
        QFETCH(int, wanted);
        QFETCH(QString, te);
        QFETCH(bool, nex);
        QFETCH(int, status);
        QFETCH(QString, filiale);
        QFETCH(QString, logo);
        QFETCH(QString, message);
        StringGrid g;
        g.setHeaders({u"Artikelnummer"_s, u"Filiale"_s, u"ISTFIX"_s, u"FIXE_TE"_s, u"VKKL_Lieferungscode"_s,
                      u"Menge"_s, u"Fahrt"_s, u"ErrorCode"_s, u"ErrorMessage"_s, u"Logo"_s});
        g.appendRow({u"A1"_s, u"F03"_s, te.isEmpty() ? u"0"_s : u"1"_s, te, nex ? u"97"_s : u"20"_s, u"0"_s,
                     u"1"_s, u"7"_s, u"alt"_s, u"BESTELLT"_s});
        StockSettings s;
        s.nexBranch = u"F15"_s;
        TBestandsInfo info = stock(rows);
        StockRules::applyKinds(info, s);
        const StockRules::ImportCheck c =
            StockRules::importCheck(g, 1, wanted, info, nex, QString(), true, s);
        QCOMPARE(c.status, status);
        QCOMPARE(c.filiale, filiale);
        QCOMPARE(g.value(u"Logo"_s, 1), logo);
        QCOMPARE(g.value(u"ErrorMessage"_s, 1), message);
        QCOMPARE(g.value(u"Menge"_s, 1), QString::number(wanted));
        QCOMPARE(g.value(u"ErrorCode"_s, 1), u"0"_s);
    }

    void summaryOfADraftLine() {
        StockSettings s;
        s.nexBranch = u"F15"_s;
        TBestandsInfo info = stock(wholesaler);
        StockRules::applyKinds(info, s);
        const TBestandsInfo sorted =
            StockRules::BestandSortieren(info, StockRules::Form::Delivery, u"F02"_s, u"F15"_s, s);
        const StockRules::Summary sum = StockRules::summarize(sorted, u"F02"_s, u"F15"_s, s);
        QCOMPARE(sum.zentralfiliale, u"F01"_s);
        QCOMPARE(sum.mengeInZentrale, u"40"_s);
        QCOMPARE(sum.mengeInFiliale, u"7"_s);
        QCOMPARE(sum.mengeAlternativ, u"18"_s);
        QCOMPARE(sum.message, u"Gesamtmenge verfügbar: 100\r\nIn Filiale verfügbar: 7"_s);
        // A branch outside the answer: no branch line, the central branch falls back to night express.
        const StockRules::Summary none =
            StockRules::summarize(stock({u"F02 1 1 1 3"_s}), u"F44"_s, QString(), s);
        QVERIFY(!none.branchFound);
        QCOMPARE(none.zentralfiliale, u"F15"_s);
        QCOMPARE(none.message, u"Gesamtmenge verfügbar: 0"_s);
    }
};

namespace {

const StockRules::OutsideTexts texts{u"Außenlager"_s, u"NEX Außenlager"_s, u"Lagerauftrag"_s};

// Draft rows "Artikelnummer|Menge|Bestellen|Logo|Ext_Lager|ART".
void fillDraft(StringGrid& g, const QStringList& rows) {
    g.setHeaders({u"Artikelnummer"_s, u"Menge"_s, u"Bestellen"_s, u"Logo"_s, u"Ext_Lager"_s, u"ART"_s});
    for (const QString& r : rows)
        g.appendRow(r.split(u'|'));
}

} // namespace

class TestOutsideWarehouses : public QObject {
    Q_OBJECT
private slots:
    void externalBranches_data() {
        QTest::addColumn<bool>("nex");
        QTest::addColumn<int>("lagerModus");
        QTest::addColumn<bool>("darfNex");
        QTest::addColumn<int>("tenant");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("total");
        QTest::newRow("delivery, own warehouse counts")
            << false << 1 << false << 6 << u"F99=11 F20=30 L77=6"_s << 47;
        QTest::newRow("own warehouse off") << false << 0 << false << 6 << u"F99=11 F20=30 L77=0"_s << 41;
        QTest::newRow("night express without DEBITORLAGER_DARFNEX")
            << true << 1 << false << 6 << u"F99=11 F20=30 L77=0"_s << 41;
        QTest::newRow("night express with DEBITORLAGER_DARFNEX")
            << true << 1 << true << 6 << u"F99=11 F20=30 L77=6"_s << 47;
        QTest::newRow("night express, tenant 4: a virtual branch without services counts nothing")
            << true << 1 << true << 4 << u"F99=0 F20=30 L77=6"_s << 36;
    }
    void externalBranches() {
        QFETCH(bool, nex);
        QFETCH(int, lagerModus);
        QFETCH(bool, darfNex);
        QFETCH(int, tenant);
        QFETCH(QString, expected);
        QFETCH(int, total);
        StockSettings s;
        s.virtualBranches = true;
        s.debitorLagerModus = lagerModus;
        s.debitorLagerDarfNex = darfNex;
        s.tenant = tenant;
        TBestandsInfo info = stock(wholesaler);
        StockRules::applyKinds(info, s);
        const StockRules::ExternalStock ext = StockRules::externalStock(info, nex, s);
        QStringList got;
        for (const Texterne_Filiale& e : ext.branches)
            got << e.Filial_Code + u'=' + e.verfuegbar;
        QCOMPARE(got.join(u' '), expected);
        QCOMPARE(ext.total, total);
    }

    void outsideRows_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<bool>("backorder");
        QTest::addColumn<int>("tenant");
        QTest::addColumn<bool>("outside");
        QTest::newRow("outside-warehouse text") << u"A|1|JA|Außenlager||BE"_s << false << 6 << true;
        QTest::newRow("night-express outside text") << u"A|1|JA|NEX Außenlager||BE"_s << false << 6 << true;
        QTest::newRow("external warehouse named") << u"A|1|JA|||BE"_s << false << 6 << false;
        QTest::newRow("Ext_Lager set") << u"A|1|JA||F20|BE"_s << false << 6 << true;
        QTest::newRow("PL line outside tenant 6") << u"A|1|JA|||PL"_s << false << 2 << true;
        QTest::newRow("PL line in tenant 6") << u"A|1|JA|||PL"_s << false << 6 << false;
        QTest::newRow("PL backorder line") << u"A|1|JA|||PL"_s << true << 2 << false;
        QTest::newRow("PL line being changed") << u"A|1|JA|...||PL"_s << false << 2 << false;
    }
    void outsideRows() {
        QFETCH(QString, row);
        QFETCH(bool, backorder);
        QFETCH(int, tenant);
        QFETCH(bool, outside);
        StringGrid g;
        fillDraft(g, {row});
        QCOMPARE(StockRules::IstAussenlager(g, 1, backorder, tenant, texts), outside);
    }

    void takenByOtherRows() {
        StringGrid g;
        fillDraft(g, {
                         u"A|4|JA||F20|BE"_s,             // the row asking
                         u"A|3|JA||F20|BE"_s,             // counts for F20
                         u"A|2|JA||L77|BE"_s,             // counts for L77
                         u"A|5|NEIN||F20|BE"_s,           // not marked
                         u"B|7|JA||F20|BE"_s,             // another article
                         u"A|9|JA|Lagerauftrag|F20|BE"_s, // a warehouse order
                         u"A|1|JA|||BE"_s,                // not from outside
                     });
        Texterne_filialenArray branches(2);
        branches[0].Filial_Code = u"F20"_s;
        branches[0].Verkaufsart = u"5"_s;
        branches[0].standardtext = u"Fremdlager Süd"_s;
        branches[1].Filial_Code = u"L77"_s;
        branches[1].Verkaufsart = u"4"_s;
        const QList<bool> noBackorder;
        QString text;
        QCOMPARE(StockRules::extern_reserviert(g, 1, u"A"_s, branches, true, 6, texts, noBackorder, &text),
                 (QList<int>{3, 2}));
        QCOMPARE(text, u"Fremdlager Süd"_s);
        // With one external branch, it takes every such row.
        QCOMPARE(
            StockRules::extern_reserviert(g, 1, u"A"_s, branches.mid(0, 1), false, 6, texts, noBackorder),
            QList<int>{5});
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TestStockRules rules;
    TestOutsideWarehouses outsideWarehouses;
    return QTest::qExec(&rules, argc, argv) | QTest::qExec(&outsideWarehouses, argc, argv);
}
#include "tst_stockrules.moc"
