#include "articles/hitlistmodel.h"

#include "articles/suppliernames.h"

HitListModel::HitListModel(QObject* parent)
    : QAbstractTableModel(parent) {}

const QStringList& HitListModel::columnNames() {
    static const QStringList names{QStringLiteral("NUMMER"),          QStringLiteral("TECDOCNR"),
                                   QStringLiteral("EINSPEISERCODE"),  QStringLiteral("EINSPEISERNAME"),
                                   QStringLiteral("BEZEICHNUNG"),     QStringLiteral("BEZEICHNUNG2"),
                                   QStringLiteral("KURZBEZEICHNUNG"), QStringLiteral("BUCH_GR"),
                                   QStringLiteral("EINHEIT"),         QStringLiteral("PE"),
                                   QStringLiteral("KARTONSTUECK"),    QStringLiteral("TE"),
                                   QStringLiteral("ALTTEILSTEUER"),   QStringLiteral("TAUSCHWERT"),
                                   QStringLiteral("VK_PREIS"),        QStringLiteral("SERIALID"),
                                   QStringLiteral("ARTI_ID"),         QStringLiteral("EAN")};
    return names;
}

bool HitListModel::isHiddenColumn(int column) {
    static const QStringList hidden{QStringLiteral("ALTTEILSTEUER"), QStringLiteral("TAUSCHWERT"),
                                    QStringLiteral("SERIALID"), QStringLiteral("ARTI_ID")};
    return hidden.contains(columnNames().value(column));
}

QStringList HitListModel::rowFor(const TArtikelLongInfo& h, const SupplierNames& suppliers) {
    QString supplier = suppliers.name(h.EINSPEISERCODE);
    if (supplier.isEmpty())
        supplier = h.EINSPEISERCODE;
    const QString price = h.BUCH_GR != u"0" ? h.VK_PREIS : QStringLiteral("-,--");
    return {h.NUMMER,
            h.TECDOCNR,
            h.EINSPEISERCODE,
            supplier,
            h.BEZEICHNUNG,
            h.BEZEICHNUNG2,
            h.KURZBEZEICHNUNG,
            h.BUCH_GR,
            h.EINHEIT,
            h.PE,
            h.KARTONSTUECK,
            h.TE,
            h.ALTTEILSTEUER,
            h.TAUSCHWERT,
            price,
            h.SERIALID,
            h.ARTI_ID,
            h.DUMMY0};
}

void HitListModel::setHits(const TArtikelLongInfoArray& hits, const SupplierNames& suppliers) {
    beginResetModel();
    m_hits = hits;
    m_rows.clear();
    m_rows.reserve(hits.size());
    for (const TArtikelLongInfo& h : hits)
        m_rows.append(rowFor(h, suppliers));
    endResetModel();
}

void HitListModel::clear() {
    beginResetModel();
    m_hits.clear();
    m_rows.clear();
    endResetModel();
}

QString HitListModel::cell(int row, const QString& column) const {
    return m_rows.value(row).value(int(columnNames().indexOf(column)));
}

void HitListModel::setCaption(int row, const QString& caption) {
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row][0] = caption;
    Q_EMIT dataChanged(index(row, 0), index(row, 0));
}

int HitListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int HitListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columnNames().size());
}

QVariant HitListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole)
        return {};
    return m_rows.at(index.row()).value(index.column());
}

QVariant HitListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return columnNames().value(section);
}

Qt::ItemFlags HitListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
