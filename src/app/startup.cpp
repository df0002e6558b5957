#include "startup.h"

#include "model/scramble.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/ending.h"
#include "platform/logger.h"
#include "platform/platform.h"
#include "platform/registrystore.h"
#include "platform/singleinstance.h"
#include "session/tenantresources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr auto HKCU = RegistryStore::HKEY_CURRENT_USER;
const QString importDefault = QStringLiteral("IMPORT=CCD32OL");
const QString importProfi = QStringLiteral("IMPORT=PROFI");

QString boolText(bool b) {
    return b ? QStringLiteral("TRUE ") : QStringLiteral("FALSE ");
}
} // namespace

StartUp::StartUp(Seams seams, const QStringList& arguments, QObject* parent)
    : QObject(parent)
    , m_s(seams)
    , m_args(arguments) {}

StartUp::~StartUp() = default;

QString StartUp::passwordKey() {
    return Scramble::scramble(QStringLiteral("PWD"));
}

QString StartUp::legacyPasswordKey() {
    return Scramble::scramble(QStringLiteral("PASSWORT"));
}

QString StartUp::disguise(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c.unicode() > 33)
            c = QChar(c.unicode() - 1);
    }
    return out;
}

QString StartUp::caption() const {
    return m_onlineName + (m_soap ? QStringLiteral(" [S]") : QString()) + QStringLiteral(", Version ") +
           m_fileVersion;
}

void StartUp::logFile(const QString& text) const {
    m_s.log.Log(0, text, 1);
}

bool StartUp::run(const QRect& workArea, const QRect& desktop) {
    // 1. Start line, straight into the log file.
    m_exePath = m_s.platform.executablePath();
    m_processId = m_s.platform.processId();
    const QFileInfo exe(m_exePath);
    m_programFolder = exe.absolutePath();
    m_basePath = exe.absolutePath() + QLatin1Char('/') + exe.completeBaseName();
    m_s.log.setLogFile(fileBeside(QStringLiteral(".log")));
    m_ini.setFileName(fileBeside(QStringLiteral(".ini")));
    m_s.log.writeStartLine(m_s.log.stampNow() + QStringLiteral(" START ") + m_exePath +
                               QStringLiteral(" CmdLine=") +
                               (QStringList{m_exePath} + m_args).join(QLatin1Char(' ')),
                           m_processId);

    // 2. Tenant.
    if (!determineTenant())
        return false;

    // 3. Transport and application title.
    TenantResources res(&m_s.log, m_s.platform.resourceRoot());
    m_soap = Endpoints::soapChosen(res, m_ini);
    m_onlineName = QStringLiteral("Shop Online");
    res.assignIfPresent(QStringLiteral("ONLINE_NAME"), m_onlineName);

    // 4.-5. Registry keys and the PROFI parameter.
    setUpRegistry();

    // 6.-7. Single instance.
    if (!EnsureSingle())
        return false;

    // 8.-9. Parameters of catalogue programs, forwarding to another tenant's client.
    if (!m_args.isEmpty()) {
        logFile(QStringLiteral("OnCreate parameter1=\"") + m_args.value(0) + QStringLiteral("\" param2=\"") +
                m_args.value(1) + QStringLiteral("\" KatalogID=") + QString::number(m_tenant.catalogId) +
                QStringLiteral(" Mandant=") + QString::number(m_tenant.number));
    }
    if (!forwardToOtherTenant())
        return false;

    // 11.-12. Registration for catalogue programs, update target folder.
    registerForCatalogues();
    syncSfxFolder();

    // 15. Connectivity check not before three minutes from now.
    m_nextConnectivityTick = m_s.clock.tickCount() + 180000;

    // 16. File version.
    m_fileVersion = m_s.platform.fileVersion(m_exePath);

    // 17. Write test.
    if (!writeTest())
        return false;

    // 18.
    m_s.log.Log(0, QStringLiteral("OnCreate INI lesen ") + m_s.log.stampNow(), -1);
    logFile(QStringLiteral("OnCreate Paramcount=") + QString::number(m_args.size()) +
            QStringLiteral(" reg_open=") + boolText(m_registryOpen) + m_registryText);

    // 19.-21. Endpoint resources, data folder, INI backup, pending import.
    readEndpointsAndDataFolder(res);
    backupIniWithoutUserId();
    m_pendingImport = m_s.platform.registry().readString(
                          HKCU, Tenant::sharedKey(), QStringLiteral("IMPORTAKTIV")) == QLatin1String("JA");

    // 26. INI keys and the stored password.
    m_settings = StartupSettings::read(m_ini, workArea, desktop);
    m_s.log.setWriteLogFile(m_settings.writeLogFile);
    bindStoredPassword();

    // 28. Machine identity and client identification.
    buildClientIdent();
    return true;
}

bool StartUp::determineTenant() {
    const QString product = m_s.platform.productName();
    m_tenant = Tenant::fromProductName(product);
    if (m_tenant.isValid())
        return true;
    const QString text =
        QStringLiteral("OnCreate Mandant/Resource fehlerhaft ") + Tenant::numberText(product);
    logFile(text);
    m_s.ending.myterminate(text, QString());
    return false;
}

