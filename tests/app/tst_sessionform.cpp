#include "app/ui/qtxmainform.h"
#include "app/ui/secondaryforms.h"
#include "clientrig.h"
#include "fakes.h"
#include "session/lokalini.h"
#include "session/session.h"
#include "soapserverprocess.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

// The login page against a real qtx-server: caption, tabs and menu after the
// login, and the input checks that send nothing.
class TestSessionForm : public QObject {
    Q_OBJECT
private:
    SoapServerProcess m_server;

    struct Form : ClientRig {
        explicit Form(const SoapServerProcess& server)
            : ClientRig(server, false) {}
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
        QVERIFY(f.client->start());
        auto* pages = f.child<QTabWidget>(u"PageControl"_s);
        QVERIFY(!pages->isTabVisible(0));
        f.fill(u"10000"_s, u"DEMO"_s, u"demo"_s);
        f.child<QPushButton>(u"btLogin"_s)->click();
        QVERIFY2(f.form->session()->loggedIn(), qPrintable(f.form->session()->statusText()));
        // The demo users carry every entry the login needs: no box.
        QVERIFY2(f.dialogs.shown.isEmpty(), qPrintable(f.dialogs.shown.value(0).text));
        QVERIFY2(f.form->windowTitle().contains(u" für Kunde \"10000\", Benutzer \"DEMO\" ("_s),
                 qPrintable(f.form->windowTitle()));
        QCOMPARE(pages->currentWidget()->objectName(), u"tsVerkaufskladde"_s);
        for (const QString& name :
             {u"tsVerkaufskladde"_s, u"tsRuecklieferung"_s, u"tsAltteile"_s, u"tsBelege"_s})
            QVERIFY2(pages->isTabVisible(pages->indexOf(f.child<QWidget>(name))), qPrintable(name));
        QVERIFY(!pages->isTabVisible(pages->indexOf(f.child<QWidget>(u"tsAutoOrder"_s))));
        QVERIFY(f.child<QPushButton>(u"btLogin"_s)->isEnabled());

        // The pick lists hold what the login loaded.
        const CustomerData& data = f.form->session()->customerData();
        auto* lbFiliale = f.child<QListWidget>(u"lbFiliale"_s);
        QCOMPARE(lbFiliale->count(), int(data.lbFiliale.size()));
        QCOMPARE(lbFiliale->item(0)->text(), data.lbFiliale.first());
        auto* lbLieferungscode = f.child<QListWidget>(u"lbLieferungscode"_s);
        QCOMPARE(lbLieferungscode->count(), int(data.lbLieferungscode.size()));
        QCOMPARE(lbLieferungscode->item(0)->text(), u"Zustellung"_s);

        // Menu items per tab.
        auto enabled = [&](const QString& name) { return f.child<QMenu>(name)->menuAction()->isEnabled(); };
        QVERIFY(enabled(u"miVKKLFenster"_s) && enabled(u"miVKKLImport"_s) && enabled(u"miVKKLZeile"_s));
        pages->setCurrentWidget(f.child<QWidget>(u"tsBelege"_s));
        QVERIFY(!enabled(u"miVKKLZeile"_s) && !enabled(u"miVKKLFenster"_s) && !enabled(u"miVKKLImport"_s));
        QVERIFY(enabled(u"miHilfe"_s));
        QVERIFY(f.form->findChild<QAction*>(u"miVKKLOptionen"_s)->isEnabled());
        pages->setCurrentWidget(f.child<QWidget>(u"tsRuecklieferung"_s));
        QVERIFY(enabled(u"miVKKLZeile"_s) && !enabled(u"miVKKLFenster"_s) && !enabled(u"miVKKLImport"_s));
        pages->setCurrentWidget(f.child<QWidget>(u"tsVerkaufskladde"_s));
        QVERIFY(enabled(u"miVKKLFenster"_s) && enabled(u"miVKKLImport"_s));

        f.child<QPushButton>(u"btDisConnect"_s)->click();
        QVERIFY(!f.form->session()->loggedIn());
        QCOMPARE(pages->currentWidget()->objectName(), u"tsConnection"_s);
    }

    // The supplier window shows the grid the login filled, headers from row 0.
    void supplierWindow() {
        Form f(m_server);
        QVERIFY(f.client->start());
        TEinspeiserForm einspeiser(f.form);
        QCOMPARE(einspeiser.windowTitle(), u"Liste aller Einspeiser"_s);
        f.fill(u"10000"_s, u"DEMO"_s, u"demo"_s);
        f.child<QPushButton>(u"btLogin"_s)->click();
        QVERIFY(f.form->session()->loggedIn());
        einspeiser.setGrid(f.form->session()->einspeiser());
        QTableView* grid = einspeiser.findChild<QTableView*>(u"sgEinspeiser"_s);
        QVERIFY(grid);
        QCOMPARE(grid->font().family(), u"Lucida Console"_s);
        const StringGrid& sg = f.form->session()->einspeiser();
        QCOMPARE(grid->model()->rowCount(), sg.rowCount() - 1);
        QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), u"Code"_s);
        QCOMPARE(grid->model()->index(0, 1).data().toString(), sg.value(u"Name"_s, 1));
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
        QVERIFY(f.client->start());
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
