#include "grid/stringgrid.h"
#include "model/modelcontext.h"
#include "order/draftlinestate.h"
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
        QCOMPARE(DraftLineState::word(g, 1, menge, context, texts, &s), word);
        QCOMPARE(g.value(Bestellen, 1) == u"JA"_s, stillMarked);
        if (!shadow.isEmpty())
            QCOMPARE(g.value(Loeschen, 1), shadow.section(u'|', 0, 0));
    }
};

QTEST_GUILESS_MAIN(TestLineState)
#include "tst_linestate.moc"
