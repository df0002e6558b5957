#include "app/ui/qtxmainform.h"
#include "app/ui/shoptab.h"
#include "articles/ui/quicksearchwidgets.h"
#include "clientrig.h"
#include "fakes.h"
#include "grid/stringgridmodel.h"
#include "link/requests/articlerequests.h"
#include "link/requests/draftrequests.h"
#include "order/ui/draftgridview.h"
#include "serversession.h"
#include "services/notbuilt.h"
#include "session/lokalini.h"
#include "session/session.h"
#include "soapserverprocess.h"
#include "transportrows.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString Artikelnummer = u"Artikelnummer"_s;
const QString Bezeichnung = u"Bezeichnung"_s;
const QString Menge = u"Menge"_s;
const QString Bestellen = u"Bestellen"_s;

// The real main window, logged in as 10000/DEMO, with the model tester on
// the grid from before the first load.
struct Shop : ClientRig {
    std::unique_ptr<QAbstractItemModelTester> tester;

    Shop(const SoapServerProcess& server, bool soap)
        : ClientRig(server, soap) {}
    ~Shop() {
        // The tester goes before the model it watches.
        tester.reset();
    }

    bool login() {
        if (!start())
            return false;
        tester = std::make_unique<QAbstractItemModelTester>(
            grid()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        if (!ClientRig::login()) {
            qWarning("login failed: %s\n%s", qPrintable(form->session()->statusText()),
                     qPrintable(lastLog()));
            return false;
        }
        // What the login itself reports is not the tab's business.
        dialogs.shown.clear();
        return showWindow();
    }
};

} // namespace

// The "Shop" tab of the real main window against qtx-server: typing into the
// grid, the quick search, the keys of the menu "Zeile", and the check for a
// draft changed by another login of the same user.
class TestShopTab : public QObject {
    Q_OBJECT
private:
    SoapServerProcess m_server;

