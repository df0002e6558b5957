#pragma once

#include "link/connectivity.h"
#include "link/requestbracket.h"
#include "link/serverlink.h"
#include "link/soapnetwork.h"
#include "link/soaprequester.h"
#include "link/soapserverintf.h"
#include "link/tcpconnection.h"
#include "model/compositerecords.h"
#include "model/modelcontext.h"
#include "platform/seams.h"
#include "services/clientservices.h"
#include "session/clientoptions.h"
#include "session/connectionoptions.h"
#include "session/customerdata.h"
#include "session/tenantlibrary.h"
#include "session/useroptions.h"

#include <QByteArray>
#include <QObject>

#include <memory>

class Clock;
class Dialogs;
class Ending;
class FirstContact;
class LokalIni;
class Logger;
class Platform;

// The session: first contact, login with the customer's data, logout and
// the connection's events. The main window only binds to it.
class Session : public QObject, public RequestBracket::Host, public SoapRequester::Host {
    Q_OBJECT
public:
    using Seams = ClientSeams;
    struct Config {
        bool soap = false;
        int tenant = 6;
        QString onlineName = QStringLiteral("Shop Online");
        QString clientVersion = QStringLiteral("1.0.0.0");
        QString connectUrl;
        QString backupUrl;
        QString iniSoapServerAdr;
        QString tcpHost;
        QString tcpPort;
        bool ipVonIni = false;
        bool internal = false;
        QString programFolder;
        QString counterFile;
        QString pcGuidScrambled;
        QString clientIdent; // the client identification of new draft lines
        QString beschaffInfo2;
        bool languageFileActive = false;
        int showMessage = 2; // SHOWMESSAGE: 2 all messages, 1 important ones, 0 none
        const LokalIni* ini = nullptr;
        ConnectionSettings connection;
    };
    // What the login fields hold.
    struct LoginInput {
        QString kdnr;
        QString user;
        QString password; // "***" stands for the stored hash
        QString storedHash;
    };

    Session(Seams seams, Config config, const ClientServices& services, QObject* parent = nullptr);
    ~Session() override;

    // First contact; true when a session may log in (TCP: connected, level >= 10).
    bool Erstes_connect_upgrade(bool mitUpgrade, bool* keinUpdate);
    // The login after the input checks; false leaves the client logged out.
    bool login(const LoginInput& input);
    void do_DisConnect(bool mitsave, bool terminate);
    // The counting option of the article searches.
    QString read_inkrement(const QString& Schluesselname, const QString& Artikel);

    // The window caption after a login.
    QString loginCaption() const;

