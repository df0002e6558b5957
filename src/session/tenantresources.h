#pragma once

#include <QByteArray>
#include <QString>

class Logger;

// Raw data resources of the executable (name, logo, endpoints), compiled in
// from resources/tenant/<N>. Missing or empty resources leave the caller's
// value unchanged.
class TenantResources {
public:
    explicit TenantResources(Logger* log = nullptr, const QString& root = QStringLiteral(":/tenant/"))
        : m_log(log)
        , m_root(root) {}

    QByteArray data(const QString& name, bool* found = nullptr) const;
    // ANSI text of a resource.
    QString text(const QString& name, bool* found = nullptr) const;
    // Overwrites target only when the resource exists and is not empty.
    void assignIfPresent(const QString& name, QString& target) const;

private:
    Logger* m_log;
    QString m_root;
};