    void transports() { addTransportRows(); }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.error())); }

    // Every test starts from an empty draft order of DEMO.
    void init() {
        Shop s(m_server, false);
        QVERIFY(s.login());
        QStringList keys;
        for (const TVerkaufskladde& line : s.serverLines())
            keys << line.VKKL_ID;
        for (const QString& key : keys)
            QVERIFY(MyVKKLDelete(s.link(), key).ok());
    }

    void articleNumberIntoCell_data() { transports(); }
    void articleNumberIntoCell() {
        QFETCH(bool, soap);
        Shop s(m_server, soap);
        QVERIFY(s.login());
        // The login found no lines and made the empty one.
        QCOMPARE(s.rows(), 2);
        QVERIFY(!s.grid()->grid().value(u"VKKL_ID"_s, 1).isEmpty());
        const QStringList numbers = s.articles(u"BREMSSCHEIBE"_s);
        QVERIFY(!numbers.isEmpty());
        const QString nummer = numbers.first();

        // Lower case as typed; the server's number and description come back.
        QVERIFY(s.typeIntoCell(Artikelnummer, 1, nummer.toLower()));
        QTRY_COMPARE(s.shown(Artikelnummer, 1), nummer);
        QCOMPARE(s.shown(Bezeichnung, 1), s.bezeichnung(nummer));
        QVERIFY(!s.shown(Bezeichnung, 1).isEmpty());
        const TVerkaufskladde line = s.serverLine(1);
        QCOMPARE(line.ARTIKELNR, nummer);
        QCOMPARE(s.shown(u"Filiale"_s, 1), line.FILIALE);
        QCOMPARE(s.grid()->grid().value(u"GEAENDERT_AM"_s, 1), line.GEAENDERT_AM);
        QCOMPARE(s.dialogs.shown.size(), 0);

        // A search text lists its hits over the grid and changes nothing yet.
        auto* list = s.child<QTableView>(u"lvArtikelsuche"_s);
        QVERIFY(s.typeIntoCell(Artikelnummer, 1, u"bremsscheibe"_s));
        QTRY_VERIFY(list->isVisible());
        QVERIFY(list->model()->rowCount() > 1);
        QCOMPARE(s.serverLine(1).ARTIKELNR, nummer);
        QTest::keyClick(s.grid(), Qt::Key_Escape);
        QVERIFY(!list->isVisible());

        // An unknown number stays in the cell with the reason; the line keeps its article.
        QVERIFY(s.typeIntoCell(Artikelnummer, 1, u"QQ0000000"_s));
        QTRY_COMPARE(s.grid()->grid().value(u"ErrorMessage"_s, 1),
                     u"Artikel nicht gefunden: \"QQ0000000\"."_s);
        QCOMPARE(s.shown(Artikelnummer, 1), u"QQ0000000"_s);
        QCOMPARE(s.serverLine(1).ARTIKELNR, nummer);
    }

    // A search text in edArtikel: after the delay the hit list lies over the
    // grid; Enter, Enter takes the hit into the current line.
    void quickSearchIntoCurrentLine_data() { transports(); }
    void quickSearchIntoCurrentLine() {
        QFETCH(bool, soap);
        Shop s(m_server, soap);
        QVERIFY(s.login());
        const QString nummer = s.articles(u"LUFTFILTER"_s).value(0);
        QVERIFY(!nummer.isEmpty());
        auto* ed = s.child<QLineEdit>(u"edArtikel"_s);
        auto* list = s.child<QTableView>(u"lvArtikelsuche"_s);
        QTimer* typeDelay = s.client->shop()->quickSearch().tTypeDelay();
        QVERIFY(ed && list);
        QCOMPARE(typeDelay->interval(), 500);
        ed->setFocus();
        QTRY_VERIFY(ed->hasFocus());

        QTest::keyClicks(ed, nummer);
        QVERIFY(typeDelay->isActive());
        QVERIFY(!list->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), 10000);
        QVERIFY(list->model()->rowCount() >= 1);
        QCOMPARE(list->model()->index(0, 0).data().toString(), nummer);
        // Laid over the grid, as wide as it.
        QCOMPARE(list->width(), s.grid()->width());
        QCOMPARE(list->height(), 170);
        QCOMPARE(list->mapTo(s.form, QPoint()), s.grid()->mapTo(s.form, QPoint()));

        QTest::keyClick(ed, Qt::Key_Return);
        QTRY_VERIFY(list->hasFocus());
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_COMPARE(s.shown(Artikelnummer, 1), nummer);
        QVERIFY(!list->isVisible());
        QCOMPARE(s.shown(Bezeichnung, 1), s.bezeichnung(nummer));
        QCOMPARE(s.shown(Menge, 1), u"1"_s);
        QCOMPARE(s.serverLine(1).ARTIKELNR, nummer);
        // The quantity cell waits for the user.
        QTRY_COMPARE(s.grid()->currentGridColumn(), s.grid()->grid().column(Menge));
    }

    // F4 deletes the current line; typing in edArtikel it deletes nothing.
    void f4DeletesLine_data() { transports(); }
    void f4DeletesLine() {
        QFETCH(bool, soap);
        Shop s(m_server, soap);
        QVERIFY(s.login());
        const QStringList numbers = s.articles(u"BREMS"_s);
        QVERIFY(numbers.size() >= 2);
        QVERIFY(s.typeIntoCell(Artikelnummer, 1, numbers.at(0)));
        QTRY_COMPARE(s.shown(Artikelnummer, 1), numbers.at(0));
        QTest::keyClick(s.grid(), Qt::Key_F3);
        QTRY_COMPARE(s.rows(), 3);
        QVERIFY(s.typeIntoCell(Artikelnummer, 2, numbers.at(1)));
        QTRY_COMPARE(s.shown(Artikelnummer, 2), numbers.at(1));
        QCOMPARE(s.serverLines().size(), 2);

        auto* ed = s.child<QLineEdit>(u"edArtikel"_s);
        ed->setFocus();
        QTRY_VERIFY(ed->hasFocus());
        QTest::keyClick(ed, Qt::Key_F4);
        QCOMPARE(s.serverLines().size(), 2);

        s.grid()->setFocus();
        s.grid()->setCurrentCell(s.grid()->grid().column(Artikelnummer), 1);
        QTest::keyClick(s.grid(), Qt::Key_F4);
        QTRY_COMPARE(s.rows(), 2);
        const TVerkaufskladdeArray left = s.serverLines();
        QCOMPARE(left.size(), 1);
        QCOMPARE(left.first().ARTIKELNR, numbers.at(1));
        QCOMPARE(s.shown(Artikelnummer, 1), numbers.at(1));
        QCOMPARE(s.shown(u"POS."_s, 1), u"   1"_s);

        // The last line deleted leaves one empty line made anew.
        QTest::keyClick(s.grid(), Qt::Key_F4);
        QTRY_COMPARE(s.serverLines().size(), 1);
        QCOMPARE(s.rows(), 2);
        QVERIFY(s.shown(Artikelnummer, 1).isEmpty());
        QVERIFY(s.serverLines().first().VKKL_ID != left.first().VKKL_ID);
    }

    // Ctrl+F1 toggles the order mark; without a quantity it only says why not.
    void ctrlF1TogglesMark_data() { transports(); }
    void ctrlF1TogglesMark() {
        QFETCH(bool, soap);
        Shop s(m_server, soap);
        QVERIFY(s.login());
        const QString nummer = s.articles(u"ZÜNDKERZE"_s).value(0);
        QVERIFY(!nummer.isEmpty());
        QVERIFY(s.typeIntoCell(Artikelnummer, 1, nummer));
        QTRY_COMPARE(s.shown(Artikelnummer, 1), nummer);
        QTest::keyClick(s.grid(), Qt::Key_Escape);
        s.grid()->setFocus();
        s.grid()->setCurrentCell(s.grid()->grid().column(Artikelnummer), 1);

        QTest::keyClick(s.grid(), Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(s.dialogs.shown.size(), 1);
        QCOMPARE(s.dialogs.shown.first().text,
                 u"Keine Menge eingegeben\r\nDie ausgewählte Zeile ist noch nicht fertig zum Buchen!\r\n"
                 "Evtl. Menge erneut eingeben."_s);
        QVERIFY(s.shown(Bestellen, 1).isEmpty());
        QCOMPARE(s.serverLine(1).BESTELLEN, u"0"_s);

        // A placed quantity marks the line; Ctrl+F1 takes the mark and sets it again.
        QVERIFY(s.typeIntoCell(Menge, 1, u"2"_s));
        QTRY_COMPARE(s.serverLine(1).MENGE, u"2"_s);
        QTRY_COMPARE(s.shown(Bestellen, 1), u"JA"_s);
        QCOMPARE(s.serverLine(1).BESTELLEN, u"1"_s);
        s.grid()->setFocus();
        s.grid()->setCurrentCell(s.grid()->grid().column(Artikelnummer), 1);
        QTest::keyClick(s.grid(), Qt::Key_F1, Qt::ControlModifier);
        QTRY_VERIFY(s.shown(Bestellen, 1).isEmpty());
        QCOMPARE(s.serverLine(1).BESTELLEN, u"0"_s);
        QTest::keyClick(s.grid(), Qt::Key_F1, Qt::ControlModifier);
        QTRY_COMPARE(s.shown(Bestellen, 1), u"JA"_s);
        QCOMPARE(s.serverLine(1).BESTELLEN, u"1"_s);
        QCOMPARE(s.dialogs.shown.size(), 1);
    }

    // The same quantity committed by Enter in line 1 and by Tab in line 2:
    // the same cell and the same line on the server.
    void tabCommitsLikeEnter_data() { transports(); }
    void tabCommitsLikeEnter() {
        QFETCH(bool, soap);
        Shop s(m_server, soap);
        QVERIFY(s.login());
        const QString nummer = s.articles(u"ÖLFILTER"_s).value(0);
        QVERIFY(!nummer.isEmpty());
        QVERIFY(s.typeIntoCell(Artikelnummer, 1, nummer));
        QTRY_COMPARE(s.shown(Artikelnummer, 1), nummer);
        QTest::keyClick(s.grid(), Qt::Key_F3);
        QTRY_COMPARE(s.rows(), 3);
        QVERIFY(s.typeIntoCell(Artikelnummer, 2, nummer));
        QTRY_COMPARE(s.shown(Artikelnummer, 2), nummer);

        QVERIFY(s.typeIntoCell(Menge, 1, u"3"_s, Qt::Key_Return));
        QTRY_COMPARE(s.serverLine(1).MENGE, u"3"_s);
        QVERIFY(s.typeIntoCell(Menge, 2, u"3"_s, Qt::Key_Tab));
        QTRY_COMPARE(s.serverLine(2).MENGE, u"3"_s);
        // Tab left no editor behind that could restore the cell.
        QTRY_COMPARE(s.shown(Menge, 2), u"3"_s);
        QVERIFY(!s.grid()->indexWidget(s.grid()->currentIndex()));

        const TVerkaufskladde enter = s.serverLine(1);
        const TVerkaufskladde tab = s.serverLine(2);
        QCOMPARE(tab.ZU_LIEFERN, enter.ZU_LIEFERN);
        QCOMPARE(tab.NETTOBETRAG, enter.NETTOBETRAG);
        QCOMPARE(tab.BESTELLEN, enter.BESTELLEN);
        for (const QString& header : {Menge, u"ZU_LIEFERN"_s, u"Nettobetrag"_s, Bestellen, u"Logo"_s})
            QCOMPARE(s.shown(header, 2), s.shown(header, 1));
        QCOMPARE(s.dialogs.shown.size(), 0);
    }

    // Loads and reloads under QAbstractItemModelTester (installed before the
    // login): the first load, appended lines, a line change, deleting all.
    void gridModelThroughReloads() {
        Shop s(m_server, false);
        QVERIFY(s.login());
        QCOMPARE(s.grid()->model()->rowCount(), 1);
        QTest::keyClick(s.grid(), Qt::Key_F3); // last row has no description: no new line
        QCOMPARE(s.rows(), 2);
        const QString nummer = s.articles(u"BREMS"_s).value(0);
        QVERIFY(s.typeIntoCell(Artikelnummer, 1, nummer));
        QTRY_COMPARE(s.shown(Artikelnummer, 1), nummer);
        for (int row = 2; row <= 4; ++row) {
            s.grid()->setFocus();
            QTest::keyClick(s.grid(), Qt::Key_F3);
            QTRY_COMPARE(s.rows(), row + 1);
            QVERIFY(s.typeIntoCell(Artikelnummer, row, nummer));
            QTRY_COMPARE(s.shown(Artikelnummer, row), nummer);
        }
        QCOMPARE(s.grid()->model()->rowCount(), 4);
        QCOMPARE(s.grid()->model()->columnCount(), s.grid()->grid().columnCount());
        s.client->shop()->loadDraftOrder();
        QCOMPARE(s.rows(), 5);
        s.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        s.grid()->setFocus();
        QTest::keyClick(s.grid(), Qt::Key_F5);
        QTRY_COMPARE(s.rows(), 2);
        QVERIFY(s.shown(Artikelnummer, 1).isEmpty());
    }

    // A second login of DEMO adds a line behind the window's back: the next
    // change from the grid or the menu "Zeile" logs the warning and asks
    // whether to end the program; answered No, the change itself goes
    // through. Deleting is not checked.
    void changeByOtherLoginIsWarned() {
        Shop s(m_server, true);
        QVERIFY(s.login());
        const QString nummer = s.articles(u"WASSERPUMPE"_s).value(0);
        QVERIFY(!nummer.isEmpty());
        QVERIFY(s.typeIntoCell(Artikelnummer, 1, nummer));
        QTRY_COMPARE(s.shown(Artikelnummer, 1), nummer);

        SecondLogin second(m_server);
        QVERIFY(second.login());
        const QString othersLine = second.insertLine(nummer, u"1"_s);
        QVERIFY(!othersLine.isEmpty());
        QCOMPARE(s.serverLines().size(), 2);

        const QString warning =
            u"Der Warenkorb hat sich geändert.\r\nBenutzer \"DEMO\" ist vermutlich mehrfach angemeldet!"_s;
        // A quantity typed into the grid: the warning, then the quantity is sent.
        const QString own = s.grid()->grid().value(u"VKKL_ID"_s, 1);
        auto lineOf = [&s](const QString& id) {
            for (const TVerkaufskladde& line : s.serverLines()) {
                if (line.VKKL_ID == id)
                    return line;
            }
            return TVerkaufskladde();
        };
        s.dialogs.answers.enqueue(Dialogs::Answer::No);
        QVERIFY(s.typeIntoCell(Menge, 1, u"4"_s));
        QTRY_VERIFY(s.logLines.contains(warning));
        QCOMPARE(s.dialogs.shown.size(), 1);
        QCOMPARE(s.dialogs.shown.first().title, u"Programm beenden"_s);
        QVERIFY(
            s.dialogs.shown.first().text.startsWith(u"Unterschiedliche Anzahl der Zeilen.\r\n"_s + warning));
        QVERIFY(s.ending.calls.isEmpty());
        QTRY_COMPARE(lineOf(own).MENGE, u"4"_s);

        // "&Neu" of the menu "Zeile": the check, then the new line. The
        // quantity marked the line and left an empty line: it gets an article first.
        const int last = s.rows() - 1;
        QVERIFY(s.shown(Artikelnummer, last).isEmpty());
        QVERIFY(s.typeIntoCell(Artikelnummer, last, nummer));
        QTRY_COMPARE(s.shown(Artikelnummer, last), nummer);
        QTest::keyClick(s.grid(), Qt::Key_Escape);
        s.logLines.clear();
        const qsizetype before = s.serverLines().size();
        s.dialogs.answers.enqueue(Dialogs::Answer::No);
        s.grid()->setFocus();
        QTest::keyClick(s.grid(), Qt::Key_F3);
        QVERIFY(s.ending.calls.isEmpty());
        QTRY_VERIFY(s.serverLines().size() > before);

        // F4 is not checked: the window's line goes, the other one stays.
        s.logLines.clear();
        s.grid()->setCurrentCell(s.grid()->grid().column(Artikelnummer), 1);
        QTest::keyClick(s.grid(), Qt::Key_F4);
        auto keys = [&s] {
            QStringList ids;
            for (const TVerkaufskladde& line : s.serverLines())
                ids << line.VKKL_ID;
            return ids;
        };
        QTRY_VERIFY(!keys().contains(own));
        QVERIFY(keys().contains(othersLine));
        QVERIFY(!s.logLines.contains(warning));
    }
};

QTEST_MAIN(TestShopTab)
#include "tst_shoptab.moc"
