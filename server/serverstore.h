#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The SQLite store of qtx-server. The schema is created on first start and
// grows with the requests the server answers.
class ServerStore {
public:
    ServerStore();
    ~ServerStore();
    ServerStore(const ServerStore&) = delete;
    ServerStore& operator=(const ServerStore&) = delete;

    bool open(const QString& path, QString* error);

    // Server configuration values (table config).
    QString config(const QString& key, const QString& fallback = QString()) const;
    void setConfig(const QString& key, const QString& value);

    struct User {
        QString kdnr;
        QString login;
        QString loginHash; // BENU_PASSWORDHASH: the secret of automatic logins
        QString filiale;
    };
    // mode "0": secret is the password; mode "1": the login hash.
    bool checkUser(const QString& kdnr, const QString& login, const QString& secret, const QString& mode,
                   User* user) const;
    bool addUser(const QString& kdnr, const QString& login, const QString& password, const QString& filiale);

    // Files for download (get_file, 301) by their server name.
    bool file(const QString& name, QByteArray* data) const;
    bool putFile(const QString& name, const QByteArray& data);

private:
    bool createSchema(QString* error);
    QString m_connection;
};
