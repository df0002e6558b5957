#include "order/ui/drafticons.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace {
QString resourcePath(const QString& name) {
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}
} // namespace

bool DraftIcons::exists(const QString& name) {
    return !name.isEmpty() && QFile::exists(resourcePath(name));
}

QPixmap DraftIcons::pixmap(const QString& name, int size) {
    const QString key = name + QLatin1Char('@') + QString::number(size);
    const auto it = m_cache.constFind(key);
    if (it != m_cache.constEnd())
        return *it;
    QPixmap pm;
    QSvgRenderer renderer(resourcePath(name));
    if (renderer.isValid() && size > 0) {
        pm = QPixmap(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        renderer.render(&p);
    }
    m_cache.insert(key, pm);
    return pm;
}
