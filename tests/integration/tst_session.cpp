#include "link/requests/customerrequests.h"
#include "model/scramble.h"
#include "serversession.h"
#include "session/lokalini.h"
#include "session/session.h"
#include "session/tenantlibrary.h"
#include "soapserverprocess.h"
#include "support/fakes.h"
#include "support/recordingservices.h"
#include "transportrows.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A session of the client against a running qtx-server, on either transport.
struct Harness : FakeSeams {
    LokalIni ini{beside(u".ini"_s)};
    RecordingServices recorder;
    ClientServices services = recorder.services();
    std::unique_ptr<Session> session;

    Harness(const SoapServerProcess& server, bool soap,
            const std::function<void(Session::Config&)>& tweak = {}) {
        log.setLogFile(beside(u".log"_s));
        log.setWriteLogFile(true);
        Session::Config c = serverSessionConfig(server, soap, dir.path(), &ini);
        if (tweak)
            tweak(c);
        session =
            std::make_unique<Session>(Session::Seams{platform, log, dialogs, ending, clock}, c, services);
    }
    bool login(const QString& kdnr, const QString& user, const QString& password,
               const QString& storedHash = {}) {
        return session->login({kdnr, user, password, storedHash});
    }
    QString shown() const {
        QStringList texts;
        for (const auto& s : dialogs.shown)
            texts << s.text;
        return texts.join(u" | "_s);
    }
    QByteArray file(const QString& extension) const {
        QFile f(beside(extension));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The log is written in the ANSI code page, the INI in UTF-8: look for both.
    bool holds(const QString& extension, const QString& text) const {
        const QByteArray bytes = file(extension);
        QStringEncoder ansi("windows-1252");
        const QByteArray encoded = ansi.encode(text);
        return bytes.contains(text.toUtf8()) || bytes.contains(encoded);
    }
};

const QString libraryPath = QStringLiteral(QTX_TENANT_LIBRARY_DIR "/6/DurnakResource.dll");

// Writes user options for a demo user through a login of its own.
bool writeOptions(const SoapServerProcess& server, const QString& kdnr, const QString& user,
                  const QString& password, const QList<TBenutzerOption>& pairs) {
    Harness setup(server, true);
    return setup.login(kdnr, user, password) &&
           MyWriteBenutzerOptions(setup.session->link(), QString(), QString(), pairs).ok();
}

} // namespace

