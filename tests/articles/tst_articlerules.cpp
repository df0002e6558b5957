#include "articles/alternativesearch.h"
#include "articles/articleinfopanel.h"
#include "articles/hitlistmodel.h"
#include "articles/netztyp.h"
#include "articles/suppliernames.h"
#include "articles/typeahead.h"
#include "grid/stringgrid.h"
#include "services/deliveryrules.h"
#include "session/lokalini.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// An info-list answer of net articles: number, booking group, blocked, stock per branch, net price.
struct NetArticle {
    QString nummer;
    QString buchGr;
    QString gesperrt;
    QList<int> stock;
    QString netto;
};

TArtikelInfoListe infoList(const QList<NetArticle>& articles) {
    TArtikelInfoListe l;
    for (const NetArticle& a : articles) {
        TArtikelInfoExtended x;
        x.NUMMER = a.nummer;
        x.BUCH_GR = a.buchGr;
        x.GESPERRT = a.gesperrt;
        x.VK_PREIS = u"19,90"_s;
        l.ArtikelInfo.append(x);
        for (int s : a.stock) {
            TArtikelBestand b;
            b.ARTIKELNR = a.nummer;
            b.Verfuegbar = QString::number(s);
            l.Artikelbestand.append(b);
        }
        TArtikelPreis p;
        p.ARTIKELNR = a.nummer;
        p.NETTOPREIS = a.netto;
        l.ArtikelPreise.append(p);
    }
    return l;
}

} // namespace

class TestArticleRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void netTypes_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("name");
        QTest::newRow("1") << 1 << u"Abgelöst"_s;
        QTest::newRow("4") << 4 << u"Mitverkauf"_s;
        QTest::newRow("9") << 9 << u"Typ unbekannt"_s;
        QTest::newRow("0") << 0 << u"???"_s;
        QTest::newRow("10") << 10 << u"???"_s;
    }
    void netTypes() {
        QFETCH(int, typ);
        QFETCH(QString, name);
        QCOMPARE(Netztyp::name(typ), name);
    }

    void supplierName_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("named") << u"E001"_s << u"Nordbrems"_s;
        QTest::newRow("short name when the name is empty") << u"E002"_s << u"FTW"_s;
        QTest::newRow("unknown") << u"E999"_s << u"[E999]"_s;
        QTest::newRow("a name is no code") << u"Nordbrems"_s << u"[Nordbrems]"_s;
    }
    void supplierName() {
        QFETCH(QString, code);
        QFETCH(QString, name);
        StringGrid grid;
        grid.setHeaders({u"Code"_s, u"Name"_s, u"Kurz"_s});
        grid.setDataRows({{u"E001"_s, u"Nordbrems"_s, u"NB"_s}, {u"E002"_s, QString(), u"FTW"_s}});
        QCOMPARE(SupplierNames(&grid).name(code), name);
        QCOMPARE(SupplierNames().name(code), u"["_s + code + u"]"_s);
    }

    void hitList() {
        StringGrid grid;
        grid.setHeaders({u"Code"_s, u"Name"_s, u"Kurz"_s});
        grid.setDataRows({{u"E001"_s, u"Nordbrems"_s, u"NB"_s}});
        TArtikelLongInfo a;
        a.NUMMER = u"NB1"_s;
        a.EINSPEISERCODE = u"E001"_s;
        a.BUCH_GR = u"BR10"_s;
        a.VK_PREIS = u"12,50"_s;
        a.DUMMY0 = u"4012345678901"_s;
        TArtikelLongInfo b = a;
        b.NUMMER = u"XX2"_s;
        b.EINSPEISERCODE = u"E777"_s;
        b.BUCH_GR = u"0"_s;
        HitListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setHits({a, b}, SupplierNames(&grid));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.cell(0, u"EINSPEISERNAME"_s), u"Nordbrems"_s);
        QCOMPARE(model.cell(1, u"EINSPEISERNAME"_s), u"[E777]"_s);
        QCOMPARE(model.cell(0, u"VK_PREIS"_s), u"12,50"_s);
        QCOMPARE(model.cell(1, u"VK_PREIS"_s), u"-,--"_s);
        QCOMPARE(model.cell(0, u"EAN"_s), a.DUMMY0);
        QStringList hidden;
        for (int c = 0; c < model.columnCount(); ++c) {
            if (HitListModel::isHiddenColumn(c))
                hidden << model.headerData(c, Qt::Horizontal).toString();
        }
        QCOMPARE(hidden, (QStringList{u"ALTTEILSTEUER"_s, u"TAUSCHWERT"_s, u"SERIALID"_s, u"ARTI_ID"_s}));
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
        model.setCaption(1, u"XX2#1"_s);
        QCOMPARE(model.cell(1, u"NUMMER"_s), u"XX2#1"_s);
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }

    void infoPanel_data() {
        QTest::addColumn<QString>("showPreis");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("tip");
        QTest::newRow("ON") << u"ON"_s << u"8,95 €"_s << QString();
        QTest::newRow("ONMOUSEOVER") << u"ONMOUSEOVER"_s << u"?"_s << u"8,95 €"_s;
        QTest::newRow("OFF") << u"OFF"_s << u"-"_s << QString();
    }
    void infoPanel() {
        QFETCH(QString, showPreis);
        QFETCH(QString, value);
        QFETCH(QString, tip);
        TArtikelInfo a;
        a.NUMMER = u"FT1"_s;
        a.BEZEICHNUNG = u"Ölfilter"_s;
        a.BEZEICHNUNG2 = u"für Golf"_s;
        a.BUCH_GR = u"FI10"_s;
        a.GESPERRT = u"1"_s;
        a.VK_PREIS = u"12,00"_s;
        a.TAUSCHWERT = u"0,00"_s;
        a.ALTTEILSTEUER = u"0"_s;
        const QList<ArticleInfoRow> rows = ArticleInfoPanel::rows(a, u"[]"_s, u"8,95 €"_s, showPreis);
        QCOMPARE(rows.at(10), (ArticleInfoRow{u"Nettopreis"_s, value, tip}));
        QCOMPARE(rows.at(1).value, QString()); // no supplier code, no supplier
        QCOMPARE(rows.at(3).value, u"Ölfilter (für Golf)"_s);
        QCOMPARE(rows.at(4).value, u"FI10 (ist gesperrt!)"_s);
        QCOMPARE(rows.at(9).value, u"12,00 €"_s);
        QCOMPARE(rows.at(12).value, u"-"_s);
        a.BUCH_GR = u"0"_s;
        QCOMPARE(ArticleInfoPanel::rows(a, {}, {}, showPreis).at(9).value, u"-,--"_s);
    }

    void alternativeRows_data() {
        QTest::addColumn<bool>("bestandEgal");
        QTest::addColumn<QString>("mitBestand");
        QTest::addColumn<QStringList>("order");
        const QStringList withStock{u"ALT-C"_s, u"ALT-B"_s, u"ALT-A"_s};
        QTest::newRow("only with stock") << false << u"0"_s << withStock;
        QTest::newRow("option lists all") << false << u"1"_s << (withStock + QStringList{u"ALT-E"_s});
        QTest::newRow("any stock wanted") << true << u"0"_s << (withStock + QStringList{u"ALT-E"_s});
    }
    void alternativeRows() {
        QFETCH(bool, bestandEgal);
        QFETCH(QString, mitBestand);
        QFETCH(QStringList, order);
        const TArtikelInfoListe l = infoList({
            {u"ALT-A"_s, u"BR10"_s, u"0"_s, {3, 2}, u"10,00"_s},
            {u"ALT-B"_s, u"BR10"_s, u"0"_s, {5, -4}, u"11,00"_s}, // negative stock counts 0
            {u"ALT-C"_s, u"BR10"_s, u"0"_s, {12}, u"12,00"_s},
            {u"ALT-D"_s, u"BR10"_s, u"1"_s, {20}, u"13,00"_s}, // blocked
            {u"ALT-E"_s, u"BR10"_s, u"0"_s, {0}, u"14,00"_s},  // no stock
            {u"ALT-F"_s, u"0"_s, u"0"_s, {30}, u"15,00"_s},    // not deliverable
        });
        const QHash<QString, int> types{{u"ALT-A"_s, 2}, {u"ALT-B"_s, 1}, {u"ALT-C"_s, 3}, {u"ALT-E"_s, 7}};
        AlternativeSearch::Options o;
        o.mitBestand = mitBestand;
        const QStringList rows =
            AlternativeSearch::ordered(AlternativeSearch::buildRows(l, types, bestandEgal, o));
        QStringList numbers;
        for (const QString& r : rows)
            numbers << AlternativeSearch::numberOf(r);
        QCOMPARE(numbers, order);
        QCOMPARE(rows.first(), u"ALT-C | Netto=12,00 | Menge=12 Austauschbar"_s);
        // Equal stock: the greater text first.
        QCOMPARE(rows.at(1), u"ALT-B | Netto=11,00 | Menge=5 Abgelöst"_s);
        QCOMPARE(rows.at(2), u"ALT-A | Netto=10,00 | Menge=5 Ersetzt"_s);
        if (rows.size() > 3)
            QCOMPARE(rows.at(3), mitBestand == u"1" ? u"ALT-E | Netto=14,00 | Menge=0 Ähnlich"_s
                                                    : u"ALT-E | Menge=0 | ? Ähnlich"_s);
    }

    void alternativePricePart() {
        const TArtikelInfoListe l = infoList({{u"ALT-A"_s, u"BR10"_s, u"0"_s, {1}, u"10,00"_s}});
        AlternativeSearch::Options o;
        o.showPreis = u"ONMOUSEOVER"_s;
        const auto rows = AlternativeSearch::buildRows(l, {{u"ALT-A"_s, 5}}, false, o);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().text, u"ALT-A | VK=19,90 | Menge=1 Vgl.-Nummer"_s);
        QCOMPARE(rows.first().sortKey, u"000001ALT-A | VK=19,90 | Menge=1 Vgl.-Nummer"_s);
    }

    void typeAhead_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("focus");
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<bool>("search");
        QTest::newRow("three characters") << u"OC4"_s << true << true << true;
        QTest::newRow("two characters never") << u"OC"_s << true << true << false;
        QTest::newRow("same text again") << u"OC 47"_s << true << true << false;
        QTest::newRow("without focus") << u"OC 48"_s << false << true << false;
        QTest::newRow("logged out") << u"OC 48"_s << true << false << false;
    }
    void typeAhead() {
        QFETCH(QString, text);
        QFETCH(bool, focus);
        QFETCH(bool, loggedIn);
        QFETCH(bool, search);
        TypeAhead t;
        t.searched(u"OC 47"_s);
        QCOMPARE(t.shouldSearch(text, focus, loggedIn), search);
    }

    void eanModeIsKept() {
        QTemporaryDir dir;
        LokalIni ini(dir.filePath(u"qtx.ini"_s));
        TypeAhead t(&ini);
        t.searched(u"OC 47"_s);
        t.setEanMode(true);
        QCOMPARE(t.lastSearched(), QString());
        QCOMPARE(ini.read(u"OPTIONS"_s, u"EAN-Suche-aktiv"_s), u"1"_s);
        TypeAhead later(&ini);
        later.loadEanMode();
        QVERIFY(later.eanMode());
        later.setEanMode(false);
        QCOMPARE(ini.read(u"OPTIONS"_s, u"EAN-Suche-aktiv"_s), u"0"_s);
    }

    void roundToTE_data() {
        QTest::addColumn<QString>("menge");
        QTest::addColumn<QString>("te");
        QTest::addColumn<QString>("rounded");
        QTest::newRow("unit 1") << u"3"_s << u"1"_s << u"3"_s;
        QTest::newRow("up to the unit") << u"3"_s << u"4"_s << u"4"_s;
        QTest::newRow("a multiple stays") << u"8"_s << u"4"_s << u"8"_s;
        QTest::newRow("empty") << QString() << u"4"_s << u"0"_s;
        QTest::newRow("no unit") << u"5"_s << QString() << u"5"_s;
    }
    void roundToTE() {
        QFETCH(QString, menge);
        QFETCH(QString, te);
        QFETCH(QString, rounded);
        QCOMPARE(DeliveryRules::defaultRoundToTE(menge, te), rounded);
    }
};

QTEST_GUILESS_MAIN(TestArticleRules)
#include "tst_articlerules.moc"
