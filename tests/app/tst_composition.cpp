// The client as main.cpp builds it, against qtx-server: what reaches where
// through the composition root. Each case is a call between subsystems that
// a test could once wire by hand while the program itself never did.

#include "clientrig.h"

#include "app/endingroutines.h"
#include "app/startup.h"
#include "link/requests/draftrequests.h"
#include "link/serverlink.h"
#include "link/tcpconnection.h"
#include "model/linevalues.h"
#include "order/ui/draftgridview.h"
#include "platform/logger.h"
#include "serversession.h"
#include "services/notbuilt.h"
#include "session/lokalini.h"
#include "session/session.h"
#include "transportrows.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

QString dbValue(const SoapServerProcess& server, const QString& sql, const QStringList& binds = {},
                bool* ok = nullptr) {
    return ClientRig::serverSql(server, sql, binds, ok);
}

// The build's tenant resources laid out in a folder, with some of them
// replaced; the folder path for FakePlatform::resources.
QString tenantResources(const QString& folder, const QHash<QString, QByteArray>& replaced) {
    QDir().mkpath(folder);
    const QDir builtIn(u":/tenant"_s);
    for (const QString& name : builtIn.entryList(QDir::Files)) {
        QFile in(builtIn.filePath(name));
        QFile out(folder + u'/' + name);
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
            return {};
        out.write(replaced.value(name, in.readAll()));
    }
    return folder + u'/';
}

} // namespace

