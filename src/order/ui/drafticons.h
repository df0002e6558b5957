#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

// The grid's images, drawn once per size from the SVG resources and kept:
// painting thousands of rows must not parse SVG again.
class DraftIcons {
public:
    // Null pixmap for an unknown name.
    QPixmap pixmap(const QString& name, int size);
    static bool exists(const QString& name);

private:
    QHash<QString, QPixmap> m_cache;
};
