#include "clientrig.h"
#include "grid/stringgrid.h"
#include "order/ui/draftgridview.h"
#include "transportrows.h"

#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Artikelnummer = u"Artikelnummer"_s;
const QString Menge = u"Menge"_s;

// The lines of an article on the server: "branch=quantity" in line order.
QStringList portions(const ClientRig& rig, const QString& nummer) {
    QStringList out;
    for (const TVerkaufskladde& line : rig.serverLines()) {
        if (line.ARTIKELNR.trimmed() == nummer)
            out << line.FILIALE.trimmed() + u'=' + line.MENGE.trimmed();
    }
    return out;
}

int total(const QStringList& portions) {
    int sum = 0;
    for (const QString& p : portions)
        sum += p.section(u'=', 1).toInt();
    return sum;
}

} // namespace

// A quantity typed into a draft line of the real main window against
// qtx-server: checked, rounded to the technical unit, and placed over the
// branches that have the article (BS 300: Hannover 4, Hamburg 6, Ostrand 3).
class TestQuantityEntry : public QObject {
    Q_OBJECT
private:
    SoapServerProcess m_server;

    // A line with a rest its branch cannot give says that the rest goes to
    // backorder; a line delivered in full says nothing.
    static void verifyBackorderNotice(const ClientRig& s, const QString& nummer) {
        const StringGrid& g = s.grid()->grid();
        for (int row = 1; row < g.rowCount(); ++row) {
            if (g.value(u"Artikelnummer"_s, row) != nummer)
                continue;
            const bool rest = g.value(u"Menge"_s, row).toInt() > g.value(u"ZU_LIEFERN"_s, row).toInt();
            QCOMPARE(g.value(u"ErrorMessage"_s, row),
                     rest ? u"Der Artikel wird bei Bestellung in Rückstand genommen."_s : QString());
        }
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.error())); }
    void init() { QVERIFY(ClientRig::clearDraft(m_server)); }
    void cleanup() { ClientRig::clearOption(m_server, u"GENERELL_RUECKSTAND_ERLAUBT"_s); }

    void placed_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("box");
        for (const bool soap : {false, true}) {
            const char* t = soap ? "SOAP" : "TCP";
            QTest::addRow("%s: fixed unit of 5, 7 stores 10", t)
                << soap << u"ZK 5"_s << u"7"_s << QStringList{u"F03=10"_s} << QString();
            QTest::addRow("%s: one branch holds it", t)
                << soap << u"BS 300"_s << u"3"_s << QStringList{u"F03=3"_s} << QString();
            QTest::addRow("%s: split over three branches", t)
                << soap << u"BS 300"_s << u"13"_s << QStringList{u"F03=4"_s, u"F01=6"_s, u"F15=3"_s}
                << QString();
        }
        QTest::addRow("TCP: more than all branches have: the rest waits on the last line")
            << false << u"BS 300"_s << u"20"_s << QStringList{u"F03=4"_s, u"F01=6"_s, u"F15=10"_s}
            << QString();
        QTest::addRow("TCP: above 5000, 5000 are placed")
            << false << u"ZK 5"_s << u"6000"_s << QStringList{u"F03=40"_s, u"F01=4960"_s}
            << u"Es können maximal 5000 Artikel bestellt werden."_s;
    }
    void placed() {
        QFETCH(bool, soap);
        QFETCH(QString, nummer);
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        QFETCH(QString, box);
        ClientRig s(m_server, soap);
        QVERIFY(s.openShop());
        QVERIFY(s.enterArticle(1, nummer));
        QVERIFY(s.typeIntoCell(Menge, 1, typed));
        QTRY_COMPARE(portions(s, nummer), expected);
        QCOMPARE(s.boxes(), box);
        QCOMPARE(total(portions(s, nummer)),
                 std::min(typed.toInt(), 5000) + (nummer == u"ZK 5"_s && typed == u"7"_s ? 3 : 0));
        // Every portion is marked for ordering, and an empty line waits at the end.
        for (const TVerkaufskladde& line : s.serverLines()) {
            if (line.ARTIKELNR.trimmed() == nummer)
                QCOMPARE(line.BESTELLEN.trimmed(), u"1"_s);
        }
        verifyBackorderNotice(s, nummer);
        QTRY_VERIFY(s.shown(Artikelnummer, s.rows() - 1).isEmpty());
        QCOMPARE(s.shown(Menge, 1), expected.first().section(u'=', 1));
        // The first line's whole quantity is deliverable.
        QCOMPARE(s.grid()->grid().value(u"Logo"_s, 1), u"BESTELLT"_s);
    }

    // Outside warehouses: the customer's own warehouse serves first (EL 77:
    // 6 in L77, 2 at Hamburg); what no branch has comes from the others in
    // list order: EX 900 only in the external warehouse F20 (7, procured from
    // there and received at Hamburg), VB 12 at Bremen (1) and in the route
    // business F99 (9, whose rest may go to backorder, received at the
    // address's tour branch Hannover).
    void outsideWarehouses_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("typed");
        // branch=quantity/deliverable, then kind, outside warehouse and procurement code
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("shown"); // the warehouse's name in "ExterneFiliale"
        const QString f20 = u"Filiale Fremdlager Süd"_s;
        for (const bool soap : {false, true}) {
            const char* t = soap ? "SOAP" : "TCP";
            QTest::addRow("%s: procured from the external warehouse", t)
                << soap << u"EX 900"_s << u"5"_s << QStringList{u"F01=5/5 0 F20 EXT"_s} << f20;
            QTest::addRow("%s: the own warehouse first", t)
                << soap << u"EL 77"_s << u"5"_s << QStringList{u"F03=5/5 15 L77 DEB"_s} << u"[4]L77"_s;
            QTest::addRow("%s: a branch first, the route business next", t)
                << soap << u"VB 12"_s << u"5"_s << QStringList{u"F02=1/1 2  "_s, u"F03=4/4 2 F99 "_s}
                << u"Filiale Streckengeschäft"_s;
        }
        QTest::addRow("TCP: the own warehouse, then a branch")
            << false << u"EL 77"_s << u"8"_s << QStringList{u"F03=6/6 15 L77 DEB"_s, u"F01=2/2 2  "_s}
            << u"[4]L77"_s;
        QTest::addRow("TCP: the own warehouse, a branch, and the rest waits on the branch's line")
            << false << u"EL 77"_s << u"10"_s << QStringList{u"F03=6/6 15 L77 DEB"_s, u"F01=4/2 2  "_s}
            << u"[4]L77"_s;
        QTest::addRow("TCP: more than the warehouse has: the rest waits on its line")
            << false << u"EX 900"_s << u"10"_s << QStringList{u"F01=10/7 0 F20 EXT"_s} << f20;
    }
    void outsideWarehouses() {
        QFETCH(bool, soap);
        QFETCH(QString, nummer);
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        QFETCH(QString, shown);
        ClientRig s(m_server, soap);
        QVERIFY(s.openShop());
        QVERIFY(s.enterArticle(1, nummer));
        QVERIFY(s.typeIntoCell(Menge, 1, typed));
        const auto lines = [&] {
            QStringList out;
            for (const TVerkaufskladde& l : s.serverLines()) {
                if (l.ARTIKELNR.trimmed() == nummer)
                    out << u"%1=%2/%3 %4 %5 %6"_s.arg(l.FILIALE.trimmed(), l.MENGE.trimmed(),
                                                      l.ZU_LIEFERN.trimmed(), l.ART.trimmed(),
                                                      l.EXT_LAGER.trimmed(), l.BESCHAFFUNGSCODE.trimmed());
            }
            return out;
        };
        QTRY_COMPARE(lines(), expected);
        QCOMPARE(s.boxes(), QString());
        // The warehouse's name is shown in its line; every line is marked.
        const StringGrid& g = s.grid()->grid();
        int outside = 0;
        for (int row = 1; row < g.rowCount(); ++row) {
            if (g.value(u"Artikelnummer"_s, row) != nummer)
                continue;
            QCOMPARE(g.value(u"Bestellen"_s, row), u"JA"_s);
            if (g.value(u"Ext_Lager"_s, row).trimmed().isEmpty())
                continue;
            ++outside;
            QCOMPARE(g.value(u"ExterneFiliale"_s, row), shown);
        }
        QCOMPARE(outside, 1);
        verifyBackorderNotice(s, nummer);
        QTRY_VERIFY(s.shown(Artikelnummer, s.rows() - 1).isEmpty());
    }

    // A customer who allows no backorder: the branches take what they have,
    // and the rest is refused with the server's text (code 0).
    void restRefusedWithoutBackorder_data() { addTransportRows(); }
    void restRefusedWithoutBackorder() {
        QFETCH(bool, soap);
        QVERIFY(ClientRig::setOption(m_server, u"GENERELL_RUECKSTAND_ERLAUBT"_s, u"OFF"_s));
        ClientRig s(m_server, soap);
        QVERIFY(s.openShop());
        QVERIFY(s.enterArticle(1, u"BS 300"_s));
        QVERIFY(s.typeIntoCell(Menge, 1, u"20"_s));
        QTRY_COMPARE(portions(s, u"BS 300"_s), (QStringList{u"F03=4"_s, u"F01=6"_s, u"F15=3"_s}));
        QTRY_COMPARE(s.boxes(),
                     u"Auf Kundenwunsch ist kein Rückstand möglich, Artikel kann beschafft werden."_s);
        ClientRig::serverSql(m_server,
                             u"DELETE FROM BENUTZER_OPTION WHERE BESE_KEY = 'GENERELL_RUECKSTAND_ERLAUBT'"_s);
    }

    void notAWholeNumber() {
        ClientRig s(m_server, false);
        QVERIFY(s.openShop());
        QVERIFY(s.enterArticle(1, u"BS 300"_s));
        QVERIFY(s.typeIntoCell(Menge, 1, u"7,5"_s));
        QTRY_COMPARE(s.boxes(), u"Bitte ganzzahlige Menge eingeben.\r\nIhre Eingabe war \"7,5\""_s);
        QCOMPARE(s.shown(Menge, 1), u"0"_s);
        QCOMPARE(s.serverLine(1).MENGE.trimmed(), u"0"_s);
        // The editor opens on the quantity again.
        QTRY_VERIFY(s.grid()->findChild<QLineEdit*>() && s.grid()->findChild<QLineEdit*>()->isVisible());
        QCOMPARE(s.grid()->currentIndex().column(), s.grid()->grid().column(Menge));
    }
};

QTEST_MAIN(TestQuantityEntry)
#include "tst_quantityentry.moc"
