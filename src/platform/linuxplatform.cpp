#include "linuxplatform.h"

#include "versioninfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>

#include <unistd.h>

LinuxPlatform::LinuxPlatform(const QString& registryFile)
    : m_registry(registryFile) {}

QString LinuxPlatform::environment(const QString& name) const {
    const QString value = qEnvironmentVariable(name.toLocal8Bit().constData());
    if (!value.isEmpty())
        return value;
    if (name == QLatin1String("COMPUTERNAME"))
        return QSysInfo::machineHostName();
    if (name == QLatin1String("USERNAME")) {
        const QString user = qEnvironmentVariable("USER");
        return user.isEmpty() ? qEnvironmentVariable("LOGNAME") : user;
    }
    if (name == QLatin1String("APPDATA"))
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QString();
}

bool LinuxPlatform::shellOpen(const QString& file, const QStringList& arguments, const QString& workingDir) {
    const QFileInfo info(file);
    if (info.isFile() && info.isExecutable())
        return QProcess::startDetached(file, arguments, workingDir);
    // Documents and web addresses go to the desktop's opener.
    return QProcess::startDetached(QStringLiteral("xdg-open"), QStringList{file} + arguments, workingDir);
}

QString LinuxPlatform::executablePath() const {
    return QCoreApplication::applicationFilePath();
}

qint64 LinuxPlatform::processId() const {
    return QCoreApplication::applicationPid();
}

QString LinuxPlatform::productName() const {
    return VersionInfo::productName();
}

QString LinuxPlatform::fileVersion(const QString& path) const {
    if (!QFileInfo::exists(path))
        return QStringLiteral("-1");
    // Our own executable carries the build's version; other files have none.
    if (QFileInfo(path).canonicalFilePath() == QFileInfo(executablePath()).canonicalFilePath())
        return VersionInfo::fileVersion();
    return QStringLiteral("0.0.0.0");
}

void LinuxPlatform::terminateProcess(int exitCode) {
    ::_exit(exitCode);
}
