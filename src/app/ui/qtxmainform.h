#pragma once

#include "platform/seams.h"
#include <QMainWindow>

#include <memory>

class Clock;
class Dialogs;
class Ending;
class LoginPage;
class Logger;
class MainMenu;
class Platform;
class QLabel;
class QListWidget;
class QTabWidget;
class QWidget;
class Session;
class StartUp;
class TabPage;

// The main window: page control, main menu, status bar and the login page.
// Start-up logic lives in StartUp; this class creates the controls and
// applies what the start-up found. The composition root gives it the
// session and registers the tabs; what a tab does is the tab's own.
class TQTXMainForm : public QMainWindow {
    Q_OBJECT
public:
    using Seams = ClientSeams;

    TQTXMainForm(Seams seams, const QStringList& arguments, QWidget* parent = nullptr);
    ~TQTXMainForm() override;

    // The creation handler; false when the program ends during start-up.
    bool FormCreate();

    const StartUp& startUp() const { return *m_startUp; }
    // The session behind the login page; null until the composition root attaches it.
    Session* session() const { return m_session; }
    void attachSession(Session& session);
    // Takes a tab into the page control, in the order of registration.
    void registerTab(TabPage& tab);
    // All tabs are in: the login page is the one shown, the menu waits for a login.
    void tabsRegistered();
    TabPage& loginTab();
    MainMenu& mainMenu() const { return *m_menu; }

    void Enable_MainMenuItems(bool doit);
    bool loggedIn() const { return m_loggedIn; }
    // Import permission from "_M_DATEI_IMPORT_ERLAUBT" (set at login).
    void setImportAllowed(bool allowed) { m_importAllowed = allowed; }
    // Shows the supplier list (menu "&Einspeiser"): main window's height, modal.
    void showEinspeiser();

Q_SIGNALS:
    // The window took a login: tabs, caption and menu follow it.
    void loginApplied();

public Q_SLOTS:
    // The status panels of sbMain (index 0..4).
    void showStatusPanel(int panel, const QString& text);
    void btLoginClick();
    void btDisConnectClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createPages();
    void createStatusBar();
    void applyStartUp();
    void applyTransportColours(bool soap);
    void useArialEverywhere();
    void FormActivate();
    // Before a tab is left; false keeps the tab.
    bool PageControlChanging(int leavingIndex);
    void PageControlChange(int index);
    void pageControlChanged(int index);
    // Switches the tab from code: no PageControlChanging, as with a user click.
    void setActivePage(QWidget* page);
    void applyLogin();
    void applyLogout();
    void setWaitCursor(bool wait);
    TabPage* tabAt(int index) const;
    void LogoClick();
    void handleImportMessage(int wParam, int lParam);
    void bringToFront();
    // Login after the input checks: first contact, request 104 and the
    // customer's data. Filled by the session.
    void runLoginSequence();

    Seams m_s;
    QStringList m_args;
    std::unique_ptr<StartUp> m_startUp;
    Session* m_session = nullptr;
    std::unique_ptr<MainMenu> m_menu;

    QTabWidget* m_pageControl = nullptr;
    LoginPage* m_tsConnection = nullptr;
    QList<TabPage*> m_tabs;
    QLabel* m_logo = nullptr;
    QList<QLabel*> m_statusPanels;
    int m_lastPage = -1;
    bool m_codeSwitch = false;

    bool m_firstActivation = true;
    bool m_placed = false;
    bool m_loggedIn = false;
    bool m_importAllowed = true;
    bool m_waitCursor = false;
};
