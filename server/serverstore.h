#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The SQLite store of qtx-server: opens the database, creates the schema and
// keeps configuration, users and files. The area stores (store/*.h) work on
// the same connection. Only the thread that opened it touches it: the
// dispatcher's thread, or one reader thread (see ReadPool).
class ServerStore {
public:
    ServerStore();
    ~ServerStore();
    ServerStore(const ServerStore&) = delete;
    ServerStore& operator=(const ServerStore&) = delete;

    // Opens (and creates) the database. A store without customers gets a
    // small demo data set, so that a client can log in at once.
    bool open(const QString& path, QString* error, bool seedDemo = true);
    // Opens a second connection to a database that another store has opened
    // (and created), for reading only. It belongs to the calling thread.
    bool openReader(const QString& path, QString* error);
    QSqlDatabase database() const;

    // Server configuration values (table CONFIG).
    QString config(const QString& key, const QString& fallback = QString()) const;
    void setConfig(const QString& key, const QString& value);

    struct User {
        QString kdnr;
        QString login;
        QString loginHash; // BENU_PASSWORDHASH: the secret of automatic logins
        QString filiale;
        QString vorname;
        QString name;
        QString lieferungscode;
        QString letzterLogin;
        // The debitor the login works for, when it is not the login's customer number.
        QString debNr;
    };
    enum class Check { Ok, Unknown, WrongSecret, Blocked };
    // mode "1": secret is the login hash; otherwise the password.
    Check checkUser(const QString& kdnr, const QString& login, const QString& secret, const QString& mode,
                    User* user) const;
    bool addUser(const QString& kdnr, const QString& login, const QString& password, const QString& filiale,
                 const QString& vorname = QString(), const QString& name = QString());
    void noteLogin(const User& user, const QString& when);
    // Masters may set the master options of their customer.
    bool isMaster(const QString& kdnr, const QString& login) const;
    bool addMaster(const QString& kdnr, const QString& login);
    // The password digest as stored: "pbkdf2-sha256$<iterations>$<hex digest>".
    static QString passwordDigest(const QByteArray& salt, const QString& password, int iterations);

    // Files for download (get_file, 301) by their server name.
    bool file(const QString& name, QByteArray* data) const;
    bool putFile(const QString& name, const QByteArray& data);

private:
    bool connect(const QString& path, QString* error);

    QString m_connection;
};
