#pragma once

#include "platform.h"
#include "registrystore.h"

// The platform services on Linux.
class LinuxPlatform final : public Platform {
public:
    // Empty registry file: RegistryStore::defaultFileName().
    explicit LinuxPlatform(const QString& registryFile = QString());

    RegistryStore& registry() override { return m_registry; }
    QString environment(const QString& name) const override;
    bool shellOpen(const QString& file, const QStringList& arguments, const QString& workingDir) override;
    QString executablePath() const override;
    qint64 processId() const override;
    QString productName() const override;
    QString fileVersion(const QString& path) const override;
    void terminateProcess(int exitCode) override;

private:
    RegistryStore m_registry;
};
