#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// A grid of text cells as the windows know it: row 0 holds the column
// headers, data rows start at 1, columns are found by their header text.
// A second, invisible header row holds the width templates: a column is as
// wide as its template text unless a width was set; width 0 hides it.
// The class holds no widgets; a view shows it through StringGridModel.
class StringGrid : public QObject {
    Q_OBJECT
public:
    explicit StringGrid(const QString& name = QString(), QObject* parent = nullptr);

    QString name() const { return objectName(); }

    int rowCount() const { return int(m_rows.size()); }
    int columnCount() const { return m_columns; }
    // Grows or shrinks (never below the header row); new rows are empty.
    void setRowCount(int rows);
    void setColumnCount(int columns);

    // Out-of-range cells read as empty and ignore writes.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    // By header text; an unknown header reads as empty and ignores writes.
    QString value(const QString& header, int row) const;
    void setValue(const QString& header, int row, const QString& text);

    QStringList row(int row) const;
    // Sets a whole row, padded or cut to the column count.
    void setRow(int row, const QStringList& cells);
    void clearRow(int row);
    void appendRow(const QStringList& cells = QStringList());
    void insertRow(int at, const QStringList& cells = QStringList());
    void removeRow(int row); // row 0, the header, stays
    // Replaces all data rows below the header in one step (one reset for views).
    void setDataRows(const QList<QStringList>& rows);
    // Copies one row from another grid, column by column as far as both reach.
    void copyRowFrom(const StringGrid& other, int sourceRow, int targetRow);

    // Column of a header text in row 0, or -1.
    int column(const QString& header) const;
    QString header(int column) const { return cell(column, 0); }
    QStringList headers() const { return row(0); }
    // Sets row 0 and the column count.
    void setHeaders(const QStringList& headers);

    QString widthTemplate(int column) const { return m_templates.value(column); }
    void setWidthTemplates(const QStringList& templates);
    // -1: no width set, the template decides.
    int columnWidth(int column) const { return m_widths.value(column, -1); }
    void setColumnWidth(int column, int width);
    bool isColumnHidden(int column) const { return columnWidth(column) == 0; }

    // Enterable columns are tab stops; the others only show values.
    bool isTabStop(int column) const { return m_tabStops.value(column, false); }
    void setTabStop(int column, bool tabStop);

    int currentRow() const { return m_currentRow; }
    int currentColumn() const { return m_currentColumn; }
    void setCurrentCell(int column, int row);

Q_SIGNALS:
    void cellsChanged(int firstRow, int lastRow);
    void rowsAboutToBeInserted(int first, int last);
    void rowsInserted();
    void rowsAboutToBeRemoved(int first, int last);
    void rowsRemoved();
    void aboutToReset();
    void reset();
    void columnsChanged();
    void currentCellChanged(int column, int row);

private:
    QStringList fitted(const QStringList& cells) const;
    bool valid(int column, int row) const;

    QList<QStringList> m_rows;
    QStringList m_templates;
    QList<int> m_widths;
    QList<bool> m_tabStops;
    int m_columns = 0;
    int m_currentRow = 1;
    int m_currentColumn = 0;
};
