#include "articles/suppliernames.h"

#include "grid/stringgrid.h"

QString SupplierNames::name(const QString& code) const {
    const int c = m_grid ? m_grid->column(QStringLiteral("Code")) : -1;
    if (c >= 0 && !code.isEmpty()) {
        for (int row = 1; row < m_grid->rowCount(); ++row) {
            if (m_grid->cell(c, row) != code)
                continue;
            const QString name = m_grid->value(QStringLiteral("Name"), row);
            return name.isEmpty() ? m_grid->value(QStringLiteral("Kurz"), row) : name;
        }
    }
    return QLatin1Char('[') + code + QLatin1Char(']');
}