class TestSession : public QObject {
    Q_OBJECT
private:
    SoapServerProcess m_server;

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.error())); }

    void transports_data() { addTransportRows(); }

    // A primary address nobody answers on: the connectivity check must not end
    // the program before the first contact could switch to the backup.
    void deadPrimarySwitchesToTheBackup() {
        const QString dead = deadSoapUrl();
        Harness h(m_server, true, [&](Session::Config& c) {
            c.backupUrl = c.connectUrl;
            c.connectUrl = dead;
        });
        QVERIFY2(h.login(u"10000"_s, u"DEMO"_s, u"demo"_s), qPrintable(h.shown()));
        QVERIFY(h.session->loggedIn());
        QVERIFY(h.ending.calls.isEmpty());
        QVERIFY(h.holds(u".log"_s, u"Alternativ-Service:"_s + m_server.soapUrl()));
        QCOMPARE(h.session->connectivityUrl(), m_server.soapUrl());
    }

    // After the switch to the backup the requests go there too, even when
    // get_connection names another address (here the dead primary, as a
    // server behind a balancer names the public one).
    void requestsFollowTheBackup() {
        const QString dead = deadSoapUrl();
        SoapServerProcess backup;
        QVERIFY2(backup.start({u"--request-url"_s, dead}), qPrintable(backup.error()));
        Harness h(backup, true, [&](Session::Config& c) {
            c.backupUrl = c.connectUrl;
            c.connectUrl = dead;
        });
        QVERIFY2(h.login(u"10000"_s, u"DEMO"_s, u"demo"_s), qPrintable(h.shown()));
        QVERIFY(h.holds(u".log"_s, u"SOAP-URL="_s + backup.soapUrl()));
        QVERIFY(!h.session->customerData().LAdr.isEmpty());
    }

    void passwordLogin_data() { transports_data(); }
    void passwordLogin() {
        QFETCH(bool, soap);
        Harness h(m_server, soap);
        QVERIFY2(h.login(u"10000"_s, u"DEMO"_s, u"demo"_s), qPrintable(h.shown()));
        QVERIFY(h.session->loggedIn());
        QVERIFY(h.session->firstContactDone());
        QVERIFY(h.session->firstContactTrace().startsWith(u"_EC=1 "_s));
        QVERIFY(h.session->firstContactTrace().contains(u"GET_CONNECT L=0 "_s));
        QCOMPARE(h.session->lastLoginMode(), u"0"_s);
        const CustomerData& d = h.session->customerData();
        QCOMPARE(d.loaded, (QStringList{u"Debitor"_s, u"Lieferadressen"_s, u"Filialen"_s,
                                        u"Lieferungscodes"_s, u"Einspeiser"_s}));
        QCOMPARE(d.customer.NUMMER, u"10000"_s);
        QVERIFY(!d.LAdr.isEmpty());
        QVERIFY(!d.branches.isEmpty());
        QCOMPARE(d.lbFiliale.size(), d.branches.size());
        QVERIFY(!d.deliveryCodes.isEmpty());
        QVERIFY(d.lbLieferungscode.size() >= 3);
        QVERIFY(h.session->einspeiser().rowCount() > 1);
        QCOMPARE(h.session->einspeiser().column(u"Code"_s), 0);
        QCOMPARE(h.session->einspeiser().column(u"Name"_s), 1);
        const QString caption = h.session->loginCaption();
        QVERIFY2(caption.startsWith(u"Shop Online"_s + (soap ? u" [S]"_s : QString()) +
                                    u", Version 1.0.0.0 für Kunde \"10000\", Benutzer \"DEMO\" ("_s),
                 qPrintable(caption));
        QVERIFY2(h.dialogs.shown.isEmpty(), qPrintable(h.shown()));

        // The password never lands in clear in the log or the INI file.
        const QByteArray ini = h.file(u".ini"_s);
        const QByteArray log = h.file(u".log"_s);
        QVERIFY(ini.contains("[USER]"));
        QVERIFY(!log.isEmpty());
        QVERIFY(!h.holds(u".ini"_s, u"demo"_s));
        QVERIFY(!h.holds(u".log"_s, u"demo"_s));
        // The hash is kept, but only scrambled.
        const QString hash = h.session->user().BENU_PASSWORDHASH;
        QVERIFY(!hash.isEmpty());
        QVERIFY(!ini.contains(hash.toLatin1()));
        QCOMPARE(h.ini.read(u"USER"_s, u"HASH"_s), Scramble::storedForm(hash));

        h.session->do_DisConnect(false, false);
        QVERIFY(!h.session->loggedIn());
        QVERIFY(h.ending.calls.isEmpty());
        if (soap) {
            QVERIFY(!h.holds(u".log"_s, u"QUITID"_s));
            QVERIFY(h.holds(u".log"_s, u"do_DisConnect _Soap_methode: kein Disconnect nötig"_s));
        } else {
            QVERIFY(h.file(u".log"_s).contains("do_DisConnect SendCmd QUITID"));
            QVERIFY(!h.session->client().isConnected());
            QVERIFY(h.holds(u".log"_s, u"OnConnected Client am Server \"127.0.0.1:"_s));
            QVERIFY(h.holds(u".log"_s, u"OnDisconnected "_s));
            QVERIFY(h.holds(u".log"_s, u"Status=4 (3/4=hsdisconnect)"_s));
            QVERIFY(!h.session->firstContactDone());
        }
    }

    void hashLogin_data() { transports_data(); }
    void hashLogin() {
        QFETCH(bool, soap);
        QString hash;
        {
            Harness first(m_server, soap);
            QVERIFY(first.login(u"10001"_s, u"JÜRGEN"_s, u"Grüße€1"_s));
            hash = first.session->user().BENU_PASSWORDHASH;
            QVERIFY(!hash.isEmpty());
        }
        // "***" with a stored hash: only mode "1" with the hash can succeed.
        Harness h(m_server, soap);
        QVERIFY2(h.login(u"10001"_s, u"JÜRGEN"_s, u"***"_s, hash), qPrintable(h.shown()));
        QCOMPARE(h.session->lastLoginMode(), u"1"_s);
        QVERIFY(h.file(u".log"_s).contains("ILogin2 mit HASH"));
        // A newly typed password is sent with mode "0" even though a hash is stored.
        h.session->do_DisConnect(false, false);
        QVERIFY(h.login(u"10001"_s, u"JÜRGEN"_s, u"Grüße€1"_s, u"not-the-hash"_s));
        QCOMPARE(h.session->lastLoginMode(), u"0"_s);
        QVERIFY(h.session->loggedIn());
        QVERIFY(!h.holds(u".log"_s, u"Grüße€1"_s));
        QVERIFY(!h.holds(u".ini"_s, u"Grüße€1"_s));
    }

    // A fresh demo database: every demo user has the administration option
    // (off), so the login shows no box; the supplier grid takes its header
    // row from the server.
    void demoLoginShowsNoBox_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::newRow("TCP, DEMO") << false << u"DEMO"_s << u"demo"_s;
        QTest::newRow("SOAP, DEMO") << true << u"DEMO"_s << u"demo"_s;
        QTest::newRow("TCP, CHEF") << false << u"CHEF"_s << u"chef"_s;
    }
    void demoLoginShowsNoBox() {
        QFETCH(bool, soap);
        QFETCH(QString, user);
        QFETCH(QString, password);
        SoapServerProcess server;
        QVERIFY2(server.start(), qPrintable(server.error()));
        Harness h(server, soap);
        QVERIFY2(h.login(u"10000"_s, user, password), qPrintable(h.shown()));
        QVERIFY2(h.dialogs.shown.isEmpty(), qPrintable(h.shown()));
        QVERIFY(!h.session->adminMode());
        const StringGrid& suppliers = h.session->einspeiser();
        QCOMPARE(suppliers.column(u"Kurz"_s), 2);
        QCOMPARE(suppliers.column(u"Mini"_s), 3);
        QCOMPARE(suppliers.column(u"Micro"_s), 4);
        QVERIFY(suppliers.rowCount() > 5);
        QCOMPARE(suppliers.value(u"Code"_s, 1), u"E001"_s);
    }

    void wrongPassword_data() { transports_data(); }
    void wrongPassword() {
        QFETCH(bool, soap);
        Harness h(m_server, soap);
        QVERIFY(!h.login(u"10000"_s, u"DEMO"_s, u"falsch"_s));
        QVERIFY(!h.session->loggedIn());
        QVERIFY2(h.shown().contains(u"Login ist gescheitert: \r\nErrorCode="_s), qPrintable(h.shown()));
        QVERIFY(h.ending.calls.isEmpty());
        // The program goes on: the right password logs in afterwards.
        QVERIFY(h.login(u"10000"_s, u"DEMO"_s, u"demo"_s));
    }

    void failingDeliveryCodes_data() { transports_data(); }
    void failingDeliveryCodes() {
        QFETCH(bool, soap);
        SoapServerProcess server;
        QVERIFY2(server.start({u"--fault"_s, u"152:error=Lieferungscodes gesperrt"_s}),
                 qPrintable(server.error()));
        Harness h(server, soap);
        QVERIFY(!h.login(u"10000"_s, u"DEMO"_s, u"demo"_s));
        QVERIFY(!h.session->loggedIn());
        QCOMPARE(h.session->customerData().loaded,
                 (QStringList{u"Debitor"_s, u"Lieferadressen"_s, u"Filialen"_s}));
        QVERIFY2(h.shown().contains(u"Lieferungscodes gesperrt"_s), qPrintable(h.shown()));
    }

    void countingOption_data() { transports_data(); }
    void countingOption() {
        QFETCH(bool, soap);
        Harness h(m_server, soap);
        QVERIFY(h.login(u"10002"_s, u"LAGER"_s, u"lager"_s));
        const QString counter = soap ? u"_COUNTER_SOAP"_s : u"_COUNTER_TCP"_s;
        QCOMPARE(h.session->read_inkrement(counter, QString()), u"1"_s);
        QCOMPARE(h.session->read_inkrement(counter, QString()), u"2"_s);
        const QString list = counter + u"_LISTE"_s;
        QCOMPARE(h.session->read_inkrement(list, u"OC 47"_s), u"OC 47"_s);
        QCOMPARE(h.session->read_inkrement(list, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"_s),
                 u"OC 47;ABCDEFGHIJKLMNOPQRSTUVWXY"_s);
    }

    void zielanwendungRefuses() {
        SoapServerProcess server;
        QVERIFY2(server.start(), qPrintable(server.error()));
        {
            Harness setup(server, true);
            QVERIFY(setup.login(u"10000"_s, u"CHEF"_s, u"chef"_s));
            QVERIFY(MyWriteBenutzerOptions(setup.session->link(), QString(), QString(),
                                           {{u"ZIELANWENDUNG"_s, u"WEBSHOP"_s}})
                        .ok());
        }
        Harness h(server, false);
        QVERIFY(!h.login(u"10000"_s, u"CHEF"_s, u"chef"_s));
        QVERIFY(!h.session->loggedIn());
        QCOMPARE(h.ending.calls.size(), 1);
        QCOMPARE(
            h.ending.calls.first().text,
            u"Ungültiger Benuzter für Zielanwendung=WEBSHOP\r\nBitte verwenden Sie anderen Benutzerzugang"_s);
        // Another user of the same customer is not affected.
        Harness other(server, false);
        QVERIFY(other.login(u"10000"_s, u"DEMO"_s, u"demo"_s));
    }

    // The tenant library is fetched when missing or stale and taken as it is
    // when its version is the announced one.
    void tenantLibrary_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<bool>("stale");
        QTest::newRow("TCP, missing") << false << false;
        QTest::newRow("SOAP, missing") << true << false;
        QTest::newRow("TCP, stale file") << false << true;
    }
    void tenantLibrary() {
        QFETCH(bool, soap);
        QFETCH(bool, stale);
        SoapServerProcess server;
        QVERIFY2(server.start({u"--add-file"_s, u"RESOURCE/MANDANT6/DURNAK.DLL="_s + libraryPath}),
                 qPrintable(server.error()));
        Harness h(server, soap);
        const QString target = QDir(h.dir.path()).filePath(u"DurnakResource.dll"_s);
        if (stale) {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an old library of another kind");
        }
        QVERIFY2(h.login(u"10000"_s, u"DEMO"_s, u"demo"_s), qPrintable(h.shown()));
        QVERIFY(h.holds(u".log"_s, u"Jetzt Resource-DLL prüfen:"_s));
        QVERIFY(h.holds(u".log"_s, u" SOAPgetFile URL="_s));
        QVERIFY(h.session->tenantLibraryLoaded());
        QCOMPARE(TenantLibrary::version(target), u"1.0.0.0"_s);
        const TenantTexts& t = h.session->tenantTexts();
        QVERIFY(t.edvAnrufen.startsWith(u"Bitte rufen Sie"_s));
        // The library's logo stands in while the customer has none.
        QVERIFY(!t.logoKlein.isEmpty());
        QCOMPARE(h.session->phoneOnlyText(),
                 u"Artikel ist nur telefonisch bestellbar, bitte anrufen:\r\n"_s + t.hotline);
        QVERIFY2(h.dialogs.shown.isEmpty(), qPrintable(h.shown()));

        // The next login finds the right version and fetches nothing.
        h.session->do_DisConnect(false, false);
        QFile::remove(h.beside(u".log"_s));
        QVERIFY(h.login(u"10000"_s, u"DEMO"_s, u"demo"_s));
        QVERIFY(h.holds(u".log"_s, u"Resource-DLL existiert. "_s + target));
        QVERIFY(!h.holds(u".log"_s, u" SOAPgetFile URL="_s));
        QVERIFY(h.session->tenantLibraryLoaded());
    }

    // A server without the library: the login goes on without its texts.
    void tenantLibraryMissingOnServer() {
        Harness h(m_server, false);
        QVERIFY(h.login(u"10000"_s, u"DEMO"_s, u"demo"_s));
        QVERIFY(!h.session->tenantLibraryLoaded());
        QVERIFY(!QFile::exists(QDir(h.dir.path()).filePath(u"DurnakResource.dll"_s)));
        QVERIFY(h.session->loggedIn());
    }

    void adminOption_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("adminMode");
        QTest::newRow("on") << u"1"_s << true;
        QTest::newRow("off") << u"0"_s << false;
        QTest::newRow("other text is off") << u"ja"_s << false;
    }
    void adminOption() {
        QFETCH(QString, value);
        SoapServerProcess server;
        QVERIFY2(server.start(), qPrintable(server.error()));
        QVERIFY(writeOptions(server, u"10000"_s, u"DEMO"_s, u"demo"_s, {{u"ADMIN_MODUS"_s, value}}));
        Harness h(server, false);
        QVERIFY(h.login(u"10000"_s, u"DEMO"_s, u"demo"_s));
        QTEST(h.session->adminMode(), "adminMode");
        // With the option set, no box about a missing entry.
        QVERIFY2(h.dialogs.shown.isEmpty(), qPrintable(h.shown()));
    }

    // Step 18 comes before the customer's data and only on the first login
    // of the run; the Login-Info entry follows the draft order every time,
    // then the pending import and the price-file information.
    void servicesAfterLogin() {
        Harness h(m_server, false);
        QVERIFY(h.login(u"10000"_s, u"DEMO"_s, u"demo"_s));
        h.session->do_DisConnect(false, false);
        QVERIFY(h.login(u"10000"_s, u"DEMO"_s, u"demo"_s));
        const QStringList once{u"loadOrderDeadlines"_s, u"loadDraftOrder"_s, u"loginInfo(0)"_s,
                               u"startPendingImport"_s, u"readPriceFileInfo"_s};
        QCOMPARE(h.recorder.calls, QStringList{u"programLogin"_s} + once + once);
    }

    void branchesAndLocalOptions() {
        SoapServerProcess server;
        QVERIFY2(server.start(), qPrintable(server.error()));
        Harness h(server, true);
        h.ini.write(u"OPTIONS"_s, u"FILIALPRIORITAET"_s, u"Zuletzt_eingegeben"_s);
        QVERIFY(h.login(u"10001"_s, u"JÜRGEN"_s, u"Grüße€1"_s));
        // Tenant 6: F03 serves night express and parcel service; the user keeps its own branch.
        QCOMPARE(h.session->defaultBranch(), u"F03"_s);
        QCOMPARE(h.session->connectionBranch(), u"F15"_s);
        QCOMPARE(h.session->customerData().customer.FILIALE, u"F15"_s);
        QVERIFY(h.session->lastEnteredBranchPriority());

        // The first login on this machine leaves READ_FIRST_TIME on the server, once.
        const QString first = h.ini.read(u"OPTIONS"_s, u"READ_FIRST_TIME"_s);
        QVERIFY(!first.isEmpty());
        QList<TBenutzerOption> read;
        QVERIFY(MyReadBenutzerOptions(h.session->link(), u"0"_s, QString(), read).ok());
        QCOMPARE(UserOptions(read).value(u"READ_FIRST_TIME"_s), first);
        QVERIFY(MyWriteBenutzerOptions(h.session->link(), QString(), QString(),
                                       {{u"READ_FIRST_TIME"_s, u"vorher"_s}})
                    .ok());
        h.session->do_DisConnect(false, false);
        h.ini.write(u"OPTIONS"_s, u"FILIALPRIORITAET"_s, u"KUNDENFILIALE"_s);
        QVERIFY(h.login(u"10001"_s, u"JÜRGEN"_s, u"Grüße€1"_s));
        QVERIFY(MyReadBenutzerOptions(h.session->link(), u"0"_s, QString(), read).ok());
        QCOMPARE(UserOptions(read).value(u"READ_FIRST_TIME"_s), u"vorher"_s);
        QVERIFY(!h.session->lastEnteredBranchPriority());
    }

    // tPing paces TCP requests: with PING on, a request after the interval ran
    // out waits 1000 ms first; disconnects stop the timer.
    void keepAlive_data() {
        QTest::addColumn<bool>("forbidDisconnect");
        QTest::addColumn<bool>("ping");
        QTest::newRow("DISCONNECT_ERLAUBT OFF, PING On") << true << true;
        QTest::newRow("idle disconnect allowed") << false << false;
    }
    void keepAlive() {
        QFETCH(bool, forbidDisconnect);
        SoapServerProcess server;
        QVERIFY2(server.start(), qPrintable(server.error()));
        QVERIFY(writeOptions(server, u"10002"_s, u"LAGER"_s, u"lager"_s,
                             {{u"DISCONNECT_ERLAUBT"_s, forbidDisconnect ? u"OFF"_s : u"ON"_s},
                              {u"PING"_s, u"On"_s},
                              {u"PING_INTERVAL"_s, u"200"_s},
                              {u"IDLE_DISCONNECT"_s, u"5000"_s}}));
        Harness h(server, false);
        QList<int>& pauses = h.clock.pauses;
        QVERIFY(h.login(u"10002"_s, u"LAGER"_s, u"lager"_s));
        QTEST(h.session->connection().ping, "ping");
        QCOMPARE(h.session->connection().idleTime, 180000);
        QCOMPARE(h.session->bracket().tPing().interval(), 200);
        QCOMPARE(h.ini.read(u"RUNTIME"_s, u"PING_INTERVAL"_s), u"200"_s);
        QCOMPARE(h.ini.read(u"OPTIONS"_s, u"PING"_s), u"On"_s);
        QVERIFY(h.session->bracket().tPing().isActive());
        pauses.clear();

        // Within the interval: no wait.
        QCOMPARE(h.session->read_inkrement(u"_COUNTER_PING"_s, QString()), u"1"_s);
        QVERIFY(pauses.isEmpty());
        // After it ran out: one wait of a second, only with the keep-alive on.
        QTRY_VERIFY(!h.session->bracket().tPing().isActive());
        QCOMPARE(h.session->read_inkrement(u"_COUNTER_PING"_s, QString()), u"2"_s);
        QCOMPARE(pauses, forbidDisconnect ? QList<int>{1000} : QList<int>{});

        h.session->do_DisConnect(false, false);
        QVERIFY(!h.session->bracket().tPing().isActive());
    }

    // do_DisConnect with terminate ends through the ending routine, saving when asked.
    void disconnectTerminate_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<bool>("closedBefore");
        QTest::addColumn<bool>("mitsave");
        QTest::addColumn<int>("showMessage");
        QTest::addColumn<QString>("text");
        const QString bye = u"Disconnect: Programm wird beendet!"_s;
        const QString lost = u"Verbindung zum Server wurde unterbrochen.\r\nBitte Programm neu starten."_s;
        QTest::newRow("TCP, saving") << false << false << true << 2 << bye;
        QTest::newRow("TCP, without save") << false << false << false << 2 << bye;
        QTest::newRow("TCP, few messages") << false << false << true << 1 << QString();
        QTest::newRow("TCP, connection already gone") << false << true << true << 2 << lost;
        QTest::newRow("SOAP") << true << false << true << 2 << bye;
    }
    void disconnectTerminate() {
        QFETCH(bool, soap);
        QFETCH(bool, closedBefore);
        QFETCH(bool, mitsave);
        QFETCH(int, showMessage);
        Harness h(m_server, soap, [&](Session::Config& c) { c.showMessage = showMessage; });
        QVERIFY(h.login(u"10000"_s, u"DEMO"_s, u"demo"_s));
        if (closedBefore)
            h.session->client().disconnectFromServer();
        h.session->do_DisConnect(mitsave, true);
        QVERIFY(!h.session->loggedIn());
        QCOMPARE(h.ending.calls.size(), 1);
        QCOMPARE(h.ending.calls.first().routine, u"SetTerminateTimeout_halt"_s);
        QTEST(h.ending.calls.first().text, "text");
        QCOMPARE(h.ending.calls.first().save, mitsave);
        if (!soap && !closedBefore)
            QVERIFY(h.holds(u".log"_s, u"do_DisConnect SendCmd QUITID"_s));
        if (closedBefore)
            QVERIFY(h.holds(u".log"_s, u"do_DisConnect Client.Connected=false, setTerminate follows:"_s));
    }

    void blockedCustomer_data() { transports_data(); }
    void blockedCustomer() {
        QFETCH(bool, soap);
        Harness h(m_server, soap);
        QVERIFY(!h.login(u"10003"_s, u"SPERRE"_s, u"sperre"_s));
        QVERIFY(!h.session->loggedIn());
        QVERIFY(!h.dialogs.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
