#include "dispatcher.h"

#include "serverstore.h"

#include <QDateTime>

namespace {

ServerReply errorReply(int status, const QString& text) {
    ServerReply r;
    r.status = status;
    r.errorText = text;
    return r;
}

QString now() {
    // The date and time as the back-end writes them: "2012.11.12 15:30:59".
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy.MM.dd hh:mm:ss"));
}

} // namespace

Dispatcher::Dispatcher(ServerStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store) {}

void Dispatcher::setTcpEndpoint(const QString& address, quint16 port) {
    m_tcpAddress = address;
    m_tcpPort = port;
}

ServerReply Dispatcher::handle(const ServerRequest& request) {
    const QString& code = request.code;
    if (code == u"990") {
        ServerReply r;
        r.lines = QStringList{m_greeting};
        return r;
    }
    if (code == u"994" || code == u"TimeStamp") {
        ServerReply r;
        r.lines = QStringList{now()};
        return r;
    }
    if (code == u"999") {
        // Logout: nothing to add to the client's log.
        return ServerReply();
    }
    if (code == u"get_connection")
        return getConnection(request);
    if (code == u"get_settings")
        return getSettings(request);
    if (code == u"get_file")
        return getFile(request);
    return errorReply(3, QStringLiteral("ERR_UNKNOWN_REQUEST"));
}

ServerReply Dispatcher::getConnection(const ServerRequest& request) {
    // ClientInfo: "0", tenant, customer, user, password or hash, mode, client version, transport.
    const QStringList& p = request.parameters;
    if (p.size() < 6)
        return errorReply(1, QStringLiteral("ERR_NO_DATA_RECEIVED"));
    ServerStore::User user;
    if (!m_store.checkUser(p.at(2), p.at(3), p.at(4), p.at(5), &user)) {
        ServerReply r = errorReply(60, QStringLiteral("ERR_LOGIN_FAILED"));
        r.lines =
            QStringList{QStringLiteral("Anmeldung nicht möglich: Kunde, Benutzer oder Passwort ist falsch.")};
        return r;
    }
    ServerReply r;
    r.lines = QStringList{
        QStringLiteral("OK"),
        m_tcpAddress,
        QString::number(m_tcpPort),
        QString(),
        m_requestUrl,
        user.filiale,
        QString(),
        m_store.config(QStringLiteral("RESOURCE_VERSION"), QStringLiteral("1.0.0.0")),
        QString(),
        m_store.config(QStringLiteral("BESTELLZEIT_FALLBACK"),
                       QStringLiteral("\"F15\";\"Ostrand\";\"18:30\"")),
        QString(),
        QString(),
        m_store.config(QStringLiteral("PREISMODUS"), QStringLiteral("PREIS_ORACLE")),
        QString(),
        QString(),
        QString(),
    };
    return r;
}

ServerReply Dispatcher::getSettings(const ServerRequest&) {
    // Flags 1-5, VAT text, default idle interval, three digits.
    ServerReply r;
    r.lines = m_store.config(QStringLiteral("SETTINGS"), QStringLiteral("0;0;1;0;1;19%;180000;000"))
                  .split(QLatin1Char(';'));
    return r;
}

ServerReply Dispatcher::getFile(const ServerRequest& request) {
    const QString name = request.parameters.value(0);
    ServerReply r;
    if (!m_store.file(name, &r.fileData))
        return errorReply(4, QStringLiteral("ERR_FILE_NOT_FOUND"));
    return r;
}
