#include "grid/stringgrid.h"
#include "services/vkklcolumns.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestVkklColumns : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void table() {
        const QStringList headers = VkklColumns::headers();
        QCOMPARE(headers.size(), 50);
        QCOMPARE(headers.size(), VkklColumns::count);
        QCOMPARE(headers.at(VkklColumns::iLieferungsart), u"Lieferungsart"_s);
        QCOMPARE(headers.at(VkklColumns::iUniqueId), u"Unique_ID"_s);
        QCOMPARE(VkklColumns::widthTemplates(1).size(), 50);
    }

    void logoTemplate_data() {
        QTest::addColumn<int>("tenant");
        QTest::addColumn<QString>("logo");
        QTest::newRow("tenant 6") << 6 << u"LOGO_FILIALE____"_s;
        QTest::newRow("tenant 1") << 1 << u"LOGO_FILIALE____HH"_s;
    }
    void logoTemplate() {
        QFETCH(int, tenant);
        QFETCH(QString, logo);
        StringGrid grid;
        VkklColumns::setupVisible(grid, tenant, false);
        QCOMPARE(grid.widthTemplate(grid.column(u"Logo"_s)), logo);
        QCOMPARE(grid.widthTemplate(grid.column(u"Artikelnummer"_s)), u"ARTIKELNR012345678"_s);
    }

    void tabStops_data() {
        QTest::addColumn<bool>("artikelReferenz");
        QTest::addColumn<QStringList>("enterable");
        const QStringList base{u"Bestellen"_s, u"Lieferadresse"_s, u"Artikelnummer"_s,
                               u"Menge"_s,     u"Lieferungsart"_s, u"-->"_s};
        QTest::newRow("without note") << false << base;
        QStringList withNote = base;
        withNote.insert(3, u"Bestell-Info"_s);
        QTest::newRow("with note") << true << withNote;
    }
    void tabStops() {
        QFETCH(bool, artikelReferenz);
        QFETCH(QStringList, enterable);
        StringGrid grid;
        VkklColumns::setupVisible(grid, 6, artikelReferenz);
        QStringList stops;
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (grid.isTabStop(c))
                stops << grid.header(c);
        }
        QCOMPARE(stops, enterable);
    }

    void shadowHasOneMoreColumn() {
        StringGrid shadow;
        VkklColumns::setupShadow(shadow, 6);
        QCOMPARE(shadow.columnCount(), 51);
        QCOMPARE(shadow.column(u"VKKL_ID"_s), VkklColumns::iVkklId);
        for (int c = 0; c < shadow.columnCount(); ++c)
            QVERIFY(!shadow.isTabStop(c));
    }

    void descriptions() {
        QCOMPARE(VkklColumns::description(0), u"Positionsnummer"_s);
        QCOMPARE(VkklColumns::description(50), u"Unique ID X"_s);
        QCOMPARE(VkklColumns::description(51), u"Spalte 51 unbekannt (1)"_s);
    }
};

QTEST_GUILESS_MAIN(TestVkklColumns)
#include "tst_vkklcolumns.moc"
