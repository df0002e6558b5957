#include "draftgridfixture.h"
#include "grid/stringgridmodel.h"
#include "order/ui/draftgridview.h"
#include "order/ui/gridhints.h"
#include "order/ui/janeinlist.h"
#include "platform/logger.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>

namespace {
QLineEdit* editor(DraftGridView& view) {
    return qobject_cast<QLineEdit*>(view.indexWidget(view.currentIndex()));
}

// Typing into a cell: the first key opens the editor, the rest goes to it.
QLineEdit* type(DraftGridView& view, const QString& text) {
    QTest::keyClick(&view, text.at(0).toLatin1());
    QLineEdit* edit = editor(view);
    if (edit && text.size() > 1)
        QTest::keyClicks(edit, text.mid(1));
    return edit;
}

QPoint cellCentre(DraftPageHarness& h, const QString& header, int row) {
    return h.view().visualRect(h.view().gridModel().indexOf(h.column(header), row)).center();
}
} // namespace

class TestDraftGridView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuItems_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("call");
        QTest::newRow("F2") << "miVKKLNeuMitKopieren"
                            << "Neu mit &kopieren" << QKeySequence(Qt::Key_F2) << "newLineWithCopy(2)";
        QTest::newRow("F3") << "miVKKLNeu"
                            << "&Neu" << QKeySequence(Qt::Key_F3) << "newLine()";
        QTest::newRow("F4") << "miVKKLLoeschen"
                            << "&Löschen Zeile" << QKeySequence(Qt::Key_F4) << "deleteLine(2)";
        QTest::newRow("F5") << "miVKKLAlleLoeschen"
                            << "&Alle Zeilen löschen" << QKeySequence(Qt::Key_F5) << "deleteAllLines()";
        QTest::newRow("Ctrl+F1") << "miVKKLMarkierungAendern"
                                 << "&Eine Markierung ändern" << QKeySequence(Qt::CTRL | Qt::Key_F1)
                                 << "toggleMark(2)";
        QTest::newRow("mark all") << "miVKKLAlleMarkieren"
                                  << "&Alle zum Bestellen markieren" << QKeySequence() << "markAll()";
        QTest::newRow("clear all") << "miVKKLMarkierungenAufheben"
                                   << "&Markierungen alle aufheben" << QKeySequence() << "clearAllMarks()";
        QTest::newRow("Ctrl+T") << "miVKKLMengeTE"
                                << "Alle Zeilen auf Menge=TE setzen" << QKeySequence(Qt::CTRL | Qt::Key_T)
                                << "fillQuantities()";
        QTest::newRow("reference") << "miVKKLReferenz"
                                   << "Referenz setzen" << QKeySequence() << "setReferenceForAll()";
    }
    // Each item has its caption and key; the key on the grid calls the action for the current row.
    void menuItems() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, key);
        QFETCH(QString, call);
        DraftPageHarness h;
        QVERIFY(h.showAndFocus());
        h.select(QStringLiteral("Menge"), 2);
        auto* action = h.page->findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), key);
        QVERIFY(h.page->zeileActions().contains(action));
        if (key.isEmpty())
            action->trigger();
        else
            QTest::keySequence(&h.view(), key);
        QCOMPARE(h.actions.calls, QStringList{call});
    }

    void menusForTheMainWindow() {
        DraftPageHarness h;
        QMenu* zeile = h.page->createZeileMenu(h.page.get());
        QCOMPARE(zeile->objectName(), QStringLiteral("miVKKLZeile"));
        QCOMPARE(zeile->actions().size(), 10);
        QCOMPARE(zeile->actions().last()->text(), QStringLiteral("Lagerauftrag als Express"));
        zeile->actions().last()->trigger();
        QCOMPARE(h.recorder.calls, QStringList{QStringLiteral("warehouseToExpress")});

        QStringList captions;
        for (QAction* a : h.page->createFensterActions())
            captions << a->text() + QLatin1Char('|') + a->shortcut().toString();
        QCOMPARE(captions,
                 (QStringList{QStringLiteral("&BestandsInfo|F9"), QStringLiteral("Lie&ferungsarten|"),
                              QStringLiteral("&Lieferadresse|"), QStringLiteral("Al&ternativ-Artikel|F11")}));
        h.recorder.calls.clear();
        h.select(QStringLiteral("Artikelnummer"), 3);
        h.page->createFensterActions().first()->trigger();
        QCOMPARE(h.recorder.calls, QStringList{QStringLiteral("stockInfo(3)")});
    }

    // Deleting from the article entry field would take the line the user is not looking at.
    void f4IgnoredInArticleEntry() {
        DraftPageHarness h;
        auto* edArtikel = new QLineEdit(&h.page->schnellsuchePanel());
        edArtikel->setObjectName(QStringLiteral("edArtikel"));
        h.page->schnellsuchePanel().layout()->addWidget(edArtikel);
        QVERIFY(h.showAndFocus());
        edArtikel->setFocus();
        QTest::keyClick(edArtikel, Qt::Key_F4);
        QVERIFY(h.actions.calls.isEmpty());
        h.view().setFocus();
        QTest::keyClick(&h.view(), Qt::Key_F4);
        QCOMPARE(h.actions.calls, QStringList{QStringLiteral("deleteLine(1)")});
    }

    void gridKeys_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QStringList>("calls");
        const int none = Qt::NoModifier;
        QTest::newRow("J in Bestellen")
            << "Bestellen" << int(Qt::Key_J) << none << QStringList{QStringLiteral("applyJaNein(2,ja)")};
        QTest::newRow("N in Bestellen")
            << "Bestellen" << int(Qt::Key_N) << none << QStringList{QStringLiteral("applyJaNein(2,nein)")};
        QTest::newRow("J in Lieferadresse") << "Lieferadresse" << int(Qt::Key_J) << none << QStringList{};
        QTest::newRow("F8 in Bestellen") << "Bestellen" << int(Qt::Key_F8) << none
                                         << QStringList{QStringLiteral("copyFromRowAbove(Bestellen,2)")};
        QTest::newRow("F8 in Menge") << "Menge" << int(Qt::Key_F8) << none
                                     << QStringList{QStringLiteral("copyFromRowAbove(Menge,2)")};
        QTest::newRow("F8 in Lieferadresse")
            << "Lieferadresse" << int(Qt::Key_F8) << none
            << QStringList{QStringLiteral("copyFromRowAbove(Lieferadresse,2)")};
        QTest::newRow("F8 in -->") << "-->" << int(Qt::Key_F8) << none << QStringList{};
        QTest::newRow("F8 in Bestell-Info") << "Bestell-Info" << int(Qt::Key_F8) << none << QStringList{};
        QTest::newRow("Enter in Lieferungsart") << "Lieferungsart" << int(Qt::Key_Return) << none
                                                << QStringList{QStringLiteral("enterOnRow(Lieferungsart,2)")};
        QTest::newRow("Enter right of it") << "-->" << int(Qt::Key_Enter) << int(Qt::KeypadModifier)
                                           << QStringList{QStringLiteral("enterOnRow(-->,2)")};
        QTest::newRow("Enter in Bestellen") << "Bestellen" << int(Qt::Key_Return) << none << QStringList{};
    }
    void gridKeys() {
        QFETCH(QString, header);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QStringList, calls);
        DraftPageHarness h;
        QVERIFY(h.showAndFocus());
        h.select(header, 2);
        QTest::keyClick(&h.view(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(h.actions.calls, calls);
    }

    void keysDroppedDuringCoSaleQuestion() {
        DraftPageHarness h;
        QVERIFY(h.showAndFocus());
        h.actions.asking = true;
        h.select(QStringLiteral("Bestellen"), 2);
        QTest::keyClick(&h.view(), Qt::Key_J);
        QTest::keyClick(&h.view(), Qt::Key_Right);
        QVERIFY(h.actions.calls.isEmpty());
        QCOMPARE(h.grid.currentColumn(), h.column(QStringLiteral("Bestellen")));
        h.actions.asking = false;
        QTest::keyClick(&h.view(), Qt::Key_J);
        QCOMPARE(h.actions.calls, QStringList{QStringLiteral("applyJaNein(2,ja)")});
    }

    void functionKeyLists_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("opened");
        QTest::newRow("F6 Lieferungsart") << "Lieferungsart" << int(Qt::Key_F6) << "deliveryKinds(2,)";
        QTest::newRow("digit Lieferungsart") << "Lieferungsart" << int(Qt::Key_3) << "deliveryKinds(2,3)";
        QTest::newRow("F6 Lieferadresse") << "Lieferadresse" << int(Qt::Key_F6) << "addressChoice(2,)";
        QTest::newRow("digit Lieferadresse") << "Lieferadresse" << int(Qt::Key_2) << "addressChoice(2,2)";
        QTest::newRow("F6 Artikelnummer") << "Artikelnummer" << int(Qt::Key_F6) << "articleWindow(2)";
        QTest::newRow("F11 anywhere") << "Menge" << int(Qt::Key_F11) << "alternatives(2)";
        QTest::newRow("Esc") << "Menge" << int(Qt::Key_Escape) << "hidePopups";
        QTest::newRow("F6 Menge") << "Menge" << int(Qt::Key_F6) << "";
    }
    void functionKeyLists() {
        QFETCH(QString, header);
        QFETCH(int, key);
        QFETCH(QString, opened);
        DraftPageHarness h;
        QVERIFY(h.showAndFocus());
        h.select(header, 2);
        QTest::keyClick(&h.view(), Qt::Key(key));
        QCOMPARE(h.recorder.calls.join(u' '), opened);
        QVERIFY(h.actions.calls.isEmpty());
    }

    void ctrlLeftJumpsToLieferungsart() {
        DraftPageHarness h;
        QVERIFY(h.showAndFocus());
        h.select(QStringLiteral("Bestellen"), 2);
        QTest::keyClick(&h.view(), Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(h.grid.currentColumn(), h.column(QStringLiteral("Lieferungsart")));
        QCOMPARE(h.grid.currentRow(), 2);
    }

    void selectionJumps_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("noteEnterable");
        QTest::addColumn<QString>("to");
        QTest::newRow("right over ART") << "Lieferadresse" << int(Qt::Key_Right) << true << "Artikelnummer";
        QTest::newRow("right over Bezeichnung")
            << "Artikelnummer" << int(Qt::Key_Right) << true << "Bestell-Info";
        QTest::newRow("note off") << "Artikelnummer" << int(Qt::Key_Right) << false << "Menge";
        QTest::newRow("right to Lieferungsart") << "Menge" << int(Qt::Key_Right) << true << "Lieferungsart";
        QTest::newRow("right wraps") << "Lieferungsart" << int(Qt::Key_Right) << true << "Bestellen";
        QTest::newRow("left wraps") << "Bestellen" << int(Qt::Key_Left) << true << "Lieferungsart";
        QTest::newRow("left over ART") << "Artikelnummer" << int(Qt::Key_Left) << true << "Lieferadresse";
        QTest::newRow("tab") << "Menge" << int(Qt::Key_Tab) << true << "Lieferungsart";
        QTest::newRow("tab wraps") << "Lieferungsart" << int(Qt::Key_Tab) << true << "Bestellen";
        QTest::newRow("backtab wraps") << "Bestellen" << int(Qt::Key_Backtab) << true << "Lieferungsart";
        QTest::newRow("from --> right") << "-->" << int(Qt::Key_Right) << true << "Bestellen";
    }
    void selectionJumps() {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(bool, noteEnterable);
        QFETCH(QString, to);
        DraftPageHarness h;
        if (!noteEnterable)
            h.actions.enterable.remove(QStringLiteral("Bestell-Info"));
        QVERIFY(h.showAndFocus());
        h.select(from, 2);
        QSignalSpy status(h.page.get(), &ShopPage::statusTextChanged);
        QTest::keyClick(&h.view(), Qt::Key(key));
        QCOMPARE(h.grid.header(h.grid.currentColumn()), to);
        QCOMPARE(h.grid.currentRow(), 2);
        QVERIFY(!status.isEmpty());
        QCOMPARE(status.last().first().toString(),
                 to + QStringLiteral(": \"") + h.grid.value(to, 2) + QLatin1Char('"'));
    }

    // A rewrite of the selected row (the server's answer) refreshes the text;
    // a change elsewhere leaves it alone.
    void statusFollowsTheSelectedRow() {
        DraftPageHarness h;
        QVERIFY(h.showAndFocus());
        h.select(QStringLiteral("Menge"), 2);
        QSignalSpy status(h.page.get(), &ShopPage::statusTextChanged);
        h.grid.setValue(QStringLiteral("Menge"), 1, QStringLiteral("7"));
        QVERIFY(status.isEmpty());
        h.grid.setValue(QStringLiteral("Menge"), 2, QStringLiteral("4"));
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.last().first().toString(), QStringLiteral("Menge: \"4\""));
    }

    void clicks_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("current");
        QTest::newRow("Löschen") << "Löschen" << QStringList{QStringLiteral("deleteLine(3)")} << "Menge";
        QTest::newRow("Logo") << "Logo" << QStringList{QStringLiteral("logoClicked(3)")} << "Menge";
        QTest::newRow("Bezeichnung") << "Bezeichnung" << QStringList{} << "Menge";
        QTest::newRow("enterable") << "Lieferadresse" << QStringList{} << "Lieferadresse";
    }
    // Only enterable cells can be selected; the others answer clicks.
    void clicks() {
        QFETCH(QString, header);
        QFETCH(QStringList, calls);
        QFETCH(QString, current);
        DraftPageHarness h;
        QVERIFY(h.showAndFocus());
        h.select(QStringLiteral("Menge"), 1);
        QTest::mouseClick(h.view().viewport(), Qt::LeftButton, {}, cellCentre(h, header, 3));
        QCOMPARE(h.actions.calls, calls);
        QCOMPARE(h.grid.header(h.grid.currentColumn()), current);
        QTest::mouseDClick(h.view().viewport(), Qt::LeftButton, {}, cellCentre(h, header, 3));
        // The second click of a double click acts no second time.
        QCOMPARE(h.actions.calls, calls);
    }

    void rightClicks() {
        DraftPageHarness h;
        QVERIFY(h.showAndFocus());
        QTest::mouseClick(h.view().viewport(), Qt::RightButton, {},
                          cellCentre(h, QStringLiteral("Artikelnummer"), 2));
        QCOMPARE(h.grid.currentRow(), 2);
        QMenu& menu = h.view().copyPasteMenu();
        QTRY_VERIFY(menu.isVisible());
        QStringList texts;
        for (QAction* a : menu.actions())
            texts << a->text();
        QCOMPARE(texts, (QStringList{QStringLiteral("In die Zwischanablage kopieren"),
                                     QStringLiteral("Aus der Zwischenablage einfuegen")}));
        menu.actions().first()->trigger();
        menu.hide();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("A2"));

        QTest::mouseClick(h.view().viewport(), Qt::RightButton, {},
                          cellCentre(h, QStringLiteral("Lieferungsart"), 3));
        QCOMPARE(h.recorder.calls, QStringList{QStringLiteral("deliveryKinds(3,)")});
        QTest::mouseClick(h.view().viewport(), Qt::RightButton, {},
                          cellCentre(h, QStringLiteral("Bestellen"), 1));
        QTRY_VERIFY(h.view().jaNeinList().isVisible());
        QTest::mouseClick(h.view().viewport(), Qt::RightButton, {},
                          cellCentre(h, QStringLiteral("Bezeichnung"), 2));
        QCOMPARE(h.grid.currentRow(), 1);
    }

    void editorCommit_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Tab") << int(Qt::Key_Tab);
    }
    // Tab in the editor commits exactly as Enter does: one commitCell, no restore.
    void editorCommit() {
        QFETCH(int, key);
        DraftPageHarness h;
        QVERIFY(h.showAndFocus());
        h.select(QStringLiteral("Menge"), 2);
        QLineEdit* edit = type(h.view(), QStringLiteral("17"));
        QVERIFY(edit);
        QCOMPARE(edit->text(), QStringLiteral("17"));
        QTest::keyClick(edit, Qt::Key(key));
        QTRY_COMPARE(h.actions.calls, QStringList{QStringLiteral("commitCell(Menge,2,17)")});
        QVERIFY(!editor(h.view()));
        QCOMPARE(h.grid.value(QStringLiteral("Menge"), 2), QStringLiteral("2"));
        QTest::qWait(150);
        QCOMPARE(h.actions.calls.size(), 1);
    }

    void editorRestoredWithoutCommit_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Esc") << "esc";
        QTest::newRow("other cell") << "click";
        QTest::newRow("arrow key") << "down";
        QTest::newRow("focus elsewhere") << "focus";
    }
    void editorRestoredWithoutCommit() {
        QFETCH(QString, how);
        DraftPageHarness h;
        auto* other = new QLineEdit(&h.page->schnellsuchePanel());
        h.page->schnellsuchePanel().layout()->addWidget(other);
        QVERIFY(h.showAndFocus());
        h.select(QStringLiteral("Artikelnummer"), 2);
        QLineEdit* edit = type(h.view(), QStringLiteral("XY"));
        QVERIFY(edit);
        if (how == QStringLiteral("esc"))
            QTest::keyClick(edit, Qt::Key_Escape);
        else if (how == QStringLiteral("click"))
            QTest::mouseClick(h.view().viewport(), Qt::LeftButton, {},
                              cellCentre(h, QStringLiteral("Menge"), 3));
        else if (how == QStringLiteral("down"))
            QTest::keyClick(edit, Qt::Key_Down);
        else
            other->setFocus();
        QTRY_VERIFY(!editor(h.view()) || h.grid.currentRow() != 2);
        QTRY_COMPARE(h.actions.calls, QStringList{QStringLiteral("restoreCell(Artikelnummer,2)")});
    }

    void editorOnlyWhereAllowed_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("opens");
        QTest::newRow("Artikelnummer") << "Artikelnummer" << 1 << true;
        QTest::newRow("Menge") << "Menge" << 1 << true;
        QTest::newRow("Lieferadresse") << "Lieferadresse" << 1 << false;
        QTest::newRow("Bestell-Info row 1") << "Bestell-Info" << 1 << false;
        QTest::newRow("Bestell-Info row 2") << "Bestell-Info" << 2 << true;
    }
    void editorOnlyWhereAllowed() {
        QFETCH(QString, header);
        QFETCH(int, row);
        QFETCH(bool, opens);
        DraftPageHarness h;
        QVERIFY(h.showAndFocus());
        h.select(header, row);
        QTest::keyClick(&h.view(), Qt::Key_X);
        QCOMPARE(editor(h.view()) != nullptr, opens);
        if (opens)
            QCOMPARE(editor(h.view())->text(), QStringLiteral("x"));
    }

    void pasteRemovesControlCharacters_data() {
        QTest::addColumn<bool>("editorOpen");
        QTest::newRow("grid") << false;
        QTest::newRow("editor") << true;
    }
    void pasteRemovesControlCharacters() {
        QFETCH(bool, editorOpen);
        DraftPageHarness h;
        QVERIFY(h.showAndFocus());
        h.select(QStringLiteral("Artikelnummer"), 2);
        if (editorOpen) {
            QTest::keyClick(&h.view(), Qt::Key_Q);
            QVERIFY(editor(h.view()));
            editor(h.view())->selectAll();
        }
        QGuiApplication::clipboard()->setText(QStringLiteral("\t0 986\r\n494\x01"
                                                             "123\n"));
        QWidget* target = editorOpen ? static_cast<QWidget*>(editor(h.view())) : &h.view();
        QTest::keySequence(target, QKeySequence::Paste);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("0 986494123"));
        QVERIFY(editor(h.view()));
        QCOMPARE(editor(h.view())->text(), QStringLiteral("0 986494123"));
        QVERIFY(h.actions.calls.isEmpty());
    }

    void jaNeinList_data() {
        QTest::addColumn<QString>("bestellen");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("J Enter") << "" << QList<int>{Qt::Key_J, Qt::Key_Return}
                                 << QStringList{QStringLiteral("applyJaNein(2,ja)")};
        QTest::newRow("n Enter") << "JA" << QList<int>{Qt::Key_N, Qt::Key_Return}
                                 << QStringList{QStringLiteral("applyJaNein(2,nein)")};
        QTest::newRow("Enter keeps JA")
            << "JA" << QList<int>{Qt::Key_Return} << QStringList{QStringLiteral("applyJaNein(2,ja)")};
        QTest::newRow("Esc") << "" << QList<int>{Qt::Key_J, Qt::Key_Escape} << QStringList{};
    }
    void jaNeinList() {
        QFETCH(QString, bestellen);
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, calls);
        DraftPageHarness h;
        h.grid.setValue(QStringLiteral("Bestellen"), 2, bestellen);
        QVERIFY(h.showAndFocus());
        h.select(QStringLiteral("Bestellen"), 2);
        QTest::keyClick(&h.view(), Qt::Key_F6);
        auto* list = h.page->findChild<QListWidget*>(QStringLiteral("lbJaNein"));
        QVERIFY(list);
        QVERIFY(list->isVisible());
        QVERIFY(list->hasFocus());
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Nein"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("Ja"));
        const QRect cell = h.view().visualRect(h.view().currentIndex());
        QCOMPARE(list->geometry().topLeft(), cell.topLeft() + h.view().viewport()->geometry().topLeft());
        for (int key : keys)
            QTest::keyClick(list, Qt::Key(key));
        QVERIFY(!list->isVisible());
        QVERIFY(h.view().hasFocus());
        QCOMPARE(h.actions.calls, calls);
    }

    void jaNeinListHidesWhenLeft() {
        DraftPageHarness h;
        auto* other = new QLineEdit(&h.page->schnellsuchePanel());
        h.page->schnellsuchePanel().layout()->addWidget(other);
        QVERIFY(h.showAndFocus());
        h.select(QStringLiteral("Bestellen"), 1);
        h.view().showJaNein();
        QVERIFY(h.view().jaNeinList().isVisible());
        other->setFocus();
        QVERIFY(!h.view().jaNeinList().isVisible());
        QVERIFY(h.actions.calls.isEmpty());
    }

    void jaNeinListNeedsLines() {
        DraftPageHarness h(0);
        QVERIFY(h.showAndFocus());
        h.view().showJaNein();
        QVERIFY(!h.view().jaNeinList().isVisible());
    }

    void timerActivateCell() {
        DraftPageHarness h;
        QSignalSpy memo(&h.seams.log, &Logger::memoAppended);
        QVERIFY(h.showAndFocus());
        h.select(QStringLiteral("Artikelnummer"), 1);
        h.page->reopenEditor(QStringLiteral("Menge"), 3);
        QTimer& timer = h.view().timerActivateCell();
        QCOMPARE(timer.objectName(), QStringLiteral("TimerActivateCell"));
        QCOMPARE(timer.interval(), 200);
        QVERIFY(timer.isActive());
        QVERIFY(!editor(h.view()));
        QTRY_VERIFY(editor(h.view()));
        QVERIFY(!timer.isActive());
        QCOMPARE(h.grid.currentColumn(), h.column(QStringLiteral("Menge")));
        QCOMPARE(h.grid.currentRow(), 3);
        QCOMPARE(editor(h.view())->selectedText(), QStringLiteral("3"));
        QVERIFY(!memo.isEmpty());
        QCOMPARE(memo.last().first().toString(),
                 QStringLiteral("TimerActivateCell triggered by sgVKKL Row=3"));
    }

    // While the hit list lies over the grid the editor is not reopened.
    void timerActivateCellWaitsForHitList() {
        DraftPageHarness h;
        auto* hitList = new QListWidget;
        h.page->placeOverGrid(hitList, Qt::AlignTop | Qt::AlignLeft);
        QVERIFY(h.showAndFocus());
        QVERIFY(hitList->isVisible());
        QCOMPARE(hitList->parentWidget(), h.view().parentWidget());
        h.page->reopenEditor(QStringLiteral("Menge"), 3);
        QVERIFY(!h.view().timerActivateCell().isActive());
        hitList->hide();
        h.page->reopenEditor(QStringLiteral("Menge"), 3);
        QVERIFY(h.view().timerActivateCell().isActive());
    }

    void columnWidths() {
        DraftPageHarness h;
        const int id = h.column(QStringLiteral("VKKL_ID"));
        const int menge = h.column(QStringLiteral("Menge"));
        const int artikel = h.column(QStringLiteral("Artikelnummer"));
        const int bestellen = h.column(QStringLiteral("Bestellen"));
        QVERIFY(!h.view().isColumnHidden(id));
        // "ARTIKELNR012345678" against "BE".
        QVERIFY(h.view().columnWidth(artikel) > 3 * h.view().columnWidth(bestellen));
        h.grid.setColumnWidth(id, 0);
        h.grid.setColumnWidth(menge, 77);
        QVERIFY(h.view().isColumnHidden(id));
        QCOMPARE(h.view().columnWidth(menge), 77);
        h.grid.setColumnWidth(id, 40);
        QVERIFY(!h.view().isColumnHidden(id));
        QCOMPARE(h.view().columnWidth(id), 40);
    }

    void hiddenColumnSkipped() {
        DraftPageHarness h;
        h.grid.setColumnWidth(h.column(QStringLiteral("Lieferadresse")), 0);
        QVERIFY(h.showAndFocus());
        h.select(QStringLiteral("Bestellen"), 1);
        QTest::keyClick(&h.view(), Qt::Key_Right);
        QCOMPARE(h.grid.header(h.grid.currentColumn()), QStringLiteral("Artikelnummer"));
    }

    void modelAsUsedByTheView() {
        DraftPageHarness h;
        QAbstractItemModelTester tester(&h.view().gridModel(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(h.showAndFocus());
        h.select(QStringLiteral("Menge"), 3);
        h.grid.appendRow(draftRow(h.grid, {{QStringLiteral("Artikelnummer"), QStringLiteral("NEU")}}));
        h.grid.setValue(QStringLiteral("Menge"), 4, QStringLiteral("5"));
        h.grid.removeRow(1);
        QCOMPARE(h.grid.currentRow(), h.view().currentIndex().row() + 1);
        h.grid.setDataRows({draftRow(h.grid, {{QStringLiteral("Menge"), QStringLiteral("1")}})});
        // After a full reload the cursor stays with the grid's current cell.
        QCOMPARE(StringGridModel::gridRow(h.view().currentIndex()), h.grid.currentRow());
        h.grid.setRowCount(1);
        h.grid.setRowCount(3);
        QCOMPARE(h.view().gridModel().rowCount(), 2);
    }

    void hints() {
        DraftPageHarness h;
        h.grid.setValue(QStringLiteral("Staffelpreis"), 2, QStringLiteral("J"));
        QVERIFY(h.showAndFocus());
        QWidget* viewport = h.view().viewport();
        auto rest = [&](const QPoint& pos) {
            QHelpEvent help(QEvent::ToolTip, pos, viewport->mapToGlobal(pos));
            QCoreApplication::sendEvent(viewport, &help);
        };
        auto move = [&](const QPoint& pos) {
            QMouseEvent me(QEvent::MouseMove, pos, viewport->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &me);
        };
        const QPoint menge = cellCentre(h, QStringLiteral("Menge"), 2);
        move(menge);
        rest(menge);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), GridHints::hintHtml(QStringLiteral("Menge/2"), QStringLiteral("Arial")));

        // Onto another cell: the hint goes and nothing shows for that move.
        const QPoint staffel = cellCentre(h, QStringLiteral("Staffelpreis"), 2);
        move(staffel);
        QTRY_VERIFY(!QToolTip::isVisible());
        h.actions.hintText = QStringLiteral("Staffelpreise:\r\n  1 St  9,90");
        rest(staffel);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), GridHints::hintHtml(h.actions.hintText, QStringLiteral("Courier New")));
        QVERIFY(QToolTip::text().contains(QStringLiteral("Staffelpreise:\n  1 St")));

        // Resting on a cell the mouse did not stop at first shows nothing.
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        h.actions.hintText.clear();
        rest(cellCentre(h, QStringLiteral("Menge"), 3));
        QTest::qWait(50);
        QVERIFY(!QToolTip::isVisible());

        h.recorder.importing = true;
        h.actions.hintText = QString();
        rest(cellCentre(h, QStringLiteral("Menge"), 3));
        QTest::qWait(50);
        QVERIFY(!QToolTip::isVisible());
    }

    void headerHints() {
        DraftPageHarness h;
        QVERIFY(h.showAndFocus());
        QHeaderView* header = h.view().horizontalHeader();
        const int x = header->sectionViewportPosition(h.column(QStringLiteral("Löschen"))) + 3;
        const QPoint pos(x, header->height() / 2);
        QMouseEvent me(QEvent::MouseMove, pos, header->viewport()->mapToGlobal(pos), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(header->viewport(), &me);
        QHelpEvent help(QEvent::ToolTip, pos, header->viewport()->mapToGlobal(pos));
        QCoreApplication::sendEvent(header->viewport(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), GridHints::hintHtml(QStringLiteral("Löschen/0"), QStringLiteral("Arial")));
    }

    void pageLayout() {
        DraftPageHarness h;
        QVERIFY(h.showAndFocus());
        auto* grid = h.page->findChild<QTableView*>(QStringLiteral("sgVKKL"));
        auto* quick = h.page->findChild<QWidget*>(QStringLiteral("pnSchnellsuche"));
        auto* sums = h.page->findChild<QLabel*>(QStringLiteral("SummenLabel"));
        QVERIFY(grid && quick && sums);
        QVERIFY(quick->geometry().bottom() <= grid->parentWidget()->geometry().top());
        h.page->setSummen(QStringLiteral("  Gesamt netto EUR     12.50"));
        QCOMPARE(sums->text(), QStringLiteral("  Gesamt netto EUR     12.50"));
        QVERIFY(sums->mapTo(h.page.get(), QPoint()).y() > grid->mapTo(h.page.get(), QPoint()).y());
        auto* overlay = new QWidget;
        overlay->setFixedSize(200, 100);
        h.page->placeOverGrid(overlay, Qt::AlignTop | Qt::AlignLeft);
        QTRY_VERIFY(overlay->isVisible());
        QVERIFY(grid->geometry().contains(overlay->geometry()));
        QVERIFY(grid->parentWidget()->childAt(overlay->geometry().center()) != grid->viewport());
    }

    // No per-row widgets, no per-row sizing: what keeps ten thousand lines
    // smooth (timings belong to bench/).
    void tenThousandRows() {
        DraftPageHarness h(0);
        QVERIFY(h.showAndFocus());
        QList<QStringList> rows;
        for (int r = 1; r <= 10000; ++r)
            rows.append(draftRow(h.grid, {{QStringLiteral("Artikelnummer"), QString::number(r)},
                                          {QStringLiteral("Logo"), QStringLiteral("BESTELLT")}}));
        h.grid.setDataRows(rows);
        QCOMPARE(h.view().model()->rowCount(), 10000);
        h.view().scrollToBottom();
        h.view().viewport()->repaint();
        QCOMPARE(h.view().indexAt(QPoint(2, h.view().viewport()->height() - 2)).row(), 9999);
        QCOMPARE(h.view().verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
        QVERIFY(h.view().findChildren<QWidget*>().size() < 50);
    }
};

QTEST_MAIN(TestDraftGridView)
#include "tst_draftgridview.moc"
