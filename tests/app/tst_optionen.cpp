#include "app/ui/mainmenu.h"
#include "app/ui/shoptab.h"
#include "clientrig.h"
#include "grid/stringgrid.h"
#include "model/uitexts.h"
#include "order/draftorder.h"
#include "order/ui/draftgridview.h"
#include "session/lokalini.h"
#include "settings/optionseditor.h"
#include "settings/ui/formtranslator.h"
#include "settings/ui/optionenform.h"
#include "settings/ui/optionenpages.h"
#include "settings/ui/radiogroup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// The options window of the real main window against qtx-server: the
// snapshot and "Abbrechen", the live rules, both stores after "Ok" and after
// a restart, the master options, the keep-alive, and the language file.
class TestOptionen : public QObject {
    Q_OBJECT
private:
    SoapServerProcess m_server;

    static void transports() {
        QTest::addColumn<bool>("soap");
        QTest::newRow("TCP") << false;
        QTest::newRow("SOAP") << true;
    }

    static bool open(ClientRig& s, const QString& user = u"DEMO"_s, const QString& password = u"demo"_s) {
        if (!s.start() || !s.login(u"10000"_s, user, password)) {
            qWarning("login failed: %s", qPrintable(s.boxes() + s.lastLog(10)));
            return false;
        }
        if (!s.showWindow())
            return false;
        s.dialogs.shown.clear();
        s.child<QAction>(u"miVKKLOptionen"_s)->trigger();
        return s.client->optionen()->isVisible();
    }

    // The master check unlocks the restricted controls.
    static void unlock(ClientRig& s) {
        control<QLineEdit>(s, u"EdMasterBenutzer"_s)->setText(u"CHEF"_s);
        control<QLineEdit>(s, u"EdMasterPasswort"_s)->setText(u"chef"_s);
        control<QPushButton>(s, u"btMasterPruefen"_s)->click();
        s.dialogs.shown.clear();
    }

