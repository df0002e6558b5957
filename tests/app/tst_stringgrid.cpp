#include "grid/stringgrid.h"
#include "grid/stringgridmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStringGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cellsOutsideTheGridReadEmptyAndIgnoreWrites();
    void columnsAreFoundByHeaderText();
    void rowsAreFittedToTheColumnCount();
    void theHeaderRowCannotBeRemoved();
    void copyRowTakesWhatBothGridsHave();
    void widthZeroHidesAColumn();
    void modelFollowsEveryKindOfChange();
    void modelCommitGoesToTheHandler();
};

namespace {
StringGrid* threeColumns(QObject* parent) {
    auto* g = new StringGrid(u"sgTest"_s, parent);
    g->setHeaders({u"POS."_s, u"Artikelnummer"_s, u"Menge"_s});
    return g;
}
} // namespace

void TestStringGrid::cellsOutsideTheGridReadEmptyAndIgnoreWrites() {
    StringGrid* g = threeColumns(this);
    g->setRowCount(2);
    g->setCell(5, 1, u"x"_s);
    g->setCell(0, 7, u"x"_s);
    g->setCell(-1, 1, u"x"_s);
    QCOMPARE(g->cell(5, 1), QString());
    QCOMPARE(g->cell(0, 7), QString());
    QCOMPARE(g->rowCount(), 2);
    g->setValue(u"Unbekannt"_s, 1, u"x"_s);
    QCOMPARE(g->row(1), QStringList({QString(), QString(), QString()}));
}

void TestStringGrid::columnsAreFoundByHeaderText() {
    StringGrid* g = threeColumns(this);
    QCOMPARE(g->column(u"Menge"_s), 2);
    QCOMPARE(g->column(u"menge"_s), -1);
    g->setRowCount(2);
    g->setValue(u"Menge"_s, 1, u"4"_s);
    QCOMPARE(g->cell(2, 1), u"4"_s);
    QCOMPARE(g->value(u"Menge"_s, 1), u"4"_s);
}

void TestStringGrid::rowsAreFittedToTheColumnCount() {
    StringGrid* g = threeColumns(this);
    g->appendRow({u"1"_s});
    g->appendRow({u"1"_s, u"2"_s, u"3"_s, u"4"_s});
    QCOMPARE(g->row(1).size(), 3);
    QCOMPARE(g->row(2), QStringList({u"1"_s, u"2"_s, u"3"_s}));
    g->setColumnCount(4);
    QCOMPARE(g->row(2).size(), 4);
}

void TestStringGrid::theHeaderRowCannotBeRemoved() {
    StringGrid* g = threeColumns(this);
    g->setRowCount(0);
    QCOMPARE(g->rowCount(), 1);
    g->removeRow(0);
    QCOMPARE(g->header(1), u"Artikelnummer"_s);
    g->insertRow(0, {u"a"_s});
    QCOMPARE(g->header(0), u"POS."_s);
    QCOMPARE(g->cell(0, 1), u"a"_s);
}

void TestStringGrid::copyRowTakesWhatBothGridsHave() {
    StringGrid* visible = threeColumns(this);
    StringGrid shadow;
    shadow.setHeaders(visible->headers() + QStringList{u"Extra"_s});
    visible->appendRow({u"   1"_s, u"OC 47"_s, u"2"_s});
    shadow.setRowCount(2);
    shadow.setCell(3, 1, u"bleibt"_s);
    shadow.copyRowFrom(*visible, 1, 1);
    QCOMPARE(shadow.row(1), QStringList({u"   1"_s, u"OC 47"_s, u"2"_s, u"bleibt"_s}));
    visible->setCell(2, 1, u"9"_s);
    visible->copyRowFrom(shadow, 1, 1);
    QCOMPARE(visible->cell(2, 1), u"2"_s);
}

void TestStringGrid::widthZeroHidesAColumn() {
    StringGrid* g = threeColumns(this);
    g->setWidthTemplates({u"POS_"_s, u"ARTIKELNR012345678"_s, u"Menge"_s});
    QCOMPARE(g->columnWidth(1), -1);
    QVERIFY(!g->isColumnHidden(1));
    g->setColumnWidth(1, 0);
    QVERIFY(g->isColumnHidden(1));
    QCOMPARE(g->widthTemplate(0), u"POS_"_s);
}

void TestStringGrid::modelFollowsEveryKindOfChange() {
    StringGrid* g = threeColumns(this);
    StringGridModel model(*g);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);
    g->appendRow({u"1"_s, u"A"_s, u"1"_s});
    g->setRowCount(5);
    QCOMPARE(model.rowCount(), 4);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    g->setCell(1, 3, u"B"_s);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex().row(), 2);
    QCOMPARE(model.data(model.index(2, 1)).toString(), u"B"_s);
    g->removeRow(2);
    g->insertRow(1, {u"x"_s});
    g->setDataRows({{u"1"_s}, {u"2"_s}});
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), u"Artikelnummer"_s);
    g->setColumnCount(2);
    QCOMPARE(model.columnCount(), 2);
    g->setRowCount(1);
    QCOMPARE(model.rowCount(), 0);
}

void TestStringGrid::modelCommitGoesToTheHandler() {
    StringGrid* g = threeColumns(this);
    g->setRowCount(3);
    StringGridModel model(*g);
    model.editable = [](int column, int) { return column == 2; };
    QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsEditable));
    QVERIFY(model.flags(model.index(0, 2)) & Qt::ItemIsEditable);
    QString seen;
    int seenRow = 0;
    model.commitEdit = [&](int, int row, const QString& text) {
        seen = text;
        seenRow = row;
    };
    model.setData(model.index(1, 2), u"7"_s);
    QCOMPARE(seen, u"7"_s);
    QCOMPARE(seenRow, 2);
    QCOMPARE(g->cell(2, 2), QString()); // only the handler writes
}

QTEST_GUILESS_MAIN(TestStringGrid)
#include "tst_stringgrid.moc"
