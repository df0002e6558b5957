#pragma once

#include "dispatcher.h"
#include "serverstore.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// The dispatcher in-process on a store with the small demo data. Seeding is
// the slow part, so one seeded template is copied for each test.
class ServerFixture {
public:
    // Once per test case.
    bool seedTemplate(QString* error);
    // Per test: a fresh copy of the template, opened.
    bool open(QString* error);
    // A restart: the same file opened again by a new store and dispatcher.
    bool reopen(QString* error);
    void close();

    ServerStore& store() { return *m_store; }
    Dispatcher& dispatcher() { return *m_dispatcher; }

    // A TCP request on the connection `session` (empty: a front without connection keys).
    ServerReply tcp(const QString& code, const QStringList& parameters,
                    const QString& session = QStringLiteral("c1"));
    static ServerRequest tcpRequest(const QString& code, const QStringList& parameters,
                                    const QString& session = QStringLiteral("c1"));
    // A SOAP request with the login header.
    ServerReply soap(const QString& code, const QStringList& parameters,
                     const QStringList& header = demoHeader());
    static ServerRequest soapRequest(const QString& code, const QStringList& parameters,
                                     const QStringList& header = demoHeader());
    static QStringList demoHeader() {
        return {QStringLiteral("10000"), QStringLiteral("DEMO"), QStringLiteral("demo"), QStringLiteral("0")};
    }
    // Logs the TCP connection in as 10000 / DEMO.
    bool loginDemo(const QString& session = QStringLiteral("c1"));

private:
    QTemporaryDir m_template;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ServerStore> m_store;
    std::unique_ptr<Dispatcher> m_dispatcher;
};
