#pragma once

#include "model/articlerecords.h"

#include <QAbstractTableModel>
#include <QStringList>

class SupplierNames;

// The hits of a quick search as the pop-up list shows them: one row per hit
// in the server's order, the columns of columnNames(). Read-only.
class HitListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit HitListModel(QObject* parent = nullptr);

    static const QStringList& columnNames();
    // Columns that are kept for the program but never shown (width 0).
    static bool isHiddenColumn(int column);
    // The cells of one hit.
    static QStringList rowFor(const TArtikelLongInfo& hit, const SupplierNames& suppliers);

    void setHits(const TArtikelLongInfoArray& hits, const SupplierNames& suppliers);
    void clear();
    const TArtikelLongInfoArray& hits() const { return m_hits; }
    QString cell(int row, const QString& column) const;
    // The caption of a row (its "NUMMER" cell) may be replaced, e.g. by a successor.
    void setCaption(int row, const QString& caption);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    TArtikelLongInfoArray m_hits;
    QList<QStringList> m_rows;
};
