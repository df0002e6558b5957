#include "app/lokalini.h"
#include "app/scramble.h"
#include "app/session.h"
#include "link/requests/customerrequests.h"
#include "soapserverprocess.h"
#include "support/fakes.h"

#include <QFile>
#include <QStringEncoder>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A session of the client against a running qtx-server, on either transport.
struct Harness : FakeSeams {
    LokalIni ini{beside(u".ini"_s)};
    std::unique_ptr<Session> session;

    Harness(const SoapServerProcess& server, bool soap) {
        log.setLogFile(beside(u".log"_s));
        log.setWriteLogFile(true);
        Session::Config c;
        c.soap = soap;
        c.connectUrl = server.soapUrl();
        c.tcpHost = u"127.0.0.1"_s;
        c.tcpPort = QString::number(server.tcpPort());
        c.programFolder = dir.path();
        c.ini = &ini;
        c.connection.readTimeout = 20000;
        session = std::make_unique<Session>(Session::Seams{platform, log, dialogs, ending, clock}, c);
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

} // namespace

class TestSession : public QObject {
    Q_OBJECT
private:
    SoapServerProcess m_server;

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.error())); }

    void transports_data() {
        QTest::addColumn<bool>("soap");
        QTest::newRow("TCP") << false;
        QTest::newRow("SOAP") << true;
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
        QVERIFY(!d.suppliers.isEmpty());
        QVERIFY(d.lbLieferungscode.size() >= 3);
        const QString caption = h.session->loginCaption();
        QVERIFY2(caption.startsWith(u"Shop Online"_s + (soap ? u" [S]"_s : QString()) +
                                    u", Version 1.0.0.0 für Kunde \"10000\", Benutzer \"DEMO\" ("_s),
                 qPrintable(caption));
        QVERIFY(h.dialogs.shown.isEmpty());

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
