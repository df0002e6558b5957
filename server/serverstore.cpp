#include "serverstore.h"

#include "demodata.h"
#include "store/schema.h"
#include "store/statements.h"

#include "store/recordtable.h"
#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QSqlError>

#include <QSqlQuery>
#include <QUuid>

namespace {

constexpr int kdfIterations = 10000;

QByteArray randomBytes(int count) {
    QByteArray raw(count, Qt::Uninitialized);
    for (char& c : raw)
        c = char(QRandomGenerator::system()->bounded(256));
    return raw;
}

// Compares without stopping at the first difference.
bool sameText(const QString& a, const QString& b) {
    const QByteArray x = a.toUtf8();
    const QByteArray y = b.toUtf8();
    if (x.size() != y.size())
        return false;
    int diff = 0;
    for (qsizetype i = 0; i < x.size(); ++i)
        diff |= x.at(i) ^ y.at(i);
    return diff == 0;
}

} // namespace

ServerStore::ServerStore()
    : m_connection(QStringLiteral("qtx-server-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

ServerStore::~ServerStore() {
    Statements::detach(m_connection);
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase ServerStore::database() const {
    return QSqlDatabase::database(m_connection, false);
}

bool ServerStore::connect(const QString& path, QString* error) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    Statements::attach(m_connection);
    return true;
}

bool ServerStore::openReader(const QString& path, QString* error) {
    if (!connect(path, error))
        return false;
    QSqlDatabase db = database();
    Schema::tune(db);
    // A reader that tried to write would be a fault of ours: SQLite refuses it.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA query_only=1"))) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    return true;
}

bool ServerStore::open(const QString& path, QString* error, bool seedDemo) {
    if (!connect(path, error))
        return false;
    QSqlDatabase db = database();
    if (!Schema::create(db, error))
        return false;
    if (!seedDemo)
        return true;
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT COUNT(*) FROM DEBITOR"));
    if (q.next() && q.value(0).toInt() == 0) {
        DemoData demo(*this);
        return demo.generate(DemoData::Size::Small, error);
    }
    return true;
}

QString ServerStore::config(const QString& key, const QString& fallback) const {
    QSqlQuery q(database());
    q.prepare(QStringLiteral("SELECT VALUE FROM CONFIG WHERE KEY = ?"));
    q.addBindValue(RecordTable::text(key));
    if (q.exec() && q.next())
        return q.value(0).toString();
    return fallback;
}

void ServerStore::setConfig(const QString& key, const QString& value) {
    QSqlQuery q(database());
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO CONFIG (KEY, VALUE) VALUES (?, ?)"));
    q.addBindValue(RecordTable::text(key));
    q.addBindValue(RecordTable::text(value));
    q.exec();
}

QString ServerStore::passwordDigest(const QByteArray& salt, const QString& password, int iterations) {
    const QByteArray key = QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(),
                                                              salt, iterations, 32);
    return QStringLiteral("pbkdf2-sha256$%1$").arg(iterations) + QString::fromLatin1(key.toHex());
}

bool ServerStore::addUser(const QString& kdnr, const QString& login, const QString& password,
                          const QString& filiale, const QString& vorname, const QString& name) {
    const QByteArray salt = randomBytes(16);
    QSqlQuery q(database());
    q.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO BENUTZER (KDNR, BENU_LOGIN, BENU_VORNAME, BENU_NAME, SALT, PASSWORD_KDF, "
        "BENU_PASSWORDHASH, FILIALE, LIEFERUNGSCODE) VALUES (?, ?, ?, ?, ?, ?, ?, ?, '01')"));
    q.addBindValue(RecordTable::text(kdnr));
    q.addBindValue(login);
    q.addBindValue(RecordTable::text(vorname));
    q.addBindValue(RecordTable::text(name));
    q.addBindValue(QString::fromLatin1(salt.toHex()));
    q.addBindValue(passwordDigest(salt, password, kdfIterations));
    q.addBindValue(QString::fromLatin1(randomBytes(20).toHex().toUpper()));
    q.addBindValue(RecordTable::text(filiale));
    return q.exec();
}

