#include "grid/stringgridmodel.h"

#include "grid/stringgrid.h"

StringGridModel::StringGridModel(StringGrid& grid, QObject* parent)
    : QAbstractTableModel(parent)
    , m_grid(grid) {
    connect(&grid, &StringGrid::cellsChanged, this, [this](int first, int last) {
        first = std::max(first, 1);
        if (last < first || columnCount() == 0)
            return;
        Q_EMIT dataChanged(index(first - 1, 0), index(last - 1, columnCount() - 1));
    });
    // The header row is never inserted or removed through these signals.
    connect(&grid, &StringGrid::rowsAboutToBeInserted, this,
            [this](int first, int last) { beginInsertRows(QModelIndex(), first - 1, last - 1); });
    connect(&grid, &StringGrid::rowsInserted, this, [this] { endInsertRows(); });
    connect(&grid, &StringGrid::rowsAboutToBeRemoved, this, [this](int first, int last) {
        beginRemoveRows(QModelIndex(), std::max(first, 1) - 1, last - 1);
    });
    connect(&grid, &StringGrid::rowsRemoved, this, [this] { endRemoveRows(); });
    connect(&grid, &StringGrid::aboutToReset, this, [this] { beginResetModel(); });
    connect(&grid, &StringGrid::reset, this, [this] { endResetModel(); });
    connect(&grid, &StringGrid::columnsChanged, this, [this] {
        if (columnCount() > 0)
            Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    });
}

int StringGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(m_grid.rowCount() - 1, 0);
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_grid.columnCount();
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_grid.cell(index.column(), gridRow(index));
    return QVariant();
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // Headers are cut to the column's template width; the tip shows them whole.
    if (role != Qt::DisplayRole && !(role == Qt::ToolTipRole && orientation == Qt::Horizontal))
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < columnCount() ? QVariant(m_grid.header(section)) : QVariant();
    return section >= 0 && section < rowCount() ? QVariant(section + 1) : QVariant();
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable && editable(index.column(), gridRow(index)))
        f |= Qt::ItemIsEditable;
    return f;
}

bool StringGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    const QString text = value.toString();
    if (commitEdit)
        commitEdit(index.column(), gridRow(index), text);
    else
        m_grid.setCell(index.column(), gridRow(index), text);
    return true;
}
