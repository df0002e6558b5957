#include "serverstore.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

QString passwordHash(const QString& salt, const QString& password) {
    return QString::fromLatin1(
        QCryptographicHash::hash((salt + password).toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString randomHex(int bytes) {
    QByteArray raw(bytes, Qt::Uninitialized);
    for (char& c : raw)
        c = char(QRandomGenerator::system()->bounded(256));
    return QString::fromLatin1(raw.toHex());
}

} // namespace

ServerStore::ServerStore()
    : m_connection(QStringLiteral("qtx-server-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

ServerStore::~ServerStore() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool ServerStore::open(const QString& path, QString* error) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    if (!db.open()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    return createSchema(error);
}

bool ServerStore::createSchema(QString* error) {
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    const QStringList statements = {
        QStringLiteral("CREATE TABLE IF NOT EXISTS config (key TEXT PRIMARY KEY, value TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS users (kdnr TEXT NOT NULL, login TEXT NOT NULL, "
                       "salt TEXT NOT NULL, password_hash TEXT NOT NULL, login_hash TEXT NOT NULL, "
                       "filiale TEXT NOT NULL DEFAULT '', PRIMARY KEY (kdnr, login))"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS files (name TEXT PRIMARY KEY, data BLOB NOT NULL)"),
    };
    for (const QString& s : statements) {
        if (!q.exec(s)) {
            if (error)
                *error = q.lastError().text();
            return false;
        }
    }
    q.exec(QStringLiteral("SELECT COUNT(*) FROM users"));
    if (q.next() && q.value(0).toInt() == 0) {
        // A fresh store gets the demo customer, so that a client can log in at once.
        addUser(QStringLiteral("10000"), QStringLiteral("DEMO"), QStringLiteral("demo"),
                QStringLiteral("F03"));
        addUser(QStringLiteral("10001"), QStringLiteral("JÜRGEN"), QStringLiteral("Grüße€1"),
                QStringLiteral("F15"));
    }
    return true;
}

QString ServerStore::config(const QString& key, const QString& fallback) const {
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT value FROM config WHERE key = ?"));
    q.addBindValue(key);
    if (q.exec() && q.next())
        return q.value(0).toString();
    return fallback;
}

void ServerStore::setConfig(const QString& key, const QString& value) {
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO config (key, value) VALUES (?, ?)"));
    q.addBindValue(key);
    q.addBindValue(value);
    q.exec();
}

bool ServerStore::addUser(const QString& kdnr, const QString& login, const QString& password,
                          const QString& filiale) {
    const QString salt = randomHex(16);
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(
        QStringLiteral("INSERT OR REPLACE INTO users (kdnr, login, salt, password_hash, login_hash, filiale) "
                       "VALUES (?, ?, ?, ?, ?, ?)"));
    q.addBindValue(kdnr);
    q.addBindValue(login);
    q.addBindValue(salt);
    q.addBindValue(passwordHash(salt, password));
    q.addBindValue(randomHex(20).toUpper());
    q.addBindValue(filiale);
    return q.exec();
}

bool ServerStore::checkUser(const QString& kdnr, const QString& login, const QString& secret,
                            const QString& mode, User* user) const {
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT salt, password_hash, login_hash, filiale, login FROM users "
                             "WHERE kdnr = ? AND upper(login) = upper(?)"));
    q.addBindValue(kdnr.trimmed());
    q.addBindValue(login.trimmed());
    if (!q.exec() || !q.next())
        return false;
    const QString salt = q.value(0).toString();
    const bool ok = mode == QLatin1String("1") ? !secret.isEmpty() && secret == q.value(2).toString()
                                               : passwordHash(salt, secret) == q.value(1).toString();
    if (ok && user)
        *user = User{kdnr.trimmed(), q.value(4).toString(), q.value(2).toString(), q.value(3).toString()};
    return ok;
}

bool ServerStore::file(const QString& name, QByteArray* data) const {
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT data FROM files WHERE name = ?"));
    q.addBindValue(name);
    if (!q.exec() || !q.next())
        return false;
    *data = q.value(0).toByteArray();
    return true;
}

bool ServerStore::putFile(const QString& name, const QByteArray& data) {
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO files (name, data) VALUES (?, ?)"));
    q.addBindValue(name);
    q.addBindValue(data);
    return q.exec();
}
