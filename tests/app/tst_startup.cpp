#include "app/startup.h"
#include "fakes.h"
#include "model/scramble.h"
#include "platform/logger.h"
#include "platform/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {
constexpr auto HKCU = RegistryStore::HKEY_CURRENT_USER;
const QString tenant6Key = QStringLiteral("Software\\Durnak\\QTX-Client");
const QString tenant4Key = QStringLiteral("Software\\Velkor\\QTX-Client");
const QString sharedKey = QStringLiteral("Software\\Zelmor\\QTX-Client");
} // namespace

// One start-up with test doubles in a folder of its own.
struct Harness : FakeSeams {
    std::unique_ptr<StartUp> startUp;

    QString ini() const { return beside(QStringLiteral(".ini")); }
    QString logText() const {
        QFile f(beside(QStringLiteral(".log")));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }
    void writeIni(const QString& section, const QString& key, const QString& value) const {
        LokalIni(ini()).write(section, key, value);
    }
    bool run(const QStringList& args = {}) {
        startUp = std::make_unique<StartUp>(StartUp::Seams{platform, log, dialogs, ending, clock}, args);
        return startUp->run(QRect(0, 0, 1600, 1000), QRect(0, 0, 1600, 1000));
    }
    QString reg(const QString& key, const QString& name) {
        return platform.registry().readString(HKCU, key, name);
    }
};