void StartUp::setUpRegistry() {
    RegistryStore& reg = m_s.platform.registry();
    m_registryOpen = reg.openKey(HKCU, Tenant::sharedKey());
    if (m_tenant.number != 1 && reg.readString(HKCU, Tenant::sharedKey(), QStringLiteral("PATH")).isEmpty()) {
        reg.writeString(HKCU, Tenant::sharedKey(), QStringLiteral("PATH"), m_exePath);
        m_registryText = Tenant::sharedKey() + QStringLiteral(" PATH=") + m_exePath;
    }
    reg.openKey(HKCU, m_tenant.registryKey);
    if (m_tenant.number == 1)
        reg.writeString(HKCU, Tenant::sharedKey(), QStringLiteral("ZELMOR_PATH"), m_exePath);
    if (m_args.join(QLatin1Char(' ')).contains(importProfi)) {
        m_importParameter = importProfi;
        reg.writeString(HKCU, Tenant::sharedKey(), QStringLiteral("PARPROFI"), importProfi);
    }
}

bool StartUp::EnsureSingle() {
    m_single = std::make_unique<SingleInstance>(m_exePath);
    if (m_single->acquire())
        return true;

    const QString param1 = m_args.value(0);
    const QString param2 = m_args.value(1);
    m_s.log.writeSingleInstanceLine(QStringLiteral("Classname=TQTXMainForm ") + m_onlineName, m_processId);
    if (!param1.contains(QLatin1String("IMPORT="))) {
        m_single->sendActivate();
        m_s.dialogs.message(QStringLiteral("Terminate"), QStringLiteral("Programm ist bereits aktiv!"));
    } else {
        int catalogId = 0;
        for (const int id : {662, 345, 22}) {
            if (param2.contains(QString::number(id))) {
                catalogId = id;
                break;
            }
        }
        m_s.log.writeSingleInstanceLine(QStringLiteral("EnsureSingle parameter1=\"") + param1 +
                                            QStringLiteral("\" param2=\"") + param2 +
                                            QStringLiteral("\" KatalogID=") + QString::number(catalogId),
                                        m_processId);
        if (param1 == importProfi)
            m_importParameter = importProfi;
        m_single->sendImportMessage(catalogId, 0);
        m_single->sendActivate();
    }
    m_s.log.writeSingleInstanceLine(
        QStringLiteral(" Now TerminateProcess ProcessHandle=") + QString::number(m_processId), m_processId);
    m_s.platform.terminateProcess(1);
    return false;
}

bool StartUp::forwardToOtherTenant() {
    const QString param1 = m_args.value(0);
    const QString param2 = m_args.value(1);
    if (!param1.contains(QLatin1String("IMPORT=")) || !param2.contains(QLatin1String("KATALOGID=")))
        return true;
    logFile(QStringLiteral("testString (Profi?): ") + param1);
    if (param1 == importProfi)
        m_importParameter = importProfi;
    if (param2.contains(QString::number(m_tenant.catalogId)))
        return true;

    RegistryStore& reg = m_s.platform.registry();
    QString path;
    if (m_tenant.number == 1)
        path = reg.readString(HKCU, Tenant::sharedKey(), QStringLiteral("ZELMOR_PATH"));
    else if (param2 == QLatin1String("KATALOGID=345"))
        path = reg.readString(HKCU, Tenant::keyOfTenant(4), QStringLiteral("PATH"));
    else if (param2 == QLatin1String("KATALOGID=662"))
        path = reg.readString(HKCU, Tenant::keyOfTenant(6), QStringLiteral("PATH"));
    if (path.isEmpty() || QFileInfo(path).absoluteFilePath() == QFileInfo(m_exePath).absoluteFilePath())
        return true;
    if (!m_s.platform.shellOpen(path, {param1, param2}, QFileInfo(path).absolutePath()))
        return true;
    m_s.ending.myterminate(QStringLiteral("OnCreate Aufruf ") + param1 + QLatin1Char(' ') + param2,
                           QString());
    return false;
}

void StartUp::registerForCatalogues() {
    RegistryStore& reg = m_s.platform.registry();
    reg.writeString(HKCU, m_tenant.registryKey, QStringLiteral("PATH"), m_exePath);
    QString parameter = m_importParameter;
    if (parameter.isEmpty())
        parameter = importDefault;
    reg.writeString(HKCU, m_tenant.registryKey, QStringLiteral("PARAMETER"), parameter);
}

void StartUp::syncSfxFolder() {
    if (m_tenant.sfxValue.isEmpty())
        return;
    RegistryStore& reg = m_s.platform.registry();
    if (!reg.valueExists(HKCU, Tenant::sfxKey(), m_tenant.sfxValue))
        return;
    const QString folder = QDir::toNativeSeparators(m_programFolder);
    if (reg.readString(HKCU, Tenant::sfxKey(), m_tenant.sfxValue) != folder)
        reg.writeString(HKCU, Tenant::sfxKey(), m_tenant.sfxValue, folder);
}

