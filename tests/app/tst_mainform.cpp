#include "app/startup.h"
#include "app/ui/clientcomposition.h"
#include "app/ui/qtxmainform.h"
#include "app/ui/secondaryforms.h"
#include "fakes.h"
#include "platform/logger.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

struct FormHarness : FakeSeams {
    std::unique_ptr<ClientComposition> client;
    TQTXMainForm* form = nullptr;

    explicit FormHarness(const QList<std::pair<QString, QString>>& userIni = {}) {
        LokalIni ini(beside(QStringLiteral(".ini")));
        for (const auto& [key, value] : userIni)
            ini.write(QStringLiteral("USER"), key, value);
        // Keep the automatic login out of the way unless a test wants it.
        ini.write(QStringLiteral("OPTIONS"), QStringLiteral("AUTOLOGIN"), QStringLiteral("OFF"));
        client = std::make_unique<ClientComposition>(
            ClientComposition::Seams{platform, log, dialogs, ending, clock}, QStringList{});
        form = &client->mainForm();
    }
    template <typename T> T* child(const QString& name) { return form->findChild<T*>(name); }
    QAction* item(const QString& name) {
        const auto actions = form->menuBar()->actions();
        for (QAction* a : actions) {
            if (a->objectName() == name)
                return a;
        }
        return form->findChild<QAction*>(name);
    }
};

class TestMainForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void frameAtStart() {
        FormHarness h;
        QVERIFY(h.client->start());
        QCOMPARE(h.form->windowTitle(), QStringLiteral("Durnak Online, Version 7.1.8000.1"));

        auto* pages = h.child<QTabWidget>(QStringLiteral("PageControl"));
        QVERIFY(pages);
        const QStringList names{QStringLiteral("tsVerkaufskladde"), QStringLiteral("tsConnection"),
                                QStringLiteral("tsAutoOrder"),      QStringLiteral("tsRuecklieferung"),
                                QStringLiteral("tsAltteile"),       QStringLiteral("tsBelege")};
        const QStringList captions{QStringLiteral("Shop"),      QStringLiteral("Login"),
                                   QStringLiteral("AutoOrder"), QStringLiteral("Rücklieferung"),
                                   QStringLiteral("Altteile"),  QStringLiteral("Belege")};
        QCOMPARE(pages->count(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(pages->widget(i)->objectName(), names[i]);
            QCOMPARE(pages->tabText(i), captions[i]);
            // Only the login page is reachable before a login.
            QCOMPARE(pages->isTabVisible(i), i == 1);
        }
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("tsConnection"));

