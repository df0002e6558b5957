#include "order/procurementparams.h"
#include "order/quantityrules.h"
#include "services/deliveryrules.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestQuantityRules : public QObject {
    Q_OBJECT
private slots:
    void technicalUnit_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<bool>("force");
        QTest::addColumn<int>("expected");
        QTest::newRow("fixed 5, 7 rounds up") << u"5"_s << u"7"_s << true << false << 10;
        QTest::newRow("fixed 5, 10 stays") << u"5"_s << u"10"_s << true << false << 10;
        QTest::newRow("fixed 5, 0 counts as 1") << u"5"_s << u"0"_s << true << false << 5;
        QTest::newRow("5 not fixed, not forced") << u"5"_s << u"7"_s << false << false << 7;
        QTest::newRow("5 not fixed, forced") << u"5"_s << u"7"_s << false << true << 10;
        QTest::newRow("unit no number") << u"x"_s << u"7"_s << true << false << 7;
        QTest::newRow("quantity no number") << u"5"_s << u"7,5"_s << true << false << 5;
        QTest::newRow("blanks around") << u" 4 "_s << u" 9 "_s << true << false << 12;
    }
    void technicalUnit() {
        QFETCH(QString, unit);
        QFETCH(QString, quantity);
        QFETCH(bool, fixed);
        QFETCH(bool, force);
        QFETCH(int, expected);
        QCOMPARE(DeliveryRules::roundToUnit(unit, quantity, fixed, force), expected);
    }

    void bookingGroupDivisor_data() {
        QTest::addColumn<bool>("useList");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("menge");
        QTest::addColumn<bool>("teErhoehen");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("hint");
        QTest::newRow("7 with divisor 3")
            << true << u"BR10"_s << u"7"_s << false << 3
            << u"Hinweis: Zeile 4 Menge geändert für Artikel BS 300 Buchgruppe BR10 "
               "Divisor=3 Menge original=7 Menge neu=3"_s;
        QTest::newRow("list not used") << false << u"BR10"_s << u"7"_s << false << 7 << QString();
        QTest::newRow("group without divisor") << true << u"FI10"_s << u"7"_s << false << 7 << QString();
        QTest::newRow("divided, then rounded to the unit of 2")
            << true << u"BR10"_s << u"7"_s << true << 4
            << u"Hinweis: Zeile 4 Menge geändert für Artikel BS 300 Buchgruppe BR10 Divisor=3 Menge "
               u"original=7 "
               "Menge neu=3"_s;
        QTest::newRow("divisor 1 changes nothing") << true << u"ZU10"_s << u"7"_s << false << 7 << QString();
    }
    void bookingGroupDivisor() {
        QFETCH(bool, useList);
        QFETCH(QString, group);
        QFETCH(QString, menge);
        QFETCH(bool, teErhoehen);
        QFETCH(int, expected);
        QFETCH(QString, hint);
        const QHash<QString, int> divisors{{u"BR10"_s, 3}, {u"ZU10"_s, 1}};
        const QuantityRules::Divided d = QuantityRules::divideByBookingGroup(
            4, u"BS 300"_s, group, menge, divisors, useList, u"2"_s, false, teErhoehen);
        QCOMPARE(d.menge, expected);
        QCOMPARE(d.hint, hint);
    }

    // Procurement parameters of an outside warehouse: the first group of the
    // kind among the first AnzahlParam groups.
    void procurementParameters_data() {
        QTest::addColumn<QString>("anzahl");
        QTest::addColumn<QString>("param");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("found"); // receiving branch|supplier|code|costs, empty when not found
        QTest::addColumn<QString>("log");
        const QString two = u"2;F01;L1;20;EXT;1,00;3;F03;L2;97;EXP;9,90"_s;
        QTest::newRow("second group")
            << u"2"_s << two << u"3"_s << u"F03|L2|EXP|9,90"_s << u"S  BE_Art=3:"_s + two + u" OK"_s;
        QTest::newRow("only the first group counts")
            << u"1"_s << two << u"3"_s << QString() << u"S  BE_Art=3:"_s + two;
        QTest::newRow("first group") << u"2"_s << two << u"2"_s << u"F01|L1|EXT|1,00"_s
                                     << u"S  BE_Art=2:"_s + two + u" OK"_s;
        QTest::newRow("a group cut short") << u"2"_s << u"2;F01;L1;20;EXT;1,00;3;F03"_s << u"3"_s << QString()
                                           << u"S  BE_Art=3:2;F01;L1;20;EXT;1,00;3;F03"_s;
        QTest::newRow("count no number, nothing logged") << u"x"_s << two << u"2"_s << QString() << u"?S "_s;
    }
    void procurementParameters() {
        QFETCH(QString, anzahl);
        QFETCH(QString, param);
        QFETCH(QString, kind);
        QFETCH(QString, found);
        QFETCH(QString, log);
        Texterne_Filiale w;
        w.AnzahlParam = anzahl;
        w.BE_Param = param;
        const ProcurementParams::Lookup l = ProcurementParams::lookup(u"S "_s, kind, w);
        const TBeschaffungInfo& b = l.info;
        QCOMPARE(b.Beschaffung_setzen, !found.isEmpty());
        if (b.Beschaffung_setzen)
            QCOMPARE(QStringList({b.BE_AnlieferFiliale, b.BE_Lieferant, b.BE_BeschaffungsCode,
                                  b.BE_Beschaffungskosten})
                         .join(u'|'),
                     found);
        QCOMPARE(l.logText, log);
        QCOMPARE(l.logged, anzahl != u"x");
    }
};

QTEST_GUILESS_MAIN(TestQuantityRules)
#include "tst_quantityrules.moc"
