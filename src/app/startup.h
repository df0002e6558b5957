#pragma once

#include "app/endpoints.h"
#include "app/startupsettings.h"
#include "app/tenant.h"
#include "platform/seams.h"
#include "session/lokalini.h"

#include <QObject>
#include <QRect>
#include <QStringList>

#include <memory>

class Clock;
class Dialogs;
class Ending;
class Logger;
class Platform;
class SingleInstance;
class TenantResources;

// What the main window's creation handler does before any window is shown:
// tenant, registry, single instance, forwarding of catalogue calls, write
// test, INI, endpoints and the stored password. The window applies the
// results to its controls.
class StartUp : public QObject {
    Q_OBJECT
public:
    using Seams = ClientSeams;

    // arguments: the command-line parameters without the program name.
    StartUp(Seams seams, const QStringList& arguments, QObject* parent = nullptr);
    ~StartUp() override;

    // Runs every step in order; false when the program (or this instance) ends.
    bool run(const QRect& workArea, const QRect& desktop);

    // Results.
    const Tenant& tenant() const { return m_tenant; }
    QString onlineName() const { return m_onlineName; }
    QString executablePath() const { return m_exePath; }
    QString programFolder() const { return m_programFolder; }
    QString dataFolder() const { return m_dataFolder; }
    QString fileVersion() const { return m_fileVersion; }
    // A file beside the executable with the given extension (".ini", ".cnt", ...).
    QString fileBeside(const QString& extension) const { return m_basePath + extension; }
    bool writable() const { return m_writable; }
    bool hideImportGtc() const { return m_tenant.number == 6; }
    QString importParameter() const { return m_importParameter; }
    bool pendingImport() const { return m_pendingImport; }
    const StartupSettings& settings() const { return m_settings; }
    const Endpoints& endpoints() const { return m_endpoints; }
    const LokalIni& ini() const { return m_ini; }
    QString pcGuid() const { return m_pcGuid; }
    QString clientIdent() const { return m_clientIdent; }
    QString caption() const;
    qint64 nextConnectivityCheckTick() const { return m_nextConnectivityTick; }

    // Stored password (scrambled form kept in memory), the "***" rule.
    bool hasStoredPassword() const { return !m_storedPasswordScrambled.isEmpty(); }
    QString storedPasswordScrambled() const { return m_storedPasswordScrambled; }
    bool autoLogin() const { return m_settings.autoLogin; }

    // The lock and hand-over channel of this (first) instance.
    SingleInstance* singleInstance() const { return m_single.get(); }

    static QString disguise(const QString& text);
    // INI key names of the stored password and of its predecessor.
    static QString passwordKey();
    static QString legacyPasswordKey();

private:
    bool determineTenant();
    void setUpRegistry();
    bool EnsureSingle();
    bool forwardToOtherTenant();
    void registerForCatalogues();
    void syncSfxFolder();
    bool writeTest();
    void readEndpointsAndDataFolder(TenantResources& res);
    void backupIniWithoutUserId();
    void bindStoredPassword();
    void buildClientIdent();
    void logFile(const QString& text) const;

    Seams m_s;
    QStringList m_args;
    std::unique_ptr<SingleInstance> m_single;
    Tenant m_tenant;
    LokalIni m_ini;
    StartupSettings m_settings;
    Endpoints m_endpoints;
    QString m_exePath;
    QString m_programFolder;
    QString m_basePath;
    QString m_dataFolder;
    QString m_onlineName;
    QString m_fileVersion;
    QString m_importParameter;
    QString m_registryText;
    QString m_pcGuid;
    QString m_clientIdent;
    QString m_storedPasswordScrambled;
    qint64 m_processId = 0;
    qint64 m_nextConnectivityTick = 0;
    bool m_soap = false;
    bool m_writable = true;
    bool m_registryOpen = false;
    bool m_pendingImport = false;
};
