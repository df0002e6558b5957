#include "dispatcher.h"

#include "link/framing.h"
#include "model/conversions.h"
#include "model/vkklrequests.h"
#include "readpool.h"
#include "replies.h"
#include "serverstore.h"
#include "store/customerstore.h"

#include <QCryptographicHash>
#include <QDateTime>

#include <exception>

namespace {

QString now() {
    // The date and time as the back-end writes them: "2012.11.12 15:30:59".
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy.MM.dd hh:mm:ss"));
}

// Requests that need no login: the login itself, the update check, files,
// newsletter and help (the first contact asks for them with placeholder headers).
bool isPublic(const QString& code) {
    static const QStringList codes = {QStringLiteral("104"),         QStringLiteral("300"),
                                      QStringLiteral("CheckUpdate"), QStringLiteral("301"),
                                      QStringLiteral("303"),         QStringLiteral("304")};
    return codes.contains(code);
}

constexpr qsizetype soapSessionLimit = 1000;

// The searches: they read the catalogue only, and may read much of it.
bool isSearch(const QString& code) {
    static const QStringList codes = {QStringLiteral("131"), QStringLiteral("134"), QStringLiteral("137"),
                                      QStringLiteral("139"), QStringLiteral("501")};
    return codes.contains(code);
}

// Whatever escapes an answer becomes a failure answer, never the server's end.
template <typename F> ServerReply guarded(const QString& code, F&& answer) {
    try {
        return answer();
    } catch (const std::exception& e) {
        qWarning("dispatcher: request %s failed: %s", qPrintable(code), e.what());
    } catch (...) {
        qWarning("dispatcher: request %s failed", qPrintable(code));
    }
    return Replies::error(199);
}

} // namespace

