// How the server's draft lines meet the grid and its shadow, without a
// server: what a reload keeps of a line, and which cells of a row take the
// server's answer.

#include "grid/stringgrid.h"
#include "model/modelcontext.h"
#include "order/shadowmerge.h"
#include "services/vkklcolumns.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace VkklColumns;

namespace {

TVerkaufskladde line(const QString& id, const QString& menge = u"1"_s) {
    TVerkaufskladde l;
    l.VKKL_ID = id;
    l.ARTIKELNR = u"OC 47"_s;
    l.TEXT = u"Ölfilter"_s;
    l.MENGE = menge;
    l.FILIALE = u"001"_s;
    l.LIEFERADR = u"0"_s;
    l.LIEFERUNGSCODE = u"2"_s;
    l.FEHLERNUMMER = u"0"_s;
    return l;
}

struct Grids {
    ModelContext context;
    StringGrid grid{u"sgVKKL"_s};
    StringGrid shadow{u"sgVKKLState"_s};
    ShadowMerge::Rules rules{context, 6, false, false, true, {}};

    explicit Grids(int tenant = 6) {
        rules.tenant = tenant;
        // The state word has rules of its own; here it would only overwrite "Logo".
        rules.lineState = false;
        setupVisible(grid, tenant, false);
        setupShadow(shadow, tenant);
        grid.setRowCount(2);
        shadow.setRowCount(2);
    }
    // Rows as a reload of the given lines leaves them, grid and shadow alike.
    void load(const TVerkaufskladdeArray& lines) { ShadowMerge::mergeAll(grid, shadow, lines, {}, rules); }
    QString at(const QString& header, int row) const { return grid.value(header, row); }
    QString confirmed(const QString& header, int row) const { return shadow.value(header, row); }
};

} // namespace

