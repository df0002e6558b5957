#include "app/lokalini.h"
#include "app/session.h"
#include "app/ui/qtxmainform.h"
#include "fakes.h"
#include "soapserverprocess.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

// The login page against a real qtx-server: caption, tabs and menu after the
// login, and the input checks that send nothing.
class TestSessionForm : public QObject {
    Q_OBJECT
private:
    SoapServerProcess m_server;

    struct Form : FakeSeams {
        std::unique_ptr<TQTXMainForm> form;
        explicit Form(const SoapServerProcess& server) {
            LokalIni ini(beside(u".ini"_s));
            ini.write(u"OPTIONS"_s, u"AUTOLOGIN"_s, u"OFF"_s);
            ini.write(u"RUNTIME"_s, u"SERVERIP"_s, u"127.0.0.1"_s);
            ini.write(u"RUNTIME"_s, u"SERVERPORT"_s, QString::number(server.tcpPort()));
            ini.write(u"RUNTIME"_s, u"IP_VON_INI"_s, u"ON"_s);
            ini.write(u"RUNTIME"_s, u"CONNECT_ADR"_s, server.soapUrl());
            form = std::make_unique<TQTXMainForm>(TQTXMainForm::Seams{platform, log, dialogs, ending, clock},
                                                  QStringList{});
        }
        template <typename T> T* child(const QString& name) { return form->findChild<T*>(name); }
        void fill(const QString& kdnr, const QString& user, const QString& password) {
            child<QLineEdit>(u"edKundennr"_s)->setText(kdnr);
            child<QLineEdit>(u"edKALDO_ID"_s)->setText(user);
            child<QLineEdit>(u"edPasswort"_s)->setText(password);
        }
    };

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.error())); }

    void loginThroughTheWindow() {
        Form f(m_server);
        QVERIFY(f.form->FormCreate());
        auto* pages = f.child<QTabWidget>(u"PageControl"_s);
        QVERIFY(!pages->isTabVisible(0));
        f.fill(u"10000"_s, u"DEMO"_s, u"demo"_s);
        f.child<QPushButton>(u"btLogin"_s)->click();
        QVERIFY2(f.form->session()->loggedIn(), qPrintable(f.form->session()->statusText()));
        QVERIFY(f.dialogs.shown.isEmpty());
        QVERIFY2(f.form->windowTitle().contains(u" für Kunde \"10000\", Benutzer \"DEMO\" ("_s),
                 qPrintable(f.form->windowTitle()));
        QCOMPARE(pages->currentWidget()->objectName(), u"tsVerkaufskladde"_s);
        for (const QString& name :
             {u"tsVerkaufskladde"_s, u"tsRuecklieferung"_s, u"tsAltteile"_s, u"tsBelege"_s})
            QVERIFY2(pages->isTabVisible(pages->indexOf(f.child<QWidget>(name))), qPrintable(name));
        QVERIFY(!pages->isTabVisible(pages->indexOf(f.child<QWidget>(u"tsAutoOrder"_s))));
        QVERIFY(f.child<QPushButton>(u"btLogin"_s)->isEnabled());

        f.child<QPushButton>(u"btDisConnect"_s)->click();
        QVERIFY(!f.form->session()->loggedIn());
        QCOMPARE(pages->currentWidget()->objectName(), u"tsConnection"_s);
    }

    void missingInputSendsNothing_data() {
        QTest::addColumn<QString>("kdnr");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::newRow("customer") << QString() << u"DEMO"_s << u"demo"_s << u"Kundennummer fehlt!"_s;
        QTest::newRow("user") << u"10000"_s << QString() << u"demo"_s << u"Benutzer fehlt!"_s;
        QTest::newRow("password") << u"10000"_s << u"DEMO"_s << QString() << u"Passwort fehlt!"_s;
    }
    void missingInputSendsNothing() {
        QFETCH(QString, kdnr);
        QFETCH(QString, user);
        QFETCH(QString, password);
        Form f(m_server);
        QVERIFY(f.form->FormCreate());
        f.fill(kdnr, user, password);
        f.child<QPushButton>(u"btLogin"_s)->click();
        QCOMPARE(f.dialogs.shown.size(), 1);
        QTEST(f.dialogs.shown.first().text, "message");
        // Not even the first contact ran.
        QVERIFY(f.form->session()->firstContactTrace().isEmpty());
        QVERIFY(!f.form->session()->client().isConnected());
    }
};

QTEST_MAIN(TestSessionForm)
#include "tst_sessionform.moc"