Dispatcher::Dispatcher(ServerStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_customers(store)
    , m_articles(store)
    , m_drafts(store)
    , m_documents(store)
    , m_services(store)
    , m_priceFiles(store) {
    const QString path = store.database().databaseName();
    if (ReadPool::shareable(path))
        m_readers = std::make_unique<ReadPool>(path);
}

Dispatcher::~Dispatcher() {
    // Searches still running answer into the void: their answers are dropped
    // with this object's queued calls.
    m_readers.reset();
}

void Dispatcher::setTcpEndpoint(const QString& address, quint16 port) {
    m_tcpAddress = address;
    m_tcpPort = port;
}

ServerReply Dispatcher::handle(const ServerRequest& request) {
    return guarded(request.code, [&] { return dispatch(request); });
}

void Dispatcher::handleAsync(const ServerRequest& request, Done done) {
    if (!m_readers || !isSearch(request.code)) {
        done(handle(request));
        return;
    }
    // The session is the dispatcher's: it is settled here, the search itself
    // runs on a reader.
    Session session;
    ServerReply refusal;
    bool allowed = false;
    const ServerReply failure = guarded(request.code, [&] {
        allowed = authenticate(request, &session, &refusal);
        return ServerReply();
    });
    if (!allowed) {
        done(failure.status != 0 ? failure : refusal);
        return;
    }
    const QDate today = QDate::currentDate();
    m_readers->run([this, request, session, today, done = std::move(done)](ServerStore* reader) {
        const ServerReply reply = guarded(request.code, [&] {
            if (!reader)
                return Replies::error(199);
            const RequestContext ctx{request, session, today};
            return ArticleAnswers(*reader).answer(ctx).value_or(Replies::error(3));
        });
        QMetaObject::invokeMethod(
            this, [done, reply] { done(reply); }, Qt::QueuedConnection);
    });
}

ServerReply Dispatcher::dispatch(const ServerRequest& request) {
    const QString& code = request.code;
    if (code == u"990")
        return Replies::ok({m_greeting});
    if (code == u"994" || code == u"TimeStamp")
        return Replies::ok({now()});
    if (code == u"999") {
        // Logout: the connection's session ends; nothing to add to the client's log.
        if (!request.session.isEmpty())
            m_tcpSessions.remove(request.session);
        return ServerReply();
    }
    if (code == u"get_connection")
        return getConnection(request);
    if (code == u"get_settings")
        return getSettings(request);
    if (code == u"get_file")
        return getFile(request);

    // Codes outside the catalogue are unknown to everyone, logged in or not.
    if (!FramingTable::forCode(code) && code != VkklRequests::MassUpdateCode && code != u"CheckUpdate")
        return Replies::error(3);

    RequestContext ctx{request, Session(), QDate::currentDate()};
    ServerReply refusal;
    if (!authenticate(request, &ctx.session, &refusal))
        return refusal;
    if (std::optional<ServerReply> r = m_customers.answer(ctx)) {
        if (const std::optional<Session> opened = m_customers.openedSession();
            opened && !request.session.isEmpty())
            m_tcpSessions.insert(request.session, *opened);
        return *r;
    }
    if (std::optional<ServerReply> r = m_articles.answer(ctx))
        return *r;
    if (std::optional<ServerReply> r = m_drafts.answer(ctx))
        return *r;
    if (std::optional<ServerReply> r = m_documents.answer(ctx))
        return *r;
    if (std::optional<ServerReply> r = m_services.answer(ctx))
        return *r;
    if (std::optional<ServerReply> r = m_priceFiles.answer(ctx))
        return *r;
    return Replies::error(3);
}

bool Dispatcher::authenticate(const ServerRequest& request, Session* session, ServerReply* refusal) {
    const bool open = isPublic(request.code);
    if (request.front == ServerRequest::Front::Tcp) {
        if (request.session.isEmpty())
            return true; // a front without connection keys: the request's own lines decide
        const auto it = m_tcpSessions.constFind(request.session);
        if (it != m_tcpSessions.constEnd())
            *session = *it;
        if (!session->known && !open) {
            *refusal = Replies::error(60, QStringLiteral("ERR_LOGIN_FAILED: nicht angemeldet"));
            return false;
        }
        return true;
    }
    const QStringList& h = request.loginHeader;
    const bool placeholder = h.size() < 4 || h.at(0).trimmed().isEmpty() || h.at(0).trimmed() == u"-";
    if (open && (placeholder || request.code == u"104"))
        return true;
    if (placeholder) {
        *refusal = Replies::error(60, QStringLiteral("ERR_LOGIN_FAILED: Anmeldedaten fehlen"));
        return false;
    }
    const QByteArray key =
        QCryptographicHash::hash(h.mid(0, 4).join(QChar(u'\n')).toUtf8(), QCryptographicHash::Sha256);
    if (const auto it = m_soapSessions.constFind(key); it != m_soapSessions.constEnd()) {
        *session = *it;
        return true;
    }
    ServerStore::User user;
    const QString mode = h.at(3).trimmed() == u"1" ? QStringLiteral("1") : QStringLiteral("0");
    const ServerStore::Check check = m_store.checkUser(h.at(0), h.at(1), h.at(2), mode, &user);
    if (check != ServerStore::Check::Ok) {
        *refusal = Replies::error(60);
        return false;
    }
    const std::optional<TDebitor> d = CustomerStore(m_store.database()).debitor(user.kdnr);
    if (!d || Convert::isFlagSet(d->GESPERRT)) {
        *refusal = Replies::error(86);
        return false;
    }
    if (m_soapSessions.size() >= soapSessionLimit)
        m_soapSessions.clear();
    *session = Session{user.kdnr, user.login, user.loginHash, true, user.debNr};
    m_soapSessions.insert(key, *session);
    return true;
}

ServerReply Dispatcher::getConnection(const ServerRequest& request) {
    // ClientInfo: "0", tenant, customer, user, password or hash, mode, client version, transport.
    const QStringList& p = request.parameters;
    if (p.size() < 6)
        return Replies::error(1);
    ServerStore::User user;
    const ServerStore::Check check = m_store.checkUser(p.at(2), p.at(3), p.at(4), p.at(5), &user);
    if (check != ServerStore::Check::Ok) {
        ServerReply r = Replies::error(60);
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
    return Replies::ok(m_store.config(QStringLiteral("SETTINGS"), QStringLiteral("0;0;1;0;1;19%;180000;000"))
                           .split(QLatin1Char(';')));
}

ServerReply Dispatcher::getFile(const ServerRequest& request) {
    // Files are looked up by their stored name; nothing is read from disk.
    const QString name = request.parameters.value(0).trimmed();
    ServerReply r;
    if (name.isEmpty() || !m_store.file(name, &r.fileData))
        return Replies::error(4);
    return r;
}
