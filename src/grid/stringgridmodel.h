#pragma once

#include <QAbstractTableModel>

#include <functional>

class StringGrid;

// Shows a StringGrid in a QTableView: data rows of the grid (from 1) become
// model rows (from 0), row 0 of the grid becomes the horizontal header.
// The model keeps no copy, so a grid of many thousand rows costs nothing
// beyond the cells the view draws.
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StringGridModel(StringGrid& grid, QObject* parent = nullptr);

    StringGrid& grid() const { return m_grid; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Grid row of a model index and back.
    static int gridRow(const QModelIndex& index) { return index.row() + 1; }
    QModelIndex indexOf(int column, int gridRow) const { return index(gridRow - 1, column); }

    // Which columns open an editor; none unless set.
    std::function<bool(int column, int gridRow)> editable;
    // A committed edit goes here instead of into the grid; the handler
    // decides what the cell finally shows (the server's answer).
    std::function<void(int column, int gridRow, const QString& text)> commitEdit;

private:
    StringGrid& m_grid;
};