    bool loggedIn() const { return m_loggedIn; }
    bool loginSuccess() const { return m_loginSuccess; }
    bool firstContactDone() const { return m_firstContact; }
    QString firstContactTrace() const;
    QString statusText() const;
    QString lastLoginMode() const { return m_lastMode; }
    const TBenutzer2& user() const { return m_user; }
    const UserOptions& options() const { return m_options; }
    // An option that changes for the rest of the run (the options window also writes it to the server).
    void setOption(const QString& key, const QString& value);
    const CustomerData& customerData() const { return m_data; }
    // The supplier grid sgEinspeiser (row 0: headers, found by "Code", "Name", "Kurz").
    const StringGrid& einspeiser() const { return m_data.sgEinspeiser; }
    StringGrid& einspeiser() { return m_data.sgEinspeiser; }
    int tenant() const { return m_config.tenant; }
    // The address the connectivity check probes.
    QString connectivityUrl() const { return m_connectivity.connectUrl(); }
    const TenantTexts& tenantTexts() const { return m_tenantTexts; }
    bool tenantLibraryLoaded() const { return m_tenantLibraryOk; }
    // Refusal text for articles that can only be ordered by phone (booking group "HX80").
    QString phoneOnlyText() const { return m_phoneOnlyText; }
    // Branch for night express and parcel service when a branch lacks the service.
    QString defaultBranch() const { return m_defaultBranch; }
    // The user's branch: get_connection line 6, then FILIALE of the login.
    QString connectionBranch() const { return m_connectionBranch; }
    // OPTIONS/FILIALPRIORITAET "ZULETZT_EINGEGEBEN": a new line keeps the last-entered branch.
    bool lastEnteredBranchPriority() const { return m_lastBranchPriority; }
    // OPTIONS/ALTERNATIVFILIALE as the login found it.
    QString alternativeBranch() const { return m_alternativeBranch; }
    RequestBracket& bracket() { return m_bracket; }
    QString clientIdent() const { return m_config.clientIdent; }
    // The server as the usage events name it: host and port on TCP, the request URL over SOAP.
    QString serverAddress() const;
    // The window closes: with a completed login, the last usage event and the upload.
    void programEnd();
    bool soap() const { return m_config.soap; }
    // The first window show: the keep-alive runs when PING is on.
    void startKeepAlive();
    const ConnectionSettings& connection() const { return m_config.connection; }
    QByteArray customerLogo() const { return m_logo; }
    bool importAllowed() const;
    bool adminMode() const { return m_adminMode; }
    // SHOWMESSAGE: 2 all messages, 1 important ones, 0 none.
    int messageLevel() const { return m_settings.showMessage; }
    // The settings of the options window: the INI's at start, the server's from the login on.
    const ClientOptions& settings() const { return m_settings; }
    // Takes changed settings for the run: the branch rules and the keep-alive follow them.
    void setSettings(const ClientOptions& settings);
    // Sends option pairs (key and value alternating) with 106; a master
    // save carries the master's name and password. False with *error.
    bool writeOptions(const QStringList& pairs, const QString& masterUser, const QString& masterPassword,
                      QString* error);
    // 108: the master's entitlement ("1"); false with *error on a transport error.
    bool checkMaster(const QString& masterUser, const QString& masterPassword, QString* state,
                     QString* error);
    // The shop name of the tenant resources and the program version, for printed footers.
    QString onlineName() const { return m_config.onlineName; }
    QString clientVersion() const { return m_config.clientVersion; }
    ServerLink& link() { return m_link; }
    TcpConnection& client() { return m_client; }

    // --- RequestBracket::Host, SoapRequester::Host
    void setWaitCursor(bool wait) override;
    bool importRunning() const override;
    void autoOrderMemo(const QString& text) override;
    void saveCounter(const QString& info) override;
    void soapBusy(bool busy) override;
    void noInternet(const QString& statusText) override;

Q_SIGNALS:
    // A line for the memo of the AutoOrder page.
    void autoOrderMemoLine(const QString& text);
    // The counters and usage statistics are to be saved locally (save_counter).
    void counterSaveRequested(const QString& info);
    // A text for a status panel of the main window (index 0..4).
    void statusPanelText(int panel, const QString& text);
    // The TCP connection closed: the window leaves the logged-in state.
    void connectionClosed();
    // A request blocks (the hourglass) or has ended.
    void waitCursor(bool wait);

private:
    void ClientConnected();
    void ClientDisconnected();
    void ClientStatus(int state, const QString& text);
    void writeVersionOptions();
    void applyLocalOptions();
    void applyKeepAlive();
    void checkTenantLibrary();
    void fail(const QString& text);
    bool loginSteps(const LoginInput& input);
    void updateBusy();
    void status(int panel, const QString& text);

    Seams m_s;
    const ClientServices& m_services;
    Config m_config;
    ModelContext m_context;
    TcpConnection m_client;
    RequestBracket m_bracket;
    ServerLink m_link;
    SoapNetwork m_network;
    Connectivity m_connectivity;
    SoapRequester m_requester;
    IQTX_SoapServer m_connectProxy;
    IQTX_SoapServer m_requestProxy;
    std::unique_ptr<FirstContact> m_contact;

    LoginInput m_input;
    TBenutzer2 m_user;
    UserOptions m_options;
    CustomerData m_data;
    QByteArray m_logo;
    QString m_lastMode;
    QString m_loginDate;
    QString m_connectionBranch;
    QString m_defaultBranch = QStringLiteral("F15");
    QString m_alternativeBranch;
    ClientOptions m_settings;
    QString m_phoneOnlyText;
    TenantTexts m_tenantTexts;
    bool m_tenantLibraryOk = false;
    bool m_lastBranchPriority = false;
    bool m_firstContact = false;
    bool m_loggedIn = false;
    bool m_loginSuccess = false;
    bool m_adminMode = false;
    bool m_adminMissing = false;
    bool m_busy = false;
    bool m_bracketBusy = false;
    bool m_soapBusy = false;
};