class TestShadowMerge : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void propagateError_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::newRow("no error replaces") << u"alt"_s << u"0"_s << u"neu"_s << u"neu"_s;
        QTest::newRow("empty number clears") << u"alt"_s << QString() << QString() << QString();
        QTest::newRow("error is added") << u"alt"_s << u"113"_s << u"neu"_s << u"alt\nneu"_s;
        QTest::newRow("error into empty") << QString() << u"113"_s << u"neu"_s << u"neu"_s;
        QTest::newRow("known error once") << u"alt\nneu"_s << u"113"_s << u"neu"_s << u"alt\nneu"_s;
        QTest::newRow("error without text") << u"alt"_s << u"113"_s << QString() << u"alt"_s;
    }
    void propagateError() {
        QFETCH(QString, before);
        QFETCH(QString, nummer);
        QFETCH(QString, text);
        QFETCH(QString, after);
        QStringList row(count + 1);
        row[iErrorMessage] = before;
        TVerkaufskladde l;
        l.FEHLERNUMMER = nummer;
        l.FEHLERTEXT = text;
        ShadowMerge::propagateError(row, l);
        QCOMPARE(row.at(iErrorMessage), after);
    }

    // A reload in another order: every line finds its own trip and external
    // warehouse by its key, a new line has none, and the shadow confirms
    // what the grid shows.
    void reloadKeepsWhatOnlyTheClientKnows() {
        Grids g;
        g.load({line(u"A"_s), line(u"B"_s)});
        g.grid.setCell(iFahrt, 1, u"T1"_s);
        g.grid.setCell(iExterneFiliale, 2, u"EXT9"_s);

        g.load({line(u"B"_s), line(u"C"_s), line(u"A"_s)});
        QCOMPARE(g.grid.rowCount(), 4);
        QCOMPARE(g.at(VkklId, 1), u"B"_s);
        QCOMPARE(g.at(ExterneFiliale, 1), u"EXT9"_s);
        QCOMPARE(g.at(Fahrt, 2), QString());
        QCOMPARE(g.at(ExterneFiliale, 2), QString());
        QCOMPARE(g.at(VkklId, 3), u"A"_s);
        QCOMPARE(g.at(Fahrt, 3), u"T1"_s);
        QCOMPARE(g.at(Pos, 3), u"   3"_s);
        for (int r = 1; r < g.grid.rowCount(); ++r)
            QCOMPARE(g.shadow.row(r).mid(0, count), g.grid.row(r));
    }

    // An empty draft order still leaves the header and one row.
    void reloadOfNothingKeepsOneRow() {
        Grids g;
        g.load({line(u"A"_s), line(u"B"_s)});
        g.load({});
        QCOMPARE(g.grid.rowCount(), 2);
        QCOMPARE(g.shadow.rowCount(), 2);
    }

    // A row that shows a refused edit keeps the values and the error in view
    // while the server still reports the error; a line without error shows
    // the server's values again.
    void reloadAfterRefusedEdit_data() {
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("menge");
        QTest::addColumn<QString>("message");
        const QString refused = u"Menge nicht verfügbar"_s;
        QTest::newRow("still refused") << u"12"_s << refused << u"7"_s << refused;
        QTest::newRow("another error is added")
            << u"12"_s << u"Filiale gesperrt"_s << u"7"_s << refused + u"\nFiliale gesperrt"_s;
        QTest::newRow("error gone") << u"0"_s << QString() << u"1"_s << QString();
    }
    void reloadAfterRefusedEdit() {
        QFETCH(QString, nummer);
        QFETCH(QString, text);
        QFETCH(QString, menge);
        QFETCH(QString, message);
        Grids g;
        g.load({line(u"A"_s)});
        g.grid.setCell(iMenge, 1, u"7"_s);
        g.grid.setCell(iErrorCode, 1, u"12"_s);
        g.grid.setCell(iErrorMessage, 1, u"Menge nicht verfügbar"_s);

        TVerkaufskladde a = line(u"A"_s);
        a.FEHLERNUMMER = nummer;
        a.FEHLERTEXT = text;
        g.load({a});
        QCOMPARE(g.at(Menge, 1), menge);
        QCOMPARE(g.at(ErrorMessage, 1), message);
        QCOMPARE(g.confirmed(Menge, 1), menge);
    }

    // The server's answer for one row. Entered cells keep their confirmed
    // value unless they are the cell that changed; the mark, the delivery
    // kind and the error always follow the server; the rest follows it only
    // without an error.
    void oneRow_data() {
        QTest::addColumn<QString>("changed");
        QTest::addColumn<QString>("fehlernummer");
        QTest::addColumn<QString>("menge");
        QTest::addColumn<QString>("bezeichnung");
        QTest::addColumn<QString>("bestellen");
        QTest::newRow("other cell changed") << Filiale << u"0"_s << u"3"_s << u"Ölfilter neu"_s << u"JA"_s;
        QTest::newRow("quantity changed") << Menge << u"0"_s << u"4"_s << u"Ölfilter neu"_s << u"JA"_s;
        QTest::newRow("refused") << Filiale << u"12"_s << u"3"_s << u"Ölfilter"_s << u"JA"_s;
        QTest::newRow("refused quantity") << Menge << u"12"_s << u"4"_s << u"Ölfilter"_s << u"JA"_s;
    }
    void oneRow() {
        QFETCH(QString, changed);
        QFETCH(QString, fehlernummer);
        QFETCH(QString, menge);
        QFETCH(QString, bezeichnung);
        QFETCH(QString, bestellen);
        Grids g;
        g.load({line(u"A"_s, u"3"_s)});
        TVerkaufskladde answer = line(u"A"_s, u"4"_s);
        answer.TEXT = u"Ölfilter neu"_s;
        answer.BESTELLEN = u"1"_s;
        answer.FEHLERNUMMER = fehlernummer;
        answer.FEHLERTEXT = fehlernummer == u"0" ? QString() : u"abgelehnt"_s;

        const QStringList before = g.grid.row(1);
        QCOMPARE(ShadowMerge::mergeRow(g.grid, g.shadow, 1, answer, changed, {}, g.rules), before);
        QCOMPARE(g.at(Menge, 1), menge);
        QCOMPARE(g.at(Bezeichnung, 1), bezeichnung);
        QCOMPARE(g.at(Bestellen, 1), bestellen);
        QCOMPARE(g.at(ErrorCode, 1), fehlernummer);
        QCOMPARE(g.at(Pos, 1), before.at(iPos));
        QCOMPARE(g.shadow.row(1).mid(0, count), g.grid.row(1));
    }

    // A row whose shadow belongs to no line, or to another one, takes the
    // server's line whole; the row is added when the grid is too short.
    void oneRowNewLine_data() {
        QTest::addColumn<QString>("shadowId");
        QTest::addColumn<int>("row");
        QTest::newRow("empty row") << QString() << 1;
        QTest::newRow("another line's row") << u"B"_s << 1;
        QTest::newRow("beyond the last row") << QString() << 3;
    }
    void oneRowNewLine() {
        QFETCH(QString, shadowId);
        QFETCH(int, row);
        Grids g;
        if (!shadowId.isEmpty())
            g.load({line(shadowId, u"9"_s)});
        g.grid.setCell(iFahrt, 1, u"T1"_s);
        g.shadow.setCell(iErrorMessage, 1, u"alter Fehler"_s);
        ShadowMerge::mergeRow(g.grid, g.shadow, row, line(u"A"_s, u"4"_s), QString(), {}, g.rules);
        QVERIFY(g.grid.rowCount() > row);
        QCOMPARE(g.at(VkklId, row), u"A"_s);
        QCOMPARE(g.at(Menge, row), u"4"_s);
        QCOMPARE(g.at(Fahrt, row), QString());
        QCOMPARE(g.at(ErrorMessage, row), QString());
    }

    // Outside tenant 6 the delete icon and the state word may stay as the
    // shadow has them.
    void keepDeleteIcon_data() {
        QTest::addColumn<int>("tenant");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QString>("logo");
        QTest::newRow("tenant 4 keeps") << 4 << true << u"ALT"_s;
        QTest::newRow("tenant 4 without the option") << 4 << false << QString();
        QTest::newRow("tenant 6 never") << 6 << true << QString();
    }
    void keepDeleteIcon() {
        QFETCH(int, tenant);
        QFETCH(bool, keep);
        QFETCH(QString, logo);
        Grids g(tenant);
        g.rules.keepDeleteIcon = keep;
        g.load({line(u"A"_s)});
        g.shadow.setCell(iLogo, 1, u"ALT"_s);
        ShadowMerge::mergeRow(g.grid, g.shadow, 1, line(u"A"_s), QString(), {}, g.rules);
        QCOMPARE(g.at(Logo, 1), logo);
    }
};

QTEST_GUILESS_MAIN(TestShadowMerge)
#include "tst_shadowmerge.moc"
