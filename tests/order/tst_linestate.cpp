#include "grid/stringgrid.h"
#include "model/modelcontext.h"
#include "order/draftlinestate.h"
#include "services/stockservice.h"
#include "services/vkklcolumns.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace VkklColumns;

namespace {

// A row from "header=value" pairs; the rest of the row is empty.
void fill(StringGrid& g, const QString& cells) {
    g.setHeaders(VkklColumns::headers());
    g.setRowCount(2);
    for (const QString& pair : cells.split(u';', Qt::SkipEmptyParts))
        g.setValue(pair.section(u'=', 0, 0), 1, pair.section(u'=', 1));
}

// Outside warehouses as "code:free:name" entries and their total.
class FixedOutsideStock final : public StockService {
public:
    External outside;
    int asked = 0;
    Stock showStock(const TArtikelInfo&) override { return {}; }
    Stock statistikBestand(const QString&) override { return {}; }
    void hideStock() override {}
    void stockInfo(int) override {}
    External freeExternalStock(int, const QString&, const QString&) override {
        ++asked;
        return outside;
    }
    Placement SetMengeStatus(const QString&, int, int, bool, const QString&, const QString&) override {
        return {};
    }
};

} // namespace

// The word of the "Logo" cell, one row fixture for every word the rule gives.
class TestLineState : public QObject {
    Q_OBJECT
private slots:
    void words_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("menge");  // the line's quantity
        QTest::addColumn<QString>("shadow"); // the shadow's "Löschen" and "Logo", or empty
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("stillMarked");
        const QString ordered = u"Bezeichnung=Bremsscheibe;Bestellen=JA;ErrorCode=0;"_s;
        QTest::newRow("article not found") << u"ErrorMessage=ERR_ARTIKEL_NOT_FOUND;Bestellen=JA"_s << u"1"_s
                                           << QString() << u"Artikel nicht gefunden"_s << false;
        QTest::newRow("return line") << u"ART=RL;Bezeichnung=X"_s << u"1"_s << QString() << u"Rücklieferung"_s
                                     << false;
        QTest::newRow("no description") << u"Menge=3"_s << u"3"_s << QString() << u"..."_s << false;
        QTest::newRow("no stock") << u"Bezeichnung=X;Bestellen=JA;ErrorCode=64;ErrorMessage=Kein Bestand"_s
                                  << u"3"_s << QString() << u"KEINEMENGE"_s << false;
        QTest::newRow("part of the quantity")
            << u"Bezeichnung=X;Menge=2;ErrorCode=64;ErrorMessage=nur 2 lieferbar"_s << u"5"_s << QString()
            << u"TEILMENGE"_s << false;
        QTest::newRow("not marked") << u"Bezeichnung=X;Menge=3;ErrorCode=0"_s << u"3"_s << QString()
                                    << u"..."_s << false;
        QTest::newRow("marked, whole quantity deliverable")
            << ordered + u"ART=PL;Menge=3;ZU_LIEFERN=3"_s << u"3"_s << QString() << u"BESTELLT"_s << true;
        QTest::newRow("marked procurement line without external warehouse")
            << ordered + u"ART=BE;Menge=3;ZU_LIEFERN=0"_s << u"3"_s << QString() << u"Expressauftrag"_s
            << true;
        QTest::newRow("marked procurement line, whole quantity from outside")
            << ordered + u"ART=BE;Menge=3;ZU_LIEFERN=3;Ext_Lager=F20;ExterneFiliale=Fremdlager Süd"_s
            << u"3"_s << QString() << u"Fremdlager Süd"_s << true;
        QTest::newRow("marked line with a backorder part")
            << ordered + u"ART=PL;Menge=5;ZU_LIEFERN=3"_s << u"5"_s << QString() << u"Lagerauftrag"_s << true;
        QTest::newRow("served from outside") << ordered + u"ART=PL;Menge=5;ZU_LIEFERN=3;Ext_Lager=F20"_s
                                             << u"5"_s << QString() << u"Außenlager"_s << true;
        QTest::newRow("served from outside, free stock kept")
            << ordered + u"ART=PL;Menge=5;ZU_LIEFERN=3;Ext_Lager=F20"_s << u"5"_s << u"4|Fremdlager"_s
            << u"Fremdlager"_s << true;
        QTest::newRow("served from outside, nothing free")
            << ordered + u"ART=BE;Menge=5;ZU_LIEFERN=3;Ext_Lager=F20"_s << u"5"_s << u"0|Fremdlager"_s
            << u"Expressauftrag"_s << true;
        QTest::newRow("marked, quantity 0")
            << ordered + u"ART=PL;Menge=0;ZU_LIEFERN=0"_s << u"0"_s << QString() << u"..."_s << true;
        QTest::newRow("main warehouse") << ordered + u"ART=PL;Menge=5;ZU_LIEFERN=3;Ext_Lager=F20;Filiale=SL"_s
                                        << u"5"_s << QString() << u"NEX Ostrand"_s << true;
    }
    void words() {
        QFETCH(QString, row);
        QFETCH(QString, menge);
        QFETCH(QString, shadow);
        QFETCH(QString, word);
        QFETCH(bool, stillMarked);
        StringGrid g;
        fill(g, row);
        StringGrid s;
        fill(s, QString());
        if (!shadow.isEmpty()) {
            s.setValue(Loeschen, 1, shadow.section(u'|', 0, 0));
            s.setValue(Logo, 1, shadow.section(u'|', 1));
        }
        const ModelContext context;
        const DraftLineState::Texts texts{u"Lagerauftrag"_s, u"Außenlager"_s, u"NEX Ostrand"_s};
        bool losesMark = false;
        QCOMPARE(DraftLineState::word(g, 1, menge, context, texts, &s, nullptr, &losesMark), word);
        QCOMPARE(g.value(Bestellen, 1) == u"JA"_s, stillMarked);
        // A marked row with nothing to order must lose its mark on the server.
        QCOMPARE(losesMark, row.contains(u"Bestellen=JA") && row.contains(u"Bezeichnung=") && stillMarked &&
                                (menge == u"0" || row.contains(u"Menge=0")));
        if (!shadow.isEmpty())
            QCOMPARE(g.value(Loeschen, 1), shadow.section(u'|', 0, 0));
    }

    // A line served from outside whose free stock is not kept yet: the
    // outside warehouses decide, and the free stock is kept in both grids.
    void outsideStockComputed_data() {
        QTest::addColumn<QString>("art");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("warehouses"); // "code:free:name,..."
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("kept"); // "Löschen" afterwards
        QTest::addColumn<QString>("externeFiliale");
        QTest::newRow("its warehouse names the line")
            << u"PL"_s << 9 << u"L77:2:[4]L77,F20:3:Fremdlager Süd"_s << u"Fremdlager Süd"_s << u"5"_s
            << u"Fremdlager Süd"_s;
        QTest::newRow("the central-branch note is cut off")
            << u"PL"_s << 4 << u"F20:4:Fremdlager Süd (ext. Z)"_s << u"Fremdlager Süd "_s << u"4"_s
            << u"Fremdlager Süd (ext. Z)"_s;
        QTest::newRow("no stock outside: warehouse order")
            << u"PL"_s << 0 << QString() << u"Lagerauftrag"_s << QString() << QString();
        QTest::newRow("no stock outside: procurement line")
            << u"BE"_s << 0 << QString() << u"Expressauftrag"_s << QString() << QString();
        QTest::newRow("others took it all") << u"PL"_s << 3 << u"F20:-2:Fremdlager Süd"_s << u"Lagerauftrag"_s
                                            << u"0"_s << u"Fremdlager Süd"_s;
    }
    void outsideStockComputed() {
        QFETCH(QString, art);
        QFETCH(int, total);
        QFETCH(QString, warehouses);
        QFETCH(QString, word);
        QFETCH(QString, kept);
        QFETCH(QString, externeFiliale);
        FixedOutsideStock stock;
        stock.outside.total = total;
        for (const QString& w : warehouses.split(u',', Qt::SkipEmptyParts)) {
            Texterne_Filiale e;
            e.Filial_Code = w.section(u':', 0, 0);
            e.verfuegbar = w.section(u':', 1, 1);
            e.standardtext = w.section(u':', 2);
            stock.outside.branches.append(e);
        }
        StringGrid g;
        fill(g,
             u"Bezeichnung=Bremsscheibe;Bestellen=JA;ErrorCode=0;Artikelnummer=EX 900;Menge=5;ZU_LIEFERN=3;"
             "Ext_Lager=F20;ART="_s +
                 art);
        StringGrid s;
        fill(s, QString());
        const ModelContext context;
        const DraftLineState::Texts texts{u"Lagerauftrag"_s, u"Außenlager"_s, u"NEX Ostrand"_s};
        QCOMPARE(DraftLineState::word(g, 1, u"5"_s, context, texts, &s, &stock), word);
        QCOMPARE(stock.asked, 1);
        QCOMPARE(g.value(Loeschen, 1), kept);
        QCOMPARE(s.value(Loeschen, 1), kept);
        QCOMPARE(g.value(ExterneFiliale, 1), externeFiliale);
        // Kept, it is not asked for again.
        if (!kept.isEmpty()) {
            DraftLineState::word(g, 1, u"5"_s, context, texts, &s, &stock);
            QCOMPARE(stock.asked, 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestLineState)
#include "tst_linestate.moc"
