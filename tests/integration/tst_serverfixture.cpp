#include "tst_serverfixture.h"

#include <QFile>

bool ServerFixture::seedTemplate(QString* error) {
    ServerStore seeded;
    return seeded.open(m_template.filePath(QStringLiteral("server.sqlite")), error);
}

bool ServerFixture::open(QString* error) {
    m_dir = std::make_unique<QTemporaryDir>();
    if (!QFile::copy(m_template.filePath(QStringLiteral("server.sqlite")),
                     m_dir->filePath(QStringLiteral("server.sqlite")))) {
        *error = QStringLiteral("Vorlage nicht kopiert");
        return false;
    }
    return reopen(error);
}

bool ServerFixture::reopen(QString* error) {
    m_dispatcher.reset();
    m_store = std::make_unique<ServerStore>();
    if (!m_store->open(m_dir->filePath(QStringLiteral("server.sqlite")), error))
        return false;
    m_dispatcher = std::make_unique<Dispatcher>(*m_store);
    return true;
}

void ServerFixture::close() {
    m_dispatcher.reset();
    m_store.reset();
    m_dir.reset();
}

ServerRequest ServerFixture::tcpRequest(const QString& code, const QStringList& parameters,
                                        const QString& session) {
    ServerRequest r;
    r.code = code;
    r.parameters = parameters;
    r.front = ServerRequest::Front::Tcp;
    r.session = session;
    return r;
}

ServerRequest ServerFixture::soapRequest(const QString& code, const QStringList& parameters,
                                         const QStringList& header) {
    ServerRequest r;
    r.code = code;
    r.parameters = parameters;
    r.loginHeader = header;
    r.front = ServerRequest::Front::Soap;
    return r;
}

ServerReply ServerFixture::tcp(const QString& code, const QStringList& parameters, const QString& session) {
    return m_dispatcher->handle(tcpRequest(code, parameters, session));
}

ServerReply ServerFixture::soap(const QString& code, const QStringList& parameters,
                                const QStringList& header) {
    return m_dispatcher->handle(soapRequest(code, parameters, header));
}

bool ServerFixture::loginDemo(const QString& session) {
    return tcp(QStringLiteral("104"),
               {QStringLiteral("0"), QStringLiteral("10000"), QStringLiteral("DEMO"), QStringLiteral("demo")},
               session)
               .status == 0;
}