ServerStore::Check ServerStore::checkUser(const QString& kdnr, const QString& login, const QString& secret,
                                          const QString& mode, User* user) const {
    QSqlQuery q(database());
    q.prepare(
        QStringLiteral("SELECT SALT, PASSWORD_KDF, BENU_PASSWORDHASH, FILIALE, BENU_LOGIN, "
                       "BENU_VORNAME, BENU_NAME, LIEFERUNGSCODE, BENU_LETZTER_LOGIN, BENU_GESPERRT, DEB_NR "
                       "FROM BENUTZER WHERE KDNR = ? AND upper(BENU_LOGIN) = upper(?)"));
    q.addBindValue(RecordTable::text(kdnr.trimmed()));
    q.addBindValue(login.trimmed());
    if (!q.exec() || !q.next())
        return Check::Unknown;
    bool ok = false;
    if (mode.trimmed() == u"1") {
        ok = !secret.isEmpty() && sameText(secret, q.value(2).toString());
    } else {
        const QString stored = q.value(1).toString();
        const int iterations = stored.section(QLatin1Char('$'), 1, 1).toInt();
        const QByteArray salt = QByteArray::fromHex(q.value(0).toString().toLatin1());
        ok = iterations > 0 && sameText(passwordDigest(salt, secret, iterations), stored);
    }
    if (!ok)
        return Check::WrongSecret;
    if (user)
        *user = User{kdnr.trimmed(),        q.value(4).toString(), q.value(2).toString(),
                     q.value(3).toString(), q.value(5).toString(), q.value(6).toString(),
                     q.value(7).toString(), q.value(8).toString(), q.value(10).toString().trimmed()};
    return q.value(9).toString() == u"1" ? Check::Blocked : Check::Ok;
}

void ServerStore::noteLogin(const User& user, const QString& when) {
    QSqlQuery q(database());
    q.prepare(QStringLiteral("UPDATE BENUTZER SET BENU_LETZTER_LOGIN = ? WHERE KDNR = ? AND BENU_LOGIN = ?"));
    q.addBindValue(RecordTable::text(when));
    q.addBindValue(user.kdnr);
    q.addBindValue(user.login);
    q.exec();
}

bool ServerStore::file(const QString& name, QByteArray* data) const {
    QSqlQuery q(database());
    q.prepare(QStringLiteral("SELECT DATA FROM FILES WHERE NAME = ?"));
    q.addBindValue(RecordTable::text(name));
    if (!q.exec() || !q.next())
        return false;
    *data = q.value(0).toByteArray();
    return true;
}

bool ServerStore::putFile(const QString& name, const QByteArray& data) {
    QSqlQuery q(database());
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO FILES (NAME, DATA) VALUES (?, ?)"));
    q.addBindValue(RecordTable::text(name));
    q.addBindValue(data);
    return q.exec();
}

bool ServerStore::isMaster(const QString& kdnr, const QString& login) const {
    QSqlQuery q(database());
    q.prepare(
        QStringLiteral("SELECT 1 FROM MASTER_BENUTZER WHERE KDNR = ? AND upper(BENU_LOGIN) = upper(?)"));
    q.addBindValue(RecordTable::text(kdnr.trimmed()));
    q.addBindValue(RecordTable::text(login.trimmed()));
    return q.exec() && q.next();
}

bool ServerStore::addMaster(const QString& kdnr, const QString& login) {
    QSqlQuery q(database());
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO MASTER_BENUTZER (KDNR, BENU_LOGIN) VALUES (?, ?)"));
    q.addBindValue(RecordTable::text(kdnr.trimmed()));
    q.addBindValue(RecordTable::text(login.trimmed()));
    return q.exec();
}
