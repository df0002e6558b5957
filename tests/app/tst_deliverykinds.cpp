#include "clientrig.h"
#include "order/ui/draftgridview.h"

#include <QListWidget>
#include <QTest>

using namespace Qt::StringLiterals;

// The delivery-kind list lbLieferungscode over a draft line of the real main
// window against qtx-server: the kinds the customer may choose, the articles
// that cannot go by night express, and the code that reaches the server.
class TestDeliveryKinds : public QObject {
    Q_OBJECT
private:
    SoapServerProcess m_server;

    // An article in line 1, then F6 in its "Lieferungsart" and kind chosen by Enter.
    static bool choose(ClientRig& s, const QString& nummer, const QString& kind) {
        if (!s.enterArticle(1, nummer))
            return false;
        QTest::keyClick(s.grid(), Qt::Key_Escape);
        s.dialogs.shown.clear();
        s.grid()->setFocus();
        s.grid()->setCurrentIndex(s.grid()->model()->index(0, s.grid()->grid().column(u"Lieferungsart"_s)));
        QTest::keyClick(s.grid(), Qt::Key_F6);
        auto* list = s.child<QListWidget>(u"lbLieferungscode"_s);
        if (!list || !list->isVisible())
            return false;
        const QList<QListWidgetItem*> items = list->findItems(kind, Qt::MatchExactly);
        if (items.isEmpty())
            return false;
        list->setCurrentItem(items.first());
        QTest::keyClick(list, Qt::Key_Return);
        return !list->isVisible();
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.error())); }
    void init() { QVERIFY(ClientRig::clearDraft(m_server)); }
    void cleanup() { ClientRig::clearOption(m_server, u"LIEFERART_NEX_ERLAUBT"_s); }

    void refusals_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<bool>("nexForbidden");
        QTest::addColumn<QString>("box");
        QTest::newRow("TCP: night express not allowed for the customer")
            << false << u"BS 300"_s << true << u"Die gewählte Lieferungsart ist nicht möglich."_s;
        QTest::newRow("SOAP: night express not allowed for the customer")
            << true << u"BS 300"_s << true << u"Die gewählte Lieferungsart ist nicht möglich."_s;
        QTest::newRow("TCP: dangerous goods never go by night express")
            << false << u"LB 70"_s << false << u"Für den Artikel \"LB 70\" ist kein Nachtexpress möglich."_s;
        QTest::newRow("SOAP: dangerous goods never go by night express")
            << true << u"LB 70"_s << false << u"Für den Artikel \"LB 70\" ist kein Nachtexpress möglich."_s;
    }
    void refusals() {
        QFETCH(bool, soap);
        QFETCH(QString, nummer);
        QFETCH(bool, nexForbidden);
        QFETCH(QString, box);
        if (nexForbidden)
            QVERIFY(ClientRig::setOption(m_server, u"LIEFERART_NEX_ERLAUBT"_s, u"OFF"_s));
        ClientRig s(m_server, soap);
        QVERIFY(s.openShop());
        QVERIFY2(choose(s, nummer, u"Nachtexpress"_s), qPrintable(s.boxes() + u'\n' + s.lastLog()));
        QCOMPARE(s.boxes(), box);
        // Nothing changed.
        QCOMPARE(s.serverLine(1).LIEFERUNGSCODE.trimmed(), u"20"_s);
        QCOMPARE(s.shown(u"Lieferungsart"_s, 1), u"Zustellung"_s);
    }

    // A placed line that chooses night express leaves its branch for the
    // night-express branch Hannover. When Hannover lacks the quantity, the
    // night-express branch with the most takes it (HH 20: only Hamburg has
    // it); the line is placed again and stays marked.
    void nightExpressMovesAPlacedLine_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("menge");
        QTest::addColumn<QString>("branch");
        QTest::newRow("TCP: Hannover has it") << false << u"BS 300"_s << u"3"_s << u"F03"_s;
        QTest::newRow("TCP: Hannover has none") << false << u"HH 20"_s << u"2"_s << u"F01"_s;
        QTest::newRow("SOAP: Hannover has none") << true << u"HH 20"_s << u"2"_s << u"F01"_s;
    }
    void nightExpressMovesAPlacedLine() {
        QFETCH(bool, soap);
        QFETCH(QString, nummer);
        QFETCH(QString, menge);
        QFETCH(QString, branch);
        ClientRig s(m_server, soap);
        QVERIFY(s.openShop());
        QVERIFY(s.enterArticle(1, nummer));
        QVERIFY(s.typeIntoCell(u"Menge"_s, 1, menge));
        QTRY_COMPARE(s.serverLine(1).MENGE.trimmed(), menge);
        QVERIFY2(choose(s, nummer, u"Nachtexpress"_s), qPrintable(s.boxes() + u'\n' + s.lastLog()));
        QCOMPARE(s.boxes(), QString());
        const TVerkaufskladde line = s.serverLine(1);
        QCOMPARE(line.LIEFERUNGSCODE.trimmed(), u"97"_s);
        QCOMPARE(line.FILIALE.trimmed(), branch);
        QCOMPARE(line.MENGE.trimmed(), menge);
        QCOMPARE(line.ZU_LIEFERN.trimmed(), menge);
        QCOMPARE(line.BESTELLEN.trimmed(), u"1"_s);
        QCOMPARE(s.shown(u"Lieferungsart"_s, 1), u"Nachtexpress"_s);
        QCOMPARE(s.shown(u"Filiale"_s, 1).left(3), branch);
    }

    void nightExpressReachesTheServer() {
        ClientRig s(m_server, false);
        QVERIFY(s.openShop());
        QVERIFY(choose(s, u"BS 300"_s, u"Nachtexpress"_s));
        QCOMPARE(s.boxes(), QString());
        QTRY_COMPARE(s.serverLine(1).LIEFERUNGSCODE.trimmed(), u"97"_s);
        QTRY_COMPARE(s.shown(u"Lieferungsart"_s, 1), u"Nachtexpress"_s);
        // Escape closes the list and leaves the line as it is.
        QTest::keyClick(s.grid(), Qt::Key_F6);
        auto* list = s.child<QListWidget>(u"lbLieferungscode"_s);
        QVERIFY(list->isVisible());
        QCOMPARE(list->currentItem()->text(), u"Nachtexpress"_s);
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!list->isVisible());
        QVERIFY(s.grid()->hasFocus());
    }
};

QTEST_MAIN(TestDeliveryKinds)
#include "tst_deliverykinds.moc"
