#include "grid/stringgrid.h"

StringGrid::StringGrid(const QString& name, QObject* parent)
    : QObject(parent) {
    setObjectName(name);
    m_rows.append(QStringList());
}

QStringList StringGrid::fitted(const QStringList& cells) const {
    QStringList out = cells.mid(0, m_columns);
    while (out.size() < m_columns)
        out.append(QString());
    return out;
}

bool StringGrid::valid(int column, int row) const {
    return row >= 0 && row < m_rows.size() && column >= 0 && column < m_columns;
}

void StringGrid::setRowCount(int rows) {
    rows = std::max(rows, 1); // the header row stays
    const int old = rowCount();
    if (rows > old) {
        Q_EMIT rowsAboutToBeInserted(old, rows - 1);
        m_rows.reserve(rows);
        for (int r = old; r < rows; ++r)
            m_rows.append(fitted(QStringList()));
        Q_EMIT rowsInserted();
    } else if (rows < old) {
        Q_EMIT rowsAboutToBeRemoved(rows, old - 1);
        m_rows.resize(rows);
        Q_EMIT rowsRemoved();
    }
    if (m_currentRow >= rowCount())
        m_currentRow = rowCount() - 1;
}

void StringGrid::setColumnCount(int columns) {
    columns = std::max(columns, 0);
    if (columns == m_columns)
        return;
    Q_EMIT aboutToReset();
    m_columns = columns;
    for (QStringList& r : m_rows)
        r = fitted(r);
    m_widths.resize(columns, -1);
    m_tabStops.resize(columns, false);
    Q_EMIT columnsChanged();
    Q_EMIT reset();
}

QString StringGrid::cell(int column, int row) const {
    return valid(column, row) ? m_rows.at(row).at(column) : QString();
}

void StringGrid::setCell(int column, int row, const QString& text) {
    if (!valid(column, row) || m_rows.at(row).at(column) == text)
        return;
    m_rows[row][column] = text;
    Q_EMIT cellsChanged(row, row);
}

QString StringGrid::value(const QString& header, int row) const {
    return cell(column(header), row);
}

void StringGrid::setValue(const QString& header, int row, const QString& text) {
    setCell(column(header), row, text);
}

QStringList StringGrid::row(int row) const {
    return row >= 0 && row < m_rows.size() ? m_rows.at(row) : QStringList();
}

void StringGrid::setRow(int row, const QStringList& cells) {
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row] = fitted(cells);
    Q_EMIT cellsChanged(row, row);
}

void StringGrid::clearRow(int row) {
    setRow(row, QStringList());
}

void StringGrid::appendRow(const QStringList& cells) {
    insertRow(rowCount(), cells);
}

void StringGrid::insertRow(int at, const QStringList& cells) {
    at = std::clamp(at, 1, rowCount());
    Q_EMIT rowsAboutToBeInserted(at, at);
    m_rows.insert(at, fitted(cells));
    Q_EMIT rowsInserted();
}

void StringGrid::removeRow(int row) {
    if (row < 1 || row >= m_rows.size())
        return;
    Q_EMIT rowsAboutToBeRemoved(row, row);
    m_rows.removeAt(row);
    Q_EMIT rowsRemoved();
    if (m_currentRow >= rowCount())
        m_currentRow = rowCount() - 1;
}

void StringGrid::setDataRows(const QList<QStringList>& rows) {
    Q_EMIT aboutToReset();
    m_rows.resize(1);
    m_rows.reserve(rows.size() + 1);
    for (const QStringList& r : rows)
        m_rows.append(fitted(r));
    if (m_currentRow >= rowCount())
        m_currentRow = rowCount() - 1;
    Q_EMIT reset();
}

void StringGrid::copyRowFrom(const StringGrid& other, int sourceRow, int targetRow) {
    if (targetRow < 0 || targetRow >= m_rows.size())
        return;
    QStringList cells = m_rows.at(targetRow);
    const QStringList source = other.row(sourceRow);
    for (int c = 0; c < std::min<qsizetype>(m_columns, source.size()); ++c)
        cells[c] = source.at(c);
    setRow(targetRow, cells);
}

int StringGrid::column(const QString& header) const {
    if (m_rows.isEmpty())
        return -1;
    return int(m_rows.first().indexOf(header));
}

void StringGrid::setHeaders(const QStringList& headers) {
    if (headers.size() != m_columns)
        setColumnCount(int(headers.size()));
    if (m_rows.isEmpty())
        m_rows.append(QStringList());
    m_rows[0] = fitted(headers);
    Q_EMIT columnsChanged();
}

void StringGrid::setWidthTemplates(const QStringList& templates) {
    m_templates = templates;
    Q_EMIT columnsChanged();
}

void StringGrid::setColumnWidth(int column, int width) {
    if (column < 0 || column >= m_columns || m_widths.at(column) == width)
        return;
    m_widths[column] = width;
    Q_EMIT columnsChanged();
}

void StringGrid::setTabStop(int column, bool tabStop) {
    if (column >= 0 && column < m_columns)
        m_tabStops[column] = tabStop;
}

void StringGrid::setCurrentCell(int column, int row) {
    if (column == m_currentColumn && row == m_currentRow)
        return;
    m_currentColumn = column;
    m_currentRow = row;
    Q_EMIT currentCellChanged(column, row);
}
