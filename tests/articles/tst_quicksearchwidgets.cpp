#include "articlefixture.h"
#include "articles/hitlistmodel.h"
#include "articles/ui/quicksearchwidgets.h"
#include "grid/stringgridmodel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A window with the search group box above a view of the draft grid.
struct Window {
    QWidget top;
    QTableView* grid = nullptr;
    std::unique_ptr<QuickSearchWidgets> widgets;

    explicit Window(ArticleHarness& h) {
        auto* layout = new QVBoxLayout(&top);
        grid = new QTableView(&top);
        grid->setObjectName(u"sgVKKL"_s);
        grid->setModel(new StringGridModel(h.draft.grid, grid));
        widgets = std::make_unique<QuickSearchWidgets>(&top, grid, *h.entry);
        layout->addWidget(grid, 1);
        top.resize(1000, 600);
        top.show();
        top.activateWindow();
    }
    template <class W> W* child(const QString& name) const { return top.findChild<W*>(name); }
};

} // namespace

class TestQuickSearchWidgets : public QObject {
    Q_OBJECT
private:
    SoapServerProcess m_server;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(m_server.start(), qPrintable(m_server.error()));
        QString error;
        QVERIFY2(addSpecialArticles(m_server, &error), qPrintable(error));
    }

    void controls() {
        ArticleHarness h(m_server, false);
        Window w(h);
        QCOMPARE(w.child<QWidget>(u"gbSchnellsuche"_s)->property("title").toString(), u"Schnellsuche "_s);
        QCOMPARE(w.child<QCheckBox>(u"CbEAN_Suche"_s)->text(), u"EAN/Barcodenummer"_s);
        QCOMPARE(w.widgets->tTypeDelay()->interval(), 500);
        QVERIFY(!w.widgets->tTypeDelay()->isActive());
        for (const QString& popup : {u"lvArtikelsuche"_s, u"lvArtikelInfo"_s, u"sgAlternativArtikel"_s})
            QVERIFY2(w.child<QWidget>(popup) && !w.child<QWidget>(popup)->isVisible(), qPrintable(popup));
    }

    void transports_data() { addTransportRows(); }

    // Type a search text, wait for the delay, Enter twice: the hit is in the line.
    void typeSearchAndTake_data() { transports_data(); }
    void typeSearchAndTake() {
        QFETCH(bool, soap);
        ArticleHarness h(m_server, soap);
        QVERIFY(h.login());
        QVERIFY(!h.newLine().isEmpty());
        Window w(h);
        QVERIFY(QTest::qWaitForWindowActive(&w.top));
        auto* ed = w.child<QLineEdit>(u"edArtikel"_s);
        auto* list = w.child<QTableView>(u"lvArtikelsuche"_s);
        auto* info = w.child<QTableWidget>(u"lvArtikelInfo"_s);
        ed->setFocus();
        QTRY_VERIFY(ed->hasFocus());

        QTest::keyClicks(ed, u"zzbl47"_s);
        QVERIFY(w.widgets->tTypeDelay()->isActive());
        QVERIFY(!list->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), 10000);
        QCOMPARE(list->model()->rowCount(), 2);
        QCOMPARE(list->width(), w.grid->width());
        const int artiId = int(HitListModel::columnNames().indexOf(u"ARTI_ID"_s));
        QVERIFY(list->isColumnHidden(artiId));
        QVERIFY(!list->isColumnHidden(0));

        // Enter without a selected hit: hit 0, its information, the focus in the list.
        QTest::keyClick(ed, Qt::Key_Return);
        QTRY_VERIFY(list->hasFocus());
        QCOMPARE(list->currentIndex().row(), 0);
        QVERIFY(info->isVisible());
        QCOMPARE(info->item(0, 1)->text(), u"ZZ BL 47"_s);
        QCOMPARE(w.widgets->tMaus()->interval(), 9999);

        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(h.draft.grid.value(u"Artikelnummer"_s, 1), u"ZZ BL 47"_s);
        QCOMPARE(h.draft.grid.value(u"Menge"_s, 1), u"2"_s);
        QCOMPARE(ed->text(), u"ZZ BL 47"_s);
        QVERIFY(!list->isVisible());
        QVERIFY(!info->isVisible());
        QVERIFY(h.hasEvent(18, u"Artikel in Warenkorb"_s));
    }

    void shortTextAndEscape() {
        ArticleHarness h(m_server, false);
        QVERIFY(h.login());
        Window w(h);
        QVERIFY(QTest::qWaitForWindowActive(&w.top));
        auto* ed = w.child<QLineEdit>(u"edArtikel"_s);
        auto* list = w.child<QTableView>(u"lvArtikelsuche"_s);
        ed->setFocus();
        QTRY_VERIFY(ed->hasFocus());
        QTest::keyClicks(ed, u"ZZ"_s);
        QTRY_VERIFY(!w.widgets->tTypeDelay()->isActive());
        QCOMPARE(h.entry->hitList().rowCount(), 0);
        QVERIFY(!list->isVisible());

        QTest::keyClicks(ed, u"ALT"_s);
        QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), 10000);
        QTest::keyClick(ed, Qt::Key_Escape);
        QVERIFY(!list->isVisible());
        QTRY_VERIFY(w.grid->hasFocus());

        // Down opens the list like Enter; leaving it for the grid hides it.
        ed->setFocus();
        QTest::keyClicks(ed, u"A"_s);
        QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), 10000);
        QTest::keyClick(ed, Qt::Key_Down);
        QTRY_VERIFY(list->hasFocus());
        QVERIFY(w.child<QTableWidget>(u"lvArtikelInfo"_s)->isVisible());
        w.grid->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(!list->isVisible());
        QVERIFY(!w.child<QTableWidget>(u"lvArtikelInfo"_s)->isVisible());
        QCOMPARE(w.widgets->tMaus()->interval(), 0);
    }

    void eanSwitchAsks() {
        ArticleHarness h(m_server, false);
        QVERIFY(h.login());
        Window w(h);
        auto* ean = w.child<QCheckBox>(u"CbEAN_Suche"_s);
        h.dialogs.answers.enqueue(Dialogs::Answer::No);
        ean->click();
        QVERIFY(!ean->isChecked());
        QCOMPARE(h.dialogs.shown.last().text,
                 u"Wollen Sie die Artikelnummer als EAN-Eingabe (Barcode) aktivieren?"_s);
        h.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        ean->click();
        QVERIFY(ean->isChecked());
        QVERIFY(h.entry->typeAhead().eanMode());
        QCOMPARE(h.ini.read(u"OPTIONS"_s, u"EAN-Suche-aktiv"_s), u"1"_s);
    }
};

QTEST_MAIN(TestQuickSearchWidgets)
#include "tst_quicksearchwidgets.moc"
