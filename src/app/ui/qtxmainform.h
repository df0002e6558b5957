#pragma once

#include "app/pagecontrolrules.h"

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
class ShopTab;
class QVBoxLayout;
class StartUp;

// The main window: page control with the six tabs, main menu, status bar
// and the login page. Start-up logic lives in StartUp; this class creates
// the controls and applies what the start-up found.
class TQTXMainForm : public QMainWindow {
    Q_OBJECT
public:
    struct Seams {
        Platform& platform;
        Logger& log;
        Dialogs& dialogs;
        Ending& ending;
        Clock& clock;
    };

    TQTXMainForm(Seams seams, const QStringList& arguments, QWidget* parent = nullptr);
    ~TQTXMainForm() override;

    // The creation handler; false when the program ends during start-up.
    bool FormCreate();

    const StartUp& startUp() const { return *m_startUp; }
    // The session behind the login page; null before FormCreate.
    Session* session() const { return m_session.get(); }
    // The "Shop" tab's logic and widgets; null before FormCreate.
    ShopTab* shop() const { return m_shop.get(); }

    void Enable_MainMenuItems(bool doit);
    bool loggedIn() const { return m_loggedIn; }
    // Import permission from "_M_DATEI_IMPORT_ERLAUBT" (set at login).
    void setImportAllowed(bool allowed) { m_importAllowed = allowed; }
    // What the returns and old-parts pages report to PageControlChanging.
    void setPageCallbacks(PageControlRules::Callbacks callbacks) {
        m_pageRules = PageControlRules(std::move(callbacks));
    }
    // Shows the supplier list (menu "&Einspeiser"): main window's height, modal.
    void showEinspeiser();

public Q_SLOTS:
    void btLoginClick();
    void btDisConnectClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
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
    void createSession();
    void createShopTab();
    void applyLogin();
    void showStatusPanel(int panel, const QString& text);
    void LogoClick();
    void handleImportMessage(int wParam, int lParam);
    void bringToFront();
    // Login after the input checks: first contact, request 104 and the
    // customer's data. Filled by the session.
    void runLoginSequence();

    Seams m_s;
    QStringList m_args;
    std::unique_ptr<StartUp> m_startUp;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<ShopTab> m_shop;
    std::unique_ptr<MainMenu> m_menu;
    QVBoxLayout* m_shopLayout = nullptr;

    QTabWidget* m_pageControl = nullptr;
    QWidget* m_tsVerkaufskladde = nullptr;
    LoginPage* m_tsConnection = nullptr;
    QWidget* m_tsAutoOrder = nullptr;
    QWidget* m_tsRuecklieferung = nullptr;
    QWidget* m_tsAltteile = nullptr;
    QWidget* m_tsBelege = nullptr;
    QLabel* m_logo = nullptr;
    QLabel* m_vkklStatusBar = nullptr;
    QList<QLabel*> m_statusPanels;
    QListWidget* m_lbFiliale = nullptr;
    QListWidget* m_lbLieferungscode = nullptr;
    PageControlRules m_pageRules;
    int m_lastPage = -1;
    bool m_codeSwitch = false;

    bool m_firstActivation = true;
    bool m_placed = false;
    bool m_loggedIn = false;
    bool m_importAllowed = true;
};