    template <typename T> static T* control(ClientRig& s, const QString& name) {
        return s.client->optionen()->findChild<T*>(name);
    }
    static void choose(ClientRig& s, const QString& group, int item) {
        auto* g = control<RadioGroup>(s, group);
        QVERIFY2(g, qPrintable(group));
        g->findChildren<QRadioButton*>().at(item)->click();
    }
    static int chosen(ClientRig& s, const QString& group) {
        return control<RadioGroup>(s, group)->itemIndex();
    }
    static void ok(ClientRig& s) { control<QPushButton>(s, u"bOptionenOk"_s)->click(); }
    static QString ini(ClientRig& s, const QString& section, const QString& key) {
        return LokalIni(s.beside(u".ini"_s)).read(section, key);
    }
    QString serverOption(const QString& user, const QString& key) const {
        return ClientRig::serverSql(m_server,
                                    u"SELECT BESE_VALUE FROM BENUTZER_OPTION WHERE KDNR = '10000' AND "
                                    "BENU_LOGIN = ? AND BESE_KEY = ?"_s,
                                    {user, key});
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.error())); }
    void init() { Txt::resetAll(); }
    void cleanup() {
        Txt::resetAll();
        ClientRig::serverSql(m_server, u"DELETE FROM BENUTZER_OPTION WHERE BENU_LOGIN = '*'"_s);
    }

    // "Abbrechen" after a change of the price display: the draft grid
    // followed at once, and goes back with the settings.
    void cancelRestoresPriceDisplay_data() { transports(); }
    void cancelRestoresPriceDisplay() {
        QFETCH(bool, soap);
        ClientRig s(m_server, soap);
        QVERIFY(open(s));
        unlock(s);
        DraftOrder& draft = s.client->shop()->draft();
        QCOMPARE(draft.settings().priceDisplay, 2);
        QCOMPARE(chosen(s, u"rgOptionenPreise"_s), 2);
        choose(s, u"rgOptionenPreise"_s, 0);
        QCOMPARE(draft.settings().priceDisplay, 0);
        QCOMPARE(s.form->session()->settings().showPreis, 0);
        control<QPushButton>(s, u"bOptionenAbbrechen"_s)->click();
        QVERIFY(!s.client->optionen()->isVisible());
        QCOMPARE(draft.settings().priceDisplay, 2);
        QCOMPARE(s.form->session()->settings().showPreis, 2);
        // Nothing was stored.
        QCOMPARE(ini(s, u"OPTIONS"_s, u"SHOWPREIS"_s), QString());
    }

    // Closing the window by Escape counts as "Abbrechen" too.
    void escapeCancels() {
        ClientRig s(m_server, false);
        QVERIFY(open(s));
        unlock(s);
        choose(s, u"rgOptionenPreise"_s, 1);
        QCOMPARE(s.client->shop()->draft().settings().priceDisplay, 1);
        QTest::keyClick(s.client->optionen(), Qt::Key_Escape);
        QVERIFY(!s.client->optionen()->isVisible());
        QCOMPARE(s.client->shop()->draft().settings().priceDisplay, 2);
    }

    void loginRules() {
        ClientRig s(m_server, false);
        QVERIFY(open(s));
        unlock(s);
        choose(s, u"RgPasswortspeichern"_s, 1);
        QCOMPARE(chosen(s, u"RgAutoLogin"_s), 0);
        // "Automatisch einloggen" needs the password kept.
        choose(s, u"RgAutoLogin"_s, 1);
        QCOMPARE(chosen(s, u"RgPasswortspeichern"_s), 0);
        ok(s);
        QCOMPARE(ini(s, u"OPTIONS"_s, u"AUTOLOGIN"_s), u"ON"_s);
        QCOMPARE(ini(s, u"OPTIONS"_s, u"LOGIN_PASSWORT_SPEICHERN"_s), u"ON"_s);
    }

    void alternativeBranch_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("stored");
        QTest::newRow("keine") << u"keine"_s << QString();
        QTest::newRow("F07") << u"F07"_s << u"F07"_s;
    }
    void alternativeBranch() {
        QFETCH(QString, entry);
        QFETCH(QString, stored);
        ClientRig s(m_server, false);
        s.writeIni(u"OPTIONS"_s, u"ALTERNATIVFILIALE"_s, u"F02"_s);
        QVERIFY(ClientRig::setOption(m_server, u"SHOW_FILIAL_OPTIONS"_s, u"ON"_s));
        QVERIFY(open(s));
        ClientRig::clearOption(m_server, u"SHOW_FILIAL_OPTIONS"_s);
        auto* pages = control<QTabWidget>(s, u"PageControlOptionen"_s);
        QVERIFY(pages->isTabVisible(pages->indexOf(control<QWidget>(s, u"tsFilialOptionen"_s))));
        auto* group = control<RadioGroup>(s, u"rgOptionenAlternativfiliale"_s);
        const QStringList items = group->items();
        QVERIFY2(items.size() > 7, qPrintable(items.join(u'|')));
        QVERIFY2(items.at(group->itemIndex()).startsWith(u"F02"_s), qPrintable(items.join(u'|')));
        int index = -1;
        for (int i = 0; i < items.size(); ++i) {
            if (items.at(i).startsWith(entry))
                index = i;
        }
        QVERIFY(index >= 0);
        choose(s, u"rgOptionenAlternativfiliale"_s, index);
        ok(s);
        QCOMPARE(s.form->session()->settings().alternativFiliale, stored);
        QCOMPARE(ini(s, u"OPTIONS"_s, u"ALTERNATIVFILIALE"_s), stored);
        QCOMPARE(s.client->shop()->draft().settings().alternativeBranch, stored);
    }

    void fontSize_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("saved");
        QTest::newRow("14 stays the medium size") << u"14"_s << 1 << 1 << 14;
        QTest::newRow("10 is small, medium is 12") << u"10"_s << 0 << 1 << 12;
        QTest::newRow("large") << u"14"_s << 1 << 2 << 18;
        QTest::newRow("small") << u"12"_s << 1 << 0 << 8;
    }
    void fontSize() {
        QFETCH(QString, stored);
        QFETCH(int, selected);
        QFETCH(int, chosen);
        QFETCH(int, saved);
        ClientRig s(m_server, false);
        s.writeIni(u"OPTIONS"_s, u"GRID_SCHRIFT_SIZE"_s, stored);
        QVERIFY(open(s));
        QCOMPARE(chosen == chosen ? TestOptionen::chosen(s, u"RgFontsize"_s) : -1, selected);
        if (chosen != selected)
            choose(s, u"RgFontsize"_s, chosen);
        ok(s);
        QCOMPARE(ini(s, u"OPTIONS"_s, u"GRID_SCHRIFT_SIZE"_s), QString::number(saved));
        QCOMPARE(s.client->shop()->shopPage().grid().font().pointSize(), saved);
    }

    // The user's own column choice: unchecked columns go, the note column
    // takes the focus when it is chosen, and the widths are kept in the INI.
    void columnChoice() {
        ClientRig s(m_server, false);
        QVERIFY(open(s));
        choose(s, u"RgAusblenden"_s, 1);
        auto* list = control<QListWidget>(s, u"CB_Spalten"_s);
        QVERIFY(list->isEnabled());
        const auto item = [list](const QString& text) {
            const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
            return found.isEmpty() ? nullptr : found.first();
        };
        QVERIFY(item(u"Spalte \"Karton-Stück\""_s));
        item(u"Spalte \"Karton-Stück\""_s)->setCheckState(Qt::Unchecked);
        item(u"Spalte \"Ihre Bemerkung / Notiz\""_s)->setCheckState(Qt::Checked);
        QVERIFY(control<RadioGroup>(s, u"RgNotizEingabe"_s)->isEnabled());
        ok(s);
        const StringGrid& grid = s.client->shop()->draft().visibleGrid();
        const int karton = grid.column(u"Karton"_s);
        QCOMPARE(grid.columnWidth(karton), 0);
        QVERIFY(grid.columnWidth(grid.column(u"Bezeichnung"_s)) != 0);
        QCOMPARE(ini(s, u"Spaltenbreite"_s, u"Col"_s + QString::number(karton)), u"0"_s);
        QCOMPARE(ini(s, u"SpaltenAnzeige"_s, u"MODE"_s), u"1"_s);
        QCOMPARE(ini(s, u"OPTIONS"_s, u"ARTIKELREFERENZ"_s), u"ON"_s);
        QVERIFY(s.client->shop()->draft().settings().artikelReferenz);

        // Back to the important columns: the note item goes, and with it the focus rule.
        s.child<QAction>(u"miVKKLOptionen"_s)->trigger();
        QVERIFY(!item(u"Spalte \"Karton-Stück\""_s)->checkState());
        choose(s, u"RgAusblenden"_s, 0);
        QCOMPARE(item(u"Spalte \"Ihre Bemerkung / Notiz\""_s)->checkState(), Qt::Unchecked);
        QVERIFY(!control<RadioGroup>(s, u"RgNotizEingabe"_s)->isEnabled());
        ok(s);
        QCOMPARE(ini(s, u"OPTIONS"_s, u"ARTIKELREFERENZ"_s), u"OFF"_s);
    }

    // The product groups of the price file, loaded once when "Preise" shows.
    void productGroupFilter_data() {
        QTest::addColumn<bool>("allowed");
        QTest::newRow("allowed") << true;
        QTest::newRow("not allowed") << false;
    }
    void productGroupFilter() {
        QFETCH(bool, allowed);
        ClientRig s(m_server, false);
        if (allowed)
            QVERIFY(ClientRig::setOption(m_server, u"_M_PREISDATEI_FILTER_ERLAUBT"_s, u"ON"_s));
        QVERIFY(open(s));
        ClientRig::clearOption(m_server, u"_M_PREISDATEI_FILTER_ERLAUBT"_s);
        auto* pages = control<QTabWidget>(s, u"PageControlOptionen"_s);
        pages->setCurrentWidget(control<QWidget>(s, u"tsPreise"_s));
        auto* list = control<QListWidget>(s, u"CheckListWarengruppen"_s);
        QCOMPARE(control<QWidget>(s, u"pnWarengruppen"_s)->isVisible(), allowed);
        const int groups = ClientRig::serverSql(m_server, u"SELECT COUNT(*) FROM WARENGRUPPE"_s).toInt();
        QVERIFY(groups > 0);
        QCOMPARE(list->count(), allowed ? groups : 0);
        QCOMPARE(s.client->optionen()->preise().filterList().size(), allowed ? groups : 0);
        // Once: showing the tab again keeps what the user checked.
        if (allowed) {
            list->item(0)->setCheckState(list->item(0)->checkState() == Qt::Checked ? Qt::Unchecked
                                                                                    : Qt::Checked);
            const Qt::CheckState state = list->item(0)->checkState();
            pages->setCurrentIndex(0);
            pages->setCurrentWidget(control<QWidget>(s, u"tsPreise"_s));
            QCOMPARE(list->item(0)->checkState(), state);
        }
        control<QPushButton>(s, u"bOptionenAbbrechen"_s)->click();
        QVERIFY(s.client->optionen()->preise().filterList().isEmpty());
    }

    // The order times of the login: one row per rule and an empty one; a bad
    // time is refused, an address number fills in what that address has.
    void orderTimes() {
        ClientRig s(m_server, false);
        QVERIFY(ClientRig::setOption(m_server, u"BESTELLZEIT_1"_s, u"07:00;11:30;1;20"_s));
        QVERIFY(ClientRig::setOption(m_server, u"BESTELLZEITEN_VERWENDEN"_s, u"ON"_s));
        QVERIFY(open(s));
        ClientRig::clearOption(m_server, u"BESTELLZEIT_1"_s);
        ClientRig::clearOption(m_server, u"BESTELLZEITEN_VERWENDEN"_s);
        QCOMPARE(chosen(s, u"rgBestellzeitEntnahme"_s), 1);
        auto* grid = control<QTableWidget>(s, u"sgBestellzeiten"_s);
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->item(0, 0)->text(), u"07:00"_s);
        QCOMPARE(grid->item(0, 1)->text(), u"11:30"_s);
        QCOMPARE(grid->item(0, 2)->text(), u"1"_s);
        QVERIFY2(grid->item(0, 4) && !grid->item(0, 4)->text().isEmpty(), "the tour of address 1");

        grid->setItem(1, 0, new QTableWidgetItem(u"12:"_s));
        QVERIFY(s.dialogs.shown.isEmpty());
        grid->item(1, 0)->setText(u"25:99"_s);
        QCOMPARE(s.dialogs.shown.size(), 1);
        QVERIFY(s.dialogs.shown.last().text.endsWith(u" ungültige Zeitangabe:25:99"_s));
        QCOMPARE(grid->item(1, 0)->text(), QString());
        grid->setItem(1, 2, new QTableWidgetItem(u"2"_s));
        QCOMPARE(grid->item(1, 6)->text(), u"17:30"_s);
        QCOMPARE(grid->rowCount(), 3);
        ok(s);
        QCOMPARE(serverOption(u"DEMO"_s, u"BESTELLZEITEN_VERWENDEN"_s), u"ON"_s);
        ClientRig::clearOption(m_server, u"BESTELLZEITEN_VERWENDEN"_s);
    }

    void sysOption_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shown");
        QTest::newRow("with $") << u"$*YQ**B*"_s << true;
        QTest::newRow("without $") << u"*YQ**B*"_s << false;
        QTest::newRow("$ without YQ") << u"$*B*"_s << false;
    }
    void sysOption() {
        QFETCH(QString, text);
        QFETCH(bool, shown);
        ClientRig s(m_server, false);
        QVERIFY(ClientRig::setOption(m_server, u"_M_SYSOPTION"_s, text));
        QVERIFY(open(s));
        ClientRig::clearOption(m_server, u"_M_SYSOPTION"_s);
        auto* pages = control<QTabWidget>(s, u"PageControlOptionen"_s);
        pages->setCurrentWidget(control<QWidget>(s, u"tsSonstiges"_s));
        QCOMPARE(control<QLineEdit>(s, u"EdSysOption"_s)->text(), text);
        QCOMPARE(control<QLineEdit>(s, u"EdYQURL"_s)->isVisible(), shown);
        QCOMPARE(control<QLineEdit>(s, u"EdYQLogin"_s)->isVisible(), shown);
    }

    // An order confirmation needs a usable address.
    void confirmationAddress() {
        ClientRig s(m_server, false);
        QVERIFY(open(s));
        unlock(s);
        auto* pages = control<QTabWidget>(s, u"PageControlOptionen"_s);
        pages->setCurrentWidget(control<QWidget>(s, u"tsBestellung"_s));
        choose(s, u"rgEmailOption"_s, 1);
        auto* edit = control<QLineEdit>(s, u"EdEmailadress"_s);
        edit->setText(u"einkauf-at-werkstatt"_s);
        Q_EMIT edit->editingFinished();
        QCOMPARE(s.dialogs.shown.size(), 1);
        QCOMPARE(s.dialogs.shown.last().text, u"Ungültige Email-Adresse."_s);
        QCOMPARE(chosen(s, u"rgEmailOption"_s), 0);
        QCOMPARE(s.client->optionen()->editor().options().bestellEmail, u"einkauf-at-werkstatt"_s);
    }

    // What "Ok" writes is there again after a restart: in the INI and on the server.
    void storedAfterRestart_data() { transports(); }
    void storedAfterRestart() {
        QFETCH(bool, soap);
        ClientRig a(m_server, soap);
        QVERIFY(open(a));
        choose(a, u"rgOptionenNachrichten"_s, 1);
        choose(a, u"RgAlternativVorschlag"_s, 2);
        choose(a, u"RgMitverkaufen"_s, 2);
        choose(a, u"RgBestellreferenz"_s, 1);
        control<QCheckBox>(a, u"CbMengeAutomatik"_s)->setChecked(true);
        ok(a);
        QCOMPARE(ini(a, u"OPTIONS"_s, u"SHOWMESSAGE"_s), u"WICHTIG"_s);
        QCOMPARE(ini(a, u"OPTIONS"_s, u"MITVERKAUFEN"_s), u"2"_s);
        QCOMPARE(serverOption(u"DEMO"_s, u"ALTERNATIV_VORSCHLAG"_s), u"2"_s);
        QCOMPARE(serverOption(u"DEMO"_s, u"MENGE_AUTOMATIK"_s), u"ON"_s);
        QCOMPARE(serverOption(u"DEMO"_s, u"BESTELLREFERENZ_MANUELL"_s), u"OFF"_s);
        // The document address is kept, the master options are not sent.
        QCOMPARE(serverOption(u"DEMO"_s, u"BELEG_EMAILADRESSE"_s), u"einkauf@werkstatt-demo.de"_s);
        QCOMPARE(serverOption(u"*"_s, u"_M_SHOWPREIS"_s), QString());

        ClientRig b(m_server, soap);
        QFile::remove(b.beside(u".ini"_s));
        QVERIFY(QFile::copy(a.beside(u".ini"_s), b.beside(u".ini"_s)));
        QVERIFY(open(b));
        QCOMPARE(chosen(b, u"rgOptionenNachrichten"_s), 1);
        QCOMPARE(chosen(b, u"RgAlternativVorschlag"_s), 2);
        QCOMPARE(chosen(b, u"RgMitverkaufen"_s), 2);
        QCOMPARE(chosen(b, u"RgBestellreferenz"_s), 1);
        QVERIFY(control<QCheckBox>(b, u"CbMengeAutomatik"_s)->isChecked());
        QCOMPARE(b.form->session()->messageLevel(), 1);
        control<QPushButton>(b, u"bOptionenAbbrechen"_s)->click();
        for (const QString& key :
             {u"ALTERNATIV_VORSCHLAG"_s, u"MENGE_AUTOMATIK"_s, u"BESTELLREFERENZ_MANUELL"_s})
            ClientRig::serverSql(
                m_server, u"DELETE FROM BENUTZER_OPTION WHERE KDNR = '10000' AND BESE_KEY = ?"_s, {key});
    }

    // A master unlocks the restricted options; what it stores holds for the
    // other users of the customer, whose controls stay locked.
    void masterOptions_data() { transports(); }
    void masterOptions() {
        QFETCH(bool, soap);
        {
            ClientRig chef(m_server, soap);
            QVERIFY(open(chef, u"CHEF"_s, u"chef"_s));
            QVERIFY(!control<RadioGroup>(chef, u"rgOptionenPreise"_s)->isEnabled());
            control<QLineEdit>(chef, u"EdMasterBenutzer"_s)->setText(u"CHEF"_s);
            control<QLineEdit>(chef, u"EdMasterPasswort"_s)->setText(u"falsch"_s);
            control<QPushButton>(chef, u"btMasterPruefen"_s)->click();
            QCOMPARE(chef.dialogs.shown.last().text, u"Berechtigung nicht erfolgreich (Master=0)"_s);
            QVERIFY(!control<RadioGroup>(chef, u"rgOptionenPreise"_s)->isEnabled());

            control<QLineEdit>(chef, u"EdMasterPasswort"_s)->setText(u"chef"_s);
            control<QPushButton>(chef, u"btMasterPruefen"_s)->click();
            QVERIFY(chef.dialogs.shown.last().text.startsWith(u"Prüfung erfolgreich."_s));
            QVERIFY(control<RadioGroup>(chef, u"rgOptionenPreise"_s)->isEnabled());
            QCOMPARE(chosen(chef, u"RgMasterMode"_s), 1);
            choose(chef, u"rgOptionenPreise"_s, 1);
            ok(chef);
            QVERIFY(control<QLineEdit>(chef, u"EdMasterPasswort"_s)->text().isEmpty());
            QCOMPARE(serverOption(u"*"_s, u"_M_SHOWPREIS"_s), u"ONMOUSEOVER"_s);
        }
        ClientRig demo(m_server, soap);
        QVERIFY(open(demo));
        QCOMPARE(demo.form->session()->settings().showPreis, 1);
        QCOMPARE(chosen(demo, u"rgOptionenPreise"_s), 1);
        QVERIFY(!control<RadioGroup>(demo, u"rgOptionenPreise"_s)->isEnabled());
        QVERIFY(!control<QListWidget>(demo, u"CheckListBelege"_s)->isEnabled());
        // A user who is no master cannot unlock them.
        control<QLineEdit>(demo, u"EdMasterBenutzer"_s)->setText(u"DEMO"_s);
        control<QLineEdit>(demo, u"EdMasterPasswort"_s)->setText(u"demo"_s);
        control<QPushButton>(demo, u"btMasterPruefen"_s)->click();
        QCOMPARE(demo.dialogs.shown.last().text, u"Berechtigung nicht erfolgreich (Master=0)"_s);
        QVERIFY(!control<RadioGroup>(demo, u"rgOptionenPreise"_s)->isEnabled());
    }

    // While the window is open over TCP, a short query keeps the connection alive.
    void keepAlive() {
        ClientRig s(m_server, false);
        QVERIFY(open(s));
        QTimer* timer = s.client->optionen()->timerAlive();
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), s.form->session()->connection().idleTime - 10000);
        s.logLines.clear();
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection));
        QVERIFY(s.logLines.join(u'\n').contains(u"OptionsForm Timer triggered"_s));
        QVERIFY2(!s.logLines.join(u'\n').contains(u"Timer jetzt disabled"_s), qPrintable(s.lastLog(10)));
        QVERIFY(timer->isActive());
        control<QPushButton>(s, u"bOptionenAbbrechen"_s)->click();
        QVERIFY(!timer->isActive());
    }

    // Every control of every window can be reached by a language file: it
    // has a name, and no other control of its window has the same.
    void everyControlNamed() {
        ClientRig s(m_server, false);
        QVERIFY(open(s));
        QStringList missing;
        int windows = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(u"qt_"_s))
                continue;
            ++windows;
            missing += FormTranslator::unreachable(w);
        }
        QVERIFY(windows > 10);
        for (const QString& line : std::as_const(missing))
            qWarning("%s", qPrintable(line));
        QCOMPARE(missing.size(), 0);
    }

    // The Dutch file from the server: messages, captions, menu items and tabs.
    void dutch() {
        ClientRig s(m_server, false);
        s.writeIni(u"LANGUAGE"_s, u"LANGUAGE_FILENAME"_s, u"NL.lng"_s);
        QVERIFY(s.start());
        // Not there yet: the first login fetches it and applies it.
        QVERIFY(!QFile::exists(s.dir.filePath(u"NL.lng"_s)));
        QVERIFY(s.login());
        QVERIFY(QFile::exists(s.dir.filePath(u"NL.lng"_s)));
        QCOMPARE(s.child<QAction>(u"miVKKLOptionen"_s)->text(), u"&Opties"_s);
        QCOMPARE(s.form->mainMenu().zeile()->title(), u"&Regel"_s);
        auto* pages = s.child<QTabWidget>(u"PageControl"_s);
        QCOMPARE(pages->tabText(pages->indexOf(s.client->shop()->page())), u"Winkelwagen"_s);
        QCOMPARE(Txt::get(Txt::ZeilenLoeschen), u"Regels verwijderen"_s);
        // "§~" is a line break, "#32" a blank.
        QCOMPARE(Txt::get(Txt::Soll_beenden), u"\r\nMoet het programma worden afgesloten ?"_s);
        QCOMPARE(Txt::get(Txt::Verbindungfrei), u"  is in rust "_s);
        // Keys the file lacks keep their German text.
        QCOMPARE(Txt::get(Txt::Querformat), u"Querformat"_s);

        QVERIFY(s.showWindow());
        s.child<QAction>(u"miVKKLOptionen"_s)->trigger();
        TOptionenForm* o = s.client->optionen();
        QCOMPARE(o->windowTitle(), u"Opties"_s);
        auto* tabs = control<QTabWidget>(s, u"PageControlOptionen"_s);
        QCOMPARE(tabs->tabText(tabs->indexOf(control<QWidget>(s, u"tsPreise"_s))), u"Prijzen"_s);
        QCOMPARE(control<RadioGroup>(s, u"rgOptionenPreise"_s)->items().at(2), u"Nettoprijs altijd tonen"_s);
        // The customer line is the program's own (tag 99).
        QVERIFY(control<QLabel>(s, u"lbKundeBenutzer"_s)->text().startsWith(u"Kundennummer: 10000"_s));
        // The box is checked; unchecking it keeps the file, the next start is German.
        auto* box = control<QCheckBox>(s, u"cbSprache"_s);
        QVERIFY(box->isChecked());
        s.dialogs.shown.clear();
        box->click();
        QVERIFY(!box->isChecked());
        QCOMPARE(s.dialogs.shown.last().text,
                 u"Duitse taalversie wordt gebruikt. Start het programma daarvoor opnieuw."_s);
        QCOMPARE(ini(s, u"LANGUAGE"_s, u"LANGUAGE_FILENAME"_s), QString());
        QVERIFY(QFile::exists(s.dir.filePath(u"NL.lng"_s)));
        control<QPushButton>(s, u"bOptionenAbbrechen"_s)->click();

        Txt::resetAll();
        ClientRig b(m_server, false);
        QFile::remove(b.beside(u".ini"_s));
        QVERIFY(QFile::copy(s.beside(u".ini"_s), b.beside(u".ini"_s)));
        QVERIFY(QFile::copy(s.dir.filePath(u"NL.lng"_s), b.dir.filePath(u"NL.lng"_s)));
        QVERIFY(b.start());
        QCOMPARE(b.child<QAction>(u"miVKKLOptionen"_s)->text(), u"&Optionen"_s);
        QCOMPARE(Txt::get(Txt::ZeilenLoeschen), u"Zeilen löschen"_s);
    }

    // Checking the box fetches the file and names it for the next start.
    void switchOnLanguage() {
        ClientRig s(m_server, true);
        QVERIFY(open(s));
        auto* box = control<QCheckBox>(s, u"cbSprache"_s);
        QVERIFY(!box->isChecked());
        box->click();
        QVERIFY(box->isChecked());
        QCOMPARE(s.dialogs.shown.last().text,
                 u"Sprachdatei \"NL.lng\" wird verwendet. Dazu bitte Programm neu starten."_s);
        QCOMPARE(ini(s, u"LANGUAGE"_s, u"LANGUAGE_FILENAME"_s), u"NL.lng"_s);
        QVERIFY(QFile::exists(s.dir.filePath(u"NL.lng"_s)));
        // The texts of this run stay German.
        QCOMPARE(Txt::get(Txt::ZeilenLoeschen), u"Zeilen löschen"_s);
        control<QPushButton>(s, u"bOptionenAbbrechen"_s)->click();
    }
};

QTEST_MAIN(TestOptionen)
#include "tst_optionen.moc"