bool StartUp::writeTest() {
    const QString testFile = fileBeside(QStringLiteral(".tst"));
    QFile file(testFile);
    m_writable = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write("Dummy\r\n") == 7;
    file.close();
    if (m_writable)
        m_writable = QFile::remove(testFile);
    m_s.log.setWritable(m_writable);
    if (m_writable)
        return true;
    const QString question = QStringLiteral("Sie haben keine Schreibrechte im aktuellen Verzeichnis\r\n\"") +
                             QDir::toNativeSeparators(m_programFolder) + QStringLiteral("\"!\r\n") +
                             QStringLiteral("Das Programm kann deshalb Ihre Optionen nicht speichern,\r\n") +
                             QStringLiteral("keine Updates durchführen und Ihre Daten nicht sichern.\r\n") +
                             QStringLiteral("Möchten Sie das Programm trotzdem starten?");
    if (m_s.dialogs.question(QStringLiteral("Schreibrechte fehlen!"), question) == Dialogs::Answer::Yes)
        return true;
    m_s.ending.myterminate(QStringLiteral("OnCreate Schreibrechte fehlen"), QString());
    return false;
}

void StartUp::readEndpointsAndDataFolder(TenantResources& res) {
    m_endpoints = Endpoints::read(res, m_ini);
    m_dataFolder = m_programFolder + QStringLiteral("/Data");
    if (!QDir().mkpath(m_dataFolder))
        m_dataFolder = m_programFolder;
}

void StartUp::backupIniWithoutUserId() {
    if (!m_ini.exists() || !m_ini.read(QStringLiteral("USER"), QStringLiteral("ID")).isEmpty())
        return;
    logFile(QStringLiteral("USER-ID leer, Backup erzeugen. INI=") + m_ini.fileName());
    const QString target = m_dataFolder + QLatin1Char('/') + QFileInfo(m_ini.fileName()).fileName() +
                           m_s.clock.now().toString(QStringLiteral("yyyyMMddhhmmss"));
    QFile::copy(m_ini.fileName(), target);
}

void StartUp::bindStoredPassword() {
    RegistryStore& reg = m_s.platform.registry();
    const QString user = QStringLiteral("USER");
    const QString guidName = QStringLiteral("GUID");
    QString password;
    if (m_ini.contains(user, legacyPasswordKey())) {
        logFile(QStringLiteral("Altes ") + legacyPasswordKey() +
                QStringLiteral(" gefunden, GUID wird erzeugt ..."));
        QString guid = reg.readGuid(HKCU, m_tenant.registryKey, guidName);
        if (guid.isEmpty())
            guid = reg.createGuid(HKCU, m_tenant.registryKey, guidName);
        m_ini.write(user, QStringLiteral("ID"), Scramble::storedForm(guid));
        m_ini.remove(user, legacyPasswordKey());
    } else {
        password = Scramble::readStored(m_ini.read(user, passwordKey()));
        const QString iniGuid = Scramble::readStored(m_settings.userId);
        const QString regGuid = reg.readGuid(HKCU, m_tenant.registryKey, guidName);
        if (iniGuid != regGuid) {
            logFile(iniGuid + QStringLiteral(" GetGUIDRegistry unterschiedlich: ") + regGuid);
            password.clear();
            m_ini.remove(user, passwordKey());
            if (regGuid.isEmpty()) {
                const QString guid = reg.createGuid(HKCU, m_tenant.registryKey, guidName);
                m_ini.write(user, QStringLiteral("ID"), Scramble::storedForm(guid));
            }
            m_settings.autoLogin = false;
        }
    }
    if (!m_settings.keepPassword)
        password.clear();
    m_storedPasswordScrambled = password.isEmpty() ? QString() : Scramble::storedForm(password);
}

void StartUp::buildClientIdent() {
    RegistryStore& reg = m_s.platform.registry();
    const QString name = QStringLiteral("PC_GUID");
    m_pcGuid = reg.readGuid(HKCU, m_tenant.registryKey, name);
    if (m_pcGuid.isEmpty())
        m_pcGuid = reg.createGuid(HKCU, m_tenant.registryKey, name);
    logFile(m_tenant.registryKey + QStringLiteral(" PC_GUID=") + m_pcGuid);
    const QString unknown = QStringLiteral("UNBEKANNT");
    const QString computer = m_settings.computerNameOn
                                 ? disguise(m_s.platform.environment(QStringLiteral("COMPUTERNAME")))
                                 : unknown;
    const QString winUser =
        m_settings.winUserOn ? disguise(m_s.platform.environment(QStringLiteral("USERNAME"))) : unknown;
    m_clientIdent = computer + QLatin1Char(' ') + winUser + QLatin1Char(' ') +
                    QDir::toNativeSeparators(m_programFolder) + QLatin1Char(' ') + m_pcGuid;
}
