#pragma once

#include <QString>

class StringGrid;

// The supplier name of a code, looked up in the supplier grid
// (sgEinspeiser) by its "Code", "Name" and "Kurz" columns.
class SupplierNames {
public:
    SupplierNames() = default;
    explicit SupplierNames(const StringGrid* grid)
        : m_grid(grid) {}

    // "[" code "]" unless the code is listed: then its name, or its short
    // name when the name is empty.
    QString name(const QString& code) const;

private:
    const StringGrid* m_grid = nullptr;
};
