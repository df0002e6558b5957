#include "tenantresources.h"

#include "platform/logger.h"

#include <QFile>
#include <QStringDecoder>

QByteArray TenantResources::data(const QString& name, bool* found) const {
    QFile file(m_root + name);
    if (!file.exists()) {
        if (m_log)
            m_log->Log(0, QStringLiteral("resource fehlt:") + name, 1);
        if (found)
            *found = false;
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (m_log)
            m_log->Log(
                0, QStringLiteral("Exception ") + file.errorString() + QStringLiteral(" Resource=") + name,
                1);
        if (found)
            *found = false;
        return {};
    }
    if (found)
        *found = true;
    return file.readAll();
}

QString TenantResources::text(const QString& name, bool* found) const {
    QStringDecoder ansi("windows-1252");
    return ansi.decode(data(name, found));
}

void TenantResources::assignIfPresent(const QString& name, QString& target) const {
    bool found = false;
    const QString value = text(name, &found);
    if (found && !value.isEmpty())
        target = value;
}
