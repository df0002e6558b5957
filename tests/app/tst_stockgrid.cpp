#include "app/ui/shoptab.h"
#include "articles/ui/stockgrid.h"
#include "articles/ui/stockpanel.h"
#include "clientrig.h"
#include "order/ui/draftgridview.h"
#include "transportrows.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Filiale = u"Filiale"_s;

// The real main window, logged in as 10000/DEMO (branch F03).
struct Shop : ClientRig {
    Shop(const SoapServerProcess& server, bool soap)
        : ClientRig(server, soap) {}

    StockGrid* stock() const { return client->shop()->stock().sgBestandNeu(); }
    // The grid as the user reads it: "name=available" per row.
    QStringList stockRows() const {
        QStringList out;
        const StockGrid* g = stock();
        for (int r = 0; r < g->rowCount(); ++r)
            out << g->item(r, 0)->text() + u'=' + g->item(r, 1)->text();
        return out;
    }
    // A line with the article, then F9 on it.
    bool stockOf(const QString& nummer) {
        if (!enterArticle(1, nummer))
            return false;
        QTest::keyClick(grid(), Qt::Key_Escape); // the quantity editor
        grid()->setCurrentIndex(grid()->model()->index(0, 0));
        QTest::keyClick(grid(), Qt::Key_F9);
        return stock()->isVisible();
    }
};

} // namespace

// The stock grid sgBestandNeu of the real main window against qtx-server:
// F9 on a draft line, the order and filter of the branches, choosing a branch.
class TestStockGrid : public QObject {
    Q_OBJECT
private:
    SoapServerProcess m_server;

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.error())); }

    // Every test starts from an empty draft order of DEMO.
    void init() { QVERIFY(ClientRig::clearDraft(m_server)); }

    void f9ShowsTheBranches_data() { addTransportRows(); }
    void f9ShowsTheBranches() {
        QFETCH(bool, soap);
        Shop s(m_server, soap);
        QVERIFY2(s.openShop(), qPrintable(s.lastLog()));
        QVERIFY2(s.stockOf(u"BS 300"_s), qPrintable(s.boxes() + u'\n' + s.lastLog()));
        // The customer's branch first, then the central branch, then the rest;
        // the branch that does not deliver (F10) is left out.
        QCOMPARE(s.stockRows(), (QStringList{u"Filiale Hannover=4"_s, u"Filiale Hamburg Zentrale=6"_s,
                                             u"Filiale Ostrand=3"_s, u"Gesamt=13"_s}));
        QCOMPARE(s.stock()->horizontalHeaderItem(0)->text(), u"Filiale"_s);
        QVERIFY(s.stock()->isColumnHidden(3));
        QVERIFY(s.stock()->hasFocus());
        QTest::keyClick(s.stock(), Qt::Key_Escape);
        QVERIFY(!s.stock()->isVisible());
        QVERIFY(s.grid()->hasFocus());
    }

    void choosingABranch() {
        Shop s(m_server, false);
        QVERIFY(s.openShop());
        QVERIFY(s.stockOf(u"BS 300"_s));
        QCOMPARE(s.serverLine(1).FILIALE.trimmed(), u"F03"_s);
        // Down to the central branch, Enter: it serves the line.
        s.stock()->setCurrentCell(1, 0);
        QTest::keyClick(s.stock(), Qt::Key_Return);
        QVERIFY2(s.dialogs.shown.isEmpty(), qPrintable(s.boxes()));
        QVERIFY(!s.stock()->isVisible());
        QTRY_COMPARE(s.serverLine(1).FILIALE.trimmed(), u"F01"_s);
        QCOMPARE(s.shown(Filiale, 1).trimmed(), u"F01"_s);
    }

    void branchWithTooLittleIsRefused() {
        Shop s(m_server, false);
        QVERIFY(s.openShop());
        QVERIFY(s.enterArticle(1, u"BS 300"_s));
        // Hannover has 4: the line takes them and is marked, a second line the fifth.
        QVERIFY(s.typeIntoCell(u"Menge"_s, 1, u"5"_s));
        QTRY_COMPARE(s.serverLine(1).MENGE.trimmed(), u"4"_s);
        QTRY_COMPARE(s.shown(u"Bestellen"_s, 1), u"JA"_s);
        s.dialogs.shown.clear();
        s.grid()->setCurrentIndex(s.grid()->model()->index(0, 0));
        QTest::keyClick(s.grid(), Qt::Key_F9);
        QVERIFY(s.stock()->isVisible());
        // Ostrand has 3 of the 4.
        const int ostrand = int(s.stockRows().indexOf(u"Filiale Ostrand=3"_s));
        QVERIFY2(ostrand >= 0, qPrintable(s.stockRows().join(u" | "_s)));
        s.stock()->setCurrentCell(ostrand, 0);
        QTest::keyClick(s.stock(), Qt::Key_Return);
        QCOMPARE(s.boxes(), u"Menge nicht verfügbar in Filiale F15"_s);
        QVERIFY(s.stock()->isVisible());
        QCOMPARE(s.serverLine(1).FILIALE.trimmed(), u"F03"_s);
    }
};

QTEST_MAIN(TestStockGrid)
#include "tst_stockgrid.moc"
