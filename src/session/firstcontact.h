#pragma once

#include "session/session.h"

// The first contact before a login: connection id, backup address,
// get_connection and get_settings, the target-application check and, on
// TCP, the connect to the address the server named. The session owns it.
class FirstContact {
public:
    // The session's connection parts the first contact sets up.
    struct Links {
        TcpConnection& client;
        ServerLink& link;
        SoapRequester& requester;
        IQTX_SoapServer& connectProxy;
        IQTX_SoapServer& requestProxy;
        ModelContext& context;
        Connectivity& connectivity;
    };

    FirstContact(Session::Seams seams, const Session::Config& config, Links links);

    // True when a session may log in (TCP: connected, level >= 10).
    bool Erstes_connect_upgrade(const Session::LoginInput& input, bool mitUpgrade, bool* keinUpdate);

    QString trace() const { return m_trace; }
    QString statusText() const { return m_statusText; }
    // Whether the last call got a full get_connection answer.
    bool connectionAnswered() const { return m_connectionAnswered; }
    // Line 5 of the last full get_connection answer: the user's branch.
    QString connectionBranch() const { return m_connectionBranch; }
    // Line 7: the resource version the tenant library is checked against.
    QString resourceVersion() const { return m_resourceVersion; }
    // Idle time from get_settings; the login's connection options start from it.
    int settingsIdleTime() const { return m_settingsIdleTime; }

private:
    bool getConnection(const Session::LoginInput& input, const QString& secret, const QString& mode,
                       QStringList* answer);
    void getSettings();
    bool zielanwendungRefuses(const QString& kdnr, const QString& user, const QString& secret,
                              const QString& mode);
    // Until the update check exists, no update is ever offered.
    bool updateAvailable() { return false; }
    void removeUpdateLeftovers();

    Session::Seams m_s;
    const Session::Config& m_config;
    Links m_l;
    // The address a TCP session connects to; the server's answer replaces the INI's.
    QString m_tcpHost;
    QString m_tcpPort;
    QString m_trace;
    QString m_statusText;
    QString m_connectionBranch;
    QString m_resourceVersion;
    int m_settingsIdleTime = 180000;
    int m_connectionExceptions = 0;
    bool m_firstCall = true;
    bool m_connectionAnswered = false;
};
