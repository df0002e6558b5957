#pragma once

#include "app/endingtarget.h"
#include "platform/seams.h"
#include "services/clientservices.h"
#include "services/notbuilt.h"

#include <QStringList>

#include <memory>
#include <vector>

class Clock;
class CounterFile;
class Dialogs;
class EmptyTab;
class Ending;
class EndingRoutines;
class LanguageSetup;
class Logger;
class Platform;
class QDialog;
class Session;
class ShopTab;
class TOptionenForm;
class TQTXMainForm;
class UsageStatistics;

// The one place that builds the client: services, main window, session,
// tabs and secondary windows, in the order the program needs them.
// main.cpp runs the program through it, and so do the GUI tests.
class BelegeTab;
class ClientComposition final : public EndingTarget {
public:
    using Seams = ClientSeams;

    ClientComposition(Seams seams, const QStringList& arguments);
    ~ClientComposition() override;

    // Start-up and assembly; false when the program ends during start-up.
    bool start();
    // The real ending routines reach the connection, the counters and the
    // message loop through the client.
    void bindEnding(EndingRoutines& ending);

    // --- EndingTarget
    bool isTcp() const override;
    void setTimeoutsTo100() override;
    bool connectionClosing() const override;
    void disconnect() override;
    void saveCounter(const QString& info) override;
    void quit() override;

    TQTXMainForm& mainForm() const { return *m_form; }
    // Null before start().
    Session* session() const { return m_session.get(); }
    ShopTab* shop() const { return m_shop.get(); }
    BelegeTab* belege() const { return m_belege.get(); }
    TOptionenForm* optionen() const { return m_optionen; }
    // The menu item "Optionen": the window opens over the main window.
    void showOptions();
    ClientServices& services() { return m_services; }

private:
    void createTabs();
    // The language file of the run: its texts at start, a fresh copy after the first login.
    void loadLanguage();
    void refreshLanguage();

    EndingRoutines* m_ending = nullptr;
    Seams m_s;
    NotBuiltServices m_notBuilt;
    ClientServices m_services;
    std::unique_ptr<TQTXMainForm> m_form;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<UsageStatistics> m_statistics;
    std::unique_ptr<ShopTab> m_shop;
    std::unique_ptr<BelegeTab> m_belege;
    std::vector<std::unique_ptr<EmptyTab>> m_emptyTabs;
    std::unique_ptr<CounterFile> m_counters;
    std::vector<std::unique_ptr<QDialog>> m_secondaryForms;
    std::unique_ptr<LanguageSetup> m_language;
    bool m_languageRefreshed = false;
    TOptionenForm* m_optionen = nullptr; // one of the secondary windows
    void optionsStored();
};
