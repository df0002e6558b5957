#pragma once

#include "answers/articleanswers.h"
#include "answers/customeranswers.h"
#include "answers/documentanswers.h"
#include "answers/draftanswers.h"
#include "answers/pricefileanswers.h"
#include "answers/serviceanswers.h"
#include "serverrequest.h"
#include "session.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class ReadPool;
class ServerStore;

// One dispatcher behind both fronts. It runs on the main thread, which owns
// the store's connection and does every write. Searches, which may read
// thousands of rows, run on the read pool's threads (handleAsync), so that
// they never hold up other clients. The SOAP
// operations other than StandardRequest arrive under their own names as
// code ("get_connection", "get_settings", "get_file", "TimeStamp").
//
// Sessions: a SOAP request is authenticated by its login header; a TCP
// connection by its login 104. Requests about a customer or a draft line
// must belong to the session's customer.
class Dispatcher : public QObject {
    Q_OBJECT
public:
    explicit Dispatcher(ServerStore& store, QObject* parent = nullptr);
    ~Dispatcher() override;

    // What get_connection tells the client about this very server.
    void setGreeting(const QString& line) { m_greeting = line; }
    QString greeting() const { return m_greeting; }
    void setTcpEndpoint(const QString& address, quint16 port);
    void setRequestUrl(const QString& url) { m_requestUrl = url; }

    // Answers on the calling thread, searches included.
    ServerReply handle(const ServerRequest& request);
    // Answers through done, on the dispatcher's thread: at once, or when a
    // search is through on the read pool.
    using Done = std::function<void(const ServerReply&)>;
    void handleAsync(const ServerRequest& request, Done done);
    // Null when the database cannot be shared between connections.
    ReadPool* readers() const { return m_readers.get(); }

private:
    ServerReply dispatch(const ServerRequest& request);
    ServerReply getConnection(const ServerRequest& request);
    ServerReply getSettings(const ServerRequest& request);
    ServerReply getFile(const ServerRequest& request);
    // Fills the session of a request; false (with the reply) when it must be refused.
    bool authenticate(const ServerRequest& request, Session* session, ServerReply* refusal);

    ServerStore& m_store;
    QString m_greeting;
    QString m_tcpAddress;
    quint16 m_tcpPort = 0;
    QString m_requestUrl;
    CustomerAnswers m_customers;
    ArticleAnswers m_articles;
    DraftAnswers m_drafts;
    DocumentAnswers m_documents;
    ServiceAnswers m_services;
    PriceFileAnswers m_priceFiles;
    QHash<QString, Session> m_tcpSessions;
    QHash<QByteArray, Session> m_soapSessions;
    std::unique_ptr<ReadPool> m_readers;
};