        for (const QString& name :
             {QStringLiteral("edKundennr"), QStringLiteral("edKALDO_ID"), QStringLiteral("edPasswort")})
            QVERIFY2(h.child<QLineEdit>(name), qPrintable(name));
        QVERIFY(h.child<QPushButton>(QStringLiteral("btLogin")));
        QCOMPARE(h.child<QLabel>(QStringLiteral("LabelWAS_url"))->text(),
                 QStringLiteral("http://shop.durnak.example/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer"));
        QCOMPARE(h.child<QLabel>(QStringLiteral("LabelWAS_url"))->toolTip(),
                 QStringLiteral("IP=shop.durnak.example Port=52017"));
        QCOMPARE(h.child<QLabel>(QStringLiteral("LabelWAS_url"))->font().family(), QStringLiteral("Arial"));
    }

    void menuAndStatusBar() {
        FormHarness h;
        QVERIFY(h.client->start());
        QCOMPARE(h.form->menuBar()->objectName(), QStringLiteral("QTXMainMenu"));
        QStringList visible;
        const auto actions = h.form->menuBar()->actions();
        for (QAction* a : actions) {
            if (a->isVisible())
                visible << a->text();
            // The menu is disabled until a login.
            QVERIFY2(!a->isEnabled() || !a->isVisible(), qPrintable(a->objectName()));
        }
        QCOMPARE(visible,
                 (QStringList{QStringLiteral("&Zeile"), QStringLiteral("&Fenster"), QStringLiteral("&Import"),
                              QStringLiteral("&Bestellen F10"), QStringLiteral("&Optionen"),
                              QStringLiteral("Info NEX/Paketdienst"), QStringLiteral("&Hilfe")}));
        QCOMPARE(h.item(QStringLiteral("miVKKLBestellen"))->shortcut(), QKeySequence(Qt::Key_F10));
        QVERIFY(!h.item(QStringLiteral("AutoOrderMenu"))->isVisible());
        QVERIFY(!h.item(QStringLiteral("miTests"))->isVisible());
        QVERIFY(!h.item(QStringLiteral("miVKKLImportGTC"))->isVisible());

        QCOMPARE(h.form->statusBar()->objectName(), QStringLiteral("sbMain"));
        const auto panels = h.form->statusBar()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(panels.size(), 5);
        QCOMPARE(panels[4]->text(), QStringLiteral("Launching .."));
        h.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.form));
        QCOMPARE(panels[4]->text(), QStringLiteral("Server verbunden."));
    }

    void enableMainMenuItems_data() {
        QTest::addColumn<bool>("doit");
        QTest::addColumn<bool>("importAllowed");
        QTest::addColumn<bool>("importEnabled");
        QTest::addColumn<bool>("othersEnabled");
        QTest::newRow("off") << false << true << false << false;
        QTest::newRow("on") << true << true << true << true;
        QTest::newRow("on, import forbidden") << true << false << false << true;
    }
    void enableMainMenuItems() {
        QFETCH(bool, doit);
        QFETCH(bool, importAllowed);
        QFETCH(bool, importEnabled);
        QFETCH(bool, othersEnabled);
        FormHarness h;
        QVERIFY(h.client->start());
        h.form->setImportAllowed(importAllowed);
        h.form->Enable_MainMenuItems(doit);
        QCOMPARE(h.item(QStringLiteral("miVKKLImport"))->isEnabled(), importEnabled);
        for (const QString& name : {QStringLiteral("miVKKLZeile"), QStringLiteral("miVKKLFenster"),
                                    QStringLiteral("miVKKLBestellen"), QStringLiteral("miVKKLOptionen"),
                                    QStringLiteral("InfoNEX"), QStringLiteral("miHilfe")})
            QCOMPARE(h.item(name)->isEnabled(), othersEnabled);
    }

    void loginInputChecks_data() {
        QTest::addColumn<QString>("kundennr");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("nothing filled")
            << QString() << QString() << QString() << QString() << QStringLiteral("edKundennr");
        QTest::newRow("customer missing")
            << QString() << QStringLiteral("meier") << QString() << QStringLiteral("Kundennummer fehlt!")
            << QStringLiteral("edKundennr");
        QTest::newRow("user missing") << QStringLiteral("10042") << QString() << QString()
                                      << QStringLiteral("Benutzer fehlt!") << QStringLiteral("edKALDO_ID");
        QTest::newRow("password missing")
            << QStringLiteral("10042") << QStringLiteral("meier") << QString()
            << QStringLiteral("Passwort fehlt!") << QStringLiteral("edPasswort");
        QTest::newRow("complete") << QStringLiteral("10042") << QStringLiteral("meier") << QStringLiteral("x")
                                  << QString() << QString();
    }
    void loginInputChecks() {
        QFETCH(QString, kundennr);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        FormHarness h;
        QVERIFY(h.client->start());
        h.form->show();
        QVERIFY(QTest::qWaitForWindowActive(h.form));
        h.child<QLineEdit>(QStringLiteral("edKundennr"))->setText(kundennr);
        h.child<QLineEdit>(QStringLiteral("edKALDO_ID"))->setText(user);
        h.child<QLineEdit>(QStringLiteral("edPasswort"))->setText(password);
        h.dialogs.shown.clear();
        QTest::mouseClick(h.child<QPushButton>(QStringLiteral("btLogin")), Qt::LeftButton);
        QCOMPARE(h.dialogs.shown.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(h.dialogs.shown.first().text, message);
        if (!focus.isEmpty())
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    void storedLoginFillsFields() {
        FormHarness h({{QStringLiteral("Kundennr"), QStringLiteral("10042")},
                       {QStringLiteral("KALDO_ID"), QStringLiteral("meier")}});
        QVERIFY(h.client->start());
        QCOMPARE(h.child<QLineEdit>(QStringLiteral("edKundennr"))->text(), QStringLiteral("10042"));
        QCOMPARE(h.child<QLineEdit>(QStringLiteral("edKALDO_ID"))->text(), QStringLiteral("meier"));
        QVERIFY(h.child<QLineEdit>(QStringLiteral("edPasswort"))->text().isEmpty());
    }

    void memoDoubleClickTogglesLogging() {
        FormHarness h;
        QVERIFY(h.client->start());
        auto* memo = h.child<QPlainTextEdit>(QStringLiteral("MainMemo"));
        QVERIFY(memo);
        h.log.Log(1, QStringLiteral("erste Zeile"), 0);
        h.log.Log(-1, QStringLiteral("einzige Zeile"), 0);
        QTRY_COMPARE(memo->toPlainText(), QStringLiteral("einzige Zeile"));
        QTest::mouseDClick(memo->viewport(), Qt::LeftButton);
        QVERIFY(h.log.exitLog());
        QCOMPARE(memo->toolTip(), QStringLiteral("_EXIT_LOG jetzt=TRUE "));
    }

    void secondaryFormsInOrder() {
        QWidget main;
        ScriptedDialogs dialogs;
        const auto forms = createSecondaryForms(&main, SecondaryFormDeps{dialogs, nullptr, {}, 2});
        QStringList classes;
        for (const auto& f : forms)
            classes << QString::fromLatin1(f->metaObject()->className());
        QCOMPARE(
            classes,
            (QStringList{QStringLiteral("TLieferadressenForm"), QStringLiteral("TProgrammendeForm"),
                         QStringLiteral("TDruckForm"), QStringLiteral("THilfeForm"),
                         QStringLiteral("TEinspeiserForm"), QStringLiteral("TNachtexpressForm"),
                         QStringLiteral("TArtikelInfoForm"), QStringLiteral("TRueckstand_BeschaffungForm"),
                         QStringLiteral("TBelegversendenForm"), QStringLiteral("TBelegDruckForm"),
                         QStringLiteral("TFTPForm"), QStringLiteral("TLagerauftrag"),
                         QStringLiteral("TDownloadForm"), QStringLiteral("TBrowserForm")}));
        QCOMPARE(forms[0]->windowTitle(), QStringLiteral(" Lieferadressen "));
        QCOMPARE(forms[9]->objectName(), QStringLiteral("BelegDruckForm"));
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