class TestComposition : public QObject {
    Q_OBJECT
private:
    SoapServerProcess m_server;

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.error())); }

    // The primary address is dead: the first contact moves to the backup of
    // the tenant's resources, and every request after it goes there too,
    // even though get_connection names the dead primary.
    void requestsFollowTheBackup() {
        const QString dead = deadSoapUrl();
        SoapServerProcess backup;
        QVERIFY2(backup.start({u"--request-url"_s, dead}), qPrintable(backup.error()));
        ClientRig c(backup, true);
        c.writeIni(u"RUNTIME"_s, u"CONNECT_ADR"_s, dead);
        c.platform.resources = tenantResources(
            c.dir.filePath(u"resources"_s),
            {{u"SOAP_EXTERN2"_s, u"http://127.0.0.1:%1"_s.arg(backup.soapPort()).toLatin1()}});
        QVERIFY(!c.platform.resources.isEmpty());
        QVERIFY(c.start());
        QVERIFY2(c.login(), qPrintable(c.lastLog()));
        QVERIFY(c.logLines.contains(u"SOAP-URL="_s + backup.soapUrl()));
        QVERIFY(!c.form->session()->customerData().LAdr.isEmpty());
        // The draft order came through the request proxy: its line is on the server.
        const QString id = c.grid()->grid().value(u"VKKL_ID"_s, 1);
        QVERIFY(!id.isEmpty());
        QCOMPARE(c.serverLine(1).VKKL_ID, id);
        QVERIFY(c.ending.calls.isEmpty());
    }

    // The ending routines reach the client's connection: a halt in TCP mode
    // shortens its time-outs before it disconnects.
    void haltReachesTheConnection() {
        // The routines outlive the client, as in main.cpp.
        ManualClock clock;
        Logger log(clock);
        ScriptedDialogs dialogs;
        EndingRoutines routines(log, dialogs);
        ClientRig c(m_server, false);
        c.client->bindEnding(routines);
        QVERIFY(c.start());
        QVERIFY2(c.login(), qPrintable(c.lastLog()));
        TcpConnection& connection = c.form->session()->client();
        QVERIFY(connection.isConnected());
        routines.SetTerminateTimeout_halt(QString(), true, true);
        QCOMPARE(connection.connectTimeout(), 100);
        QCOMPARE(connection.readTimeout(), 100);
        QVERIFY(!connection.isConnected());
        QCOMPARE(routines.destroyStatus(), int(Ending::EndRequested));
    }

    // The empty line of the login goes to the server with the start-up's
    // client identification.
    void clientIdentOnNewLines_data() { addTransportRows(); }
    void clientIdentOnNewLines() {
        QFETCH(bool, soap);
        // A server of its own: the login inserts its empty line only into an empty draft order.
        SoapServerProcess server;
        QVERIFY2(server.start(), qPrintable(server.error()));
        ClientRig c(server, soap);
        c.platform.env.insert(u"COMPUTERNAME"_s, u"WERKSTATT-3"_s);
        c.platform.env.insert(u"USERNAME"_s, u"meister"_s);
        QVERIFY(c.start());
        QVERIFY2(c.login(), qPrintable(c.lastLog()));
        const QString ident = c.form->startUp().clientIdent();
        QVERIFY(!ident.isEmpty());
        const QString id = c.grid()->grid().value(u"VKKL_ID"_s, c.rows() - 1);
        QVERIFY(!id.isEmpty());
        const QString stored = dbValue(server, u"SELECT CLIENT FROM KLADDE_CLIENT WHERE VKKL_ID = ?"_s, {id});
        QVERIFY2(stored == ident, qPrintable(stored + u" <> "_s + ident + u" id="_s + id));
    }

    // The Shop tab may not be left while the draft order was changed from
    // elsewhere: the window stays on it.
    void tabVetoOnChangedDraft() {
        ClientRig c(m_server, true);
        QVERIFY(c.start());
        QVERIFY2(c.login(), qPrintable(c.lastLog()));
        auto* pages = c.child<QTabWidget>(u"PageControl"_s);
        QCOMPARE(pages->currentWidget()->objectName(), u"tsVerkaufskladde"_s);

        SecondLogin second(m_server);
        QVERIFY(second.login());
        QVERIFY(!second.insertLine().isEmpty());

        c.dialogs.answers.enqueue(Dialogs::Answer::No);
        pages->setCurrentWidget(c.child<QWidget>(u"tsBelege"_s));
        QCOMPARE(pages->currentWidget()->objectName(), u"tsVerkaufskladde"_s);
        QVERIFY(c.lastLog().contains(u"PageControlChanging true true:"_s));
        QVERIFY(c.ending.calls.isEmpty());
    }

    // An article with co-sale articles, marked by Enter: the question, then
    // the co-sale article as a line of its own.
    void coSaleArticlesOffered() {
        ClientRig c(m_server, false);
        QVERIFY(c.start());
        QVERIFY2(c.login(), qPrintable(c.lastLog()));
        const QStringList deliverable = c.articles(u"BREMS"_s) + c.articles(u"FILTER"_s);
        QString article, companion;
        for (const QString& a : deliverable) {
            companion = dbValue(
                m_server, u"SELECT NETZARTIKELNR FROM ARTIKELNETZ WHERE ARTIKELNR = ? AND TYP = '4'"_s, {a});
            if (!companion.isEmpty()) {
                article = a;
                break;
            }
        }
        QVERIFY2(!article.isEmpty(), "no demo article with a co-sale article");
        c.form->resize(1200, 800);
        c.form->show();
        QVERIFY(QTest::qWaitForWindowActive(c.form));
        QVERIFY(c.typeIntoCell(u"Artikelnummer"_s, 1, article));
        QTRY_COMPARE(c.shown(u"Artikelnummer"_s, 1), article);
        QVERIFY(c.typeIntoCell(u"Menge"_s, 1, u"2"_s));
        QTRY_COMPARE(c.serverLine(1).MENGE, u"2"_s);
        c.dialogs.shown.clear();
        c.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        c.grid()->setCurrentCell(c.grid()->grid().column(u"Lieferungsart"_s), 1);
        QTest::keyClick(c.grid(), Qt::Key_Return);
        QTRY_VERIFY2(!c.dialogs.shown.isEmpty(), qPrintable(c.lastLog()));
        QCOMPARE(c.dialogs.shown.first().title, u"Mitverkaufs-Artikel wurden gefunden."_s);
        bool found = false;
        for (const TVerkaufskladde& line : c.serverLines())
            found = found || line.ARTIKELNR == companion;
        QVERIFY2(found, qPrintable(companion));
    }

    // Requests block with the hourglass, and it is gone afterwards.
    void waitCursorDuringRequests_data() { addTransportRows(); }
    void waitCursorDuringRequests() {
        QFETCH(bool, soap);
        ClientRig c(m_server, soap);
        QVERIFY(c.start());
        // After the window's own connection: what the cursor is once a request blocks.
        int whileWaiting = 0;
        QObject::connect(c.form->session(), &Session::waitCursor, c.form, [&whileWaiting](bool wait) {
            const QCursor* cursor = QGuiApplication::overrideCursor();
            if (wait && cursor && cursor->shape() == Qt::WaitCursor)
                ++whileWaiting;
        });
        QVERIFY2(c.login(), qPrintable(c.lastLog()));
        QVERIFY(whileWaiting > 0);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // In SOAP mode too the server level comes from the greeting.
    void serverLevelFromGreeting_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("level");
        QTest::newRow("7.1.8000.1") << u"7.1.8000.1"_s << 20;
        QTest::newRow("7.1.7000.0") << u"7.1.7000.0"_s << 19;
        QTest::newRow("7.1.6400.0") << u"7.1.6400.0"_s << 18;
        QTest::newRow("7.0.7000.0") << u"7.0.7000.0"_s << 17;
        QTest::newRow("too old") << u"6.9.0.0"_s << 0;
    }
    void serverLevelFromGreeting() {
        QFETCH(QString, version);
        QFETCH(int, level);
        SoapServerProcess server;
        QVERIFY2(server.start({u"--greeting-version"_s, version}), qPrintable(server.error()));
        ClientRig c(server, true);
        QVERIFY(c.start());
        const bool loggedIn = c.login();
        QCOMPARE(loggedIn, level >= 10);
        if (loggedIn)
            QCOMPARE(c.link().serverLevel(), level);
        else
            QVERIFY2(c.form->session()->statusText().contains(u"Falscher Server"_s),
                     qPrintable(c.form->session()->statusText()));
    }

    // IP_VON_INI takes the INI's address only when it has both parts;
    // otherwise the address that get_connection names.
    void ipVonIniNeedsBoth_data() {
        QTest::addColumn<QString>("serverIp");
        QTest::addColumn<QString>("serverPort");
        QTest::newRow("address only") << u"127.0.0.9"_s << QString();
        QTest::newRow("port only") << QString() << QString::number(closedPort());
    }
    void ipVonIniNeedsBoth() {
        QFETCH(QString, serverIp);
        QFETCH(QString, serverPort);
        ClientRig c(m_server, false);
        c.writeIni(u"RUNTIME"_s, u"SERVERIP"_s, serverIp);
        c.writeIni(u"RUNTIME"_s, u"SERVERPORT"_s, serverPort);
        QVERIFY(c.start());
        QVERIFY2(c.login(), qPrintable(c.form->session()->statusText()));
        QCOMPARE(c.form->session()->client().port(), quint16(m_server.tcpPort()));
    }

    // A login that works for another debitor (DEB_NR): the customer's data
    // are that debitor's, the login header keeps the number as typed.
    void customerFromDebNr_data() { addTransportRows(); }
    void customerFromDebNr() {
        QFETCH(bool, soap);
        SoapServerProcess server;
        QVERIFY2(server.start(), qPrintable(server.error()));
        bool ok = false;
        dbValue(server,
                u"UPDATE BENUTZER SET DEB_NR = '10001' WHERE KDNR = '10000' AND BENU_LOGIN = 'DEMO'"_s, {},
                &ok);
        QVERIFY(ok);
        ClientRig c(server, soap);
        QVERIFY(c.start());
        QVERIFY2(c.login(u"10000"_s, u"DEMO"_s, u"demo"_s), qPrintable(c.boxes()));
        QCOMPARE(c.form->session()->customerData().customer.NUMMER, u"10001"_s);
        QCOMPARE(c.link().login().KdNr, u"10000"_s);
        QCOMPARE(c.child<QLineEdit>(u"edKundennr"_s)->text(), u"10001"_s);
        QVERIFY(c.form->windowTitle().contains(u" für Kunde \"10001\""_s));
    }

    // A TCP server that cannot be reached leaves the login open with the
    // connection error in the status; the program goes on.
    void unreachableTcpServerKeepsLoginOpen() {
        ClientRig c(m_server, false);
        const QString port = QString::number(closedPort());
        c.writeIni(u"RUNTIME"_s, u"SERVERPORT"_s, port);
        QVERIFY(c.start());
        QVERIFY(!c.login());
        QVERIFY2(c.ending.calls.isEmpty(), qPrintable(c.ending.calls.value(0).text));
        QCOMPARE(c.form->session()->statusText(),
                 u"Erstes_connect nach WAS\r\nVerbindungsfehler \r\nIP=127.0.0.1 Port=%1"_s.arg(port));
        QVERIFY(c.child<QWidget>(u"btLogin"_s)->isEnabled());
    }

    // Something that throws inside the login: the message, the disconnect and the program end.
    void loginFailureEndsInOrder_data() { addTransportRows(); }
    void loginFailureEndsInOrder() {
        QFETCH(bool, soap);
        ClientRig c(m_server, soap);
        QVERIFY(c.start());
        struct Throwing final : PriceFileService {
            void readPriceFileInfo() override { throw std::runtime_error("Preisdatei nicht lesbar"); }
        } throwing;
        c.client->services().priceFile = &throwing;
        QVERIFY(!c.login());
        QVERIFY(c.boxes().contains(u"BtLogin: Preisdatei nicht lesbar"_s));
        QCOMPARE(c.ending.calls.size(), 1);
        QCOMPARE(c.ending.calls.first().text,
                 u"Login kann nicht durchgeführt werden!\r\nPreisdatei nicht lesbar"_s);
        QVERIFY(!c.form->session()->loggedIn());
        if (!soap)
            QVERIFY(!c.form->session()->client().isConnected());
    }
};

QTEST_MAIN(TestComposition)
#include "tst_composition.moc"