class TestStartUp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tenant_data() {
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("catalogId");
        QTest::addColumn<QString>("key");
        QTest::newRow("tenant 6") << QStringLiteral("QTX_MANDANT6") << 6 << 662 << tenant6Key;
        QTest::newRow("tenant 4") << QStringLiteral("QTX_MANDANT4") << 4 << 345 << tenant4Key;
        QTest::newRow("tenant 1 uses the shared key")
            << QStringLiteral("QTX_MANDANT1") << 1 << 22 << sharedKey;
        QTest::newRow("no prefix") << QStringLiteral("QTX Client") << 0 << 0 << QString();
        QTest::newRow("not a number") << QStringLiteral("QTX_MANDANTx") << 0 << 0 << QString();
        QTest::newRow("zero") << QStringLiteral("QTX_MANDANT0") << 0 << 0 << QString();
    }
    void tenant() {
        QFETCH(QString, product);
        QFETCH(int, number);
        QFETCH(int, catalogId);
        QFETCH(QString, key);
        Harness h;
        h.platform.product = product;
        QCOMPARE(h.run(), number > 0);
        if (number > 0) {
            QCOMPARE(h.startUp->tenant().number, number);
            QCOMPARE(h.startUp->tenant().catalogId, catalogId);
            QCOMPARE(h.startUp->tenant().registryKey, key);
            QCOMPARE(h.reg(key, QStringLiteral("PATH")), h.platform.exePath);
            QCOMPARE(h.reg(key, QStringLiteral("PARAMETER")), QStringLiteral("IMPORT=CCD32OL"));
            QCOMPARE(h.reg(sharedKey, QStringLiteral("ZELMOR_PATH")).isEmpty(), number != 1);
            QCOMPARE(h.startUp->hideImportGtc(), number == 6);
        } else {
            QCOMPARE(h.ending.calls.size(), 1);
            QCOMPARE(h.ending.calls.first().routine, QStringLiteral("myterminate"));
            QVERIFY(h.ending.calls.first().info.startsWith(
                QStringLiteral("OnCreate Mandant/Resource fehlerhaft ")));
            QVERIFY(h.logText().contains(QStringLiteral("OnCreate Mandant/Resource fehlerhaft ")));
        }
    }

    void sharedPathOnlyWhenEmpty() {
        Harness h;
        h.platform.registry().writeString(HKCU, sharedKey, QStringLiteral("PATH"),
                                          QStringLiteral("/opt/other"));
        QVERIFY(h.run());
        QCOMPARE(h.reg(sharedKey, QStringLiteral("PATH")), QStringLiteral("/opt/other"));

        Harness fresh;
        QVERIFY(fresh.run());
        QCOMPARE(fresh.reg(sharedKey, QStringLiteral("PATH")), fresh.platform.exePath);
        QVERIFY(fresh.logText().contains(QStringLiteral("reg_open=TRUE ") + sharedKey +
                                         QStringLiteral(" PATH=")));
    }

    void profiParameter() {
        Harness h;
        QVERIFY(h.run({QStringLiteral("IMPORT=PROFI"), QStringLiteral("KATALOGID=662")}));
        QCOMPARE(h.reg(sharedKey, QStringLiteral("PARPROFI")), QStringLiteral("IMPORT=PROFI"));
        QCOMPARE(h.reg(tenant6Key, QStringLiteral("PARAMETER")), QStringLiteral("IMPORT=PROFI"));
        QVERIFY(h.logText().contains(QStringLiteral(
            "OnCreate parameter1=\"IMPORT=PROFI\" param2=\"KATALOGID=662\" KatalogID=662 Mandant=6")));
        QVERIFY(h.logText().contains(QStringLiteral("testString (Profi?): IMPORT=PROFI")));
    }

    void forwarding_data() {
        QTest::addColumn<QString>("param2");
        QTest::addColumn<QString>("tenant4Path"); // "self" for this executable
        QTest::addColumn<bool>("forwarded");
        QTest::newRow("tenant 4 basket goes to the tenant 4 client")
            << QStringLiteral("KATALOGID=345") << QStringLiteral("/opt/velkor/qtx-client") << true;
        QTest::newRow("own catalogue stays")
            << QStringLiteral("KATALOGID=662") << QStringLiteral("/opt/velkor/qtx-client") << false;
        QTest::newRow("no tenant 4 client installed")
            << QStringLiteral("KATALOGID=345") << QString() << false;
        QTest::newRow("path is this executable")
            << QStringLiteral("KATALOGID=345") << QStringLiteral("self") << false;
        QTest::newRow("unknown catalogue")
            << QStringLiteral("KATALOGID=999") << QStringLiteral("/opt/velkor/qtx-client") << false;
    }
    void forwarding() {
        QFETCH(QString, param2);
        QFETCH(QString, tenant4Path);
        QFETCH(bool, forwarded);
        Harness h;
        const QString path = tenant4Path == QLatin1String("self") ? h.platform.exePath : tenant4Path;
        if (!path.isEmpty())
            h.platform.registry().writeString(HKCU, tenant4Key, QStringLiteral("PATH"), path);
        const QStringList args{QStringLiteral("IMPORT=CCD32OL"), param2};
        QCOMPARE(h.run(args), !forwarded);
        QCOMPARE(h.platform.opened.size(), forwarded ? 1 : 0);
        if (forwarded) {
            QCOMPARE(h.platform.opened.first().file, path);
            QCOMPARE(h.platform.opened.first().arguments, args);
            QCOMPARE(h.platform.opened.first().workingDir, QStringLiteral("/opt/velkor"));
            QCOMPARE(h.ending.calls.first().info,
                     QStringLiteral("OnCreate Aufruf IMPORT=CCD32OL KATALOGID=345"));
        }
    }

    void failedForwardingKeepsRunning() {
        Harness h;
        h.platform.shellOpenResult = false;
        h.platform.registry().writeString(HKCU, tenant4Key, QStringLiteral("PATH"),
                                          QStringLiteral("/opt/velkor/x"));
        QVERIFY(h.run({QStringLiteral("IMPORT=CCD32OL"), QStringLiteral("KATALOGID=345")}));
        QVERIFY(h.ending.calls.isEmpty());
    }

    void writeTest_data() {
        QTest::addColumn<Dialogs::Answer>("answer");
        QTest::newRow("No ends the program") << Dialogs::Answer::No;
        QTest::newRow("Yes starts without writing") << Dialogs::Answer::Yes;
    }
    void writeTest() {
        QFETCH(Dialogs::Answer, answer);
        Harness h;
        // A folder below a plain file cannot be written, not even by root.
        QFile blocker(h.dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        h.platform.exePath = h.dir.filePath(QStringLiteral("blocker/qtx-client"));
        h.dialogs.answers.enqueue(answer);
        QCOMPARE(h.run(), answer == Dialogs::Answer::Yes);
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.dialogs.shown.first().title, QStringLiteral("Schreibrechte fehlen!"));
        QCOMPARE(h.dialogs.shown.first().buttons, Dialogs::Buttons::YesNo);
        QVERIFY(h.dialogs.shown.first().text.startsWith(
            QStringLiteral("Sie haben keine Schreibrechte im aktuellen Verzeichnis\r\n\"")));
        QVERIFY(h.dialogs.shown.first().text.endsWith(
            QStringLiteral("Möchten Sie das Programm trotzdem starten?")));
        QVERIFY(!h.log.writable());
        QCOMPARE(h.ending.calls.size(), answer == Dialogs::Answer::Yes ? 0 : 1);
    }

    void readOnlyFolderAsUser() {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders; writeTest covers the path with a blocked folder");
        Harness h;
        const QString folder = h.dir.filePath(QStringLiteral("ro"));
        QVERIFY(QDir().mkpath(folder));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        h.platform.exePath = folder + QStringLiteral("/qtx-client");
        h.dialogs.answers.enqueue(Dialogs::Answer::No);
        QVERIFY(!h.run());
        QCOMPARE(h.dialogs.shown.first().title, QStringLiteral("Schreibrechte fehlen!"));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void passwordBinding_data() {
        QTest::addColumn<QString>("iniGuid");
        QTest::addColumn<QString>("registryGuid");
        QTest::addColumn<QString>("keep");
        QTest::addColumn<bool>("passwordKept");
        QTest::addColumn<bool>("autoLogin");
        const QString guid = QStringLiteral("{11111111-2222-3333-4444-555555555555}");
        const QString stripped = QStringLiteral("11111111222233334444555555555555");
        QTest::newRow("same user and machine") << stripped << guid << QStringLiteral("ON") << true << true;
        QTest::newRow("INI copied to another user")
            << stripped << QStringLiteral("{99999999-2222-3333-4444-555555555555}") << QStringLiteral("ON")
            << false << false;
        QTest::newRow("registry has no GUID yet")
            << stripped << QString() << QStringLiteral("ON") << false << false;
        QTest::newRow("saving switched off") << stripped << guid << QStringLiteral("OFF") << false << true;
    }
    void passwordBinding() {
        QFETCH(QString, iniGuid);
        QFETCH(QString, registryGuid);
        QFETCH(QString, keep);
        QFETCH(bool, passwordKept);
        QFETCH(bool, autoLogin);
        Harness h;
        h.writeIni(QStringLiteral("USER"), QStringLiteral("ID"), Scramble::storedForm(iniGuid));
        h.writeIni(QStringLiteral("USER"), StartUp::passwordKey(),
                   Scramble::storedForm(QStringLiteral("geheim")));
        h.writeIni(QStringLiteral("OPTIONS"), QStringLiteral("LOGIN_PASSWORT_SPEICHERN"), keep);
        h.writeIni(QStringLiteral("USER"), QStringLiteral("Kundennr"), QStringLiteral("10042"));
        if (!registryGuid.isEmpty())
            h.platform.registry().writeString(HKCU, tenant6Key, QStringLiteral("GUID"), registryGuid);
        QVERIFY(h.run());
        QCOMPARE(h.startUp->hasStoredPassword(), passwordKept);
        if (passwordKept)
            QCOMPARE(Scramble::readStored(h.startUp->storedPasswordScrambled()), QStringLiteral("geheim"));
        QCOMPARE(h.startUp->autoLogin(), autoLogin);
        QCOMPARE(h.startUp->settings().kundennr, QStringLiteral("10042"));
        const bool mismatch =
            Scramble::readStored(LokalIni(h.ini()).read(QStringLiteral("USER"), QStringLiteral("ID"))) !=
            h.platform.registry().readGuid(HKCU, tenant6Key, QStringLiteral("GUID"));
        QVERIFY2(!mismatch || !registryGuid.isEmpty(), "a missing registry GUID is created and bound");
        if (!autoLogin) {
            QVERIFY(h.logText().contains(QStringLiteral(" GetGUIDRegistry unterschiedlich: ")));
            QVERIFY(!LokalIni(h.ini()).contains(QStringLiteral("USER"), StartUp::passwordKey()));
        }
    }

    void legacyPasswordKeyIsReplacedByGuid() {
        Harness h;
        h.writeIni(QStringLiteral("USER"), StartUp::legacyPasswordKey(),
                   Scramble::storedForm(QStringLiteral("alt")));
        QVERIFY(h.run());
        const LokalIni ini(h.ini());
        QVERIFY(!ini.contains(QStringLiteral("USER"), StartUp::legacyPasswordKey()));
        const QString guid = h.platform.registry().readGuid(HKCU, tenant6Key, QStringLiteral("GUID"));
        QCOMPARE(guid.size(), 32);
        QCOMPARE(Scramble::readStored(ini.read(QStringLiteral("USER"), QStringLiteral("ID"))), guid);
        QVERIFY(h.logText().contains(QStringLiteral("Altes ") + StartUp::legacyPasswordKey() +
                                     QStringLiteral(" gefunden, GUID wird erzeugt ...")));
    }

    void iniBackupWithoutUserId() {
        Harness h;
        h.writeIni(QStringLiteral("USER"), QStringLiteral("Kundennr"), QStringLiteral("1"));
        QVERIFY(h.run());
        const QStringList backups =
            QDir(h.dir.filePath(QStringLiteral("Data"))).entryList({QStringLiteral("qtx-client.ini*")});
        QCOMPARE(backups, QStringList{QStringLiteral("qtx-client.ini20261210090000")});
        QVERIFY(h.logText().contains(QStringLiteral("USER-ID leer, Backup erzeugen. INI=")));
    }

    void clientIdentification_data() {
        QTest::addColumn<QString>("switchValue");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("names disguised") << QStringLiteral("ON") << QStringLiteral("VTQ3 lbsm ");
        QTest::newRow("names switched off")
            << QStringLiteral("OFF") << QStringLiteral("UNBEKANNT UNBEKANNT ");
    }
    void clientIdentification() {
        QFETCH(QString, switchValue);
        QFETCH(QString, prefix);
        Harness h;
        h.platform.env.insert(QStringLiteral("COMPUTERNAME"), QStringLiteral("WUR4"));
        h.platform.env.insert(QStringLiteral("USERNAME"), QStringLiteral("mctn"));
        h.writeIni(QStringLiteral("RUNTIME"), QStringLiteral("COMPUTERNAME"), switchValue);
        h.writeIni(QStringLiteral("RUNTIME"), QStringLiteral("WINUSER"), switchValue);
        QVERIFY(h.run());
        const QString pcGuid = h.platform.registry().readGuid(HKCU, tenant6Key, QStringLiteral("PC_GUID"));
        QCOMPARE(pcGuid.size(), 32);
        QCOMPARE(h.startUp->clientIdent(),
                 prefix + QDir::toNativeSeparators(h.dir.path()) + QLatin1Char(' ') + pcGuid);
        QCOMPARE(StartUp::disguise(QStringLiteral("!\"#AZ")), QStringLiteral("!!\"@Y"));
    }

    void sfxFolderFollowsProgramFolder() {
        Harness h;
        const QString sfx = QStringLiteral("Software\\WinRAR SFX");
        h.platform.registry().writeString(HKCU, sfx, QStringLiteral("C%%DURNAK%QTX"),
                                          QStringLiteral("C:\\alt"));
        QVERIFY(h.run());
        QCOMPARE(h.reg(sfx, QStringLiteral("C%%DURNAK%QTX")), QDir::toNativeSeparators(h.dir.path()));
    }

    void endpointsAndCaption() {
        Harness h;
        h.writeIni(QStringLiteral("RUNTIME"), QStringLiteral("SERVERIP"), QStringLiteral("localhost"));
        h.writeIni(QStringLiteral("RUNTIME"), QStringLiteral("SERVERPORT"), QStringLiteral("52"));
        QVERIFY(h.run());
        const Endpoints& e = h.startUp->endpoints();
        QVERIFY(!e.soap);
        QVERIFY(e.serverIp.isEmpty());   // no "." after the first character
        QVERIFY(e.serverPort.isEmpty()); // shorter than three characters
        QCOMPARE(e.connectUrl,
                 QStringLiteral("http://shop.durnak.example/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer"));
        QCOMPARE(e.backupUrl,
                 QStringLiteral("http://backup.durnak.example/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer"));
        QCOMPARE(e.labelHint(), QStringLiteral("IP=shop.durnak.example Port=52017"));
        QCOMPARE(h.startUp->caption(), QStringLiteral("Durnak Online, Version 7.1.8000.1"));

        Harness soap;
        soap.writeIni(QStringLiteral("RUNTIME"), QStringLiteral("IS_SOAP"), QStringLiteral("ON"));
        soap.writeIni(QStringLiteral("RUNTIME"), QStringLiteral("SERVERIP"),
                      QStringLiteral("qtx.durnak.intern"));
        soap.writeIni(QStringLiteral("RUNTIME"), QStringLiteral("CONNECT_ADR"),
                      QStringLiteral("http://127.0.0.1:8080/x"));
        QVERIFY(soap.run());
        QVERIFY(soap.startUp->endpoints().internal);
        QCOMPARE(soap.startUp->endpoints().connectUrl, QStringLiteral("http://127.0.0.1:8080/x"));
        QCOMPARE(soap.startUp->endpoints().labelHint(), QStringLiteral("SOAP_URL=http://127.0.0.1:8080/x"));
        QCOMPARE(soap.startUp->caption(), QStringLiteral("Durnak Online [S], Version 7.1.8000.1"));
    }

    void secondInstance_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("message");
        QTest::addColumn<int>("catalogId");
        QTest::newRow("plain second start") << QStringList{} << true << -1;
        QTest::newRow("catalogue hand-over")
            << QStringList{QStringLiteral("IMPORT=CCD32OL"), QStringLiteral("KATALOGID=662")} << false << 662;
        QTest::newRow("foreign catalogue is handed over too")
            << QStringList{QStringLiteral("IMPORT=CCD32OL"), QStringLiteral("KATALOGID=345")} << false << 345;
        QTest::newRow("no known catalogue") << QStringList{QStringLiteral("IMPORT=CCD32OL")} << false << 0;
    }
    void secondInstance() {
        QFETCH(QStringList, args);
        QFETCH(bool, message);
        QFETCH(int, catalogId);
        Harness first;
        QVERIFY(first.run());
        QSignalSpy imports(first.startUp->singleInstance(), &SingleInstance::importMessageReceived);

        Harness second;
        second.platform.exePath = first.platform.exePath;
        second.platform.pid = 4712;
        QVERIFY(!second.run(args));
        QCOMPARE(second.platform.terminatedWith, 1);
        QCOMPARE(second.dialogs.shown.size(), message ? 1 : 0);
        if (message) {
            QCOMPARE(second.dialogs.shown.first().title, QStringLiteral("Terminate"));
            QCOMPARE(second.dialogs.shown.first().text, QStringLiteral("Programm ist bereits aktiv!"));
        }
        const QString log = first.logText(); // both instances share the log beside the executable
        QVERIFY(log.contains(QStringLiteral("Classname=TQTXMainForm Durnak Online ProcessID=4712")));
        if (catalogId >= 0) {
            QVERIFY(log.contains(QStringLiteral("\" KatalogID=") + QString::number(catalogId) +
                                 QStringLiteral(" ProcessID=4712")));
            QVERIFY(imports.wait(2000));
            QCOMPARE(imports.first().first().toInt(), catalogId);
        }
        QVERIFY(log.contains(QStringLiteral(" Now TerminateProcess ProcessHandle=4712 ProcessID=4712")));
    }
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
