#pragma once

#include <QString>
#include <QStringList>

class RegistryStore;

// Services the client takes from the operating system: registry, environment,
// version resources, shell "open" and process control. LinuxPlatform is the
// real one; tests pass a double.
class Platform {
public:
    virtual ~Platform() = default;

    virtual RegistryStore& registry() = 0;

    // Environment variables with the Windows names the client reads
    // (COMPUTERNAME, USERNAME, APPDATA); empty when unknown.
    virtual QString environment(const QString& name) const = 0;

    // Shell "open": starts a program or opens a document. Returns false when
    // nothing could be started.
    virtual bool shellOpen(const QString& file, const QStringList& arguments, const QString& workingDir) = 0;

    virtual QString executablePath() const = 0;
    virtual qint64 processId() const = 0;

    // Version resource of the running executable.
    virtual QString productName() const = 0;
    // Where the executable's data resources (name, logo, endpoints of the
    // tenant) are found: a folder path ending in "/".
    virtual QString resourceRoot() const { return QStringLiteral(":/tenant/"); }
    // "%d.%d.%d.%d" of a file, "-1" when the file is missing.
    virtual QString fileVersion(const QString& path) const = 0;

    // Ends the own process at once (TerminateProcess). Does not return in the
    // real implementation.
    virtual void terminateProcess(int exitCode) = 0;
};
